// The arc fit of a cam of polar radius 3 + 0.5 (1 - cos theta) (rise over a half-turn, return
// over the other) at 1e-4, the work of fitting a profile of 1441 points at a quarter degree
// for the shop, and the deviation check of the result.
#include "geometry/ArcFit.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace trochix;

namespace {

geometry::ClosedCurve Cam() {
    return {[](double t) {
                const double c = std::cos(t), s = std::sin(t);
                const double r = 3.5 - 0.5 * c, dr = 0.5 * s;
                const double dx = dr * c - r * s, dy = dr * s + r * c;
                const double n = std::sqrt(dx * dx + dy * dy);
                return geometry::CurvePoint{{r * c, r * s}, {dx / n, dy / n}};
            },
            {}};
}

void BM_ArcFit_Cam(benchmark::State& state) {
    const geometry::ClosedCurve cam = Cam();
    std::size_t count = 0;
    for (auto _ : state) {
        const geometry::ArcFitResult r = geometry::FitArcs(cam, 1e-4);
        count = r.elements.size();
        benchmark::DoNotOptimize(r.deviation);
    }
    state.counters["elements"] = static_cast<double>(count);
}
BENCHMARK(BM_ArcFit_Cam)->Unit(benchmark::kMicrosecond);

void BM_ArcFit_CamDeviation(benchmark::State& state) {
    const geometry::ClosedCurve cam = Cam();
    const geometry::ArcFitResult r = geometry::FitArcs(cam, 1e-4);
    for (auto _ : state)
        benchmark::DoNotOptimize(geometry::FitDeviation(cam, r.elements));
}
BENCHMARK(BM_ArcFit_CamDeviation)->Unit(benchmark::kMicrosecond);

} // namespace
