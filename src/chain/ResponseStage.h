// The follower's real motion as a stage (dynamics/Response.h), on the motion program evaluated
// between its stored points (geometry/MotionAt.h), and a segment's response spectrum.
#pragma once

#include "dynamics/Response.h"
#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::chain {

using model::CamModel;
using model::Host;

// Withdraws the response, computes it on the present motion program and marks it Completed.
// Refused, with a message, before the motion program is computed.
bool RunResponse(CamModel& model, Host& host);

// A segment that has a response spectrum: a rise or fall of the program with a duration.
bool HasSpectrum(const CamModel& model, int segment);

// The duration of `segment` over the natural period of the train, at the present cam speed;
// 0 when the model has no train (see dynamics::FollowerOscillator) or the cam stands still.
double PresentRatio(const CamModel& model, int segment);

// The residual vibration after the law of `segment`, started at rest, as a fraction of its lift,
// at `count` ratios of duration to natural period from `from` to `to`, with the model's damping.
// False, with the reason in `why`, for a segment without a spectrum, a model without a train, or
// a range that is not 0 < from < to with 2 <= count <= 10000.
bool SegmentSpectrum(const CamModel& model, int segment, double from, double to, int count,
                     std::vector<dynamics::SpectrumPoint>& points, std::string& why);

} // namespace trochix::chain
