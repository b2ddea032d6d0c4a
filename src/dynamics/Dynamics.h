// Follower dynamics: the follower train is one mass m on a spring k with preload F0 and viscous
// damping c, driven by the cam's kinematics.
//
//  OmegaN   undamped natural frequency sqrt(k/m), rad per second
//  CritDamp critical damping Cc = 2 m OmegaN
//  DampC    c = zeta Cc (computed only when k != 0; with k = 0 the typed c is used)
//  OmegaD   damped natural frequency sqrt(k/m - (c/2m)^2); OmegaDValid is false when the root
//           has no real value (an inconsistent c from a loaded model)
//  Results row 7   follower force F = k s + F0 + c v + m a       (force units)
//                  s, v, a: the travel of the roller centre, its speed and acceleration, in
//                  length units. A translating follower's S, V, A are that travel; an
//                  oscillating arm's are angles (degrees), so they go along the arc of its
//                  radius L: s = L S pi/180. The spring rate, damping and mass then stay per
//                  length, as labelled, and m is the train's mass seen at the roller.
//  Results row 15  friction torque on the camshaft                (force x length)
//  Results row 8   camshaft torque F V / omega + friction torque  (force x length), added to the
//                  torque already held when torques accumulate over several cams
#pragma once

#include "model/Forward.h"

namespace trochix::dynamics {

using model::CamModel;
using model::Host;

// OmegaN, CritDamp, DampC and OmegaD from m, k and zeta; does nothing when k = 0.
// Raises fault 11 for m = 0 and fault 5 when k/m is negative (no real frequency).
void NaturalFrequencies(CamModel& model);

// Length units of roller travel per unit of Results rows 1 to 3: 1 for a translating follower,
// L pi/180 for an oscillating arm of radius L (its rows are degrees).
double RollerTravelPerUnit(const CamModel& model);

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
