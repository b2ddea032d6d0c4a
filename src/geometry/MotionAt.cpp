#include "geometry/MotionAt.h"

#include "model/CamModel.h"
#include "motion/MotionLaws.h"

#include <algorithm>
#include <cmath>

namespace trochix::geometry {

using model::kDegToRad;
using model::kPi;
using model::kRadToDeg;
using model::kTwoPi;

namespace {

constexpr double kFourPi = 12.566370616;

// S, S' and S'' per radian of one rise, from its shape f(x), f'(x), f''(x) in x = local / beta.
MotionValue Scaled(double h, double br, double f, double df, double d2f) {
    return {h * f, h * df / br, h * d2f / (br * br)};
}

MotionValue Cycloid(double h, double br, double x, double c) {
    return Scaled(h, br, x - std::sin(c * x) / c, 1.0 - std::cos(c * x), c * std::sin(c * x));
}

MotionValue ModSine(double h, double br, double x) {
    if (x <= 1.0 / 8.0) {
        const double u = kFourPi * x;
        return Scaled(h, br, 0.43990085 * x - 0.0350062 * std::sin(u),
                      0.43990085 * (1.0 - std::cos(u)), 5.5279571 * std::sin(u));
    }
    if (x <= 7.0 / 8.0) {
        const double u = (kFourPi / 3.0) * x - kPi / 6.0;
        return Scaled(h, br, 0.28004957 + 0.43990085 * x - 0.31505577 * std::cos(u),
                      0.43990085 + 1.31970255 * std::sin(u), 5.5279571 * std::cos(u));
    }
    const double u = kTwoPi * (2.0 * x - 1.0);
    return Scaled(h, br, 0.56009915 + 0.43990085 * x - 0.0350062 * std::sin(u),
                  0.43990085 * (1.0 - std::cos(u)), 5.5279571 * std::sin(u));
}

MotionValue ModTrap(double h, double br, double x) {
    constexpr double c = kFourPi, k = 4.888124;
    if (x <= 1.0 / 8.0)
        return Scaled(h, br, 0.3889845 * x - 0.03095 * std::sin(c * x),
                      0.3889845 * (1.0 - std::cos(c * x)), k * std::sin(c * x));
    if (x <= 3.0 / 8.0)
        return Scaled(h, br, 2.44406184 * x * x - 0.22203097 * x + 0.00723407, k * x - 0.222031, k);
    if (x <= 0.5) {
        const double u = c * x - kPi;
        return Scaled(h, br, 1.6110154 * x - 0.0309544 * std::sin(u) - 0.3055077,
                      1.61102 - 0.3889845 * std::cos(u), k * std::sin(u));
    }
    if (x <= 5.0 / 8.0) {
        const double u = c * x - kTwoPi;
        return Scaled(h, br, 1.6110154 * x + 0.0309544 * std::sin(u) - 0.3055077,
                      1.61102 + 0.3889845 * std::cos(u), -k * std::sin(u));
    }
    if (x <= 7.0 / 8.0)
        return Scaled(h, br, -2.44406184 * x * x + 4.6660917 * x - 1.2292648, -k * x + 4.6660917,
                      -k);
    const double u = c * x - 3.0 * kPi;
    return Scaled(h, br, 0.6110154 + 0.3889845 * x + 0.0309544 * std::sin(u),
                  0.3889845 + 0.3889845 * std::cos(u), -k * std::sin(u));
}

} // namespace

MotionValue LawValueAt(int law, const std::string& dir, double beta, double lift, double local) {
    using namespace motion;
    const double h = lift, br = beta * kDegToRad, x = local / beta;
    MotionValue v;
    switch (law) {
    case kLawCycloidFull: v = Cycloid(h, br, x, kTwoPi); break;
    case kLawCycloid1: v = Cycloid(h, br, x, kPi); break;
    case kLawCycloid2: {
        const double u = kPi * x;
        v = Scaled(h, br, x + std::sin(u) / kPi, 1.0 + std::cos(u), -kPi * std::sin(u));
        break;
    }
    case kLawSimpHarmFull: {
        const double u = kPi * x;
        v = Scaled(h, br, 0.5 * (1.0 - std::cos(u)), 0.5 * kPi * std::sin(u),
                   0.5 * kPi * kPi * std::cos(u));
        break;
    }
    case kLawSimpHarm1: {
        const double u = 0.5 * kPi * x;
        v = Scaled(h, br, 1.0 - std::cos(u), 0.5 * kPi * std::sin(u),
                   0.25 * kPi * kPi * std::cos(u));
        break;
    }
    case kLawSimpHarm2: {
        const double u = 0.5 * kPi * x;
        v = Scaled(h, br, std::sin(u), 0.5 * kPi * std::cos(u), -0.25 * kPi * kPi * std::sin(u));
        break;
    }
    case kLawModSine: v = ModSine(h, br, x); break;
    case kLawModTrap: v = ModTrap(h, br, x); break;
    case kLaw345:
        v = Scaled(h, br, x * x * x * (10.0 - 15.0 * x + 6.0 * x * x),
                   x * x * (30.0 - 60.0 * x + 30.0 * x * x),
                   x * (60.0 - 180.0 * x + 120.0 * x * x));
        break;
    case kLaw4567: {
        const double x2 = x * x, x3 = x2 * x;
        v = Scaled(h, br, x3 * x * (35.0 - 84.0 * x + 70.0 * x2 - 20.0 * x3),
                   x3 * (140.0 - 420.0 * x + 420.0 * x2 - 140.0 * x3),
                   x2 * (420.0 - 1680.0 * x + 2100.0 * x2 - 840.0 * x3));
        break;
    }
    case kLawDoubleHarm: {
        // Its own fall formulas; a row that is neither rise nor fall repeats whatever the
        // previous point left, which has no value of its own here.
        const double a = std::cos(kPi * x), b = std::cos(kTwoPi * x);
        const double p = std::sin(kPi * x), q = std::sin(kTwoPi * x);
        if (dir == "R")
            return Scaled(h, br, 0.5 * ((1.0 - a) - 0.25 * (1.0 - b)), 0.5 * kPi * (p - 0.5 * q),
                          0.5 * kPi * kPi * (a - b));
        if (dir == "F")
            return Scaled(h, br, 0.5 * ((1.0 + a) - 0.25 * (1.0 - b)), -0.5 * kPi * (p + 0.5 * q),
                          -0.5 * kPi * kPi * (a + b));
        return {};
    }
    case kLawDwell: return {h, 0.0, 0.0};
    default: return {};
    }
    if (dir == "F")
        v = {h - v.S, -v.dS, -v.d2S};
    return v;
}

MotionAt::MotionAt(const CamModel& m) {
    const int n = std::clamp(m.NumSegments, 0, model::kMaxSegments);
    for (int seg = 1; seg <= n; ++seg) {
        Segment s;
        s.start = m.SegStart[seg];
        s.beta = m.SegBeta[seg];
        s.lift = m.SegLift[seg];
        s.low = m.SegLow[seg];
        s.dir = m.SegDir[seg];
        s.law = m.SegLawFamily[seg];
        if (s.dir == "P" || s.law == motion::kLawPolynomial) {
            s.terms = std::clamp(m.SegNumBC[seg], 0, model::kMaxBCs);
            for (int i = 1; i <= s.terms; ++i) {
                s.exponent[i] = m.PolyExponent[i][seg];
                s.coef[i] = m.PolyCoef[i][seg];
            }
        }
        // A segment the driver refuses stores nothing.
        if (!(s.beta > 0.0))
            continue;
        segments_.push_back(s);
        const double b = s.start * kDegToRad;
        if (b >= 0.0 && b < kTwoPi && (breaks_.empty() || b > breaks_.back()))
            breaks_.push_back(b);
    }
    std::sort(breaks_.begin(), breaks_.end());
}

MotionValue MotionAt::SegmentValue(const Segment& s, double local) const {
    if (s.terms == 0) {
        MotionValue v = LawValueAt(s.law, s.dir, s.beta, s.lift, local);
        v.S += s.low;
        return v;
    }
    // The stored polynomial in x = local / beta, with the driver's choice of which terms carry
    // a derivative (term 1 is the constant, term 2 the first power, ...).
    const double x = local / s.beta, br = s.beta * kDegToRad;
    MotionValue v;
    for (int i = 1; i <= s.terms; ++i) {
        const double p = s.exponent[i], c = s.coef[i];
        v.S += c * std::pow(x, p);
        if (i >= 2)
            v.dS += p * c * std::pow(x, p - 1.0);
        if (i >= 3)
            v.d2S += p * (p - 1.0) * c * std::pow(x, p - 2.0);
    }
    v.S += s.low;
    v.dS /= br;
    v.d2S /= br * br;
    return v;
}

MotionValue MotionAt::operator()(double theta) const {
    double deg = theta * kRadToDeg;
    if (deg < 0.0 || deg > 360.0)
        deg -= 360.0 * std::floor(deg / 360.0);
    // The later of two segments that share the angle wins; a hair of slack keeps an end point
    // that the conversion to radians and back moved off the segment.
    constexpr double kSlack = 1e-9;
    for (auto s = segments_.rbegin(); s != segments_.rend(); ++s) {
        const double local = deg - s->start;
        if (local >= -kSlack && local <= s->beta + kSlack)
            return SegmentValue(*s, std::clamp(local, 0.0, s->beta));
    }
    return {};
}

} // namespace trochix::geometry
