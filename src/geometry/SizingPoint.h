// Pressure angle and pitch-curve radius of curvature at one point, as plain functions of the
// cam and follower data: no model, no host, no allocation, no throw. Autopress and
// RadiusOfCurvature are loops over them that write rows 5 and 6 and report what each point
// asks for; a design search can call them on their own, thousands of times.
//
// Units: lengths (Rp, e, the arm data, S of a translating follower) in the model's length
// unit; angles in degrees (theta, S of an oscillating arm, phi, the arm angles); V per second
// and A per second squared, as rows 2 and 3 hold them; omega in rad/s and omega2 its square as
// the model keeps it (CamOmega2). With w = V/omega and a = A/omega2 per cam radian:
//
//   translating roller, radial   phi = atan((w - e) / (S + sqrt(Rp^2 - e^2)))
//                                rho = RhoRadialRoller(Rp + S, e, w, a)        (Sizing.h)
//   translating flat, radial     phi = 0,  rho = Rp + S + a
//   barrel (either follower)     phi = atan(w / Rp),  rho = -(1 + (w/Rp)^2)^1.5 / (a/Rp^2)
//   oscillating (either)         phi from the arm triangle (cam centre, pivot, roller centre),
//                                rho = RhoOscillating(...), or in a dwell (w = 0) the
//                                roller centre's distance from the cam centre
//
// phi is in degrees, rho in length units, positive where the pitch curve is convex, 1000000
// for a straight stretch. Row 6 is further limited to +-10 Rp by the pass (ClampRho), not here.
// The arithmetic is the passes' own, operation by operation, so a row equals its evaluator
// bit for bit.
#pragma once

#include "geometry/ArmGeometry.h"
#include "geometry/Checked.h"
#include "model/Forward.h"

#include <cstddef>
#include <vector>

namespace trochix::geometry {

using model::CamModel;

// The four cases of Sizing.h, by follower motion, cam type and follower type.
enum class FollowerKind { TranslatingRoller, TranslatingFlat, Barrel, Oscillating };

// The arm triangle as Arm_Geometry leaves it in the model.
struct ArmData {
    double C = 0.0;            // PivotDistance: cam centre -> pivot
    double L = 0.0;            // ArmRadius: pivot -> roller centre
    double armAngle0 = 0.0;    // ArmAngle0: angle at the pivot at S = 0, degrees
    double pivotAngle = 0.0;   // PivotAngle: polar angle of the pivot, degrees
    double armDirection = 1.0; // ArmDirection, +-1
    int camDirection = -1;     // CamDirection, +-1
    int K = -1;                // ArmDirection x CamDirection, rounded
};

// Everything the points of one pass share.
struct SizingCase {
    FollowerKind kind = FollowerKind::TranslatingRoller;
    double Rp = 1.0;     // PrimeRadius (prime distance with an offset)
    double e = 0.0;      // Offset of a translating roller on a radial cam
    double omega = 1.0;  // CamOmega
    double omega2 = 1.0; // CamOmega2, read by the radius of curvature only
    ArmData arm;         // oscillating followers only
};

// The case the model describes for followerType (1 roller, 2 flat-faced). The arm data are
// read as they stand: for an oscillating follower Arm_Geometry must have run.
SizingCase SizingCaseOf(const CamModel& model, int followerType);

struct PressurePoint {
    float phi = 0.0f;     // pressure angle, degrees
    bool written = false; // false: the row keeps its previous value
    int fault = 0;        // the pass stops here: 5 offset beyond Rp, 11 a zero divisor, 6 overflow
    // A zero denominator of the arm triangle: the pass warns, naming this term, and goes on.
    const char* divZeroTerm = nullptr;
    ContourStatus contour; // reported before anything else of the point
};

struct RhoPoint {
    float rho = 0.0f;      // radius of curvature of the pitch curve; written unless fault
    int fault = 0;         // 11 a zero divisor, 6 overflow
    ContourStatus contour; // a dwell of an oscillating arm
};

// theta: cam angle (row 0); S, V: rows 1 and 2.
PressurePoint PressureAngleAt(const SizingCase& c, float theta, double S, double V) noexcept;

// theta, S, V, A: rows 0..3; phi: the pressure angle of row 5 (oscillating followers only).
RhoPoint RadiusOfCurvatureAt(const SizingCase& c, float theta, double S, double V, double A,
                             float phi) noexcept;

// Rows 0..3 at points 0..NumPoints, copied out for a search that sizes many designs.
struct MotionPoints {
    std::vector<float> theta;
    std::vector<double> S, V, A;
    std::size_t size() const { return theta.size(); }
};
MotionPoints MotionPointsOf(const CamModel& model);

// The noexcept forms of RhoRadialRoller and RhoOscillating (Sizing.h).
SingleOrFault RhoRadialRollerOf(double X, double e, double v, double a) noexcept;
SingleOrFault RhoOscillatingOf(double C, double L, double muR, double phiR, double w, double w2,
                               int K) noexcept;

} // namespace trochix::geometry
