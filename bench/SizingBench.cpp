// The per-point sizing evaluators over one turn at 1 degree (360 points), as a design search
// calls them: pressure angle and radius of curvature of an offset translating roller (example
// 1) and of a roller on an oscillating arm (example 4), from the example's own rows.
#include "files/Examples.h"
#include "geometry/SizingPoint.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace trochix;

namespace {

void Evaluators(benchmark::State& state, int example) {
    model::RecordingHost host;
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    if (!files::LoadExample(*m, host, example) || m->NumPoints < 360) {
        state.SkipWithError("the example does not compute");
        return;
    }
    const geometry::SizingCase c = geometry::SizingCaseOf(*m, m->FollowerType);
    const auto& R = m->Results;
    for (auto _ : state) {
        for (int i = 0; i < 360; ++i) {
            const geometry::PressurePoint p =
                geometry::PressureAngleAt(c, R[0][i], R[1][i], R[2][i]);
            const geometry::RhoPoint r =
                geometry::RadiusOfCurvatureAt(c, R[0][i], R[1][i], R[2][i], R[3][i], p.phi);
            benchmark::DoNotOptimize(p.phi);
            benchmark::DoNotOptimize(r.rho);
        }
    }
    state.SetItemsProcessed(state.iterations() * 360);
}

void BM_SizingEvaluators_OffsetRoller(benchmark::State& state) {
    Evaluators(state, 1);
}
BENCHMARK(BM_SizingEvaluators_OffsetRoller)->Unit(benchmark::kMicrosecond);

void BM_SizingEvaluators_Arm(benchmark::State& state) {
    Evaluators(state, 4);
}
BENCHMARK(BM_SizingEvaluators_Arm)->Unit(benchmark::kMicrosecond);

} // namespace
