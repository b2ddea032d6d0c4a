// The stages of the computation, in the order in which each reads the rows of those before it.
// chain/Stages.h declares what each reads and owns; this enum sits low so that the row
// catalogue can name the stage of every row.
#pragma once

namespace trochix::model {

enum class Stage {
    Motion,   // S, V, A, J of the motion program
    Sizing,   // pressure angle and radius of curvature
    Profile,  // the profile coordinates
    Dynamics, // follower force
    Torque,   // camshaft torque, friction and flywheel
    Contact,  // normal force, jump, Hertz stress
    Response, // the elastic follower's motion and residual vibration
    Spectrum, // the current Fourier transform
};

constexpr int kStageCount = 8;

} // namespace trochix::model
