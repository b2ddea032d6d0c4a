// frm_FFT driven through its controls: opening, choosing a function by list and by code, the
// refusals, the harmonics box and its cut to N/2, the Grid and Style boxes, Done, and the
// current transform plotted through the plot selection.
#include "ui/screens/FftScreen.h"
#include "ComboBoxes.h"
#include "PlotTestSupport.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/ResultRow.h"
#include "text/NumberText.h"
#include "ui/ChartView.h"
#include "ui/screens/AnnotatedPlotScreen.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLineSeries>
#include <QValueAxis>

#include <cmath>

using namespace trochix;
using namespace trochix::uitest;
using model::ResultRow;

namespace {

const std::string kNoFunction = " Please select a function for FFT calculation";
const std::string kNotInList = "Please select a variable from the list provided";
const std::string kNoHarmonics = " Must set the number of harmonics to a value > 0";
const std::string kTooMany =
    "Number of harmonics cannot exceed 1/2 the number of data points available.\r"
    "If you want more bandwidth, recalculate all data with smaller increments. \r"
    "Use the [INPUT] button from the Home Screen to do so.";
const std::string kDone = " The FFT of the selected function is \r"
                          " now available for output as \r"
                          " 'Current FFT' from the Preset Format\r"
                          " lists on the PRINT and PLOT screens";

QComboBox* List(QWidget* s, const char* name) {
    return Child<QComboBox>(s, name);
}

// Types into a list box and presses Enter.
void TypeEnter(QWidget* s, const char* name, const QString& text) {
    QComboBox* box = List(s, name);
    Type(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

ui::FftScreen* OpenFft(UiFixture& f) {
    return f.open<ui::FftScreen>(ScreenId::FFT);
}

// The values a graph's spectral lines reach: the middle point of each stick.
std::vector<double> StickTops(ui::ChartView* chart) {
    std::vector<double> tops;
    for (QAbstractSeries* series : chart->chart()->series())
        if (series->objectName() == "set_0_sticks") {
            const QList<QPointF> pts = static_cast<QLineSeries*>(series)->points();
            for (qsizetype i = 1; i < pts.size(); i += 3)
                tops.push_back(pts[i].y());
        }
    return tops;
}

bool HasSeries(ui::ChartView* chart, const QString& name) {
    for (QAbstractSeries* s : chart->chart()->series())
        if (s->objectName() == name)
            return true;
    return false;
}

} // namespace

class FftScreenTest : public QObject {
    Q_OBJECT
private slots:
    // Opening: the functions computed so far, the harmonic counts of this step, the focus in
    // the function box, nothing shown and no transform.
    void openingListsFunctionsAndCounts() {
        UiFixture f;
        LoadComputedExample(f, 3, 1.0f);
        f.model->FftDone = true;
        auto* s = OpenFft(f);
        QCOMPARE(Items(List(s, "cmb_Var1")),
                 (QStringList{"Displcmnt", "Velocity", "Accel", "Jerk", "Phi", "Rho", "Force",
                              "Torque", "Frictn Trq", "Flywhl Trq", "Xcoord", "Ycoord", "Radius",
                              "Theta", "Xshftd 90 ", "Yshftd 90 ", "Contact F", "Hertz p0",
                              "Half Width"}));
        QCOMPARE(Items(List(s, "cmb_Harmonics")).size(), qsizetype(12));
        QCOMPARE(Items(List(s, "cmb_Harmonics")).front(), QString("15"));
        QCOMPARE(Items(List(s, "cmb_Harmonics")).back(), QString("180"));
        ExpectTexts(s, {{"cmb_Var1", ""},
                        {"cmb_Harmonics", "15"},
                        {"lbl_Function", ""},
                        {"lbl_sum", ""},
                        {"lbl_Power", ""},
                        {"lbl_RMS", ""},
                        {"chk_Line", "Envelope"},
                        {"chk_Sticks", "Spectral Lines"},
                        {"chk_HGrid", "Horiz"},
                        {"chk_VGrid", "Vertic"}});
        QVERIFY(List(s, "cmb_Var1")->hasFocus());
        QVERIFY(!f.model->FftDone);
        QCOMPARE(f.model->NumHarmonics, 15);
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(s->chart(j)->objectName(), IndexedName("grf_Plot", j));
            QCOMPARE(s->chart(j)->graph().NumPoints, 0);
            QCOMPARE(s->chart(j)->graph().BottomTitle, std::string("Harmonic Number"));
        }
        QVERIFY(f.host.messages.empty());
    }

    // The transform of S of the double-dwell example: the summary labels are the sums over
    // harmonics 0..15 of the transform's columns, each graph holds its column, harmonic 0 is
    // twice the mean of S; the busy pointer is on during the transform only.
    void transformOfDisplacement() {
        UiFixture f;
        LoadComputedExample(f, 3, 1.0f);
        auto* s = OpenFft(f);
        Pick(List(s, "cmb_Var1"), "Displcmnt");
        const model::CamModel& m = *f.model;
        QCOMPARE(f.texts(), Strings());
        QVERIFY(m.FftDone);
        QCOMPARE(m.FftRow, int(ResultRow::Displacement));
        QCOMPARE(f.host.busyCalls, (std::vector<bool>{true, false}));
        QVERIFY(!f.host.busy);

        double sum = 0.0, power = 0.0, mean = 0.0;
        for (int h = 0; h <= 15; ++h) {
            sum += m.FFTResult[static_cast<std::size_t>(h)][2];
            power += m.FFTResult[static_cast<std::size_t>(h)][4];
        }
        for (int i = 0; i < m.NumPoints; ++i)
            mean += m.Results[ResultRow::Displacement][static_cast<std::size_t>(i)] / m.NumPoints;
        QVERIFY(std::fabs(m.FFTResult[0][2] - 2.0 * mean) < 1e-4);
        const std::string rms = text::FNRoundStr(std::sqrt(power), 0);
        ExpectTexts(s, {{"lbl_Function", "Displcmnt"},
                        {"lbl_sum", text::FNRoundStr(sum, 0).c_str()},
                        {"lbl_Power", text::FNRoundStr(power, 0).c_str()},
                        {"lbl_RMS", rms.c_str()}});
        for (int j = 0; j < 4; ++j) {
            ui::ChartView* chart = s->chart(j);
            QCOMPARE(chart->graph().GraphTitle, std::string("Fourier Transform of  Displcmnt"));
            const std::vector<double> tops = StickTops(chart);
            QCOMPARE(tops.size(), std::size_t(16));
            for (int h = 0; h <= 15; ++h)
                QCOMPARE(
                    tops[static_cast<std::size_t>(h)],
                    double(m.FFTResult[static_cast<std::size_t>(h)][static_cast<std::size_t>(j)]));
            auto* x = qobject_cast<QValueAxis*>(chart->chart()->axes(Qt::Horizontal).front());
            QCOMPARE(x->titleText(), QString("Harmonic Number"));
            QCOMPARE(x->max(), 15.0);
        }

        // Another count replots the same transform.
        Pick(List(s, "cmb_Harmonics"), "45");
        QCOMPARE(f.model->NumHarmonics, 45);
        QCOMPARE(StickTops(s->chart(2)).size(), std::size_t(46));
        QCOMPARE(f.host.busyCalls.size(), std::size_t(2));
        QCOMPARE(f.texts(), Strings());
    }

    // Codes choose listed functions; the spectrum and unlisted names are refused; Enter in an
    // empty box asks for a function; a zero count empties the function box.
    void choicesAndRefusals() {
        const struct {
            const char *typed, *harmonics;
            std::string message;
            model::Icon icon;
            const char *boxAfter, *function, *focus;
        } cases[] = {
            {"ac", "15", "", model::Icon::None, "Accel", "Accel", "cmb_Var1"},
            {"torque", "15", "", model::Icon::None, "Torque", "Torque", "cmb_Var1"},
            {"", "15", kNoFunction, model::Icon::Question, "", "", "cmb_Var1"},
            {"ma", "15", kNotInList, model::Icon::Question, "ma", "", "cmb_Var1"},
            {"Cam Angle", "15", kNotInList, model::Icon::Question, "Cam Angle", "", "cmb_Var1"},
            {"ve", "0", kNoHarmonics, model::Icon::Warning, "", "", "cmb_Harmonics"},
        };
        for (const auto& c : cases) {
            Row row{c.typed};
            UiFixture f;
            LoadComputedExample(f, 1, 1.0f);
            auto* s = OpenFft(f);
            List(s, "cmb_Harmonics")->setEditText(c.harmonics);
            TypeEnter(s, "cmb_Var1", c.typed);
            QCOMPARE(f.texts(), c.message.empty() ? Strings() : Strings{c.message});
            if (!c.message.empty())
                QCOMPARE(f.host.messages[0].icon, c.icon);
            QCOMPARE(f.model->FftDone, c.message.empty());
            ExpectTexts(s, {{"cmb_Var1", c.boxAfter}, {"lbl_Function", c.function}});
            QTRY_VERIFY(Child<QWidget>(s, c.focus)->hasFocus());
            QVERIFY(!f.host.busy);
        }
    }

    // A count above half the points is cut to it, with its message, at every step.
    void harmonicsAreCutToHalfThePoints() {
        const struct {
            float step;
            const char* typed;
            const char* cut;
            int points;
        } cases[] = {
            {1.0f, "200", "180", 181}, {0.25f, "800", "720", 721}, {0.5f, "360", "360", 361}};
        for (const auto& c : cases) {
            Row row{QString::number(c.step)};
            UiFixture f;
            LoadComputedExample(f, 1, c.step);
            auto* s = OpenFft(f);
            QCOMPARE(Items(List(s, "cmb_Harmonics")).back(), QString(c.cut));
            Pick(List(s, "cmb_Var1"), "Velocity");
            TypeEnter(s, "cmb_Harmonics", c.typed);
            const bool cut = QString(c.typed) != c.cut;
            QCOMPARE(f.texts(), cut ? Strings{kTooMany} : Strings());
            if (cut)
                QCOMPARE(f.host.messages[0].icon, model::Icon::Question);
            QCOMPARE(Shown(s, "cmb_Harmonics"), QString(c.cut));
            QCOMPARE(f.model->NumHarmonics, QString(c.cut).toInt());
            for (int j = 0; j < 4; ++j)
                QCOMPARE(s->chart(j)->graph().NumPoints, c.points);
        }
        // Zero is refused and the count kept.
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        auto* s = OpenFft(f);
        TypeEnter(s, "cmb_Harmonics", "0");
        QCOMPARE(f.texts(), Strings{kNoHarmonics});
        QCOMPARE(f.model->NumHarmonics, 15);
        QTRY_VERIFY(List(s, "cmb_Harmonics")->hasFocus());
    }

    // Envelope and spectral lines, grids, on all four graphs at once.
    void styleAndGridBoxes() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        auto* s = OpenFft(f);
        Pick(List(s, "cmb_Var1"), "Accel");
        QVERIFY(Child<QCheckBox>(s, "chk_Sticks")->isChecked());
        QVERIFY(!Child<QCheckBox>(s, "chk_Line")->isChecked());
        const struct {
            const char* box;
            int grid, style;
            bool envelope, sticks;
        } clicks[] = {{"chk_Line", 1, 6, true, true},
                      {"chk_Sticks", 1, 4, true, false},
                      {"chk_VGrid", 3, 4, true, false},
                      {"chk_HGrid", 2, 4, true, false}};
        for (const auto& c : clicks) {
            Row row{c.box};
            QTest::mouseClick(Child<QCheckBox>(s, c.box), Qt::LeftButton);
            for (int j = 0; j < 4; ++j) {
                QCOMPARE(s->chart(j)->graph().GridStyle, c.grid);
                QCOMPARE(s->chart(j)->graph().GraphStyle, c.style);
                QCOMPARE(HasSeries(s->chart(j), "set_0_line"), c.envelope);
                QCOMPARE(HasSeries(s->chart(j), "set_0_sticks"), c.sticks);
            }
        }
        QCOMPARE(s->chart(1)->graph().Sets[0].GraphData.size(), std::size_t(16));
    }

    // Done announces the transform only when there is one; then the four-window selection
    // offers it, and its preset plots exactly the transform's columns.
    void doneOffersTheCurrentFftToThePlots() {
        UiFixture f;
        LoadComputedExample(f, 3, 1.0f);
        auto* s = OpenFft(f);
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible());
        QCOMPARE(f.texts(), Strings());

        OpenFft(f);
        Pick(List(s, "cmb_Var1"), "Displcmnt");
        Pick(List(s, "cmb_Harmonics"), "30");
        Click(s, "cmd_Done");
        QCOMPARE(f.texts(), Strings{kDone});
        QCOMPARE(f.host.messages[0].icon, model::Icon::Information);
        QVERIFY(!s->isVisible());

        f.navigator.ShowScreen(ScreenId::PlotSelect3);
        QWidget* select = f.navigator.screen(ScreenId::PlotSelect3);
        Pick(List(select, "cmb_Preset"), "Current FFT - Real, Imag, Mag, Phase");
        Click(select, "cmd_Done");
        QVERIFY(f.navigator.lastShownIs(ScreenId::Plot3));
        QVERIFY(f.model->SpectrumSelected);
        auto* plot = f.screen<ui::AnnotatedPlotScreen>(ScreenId::Plot3);
        for (int w = 0; w < 4; ++w) {
            const output::Graph& g = plot->chart(w)->graph();
            QCOMPARE(g.BottomTitle, std::string("Harmonic Number"));
            QCOMPARE(g.NumPoints, 31);
            for (int h = 0; h <= 30; ++h)
                QCOMPARE(g.Sets[0].GraphData[static_cast<std::size_t>(h)],
                         double(f.model->FFTResult[static_cast<std::size_t>(h)]
                                                  [static_cast<std::size_t>(w)]));
            QCOMPARE(g.Sets[0].LegendText, std::string("FFT of Displcmnt"));
        }

        // The two-window presets too, by typed codes as well.
        f.navigator.ShowScreen(ScreenId::PlotSelect2);
        QWidget* two = f.navigator.screen(ScreenId::PlotSelect2);
        const QStringList presets = Items(List(two, "cmb_Preset"));
        QVERIFY(presets.contains("Mag and Phase Components of Current FFT"));
        QVERIFY(presets.contains("Real and Imag Components of Current FFT"));
        Pick(List(two, "cmb_Preset"), "Mag and Phase Components of Current FFT");
        Click(two, "cmd_Done");
        QVERIFY(f.navigator.lastShownIs(ScreenId::Plot2));
        auto* plot2 = f.screen<ui::AnnotatedPlotScreen>(ScreenId::Plot2);
        QCOMPARE(plot2->chart(1)->graph().Sets[0].GraphData[3], double(f.model->FFTResult[3][3]));
    }

    // The FFT menu opens the screen once a motion program exists.
    void menuOpensTheScreen() {
        UiFixture f;
        f.homeTargets();
        f.home()->activate();
        QVERIFY(!Child<QAction>(f.home(), "mnu_CalcFFT")->isEnabled());
        LoadComputedExample(f, 1, 1.0f);
        f.home()->activate();
        f.trigger("mnu_CalcFFT");
        QVERIFY(f.navigator.lastShownIs(ScreenId::FFT));
        QVERIFY(f.navigator.screenAs<ui::FftScreen>(ScreenId::FFT));
    }
};

TROCHIX_UI_TEST(FftScreenTest)
#include "FftScreenTest.moc"
