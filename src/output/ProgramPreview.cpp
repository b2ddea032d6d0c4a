#include "output/ProgramPreview.h"

#include "chain/Recalculate.h"
#include "model/CamModel.h"
#include "model/QuietHost.h"
#include "model/ResultRow.h"
#include "motion/Continuity.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace trochix::output {

using model::CamModel;

namespace {

// The copy with its first `segments` segments computed; false when one of them does not compute.
bool ComputeFirst(CamModel& copy, const CamModel& model, int segments, model::Host& host) {
    copy = model;
    copy.NumSegments = segments;
    return chain::RecalculateMotion(copy, host);
}

void MarkJumps(ProgramPreview& p, const CamModel& m, bool wholeCycle) {
    const int n = p.segments;
    // The boundary after each segment; back to the first only once the program is a whole turn.
    for (int i = 1; i <= n; ++i) {
        if (i == n && !wholeCycle)
            break;
        const auto a = static_cast<std::size_t>(i);
        const auto b = static_cast<std::size_t>(i == n ? 1 : i + 1);
        for (int k = 0; k < 3; ++k) {
            const float d = std::fabs(m.SegEnds[a][2][static_cast<std::size_t>(k)] -
                                      m.SegEnds[b][1][static_cast<std::size_t>(k)]);
            if (d > motion::kContinuityTolerance)
                p.jumps.push_back(
                    {m.SegEnd[a], k + 1, d, m.SegEnds[a][2][static_cast<std::size_t>(k)]});
        }
    }
}

} // namespace

ProgramPreview PreviewProgram(const CamModel& model, const model::ColourTable& colours) {
    ProgramPreview p;
    model::QuietHost host;
    auto copy = std::make_unique<CamModel>();
    int segments = std::clamp(model.NumSegments, 0, model::kMaxSegments);
    while (segments > 0 && !ComputeFirst(*copy, model, segments, host))
        --segments;
    if (segments == 0)
        return p;
    CamModel& m = *copy;
    p.segments = segments;
    m.PlotType = 3;
    m.PlotStyle = 1;
    m.NumPlotFuncs = 4;
    for (int k = 1; k <= 4; ++k)
        m.PlotFunc[static_cast<std::size_t>(k)] = k;
    m.PlotStepDeg = 1;
    m.PlotAllSegments = true;
    m.SpectrumSelected = false;
    m.PlotStart = 0.0f;
    m.PlotEnd = m.SegEnd[static_cast<std::size_t>(segments)];
    if (!(m.PlotEnd > m.PlotStart) || !AlignedSetup(m, host, p.windows, 4) ||
        !AlignedPlot(m, host, colours, p.windows, 4)) {
        p.segments = 0;
        return p;
    }
    MarkJumps(p, m, std::fabs(m.PlotEnd - 360.0f) < 1e-3f);
    const double radius = (m.PlotEnd - m.PlotStart) / 30.0;
    for (const PreviewJump& j : p.jumps) {
        AlignedWindow& w = p.windows[static_cast<std::size_t>(j.row - 1)];
        w.scene.marker({j.angle, j.value}, radius, colours.ColorMagenta);
    }
    return p;
}

} // namespace trochix::output
