// The input screen's preview after a committed row: the 16-segment program of mixed laws copied,
// computed and drawn as four windows, at 1 and 0.25 degree. It must stay well under a frame
// (16 ms) for the screen to keep up with typing.
#include "model/CamModel.h"
#include "model/Colours.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"
#include "output/ProgramPreview.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

using namespace trochix;

namespace {

void Preview(benchmark::State& state, float step) {
    model::RecordingHost host;
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    m->DeltaTheta = step;
    m->NumPoints = static_cast<int>(std::lround(360.0 / step));
    m->NumSegments = 16;
    m->CamOmega = 31.4159f;
    motion::CamOmegaPowers(*m);
    const int laws[] = {motion::kLawModSine,    motion::kLawModTrap, motion::kLawCycloidFull,
                        motion::kLawDoubleHarm, motion::kLaw345,     motion::kLaw4567};
    for (int s = 1; s <= 16; ++s) {
        const bool rise = s % 2 == 1;
        m->SegDir[s] = rise ? "R" : "F";
        m->SegLawText[s] = motion::LawList[laws[s % 6]];
        m->SegBeta[s] = 22.5f;
        m->SegBetaRadArr[s] = static_cast<float>(22.5 / 57.29577950560105);
        m->SegStartText[s] = rise ? "0" : "1";
        m->SegEndText[s] = rise ? "1" : "0";
    }
    model::ColourTable colours{};
    model::SetColours(colours);
    if (output::PreviewProgram(*m, colours).segments != 16) {
        state.SkipWithError("the preview did not draw the 16 rows");
        return;
    }
    for (auto _ : state) {
        const output::ProgramPreview p = output::PreviewProgram(*m, colours);
        benchmark::DoNotOptimize(p.windows[3].samples.data());
    }
}

void BM_InputPreview_1deg(benchmark::State& state) {
    Preview(state, 1.0f);
}
void BM_InputPreview_Quarter(benchmark::State& state) {
    Preview(state, 0.25f);
}

} // namespace

BENCHMARK(BM_InputPreview_1deg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InputPreview_Quarter)->Unit(benchmark::kMillisecond);
