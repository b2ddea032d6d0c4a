// The Size Cam screen's design assistant without Qt: its limit boxes read and checked, the
// suggestion, what goes into the prime radius and offset boxes (or the arm centre, committed
// as the screen commits it), and the line that says which limit decides.
#pragma once

#include "geometry/Suggest.h"
#include "model/Forward.h"

#include <string>

namespace trochix::geometry {

struct SuggestInputs {
    std::string riseText = "30", fallText = "30";
    std::string minSurfaceText; // blank: the default
    bool bestOffset = false;
};

struct SuggestBoxes {
    bool ok = false;
    Suggestion suggestion;
    std::string prime, offset;  // the boxes' new texts (offset empty: not a translating roller)
    std::string pivotX, pivotY; // an arm's centre, already committed; empty otherwise
    std::string armRadiusText;  // the arm radius box after that commit
    std::string line;           // which limit decides, and by how much the other is met
};

// Bad limits, or no suggestion, are said in a message (exclamation) and change nothing.
SuggestBoxes SuggestForSizeCam(CamModel& model, model::Host& host, const SuggestInputs& in,
                               const std::string& armRadiusText);

} // namespace trochix::geometry
