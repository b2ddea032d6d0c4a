#include "ui/screens/SizeCamScreen.h"

#include "chain/Recalculate.h"
#include "chain/Stages.h"
#include "forms/SuggestForm.h"
#include "geometry/CamScene.h"
#include "geometry/SizingChecks.h"
#include "geometry/SizingSummary.h"
#include "model/CamModel.h"
#include "model/ReportError.h"
#include "model/Units.h"
#include "ui/CommonButtons.h"
#include "ui/Controls.h"
#include "ui/DrawingSurface.h"
#include "ui/Navigator.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace trochix::ui {

using geometry::SizeCamOption;

namespace {

QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

void ShowLines(QPlainTextEdit* area, const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines)
        text << Qs(line);
    area->setPlainText(text.join('\n'));
}

QPlainTextEdit* SummaryArea(QWidget* parent, const char* name) {
    auto* area = new QPlainTextEdit(parent);
    area->setObjectName(QLatin1String(name));
    area->setReadOnly(true);
    area->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    area->setLineWrapMode(QPlainTextEdit::NoWrap);
    return area;
}

} // namespace

SizeCamScreen::SizeCamScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::SizeCam) {
    setStyleSheet(SizingStyleSheet());
    m_commits = new CommitOnLeave(this);

    auto* leftColumn = new QWidget(this);
    leftColumn->setMaximumWidth(520);
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(6);
    left->addWidget(BuildOptions());
    left->addWidget(BuildInputs());
    left->addWidget(BuildResults());
    left->addWidget(BuildAssistant());
    left->addStretch(1);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addWidget(leftColumn);
    body->addWidget(BuildPictures(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->addLayout(body, 1);
    layout->addWidget(BuildButtons());

    // Enter in a box commits it and must not also press a button.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    ShowResults(geometry::ClearSizeResults());
    resize(1140, 740);
}

QWidget* SizeCamScreen::BuildOptions() {
    auto* w = new QWidget(this);
    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(0, 0, 0, 0);
    m_folmotion = MakeOptionPair(w, "Follower Motion", "Folmotion", "Translating", "Oscillating");
    m_foltype = MakeOptionPair(w, "Follower Type", "Foltype", "Roller", "Flat");
    m_folDirect = MakeOptionPair(w, "Cam Type", "FolDirect", "Radial", "Barrel");
    m_rotate = MakeOptionPair(w, "Cam Rotation", "Rotate", "Ccw", "Cw");
    grid->addWidget(m_folmotion.frame, 0, 0);
    grid->addWidget(m_foltype.frame, 0, 1);
    grid->addWidget(m_folDirect.frame, 1, 0);
    grid->addWidget(m_rotate.frame, 1, 1);
    const std::pair<OptionPair*, SizeCamOption> options[] = {
        {&m_folmotion, SizeCamOption::Folmotion},
        {&m_foltype, SizeCamOption::Foltype},
        {&m_folDirect, SizeCamOption::FolDirect},
        {&m_rotate, SizeCamOption::Rotate},
    };
    for (const auto& [pair, option] : options)
        for (QRadioButton* b : {pair->first, pair->second})
            connect(b, &QRadioButton::clicked, this, [this, o = option] { Option_Click(o); });
    return w;
}

QWidget* SizeCamScreen::BuildInputs() {
    auto* w = new QWidget(this);
    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(0, 0, 0, 0);
    m_prime = MakeValueBox(w, "Prime Radius", "txt_Prime", "lbl_PrimeUnit");
    m_prime.frame->setObjectName("fra_Prime");
    m_offset = MakeValueBox(w, "Offset", "txt_Offset", "lbl_OffsetUnit");
    m_offset.frame->setObjectName("fra_Offset");
    m_follower = MakeValueBox(w, "Follower Radius", "txt_Follower", "lbl_FollowerUnit");
    m_follower.frame->setObjectName("fra_Follower");

    m_armCentre = new QGroupBox("Follower Arm CL", w);
    m_armCentre->setObjectName("fra_ArmCentre");
    m_clx = MakeLineEdit(m_armCentre, "txt_CLx", Qt::AlignRight | Qt::AlignVCenter);
    m_cly = MakeLineEdit(m_armCentre, "txt_CLy", Qt::AlignRight | Qt::AlignVCenter);
    m_clUnit = new QLabel(m_armCentre);
    m_clUnit->setObjectName("lbl_CLUnit");
    auto* centre = new QHBoxLayout(m_armCentre);
    centre->setContentsMargins(8, 4, 8, 4);
    centre->addWidget(MakeCaption(m_armCentre, "X"));
    centre->addWidget(m_clx, 1);
    centre->addWidget(MakeCaption(m_armCentre, "Y"));
    centre->addWidget(m_cly, 1);
    centre->addWidget(m_clUnit);
    for (QLineEdit* box : {m_clx, m_cly}) {
        SelectAllOnFocus(box);
        box->setMinimumWidth(60);
    }
    m_armRadius = MakeValueBox(w, "Fol Arm Radius", "txt_ArmRadius", "lbl_ArmUnit");
    m_armRadius.frame->setObjectName("fra_ArmRadius");
    m_armRotate = MakeOptionPair(w, "Arm Rotation", "ArmRotate", "Ccw", "Cw");
    for (QRadioButton* b : {m_armRotate.first, m_armRotate.second})
        connect(b, &QRadioButton::clicked, this,
                [this] { Option_Click(SizeCamOption::ArmRotate); });

    grid->addWidget(m_prime.frame, 0, 0);
    grid->addWidget(m_offset.frame, 0, 1);
    grid->addWidget(m_follower.frame, 1, 0);
    grid->addWidget(m_armRadius.frame, 1, 1);
    grid->addWidget(m_armCentre, 2, 0);
    grid->addWidget(m_armRotate.frame, 2, 1);

    m_commits->watch(m_prime.box, [this] { Prime_LostFocus(); });
    m_commits->watch(m_offset.box, [this] { Offset_LostFocus(); });
    m_commits->watch(m_follower.box, [this] { Follower_LostFocus(); });
    m_commits->watch(m_clx, [this] { CLx_LostFocus(); });
    m_commits->watch(m_cly, [this] { CLy_LostFocus(); });
    m_commits->watch(m_armRadius.box, [this] { ArmRadius_LostFocus(); });
    return w;
}

QWidget* SizeCamScreen::BuildResults() {
    auto* frame = new QGroupBox("Results", this);
    frame->setObjectName("fra_Results");
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 4, 8, 6);
    m_pamin = MakeResultLabel(frame, "lbl_Pamin");
    m_pamax = MakeResultLabel(frame, "lbl_Pamax");
    m_rhomin = MakeResultLabel(frame, "lbl_Rhomin");
    m_rhoUnit = new QLabel(frame);
    m_rhoUnit->setObjectName("lbl_RhoUnit");
    const std::tuple<const char*, QLabel*, QLabel*> rows[] = {
        {"Min Pressure Angle", m_pamin, new QLabel("deg", frame)},
        {"Max Pressure Angle", m_pamax, new QLabel("deg", frame)},
        {"Min Rho", m_rhomin, m_rhoUnit},
    };
    int r = 0;
    for (const auto& [caption, value, unit] : rows) {
        grid->addWidget(new QLabel(caption, frame), r, 0);
        grid->addWidget(value, r, 1);
        grid->addWidget(unit, r, 2);
        ++r;
    }
    m_show = MakeOptionPair(frame, "Display", "Show", "Show Picture", "Show Summary");
    grid->addWidget(m_show.frame, r, 0, 1, 3);
    for (QRadioButton* b : {m_show.first, m_show.second})
        connect(b, &QRadioButton::clicked, this, &SizeCamScreen::Show_Click);
    return frame;
}

QWidget* SizeCamScreen::BuildAssistant() {
    auto* frame = new QGroupBox("Design Assistant", this);
    frame->setObjectName("fra_Assistant");
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 4, 8, 6);
    m_riseLimit = MakeLineEdit(frame, "txt_RiseLimit", Qt::AlignRight | Qt::AlignVCenter);
    m_fallLimit = MakeLineEdit(frame, "txt_FallLimit", Qt::AlignRight | Qt::AlignVCenter);
    m_minSurface = MakeLineEdit(frame, "txt_MinSurface", Qt::AlignRight | Qt::AlignVCenter);
    m_riseLimit->setText("30");
    m_fallLimit->setText("30");
    m_minSurface->setPlaceholderText("0.1 x roller");
    m_minSurface->setToolTip("Blank: a tenth of the roller radius (0 for a flat face)");
    for (QLineEdit* box : {m_riseLimit, m_fallLimit, m_minSurface})
        SelectAllOnFocus(box);
    grid->addWidget(new QLabel("Rise Limit (deg)", frame), 0, 0);
    grid->addWidget(m_riseLimit, 0, 1);
    grid->addWidget(new QLabel("Fall Limit (deg)", frame), 0, 2);
    grid->addWidget(m_fallLimit, 0, 3);
    grid->addWidget(new QLabel("Min Surface Radius", frame), 1, 0);
    grid->addWidget(m_minSurface, 1, 1);
    m_bestOffset = new QCheckBox("Best offset", frame);
    m_bestOffset->setObjectName("chk_BestOffset");
    grid->addWidget(m_bestOffset, 1, 2);
    m_suggest = MakeButton(frame, "Su&ggest", "cmd_Suggest");
    m_suggest->setToolTip("The smallest cam whose pressure angle and curvature meet the limits");
    connect(m_suggest, &QPushButton::clicked, this, &SizeCamScreen::Suggest_Click);
    grid->addWidget(m_suggest, 1, 3);
    m_suggested = new QLabel(frame);
    m_suggested->setObjectName("lbl_Suggested");
    m_suggested->setWordWrap(true);
    // Room for the two lines of the verdict whatever the layout gives a wrapped label.
    m_suggested->setMinimumHeight(2 * m_suggested->fontMetrics().lineSpacing() + 4);
    grid->addWidget(m_suggested, 2, 0, 1, 4);
    return frame;
}

QWidget* SizeCamScreen::BuildPictures() {
    auto* w = new QWidget(this);
    auto* stack = new QVBoxLayout(w);
    stack->setContentsMargins(0, 14, 0, 0);
    m_picture = new DrawingSurface(SceneScale::Equal, w);
    m_picture->setObjectName("pct_Cam");
    m_picture->setMinimumSize(360, 360);
    m_summary = new QWidget(w);
    auto* summary = new QVBoxLayout(m_summary);
    summary->setContentsMargins(0, 0, 0, 0);
    m_pang = SummaryArea(m_summary, "pct_Pang");
    m_radcurv = SummaryArea(m_summary, "pct_Radcurv");
    summary->addWidget(m_pang, 2);
    summary->addWidget(m_radcurv, 3);
    m_summary->hide();
    stack->addWidget(m_picture, 1);
    stack->addWidget(m_summary, 1);
    return w;
}

QWidget* SizeCamScreen::BuildButtons() {
    auto* w = new QWidget(this);
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    m_calc = MakeButton(w, "C&alc", "cmd_Calc");
    connect(m_calc, &QPushButton::clicked, this, &SizeCamScreen::Calc_Click);
    m_copy = MakeCopyButton(*this);
    m_printForm = MakePrintFormButton(*this);
    m_done = MakeButton(w, "&Done", "cmd_Done");
    connect(m_done, &QPushButton::clicked, this, &SizeCamScreen::Done_Click);
    m_designMap = MakeButton(w, "Design &Map", "cmd_DesignMap");
    connect(m_designMap, &QPushButton::clicked, this, &SizeCamScreen::DesignMap_Click);
    row->addWidget(m_designMap);
    row->addStretch(1);
    for (QPushButton* b : {m_calc, m_copy, m_printForm, m_done}) {
        b->setMinimumWidth(110);
        row->addWidget(b);
    }
    return w;
}

void SizeCamScreen::activate() {
    const CommitOnLeave::Pause pause(*m_commits);
    const model::CamModel& m = m_ctx.model;
    const geometry::SizeCamBoxes boxes = geometry::SizeCamBoxesOf(m);
    const std::pair<QLineEdit*, const std::string*> texts[] = {
        {m_prime.box, &boxes.prime},
        {m_offset.box, &boxes.offset},
        {m_follower.box, &boxes.follower},
        {m_clx, &boxes.clx},
        {m_cly, &boxes.cly},
        {m_armRadius.box, &boxes.armRadius},
    };
    for (const auto& [box, text] : texts)
        SetBoxText(box, *text);
    m_prime.frame->setTitle(Qs(geometry::PrimeCaptionOf(m)));
    ShowOptions(geometry::SizeCamOptionsOf(m));
    RefreshUnits();
    m_changed = false;
    ShowResults(geometry::SizeResultsShown(m));
    // The first view warns of nothing the user has not entered: an invalid start-up geometry
    // shows no picture until a box or option makes it valid.
    if (geometry::SizePictureReady(m))
        DrawPicture();
    else
        m_picture->replaceScene({});
}

geometry::SizeCamInputs SizeCamScreen::Inputs() const {
    geometry::SizeCamInputs in;
    in.primeText = m_prime.box->text().toStdString();
    in.offsetText = m_offset.box->text().toStdString();
    in.followerText = m_follower.box->text().toStdString();
    in.ccw = m_rotate.firstChosen();
    in.translating = m_folmotion.firstChosen();
    in.followerType = m_foltype.firstChosen() ? 1 : 2;
    in.barrel = !m_folDirect.firstChosen();
    in.armCcw = m_armRotate.firstChosen();
    return in;
}

void SizeCamScreen::ShowOptions(const geometry::SizeCamInputs& in) {
    m_rotate.choose(in.ccw);
    m_folmotion.choose(in.translating);
    m_foltype.choose(in.followerType == 1);
    m_folDirect.choose(!in.barrel);
    m_armRotate.choose(in.armCcw);
    const geometry::SizeCamEnabling e = geometry::SizeCamInputsEnabled(in);
    m_offset.box->setEnabled(e.offset);
    m_follower.box->setEnabled(e.follower);
    for (QWidget* w : {static_cast<QWidget*>(m_armCentre), static_cast<QWidget*>(m_armRadius.frame),
                       static_cast<QWidget*>(m_armRotate.frame)})
        w->setEnabled(e.arm);
}

void SizeCamScreen::RefreshUnits() {
    const QString length = Qs(m_ctx.model.UnitLabel[model::kLengthLabel]);
    for (QLabel* unit :
         {m_prime.unit, m_offset.unit, m_follower.unit, m_clUnit, m_armRadius.unit, m_rhoUnit})
        unit->setText(length);
}

void SizeCamScreen::ShowResults(const geometry::SizeResultsState& s) {
    m_state = s;
    m_pamin->setText(Qs(s.pamin));
    m_pamax->setText(Qs(s.pamax));
    m_rhomin->setText(Qs(s.rhomin));
    m_calc->setEnabled(s.calcEnabled);
    m_show.second->setEnabled(s.summaryEnabled);
    m_copy->setEnabled(s.copyEnabled);
    m_printForm->setEnabled(s.printFormEnabled);
    m_done->setEnabled(s.doneEnabled);
    if (!s.summaryEnabled && !m_show.firstChosen())
        m_show.choose(true);
    ShowPictureOrSummary();
}

void SizeCamScreen::ShowPictureOrSummary() {
    const bool picture = m_show.firstChosen();
    m_picture->setVisible(picture);
    m_summary->setVisible(!picture);
    if (!picture)
        ShowSummary();
}

void SizeCamScreen::ShowSummary() {
    model::RunGuarded(m_ctx.host, "PrintPressMax", [&] {
        const geometry::PressMaxSummary s = geometry::PrintPressMax(m_ctx.model);
        ShowLines(m_pang, s.pang);
        ShowLines(m_radcurv, s.radcurv);
    });
}

void SizeCamScreen::Show_Click() {
    ShowPictureOrSummary();
}

void SizeCamScreen::DrawPicture() {
    if (!m_ctx.model.SvajDone) {
        m_picture->replaceScene({});
        return;
    }
    m_picture->replaceScene(geometry::SizeCam(m_ctx.model, m_ctx.host, m_ctx.colours));
}

void SizeCamScreen::Option_Click(SizeCamOption changed) {
    const geometry::SizeCamInputs in = Inputs();
    const geometry::SizeCamInputs before = geometry::SizeCamOptionsOf(m_ctx.model);
    if (in.ccw == before.ccw && in.translating == before.translating &&
        in.followerType == before.followerType && in.barrel == before.barrel &&
        in.armCcw == before.armCcw)
        return; // the option that was already chosen
    const geometry::SizeCamOptionResult r =
        geometry::SizeCamOptionClick(m_ctx.model, m_ctx.host, in, changed);
    m_changed = true;
    const CommitOnLeave::Pause pause(*m_commits);
    if (r.offsetZeroed) {
        m_offset.box->setText("0");
        m_prime.frame->setTitle(Qs(geometry::PrimeCaptionOf(m_ctx.model)));
    }
    ShowOptions(in);
    RefreshUnits();
    if (r.redraw)
        DrawPicture();
    if (r.clearResults)
        ShowResults(geometry::ClearSizeResults());
}

void SizeCamScreen::Apply(const geometry::FieldCommit& c, QLineEdit* box) {
    const CommitOnLeave::Pause pause(*m_commits);
    box->setText(Qs(c.boxText));
    if (!c.primeCaption.empty())
        m_prime.frame->setTitle(Qs(c.primeCaption));
    m_changed = m_changed || c.accepted;
    if (c.redraw)
        DrawPicture();
    if (c.clearResults)
        ShowResults(geometry::ClearSizeResults());
}

void SizeCamScreen::Prime_LostFocus() {
    Apply(geometry::CommitPrime(m_ctx.model, m_ctx.host, m_prime.box->text().toStdString()),
          m_prime.box);
}

void SizeCamScreen::Offset_LostFocus() {
    Apply(geometry::CommitOffset(m_ctx.model, m_ctx.host, m_offset.box->text().toStdString()),
          m_offset.box);
}

void SizeCamScreen::Follower_LostFocus() {
    Apply(geometry::CommitFollower(m_ctx.model, m_ctx.host, m_follower.box->text().toStdString()),
          m_follower.box);
}

void SizeCamScreen::CLx_LostFocus() {
    m_changed = true;
    const geometry::FieldCommit c =
        geometry::CommitArmPivotX(m_ctx.model, m_ctx.host, m_clx->text().toStdString(),
                                  m_armRadius.box->text().toStdString());
    if (!c.pivotText.empty()) {
        const CommitOnLeave::Pause pause(*m_commits);
        m_clx->setText(Qs(c.pivotText));
    }
    Apply(c, m_armRadius.box);
}

void SizeCamScreen::CLy_LostFocus() {
    m_changed = true;
    const geometry::FieldCommit c =
        geometry::CommitArmPivotY(m_ctx.model, m_ctx.host, m_cly->text().toStdString(),
                                  m_armRadius.box->text().toStdString());
    if (!c.pivotText.empty()) {
        const CommitOnLeave::Pause pause(*m_commits);
        m_cly->setText(Qs(c.pivotText));
    }
    Apply(c, m_armRadius.box);
}

void SizeCamScreen::ArmRadius_LostFocus() {
    Apply(geometry::CommitArmRadius(m_ctx.model, m_ctx.host, m_armRadius.box->text().toStdString()),
          m_armRadius.box);
}

void SizeCamScreen::Suggest_Click() {
    model::RunGuarded(m_ctx.host, "frm_SizeCam.Suggest_Click", [&] {
        geometry::SuggestInputs in;
        in.riseText = m_riseLimit->text().toStdString();
        in.fallText = m_fallLimit->text().toStdString();
        in.minSurfaceText = m_minSurface->text().toStdString();
        in.bestOffset = m_bestOffset->isChecked();
        const geometry::SuggestBoxes r = geometry::SuggestForSizeCam(
            m_ctx.model, m_ctx.host, in, m_armRadius.box->text().toStdString());
        m_suggested->setText(Qs(r.line));
        if (!r.ok)
            return;
        const CommitOnLeave::Pause pause(*m_commits);
        m_prime.box->setText(Qs(r.prime));
        if (!r.offset.empty())
            m_offset.box->setText(Qs(r.offset));
        if (!r.pivotX.empty()) {
            m_clx->setText(Qs(r.pivotX));
            m_cly->setText(Qs(r.pivotY));
            m_armRadius.box->setText(Qs(r.armRadiusText));
        }
        m_changed = true;
        // The results shown are of the cam before; Calc sizes the suggested one.
        ShowResults(geometry::ClearSizeResults());
    });
}

void SizeCamScreen::Calc_Click() {
    model::CamModel& m = m_ctx.model;
    const geometry::SizeCamCalcResult r = geometry::SizeCamCalc(m, m_ctx.host, Inputs());
    m_changed = true;
    if (r.completed)
        DrawPicture();
    ShowResults(r.state);
}

void SizeCamScreen::Done_Click() {
    if (!m_state.doneEnabled)
        return;
    chain::Holds(m_ctx.model, model::Stage::Sizing);
    m_ctx.model.ModelSaved = false;
    closeScreen();
}

void SizeCamScreen::DesignMap_Click() {
    // The map adopts designs through the model; this screen shows them when it comes back.
    m_ctx.navigator.ShowScreen(ScreenId::DesignMap);
}

void SizeCamScreen::reject() {
    model::CamModel& m = m_ctx.model;
    if (m_changed) {
        if (m_state.doneEnabled) {
            Done_Click();
            return;
        }
        // The inputs no longer match the rows computed from them.
        chain::Changed(m, chain::Input::CamGeometry);
    }
    closeScreen();
}

} // namespace trochix::ui
