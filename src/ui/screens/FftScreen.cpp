#include "ui/screens/FftScreen.h"

#include "model/CamModel.h"
#include "output/FftChoice.h"
#include "output/ScreenGraphs.h"
#include "spectrum/Spectrum.h"
#include "ui/ChartView.h"
#include "ui/CommonButtons.h"
#include "ui/Controls.h"
#include "ui/screens/FunctionSelector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QComboBox* EditableList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // A typed code is not completed into a name the user did not mean.
    list->setCompleter(nullptr);
    SelectAllOnFocus(list);
    return list;
}

} // namespace

FftScreen::FftScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::FFT) {
    setStyleSheet(FunctionSelector::StyleSheet());
    m_commits = new CommitOnLeave(this);

    auto* functionFrame = new QGroupBox("Function", this);
    functionFrame->setObjectName("fra_Function");
    auto* fr = new QHBoxLayout(functionFrame);
    m_var1 = EditableList(functionFrame, "cmb_Var1");
    m_var1->setMinimumContentsLength(14);
    m_function = new QLabel(functionFrame);
    m_function->setObjectName("lbl_Function");
    m_function->setProperty("indicator", true);
    m_function->setMinimumWidth(110);
    fr->addWidget(m_var1, 1);
    fr->addWidget(m_function);
    connect(m_var1, &QComboBox::activated, this, &FftScreen::Var1_Click);
    connect(m_var1->lineEdit(), &QLineEdit::textEdited, this, [this] { m_var1Edited = true; });
    // Enter chooses even when nothing was typed (and says so); leaving chooses after an edit.
    m_commits->watch(
        m_var1,
        [this] {
            if (m_var1Edited)
                Var1_Click();
        },
        CommitOnLeave::Leave | CommitOnLeave::Tab);
    m_var1->installEventFilter(this);

    auto* harmonicsFrame = new QGroupBox("No of Harmonics", this);
    harmonicsFrame->setObjectName("fra_Harmonics");
    auto* hr = new QHBoxLayout(harmonicsFrame);
    m_harmonics = EditableList(harmonicsFrame, "cmb_Harmonics");
    m_harmonics->setMinimumContentsLength(5);
    m_harmonics->setEditText("15");
    hr->addWidget(m_harmonics);
    connect(m_harmonics, &QComboBox::activated, this, &FftScreen::Harmonics_Click);
    connect(m_harmonics->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_harmonicsEdited = true; });
    m_commits->watch(m_harmonics, [this] {
        if (m_harmonicsEdited)
            Harmonics_Click();
    });

    auto* summary = new QGroupBox("Summary", this);
    summary->setObjectName("fra_Summary");
    auto* sr = new QHBoxLayout(summary);
    m_sum = MakeResultLabel(summary, "lbl_sum", 90);
    m_power = MakeResultLabel(summary, "lbl_Power", 90);
    m_rms = MakeResultLabel(summary, "lbl_RMS", 90);
    const std::pair<const char*, QLabel*> figures[] = {
        {"Harmonic Sum", m_sum}, {"Harmonic Power", m_power}, {"Harmonic Rms", m_rms}};
    for (const auto& [caption, label] : figures) {
        sr->addWidget(new QLabel(QString::fromLatin1(caption), summary));
        sr->addWidget(label, 1);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(functionFrame, 2);
    top->addWidget(harmonicsFrame, 0);
    top->addWidget(summary, 3);

    auto* charts = new QGridLayout;
    charts->setSpacing(4);
    for (int j = 0; j < 4; ++j) {
        auto* c = new ChartView(this);
        c->setObjectName(IndexedName("grf_Plot", j));
        charts->addWidget(c, j / 2, j % 2);
        m_charts[static_cast<std::size_t>(j)] = c;
    }

    m_frames = MakeStyleFrames(this);
    m_frames.setCaptions({"Horiz", "Vertic", "Envelope", "Spectral Lines"});
    m_boxes.chk_HGrid = true;
    output::StyleForKind(m_boxes, true);
    m_frames.show(m_boxes);
    for (QCheckBox* b :
         {m_frames.chk_HGrid, m_frames.chk_VGrid, m_frames.chk_Line, m_frames.chk_Sticks})
        connect(b, &QCheckBox::clicked, this, &FftScreen::StyleChanged);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_frames.grid);
    bottom->addWidget(m_frames.style);
    bottom->addStretch(1);
    QPushButton* done = MakeButton(this, "&Done", "cmd_Done");
    connect(done, &QPushButton::clicked, this, &FftScreen::Done_Click);
    for (QPushButton* b : {MakeCopyButton(*this), MakePrintFormButton(*this), done}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
        bottom->addWidget(b, 0, Qt::AlignBottom);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addLayout(charts, 1);
    layout->addLayout(bottom);
    resize(1240, 900);
}

void FftScreen::activate() {
    model::CamModel& m = m_ctx.model;
    const CommitOnLeave::Pause pause(*m_commits);
    m_list = output::FftFunctionList(m);
    {
        const QSignalBlocker b1(m_var1), b2(m_harmonics);
        m_var1->clear();
        for (const spectrum::FftFunction& f : m_list)
            m_var1->addItem(Q(f.name));
        m_var1->setCurrentIndex(-1);
        m_var1->setEditText({});

        const QString kept = m_harmonics->currentText();
        m_harmonics->clear();
        for (const std::string& n : spectrum::HarmonicsListTexts(m.NumPoints))
            m_harmonics->addItem(Q(n));
        SetListText(m_harmonics, spectrum::OpenFftScreen(m, kept.toStdString()));
    }
    m_var1Edited = m_harmonicsEdited = false;
    m_function->clear();
    m_functionName.clear();
    for (QLabel* l : {m_sum, m_power, m_rms})
        l->clear();
    output::EmptyFftGraphs(m_graphs);
    output::SetGridstyle(m_ctx.host, m_graphs, 4, m_boxes);
    for (int j = 0; j < 4; ++j)
        m_charts[static_cast<std::size_t>(j)]->setGraph(m_graphs[static_cast<std::size_t>(j)]);
    m_var1->setFocus(Qt::OtherFocusReason);
}

bool FftScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_var1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Var1_Click();
            return true;
        }
    }
    return ScreenBase::eventFilter(watched, event);
}

void FftScreen::FocusLater(QWidget* w) {
    // After the focus has gone where the user sent it.
    QTimer::singleShot(0, w, [w] { w->setFocus(Qt::OtherFocusReason); });
}

void FftScreen::Var1_Click() {
    m_var1Edited = false;
    model::CamModel& m = m_ctx.model;
    const std::string text = output::FftFunctionText(m, m_var1->currentText().toStdString());
    {
        const QSignalBlocker block(m_var1);
        SetListText(m_var1, text);
    }
    const spectrum::FftChoice r = spectrum::ChooseFftFunction(
        m, m_ctx.host, text, m_list, m_harmonics->currentText().toStdString());
    {
        const QSignalBlocker block(m_harmonics);
        SetListText(m_harmonics, r.harmonicsText);
    }
    if (r.clearFunctionBox) {
        const QSignalBlocker block(m_var1);
        SetListText(m_var1, {});
    }
    if (r.focus == spectrum::FftFocus::FunctionList)
        FocusLater(m_var1);
    else if (r.focus == spectrum::FftFocus::HarmonicsBox)
        FocusLater(m_harmonics);
    if (!r.computed)
        return;
    m_functionName = r.functionLabel;
    m_function->setText(Q(r.functionLabel));
    Replot();
}

void FftScreen::Harmonics_Click() {
    m_harmonicsEdited = false;
    const spectrum::HarmonicsChoice r = spectrum::ChooseHarmonics(
        m_ctx.model, m_ctx.host, m_harmonics->currentText().toStdString());
    {
        const QSignalBlocker block(m_harmonics);
        SetListText(m_harmonics, r.boxText);
    }
    if (r.focus == spectrum::FftFocus::HarmonicsBox)
        FocusLater(m_harmonics);
    if (r.accepted && m_ctx.model.FftDone)
        Replot();
}

void FftScreen::Replot() {
    model::CamModel& m = m_ctx.model;
    if (output::FFT_Plot_Setup(m, m_ctx.host, m_graphs, m_functionName, m_boxes))
        output::FillFftGraphs(m, m_ctx.host, m_graphs);
    for (int j = 0; j < 4; ++j)
        m_charts[static_cast<std::size_t>(j)]->setGraph(m_graphs[static_cast<std::size_t>(j)]);
    ShowSummary();
}

void FftScreen::ShowSummary() {
    const spectrum::SummaryLabels s = spectrum::SummaryTexts(m_ctx.model);
    m_sum->setText(Q(s.sum));
    m_power->setText(Q(s.power));
    m_rms->setText(Q(s.rms));
}

void FftScreen::StyleChanged() {
    m_boxes = m_frames.read(m_boxes.setFor);
    output::SetGridstyle(m_ctx.host, m_graphs, 4, m_boxes);
    for (int j = 0; j < 4; ++j) {
        m_graphs[static_cast<std::size_t>(j)].DrawMode = 2;
        m_charts[static_cast<std::size_t>(j)]->setGraph(m_graphs[static_cast<std::size_t>(j)]);
    }
}

void FftScreen::Done_Click() {
    // Only a transform that exists is announced.
    if (m_ctx.model.FftDone)
        spectrum::ShowFftDone(m_ctx.host);
    closeScreen();
}

} // namespace trochix::ui
