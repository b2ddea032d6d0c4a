// The later stages of a whole model - sizing (pressure angle, radius of curvature, profile) and
// dynamics - on a 16-segment program of mixed laws at a step of 0.25 degree (1441 points), for a
// translating roller and for a roller on an oscillating arm; and the whole chain from the inputs.
#include "chain/Recalculate.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace trochix;

namespace {

struct Row {
    const char* dir;
    int law;
    const char* start;
    const char* end;
};

// Every standard law between dwells; 16 segments of 22.5 degrees.
const Row kProgram[16] = {
    {"R", motion::kLawModSine, "0", "1"},      {"D", motion::kLawDwell, "1", "1"},
    {"F", motion::kLawModTrap, "1", "0"},      {"R", motion::kLawCycloidFull, "0", "1"},
    {"F", motion::kLawCycloid1, "1", ".5"},    {"F", motion::kLawCycloid2, ".5", "0"},
    {"R", motion::kLawSimpHarmFull, "0", "1"}, {"F", motion::kLawSimpHarm1, "1", ".5"},
    {"F", motion::kLawSimpHarm2, ".5", "0"},   {"R", motion::kLawDoubleHarm, "0", "1"},
    {"F", motion::kLawDoubleHarm, "1", "0"},   {"R", motion::kLaw345, "0", "1"},
    {"F", motion::kLaw4567, "1", "0"},         {"D", motion::kLawDwell, "0", "0"},
    {"R", motion::kLawModTrap, "0", "1"},      {"F", motion::kLawModSine, "1", "0"},
};

struct Model {
    model::RecordingHost host;
    std::unique_ptr<model::CamModel> m = std::make_unique<model::CamModel>();

    explicit Model(bool oscillating) {
        model::Initialize(*m, host);
        m->DeltaTheta = 0.25f;
        m->NumPoints = 1440;
        m->NumSegments = 16;
        m->CamOmega = 31.4159f;
        motion::CamOmegaPowers(*m);
        m->PrimeRadius = 4.0f;
        m->RollerRadius = 0.75f;
        m->Offset = oscillating ? 0.0f : 0.5f;
        m->Translating = !oscillating;
        m->ArmRadius = 12.0f;
        m->ArmPivotX = 12.0f;
        m->ArmPivotY = 4.0f;
        for (int s = 1; s <= 16; ++s) {
            const Row& r = kProgram[s - 1];
            m->SegDir[s] = r.dir;
            m->SegLawText[s] = motion::LawList[r.law];
            m->SegBeta[s] = 22.5f;
            m->SegBetaRadArr[s] = static_cast<float>(22.5 / 57.29577950560105);
            m->SegStartText[s] = r.start;
            m->SegEndText[s] = r.end;
        }
    }
};

void LaterStages(benchmark::State& state, bool oscillating) {
    Model t(oscillating);
    if (!chain::RecalculateModel(*t.m, t.host) || !t.host.messages.empty()) {
        state.SkipWithError("the model does not compute");
        return;
    }
    for (auto _ : state) {
        chain::RecalculateLaterStages(*t.m, t.host);
        benchmark::DoNotOptimize(t.m->Results[8][720]);
    }
}

void BM_SizingProfileDynamics_Roller(benchmark::State& state) { LaterStages(state, false); }
BENCHMARK(BM_SizingProfileDynamics_Roller)->Unit(benchmark::kMicrosecond);

void BM_SizingProfileDynamics_Arm(benchmark::State& state) { LaterStages(state, true); }
BENCHMARK(BM_SizingProfileDynamics_Arm)->Unit(benchmark::kMicrosecond);

void BM_RecalculateModel(benchmark::State& state) {
    Model t(false);
    for (auto _ : state) {
        if (!chain::RecalculateModel(*t.m, t.host)) {
            state.SkipWithError("the model does not compute");
            return;
        }
        benchmark::DoNotOptimize(t.m->Results[8][720]);
    }
}
BENCHMARK(BM_RecalculateModel)->Unit(benchmark::kMicrosecond);

} // namespace
