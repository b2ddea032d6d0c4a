// The arc fit against curves whose shape is known in closed form: a circle, an ellipse, a
// stadium (half circles and lines meeting at breaks) and a cam of polar radius 3.5 - 0.5 cos.
// The deviation is measured here independently of the fit's own measure: the curve sampled at
// many points against every element, and points along every element against the curve by a
// scan and a golden-section refinement.
#include "geometry/ArcFit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace trochix::geometry;

namespace {

constexpr double kPi = std::numbers::pi;

CurvePoint FromDerivative(double x, double y, double dx, double dy) {
    const double n = std::hypot(dx, dy);
    return {{x, y}, {dx / n, dy / n}};
}

ClosedCurve Circle(double cx, double cy, double r) {
    return {[=](double t) {
                return FromDerivative(cx + r * std::cos(t), cy + r * std::sin(t), -std::sin(t),
                                      std::cos(t));
            },
            {}};
}

ClosedCurve Ellipse() {
    return {[](double t) {
                return FromDerivative(2.0 * std::cos(t), std::sin(t), -2.0 * std::sin(t),
                                      std::cos(t));
            },
            {}};
}

// Half circles of radius 1 about (1, 0) and (-1, 0) joined by the lines y = 1 and y = -1,
// a quarter turn of the parameter each.
ClosedCurve Stadium() {
    return {[](double t) {
                const int piece = std::min(3, static_cast<int>(t / (kPi / 2)));
                const double u = t - piece * kPi / 2; // 0 .. pi/2
                switch (piece) {
                case 0: {
                    const double a = -kPi / 2 + 2 * u;
                    return FromDerivative(1 + std::cos(a), std::sin(a), -std::sin(a), std::cos(a));
                }
                case 1: return FromDerivative(1 - 4 * u / kPi, 1, -1, 0);
                case 2: {
                    const double a = kPi / 2 + 2 * u;
                    return FromDerivative(-1 + std::cos(a), std::sin(a), -std::sin(a), std::cos(a));
                }
                default: return FromDerivative(-1 + 4 * u / kPi, -1, 1, 0);
                }
            },
            {0.0, kPi / 2, kPi, 3 * kPi / 2}};
}

// Rise over the first half-turn, return over the second: r = 3 + 0.5 (1 - cos theta).
ClosedCurve Cam() {
    return {[](double t) {
                const double r = 3.5 - 0.5 * std::cos(t), dr = 0.5 * std::sin(t);
                return FromDerivative(r * std::cos(t), r * std::sin(t),
                                      dr * std::cos(t) - r * std::sin(t),
                                      dr * std::sin(t) + r * std::cos(t));
            },
            {}};
}

// Dwells at 3 and 3.5 over the first and third quarter-turns, a harmonic rise and return
// between them, r = 3 + 0.25 (1 - cos 2u) over the quarter-turn u.
ClosedCurve DwellCam() {
    return {
        [](double t) {
            const int piece = std::min(3, static_cast<int>(t / (kPi / 2)));
            const double u = t - piece * kPi / 2;
            const double lift = 0.25 * (1 - std::cos(2 * u)), dlift = 0.5 * std::sin(2 * u);
            const double r = piece == 0 ? 3 : piece == 1 ? 3 + lift : piece == 2 ? 3.5 : 3.5 - lift;
            const double dr = piece == 1 ? dlift : piece == 3 ? -dlift : 0;
            return FromDerivative(r * std::cos(t), r * std::sin(t),
                                  dr * std::cos(t) - r * std::sin(t),
                                  dr * std::sin(t) + r * std::cos(t));
        },
        {0.0, kPi / 2, kPi, 3 * kPi / 2}};
}

// The element's point at fraction u of its sweep, from its centre and radius.
Point2 OnElement(const FitElement& e, double u) {
    if (e.kind == FitKind::Line)
        return {e.start.x + u * (e.end.x - e.start.x), e.start.y + u * (e.end.y - e.start.y)};
    const double a =
        std::atan2(e.start.y - e.centre.y, e.start.x - e.centre.x) + (e.ccw ? 1 : -1) * u * e.sweep;
    return {e.centre.x + e.radius * std::cos(a), e.centre.y + e.radius * std::sin(a)};
}

// Distance to an element: to the circle where p's polar angle about the centre falls within
// the sweep (measured from the start angle, the arc's way), else to the nearer end.
double ElementDistance(const FitElement& e, Point2 p) {
    const double toEnds = std::min(std::hypot(p.x - e.start.x, p.y - e.start.y),
                                   std::hypot(p.x - e.end.x, p.y - e.end.y));
    if (e.kind == FitKind::Line) {
        const double dx = e.end.x - e.start.x, dy = e.end.y - e.start.y;
        const double u = ((p.x - e.start.x) * dx + (p.y - e.start.y) * dy) / (dx * dx + dy * dy);
        if (u < 0 || u > 1)
            return toEnds;
        return std::fabs((p.x - e.start.x) * dy - (p.y - e.start.y) * dx) / std::hypot(dx, dy);
    }
    const double a0 = std::atan2(e.start.y - e.centre.y, e.start.x - e.centre.x);
    const double a = std::atan2(p.y - e.centre.y, p.x - e.centre.x);
    const double turned = std::fmod((e.ccw ? a - a0 : a0 - a) + 4 * kPi, 2 * kPi);
    if (turned > e.sweep)
        return toEnds;
    return std::fabs(std::hypot(p.x - e.centre.x, p.y - e.centre.y) - e.radius);
}

double DistanceToCurve(const ClosedCurve& c, Point2 p) {
    auto d = [&](double t) {
        const Point2 q = c.at(std::fmod(t + 4 * kPi, 2 * kPi)).p;
        return std::hypot(p.x - q.x, p.y - q.y);
    };
    constexpr int kScan = 2000;
    int best = 0;
    double bestD = d(0.0);
    for (int i = 1; i < kScan; ++i) {
        const double di = d(2 * kPi * i / kScan);
        if (di < bestD) {
            best = i;
            bestD = di;
        }
    }
    double lo = 2 * kPi * (best - 1) / kScan, hi = 2 * kPi * (best + 1) / kScan;
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int k = 0; k < 60; ++k) {
        const double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
        if (d(a) < d(b))
            hi = b;
        else
            lo = a;
    }
    return std::min(bestD, d(0.5 * (lo + hi)));
}

// Both ways, against the elements near the curve parameter (the nearest elements in order).
double IndependentDeviation(const ClosedCurve& c, const std::vector<FitElement>& fit) {
    double dev = 0.0;
    const std::size_t n = fit.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (int j = 0; j <= 16; ++j) {
            const double t = fit[i].t0 + (fit[i].t1 - fit[i].t0) * j / 16.0;
            const Point2 p = c.at(std::fmod(t, 2 * kPi)).p;
            double best = INFINITY;
            for (std::size_t k : {i, (i + 1) % n, (i + n - 1) % n})
                best = std::min(best, ElementDistance(fit[k], p));
            dev = std::max(dev, best);
        }
        for (int j = 1; j < 8; ++j)
            dev = std::max(dev, DistanceToCurve(c, OnElement(fit[i], j / 8.0)));
    }
    return dev;
}

Point2 TangentAt(const FitElement& e, Point2 p) {
    if (e.kind == FitKind::Line) {
        const double l = std::hypot(e.end.x - e.start.x, e.end.y - e.start.y);
        return {(e.end.x - e.start.x) / l, (e.end.y - e.start.y) / l};
    }
    const double s = e.ccw ? 1 : -1;
    return {-s * (p.y - e.centre.y) / e.radius, s * (p.x - e.centre.x) / e.radius};
}

// Each element ends exactly where the next starts, the tangents there agree within 1e-9 rad,
// an arc's ends lie on its circle and the parameters ascend over one turn.
void ExpectClosedG1(const std::vector<FitElement>& fit) {
    ASSERT_FALSE(fit.empty());
    for (std::size_t i = 0; i < fit.size(); ++i) {
        const FitElement& a = fit[i];
        const FitElement& b = fit[(i + 1) % fit.size()];
        EXPECT_EQ(a.end.x, b.start.x) << i;
        EXPECT_EQ(a.end.y, b.start.y) << i;
        const Point2 ta = TangentAt(a, a.end), tb = TangentAt(b, b.start);
        EXPECT_LT(std::fabs(std::atan2(ta.x * tb.y - ta.y * tb.x, ta.x * tb.x + ta.y * tb.y)), 1e-9)
            << i;
        if (a.kind == FitKind::Arc) {
            EXPECT_NEAR(std::hypot(a.start.x - a.centre.x, a.start.y - a.centre.y), a.radius,
                        1e-12 * a.radius);
            EXPECT_NEAR(std::hypot(a.end.x - a.centre.x, a.end.y - a.centre.y), a.radius,
                        1e-12 * a.radius);
        }
        EXPECT_LT(a.t0, a.t1) << i;
        if (i + 1 < fit.size()) {
            EXPECT_EQ(a.t1, b.t0) << i;
        }
    }
    EXPECT_NEAR(fit.back().t1 - fit.front().t0, 2 * kPi, 1e-12);
}

// A circle is its own biarc: two half circles about its centre, whatever the tolerance; the
// contour's length, point at a quarter of it and polyline follow the circle.
TEST(ArcFit, CircleIsTwoHalfCircles) {
    const ClosedCurve c = Circle(0.3, -0.2, 1.5);
    for (double tol : {1e-3, 1e-7}) {
        const ArcFitResult r = FitArcs(c, tol);
        ExpectClosedG1(r.elements);
        ASSERT_EQ(r.elements.size(), 2u);
        for (const FitElement& e : r.elements) {
            EXPECT_EQ(e.kind, FitKind::Arc);
            EXPECT_TRUE(e.ccw);
            EXPECT_NEAR(e.centre.x, 0.3, 1e-12);
            EXPECT_NEAR(e.centre.y, -0.2, 1e-12);
            EXPECT_NEAR(e.radius, 1.5, 1e-12);
            EXPECT_NEAR(e.sweep, kPi, 1e-12);
        }
        EXPECT_LT(r.deviation, 1e-12);
        EXPECT_LT(FitDeviation(c, r.elements), 1e-12);
        EXPECT_NEAR(ContourLength(r.elements), 3 * kPi, 1e-12);
        // From (1.8, -0.2) a quarter round, ccw: (0.3, 1.3) heading -x.
        const CurvePoint q = ContourPointAt(r.elements, 0.75 * kPi + 3 * kPi);
        EXPECT_NEAR(q.p.x, 0.3, 1e-12);
        EXPECT_NEAR(q.p.y, 1.3, 1e-12);
        EXPECT_NEAR(q.tangent.x, -1.0, 1e-12);
        // Chords of 1e-4 sagitta: 2 acos(1 - 1e-4 / 1.5) = 0.02309 rad, 273 of them.
        const std::vector<Point2> poly = ContourPolyline(r.elements, 1e-4);
        EXPECT_EQ(poly.size(), 2u * 137u + 1u);
        for (std::size_t i = 0; i + 1 < poly.size(); ++i) {
            const double mx = 0.5 * (poly[i].x + poly[i + 1].x) - 0.3;
            const double my = 0.5 * (poly[i].y + poly[i + 1].y) + 0.2;
            EXPECT_LE(1.5 - std::hypot(mx, my), 1e-4);
        }
    }
    EXPECT_TRUE(FitArcs(c, 0.0).elements.empty());
    EXPECT_TRUE(FitArcs(c, -1e-3).elements.empty());
}

// The measure itself on contours built by hand about a circle of radius 1.5: a concentric
// circle 1e-3 larger lies 1e-3 off everywhere; the inscribed square strays by the sagitta
// 1.5 (1 - cos 45 deg) at the middle of each side.
TEST(ArcFit, DeviationOfContoursBuiltByHand) {
    const ClosedCurve c = Circle(0.0, 0.0, 1.5);
    const double R = 1.5 + 1e-3;
    std::vector<FitElement> wider(2), square(4);
    for (int i = 0; i < 2; ++i) {
        FitElement& e = wider[i];
        e.kind = FitKind::Arc;
        e.start = {i == 0 ? R : -R, 0};
        e.end = {i == 0 ? -R : R, 0};
        e.radius = R;
        e.sweep = kPi;
        e.t0 = i * kPi;
        e.t1 = (i + 1) * kPi;
    }
    EXPECT_NEAR(FitDeviation(c, wider), 1e-3, 1e-12);
    for (int i = 0; i < 4; ++i) {
        FitElement& e = square[i];
        e.start = {1.5 * std::cos(i * kPi / 2), 1.5 * std::sin(i * kPi / 2)};
        e.end = {1.5 * std::cos((i + 1) * kPi / 2), 1.5 * std::sin((i + 1) * kPi / 2)};
        e.t0 = i * kPi / 2;
        e.t1 = (i + 1) * kPi / 2;
    }
    // 64 samples a side hit the middle exactly.
    EXPECT_NEAR(FitDeviation(c, square), 1.5 * (1 - std::sqrt(0.5)), 1e-12);
    EXPECT_NEAR(ContourLength(square), 4 * 1.5 * std::sqrt(2.0), 1e-12);
    // The first side bent out to the corner (1.5, 1.5) of the outer square: that corner lies
    // 1.5 (sqrt 2 - 1) off the circle, farther than any point of the circle from the contour.
    FitElement bent = square[0];
    square[0].end = bent.start = {1.5, 1.5};
    square[0].t1 = bent.t0 = kPi / 4;
    square.insert(square.begin() + 1, bent);
    EXPECT_NEAR(FitDeviation(c, square), 1.5 * (std::sqrt(2.0) - 1), 1e-12);
}

// The ellipse x = 2 cos t, y = sin t: within the tolerance by the independent check, and the
// count growing like tol^(-1/3) (the biarc's error goes as the cube of the span): a hundredth
// of the tolerance takes 100^(1/3) = 4.6 times the elements, within a loose [3.5, 6].
// The length approaches the ellipse's, 8 E(sqrt(3) / 2) = 9.688448220547676 (the complete
// elliptic integral; Ramanujan's second form gives 9.6884482161), within the 2 pi tol that an
// offset by tol changes it.
TEST(ArcFit, EllipseWithinToleranceCountGrowsAsCubeRoot) {
    const ClosedCurve c = Ellipse();
    std::vector<std::size_t> counts;
    for (double tol : {1e-3, 1e-5}) {
        SCOPED_TRACE(tol);
        const ArcFitResult r = FitArcs(c, tol);
        ExpectClosedG1(r.elements);
        EXPECT_LE(r.deviation, tol);
        EXPECT_LE(IndependentDeviation(c, r.elements), tol);
        EXPECT_NEAR(FitDeviation(c, r.elements, 256), r.deviation, 0.05 * tol);
        EXPECT_NEAR(ContourLength(r.elements), 9.688448220547676, 2 * kPi * tol);
        counts.push_back(r.elements.size());
    }
    const double ratio = static_cast<double>(counts[1]) / counts[0];
    EXPECT_GT(ratio, 3.5);
    EXPECT_LT(ratio, 6.0);
}

// The stadium's breaks all become joints: one half circle about each centre, one line along
// each side, exactly.
TEST(ArcFit, StadiumJoinsAtBreaksWithArcsAndLines) {
    const ClosedCurve c = Stadium();
    const ArcFitResult r = FitArcs(c, 1e-4);
    ExpectClosedG1(r.elements);
    ASSERT_EQ(r.elements.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const FitElement& e = r.elements[i];
        EXPECT_DOUBLE_EQ(e.t0, i * kPi / 2);
        if (i % 2 == 0) {
            ASSERT_EQ(e.kind, FitKind::Arc);
            EXPECT_NEAR(e.centre.x, i == 0 ? 1.0 : -1.0, 1e-12);
            EXPECT_NEAR(e.centre.y, 0.0, 1e-12);
            EXPECT_NEAR(e.radius, 1.0, 1e-12);
            EXPECT_NEAR(e.sweep, kPi, 1e-12);
        } else {
            EXPECT_EQ(e.kind, FitKind::Line);
            EXPECT_NEAR(std::fabs(e.start.y), 1.0, 1e-12);
            EXPECT_NEAR(e.end.x - e.start.x, i == 1 ? -2.0 : 2.0, 1e-12);
        }
    }
    EXPECT_LT(r.deviation, 1e-12);
    EXPECT_NEAR(ContourLength(r.elements), 2 * kPi + 4, 1e-12);
}

// The cam at 1e-4: within the tolerance both by the independent check and by the radial gap
// |q| - r(atan2 q), which bounds the distance of a contour point q from above.
TEST(ArcFit, CamWithinTolerance) {
    const ClosedCurve c = Cam();
    const double tol = 1e-4;
    const ArcFitResult r = FitArcs(c, tol);
    ExpectClosedG1(r.elements);
    EXPECT_LE(IndependentDeviation(c, r.elements), tol);
    const std::vector<Point2> poly = ContourPolyline(r.elements, 1e-9);
    EXPECT_GT(poly.size(), 1000u);
    double radial = 0.0;
    for (const Point2& q : poly)
        radial = std::max(
            radial, std::fabs(std::hypot(q.x, q.y) - (3.5 - 0.5 * std::cos(std::atan2(q.y, q.x)))));
    EXPECT_LE(radial, tol);
    EXPECT_GT(radial, 0.5 * tol); // no more elements than the tolerance needs
}

// Each dwell is one arc about the cam's centre, from break to break; the rise and the return
// between them stay within the tolerance.
TEST(ArcFit, DwellIsOneArcAboutTheCentre) {
    const ClosedCurve c = DwellCam();
    const ArcFitResult r = FitArcs(c, 1e-4);
    ExpectClosedG1(r.elements);
    EXPECT_LE(IndependentDeviation(c, r.elements), 1e-4);
    for (const auto& [from, radius] : {std::pair{0.0, 3.0}, std::pair{kPi, 3.5}}) {
        const auto e = std::find_if(r.elements.begin(), r.elements.end(),
                                    [&](const FitElement& x) { return x.t0 == from; });
        ASSERT_NE(e, r.elements.end()) << from;
        EXPECT_EQ(e->kind, FitKind::Arc);
        EXPECT_NEAR(std::hypot(e->centre.x, e->centre.y), 0.0, 1e-12);
        EXPECT_NEAR(e->radius, radius, 1e-12);
        EXPECT_NEAR(e->sweep, kPi / 2, 1e-12);
        EXPECT_DOUBLE_EQ(e->t1, from + kPi / 2);
    }
}

// Fewest spans: the greedy joints, placed anywhere, need no more spans than the optimum over a
// grid of 128 joints per turn (dynamic programming over every span of at most half a turn
// that fits).
TEST(ArcFit, SpanCountNearGridOptimum) {
    for (const auto& [c, tol] : {std::pair{Ellipse(), 1e-3}, std::pair{Cam(), 1e-4}}) {
        SCOPED_TRACE(tol);
        constexpr int kGrid = 128;
        std::vector<int> fewest(kGrid + 1, 1 << 20);
        fewest[0] = 0;
        for (int j = 1; j <= kGrid; ++j)
            for (int i = std::max(0, j - kGrid / 2); i < j; ++i)
                if (fewest[i] + 1 < fewest[j] &&
                    BiarcSpanDeviation(c, 2 * kPi * i / kGrid, 2 * kPi * j / kGrid) <= tol)
                    fewest[j] = fewest[i] + 1;
        const ArcFitResult r = FitArcs(c, tol);
        // Two arcs a span, none of them concentric here.
        const int spans = static_cast<int>(r.elements.size()) / 2;
        EXPECT_LE(spans, fewest[kGrid]);
    }
}

} // namespace
