// Which points of Results a plot or table shows. A cam-angle range becomes point indices, each
// quotient rounded to the nearest integer:
//   first = PlotStart / DeltaTheta,  last = PlotEnd / DeltaTheta,  step = stepDeg / DeltaTheta
// so a plot shows one point per degree whatever the calculation step (361 points for a whole
// revolution). A spectrum runs over harmonics 0..NumHarmonics with step 1.
#pragma once

#include "model/Forward.h"

#include <vector>

namespace trochix::output {

struct SampleRange {
    int first = 0;
    int last = 0;
    int step = 1;
    friend bool operator==(const SampleRange&, const SampleRange&) = default;
};

// The range of the current plot request (PlotStart, PlotEnd, PlotStepDeg, SpectrumSelected).
// Raises fault 9 when the range leaves the result table (a step or range that cannot be drawn).
SampleRange PlotSamples(const model::CamModel& model);

// The same range with the row step of a table (PrintEvery points; 1 for a spectrum).
SampleRange TableSamples(const model::CamModel& model);

// first, first + step, ... up to last.
std::vector<int> Indices(const SampleRange& range);

} // namespace trochix::output
