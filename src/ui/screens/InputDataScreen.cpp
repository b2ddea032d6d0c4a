#include "ui/screens/InputDataScreen.h"

#include "files/Examples.h"
#include "files/OpenModel.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/Units.h"
#include "output/PrintRequest.h"
#include "output/Selection.h"
#include "text/NumberText.h"
#include "ui/CommonButtons.h"
#include "ui/Look.h"
#include "ui/Navigator.h"
#include "ui/TableCommands.h"
#include "ui/screens/PlotSelectScreen.h"
#include "ui/screens/ProgramPreviewPanel.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace trochix::ui {

using model::ResultRow;

namespace {

const char* const kOwnStyle = R"(
QGroupBox#fra_Follower { margin-top: 12px; padding: 4px 6px 2px 6px; background: #ffffff; }
QLabel[header="true"] { font-weight: bold; color: #1d3557; }
QLabel[angle="true"] {
    background: #ffffff; color: #33475b; border: 1px solid #d0d7de; border-radius: 4px;
    padding: 3px 6px;
}
QLabel[segment="true"] { border-radius: 4px; padding: 3px; font-weight: bold; }
QPushButton[row="true"] { padding: 3px 10px; }
QLineEdit:disabled { background: #edf0f3; color: #8a96a3; border-color: #d0d7de; }
QComboBox QLineEdit { border: none; padding: 0px; background: transparent; }
)";

QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The S condition the user typed at x = 0 or 1 of the segment, "" when there is none.
std::string EndConditionText(const model::CamModel& m, int seg, float x) {
    const int n = std::min(m.SegNumBC[seg], model::kMaxBCs);
    for (int i = 1; i <= n; ++i)
        if (m.BcOrder[i][seg] == 0.0f && m.BcPos[i][seg] == x)
            return text::ShortestFloat(m.BcEntered[i][seg], 7);
    return {};
}

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

InputDataScreen::InputDataScreen(AppContext& ctx)
    : ScreenBase(ctx, ScreenId::InputData), m_state(motion::LoadInputScreen()) {
    setStyleSheet(FrameStyle("10px 8px 8px 8px", 12) + kOwnStyle);
    m_commits = new CommitOnLeave(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(10);
    // Creation order is the tab order: cam data, the rows one by one, the buttons.
    layout->addWidget(BuildCamData());
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildSegments(), 3);
    m_preview = new ProgramPreviewPanel(this);
    middle->addWidget(m_preview, 2);
    layout->addLayout(middle, 1);
    layout->addWidget(BuildButtons());

    // No button is the dialog's default: Enter in a box must not press one. A button with
    // the focus still takes Enter (eventFilter).
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }

    Refresh();
    // Nothing has been shown from the model yet: the first activation rebuilds the rows.
    m_shown.clear();
}

QWidget* InputDataScreen::BuildCamData() {
    auto* frame = new QGroupBox("Cam Data", this);
    frame->setObjectName("fra_CamData");
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(4);
    // Each box under its caption; creation order is the tab order.
    const auto captioned = [&](int column, QLabel* caption, QWidget* box) {
        caption->setBuddy(box);
        grid->addWidget(caption, 0, column);
        grid->addWidget(box, 1, column);
    };

    m_omegaUnit = MakeCaption(frame, "Cam Omega (rpm)");
    m_omegaUnit->setObjectName("lbl_OmegaUnit");
    m_omega = MakeLineEdit(frame, "txt_Omega", Qt::AlignRight | Qt::AlignVCenter);
    m_omega->setFixedWidth(120);
    captioned(0, m_omegaUnit, m_omega);
    m_segmts = MakeLineEdit(frame, "txt_Segmts", Qt::AlignRight | Qt::AlignVCenter);
    m_segmts->setFixedWidth(70);
    captioned(1, MakeCaption(frame, "No. Sgmts"), m_segmts);
    m_delta = new QComboBox(frame);
    m_delta->setObjectName("cmb_Delta");
    m_delta->setEditable(true);
    m_delta->setInsertPolicy(QComboBox::NoInsert);
    m_delta->setCompleter(nullptr);
    for (const std::string& step : motion::DeltaList)
        m_delta->addItem(Qs(step));
    m_delta->setFixedWidth(110);
    captioned(2, MakeCaption(frame, "Delta Theta (deg)"), m_delta);
    grid->addWidget(BuildFollower(frame), 0, 3, 2, 1);
    m_examples = new QComboBox(frame);
    m_examples->setObjectName("cmb_Examples");
    for (const std::string& name : files::ExampleName)
        m_examples->addItem(Qs(name));
    m_examples->setPlaceholderText("Load an example model");
    m_examples->setCurrentIndex(-1);
    captioned(5, MakeCaption(frame, "Examples"), m_examples);
    grid->setColumnStretch(4, 1);

    for (QWidget* box : {static_cast<QWidget*>(m_omega), static_cast<QWidget*>(m_segmts),
                         static_cast<QWidget*>(m_delta)})
        box->installEventFilter(this);
    m_commits->watch(m_omega, [this] { Omega_LostFocus(); });
    m_commits->watch(m_segmts, [this] { Segmts_Change(); });
    m_commits->watch(m_delta, [this] { Delta_Change(); });
    connect(m_delta, &QComboBox::activated, this, &InputDataScreen::Delta_Change);
    connect(m_examples, &QComboBox::activated, this, &InputDataScreen::Examples_Click);
    return frame;
}

QWidget* InputDataScreen::BuildFollower(QWidget* frame) {
    auto* follower = new QGroupBox("Follower", frame);
    follower->setObjectName("fra_Follower");
    auto* options = new QHBoxLayout(follower);
    options->setContentsMargins(8, 4, 8, 2);
    m_trans = new QRadioButton("Trans", follower);
    m_trans->setObjectName(IndexedName("opt_Folmotion", 0));
    m_osclt = new QRadioButton("Osclt", follower);
    m_osclt->setObjectName(IndexedName("opt_Folmotion", 1));
    options->addWidget(m_trans);
    options->addWidget(m_osclt);
    connect(m_trans, &QRadioButton::toggled, this, &InputDataScreen::Folmotion_Click);
    return follower;
}

QWidget* InputDataScreen::BuildSegments() {
    m_segmentFrame = new QGroupBox("Segment Data", this);
    m_segmentFrame->setObjectName("fra_Segments");
    auto* outer = new QVBoxLayout(m_segmentFrame);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    outer->addLayout(grid);
    outer->addStretch(1);

    m_unit = MakeSegmentHeadings(m_segmentFrame, grid);
    for (int row = 0; row < model::kMaxSegments; ++row) {
        m_rows[row] = MakeSegmentRow(m_segmentFrame, grid, row, kSegmentHeadingRows + row);
        ConnectRow(row);
    }
    grid->setColumnStretch(kColProgram, 1);
    return m_segmentFrame;
}

void InputDataScreen::ConnectRow(int row) {
    const SegmentRowWidgets& w = m_rows[row];
    for (QWidget* c : {static_cast<QWidget*>(w.beta), static_cast<QWidget*>(w.motion),
                       static_cast<QWidget*>(w.program), static_cast<QWidget*>(w.low),
                       static_cast<QWidget*>(w.high)})
        c->installEventFilter(this);
    m_commits->watch(w.beta, [this, row] { Beta_LostFocus(row); });
    connect(w.motion, &QComboBox::currentIndexChanged, this, [this, row] { Motion_Change(row); });
    // Typing a code and picking from the list both choose the law.
    connect(w.program, &QComboBox::editTextChanged, this, [this, row] { Program_Change(row); });
    connect(w.program, &QComboBox::activated, this, [this, row] { Program_Change(row); });
    connect(w.low, &QLineEdit::textChanged, this, [this, row] { Low_Change(row); });
    connect(w.high, &QLineEdit::textChanged, this, [this, row] { High_Change(row); });
    connect(w.calc, &QPushButton::clicked, this, [this, row] { CalcSeg_Click(row); });
    connect(w.plot, &QPushButton::clicked, this, [this, row] { PlotSeg_Click(row); });
    connect(w.print, &QPushButton::clicked, this, [this, row] { PrntSeg_Click(row); });
}

QWidget* InputDataScreen::BuildButtons() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    auto* clearSegs = MakeButton(bar, "Clear &Segs", "cmd_ClearSegs");
    m_calcAll = MakeButton(bar, "Ca&lc All", "cmd_CalcAll");
    auto* clearAll = MakeButton(bar, "Clear &All", "cmd_Clear_SVAJ");
    auto* cancel = MakeButton(bar, "Ca&ncel", "cmd_Cancel");
    m_done = MakeButton(bar, "&Done", "cmd_Done");
    row->addWidget(m_calcAll);
    row->addWidget(clearSegs);
    row->addWidget(clearAll);
    row->addStretch(1);
    row->addWidget(MakeCopyButton(*this));
    row->addWidget(MakePrintFormButton(*this, "cmd_PlotPrint"));
    row->addSpacing(16);
    row->addWidget(cancel);
    row->addWidget(m_done);
    m_done->setMinimumWidth(100);

    connect(clearSegs, &QPushButton::clicked, this, &InputDataScreen::ClearSegs_Click);
    connect(m_calcAll, &QPushButton::clicked, this, &InputDataScreen::CalcAll_Click);
    connect(clearAll, &QPushButton::clicked, this, &InputDataScreen::Clear_SVAJ_Click);
    connect(cancel, &QPushButton::clicked, this, &InputDataScreen::Cancel_Click);
    connect(m_done, &QPushButton::clicked, this, &InputDataScreen::Done_Click);
    return bar;
}

// ---- showing the model

std::vector<std::string> InputDataScreen::Shown() const {
    const model::CamModel& m = m_ctx.model;
    std::vector<std::string> v = {m.OmegaText, m.SegmentsText, m.DeltaText,
                                  std::to_string(m.NumSegments), m.Translating ? "T" : "O"};
    for (int seg = 1; seg <= model::kMaxSegments; ++seg) {
        for (const std::string* s : {&m.SegBetaText[seg], &m.SegDir[seg], &m.SegLawText[seg],
                                     &m.SegStartText[seg], &m.SegEndText[seg]})
            v.push_back(*s);
        v.push_back(m.SegDone[seg - 1] ? "1" : "0");
    }
    return v;
}

void InputDataScreen::activate() {
    model::CamModel& m = m_ctx.model;
    m_omegaUnit->setText("Cam Omega (rpm)");
    model::RefreshUnitLabels(m);
    // A model file, an example or New filled the model without this screen's handlers.
    if (Shown() != m_shown)
        motion::SyncScreenState(m, m_state);
    Refresh();
}

void InputDataScreen::Refresh() {
    // Enabling and disabling move the focus: that is no user leaving a box.
    const CommitOnLeave::Pause pause(*m_commits);
    const model::CamModel& m = m_ctx.model;
    {
        const QSignalBlocker b1(m_omega), b2(m_segmts), b3(m_delta), b4(m_trans), b5(m_osclt);
        SetBoxText(m_omega, m.OmegaText);
        SetBoxText(m_segmts, m.SegmentsText);
        SetListText(m_delta, m.DeltaText);
        m_trans->setChecked(m.Translating);
        m_osclt->setChecked(!m.Translating);
    }
    RefreshUnitLabel();
    // Buttons first: a Calc disabled under the focus hands it on to the next enabled control.
    m_calcAll->setEnabled(m_state.CalcAllEnabled);
    m_done->setEnabled(m_state.DoneEnabled);
    m_segmentFrame->setEnabled(m_state.SegmentFrameEnabled);
    const RowOutputs outputs{m_ctx.navigator.isAvailable(ScreenId::PlotSelect3),
                             m_ctx.navigator.isAvailable(ScreenId::PrintData)};
    for (int row = 0; row < model::kMaxSegments; ++row)
        ShowSegmentRow(m_rows[row], m, m_state.Rows[row], row, outputs);
    m_shown = Shown();
    m_preview->redraw(m, m_ctx.colours);
}

void InputDataScreen::RefreshUnitLabel() {
    m_unit->setText(Qs("(" + m_ctx.model.UnitLabel[ResultRow::Displacement] + ")"));
}

// ---- cam data

namespace {

// A refused box gets the focus back once the focus has gone where the user sent it.
void FocusAgain(QLineEdit* box) {
    QTimer::singleShot(0, box, [box] {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    });
}

} // namespace

void InputDataScreen::Omega_LostFocus() {
    const std::string typed = m_omega->text().toStdString();
    motion::OmegaLostFocus(m_ctx.model, m_ctx.host, m_state, typed);
    Refresh();
    if (m_ctx.model.OmegaText != typed)
        FocusAgain(m_omega);
}

void InputDataScreen::Segmts_Change() {
    model::RunGuarded(m_ctx.host, "txt_Segmts_Change", [&] {
        motion::SegmentsCommitted(m_ctx.model, m_ctx.host, m_state, m_segmts->text().toStdString());
    });
    Refresh();
}

void InputDataScreen::Delta_Change() {
    motion::DeltaLostFocus(m_ctx.model, m_ctx.host, m_state, m_delta->currentText().toStdString());
    Refresh();
}

void InputDataScreen::Folmotion_Click() {
    model::RunGuarded(m_ctx.host, "opt_Folmotion_Click", [&] {
        m_ctx.model.Translating = m_trans->isChecked();
        model::RefreshUnitLabels(m_ctx.model);
    });
    Refresh();
}

void InputDataScreen::Examples_Click(int index) {
    model::CamModel& m = m_ctx.model;
    model::RunGuarded(m_ctx.host, "cmb_Examples_Click", [&] {
        // The example computes the later stages itself; Done keeps them only if it completed.
        m.ExampleLoaded = true;
        m.ExampleLoaded =
            files::OpenModel(m, {.example = index + 1}, m_ctx.host) == files::OpenStatus::Opened;
        motion::SyncScreenState(m, m_state);
    });
    {
        // The list is a command: it shows no choice afterwards, so any example can be reloaded.
        const QSignalBlocker blocker(m_examples);
        m_examples->setCurrentIndex(-1);
    }
    Refresh();
}

// ---- segment rows

void InputDataScreen::Beta_LostFocus(int row) {
    const std::string typed = m_rows[row].beta->text().toStdString();
    model::RunGuarded(m_ctx.host, "txt_Beta_LostFocus",
                      [&] { motion::BetaLostFocus(m_ctx.model, m_ctx.host, m_state, row, typed); });
    Refresh();
    if (m_ctx.model.SegBetaText[row + 1] != typed)
        FocusAgain(m_rows[row].beta);
}

void InputDataScreen::Motion_Change(int row) {
    model::RunGuarded(m_ctx.host, "cmb_Motion_Change", [&] {
        motion::MotionChanged(m_ctx.model, m_state, row,
                              m_rows[row].motion->currentText().toStdString());
    });
    Refresh();
}

void InputDataScreen::Program_Change(int row) {
    bool chosen = false;
    model::RunGuarded(m_ctx.host, "cmb_Program_Change", [&] {
        chosen = motion::ProgramChanged(m_ctx.model, m_state, row,
                                        m_rows[row].program->currentText().toStdString());
    });
    // A text that names no law yet ("c" on the way to "cf") stays as typed.
    if (chosen)
        Refresh();
}

void InputDataScreen::Low_Click(int row) {
    motion::StartClicked(m_state, row);
    Refresh();
}

void InputDataScreen::Low_Change(int row) {
    model::RunGuarded(m_ctx.host, "txt_Low_Change", [&] {
        motion::StartChanged(m_ctx.model, m_state, row, m_rows[row].low->text().toStdString());
    });
    Refresh();
}

void InputDataScreen::High_Change(int row) {
    model::RunGuarded(m_ctx.host, "txt_High_Change", [&] {
        motion::EndChanged(m_ctx.model, m_state, row, m_rows[row].high->text().toStdString());
    });
    Refresh();
}

motion::BoundaryResult InputDataScreen::SolvePolynomialRow(int row) {
    model::CamModel& m = m_ctx.model;
    Navigator& nav = m_ctx.navigator;
    const int seg = row + 1;
    if (!nav.isAvailable(ScreenId::Bounds)) {
        m_ctx.host.message(
            "Segment " + text::ShortestFloat(static_cast<float>(seg), 7) +
                " is a polynomial: its boundary conditions are entered on the boundary-"
                "condition screen, which this version of the program does not include.\r"
                "The segment has not been calculated.",
            model::Icon::Information, model::DefaultTitle());
        return {};
    }
    m.CurSeg = seg;
    // Only a Done on the boundary-condition screen counts, not one left over from before.
    m.BcValid = false;
    nav.ShowScreen(ScreenId::Bounds);
    if (!m.BcValid)
        return {};
    return {true, EndConditionText(m, seg, 0.0f), EndConditionText(m, seg, 1.0f)};
}

void InputDataScreen::CalcSeg_Click(int row) {
    model::CamModel& m = m_ctx.model;
    const bool polynomial =
        motion::CalcRow(m, m_ctx.host, m_state, row) == motion::RowOutcome::NeedsBoundaryConditions;
    // What the screen adds: the boundary-condition screen for a polynomial row.
    model::RunGuarded(m_ctx.host, "cmd_CalcSeg_Click", [&] {
        if (!polynomial)
            return;
        const motion::BoundaryResult r = SolvePolynomialRow(row);
        if (r.solved) {
            motion::PolynomialRowSolved(m, m_state, row, r.startText, r.endText);
        } else {
            m.ExampleLoaded = false;
            motion::CheckDoneEnabled(m, m_state);
        }
    });
    Refresh();
    // After the last row the program is ready: Done is next, never Clear Segs.
    if (row == m.NumSegments - 1 && m_done->isEnabled())
        m_done->setFocus(Qt::OtherFocusReason);
}

// ---- bottom buttons

void InputDataScreen::PlotSeg_Click(int row) {
    // S, V, A and J of the segment in four windows: typed into the four-window selection,
    // whose timer then presses Done.
    auto* select = m_ctx.navigator.screenAs<PlotSelectScreen>(ScreenId::PlotSelect3);
    if (!select)
        return;
    model::RunGuarded(m_ctx.host, "frm_InputData.PlotSeg", [&] {
        motion::PrepareSegmentPlot(m_ctx.model, row);
        output::SelectPlotType(m_ctx.model, 3);
        select->selectByProgram({"DI", "VE", "AC", "JE"}, m_ctx.model.CurSeg);
        m_ctx.navigator.ShowScreen(ScreenId::PlotSelect3);
    });
}

void InputDataScreen::PrntSeg_Click(int row) {
    model::RunGuarded(m_ctx.host, "frm_InputData.PrntSeg", [&] {
        const bool polynomial = output::SegmentTableRequest(m_ctx.model, row);
        if (polynomial && m_ctx.navigator.isAvailable(ScreenId::Poly))
            m_ctx.navigator.ShowScreen(ScreenId::Poly);
        Print_cam_data(m_ctx);
    });
}

void InputDataScreen::CalcAll_Click() {
    bool all = false;
    model::RunGuarded(m_ctx.host, "cmd_CalcAll_Click", [&] {
        all = motion::CalcAll(m_ctx.model, m_ctx.host, m_state,
                              [this](int row) { return SolvePolynomialRow(row); });
    });
    Refresh();
    if (all)
        m_done->setFocus(Qt::OtherFocusReason);
}

void InputDataScreen::ClearSegs_Click() {
    model::RunGuarded(m_ctx.host, "cmd_ClearSegs_Click",
                      [&] { motion::ClearSegs(m_ctx.model, m_state); });
    Refresh();
}

void InputDataScreen::Clear_SVAJ_Click() {
    model::RunGuarded(m_ctx.host, "cmd_Clear_SVAJ_Click",
                      [&] { motion::ClearAll(m_ctx.model, m_state); });
    Refresh();
    m_omega->setFocus(Qt::OtherFocusReason);
}

void InputDataScreen::Cancel_Click() {
    motion::CancelInput(m_ctx.model);
    closeScreen();
}

void InputDataScreen::reject() {
    Cancel_Click();
}

void InputDataScreen::Done_Click() {
    const bool completed = motion::CompleteMotionProgram(m_ctx.model, m_ctx.host, m_state);
    Refresh();
    if (!completed)
        return;
    Navigator& nav = m_ctx.navigator;
    closeScreen();
    // The home screen's commands follow the completed program at once.
    nav.RefreshHome();
    if (nav.isAvailable(ScreenId::Continuity))
        nav.ShowScreen(ScreenId::Continuity);
}

// ---- keys, clicks and focus

bool InputDataScreen::eventFilter(QObject* watched, QEvent* event) {
    // Commits of txt_Omega, cmb_Delta and txt_Beta are m_commits'; this filter sees their keys
    // after it.
    if (m_commits->quiet())
        return ScreenBase::eventFilter(watched, event);
    const auto lowRow = [&]() -> int {
        for (int row = 0; row < model::kMaxSegments; ++row)
            if (watched == m_rows[row].low)
                return row;
        return -1;
    };
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        // The access key of a disabled button must not end up as a letter in a box.
        if ((keyEvent->modifiers() & Qt::AltModifier) && !keyEvent->text().isEmpty() &&
            keyEvent->text().at(0).isPrint())
            return !qobject_cast<QPushButton*>(watched);
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            if (!IsEnterKey(key))
                break;
            button->click();
            return true;
        }
        // Enter in a box never reaches the dialog, which would press a button for it.
        return IsEnterKey(key);
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or an open list takes the focus only for a moment.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        // A law list left with a text that names no law shows its law again.
        if (!m_commits->watches(watched))
            Refresh();
        break;
    }
    case QEvent::MouseButtonPress: {
        const int row = lowRow();
        if (row >= 0)
            Low_Click(row);
        break;
    }
    case QEvent::FocusIn: {
        // Reaching Start from the keyboard counts as clicking it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const int row = lowRow();
        if (row >= 0 && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::ShortcutFocusReason))
            Low_Click(row);
        break;
    }
    default: break;
    }
    return ScreenBase::eventFilter(watched, event);
}

} // namespace trochix::ui
