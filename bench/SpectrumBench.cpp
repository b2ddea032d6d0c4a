// The spectrum step (tabulated transform) at each step size, and the plain double loop it
// replaces, on a cam-like displacement.
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "spectrum/Dft.h"
#include "spectrum/Spectrum.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <span>

namespace {

using namespace trochix;

std::unique_ptr<model::CamModel> CamModelAt(model::RecordingHost& host, int points) {
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    m->NumPoints = points;
    m->DeltaTheta = 360.0f / points;
    model::ClearResults(*m, m->NumPoints, m->NumFunctions);
    const double d = 2 * 3.14159265358979 / points;
    for (int i = 0; i <= points; ++i) {
        const double t = i * d;
        m->Results[1][i] = static_cast<float>(t < 3.14159265358979
                                                  ? t / 3.14159265358979 - std::sin(2 * t) / 6.2832
                                                  : 2 - t / 3.14159265358979 + std::sin(2 * t) / 6.2832);
    }
    return m;
}

void BM_SpectrumStep(benchmark::State& state) {
    model::RecordingHost host;
    auto m = CamModelAt(host, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        spectrum::SpectrumStep(*m, host, 1, m->NumPoints);
        benchmark::DoNotOptimize(m->FFTResult[1][2]);
    }
}
BENCHMARK(BM_SpectrumStep)->Arg(360)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);

void BM_DirectDft(benchmark::State& state) {
    model::RecordingHost host;
    auto m = CamModelAt(host, static_cast<int>(state.range(0)));
    const std::span<const float> x(m->Results[1].data(), static_cast<std::size_t>(m->NumPoints));
    for (auto _ : state) {
        auto terms = spectrum::Calc_DFT(x, spectrum::HarmonicLimit(m->NumPoints));
        benchmark::DoNotOptimize(terms.data());
    }
}
BENCHMARK(BM_DirectDft)->Arg(1440)->Unit(benchmark::kMillisecond);

} // namespace
