// The Aligned plot windows: their scale, frame, marks, curve and labels.
#include "output/AlignedPlot.h"

#include "model/CamModel.h"
#include "model/Colours.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

using namespace trochix;
using geometry::Point;
using geometry::Primitive;
using geometry::PrimitiveKind;
using output::AlignedWindow;
using testsupport::ModelAtStep;

namespace {

model::ColourTable Colours() {
    model::ColourTable c;
    model::SetColours(c);
    return c;
}

// Two segments: 0..150 and 150..360, with distinct end values of S, V, A, J.
std::unique_ptr<model::CamModel> TwoSegmentModel(float step = 1.0f) {
    auto m = ModelAtStep(step);
    m->NumSegments = 2;
    m->SegStart[1] = 0;
    m->SegEnd[1] = 150;
    m->SegStart[2] = 150;
    m->SegEnd[2] = 360;
    for (int seg = 1; seg <= 2; ++seg)
        for (int e = 1; e <= 2; ++e)
            for (int k = 0; k < 4; ++k)
                m->SegEnds[static_cast<std::size_t>(seg)][static_cast<std::size_t>(e)]
                          [static_cast<std::size_t>(k)] = float(10 * seg + e + k);
    testsupport::FillRow(*m, 1, [](double a) { return 2.0 * std::sin(a); });
    m->PlotType = 3;
    m->PlotStyle = 1;
    m->NumPlotFuncs = 4;
    m->PlotFunc = {0, 1, 2, 3, 4};
    return m;
}

struct Plotted {
    std::array<AlignedWindow, 4> windows;
    model::RecordingHost host;
    bool ok = false;
};

std::unique_ptr<Plotted> PlotAll(model::CamModel& m, int count) {
    auto p = std::make_unique<Plotted>();
    EXPECT_TRUE(output::AlignedSetup(m, p->host, p->windows, count));
    p->ok = output::AlignedPlot(m, p->host, Colours(), p->windows, count);
    return p;
}

std::vector<const Primitive*> OfColour(const geometry::Scene& s, model::Rgb colour,
                                       PrimitiveKind kind) {
    std::vector<const Primitive*> out;
    for (const Primitive& p : s.items())
        if (p.colour == colour && p.kind == kind)
            out.push_back(&p);
    return out;
}

// Vertical marks (two points with equal x) of a colour, by x.
std::vector<double> MarksAt(const geometry::Scene& s, model::Rgb colour, double y0, double y1) {
    std::vector<double> xs;
    for (const Primitive* p : OfColour(s, colour, PrimitiveKind::Polyline))
        if (p->points.size() == 2 && p->points[0].x == p->points[1].x &&
            std::fabs(p->points[0].y - y0) < 1e-9 && std::fabs(p->points[1].y - y1) < 1e-9)
            xs.push_back(p->points[0].x);
    return xs;
}

// The window leaves a fifth of the range for the value labels at the left, 4 % at the right,
// 0.15 p above and 0.7 p below the curve's band.
TEST(AlignedPlot, WindowOfMagnitude) {
    auto m = TwoSegmentModel();
    model::RecordingHost host;
    geometry::Scene scene;
    output::SetWindow(*m, host, scene, 2.0, 0.0, 360.0, "Displcmnt");
    const geometry::SceneWindow w = scene.window();
    EXPECT_DOUBLE_EQ(w.left, -72.0);
    EXPECT_DOUBLE_EQ(w.right, 374.4);
    EXPECT_DOUBLE_EQ(w.top, 2.3);
    EXPECT_DOUBLE_EQ(w.bottom, -3.4);
    EXPECT_FALSE(m->WindowOverflow);
    EXPECT_TRUE(host.messages.empty());
}

// Labels show the magnitude rounded to 0..3 decimals by its size; a function that is zero
// everywhere is drawn in a window of magnitude 0.0001 and labelled "0".
TEST(AlignedPlot, ValueLabelsAndDecimals) {
    const struct {
        double peak;
        int decimals;
        const char *ymax, *ymin;
    } cases[] = {
        {0.0, 3, "0", "0"},        {0.12345, 3, ".123", "-.123"}, {0.9996, 3, "1", "-1"},
        {1.0, 2, "1", "-1"},       {5.125, 2, "5.13", "-5.13"},   {10.0, 1, "10", "-10"},
        {99.96, 1, "100", "-100"}, {100.0, 0, "100", "-100"},     {-1234.5, 0, "1235", "-1235"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.peak);
        auto m = TwoSegmentModel();
        testsupport::FillRow(*m, 3, [&](double a) { return a > 1.0 && a < 1.1 ? c.peak : 0.0; });
        m->PlotFunc = {0, 3, 3, 3, 3};
        auto p = PlotAll(*m, 2);
        ASSERT_TRUE(p->ok);
        const AlignedWindow& w = p->windows[0];
        EXPECT_EQ(w.decimals, c.decimals);
        EXPECT_EQ(w.lbl_Ymax, c.ymax);
        EXPECT_EQ(w.lbl_Ymin, c.ymin);
        if (c.peak == 0.0) {
            EXPECT_DOUBLE_EQ(w.scene.window().top, 1.15 * 0.0001);
            EXPECT_DOUBLE_EQ(w.scene.window().bottom, -1.7 * 0.0001);
        }
        EXPECT_TRUE(p->host.messages.empty());
    }
}

// Axes, 25 angle ticks (24 intervals and the end), 5 value ticks, cyan quarter lines, red
// segment ends and continuity circles, and the blue curve through every sampled point.
TEST(AlignedPlot, FrameMarksAndCurve) {
    for (float step : {1.0f, 0.25f}) {
        SCOPED_TRACE(step);
        auto m = TwoSegmentModel(step);
        auto p = PlotAll(*m, 4);
        ASSERT_TRUE(p->ok);
        const model::ColourTable c = Colours();
        const AlignedWindow& w = p->windows[0];
        const geometry::Scene& s = w.scene;
        const double pk = 2.0;
        EXPECT_NEAR(w.magnitude, pk, 1e-6);

        std::vector<double> ticks =
            MarksAt(s, c.ColorBlack, -0.07 * w.magnitude, 0.07 * w.magnitude);
        ASSERT_EQ(ticks.size(), 25u);
        for (std::size_t k = 0; k < 24; ++k)
            EXPECT_NEAR(ticks[k], 15.0 * k, 1e-4);
        EXPECT_EQ(ticks[24], 360.0);

        int yticks = 0;
        for (const Primitive* q : OfColour(s, c.ColorBlack, PrimitiveKind::Polyline))
            if (q->points[0].y == q->points[1].y && q->points[0].y != 0.0 &&
                std::fabs(q->points[1].x - q->points[0].x - 3.6) < 1e-9)
                ++yticks;
        EXPECT_EQ(yticks, 4); // the fifth, at 0, lies on the horizontal axis

        EXPECT_EQ(MarksAt(s, c.ColorCyan, -0.95 * w.magnitude, 0.95 * w.magnitude),
                  (std::vector<double>{90, 180, 270, 360}));
        EXPECT_EQ(MarksAt(s, c.ColorRed, 0.95 * w.magnitude, 1.1 * w.magnitude),
                  (std::vector<double>{150, 360}));

        const auto circles = OfColour(s, c.ColorRed, PrimitiveKind::Marker);
        ASSERT_EQ(circles.size(), 4u);
        EXPECT_EQ(circles[0]->points[0], (Point{0, 11}));   // S at the start of segment 1
        EXPECT_EQ(circles[3]->points[0], (Point{360, 22})); // S at the end of segment 2
        EXPECT_DOUBLE_EQ(circles[0]->radius, 4.0);
        // Jerk (row 4) takes k = 3.
        EXPECT_EQ(OfColour(p->windows[3].scene, c.ColorRed, PrimitiveKind::Marker)[1]->points[0],
                  (Point{150, 15}));

        const auto curve = OfColour(s, c.ColorBlue, PrimitiveKind::Polyline);
        ASSERT_EQ(curve.size(), 1u);
        ASSERT_EQ(curve[0]->points.size(), 361u);
        for (int n = 0; n <= 360; n += 30) {
            EXPECT_EQ(curve[0]->points[static_cast<std::size_t>(n)].x, n);
            EXPECT_NEAR(curve[0]->points[static_cast<std::size_t>(n)].y,
                        2.0 * std::sin(testsupport::Rad(n)), 1e-6);
        }
    }
}

// One segment: no continuity circles, only the segment ends within the range, angle labels at
// the range's quarters.
TEST(AlignedPlot, OneSegment) {
    auto m = TwoSegmentModel(0.5f);
    m->PlotStart = 150;
    m->PlotEnd = 360;
    m->PlotAllSegments = false;
    m->CurSeg = 2;
    auto p = PlotAll(*m, 2);
    ASSERT_TRUE(p->ok);
    const AlignedWindow& s = p->windows[0];
    EXPECT_TRUE(OfColour(s.scene, Colours().ColorRed, PrimitiveKind::Marker).empty());
    EXPECT_EQ(MarksAt(s.scene, Colours().ColorRed, 0.95 * s.magnitude, 1.1 * s.magnitude),
              (std::vector<double>{150, 360}));
    // Velocity is zero here: its window has magnitude 0.0001.
    const AlignedWindow& w = p->windows[1];
    EXPECT_EQ(MarksAt(w.scene, Colours().ColorRed, 0.95e-4, 1.1e-4),
              (std::vector<double>{150, 360}));
    EXPECT_EQ(w.lbl_Xmin, "150");
    EXPECT_EQ(w.lbl_X1, "202.5");
    EXPECT_EQ(w.lbl_X2, "255");
    EXPECT_EQ(w.lbl_X3, "307.5");
    EXPECT_EQ(w.lbl_Xmax, "360");
    EXPECT_EQ(w.lbl_BottomTitle, "Cam Angle (Deg)");
    EXPECT_EQ(w.lbl_LeftTitle, "Velocity");
    EXPECT_EQ(w.lbl_Units, "in/sec");
    EXPECT_EQ(w.samples.size(), 211u);
    EXPECT_EQ(w.samples.front().x, 150.0);
}

// A function too large for a window (or not finite) shows the capacity message, leaves that
// window blank and sets WindowOverflow; the other windows are drawn.
TEST(AlignedPlot, CapacityOfAWindow) {
    const double kHuge = 3.0e38;
    const double kInf = std::numeric_limits<double>::infinity();
    for (double bad : {kHuge, kInf, -kInf, std::nan("")}) {
        SCOPED_TRACE(bad);
        auto m = TwoSegmentModel();
        testsupport::FillRow(*m, 2, [&](double a) { return a > 3.0 ? bad : 1.0; });
        auto p = PlotAll(*m, 4);
        ASSERT_TRUE(p->ok);
        ASSERT_EQ(p->host.messages.size(), 1u);
        EXPECT_EQ(p->host.messages[0].text,
                  "The magnitude of Velocity exceeds the capacity of this window.\r"
                  "Switch to the 'Annotated' style of plot instead of the 'Aligned' style,\r"
                  "or use a plot type with a larger window to see this function.");
        EXPECT_EQ(p->host.messages[0].icon, model::Icon::Exclamation);
        EXPECT_TRUE(p->windows[1].overflow);
        EXPECT_TRUE(p->windows[1].scene.empty());
        // The blank window is left out of the readout; the others are read.
        const output::Graph stack = output::AlignedStackGraph(*m, p->windows);
        ASSERT_EQ(stack.Sets.size(), 3u);
        EXPECT_EQ(stack.Sets[1].Name, p->windows[2].lbl_LeftTitle);
        for (int i : {0, 2, 3})
            EXPECT_FALSE(p->windows[static_cast<std::size_t>(i)].scene.empty()) << i;
        EXPECT_FALSE(m->WindowOverflow); // the last window was drawn
    }
    // The largest magnitude that still fits is drawn.
    auto m = TwoSegmentModel();
    model::RecordingHost host;
    geometry::Scene scene;
    output::SetWindow(*m, host, scene, output::MaxWindowMagnitude(), 0, 360, "Force");
    EXPECT_FALSE(m->WindowOverflow);
    EXPECT_TRUE(std::isfinite(static_cast<float>(scene.window().bottom)));
    output::SetWindow(*m, host, scene, kHuge, 0, 360, "Force");
    EXPECT_TRUE(m->WindowOverflow);
}

// The readout of a stack reads every window at one angle, interpolated between the points,
// with each function's unit; outside the plotted range there is nothing to read.
TEST(AlignedPlot, ReadoutOfTheStack) {
    auto m = TwoSegmentModel();
    auto p = PlotAll(*m, 4);
    ASSERT_TRUE(p->ok);
    const auto& stackWindows = p->windows;
    const output::Graph stack = output::AlignedStackGraph(*m, stackWindows);
    ASSERT_EQ(stack.Sets.size(), 4u);
    // "Cam Angle 30.3 deg   <name> <value> <unit>" for each window, in window order.
    const std::string text = output::GraphReadingAt(stack, 30.3);
    std::vector<std::string> parts;
    std::string rest = text;
    for (std::size_t at; (at = rest.find("   ")) != std::string::npos; rest.erase(0, at + 3))
        parts.push_back(rest.substr(0, at));
    parts.push_back(rest);
    ASSERT_EQ(parts.size(), 5u) << text;
    EXPECT_EQ(parts[0], "Cam Angle 30.3 deg");
    for (int row = 1; row <= 4; ++row) {
        const auto& r = m->Results[static_cast<std::size_t>(row)];
        const double expected = r[30] + 0.3 * (r[31] - r[30]);
        // "<name> <value> <unit>"; a value of many decimals is grouped by blanks.
        const std::string& part = parts[static_cast<std::size_t>(row)];
        const std::string unit = part.substr(part.rfind(' ') + 1);
        std::string value = part.substr(part.find(' '), part.rfind(' ') - part.find(' '));
        std::erase(value, ' ');
        const double shown = std::stod(value);
        EXPECT_EQ(unit, m->UnitLabel[static_cast<std::size_t>(row)]) << text;
        // Shown to two decimals more than the window's labels: finer than a step of S here.
        const double mag = std::max(1.0, stackWindows[static_cast<std::size_t>(row - 1)].magnitude);
        EXPECT_NEAR(shown, expected, 1e-3 * mag) << text;
    }
    EXPECT_EQ(output::ReadoutText(stack, -40.0, {}), "");
    EXPECT_EQ(output::ReadoutText(stack, std::nullopt, {10.0, 40.0}),
              output::GraphDifference(stack, 10.0, 40.0));
    EXPECT_EQ(output::ReadoutText(stack, 20.0, {10.0}), output::GraphReadingAt(stack, 20.0) +
                                                            "\nPinned   " +
                                                            output::GraphReadingAt(stack, 10.0));
}

} // namespace
