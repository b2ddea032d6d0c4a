// The input screen's preview: S, V, A and J of the motion program so far, drawn as four Aligned
// windows over the range the program covers, with the segment boundaries and continuity marks,
// and a larger mark where S, V or A jumps at a boundary by more than the continuity tolerance.
// It works on a copy: the model given, and so what Done does, never changes.
#pragma once

#include "model/Colours.h"
#include "model/Forward.h"
#include "output/AlignedPlot.h"

#include <array>
#include <vector>

namespace trochix::output {

struct PreviewJump {
    double angle = 0.0; // the boundary, degrees
    int row = 0;        // 1 S, 2 V, 3 A
    double size = 0.0;  // the difference across it, in the row's stored units
    double value = 0.0; // the row's value at the end of the segment before it
};

struct ProgramPreview {
    int segments = 0; // the first segments that could be computed; 0: nothing to show
    std::array<AlignedWindow, 4> windows{};
    std::vector<PreviewJump> jumps;
};

// The first segments of `model` that compute, as many as will, each run as Calc All runs it.
ProgramPreview PreviewProgram(const model::CamModel& model, const model::ColourTable& colours);

} // namespace trochix::output
