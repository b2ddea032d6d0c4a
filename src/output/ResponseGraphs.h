// The Response view's charts: S with the actual motion, the error, and a segment's response
// spectrum with the design marked, as plain graphs (output/Graph.h).
#pragma once

#include "model/Forward.h"
#include "output/Graph.h"

#include <string>

namespace trochix::output {

using model::CamModel;
using model::Host;

// S and the actual displacement over the turn (two sets), from the response rows.
Graph MotionGraph(const CamModel& model);
// The error x - S over the turn.
Graph ErrorGraph(const CamModel& model);

// The spectrum of `segment` from the ratio boxes' texts, 121 points, the present design as a
// second set that marks its ratio; false, with the message shown, for bad boxes or a segment
// without a spectrum.
bool SpectrumGraph(const CamModel& model, Host& host, int segment, const std::string& fromText,
                   const std::string& toText, Graph& graph);

} // namespace trochix::output
