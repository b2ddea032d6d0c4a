// The design map of a 360-point cam: 100 x 100 designs of example 1's offset roller, over
// prime radius x offset (every node its own pitch curve) and prime radius x roller radius
// (the pitch curve once per prime radius), on one thread and on two.
#include "files/Examples.h"
#include "geometry/DesignMap.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace trochix;

namespace {

void Run(benchmark::State& state, geometry::MapAxis axis) {
    model::RecordingHost host;
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    if (!files::LoadExample(*m, host, 1) || m->NumPoints != 360)
        state.SkipWithError("the example does not compute at 1 degree");
    geometry::DesignMapRequest r;
    r.second = axis;
    r.size = 100;
    r.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const geometry::DesignMap map = geometry::MakeDesignMap(*m, r);
        if (!map.ok)
            state.SkipWithError(map.refusal.c_str());
        benchmark::DoNotOptimize(map.nodes.data());
    }
}

void BM_DesignMap_PrimeOffset(benchmark::State& state) {
    Run(state, geometry::MapAxis::Offset);
}
BENCHMARK(BM_DesignMap_PrimeOffset)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DesignMap_PrimeRoller(benchmark::State& state) {
    Run(state, geometry::MapAxis::Roller);
}
BENCHMARK(BM_DesignMap_PrimeRoller)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
