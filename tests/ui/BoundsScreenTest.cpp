#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "ui/screens/BoundsScreen.h"
#include "ui/screens/PolyScreen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace trochix;
using namespace trochix::uitest;

namespace {

const std::string kCountRange =
    "Number of boundary conditions must be between 2 and  20 - please re-enter";
const std::string kTooMany = "You have input more boundary conditions than specified";
const QColor kYellow(255, 255, 0);
const QColor kGrey(192, 192, 192);
const char* const kRows[4] = {"txt_Sbound", "txt_Vbound", "txt_Abound", "txt_Jbound"};

// Segment 1 as the input screen hands it over: a polynomial row of 90 degrees from 30 to 120,
// positions typed as "0" and "1".
void PresetSegment(model::CamModel& m) {
    m.NumSegments = 1;
    m.CurSeg = 1;
    m.SegDir[1] = "P";
    m.SegDesc[1] = "P";
    m.SegBeta[1] = 90.0f;
    m.SegBetaRadArr[1] = static_cast<float>(90.0 / 57.29577950560105);
    m.SegStart[1] = 30.0f;
    m.SegEnd[1] = 120.0f;
    m.SegStartText[1] = "0";
    m.SegEndText[1] = "1";
}

ui::BoundsScreen* OpenBounds(UiFixture& f) {
    f.navigator.ShowScreen(ScreenId::Bounds);
    auto* s = f.screen<ui::BoundsScreen>(ScreenId::Bounds);
    QApplication::setActiveWindow(s);
    if (!QTest::qWaitForWindowActive(s))
        qWarning("screen did not become active");
    return s;
}

template <class T = QLineEdit> T* Child(QWidget* s, const QString& name) {
    T* w = s->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

QLineEdit* Box(QWidget* s, int row, int column) {
    return Child(s, QStringLiteral("%1_%2").arg(kRows[row]).arg(column));
}

// Types into a box as the user does: click into it, replace its text, then Enter.
void Enter(QWidget* s, const QString& name, const QString& text) {
    QLineEdit* box = Child(s, name);
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// The background the box is painted with, away from its border and text.
QColor Background(QLineEdit* box) {
    const QImage image = box->grab().toImage();
    return image.pixelColor(6, image.height() / 2);
}

// Column c enabled (yellow) or disabled (grey) in all four boxes.
void ExpectColumn(QWidget* s, int c, bool enabled) {
    for (int r = 0; r < 4; ++r) {
        QLineEdit* box = Box(s, r, c);
        QVERIFY2(box->isEnabled() == enabled, qPrintable(box->objectName()));
        QCOMPARE(Background(box), enabled ? kYellow : kGrey);
    }
}

QString Label(QWidget* s, const QString& name) { return Child<QLabel>(s, name)->text(); }

} // namespace

class BoundsScreenTest : public QObject {
    Q_OBJECT
private slots:
    // Each opening presets the segment and empties what the last use typed.
    void presetsTheSegmentOnEveryOpening() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        QCOMPARE(s->windowTitle(),
                 QString("TROCHIX for Windows         Input Boundary Conditions"));
        Enter(s, "txt_NoConds", "5");
        Enter(s, "txt_Vbound_0", "2");
        Enter(s, "txt_Theta_2", "45");
        Enter(s, "txt_Jbound_2", "7");
        QCOMPARE(f.model->BcRequested, 5);
        s->closeScreen();

        f.model->SegStartText[1] = "0.5";
        f.model->SegEndText[1] = "";
        s = OpenBounds(f);
        QCOMPARE(Label(s, "lbl_segment"), QString(" 1"));
        QCOMPARE(Label(s, "lbl_start"), QString("0"));
        QCOMPARE(Label(s, "lbl_end"), QString(" 90"));
        QCOMPARE(Label(s, "lbl_Segangle_0"), QString(" 30"));
        QCOMPARE(Label(s, "lbl_Segangle_4"), QString(" 120"));
        QCOMPARE(Label(s, "lbl_Segangle_2"), QString());
        QCOMPARE(Child(s, "txt_NoConds")->text(), QString("2"));
        QCOMPARE(f.model->BcRequested, 2);
        QCOMPARE(Box(s, 0, 0)->text(), QString("0.5"));
        QCOMPARE(Box(s, 0, 4)->text(), QString());
        for (int c = 0; c < 5; ++c) {
            for (int r = 1; r < 4; ++r)
                QCOMPARE(Box(s, r, c)->text(), QString());
            ExpectColumn(s, c, false);
        }
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(Child(s, QStringLiteral("txt_Theta_%1").arg(k))->text(), QString());
            QVERIFY(!Child(s, QStringLiteral("txt_Theta_%1").arg(k))->isEnabled());
        }
        QCOMPARE(QApplication::focusWidget(), Child(s, "txt_NoConds"));
        QCOMPARE(Label(s, "lbl_Selected"), QString(" 1"));
        QVERIFY(!Child<QPushButton>(s, "cmd_Done")->isEnabled());
        QVERIFY(f.host.messages.empty());
    }

    void layoutCaptions() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        QStringList captions;
        for (const QLabel* l : s->findChildren<QLabel*>())
            captions << l->text();
        for (const char* c : {"Global Theta (deg)", "Local Theta (deg)", "Segment Number",
                              "Number of Conditions Requested", "Number of Conditions Selected"})
            QVERIFY2(captions.contains(c), c);
        QCOMPARE(captions.count("Boundary Cond."), 4);
        for (int r = 0; r < 4; ++r)
            QCOMPARE(Label(s, QStringLiteral("lbl_SVAJ_%1").arg(r)), QString("SVAJ"[r]));
        const std::pair<const char*, const char*> buttons[] = {
            {"cmd_Copy", "&Copy"}, {"cmd_PlotPrint", "&Print Form"}, {"cmd_Done", "&Done"},
            {"cmd_Cancel", "Ca&ncel"}, {"cmd_ClearBounds", "Clea&r"}};
        for (const auto& [name, caption] : buttons)
            QCOMPARE(Child<QPushButton>(s, name)->text(), QString(caption));
    }

    // The count box commits on Enter, on leaving it and on a double-click.
    void conditionCount_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("message");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("requested");
        // A refused or empty count keeps the request of before (4).
        QTest::newRow("one") << "1" << "enter" << true << false << 4;
        QTest::newRow("twenty-one") << "21" << "leave" << true << false << 4;
        QTest::newRow("below zero") << "-4" << "double-click" << true << false << 4;
        QTest::newRow("empty") << "" << "enter" << false << false << 4;
        QTest::newRow("twenty") << "20" << "leave" << false << true << 20;
        QTest::newRow("three") << "3" << "double-click" << false << true << 3;
    }
    void conditionCount() {
        QFETCH(QString, text);
        QFETCH(QString, how);
        QFETCH(bool, message);
        QFETCH(bool, enabled);
        QFETCH(int, requested);
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        // Open the end columns first, so that a refusal is seen to close them again.
        Enter(s, "txt_NoConds", "4");
        QCOMPARE(f.model->BcRequested, 4);
        ExpectColumn(s, 0, true);

        QLineEdit* count = Child(s, "txt_NoConds");
        count->setFocus(Qt::MouseFocusReason);
        count->selectAll();
        QTest::keyClick(count, Qt::Key_Delete);
        QTest::keyClicks(count, text);
        if (how == "enter")
            QTest::keyClick(count, Qt::Key_Return);
        else if (how == "leave")
            QTest::keyClick(count, Qt::Key_Tab);
        else
            QTest::mouseDClick(count, Qt::LeftButton);

        if (message) {
            QCOMPARE(f.host.messages.size(), std::size_t(1));
            QCOMPARE(f.host.messages[0].text, kCountRange);
            QCOMPARE(f.host.messages[0].title, std::string("TROCHIX"));
        } else {
            QVERIFY(f.host.messages.empty());
        }
        QCOMPARE(f.model->BcRequested, requested);
        ExpectColumn(s, 0, enabled);
        ExpectColumn(s, 4, enabled);
        for (int c = 1; c <= 3; ++c)
            ExpectColumn(s, c, false); // no angle typed yet
        for (int k = 1; k <= 3; ++k) {
            QLineEdit* theta = Child(s, QStringLiteral("txt_Theta_%1").arg(k));
            QCOMPARE(theta->isEnabled(), enabled);
            QCOMPARE(Background(theta), enabled ? kYellow : kGrey);
        }
        if (enabled) // two of the requested conditions are filled: type the next one
            QCOMPARE(QApplication::focusWidget(), Box(s, 1, 0));
        QVERIFY(!Child<QPushButton>(s, "cmd_Done")->isEnabled());
    }

    void innerAngle_data() {
        QTest::addColumn<QString>("theta");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("global");
        QTest::newRow("inside") << "45" << true << " 75"; // 30 + 45
        QTest::newRow("fraction") << "0.5" << true << " 30.5";
        QTest::newRow("just below beta") << "89.9" << true << " 119.9";
        QTest::newRow("zero") << "0" << false << "";
        QTest::newRow("beta itself") << "90" << false << "";
        QTest::newRow("beyond") << "120" << false << "";
        QTest::newRow("negative") << "-10" << false << "";
    }
    void innerAngle() {
        QFETCH(QString, theta);
        QFETCH(bool, accepted);
        QFETCH(QString, global);
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        Enter(s, "txt_NoConds", "3");
        Enter(s, "txt_Theta_2", theta);
        if (accepted) {
            QVERIFY(f.host.messages.empty());
            QCOMPARE(Child(s, "txt_Theta_2")->text(), theta);
        } else {
            QCOMPARE(f.host.messages.size(), std::size_t(1));
            QCOMPARE(f.host.messages[0].text,
                     std::string(" Value must be between zero and  90"));
            QCOMPARE(f.host.messages[0].title, std::string("TROCHIX"));
            QCOMPARE(Child(s, "txt_Theta_2")->text(), QString());
        }
        QCOMPARE(Label(s, "lbl_Segangle_2"), global);
        ExpectColumn(s, 2, accepted);
        ExpectColumn(s, 1, false);
        ExpectColumn(s, 3, false);
    }

    // A refused angle closes a column that an earlier angle had opened.
    void refusedAngleClosesAnOpenColumn() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        Enter(s, "txt_NoConds", "3");
        Enter(s, "txt_Theta_1", "30");
        ExpectColumn(s, 1, true);
        QCOMPARE(Label(s, "lbl_Segangle_1"), QString(" 60"));
        Enter(s, "txt_Theta_1", "500");
        ExpectColumn(s, 1, false);
        QCOMPARE(Label(s, "lbl_Segangle_1"), QString());
        // Emptying an accepted angle only clears its global angle.
        Enter(s, "txt_Theta_3", "10");
        Enter(s, "txt_Theta_3", "");
        QCOMPARE(Label(s, "lbl_Segangle_3"), QString());
        QCOMPARE(f.host.messages.size(), std::size_t(1));
    }

    void moreBoxesThanRequested() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        Enter(s, "txt_NoConds", "2");
        QVERIFY(Child<QPushButton>(s, "cmd_Done")->isEnabled());
        Enter(s, "txt_Abound_4", "0");
        QCOMPARE(Label(s, "lbl_Selected"), QString(" 3"));
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text, kTooMany);
        QCOMPARE(f.host.messages[0].title, std::string("TROCHIX"));
        QVERIFY(!Child<QPushButton>(s, "cmd_Done")->isEnabled());
    }

    // Done opens at exactly the requested count, counting every column; leaving a box counts
    // as Enter does.
    void doneAtTheExactCount() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        Enter(s, "txt_NoConds", "5");
        auto* done = Child<QPushButton>(s, "cmd_Done");
        Enter(s, "txt_Vbound_0", "0");
        QCOMPARE(Label(s, "lbl_Selected"), QString(" 3"));
        QVERIFY(!done->isEnabled());
        Enter(s, "txt_Theta_1", "45");
        Enter(s, "txt_Sbound_1", ".5");
        QCOMPARE(Label(s, "lbl_Selected"), QString(" 4"));
        QVERIFY(!done->isEnabled());
        QLineEdit* v4 = Box(s, 1, 4);
        v4->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(v4, "0");
        QTest::keyClick(v4, Qt::Key_Tab);
        QCOMPARE(Label(s, "lbl_Selected"), QString(" 5"));
        QVERIFY(done->isEnabled());
        QCOMPARE(QApplication::focusWidget(), done);
        QVERIFY(f.host.messages.empty());
    }

    void clearThenCancel() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        Enter(s, "txt_NoConds", "3");
        Enter(s, "txt_Theta_1", "45");
        Enter(s, "txt_Sbound_1", "0.25");
        QTest::mouseClick(Child<QPushButton>(s, "cmd_ClearBounds"), Qt::LeftButton);
        QVERIFY(s->isVisible());
        QCOMPARE(Child(s, "txt_NoConds")->text(), QString());
        for (QLineEdit* box : s->findChildren<QLineEdit*>()) {
            QCOMPARE(box->text(), QString());
            if (box->objectName() != "txt_NoConds")
                QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));
        }
        QCOMPARE(Label(s, "lbl_Segangle_1"), QString());
        QVERIFY(!Child<QPushButton>(s, "cmd_Done")->isEnabled());

        Enter(s, "txt_NoConds", "2");
        Enter(s, "txt_Sbound_0", "0");
        f.model->BcValid = true; // from an earlier segment
        QTest::mouseClick(Child<QPushButton>(s, "cmd_Cancel"), Qt::LeftButton);
        QVERIFY(!s->isVisible());
        QVERIFY(!f.model->BcValid);
        QCOMPARE(Child(s, "txt_NoConds")->text(), QString());
        QCOMPARE(Box(s, 0, 0)->text(), QString());
        QCOMPARE(f.navigator.timesShown(ScreenId::Poly), 0);
    }

    // Escape (or the window's close box) must not leave an earlier segment's solution valid.
    void escapeLeavesAsCancel() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        f.model->BcValid = true;
        QTest::keyClick(s, Qt::Key_Escape);
        QVERIFY(!s->isVisible());
        QVERIFY(!f.model->BcValid);
    }

    // S(0) = 0 and S(1) = 1 give S = x: coefficients 0 and 1 on the coefficient screen.
    void solvesAStraightLineAndShowsIt() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        Enter(s, "txt_NoConds", "2");
        QTest::mouseClick(Child<QPushButton>(s, "cmd_Done"), Qt::LeftButton);
        QVERIFY(f.host.messages.empty());
        QVERIFY(!s->isVisible());
        QVERIFY(f.navigator.lastShownIs(ScreenId::Poly));
        QVERIFY(f.model->BcValid);
        QCOMPARE(f.model->SegNumBC[1], 2);
        QCOMPARE(f.model->PolyCoef[1][1], 0.0f);
        QCOMPARE(f.model->PolyCoef[2][1], 1.0f);

        auto* poly = f.screen<ui::PolyScreen>(ScreenId::Poly);
        QVERIFY(poly->isVisible());
        const QString pad11(11, ' ');
        QCOMPARE(Child<QPlainTextEdit>(poly, "pct_Poly_1")->toPlainText(),
                 QString(6, ' ') + "      Equation Resulting\n" +
                     "   Exponent        Coefficient\n" + pad11 + " 0 " + pad11 + "0.000\n" +
                     pad11 + " 1 " + pad11 + "1.000");
        const std::pair<QString, QString> data[] = {
            {"Segment", " 1"}, {"Start", " 30"}, {"Beta", " 90"}, {"End", " 120"}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Label(poly, QStringLiteral("lbl_Name_%1").arg(i)), data[i].first);
            QCOMPARE(Label(poly, QStringLiteral("lbl_SegData_%1").arg(i)), data[i].second);
        }
        // Points of S = x over the segment from 30 to 120 degrees, at 1-degree steps.
        QCOMPARE(f.model->Results[1][30 + 45], 0.5f);
        QCOMPARE(f.model->Results[1][120], 1.0f);
    }

    // An inner column is read through its angle: S(0) = 0, S(45 of 90) = 0.25, S(1) = 1 is
    // the parabola x^2 (hand-solved: c1/2 + c2/4 = 1/4 and c1 + c2 = 1 give c1 = 0, c2 = 1).
    void solvesWithAnInnerAngle() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        Enter(s, "txt_NoConds", "3");
        Enter(s, "txt_Theta_3", "45");
        Enter(s, "txt_Sbound_3", "0.25");
        QTest::mouseClick(Child<QPushButton>(s, "cmd_Done"), Qt::LeftButton);
        QVERIFY(f.host.messages.empty());
        QVERIFY(f.model->BcValid);
        QVERIFY(f.navigator.lastShownIs(ScreenId::Poly));
        const float tolerance = 1e-6f; // a 3 x 3 system in double, stored as float
        QVERIFY(std::abs(f.model->PolyCoef[1][1]) < tolerance);
        QVERIFY(std::abs(f.model->PolyCoef[2][1]) < tolerance);
        QVERIFY(std::abs(f.model->PolyCoef[3][1] - 1.0f) < tolerance);
        QCOMPARE(f.model->BcPos[3][1], 0.5f);
    }

    // Boxes left filled under an angle that was refused later are counted, but not read:
    // Done shows the count message and stays on the screen.
    void doneRefusesBoxesWithoutAnAngle() {
        UiFixture f;
        PresetSegment(*f.model);
        auto* s = OpenBounds(f);
        Enter(s, "txt_NoConds", "3");
        Enter(s, "txt_Theta_1", "45");
        Enter(s, "txt_Sbound_1", "0.25");
        Enter(s, "txt_Theta_1", "95");
        f.host.clear();
        auto* done = Child<QPushButton>(s, "cmd_Done");
        QVERIFY(done->isEnabled());
        QTest::mouseClick(done, Qt::LeftButton);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text,
                 std::string("Something wrong - Have input different number of boundary "
                             "conditions than specified"));
        QVERIFY(s->isVisible());
        QVERIFY(!f.model->BcValid);
        QCOMPARE(f.navigator.timesShown(ScreenId::Poly), 0);
    }
};

TROCHIX_UI_TEST(BoundsScreenTest)
#include "BoundsScreenTest.moc"
