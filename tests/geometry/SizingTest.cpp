// Pressure angle and radius of curvature against closed forms of circular cams, hand values
// and the triangle of an oscillating arm worked out by the laws of cosines.
#include "geometry/Sizing.h"
#include "GeometryFixture.h"
#include "geometry/ArmGeometry.h"
#include "geometry/Profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

// Roller on an eccentric circle: the contact normal runs from the circle's centre to the roller
// centre, so sin(phi) = -(e + eps sin theta) / R for the follower travelling along +x.
TEST(Autopress, TranslatingRollerFollowsTheEccentricCircleNormal) {
    const struct {
        double R, eps, e, Rp;
        int camDirection;
    } cases[] = {{2.0, 0.6, 0.0, 1.5, -1}, {2.0, 0.6, 0.0, 1.5, 1}, {2.0, 0.6, 0.5, 1.6, -1},
                 {3.0, 0.9, -0.4, 2.5, 1}, {1.2, 0.25, 0.3, 0.95, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "e " << c.e << " dir " << c.camDirection);
        const double base = std::sqrt(c.Rp * c.Rp - c.e * c.e);
        auto m = ModelWithMotion(EccentricCircle(c.R, c.eps, c.e, base), 2.5);
        m->PrimeRadius = static_cast<float>(c.Rp);
        m->Offset = static_cast<float>(c.e);
        m->CamDirection = c.camDirection;
        RecordingHost host;
        ASSERT_TRUE(Autopress(*m, host, 1));
        EXPECT_TRUE(host.messages.empty());
        for (int i = 0; i <= 360; i += 5) // float rows
            EXPECT_NEAR(m->Results[5][i], Deg(-std::asin((c.e + c.eps * std::sin(Rad(i))) / c.R)),
                        2e-4) << "theta " << i;
    }
}

// Harmonic rise h = 1 on Rp = 3, omega = 2: hand values of atan((V/omega) / (S + Rp)). A barrel
// with h = 2 on a pitch cylinder Rp = 2 has the slope S'/Rp of the unrolled groove: at 90 degrees
// atan(1/2); it gets no profile.
TEST(Autopress, ZeroOffsetRollerAndBarrelHandValues) {
    auto m = ModelWithMotion(Harmonic(1.0), 2.0);
    m->PrimeRadius = 3.0f;
    RecordingHost host;
    ASSERT_TRUE(Autopress(*m, host, 1));
    const std::pair<int, double> points[] = {
        {0, 0.0}, {90, 8.130102354}, {180, 0.0}, {270, -8.130102354}, {60, 7.589089}};
    for (const auto& [theta, phi] : points)
        EXPECT_NEAR(m->Results[5][theta], phi, 1e-4) << theta;

    auto b = ModelWithMotion(Harmonic(2.0), 3.0);
    b->PrimeRadius = 2.0f;
    b->CamType = "Barrel";
    b->Results[9][7] = 42.0f;
    ASSERT_TRUE(Autopress(*b, host, 1));
    EXPECT_NEAR(b->Results[5][90], 26.56505118, 1e-4);
    EXPECT_NEAR(b->Results[5][270], -26.56505118, 1e-4);
    EXPECT_NEAR(b->Results[5][0], 0.0, 1e-6);
    EXPECT_EQ(b->Results[9][7], 42.0f);
}

// Flat face on a circular cam of radius Rc centred eps off the cam centre: the face sits at
// eps cos t + Rc, the pressure angle is 0 and rho = Rp + S + A/omega^2 = Rc everywhere.
TEST(Sizing, FlatFaceOnCircularCam) {
    for (const auto& [Rc, eps, Rp, omega] :
         {std::array{2.0, 0.5, 1.5, 1.0}, std::array{3.5, 1.2, 2.0, 7.0}}) {
        auto m = ModelWithMotion(
            [&](double t) {
                return Motion{eps * std::cos(t) + Rc - Rp, -eps * std::sin(t), -eps * std::cos(t)};
            },
            omega);
        m->PrimeRadius = static_cast<float>(Rp);
        m->FollowerType = 2;
        RecordingHost host;
        ASSERT_TRUE(Autopress(*m, host, 2));
        ASSERT_TRUE(RadiusOfCurvature(*m, host, 2));
        for (int i = 0; i <= 360; i += 10) {
            EXPECT_EQ(m->Results[5][i], 0.0f);
            EXPECT_NEAR(m->Results[6][i], Rc, 2e-5 * Rc) << i;
        }
    }
}

// An eccentric pitch circle has rho = R at every point, with or without an offset and either
// way round (the roller centre (Rp + S, e) runs round the circle, so the base is Rp); a dwell is
// a circle about the cam centre through the roller centre.
TEST(RadiusOfCurvature, RadialRollerPitchCircles) {
    RecordingHost host;
    const struct {
        double R, eps, e, Rp;
        int camDirection;
    } circles[] = {{2.0, 0.7, 0.0, 1.3, -1},
                   {2.0, 0.6, 0.5, 1.6, -1},
                   {2.0, 0.6, 0.5, 1.6, 1},
                   {3.0, 0.9, -0.4, 2.5, 1},
                   {1.2, 0.25, 0.3, 0.95, -1}};
    for (const auto& c : circles) {
        auto m = ModelWithMotion(EccentricCircle(c.R, c.eps, c.e, c.Rp), 3.0);
        m->PrimeRadius = static_cast<float>(c.Rp);
        m->Offset = static_cast<float>(c.e);
        m->CamDirection = c.camDirection;
        ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
        for (int i = 0; i <= 360; i += 5)
            EXPECT_NEAR(m->Results[6][i], c.R, 5e-5 * c.R) << "e " << c.e << " at " << i;
        EXPECT_FLOAT_EQ(m->CamOmega2, 9.0f);
        EXPECT_FLOAT_EQ(m->CamOmega3, 27.0f);
    }
    for (const auto& [Rp, e, S] : {std::array{2.0, 0.0, 0.5}, {2.0, 0.8, 0.5}, {1.0, -0.3, 0.0}}) {
        auto d = ModelWithMotion(Dwell(S));
        d->PrimeRadius = static_cast<float>(Rp);
        d->Offset = static_cast<float>(e);
        ASSERT_TRUE(RadiusOfCurvature(*d, host, 1));
        EXPECT_NEAR(d->Results[6][123], std::hypot(Rp + S, e), 1e-6);
        EXPECT_NEAR(d->RhoMin, std::hypot(Rp + S, e), 1e-6);
    }
    EXPECT_TRUE(host.messages.empty());
}

// Barrel, h = 2, Rp = 2: the unrolled groove y = 1 - cos(x / 2) has radius 4 at its crest and
// trough, and at 60 degrees (1 + 0.1875)^1.5 / 0.125 = 10.35238; concave up is negative. A
// barrel dwell is infinitely flat: "+ Infinity" (1000000), and row 6 holds 10 Rp.
TEST(RadiusOfCurvature, BarrelGrooveAndDwell) {
    auto m = ModelWithMotion(Harmonic(2.0), 1.5);
    m->PrimeRadius = 2.0f;
    m->CamType = "Barrel";
    RecordingHost host;
    ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
    EXPECT_NEAR(m->Results[6][0], -4.0, 1e-5);
    EXPECT_NEAR(m->Results[6][180], 4.0, 1e-5);
    EXPECT_NEAR(m->Results[6][60], -10.35238499, 1e-4);

    auto d = ModelWithMotion(Dwell(0.25));
    d->PrimeRadius = 1.5f;
    d->CamType = "Barrel";
    ASSERT_TRUE(RadiusOfCurvature(*d, host, 2));
    EXPECT_EQ(d->RhoPosMax, 1000000.0f);
    EXPECT_EQ(d->RhoPosMaxText, "+ Infinity");
    // 1000000 is not below the starting 100000: no smallest positive, and no negatives.
    EXPECT_EQ(d->RhoPosMinText + d->RhoNegMaxText + d->RhoNegMinText, "NoneNoneNone");
    for (int i = 0; i <= 360; ++i)
        ASSERT_EQ(d->Results[6][i], 15.0f) << i;
}

TEST(RadiusOfCurvature, ZeroDenominatorsGiveTheFiniteStandIn) {
    // r = 1, v = 0, a = r: r^2 + 2 v^2 - r a = 0.
    EXPECT_EQ(RhoRadialRoller(1.0, 0.0, 0.0, 1.0), 1000000.0f);
    // X = 2, e = 0.5, v = 1: 4 + 0.5 x 1.5 - 2 a = 0 at a = 2.375.
    EXPECT_EQ(RhoRadialRoller(2.0, 0.5, 1.0, 2.375), 1000000.0f);
    // C = L = 1, mu = 90 deg, phi = 0: P = 1, Q = 1, R = -w2 = -1, so P (1 + Q R) = 0.
    for (int K : {1, -1})
        EXPECT_EQ(RhoOscillating(1.0, 1.0, kTruePi / 2, 0.0, 0.5, 1.0, K), 1000000.0f);
    // An arm folded onto the pivot line (sin mu = 0): the curvature radius tends to 0.
    EXPECT_EQ(RhoOscillating(1.0, 1.5, 0.0, 0.2, 0.5, 1.0, 1), 0.0f);
    // The same zero inside a pass: one point with S = 0, V = 0, A = Rp omega^2.
    auto m = ModelWithMotion(Dwell(0.0));
    m->Results[3][100] = 1.0f;
    RecordingHost host;
    ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
    EXPECT_EQ(m->RhoPosMaxText, "+ Infinity");
    EXPECT_EQ(m->RhoPosMaxAngle, 100.0f);
    EXPECT_EQ(m->Results[6][100], 10.0f);
    EXPECT_EQ(m->Results[6][99], 1.0f);
}

// ---- oscillating follower

struct ArmCase {
    double px, py, L, Rp, armDir;
    int camDir;
};

// In a dwell of S0 degrees the triangle cam centre / pivot / roller centre is solved by the law
// of cosines: rho is the cam-centre-to-roller distance and phi = T2 - T1 or T1 - T2 by the
// turning senses.
TEST(Sizing, OscillatingDwellFromTheArmTriangle) {
    const std::pair<ArmCase, double> cases[] = {{{3.0, 0.0, 2.0, 2.0, 1.0, -1}, 0.0},
                                                {{3.0, 0.0, 2.0, 2.0, 1.0, 1}, 10.0},
                                                {{0.0, 4.0, 3.0, 2.0, -1.0, -1}, 15.0},
                                                {{-2.5, 1.5, 2.2, 1.5, -1.0, 1}, -5.0}};
    for (const auto& [c, S0] : cases) {
        SCOPED_TRACE(::testing::Message() << "pivot " << c.px << "," << c.py << " K "
                                          << c.armDir * c.camDir);
        auto m = ModelWithMotion(Dwell(S0), 1.7);
        SetArm(*m, c.Rp, c.px, c.py, c.L, c.armDir, c.camDir);
        RecordingHost host;
        ASSERT_TRUE(Autopress(*m, host, 1));
        ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
        EXPECT_TRUE(host.messages.empty());
        const double C = std::hypot(c.px, c.py);
        const double mu0 = std::acos((C * C + c.L * c.L - c.Rp * c.Rp) / (2 * C * c.L));
        const double mu = mu0 + Rad(S0);
        const double r = std::sqrt(C * C + c.L * c.L - 2 * C * c.L * std::cos(mu));
        const double atRoller = Deg(std::acos((r * r + c.L * c.L - C * C) / (2 * r * c.L)));
        const double phi = c.armDir * c.camDir > 0 ? atRoller - 90 : 90 - atRoller;
        EXPECT_NEAR(m->ArmAngle0, Deg(mu0), 1e-4);
        for (int i = 0; i <= 360; i += 45) {
            EXPECT_NEAR(m->Results[5][i], phi, 1e-4) << i;
            EXPECT_NEAR(m->Results[6][i], r, 1e-5) << i;
        }
    }
}

// Away from dwells, compare with the pitch curve itself (rows 9, 10 from CamProfile): the
// pressure angle is the angle between the curve's tangent and the arm, and rho is the radius of
// curvature from central differences over 2 degrees each way (truncation about 2e-4, float
// rounding of the rows about 3e-4, relative). Arm and cam turning in the same sense (K > 0) and
// in opposite senses (K < 0) both hold.
TEST(Sizing, OscillatingMatchesItsOwnPitchCurve) {
    const ArmCase cases[] = {{3.0, 0.5, 2.2, 1.6, 1.0, -1}, {-0.5, 3.2, 2.5, 1.4, 1.0, 1},
                             {2.0, -2.0, 2.4, 1.8, -1.0, 1}, {2.0, -2.0, 2.4, 1.8, -1.0, -1}};
    for (const ArmCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pivot " << c.px << "," << c.py << " K "
                                          << c.armDir * c.camDir);
        auto m = ModelWithMotion(Harmonic(20.0), 1.0, 0.25); // S in degrees of arm swing
        SetArm(*m, c.Rp, c.px, c.py, c.L, c.armDir, c.camDir);
        RecordingHost host;
        ASSERT_TRUE(Autopress(*m, host, 1));
        ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
        ASSERT_TRUE(host.messages.empty());
        const auto& R = m->Results;
        const int k = 8;
        const double h = Rad(2.0);
        for (int i = 40; i <= 1400; i += 40) {
            const double tx = R[9][i + 1] - R[9][i - 1], ty = R[10][i + 1] - R[10][i - 1];
            const double ax = R[9][i] - m->PivotX[i], ay = R[10][i] - m->PivotY[i];
            const double angle = Deg(std::acos(std::fabs(tx * ax + ty * ay) / std::hypot(tx, ty) /
                                               std::hypot(ax, ay)));
            EXPECT_NEAR(std::fabs(R[5][i]), angle, 0.02) << "phi at point " << i;
            const double dx = (R[9][i + k] - R[9][i - k]) / (2 * h);
            const double dy = (R[10][i + k] - R[10][i - k]) / (2 * h);
            const double ddx = (R[9][i + k] - 2.0 * R[9][i] + R[9][i - k]) / (h * h);
            const double ddy = (R[10][i + k] - 2.0 * R[10][i] + R[10][i - k]) / (h * h);
            const double rho = std::pow(dx * dx + dy * dy, 1.5) / std::fabs(dx * ddy - dy * ddx);
            EXPECT_NEAR(std::fabs(R[6][i]), rho, 0.003 * rho) << "rho at point " << i;
        }
    }
}

TEST(Autopress, OscillatingDivideByZeroNamesTheTermAndGoesOn) {
    // Pivot (3, 0), L = 4, Rp = 5: right angle at the pivot, so ArmAngle0 = 90. S = 90 at
    // point 10 folds the arm straight out (mu = 180): sin(alpha) = 0 in the second denominator.
    auto m = ModelWithMotion(Harmonic(2.0));
    SetArm(*m, 5.0, 3.0, 0.0, 4.0);
    m->Results[1][10] = 90.0f;
    m->Results[5][10] = -7.0f;
    RecordingHost host;
    ASSERT_TRUE(Autopress(*m, host, 1));
    EXPECT_EQ(m->ArmAngle0, 90.0f);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "An attempt to divide by zero was detected in Autopress when calculating\r"
              "the pressure angle at theta =  10\r"
              "Will continue to attempt calculation at other points"
              "Denom2");
    EXPECT_EQ(host.messages[0].icon, model::Icon::Warning);
    EXPECT_EQ(m->DivZeroTerm, "Denom2");
    EXPECT_EQ(m->Results[5][10], -7.0f); // the skipped point keeps its value
    EXPECT_NE(m->Results[5][11], 0.0f);  // the pass went on
}

TEST(Autopress, ArmThatCannotReachTheCamStopsThePass) {
    // Pivot 5 away, arm 1, prime circle 2: the arm circle never meets the prime circle.
    auto m = ModelWithMotion(Harmonic(10.0));
    SetArm(*m, 2.0, 0.0, 5.0, 1.0);
    m->Results[5][3] = 12.5f;
    m->PressMax = 33.0f;
    RecordingHost host;
    EXPECT_FALSE(Autopress(*m, host, 1));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Your arm geometry is such that the roller cannot contact the cam");
    EXPECT_EQ(host.messages[0].icon, model::Icon::Warning);
    EXPECT_FLOAT_EQ(m->PivotDistance, 5.0f); // computed before the triangle failed
    EXPECT_FLOAT_EQ(m->PivotAngle, 90.0f);
    EXPECT_EQ(m->Results[5][3], 12.5f);
    EXPECT_EQ(m->PressMax, 33.0f);
    EXPECT_FALSE(RadiusOfCurvature(*m, host, 1));
    EXPECT_EQ(host.messages.size(), 2u);
}

TEST(Autopress, FaultsAreReportedUnderTheRoutineName) {
    const struct {
        const char* what;
        float Rp, e, omega;
        const char* error;
    } cases[] = {
        {"offset beyond the prime radius", 1.0f, 1.5f, 1.0f, "Error 5   (Invalid procedure call)"},
        {"zero cam speed", 1.0f, 0.0f, 0.0f, "Error 11   (Division by zero)"},
        {"roller centre on the cam centre", 0.0f, 0.0f, 1.0f, "Error 11   (Division by zero)"},
    };
    for (const auto& c : cases) {
        auto m = ModelWithMotion(Dwell(0.0));
        m->PrimeRadius = c.Rp;
        m->Offset = c.e;
        m->CamOmega = c.omega;
        RecordingHost host;
        EXPECT_FALSE(Autopress(*m, host, 1)) << c.what;
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        EXPECT_EQ(host.messages[0].text, c.error + std::string("  has occurred in Autopress\r\r"));
        for (int i = 0; i <= 360; ++i)
            ASSERT_TRUE(std::isfinite(m->Results[5][i]));
    }
}

// ---- extremes

TEST(Extremes, RhoTextsAndMinimum) {
    auto m = ModelWithMotion(Dwell(0.0));
    for (int i = 0; i <= 360; ++i)
        m->Results[6][i] = 50.0f;
    m->Results[6][10] = m->Results[6][50] = 3.14159f; // a tie: the first stays
    m->Results[6][20] = 2500.7f;
    m->Results[6][30] = -0.5f;
    m->Results[6][40] = -1234.56f;
    RhoExtremes(*m);
    EXPECT_EQ(m->RhoPosMaxText + "|" + m->RhoPosMinText + "|" + m->RhoNegMaxText + "|" +
                  m->RhoNegMinText,
              "2,501.|3.14|-1,235.|-0.50");
    EXPECT_EQ((std::array{m->RhoPosMinAngle, m->RhoPosMaxAngle, m->RhoNegMinAngle,
                          m->RhoNegMaxAngle}),
              (std::array{10.0f, 20.0f, 30.0f, 40.0f}));
    EXPECT_EQ(m->RhoMin, -0.5f); // |-0.5| beats 3.14
    m->Results[6][200] = -2000000.0f;
    RhoExtremes(*m);
    EXPECT_EQ(m->RhoNegMaxText, "- Infinity");
    ClampRho(*m);
    EXPECT_EQ(m->Results[6][200], -10.0f); // Rp = 1
    EXPECT_EQ(m->Results[6][20], 10.0f);
    EXPECT_EQ(m->Results[6][30], -0.5f);
}

TEST(Extremes, NothingOfThePreviousPassSurvives) {
    auto m = ModelWithMotion(Dwell(0.0));
    for (int i = 0; i <= 360; ++i) {
        m->Results[5][i] = static_cast<float>(10.0 * std::sin(Rad(i)));
        m->Results[6][i] = 2.0f + static_cast<float>(std::sin(Rad(i)));
    }
    PressureExtremes(*m);
    RhoExtremes(*m);
    EXPECT_NEAR(m->PressMax, 10.0, 1e-6);
    EXPECT_EQ(m->PressMaxAngle, 90.0f);
    EXPECT_EQ(m->PressMinAngle, 270.0f);
    EXPECT_EQ(m->RhoPosMaxText + " " + m->RhoPosMinText, "3. 1.00");
    // Second model: every pressure angle negative, every rho negative.
    for (int i = 0; i <= 360; ++i) {
        m->Results[5][i] = -5.0f - static_cast<float>(i % 7);
        m->Results[6][i] = -3.0f - static_cast<float>(i % 5);
    }
    m->Results[5][0] = -1.0f;
    PressureExtremes(*m);
    RhoExtremes(*m);
    EXPECT_EQ((std::array{m->PressMax, m->PressMaxAngle, m->PressMin, m->PressMinAngle}),
              (std::array{0.0f, 0.0f, -11.0f, 6.0f}));
    EXPECT_EQ(m->RhoPosMaxText + "|" + m->RhoPosMinText + "|" + m->RhoNegMaxText + "|" +
                  m->RhoNegMinText,
              "None|None|-7.|-3.00");
    EXPECT_EQ(m->RhoPosMaxAngle + m->RhoPosMinAngle, 0.0f);
    EXPECT_EQ(m->RhoMin, -3.0f);
}

} // namespace
