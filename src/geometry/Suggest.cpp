#include "geometry/Suggest.h"

#include "geometry/SizingPoint.h"
#include "geometry/SuggestPoints.h"
#include "model/CamModel.h"
#include "model/Constants.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace trochix::geometry {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kRelative = 1e-10; // where a bisection stops
constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// The sizing's evaluators at one design.
struct Check {
    const MotionPoints& p;
    SuggestRules rules;
    // The points whose rows differ from the point before: a point that repeats them (a dwell)
    // has the same pressure angle and radius, the cam angle only turning the picture.
    std::vector<std::size_t> points;
    std::vector<char> repeats;

    Check(const MotionPoints& motion, const SuggestRules& r) : p(motion), rules(r) {
        repeats.assign(p.size(), 0);
        for (std::size_t i = 0; i < p.size(); ++i) {
            repeats[i] = i > 0 && p.S[i] == p.S[i - 1] && p.V[i] == p.V[i - 1] &&
                         std::signbit(p.V[i]) == std::signbit(p.V[i - 1]) && p.A[i] == p.A[i - 1];
            if (!repeats[i])
                points.push_back(i);
        }
    }

    // The pressure angle at point i, or NaN where the evaluator faults.
    double Phi(const SizingCase& c, std::size_t i) const {
        const PressurePoint q = PressureAngleAt(c, p.theta[i], p.S[i], p.V[i]);
        return q.fault != 0 || q.contour.divisionByZero ? NAN : q.phi;
    }
    // The radius the follower meets at point i; NaN where the evaluator faults.
    double Surface(const SizingCase& c, std::size_t i, double phi) const {
        const RhoPoint r =
            RadiusOfCurvatureAt(c, p.theta[i], p.S[i], p.V[i], p.A[i], static_cast<float>(phi));
        return r.fault != 0 ? NAN : rules.SurfaceOf(r.rho);
    }
    PointVerdict Verdict(const SizingCase& c, std::size_t i) const {
        const double phi = Phi(c, i);
        if (std::isnan(phi) || !rules.AngleOk(phi, p.V[i]))
            return PointVerdict::Fails;
        const double s = Surface(c, i, phi);
        if (std::isnan(s))
            return PointVerdict::Fails;
        return s >= rules.minSurf ? PointVerdict::Pass : PointVerdict::Surface;
    }
};

// One design at every point: whether all pass, and what it reaches (the angles on rises and on
// falls, the smallest surface radius); the failing points into `failing` when given (of the
// repeating ones only the first).
struct Survey {
    bool pass = true;
    double riseAngle = 0.0, fallAngle = 0.0, minSurface = kInf;
};

Survey SurveyAt(const Check& k, const SizingCase& c, std::vector<std::size_t>* failing = nullptr) {
    Survey s;
    double phi = NAN, r = NAN;
    for (std::size_t i = 0; i < k.p.size(); ++i) {
        if (!k.repeats[i]) {
            phi = k.Phi(c, i);
            r = std::isnan(phi) ? NAN : k.Surface(c, i, phi);
        }
        bool ok = false;
        if (!std::isnan(phi)) {
            const double V = k.p.V[i];
            double& largest = V >= 0.0 ? s.riseAngle : s.fallAngle;
            largest = std::max(largest, std::fabs(phi));
            if (!std::isnan(r))
                s.minSurface = std::min(s.minSurface, r);
            ok = k.rules.AngleOk(phi, V) && !std::isnan(r) && r >= k.rules.minSurf;
        }
        if (!ok) {
            s.pass = false;
            if (failing && !k.repeats[i])
                failing->push_back(i);
        }
    }
    return s;
}

// The smallest x in [lo, hi] where every point passes, hi passing and the points failing at
// lo given; only those can fail in between.
template <class Fails>
double Bisect(double lo, double hi, std::vector<std::size_t> failing, const Fails& fails) {
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

// A translating follower or a barrel cam: the prime radius, the offset given. `measured`: the
// design was surveyed on the way, `survey` holds what it reaches.
struct PrimeSearch {
    double prime = kInf;
    SuggestBound bound = SuggestBound::PressureAngle;
    bool measured = false;
    Survey survey;
};

// tan of the rise and the fall limit, once per suggestion.
struct Tangents {
    double rise = 1.0, fall = 1.0;
    double Of(double V) const { return V >= 0.0 ? rise : fall; }
};

PrimeSearch SmallestPrime(const Check& k, const Tangents& tan, SizingCase c) {
    const MotionPoints& p = k.p;
    const double omega = c.omega, omega2 = c.omega2;
    // The closed-form lower bound of the pressure angle (none for a flat face).
    double lower = 0.0;
    if (c.kind == FollowerKind::TranslatingRoller) {
        double d = 0.0;
        for (std::size_t i = 0; i < p.size(); ++i)
            d = std::max({d, std::fabs(p.V[i] / omega - c.e) / tan.Of(p.V[i]) - p.S[i], -p.S[i]});
        lower = std::hypot(d, c.e);
    } else if (c.kind == FollowerKind::Barrel) {
        for (std::size_t i = 0; i < p.size(); ++i)
            lower = std::max(lower, std::fabs(p.V[i] / omega) / tan.Of(p.V[i]));
    } else if (c.kind == FollowerKind::TranslatingFlat) {
        // rho = Rp + S + A / omega^2 >= minSurface: the curvature bound itself.
        lower = -kInf;
        for (std::size_t i = 0; i < p.size(); ++i)
            lower = std::max(lower, k.rules.minSurf - p.S[i] - p.A[i] / omega2);
        return {std::max(lower, 1e-9), SuggestBound::Curvature, false, {}};
    }
    lower = std::max(lower, 1e-9);
    const auto fails = [&](double x, const std::vector<std::size_t>& among) {
        SizingCase t = c;
        t.Rp = x;
        std::vector<std::size_t> out;
        for (std::size_t i : among)
            if (k.Verdict(t, i) != PointVerdict::Pass)
                out.push_back(i);
        return out;
    };
    std::vector<std::size_t> failing;
    SizingCase atLower = c;
    atLower.Rp = lower;
    const Survey s = SurveyAt(k, atLower, &failing);
    if (s.pass)
        return {lower, SuggestBound::PressureAngle, true, s};
    double hi = 2.0 * lower;
    for (int grow = 0; grow < 60 && !fails(hi, failing).empty(); ++grow)
        hi *= 2.0;
    if (!fails(hi, failing).empty())
        return {};
    return {Bisect(lower, hi, failing, fails), SuggestBound::Curvature, false, {}};
}

// The pressure-angle bound of a translating roller as a function of its offset e: the largest
// of |w - e| / tan(limit) - S, -S and 0 over the points is the largest of at most five lines in
// e (a rise and a fall limit, either sign of w - e), and the bound hypot(d, e) is convex. Its
// least value lies where one line's own hypot is least, where two lines cross, or at an end.
class OffsetBound {
public:
    OffsetBound(const MotionPoints& p, double omega, const Tangents& tan) {
        double M = 0.0;
        double P[2] = {-kInf, -kInf}, Q[2] = {-kInf, -kInf};
        for (std::size_t i = 0; i < p.size(); ++i) {
            const int g = p.V[i] >= 0.0 ? 0 : 1;
            const double w = p.V[i] / omega, t = tan.Of(p.V[i]);
            P[g] = std::max(P[g], w / t - p.S[i]);
            Q[g] = std::max(Q[g], -w / t - p.S[i]);
            M = std::max(M, -p.S[i]);
        }
        lines_[count_++] = {M, 0.0};
        for (int g = 0; g < 2; ++g)
            if (P[g] > -kInf) {
                const double slope = 1.0 / (g == 0 ? tan.rise : tan.fall);
                lines_[count_++] = {P[g], -slope};
                lines_[count_++] = {Q[g], slope};
            }
    }
    double At(double e) const {
        double d = -kInf;
        for (int j = 0; j < count_; ++j)
            d = std::max(d, lines_[j].a + lines_[j].b * e);
        return std::max(std::hypot(d, e), 1e-9);
    }
    // The offset in [-W, W] of the least bound.
    double Best(double W) const {
        double best = 0.0, value = At(0.0);
        const auto consider = [&](double e) {
            if (std::isfinite(e) && std::fabs(e) <= W && At(e) < value) {
                best = e;
                value = At(e);
            }
        };
        consider(-W);
        consider(W);
        for (int j = 0; j < count_; ++j) {
            const Line& u = lines_[j];
            consider(-u.a * u.b / (1.0 + u.b * u.b));
            for (int l = j + 1; l < count_; ++l)
                if (lines_[l].b != u.b)
                    consider((lines_[l].a - u.a) / (u.b - lines_[l].b));
        }
        return best;
    }

private:
    struct Line {
        double a = 0.0, b = 0.0; // a + b e
    };
    Line lines_[5];
    int count_ = 0;
};

// An arm's pivot distance, the smallest in its triangle range that meets the limits.
struct PivotFound {
    double C = kInf;    // +inf: none
    double below = NAN; // just below C, where `decider` fails (none on the scan's first step)
    std::size_t decider = kNone;
    SuggestBound bound = SuggestBound::PressureAngle;
    std::vector<std::size_t> candidates; // the points failing at the scan step below
};

// The sizing's evaluators as a pivot search sees them.
struct SizingArm {
    const Check& k;
    SizingCase arm;
    double Rp;
    SizingCase at{};
    void SetPivot(double C) { at = ArmAt(arm, C, Rp); }
    PointVerdict At(std::size_t i) const { return k.Verdict(at, i); }
};

// The crossing in [a, b]: every one of `among` passes at b, `failing` holds those failing at a;
// only they can fail in between. Bisected over the points still failing at the lower end, then
// all of among checked at the answer (among empty: none, the caller checks): one failing there
// too is taken in and the bisection goes on above. The answer passes them all and its decider
// fails within 1e-10 below it.
template <class Arm>
PivotFound Crossing(Arm& arm, double a, double b, std::vector<std::size_t> failing,
                    const std::vector<std::size_t>& among) {
    std::vector<std::size_t> f;
    for (;;) {
        double below = a, above = b;
        while (above - below > kRelative * std::fabs(above)) {
            const double mid = 0.5 * (below + above);
            arm.SetPivot(mid);
            f.clear();
            for (std::size_t i : failing)
                if (arm.At(i) != PointVerdict::Pass)
                    f.push_back(i);
            if (f.empty()) {
                above = mid;
            } else {
                below = mid;
                failing.swap(f);
            }
        }
        arm.SetPivot(above);
        f.clear();
        for (std::size_t i : among)
            if (arm.At(i) != PointVerdict::Pass)
                f.push_back(i);
        if (f.empty())
            return {above,
                    below,
                    failing.empty() ? kNone : failing.front(),
                    SuggestBound::PressureAngle,
                    {}};
        // A point that failed at neither end: only now known, and the answer lies above.
        a = above;
        failing.swap(f);
    }
}

// The first feasible distance of a scan from the shortest arm triangle, then the crossing below
// it, checked at every point when checkAll. The point that failed a scan step is tried first at
// the next, then its neighbours. Which limit decides: whether the angles alone allow a distance
// 1e-7 shorter, at an earlier step or in the last one.
template <class Arm>
PivotFound SearchPivot(Arm& arm, const std::vector<std::size_t>& points, double lo, double hi,
                       bool checkAll) {
    const std::size_t n = points.size();
    std::size_t witness = 0, angleWitness = 0; // positions in points
    // The first point failing `fails`, outward from position `from`: npos when none.
    const auto firstFrom = [&](std::size_t& from, const auto& fails) {
        for (std::size_t step = 0; step < 2 * n; ++step) {
            const std::size_t off = (step + 1) / 2;
            if (off >= n)
                break;
            std::size_t j = from;
            if (step % 2 == 1) {
                if (from + off >= n)
                    continue;
                j = from + off;
            } else if (step > 0) {
                if (off > from)
                    continue;
                j = from - off;
            }
            if (fails(arm.At(points[j])))
                return from = j, true;
        }
        return false;
    };
    const auto failsAll = [](PointVerdict v) { return v != PointVerdict::Pass; };
    const auto failsAngles = [](PointVerdict v) { return v == PointVerdict::Fails; };
    constexpr int kScan = 64;
    bool anglesEarlier = false;
    for (int j = 1; j < kScan; ++j) {
        const double C = lo + (hi - lo) * j / kScan;
        arm.SetPivot(C);
        PointVerdict v = PointVerdict::Pass;
        if (firstFrom(witness, [&](PointVerdict x) { return failsAll(v = x); })) {
            if (!anglesEarlier && v == PointVerdict::Surface &&
                !firstFrom(angleWitness, failsAngles))
                anglesEarlier = true;
            continue;
        }
        if (j == 1)
            return {C, NAN, kNone, SuggestBound::PressureAngle, {}};
        const double previous = lo + (hi - lo) * (j - 1) / kScan;
        arm.SetPivot(previous);
        std::vector<std::size_t> failing, anglesFailing;
        for (std::size_t i : points) {
            const PointVerdict f = arm.At(i);
            if (f != PointVerdict::Pass)
                failing.push_back(i);
            if (f == PointVerdict::Fails)
                anglesFailing.push_back(i);
        }
        PivotFound found =
            Crossing(arm, previous, C, failing, checkAll ? points : std::vector<std::size_t>{});
        bool curvature = anglesEarlier;
        const double shorter = found.C * (1.0 - 1e-7);
        if (!curvature && shorter > previous) {
            arm.SetPivot(shorter);
            curvature =
                std::none_of(anglesFailing.begin(), anglesFailing.end(),
                             [&](std::size_t i) { return arm.At(i) == PointVerdict::Fails; });
        }
        found.bound = curvature ? SuggestBound::Curvature : SuggestBound::PressureAngle;
        found.candidates = std::move(failing);
        return found;
    }
    return {};
}

// The guide's crossing moved to the sizing's own: the sizing rounds the pressure angle to float,
// which shifts a crossing by up to some 1e-6. Only the candidates the guide finds failing 1e-3
// below can decide this close; their crossing is bracketed and bisected through the sizing.
bool Polish(const Check& k, const SizingCase& c, double Rp, ArmGuide& guide, PivotFound& found) {
    std::vector<std::size_t> near;
    guide.SetPivot(found.C * (1.0 - 1e-3));
    for (std::size_t i : found.candidates)
        if (i == found.decider || guide.At(i) != PointVerdict::Pass)
            near.push_back(i);
    SizingArm sizing{k, c, Rp};
    const auto failingAt = [&](double x) {
        sizing.SetPivot(x);
        std::vector<std::size_t> out;
        for (std::size_t i : near)
            if (sizing.At(i) != PointVerdict::Pass)
                out.push_back(i);
        return out;
    };
    double a = 0.0, b = 0.0;
    std::vector<std::size_t> failing;
    bool passing = false;
    for (double reach = 1e-6; reach <= 1e-4 && !passing; reach *= 10.0)
        passing = failingAt(b = found.C * (1.0 + reach)).empty();
    for (double reach = 1e-6; reach <= 1e-4 && failing.empty(); reach *= 10.0)
        failing = failingAt(a = found.C * (1.0 - reach));
    if (!passing || failing.empty())
        return false;
    const PivotFound polished = Crossing(sizing, a, b, failing, near);
    found.C = polished.C;
    found.below = polished.below;
    found.decider = polished.decider;
    return true;
}

// The pivot search through the closed-form guide, polished and then checked through the sizing
// at every point; where the two disagree, the search again through the sizing itself.
PivotFound SmallestPivot(const Check& k, const SizingCase& c, double Rp, Survey& survey) {
    const double L = c.arm.L;
    const double lo = std::fabs(L - Rp), hi = L + Rp;
    ArmGuide guide(k.p, c, Rp, k.rules);
    PivotFound found = SearchPivot(guide, k.points, lo, hi, false);
    if (std::isfinite(found.C) && (found.decider == kNone || Polish(k, c, Rp, guide, found))) {
        survey = SurveyAt(k, ArmAt(c, found.C, Rp));
        if (survey.pass)
            return found;
    }
    SizingArm sizing{k, c, Rp};
    found = SearchPivot(sizing, k.points, lo, hi, true);
    if (std::isfinite(found.C))
        survey = SurveyAt(k, ArmAt(c, found.C, Rp));
    // Checked at every point on the way; never a suggestion that misses its own limits.
    return survey.pass ? found : PivotFound{};
}

void Reached(const Survey& from, Suggestion& s) {
    s.riseAngle = from.riseAngle;
    s.fallAngle = from.fallAngle;
    s.minSurface = from.minSurface;
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
    SuggestRules rules;
    rules.riseAngle = lim.riseAngle;
    rules.fallAngle = lim.fallAngle;
    rules.barrel = c.kind == FollowerKind::Barrel;
    rules.flat = m.FollowerType == 2 && !rules.barrel;
    rules.Rr = rules.flat ? 0.0 : m.RollerRadius;
    rules.minSurf = lim.minSurface >= 0.0 ? lim.minSurface : (rules.flat ? 0.0 : 0.1 * rules.Rr);
    const Check k(p, rules);

    if (c.kind == FollowerKind::Oscillating) {
        s.oscillating = true;
        const double Rp = m.PrimeRadius;
        Survey reached;
        const PivotFound found = SmallestPivot(k, c, Rp, reached);
        if (!std::isfinite(found.C)) {
            s.refusal = "No pivot distance for this arm length and prime radius meets the limits.";
            return s;
        }
        s.prime = Rp;
        s.pivotDistance = found.C;
        s.bound = found.bound;
        Reached(reached, s);
        s.ok = true;
        return s;
    }

    const Tangents tan{std::tan(lim.riseAngle * model::kDegToRad),
                       std::tan(lim.fallAngle * model::kDegToRad)};
    const auto primeFor = [&](double e) {
        SizingCase t = c;
        t.e = e;
        return SmallestPrime(k, tan, t);
    };
    double e = c.kind == FollowerKind::TranslatingRoller ? c.e : 0.0;
    PrimeSearch r;
    if (lim.bestOffset && c.kind == FollowerKind::TranslatingRoller) {
        double W = 0.0;
        for (double v : p.V)
            W = std::max(W, std::fabs(v / c.omega));
        // Over the offsets that can help (no more than the largest w either way): the least
        // pressure-angle bound, the best there is wherever the curvature allows it, since the
        // smallest prime radius is never below that bound.
        const OffsetBound bound(p, c.omega, tan);
        e = bound.Best(W);
        r = primeFor(e);
        double least = r.prime;
        if (r.bound != SuggestBound::PressureAngle) {
            // The curvature decides there: golden section over the smallest prime radius.
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
            least = std::min(f1, f2);
            r = primeFor(e);
        }
        if (e != c.e && bound.At(c.e) <= least * (1.0 + 1e-12)) {
            const PrimeSearch given = primeFor(c.e);
            if (given.prime <= least) { // the given offset is as good
                e = c.e;
                r = given;
            }
        }
    } else {
        r = primeFor(e);
    }
    if (!std::isfinite(r.prime)) {
        s.refusal = "No prime radius meets the limits for this follower.";
        return s;
    }
    s.prime = r.prime;
    s.offset = e;
    s.bound = r.bound;
    if (r.measured) {
        Reached(r.survey, s);
    } else {
        SizingCase at = c;
        at.Rp = r.prime;
        at.e = e;
        Reached(SurveyAt(k, at), s);
    }
    s.ok = true;
    return s;
}

} // namespace trochix::geometry
