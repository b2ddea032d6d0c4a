// The charts of the Dynamics screen (force and torque against cam angle) and of the FFT screen
// (the four columns of the current transform against harmonic number), filled as the plot
// screens fill theirs so that one chart widget shows them all.
#pragma once

#include "model/Forward.h"
#include "output/AnnotatedPlot.h"
#include "output/Graph.h"

#include <span>
#include <string>

namespace trochix::output {

// Results row `row` (7 force, 8 torque) at every calculated point of the revolution against
// cam angle ("Cam Angle (Deg)"), ticked every 30 and labelled every 60 degrees, both grids,
// drawn as a line; its abbreviation on the left and its unit as legend.
Graph DynamicsGraph(const model::CamModel& model, int row);

// FFT_Plot_Setup: graph j (0..3) for column j of FFTResult (real, imaginary, magnitude, phase):
// harmonics 0..NumHarmonics (never past the transform) on the "Harmonic Number" axis, ticked
// every NumHarmonics / 15, the title "Fourier Transform of  " + functionName, the column's
// abbreviation on the left, then the Grid and Style boxes. Faults under "FFT_Plot_Setup".
bool FFT_Plot_Setup(const model::CamModel& model, model::Host& host, std::span<Graph> charts,
                    const std::string& functionName, const StyleBoxes& boxes);

// The four graphs before a function is chosen: their axes titled, no points.
void EmptyFftGraphs(std::span<Graph> charts);

// The plotting half of FFT_Plot: column j of FFTResult into graph j at harmonics
// 0..NumHarmonics (the summary figures are spectrum::FFT_Plot's). Faults under "FFT_Plot".
bool FillFftGraphs(const model::CamModel& model, model::Host& host, std::span<Graph> charts);

} // namespace trochix::output
