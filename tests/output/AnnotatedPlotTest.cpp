// What the Annotated plot routines hand to the chart windows.
#include "output/AnnotatedPlot.h"

#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "model/Units.h"
#include "support/TestModels.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace trochix;
using output::Graph;
using output::GraphKind;
using output::StyleBoxes;
using testsupport::ModelAtStep;

namespace {

// Functions of cam angle (radians) put into rows 1..4, so that every point has its own value.
double S(double a) {
    return 1.0 - std::cos(a);
}
double V(double a) {
    return 3.0 * std::sin(a);
}
double A(double a) {
    return 20.0 * std::cos(2.0 * a);
}
double J(double a) {
    return -400.0 * std::sin(3.0 * a) + a;
}
using Fn = double (*)(double);
constexpr std::array<Fn, 5> kFn{nullptr, S, V, A, J};

std::unique_ptr<model::CamModel> FilledModel(float step) {
    auto m = ModelAtStep(step);
    for (int row = 1; row <= 4; ++row)
        testsupport::FillRow(*m, row, kFn[static_cast<std::size_t>(row)]);
    m->SvajDone = true;
    return m;
}

void Request(model::CamModel& m, int type, std::array<int, 4> rows, int count, float start,
             float end) {
    m.PlotType = type;
    m.NumPlotFuncs = count;
    for (int k = 1; k <= 4; ++k)
        m.PlotFunc[static_cast<std::size_t>(k)] = rows[static_cast<std::size_t>(k - 1)];
    m.PlotStart = start;
    m.PlotEnd = end;
    m.PlotAllSegments = start == 0.0f && end == 360.0f;
}

// Point n of every chart lies at PlotStart + n degrees and holds the function's value there,
// at every calculation step, in the single window and in one-chart-per-function layouts.
TEST(AnnotatedPlot, ChartsHoldTheModelRowsOverTheRange) {
    const struct {
        float step;
        int type; // 1 single window, 2 two windows, 3 four windows
        float start, end;
        int points;
    } cases[] = {
        {1.0f, 1, 0, 360, 361},    {0.5f, 1, 0, 360, 361}, {0.25f, 1, 0, 360, 361},
        {0.25f, 3, 0, 360, 361},   {1.0f, 2, 90, 180, 91}, {0.5f, 3, 45, 135, 91},
        {0.25f, 2, 200, 360, 161},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << " type " << c.type << " range "
                                        << c.start << ".." << c.end);
        auto m = FilledModel(c.step);
        const int windows = c.type == 1 ? 1 : (c.type == 2 ? 2 : 4);
        Request(*m, c.type, {4, 3, 2, 1}, c.type == 2 ? 2 : 4, c.start, c.end);
        model::RecordingHost host;
        std::array<Graph, 4> charts;
        StyleBoxes boxes;
        ASSERT_TRUE(output::PlotSetup(*m, host, charts, windows, boxes));
        if (c.type == 1)
            ASSERT_TRUE(output::MultiPlot(*m, host, charts[0]));
        else
            ASSERT_TRUE(output::Plot(*m, host, charts, windows, boxes));
        EXPECT_TRUE(host.messages.empty());

        for (int w = 0; w < windows; ++w) {
            const Graph& g = charts[static_cast<std::size_t>(w)];
            ASSERT_EQ(g.NumPoints, c.points);
            ASSERT_EQ(g.NumSets, c.type == 1 ? 4 : 1);
            ASSERT_EQ(g.Sets.size(), static_cast<std::size_t>(g.NumSets));
            EXPECT_EQ(g.DrawMode, 2);
            for (int k = 0; k < g.NumSets; ++k) {
                const int row = m->PlotFunc[static_cast<std::size_t>(c.type == 1 ? k + 1 : w + 1)];
                const auto& data = g.Sets[static_cast<std::size_t>(k)].GraphData;
                ASSERT_EQ(data.size(), static_cast<std::size_t>(c.points));
                for (int n = 0; n < c.points; ++n) {
                    const double angle = c.start + n;
                    ASSERT_EQ(g.XValues[static_cast<std::size_t>(n)], angle) << n;
                    const float expected = static_cast<float>(
                        kFn[static_cast<std::size_t>(row)](testsupport::Rad(angle)));
                    ASSERT_NEAR(data[static_cast<std::size_t>(n)], expected,
                                1e-5 * (1.0 + std::fabs(expected)))
                        << "row " << row << " point " << n;
                }
            }
            EXPECT_EQ(g.LabelText.front(), text::ShortestFloat(c.start, 7));
            EXPECT_EQ(g.LabelText.back(), text::ShortestFloat(c.end, 7));
        }
    }
}

// Ticks every twelfth of the range (at least one point), labels every second tick; a spectrum
// ticks every fifteenth of its harmonics.
TEST(AnnotatedPlot, TickAndLabelSpacing) {
    const struct {
        float start, end;
        bool spectrum;
        int harmonics;
        int tick;
    } cases[] = {
        {0, 360, false, 0, 30},  {90, 180, false, 0, 8}, // 7.5 rounds up
        {100, 105, false, 0, 1}, {0, 360, true, 15, 1},
        {0, 360, true, 30, 2},   {0, 360, true, 180, 12},
    };
    for (const auto& c : cases) {
        auto m = FilledModel(1.0f);
        Request(*m, 2, {1, 2, 1, 1}, 2, c.start, c.end);
        m->SpectrumSelected = c.spectrum;
        m->NumHarmonics = c.harmonics;
        m->FFTResult.resize(181);
        model::RecordingHost host;
        std::array<Graph, 4> charts;
        ASSERT_TRUE(output::PlotSetup(*m, host, charts, 2, StyleBoxes{}));
        for (int w = 0; w < 2; ++w) {
            EXPECT_EQ(charts[static_cast<std::size_t>(w)].TickEvery, c.tick) << c.end;
            EXPECT_EQ(charts[static_cast<std::size_t>(w)].LabelEvery, 2 * c.tick) << c.end;
            EXPECT_EQ(charts[static_cast<std::size_t>(w)].BottomTitle,
                      c.spectrum ? "Harmonic Number" : "Cam Angle (Deg)");
        }
        EXPECT_EQ(charts[0].NumPoints, c.spectrum ? c.harmonics + 1 : int(c.end - c.start) + 1);
        EXPECT_EQ(charts[0].Fonts[0].FontSize, 120);
        EXPECT_EQ(charts[0].Fonts[3], (output::GraphFont{80, 2, 1}));
    }
}

TEST(AnnotatedPlot, GridAndStyleFromTheBoxes) {
    const struct {
        bool h, v, line, sticks;
        int grid, style;
    } cases[] = {
        {false, false, false, false, 0, 0},
        {true, false, false, true, 1, 2},
        {false, true, true, false, 2, 4},
        {true, true, true, true, 3, 6},
    };
    for (const auto& c : cases) {
        StyleBoxes b;
        b.chk_HGrid = c.h;
        b.chk_VGrid = c.v;
        b.chk_Line = c.line;
        b.chk_Sticks = c.sticks;
        std::array<Graph, 4> charts;
        model::RecordingHost host;
        ASSERT_TRUE(output::SetGridstyle(host, charts, 4, b));
        for (const Graph& g : charts) {
            EXPECT_EQ(g.GridStyle, c.grid);
            EXPECT_EQ(g.GraphStyle, c.style);
        }
    }
}

TEST(AnnotatedPlot, BoxCaptionsByKindOfPlot) {
    const struct {
        bool spectrum, polar;
        const char *h, *v, *line, *sticks;
    } cases[] = {
        {false, false, "Horiz", "Vertic", "Lines", "Fills"},
        {true, false, "Horiz", "Vertic", "Envelope", "Lines"},
        {false, true, "Magnitude", "Angle", "Lines", "Fills"},
    };
    for (const auto& c : cases) {
        const output::BoxCaptions got = output::PlotBoxCaptions(c.spectrum, c.polar);
        EXPECT_EQ(got.chk_HGrid, c.h);
        EXPECT_EQ(got.chk_VGrid, c.v);
        EXPECT_EQ(got.chk_Line, c.line);
        EXPECT_EQ(got.chk_Sticks, c.sticks);
    }
}

// One to four curves in one window: each its own dash pattern and the function's letter.
TEST(AnnotatedPlot, SingleWindowLegendsAndPatterns) {
    auto m = FilledModel(1.0f);
    model::RefreshUnitLabels(*m);
    Request(*m, 1, {3, 1, 4, 0}, 3, 0, 360);
    model::RecordingHost host;
    std::array<Graph, 4> charts;
    ASSERT_TRUE(output::PlotSetup(*m, host, charts, 1, StyleBoxes{}));
    ASSERT_TRUE(output::MultiPlot(*m, host, charts[0]));
    const Graph& g = charts[0];
    ASSERT_EQ(g.NumSets, 3);
    EXPECT_TRUE(g.PatternedLines);
    const char* letters[] = {"A", "S", "J"};
    const char* units[] = {"in/sec^2", "in", "in/sec^3"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(g.Sets[static_cast<std::size_t>(k)].LegendText, letters[k]);
        EXPECT_EQ(g.Sets[static_cast<std::size_t>(k)].PatternData, k);
        EXPECT_EQ(g.Sets[static_cast<std::size_t>(k)].Unit, units[k]);
    }
    EXPECT_EQ(g.LeftTitle, "");
    EXPECT_EQ(g.GraphStyle, 4); // a fresh screen draws lines
}

// Two or four charts: the function's abbreviation as left title and its unit as legend; the
// Style boxes start at Lines for functions of cam angle and keep the user's choice afterwards.
TEST(AnnotatedPlot, OneFunctionPerChart) {
    auto m = FilledModel(1.0f);
    model::SelectUnitSystem(*m, 3); // SI
    Request(*m, 3, {1, 2, 3, 4}, 4, 0, 360);
    model::RecordingHost host;
    std::array<Graph, 4> charts;
    StyleBoxes boxes;
    boxes.chk_Line = false;
    ASSERT_TRUE(output::PlotSetup(*m, host, charts, 4, boxes));
    ASSERT_TRUE(output::Plot(*m, host, charts, 4, boxes));
    const char* titles[] = {"Displ ", "Veloc", "Acc", "Jrk"};
    const char* legends[] = {"m", "m/sec", "m/sec^2", "m/sec^3"};
    for (std::size_t w = 0; w < 4; ++w) {
        EXPECT_EQ(charts[w].LeftTitle, titles[w]);
        EXPECT_EQ(charts[w].Sets[0].LegendText, legends[w]);
        EXPECT_EQ(charts[w].GraphStyle, 4);
    }
    EXPECT_TRUE(boxes.chk_Line && !boxes.chk_Sticks);

    // The user asks for fills only; the next visit keeps them.
    boxes.chk_Line = false;
    boxes.chk_Sticks = true;
    boxes.chk_HGrid = true;
    ASSERT_TRUE(output::PlotSetup(*m, host, charts, 4, boxes));
    ASSERT_TRUE(output::Plot(*m, host, charts, 4, boxes));
    EXPECT_EQ(charts[3].GraphStyle, 2);
    EXPECT_EQ(charts[3].GridStyle, 1);
    EXPECT_TRUE(host.messages.empty());
}

// A spectrum: harmonics 0..NumHarmonics from the transform (harmonic 0 is the doubled mean),
// "FFT of" the transformed function as legend, spectral lines on.
TEST(AnnotatedPlot, SpectrumCharts) {
    auto m = FilledModel(0.5f);
    m->FFTResult.assign(361, {0, 0, 0, 0, 0});
    for (int h = 0; h <= 360; ++h)
        m->FFTResult[static_cast<std::size_t>(h)] = {float(h), -float(h), 2.0f * h + 1.0f, 45.0f,
                                                     0.0f};
    m->FftRow = 3;
    m->FftDone = true;
    m->NumHarmonics = 30;
    m->SpectrumSelected = true;
    Request(*m, 2, {19, 20, 0, 0}, 2, 0, 30);
    model::RecordingHost host;
    std::array<Graph, 4> charts;
    StyleBoxes boxes;
    ASSERT_TRUE(output::PlotSetup(*m, host, charts, 2, boxes));
    ASSERT_TRUE(output::Plot(*m, host, charts, 2, boxes));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(charts[0].Kind, GraphKind::Spectrum);
    EXPECT_EQ(charts[0].NumPoints, 31);
    EXPECT_EQ(charts[0].LeftTitle, "Mag");
    EXPECT_EQ(charts[1].LeftTitle, "Phs");
    EXPECT_EQ(charts[0].Sets[0].LegendText, "FFT of Accel");
    EXPECT_EQ(charts[0].Sets[0].GraphData[0], 1.0); // the mean, not an empty slot
    EXPECT_EQ(charts[0].Sets[0].GraphData[30], 61.0);
    EXPECT_EQ(charts[1].Sets[0].GraphData[7], 45.0);
    EXPECT_EQ(charts[0].XValues[30], 30.0);
    EXPECT_EQ(charts[0].LabelText[30], "30"); // harmonic numbers, not cam angles
    EXPECT_TRUE(boxes.chk_Sticks && !boxes.chk_Line);
    EXPECT_EQ(charts[1].GraphStyle, 2);
    EXPECT_EQ(output::GraphReading(charts[0], 4), "Harmonic 4   Mag FFT 9.000 in/sec^2");
}

// The polar chart: radius against theta over the whole revolution, one point per degree.
TEST(AnnotatedPlot, PolarChart) {
    for (int follower : {1, 2}) {
        auto m = FilledModel(0.25f);
        testsupport::FillRow(*m, 11, [](double a) { return 2.0 + std::sin(a); });
        testsupport::FillRow(*m, 12, [](double a) { return testsupport::Deg(a) + 0.04; });
        m->FollowerType = follower;
        Request(*m, 4, {11, 0, 0, 0}, 1, 0, 360);
        model::RecordingHost host;
        std::array<Graph, 4> charts;
        ASSERT_TRUE(output::PlotSetup(*m, host, charts, 1, StyleBoxes{}));
        ASSERT_TRUE(output::PolarPlot(*m, host, charts[0]));
        const Graph& g = charts[0];
        EXPECT_EQ(g.BottomTitle,
                  follower == 1 ? "Cam Profile at Follower Centerline" : "Cam Surface Profile");
        ASSERT_EQ(g.NumPoints, 361);
        EXPECT_EQ(g.Kind, GraphKind::Polar);
        EXPECT_NEAR(g.Sets[0].GraphData[90], 3.0, 1e-6);
        EXPECT_NEAR(g.XPosData[90], 90.04, 1e-4);
        EXPECT_EQ(g.LabelText[90], "90");
        EXPECT_EQ(output::NearestPoint(g, 719.2), 359); // a turn further round
        EXPECT_EQ(output::GraphReading(g, 90), "Theta 90.04 deg   Radius 3.0000 in");
    }
}

// A request naming no plottable row, or a range outside the results, is reported under the
// routine's name and leaves the chart as it was.
TEST(AnnotatedPlot, FaultsAreReportedByRoutine) {
    auto m = FilledModel(1.0f);
    Request(*m, 1, {0, 1, 1, 1}, 1, 0, 360);
    model::RecordingHost host;
    std::array<Graph, 4> charts;
    EXPECT_FALSE(output::MultiPlot(*m, host, charts[0]));
    Request(*m, 2, {1, 2, 0, 0}, 2, 0, 400);
    StyleBoxes boxes;
    EXPECT_FALSE(output::Plot(*m, host, charts, 2, boxes));
    EXPECT_FALSE(output::PlotSetup(*m, host, charts, 5, boxes));
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].text,
              "Error 9   (Subscript out of range)  has occurred in MultiPlot\r\r");
    EXPECT_NE(host.messages[1].text.find("has occurred in Plot\r"), std::string::npos);
    EXPECT_NE(host.messages[2].text.find("has occurred in PlotSetup\r"), std::string::npos);
}

TEST(AnnotatedPlot, ReadingsNameEverySet) {
    auto m = FilledModel(1.0f);
    Request(*m, 1, {1, 2, 0, 0}, 2, 0, 360);
    model::RecordingHost host;
    std::array<Graph, 4> charts;
    ASSERT_TRUE(output::PlotSetup(*m, host, charts, 1, StyleBoxes{}));
    ASSERT_TRUE(output::MultiPlot(*m, host, charts[0]));
    // S(90) = 1 - cos 90 = 1 (magnitude 2: 4 decimals); V(90) = 3 (magnitude 3).
    EXPECT_EQ(output::GraphReading(charts[0], 90),
              "Cam Angle 90 deg   Displcmnt 1.0000 in   Velocity 3.0000 in/sec");
    EXPECT_EQ(output::NearestPoint(charts[0], 90.4), 90);
    EXPECT_EQ(output::NearestPoint(charts[0], -5), 0);
    EXPECT_EQ(output::GraphReading(charts[0], 361), "");
}

} // namespace
