// Start-up values of the model, the result table reset and the reset of "New".
#pragma once

namespace trochix::model {

struct CamModel;
class Host;

// Gives the model its start-up values. Leaves the segment table and Results alone.
void Initialize(CamModel& model, Host& host);

// Row 0 = the cam angles of the current step; rows 1..numFunctions = 0, except the torque
// row 8, which survives when torques accumulate over several cams ("Accumulate").
// Counts beyond the table raise fault 9.
void ClearResults(CamModel& model, int numPoints, int numFunctions);

// Default follower-train data for the dynamics.
void MassProp(CamModel& model);

// The model side of "New" after its questions: Initialize, the input screen's "Clear All"
// (cam speed, segments and step "1", every row emptied, results cleared), flags cleared.
void ResetModel(CamModel& model, Host& host);

} // namespace trochix::model
