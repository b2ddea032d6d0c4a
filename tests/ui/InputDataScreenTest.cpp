// The input screen driven through its controls: typed keys, focus changes and clicks.
#include "ui/screens/InputDataScreen.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/AlignedPlotView.h"
#include "ui/DrawingSurface.h"
#include "ui/screens/BoundsScreen.h"
#include "ui/screens/ProgramPreviewPanel.h"

#include <QAbstractItemView>
#include <QLabel>

#include <array>
#include <cmath>
#include <tuple>

using namespace trochix;
using namespace trochix::uitest;

namespace {

ui::InputDataScreen* Open(UiFixture& f) {
    return f.open<ui::InputDataScreen>(ScreenId::InputData);
}

QWidget* Get(QWidget* s, const char* name, int row = -1) {
    return Child(s, row < 0 ? QString(name) : IndexedName(name, row));
}

// The focus moves on to a control that commits nothing.
void Leave(QWidget* s) {
    Get(s, "cmd_Copy")->setFocus(Qt::MouseFocusReason);
}

int VisibleRows(QWidget* s) {
    int n = 0;
    for (int row = 0; row < model::kMaxSegments; ++row)
        n += Get(s, "txt_Beta", row)->isVisibleTo(s) ? 1 : 0;
    return n;
}

void Tab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Types a row with the keyboard: Beta, motion letter, law code, Start, End (each when given).
void TypeRow(QWidget* s, int row, const char* beta, const char* motion, const char* law,
             const char* start, const char* end) {
    Type(Get(s, "txt_Beta", row), beta);
    Tab();
    QTest::keyClicks(Get(s, "cmb_Motion", row), motion);
    if (*law) {
        Tab();
        QTest::keyClicks(Get(s, "cmb_Program", row), law);
    }
    Tab();
    if (*start)
        Type(Get(s, "txt_Low", row), start);
    if (*end) {
        Tab();
        Type(Get(s, "txt_High", row), end);
    }
}

// Types the segment count and a whole program, calculating each row as it is typed.
void TypeProgram(QWidget* s, std::initializer_list<std::array<const char*, 5>> rows) {
    Type(Get(s, "txt_Segmts"), QString::number(rows.size()));
    int row = 0;
    for (const auto& r : rows) {
        TypeRow(s, row, r[0], r[1], r[2], r[3], r[4]);
        QTest::mouseClick(Get(s, "cmd_CalcSeg", row++), Qt::LeftButton);
    }
}

// Answers the boundary-condition screen whenever it opens: the count, then "box=value" pairs
// typed and confirmed with Enter, then Done. Counts the openings.
struct BoundsAnswers {
    QString count;
    std::vector<std::pair<const char*, const char*>> boxes;
    int opened = 0;
    void install(UiFixture& f) {
        f.navigator.onPresent = [this](ScreenId id, QWidget& bounds) {
            if (id != ScreenId::Bounds)
                return;
            ++opened;
            Type(Child(&bounds, "txt_NoConds"), count);
            QTest::keyClick(Child(&bounds, "txt_NoConds"), Qt::Key_Return);
            for (const auto& [name, value] : boxes) {
                Type(Child(&bounds, name), value);
                QTest::keyClick(Child(&bounds, name), Qt::Key_Return);
            }
            Click(&bounds, "cmd_Done");
        };
    }
};

} // namespace

class InputDataScreenTest : public QObject {
    Q_OBJECT
private slots:
    // A fresh screen: one row, only its Beta open, nothing to calculate or complete.
    void captionsAndAFreshScreen() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        ExpectTexts(s, {{"cmd_ClearSegs", "Clear &Segs"},
                        {"cmd_CalcAll", "Ca&lc All"},
                        {"cmd_Clear_SVAJ", "Clear &All"},
                        {"cmd_Cancel", "Ca&ncel"},
                        {"cmd_Done", "&Done"},
                        {"cmd_PlotPrint", "&Print Form"},
                        {"lbl_OmegaUnit", "Cam Omega (rpm)"},
                        {"lbl_Unit", "(in)"}});
        QCOMPARE(Child<QComboBox>(s, "cmb_Program_15")->itemText(3),
                 QString("C1 - Cycloid 1st Half "));
        QCOMPARE(Child<QComboBox>(s, "cmb_Motion_15")->itemText(3), QString("Dwell"));
        QCOMPARE(VisibleRows(s), 1);
        QCOMPARE(EnabledFlags(s, {"txt_Beta_0", "cmb_Motion_0", "cmb_Program_0", "txt_Low_0",
                                  "txt_High_0", "cmd_CalcSeg_0", "cmd_PlotSeg_0", "cmd_PrntSeg_0",
                                  "cmd_CalcAll", "cmd_Done"}),
                 QString("1000000000"));
        // The access key of the disabled Done types nothing into the box.
        Type(Get(s, "txt_Beta", 0), "90");
        QTest::keyClick(Get(s, "txt_Beta", 0), Qt::Key_D, Qt::AltModifier);
        ExpectTexts(s, {{"txt_Beta_0", "90"}});
    }

    // Rise 0 -> 1 (full cycloid, 90), fall 1 -> 0 (modified sine, 90), dwell at 0 (180).
    void threeRowProgramTypedRowByRow() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(Get(s, "txt_Segmts"), "3");
        QTest::keyClick(Get(s, "txt_Segmts"), Qt::Key_Tab);
        QCOMPARE(VisibleRows(s), 3);
        // Row 0, one input after the other: each opens the next.
        Type(Get(s, "txt_Beta", 0), "90");
        QVERIFY(!Get(s, "cmb_Motion", 0)->isEnabled());
        QTest::keyClick(Get(s, "txt_Beta", 0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Get(s, "cmb_Motion", 0));
        QTest::keyClicks(Get(s, "cmb_Motion", 0), "r");
        ExpectTexts(s, {{"lbl_End_0", "90."}, {"cmb_Motion_0", "Rise"}});
        QCOMPARE(EnabledFlags(s, {"cmb_Program_0", "txt_Low_0"}), QString("10"));
        Tab();
        QTest::keyClicks(Get(s, "cmb_Program", 0), "cf"); // a law typed by its code
        ExpectTexts(s, {{"cmb_Program_0", "CF - Cycloid Full"}});
        QCOMPARE(EnabledFlags(s, {"txt_Low_0", "txt_High_0"}), QString("10"));
        QTest::mouseClick(Get(s, "txt_Low", 0), Qt::LeftButton);
        QVERIFY(Get(s, "txt_High", 0)->isEnabled());
        Type(Get(s, "txt_Low", 0), "0");
        QVERIFY(!Get(s, "cmd_CalcSeg", 0)->isEnabled());
        Type(Get(s, "txt_High", 0), "1");
        ExpectTexts(s, {{"txt_Low_1", "1"}}); // End joins the next Start
        QTest::mouseClick(Get(s, "cmd_CalcSeg", 0), Qt::LeftButton);
        QVERIFY(f.model->SegDone[0]);
        // Calculated: the row can be plotted.
        QCOMPARE(EnabledFlags(s, {"cmd_CalcSeg_0", "cmd_PlotSeg_0"}), QString("01"));

        TypeRow(s, 1, "90", "f", "ms", "", "0");
        ExpectTexts(s, {{"txt_Low_2", "0"}});
        QTest::mouseClick(Get(s, "cmd_CalcSeg", 1), Qt::LeftButton);
        // The dwell holds the level its Start was given: End follows, and Calc is ready.
        TypeRow(s, 2, "180", "d", "", "", "");
        ExpectTexts(s, {{"cmb_Program_2", "DW - Dwell"},
                        {"txt_High_2", "0"},
                        {"lbl_Start_2", "180."},
                        {"lbl_End_2", "360."}});
        QCOMPARE(EnabledFlags(s, {"cmb_Program_2", "cmd_Done"}), QString("00"));
        Get(s, "cmd_CalcSeg", 2)->setFocus();
        QTest::keyClick(Get(s, "cmd_CalcSeg", 2), Qt::Key_Return);
        QVERIFY(Get(s, "cmd_Done")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Get(s, "cmd_Done"));
        QVERIFY(f.host.messages.empty());
        // Midpoints of the symmetric rise and fall are half the lift (cycloid: x - sin(2 pi
        // x) / 2 pi at x = 1/2; the modified sine is point-symmetric about its middle).
        QVERIFY(std::abs(f.model->Results[1][45] - 0.5f) < 1e-6f);
        QVERIFY(std::abs(f.model->Results[1][135] - 0.5f) < 1e-6f);
        QCOMPARE(f.model->Results[1][270], 0.0f);

        QTest::mouseClick(Get(s, "cmd_Done"), Qt::LeftButton);
        QVERIFY(f.model->SvajDone && !s->isVisible());
        QVERIFY(f.navigator.lastShownIs(ScreenId::Continuity));
    }

    // The count is clamped to 1..16 and the step snaps to one of three, each on Enter or on
    // leaving; typing never adds to the list nor presses a button.
    void segmentCountAndStepSnap() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        for (const auto& [typed, shown] : {std::pair{"0", "1"}, {"20", "16"}, {"7", "7"}}) {
            Type(Get(s, "txt_Segmts"), typed);
            if (shown == std::string("16"))
                Leave(s);
            else
                QTest::keyClick(Get(s, "txt_Segmts"), Qt::Key_Return);
            ExpectTexts(s, {{"txt_Segmts", shown}});
            QCOMPARE(VisibleRows(s), QString(shown).toInt());
            QCOMPARE(f.model->NumSegments, QString(shown).toInt());
        }
        auto* delta = Child<QComboBox>(s, "cmb_Delta");
        for (const auto& [typed, byEnter, shown, points] : {std::tuple{"0.3", true, "0.25", 1440},
                                                            {"0.6", false, "0.5", 720},
                                                            {"2", true, "1.0", 360}}) {
            Type(delta, typed);
            if (byEnter)
                QTest::keyClick(delta, Qt::Key_Return);
            else
                Leave(s);
            QCOMPARE(delta->currentText(), QString(shown));
            QCOMPARE(f.model->NumPoints, points);
        }
        QCOMPARE(delta->count(), 3);
        QVERIFY(s->isVisible());
    }

    // Beta 400 is refused once (Enter, then leaving the box, says it only once); a third row
    // of 200 after 90 + 90 would end at 380 degrees.
    void anglesBeyondTheRevolutionAreRefused() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(Get(s, "txt_Beta", 0), "400");
        QTest::keyClick(Get(s, "txt_Beta", 0), Qt::Key_Return);
        Leave(s);
        QCOMPARE(f.texts(), Strings{"Beta cannot be > 360 or < 0"});
        QCOMPARE(f.host.messages[0].icon, model::Icon::Exclamation);
        QVERIFY(!Get(s, "cmb_Motion", 0)->isEnabled());
        Type(Get(s, "txt_Beta", 0), "360");
        Leave(s);
        QVERIFY(Get(s, "cmb_Motion", 0)->isEnabled());

        f.host.answers = {model::Answer::Yes}; // the Beta typed in row 0 may go
        Type(Get(s, "txt_Segmts"), "3");
        Leave(s);
        f.host.clear();
        for (int row = 0; row < 3; ++row) {
            Type(Get(s, "txt_Beta", row), row < 2 ? "90" : "200");
            Leave(s);
        }
        QCOMPARE(f.texts(), Strings{"End angle cannot be > 360 deg"});
        ExpectTexts(s, {{"txt_Beta_2", ""}, {"lbl_End_2", ""}, {"lbl_End_1", "180."}});
        QVERIFY(!Get(s, "cmb_Motion", 2)->isEnabled());
    }

    // A box that holds no number refuses it as it refuses a value out of range: its message,
    // the value the model keeps back in the box, the focus back. Letters were read as 0: a Beta
    // of 0 degrees, a segment count of 1, or a cam speed of "abc" computed at 1 rad/s.
    void lettersAreRefusedNeverReadAsZero() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        model::CamModel& m = *f.model;
        Type(Get(s, "txt_Beta", 0), "abc");
        Leave(s);
        QCOMPARE(f.texts(), Strings{"Beta cannot be > 360 or < 0"});
        QCOMPARE(f.host.messages[0].icon, model::Icon::Exclamation);
        ExpectTexts(s, {{"txt_Beta_0", ""}});
        QVERIFY(!Get(s, "cmb_Motion", 0)->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), Get(s, "txt_Beta", 0));
        Type(Get(s, "txt_Beta", 0), "90");
        Leave(s);
        Type(Get(s, "txt_Beta", 0), "9o");
        Leave(s);
        QCOMPARE(f.texts(),
                 Strings({"Beta cannot be > 360 or < 0", "Beta cannot be > 360 or < 0"}));
        ExpectTexts(s, {{"txt_Beta_0", "90"}, {"lbl_End_0", "90."}});
        QCOMPARE(m.SegBeta[1], 90.0f);
        QVERIFY(Get(s, "cmb_Motion", 0)->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), Get(s, "txt_Beta", 0));

        f.host.clear();
        const float omega = m.CamOmega;
        for (const char* speed : {"abc", "0", ""}) {
            Type(Get(s, "txt_Omega"), speed);
            Leave(s);
            ExpectTexts(s, {{"txt_Omega", "1"}});
            QCOMPARE(m.CamOmega, omega);
            QTRY_COMPARE(QApplication::focusWidget(), Get(s, "txt_Omega"));
        }
        QCOMPARE(f.texts(), Strings(3, " Shaft Omega cannot be zero - Please check"));

        f.host.clear();
        Type(Get(s, "txt_Segmts"), "two");
        Leave(s);
        ExpectTexts(s, {{"txt_Segmts", "1"}, {"txt_Beta_0", "90"}});
        QCOMPARE(m.NumSegments, 1);

        // A rise whose End is no number is not calculated at 0.
        Type(Get(s, "txt_Beta", 0), "360");
        Leave(s);
        TypeRow(s, 0, "360", "r", "cf", "0", "1in");
        QTest::mouseClick(Get(s, "cmd_CalcSeg", 0), Qt::LeftButton);
        QCOMPARE(f.texts(), Strings{"Segment 1 has a Start or End position that is not a number "
                                    "- please correct it before calculating"});
        QVERIFY(!m.SegDone[0]);
        QVERIFY(Get(s, "cmd_CalcSeg", 0)->isEnabled());
        Type(Get(s, "txt_High", 0), "1");
        QTest::mouseClick(Get(s, "cmd_CalcSeg", 0), Qt::LeftButton);
        QVERIFY(m.SegDone[0]);
    }

    // A changed cam speed invalidates every row; without the continuity screen Done then
    // returns to the home screen, whose commands follow.
    void camSpeedChangeInvalidatesEveryRow() {
        UiFixture f;
        f.standIns({ScreenId::SizeCam});
        f.navigator.registerScreen(ScreenId::Continuity, {});
        QVERIFY(!Child(f.home(), "cmd_SizeCam")->isEnabled());
        ui::InputDataScreen* s = Open(f);
        TypeProgram(s, {{"180", "r", "cf", "0", "1"}, {"180", "f", "cf", "", "0"}});
        QVERIFY(Get(s, "cmd_Done")->isEnabled());
        Type(Get(s, "txt_Omega"), "60");
        Leave(s);
        QCOMPARE(EnabledFlags(s, {"cmd_CalcSeg_0", "cmd_CalcSeg_1", "cmd_CalcAll", "cmd_Done"}),
                 QString("1110"));
        QVERIFY(!f.model->SegDone[0] && !f.model->SegDone[1]);
        // 60 rpm = 2 pi rad/s (60 x 3.141592654 / 30).
        QVERIFY(std::abs(f.model->CamOmega - 6.2831853f) < 1e-6f);
        QCOMPARE(f.model->Results[1][90], 0.0f); // the old points are gone

        QTest::mouseClick(Get(s, "cmd_CalcAll"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), Get(s, "cmd_Done"));
        // Cycloid rise of 1 over 180 degrees at its middle: V = (h / beta) (1 - cos(pi)) x
        // omega = (1 / pi) x 2 x 2 pi = 4 per second.
        QVERIFY(std::abs(f.model->Results[2][90] - 4.0f) < 1e-5f);
        // Editing a calculated row's End invalidates it and moves the next row's Start.
        Type(Get(s, "txt_High", 0), "2");
        ExpectTexts(s, {{"txt_Low_1", "2"}});
        QCOMPARE(EnabledFlags(s, {"cmd_CalcSeg_0", "cmd_Done"}), QString("10"));
        QTest::mouseClick(Get(s, "cmd_CalcAll"), Qt::LeftButton);
        QTest::keyClick(Get(s, "cmd_Done"), Qt::Key_Return);
        QVERIFY(!s->isVisible() && !f.navigator.lastShownIs(ScreenId::Continuity));
        QVERIFY(Child(f.home(), "cmd_SizeCam")->isEnabled());
    }

    // A text naming no law gives way to the row's law when the list is left; the dwell's code
    // also sets the motion. The oscillating follower's unit is the degree.
    void lawCodesAndFollowerMotion() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        TypeRow(s, 0, "90", "r", "", "", "");
        for (const auto& [code, law, motion] : {std::tuple{"xy", "", "Rise"},
                                                {"45", "45 - 345 Poly", "Rise"},
                                                {"xy", "45 - 345 Poly", "Rise"},
                                                {"dw", "DW - Dwell", "Dwell"}}) {
            Type(Get(s, "cmb_Program", 0), code);
            Leave(s);
            ExpectTexts(s, {{"cmb_Program_0", law}, {"cmb_Motion_0", motion}});
        }
        QCOMPARE(Child<QComboBox>(s, "cmb_Program_0")->count(), 13);

        QTest::mouseClick(Get(s, "opt_Folmotion_1"), Qt::LeftButton);
        QVERIFY(!f.model->Translating);
        QCOMPARE(f.model->UnitLabel[2], std::string("deg/sec"));
        ExpectTexts(s, {{"lbl_Unit", "(deg)"}});
        QTest::mouseClick(Get(s, "opt_Folmotion_0"), Qt::LeftButton);
        ExpectTexts(s, {{"lbl_Unit", "(in)"}});
    }

    // A program one unit higher has no position at zero: Done refuses it. Clear All starts
    // over; Escape cancels; a model filled elsewhere shows when the screen comes back.
    void refusedDoneClearAllAndCancel() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Type(Get(s, "txt_Omega"), "100");
        Type(Get(s, "cmb_Delta"), "0.5");
        TypeProgram(
            s, {{"90", "r", "cf", "1", "2"}, {"90", "f", "ms", "", "1"}, {"180", "d", "", "", ""}});
        QTest::mouseClick(Get(s, "cmd_Done"), Qt::LeftButton);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QVERIFY(s->isVisible() && !f.model->SvajDone);
        QCOMPARE(EnabledFlags(s, {"cmd_CalcSeg_0", "cmd_CalcSeg_1", "cmd_CalcSeg_2", "cmd_Done"}),
                 QString("1110"));

        QTest::mouseClick(Get(s, "cmd_Clear_SVAJ"), Qt::LeftButton);
        ExpectTexts(s, {{"txt_Omega", "1"},
                        {"txt_Segmts", "1"},
                        {"cmb_Delta", "1"},
                        {"txt_Beta_0", ""},
                        {"cmb_Motion_0", ""},
                        {"lbl_End_0", ""}});
        QCOMPARE(VisibleRows(s), 1);
        QVERIFY(!Get(s, "cmd_CalcSeg", 0)->isEnabled() && !f.model->SegDone[0]);
        QCOMPARE(QApplication::focusWidget(), Get(s, "txt_Omega"));

        f.model->ExampleLoaded = true;
        QTest::keyClick(s, Qt::Key_Escape);
        QVERIFY(!s->isVisible() && !f.model->ExampleLoaded);
        f.model->SegmentsText = "2";
        f.model->NumSegments = 2;
        f.model->SegBetaText[2] = "120";
        s = Open(f);
        QCOMPARE(VisibleRows(s), 2);
        ExpectTexts(s, {{"txt_Beta_1", "120"}});
        QCOMPARE(EnabledFlags(s, {"cmb_Motion_0", "cmb_Motion_1"}), QString("01"));
    }

    // Without the boundary-condition screen a polynomial row says why it is not calculated.
    // With it, filled as a user would: S = 0 at the start (preset) and S = 2 at the end.
    void polynomialRowIsSolvedOnTheBoundaryScreen() {
        UiFixture f;
        f.navigator.registerScreen(ScreenId::Bounds, {});
        ui::InputDataScreen* s = Open(f);
        TypeRow(s, 0, "360", "p", "", "0", "1");
        ExpectTexts(s, {{"cmb_Program_0", "PO - Polynomial"}});
        QTest::mouseClick(Get(s, "cmd_CalcSeg", 0), Qt::LeftButton);
        QCOMPARE(f.texts(),
                 Strings{"Segment 1 is a polynomial: its boundary conditions are entered on the "
                         "boundary-condition screen, which this version of the program does not "
                         "include.\rThe segment has not been calculated."});
        QVERIFY(!f.model->SegDone[0]);
        QCOMPARE(EnabledFlags(s, {"cmd_CalcSeg_0", "cmd_Done"}), QString("10"));

        f.host.clear();
        f.navigator.registerScreen(ScreenId::Bounds, ui::Make<ui::BoundsScreen>);
        int opened = 0;
        f.navigator.onPresent = [&](ScreenId id, QWidget& bounds) {
            if (id != ScreenId::Bounds)
                return;
            ++opened;
            Type(Child(&bounds, "txt_NoConds"), "2");
            QTest::keyClick(Child(&bounds, "txt_NoConds"), Qt::Key_Return);
            Type(Child(&bounds, "txt_Sbound_4"), "2");
            Click(&bounds, "cmd_Done");
        };
        QTest::mouseClick(Get(s, "cmd_CalcSeg", 0), Qt::LeftButton);
        QCOMPARE(f.texts(), Strings());
        QCOMPARE(opened, 1);
        QVERIFY(f.navigator.lastShownIs(ScreenId::Poly) && f.model->SegDone[0]);
        // The End typed on the row gives way to the condition typed at the segment's end.
        ExpectTexts(s, {{"txt_High_0", "2"}});
        QVERIFY(Get(s, "cmd_Done")->isEnabled());
        // S = 2 x with x = theta / 360: 1 at 180 degrees.
        QVERIFY(std::abs(f.model->Results[1][180] - 1.0f) < 1e-6f);
        // Calc All takes the same way; the stored, unchanged conditions need no screen.
        QTest::mouseClick(Get(s, "cmd_CalcAll"), Qt::LeftButton);
        QCOMPARE(opened, 1);
        QVERIFY(Get(s, "cmd_Done")->isEnabled());
    }

    // Done keeps what the example computed beyond the motion program.
    void exampleFillsTheRows() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        Get(s, "cmb_Examples")->setFocus();
        QTest::keyClick(Get(s, "cmb_Examples"), Qt::Key_Down); // the first example
        ExpectTexts(s, {{"txt_Segmts", "3"},
                        {"txt_Beta_2", "180"},
                        {"txt_High_0", "1"},
                        {"cmb_Program_1", "DH - Double Harmonic"},
                        {"cmb_Examples", ""}});
        QCOMPARE(VisibleRows(s), 3);
        QCOMPARE(EnabledFlags(s, {"cmd_CalcSeg_0", "cmd_Done"}), QString("01"));
        QTest::mouseClick(Get(s, "cmd_Done"), Qt::LeftButton);
        QVERIFY(f.model->SvajDone && f.model->ProfileDone);
    }

    // A row's Print, once the row is calculated: the segment's S, V, A, J with two decimals on
    // the output screen; a polynomial row shows its coefficients first. Segment 1 rises by a
    // full cycloid from 0 to 1 over 90 degrees (0.5 at 45); segment 3 falls from 1 to 0 over
    // 180 degrees by the 3-4-5 polynomial (0.5 at its middle, 270, where V = -1.875 h / beta
    // times the cam speed, pi / 30 at 1 rpm: -0.0625 per second).
    void rowPrintShowsTheSegmentTable() {
        UiFixture f;
        f.home();
        BoundsAnswers answers{"6",
                              {{"txt_Vbound_0", "0"},
                               {"txt_Abound_0", "0"},
                               {"txt_Vbound_4", "0"},
                               {"txt_Abound_4", "0"}}};
        answers.install(f);
        ui::InputDataScreen* s = Open(f);
        Type(Get(s, "txt_Segmts"), "3");
        TypeRow(s, 0, "90", "r", "cf", "0", "1");
        QCOMPARE(EnabledFlags(s, {"cmd_PrntSeg_0"}), QString("0"));
        QTest::mouseClick(Get(s, "cmd_CalcSeg", 0), Qt::LeftButton);
        QCOMPARE(EnabledFlags(s, {"cmd_PrntSeg_0", "cmd_PlotSeg_0"}), QString("11"));
        TypeRow(s, 1, "90", "d", "", "", "");
        QTest::mouseClick(Get(s, "cmd_CalcSeg", 1), Qt::LeftButton);
        TypeRow(s, 2, "180", "p", "", "", "0");
        QTest::mouseClick(Get(s, "cmd_CalcSeg", 2), Qt::LeftButton);
        QCOMPARE(answers.opened, 1);
        QCOMPARE(EnabledFlags(s, {"cmd_PrntSeg_0", "cmd_PrntSeg_1", "cmd_PrntSeg_2"}),
                 QString("111"));

        const auto cell = [&](int row, int column) {
            QWidget* out = f.navigator.screen(ScreenId::PrintData);
            return Child<QAbstractItemView>(out, "grd_Data")
                ->model()
                ->index(row, column)
                .data()
                .toString();
        };
        const auto rowOf = [&](int row) {
            QStringList cells;
            for (int c = 0; c < 5; ++c)
                cells << cell(row, c);
            return cells;
        };
        const int polyTables = f.navigator.timesShown(ScreenId::Poly); // the solve showed one
        QTest::mouseClick(Get(s, "cmd_PrntSeg", 0), Qt::LeftButton);
        QVERIFY(f.navigator.lastShownIs(ScreenId::PrintData));
        QCOMPARE(f.navigator.timesShown(ScreenId::Poly), polyTables);
        QWidget* out = f.navigator.screen(ScreenId::PrintData);
        QCOMPARE(Child<QAbstractItemView>(out, "grd_Data")->model()->rowCount(), 4 + 91);
        QCOMPARE(rowOf(0), QStringList({"Angle", "Displcmt", "Velocity", "Accel", "Jerk"}));
        QCOMPARE(rowOf(1), QStringList({"deg", "in", "in/sec", "in/sec^2", "in/sec^3"}));
        QCOMPARE(cell(2, 1) + " " + cell(3, 1), QString("0.00 1.00"));
        QCOMPARE(cell(4 + 45, 0) + " " + cell(4 + 45, 1), QString("45.00 0.50"));
        QCOMPARE(cell(4 + 90, 0), QString("90.00"));
        ExpectTexts(out, {{"lbl_HdrSegment", "1"}, {"lbl_HdrStart", "0"}, {"lbl_HdrEnd", "90"}});
        Click(out, "cmd_Done");
        QVERIFY(s->isVisible());

        QTest::mouseClick(Get(s, "cmd_PrntSeg", 2), Qt::LeftButton);
        const std::vector<ScreenId> last(f.navigator.shown.end() - 2, f.navigator.shown.end());
        QCOMPARE(last, (std::vector<ScreenId>{ScreenId::Poly, ScreenId::PrintData}));
        QCOMPARE(Child<QLabel>(f.navigator.screen(ScreenId::Poly), "lbl_SegData_0")->text(),
                 QString(" 3"));
        QCOMPARE(Child<QAbstractItemView>(out, "grd_Data")->model()->rowCount(), 4 + 181);
        QCOMPARE(cell(4, 0) + " " + cell(4, 1), QString("180.00 1.00"));
        QCOMPARE(cell(4 + 90, 0) + " " + cell(4 + 90, 1) + " " + cell(4 + 90, 2),
                 QString("270.00 0.50 -0.06"));
        QCOMPARE(cell(4 + 180, 0) + " " + cell(4 + 180, 1), QString("360.00 0.00"));
        QVERIFY(f.host.messages.empty());
    }

    // A model saved with a polynomial row and opened again: Calc All re-evaluates the row from
    // its stored conditions instead of asking for them afresh. Segment 3 falls from 1 to 0 with
    // S, V, A stated at both ends: the 3-4-5 polynomial, S = 1 - (10x^3 - 15x^4 + 6x^5).
    void reopenedPolynomialKeepsItsConditions() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("fall.cam").toStdString();
        UiFixture f;
        f.home();
        BoundsAnswers answers{"6",
                              {{"txt_Vbound_0", "0"},
                               {"txt_Abound_0", "0"},
                               {"txt_Vbound_4", "0"},
                               {"txt_Abound_4", "0"}}};
        answers.install(f);
        ui::InputDataScreen* s = Open(f);
        TypeProgram(
            s, {{"90", "r", "cf", "0", "1"}, {"90", "d", "", "", ""}, {"180", "p", "", "", "0"}});
        QCOMPARE(answers.opened, 1);
        QTest::mouseClick(Get(s, "cmd_Done"), Qt::LeftButton);
        QVERIFY(f.model->SvajDone);
        f.dialogs.saveAnswers = {path};
        f.trigger("mnu_Saveas");
        f.trigger("mnu_New");
        f.dialogs.openAnswers = {path};
        f.trigger("mnu_Open");
        QCOMPARE(f.model->SegNumBC[3], 6);
        f.host.clear();

        s = Open(f);
        QTest::mouseClick(Get(s, "cmd_CalcAll"), Qt::LeftButton);
        QCOMPARE(answers.opened, 1);
        QCOMPARE(f.texts(), Strings());
        QVERIFY(f.model->SegDone[0] && f.model->SegDone[1] && f.model->SegDone[2]);
        QVERIFY(Get(s, "cmd_Done")->isEnabled());
        for (const auto& [point, x] : {std::pair{180, 0.0}, {225, 0.25}, {270, 0.5}, {360, 1.0}}) {
            const double expected =
                1.0 - (10 * std::pow(x, 3) - 15 * std::pow(x, 4) + 6 * std::pow(x, 5));
            QVERIFY2(std::abs(f.model->Results[1][point] - expected) < 1e-6,
                     qPrintable(QString::number(point)));
        }
        ExpectTexts(s, {{"txt_Low_2", "1"}, {"txt_High_2", "0"}});
    }

    // A changed motion program takes every later stage with it: after an example, a new
    // segment count leaves nothing to size, draw or export.
    void changedProgramClearsTheLaterStages() {
        UiFixture f;
        f.homeTargets();
        f.trigger("mnu_Example_1");
        f.model->FftDone = true;
        QCOMPARE(HomeButtons(f.home()), QString("1111111"));
        ui::InputDataScreen* s = Open(f);
        f.host.answers = {model::Answer::Yes};
        Type(Get(s, "txt_Segmts"), "4");
        QTest::keyClick(Get(s, "txt_Segmts"), Qt::Key_Return);
        const model::CamModel& m = *f.model;
        QVERIFY(!m.SvajDone && !m.ProfileDone && !m.DynamicsDone && !m.FftDone);
        Click(s, "cmd_Cancel");
        f.home()->activate();
        QCOMPARE(HomeButtons(f.home()), QString("1000001"));
        QVERIFY(!Child<QMenu>(f.home(), "mnu_Export")->menuAction()->isEnabled());
    }

    // A zero cam speed is reported once by each command that reads it, however many rows
    // Calc All calculates.
    void zeroSpeedIsReportedOncePerCommand() {
        const std::string zero = " Shaft Omega cannot be zero - Please check";
        UiFixture f;
        f.navigator.registerScreen(ScreenId::Continuity, {});
        // The box refuses a zero speed (and keeps it from the model); a model file can still
        // bring one.
        f.model->OmegaText = "0";
        ui::InputDataScreen* s = Open(f);
        TypeProgram(
            s, {{"90", "r", "cf", "0", "1"}, {"90", "d", "", "", ""}, {"180", "f", "cf", "", "0"}});
        QCOMPARE(f.texts(), Strings(4, zero)); // the box left, then each row's Calc
        f.host.clear();
        QTest::mouseClick(Get(s, "cmd_CalcAll"), Qt::LeftButton);
        QCOMPARE(f.texts(), Strings{zero});
        QCOMPARE(f.model->CamOmega, 1.0f);
        QTest::mouseClick(Get(s, "cmd_Done"), Qt::LeftButton);
        QCOMPARE(f.texts(), Strings(2, zero));
        QVERIFY(f.model->SvajDone);
    }

    // The count is taken when the box is left or Enter is pressed, not on every key: "13" on
    // the way to "3" leaves a loaded program alone. Over rows that hold entries the user is
    // asked first, and No keeps the old count; over empty rows nobody is asked.
    void segmentCountIsTakenWhenTheBoxIsLeft() {
        const std::string question =
            "Changing the number of segments clears the segment table.  Continue?";
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        QWidget* count = Get(s, "txt_Segmts");
        Type(count, "abc");
        QCOMPARE(VisibleRows(s), 1);
        QCOMPARE(f.model->SegmentsText, std::string("1"));
        QTest::keyClick(count, Qt::Key_Return);
        ExpectTexts(s, {{"txt_Segmts", "1"}});
        Type(count, "5");
        Leave(s);
        QCOMPARE(VisibleRows(s), 5);
        QVERIFY(f.host.messages.empty());

        Get(s, "cmb_Examples")->setFocus();
        QTest::keyClick(Get(s, "cmb_Examples"), Qt::Key_Down); // three segments
        count->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(count, Qt::Key_End);
        QTest::keyClick(count, Qt::Key_Backspace);
        QTest::keyClicks(count, "13");
        QTest::keyClick(count, Qt::Key_Left);
        QTest::keyClick(count, Qt::Key_Backspace);
        ExpectTexts(s, {{"txt_Segmts", "3"}, {"txt_Beta_2", "180"}});
        QTest::keyClick(count, Qt::Key_Return); // 3 again: nothing to ask
        QVERIFY(f.host.messages.empty() && f.model->SvajDone);

        Type(count, "4");
        f.host.answers = {model::Answer::No};
        QTest::keyClick(count, Qt::Key_Return);
        QCOMPARE(f.texts(), Strings{question});
        QCOMPARE(f.host.messages[0].icon, model::Icon::Question);
        QCOMPARE(f.host.messages[0].buttons, model::Buttons::YesNo);
        ExpectTexts(s, {{"txt_Segmts", "3"}, {"txt_Beta_2", "180"}, {"txt_High_0", "1"}});
        QCOMPARE(VisibleRows(s), 3);
        QVERIFY(f.model->NumSegments == 3 && f.model->SvajDone);

        Type(count, "4");
        f.host.answers = {model::Answer::Yes};
        Leave(s);
        QCOMPARE(f.texts(), Strings(2, question));
        QCOMPARE(VisibleRows(s), 4);
        ExpectTexts(s, {{"txt_Segmts", "4"}, {"txt_Beta_0", ""}, {"txt_High_0", ""}});
        QVERIFY(f.model->NumSegments == 4 && !f.model->SvajDone);
    }

    // The preview follows the table: nothing before a row computes, the first row alone once
    // it does, and a jump in S where the second row starts at another height; drawing it
    // leaves the model and the Done button as they were.
    void previewFollowsTheTable() {
        UiFixture f;
        ui::InputDataScreen* s = Open(f);
        ui::ProgramPreviewPanel* preview = s->preview();
        QCOMPARE(preview->preview().segments, 0);
        QVERIFY(Get(s, "lbl_PreviewEmpty")->isVisibleTo(s));

        Type(Get(s, "txt_Segmts"), "2");
        Leave(s);
        TypeRow(s, 0, "90", "r", "cf", "0", "1");
        Leave(s);
        QVERIFY(preview->preview().segments >= 1);
        QVERIFY(!Get(s, "lbl_PreviewEmpty")->isVisibleTo(s));
        const auto& s1 = preview->preview().windows[0].samples;
        QVERIFY(!s1.empty());
        QCOMPARE(s1.front().x, 0.0);
        QVERIFY(std::fabs(s1[90].y - 1.0) < 1e-6); // a full rise of 1 at the end of the row

        TypeRow(s, 1, "270", "f", "cf", ".5", "0");
        Leave(s);
        QCOMPARE(preview->preview().segments, 2);
        bool jumpInS = false;
        for (const output::PreviewJump& j : preview->preview().jumps)
            jumpInS = jumpInS || (j.row == 1 && j.angle == 90.0 && std::fabs(j.size - 0.5) < 1e-6);
        QVERIFY(jumpInS);
        // Every window is drawn over the whole turn, and the mark of the jump is in the S one.
        QCOMPARE(preview->view(0)->surface()->scene().window().right, 360.0 + 0.04 * 360.0);

        const bool done = Get(s, "cmd_Done")->isEnabled();
        const auto results = f.model->Results;
        const bool svaj = f.model->SvajDone;
        preview->redraw(*f.model, f.ctx.colours);
        QCOMPARE(f.model->Results, results);
        QCOMPARE(f.model->SvajDone, svaj);
        QCOMPARE(Get(s, "cmd_Done")->isEnabled(), done);

        // At the screen's smallest size every label of the small windows lies within its window,
        // and the name with its unit stands above it.
        s->resize(s->minimumSizeHint());
        QApplication::processEvents();
        for (int i = 0; i < 4; ++i) {
            ui::DrawingSurface* surface = preview->view(i)->surface();
            for (QLabel* label : surface->findChildren<QLabel*>())
                if (label->isVisibleTo(surface) && !label->text().isEmpty())
                    QVERIFY2(surface->rect().contains(label->geometry()),
                             qPrintable(label->objectName() + " " + label->text()));
        }
        QCOMPARE(Shown(preview, "lbl_Caption_11"), QString("Displcmnt (in)"));
    }
};

TROCHIX_UI_TEST(InputDataScreenTest)
#include "InputDataScreenTest.moc"
