// Pressure angle and radius of curvature against closed forms of circular cams, hand values
// and the triangle of an oscillating arm worked out by the laws of cosines.
#include "geometry/ArmGeometry.h"
#include "geometry/Profile.h"
#include "geometry/Sizing.h"
#include "GeometryFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

struct EccentricCase {
    double R, eps, e, Rp;
    int camDirection;
};

// Roller on an eccentric circle: the contact normal runs from the circle's centre to the roller
// centre, so sin(phi) = -(e + eps sin theta) / R for the follower travelling along +x.
TEST(Autopress, TranslatingRollerFollowsTheEccentricCircleNormal) {
    const std::vector<EccentricCase> cases = {
        {2.0, 0.6, 0.0, 1.5, -1}, {2.0, 0.6, 0.0, 1.5, 1}, {2.0, 0.6, 0.5, 1.6, -1},
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
        for (int i = 0; i <= 360; i += 5) {
            const double expected = Deg(-std::asin((c.e + c.eps * std::sin(Rad(i))) / c.R));
            EXPECT_NEAR(m->Results[5][i], expected, 2e-4) << "theta " << i; // float rows
        }
    }
}

TEST(Autopress, ZeroOffsetRollerIsArcTangentOfVelocityOverRadius) {
    // Harmonic rise h = 1 on Rp = 3, omega = 2; hand values of atan(S' / (S + Rp)).
    struct Point {
        int theta;
        double phi;
    };
    const std::vector<Point> points = {
        {0, 0.0}, {90, 8.130102354}, {180, 0.0}, {270, -8.130102354}, {60, 7.589089}};
    auto m = ModelWithMotion(Harmonic(1.0), 2.0);
    m->PrimeRadius = 3.0f;
    RecordingHost host;
    ASSERT_TRUE(Autopress(*m, host, 1));
    for (const auto& p : points)
        EXPECT_NEAR(m->Results[5][p.theta], p.phi, 1e-4) << p.theta;
}

TEST(Autopress, BarrelIsTheSlopeOfTheUnrolledGroove) {
    // h = 2 on a pitch cylinder Rp = 2: slope S'/Rp; at 90 degrees atan(1/2).
    auto m = ModelWithMotion(Harmonic(2.0), 3.0);
    m->PrimeRadius = 2.0f;
    m->CamType = "Barrel";
    m->Results[9][7] = 42.0f; // a barrel cam gets no profile
    RecordingHost host;
    ASSERT_TRUE(Autopress(*m, host, 1));
    EXPECT_NEAR(m->Results[5][90], 26.56505118, 1e-4);
    EXPECT_NEAR(m->Results[5][270], -26.56505118, 1e-4);
    EXPECT_NEAR(m->Results[5][0], 0.0, 1e-6);
    EXPECT_EQ(m->Results[9][7], 42.0f);
}

// Flat face on a circular cam of radius Rc centred eps off the cam centre: the face sits at
// eps cos t + Rc, the pressure angle is 0 and the surface curvature radius is Rc everywhere.
TEST(Sizing, FlatFaceOnCircularCam) {
    struct Case {
        double Rc, eps, Rp, omega;
    };
    for (const Case c : {Case{2.0, 0.5, 1.5, 1.0}, Case{3.5, 1.2, 2.0, 7.0}}) {
        auto m = ModelWithMotion(
            [c](double t) {
                return Motion{c.eps * std::cos(t) + c.Rc - c.Rp, -c.eps * std::sin(t),
                              -c.eps * std::cos(t)};
            },
            c.omega);
        m->PrimeRadius = static_cast<float>(c.Rp);
        m->FollowerType = 2;
        RecordingHost host;
        ASSERT_TRUE(Autopress(*m, host, 2));
        ASSERT_TRUE(RadiusOfCurvature(*m, host, 2));
        for (int i = 0; i <= 360; i += 10) {
            EXPECT_EQ(m->Results[5][i], 0.0f);
            EXPECT_NEAR(m->Results[6][i], c.Rc, 2e-5 * c.Rc) << i;
        }
    }
}

TEST(RadiusOfCurvature, RadialRollerPitchCircles) {
    RecordingHost host;
    // Eccentric pitch circle, zero offset: rho = R at every point.
    {
        auto m = ModelWithMotion(EccentricCircle(2.0, 0.7, 0.0, 1.3), 3.0);
        m->PrimeRadius = 1.3f;
        ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
        for (int i = 0; i <= 360; i += 5)
            EXPECT_NEAR(m->Results[6][i], 2.0, 1e-4) << i;
        EXPECT_FLOAT_EQ(m->CamOmega2, 9.0f);
        EXPECT_FLOAT_EQ(m->CamOmega3, 27.0f);
    }
    // A dwell is a circle about the cam centre through the roller centre (Rp + S, e).
    struct Case {
        double Rp, e, S;
    };
    for (const Case c : {Case{2.0, 0.0, 0.5}, Case{2.0, 0.8, 0.5}, Case{1.0, -0.3, 0.0}}) {
        auto m = ModelWithMotion(Dwell(c.S));
        m->PrimeRadius = static_cast<float>(c.Rp);
        m->Offset = static_cast<float>(c.e);
        ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
        const double r = std::hypot(c.Rp + c.S, c.e);
        EXPECT_NEAR(m->Results[6][123], r, 1e-6);
        EXPECT_NEAR(m->RhoMin, r, 1e-6);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(RadiusOfCurvature, BarrelGrooveCurvature) {
    // h = 2, Rp = 2: the unrolled groove y = 1 - cos(x / 2) has radius 4 at its crest and
    // trough, and at 60 degrees (1 + 0.1875)^1.5 / 0.125 = 10.35238; concave up is negative.
    auto m = ModelWithMotion(Harmonic(2.0), 1.5);
    m->PrimeRadius = 2.0f;
    m->CamType = "Barrel";
    RecordingHost host;
    ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
    EXPECT_NEAR(m->Results[6][0], -4.0, 1e-5);
    EXPECT_NEAR(m->Results[6][180], 4.0, 1e-5);
    EXPECT_NEAR(m->Results[6][60], -10.35238499, 1e-4);
}

TEST(RadiusOfCurvature, BarrelDwellIsInfiniteButRowHoldsTenPrimeRadii) {
    auto m = ModelWithMotion(Dwell(0.25));
    m->PrimeRadius = 1.5f;
    m->CamType = "Barrel";
    RecordingHost host;
    ASSERT_TRUE(RadiusOfCurvature(*m, host, 2));
    EXPECT_EQ(m->RhoPosMax, 1000000.0f);
    EXPECT_EQ(m->RhoPosMaxText, "+ Infinity");
    EXPECT_EQ(m->RhoPosMinText, "None"); // 1000000 is not below the starting 100000
    EXPECT_EQ(m->RhoNegMaxText, "None");
    EXPECT_EQ(m->RhoNegMinText, "None");
    for (int i = 0; i <= 360; ++i)
        ASSERT_EQ(m->Results[6][i], 15.0f) << i;
}

TEST(RadiusOfCurvature, ZeroDenominatorsGiveTheFiniteStandIn) {
    // r = 1, v = 0, a = r: r^2 + 2 v^2 - r a = 0.
    EXPECT_EQ(RhoRadialRoller(1.0, 0.0, 1.0), 1000000.0f);
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
    double S0; // dwell arm displacement, degrees
};

TEST(Sizing, OscillatingDwellFromTheArmTriangle) {
    const std::vector<ArmCase> cases = {{3.0, 0.0, 2.0, 2.0, 1.0, -1, 0.0},
                                        {3.0, 0.0, 2.0, 2.0, 1.0, 1, 10.0},
                                        {0.0, 4.0, 3.0, 2.0, -1.0, -1, 15.0},
                                        {-2.5, 1.5, 2.2, 1.5, -1.0, 1, -5.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pivot " << c.px << "," << c.py << " K "
                                        << c.armDir * c.camDir);
        auto m = ModelWithMotion(Dwell(c.S0), 1.7);
        m->Translating = false;
        m->PrimeRadius = static_cast<float>(c.Rp);
        m->ArmPivotX = static_cast<float>(c.px);
        m->ArmPivotY = static_cast<float>(c.py);
        m->ArmRadius = static_cast<float>(c.L);
        m->ArmDirection = static_cast<float>(c.armDir);
        m->CamDirection = c.camDir;
        RecordingHost host;
        ASSERT_TRUE(Autopress(*m, host, 1));
        ASSERT_TRUE(RadiusOfCurvature(*m, host, 1));
        EXPECT_TRUE(host.messages.empty());

        // Triangle cam centre / pivot / roller centre by the law of cosines.
        const double C = std::hypot(c.px, c.py);
        const double mu0 = std::acos((C * C + c.L * c.L - c.Rp * c.Rp) / (2 * C * c.L));
        const double mu = mu0 + Rad(c.S0);
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
    for (const ArmCase& c : {ArmCase{3.0, 0.5, 2.2, 1.6, 1.0, -1, 0.0},
                             ArmCase{-0.5, 3.2, 2.5, 1.4, 1.0, 1, 0.0},
                             ArmCase{2.0, -2.0, 2.4, 1.8, -1.0, 1, 0.0},
                             ArmCase{2.0, -2.0, 2.4, 1.8, -1.0, -1, 0.0}}) {
        SCOPED_TRACE(::testing::Message() << "pivot " << c.px << "," << c.py << " K "
                                          << c.armDir * c.camDir);
        auto m = ModelWithMotion(Harmonic(20.0), 1.0, 0.25); // S in degrees of arm swing
        m->Translating = false;
        m->PrimeRadius = static_cast<float>(c.Rp);
        m->ArmPivotX = static_cast<float>(c.px);
        m->ArmPivotY = static_cast<float>(c.py);
        m->ArmRadius = static_cast<float>(c.L);
        m->ArmDirection = static_cast<float>(c.armDir);
        m->CamDirection = c.camDir;
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
    m->Translating = false;
    m->PrimeRadius = 5.0f;
    m->ArmPivotX = 3.0f;
    m->ArmRadius = 4.0f;
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
    m->Translating = false;
    m->PrimeRadius = 2.0f;
    m->ArmPivotY = 5.0f;
    m->ArmRadius = 1.0f;
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
    struct Case {
        const char* what;
        float Rp, e, omega;
        int number;
    };
    const std::vector<Case> cases = {
        {"offset beyond the prime radius", 1.0f, 1.5f, 1.0f, 5},
        {"zero cam speed", 1.0f, 0.0f, 0.0f, 11},
        {"roller centre on the cam centre", 0.0f, 0.0f, 1.0f, 11},
    };
    for (const auto& c : cases) {
        auto m = ModelWithMotion(Dwell(0.0));
        m->PrimeRadius = c.Rp;
        m->Offset = c.e;
        m->CamOmega = c.omega;
        RecordingHost host;
        EXPECT_FALSE(Autopress(*m, host, 1)) << c.what;
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        EXPECT_NE(host.messages[0].text.find("Error " + std::to_string(c.number) + " "),
                  std::string::npos)
            << host.messages[0].text;
        EXPECT_NE(host.messages[0].text.find("has occurred in Autopress"), std::string::npos);
        for (int i = 0; i <= 360; ++i)
            ASSERT_TRUE(std::isfinite(m->Results[5][i]));
    }
}

// ---- extremes

TEST(Extremes, RhoTextsAndMinimum) {
    auto m = ModelWithMotion(Dwell(0.0));
    for (int i = 0; i <= 360; ++i)
        m->Results[6][i] = 50.0f;
    m->Results[6][10] = 3.14159f;
    m->Results[6][20] = 2500.7f;
    m->Results[6][30] = -0.5f;
    m->Results[6][40] = -1234.56f;
    m->Results[6][50] = 3.14159f; // a tie: the first stays
    RhoExtremes(*m);
    EXPECT_EQ(m->RhoPosMaxText, "2,501.");
    EXPECT_EQ(m->RhoPosMinText, "3.14");
    EXPECT_EQ(m->RhoNegMaxText, "-1,235.");
    EXPECT_EQ(m->RhoNegMinText, "-0.50");
    EXPECT_EQ(m->RhoPosMinAngle, 10.0f);
    EXPECT_EQ(m->RhoPosMaxAngle, 20.0f);
    EXPECT_EQ(m->RhoNegMinAngle, 30.0f);
    EXPECT_EQ(m->RhoNegMaxAngle, 40.0f);
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
    EXPECT_EQ(m->RhoPosMaxText, "3.");
    EXPECT_EQ(m->RhoPosMinText, "1.00");

    // Second model: every pressure angle negative, every rho negative.
    for (int i = 0; i <= 360; ++i) {
        m->Results[5][i] = -5.0f - static_cast<float>(i % 7);
        m->Results[6][i] = -3.0f - static_cast<float>(i % 5);
    }
    m->Results[5][0] = -1.0f;
    PressureExtremes(*m);
    RhoExtremes(*m);
    EXPECT_EQ(m->PressMax, 0.0f);
    EXPECT_EQ(m->PressMaxAngle, 0.0f);
    EXPECT_EQ(m->PressMin, -11.0f);
    EXPECT_EQ(m->PressMinAngle, 6.0f);
    EXPECT_EQ(m->RhoPosMaxText, "None");
    EXPECT_EQ(m->RhoPosMinText, "None");
    EXPECT_EQ(m->RhoPosMaxAngle, 0.0f);
    EXPECT_EQ(m->RhoPosMinAngle, 0.0f);
    EXPECT_EQ(m->RhoNegMaxText, "-7.");
    EXPECT_EQ(m->RhoNegMinText, "-3.00");
    EXPECT_EQ(m->RhoMin, -3.0f);
}

} // namespace
