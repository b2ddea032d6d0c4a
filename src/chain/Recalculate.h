// The whole chain of computations from a model's inputs, as the calculate buttons run it one
// after another: every segment of the motion program, the sizing (pressure angle, radius of
// curvature and, where the program makes one, the profile) and the dynamics.
//
// What is read: NumSegments, DeltaTheta/NumPoints, CamOmega, per segment SegBeta, SegBetaRadArr,
// SegDir, SegLawText, SegStartText, SegEndText (a "P" segment: its stored conditions), the
// follower geometry (FollowerType, Translating, CamType, PrimeRadius, Offset, arm data) and the
// dynamics inputs. What is written: Results rows 0..16, SegStart/SegEnd, SegLift/SegLow, SegEnds,
// TotalLift, the sizing extremes, the dynamics figures, SegDone of every row, and the flags of
// the stages that completed (chain/Stages.h); a transform of the old rows is withdrawn.
//
// What it leaves alone: the texts of the segment table (SegDesc included), Lift (the laws use it
// as their working height; it keeps the value the model had), the typed boxes and the files.
// CamOmega is taken as stored, not re-read from OmegaText, so a model read from a file is
// recomputed at exactly its own speed.
#pragma once

#include "model/Forward.h"

namespace trochix::chain {

using model::CamModel;
using model::Host;

// Clears Results (row 0 = the angles of the current step), computes every segment in order,
// then Autopress and RadiusOfCurvature with FollowerType, then Dynamics. Stops at the first
// stage that does not complete (its message already shown; a fault of the motion laws is
// reported as "RecalculateModel"). Returns true when every stage completed.
bool RecalculateModel(CamModel& model, Host& host);

// Only the motion program: every segment 1..NumSegments and SvajDone. Returns true when every
// segment was computed.
bool RecalculateMotion(CamModel& model, Host& host);

// Only the later stages on the motion program already in Results: sizing (ProfileDone), then
// dynamics (DynamicsDone) and contact (ContactDone). Returns true when all completed.
bool RecalculateLaterStages(CamModel& model, Host& host);

// One stage each, as a command runs it: the stage withdrawn, computed, then marked Completed
// (which withdraws the stages that read it). False when the pass stopped (its message shown).
bool RunSizing(CamModel& model, Host& host);   // Autopress (with the profile), RadiusOfCurvature
bool RunDynamics(CamModel& model, Host& host); // force, torque and flywheel
bool RunSpectrum(CamModel& model, Host& host, int row, int numSamples); // SpectrumStep
// Normal force, jump and Hertz stress (dynamics/Contact.h) on the dynamics' force, with the
// cam surface's curvature from the geometry.
bool RunContact(CamModel& model, Host& host);

// After the cam geometry changed on a screen: the dynamics, when they had been computed
// (hadDynamics, read before the sizing ran), are computed again from the new pressure angle
// so that force, torque and contact stay true to the cam. Torque accumulated over several cams
// (TorqueStartFresh false) cannot be recomputed; those results are withdrawn instead.
// Returns false when a pass stopped.
bool RefreshDynamics(CamModel& model, Host& host, bool hadDynamics);

// The chain from the sizing on, after a change of prime radius, offset or rotation: pressure
// angle (with the profile), radius of curvature, then RefreshDynamics. ProfileDone tells
// whether the sizing completed; the model now differs from its file (ModelSaved false).
bool RecalculateSizing(CamModel& model, Host& host);

// What a model read from a file lacks: the roller-radius text and, for a sized cam, the sizing
// extremes (Autopress then RadiusOfCurvature), and for a file with dynamics the contact rows,
// which no file holds. A cam never sized keeps its rows as read.
// Returns false when the sizing did not complete (its message shown).
bool RecomputeSizingAfterRead(CamModel& model, Host& host);

} // namespace trochix::chain
