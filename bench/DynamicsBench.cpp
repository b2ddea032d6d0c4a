// Dynamics pass (force, friction and drive torque, pulse areas, flywheel row) on a full
// 0.25-degree model whose kinematic rows come from a closed-form rise and return.
#include "dynamics/Dynamics.h"
#include "dynamics/Flywheel.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace trochix;

std::unique_ptr<model::CamModel> QuarterDegreeModel(model::RecordingHost& host) {
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    m->DeltaTheta = 0.25f;
    m->NumPoints = 1440;
    model::ClearResults(*m, m->NumPoints, m->NumFunctions);
    const double w = 100.0, h = 1.0, d = 3.14159265358979 / 720;
    m->CamOmega = static_cast<float>(w);
    for (int i = 0; i <= m->NumPoints; ++i) {
        const double t = i * d;
        m->Results[1][i] = static_cast<float>(h / 2 * (1 - std::cos(t)));
        m->Results[2][i] = static_cast<float>(h / 2 * std::sin(t) * w);
        m->Results[3][i] = static_cast<float>(h / 2 * std::cos(t) * w * w);
        m->Results[5][i] = static_cast<float>(25 * std::sin(t));
    }
    return m;
}

void BM_Dynamics1440(benchmark::State& state) {
    model::RecordingHost host;
    auto m = QuarterDegreeModel(host);
    for (auto _ : state) {
        dynamics::Dynamics(*m, host);
        benchmark::DoNotOptimize(m->Results[8][720]);
    }
}
BENCHMARK(BM_Dynamics1440)->Unit(benchmark::kMicrosecond);

void BM_Fly1440(benchmark::State& state) {
    model::RecordingHost host;
    auto m = QuarterDegreeModel(host);
    dynamics::Dynamics(*m, host);
    for (auto _ : state) {
        dynamics::Fly(*m, host);
        benchmark::DoNotOptimize(m->PulseCount);
    }
}
BENCHMARK(BM_Fly1440)->Unit(benchmark::kMicrosecond);

} // namespace
