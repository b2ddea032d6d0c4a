// The plot type and plot selection screens driven through their controls: pictures and
// options, presets, Mix and Match with On / Off, typed codes, the gap message, double-clicks
// that act as Done, the timer's Done and the request handed to the plot screens.
#include "ComboBoxes.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "files/Examples.h"
#include "model/ResultRow.h"
#include "ui/screens/InputDataScreen.h"
#include "ui/screens/PlotSelect4Screen.h"
#include "ui/screens/PlotSelectScreen.h"
#include "ui/screens/PlotTypeScreen.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QRadioButton>

using namespace trochix;
using namespace trochix::uitest;
using model::ResultRow;

namespace {

const std::string kGap = "Something is wrong. \r\r"
                         "You are missing a plot selection.\r\r"
                         "Please leave no gaps between selections. \r"
                         "Two functions should use Plots 1 and 2. \r"
                         "Three functions should use Plots 1, 2, and 3.";

// The double-dwell example (four segments of 90 degrees), computed up to the dynamics.
void DoubleDwell(UiFixture& f) {
    QVERIFY(files::LoadExample(*f.model, f.host, 3));
    f.host.clear();
}

void PlotScreens(UiFixture& f) {
    f.standIns({ScreenId::Plot1, ScreenId::Plot2, ScreenId::Myplot2, ScreenId::Plot3,
                ScreenId::MyPlot3, ScreenId::Plot4});
}

QComboBox* Box(QWidget* s, const char* name) {
    return Child<QComboBox>(s, name);
}

QStringList Labels(QWidget* s, int count = 4) {
    QStringList labels;
    for (int i = 0; i < count; ++i)
        labels << Child<QLabel>(s, IndexedName("lbl_Function", i))->text();
    return labels;
}

// "R" or "g" for each function frame's caption colour.
QString Captions(QWidget* s, int count = 4) {
    QString c;
    for (int i = 0; i < count; ++i)
        c += Child<QGroupBox>(s, IndexedName("fra_Function", i))->property("caption") == "red"
                 ? 'R'
                 : 'g';
    return c;
}

QStringList Titles(QWidget* s, std::initializer_list<const char*> frames) {
    QStringList titles;
    for (const char* name : frames)
        titles << Child<QGroupBox>(s, name)->title();
    return titles;
}

bool Enabled(QWidget* s, const QString& name) {
    return Child(s, name)->isEnabled();
}

template <class T> T* Open(UiFixture& f, ScreenId id) {
    return f.open<T>(id);
}

} // namespace

class PlotSelectionTest : public QObject {
    Q_OBJECT
private slots:
    // Captions, the polar plot only for a sized cam, click selects, double-click is Done.
    void plotTypeOpensTheSelectionOfTheLayout() {
        UiFixture f;
        DoubleDwell(f);
        f.model->ProfileDone = false;
        auto* type = Open<ui::PlotTypeScreen>(f, ScreenId::PlotType);
        ExpectTexts(type, {{"lbl_PlotType_0", "Single Window - One to Four Functions"},
                           {"lbl_PlotType_1", "Two Windows - Two Functions"},
                           {"lbl_PlotType_2", "Four Windows - Four Functions"},
                           {"lbl_PlotType_3", "Polar Plot - One Function"},
                           {"opt_Select_0", "Select"},
                           {"cmd_Done", "&Done"},
                           {"cmd_Cancel", "&Cancel"}});
        QCOMPARE(EnabledFlags(type, {"opt_Select_0", "opt_Select_1", "opt_Select_2", "opt_Select_3",
                                     "cmd_Done", "cmd_Cancel"}),
                 QString("111001"));
        QTest::mouseClick(Child(type, "pct_PlotType_3"), Qt::LeftButton); // not offered
        QVERIFY(!Enabled(type, "cmd_Done"));
        QTest::mouseClick(Child(type, "pct_PlotType_2"), Qt::LeftButton);
        QVERIFY(Child<QRadioButton>(type, "opt_Select_2")->isChecked());
        QVERIFY(Enabled(type, "cmd_Done"));
        Click(type, "cmd_Done");
        QVERIFY(!type->isVisible());
        QCOMPARE(f.model->PlotType, 3);
        QVERIFY(f.navigator.lastShownIs(ScreenId::PlotSelect3));

        const struct {
            const char* target;
            ScreenId selection;
            int plotType;
        } doubles[] = {{"pct_PlotType_1", ScreenId::PlotSelect2, 2},
                       {"opt_Select_0", ScreenId::PlotSelect1, 1},
                       {"pct_PlotType_3", ScreenId::PlotSelect4, 4}};
        f.model->ProfileDone = true;
        for (const auto& d : doubles) {
            const Row row{d.target};
            type = Open<ui::PlotTypeScreen>(f, ScreenId::PlotType);
            QTest::mouseDClick(Child(type, d.target), Qt::LeftButton);
            QVERIFY(!type->isVisible());
            QCOMPARE(f.model->PlotType, d.plotType);
            QVERIFY(f.navigator.lastShownIs(d.selection));
        }

        // Cancel changes nothing; a polar choice is dropped once the cam is no longer sized.
        f.model->ProfileDone = false;
        type = Open<ui::PlotTypeScreen>(f, ScreenId::PlotType);
        QCOMPARE(type->selectedLayout(), 0);
        QVERIFY(!Enabled(type, "cmd_Done"));
        Click(type, "cmd_Cancel");
        QVERIFY(!type->isVisible());
        QCOMPARE(f.model->PlotType, 4);
    }

    void listsFollowTheComputedStages() {
        UiFixture f;
        DoubleDwell(f);
        f.model->ProfileDone = f.model->DynamicsDone = false;
        auto* s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect1);
        QCOMPARE(Items(Box(s, "cmb_Preset")),
                 QStringList{"Displacement, Velocity, Acceleration, Jerk"});
        QCOMPARE(Items(Box(s, "cmb_Var1")),
                 (QStringList{"Displcmnt", "Velocity", "Accel", "Jerk"}));
        QCOMPARE(Items(Box(s, "cmb_Segment")),
                 (QStringList{"All", "1  Rise  0 - 90 deg", "2  Dwell  90 - 180 deg",
                              "3  Fall  180 - 270 deg", "4  Dwell  270 - 360 deg"}));
        QCOMPARE(QApplication::focusWidget(), Child(s, "cmb_Preset"));
        QVERIFY(!Enabled(s, "cmd_Done") && !Enabled(s, "cmb_Var1"));
        Click(s, "cmd_Cancel");

        // Once the dynamics are computed, the lists carry them at the next visit.
        f.model->ProfileDone = f.model->DynamicsDone = true;
        s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect2);
        QCOMPARE(Box(s, "cmb_Preset")->count(), 11);
        QCOMPARE(Box(s, "cmb_Var2")->itemText(6), QString("Force"));
        QVERIFY(!s->findChild<QWidget*>("cmb_Var3"));
        QCOMPARE(Titles(s, {"fra_Function_0", "fra_Function_1", "fra_Segment", "fra_Preset",
                            "fra_Method", "fra_Plotstyle"}),
                 (QStringList{"Plot 1", "Plot 2", "Select Segment(s) to Plot",
                              "Select from Preset Formats", "Choose Setup Method", "Plot Style"}));
        ExpectTexts(s, {{"opt_PrintSet_0", "Preset Formats"},
                        {"opt_PrintSet_1", "Mix and Match"},
                        {"opt_Plotstyle_0", "Aligned"},
                        {"opt_Plotstyle_1", "Annotated"}});
    }

    // A preset, a segment and the Aligned style: Done hands the request to the plot screen.
    void presetDoneOpensThePlot() {
        UiFixture f;
        DoubleDwell(f);
        PlotScreens(f);
        auto* s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect3);
        Pick(Box(s, "cmb_Preset"), "X-shifted 90, Y-shifted 90, Radius, Theta");
        QCOMPARE(Labels(s), (QStringList{"Radius", "Theta", "Xshftd 90 ", "Yshftd 90 "}));
        QCOMPARE(Box(s, "cmb_Var3")->currentText(), QString("Xshftd 90 "));
        QCOMPARE(Captions(s), QString("RRRR"));
        QVERIFY(Enabled(s, "cmd_Done"));
        Pick(Box(s, "cmb_Segment"), "3  Fall  180 - 270 deg");
        QTest::mouseClick(Child(s, "opt_Plotstyle_0"), Qt::LeftButton);
        f.model->PlotAllSegments = true;
        Click(s, "cmd_Done");

        const model::CamModel& m = *f.model;
        QVERIFY(!s->isVisible());
        QVERIFY(f.navigator.lastShownIs(ScreenId::MyPlot3));
        QCOMPARE(m.PlotType, 3);
        QCOMPARE(m.PlotStyle, 1);
        QCOMPARE(m.NumPlotFuncs, 4);
        QCOMPARE(m.PlotFunc, (std::array<int, 5>{0, ResultRow::CamRadius, ResultRow::CamTheta,
                                                 ResultRow::XShifted90, ResultRow::YShifted90}));
        QCOMPARE(m.PlotStart, 180.0f);
        QCOMPARE(m.PlotEnd, 270.0f);
        QCOMPARE(m.CurSeg, 3);
        QVERIFY(!m.PlotAllSegments && !m.SpectrumSelected);
        // The plot screen restores the pointer as it shows, the guard once more after it.
        QCOMPARE(f.host.busyCalls, std::vector<bool>({true, false, false}));

        // Select Another comes back to the same choices, ready for Done.
        s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect3);
        QCOMPARE(Labels(s), (QStringList{"Radius", "Theta", "Xshftd 90 ", "Yshftd 90 "}));
        QCOMPARE(Box(s, "cmb_Segment")->currentText(), QString("3  Fall  180 - 270 deg"));
        QVERIFY(Child<QRadioButton>(s, "opt_Plotstyle_0")->isChecked());
        QVERIFY(Enabled(s, "cmd_Done"));
        QTest::mouseClick(Child(s, "opt_Plotstyle_1"), Qt::LeftButton);
        Click(s, "cmd_Done");
        QVERIFY(f.navigator.lastShownIs(ScreenId::Plot3));
        QCOMPARE(f.texts(), Strings());
    }

    // Done writes the request, opens its plot and restores the pointer.
    void doneOpensThePlotOfItsLayout() {
        UiFixture f;
        DoubleDwell(f);
        auto* s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect1);
        Pick(Box(s, "cmb_Preset"), "Phi, Rho, Displacement, Velocity");
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible());
        QCOMPARE(f.model->PlotFunc[1], int(ResultRow::PressureAngle));
        QCOMPARE(f.model->PlotStyle, 2);
        QVERIFY(!f.host.busy);
        QVERIFY(f.navigator.lastShownIs(ScreenId::Plot1));
    }

    // Functions 2..4 are switched on one at a time; Off with a later function on leaves a gap.
    void mixAndMatchWithOnAndOff() {
        UiFixture f;
        DoubleDwell(f);
        auto* s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect1);
        Pick(Box(s, "cmb_Preset"), "Displacement, Velocity, Acceleration, Jerk");
        QTest::mouseClick(Child(s, "opt_PrintSet_1"), Qt::LeftButton);
        QCOMPARE(Labels(s), (QStringList{"", "", "", ""}));
        QCOMPARE(Box(s, "cmb_Preset")->currentText(), QString());
        QCOMPARE(QApplication::focusWidget(), Box(s, "cmb_Var1"));
        QCOMPARE(Captions(s), QString("Rggg"));
        const auto buttons = [s] {
            return EnabledFlags(
                s, {"cmb_Preset", "cmb_Var2", "cmd_On_1", "cmd_Off_1", "cmd_On_2", "cmd_Done"});
        };
        QCOMPARE(buttons(), QString("000000"));

        Type(Box(s, "cmb_Var1"), "ve");
        QCOMPARE(Box(s, "cmb_Var1")->currentText(), QString("Velocity"));
        QCOMPARE(buttons(), QString("001001"));
        Click(s, "cmd_On_1");
        QCOMPARE(QApplication::focusWidget(), Box(s, "cmb_Var2"));
        QCOMPARE(Captions(s), QString("RRgg"));
        QCOMPARE(buttons(), QString("010101"));
        Pick(Box(s, "cmb_Var2"), "Rho");
        Click(s, "cmd_On_2");
        Type(Box(s, "cmb_Var3"), "je");
        QCOMPARE(Labels(s), (QStringList{"Velocity", "Rho", "Jerk", ""}));
        QVERIFY(Enabled(s, "cmd_Done"));
        QCOMPARE(f.texts(), Strings());

        Click(s, "cmd_Off_1");
        QCOMPARE(f.texts(), Strings{kGap});
        QCOMPARE(f.host.messages[0].icon, model::Icon::Exclamation);
        QCOMPARE(Labels(s), (QStringList{"Velocity", "", "Jerk", ""}));
        QCOMPARE(Box(s, "cmb_Var2")->currentText(), QString());
        QCOMPARE(Captions(s), QString("RgRg"));
        QCOMPARE(buttons(), QString("001000"));
        QCOMPARE(QApplication::focusWidget(), Box(s, "cmb_Var1"));

        // Back to presets: everything cleared again.
        QTest::mouseClick(Child(s, "opt_PrintSet_0"), Qt::LeftButton);
        QCOMPARE(Labels(s), (QStringList{"", "", "", ""}));
        QCOMPARE(QApplication::focusWidget(), Box(s, "cmb_Preset"));
        QVERIFY(!Enabled(s, "cmd_Done"));
    }

    // On the four-window screen every box is open; 1 and 3 without 2 is a gap.
    void gapOnTheFourWindowScreen() {
        UiFixture f;
        DoubleDwell(f);
        auto* s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect3);
        QTest::mouseClick(Child(s, "opt_PrintSet_1"), Qt::LeftButton);
        QCOMPARE(Captions(s), QString("RRRR"));
        Type(Box(s, "cmb_Var1"), "di");
        Type(Box(s, "cmb_Var3"), "Ac");
        QCOMPARE(f.texts(), Strings{kGap});
        QVERIFY(!Enabled(s, "cmd_Done"));
        // Text that is no code stays as typed and selects nothing.
        Type(Box(s, "cmb_Var2"), "zq");
        QCOMPARE(Box(s, "cmb_Var2")->currentText(), QString("zq"));
        QVERIFY(!Enabled(s, "cmd_Done"));
        Type(Box(s, "cmb_Var2"), "xs");
        QCOMPARE(Labels(s), (QStringList{"Displcmnt", "Xshftd 90 ", "Accel", ""}));
        QVERIFY(Enabled(s, "cmd_Done"));
        Click(s, "cmd_Clear_0");
        QCOMPARE(f.texts(), (Strings{kGap, kGap}));
        QVERIFY(!Enabled(s, "cmd_Done"));
    }

    // Entering a box selects its whole text, so that a code replaces the name.
    void enteringABoxSelectsItsText() {
        UiFixture f;
        DoubleDwell(f);
        auto* s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect2);
        QTest::mouseClick(Child(s, "opt_PrintSet_1"), Qt::LeftButton);
        Type(Box(s, "cmb_Var2"), "to");
        QLineEdit* edit = Box(s, "cmb_Var2")->lineEdit();
        Box(s, "cmb_Var1")->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
        QTRY_COMPARE(edit->selectedText(), QString("Torque"));
        QTest::keyClicks(edit, "fl");
        QCOMPARE(Labels(s, 2), (QStringList{"", "Flywhl Trq"}));
    }

    void doubleClicksActAsDone() {
        UiFixture f;
        DoubleDwell(f);
        PlotScreens(f);
        // The preset box: applies the preset shown and plots.
        auto* s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect2);
        Box(s, "cmb_Preset")->setCurrentIndex(10);
        QTest::mouseDClick(Box(s, "cmb_Preset")->lineEdit(), Qt::LeftButton);
        QVERIFY(!s->isVisible());
        QCOMPARE(f.model->PlotFunc,
                 (std::array<int, 5>{0, ResultRow::Torque, ResultRow::FrictionTorque, 0, 0}));
        QCOMPARE(f.model->NumPlotFuncs, 2);

        // A function box: only once every box holds a function.
        s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect3);
        QTest::mouseClick(Child(s, "opt_PrintSet_1"), Qt::LeftButton);
        Type(Box(s, "cmb_Var1"), "je");
        Type(Box(s, "cmb_Var2"), "ac");
        Type(Box(s, "cmb_Var3"), "ve");
        QCOMPARE(Labels(s), (QStringList{"Jerk", "Accel", "Velocity", ""}));
        const int shown = static_cast<int>(f.navigator.shown.size());
        QTest::mouseDClick(Box(s, "cmb_Var2")->lineEdit(), Qt::LeftButton);
        QVERIFY(s->isVisible());
        QCOMPARE(static_cast<int>(f.navigator.shown.size()), shown);
        Type(Box(s, "cmb_Var4"), "di");
        QTest::mouseDClick(Box(s, "cmb_Var4")->lineEdit(), Qt::LeftButton);
        QVERIFY(!s->isVisible());
        QVERIFY(f.navigator.lastShownIs(ScreenId::Plot3));
        QCOMPARE(f.model->PlotFunc[4], int(ResultRow::Displacement));
    }

    // "ma" selects the magnitude spectrum, which is always annotated over its harmonics.
    void typedSpectrumCodeIsAnnotated() {
        UiFixture f;
        DoubleDwell(f);
        PlotScreens(f);
        f.model->FftDone = true;
        f.model->NumHarmonics = 24;
        auto* s = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect2);
        QTest::mouseClick(Child(s, "opt_PrintSet_1"), Qt::LeftButton);
        Type(Box(s, "cmb_Var1"), "ma");
        QCOMPARE(Box(s, "cmb_Var1")->currentText(), QString("Mag FFT"));
        Type(Box(s, "cmb_Var2"), "AN");
        Pick(Box(s, "cmb_Segment"), "2  Dwell  90 - 180 deg");
        QTest::mouseClick(Child(s, "opt_Plotstyle_0"), Qt::LeftButton);
        Click(s, "cmd_Done");
        QVERIFY(f.navigator.lastShownIs(ScreenId::Plot2));
        QVERIFY(f.model->SpectrumSelected);
        QCOMPARE(f.model->PlotStyle, 2);
        QCOMPARE(f.model->PlotStart, 0.0f);
        QCOMPARE(f.model->PlotEnd, 24.0f);
        QVERIFY(Child<QRadioButton>(s, "opt_Plotstyle_1")->isChecked());
    }

    // Another screen fills the boxes by program; the timer's first tick runs Done.
    void selectionByProgramIsDoneByTheTimer() {
        UiFixture f;
        DoubleDwell(f);
        PlotScreens(f);
        auto* s = f.screen<ui::PlotSelectScreen>(ScreenId::PlotSelect3);
        s->selectByProgram({"DI", "VE", "AC", "JE"}, 2);
        f.navigator.ShowScreen(ScreenId::PlotSelect3);
        QVERIFY(s->timer().isActive());
        QCOMPARE(Labels(s), (QStringList{"Displcmnt", "Velocity", "Accel", "Jerk"}));
        QTRY_VERIFY(!s->isVisible());
        QVERIFY(!s->timer().isActive());
        QVERIFY(f.navigator.lastShownIs(ScreenId::Plot3));
        QCOMPARE(f.model->PlotFunc, (std::array<int, 5>{0, 1, 2, 3, 4}));
        QCOMPARE(f.model->PlotStart, 90.0f);
        QCOMPARE(f.model->PlotEnd, 180.0f);
        QCOMPARE(f.model->CurSeg, 2);
        QCOMPARE(f.texts(), Strings());
        // Cancel stops a pending Done.
        s->selectByProgram({"DI"}, 0);
        Click(s, "cmd_Cancel");
        QVERIFY(!s->timer().isActive());
    }

    // An input row's Plot: S, V, A, J of its segment in four windows, Done by the timer.
    void inputRowPlotsItsSegment() {
        UiFixture f;
        DoubleDwell(f);
        auto* input = f.open<ui::InputDataScreen>(ScreenId::InputData);
        QVERIFY(Enabled(input, "cmd_PlotSeg_2"));
        PlotScreens(f);
        // The user's own choice on that screen gives way to the segment's S-V-A-J.
        auto* select = Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect3);
        QTest::mouseClick(Child(select, "opt_Plotstyle_0"), Qt::LeftButton);
        Pick(Box(select, "cmb_Preset"), "Radius, Theta, X-coord, Y-coord");
        Click(select, "cmd_Cancel");
        Click(input, "cmd_PlotSeg_2");
        QVERIFY(f.navigator.lastShownIs(ScreenId::PlotSelect3));
        QCOMPARE(Labels(select), (QStringList{"Displcmnt", "Velocity", "Accel", "Jerk"}));
        QCOMPARE(Box(select, "cmb_Segment")->currentText(), QString("3  Fall  180 - 270 deg"));
        QTRY_VERIFY(f.navigator.lastShownIs(ScreenId::MyPlot3));
        QVERIFY(!select->isVisible());
        const model::CamModel& m = *f.model;
        QCOMPARE(m.PlotType, 3);
        QCOMPARE(m.PlotStyle, 1);
        QCOMPARE(m.NumPlotFuncs, 4);
        QCOMPARE(m.PlotFunc, (std::array<int, 5>{0, 1, 2, 3, 4}));
        QCOMPARE(m.CurSeg, 3);
        QCOMPARE(m.PlotStart, 180.0f);
        QCOMPARE(m.PlotEnd, 270.0f);
        QVERIFY(!m.PlotAllSegments);
        QCOMPARE(f.texts(), Strings());

        // Rows with points have Plot; a row beyond the program has none.
        QCOMPARE(EnabledFlags(input, {"cmd_PlotSeg_0", "cmd_PlotSeg_3", "cmd_PlotSeg_4"}),
                 QString("110"));

        // The segment's plot is not left behind: the whole-cam plot screens come up with the
        // user's own choice again, over the whole cam, and plot it.
        Open<ui::PlotSelectScreen>(f, ScreenId::PlotSelect3);
        QCOMPARE(Box(select, "cmb_Segment")->currentIndex(), 0);
        QCOMPARE(Box(select, "cmb_Preset")->currentText(),
                 QString("Radius, Theta, X-coord, Y-coord"));
        QVERIFY(!select->timer().isActive());
        Click(select, "cmd_Done");
        QVERIFY(m.PlotAllSegments);
        QCOMPARE(m.PlotStart, 0.0f);
        QCOMPARE(m.PlotEnd, 360.0f);
        QVERIFY(m.PlotFunc != (std::array<int, 5>{0, 1, 2, 3, 4}));
    }

    void polarScreenPlotsTheCamProfile() {
        UiFixture f;
        DoubleDwell(f);
        PlotScreens(f);
        auto* s = Open<ui::PlotSelect4Screen>(f, ScreenId::PlotSelect4);
        ExpectTexts(s, {{"cmb_Var1", "Cam Profile"},
                        {"lbl_Function_0", "Cam Profile"},
                        {"opt_Output_0", "Screen"},
                        {"opt_Output_1", "Printer"},
                        {"opt_Output_2", "Disk File"},
                        {"cmd_Demo", "De&mo"},
                        {"cmd_OK", "&OK"},
                        {"cmd_Clear_0", "&Clear"}});
        QCOMPARE(Titles(s, {"fra_Function_0", "fra_Output"}),
                 (QStringList{"Plot 1", "Direct Output to:"}));
        QCOMPARE(EnabledFlags(s, {"opt_Output_1", "cmd_Demo", "cmd_OK", "cmd_Done"}),
                 QString("0011"));
        Click(s, "cmd_Clear_0");
        QCOMPARE(Box(s, "cmb_Var1")->currentText(), QString());
        Click(s, "cmd_OK");
        QCOMPARE(Shown(s, "lbl_Function_0"), QString());
        f.model->PlotStart = 90;
        f.model->SpectrumSelected = true;
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible());
        QVERIFY(f.navigator.lastShownIs(ScreenId::Plot4));
        QCOMPARE(f.model->PlotType, 4);
        QCOMPARE(f.model->NumPlotFuncs, 1);
        QCOMPARE(f.model->PlotFunc[1], int(ResultRow::CamRadius));
        QCOMPARE(f.model->PlotStart, 0.0f);
        QCOMPARE(f.model->PlotEnd, 360.0f);
        QVERIFY(!f.model->SpectrumSelected);
    }

    // The home screen's Plot opens the plot type screen once a motion program exists.
    void homePlotLeadsToTheSelection() {
        UiFixture f;
        f.homeTargets();
        f.home();
        DoubleDwell(f);
        f.home()->activate();
        QVERIFY(Child(f.home(), "cmd_Plot")->isEnabled());
        Click(f.home(), "cmd_Plot");
        QVERIFY(f.navigator.lastShownIs(ScreenId::PlotType));
        QVERIFY(f.screen<ui::PlotTypeScreen>(ScreenId::PlotType) != nullptr);
    }
};

TROCHIX_UI_TEST(PlotSelectionTest)
#include "PlotSelectionTest.moc"
