// The contact's verdicts as text, for the Dynamics screen's verdict panel and the batch tool's
// lines: the same numbers either way.
#pragma once

#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::dynamics {

using model::CamModel;

// "none", or the jump ranges "103-257 deg, 300-10 deg" (a range through 360 runs from > to).
std::string JumpText(const CamModel& model);

// The batch tool's lines, in order:
//   Jump=none | Jump=A-B deg[, C-D deg]
//   MinForce=<F> at <deg>
//   PreloadNeeded=<F0>
//   SpringNeeded=<k> | SpringNeeded=none (no rate keeps the margin)
//   TopSpeed=<rpm> | TopSpeed=unlimited
//   HertzMax=<p0> at <deg> | HertzMax=none (no surface curvature for this follower)
//   ShearMax=<tau> depth=<z> | ShearMax=none
std::vector<std::string> ContactLines(const CamModel& model);

// The verdict panel of the Dynamics screen.
struct ContactVerdict {
    bool kept = false;    // "Contact kept"; otherwise the jump ranges, shown in red
    std::string headline; // "Contact kept" or "Jump: 103-257 deg"
    std::string minForce, preload, spring, topSpeed, hertz, shear; // one line each
};
ContactVerdict VerdictTexts(const CamModel& model);

} // namespace trochix::dynamics
