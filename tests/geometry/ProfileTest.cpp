// Profile rows 9..14 against circle geometry and the arm triangle.
#include "geometry/Profile.h"
#include "geometry/Sizing.h"
#include "GeometryFixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

TEST(CamProfile, PointAtZeroAngleForBothDirections) {
    // Zero offset, roller, S(0) = 0: the pitch point lies at (Rp, 0).
    struct Case {
        int direction;
        float camTheta;
    };
    for (const Case c : {Case{1, 360.0f}, Case{-1, 0.0f}}) {
        auto m = ModelWithMotion(Harmonic(0.5));
        m->PrimeRadius = 2.0f;
        m->CamDirection = c.direction;
        RecordingHost host;
        ASSERT_TRUE(CamProfile(*m, host));
        EXPECT_NEAR(m->Results[9][0], 2.0, 1e-6);
        EXPECT_NEAR(m->Results[10][0], 0.0, 1e-6);
        EXPECT_EQ(m->Results[11][0], 2.0f);
        EXPECT_EQ(m->Results[12][0], c.camTheta);
    }
}

TEST(CamProfile, ReversingTheDirectionMirrorsTheProfile) {
    for (int type : {1, 2}) {
        SCOPED_TRACE(type);
        auto cw = ModelWithMotion(Harmonic(0.8), 2.0);
        cw->PrimeRadius = 1.5f;
        cw->Offset = type == 1 ? 0.3f : 0.0f;
        cw->FollowerType = type;
        auto ccw = ModelWithMotion(Harmonic(0.8), 2.0);
        *ccw = *cw;
        ccw->CamDirection = 1;
        RecordingHost host;
        ASSERT_TRUE(CamProfile(*cw, host));
        ASSERT_TRUE(CamProfile(*ccw, host));
        for (int i = 0; i <= 360; i += 3) {
            const auto& a = cw->Results;
            const auto& b = ccw->Results;
            EXPECT_NEAR(b[12][i], 360.0 - a[12][i], 1e-4) << i; // t -> 360 - t
            EXPECT_NEAR(b[9][i], a[9][i], 1e-5) << i;
            EXPECT_NEAR(b[10][i], -a[10][i], 1e-5) << i;
            EXPECT_EQ(b[11][i], a[11][i]) << i;
        }
    }
}

TEST(CamProfile, ShiftedPairIsThePointTurnedByNinetyDegrees) {
    auto m = ModelWithMotion(Harmonic(1.0), 3.0);
    m->PrimeRadius = 2.0f;
    m->Offset = -0.4f;
    RecordingHost host;
    ASSERT_TRUE(CamProfile(*m, host));
    for (int i = 0; i <= 360; i += 7) {
        const double x = m->Results[9][i], y = m->Results[10][i];
        // (x, y) turned +90 degrees: (x cos 90 - y sin 90, x sin 90 + y cos 90) = (-y, x)
        EXPECT_NEAR(m->Results[13][i], -y, 1e-5) << i;
        EXPECT_NEAR(m->Results[14][i], x, 1e-5) << i;
        EXPECT_NEAR(std::hypot(x, y), m->Results[11][i], 1e-5) << i;
    }
}

// A circular cam seen from either direction: the roller's pitch points lie on the pitch circle
// (radius R about (eps, 0)); a flat face touches the cam circle (radius Rc about (eps, 0)).
TEST(CamProfile, CircularCamsGiveCircles) {
    struct Case {
        int type;
        int direction;
    };
    const double R = 2.0, eps = 0.6, Rp = 1.4;
    for (const Case c : {Case{1, -1}, Case{1, 1}, Case{2, -1}, Case{2, 1}}) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << " dir " << c.direction);
        MotionLaw law = c.type == 1 ? EccentricCircle(R, eps, 0.0, Rp) : [=](double t) {
            return Motion{eps * std::cos(t) + R - Rp, -eps * std::sin(t), -eps * std::cos(t)};
        };
        auto m = ModelWithMotion(law, 1.7);
        m->PrimeRadius = static_cast<float>(Rp);
        m->FollowerType = c.type;
        m->CamDirection = c.direction;
        RecordingHost host;
        ASSERT_TRUE(CamProfile(*m, host));
        for (int i = 0; i <= 360; i += 5)
            EXPECT_NEAR(std::hypot(m->Results[9][i] - eps, m->Results[10][i]), R, 2e-5) << i;
    }
}

TEST(CamProfile, FlatFaceInADwellTouchesOnTheAxis) {
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
    m->Translating = false;
    m->PrimeRadius = 1.5f;
    m->ArmPivotX = -1.0f;
    m->ArmPivotY = 2.8f;
    m->ArmRadius = 2.4f;
    m->ArmDirection = -1.0f;
    m->CamDirection = 1;
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

TEST(CamProfile, OscillatingFlatFaceIsNotBuilt) {
    auto m = ModelWithMotion(Harmonic(10.0));
    m->Translating = false;
    m->FollowerType = 2;
    m->PrimeRadius = 2.0f;
    m->ArmPivotX = 3.0f;
    m->ArmRadius = 2.0f;
    m->Results[9][0] = 5.0f;
    m->Results[12][200] = -3.0f;
    RecordingHost host;
    EXPECT_FALSE(CamProfile(*m, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, " flat-faced oscillating follower not implemented");
    EXPECT_EQ(m->Results[9][0], 5.0f);
    EXPECT_EQ(m->Results[12][200], -3.0f);

    // Autopress still sizes it and says the same once.
    host.clear();
    EXPECT_TRUE(Autopress(*m, host, 2));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, " flat-faced oscillating follower not implemented");
}

} // namespace
