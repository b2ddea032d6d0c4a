#include "output/AnnotatedPlot.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "output/PlotData.h"
#include "output/Sampling.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace trochix::output {

using model::CamModel;
using model::ResultRow;

namespace {

constexpr int kMaxWindows = 4;

void CheckWindows(std::span<Graph> charts, int windows) {
    if (windows < 1 || windows > kMaxWindows || static_cast<std::size_t>(windows) > charts.size())
        throw model::Fault(model::kSubscriptOutOfRange);
}

// A label of the horizontal axis: the cam angle rounded to `decimals`, or the harmonic number.
std::string AngleLabel(double angle, int decimals) {
    return text::ShortestFloat(static_cast<float>(text::FNRound(angle, decimals)), 7);
}

// Horizontal values and labels of the sampled points.
void FillPoints(const CamModel& m, Graph& g, const std::vector<int>& points) {
    for (std::size_t n = 0; n < points.size(); ++n) {
        const int j = points[n];
        if (g.Kind == GraphKind::Spectrum) {
            g.XValues[n] = j;
            g.LabelText[n] = AngleLabel(j, 0);
        } else {
            g.XValues[n] = m.Results[ResultRow::CamAngle][static_cast<std::size_t>(j)];
            g.LabelText[n] = AngleLabel(g.XValues[n], 2);
        }
    }
}

void FillSet(const CamModel& m, GraphSet& set, int row, const std::vector<int>& points) {
    set.GraphData.resize(points.size());
    for (std::size_t n = 0; n < points.size(); ++n)
        set.GraphData[n] = PlotValue(m, row, points[n]);
    set.Name = model::FuncShort.at(static_cast<std::size_t>(row));
}

int Rounded(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

int GridStyleOf(const StyleBoxes& b) {
    return (b.chk_HGrid ? 1 : 0) + (b.chk_VGrid ? 2 : 0);
}

int GraphStyleOf(const StyleBoxes& b) {
    return (b.chk_Sticks ? 2 : 0) + (b.chk_Line ? 4 : 0);
}

BoxCaptions PlotBoxCaptions(bool spectrum, bool polar) {
    BoxCaptions c;
    c.chk_HGrid = polar ? "Magnitude" : "Horiz";
    c.chk_VGrid = polar ? "Angle" : "Vertic";
    c.chk_Line = spectrum ? "Envelope" : "Lines";
    c.chk_Sticks = spectrum ? "Lines" : "Fills";
    return c;
}

void StyleForKind(StyleBoxes& b, bool spectrum) {
    const auto kind = spectrum ? StyleBoxes::SetFor::Spectrum : StyleBoxes::SetFor::CamAngle;
    if (b.setFor == kind)
        return;
    b.chk_Line = !spectrum;
    b.chk_Sticks = spectrum;
    b.setFor = kind;
}

std::string PlotBottomTitle(const CamModel& m) {
    if (m.PlotType == 4)
        return m.FollowerType == 2 ? "Cam Surface Profile" : "Cam Profile at Follower Centerline";
    return m.SpectrumSelected ? "Harmonic Number" : "Cam Angle (Deg)";
}

std::string FunctionUnit(const CamModel& m, int row) {
    if (row == ResultRow::FftPhase)
        return "deg";
    if (row >= ResultRow::ContactForce && row < model::kResultRows)
        return m.UnitLabel[static_cast<std::size_t>(row)];
    if (row >= ResultRow::FftReal)
        row = m.FftRow;
    if (row < 0 || row > model::kNumFunctions)
        return {};
    if (row == ResultRow::CamAngle)
        return "deg";
    return m.UnitLabel[static_cast<std::size_t>(row)];
}

bool SetGridstyle(model::Host& host, std::span<Graph> charts, int windows,
                  const StyleBoxes& boxes) {
    return model::RunGuarded(host, "SetGridstyle", [&] {
        CheckWindows(charts, windows);
        for (int i = 0; i < windows; ++i) {
            charts[static_cast<std::size_t>(i)].GridStyle = GridStyleOf(boxes);
            charts[static_cast<std::size_t>(i)].GraphStyle = GraphStyleOf(boxes);
        }
    });
}

bool PlotSetup(const CamModel& m, model::Host& host, std::span<Graph> charts, int windows,
               const StyleBoxes& boxes) {
    const bool done = model::RunGuarded(host, "PlotSetup", [&] {
        CheckWindows(charts, windows);
        const bool polar = m.PlotType == 4;
        const bool spectrum = m.SpectrumSelected && !polar;
        for (int i = 0; i < windows; ++i) {
            Graph& g = charts[static_cast<std::size_t>(i)];
            g = Graph{};
            g.Kind =
                polar ? GraphKind::Polar : (spectrum ? GraphKind::Spectrum : GraphKind::CamAngle);
            int points = 0;
            if (spectrum) {
                points = m.NumHarmonics + 1;
                g.TickEvery = std::max(1, Rounded(m.NumHarmonics / 15.0));
                g.XName = "Harmonic";
                g.XUnit.clear();
            } else {
                const double first = polar ? 0.0 : m.PlotStart;
                const double last = polar ? 360.0 : m.PlotEnd;
                points = static_cast<int>(Indices(polar ? PolarSamples(m) : PlotSamples(m)).size());
                g.TickEvery = std::max(1, Rounded((last - first) / 12.0));
                if (polar) {
                    g.XName = model::FuncShort[ResultRow::CamTheta];
                }
            }
            g.LabelEvery = 2 * g.TickEvery;
            ResizeGraph(g, polar ? 1 : std::clamp(m.NumPlotFuncs, 1, kMaxWindows), points);
            g.BottomTitle = PlotBottomTitle(m);
            for (GraphFont& f : g.Fonts)
                f = {80, 2, 1};
            g.Fonts[0].FontSize = 120;
        }
    });
    return done && SetGridstyle(host, charts, windows, boxes);
}

bool MultiPlot(const CamModel& m, model::Host& host, Graph& g) {
    return model::RunGuarded(host, "MultiPlot", [&] {
        const std::vector<int> points = Indices(PlotSamples(m));
        const int sets = std::clamp(m.NumPlotFuncs, 1, kMaxWindows);
        ResizeGraph(g, sets, static_cast<int>(points.size()));
        g.DrawMode = 2;
        g.PatternedLines = true;
        FillPoints(m, g, points);
        for (int k = 1; k <= sets; ++k) {
            const int row = CheckedRow(m.PlotFunc[static_cast<std::size_t>(k)]);
            GraphSet& set = g.Sets[static_cast<std::size_t>(k - 1)];
            set.PatternData = k - 1;
            set.LegendText = model::FuncLetter[static_cast<std::size_t>(row)];
            set.Unit = FunctionUnit(m, row);
            FillSet(m, set, row, points);
        }
    });
}

bool Plot(const CamModel& m, model::Host& host, std::span<Graph> charts, int windows,
          StyleBoxes& boxes) {
    const bool done = model::RunGuarded(host, "Plot", [&] {
        CheckWindows(charts, windows);
        const std::vector<int> points = Indices(PlotSamples(m));
        for (int i = 0; i < windows; ++i) {
            Graph& g = charts[static_cast<std::size_t>(i)];
            const int row = CheckedRow(m.PlotFunc[static_cast<std::size_t>(i + 1)]);
            ResizeGraph(g, 1, static_cast<int>(points.size()));
            g.DrawMode = 2;
            g.PatternedLines = true;
            g.ThickLines = false;
            g.LeftTitle = model::FuncAbbrev[static_cast<std::size_t>(row)];
            GraphSet& set = g.Sets[0];
            set.PatternData = 0;
            set.Unit = FunctionUnit(m, row);
            set.LegendText = m.SpectrumSelected
                                 ? "FFT of " + model::FuncShort.at(
                                                   static_cast<std::size_t>(CheckedRow(m.FftRow)))
                                 : set.Unit;
            FillPoints(m, g, points);
            FillSet(m, set, row, points);
        }
        StyleForKind(boxes, m.SpectrumSelected);
    });
    return done && SetGridstyle(host, charts, windows, boxes);
}

bool PolarPlot(const CamModel& m, model::Host& host, Graph& g) {
    return model::RunGuarded(host, "PolarPlot", [&] {
        const std::vector<int> points = Indices(PolarSamples(m));
        g.Kind = GraphKind::Polar;
        ResizeGraph(g, 1, static_cast<int>(points.size()));
        g.DrawMode = 2;
        g.PatternedLines = true;
        g.ThickLines = false;
        GraphSet& set = g.Sets[0];
        set.PatternData = 0;
        set.Name = model::FuncShort[ResultRow::CamRadius];
        set.Unit = FunctionUnit(m, ResultRow::CamRadius);
        for (std::size_t n = 0; n < points.size(); ++n) {
            const auto j = static_cast<std::size_t>(points[n]);
            set.GraphData[n] = m.Results[ResultRow::CamRadius][j];
            g.XPosData[n] = m.Results[ResultRow::CamTheta][j];
            g.XValues[n] = m.Results[ResultRow::CamAngle][j];
            g.LabelText[n] = AngleLabel(g.XValues[n], 1);
        }
    });
}

} // namespace trochix::output
