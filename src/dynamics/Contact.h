// Does the follower stay on the cam, and what does the contact carry? From the follower force
// of row 7 and the pressure angle of row 5, at every point 0..NumPoints:
//
//   row 22  N = F / cos(phi), the normal force at the contact (force)
//   row 23  p0, the Hertz peak pressure of the line contact (force / length^2; 0 where none)
//   row 24  b, the half-width of the contact band (length; 0 where none)
//
// and the figures of model.Contact (model/CamModel.h):
//   jump ranges      every run of cam angle where N <= 0
//   MinForce         the smallest N and its cam angle
//   PreloadNeeded    the preload at which the smallest N is ContactMargin x the largest N
//   SpringNeeded     likewise the least spring rate, the preload as it is
//   TopSpeed         the highest cam speed (rpm) at which N stays above zero
//   HertzMax         the largest p0 and its cam angle; ShearMax = 0.3003 p0 at 0.7862 b
//
// The force is taken from row 7 as the dynamics wrote it, split into the part that does not
// depend on the speed and the damping and inertia parts c V and m A (V grows with omega, A with
// omega^2), so the top speed is the least positive root over the points of
//   P + r c V + r^2 m A = 0,   r = omega_top / omega,
// each a quadratic solved in closed form.
#pragma once

#include "model/Forward.h"

#include <array>
#include <span>
#include <vector>

namespace trochix::dynamics {

using model::CamModel;
using model::Host;

// Steel's modulus of elasticity, N/m^2, the default of both bodies.
constexpr double kSteelModulus = 2.07e11;

// The cam surface under the follower, as the geometry knows it.
struct ContactGeometry {
    bool hertz = false;            // false: no curvature known (no Hertz figures)
    double followerRadius = 0.0;   // roller radius; 0 for a flat face
    std::vector<double> curvature; // signed curvature of the surface at points 0..NumPoints
};

// The moduli and width as used: a field of 0 stands for its default.
double CamModulusOf(const CamModel& model);
double FollowerModulusOf(const CamModel& model);
double ContactWidthOf(const CamModel& model);

// Runs of points where value <= 0, as cam angles from..to (point numPoints is point 0 again,
// so a run through 360 degrees joins the one from 0, giving from > to, and comes last).
std::vector<std::array<float, 2>> NonPositiveRanges(std::span<const float> angle,
                                                    std::span<const double> value, int numPoints);

// The least x >= lo at which min(base + x slope) >= margin x max(base + x slope), or none
// (returned as false) when no such x exists. The left side less the right is concave in x, so
// the root is bracketed by doubling and refined by bisection.
bool LeastForMargin(std::span<const double> base, std::span<const double> slope, double margin,
                    double lo, double& x);

// The least r > 0 at which some p + r v + r^2 a reaches zero; p <= 0 anywhere gives 0. False
// when no point ever reaches zero.
bool TopSpeedRatio(std::span<const double> p, std::span<const double> v, std::span<const double> a,
                   double& r);

// The whole stage: rows 22..24 and model.Contact. A pressure angle of +-90 degrees has no
// normal force: fault 11. Faults are reported under "Contact"; true when the pass completed.
bool Contact(CamModel& model, Host& host, const ContactGeometry& geometry);

} // namespace trochix::dynamics
