#include "geometry/Suggest.h"

#include "geometry/SizingPoint.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/ResultRow.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace trochix::geometry {

namespace {

using model::ResultRow;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kRelative = 1e-10; // where a bisection stops
// A pressure angle within this share of its limit meets it: the evaluators round to float.
constexpr double kAngleSlack = 1e-6;

// What one candidate design must meet at each point.
struct Check {
    const MotionPoints& p;
    const SuggestLimits& lim;
    double Rr = 0.0;      // roller radius; 0 for a flat face
    double minSurf = 0.0; // the resolved minimum surface radius
    bool flat = false;

    // The pressure angle at point i, or NaN where the evaluator faults.
    double Phi(const SizingCase& c, std::size_t i) const {
        const PressurePoint q = PressureAngleAt(c, p.theta[i], p.S[i], p.V[i]);
        return q.fault != 0 || q.contour.divisionByZero ? NAN : q.phi;
    }
    double Limit(std::size_t i) const { return p.V[i] >= 0.0 ? lim.riseAngle : lim.fallAngle; }
    bool AngleOk(double phi, std::size_t i) const {
        return std::fabs(phi) <= Limit(i) * (1.0 + kAngleSlack);
    }
    // The radius the follower meets at point i (the surface's, convex), +inf where concave or
    // straight; NaN where the evaluator faults.
    double Surface(const SizingCase& c, std::size_t i, double phi) const {
        const RhoPoint r =
            RadiusOfCurvatureAt(c, p.theta[i], p.S[i], p.V[i], p.A[i], static_cast<float>(phi));
        if (r.fault != 0)
            return NAN;
        const double rho = r.rho;
        if (c.kind == FollowerKind::Barrel)
            return std::fabs(rho) - Rr;
        if (flat)
            return rho;
        return rho > 0.0 ? rho - Rr : kInf;
    }
    bool Passes(const SizingCase& c, std::size_t i, bool angles) const {
        const double phi = Phi(c, i);
        if (std::isnan(phi) || (angles && !AngleOk(phi, i)))
            return false;
        const double s = Surface(c, i, phi);
        return !std::isnan(s) && s >= minSurf;
    }
    std::vector<std::size_t> Failing(const SizingCase& c, const std::vector<std::size_t>& among,
                                     bool angles) const {
        std::vector<std::size_t> out;
        for (std::size_t i : among)
            if (!Passes(c, i, angles))
                out.push_back(i);
        return out;
    }
};

std::vector<std::size_t> All(const MotionPoints& p) {
    std::vector<std::size_t> all(p.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    return all;
}

// The smallest x in [lo, hi] where every point passes, hi passing and the points failing at
// lo given; only those can fail in between.
double Bisect(
    double lo, double hi, std::vector<std::size_t> failing,
    const std::function<std::vector<std::size_t>(double, const std::vector<std::size_t>&)>& fails) {
    while (hi - lo > kRelative * std::fabs(hi)) {
        const double mid = 0.5 * (lo + hi);
        std::vector<std::size_t> f = fails(mid, failing);
        if (f.empty()) {
            hi = mid;
        } else {
            lo = mid;
            failing = std::move(f);
        }
    }
    return hi;
}

// A translating follower or a barrel cam: the prime radius, the offset given.
struct PrimeSearch {
    double prime = kInf;
    SuggestBound bound = SuggestBound::PressureAngle;
};

PrimeSearch SmallestPrime(const Check& k, SizingCase c) {
    const MotionPoints& p = k.p;
    const double omega = c.omega, omega2 = c.omega2;
    // The closed-form lower bound of the pressure angle (none for a flat face).
    double lower = 0.0;
    if (c.kind == FollowerKind::TranslatingRoller) {
        double d = 0.0;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const double t = std::tan(k.Limit(i) * model::kDegToRad);
            d = std::max({d, std::fabs(p.V[i] / omega - c.e) / t - p.S[i], -p.S[i]});
        }
        lower = std::hypot(d, c.e);
    } else if (c.kind == FollowerKind::Barrel) {
        for (std::size_t i = 0; i < p.size(); ++i)
            lower = std::max(lower,
                             std::fabs(p.V[i] / omega) / std::tan(k.Limit(i) * model::kDegToRad));
    } else if (c.kind == FollowerKind::TranslatingFlat) {
        // rho = Rp + S + A / omega^2 >= minSurface: the curvature bound itself.
        lower = -kInf;
        for (std::size_t i = 0; i < p.size(); ++i)
            lower = std::max(lower, k.minSurf - p.S[i] - p.A[i] / omega2);
        return {std::max(lower, 1e-9), SuggestBound::Curvature};
    }
    lower = std::max(lower, 1e-9);
    const bool angles = c.kind != FollowerKind::TranslatingFlat;
    const auto fails = [&](double x, const std::vector<std::size_t>& among) {
        SizingCase t = c;
        t.Rp = x;
        return k.Failing(t, among, angles);
    };
    std::vector<std::size_t> failing = fails(lower, All(p));
    if (failing.empty())
        return {lower, SuggestBound::PressureAngle};
    double hi = 2.0 * lower;
    for (int grow = 0; grow < 60 && !fails(hi, failing).empty(); ++grow)
        hi *= 2.0;
    if (!fails(hi, failing).empty())
        return {};
    return {Bisect(lower, hi, failing, fails), SuggestBound::Curvature};
}

// An arm: the pivot distance C along the pivot's direction, its length and the prime radius
// kept; the arm angle at zero lift from the triangle (C, L, Rp).
SizingCase ArmAt(SizingCase c, double C, double Rp) {
    const double L = c.arm.L;
    c.arm.C = C;
    const double cosine = std::clamp((C * C + L * L - Rp * Rp) / (2.0 * C * L), -1.0, 1.0);
    c.arm.armAngle0 = std::acos(cosine) * model::kRadToDeg;
    return c;
}

double SmallestPivot(const Check& k, const SizingCase& c, double Rp) {
    const double L = c.arm.L;
    const double lo = std::fabs(L - Rp), hi = L + Rp;
    const auto fails = [&](double C, const std::vector<std::size_t>& among) {
        return k.Failing(ArmAt(c, C, Rp), among, true);
    };
    const std::vector<std::size_t> all = All(k.p);
    const auto anyFails = [&](double C) {
        const SizingCase at = ArmAt(c, C, Rp);
        for (std::size_t i = 0; i < k.p.size(); ++i)
            if (!k.Passes(at, i, true))
                return true;
        return false;
    };
    // The first feasible distance of a scan from the shortest arm triangle, then the crossing.
    constexpr int kScan = 64;
    for (int j = 1; j < kScan; ++j) {
        const double C = lo + (hi - lo) * j / kScan;
        if (anyFails(C))
            continue;
        if (j == 1)
            return C;
        const double previous = lo + (hi - lo) * (j - 1) / kScan;
        return Bisect(previous, C, fails(previous, all), fails);
    }
    return kInf;
}

// What the design reaches at its points.
void Measure(const Check& k, const SizingCase& c, Suggestion& s) {
    s.riseAngle = s.fallAngle = 0.0;
    s.minSurface = kInf;
    for (std::size_t i = 0; i < k.p.size(); ++i) {
        const double phi = k.Phi(c, i);
        if (std::isnan(phi))
            continue;
        (k.p.V[i] >= 0.0 ? s.riseAngle : s.fallAngle) =
            std::max(k.p.V[i] >= 0.0 ? s.riseAngle : s.fallAngle, std::fabs(phi));
        const double r = k.Surface(c, i, phi);
        if (!std::isnan(r))
            s.minSurface = std::min(s.minSurface, r);
    }
}

} // namespace

std::string CheckSuggestLimits(const SuggestLimits& l) {
    for (double a : {l.riseAngle, l.fallAngle})
        if (!(a > 0.0 && a < 90.0))
            return "A pressure angle limit must lie between 0 and 90 degrees.";
    if (!(l.minSurface >= 0.0 || l.minSurface == -1.0) || !std::isfinite(l.minSurface))
        return "The smallest surface radius must be zero or positive.";
    return {};
}

void ApplySuggestion(CamModel& m, const Suggestion& s) {
    if (!s.ok)
        return;
    m.PrimeRadius = static_cast<float>(s.prime);
    if (s.oscillating) {
        const double x = m.ArmPivotX, y = m.ArmPivotY, r = std::hypot(x, y);
        const double k = r > 0.0 ? s.pivotDistance / r : 0.0;
        m.ArmPivotX = static_cast<float>(r > 0.0 ? k * x : s.pivotDistance);
        m.ArmPivotY = static_cast<float>(k * y);
        return;
    }
    if (m.Translating && m.CamType == "Radial" && m.FollowerType != 2)
        m.Offset = static_cast<float>(s.offset);
}

const char* BoundName(SuggestBound b) {
    return b == SuggestBound::PressureAngle ? "pressure angle" : "curvature";
}

Suggestion Suggest(const CamModel& m, const SuggestLimits& lim) {
    Suggestion s;
    s.refusal = CheckSuggestLimits(lim);
    if (!s.refusal.empty())
        return s;
    if (!m.SvajDone) {
        s.refusal = "Calculate the motion program first (S-V-A-J)";
        return s;
    }
    if (m.CamOmega == 0.0f) {
        s.refusal = "The cam speed is zero: the pressure angle needs the velocity per cam angle.";
        return s;
    }
    const MotionPoints p = MotionPointsOf(m);
    SizingCase c = SizingCaseOf(m, m.FollowerType);
    Check k{p, lim};
    k.flat = m.FollowerType == 2 && c.kind != FollowerKind::Barrel;
    k.Rr = k.flat ? 0.0 : m.RollerRadius;
    k.minSurf = lim.minSurface >= 0.0 ? lim.minSurface : (k.flat ? 0.0 : 0.1 * k.Rr);

    if (c.kind == FollowerKind::Oscillating) {
        s.oscillating = true;
        const double Rp = m.PrimeRadius;
        const double C = SmallestPivot(k, c, Rp);
        if (!std::isfinite(C)) {
            s.refusal = "No pivot distance for this arm length and prime radius meets the limits.";
            return s;
        }
        s.prime = Rp;
        s.pivotDistance = C;
        const SizingCase at = ArmAt(c, C, Rp);
        // Which limit decides: the angles alone would allow a smaller pivot distance?
        Check anglesOnly = k;
        anglesOnly.minSurf = -kInf;
        const double byAngle = SmallestPivot(anglesOnly, c, Rp);
        s.bound =
            byAngle < C * (1.0 - 1e-7) ? SuggestBound::Curvature : SuggestBound::PressureAngle;
        Measure(k, at, s);
        s.ok = true;
        return s;
    }

    const auto primeFor = [&](double e) {
        SizingCase t = c;
        t.e = e;
        return SmallestPrime(k, t);
    };
    double e = c.kind == FollowerKind::TranslatingRoller ? c.e : 0.0;
    if (lim.bestOffset && c.kind == FollowerKind::TranslatingRoller) {
        double W = 0.0;
        for (double v : p.V)
            W = std::max(W, std::fabs(v / c.omega));
        // Golden section over the offsets that can help: no more than the largest w either way.
        const double g = 0.5 * (std::sqrt(5.0) - 1.0);
        double a = -W, b = W;
        double x1 = b - g * (b - a), x2 = a + g * (b - a);
        double f1 = primeFor(x1).prime, f2 = primeFor(x2).prime;
        for (int it = 0; it < 80 && b - a > 1e-9 * std::max(1.0, W); ++it) {
            if (f1 <= f2) {
                b = x2;
                x2 = x1;
                f2 = f1;
                x1 = b - g * (b - a);
                f1 = primeFor(x1).prime;
            } else {
                a = x1;
                x1 = x2;
                f1 = f2;
                x2 = a + g * (b - a);
                f2 = primeFor(x2).prime;
            }
        }
        e = f1 <= f2 ? x1 : x2;
        if (primeFor(c.e).prime <= std::min(f1, f2))
            e = c.e; // the given offset is as good
    }
    const PrimeSearch r = primeFor(e);
    if (!std::isfinite(r.prime)) {
        s.refusal = "No prime radius meets the limits for this follower.";
        return s;
    }
    s.prime = r.prime;
    s.offset = e;
    s.bound = r.bound;
    SizingCase at = c;
    at.Rp = r.prime;
    at.e = e;
    Measure(k, at, s);
    s.ok = true;
    return s;
}

} // namespace trochix::geometry
