#include "output/ResponseGraphs.h"

#include "chain/ResponseStage.h"
#include "model/CamModel.h"
#include "model/FunctionNames.h"
#include "model/Host.h"
#include "model/ResultRow.h"
#include "text/NumberText.h"

#include <cmath>
#include <vector>

namespace trochix::output {

using model::ResultRow;

namespace {

Graph TurnGraph(const CamModel& m, std::initializer_list<int> rows, const char* left) {
    Graph g;
    g.Kind = GraphKind::CamAngle;
    const int n = m.NumPoints + 1;
    ResizeGraph(g, static_cast<int>(rows.size()), n);
    const int perTick = static_cast<int>(std::lround(30.0 / m.DeltaTheta));
    g.TickEvery = perTick;
    g.LabelEvery = 2 * perTick;
    g.BottomTitle = "Cam Angle (Deg)";
    g.LeftTitle = left;
    g.GridStyle = 3;
    g.GraphStyle = 4;
    g.PatternedLines = rows.size() > 1;
    for (int i = 0; i < n; ++i) {
        g.XValues[static_cast<std::size_t>(i)] = m.Results[ResultRow::CamAngle][i];
        g.LabelText[static_cast<std::size_t>(i)] =
            text::TrimmedStr(m.Results[ResultRow::CamAngle][i]);
    }
    int k = 0;
    for (int row : rows) {
        GraphSet& set = g.Sets[static_cast<std::size_t>(k)];
        set.Name = model::FuncShort[static_cast<std::size_t>(row)];
        set.Unit = m.UnitLabel[static_cast<std::size_t>(row)];
        set.LegendText = set.Name + " (" + set.Unit + ")";
        set.PatternData = k;
        for (int i = 0; i < n; ++i)
            set.GraphData[static_cast<std::size_t>(i)] = m.Results[row][i];
        ++k;
    }
    return g;
}

} // namespace

Graph MotionGraph(const CamModel& m) {
    return TurnGraph(m, {ResultRow::Displacement, ResultRow::ActualDisplacement}, "S and x");
}

Graph ErrorGraph(const CamModel& m) {
    return TurnGraph(m, {ResultRow::MotionError}, "x - S");
}

bool SpectrumGraph(const CamModel& m, Host& host, int seg, const std::string& fromText,
                   const std::string& toText, Graph& g) {
    const double from = text::Val(fromText), to = text::Val(toText);
    std::string why;
    std::vector<dynamics::SpectrumPoint> points;
    if (!text::HoldsNumber(fromText) || !text::HoldsNumber(toText)) {
        why = "The ratios must run from a positive value to a larger one.";
    } else if (chain::SegmentSpectrum(m, seg, from, to, 121, points, why)) {
        why.clear();
    }
    if (!why.empty()) {
        host.message(why, model::Icon::Warning, model::DefaultTitle());
        return false;
    }
    // The design's ratio among the points, marked by a spike of its own set.
    const double present = chain::PresentRatio(m, seg);
    std::vector<dynamics::SpectrumPoint> design;
    chain::SegmentSpectrum(m, seg, present, 2.0 * present, 2, design, why);
    std::size_t at = points.size();
    if (!design.empty() && present >= from && present <= to) {
        at = 0;
        while (at < points.size() && points[at].ratio < present)
            ++at;
        points.insert(points.begin() + static_cast<std::ptrdiff_t>(at), design.front());
    }
    g = Graph{};
    g.Kind = GraphKind::CamAngle;
    const int n = static_cast<int>(points.size());
    ResizeGraph(g, 2, n);
    g.RoundLabels = true;
    g.BottomTitle = "Duration / Natural Period";
    g.LeftTitle = "Residual / Lift";
    g.GraphTitle = "Segment " + std::to_string(seg) + ": " + m.SegLawText[seg];
    g.XName = "Ratio";
    g.XUnit = "";
    g.GridStyle = 3;
    g.GraphStyle = 4;
    g.Sets[0].Name = "Residual";
    g.Sets[0].LegendText = "Residual / lift";
    g.Sets[1].Name = "Design";
    g.Sets[1].LegendText =
        design.empty() ? "Design (no train)" : "Design at " + text::FNRoundStr(present, 3);
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        g.XValues[k] = points[k].ratio;
        g.LabelText[k] = text::FNRoundStr(points[k].ratio, 2);
        g.Sets[0].GraphData[k] = points[k].residual;
        g.Sets[1].GraphData[k] = k == at ? points[k].residual : 0.0;
    }
    return true;
}

} // namespace trochix::output
