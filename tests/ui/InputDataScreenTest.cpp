// The input screen driven through its controls: typed keys, focus changes and clicks.
#include "StandIns.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "motion/Polynomial.h"
#include "ui/screens/HomeScreen.h"
#include "ui/screens/InputDataScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <cmath>

using namespace trochix;
using namespace trochix::uitest;

namespace {

const std::string kBetaRange = "Beta cannot be > 360 or < 0";
const std::string kEndAngle = "End angle cannot be > 360 deg";

// Opens the screen through the navigator and makes it the active window, so that keys and
// focus behave as for the user.
ui::InputDataScreen* Open(UiFixture& f) {
    f.navigator.ShowScreen(ScreenId::InputData);
    auto* s = f.screen<ui::InputDataScreen>(ScreenId::InputData);
    QApplication::setActiveWindow(s);
    if (!QTest::qWaitForWindowActive(s))
        qWarning("input screen did not become active");
    return s;
}

template <class T> T* Get(QWidget* s, const char* name, int row = -1) {
    const QString n = row < 0 ? QString(name) : QStringLiteral("%1_%2").arg(name).arg(row);
    T* w = s->findChild<T*>(n);
    if (!w)
        qFatal("no control %s", qPrintable(n));
    return w;
}
QLineEdit* Box(QWidget* s, const char* name, int row = -1) { return Get<QLineEdit>(s, name, row); }
QComboBox* List(QWidget* s, const char* name, int row = -1) { return Get<QComboBox>(s, name, row); }
QPushButton* Button(QWidget* s, const char* name, int row = -1) {
    return Get<QPushButton>(s, name, row);
}
QString LabelText(QWidget* s, const char* name, int row = -1) {
    return Get<QLabel>(s, name, row)->text();
}

// Puts the focus into a box and replaces its text by typing.
void Type(QWidget* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}
// The focus moves on to a control that commits nothing.
void Leave(QWidget* s) { Button(s, "cmd_Copy")->setFocus(Qt::MouseFocusReason); }

int VisibleRows(QWidget* s) {
    int n = 0;
    for (int row = 0; row < model::kMaxSegments; ++row)
        n += Box(s, "txt_Beta", row)->isVisibleTo(s) ? 1 : 0;
    return n;
}

// Types a row the way a user does with the keyboard: Beta, Tab, the motion's letter, Tab, the
// law's code, Tab into Start (typing it only when given), Tab into End, then Calc.
void TypeRow(QWidget* s, int row, const char* beta, const char* motion, const char* law,
             const char* start, const char* end) {
    Type(Box(s, "txt_Beta", row), beta);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(List(s, "cmb_Motion", row), motion);
    if (*law) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(List(s, "cmb_Program", row), law);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (*start)
        Type(Box(s, "txt_Low", row), start);
    if (*end) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Type(Box(s, "txt_High", row), end);
    }
}

// Types the segment count and a whole program, calculating each row as it is typed.
void TypeProgram(QWidget* s,
                 std::initializer_list<std::array<const char*, 5>> rows) {
    Type(Box(s, "txt_Segmts"), QString::number(rows.size()));
    int row = 0;
    for (const auto& r : rows) {
        TypeRow(s, row, r[0], r[1], r[2], r[3], r[4]);
        QTest::mouseClick(Button(s, "cmd_CalcSeg", row), Qt::LeftButton);
        ++row;
    }
}

// Stands in for frm_Bounds: on activation it enters S = 0 at the start and S = 2 at the end
// of the current segment and solves them as its Done does, so S = 2 x over the segment.
class SolvingBounds : public ui::ScreenBase {
public:
    explicit SolvingBounds(ui::AppContext& ctx) : ScreenBase(ctx, ScreenId::Bounds) {}
    void activate() override {
        ++opened;
        motion::BoundsInput input;
        input.box[0][0] = "0";
        input.box[4][0] = "2";
        input.requested = 2;
        motion::ReadBounds(m_ctx.model, m_ctx.host, input);
    }
    int opened = 0;
};

} // namespace

class InputDataScreenTest : public QObject {
    Q_OBJECT
private slots:
    void captionsAndAccessKeys() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        const std::pair<const char*, const char*> buttons[] = {
            {"cmd_ClearSegs", "Clear &Segs"}, {"cmd_CalcAll", "Ca&lc All"},
            {"cmd_Clear_SVAJ", "Clear &All"}, {"cmd_Cancel", "Ca&ncel"},
            {"cmd_Done", "&Done"},           {"cmd_Copy", "&Copy"},
            {"cmd_PlotPrint", "&Print Form"},
        };
        for (const auto& [name, caption] : buttons)
            QCOMPARE(Button(s, name)->text(), QString(caption));
        QCOMPARE(LabelText(s, "lbl_OmegaUnit"), QString("Cam Omega (rpm)"));
        QCOMPARE(LabelText(s, "lbl_Unit"), QString("(in)"));
        QStringList steps;
        for (int i = 0; i < List(s, "cmb_Delta")->count(); ++i)
            steps << List(s, "cmb_Delta")->itemText(i);
        QCOMPARE(steps, QStringList({"1.0", "0.5", "0.25"}));
        QCOMPARE(List(s, "cmb_Program", 15)->count(), 13);
        QCOMPARE(List(s, "cmb_Program", 15)->itemText(3), QString("C1 - Cycloid 1st Half "));
        QCOMPARE(List(s, "cmb_Motion", 15)->itemText(3), QString("Dwell"));
        // A fresh screen: one row, only its Beta open, nothing to calculate or complete.
        QCOMPARE(VisibleRows(s), 1);
        QVERIFY(Box(s, "txt_Beta", 0)->isEnabled());
        for (const char* name : {"cmb_Motion", "cmb_Program", "txt_Low", "txt_High",
                                 "cmd_CalcSeg", "cmd_PlotSeg", "cmd_PrntSeg"})
            QVERIFY2(!Get<QWidget>(s, name, 0)->isEnabled(), name);
        QVERIFY(!Button(s, "cmd_CalcAll")->isEnabled());
        QVERIFY(!Button(s, "cmd_Done")->isEnabled());
        // The access key of the disabled Done types nothing into the box.
        Type(Box(s, "txt_Beta", 0), "90");
        QTest::keyClick(Box(s, "txt_Beta", 0), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(Box(s, "txt_Beta", 0)->text(), QString("90"));
    }

    // Rise 0 -> 1 (full cycloid, 90), fall 1 -> 0 (modified sine, 90), dwell at 0 (180).
    void threeRowProgramTypedRowByRow() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(Box(s, "txt_Segmts"), "3");
        QCOMPARE(VisibleRows(s), 3);

        // Row 0, one input after the other.
        Type(Box(s, "txt_Beta", 0), "90");
        QVERIFY(!List(s, "cmb_Motion", 0)->isEnabled());
        QTest::keyClick(Box(s, "txt_Beta", 0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), List(s, "cmb_Motion", 0));
        QCOMPARE(LabelText(s, "lbl_End", 0), QString("90."));
        QTest::keyClicks(List(s, "cmb_Motion", 0), "r");
        QCOMPARE(List(s, "cmb_Motion", 0)->currentText(), QString("Rise"));
        QVERIFY(List(s, "cmb_Program", 0)->isEnabled());
        QVERIFY(!Box(s, "txt_Low", 0)->isEnabled());
        QTest::keyClick(List(s, "cmb_Motion", 0), Qt::Key_Tab);
        QTest::keyClicks(List(s, "cmb_Program", 0), "cf"); // a law typed by its code
        QCOMPARE(List(s, "cmb_Program", 0)->currentText(), QString("CF - Cycloid Full"));
        QVERIFY(Box(s, "txt_Low", 0)->isEnabled());
        QVERIFY(!Box(s, "txt_High", 0)->isEnabled());
        QTest::mouseClick(Box(s, "txt_Low", 0), Qt::LeftButton);
        QVERIFY(Box(s, "txt_High", 0)->isEnabled());
        Type(Box(s, "txt_Low", 0), "0");
        QVERIFY(!Button(s, "cmd_CalcSeg", 0)->isEnabled());
        Type(Box(s, "txt_High", 0), "1");
        QVERIFY(Button(s, "cmd_CalcSeg", 0)->isEnabled());
        QCOMPARE(Box(s, "txt_Low", 1)->text(), QString("1")); // End joins the next Start
        QTest::mouseClick(Button(s, "cmd_CalcSeg", 0), Qt::LeftButton);
        QVERIFY(f.model->SegDone[0]);
        QVERIFY(!Button(s, "cmd_CalcSeg", 0)->isEnabled());
        QVERIFY(!Button(s, "cmd_PlotSeg", 0)->isEnabled()); // no segment plot screen yet
        QVERIFY(f.host.messages.empty());

        TypeRow(s, 1, "90", "f", "ms", "", "0");
        QCOMPARE(Box(s, "txt_Low", 2)->text(), QString("0"));
        QTest::mouseClick(Button(s, "cmd_CalcSeg", 1), Qt::LeftButton);
        // The dwell holds the level its Start was given: End follows, and Calc is ready.
        TypeRow(s, 2, "180", "d", "", "", "");
        QCOMPARE(List(s, "cmb_Program", 2)->currentText(), QString("DW - Dwell"));
        QVERIFY(!List(s, "cmb_Program", 2)->isEnabled());
        QCOMPARE(Box(s, "txt_High", 2)->text(), QString("0"));
        QCOMPARE(LabelText(s, "lbl_Start", 2), QString("180."));
        QCOMPARE(LabelText(s, "lbl_End", 2), QString("360."));
        QVERIFY(!Button(s, "cmd_Done")->isEnabled());
        Button(s, "cmd_CalcSeg", 2)->setFocus();
        QTest::keyClick(Button(s, "cmd_CalcSeg", 2), Qt::Key_Return);
        QVERIFY(Button(s, "cmd_Done")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Button(s, "cmd_Done"));
        QVERIFY(f.host.messages.empty());

        // Midpoints of the symmetric rise and fall are half the lift (cycloid: x - sin(2 pi
        // x) / 2 pi at x = 1/2; the modified sine is point-symmetric about its middle).
        QVERIFY(std::abs(f.model->Results[1][45] - 0.5f) < 1e-6f);
        QVERIFY(std::abs(f.model->Results[1][135] - 0.5f) < 1e-6f);
        QCOMPARE(f.model->Results[1][270], 0.0f);

        QTest::mouseClick(Button(s, "cmd_Done"), Qt::LeftButton);
        QVERIFY(f.model->SvajDone);
        QCOMPARE(f.model->DesignNo, 2);
        QCOMPARE(f.model->DateStr, std::string("12-08-2026"));
        QVERIFY(!s->isVisible());
        QVERIFY(f.navigator.lastShownIs(ScreenId::Continuity));
    }

    // Without the continuity screen Done returns to the home screen, whose commands follow.
    void doneWithoutContinuityRefreshesHome() {
        UiFixture f;
        RegisterStandIns(f, {ScreenId::SizeCam});
        f.navigator.registerScreen(ScreenId::Continuity, {});
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        QVERIFY(!Get<QPushButton>(home, "cmd_SizeCam")->isEnabled());
        ui::InputDataScreen* s = Open(f);
        TypeProgram(s, {{"180", "r", "45", "0", "1"}, {"180", "f", "45", "", "0"}});
        QVERIFY(Button(s, "cmd_Done")->isEnabled());
        Button(s, "cmd_Done")->setFocus();
        QTest::keyClick(Button(s, "cmd_Done"), Qt::Key_Return);
        QVERIFY(!s->isVisible());
        QVERIFY(!f.navigator.lastShownIs(ScreenId::Continuity));
        QVERIFY(Get<QPushButton>(home, "cmd_SizeCam")->isEnabled());
    }

    void segmentCountIsClamped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("rows");
        QTest::newRow("0") << "0" << "1" << 1;
        QTest::newRow("20") << "20" << "16" << 16;
        QTest::newRow("7") << "7" << "7" << 7;
    }
    void segmentCountIsClamped() {
        QFETCH(QString, typed);
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(Box(s, "txt_Segmts"), typed);
        QTEST(Box(s, "txt_Segmts")->text(), "shown");
        QTEST(VisibleRows(s), "rows");
        QTEST(f.model->NumSegments, "rows");
    }

    void stepSnapsToOneOfThree_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter"); // else by leaving the box
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("points");
        QTest::newRow("0.3") << "0.3" << true << "0.25" << 1440;
        QTest::newRow("0.6") << "0.6" << false << "0.5" << 720;
        QTest::newRow("2") << "2" << true << "1.0" << 360;
    }
    void stepSnapsToOneOfThree() {
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(List(s, "cmb_Delta"), typed);
        if (byEnter)
            QTest::keyClick(List(s, "cmb_Delta"), Qt::Key_Return);
        else
            Leave(s);
        QTEST(List(s, "cmb_Delta")->currentText(), "shown");
        QTEST(f.model->NumPoints, "points");
        QCOMPARE(List(s, "cmb_Delta")->count(), 3); // typing never adds to the list
        QVERIFY(s->isVisible()); // Enter pressed no button
    }

    void betaOutsideItsRangeIsRefused() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(Box(s, "txt_Beta", 0), "400");
        QTest::keyClick(Box(s, "txt_Beta", 0), Qt::Key_Return);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text, kBetaRange);
        QCOMPARE(f.host.messages[0].icon, model::Icon::Exclamation);
        QVERIFY(!List(s, "cmb_Motion", 0)->isEnabled());
        // Leaving the box right after Enter does not repeat the refusal.
        Leave(s);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        Type(Box(s, "txt_Beta", 0), "360");
        Leave(s);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QVERIFY(List(s, "cmb_Motion", 0)->isEnabled());
    }

    void endAngleBeyond360IsRefused() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(Box(s, "txt_Segmts"), "3");
        for (int row = 0; row < 3; ++row) {
            Type(Box(s, "txt_Beta", row), row < 2 ? "90" : "200");
            Leave(s);
        }
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text, kEndAngle);
        QCOMPARE(Box(s, "txt_Beta", 2)->text(), QString());
        QCOMPARE(LabelText(s, "lbl_End", 2), QString());
        QCOMPARE(LabelText(s, "lbl_End", 1), QString("180."));
        QVERIFY(!List(s, "cmb_Motion", 2)->isEnabled());
    }

    void camSpeedChangeInvalidatesEveryRow() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        TypeProgram(s, {{"180", "r", "cf", "0", "1"}, {"180", "f", "cf", "", "0"}});
        QVERIFY(Button(s, "cmd_Done")->isEnabled());
        Type(Box(s, "txt_Omega"), "60");
        Leave(s);
        for (int row = 0; row < 2; ++row) {
            QVERIFY(Button(s, "cmd_CalcSeg", row)->isEnabled());
            QVERIFY(!f.model->SegDone[row]);
        }
        QVERIFY(!Button(s, "cmd_Done")->isEnabled());
        QVERIFY(Button(s, "cmd_CalcAll")->isEnabled());
        // 60 rpm = 2 pi rad/s (60 x 3.141592654 / 30).
        QVERIFY(std::abs(f.model->CamOmega - 6.2831853f) < 1e-6f);
        QCOMPARE(f.model->Results[1][90], 0.0f); // the old points are gone

        QTest::mouseClick(Button(s, "cmd_CalcAll"), Qt::LeftButton);
        QVERIFY(Button(s, "cmd_Done")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Button(s, "cmd_Done"));
        // Cycloid rise of 1 over 180 degrees at its middle: V = (h / beta) (1 - cos(pi)) x
        // omega = (1 / pi) x 2 x 2 pi = 4 per second.
        QVERIFY(std::abs(f.model->Results[2][90] - 4.0f) < 1e-5f);
    }

    void lawIsTypedByItsCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("law");
        QTest::addColumn<QString>("motion");
        QTest::newRow("cf") << "cf" << "CF - Cycloid Full" << "Rise";
        QTest::newRow("45") << "45" << "45 - 345 Poly" << "Rise";
        QTest::newRow("S1") << "S1" << "S1 - SHM 1st Half" << "Rise";
        QTest::newRow("dw") << "dw" << "DW - Dwell" << "Dwell";
        QTest::newRow("no law") << "xy" << "" << "Rise";
    }
    void lawIsTypedByItsCode() {
        QFETCH(QString, code);
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(Box(s, "txt_Beta", 0), "90");
        QTest::keyClick(Box(s, "txt_Beta", 0), Qt::Key_Tab);
        QTest::keyClicks(List(s, "cmb_Motion", 0), "r");
        Type(List(s, "cmb_Program", 0), code);
        Leave(s); // a text naming no law gives way to the row's law again
        QTEST(List(s, "cmb_Program", 0)->currentText(), "law");
        QTEST(List(s, "cmb_Motion", 0)->currentText(), "motion");
        QCOMPARE(List(s, "cmb_Program", 0)->count(), 13);
    }

    void followerMotionChangesTheUnit() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        QTest::mouseClick(Get<QRadioButton>(s, "opt_Folmotion_1"), Qt::LeftButton);
        QVERIFY(!f.model->Translating);
        QCOMPARE(LabelText(s, "lbl_Unit"), QString("(deg)"));
        QCOMPARE(f.model->UnitLabel[2], std::string("deg/sec"));
        QTest::mouseClick(Get<QRadioButton>(s, "opt_Folmotion_0"), Qt::LeftButton);
        QCOMPARE(LabelText(s, "lbl_Unit"), QString("(in)"));
    }

    void clearAllStartsOver() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(Box(s, "txt_Omega"), "100");
        Leave(s);
        Type(List(s, "cmb_Delta"), "0.5");
        Leave(s);
        TypeProgram(s, {{"180", "r", "cf", "0", "1"}, {"180", "f", "cf", "", "0"}});
        QTest::mouseClick(Button(s, "cmd_Clear_SVAJ"), Qt::LeftButton);
        QCOMPARE(Box(s, "txt_Omega")->text(), QString("1"));
        QCOMPARE(Box(s, "txt_Segmts")->text(), QString("1"));
        QCOMPARE(List(s, "cmb_Delta")->currentText(), QString("1"));
        QCOMPARE(VisibleRows(s), 1);
        QCOMPARE(Box(s, "txt_Beta", 0)->text(), QString());
        QCOMPARE(List(s, "cmb_Motion", 0)->currentIndex(), -1);
        QCOMPARE(LabelText(s, "lbl_Start", 0), QString("0"));
        QCOMPARE(LabelText(s, "lbl_End", 0), QString());
        QVERIFY(!Button(s, "cmd_Done")->isEnabled());
        QVERIFY(!f.model->SegDone[0]);
        QCOMPARE(QApplication::focusWidget(), Box(s, "txt_Omega"));
    }

    // The same program one unit higher has no position at zero.
    void doneRefusesAProgramAboveZero() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        TypeProgram(s, {{"90", "r", "cf", "1", "2"}, {"90", "f", "ms", "", "1"},
                        {"180", "d", "", "", ""}});
        QVERIFY(Button(s, "cmd_Done")->isEnabled());
        QTest::mouseClick(Button(s, "cmd_Done"), Qt::LeftButton);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text,
                 std::string("There is something wrong with your Position data.\r\r"
                             "The smallest Start or End value of all the segment Positions \r"
                             "over the whole cam should be zero, but it is not.  Please change\r"
                             "the Position Start and End data and redo the calculations\r"
                             "such that the smallest of your Start  and/or End Positions are "
                             "zero."));
        QCOMPARE(f.host.messages[0].icon, model::Icon::Exclamation);
        QVERIFY(s->isVisible());
        QVERIFY(!f.model->SvajDone);
        QVERIFY(!Button(s, "cmd_Done")->isEnabled());
        for (int row = 0; row < 3; ++row)
            QVERIFY(Button(s, "cmd_CalcSeg", row)->isEnabled());
    }

    void polynomialRowWithoutBoundaryScreenSaysSo() {
        UiFixture f;
        f.navigator.registerScreen(ScreenId::Bounds, {});
        ui::InputDataScreen* s = Open(f);
        Type(Box(s, "txt_Beta", 0), "360");
        QTest::keyClick(Box(s, "txt_Beta", 0), Qt::Key_Tab);
        QTest::keyClicks(List(s, "cmb_Motion", 0), "p");
        QCOMPARE(List(s, "cmb_Program", 0)->currentText(), QString("PO - Polynomial"));
        QVERIFY(Box(s, "txt_Low", 0)->isEnabled());
        QVERIFY(Box(s, "txt_High", 0)->isEnabled());
        Type(Box(s, "txt_Low", 0), "0");
        Type(Box(s, "txt_High", 0), "1");
        QTest::mouseClick(Button(s, "cmd_CalcSeg", 0), Qt::LeftButton);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text,
                 std::string("Segment 1 is a polynomial: its boundary conditions are entered "
                             "on the boundary-condition screen, which this version of the "
                             "program does not include.\rThe segment has not been calculated."));
        QCOMPARE(f.host.messages[0].icon, model::Icon::Information);
        QVERIFY(!f.model->SegDone[0]);
        QVERIFY(Button(s, "cmd_CalcSeg", 0)->isEnabled());
        QVERIFY(!Button(s, "cmd_Done")->isEnabled());
        QVERIFY(f.navigator.shown == std::vector<ScreenId>{ScreenId::InputData});
    }

    void polynomialRowIsSolvedOnTheBoundaryScreen() {
        UiFixture f;
        f.navigator.registerScreen(ScreenId::Bounds, ui::Make<SolvingBounds>);
        ui::InputDataScreen* s = Open(f);
        Type(Box(s, "txt_Beta", 0), "360");
        QTest::keyClick(Box(s, "txt_Beta", 0), Qt::Key_Tab);
        QTest::keyClicks(List(s, "cmb_Motion", 0), "p");
        Type(Box(s, "txt_Low", 0), "0");
        Type(Box(s, "txt_High", 0), "1");
        QTest::mouseClick(Button(s, "cmd_CalcSeg", 0), Qt::LeftButton);
        QVERIFY2(f.host.messages.empty(), f.host.messages.empty() ? "" : f.host.lastText().c_str());
        QCOMPARE(f.screen<SolvingBounds>(ScreenId::Bounds)->opened, 1);
        QVERIFY(f.model->SegDone[0]);
        // The End typed on the row gives way to the condition typed at the segment's end.
        QCOMPARE(Box(s, "txt_High", 0)->text(), QString("2"));
        QVERIFY(Button(s, "cmd_Done")->isEnabled());
        // S = 2 x with x = theta / 360: 1 at 180 degrees.
        QVERIFY(std::abs(f.model->Results[1][180] - 1.0f) < 1e-6f);

        // Calc All takes the same way; the stored, unchanged conditions need no screen.
        QTest::mouseClick(Button(s, "cmd_CalcAll"), Qt::LeftButton);
        QCOMPARE(f.screen<SolvingBounds>(ScreenId::Bounds)->opened, 1);
        QVERIFY(Button(s, "cmd_Done")->isEnabled());
    }

    void exampleFillsTheRows() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        QComboBox* examples = List(s, "cmb_Examples");
        QVERIFY(examples->isEnabled());
        QCOMPARE(examples->itemText(0), QString("Single Dwell - Offset Translating Follower"));
        examples->setFocus();
        QTest::keyClick(examples, Qt::Key_Down); // the first example
        QCOMPARE(Box(s, "txt_Segmts")->text(), QString("3"));
        QCOMPARE(VisibleRows(s), 3);
        QCOMPARE(Box(s, "txt_Beta", 2)->text(), QString("180"));
        QCOMPARE(List(s, "cmb_Motion", 0)->currentText(), QString("Rise"));
        QCOMPARE(List(s, "cmb_Program", 1)->currentText(), QString("DH - Double Harmonic"));
        QCOMPARE(Box(s, "txt_High", 0)->text(), QString("1"));
        QCOMPARE(examples->currentIndex(), -1);
        QVERIFY(Button(s, "cmd_Done")->isEnabled());
        QVERIFY(!Button(s, "cmd_CalcSeg", 0)->isEnabled());
        // Done keeps what the example computed beyond the motion program.
        QTest::mouseClick(Button(s, "cmd_Done"), Qt::LeftButton);
        QVERIFY(f.model->SvajDone);
        QVERIFY(f.model->ProfileDone);
    }

    void escapeCancels() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        f.model->ExampleLoaded = true;
        QTest::keyClick(s, Qt::Key_Escape);
        QVERIFY(!s->isVisible());
        QVERIFY(!f.model->ExampleLoaded);
    }

    // A model filled elsewhere (a file, an example, New) shows when the screen comes back.
    void reopeningShowsAModelFilledElsewhere() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        QTest::mouseClick(Button(s, "cmd_Cancel"), Qt::LeftButton);
        f.model->SegmentsText = "2";
        f.model->NumSegments = 2;
        f.model->SegBetaText[2] = "120";
        s = Open(f);
        QCOMPARE(VisibleRows(s), 2);
        QCOMPARE(Box(s, "txt_Beta", 1)->text(), QString("120"));
        QVERIFY(List(s, "cmb_Motion", 1)->isEnabled());
        QVERIFY(!List(s, "cmb_Motion", 0)->isEnabled());
    }
};

TROCHIX_UI_TEST(InputDataScreenTest)
#include "InputDataScreenTest.moc"
