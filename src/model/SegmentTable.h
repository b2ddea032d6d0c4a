// The segment table kept in step with the input screen: clearing rows and the
// start and end angles of every segment.
#pragma once

#include "model/Forward.h"

namespace trochix::model {

// Empties every segment row (Beta, motion, law, Start, End), marks all rows not calculated,
// clears the results and ExampleLoaded. The stages that read the table are withdrawn by the
// caller (chain::Withdraw).
void ClearSegments(CamModel& model);

// "Clear All": cam speed, number of segments and step back to "1", then ClearSegments.
void ClearSVAJ(CamModel& model);

// SegStart and SegEnd of segments 1..NumSegments from their Betas.
void StartEnd(CamModel& model);

} // namespace trochix::model
