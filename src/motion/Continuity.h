// Continuity of the motion program across segment boundaries.
//
// SegEnds[seg][e][k] holds S, V, A, J (k = 0..3) at the start (e = 1) and end (e = 2) of each
// segment, in the stored units (V per second, A per second squared, J per second cubed).
// S, V and A must match within 0.001 across every boundary, including the one from the last
// segment back to the first, since the cam is a closed cycle. J is shown but never tested.
#pragma once

#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::motion {

using model::CamModel;
using model::Host;

constexpr float kContinuityTolerance = 0.001f;

struct ContinuityResult {
    bool ok = true;        // every S, V, A difference is within the tolerance
    float largest = 0.0f;  // largest S, V or A difference over all boundaries
    bool completed = true; // false when a fault stopped the check (ok and largest as far as it got)
};

// Compares each segment's end with the next one's start, and the last end with the first
// start (one segment: its own end with its own start). Differences and the tolerance are single
// precision, so a difference of exactly 0.001 passes. Faults are reported as "ContinuityCheck".
ContinuityResult ContinuityCheck(const CamModel& model, Host& host);

// The interface table as the continuity screen shows it: per boundary, the end of one segment
// next to the start of the next, values rounded to one decimal. Rows for two segments:
// (1,1), blank, (1,2), (2,1), blank, (2,2), (1,1). Faults are reported as "Continuity_Form".
std::vector<std::string> Continuity_Form(const CamModel& model, Host& host);

// The same table for the printer, after the page-header lines supplied by the caller.
// Faults are reported as "Continuity_Print".
std::vector<std::string> Continuity_Print(const CamModel& model, Host& host,
                                          const std::vector<std::string>& pageHeader);

// The warning shown when the check fails (lines joined by '\r').
std::string ContinuityWarningText(float largest);

// The continuity screen's Done: runs the check into ContinuityOK and, when it fails, shows the
// warning (exclamation, default title). Returns the check's result.
ContinuityResult ContinuityDone(CamModel& model, Host& host);

} // namespace trochix::motion
