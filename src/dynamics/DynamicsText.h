// Texts of the Dynamics screen built from the model: result labels, unit labels and the
// warning about accumulating torques.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::dynamics {

using model::CamModel;
using model::Host;

// lbl_OmegaN, lbl_Cc, lbl_OmegaD and the damping box after a pass, 1 decimal each. OmegaD is
// blank when it has no real value. With k = 0 there is no natural frequency: the three labels
// are blank (never an earlier spring's values) and so is damping: the box keeps the typed c.
struct FrequencyLabels {
    std::string omegaN, cc, omegaD, damping;
};
FrequencyLabels FrequencyTexts(const CamModel& model);

// lbl_Fmax, lbl_Fmin and lbl_Tmax after a pass, 1 decimal each.
struct ExtremeLabels {
    std::string forceMax, forceMin, torqueMax;
};
ExtremeLabels ExtremeTexts(const CamModel& model);

// Unit labels beside the boxes and results for the current unit system: mass; spring rate
// (force over length); preload; damping (force + "-s" over length); journal diameter; force
// results; torque result.
struct DynamicsUnits {
    std::string mass, springForce, springLength, preload, dampingForce, dampingLength, journal,
        force, torque;
};
DynamicsUnits UnitTexts(const CamModel& model);

// pct_Pict1 after a pass: the pulse-area table, an empty line, then the flywheel figures.
std::vector<std::string> PulsePictureLines(const CamModel& model);

// Shown (warning icon, default title) when "Accumulate" is chosen.
const std::string& AccumulateWarningText();
void ShowAccumulateWarning(Host& host);

} // namespace trochix::dynamics
