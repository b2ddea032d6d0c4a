// The follower's real motion: the follower train as one mass m on its spring and damper,
// driven by the cam through the train's own stiffness.
//
// The Dynamics screen's spring k and damper c act on the follower's own travel and speed (its
// force row is F = k s + F0 + c v + m a), so they hold the mass to the frame; the cam pushes it
// through the train, of stiffness kf (TrainStiffness):
//      m x'' + c x' + (k + kf) x = kf S,   x measured from the rest position under the preload.
// Without a train stiffness (0) the screen's spring stands for the whole train, which is how its
// natural frequency and damping ratio are read there:  m x'' + c x' + k x = k S.
// Both are  x'' + 2 zeta wn x' + wn^2 x = gain S(t)  with wn^2 = (k + kf)/m, zeta = c / (2 m wn)
// and gain = kf/m (or wn^2). The equation is linear, so x is in the units of S: length, or
// degrees of arm angle for an oscillating follower (the stiffness then acts on the roller's arc
// travel L S pi/180, the same factor on both sides).
//
// The motion is integrated with the free motion's exact transition and a 5-point Gauss rule
// for the drive over sub-steps of at most half a radian of the fastest free motion, broken at
// every stored point and every segment start, where S'' may jump: the truncation is some 1e-10
// of the lift per sub-step.
#pragma once

#include "model/Forward.h"

#include <functional>
#include <string>
#include <vector>

namespace trochix::dynamics {

using model::CamModel;
using model::Host;

struct Oscillator {
    double omegaN = 0.0; // rad per time unit
    double zeta = 0.0;   // damping ratio
    double gain = 0.0;   // x'' + 2 zeta wn x' + wn^2 x = gain S
};

struct OscState {
    double x = 0.0; // displacement
    double v = 0.0; // its rate per time unit
};

// The free motion's state after a time s from `from`.
OscState FreeMotion(const Oscillator& o, OscState from, double s);

// The state at t1 from the state at t0 under the drive S(t), smooth between t0 and t1.
OscState Advance(const Oscillator& o, OscState at0, double t0, double t1,
                 const std::function<double(double)>& S);

// The largest excursion of the free motion that starts at (e, v) about its rest: the envelope
// sqrt(e^2 + ((v + zeta wn e)/wd)^2) below critical damping, the one extremum or the start at
// or above it.
double FreeAmplitude(const Oscillator& o, double e, double v);

// The train of the model (m, k, c of the Dynamics screen, TrainStiffness): false, with the
// reason in `why`, when it has no mass or no stiffness.
bool FollowerOscillator(const CamModel& model, Oscillator& o, std::string& why);

// The motion program as the response reads it: S by cam angle in radians (any angle in one
// turn) and the angles where S'' may jump.
struct MotionInput {
    std::function<double(double theta)> S;
    std::vector<double> breaks;
};

// Results rows ActualDisplacement, MotionError and ActualAcceleration at points 0..NumPoints,
// and model.Response: the steady periodic state (model.ResponseFromRest false) or one turn from
// rest at cam angle 0. Without damping no steady state is reached: that is refused with a
// message. Faults are reported under "Response"; returns true when the rows were filled.
bool Response(CamModel& model, Host& host, const MotionInput& motion);

// One point of a segment's response spectrum: the ratio of its duration to the natural period
// and the residual amplitude after the law, started at rest, as a fraction of its lift.
struct SpectrumPoint {
    double ratio = 0.0;
    double residual = 0.0;
};

// The residual of the shape f(u), u = 0..1 (f(0) = 0, f(1) = the lift), lasting `ratio`
// natural periods, with the model's damping, as a fraction of `lift`.
double ResidualAfterLaw(const Oscillator& o, double ratio, double lift,
                        const std::function<double(double u)>& f);

// `count` ratios evenly from `from` to `to` (0 < from < to, count >= 2).
std::vector<SpectrumPoint> ResponseSpectrum(const Oscillator& o, double from, double to, int count,
                                            double lift, const std::function<double(double)>& f);

} // namespace trochix::dynamics
