// frm_Dynamics driven through its controls: opening, every box's refusal and reset, the
// spring box choosing how damping is entered, Calculate on an example, Start Fresh and
// Accumulate, and what the selections offer afterwards.
#include "ui/screens/DynamicsScreen.h"
#include "PlotTestSupport.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "dynamics/DynamicsText.h"
#include "dynamics/Flywheel.h"
#include "model/ResultRow.h"
#include "model/Units.h"
#include "text/NumberText.h"
#include "ui/ChartView.h"

#include <QLineSeries>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

using namespace trochix;
using namespace trochix::uitest;
using model::ResultRow;

namespace {

const std::string kPositive = "This value must be positive.  Please redo.";
const std::string kZeta = "Zeta must be between 0 and 1.  Please redo";
const std::string kFriction = "Friction cannot be negative.  Please redo.";
const std::string kFluct = " Coefficient of fluctuation must be between zero and one - Try .05 ";
const std::string kAccumulate =
    "Selecting Torque Accumulation will cause each succeeding\r"
    " torque calculation to add to the existing torque function.\r\r"
    "So do not click the Calculate Button on this form more than once\r"
    "for each new cam on the camshaft after designing it on the other forms.";

QLineEdit* Box(QWidget* s, const char* name) {
    return Child<QLineEdit>(s, name);
}

// Types into a box and leaves it with Tab, as a user moving on to the next box.
void Enter(QWidget* s, const char* name, const QString& text) {
    QLineEdit* box = Box(s, name);
    Type(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

ui::DynamicsScreen* OpenDynamics(UiFixture& f) {
    return f.open<ui::DynamicsScreen>(ScreenId::Dynamics);
}

std::vector<double> Values(ui::ChartView* chart) {
    return chart->graph().Sets.at(0).GraphData;
}

double RowMax(const model::CamModel& m, int row) {
    double v = m.Results[static_cast<std::size_t>(row)][0];
    for (int i = 0; i <= m.NumPoints; ++i)
        v = std::max(v,
                     double(m.Results[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)]));
    return v;
}

double RowMin(const model::CamModel& m, int row) {
    double v = m.Results[static_cast<std::size_t>(row)][0];
    for (int i = 0; i <= m.NumPoints; ++i)
        v = std::min(v,
                     double(m.Results[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)]));
    return v;
}

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class DynamicsScreenTest : public QObject {
    Q_OBJECT
private slots:
    // Opening shows the model's inputs with their units, blanks the results, hides the
    // graphs and the table, and forgets the last pass.
    void openingShowsInputsAndClearsResults() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        QVERIFY(f.model->DynamicsDone);
        auto* s = OpenDynamics(f);
        ExpectTexts(s, {{"txt_Mass", "0.073804"},
                        {"txt_Spring", "132"},
                        {"txt_Preload", "173"},
                        {"txt_Zeta", "0.15"},
                        {"txt_Damping", ""},
                        {"txt_Journal", "1"},
                        {"txt_Jnlfrict", "0.01"},
                        {"txt_Folfrict", "0.1"},
                        {"txt_Fluct", "0.05"},
                        {"lbl_OmegaN", ""},
                        {"lbl_Cc", ""},
                        {"lbl_OmegaD", ""},
                        {"lbl_Fmax", ""},
                        {"lbl_Fmin", ""},
                        {"lbl_Tmax", ""},
                        {"lbl_MassUnit", "bl"},
                        {"lbl_SpringUnit_0", "lb"},
                        {"lbl_SpringUnit_1", "in"},
                        {"lbl_PreloadUnit", "lb"},
                        {"lbl_DampingUnit_0", "lb-s"},
                        {"lbl_DampingUnit_1", "in"},
                        {"lbl_JournalUnit", "in"},
                        {"lbl_ForceUnit_0", "lb"},
                        {"lbl_TorqueUnit", "lb-in"},
                        {"opt_Torque_0", "Start Fresh"},
                        {"opt_Torque_1", "Accumulate"},
                        {"cmd_Calc", "Ca&lculate"},
                        {"cmd_Done", "&Done"}});
        QVERIFY(Child<QRadioButton>(s, "opt_Torque_0")->isChecked());
        QVERIFY(Box(s, "txt_Damping")->isReadOnly());
        QVERIFY(!Box(s, "txt_Zeta")->isReadOnly());
        QVERIFY(!s->resultsShown());
        QCOMPARE(EnabledFlags(s, {"cmd_Calc", "cmd_Done", "cmd_Copy", "cmd_PrintForm"}),
                 QString("1011"));
        QVERIFY(!f.model->DynamicsDone);
        for (int i = 0; i <= f.model->NumPoints; ++i) {
            QCOMPARE(f.model->Results[ResultRow::Force][static_cast<std::size_t>(i)], 0.0f);
            QCOMPARE(f.model->Results[ResultRow::Torque][static_cast<std::size_t>(i)], 0.0f);
        }
        QCOMPARE(Shown(s, "pct_Pict1"), QString());
        QVERIFY(f.host.messages.empty());

        // Another unit system relabels the units on the next visit.
        Click(s, "cmd_Done");
        model::SelectUnitSystem(*f.model, 3);
        OpenDynamics(f);
        ExpectTexts(s, {{"lbl_MassUnit", "kg"},
                        {"lbl_SpringUnit_0", "N"},
                        {"lbl_SpringUnit_1", "m"},
                        {"lbl_DampingUnit_0", "N-s"},
                        {"lbl_JournalUnit", "m"},
                        {"lbl_TorqueUnit", "N-m"}});
    }

    // Each refused value, out of range or not a number at all: its message (warning icon), the
    // focus back in the box, the model's value kept (the fluctuation coefficient becomes 0.05)
    // and shown in the box - never a number the model does not hold, never letters read as 0.
    // Nothing is recalculated until the box is left again.
    void refusedValuesAreReset() {
        const struct {
            const char* box;
            const char* typed;
            const std::string* message;
            const char* reset;
            float model::CamModel::*field;
            float kept;
        } cases[] = {
            {"txt_Mass", "-1", &kPositive, "0.073804", &model::CamModel::EffMass, 0.073804f},
            {"txt_Mass", "abc", &kPositive, "0.073804", &model::CamModel::EffMass, 0.073804f},
            {"txt_Preload", "-5", &kPositive, "173", &model::CamModel::Preload, 173.0f},
            {"txt_Spring", "-132", &kPositive, "132", &model::CamModel::SpringK, 132.0f},
            {"txt_Spring", "abc", &kPositive, "132", &model::CamModel::SpringK, 132.0f},
            {"txt_Spring", "", &kPositive, "132", &model::CamModel::SpringK, 132.0f},
            {"txt_Journal", "-2", &kPositive, "1", &model::CamModel::JournalRadius, 0.5f},
            {"txt_Damping", "-3", &kPositive, "2", &model::CamModel::DampC, 2.0f},
            {"txt_Damping", "2x", &kPositive, "2", &model::CamModel::DampC, 2.0f},
            {"txt_Zeta", "1.5", &kZeta, "0.15", &model::CamModel::DampRatio, 0.15f},
            {"txt_Zeta", "-0.1", &kZeta, "0.15", &model::CamModel::DampRatio, 0.15f},
            {"txt_Zeta", "z", &kZeta, "0.15", &model::CamModel::DampRatio, 0.15f},
            {"txt_Folfrict", "-0.2", &kFriction, "0.1", &model::CamModel::FollowerFriction, 0.1f},
            {"txt_Jnlfrict", "-1", &kFriction, "0.01", &model::CamModel::JournalFriction, 0.01f},
            {"txt_Jnlfrict", ".o1", &kFriction, "0.01", &model::CamModel::JournalFriction, 0.01f},
            {"txt_Fluct", "0", &kFluct, "0.05", &model::CamModel::FluctCoef, 0.05f},
            {"txt_Fluct", "1.01", &kFluct, "0.05", &model::CamModel::FluctCoef, 0.05f},
            {"txt_Fluct", "abc", &kFluct, "0.05", &model::CamModel::FluctCoef, 0.05f},
        };
        for (const auto& c : cases) {
            Row row{QStringLiteral("%1 %2").arg(c.box, c.typed)};
            UiFixture f;
            LoadComputedExample(f, 1, 1.0f);
            f.model->FluctCoef = 0.2f;
            if (std::string(c.box) == "txt_Damping") {
                // The coefficient is typed only without a spring.
                f.model->SpringK = 0.0f;
                f.model->DampC = 2.0f;
            }
            auto* s = OpenDynamics(f);
            Enter(s, c.box, c.typed);
            QCOMPARE(f.texts(), Strings{*c.message});
            QCOMPARE(f.host.messages[0].icon, model::Icon::Warning);
            QCOMPARE(f.host.messages[0].title, model::DefaultTitle());
            QCOMPARE(Shown(s, c.box), QString(c.reset));
            QCOMPARE((*f.model).*c.field, c.kept);
            QTRY_VERIFY(Box(s, c.box)->hasFocus());
            QVERIFY(!f.model->DynamicsDone);
            QVERIFY(!s->resultsShown());
            // Leaving the box again takes the text it shows, the model's own value, and reruns
            // the pass.
            QTest::keyClick(Box(s, c.box), Qt::Key_Tab);
            QCOMPARE((*f.model).*c.field, c.kept);
            QCOMPARE(f.model->DynamicsDone, std::string(c.box) != "txt_Fluct");
            QCOMPARE(f.texts(), Strings{*c.message});
        }
    }

    // Zero is taken wherever only negatives are refused; in Start Fresh mode the pass reruns
    // at once. Frequencies by hand: OmegaN = sqrt(132 / 0.073804) = 42.291, Cc = 2 m OmegaN =
    // 6.2425, c = zeta Cc, OmegaD = OmegaN sqrt(1 - zeta^2).
    void acceptedValuesRerunTheCalculation() {
        const struct {
            const char* box;
            const char* typed;
            const char *omegaN, *cc, *omegaD, *damping;
        } cases[] = {
            {"txt_Preload", "0", "42.3", "6.2", "41.8", "0.9"},
            {"txt_Zeta", "0", "42.3", "6.2", "42.3", "0.0"},
            {"txt_Zeta", "1", "42.3", "6.2", "0.0", "6.2"},
            {"txt_Zeta", "0.5", "42.3", "6.2", "36.6", "3.1"},
            {"txt_Folfrict", "0", "42.3", "6.2", "41.8", "0.9"},
            {"txt_Journal", "0", "42.3", "6.2", "41.8", "0.9"},
            {"txt_Mass", "0.29522", "21.1", "12.5", "20.9", "1.9"},
        };
        for (const auto& c : cases) {
            Row row{QStringLiteral("%1 %2").arg(c.box, c.typed)};
            UiFixture f;
            LoadComputedExample(f, 1, 1.0f);
            auto* s = OpenDynamics(f);
            Enter(s, c.box, c.typed);
            QCOMPARE(f.texts(), Strings());
            QVERIFY(f.model->DynamicsDone);
            QVERIFY(s->resultsShown());
            ExpectTexts(s, {{"lbl_OmegaN", c.omegaN},
                            {"lbl_Cc", c.cc},
                            {"lbl_OmegaD", c.omegaD},
                            {"txt_Damping", c.damping},
                            {c.box, c.typed}});
            QCOMPARE(EnabledFlags(s, {"cmd_Calc", "cmd_Done"}), QString("01"));
        }
    }

    // Calculate on the first example: the labels, both graphs (every point of rows 7 and 8
    // against the cam angle) and the pulse table with the flywheel figures under it.
    void calculateShowsForceTorqueAndPulses() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        auto* s = OpenDynamics(f);
        Click(s, "cmd_Calc");
        const model::CamModel& m = *f.model;
        QCOMPARE(f.texts(), Strings());
        QVERIFY(m.DynamicsDone);
        const std::string fmax = text::FNRoundStr(RowMax(m, ResultRow::Force), 1);
        const std::string fmin = text::FNRoundStr(RowMin(m, ResultRow::Force), 1);
        const std::string tmax = text::FNRoundStr(RowMax(m, ResultRow::Torque), 1);
        ExpectTexts(s, {{"lbl_OmegaN", "42.3"},
                        {"lbl_Cc", "6.2"},
                        {"lbl_OmegaD", "41.8"},
                        {"txt_Damping", "0.9"},
                        {"lbl_Fmax", fmax.c_str()},
                        {"lbl_Fmin", fmin.c_str()},
                        {"lbl_Tmax", tmax.c_str()}});
        QVERIFY(RowMax(m, ResultRow::Force) > RowMin(m, ResultRow::Force));
        QCOMPARE(EnabledFlags(s, {"cmd_Calc", "cmd_Done"}), QString("01"));
        QVERIFY(s->resultsShown());

        const struct {
            ui::ChartView* chart;
            int row;
            const char* left;
        } graphs[] = {{s->forceChart(), ResultRow::Force, "Force"},
                      {s->torqueChart(), ResultRow::Torque, "Torque"}};
        for (const auto& g : graphs) {
            auto* line = qobject_cast<QLineSeries*>(g.chart->chart()->series().at(0));
            QVERIFY(line);
            const QList<QPointF> pts = line->points();
            QCOMPARE(pts.size(), qsizetype(m.NumPoints + 1));
            for (int i = 0; i <= m.NumPoints; ++i) {
                const auto at = static_cast<std::size_t>(i);
                QCOMPARE(pts[i].x(), double(m.Results[ResultRow::CamAngle][at]));
                QCOMPARE(pts[i].y(), double(m.Results[static_cast<std::size_t>(g.row)][at]));
            }
            QCOMPARE(g.chart->graph().BottomTitle, std::string("Cam Angle (Deg)"));
            QCOMPARE(g.chart->graph().LeftTitle, std::string(g.left));
        }

        const QStringList pict = Child<QPlainTextEdit>(s, "pct_Pict1")->toPlainText().split('\n');
        QCOMPARE(pict.front(), QString(" Areas of Camshaft Torque"));
        QVERIFY(pict.contains("   lb - in - Radians"));
        QVERIFY(pict.contains("    Average Torque:"));
        const std::vector<std::string> flywheel = dynamics::FlywheelSizeLines(m);
        QCOMPARE(flywheel.size(), std::size_t(4));
        QCOMPARE(pict.size(), qsizetype(dynamics::PulseTableLines(m).size() + 1 + 4));
        for (std::size_t k = 0; k < 4; ++k)
            QCOMPARE(pict[pict.size() - 4 + static_cast<qsizetype>(k)],
                     QString::fromStdString(flywheel[k]));
        QCOMPARE(pict[pict.size() - 4], QString(" Largest energy swing between pulses:"));
        QVERIFY(Child<QPlainTextEdit>(s, "pct_Pict1")->isReadOnly());
        QVERIFY(!QFontInfo(Child<QPlainTextEdit>(s, "pct_Pict1")->font()).family().isEmpty());
        QVERIFY(QFontInfo(Child<QPlainTextEdit>(s, "pct_Pict1")->font()).fixedPitch());

        // Done closes; the force and torque functions and their presets are offered now.
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible());
        f.navigator.ShowScreen(ScreenId::PlotSelect1);
        QWidget* select = f.navigator.screen(ScreenId::PlotSelect1);
        const QStringList functions = Items(Child<QComboBox>(select, "cmb_Var1"));
        for (const char* name : {"Force", "Torque", "Frictn Trq", "Flywhl Trq"})
            QVERIFY2(functions.contains(name), name);
        const QStringList presets = Items(Child<QComboBox>(select, "cmb_Preset"));
        QVERIFY(presets.contains("Acceleration, Displacement, Force, Torque"));
        QVERIFY(presets.contains("Force, Torque, Friction Torque, Flywheel Torque"));
    }

    // Leaving the screen without calculating withdraws the dynamics from the selections.
    void openingWithdrawsTheDynamicsFunctions() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        auto* s = OpenDynamics(f);
        s->close();
        f.navigator.ShowScreen(ScreenId::PlotSelect1);
        QWidget* select = f.navigator.screen(ScreenId::PlotSelect1);
        QVERIFY(!Items(Child<QComboBox>(select, "cmb_Var1")).contains("Force"));
        QVERIFY(!Items(Child<QComboBox>(select, "cmb_Preset"))
                     .contains("Force, Torque, Friction Torque, Flywheel Torque"));
    }

    // Accumulate: the warning, then each Calculate adds this cam's torque to the torque held,
    // across visits; Start Fresh hides the results and calculates one cam again.
    void accumulateAddsAndStartFreshResets() {
        UiFixture f;
        LoadComputedExample(f, 3, 0.5f);
        auto* s = OpenDynamics(f);
        QTest::mouseClick(Child<QRadioButton>(s, "opt_Torque_1"), Qt::LeftButton);
        QCOMPARE(f.texts(), Strings{kAccumulate});
        QCOMPARE(f.host.messages[0].icon, model::Icon::Warning);
        QVERIFY(!f.model->TorqueStartFresh);
        Click(s, "cmd_Calc");
        const std::vector<double> once = Values(s->torqueChart());
        const double peak = *std::max_element(once.begin(), once.end());
        QVERIFY(peak > 0.0);
        Click(s, "cmd_Done");

        OpenDynamics(f);
        QVERIFY(Child<QRadioButton>(s, "opt_Torque_1")->isChecked());
        // The torque of the first pass survives the opening.
        QCOMPARE(double(f.model->Results[ResultRow::Torque][100]), once[100]);
        Click(s, "cmd_Calc");
        const std::vector<double> twice = Values(s->torqueChart());
        QCOMPARE(twice.size(), once.size());
        for (std::size_t i = 0; i < once.size(); ++i)
            QVERIFY2(std::fabs(twice[i] - 2.0 * once[i]) <= 1e-5 * std::max(1.0, peak),
                     qPrintable(QString::number(i)));
        QCOMPARE(Shown(s, "lbl_Tmax"),
                 QString::fromStdString(text::FNRoundStr(RowMax(*f.model, ResultRow::Torque), 1)));

        QTest::mouseClick(Child<QRadioButton>(s, "opt_Torque_0"), Qt::LeftButton);
        QVERIFY(f.model->TorqueStartFresh);
        QVERIFY(!s->resultsShown());
        QCOMPARE(Shown(s, "pct_Pict1"), QString());
        QCOMPARE(EnabledFlags(s, {"cmd_Calc"}), QString("1"));
        Click(s, "cmd_Calc");
        const std::vector<double> fresh = Values(s->torqueChart());
        for (std::size_t i = 0; i < once.size(); ++i)
            QCOMPARE(fresh[i], once[i]);
        QCOMPARE(f.texts(), Strings{kAccumulate});
    }

    // In Accumulate mode an edit after the pass hides the results and offers no second pass,
    // which would add the same cam's torque again; Start Fresh computes once more.
    void editWhileAccumulatingOffersNoSecondPass() {
        UiFixture f;
        LoadComputedExample(f, 4, 1.0f);
        auto* s = OpenDynamics(f);
        QTest::mouseClick(Child<QRadioButton>(s, "opt_Torque_1"), Qt::LeftButton);
        Click(s, "cmd_Calc");
        QVERIFY(s->resultsShown());
        const float once = f.model->Results[ResultRow::Torque][100];
        Enter(s, "txt_Mass", "0.1");
        QCOMPARE(f.model->EffMass, 0.1f);
        QVERIFY(!s->resultsShown());
        QCOMPARE(EnabledFlags(s, {"cmd_Calc", "cmd_Done"}), QString("00"));
        Click(s, "cmd_Calc");
        QCOMPARE(f.model->Results[ResultRow::Torque][100], once);
        // Leaving a box without an edit commits nothing.
        Box(s, "txt_Spring")->setFocus();
        QTest::keyClick(Box(s, "txt_Spring"), Qt::Key_Tab);
        QCOMPARE(f.texts(), Strings{kAccumulate});
        QTest::mouseClick(Child<QRadioButton>(s, "opt_Torque_0"), Qt::LeftButton);
        Click(s, "cmd_Calc");
        QVERIFY(s->resultsShown());
        QCOMPARE(EnabledFlags(s, {"cmd_Calc", "cmd_Done"}), QString("01"));
    }

    // Without a spring the coefficient is typed and zeta is read-only; the force is then
    // F0 + c V + m A at every point. No spring has no natural frequency: the labels are blank,
    // not the values of the spring there was before.
    void withoutASpringTheCoefficientIsTyped() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        auto* s = OpenDynamics(f);
        Click(s, "cmd_Calc");
        Enter(s, "txt_Spring", "0");
        QVERIFY(Box(s, "txt_Zeta")->isReadOnly());
        QVERIFY(!Box(s, "txt_Damping")->isReadOnly());
        ExpectTexts(s, {{"lbl_OmegaN", ""}, {"lbl_Cc", ""}, {"lbl_OmegaD", ""}});
        QCOMPARE(Shown(s, "txt_Damping"), QString("0.9"));
        Enter(s, "txt_Damping", "2");
        QCOMPARE(f.texts(), Strings());
        QCOMPARE(f.model->DampC, 2.0f);
        QCOMPARE(Shown(s, "txt_Damping"), QString("2"));
        const model::CamModel& m = *f.model;
        for (int i : {0, 45, 100, 200, 359}) {
            const auto at = static_cast<std::size_t>(i);
            const double expected = 173.0 + 2.0 * m.Results[ResultRow::Velocity][at] +
                                    0.073804 * m.Results[ResultRow::Acceleration][at];
            QVERIFY2(std::fabs(m.Results[ResultRow::Force][at] - expected) <=
                         1e-5 * std::fabs(expected),
                     qPrintable(QString::number(i)));
            QCOMPARE(s->forceChart()->graph().Sets[0].GraphData[at],
                     double(m.Results[ResultRow::Force][at]));
        }
        // A spring again: zeta is typed and c computed.
        Enter(s, "txt_Spring", "132");
        QVERIFY(!Box(s, "txt_Zeta")->isReadOnly());
        QVERIFY(Box(s, "txt_Damping")->isReadOnly());
        QCOMPARE(Shown(s, "txt_Damping"), QString("0.9"));
    }

    // A pass that fails is reported once; Calculate stays available for mended inputs.
    void failedPassLeavesCalculateAvailable() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        auto* s = OpenDynamics(f);
        Click(s, "cmd_Calc");
        Enter(s, "txt_Mass", "0");
        QCOMPARE(f.texts().size(), std::size_t(1));
        QVERIFY(f.host.lastText().starts_with("Error 11 "));
        QVERIFY(f.host.lastText().find("Dynamics") != std::string::npos);
        QVERIFY(!s->resultsShown());
        QCOMPARE(EnabledFlags(s, {"cmd_Calc", "cmd_Done"}), QString("10"));
        Enter(s, "txt_Mass", "0.073804");
        QVERIFY(f.model->DynamicsDone);
        QCOMPARE(EnabledFlags(s, {"cmd_Calc", "cmd_Done"}), QString("01"));
    }

    // The home screen opens the screen once the cam is sized.
    void homeButtonOpensTheScreen() {
        UiFixture f;
        f.homeTargets();
        f.home()->activate();
        QVERIFY(!Child<QPushButton>(f.home(), "cmd_Dynamics")->isEnabled());
        LoadComputedExample(f, 2, 1.0f);
        f.home()->activate();
        Click(f.home(), "cmd_Dynamics");
        QVERIFY(f.navigator.lastShownIs(ScreenId::Dynamics));
        QVERIFY(f.navigator.screenAs<ui::DynamicsScreen>(ScreenId::Dynamics));
    }
};

TROCHIX_UI_TEST(DynamicsScreenTest)
#include "DynamicsScreenTest.moc"
