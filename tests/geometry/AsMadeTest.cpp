// The as-made motion against two independent references: the design motion of the examples, cut
// to contours fitted within a tolerance, and closed forms for a cam that is an eccentric
// circle.
//
// Bound for a fitted contour: the fit lies within tol of the surface both ways, so the roller
// centre's reachable region lies within tol of the pitch curve's. A normal shift tol of the
// pitch curve moves its crossing with the follower's path by tol / cos(phi), phi the angle
// between the path and the pitch normal (the pressure angle): |S error| <= tol / cos(phi) to
// first order, over L for an arm (radians of arm, shown in degrees), and tol for a flat face
// (support heights move no more than the contour). The tests allow twice that for the sampled
// deviation measure and second-order terms.
#include "geometry/AsMade.h"
#include "files/Examples.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace trochix;
using namespace trochix::geometry;
using model::kDegToRad;

namespace {

// cos of the angle between the follower's path and the pitch curve's normal at theta, from the
// motion: the pitch tangent in the follower's frame is (S' - e, Rp + S) for a translating roller;
// for an arm, the tangent against the direction the roller centre swings.
double CosPressure(const CamSurface& cam, double theta) {
    const FollowerLayout& f = cam.layout();
    const MotionValue v = cam.motion(theta);
    if (f.kind == SurfaceFollower::TranslatingFlat)
        return 1.0;
    if (f.kind == SurfaceFollower::TranslatingRoller)
        return (f.Rp + v.S) / std::hypot(f.Rp + v.S, v.dS - f.e);
    const double psi = f.pivotAngle * kDegToRad - f.camDirection * theta +
                       f.armDirection * (f.armAngle0 + v.S) * kDegToRad;
    const Point2 swing{-std::sin(psi), std::cos(psi)};
    const Point2 t = cam.pitchAt(theta).tangent;
    return std::fabs(t.x * swing.y - t.y * swing.x);
}

// The bound above per row, in the unit of S.
double Bound(const CamSurface& cam, double theta, double tol) {
    const double b = 2.0 * tol / CosPressure(cam, theta);
    return cam.layout().kind == SurfaceFollower::OscillatingRoller ? b / cam.layout().L / kDegToRad
                                                                   : b;
}

struct Worst {
    double error = 0.0;    // largest |S error|
    double fraction = 0.0; // largest |S error| / bound
};

// The example's cam, or the same motion on a cam turning the other way.
Worst Check(int example, double tol, bool reversed = false) {
    auto m = testsupport::ExampleModel(example);
    const std::optional<CamSurface> cam = CamSurface::Of(*m);
    EXPECT_TRUE(cam.has_value());
    FollowerLayout layout = cam->layout();
    if (reversed)
        layout.camDirection = -layout.camDirection;
    const CamSurface c(
        layout, [&cam](double t) { return cam->motion(t); }, cam->breaks());
    const ArcFitResult fit = FitArcs(c.surface(), tol);
    const AsMadeResult r = AsMade(
        c.layout(), fit.elements, [&c](double t) { return c.motion(t); }, 360);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.rows.size(), 360u);
    Worst w;
    for (const AsMadeRow& row : r.rows) {
        const double bound = Bound(c, row.theta * kDegToRad, tol);
        EXPECT_LE(std::fabs(row.errS), bound) << "example " << example << " at " << row.theta;
        w.error = std::max(w.error, std::fabs(row.errS));
        w.fraction = std::max(w.fraction, std::fabs(row.errS) / bound);
    }
    EXPECT_DOUBLE_EQ(r.maxSError, w.error);
    return w;
}

TEST(AsMade, FittedExamplesFollowTheDesignWithinTheFitBound) {
    for (int n : {1, 2, 4}) {
        SCOPED_TRACE(testing::Message() << "example " << n);
        const Worst fine = Check(n, 1e-5);
        const Worst coarse = Check(n, 1e-2);
        // The coarse cut shows its tolerance: a good share of its bound, far above the fine one.
        EXPECT_GT(coarse.error, 100.0 * fine.error);
        EXPECT_GT(coarse.fraction, 0.05);
        // The examples turn counter-clockwise; the clockwise frame is not its mirror image.
        EXPECT_LT(Check(n, 1e-5, true).fraction, 1.0);
    }
}

// A circle of radius R about (d, 0) as two half-circle arcs.
std::vector<FitElement> Eccentric(double d, double R) {
    FitElement a;
    a.kind = FitKind::Arc;
    a.centre = {d, 0.0};
    a.radius = R;
    a.sweep = std::numbers::pi;
    a.ccw = true;
    a.start = {d + R, 0.0};
    a.end = {d - R, 0.0};
    FitElement b = a;
    b.start = a.end;
    b.end = a.start;
    return {a, b};
}

constexpr double kD = 0.4, kR = 2.0, kRp = 1.5, kRr = 0.5;

MotionValue Harmonic(double t) {
    return {kD * std::cos(t) + kR - kRp, -kD * std::sin(t), -kD * std::cos(t)};
}

// The roller centre stays R + Rr from the circle's centre: x = d cos + w, w = sqrt(K^2 - d^2 s^2).
MotionValue EccentricRoller(double t) {
    const double s = std::sin(t), c = std::cos(t), K = kR + kRr;
    const double w = std::sqrt(K * K - kD * kD * s * s);
    return {kD * c + w - kRp, -kD * s - kD * kD * s * c / w,
            -kD * c - kD * kD * (c * c - s * s) / w -
                kD * kD * kD * kD * s * s * c * c / (w * w * w)};
}

TEST(AsMade, EccentricCircleGivesTheClosedFormsInEitherTurningSense) {
    for (int dir : {-1, 1}) {
        SCOPED_TRACE(testing::Message() << "cam direction " << dir);
        FollowerLayout flat;
        flat.kind = SurfaceFollower::TranslatingFlat;
        flat.Rp = kRp;
        flat.camDirection = dir;
        FollowerLayout roller = flat;
        roller.kind = SurfaceFollower::TranslatingRoller;
        roller.Rr = kRr;
        for (auto [layout, motion] :
             {std::pair{flat, &Harmonic}, std::pair{roller, &EccentricRoller}}) {
            // The frame is CamSurface's: its surface for this motion is the same circle.
            const CamSurface cam(layout, motion, {});
            for (double t = 0.0; t < 6.28; t += 0.3) {
                const Point2 p = cam.surfaceAt(t).p;
                ASSERT_NEAR(std::hypot(p.x - kD, p.y), kR, 1e-12) << t;
            }
            const AsMadeResult r = AsMade(layout, Eccentric(kD, kR), motion, 720);
            ASSERT_TRUE(r.complete);
            EXPECT_LT(r.maxSError, 1e-12);
            // Second differences at h = 0.5 degree: truncation h^2 S'''' / 12 ~ 3e-6 here, and
            // rounding 4 x 1e-16 / h^2 ~ 5e-12.
            EXPECT_LT(r.maxAError, 1e-5);
            EXPECT_NEAR(r.rows[90].V, motion(r.rows[90].theta * kDegToRad).dS, 1e-5);
        }
    }
}

// An arm whose roller rides the eccentric circle: |pivot - L u(psi) - O| = R + Rr solved for psi
// in closed form. The design handed in is no motion at all, so only the contact decides.
TEST(AsMade, ArmOnAnEccentricCircleSolvesTheTriangle) {
    FollowerLayout f;
    f.kind = SurfaceFollower::OscillatingRoller;
    f.Rr = kRr;
    f.C = 4.0;
    f.L = 3.0;
    f.pivotAngle = 30.0;
    f.armDirection = -1.0;
    f.camDirection = -1;
    const double K = kR + kRr;
    // Off the middle of the two contacts (about -58.7 and 18.7 degrees), so the nearer is plain.
    f.armAngle0 = 20.0;
    const MotionFunction none = [](double) { return MotionValue{}; };
    const AsMadeResult r = AsMade(f, Eccentric(kD, kR), none, 90);
    ASSERT_TRUE(r.complete);
    for (const AsMadeRow& row : r.rows) {
        const double theta = row.theta * kDegToRad;
        const double gamma = f.pivotAngle * kDegToRad - f.camDirection * theta;
        const Point2 D{f.C * std::cos(gamma) - kD, f.C * std::sin(gamma)};
        const double dd = D.x * D.x + D.y * D.y;
        const double beta = std::acos((dd + f.L * f.L - K * K) / (2.0 * f.L * std::sqrt(dd)));
        const double base = std::atan2(D.y, D.x);
        // Of the two arm positions, the one nearer S = 0.
        double best = 1e9;
        for (double psi : {base + beta, base - beta}) {
            const double S =
                std::remainder(psi - gamma, 2.0 * std::numbers::pi) / f.armDirection / kDegToRad -
                f.armAngle0;
            if (std::fabs(S) < std::fabs(best))
                best = S;
        }
        EXPECT_NEAR(row.S, best, 1e-9) << row.theta;
    }
}

} // namespace
