// The design assistant on a 360-point cam: the smallest prime radius of the offset roller of
// example 1 at 30 degrees, the best offset for it, and the pivot distance of example 4's arm.
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

void Run(benchmark::State& state, int example, bool bestOffset) {
    const auto m = Example(state, example);
    geometry::SuggestLimits limits;
    limits.bestOffset = bestOffset;
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

} // namespace
