#include "geometry/ArcFit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace trochix::geometry {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kInf = std::numeric_limits<double>::infinity();
// The joint search samples the curve this often per span; the span it settles on is checked
// at kCheckSamples and shortened by kShorten until it passes.
constexpr int kSearchSamples = 24;
constexpr int kCheckSamples = 64;
constexpr double kShorten = 0.97;
// What 64 samples may miss of a lobe's peak, kept in hand.
constexpr double kCheckMargin = 0.99;

double Norm(Point2 a) {
    return std::sqrt(a.x * a.x + a.y * a.y);
}
Point2 Perp(Point2 a) {
    return {-a.y, a.x};
}

// The curve read modulo one turn: parameters of the last span run past 2 pi, and a foot
// point search may step below 0. A developed curve moves on by its period each turn.
CurvePoint Eval(const ClosedCurve& c, double t) {
    if (t >= kTwoPi) {
        CurvePoint p = c.at(t - kTwoPi);
        p.p = p.p + c.period;
        return p;
    }
    if (t < 0.0) {
        CurvePoint p = c.at(t + kTwoPi);
        p.p = p.p - c.period;
        return p;
    }
    return c.at(t);
}

// The element leaving p along the unit tangent t and ending at q: the arc tangent to t there,
// or the chord where that arc would turn by less than kLineTurn.
FitElement ElementFrom(Point2 p, Point2 t, Point2 q) {
    FitElement e;
    e.start = p;
    e.end = q;
    const Point2 v = q - p;
    const double cr = Cross(t, v);
    const double turn = 2.0 * std::atan2(std::fabs(cr), Dot(t, v));
    if (turn < kLineTurn)
        return e;
    const double k = 2.0 * cr / Dot(v, v);
    e.kind = FitKind::Arc;
    e.ccw = k > 0.0;
    e.radius = 1.0 / std::fabs(k);
    e.centre = p + (1.0 / k) * Perp(t);
    e.sweep = turn;
    return e;
}

struct Biarc {
    FitElement first;
    FitElement second;
    bool valid = false;
};

// The equal-tangent-length biarc: control points p0 + alpha t0 and p1 - alpha t1 lie 2 alpha
// apart, and the joint is their midpoint. alpha is the positive root of
// 2 (1 - t0.t1) alpha^2 + 2 d.(t0 + t1) alpha - d.d = 0, written without the cancellation
// that the usual form has as the tangents become parallel.
Biarc MakeBiarc(const CurvePoint& a, const CurvePoint& b) {
    Biarc out;
    const Point2 d = b.p - a.p;
    const double dd = Dot(d, d);
    const double dt = Dot(d, a.tangent + b.tangent);
    const double oneMinusC = std::max(0.0, 1.0 - Dot(a.tangent, b.tangent));
    const double denom = dt + std::sqrt(dt * dt + 2.0 * oneMinusC * dd);
    if (!(dd > 0.0) || !(denom > 0.0))
        return out;
    const double alpha = dd / denom;
    if (!std::isfinite(alpha) || !(alpha > 0.0))
        return out;
    const Point2 c0 = a.p + alpha * a.tangent;
    const Point2 c1 = b.p - alpha * b.tangent;
    const Point2 q = 0.5 * (c0 + c1);
    const Point2 tq = (1.0 / Norm(c1 - c0)) * (c1 - c0);
    out.first = ElementFrom(a.p, a.tangent, q);
    out.second = ElementFrom(q, tq, b.p);
    out.valid = true;
    return out;
}

double ElementLength(const FitElement& e) {
    return e.kind == FitKind::Arc ? e.radius * e.sweep : Norm(e.end - e.start);
}

// The point at fraction u of the element's length.
Point2 ElementPoint(const FitElement& e, double u) {
    if (e.kind == FitKind::Line)
        return e.start + u * (e.end - e.start);
    const double a0 = std::atan2(e.start.y - e.centre.y, e.start.x - e.centre.x);
    const double a = a0 + (e.ccw ? u : -u) * e.sweep;
    return {e.centre.x + e.radius * std::cos(a), e.centre.y + e.radius * std::sin(a)};
}

struct Foot {
    double t;        // parameter of the foot point
    double distance; // from q to the curve there
};

// The foot point of q on the curve near parameter guess, by the secant iteration on
// (q - C(t)).T(t) = 0 kept within [lo, hi]; the nearer end where it does not settle.
Foot FootPoint(const ClosedCurve& c, Point2 q, double guess, double lo, double hi) {
    const double h = 1e-3 * (hi - lo);
    double t0 = guess, t1 = std::min(hi, guess + h);
    if (t1 == t0)
        t0 = guess - h;
    CurvePoint p0 = Eval(c, t0), p1 = Eval(c, t1);
    double f0 = Dot(q - p0.p, p0.tangent), f1 = Dot(q - p1.p, p1.tangent);
    for (int i = 0; i < 16 && f1 != f0; ++i) {
        const double t2 = std::clamp(t1 - f1 * (t1 - t0) / (f1 - f0), lo, hi);
        if (!std::isfinite(t2))
            break;
        t0 = t1;
        f0 = f1;
        t1 = t2;
        p1 = Eval(c, t1);
        f1 = Dot(q - p1.p, p1.tangent);
        if (std::fabs(t1 - t0) <= 1e-13 * (hi - lo))
            break;
    }
    Foot best{t1, Norm(q - p1.p)};
    if (std::fabs(f1) <= 1e-9 * (1.0 + best.distance))
        return best;
    for (double t : {lo, hi}) {
        const double d = Norm(q - Eval(c, t).p);
        if (d < best.distance)
            best = {t, d};
    }
    return best;
}

double DistanceToCurve(const ClosedCurve& c, Point2 q, double guess, double lo, double hi) {
    return FootPoint(c, q, guess, lo, hi).distance;
}

// The deviation of one biarc over [ta, tb]: the curve sampled at n intervals against the two
// arcs, and each arc sampled at m intervals, its points projected onto the curve.
double BiarcDeviation(const ClosedCurve& c, const Biarc& b, double ta, double tb, int n, int m) {
    if (!b.valid)
        return kInf;
    double dev = 0.0;
    for (int i = 1; i < n; ++i) {
        const Point2 p = Eval(c, ta + (tb - ta) * i / n).p;
        dev =
            std::max(dev, std::min(DistanceToElement(b.first, p), DistanceToElement(b.second, p)));
    }
    const double l1 = ElementLength(b.first), l2 = ElementLength(b.second);
    const double share = l1 / (l1 + l2);
    const double span = tb - ta;
    for (int i = 1; i <= m; ++i) {
        // The joint (i = m on the first arc) and points either side of it.
        const double u = static_cast<double>(i) / m;
        const double g1 = ta + span * share * u;
        dev = std::max(dev, DistanceToCurve(c, ElementPoint(b.first, u), g1, ta, tb));
        if (i < m) {
            const double g2 = ta + span * (share + (1.0 - share) * u);
            dev = std::max(dev, DistanceToCurve(c, ElementPoint(b.second, u), g2, ta, tb));
        }
    }
    return dev;
}

double SpanDeviation(const ClosedCurve& c, const CurvePoint& pa, const CurvePoint& pb, double ta,
                     double tb, int n, int m) {
    return BiarcDeviation(c, MakeBiarc(pa, pb), ta, tb, n, m);
}

// Between two joints, the span ends reaching as far as a biarc fits.
void GreedySpans(const ClosedCurve& c, double from, double to, const CurvePoint& pFrom,
                 const CurvePoint& pTo, double tol, std::vector<double>& ts,
                 std::vector<CurvePoint>& ps, std::vector<double>& devs) {
    const double minSpan = 1e-9 * (to - from);
    double a = from;
    CurvePoint pa = pFrom;
    double h = std::min(std::numbers::pi, to - from) / 8.0;
    auto fits = [&](double b, CurvePoint& pb) {
        pb = b >= to ? pTo : Eval(c, b);
        return SpanDeviation(c, pa, pb, a, b, kSearchSamples, 2) <= tol;
    };
    while (a < to) {
        CurvePoint pb;
        double b;
        if (to - a <= std::numbers::pi && fits(to, pb)) {
            b = to;
        } else {
            // lo fits, hi does not.
            double lo = 0.0, hi = std::min(std::numbers::pi, to - a);
            h = std::min(h, hi);
            CurvePoint pLo;
            if (fits(a + h, pb)) {
                lo = h;
                pLo = pb;
                while (2.0 * lo <= hi && fits(a + 2.0 * lo, pb)) {
                    lo *= 2.0;
                    pLo = pb;
                }
                hi = std::min(hi, 2.0 * lo);
            } else {
                hi = h;
                while (hi > minSpan) {
                    lo = 0.5 * hi;
                    if (fits(a + lo, pb)) {
                        pLo = pb;
                        break;
                    }
                    hi = lo;
                    lo = 0.0;
                }
            }
            if (lo <= 0.0) {
                // Nothing fits even a minute span: take it and let the check report it.
                lo = std::min(minSpan, to - a);
                pLo = Eval(c, a + lo);
            }
            while (hi - lo > lo / 32.0) {
                const double mid = 0.5 * (lo + hi);
                if (fits(a + mid, pb)) {
                    lo = mid;
                    pLo = pb;
                } else {
                    hi = mid;
                }
            }
            h = lo;
            b = a + lo;
            pb = pLo;
            if (to - b <= minSpan) {
                // No sliver before the next joint.
                b = to;
                pb = pTo;
            }
        }
        double dev = SpanDeviation(c, pa, pb, a, b, kCheckSamples, kCheckSamples / 4);
        for (int k = 0; dev > kCheckMargin * tol && k < 40; ++k) {
            b = a + kShorten * (b - a);
            pb = Eval(c, b);
            dev = SpanDeviation(c, pa, pb, a, b, kCheckSamples, kCheckSamples / 4);
        }
        ts.push_back(b);
        ps.push_back(pb);
        devs.push_back(dev);
        a = b;
        pa = pb;
    }
}

bool Concentric(const FitElement& a, const FitElement& b) {
    if (a.kind != FitKind::Arc || b.kind != FitKind::Arc || a.ccw != b.ccw)
        return false;
    const double scale = 1e-11 * std::max(1.0, a.radius);
    return Norm(a.centre - b.centre) <= scale && std::fabs(a.radius - b.radius) <= scale &&
           a.sweep + b.sweep <= std::numbers::pi * (1.0 + 1e-12);
}

bool Collinear(const FitElement& a, const FitElement& b) {
    if (a.kind != FitKind::Line || b.kind != FitKind::Line)
        return false;
    const Point2 u = a.end - a.start, v = b.end - b.start;
    return Dot(u, v) > 0.0 && std::fabs(Cross(u, v)) <= 1e-12 * Norm(u) * Norm(v);
}

} // namespace

double DistanceToElement(const FitElement& e, Point2 p) {
    if (e.kind == FitKind::Line) {
        const Point2 d = e.end - e.start;
        const double dd = Dot(d, d);
        const double u = dd > 0.0 ? std::clamp(Dot(p - e.start, d) / dd, 0.0, 1.0) : 0.0;
        return Norm(p - (e.start + u * d));
    }
    // Within the sector: past the start radius and short of the end radius, turning the arc's
    // way; a sector wider than a half-turn is the union of the two half-planes.
    const Point2 v = p - e.centre;
    const double sign = e.ccw ? 1.0 : -1.0;
    const bool pastStart = sign * Cross(e.start - e.centre, v) >= 0.0;
    const bool beforeEnd = sign * Cross(v, e.end - e.centre) >= 0.0;
    if (e.sweep <= std::numbers::pi ? pastStart && beforeEnd : pastStart || beforeEnd)
        return std::fabs(Norm(v) - e.radius);
    return std::min(Norm(p - e.start), Norm(p - e.end));
}

Point2 StartTangent(const FitElement& e) {
    if (e.kind == FitKind::Line)
        return (1.0 / Norm(e.end - e.start)) * (e.end - e.start);
    const Point2 r = (1.0 / e.radius) * (e.start - e.centre);
    return e.ccw ? Perp(r) : -1.0 * Perp(r);
}

Point2 EndTangent(const FitElement& e) {
    if (e.kind == FitKind::Line)
        return StartTangent(e);
    const Point2 r = (1.0 / e.radius) * (e.end - e.centre);
    return e.ccw ? Perp(r) : -1.0 * Perp(r);
}

double BiarcSpanDeviation(const ClosedCurve& curve, double a, double b, int samples) {
    return SpanDeviation(curve, Eval(curve, a), Eval(curve, b), a, b, samples, samples / 4);
}

double FitDeviation(const ClosedCurve& curve, const std::vector<FitElement>& elements,
                    int samples) {
    const std::size_t count = elements.size();
    double dev = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const FitElement& e = elements[i];
        const FitElement& prev = elements[(i + count - 1) % count];
        const FitElement& next = elements[(i + 1) % count];
        const double span = e.t1 - e.t0;
        for (int j = 0; j <= samples; ++j) {
            const Point2 p = Eval(curve, e.t0 + span * j / samples).p;
            dev = std::max(dev, std::min({DistanceToElement(e, p), DistanceToElement(prev, p),
                                          DistanceToElement(next, p)}));
        }
        // Let the foot point of a point near a joint fall a little into the next span.
        const double lo = e.t0 - 0.25 * span, hi = e.t1 + 0.25 * span;
        for (int j = 0; j <= samples; ++j) {
            const double u = static_cast<double>(j) / samples;
            dev =
                std::max(dev, DistanceToCurve(curve, ElementPoint(e, u), e.t0 + span * u, lo, hi));
        }
    }
    return dev;
}

ArcFitResult FitArcs(const ClosedCurve& curve, double tolerance) {
    ArcFitResult result;
    if (!(tolerance > 0.0) || !std::isfinite(tolerance)) {
        result.deviation = kInf;
        return result;
    }
    // Below this the rounding of the arithmetic decides, and the spans would never end.
    double extent = 0.0;
    const Point2 origin = curve.at(0.0).p;
    for (int i = 1; i < 16; ++i)
        extent = std::max(extent, Norm(curve.at(kTwoPi * i / 16).p - origin));
    tolerance = std::max(tolerance, 1e-12 * extent);

    // Joints: the breaks, then the spans between them.
    std::vector<double> breaks;
    for (double b : curve.breaks)
        if (b >= 0.0 && b < kTwoPi)
            breaks.push_back(b);
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    if (breaks.empty())
        breaks.push_back(0.0);
    const double first = breaks.front();
    breaks.push_back(first + kTwoPi);

    std::vector<double> ts{first}, devs;
    std::vector<CurvePoint> ps{curve.at(first)};
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
        const bool last = i + 2 == breaks.size();
        // The closing joint is the first point itself (moved on by the period), so the
        // contour closes exactly.
        CurvePoint pTo = last ? ps.front() : curve.at(breaks[i + 1]);
        if (last)
            pTo.p = pTo.p + curve.period;
        GreedySpans(curve, breaks[i], breaks[i + 1], ps.back(), pTo, tolerance, ts, ps, devs);
    }

    // A span that shortening did not bring within the tolerance is halved until it is.
    for (std::size_t i = 0; i + 1 < ts.size();) {
        const double span = ts[i + 1] - ts[i];
        if (span > 1e-12 * kTwoPi && devs[i] > kCheckMargin * tolerance) {
            const double mid = ts[i] + 0.5 * span;
            const auto at = static_cast<std::ptrdiff_t>(i) + 1;
            ts.insert(ts.begin() + at, mid);
            ps.insert(ps.begin() + at, Eval(curve, mid));
            devs[i] = SpanDeviation(curve, ps[i], ps[i + 1], ts[i], ts[i + 1], kCheckSamples,
                                    kCheckSamples / 4);
            devs.insert(devs.begin() + at,
                        SpanDeviation(curve, ps[i + 1], ps[i + 2], ts[i + 1], ts[i + 2],
                                      kCheckSamples, kCheckSamples / 4));
            continue;
        }
        result.deviation = std::max(result.deviation, devs[i]);
        ++i;
    }

    auto& out = result.elements;
    for (std::size_t i = 0; i + 1 < ts.size(); ++i) {
        Biarc b = MakeBiarc(ps[i], ps[i + 1]);
        if (!b.valid) {
            // Coincident joints: nothing to draw.
            continue;
        }
        const double l1 = ElementLength(b.first), l2 = ElementLength(b.second);
        const double guess = ts[i] + (ts[i + 1] - ts[i]) * l1 / (l1 + l2);
        double tq = FootPoint(curve, b.first.end, guess, ts[i], ts[i + 1]).t;
        if (!(tq > ts[i] && tq < ts[i + 1]))
            tq = guess;
        b.first.t0 = ts[i];
        b.first.t1 = tq;
        b.second.t0 = tq;
        b.second.t1 = ts[i + 1];
        for (FitElement* e : {&b.first, &b.second}) {
            if (!out.empty() && Concentric(out.back(), *e)) {
                out.back().end = e->end;
                out.back().sweep += e->sweep;
                out.back().t1 = e->t1;
            } else if (!out.empty() && Collinear(out.back(), *e)) {
                out.back().end = e->end;
                out.back().t1 = e->t1;
            } else {
                out.push_back(*e);
            }
        }
    }
    return result;
}

double ContourLength(const std::vector<FitElement>& elements) {
    double length = 0.0;
    for (const FitElement& e : elements)
        length += ElementLength(e);
    return length;
}

CurvePoint ContourPointAt(const std::vector<FitElement>& elements, double s) {
    const double total = ContourLength(elements);
    if (elements.empty() || !(total > 0.0))
        return {};
    s = std::fmod(s, total);
    if (s < 0.0)
        s += total;
    for (const FitElement& e : elements) {
        const double l = ElementLength(e);
        if (s <= l || &e == &elements.back()) {
            const double u = l > 0.0 ? std::min(1.0, s / l) : 0.0;
            CurvePoint cp;
            cp.p = ElementPoint(e, u);
            if (e.kind == FitKind::Line) {
                cp.tangent = StartTangent(e);
            } else {
                const Point2 r = (1.0 / e.radius) * (cp.p - e.centre);
                cp.tangent = e.ccw ? Perp(r) : -1.0 * Perp(r);
            }
            return cp;
        }
        s -= l;
    }
    return {};
}

std::vector<Point2> ContourPolyline(const std::vector<FitElement>& elements,
                                    double chordTolerance) {
    std::vector<Point2> points;
    if (elements.empty())
        return points;
    points.push_back(elements.front().start);
    for (const FitElement& e : elements) {
        if (e.kind == FitKind::Arc) {
            // A chord over the angle phi strays by R (1 - cos(phi / 2)) from its arc.
            const double c = std::clamp(1.0 - chordTolerance / e.radius, -1.0, 1.0);
            const double phi = 2.0 * std::acos(c);
            const double pieces = phi > 0.0 ? std::ceil(e.sweep / phi) : 1.0;
            const int n = static_cast<int>(std::clamp(pieces, 1.0, 1e6));
            for (int j = 1; j < n; ++j)
                points.push_back(ElementPoint(e, static_cast<double>(j) / n));
        }
        points.push_back(e.end);
    }
    return points;
}

} // namespace trochix::geometry
