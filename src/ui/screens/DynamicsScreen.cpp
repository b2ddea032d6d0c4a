#include "ui/screens/DynamicsScreen.h"

#include "chain/Recalculate.h"
#include "dynamics/Dynamics.h"
#include "dynamics/DynamicsText.h"
#include "model/CamModel.h"
#include "model/ResultRow.h"
#include "output/ScreenGraphs.h"
#include "ui/ChartView.h"
#include "ui/CommonButtons.h"
#include "ui/Controls.h"
#include "ui/Navigator.h"
#include "ui/screens/ContactPanel.h"
#include "ui/screens/FunctionSelector.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace trochix::ui {

using dynamics::DynamicsBox;
using model::ResultRow;

namespace {

const char* const kLook = R"(
QLineEdit[readOnly="true"] { background: #e9edf1; color: #4a5663; }
QLabel[unit="true"] { color: #44515e; }
QPlainTextEdit#pct_Pict1 { background: #ffffff; border: 1px solid #c3ccd6; border-radius: 4px; }
)";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* UnitLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setProperty("unit", true);
    return label;
}

// A unit written as a fraction: the top label over a rule over the bottom one.
QWidget* Fraction(QWidget* parent, const char* name, std::array<QLabel*, 2>& parts) {
    auto* w = new QWidget(parent);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    parts[0] = UnitLabel(w, IndexedName(name, 0));
    parts[1] = UnitLabel(w, IndexedName(name, 1));
    auto* rule = new QFrame(w);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    for (QLabel* l : parts)
        l->setAlignment(Qt::AlignHCenter);
    v->addWidget(parts[0]);
    v->addWidget(rule);
    v->addWidget(parts[1]);
    w->setMaximumWidth(90);
    return w;
}

void AddRow(QGridLayout* grid, const char* caption, QWidget* value, QWidget* unit = nullptr) {
    const int r = grid->rowCount();
    grid->addWidget(new QLabel(QString::fromUtf8(caption), value->parentWidget()), r, 0);
    grid->addWidget(value, r, 1);
    if (unit)
        grid->addWidget(unit, r, 2);
}

QGroupBox* Frame(QWidget* parent, const char* title, const char* name) {
    auto* frame = new QGroupBox(QString::fromUtf8(title), parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

QGridLayout* FrameGrid(QGroupBox* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    // The same columns in every frame, so that the boxes line up.
    grid->setColumnMinimumWidth(0, 140);
    grid->setColumnMinimumWidth(1, 110);
    grid->setColumnMinimumWidth(2, 56);
    grid->setColumnStretch(1, 1);
    return grid;
}

} // namespace

DynamicsScreen::DynamicsScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Dynamics) {
    setStyleSheet(FunctionSelector::StyleSheet() + kLook);
    m_commits = new CommitOnLeave(this);

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(BuildInputs());
    left->addWidget(BuildResults());
    left->addStretch(1);

    m_calc = MakeButton(this, "Ca&lculate", "cmd_Calc");
    connect(m_calc, &QPushButton::clicked, this, &DynamicsScreen::Calc_Click);
    m_done = MakeDoneButton(*this);
    auto* buttons = new QGridLayout;
    QPushButton* response = MakeButton(this, "&Response", "cmd_Response");
    connect(response, &QPushButton::clicked, this,
            [this] { m_ctx.navigator.ShowScreen(ScreenId::Response); });
    QPushButton* all[] = {m_calc, m_done, MakeCopyButton(*this), MakePrintFormButton(*this),
                          response};
    for (int i = 0; i < 5; ++i) {
        all[i]->setAutoDefault(false);
        buttons->addWidget(all[i], i / 2, i % 2);
    }
    left->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addLayout(left, 0);
    layout->addWidget(BuildGraphs(), 1);
    resize(1270, 880);
}

QWidget* DynamicsScreen::BuildInputs() {
    auto* panel = new QWidget(this);
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);

    const auto makeBox = [this](DynamicsBox b, QWidget* parent) {
        QLineEdit* e =
            MakeLineEdit(parent, QString::fromLatin1(dynamics::BoxControlName(b)), Qt::AlignRight);
        e->setMinimumWidth(90);
        SelectAllOnFocus(e);
        const auto i = static_cast<std::size_t>(b);
        connect(e, &QLineEdit::textEdited, this, [this, i] { m_changed[i] = true; });
        m_commits->watch(e, [this, b] { Box_LostFocus(b); });
        box(b) = e;
        return e;
    };

    QGroupBox* train = Frame(panel, "Follower Train", "fra_Follower");
    QGridLayout* g = FrameGrid(train);
    m_massUnit = UnitLabel(train, "lbl_MassUnit");
    AddRow(g, "Effective Mass", makeBox(DynamicsBox::Mass, train), m_massUnit);
    AddRow(g, "Spring Rate", makeBox(DynamicsBox::Spring, train),
           Fraction(train, "lbl_SpringUnit", m_springUnit));
    m_preloadUnit = UnitLabel(train, "lbl_PreloadUnit");
    AddRow(g, "Spring Preload", makeBox(DynamicsBox::Preload, train), m_preloadUnit);
    AddRow(g, "Damping Ratio Zeta", makeBox(DynamicsBox::Zeta, train));
    AddRow(g, "Coefficient C", makeBox(DynamicsBox::Damping, train),
           Fraction(train, "lbl_DampingUnit", m_dampingUnit));
    v->addWidget(train);

    QGroupBox* shaft = Frame(panel, "Camshaft", "fra_Camshaft");
    g = FrameGrid(shaft);
    m_journalUnit = UnitLabel(shaft, "lbl_JournalUnit");
    AddRow(g, "Cam Journal Dia", makeBox(DynamicsBox::Journal, shaft), m_journalUnit);
    AddRow(g, "Journal Friction", makeBox(DynamicsBox::JournalFriction, shaft));
    AddRow(g, "Follower Friction", makeBox(DynamicsBox::FollowerFriction, shaft));
    AddRow(g, "Coef Fluctuation", makeBox(DynamicsBox::Fluctuation, shaft));
    v->addWidget(shaft);

    QGroupBox* torque = Frame(panel, "Torque Calcs", "fra_Torque");
    auto* row = new QHBoxLayout(torque);
    const char* captions[2] = {"Start Fresh", "Accumulate"};
    for (int i = 0; i < 2; ++i) {
        m_torque[i] = new QRadioButton(QString::fromLatin1(captions[i]), torque);
        m_torque[i]->setObjectName(IndexedName("opt_Torque", i));
        connect(m_torque[i], &QRadioButton::clicked, this, [this, i] { Torque_Click(i); });
        row->addWidget(m_torque[i]);
    }
    v->addWidget(torque);
    return panel;
}

QWidget* DynamicsScreen::BuildResults() {
    QGroupBox* results = Frame(this, "Results", "fra_Results");
    QGridLayout* g = FrameGrid(results);
    m_omegaN = MakeResultLabel(results, "lbl_OmegaN", 96);
    m_cc = MakeResultLabel(results, "lbl_Cc", 96);
    m_omegaD = MakeResultLabel(results, "lbl_OmegaD", 96);
    m_fmax = MakeResultLabel(results, "lbl_Fmax", 96);
    m_fmin = MakeResultLabel(results, "lbl_Fmin", 96);
    m_tmax = MakeResultLabel(results, "lbl_Tmax", 96);
    AddRow(g, "Natural Frequency", m_omegaN, UnitLabel(results, "lbl_OmegaNUnit"));
    AddRow(g, "Critical Damping Cc", m_cc, Fraction(results, "lbl_CcUnit", m_ccUnit));
    AddRow(g, "Damped Frequency", m_omegaD, UnitLabel(results, "lbl_OmegaDUnit"));
    m_forceUnit[0] = UnitLabel(results, "lbl_ForceUnit_0");
    m_forceUnit[1] = UnitLabel(results, "lbl_ForceUnit_1");
    m_torqueUnit = UnitLabel(results, "lbl_TorqueUnit");
    AddRow(g, "Maximum Force", m_fmax, m_forceUnit[0]);
    AddRow(g, "Minimum Force", m_fmin, m_forceUnit[1]);
    AddRow(g, "Maximum Torque", m_tmax, m_torqueUnit);
    // Frequencies are per second in every unit system.
    for (const char* name : {"lbl_OmegaNUnit", "lbl_OmegaDUnit"})
        results->findChild<QLabel*>(QString::fromLatin1(name))->setText("rad/sec");
    return results;
}

QWidget* DynamicsScreen::BuildGraphs() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(6);
    m_forceChart = new ChartView(panel);
    m_forceChart->setObjectName("grf_Plot_0");
    m_torqueChart = new ChartView(panel);
    m_torqueChart->setObjectName("grf_Plot_1");

    m_pict = new QPlainTextEdit(panel);
    m_pict->setObjectName("pct_Pict1");
    m_pict->setReadOnly(true);
    m_pict->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pict->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(9.0);
    m_pict->setFont(fixed);
    // Room for the longest line of the table and the flywheel figures.
    const int tableWidth = QFontMetrics(fixed).horizontalAdvance(QString(54, QLatin1Char('0')));
    m_pict->setMinimumWidth(tableWidth);
    m_pict->setMaximumWidth(tableWidth + 40);

    for (QWidget* w : {static_cast<QWidget*>(m_forceChart), static_cast<QWidget*>(m_torqueChart),
                       static_cast<QWidget*>(m_pict)}) {
        // Hidden results keep their place, so the screen does not jump.
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    m_contact = new ContactPanel(m_ctx, *m_commits, panel);
    m_contact->setMaximumWidth(tableWidth + 40);
    grid->addWidget(m_forceChart, 0, 0);
    grid->addWidget(m_torqueChart, 1, 0);
    grid->addWidget(m_pict, 0, 1);
    grid->addWidget(m_contact, 1, 1);
    grid->setColumnStretch(0, 1);
    return panel;
}

void DynamicsScreen::activate() {
    model::CamModel& m = m_ctx.model;
    const CommitOnLeave::Pause pause(*m_commits);
    {
        const QSignalBlocker b0(m_torque[0]), b1(m_torque[1]);
        m_torque[m.TorqueStartFresh ? 0 : 1]->setChecked(true);
    }
    const dynamics::DynamicsBoxTexts t = dynamics::BoxTexts(m);
    SetBoxText(box(DynamicsBox::Mass), t.mass);
    SetBoxText(box(DynamicsBox::Preload), t.preload);
    SetBoxText(box(DynamicsBox::Spring), t.spring);
    SetBoxText(box(DynamicsBox::Zeta), t.zeta);
    // A computed coefficient is a result and is blanked with them; a typed one stays.
    SetBoxText(box(DynamicsBox::Damping), m.SpringK == 0.0f ? t.damping : std::string());
    SetBoxText(box(DynamicsBox::Journal), t.journal);
    SetBoxText(box(DynamicsBox::FollowerFriction), t.followerFriction);
    SetBoxText(box(DynamicsBox::JournalFriction), t.journalFriction);
    SetBoxText(box(DynamicsBox::Fluctuation), t.fluctuation);
    m_changed.fill(false);
    SetDampingEntry();

    for (QLabel* l : {m_omegaN, m_cc, m_omegaD, m_fmax, m_fmin, m_tmax})
        l->clear();
    dynamics::ClearDynamicsResults(m);
    ShowResults(false);
    ClearPicture();
    FillUnits();
    m_contact->fill();
    m_calc->setEnabled(true);
    m_done->setEnabled(false);
    box(DynamicsBox::Mass)->setFocus(Qt::OtherFocusReason);
}

void DynamicsScreen::FillUnits() {
    const dynamics::DynamicsUnits u = dynamics::UnitTexts(m_ctx.model);
    m_massUnit->setText(Q(u.mass));
    m_springUnit[0]->setText(Q(u.springForce));
    m_springUnit[1]->setText(Q(u.springLength));
    m_preloadUnit->setText(Q(u.preload));
    for (auto* parts : {&m_dampingUnit, &m_ccUnit}) {
        (*parts)[0]->setText(Q(u.dampingForce));
        (*parts)[1]->setText(Q(u.dampingLength));
    }
    m_journalUnit->setText(Q(u.journal));
    m_forceUnit[0]->setText(Q(u.force));
    m_forceUnit[1]->setText(Q(u.force));
    m_torqueUnit->setText(Q(u.torque));
}

void DynamicsScreen::SetDampingEntry() {
    const dynamics::DampingEntry e = dynamics::DampingBoxes(m_ctx.model.SpringK);
    box(DynamicsBox::Zeta)->setReadOnly(!e.zetaEditable);
    box(DynamicsBox::Damping)->setReadOnly(!e.coefficientEditable);
    // The style sheet reads the property when the widget is polished again.
    for (DynamicsBox b : {DynamicsBox::Zeta, DynamicsBox::Damping}) {
        box(b)->style()->unpolish(box(b));
        box(b)->style()->polish(box(b));
    }
}

bool DynamicsScreen::resultsShown() const {
    return !m_forceChart->isHidden() && !m_torqueChart->isHidden() && !m_pict->isHidden();
}

void DynamicsScreen::ShowResults(bool shown) {
    m_forceChart->setVisible(shown);
    m_torqueChart->setVisible(shown);
    m_pict->setVisible(shown);
    if (shown)
        m_contact->showVerdict();
    else
        m_contact->clearVerdict();
}

void DynamicsScreen::ClearPicture() {
    m_pict->clear();
}

void DynamicsScreen::Calc_Click() {
    model::CamModel& m = m_ctx.model;
    m.TorqueStartFresh = m_torque[0]->isChecked();
    if (!chain::RunDynamics(m, m_ctx.host)) {
        // The report has been shown; the inputs can be mended and calculated again.
        ShowResults(false);
        m_done->setEnabled(false);
        m_calc->setEnabled(true);
        return;
    }
    {
        const dynamics::FrequencyLabels f = dynamics::FrequencyTexts(m);
        m_omegaN->setText(Q(f.omegaN));
        m_cc->setText(Q(f.cc));
        m_omegaD->setText(Q(f.omegaD));
        const CommitOnLeave::Pause pause(*m_commits);
        if (!f.damping.empty())
            SetBoxText(box(DynamicsBox::Damping), f.damping);
    }
    // A contact that cannot be judged (its report shown) leaves the force results standing.
    chain::RunContact(m, m_ctx.host);
    const dynamics::ExtremeLabels x = dynamics::ExtremeTexts(m);
    m_fmax->setText(Q(x.forceMax));
    m_fmin->setText(Q(x.forceMin));
    m_tmax->setText(Q(x.torqueMax));

    m_forceChart->setGraph(output::DynamicsGraph(m, ResultRow::Force));
    m_torqueChart->setGraph(output::DynamicsGraph(m, ResultRow::Torque));
    QStringList lines;
    for (const std::string& line : dynamics::PulsePictureLines(m))
        lines << Q(line);
    m_pict->setPlainText(lines.join(QLatin1Char('\n')));
    ShowResults(true);
    m_done->setEnabled(true);
    m_calc->setEnabled(false);
}

void DynamicsScreen::Torque_Click(int option) {
    model::CamModel& m = m_ctx.model;
    m.TorqueStartFresh = option == 0;
    if (option == 1) {
        dynamics::ShowAccumulateWarning(m_ctx.host);
        return;
    }
    ShowResults(false);
    m_calc->setEnabled(true);
    ClearPicture();
}

void DynamicsScreen::Box_LostFocus(DynamicsBox b) {
    const auto i = static_cast<std::size_t>(b);
    if (!m_changed[i])
        return;
    m_changed[i] = false;
    model::CamModel& m = m_ctx.model;
    const bool startFresh = m_torque[0]->isChecked();
    m.TorqueStartFresh = startFresh;
    if (!startFresh)
        ShowResults(false);
    QLineEdit* e = box(b);
    const dynamics::BoxCommit r =
        dynamics::CommitDynamicsBox(m, m_ctx.host, b, e->text().toStdString());
    if (!r.accepted) {
        const CommitOnLeave::Pause pause(*m_commits);
        SetBoxText(e, r.boxText);
        // Back to the box once the focus has gone where the user sent it. The model keeps its
        // value until the box is left again, which then takes the text shown.
        const bool pending = b != DynamicsBox::Fluctuation;
        QTimer::singleShot(0, e, [this, e, i, pending] {
            e->setFocus(Qt::OtherFocusReason);
            e->selectAll();
            m_changed[i] = pending;
        });
        return;
    }
    if (startFresh)
        ClearPicture();
    m_done->setEnabled(false);
    if (b == DynamicsBox::Spring)
        SetDampingEntry();
    // Accumulating, a second pass would add this cam's torque again: Calculate stays as it
    // was, and Start Fresh is the way to compute once more.
    if (r.rerun)
        Calc_Click();
}

} // namespace trochix::ui
