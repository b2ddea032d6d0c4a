// The table of four functions over a whole revolution at 0.25 degree, every point (1441 rows):
// the output screen's grid, the printed pages and the data file, all built from the results.
#include "files/Exports.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "output/TableOutput.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace trochix;

std::unique_ptr<model::CamModel> FineTable(model::RecordingHost& host) {
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    m->DeltaTheta = 0.25f;
    m->NumPoints = 1440;
    model::ClearResults(*m, m->NumPoints, m->NumFunctions);
    for (int i = 0; i <= m->NumPoints; ++i) {
        const double t = i * 0.25 * 3.14159265358979 / 180;
        m->Results[0][i] = static_cast<float>(i * 0.25);
        m->Results[1][i] = static_cast<float>(1.25 * (1 - std::cos(t)));
        m->Results[2][i] = static_cast<float>(1500 * std::sin(t));
        m->Results[3][i] = static_cast<float>(-98765.4321 * std::cos(2 * t));
        m->Results[4][i] = static_cast<float>(1.5e6 * std::sin(3 * t));
    }
    m->PlotStart = 0;
    m->PlotEnd = 360;
    m->PrintEvery = 1;
    m->NumPrintCols = 4;
    m->PlotFunc = {0, 1, 2, 3, 4};
    m->Decimals = {3, 2, 4, 6};
    m->PrintColName = {"Displcmnt", "Velocity", "Accel", "Jerk"};
    return m;
}

void BM_GridFill1441(benchmark::State& state) {
    model::RecordingHost host;
    auto m = FineTable(host);
    for (auto _ : state) {
        const output::TableGrid grid = output::Print_to_Form(*m);
        benchmark::DoNotOptimize(grid.cell(1444, 4).size());
    }
}
BENCHMARK(BM_GridFill1441)->Unit(benchmark::kMicrosecond);

// Every cell's text, as copying the whole grid writes them.
void BM_GridAllTexts1441(benchmark::State& state) {
    model::RecordingHost host;
    auto m = FineTable(host);
    const output::TableGrid grid = output::Print_to_Form(*m);
    for (auto _ : state) {
        std::size_t length = 0;
        for (int r = 0; r < grid.rows(); ++r)
            for (int c = 0; c < output::TableGrid::columns(); ++c)
                length += grid.cell(r, c).size();
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_GridAllTexts1441)->Unit(benchmark::kMillisecond);

void BM_PrintedPages1441(benchmark::State& state) {
    model::RecordingHost host;
    auto m = FineTable(host);
    for (auto _ : state) {
        const auto pages = output::Print_to_Printer(*m, host.now());
        benchmark::DoNotOptimize(pages.back().size());
    }
}
BENCHMARK(BM_PrintedPages1441)->Unit(benchmark::kMillisecond);

void BM_DataFile1441(benchmark::State& state) {
    model::RecordingHost host;
    auto m = FineTable(host);
    for (auto _ : state) {
        const std::string text = files::PrintToFileText(*m, host.now());
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(BM_DataFile1441)->Unit(benchmark::kMillisecond);

} // namespace
