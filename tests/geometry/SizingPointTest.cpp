// The per-point sizing evaluators: hand-worked closed cases, the conditions they hand back for
// the pass to report, and every example model's rows 5 and 6 equal to them bit for bit.
#include "geometry/SizingPoint.h"

#include "GeometryFixture.h"
#include "files/Examples.h"
#include "geometry/Sizing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

SizingCase Case(FollowerKind kind, double Rp, double e = 0.0, double omega = 1.0) {
    SizingCase c;
    c.kind = kind;
    c.Rp = Rp;
    c.e = e;
    c.omega = omega;
    c.omega2 = omega * omega;
    return c;
}

// Pivot 5 from the cam centre, arm 4, prime circle 3: at S = 0 the arm meets the prime circle
// at a right angle (3-4-5), so a dwell there has phi = 0 and rho = 3.
SizingCase RightAngleArm(int K) {
    SizingCase c = Case(FollowerKind::Oscillating, 3.0);
    c.arm.C = 5.0;
    c.arm.L = 4.0;
    c.arm.armAngle0 = Deg(std::acos(0.8));
    c.arm.pivotAngle = 30.0;
    c.arm.armDirection = K;
    c.arm.camDirection = 1;
    c.arm.K = K;
    return c;
}

// phi = atan((V/omega - e) / (S + sqrt(Rp^2 - e^2))), atan(V/omega / Rp) for a barrel; the
// program's pi is good to 1e-10, the float result to 4e-6 at 45 degrees.
TEST(SizingPoint, PressureAngleHandValues) {
    const struct {
        const char* what;
        SizingCase c;
        double S, V, phi;
    } cases[] = {
        {"roller, no offset: (8/2) / (3 + 1)", Case(FollowerKind::TranslatingRoller, 3.0, 0.0, 2.0),
         1.0, 8.0, 45.0},
        {"offset 3 on 5: (14/2 - 3) / 4", Case(FollowerKind::TranslatingRoller, 5.0, 3.0, 2.0), 0.0,
         14.0, 45.0},
        {"offset cancels the velocity", Case(FollowerKind::TranslatingRoller, 5.0, 3.0, 2.0), 2.0,
         6.0, 0.0},
        {"negative offset: (-2 + 3) / (4 + 4)", Case(FollowerKind::TranslatingRoller, 5.0, -3.0),
         4.0, -2.0, 7.125016348901798},
        {"barrel: (-3/1.5) / 2", Case(FollowerKind::Barrel, 2.0, 0.0, 1.5), 0.7, -3.0, -45.0},
        {"flat face", Case(FollowerKind::TranslatingFlat, 2.0, 0.0, 3.0), 0.5, 9.0, 0.0},
        {"arm at right angles, K < 0", RightAngleArm(-1), 0.0, 0.0, 0.0},
        {"arm at right angles, K > 0", RightAngleArm(1), 0.0, 0.0, 0.0},
    };
    for (const auto& t : cases) {
        const PressurePoint p = PressureAngleAt(t.c, 40.0f, t.S, t.V);
        EXPECT_TRUE(p.written && p.fault == 0 && !p.divZeroTerm) << t.what;
        EXPECT_NEAR(p.phi, t.phi, 1e-5) << t.what;
    }
}

// Circles and closed forms: a dwell on a radial roller is the circle through (Rp + S, e); the
// eccentric pitch circle R = 2, eps = 0.6 seen at 90 degrees has X^2 = 3.64, v = -0.6,
// X a = 0.36, so rho = 4^1.5 / (3.64 + 0.72 - 0.36) = 2; a flat face has Rp + S + A/omega^2; a
// barrel groove -(1 + v^2)^1.5 / a per unit Rp; the right-angle arm's dwell the prime circle.
TEST(SizingPoint, RadiusOfCurvatureHandValues) {
    const double X = std::sqrt(3.64);
    const struct {
        const char* what;
        SizingCase c;
        double S, V, A, rho;
    } cases[] = {
        {"roller dwell", Case(FollowerKind::TranslatingRoller, 2.0), 0.5, 0.0, 0.0, 2.5},
        {"offset roller dwell, (3, 4)", Case(FollowerKind::TranslatingRoller, 2.0, 4.0), 1.0, 0.0,
         0.0, 5.0},
        {"eccentric circle", Case(FollowerKind::TranslatingRoller, 1.0, 0.0, 3.0), X - 1.0, -1.8,
         9.0 * 0.36 / X, 2.0},
        {"flat face 2 + 0.5 - 4/4", Case(FollowerKind::TranslatingFlat, 2.0, 0.0, 2.0), 0.5, 1.0,
         -4.0, 1.5},
        {"barrel crest", Case(FollowerKind::Barrel, 2.0), 0.0, 0.0, 0.5, -8.0},
        {"barrel flank", Case(FollowerKind::Barrel, 2.0), 0.0, 2.0, 0.5, -16.0 * std::sqrt(2.0)},
        {"barrel without acceleration", Case(FollowerKind::Barrel, 2.0), 0.0, 2.0, 0.0, 1e6},
        {"arm dwell", RightAngleArm(-1), 0.0, 0.0, 0.0, 3.0},
    };
    for (const auto& t : cases) {
        const RhoPoint p = RadiusOfCurvatureAt(t.c, 90.0f, t.S, t.V, t.A, 0.0f);
        EXPECT_EQ(p.fault, 0) << t.what;
        EXPECT_NEAR(p.rho, t.rho, 1e-6 * std::fabs(t.rho)) << t.what;
    }
}

// What the pass must raise or report, and that a point it skips is not written.
TEST(SizingPoint, ConditionsForThePass) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        SizingCase c;
        double S, V, A;
        int pressureFault, rhoFault;
    } faults[] = {
        {"offset beyond the prime radius", Case(FollowerKind::TranslatingRoller, 5.0, 6.0), 0, 1, 0,
         5, 0},
        {"roller standing still", Case(FollowerKind::TranslatingRoller, 5.0, 0.0, 0.0), 0, 1, 0, 11,
         11},
        {"roller centre on the cam centre", Case(FollowerKind::TranslatingRoller, 5.0, 3.0), -4.0,
         1, 0, 11, 0},
        {"barrel without pitch radius", Case(FollowerKind::Barrel, 0.0), 0, 1, 1, 11, 11},
        {"flat face standing still: phi needs no speed",
         Case(FollowerKind::TranslatingFlat, 2.0, 0.0, 0.0), 0, 1, 1, 0, 11},
        {"arm standing still",
         [] {
             SizingCase c = RightAngleArm(1);
             c.omega = 0.0;
             return c;
         }(),
         0, 1, 1, 11, 11},
        {"rho beyond the float range", Case(FollowerKind::TranslatingFlat, 2.0, 0.0, 1e-20), 0, 0,
         1e30, 0, 6},
        {"displacement beyond all range", RightAngleArm(1), inf, 1, 1, 6, 6},
    };
    for (const auto& t : faults) {
        const PressurePoint p = PressureAngleAt(t.c, 10.0f, t.S, t.V);
        EXPECT_EQ(p.fault, t.pressureFault) << t.what;
        EXPECT_EQ(p.written, t.pressureFault == 0) << t.what;
        EXPECT_EQ(RadiusOfCurvatureAt(t.c, 10.0f, t.S, t.V, t.A, 5.0f).fault, t.rhoFault) << t.what;
    }

    // Pivot 3, arm 4 at 90 degrees: S = 90 stretches the arm straight out, sin(alpha) = 0,
    // whichever way the arm turns.
    for (const int K : {-1, 0, 1}) {
        SizingCase stretched = RightAngleArm(K);
        stretched.arm.C = 3.0;
        stretched.arm.armAngle0 = 90.0;
        const PressurePoint d = PressureAngleAt(stretched, 10.0f, 90.0, 1.0);
        EXPECT_EQ(std::string(d.divZeroTerm ? d.divZeroTerm : ""), "Denom2") << K;
        EXPECT_FALSE(d.written) << K;
    }

    // Pivot 3, arm 3, folded onto the pivot line: the roller centre sits on the cam centre.
    SizingCase folded = RightAngleArm(-1);
    folded.arm.C = folded.arm.L = 3.0;
    folded.arm.armAngle0 = 0.0;
    const PressurePoint f = PressureAngleAt(folded, 10.0f, 0.0, 0.0);
    EXPECT_TRUE(f.contour.divisionByZero);
    EXPECT_TRUE(f.written); // a dwell goes on with alpha = 0: T1 - T2 = 90 - 180
    EXPECT_NEAR(f.phi, -90.0, 1e-5);
    const RhoPoint r = RadiusOfCurvatureAt(folded, 10.0f, 0.0, 0.0, 0.0, 0.0f);
    EXPECT_TRUE(r.contour.divisionByZero);
    EXPECT_EQ(r.rho, 0.0f);
}

// The pass reports point by point: a skipped point's warning, then at a later point the arc
// cosine's complaint before the fault that stops the pass; rows before the fault are written.
TEST(SizingPoint, PassReportsInPointOrder) {
    auto m = ModelWithMotion(Harmonic(2.0));
    SetArm(*m, 5.0, 3.0, 0.0, 4.0);
    m->Results[1][10] = 90.0f;
    m->Results[1][20] = std::numeric_limits<float>::infinity();
    RecordingHost host;
    EXPECT_FALSE(Autopress(*m, host, 1));
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].text,
              "An attempt to divide by zero was detected in Autopress when calculating\r"
              "the pressure angle at theta =  10\r"
              "Will continue to attempt calculation at other pointsDenom2");
    EXPECT_EQ(host.messages[1].text.rfind("Something wrong - cannot take ArcCos of ", 0), 0u);
    EXPECT_EQ(host.messages[2].text, "Error 6   (Overflow)  has occurred in Autopress\r\r");
    EXPECT_NE(m->Results[5][19], 0.0f);
    EXPECT_EQ(m->Results[5][21], 0.0f);
}

// Every example model, and each again as a barrel cam, holds in rows 5 and 6 what the
// evaluators give at each point (row 6 after the +-10 Rp limit), to the last bit.
TEST(SizingPoint, ExampleRowsAreTheEvaluators) {
    for (int n = 1; n <= files::kExampleCount; ++n) {
        for (const bool barrel : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "example " << n << (barrel ? " barrel" : ""));
            auto m = testsupport::ModelAtStep(1.0f);
            RecordingHost host;
            ASSERT_TRUE(files::LoadExample(*m, host, n));
            if (barrel) {
                m->CamType = "Barrel";
                ASSERT_TRUE(Autopress(*m, host, m->FollowerType));
                ASSERT_TRUE(RadiusOfCurvature(*m, host, m->FollowerType));
            }
            const SizingCase c = SizingCaseOf(*m, m->FollowerType);
            const float limit = static_cast<float>(10.0 * m->PrimeRadius);
            const auto& R = m->Results;
            for (int i = 0; i <= m->NumPoints; ++i) {
                const PressurePoint p = PressureAngleAt(c, R[0][i], R[1][i], R[2][i]);
                ASSERT_TRUE(p.written && p.fault == 0) << i;
                ASSERT_EQ(std::bit_cast<std::uint32_t>(p.phi),
                          std::bit_cast<std::uint32_t>(R[5][i]))
                    << "phi at " << i;
                const RhoPoint r =
                    RadiusOfCurvatureAt(c, R[0][i], R[1][i], R[2][i], R[3][i], R[5][i]);
                ASSERT_EQ(r.fault, 0) << i;
                ASSERT_EQ(std::bit_cast<std::uint32_t>(std::clamp(r.rho, -limit, limit)),
                          std::bit_cast<std::uint32_t>(R[6][i]))
                    << "rho at " << i;
            }
        }
    }
}

} // namespace
