#include "dynamics/Contact.h"

#include "dynamics/Dynamics.h"

#include "dynamics/Hertz.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/Units.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace trochix::dynamics {

using model::ResultRow;
using model::ToSingle;

namespace {

// As the dynamics: below this |cos phi| the pressure angle is a right angle.
constexpr double kRightAngleCos = 1e-9;

struct Spread {
    double min, max;
    std::size_t argMin, argMax;
};

Spread SpreadAt(std::span<const double> base, std::span<const double> slope, double x) {
    Spread s{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 0,
             0};
    for (std::size_t i = 0; i < base.size(); ++i) {
        const double v = base[i] + x * slope[i];
        if (v < s.min) {
            s.min = v;
            s.argMin = i;
        }
        if (v > s.max) {
            s.max = v;
            s.argMax = i;
        }
    }
    return s;
}

// The follower force's terms at point i, as the dynamics builds row 7: F = k S + F0 + c V + m A.
// Only the row is read for the total; the spring's travel and the speed terms come from the
// same inputs the dynamics reads.
struct ForceTerms {
    double total;   // row 7
    double travel;  // what the spring rate multiplies
    double damping; // c V, grows with omega
    double inertia; // m A, grows with omega^2
};

// An arm's rows are degrees of arm angle: the force acts on the roller's travel along its arc.
ForceTerms TermsAt(const CamModel& m, int i) {
    const auto& R = m.Results;
    const double atRoller = RollerTravelPerUnit(m);
    return {R[ResultRow::Force][i], atRoller * R[ResultRow::Displacement][i],
            atRoller * static_cast<double>(m.DampC) * R[ResultRow::Velocity][i],
            atRoller * static_cast<double>(m.EffMass) * R[ResultRow::Acceleration][i]};
}

} // namespace

double CamModulusOf(const CamModel& m) {
    return m.CamModulus > 0.0f ? m.CamModulus
                               : kSteelModulus / model::PascalsPerStress(m.UnitSystem);
}

double FollowerModulusOf(const CamModel& m) {
    return m.FollowerModulus > 0.0f ? m.FollowerModulus
                                    : kSteelModulus / model::PascalsPerStress(m.UnitSystem);
}

double ContactWidthOf(const CamModel& m) {
    if (m.ContactWidth > 0.0f)
        return m.ContactWidth;
    // The plate's thickness, as the machined cam takes it.
    return m.PlateThickness > 0.0f ? m.PlateThickness : 0.5 * m.PrimeRadius;
}

std::vector<std::array<float, 2>> NonPositiveRanges(std::span<const float> angle,
                                                    std::span<const double> value, int numPoints) {
    std::vector<std::array<float, 2>> ranges;
    const int last = std::min<int>(numPoints, static_cast<int>(value.size()) - 1);
    int from = -1;
    for (int i = 0; i <= last; ++i) {
        const bool off = value[static_cast<std::size_t>(i)] <= 0.0;
        if (off && from < 0)
            from = i;
        if (!off && from >= 0) {
            ranges.push_back(
                {angle[static_cast<std::size_t>(from)], angle[static_cast<std::size_t>(i - 1)]});
            from = -1;
        }
    }
    if (from >= 0) {
        const std::array<float, 2> tail{angle[static_cast<std::size_t>(from)],
                                        angle[static_cast<std::size_t>(last)]};
        // The last point is the first again: a run through 360 goes on from 0, and is listed
        // last, where it ends the turn.
        if (from > 0 && !ranges.empty() && value[0] <= 0.0 && last == numPoints) {
            const float to = ranges.front()[1];
            ranges.erase(ranges.begin());
            ranges.push_back({tail[0], to});
        } else {
            ranges.push_back(tail);
        }
    }
    return ranges;
}

bool LeastForMargin(std::span<const double> base, std::span<const double> slope, double margin,
                    double lo, double& x) {
    if (base.empty())
        return false;
    const auto g = [&](double at) {
        const Spread sp = SpreadAt(base, slope, at);
        return sp.min - margin * sp.max;
    };
    // Rises while the least point gains on the margin's share of the largest.
    const auto rising = [&](double at) {
        const Spread sp = SpreadAt(base, slope, at);
        return slope[sp.argMin] - margin * slope[sp.argMax] > 0.0;
    };
    if (g(lo) >= 0.0) {
        x = lo;
        return true;
    }
    double top = 0.0, steepest = 0.0;
    for (std::size_t i = 0; i < base.size(); ++i) {
        top = std::max(top, std::fabs(base[i]));
        steepest = std::max(steepest, std::fabs(slope[i]));
    }
    if (steepest == 0.0)
        return false;
    double step = std::max(top / steepest, 1e-9 * std::max(1.0, std::fabs(lo)));
    double a = lo, b = lo + step;
    for (int n = 0; g(b) < 0.0; ++n) {
        if (!rising(b)) {
            // Past the top of the concave function: its top lies in [a, b]. Below zero there,
            // nothing reaches the margin; otherwise the root is before it.
            double l = a, r = b;
            for (int k = 0; k < 300 && r - l > 1e-15 * std::max(std::fabs(l), std::fabs(r)); ++k) {
                const double m1 = l + (r - l) / 3.0, m2 = r - (r - l) / 3.0;
                (g(m1) < g(m2) ? l : r) = g(m1) < g(m2) ? m1 : m2;
            }
            if (g(0.5 * (l + r)) < 0.0)
                return false;
            b = 0.5 * (l + r);
            break;
        }
        if (n > 2000 || !std::isfinite(b))
            return false;
        a = b;
        step *= 2.0;
        b = lo + step;
    }
    for (int n = 0; n < 300 && b - a > 1e-15 * std::max(std::fabs(a), std::fabs(b)); ++n) {
        const double mid = 0.5 * (a + b);
        (g(mid) >= 0.0 ? b : a) = mid;
    }
    x = b;
    return true;
}

bool TopSpeedRatio(std::span<const double> p, std::span<const double> v, std::span<const double> a,
                   double& r) {
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < p.size(); ++i) {
        const double P = p[i], B = v[i], A = a[i];
        if (P <= 0.0) {
            r = 0.0;
            return true;
        }
        double root = std::numeric_limits<double>::infinity();
        if (A == 0.0) {
            if (B < 0.0)
                root = -P / B;
        } else {
            const double disc = B * B - 4.0 * A * P;
            if (disc >= 0.0) {
                // The roots q/A and P/q without cancellation.
                const double q = -0.5 * (B + std::copysign(std::sqrt(disc), B));
                const double r1 = q / A, r2 = P / q;
                if (A < 0.0)
                    root = std::max(r1, r2); // one root each side of zero
                else if (B < 0.0)
                    root = std::min(r1, r2); // both positive
            }
        }
        best = std::min(best, root);
    }
    if (!std::isfinite(best))
        return false;
    r = best;
    return true;
}

bool Contact(CamModel& model, Host& host, const ContactGeometry& geometry) {
    return model::RunGuarded(host, "Contact", [&] {
        model::ContactFigures c;
        auto& R = model.Results;
        const int n = model.NumPoints;
        if (n < 1 || n > model::kMaxPoints)
            throw model::Fault(model::kSubscriptOutOfRange);
        const std::size_t count = static_cast<std::size_t>(n) + 1;
        std::vector<double> normal(count), w(count), travel(count), still(count), damping(count),
            inertia(count);
        for (int i = 0; i <= n; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            const double cosPhi = std::cos(R[ResultRow::PressureAngle][k] * model::kDegToRad);
            if (std::fabs(cosPhi) < kRightAngleCos)
                throw model::Fault(model::kDivisionByZero);
            const ForceTerms t = TermsAt(model, i);
            w[k] = 1.0 / cosPhi;
            normal[k] = t.total * w[k];
            travel[k] = t.travel * w[k];
            still[k] = t.total - t.damping - t.inertia;
            damping[k] = t.damping;
            inertia[k] = t.inertia;
            R[ResultRow::ContactForce][k] = ToSingle(normal[k]);
        }

        // Point n is point 0 again; the extremes and solutions read one turn.
        const std::span<const double> turn(normal.data(), count - 1);
        const Spread spread = SpreadAt(turn, std::span<const double>(w.data(), count - 1), 0.0);
        c.MinForce = ToSingle(spread.min);
        c.MinForceAngle = R[ResultRow::CamAngle][spread.argMin];
        c.MaxForce = ToSingle(spread.max);
        c.JumpRanges = NonPositiveRanges(
            std::span<const float>(R[ResultRow::CamAngle].data(), count), normal, n);

        const double margin = model.ContactMargin;
        const std::span<const double> weight(w.data(), count - 1);
        double x = 0.0;
        // A preload adds F0 / cos phi at every point; a spring rate k S / cos phi.
        if (LeastForMargin(turn, weight, margin, -static_cast<double>(model.Preload), x))
            c.PreloadNeeded = ToSingle(std::max(0.0, model.Preload + x));
        c.SpringReaches = LeastForMargin(turn, std::span<const double>(travel.data(), count - 1),
                                         margin, -static_cast<double>(model.SpringK), x);
        if (c.SpringReaches)
            c.SpringNeeded = ToSingle(std::max(0.0, model.SpringK + x));

        double ratio = 0.0;
        c.TopSpeedLimited =
            TopSpeedRatio(std::span<const double>(still.data(), count - 1),
                          std::span<const double>(damping.data(), count - 1),
                          std::span<const double>(inertia.data(), count - 1), ratio);
        if (c.TopSpeedLimited)
            c.TopSpeed = ToSingle(ratio * std::fabs(model.CamOmega) * 30.0 / model::kPi);

        const double width = ContactWidthOf(model);
        const double modulus = ContactModulus(CamModulusOf(model), model.CamPoisson,
                                              FollowerModulusOf(model), model.FollowerPoisson);
        const bool hertz = geometry.hertz && width > 0.0 && geometry.curvature.size() >= count;
        double best = -1.0;
        for (int i = 0; i <= n; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            R[ResultRow::ContactPressure][k] = 0.0f;
            R[ResultRow::ContactHalfWidth][k] = 0.0f;
            if (!hertz || normal[k] <= 0.0)
                continue;
            const double rel = RelativeCurvature(geometry.followerRadius, geometry.curvature[k]);
            if (!(rel > 0.0) || !std::isfinite(rel)) {
                if (i < n)
                    ++c.NoHertzPoints;
                continue;
            }
            const LineContact h = HertzLine(normal[k], width, rel, modulus);
            R[ResultRow::ContactPressure][k] = ToSingle(h.pressure);
            R[ResultRow::ContactHalfWidth][k] = ToSingle(h.halfWidth);
            if (i < n && h.pressure > best) {
                best = h.pressure;
                c.HertzValid = true;
                c.HertzMax = ToSingle(h.pressure);
                c.HertzMaxAngle = R[ResultRow::CamAngle][k];
                c.HalfWidthAtMax = ToSingle(h.halfWidth);
                c.ShearMax = ToSingle(kShearRatio * h.pressure);
                c.ShearDepth = ToSingle(kShearDepthRatio * h.halfWidth);
            }
        }
        model.Contact = std::move(c);
    });
}

} // namespace trochix::dynamics
