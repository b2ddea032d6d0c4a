// Profile rows 9..14 against circle geometry and the arm triangle.
#include "geometry/Profile.h"
#include "GeometryFixture.h"
#include "geometry/Sizing.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

// Zero offset, roller, S(0) = 0: at theta = 0 the pitch point lies at (Rp, 0) in either
// direction. Reversing the direction mirrors the profile (t -> 360 - t, y -> -y), and the
// shifted pair is the point turned by +90 degrees: (-y, x).
TEST(CamProfile, OrientationMirrorAndShiftedPair) {
    for (const auto& [direction, camTheta] : {std::pair{1, 360.0f}, {-1, 0.0f}}) {
        auto m = ModelWithMotion(Harmonic(0.5));
        m->PrimeRadius = 2.0f;
        m->CamDirection = direction;
        RecordingHost host;
        ASSERT_TRUE(CamProfile(*m, host));
        EXPECT_NEAR(m->Results[9][0], 2.0, 1e-6);
        EXPECT_NEAR(m->Results[10][0], 0.0, 1e-6);
        EXPECT_EQ(m->Results[11][0], 2.0f);
        EXPECT_EQ(m->Results[12][0], camTheta);
    }
    for (int type : {1, 2}) {
        SCOPED_TRACE(type);
        auto cw = ModelWithMotion(Harmonic(0.8), 2.0);
        cw->PrimeRadius = 1.5f;
        cw->Offset = type == 1 ? 0.3f : 0.0f;
        cw->FollowerType = type;
        auto ccw = std::make_unique<model::CamModel>(*cw);
        ccw->CamDirection = 1;
        RecordingHost host;
        ASSERT_TRUE(CamProfile(*cw, host));
        ASSERT_TRUE(CamProfile(*ccw, host));
        const auto &a = cw->Results, &b = ccw->Results;
        for (int i = 0; i <= 360; i += 3) {
            EXPECT_NEAR(b[12][i], 360.0 - a[12][i], 1e-4) << i;
            EXPECT_NEAR(b[9][i], a[9][i], 1e-5) << i;
            EXPECT_NEAR(b[10][i], -a[10][i], 1e-5) << i;
            EXPECT_EQ(b[11][i], a[11][i]) << i;
            EXPECT_NEAR(a[13][i], -a[10][i], 1e-5) << i;
            EXPECT_NEAR(a[14][i], a[9][i], 1e-5) << i;
            EXPECT_NEAR(std::hypot(a[9][i], a[10][i]), a[11][i], 1e-5) << i;
        }
    }
}

// A circular cam seen from either direction: the roller's pitch points lie on the pitch circle
// (radius R about (eps, 0)); a flat face touches the cam circle (radius Rc about (eps, 0)). In a
// dwell the flat face touches on the follower axis.
TEST(CamProfile, CircularCamsGiveCircles) {
    const double R = 2.0, eps = 0.6, Rp = 1.4;
    for (const auto& [type, direction] : {std::pair{1, -1}, {1, 1}, {2, -1}, {2, 1}}) {
        SCOPED_TRACE(::testing::Message() << "type " << type << " dir " << direction);
        MotionLaw law = type == 1 ? EccentricCircle(R, eps, 0.0, Rp) : [=](double t) {
            return Motion{eps * std::cos(t) + R - Rp, -eps * std::sin(t), -eps * std::cos(t)};
        };
        auto m = ModelWithMotion(law, 1.7);
        m->PrimeRadius = static_cast<float>(Rp);
        m->FollowerType = type;
        m->CamDirection = direction;
        RecordingHost host;
        ASSERT_TRUE(CamProfile(*m, host));
        for (int i = 0; i <= 360; i += 5)
            EXPECT_NEAR(std::hypot(m->Results[9][i] - eps, m->Results[10][i]), R, 2e-5) << i;
    }
    auto m = ModelWithMotion(Dwell(0.75), 4.0);
    m->PrimeRadius = 2.0f;
    m->FollowerType = 2;
    RecordingHost host;
    ASSERT_TRUE(CamProfile(*m, host));
    for (int i = 0; i <= 360; i += 30) {
        EXPECT_EQ(m->Results[11][i], 2.75f);
        EXPECT_EQ(m->Results[12][i], static_cast<float>(i)); // clockwise: on the follower axis
    }
}

TEST(CamProfile, OscillatingRollerSitsAtTheEndOfTheArm) {
    auto m = ModelWithMotion(Harmonic(25.0), 1.0, 0.5);
    SetArm(*m, 1.5, -1.0, 2.8, 2.4, -1.0, 1);
    RecordingHost host;
    ASSERT_TRUE(CamProfile(*m, host));
    EXPECT_TRUE(host.messages.empty());
    const double C = std::hypot(-1.0, 2.8);
    const double mu0 = std::acos((C * C + 2.4 * 2.4 - 1.5 * 1.5) / (2 * C * 2.4));
    const double pivotAngle = std::atan2(2.8, -1.0);
    for (int i = 0; i <= 720; i += 20) {
        const double x = m->Results[9][i], y = m->Results[10][i];
        const double px = m->PivotX[i], py = m->PivotY[i];
        // Counter-clockwise cam: the pivot turns back by theta in the cam frame.
        const double gamma = pivotAngle - Rad(i * 0.5);
        EXPECT_NEAR(px, C * std::cos(gamma), 1e-5) << i;
        EXPECT_NEAR(py, C * std::sin(gamma), 1e-5) << i;
        EXPECT_NEAR(std::hypot(x - px, y - py), 2.4, 1e-5) << i; // arm length
        EXPECT_NEAR(std::hypot(x, y), m->Results[11][i], 1e-5) << i;
        // Angle at the pivot between the cam centre and the roller is mu0 + S.
        const double cosMu = ((-px) * (x - px) + (-py) * (y - py)) / (C * 2.4);
        EXPECT_NEAR(Deg(std::acos(cosMu)), Deg(mu0) + m->Results[1][i], 1e-3) << i;
    }
}

// Not built: the rows stay as they were; Autopress still sizes it and says the same once.
TEST(CamProfile, OscillatingFlatFaceIsNotBuilt) {
    auto m = ModelWithMotion(Harmonic(10.0));
    SetArm(*m, 2.0, 3.0, 0.0, 2.0);
    m->FollowerType = 2;
    m->Results[9][0] = 5.0f;
    m->Results[12][200] = -3.0f;
    const std::string text = " flat-faced oscillating follower not implemented";
    RecordingHost host;
    EXPECT_FALSE(CamProfile(*m, host));
    EXPECT_EQ(m->Results[9][0], 5.0f);
    EXPECT_EQ(m->Results[12][200], -3.0f);
    EXPECT_TRUE(Autopress(*m, host, 2));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, text);
    EXPECT_EQ(host.messages[1].text, text);
}

} // namespace
