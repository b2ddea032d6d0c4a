#include "geometry/AsMade.h"

#include "model/Constants.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace trochix::geometry {

using model::kDegToRad;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double Norm(Point2 a) {
    return std::hypot(a.x, a.y);
}
Point2 Unit(double angle) {
    return {std::cos(angle), std::sin(angle)};
}

// Whether the direction u from an arc's centre lies within the arc's sweep.
bool InSpan(const FitElement& e, Point2 u) {
    const double sign = e.ccw ? 1.0 : -1.0;
    const bool pastStart = sign * Cross(e.start - e.centre, u) >= 0.0;
    const bool beforeEnd = sign * Cross(u, e.end - e.centre) >= 0.0;
    return e.sweep <= std::numbers::pi ? pastStart && beforeEnd : pastStart || beforeEnd;
}

// The contour seen from the follower: R(-theta) p, mirrored first for a counter-clockwise cam
// (whose mirror also reverses the arcs' sense).
std::vector<FitElement> InFollowerFrame(const std::vector<FitElement>& contour, int camDirection,
                                        double theta) {
    const double c = std::cos(theta), s = std::sin(theta);
    const bool mirror = camDirection == 1;
    auto map = [&](Point2 p) {
        if (mirror)
            p.y = -p.y;
        return Point2{c * p.x + s * p.y, -s * p.x + c * p.y};
    };
    std::vector<FitElement> out = contour;
    for (FitElement& e : out) {
        e.start = map(e.start);
        e.end = map(e.end);
        e.centre = map(e.centre);
        if (mirror)
            e.ccw = !e.ccw;
    }
    return out;
}

// The largest x on the line y = e within Rr of the element; -inf where the line misses.
// Candidates are the boundary pieces of the element's Rr neighbourhood (offset lines or
// circles, the end points' circles); each is kept only where it is within Rr of the element,
// as DistanceToElement measures exactly, so pieces whose foot falls off the element drop out.
double RollerReach(const FitElement& el, double e, double Rr) {
    double best = -kInf;
    const double slack = 1e-9 * (1.0 + Rr + el.radius);
    auto consider = [&](double x) {
        if (std::isfinite(x) && x > best && DistanceToElement(el, {x, e}) <= Rr + slack)
            best = x;
    };
    auto circle = [&](Point2 c, double rho) {
        const double dy = e - c.y;
        const double h2 = rho * rho - dy * dy;
        if (h2 < 0.0)
            return;
        const double h = std::sqrt(h2);
        consider(c.x + h);
        consider(c.x - h);
    };
    circle(el.start, Rr);
    circle(el.end, Rr);
    if (el.kind == FitKind::Line) {
        const Point2 d = el.end - el.start;
        const double len = Norm(d);
        if (len > 0.0 && d.y != 0.0) {
            // Points with (p - start) x d / len = +-Rr at y = e.
            for (double side : {Rr, -Rr})
                consider(el.start.x + (d.x * (e - el.start.y) - side * len) / d.y);
        }
    } else {
        circle(el.centre, el.radius + Rr);
        circle(el.centre, std::fabs(el.radius - Rr));
    }
    return best;
}

// The largest x of the element: its support height along the face normal (1, 0).
double Support(const FitElement& el) {
    double best = std::max(el.start.x, el.end.x);
    if (el.kind == FitKind::Arc && InSpan(el, {1.0, 0.0}))
        best = std::max(best, el.centre.x + el.radius);
    return best;
}

// The angle the element turns through as seen from q: the chord's angle, and a full turn more
// (the arc's sense) where q lies between a piece of the arc and its chord.
double SeenAngle(const FitElement& el, Point2 q) {
    auto chord = [&](Point2 a, Point2 b) {
        const Point2 u = a - q, v = b - q;
        return std::atan2(Cross(u, v), Dot(u, v));
    };
    if (el.kind == FitKind::Line)
        return chord(el.start, el.end);
    const int pieces =
        std::max(1, static_cast<int>(std::ceil(el.sweep / (0.5 * std::numbers::pi))));
    const double sign = el.ccw ? 1.0 : -1.0;
    const double a0 = std::atan2(el.start.y - el.centre.y, el.start.x - el.centre.x);
    const bool inCircle = Norm(q - el.centre) < el.radius;
    double total = 0.0;
    Point2 a = el.start;
    for (int k = 1; k <= pieces; ++k) {
        const double step = el.sweep / pieces;
        const Point2 b = k == pieces ? el.end : el.centre + el.radius * Unit(a0 + sign * k * step);
        total += chord(a, b);
        if (inCircle) {
            const Point2 m = el.centre + el.radius * Unit(a0 + sign * (k - 0.5) * step);
            const double qs = Cross(b - a, q - a), ms = Cross(b - a, m - a);
            if ((qs > 0.0 && ms > 0.0) || (qs < 0.0 && ms < 0.0))
                total += sign * 2.0 * std::numbers::pi;
        }
        a = b;
    }
    return total;
}

// Distance from q to the contour, negative inside it.
double SignedDistance(const std::vector<FitElement>& contour, Point2 q) {
    double d = kInf, turn = 0.0;
    for (const FitElement& el : contour) {
        d = std::min(d, DistanceToElement(el, q));
        turn += SeenAngle(el, q);
    }
    return std::fabs(turn) > std::numbers::pi ? -d : d;
}

// The arm angle (degrees from the arm's zero, the program's S) where the roller centre is Rr
// outside the contour: the sign change nearest the design S, searched by doubling steps either
// way, then bisected.
double ArmContact(const FollowerLayout& f, const std::vector<FitElement>& contour, double theta,
                  double guess) {
    const double gamma = f.pivotAngle * kDegToRad - f.camDirection * theta;
    const Point2 pivot = f.C * Unit(gamma);
    auto gap = [&](double S) {
        const double psi = gamma + f.armDirection * (f.armAngle0 + S) * kDegToRad;
        return SignedDistance(contour, pivot - f.L * Unit(psi)) - f.Rr;
    };
    const double g0 = gap(guess);
    if (g0 == 0.0)
        return guess;
    // Either way, the furthest point still on the guess's side of the contact.
    double inner[2] = {guess, guess};
    double lo = guess, hi = kNaN;
    for (double h = 1e-4; h <= 180.0 && std::isnan(hi); h *= 2.0) {
        for (int k = 0; k < 2; ++k) {
            const double S = guess + (k == 0 ? h : -h);
            if ((gap(S) > 0.0) != (g0 > 0.0)) {
                lo = inner[k];
                hi = S;
                break;
            }
            inner[k] = S;
        }
    }
    if (std::isnan(hi))
        return kNaN;
    const bool outside = g0 > 0.0;
    for (int i = 0; i < 200 && std::fabs(hi - lo) > 1e-13 * (1.0 + std::fabs(lo)); ++i) {
        const double mid = 0.5 * (lo + hi);
        if ((gap(mid) > 0.0) == outside)
            lo = mid;
        else
            hi = mid;
    }
    return 0.5 * (lo + hi);
}

} // namespace

AsMadeResult AsMade(const FollowerLayout& layout, const std::vector<FitElement>& contour,
                    const MotionFunction& design, int points) {
    AsMadeResult result;
    if (points < 3 || contour.empty())
        return result;
    const double stepDeg = 360.0 / points;
    const double h = stepDeg * kDegToRad;
    result.rows.resize(static_cast<std::size_t>(points));
    result.complete = true;
    for (int i = 0; i < points; ++i) {
        AsMadeRow& row = result.rows[static_cast<std::size_t>(i)];
        row.theta = i * stepDeg;
        const double theta = row.theta * kDegToRad;
        const MotionValue d = design(theta);
        row.designS = d.S;
        row.designV = d.dS;
        row.designA = d.d2S;
        double S = -kInf;
        if (layout.kind == SurfaceFollower::OscillatingRoller) {
            S = ArmContact(layout, contour, theta, d.S);
        } else {
            const std::vector<FitElement> seen =
                InFollowerFrame(contour, layout.camDirection, theta);
            const bool flat = layout.kind == SurfaceFollower::TranslatingFlat;
            for (const FitElement& el : seen)
                S = std::max(S, flat ? Support(el) : RollerReach(el, layout.e, layout.Rr));
            S -= layout.Rp;
        }
        if (!std::isfinite(S)) {
            S = kNaN;
            result.complete = false;
        }
        row.S = S;
    }
    for (int i = 0; i < points; ++i) {
        AsMadeRow& row = result.rows[static_cast<std::size_t>(i)];
        const double prev = result.rows[static_cast<std::size_t>((i + points - 1) % points)].S;
        const double next = result.rows[static_cast<std::size_t>((i + 1) % points)].S;
        row.V = (next - prev) / (2.0 * h);
        row.A = (next - 2.0 * row.S + prev) / (h * h);
        row.errS = row.S - row.designS;
        row.errV = row.V - row.designV;
        row.errA = row.A - row.designA;
        if (std::fabs(row.errS) > result.maxSError) {
            result.maxSError = std::fabs(row.errS);
            result.maxSErrorAt = row.theta;
        }
        if (std::fabs(row.errA) > result.maxAError) {
            result.maxAError = std::fabs(row.errA);
            result.maxAErrorAt = row.theta;
        }
    }
    return result;
}

} // namespace trochix::geometry
