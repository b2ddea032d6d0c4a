// The cam surface against the profile rows, circles of known centre and radius, and the
// defining property of an offset curve.
#include "geometry/CamSurface.h"
#include "files/Examples.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "motion/MotionLaws.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace trochix;
using namespace trochix::geometry;
using model::kDegToRad;

namespace {

double Distance(Point2 a, Point2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}
// Rows 9, 10 hold the pitch curve (the contact points for the flat face of example 2), as floats
// of a radius near 4: 2e-5 covers their rounding.
TEST(CamSurface, PitchCurveIsTheProfileRowsOfEveryExample) {
    for (int n = 1; n <= files::kExampleCount; ++n) {
        SCOPED_TRACE(testing::Message() << "example " << n);
        auto m = testsupport::ExampleModel(n);
        const std::optional<CamSurface> cam = CamSurface::Of(*m);
        ASSERT_TRUE(cam.has_value());
        const ClosedCurve pitch = cam->pitch();
        for (int i = 0; i <= m->NumPoints; ++i) {
            const Point2 p = pitch.at(m->Results[0][i] * kDegToRad).p;
            ASSERT_NEAR(p.x, m->Results[9][i], 2e-5) << "point " << i;
            ASSERT_NEAR(p.y, m->Results[10][i], 2e-5) << "point " << i;
        }
        // The breaks are the segment starts.
        ASSERT_EQ(pitch.breaks.size(), static_cast<std::size_t>(m->NumSegments));
        for (int s = 1; s <= m->NumSegments; ++s)
            EXPECT_NEAR(pitch.breaks[s - 1], m->SegStart[s] * kDegToRad, 1e-12);
    }
}

// Every roller example, both turning senses: the surface lies one roller radius inside the
// pitch curve (1e-6 relative), closer to the cam centre in a dwell, the offset is square to
// both tangents, and the tangents are unit and follow the pitch curve's own direction
// (a central difference of the points, h = 1e-5 rad).
TEST(CamSurface, RollerSurfaceIsTheInwardOffsetByTheRollerRadius) {
    for (int n : {1, 3, 4, 5}) {
        for (int direction : {-1, 1}) {
            SCOPED_TRACE(testing::Message() << "example " << n << " direction " << direction);
            auto m = testsupport::ExampleModel(n);
            m->CamDirection = direction;
            const std::optional<CamSurface> cam = CamSurface::Of(*m);
            ASSERT_TRUE(cam.has_value());
            const double Rr = m->RollerRadius;
            for (int i = 0; i < m->NumPoints; ++i) {
                const double t = m->Results[0][i] * kDegToRad + 0.3 * kDegToRad;
                const CurvePoint p = cam->pitchAt(t), s = cam->surfaceAt(t);
                ASSERT_NEAR(Distance(p.p, s.p), Rr, 1e-6 * Rr) << "point " << i;
                const Point2 off{s.p.x - p.p.x, s.p.y - p.p.y};
                ASSERT_NEAR(std::hypot(s.tangent.x, s.tangent.y), 1.0, 1e-12);
                ASSERT_NEAR(Dot(off, s.tangent), 0.0, 1e-9);
                ASSERT_NEAR(Dot(off, p.tangent), 0.0, 1e-9);
                const double h = 1e-5;
                const Point2 a = cam->pitchAt(t - h).p, b = cam->pitchAt(t + h).p;
                const Point2 chord{(b.x - a.x) / Distance(a, b), (b.y - a.y) / Distance(a, b)};
                ASSERT_NEAR(Dot(chord, p.tangent), 1.0, 1e-8) << "point " << i;
            }
            // The last segment of every example is a dwell at S = 0.
            const Point2 dwell = cam->surfaceAt(355.0 * kDegToRad).p;
            EXPECT_LT(std::hypot(dwell.x, dwell.y),
                      std::hypot(cam->pitchAt(355.0 * kDegToRad).p.x,
                                 cam->pitchAt(355.0 * kDegToRad).p.y));
        }
    }
}

// Row 6 of a roller example is the pitch curve's radius of curvature from its closed forms; the
// curvature from the analytic derivatives is its reciprocal (1e-4 covers the float rows).
// Clamped points (|rho| = 10 Rp) are left out.
TEST(CamSurface, CurvatureMatchesTheRollerRows) {
    for (int n : {1, 3, 4, 5}) {
        SCOPED_TRACE(testing::Message() << "example " << n);
        auto m = testsupport::ExampleModel(n);
        const std::optional<CamSurface> cam = CamSurface::Of(*m);
        const double clamp = 10.0 * m->PrimeRadius;
        for (int i = 0; i <= m->NumPoints; ++i) {
            const double rho = m->Results[6][i];
            if (std::fabs(rho) >= clamp * (1.0 - 1e-6))
                continue;
            ASSERT_NEAR(1.0 / cam->curvature(m->Results[0][i] * kDegToRad), rho,
                        1e-4 * std::fabs(rho))
                << "point " << i;
        }
    }
}

// S = h/2 (1 - cos theta) from a harmonic rise and fall of 180 degrees each: a flat face then
// cuts a circle of radius Rp + h/2 about (-h/2, 0), for either turning sense, and the cutter
// path is the circle Rc larger. The tangent is square to the radius of the circle.
TEST(CamSurface, EccentricCircleUnderAFlatFace) {
    const double Rp = 2.5, h = 0.75, Rc = 0.3; // exact in a float lift
    for (int direction : {-1, 1}) {
        SCOPED_TRACE(direction);
        auto m = std::make_unique<model::CamModel>();
        model::RecordingHost host;
        model::Initialize(*m, host);
        m->NumSegments = 2;
        const char* dirs[] = {"", "R", "F"};
        for (int s = 1; s <= 2; ++s) {
            m->SegDir[s] = dirs[s];
            m->SegLawFamily[s] = motion::kLawSimpHarmFull;
            m->SegBeta[s] = 180.0f;
            m->SegStart[s] = 180.0f * (s - 1);
            m->SegLift[s] = static_cast<float>(h);
            m->SegLow[s] = 0.0f;
        }
        m->PrimeRadius = static_cast<float>(Rp);
        m->FollowerType = 2;
        m->CamDirection = direction;
        const std::optional<CamSurface> cam = CamSurface::Of(*m);
        ASSERT_TRUE(cam.has_value());
        const Point2 centre{-h / 2, 0.0};
        for (int k = 0; k < 720; ++k) {
            const double t = (k + 0.37) * 0.5 * kDegToRad;
            const CurvePoint s = cam->surfaceAt(t), c = cam->cutterAt(t, Rc);
            ASSERT_NEAR(Distance(s.p, centre), Rp + h / 2, 1e-9) << k;
            ASSERT_NEAR(Distance(c.p, centre), Rp + h / 2 + Rc, 1e-9) << k;
            ASSERT_NEAR(Dot({s.p.x - centre.x, s.p.y - centre.y}, s.tangent), 0.0, 1e-9) << k;
            ASSERT_NEAR(cam->flatRho(t), Rp + h / 2, 1e-9) << k;
        }
    }
}

// A roller whose centre runs on the circle of radius a about (d, 0): Rp + S is the distance
// from the cam centre to that circle along the follower axis, d cos t + sqrt(a^2 - d^2 sin^2 t),
// with its derivatives worked by hand. The surface is the circle a - Rr, the cutter path
// (Rc = 0.2) the circle a - Rr + Rc, the curvature 1 / a everywhere.
TEST(CamSurface, EccentricCircleUnderARadialRoller) {
    const double a = 3.0, d = 0.6, Rp = 2.4, Rr = 0.7, Rc = 0.2;
    const MotionFunction motion = [=](double t) {
        const double s = std::sin(t), c = std::cos(t), w = std::sqrt(a * a - d * d * s * s);
        const double dw = -d * d * s * c / w;
        const double d2w = (-d * d * (c * c - s * s) - dw * dw) / w;
        return MotionValue{d * c + w - Rp, -d * s + dw, -d * c + d2w};
    };
    FollowerLayout f;
    f.Rp = Rp;
    f.Rr = Rr;
    const CamSurface cam(f, motion, {});
    const Point2 centre{d, 0.0};
    for (int k = 0; k < 360; ++k) {
        const double t = (k + 0.25) * kDegToRad;
        ASSERT_NEAR(Distance(cam.pitchAt(t).p, centre), a, 1e-12) << k;
        ASSERT_NEAR(Distance(cam.surfaceAt(t).p, centre), a - Rr, 1e-12) << k;
        ASSERT_NEAR(Distance(cam.cutterAt(t, Rc).p, centre), a - Rr + Rc, 1e-12) << k;
        ASSERT_NEAR(cam.curvature(t), 1.0 / a, 1e-9) << k;
    }
}

} // namespace
