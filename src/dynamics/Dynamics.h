// Follower dynamics: the follower train is one mass m on a spring k with preload F0 and viscous
// damping c, driven by the cam's kinematics.
//
//  OmegaN   undamped natural frequency sqrt(k/m), rad per second
//  CritDamp critical damping Cc = 2 m OmegaN
//  DampC    c = zeta Cc (computed only when k != 0; with k = 0 the typed c is used)
//  OmegaD   damped natural frequency sqrt(k/m - (c/2m)^2); OmegaDValid is false when the root
//           has no real value (an inconsistent c from a loaded model)
//  Results row 7   follower force F = k S + F0 + c V + m A       (force units)
//  Results row 15  friction torque on the camshaft                (force x length)
//  Results row 8   camshaft torque F V / omega + friction torque  (force x length), added to the
//                  torque already held when torques accumulate over several cams
#pragma once

#include "model/Forward.h"

namespace trochix::dynamics {

using model::CamModel;
using model::Host;

// Degrees to radians for the pressure angle of row 5.

// OmegaN, CritDamp, DampC and OmegaD from m, k and zeta; does nothing when k = 0.
// Raises fault 11 for m = 0 and fault 5 when k/m is negative (no real frequency).
void NaturalFrequencies(CamModel& model);

// Friction torque for the normal force N and cross force Q at displacement S:
// journal friction on N plus follower friction on N (roller) or Q (flat face) at radius S + R0,
// where R0 is the prime radius on a radial cam and 0 on a barrel cam.
double FrictionTorque(const CamModel& model, double normal, double cross, double S);

// One full pass: natural frequencies, force, friction and camshaft torque at points
// 0..NumPoints, their extremes (ForceMax, ForceMin, TorqueMax), then Fly and DynamicsDone.
// Needs Results rows 1, 2, 3 and 5. A point whose pressure angle is +-90 degrees has no finite
// normal force: its friction torque is taken as 0 and the pass goes on, reporting the division
// by zero once. Faults are reported under "Dynamics"; returns true when the pass completed.
bool Dynamics(CamModel& model, Host& host);

} // namespace trochix::dynamics
