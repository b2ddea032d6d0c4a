// The pipeline of the computation declared once: motion -> pressure angle and curvature ->
// profile -> dynamics -> torque and flywheel -> contact -> response -> spectrum. Each stage names the inputs it
// reads, the Results rows it owns (model/RowCatalogue) and its flag. Only this module sets
// or clears SvajDone, ProfileDone, DynamicsDone, ContactDone,
// ResponseDone and FftDone once the model has started up:
// a change of an input withdraws the first stage that reads it and every stage after it.
//
// Sizing and Profile share ProfileDone, Dynamics and Torque share DynamicsDone: each pair is
// computed in one pass, and withdrawn together. The spectrum reads whichever row was transformed
// (FftRow), so it is withdrawn with the stage that owns that row.
#pragma once

#include "model/Forward.h"
#include "model/Stage.h"

#include <array>

namespace trochix::chain {

using model::CamModel;
using model::Stage;

// What a screen, a file or a command can change.
enum class Input {
    MotionProgram, // the segment table, the step, the cam speed
    CamGeometry,   // follower and cam type, prime radius, offset, roller, arm, rotation
    FollowerTrain, // mass, spring, preload, damping, follower friction
    Bearing,       // journal radius and friction, fluctuation coefficient, torque mode
    Transform,     // the transformed function and the number of harmonics
    ContactData,   // contact width, moduli and Poisson ratios, the force margin
    ResponseData,  // the train's stiffness, steady state or from rest
};

struct StageInfo {
    Stage stage;
    const char* toCompute;       // what a refusal asks the user to do first
    unsigned inputs;             // bit (1 << Input) for every input it reads
    bool model::CamModel::*flag; // true while its rows hold results of the present inputs
};

extern const std::array<StageInfo, model::kStageCount> kStages;

const StageInfo& Info(Stage stage);
bool Done(const CamModel& model, Stage stage);

// The first stage that reads `input`.
Stage FirstReader(Input input);

// An input changed: Withdraw from its first reader on, and the model differs from its file.
void Changed(CamModel& model, Input input);

// The stage and every later one no longer hold results: their flags cleared, their rows
// zeroed. Row 0 keeps the cam angles of the step; the torque row survives while torques
// accumulate over several cams (TorqueStartFresh false), as it is the sum being built.
void Withdraw(CamModel& model, Stage first);

// The stage has just been computed from the present inputs: its flag set, and every later
// stage withdrawn, as it read the rows just replaced.
void Completed(CamModel& model, Stage stage);

// Completed without withdrawing the later stages: for a pass that computes a stage and the
// ones after it together (an example, a file that holds them all).
void Holds(CamModel& model, Stage stage);

} // namespace trochix::chain
