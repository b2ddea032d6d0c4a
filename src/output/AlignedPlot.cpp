#include "output/AlignedPlot.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "output/AnnotatedPlot.h"
#include "output/Graph.h"
#include "output/PlotData.h"
#include "output/Sampling.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace trochix::output {

using geometry::Point;
using model::CamModel;

namespace {

constexpr int kMaxWindows = 4;
constexpr double kZeroMagnitude = 0.0001;
constexpr double kXticInterval = 0.04166667; // 24 intervals
constexpr int kYtics = 5;

std::string Label(double v) {
    return text::ShortestFloat(static_cast<float>(v), 7);
}

void CheckWindows(std::span<AlignedWindow> windows, int count) {
    if (count < 1 || count > kMaxWindows || static_cast<std::size_t>(count) > windows.size())
        throw model::Fault(model::kSubscriptOutOfRange);
}

// Runs one named drawing step; a fault is reported under its name and the plot goes on.
template <class Body> void Step(model::Host& host, const char* name, Body&& body) {
    model::RunGuarded(host, name, std::forward<Body>(body));
}

double Magnitude(const std::vector<Point>& samples) {
    double p = 0.0;
    for (const Point& s : samples) {
        if (!std::isfinite(s.y))
            return std::numeric_limits<double>::infinity();
        p = std::max(p, std::fabs(s.y));
    }
    return p;
}

} // namespace

double MaxWindowMagnitude() {
    return static_cast<double>(std::numeric_limits<float>::max()) / 1.7;
}

std::string CapacityMessage(const std::string& name) {
    return "The magnitude of " + name +
           " exceeds the capacity of this window.\r"
           "Switch to the 'Annotated' style of plot instead of the 'Aligned' style,\r"
           "or use a plot type with a larger window to see this function.";
}

bool AlignedSetup(const CamModel& m, model::Host& host, std::span<AlignedWindow> windows,
                  int count) {
    return model::RunGuarded(host, "AlignedSetup", [&] {
        CheckWindows(windows, count);
        const double xmin = m.PlotStart, dx = m.PlotEnd - m.PlotStart;
        for (int i = 0; i < count; ++i) {
            AlignedWindow& w = windows[static_cast<std::size_t>(i)];
            w.lbl_BottomTitle = PlotBottomTitle(m);
            w.lbl_Xmin = Label(xmin);
            w.lbl_X1 = Label(xmin + dx / 4.0);
            w.lbl_X2 = Label(xmin + dx / 2.0);
            w.lbl_X3 = Label(xmin + 3.0 * dx / 4.0);
            w.lbl_Xmax = Label(m.PlotEnd);
        }
    });
}

void SetWindow(CamModel& m, model::Host& host, geometry::Scene& scene, double p, double xmin,
               double xmax, const std::string& name) {
    m.WindowOverflow = false;
    const double dx = xmax - xmin;
    if (!(dx > 0.0) || !std::isfinite(dx))
        throw model::Fault(model::kSubscriptOutOfRange);
    if (p == 0.0)
        p = kZeroMagnitude;
    if (!std::isfinite(p) || p > MaxWindowMagnitude()) {
        host.message(CapacityMessage(name), model::Icon::Exclamation, model::DefaultTitle());
        m.WindowOverflow = true;
        return;
    }
    scene.setWindow({xmin - 0.2 * dx, xmax + 0.04 * dx, -1.7 * p, 1.15 * p});
}

void CartesianAxes(geometry::Scene& s, const model::ColourTable& c, const WindowExtents& e) {
    s.line({e.xmin, 0.0}, {e.xmax, 0.0}, c.ColorBlack);
    s.line({e.xmin, -e.p}, {e.xmin, e.p}, c.ColorBlack);
}

void XticMarks(geometry::Scene& s, const model::ColourTable& c, const WindowExtents& e) {
    const double step = (e.xmax - e.xmin) * kXticInterval;
    const double h = 0.07 * e.p;
    // The interval is a hair over a 24th, so the 25th step lands past xmax: the loop makes 24
    // marks and the last one is put at xmax itself.
    for (int k = 0; e.xmin + k * step <= e.xmax && k < 24; ++k)
        s.line({e.xmin + k * step, -h}, {e.xmin + k * step, h}, c.ColorBlack);
    s.line({e.xmax, -h}, {e.xmax, h}, c.ColorBlack);
}

void YticMarks(geometry::Scene& s, const model::ColourTable& c, const WindowExtents& e, int count) {
    if (count < 2)
        return;
    const double half = 0.005 * (e.xmax - e.xmin);
    for (int k = 0; k < count; ++k) {
        const double y = -e.p + 2.0 * e.p * k / (count - 1);
        s.line({e.xmin - half, y}, {e.xmin + half, y}, c.ColorBlack);
    }
}

void Vertical_lines(geometry::Scene& s, const model::ColourTable& c, const WindowExtents& e) {
    const double quarter = (e.xmax - e.xmin) / 4.0;
    for (int k = 1; k <= 4; ++k) {
        const double x = e.xmin + k * quarter;
        s.line({x, -0.95 * e.p}, {x, 0.95 * e.p}, c.ColorCyan);
    }
}

void SegmentMarks(geometry::Scene& s, const CamModel& m, const model::ColourTable& c,
                  const WindowExtents& e) {
    const int segments = std::clamp(m.NumSegments, 0, model::kMaxSegments);
    for (int i = 1; i <= segments; ++i) {
        const double x = m.SegEnd[static_cast<std::size_t>(i)];
        if (x >= e.xmin && x <= e.xmax)
            s.line({x, 0.95 * e.p}, {x, 1.1 * e.p}, c.ColorRed);
    }
}

void ContinuityMarks(geometry::Scene& s, const CamModel& m, const model::ColourTable& c,
                     const WindowExtents& e, int row) {
    if (row < model::ResultRow::Displacement || row > model::ResultRow::Jerk)
        return;
    const auto k = static_cast<std::size_t>(row - 1);
    const double radius = (e.xmax - e.xmin) / 90.0;
    const int segments = std::clamp(m.NumSegments, 0, model::kMaxSegments);
    for (int i = 1; i <= segments; ++i) {
        const auto seg = static_cast<std::size_t>(i);
        s.marker({m.SegStart[seg], m.SegEnds[seg][1][k]}, radius, c.ColorRed);
        s.marker({m.SegEnd[seg], m.SegEnds[seg][2][k]}, radius, c.ColorRed);
    }
}

bool AlignedPlot(CamModel& m, model::Host& host, const model::ColourTable& colours,
                 std::span<AlignedWindow> windows, int count) {
    return model::RunGuarded(host, "AlignedPlot", [&] {
        CheckWindows(windows, count);
        const std::vector<int> points = Indices(PlotSamples(m));
        for (int i = 0; i < count; ++i) {
            AlignedWindow& w = windows[static_cast<std::size_t>(i)];
            const int f = CheckedRow(m.PlotFunc[static_cast<std::size_t>(i + 1)]);
            const std::string& name = model::FuncShort[static_cast<std::size_t>(f)];
            w.row = f;
            w.lbl_LeftTitle = name;
            w.lbl_Units = FunctionUnit(m, f);
            w.scene = geometry::Scene{};
            w.samples.clear();
            for (int j : points)
                w.samples.push_back(
                    {PlotValue(m, model::ResultRow::CamAngle, j), PlotValue(m, f, j)});

            const double p = Magnitude(w.samples);
            w.magnitude = p;
            w.decimals = PlotDecimals(p);
            const double shown = text::FNRound(p, w.decimals);
            w.lbl_Ymax = Label(shown);
            w.lbl_Ymin = Label(-shown);

            const WindowExtents e{m.PlotStart, m.PlotEnd, p == 0.0 ? kZeroMagnitude : p};
            bool scaled = false;
            Step(host, "SetWindow", [&] {
                SetWindow(m, host, w.scene, p, e.xmin, e.xmax, name);
                scaled = !m.WindowOverflow;
            });
            w.overflow = !scaled;
            if (!scaled) {
                w.scene.setWindow({0.0, 0.0, 0.0, 0.0});
                continue;
            }
            Step(host, "CartesianAxes", [&] { CartesianAxes(w.scene, colours, e); });
            Step(host, "XticMarks", [&] { XticMarks(w.scene, colours, e); });
            Step(host, "YticMarks", [&] { YticMarks(w.scene, colours, e, kYtics); });
            Step(host, "Vertical_lines", [&] { Vertical_lines(w.scene, colours, e); });
            Step(host, "SegmentMarks", [&] { SegmentMarks(w.scene, m, colours, e); });
            if (m.PlotAllSegments)
                Step(host, "ContinuityMarks", [&] { ContinuityMarks(w.scene, m, colours, e, f); });
            w.scene.polyline(w.samples, colours.ColorBlue);
        }
    });
}

Graph AlignedGraph(const AlignedWindow& w) {
    Graph g;
    ResizeGraph(g, 1, static_cast<int>(w.samples.size()));
    for (std::size_t i = 0; i < w.samples.size(); ++i) {
        g.XValues[i] = w.samples[i].x;
        g.Sets[0].GraphData[i] = w.samples[i].y;
    }
    g.Sets[0].Name = w.lbl_LeftTitle;
    g.Sets[0].Unit = w.lbl_Units;
    return g;
}

Graph AlignedStackGraph(const CamModel& m, std::span<const AlignedWindow> windows) {
    Graph g;
    const AlignedWindow* first = nullptr;
    for (const AlignedWindow& w : windows)
        if (!w.overflow && !w.samples.empty()) {
            first = &w;
            break;
        }
    if (!first)
        return g;
    const std::size_t n = first->samples.size();
    g.NumPoints = static_cast<int>(n);
    for (const Point& p : first->samples)
        g.XValues.push_back(p.x);
    for (const AlignedWindow& w : windows) {
        // Every window of a stack is sampled at the same points; one that is not is not read.
        if (w.overflow || w.samples.size() != n)
            continue;
        GraphSet set;
        set.Name = w.lbl_LeftTitle;
        set.Unit = FunctionUnit(m, w.row);
        for (const Point& p : w.samples)
            set.GraphData.push_back(p.y);
        g.Sets.push_back(std::move(set));
    }
    g.NumSets = static_cast<int>(g.Sets.size());
    return g;
}

} // namespace trochix::output
