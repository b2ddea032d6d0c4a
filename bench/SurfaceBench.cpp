// The machined cam over one turn at a quarter degree (1441 points), as a drawing or an export
// asks for it: the surface of an offset translating roller (example 1) and of a roller on an
// arm (example 4), the undercut search over the same cam, and the surface fitted with arcs
// within 0.0001 in, what a drawing, NC program or solid of the cam costs.
#include "files/Examples.h"
#include "geometry/ArcFit.h"
#include "geometry/CamSurface.h"
#include "geometry/Undercut.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

using namespace trochix;

namespace {

std::optional<geometry::CamSurface> ExampleCam(benchmark::State& state, int example) {
    model::RecordingHost host;
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    if (!files::LoadExample(*m, host, example)) {
        state.SkipWithError("the example does not compute");
        return std::nullopt;
    }
    return geometry::CamSurface::Of(*m);
}

void Surface(benchmark::State& state, int example) {
    const std::optional<geometry::CamSurface> cam = ExampleCam(state, example);
    if (!cam)
        return;
    const geometry::ClosedCurve surface = cam->surface();
    constexpr int kPoints = 1441;
    for (auto _ : state) {
        for (int i = 0; i < kPoints; ++i) {
            const geometry::CurvePoint p = surface.at(i * 0.25 * model::kDegToRad);
            benchmark::DoNotOptimize(p);
        }
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_Surface_OffsetRoller(benchmark::State& state) {
    Surface(state, 1);
}
BENCHMARK(BM_Surface_OffsetRoller)->Unit(benchmark::kMicrosecond);

void BM_Surface_Arm(benchmark::State& state) {
    Surface(state, 4);
}
BENCHMARK(BM_Surface_Arm)->Unit(benchmark::kMicrosecond);

void BM_UndercutSearch_OffsetRoller(benchmark::State& state) {
    const std::optional<geometry::CamSurface> cam = ExampleCam(state, 1);
    if (!cam)
        return;
    for (auto _ : state) {
        const geometry::UndercutFinding u = geometry::FindUndercut(*cam);
        benchmark::DoNotOptimize(u.limit);
    }
}
BENCHMARK(BM_UndercutSearch_OffsetRoller)->Unit(benchmark::kMicrosecond);

void SurfaceFit(benchmark::State& state, int example) {
    const std::optional<geometry::CamSurface> cam = ExampleCam(state, example);
    if (!cam)
        return;
    std::size_t count = 0;
    for (auto _ : state) {
        const geometry::ArcFitResult r = geometry::FitArcs(cam->surface(), 1e-4);
        count = r.elements.size();
        benchmark::DoNotOptimize(r.deviation);
    }
    state.counters["elements"] = static_cast<double>(count);
}

void BM_SurfaceFit_OffsetRoller(benchmark::State& state) {
    SurfaceFit(state, 1);
}
BENCHMARK(BM_SurfaceFit_OffsetRoller)->Unit(benchmark::kMicrosecond);

void BM_SurfaceFit_Arm(benchmark::State& state) {
    SurfaceFit(state, 4);
}
BENCHMARK(BM_SurfaceFit_Arm)->Unit(benchmark::kMicrosecond);

} // namespace
