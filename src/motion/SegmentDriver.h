// The S-V-A-J driver's shared routines: loading a segment's working variables, storing a
// computed point into Results and recording the values at a segment's two ends.
#pragma once

#include <string>

namespace trochix::model {
struct CamModel;
class Host;
} // namespace trochix::model

namespace trochix::motion {

using model::CamModel;
using model::Host;

// SegBetaDeg, SegBetaRad and its square and cube for CurSeg.
void SegSetup(CamModel& model);

// Stores Sval..Jval at local angle ThetaLocal of CurSeg: index = global angle / step, rounded
// (halves to even). S gets the segment's base position; V, A, J become per second.
// An index outside 0..NumPoints raises fault 9. `count` is the caller's point counter (unused).
void StorePoint(CamModel& model, int count, float theta);

// Integer nearest to x, halves to the even integer.
int RoundIndex(double x);

// SegEnds(CurSeg, 1 and 2, S..J) from the stored points at the segment's start and end
// (one step inside each end for a dwell).
void SegBoundary(CamModel& model);

// CamOmega from the cam speed in rpm. Zero shows a message and sets omega and its powers to 1.
void ReadOmega(CamModel& model, Host& host, double rpm);

// CamOmega2 and CamOmega3 from CamOmega.
void CamOmegaPowers(CamModel& model);

} // namespace trochix::motion
