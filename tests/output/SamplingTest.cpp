// Which points a plot or a table shows, at every calculation step.
#include "output/Sampling.h"

#include "model/Fault.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

using namespace trochix;
using output::Indices;
using output::SampleRange;

namespace {

TEST(Sampling, OnePointPerDegreeWhateverTheStep) {
    const struct {
        float step;
        float start, end;
        SampleRange plot;
        std::size_t count;
    } cases[] = {
        {1.0f, 0, 360, {0, 360, 1}, 361},   {0.5f, 0, 360, {0, 720, 2}, 361},
        {0.25f, 0, 360, {0, 1440, 4}, 361}, {0.25f, 90, 180, {360, 720, 4}, 91}, // one segment
        {0.5f, 0, 90, {0, 180, 2}, 91},
    };
    for (const auto& c : cases) {
        auto m = testsupport::ModelAtStep(c.step);
        m->PlotStart = c.start;
        m->PlotEnd = c.end;
        EXPECT_EQ(output::PlotSamples(*m), c.plot) << c.step << " " << c.start;
        const std::vector<int> idx = Indices(output::PlotSamples(*m));
        EXPECT_EQ(idx.size(), c.count);
        EXPECT_EQ(idx.back(), c.plot.last);
    }
}

// Tables step by PrintEvery points: every 10th of a 1-degree revolution gives 0, 10, .., 360;
// every 3rd ends at the last multiple of 3 within the range.
TEST(Sampling, TablesStepByPrintEvery) {
    auto m = testsupport::ModelAtStep(1.0f);
    m->PrintEvery = 10;
    const std::vector<int> tens = Indices(output::TableSamples(*m));
    EXPECT_EQ(tens.size(), 37u);
    EXPECT_EQ(tens.back(), 360);
    m->PrintEvery = 3;
    m->PlotStart = 10;
    m->PlotEnd = 20;
    EXPECT_EQ(Indices(output::TableSamples(*m)), (std::vector<int>{10, 13, 16, 19}));
}

// A spectrum ignores the angle range and the row step: harmonics 0..NumHarmonics, one by one.
TEST(Sampling, SpectrumRunsOverItsHarmonics) {
    auto m = testsupport::ModelAtStep(0.5f);
    m->FFTResult.resize(361);
    m->NumHarmonics = 30;
    m->SpectrumSelected = true;
    m->PlotStart = 90;
    m->PrintEvery = 5;
    EXPECT_EQ(output::PlotSamples(*m), (SampleRange{0, 30, 1}));
    EXPECT_EQ(output::TableSamples(*m), (SampleRange{0, 30, 1}));
}

// A range beyond the computed points, a backwards range, a zero step or more harmonics than
// were computed is a subscript fault, never a read past the table.
TEST(Sampling, RangesBeyondTheTableAreFaults) {
    auto m = testsupport::ModelAtStep(1.0f);
    m->PlotEnd = 400;
    EXPECT_THROW(output::PlotSamples(*m), model::Fault);
    m->PlotStart = 200;
    m->PlotEnd = 100;
    EXPECT_THROW(output::PlotSamples(*m), model::Fault);
    m->PlotStart = 0;
    m->PlotEnd = 360;
    m->DeltaTheta = 0.0f;
    EXPECT_THROW(output::PlotSamples(*m), model::Fault);
    m->DeltaTheta = 1.0f;
    m->SpectrumSelected = true;
    m->NumHarmonics = 15; // no transform computed yet
    EXPECT_THROW(output::PlotSamples(*m), model::Fault);
}

} // namespace
