// The S-V-A-J driver's shared routines: loading a segment's working variables, storing a
// computed point into Results and recording the values at a segment's two ends.
#pragma once

#include <string>

#include "model/Forward.h"

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

// CamOmega from the cam speed in rpm. Zero shows OmegaRefusalMessage and sets omega and its
// powers to 1.
void ReadOmega(CamModel& model, Host& host, double rpm);
const std::string& OmegaRefusalMessage();

// The cam-speed box text (rpm) for a stored CamOmega: the fewest digits (7 or more) that
// ReadOmega turns back into exactly that speed.
std::string OmegaRpmText(float camOmega);

// A dwell row: its direction is "D" or its law is the dwell.
bool IsDwellRow(const CamModel& model, int segment);

// SegLift and SegLow of a segment from its Start and End texts: not a dwell: h = |End - Start|,
// a dwell: h = End; SegLow = |Start| for a rise and |End| for a fall when Start <> 0, else 0.
void SegmentPositions(CamModel& model, int segment);

// CamOmega2 and CamOmega3 from CamOmega.
void CamOmegaPowers(CamModel& model);

// TotalLift = max S - min S over Results row 1, points 1..NumPoints.
void UpdateTotalLift(CamModel& model);

// The refusals of CalcSegment.
std::string ZeroBetaMessage(int segment);
std::string NoLawMessage(int segment);
// A rise, fall or dwell row whose Start or End text is not a number is not calculated.
std::string PositionNotNumberMessage(int segment);

// Computes one segment: CurSeg = segment, the law routine of its law (SegLawFamily; a "P"
// segment is always its stored polynomial), SegBoundary, TotalLift. `variant` picks the full
// (1) or half (2) law of the cycloid and simple-harmonic families; the half is SegHalf.
// A segment without a duration or without a law is refused before anything is stored, with an
// exclamation message. Returns false when the segment was not computed completely.
// Run-time faults of the plain laws propagate to the caller.
bool CalcSegment(CamModel& model, Host& host, int segment, int variant);

} // namespace trochix::motion
