// The design assistant's conditions at one stored point (geometry/Suggest.h), and for the
// oscillating arm a closed-form copy of the sizing's arm triangle to search with.
//
// The sizing's own evaluators (geometry/SizingPoint.h) decide every suggestion; an arm point
// through them costs about ten trigonometric calls, and a pivot search visits the points some
// thousands of times. ArmGuide gives the same pressure angle and radius of curvature from one
// sine and cosine per point and design, by angle sums and the triangle's algebra, to rounding:
// good for finding the pivot distance, never for accepting it.
#pragma once

#include "geometry/SizingPoint.h"
#include "geometry/Suggest.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace trochix::geometry {

// A point's check: met, the angles met but the surface too tight, or an angle missed (or no
// value at all: an evaluator's fault fails the angles-only check too).
enum class PointVerdict { Pass, Surface, Fails };

// What one candidate design must meet at each point.
struct SuggestRules {
    double riseAngle = 30.0, fallAngle = 30.0; // degrees
    double Rr = 0.0;                           // roller radius; 0 for a flat face
    double minSurf = 0.0;                      // the resolved minimum surface radius
    bool flat = false;
    bool barrel = false;

    double Limit(double V) const { return V >= 0.0 ? riseAngle : fallAngle; }
    // A pressure angle within this share of its limit meets it: the evaluators round to float.
    static constexpr double kAngleSlack = 1e-6;
    bool AngleOk(double phi, double V) const {
        return std::fabs(phi) <= Limit(V) * (1.0 + kAngleSlack);
    }
    // The radius the follower meets: the surface's, convex; +inf where concave or straight.
    double SurfaceOf(double rho) const;
};

// The case at pivot distance C, the arm length and the prime radius kept: the arm angle at zero
// lift from the triangle (C, L, Rp).
SizingCase ArmAt(SizingCase c, double C, double Rp);

// The arm's points through the closed form, one pivot distance at a time.
class ArmGuide {
public:
    ArmGuide(const MotionPoints& points, const SizingCase& arm, double Rp,
             const SuggestRules& rules);
    void SetPivot(double C);
    std::size_t size() const { return w_.size(); }
    PointVerdict At(std::size_t i) const;

    // The pressure angle (degrees, whole turns as the sizing's sum gives them) and the pitch
    // curve's radius at point i; ok false where the sizing would fault.
    struct Value {
        double phi = 0.0, rho = 0.0;
        bool ok = false;
    };
    Value ValueAt(std::size_t i) const;

private:
    struct Angle {
        double c = 1.0, s = 0.0; // cosine and sine of the pressure angle
        double approx = 0.0;     // the angle itself to within 1.2 rad, to tell the turn
        double r = 0.0;          // cam centre -> roller centre
        double sinMu = 0.0;
        bool ok = false;
    };
    Angle AngleAt(std::size_t i) const;
    double RhoAt(std::size_t i, const Angle& a) const;

    SizingCase arm_;
    double Rp_ = 0.0;
    SuggestRules rules_;
    std::vector<double> cosS_, sinS_, S_, w_, w2_, cosLimit_;
    // The design: C and the sides' products, the arm angle at zero lift (radians) and its
    // cosine and sine.
    double C_ = 0.0, L_ = 0.0, C2_ = 0.0, L2_ = 0.0, twoCL_ = 0.0;
    double mu0_ = 0.0, cosMu0_ = 1.0, sinMu0_ = 0.0;
};

} // namespace trochix::geometry
