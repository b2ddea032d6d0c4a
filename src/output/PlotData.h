// The values a plot draws: Results rows at sampled points, with the current Fourier transform
// read by harmonic number.
#pragma once

#include "model/Forward.h"
#include "output/Sampling.h"

namespace trochix::output {

// `row` when it names a plottable row of Results (1..20); fault 9 otherwise.
int CheckedRow(int row);

// Row `row` at point (or harmonic) j. The spectrum rows 17..21 are read from FFTResult, which
// holds harmonic 0 (the mean) too; the copy in Results starts at harmonic 1. Fault 9 when j is
// outside the table.
double PlotValue(const model::CamModel& model, int row, int j);

// The points of the polar plot: the whole revolution, one per PlotStepDeg degrees.
SampleRange PolarSamples(const model::CamModel& model);

} // namespace trochix::output
