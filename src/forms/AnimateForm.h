// The Draw Cam screen's texts as plain data: its result labels, the follower box and the
// question asked before printing.
#pragma once

#include <string>

#include "model/Forward.h"

namespace trochix::geometry {

using model::CamModel;

struct AnimateTexts {
    std::string pamax;            // largest pressure angle, 1 decimal
    std::string pamin;            // smallest pressure angle, 1 decimal
    std::string rhoPos;           // smallest positive radius of curvature (its text)
    std::string rhoNeg;           // smallest negative radius of curvature (its text)
    std::string primeCaption;     // "Prime Radius" for zero offset, "Prime Distance" otherwise
    std::string followerCaption;  // "Folwr Radius" for a roller, "Folwr Width" for a flat face
    std::string followerText;     // roller radius, or the face width (2 decimals)
    bool followerEditable = true; // a face width is computed, not typed
    bool offsetEditable = true;   // only a translating roller has an offset of its own
};
AnimateTexts AnimateResults(const CamModel& model);

// Asked before the picture is printed (OK / Cancel, Cancel the default).
const std::string& AnimatePrintQuestion();

} // namespace trochix::geometry
