// Cam sizing: pressure angle (Results row 5, degrees) and radius of curvature of the pitch
// curve (row 6, length units) at every point, and their extremes.
//
// Inputs: Results rows 0..3 (cam angle, S, V, A; V and A per second), PrimeRadius Rp,
// Offset e, CamOmega, CamDirection, Translating, CamType, the arm data. For an oscillating
// follower S is the arm's angular displacement in degrees.
//
// Four cases, chosen by the follower motion, the cam type and the follower type:
//   translating, radial, roller    phi = atan((V/omega - e) / (S + sqrt(Rp^2 - e^2))),
//                                  rho of the pitch curve of the centre (Rp + S, e)
//   translating, radial, flat      phi = 0,  rho = Rp + S + A/omega^2
//   translating, barrel            phi = atan((V/omega) / Rp)
//   oscillating                    from the arm triangle (Arm_Geometry, Arm_Contour)
//
// One point's arithmetic is in SizingPoint.h; the passes loop over it, write the rows and show
// what each point hands back, as the point is done.
#pragma once

#include "model/Forward.h"

namespace trochix::geometry {

using model::CamModel;
using model::Host;

// Fills row 5, then (radial translating and oscillating cams) runs CamProfile, then
// PressureExtremes. A fault is reported as "Autopress". A zero denominator in the oscillating
// formula shows the divide-by-zero message naming DivZeroTerm and skips that point.
// Returns false when the pass stopped (fault, or an arm that cannot reach the cam).
bool Autopress(CamModel& model, Host& host, int followerType);

// Refreshes CamOmega2/3, fills row 6, then RhoExtremes and ClampRho. Oscillating followers read
// the pressure angle of row 5, so Autopress runs first. A fault is reported as
// "RadiusOfCurvature". Returns false when the pass stopped.
bool RadiusOfCurvature(CamModel& model, Host& host, int followerType);

// PressMax/PressMin and their cam angles from row 5 (strict comparisons: the first occurrence
// wins). Every pass starts from PressMax 0, PressMin 10000 and angles 0.
void PressureExtremes(CamModel& model);

// Largest and smallest positive rho and zero-or-negative rho of largest and smallest
// magnitude, their angles and texts (FNRoundStr: 0 decimals for the largest, 2 for the
// smallest; "None" when absent, "+ Infinity"/"- Infinity" beyond 99999), and RhoMin.
void RhoExtremes(CamModel& model);

// Limits row 6 to +-10 PrimeRadius.
void ClampRho(CamModel& model);

// Pitch-curve radius of curvature of a translating roller on a radial cam. The roller centre
// sits at (X, e) in the fixed frame, X = Rp + S, and the cam frame sees it turned by the cam
// angle; v = dX/dtheta, a = d2X/dtheta2 (per radian). Along and across the follower axis the
// tangent is (v - e, X), so
//   rho = (X^2 + (v - e)^2)^1.5 / (X^2 + (v - e)(2 v - e) - X a)
// positive where the curve is convex. Turning the cam the other way mirrors the curve and keeps
// rho. e = 0 is the polar form on r = X. A zero denominator gives +1000000 (a straight stretch).
float RhoRadialRoller(double X, double e, double v, double a);

// Radius of curvature for an oscillating follower: C pivot distance, L arm length, muR arm
// angle and phiR pressure angle (radians), w and w2 the arm's angular velocity and
// acceleration per cam radian, K = ArmDirection x CamDirection:
//   P = cos phi / (C sin mu), Q = L cos phi / (C sin mu), R = w (1 - K w) sin phi - w2 cos phi,
//   rho = 1 / (P (1 + Q R))
// 1 - K w is the arm's angular velocity relative to the cam: for an arm and cam turning in
// opposite senses (K < 0) it is 1 + w, and only then does rho match the pitch curve.
// P (1 + Q R) = 0 gives +1000000. With sin mu = 0 the equal form
// (C sin mu)^2 / (cos phi (C sin mu + L cos phi R)), i.e. 0, is used.
float RhoOscillating(double C, double L, double muR, double phiR, double w, double w2, int K);

} // namespace trochix::geometry
