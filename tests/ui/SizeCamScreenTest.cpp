// The sizing screen driven through its controls: options, typed boxes, Calc, the summary and
// the ways out.
#include "ui/screens/SizeCamScreen.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "files/Examples.h"
#include "geometry/SizingSummary.h"
#include "text/NumberText.h"
#include "ui/DrawingSurface.h"

#include <QGroupBox>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

using namespace trochix;
using namespace trochix::uitest;

namespace {

// Example n computed into the model, then the sizing screen opened on it.
ui::SizeCamScreen* OpenOn(UiFixture& f, int n) {
    files::LoadExample(*f.model, f.host, n);
    f.host.clear();
    return f.open<ui::SizeCamScreen>(ScreenId::SizeCam);
}

void Choose(QWidget* s, const char* option, int k) {
    QTest::mouseClick(Child<QRadioButton>(s, IndexedName(option, k)), Qt::LeftButton);
}

// Types into a box and leaves it with Tab, as a user moving on would.
void Enter(QWidget* s, const char* box, const QString& text) {
    auto* edit = Child<QLineEdit>(s, box);
    Type(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

QString Labels(QWidget* s) {
    return Shown(s, "lbl_Pamin") + "|" + Shown(s, "lbl_Pamax") + "|" + Shown(s, "lbl_Rhomin");
}

// Calc, Show Summary, Copy, Print Form, Done.
QString Commands(QWidget* s) {
    return EnabledFlags(s, {"cmd_Calc", "opt_Show_1", "cmd_Copy", "cmd_PrintForm", "cmd_Done"});
}

QString Fmt(double v, int n) {
    return QString::fromStdString(text::FNRoundStr(v, n));
}

} // namespace

class SizeCamScreenTest : public QObject {
    Q_OBJECT
private slots:
    // Calc on each kind of follower fills the three labels with the extremes of the rows it
    // computed; the pressure angles are checked against the formulas applied to S and V.
    // Suggest fills the prime radius (and the arm centre) with the smallest cam within the
    // limits and says which limit decides; Calc then sizes that cam within the limits. Bad
    // limits are refused with their message and change nothing.
    void suggestFillsTheBoxesAndCalcMeetsTheLimits() {
        for (int example : {3, 4}) {
            UiFixture f;
            auto* s = OpenOn(f, example);
            Enter(s, "txt_RiseLimit", "25");
            Click(s, "cmd_Suggest");
            QCOMPARE(f.texts(), Strings());
            QVERIFY(Shown(s, "lbl_Suggested").startsWith("The "));
            QVERIFY(Shown(s, "lbl_Suggested").contains("decides"));
            Click(s, "cmd_Calc");
            QCOMPARE(f.texts(), Strings());
            const model::CamModel& m = *f.model;
            QVERIFY2(m.PressMax <= 25.0 + 1e-3, qPrintable(QString::number(m.PressMax)));
            QVERIFY2(m.PressMin >= -30.0 - 1e-3, qPrintable(QString::number(m.PressMin)));
            QVERIFY(std::max(m.PressMax - 25.0, -30.0 - m.PressMin) > -1e-2 ||
                    Shown(s, "lbl_Suggested").startsWith("The curvature"));
            if (example == 3)
                s->grab().save("/tmp/suggest3.png");
        }
        UiFixture f;
        auto* s = OpenOn(f, 3);
        const QString prime = Shown(s, "txt_Prime");
        for (const char* bad : {"abc", "0", "95"}) {
            f.host.clear();
            Enter(s, "txt_FallLimit", bad);
            Click(s, "cmd_Suggest");
            QCOMPARE(f.texts(),
                     Strings({"Fall Limit must be a pressure angle above 0 and below 90 degrees."}));
            QCOMPARE(Shown(s, "txt_Prime"), prime);
        }
        f.host.clear();
        Enter(s, "txt_FallLimit", "30");
        Enter(s, "txt_MinSurface", "-1");
        Click(s, "cmd_Suggest");
        QCOMPARE(f.texts().size(), std::size_t{1});
        QVERIFY(f.texts()[0].rfind("Min Surface Radius must be 0 or a positive length", 0) == 0);
    }

    void calcOnEachFollowerType_data() {
        QTest::addColumn<int>("example");
        QTest::addColumn<QStringList>("options"); // option name and element to click
        QTest::addColumn<QString>("kind");
        QTest::newRow("translating roller") << 3 << QStringList() << "roller";
        QTest::newRow("flat face") << 3 << QStringList({"opt_Foltype", "1"}) << "flat";
        QTest::newRow("barrel") << 3 << QStringList({"opt_FolDirect", "1"}) << "barrel";
        QTest::newRow("oscillating") << 4 << QStringList() << "arm";
    }
    void calcOnEachFollowerType() {
        QFETCH(int, example);
        QFETCH(QStringList, options);
        QFETCH(QString, kind);
        UiFixture f;
        auto* s = OpenOn(f, example);
        QCOMPARE(Commands(s), QString("01111")); // the example is sized already
        if (!options.isEmpty())
            Choose(s, qPrintable(options[0]), options[1].toInt());
        f.host.clear();
        Click(s, "cmd_Calc");
        QCOMPARE(f.texts(), Strings());
        QCOMPARE(Commands(s), QString("01111"));
        const model::CamModel& m = *f.model;
        double lo = 1e9, hi = -1e9;
        for (int i = 0; i <= m.NumPoints; ++i) {
            const double S = m.Results[1][i], v = m.Results[2][i] / m.CamOmega;
            double phi = m.Results[5][i];
            if (kind == "roller") // zero offset: atan(v / (Rp + S))
                phi = std::atan(v / (m.PrimeRadius + S)) * 180 / 3.141592654;
            else if (kind == "flat")
                phi = 0.0;
            else if (kind == "barrel")
                phi = std::atan(v / m.PrimeRadius) * 180 / 3.141592654;
            lo = std::min(lo, phi);
            hi = std::max(hi, phi);
            if (kind != "arm")
                QVERIFY2(std::fabs(phi - m.Results[5][i]) < 1e-4, qPrintable(QString::number(i)));
        }
        QCOMPARE(Labels(s), Fmt(std::min(lo, 10000.0), 1) + "|" + Fmt(std::max(hi, 0.0), 1) + "|" +
                                Fmt(m.RhoMin, 2));
        if (kind == "flat")
            QCOMPARE(Labels(s).left(8), QString("0.0|0.0|"));
    }

    // Each option's rule, one click after another, with the results blanked by each change.
    void optionRules() {
        UiFixture f;
        auto* s = OpenOn(f, 1);
        const model::CamModel& m = *f.model;
        // Least A / omega^2 and S there, for the base circle advice.
        int k = 0;
        for (int i = 1; i <= m.NumPoints; ++i)
            if (m.Results[3][i] < m.Results[3][k])
                k = i;
        const double rbMin = -m.Results[3][k] / (m.CamOmega * m.CamOmega) - m.Results[1][k];
        const struct {
            const char* option;
            int element;
            const char* message; // nullptr: none
            const char* offsetBox;
            const char* enabled; // offset, follower, arm centre x, arm radius, arm rotation
        } steps[] = {
            {"opt_Foltype", 1,
             "The minimum base circle radius for no negative Radius of "
             "Curvature is ",
             "0", "00000"},
            {"opt_Foltype", 0, nullptr, "0", "11000"},
            {"opt_FolDirect", 1, nullptr, "0", "01000"},
            {"opt_FolDirect", 0, nullptr, "0", "11000"},
            // No arm has been laid out yet: the picture says it cannot reach the cam.
            {"opt_Folmotion", 1, "Your arm geometry is such that the roller cannot contact the cam",
             "0", "01111"},
            {"opt_Folmotion", 0, nullptr, "0", "11000"},
            {"opt_Rotate", 1, nullptr, "0", "11000"},
        };
        Enter(s, "txt_Offset", "0.5");
        for (const auto& step : steps) {
            const Row row{QString("%1 %2").arg(step.option).arg(step.element)};
            f.host.clear();
            Choose(s, step.option, step.element);
            if (step.message && QString(step.option) == "opt_Foltype") {
                QCOMPARE(f.texts(), Strings({step.message + text::FNRoundStr(rbMin, 2) + "  in"}));
                QCOMPARE(f.host.messages[0].icon, model::Icon::Information);
            } else if (step.message) {
                QCOMPARE(f.texts(), Strings({step.message}));
            } else {
                QCOMPARE(f.texts(), Strings());
            }
            QCOMPARE(Shown(s, "txt_Offset"), QString(step.offsetBox));
            QCOMPARE(EnabledFlags(s, {"txt_Offset", "txt_Follower", "txt_CLx", "txt_ArmRadius",
                                      "opt_ArmRotate_0"}),
                     QString(step.enabled));
            QCOMPARE(Labels(s), QString("||"));
            QCOMPARE(Commands(s), QString("10000"));
        }
        QCOMPARE(m.CamDirection, -1);
        QCOMPARE(m.Offset, 0.0f);
        QVERIFY(m.Translating && m.FollowerType == 1 && m.CamType == "Radial");
        // The option already chosen changes nothing.
        Click(s, "cmd_Calc");
        f.host.clear();
        Choose(s, "opt_Foltype", 0);
        QCOMPARE(Commands(s), QString("01111"));
    }

    // What each box says about a refused value (out of range, or no number at all) and what it
    // shows afterwards: the value the model keeps, never a stand-in like "1" the model does not
    // hold, never letters read as 0. An accepted one is taken, retitles the prime frame and
    // blanks the results.
    void commits() {
        const struct {
            int example;
            const char* box;
            const char* typed;
            const char* message; // "" for none
            const char* title;
            const char* after;   // the box afterwards
            const char* caption; // prime frame afterwards
            bool blanked;
        } cases[] = {
            {1, "txt_Prime", "0.5",
             "Prime radius cannot be zero or negative or less than the "
             "offset",
             "TROCHIX for Windows", "3", "Prime Distance", false},
            {1, "txt_Prime", "abc",
             "Prime radius cannot be zero or negative or less than the "
             "offset",
             "TROCHIX for Windows", "3", "Prime Distance", false},
            {1, "txt_Prime", "2.5", "", "", "2.5", "Prime Distance", true},
            {1, "txt_Offset", "-3",
             "Cannot compute - Eccentricity is >= Prime Radius.  Try a "
             "smaller absolute value of eccentricity",
             "TROCHIX", ".75", "Prime Distance", false},
            {1, "txt_Offset", "x",
             "Cannot compute - Eccentricity is >= Prime Radius.  Try a "
             "smaller absolute value of eccentricity",
             "TROCHIX", ".75", "Prime Distance", false},
            {1, "txt_Offset", "0", "", "", "0", "Prime Radius", true},
            {3, "txt_Offset", "-.5", "", "", "-.5", "Prime Distance", true},
            {1, "txt_Follower", "3",
             "Something is wrong\r\rThe follower radius is greater than "
             "the prime circle radius\r\rPlease check your data.",
             "TROCHIX for Windows", "1", "Prime Distance", false},
            {1, "txt_Follower", "-1", "The follower radius must be zero or positive",
             "TROCHIX for Windows", "1", "Prime Distance", false},
            {1, "txt_Follower", "abc", "The follower radius must be zero or positive",
             "TROCHIX for Windows", "1", "Prime Distance", false},
            {4, "txt_ArmRadius", "20",
             "The roller follower arm misses the cam entirely\rwith "
             "your current choice of arm center location. \r\rPlease "
             "adjust the arm radius to be about\r12.65 in for this "
             "arm center location.",
             "TROCHIX for Windows", "12", "Prime Radius", true},
            {4, "txt_CLx", "13", "", "", "12", "Prime Radius", true},
            {4, "txt_CLx", "abc", "The follower arm center must be given as two numbers",
             "TROCHIX for Windows", "12", "Prime Radius", false},
        };
        for (const auto& c : cases) {
            const Row row{QString("%1 %2").arg(c.box, c.typed)};
            UiFixture f;
            auto* s = OpenOn(f, c.example);
            const model::CamModel before = *f.model;
            Enter(s, c.box, c.typed);
            QCOMPARE(f.texts(), *c.message ? Strings({c.message}) : Strings());
            if (*c.message) {
                QCOMPARE(f.host.messages[0].title, std::string(c.title));
                QVERIFY(f.host.messages[0].icon != model::Icon::Information);
            }
            const QString box = QString(c.box) == "txt_CLx" ? "txt_ArmRadius" : c.box;
            QCOMPARE(Shown(s, box), QString(c.after));
            QCOMPARE(Child<QGroupBox>(s, "fra_Prime")->title(), QString(c.caption));
            QCOMPARE(Labels(s) == "||", c.blanked);
            const model::CamModel& m = *f.model;
            if (!*c.message && QString(c.box) == "txt_Prime")
                QCOMPARE(m.PrimeRadius, 2.5f);
            if (*c.message && QString(c.box) != "txt_ArmRadius")
                QVERIFY(m.PrimeRadius == before.PrimeRadius && m.Offset == before.Offset &&
                        m.RollerRadius == before.RollerRadius);
            if (QString(c.box) == "txt_CLx") {
                QCOMPARE(m.ArmPivotX, *c.message ? 12.0f : 13.0f);
                QCOMPARE(Shown(s, "txt_CLx"), QString(*c.message ? "12" : "13"));
            }
        }
    }

    // Show Summary prints the summary lines of the model's extremes; a change goes back to
    // the picture.
    void summary() {
        UiFixture f;
        auto* s = OpenOn(f, 5);
        Click(s, "cmd_Calc");
        Choose(s, "opt_Show", 1);
        const geometry::PressMaxSummary expected = geometry::PrintPressMax(*f.model);
        const auto joined = [](const std::vector<std::string>& lines) {
            QStringList l;
            for (const auto& line : lines)
                l << QString::fromStdString(line);
            return l.join('\n');
        };
        QCOMPARE(Child<QPlainTextEdit>(s, "pct_Pang")->toPlainText(), joined(expected.pang));
        QCOMPARE(Child<QPlainTextEdit>(s, "pct_Radcurv")->toPlainText(), joined(expected.radcurv));
        QVERIFY(expected.pang[3].find("Max pressure angle = ") == 2);
        QVERIFY(!Child(s, "pct_Cam")->isVisible() && Child(s, "pct_Pang")->isVisible());
        Enter(s, "txt_Prime", "4.5");
        QVERIFY(Child(s, "pct_Cam")->isVisible() && !Child(s, "pct_Pang")->isVisible());
        QVERIFY(Child<QRadioButton>(s, "opt_Show_0")->isChecked());
        QCOMPARE(Commands(s), QString("10000"));
    }

    // A base circle of zero or less: the screen comes up quietly with an empty picture (the
    // start-up geometry, a roller as large as the prime circle, warned before the screen was
    // even shown); an edit that redraws it warns, and a valid geometry draws the picture.
    void baseCircleWarning() {
        const std::string warning = "Something Wrong - Base Circle has become zero or minus.  "
                                    "Change follower radius or prime/base circle";
        UiFixture f;
        files::LoadExample(*f.model, f.host, 3);
        f.model->RollerRadius = 4.5f; // the prime radius is 4
        f.host.clear();
        auto* s = f.open<ui::SizeCamScreen>(ScreenId::SizeCam);
        QCOMPARE(f.texts(), Strings());
        QVERIFY(s->picture()->scene().empty());
        // Enter commits the box and keeps the focus in it, so no other box is left meanwhile.
        auto enterPrime = [](QWidget* screen, const char* text) {
            auto* prime = Child<QLineEdit>(screen, "txt_Prime");
            Type(prime, text);
            QTest::keyClick(prime, Qt::Key_Return);
        };
        enterPrime(s, "4.25");
        QCOMPARE(f.texts(), Strings({warning}));
        QVERIFY(s->picture()->scene().empty());
        enterPrime(s, "6");
        QCOMPARE(f.texts(), Strings({warning}));
        QVERIFY(!s->picture()->scene().empty());

        // The start-up geometry (prime and roller radius 1) under a calculated motion program:
        // no warning, no picture, until the prime radius makes room for the roller.
        UiFixture g;
        files::LoadExample(*g.model, g.host, 3);
        g.model->PrimeRadius = 1.0f;
        g.model->RollerRadius = 1.0f;
        g.host.clear();
        auto* fresh = g.open<ui::SizeCamScreen>(ScreenId::SizeCam);
        QCOMPARE(g.texts(), Strings());
        QVERIFY(fresh->picture()->scene().empty());
        enterPrime(fresh, "3");
        QCOMPARE(g.texts(), Strings());
        QVERIFY(!fresh->picture()->scene().empty());
    }

    // Done marks the cam sized; leaving with a change not calculated leaves it unsized, and
    // the home screen follows.
    void waysOut() {
        UiFixture f;
        f.homeTargets();
        f.home(); // before the example: a new home screen starts with nothing calculated
        auto* s = OpenOn(f, 1);
        model::CamModel& m = *f.model;
        m.ModelSaved = true;
        f.home()->activate();
        QCOMPARE(HomeButtons(f.home()).mid(1, 2), QString("11"));
        Enter(s, "txt_Prime", "3.5");
        QTest::keyClick(s, Qt::Key_Escape);
        QVERIFY(!s->isVisible());
        QVERIFY(!m.ProfileDone && !m.DynamicsDone && !m.ModelSaved);
        f.home()->activate();
        QCOMPARE(HomeButtons(f.home()).mid(1, 3), QString("100"));

        s = f.open<ui::SizeCamScreen>(ScreenId::SizeCam);
        QCOMPARE(Commands(s), QString("10000"));
        QCOMPARE(Shown(s, "txt_Prime"), QString("3.5"));
        m.ModelSaved = true;
        Click(s, "cmd_Calc");
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible());
        QVERIFY(m.ProfileDone && !m.ModelSaved);
        f.home()->activate();
        QCOMPARE(HomeButtons(f.home()).mid(1, 2), QString("11"));
        QCOMPARE(m.PrimeRadius, 3.5f);
    }
};

TROCHIX_UI_TEST(SizeCamScreenTest)
#include "SizeCamScreenTest.moc"
