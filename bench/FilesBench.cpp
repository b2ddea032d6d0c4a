// Number text and the files built from it: the number item of an export for a million random
// floats, and the model file and all-data export of example 5 at a step of 0.25 degree.
#include "chain/Recalculate.h"
#include "files/Examples.h"
#include "files/Exports.h"
#include "files/FileValues.h"
#include "files/ModelFile.h"
#include "forms/InputDataForm.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "text/NumberText.h"

#include <benchmark/benchmark.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

using namespace trochix;

namespace {

// Floats of every magnitude and both signs, as bit patterns drawn at random.
const std::vector<float>& RandomFloats() {
    static const std::vector<float> values = [] {
        std::vector<float> v;
        v.reserve(1000000);
        std::uint32_t state = 2026;
        while (v.size() < 1000000) {
            state = state * 1664525u + 1013904223u;
            const float f = std::bit_cast<float>(state ^ (state >> 15));
            if (std::isfinite(f))
                v.push_back(f);
        }
        return v;
    }();
    return values;
}

// One number text for each of the million floats.
template <std::string (*Text)(float)> void NumberTexts(benchmark::State& state) {
    const std::vector<float>& values = RandomFloats();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (float v : values)
            bytes += Text(v).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

// The number item of the exports, and a real line of the model file.
void BM_NumberItem(benchmark::State& state) {
    NumberTexts<files::NumberItem>(state);
}
void BM_ModelFileReal(benchmark::State& state) {
    NumberTexts<files::EncodeReal>(state);
}
BENCHMARK(BM_NumberItem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModelFileReal)->Unit(benchmark::kMillisecond);

// Example 5 recomputed at a step of 0.25 degree (1441 points), as the batch tool does it.
struct QuarterDegreeModel {
    model::RecordingHost host;
    std::unique_ptr<model::CamModel> m = std::make_unique<model::CamModel>();
    QuarterDegreeModel() {
        model::Initialize(*m, host);
        files::LoadExample(*m, host, 5);
        motion::InputScreenState st = motion::LoadInputScreen();
        motion::SyncScreenState(*m, st);
        motion::DeltaLostFocus(*m, host, st, "0.25");
        chain::RecalculateModel(*m, host);
    }
};

void BM_ModelFileText(benchmark::State& state) {
    QuarterDegreeModel q;
    for (auto _ : state)
        benchmark::DoNotOptimize(files::ModelFileText(*q.m, "Example5.cam"));
}
BENCHMARK(BM_ModelFileText)->Unit(benchmark::kMillisecond);

void BM_ExportAllText(benchmark::State& state) {
    QuarterDegreeModel q;
    q.m->PrintEvery = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(files::ExportAllText(*q.m, q.host.now()));
}
BENCHMARK(BM_ExportAllText)->Unit(benchmark::kMillisecond);

} // namespace
