// The contact stage against numbers worked by hand: Hertz line contact from the textbook's
// diameter form, a harmonic cam whose jump, preload, spring and top speed follow in closed
// form, and the examples' top speeds checked by running them at that speed.
#include "dynamics/Contact.h"
#include "chain/Recalculate.h"
#include "dynamics/Dynamics.h"
#include "dynamics/DynamicsFixture.h"
#include "dynamics/Hertz.h"
#include "files/Examples.h"
#include "model/ResultRow.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

using namespace trochix;
using dyntest::FillRow;
using dyntest::NewModel;
using model::ResultRow;

namespace {

// Shigley's form with diameters, a different arrangement from the code's radii and E*:
//   b = sqrt(2 F / (pi L) x ((1 - nu1^2)/E1 + (1 - nu2^2)/E2) / (1/d1 + 1/d2)),
//   pmax = 2 F / (pi b L).
TEST(Hertz, CylinderOnCylinderAndOnPlaneMatchTheTextbook) {
    const struct {
        double F, L, R1, kappa2, E, nu; // kappa2: 1/R2, 0 for a plane
        double b, p0;                   // worked in the diameter form above
    } cases[] = {
        // Steel 30e6 psi, nu 0.3, d1 = 1 in on d2 = 2 in, 1000 lb over 0.5 in:
        // E-term 2 x 0.91 / 30e6 = 6.0667e-8, 1/d1 + 1/d2 = 1.5,
        // b = sqrt(1273.24 x 6.0667e-8 / 1.5) = 7.17603e-3 in, pmax = 177429 psi.
        {1000.0, 0.5, 0.5, 1.0, 30e6, 0.3, 7.17603414e-3, 177429.4156},
        // Steel 2.07e11 Pa, a 20 mm roller on a plane, 500 N over 10 mm:
        // b = sqrt(31831 x 8.7923e-12 / 50) = 7.48153e-5 m, pmax = 4.25461e8 Pa.
        {500.0, 0.01, 0.01, 0.0, 2.07e11, 0.3, 7.48153277e-5, 4.254607923e8},
    };
    for (const auto& c : cases) {
        const double Estar = dynamics::ContactModulus(c.E, c.nu, c.E, c.nu);
        const auto h =
            dynamics::HertzLine(c.F, c.L, dynamics::RelativeCurvature(c.R1, c.kappa2), Estar);
        EXPECT_NEAR(h.halfWidth, c.b, 1e-8 * c.b) << c.F;
        EXPECT_NEAR(h.pressure, c.p0, 1e-8 * c.p0) << c.F;
    }
    // Two materials: 1/E* adds the bodies' compliances. Steel on aluminium 10e6 psi, nu 0.33:
    // 0.91/30e6 + 0.8911/10e6 = 1.194433e-7, E* = 8.37217e6.
    EXPECT_NEAR(dynamics::ContactModulus(30e6, 0.3, 10e6, 0.33), 8.37217e6, 10.0);
}

// tau(zeta) = zeta - zeta^2/sqrt(1 + zeta^2) (per p0) maximised by a fine scan: the textbook's
// 0.30 p0 at 0.786 b.
TEST(Hertz, LargestShearSitsAtTheTextbookDepth) {
    double best = 0.0, at = 0.0;
    for (int i = 1; i <= 200000; ++i) {
        const double z = i * 1e-5;
        const double tau = z - z * z / std::sqrt(1.0 + z * z);
        if (tau > best)
            std::tie(best, at) = std::tuple(tau, z);
    }
    EXPECT_NEAR(dynamics::kShearRatio, best, 1e-9);
    EXPECT_NEAR(dynamics::kShearDepthRatio, at, 2e-5);
    EXPECT_NEAR(dynamics::kShearRatio, 0.300, 0.001);
    EXPECT_NEAR(dynamics::kShearDepthRatio, 0.786, 0.001);
}

// A roller of radius 0.5 under 100 lb: convex, straight and concave surfaces of radius 2. The
// band widens as the surface wraps round the roller: b ~ sqrt(R'), R' = 0.4, 0.5, 0.667.
TEST(Hertz, AConcaveSurfaceWidensTheBand) {
    const double E = dynamics::ContactModulus(30e6, 0.3, 30e6, 0.3);
    const auto b = [&](double kappa) {
        return dynamics::HertzLine(100.0, 0.5, dynamics::RelativeCurvature(0.5, kappa), E)
            .halfWidth;
    };
    EXPECT_LT(b(0.5), b(0.0));
    EXPECT_LT(b(0.0), b(-0.5));
    EXPECT_NEAR(b(-0.5) / b(0.5), std::sqrt((2.0 / 3.0) / 0.4), 1e-12);
    // A hollow tighter than the roller cannot hold it; a flat face on a straight stretch has no
    // Hertz band either.
    EXPECT_LE(dynamics::RelativeCurvature(0.5, -2.5), 0.0);
    EXPECT_LE(dynamics::RelativeCurvature(0.0, 0.0), 0.0);
}

// S = h/2 (1 - cos t), A = h/2 w^2 cos t, no damping, phi = 0: with h = 1, w = 10, m = 1,
// k = 10, F0 = 5 the force is F = 10 + 45 cos t.
//   jump:    cos t <= -10/45, t in [102.84, 257.16] deg: points 103..257, centred on 180 where
//            m A = -50 is most negative; the smallest force -35 at 180.
//   preload: F0 + d with -35 + d = 0.1 (55 + d): d = 45, F0 = 50.
//   spring:  F = k S + 5 + 50 cos t is least at t = 180 for k < 100: k - 45 = 0.1 x 55, k = 50.5.
//   speed:   k S + F0 + m h/2 w^2 cos t at t = 180: 15 - 0.5 w^2 = 0, w = sqrt(30) rad/s,
//            52.30 rpm.
void WeakSpringCam(model::CamModel& m, double w) {
    m.CamOmega = static_cast<float>(w);
    m.EffMass = 1.0f;
    m.SpringK = 10.0f;
    m.Preload = 5.0f;
    m.DampRatio = 0.0f;
    FillRow(m, ResultRow::Displacement, [](double t) { return 0.5 * (1 - std::cos(t)); });
    FillRow(m, ResultRow::Velocity, [=](double t) { return 0.5 * std::sin(t) * w; });
    FillRow(m, ResultRow::Acceleration, [=](double t) { return 0.5 * std::cos(t) * w * w; });
}

bool RunBoth(model::CamModel& m, model::RecordingHost& host) {
    return dynamics::Dynamics(m, host) && dynamics::Contact(m, host, {});
}

TEST(Contact, AWeakSpringJumpsWhereTheInertiaPullsHardest) {
    model::RecordingHost host;
    auto m = NewModel(host);
    WeakSpringCam(*m, 10.0);
    ASSERT_TRUE(RunBoth(*m, host));
    const model::ContactFigures& c = m->Contact;
    ASSERT_EQ(c.JumpRanges.size(), 1u);
    EXPECT_EQ(c.JumpRanges[0], (std::array<float, 2>{103.0f, 257.0f}));
    EXPECT_NEAR(c.MinForce, -35.0f, 1e-4);
    EXPECT_EQ(c.MinForceAngle, 180.0f);
    EXPECT_NEAR(c.MaxForce, 55.0f, 1e-4);
    EXPECT_NEAR(c.PreloadNeeded, 50.0f, 1e-4);
    ASSERT_TRUE(c.SpringReaches);
    EXPECT_NEAR(c.SpringNeeded, 50.5f, 1e-4);
    ASSERT_TRUE(c.TopSpeedLimited);
    EXPECT_NEAR(c.TopSpeed, std::sqrt(30.0) * 30.0 / dyntest::kTruePi, 1e-4);
    EXPECT_FALSE(c.HertzValid); // no surface given
    // Row 22 is the force over cos(phi); here phi = 0.
    EXPECT_EQ(m->Results[ResultRow::ContactForce][90], m->Results[ResultRow::Force][90]);
}

// The solutions applied: the smallest normal force lands on its target to within 1e-6 of the
// largest. A pressure angle makes the preload count more at some points than at others.
TEST(Contact, TheNeededPreloadAndSpringHoldTheMarginOnceApplied) {
    for (double phi : {0.0, 25.0}) {
        model::RecordingHost host;
        auto m = NewModel(host);
        WeakSpringCam(*m, 10.0);
        FillRow(*m, ResultRow::PressureAngle, [=](double t) { return phi * std::sin(t); });
        ASSERT_TRUE(RunBoth(*m, host));
        const model::ContactFigures first = m->Contact;

        m->Preload = first.PreloadNeeded;
        ASSERT_TRUE(RunBoth(*m, host));
        EXPECT_NEAR(m->Contact.MinForce, 0.1 * m->Contact.MaxForce, 1e-6 * m->Contact.MaxForce)
            << phi;
        EXPECT_TRUE(m->Contact.JumpRanges.empty());

        m->Preload = 5.0f;
        m->SpringK = first.SpringNeeded;
        ASSERT_TRUE(RunBoth(*m, host));
        EXPECT_NEAR(m->Contact.MinForce, 0.1 * m->Contact.MaxForce, 1e-6 * m->Contact.MaxForce)
            << phi;
    }
}

// A margin no spring can give: the follower is at rest (S = 0) where the force is least, so
// the spring adds nothing there.
TEST(Contact, ASpringCannotHelpWhereTheFollowerIsAtRest) {
    const std::array<double, 3> base{-1.0, 5.0, 3.0}, travel{0.0, 1.0, 0.5};
    double x = 0.0;
    EXPECT_FALSE(dynamics::LeastForMargin(base, travel, 0.1, 0.0, x));
    // Already holding at the lower end of the search: that end is the answer.
    const std::array<double, 3> held{2.0, 5.0, 3.0};
    ASSERT_TRUE(dynamics::LeastForMargin(held, travel, 0.1, -4.0, x));
    EXPECT_EQ(x, -4.0);
    // -1 + x = 0.1 x 5 while -1 + x stays below 5: x = 1.5. A point that barely moves (a spring
    // near rest) must not send the search past the top of the margin's curve: with it the
    // margin holds only for x in [1.5, 4.5e5] or so.
    ASSERT_TRUE(dynamics::LeastForMargin(std::array{-1.0, 5.0}, std::array{1.0, 0.0}, 0.1, 0.0, x));
    EXPECT_NEAR(x, 1.5, 1e-12);
    ASSERT_TRUE(dynamics::LeastForMargin(std::array{-1.0, 5.0, 0.5}, std::array{1.0, 0.0, 1e-6},
                                         0.1, 0.0, x));
    EXPECT_NEAR(x, 1.5, 1e-12);
}

TEST(Contact, JumpRangesJoinAcrossTheTurn) {
    const std::array<float, 9> angle{0, 45, 90, 135, 180, 225, 270, 315, 360};
    const std::array<double, 9> wraps{-1, 2, 2, 0, -1, 3, 3, -2, -1};
    const auto r = dynamics::NonPositiveRanges(angle, wraps, 8);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (std::array<float, 2>{135.0f, 180.0f}));
    EXPECT_EQ(r[1], (std::array<float, 2>{315.0f, 0.0f}));
    const std::array<double, 9> none{1, 2, 2, 1, 1, 3, 3, 2, 1};
    EXPECT_TRUE(dynamics::NonPositiveRanges(angle, none, 8).empty());
}

// Quadratics by hand: 4 - 2r - 2r^2 = 0 at r = 1; 4 - 5r + r^2 at r = 1 (and 4); 1 + r^2
// never; a static force of zero allows no speed at all.
TEST(Contact, TopSpeedRatioIsTheFirstRootOverThePoints) {
    double r = -1.0;
    ASSERT_TRUE(dynamics::TopSpeedRatio(std::array{4.0, 9.0}, std::array{-2.0, 0.0},
                                        std::array{-2.0, -1.0}, r));
    EXPECT_NEAR(r, 1.0, 1e-15);
    ASSERT_TRUE(dynamics::TopSpeedRatio(std::array{4.0}, std::array{-5.0}, std::array{1.0}, r));
    EXPECT_NEAR(r, 1.0, 1e-15);
    EXPECT_FALSE(dynamics::TopSpeedRatio(std::array{1.0}, std::array{0.0}, std::array{1.0}, r));
    ASSERT_TRUE(dynamics::TopSpeedRatio(std::array{0.0, 1.0}, std::array{0.0, 0.0},
                                        std::array{-1.0, -1.0}, r));
    EXPECT_EQ(r, 0.0);
}

// Every example, run at the top speed it reports: the smallest normal force is zero to within
// 1e-6 of the largest, and a little faster it is negative. Damping makes each point's force a
// full quadratic in the speed.
TEST(Contact, EachExampleRunAtItsTopSpeedJustKeepsContact) {
    for (int n = 1; n <= files::kExampleCount; ++n) {
        model::RecordingHost host;
        auto m = NewModel(host);
        ASSERT_TRUE(files::LoadExample(*m, host, n)) << n;
        ASSERT_TRUE(m->ContactDone) << n;
        ASSERT_TRUE(m->Contact.TopSpeedLimited) << n;
        const double top = m->Contact.TopSpeed * dyntest::kTruePi / 30.0;
        for (double above : {1.0, 1.0001}) {
            m->CamOmega = static_cast<float>(top * above);
            ASSERT_TRUE(chain::RecalculateModel(*m, host)) << n;
            const auto& N = m->Results[ResultRow::ContactForce];
            const auto [lo, hi] = std::minmax_element(N.begin(), N.begin() + m->NumPoints);
            if (above == 1.0)
                EXPECT_NEAR(*lo, 0.0, 1e-6 * *hi) << n;
            else
                EXPECT_LT(*lo, 0.0f) << n;
        }
    }
}

// One contact, described in SI, ips and mm-KN: a 20 mm roller, 10 mm wide, pressed with 1 kN on
// a convex surface of radius 50 mm, both bodies of the default steel. The stresses agree once
// converted, and so do the band widths.
TEST(Contact, UnitSystemsGiveTheSameStressConverted) {
    const struct {
        int system;
        double metre, newton; // one metre and one newton in the system's units
    } systems[] = {{3, 1.0, 1.0},
                   {1, 1.0 / 0.0254, 1.0 / 4.4482216152605},
                   {5, 1000.0, 1e-3},
                   {4, 100.0, 1e5}};
    double p0SI = 0.0, bSI = 0.0;
    for (const auto& s : systems) {
        model::RecordingHost host;
        auto m = NewModel(host);
        model::SelectUnitSystem(*m, s.system);
        m->ContactWidth = static_cast<float>(0.01 * s.metre);
        FillRow(*m, ResultRow::Force, [&](double) { return 1000.0 * s.newton; });
        dynamics::ContactGeometry g{true, 0.01 * s.metre, {}};
        g.curvature.assign(static_cast<std::size_t>(m->NumPoints) + 1, 1.0 / (0.05 * s.metre));
        ASSERT_TRUE(dynamics::Contact(*m, host, g));
        ASSERT_TRUE(m->Contact.HertzValid);
        const double p0 = m->Contact.HertzMax * model::PascalsPerStress(s.system);
        const double b = m->Contact.HalfWidthAtMax / s.metre;
        if (s.system == 3)
            std::tie(p0SI, bSI) = std::tuple(p0, b);
        EXPECT_NEAR(p0, p0SI, 1e-5 * p0SI) << s.system;
        EXPECT_NEAR(b, bSI, 1e-5 * bSI) << s.system;
        EXPECT_NEAR(m->Contact.ShearMax / m->Contact.HertzMax, 0.3003, 1e-4);
        EXPECT_NEAR(m->Contact.ShearDepth / m->Contact.HalfWidthAtMax, 0.7862, 1e-4);
    }
    // By hand: 1/R' = 1/0.01 + 1/0.05 = 120, E* = 2.07e11 / 1.82 = 1.13736e11,
    // p0 = sqrt(w E* / (pi R')) = sqrt(1e5 x 1.13736e11 x 120 / pi) = 6.59121e8 Pa.
    EXPECT_NEAR(p0SI, 6.59121e8, 1e4);
}

} // namespace
