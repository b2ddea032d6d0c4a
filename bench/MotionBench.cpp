// A full 16-segment motion program of mixed laws at a step of 0.25 degree (1441 points),
// computed segment by segment and through the input screen's Calc All.
#include "forms/InputDataForm.h"
#include "forms/MotionProgram.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace trochix;
using namespace trochix::motion;

namespace {

struct Row {
    const char* motion;
    const char* law;
    const char* start;
    const char* end;
};

// Rises and falls of every standard law between dwells; 16 segments of 22.5 degrees.
const Row kProgram[16] = {
    {"Rise", "MS", "0", "1"}, {"Dwell", "DW", "1", "1"},  {"Fall", "MT", "1", "0"},
    {"Rise", "CF", "0", "1"}, {"Fall", "C1", "1", "0.5"}, {"Fall", "C2", "0.5", "0"},
    {"Rise", "SF", "0", "1"}, {"Fall", "S1", "1", "0.5"}, {"Fall", "S2", "0.5", "0"},
    {"Rise", "DH", "0", "1"}, {"Fall", "DH", "1", "0"},   {"Rise", "45", "0", "1"},
    {"Fall", "67", "1", "0"}, {"Dwell", "DW", "0", "0"},  {"Rise", "MT", "0", "1"},
    {"Fall", "MS", "1", "0"},
};

struct Program {
    std::unique_ptr<model::CamModel> m = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    InputScreenState st = LoadInputScreen();

    Program() {
        model::Initialize(*m, host);
        OmegaLostFocus(*m, host, st, "300");
        DeltaLostFocus(*m, host, st, "0.25");
        SegmentsCommitted(*m, host, st, "16");
        for (int row = 0; row < 16; ++row) {
            const Row& r = kProgram[row];
            BetaLostFocus(*m, host, st, row, "22.5");
            MotionChanged(*m, st, row, r.motion);
            ProgramChanged(*m, st, row, r.law);
            StartChanged(*m, st, row, r.start);
            EndChanged(*m, st, row, r.end);
        }
    }
};

void BM_CalcSegments(benchmark::State& state) {
    Program p;
    if (!CalcAll(*p.m, p.host, p.st, nullptr) || !p.host.messages.empty()) {
        state.SkipWithError("the program does not calculate");
        return;
    }
    model::CamModel& m = *p.m;
    for (auto _ : state) {
        CamOmegaPowers(m);
        for (int seg = 1; seg <= 16; ++seg) {
            m.Lift = m.SegLift[seg];
            CalcSegment(m, p.host, seg, ReadLaw(m, seg));
        }
        benchmark::DoNotOptimize(m.Results[1][720]);
    }
}
BENCHMARK(BM_CalcSegments)->Unit(benchmark::kMicrosecond);

void BM_CalcAll(benchmark::State& state) {
    Program p;
    for (auto _ : state) {
        if (!CalcAll(*p.m, p.host, p.st, nullptr)) {
            state.SkipWithError("Calc All failed");
            return;
        }
        benchmark::DoNotOptimize(p.m->Results[1][720]);
    }
}
BENCHMARK(BM_CalcAll)->Unit(benchmark::kMicrosecond);

} // namespace
