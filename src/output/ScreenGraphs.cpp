#include "output/ScreenGraphs.h"

#include "forms/FftForm.h"
#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "spectrum/Spectrum.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace trochix::output {

using model::CamModel;
using model::ResultRow;

namespace {

constexpr int kFftGraphs = 4;

void CheckCharts(std::span<Graph> charts) {
    if (charts.size() < static_cast<std::size_t>(kFftGraphs))
        throw model::Fault(model::kSubscriptOutOfRange);
}

int LastHarmonic(const CamModel& m) {
    return std::clamp(m.NumHarmonics, 0, std::max(0, static_cast<int>(m.FFTResult.size()) - 1));
}

// Every graph of these screens is read at the same sizes as the plot screens'.
void PlotFonts(Graph& g) {
    for (GraphFont& f : g.Fonts)
        f = {80, 2, 1};
    g.Fonts[0].FontSize = 110;
}

} // namespace

Graph DynamicsGraph(const CamModel& m, int row) {
    Graph g;
    g.Kind = GraphKind::CamAngle;
    const int points = std::clamp(m.NumPoints, 0, model::kMaxPoints) + 1;
    ResizeGraph(g, 1, points);
    const double step = m.DeltaTheta > 0.0f ? m.DeltaTheta : 1.0;
    // A twelfth of the turn, as the plot screens tick a whole revolution.
    g.TickEvery = std::max(1, static_cast<int>(std::lround(30.0 / step)));
    g.LabelEvery = 2 * g.TickEvery;
    g.DrawMode = 2;
    g.PatternedLines = true;
    g.GridStyle = 3;
    g.GraphStyle = 4;
    g.BottomTitle = "Cam Angle (Deg)";
    g.LeftTitle = model::FuncAbbrev.at(static_cast<std::size_t>(row));
    PlotFonts(g);
    GraphSet& set = g.Sets[0];
    set.Name = model::FuncShort.at(static_cast<std::size_t>(row));
    set.Unit = FunctionUnit(m, row);
    set.LegendText = set.Unit;
    for (int i = 0; i < points; ++i) {
        const auto at = static_cast<std::size_t>(i);
        g.XValues[at] = m.Results[ResultRow::CamAngle][at];
        g.LabelText[at] =
            text::ShortestFloat(static_cast<float>(text::FNRound(g.XValues[at], 2)), 7);
        set.GraphData[at] = m.Results[static_cast<std::size_t>(row)][at];
    }
    return g;
}

bool FFT_Plot_Setup(const CamModel& m, model::Host& host, std::span<Graph> charts,
                    const std::string& functionName, const StyleBoxes& boxes) {
    const bool done = model::RunGuarded(host, "FFT_Plot_Setup", [&] {
        CheckCharts(charts);
        const int last = LastHarmonic(m);
        for (int j = 0; j < kFftGraphs; ++j) {
            Graph& g = charts[static_cast<std::size_t>(j)];
            g = Graph{};
            g.Kind = GraphKind::Spectrum;
            ResizeGraph(g, 1, last + 1);
            g.TickEvery = std::max(1, static_cast<int>(std::lround(m.NumHarmonics / 15.0)));
            g.LabelEvery = 2 * g.TickEvery;
            g.XName = "Harmonic";
            g.XUnit.clear();
            g.BottomTitle = spectrum::HarmonicAxisTitle();
            g.GraphTitle = spectrum::FftTitle(functionName);
            const int row = ResultRow::FftReal + j;
            g.LeftTitle = model::FuncAbbrev.at(static_cast<std::size_t>(row));
            PlotFonts(g);
            GraphSet& set = g.Sets[0];
            set.Name = model::FuncShort.at(static_cast<std::size_t>(row));
            set.Unit = FunctionUnit(m, row);
            set.LegendText = set.Name;
            for (int h = 0; h <= last; ++h) {
                g.XValues[static_cast<std::size_t>(h)] = h;
                g.LabelText[static_cast<std::size_t>(h)] = text::ShortestDouble(h, 15);
            }
        }
    });
    return done && SetGridstyle(host, charts, kFftGraphs, boxes);
}

void EmptyFftGraphs(std::span<Graph> charts) {
    for (std::size_t j = 0; j < charts.size() && j < static_cast<std::size_t>(kFftGraphs); ++j) {
        Graph& g = charts[j];
        g = Graph{};
        g.Kind = GraphKind::Spectrum;
        g.BottomTitle = spectrum::HarmonicAxisTitle();
        g.LeftTitle = model::FuncAbbrev.at(ResultRow::FftReal + j);
        PlotFonts(g);
    }
}

bool FillFftGraphs(const CamModel& m, model::Host& host, std::span<Graph> charts) {
    return model::RunGuarded(host, "FFT_Plot", [&] {
        CheckCharts(charts);
        for (int j = 0; j < kFftGraphs; ++j) {
            Graph& g = charts[static_cast<std::size_t>(j)];
            const std::vector<float> column = spectrum::SpectrumSeries(m, j);
            const int points = static_cast<int>(column.size());
            if (g.NumPoints != points)
                throw model::Fault(model::kSubscriptOutOfRange);
            g.DrawMode = 2;
            std::copy(column.begin(), column.end(), g.Sets[0].GraphData.begin());
        }
    });
}

} // namespace trochix::output
