// The design assistant on a 360-point cam: the smallest prime radius of the offset roller of
// example 1 at 30 degrees, the best offset for it, and the pivot distance of example 4's arm:
// at 30 degrees, with a surface of 2.6 for the curvature to decide, and with 3, which no pivot
// distance meets (the whole scan through the sizing).
#include "files/Examples.h"
#include "geometry/Suggest.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace trochix;

namespace {

std::unique_ptr<model::CamModel> Example(benchmark::State& state, int n) {
    model::RecordingHost host;
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    if (!files::LoadExample(*m, host, n) || m->NumPoints != 360)
        state.SkipWithError("the example does not compute at 1 degree");
    return m;
}

void Run(benchmark::State& state, int example, bool bestOffset, double minSurface = -1.0) {
    const auto m = Example(state, example);
    geometry::SuggestLimits limits;
    limits.bestOffset = bestOffset;
    limits.minSurface = minSurface;
    for (auto _ : state) {
        const geometry::Suggestion s = geometry::Suggest(*m, limits);
        benchmark::DoNotOptimize(s.prime);
    }
}

void BM_Suggest_OffsetRoller(benchmark::State& state) {
    Run(state, 1, false);
}
BENCHMARK(BM_Suggest_OffsetRoller)->Unit(benchmark::kMicrosecond);

void BM_Suggest_BestOffset(benchmark::State& state) {
    Run(state, 1, true);
}
BENCHMARK(BM_Suggest_BestOffset)->Unit(benchmark::kMicrosecond);

void BM_Suggest_Arm(benchmark::State& state) {
    Run(state, 4, false);
}
BENCHMARK(BM_Suggest_Arm)->Unit(benchmark::kMicrosecond);

void BM_Suggest_ArmCurvature(benchmark::State& state) {
    Run(state, 4, false, 2.6);
}
BENCHMARK(BM_Suggest_ArmCurvature)->Unit(benchmark::kMicrosecond);

void BM_Suggest_ArmRefused(benchmark::State& state) {
    Run(state, 4, false, 3.0);
}
BENCHMARK(BM_Suggest_ArmRefused)->Unit(benchmark::kMicrosecond);

} // namespace
