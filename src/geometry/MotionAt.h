// The motion program between its stored points: S and its first two derivatives at any cam
// angle, by the laws' own formulas, read from the segment table without touching Results.
//
// Angles are the program's radians (degrees x 0.017453292522222223), so that a point here and
// the rows the segment driver stores agree to the rounding of a float. Derivatives are per
// radian of cam angle, not per second.
#pragma once

#include "model/Constants.h"
#include "model/Forward.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace trochix::geometry {

using model::CamModel;

struct MotionValue {
    double S = 0.0;   // displacement (length, or arm degrees for an oscillating follower)
    double dS = 0.0;  // per radian of cam angle
    double d2S = 0.0; // per radian squared
};

// The displacement of one law over its segment, without the segment's base position:
// law is the law-list index (SegLawFamily), dir the row's direction ("R", "F", ...), beta the
// duration in degrees, lift the segment's height h and local the angle from the segment start
// in degrees (0..beta). A fall is the rise mirrored, except the double harmonic with its own
// formulas; a dwell law gives S = lift. The stored polynomial is not a law here (see MotionAt).
MotionValue LawValueAt(int law, const std::string& dir, double beta, double lift, double local);

// The whole program, copied out of the model so that it outlives any later edit.
class MotionAt {
public:
    explicit MotionAt(const CamModel& model);

    // theta in radians; angles beyond one turn wrap. Where two segments meet the later one
    // answers, as it overwrote the shared stored point. An angle no segment covers gives zeros,
    // as Results hold there.
    MotionValue operator()(double theta) const;

    // Segment starts in radians, ascending, in [0, 2 pi): where S'' may jump.
    const std::vector<double>& breaks() const { return breaks_; }

private:
    struct Segment {
        double start = 0.0, beta = 0.0; // degrees
        double lift = 0.0, low = 0.0;
        std::string dir;
        int law = -1;
        int terms = 0; // a stored polynomial ("P"): exponents and coefficients 1..terms
        std::array<double, 21> exponent{}, coef{};
    };
    MotionValue SegmentValue(const Segment& s, double local) const;

    std::vector<Segment> segments_;
    std::vector<double> breaks_;
};

// S, dS, d2S by cam angle in radians, whatever supplies it.
using MotionFunction = std::function<MotionValue(double theta)>;

} // namespace trochix::geometry
