#include "dynamics/Dynamics.h"
#include "dynamics/DynamicsText.h"
#include "dynamics/DynamicsFixture.h"
#include "model/ReportError.h"

#include <gtest/gtest.h>

using namespace trochix;
using dyntest::FillRow;
using dyntest::NewModel;

namespace {

// A rise-and-return cam S = h/2 (1 - cos theta) at cam speed w, with its exact V and A per second.
void FillHarmonicCam(model::CamModel& m, double h, double w, double phiDeg) {
    m.CamOmega = static_cast<float>(w);
    FillRow(m, 1, [=](double t) { return h / 2 * (1 - std::cos(t)); });
    FillRow(m, 2, [=](double t) { return h / 2 * std::sin(t) * w; });
    FillRow(m, 3, [=](double t) { return h / 2 * std::cos(t) * w * w; });
    FillRow(m, 5, [=](double) { return phiDeg; });
}

} // namespace

// Expected values: OmegaN = sqrt(k/m), Cc = 2 sqrt(k m), c = zeta Cc and the textbook
// OmegaD = OmegaN sqrt(1 - zeta^2) (a different formula from the one under test).
TEST(NaturalFrequencies, MatchTextbookValues) {
    struct Case {
        float m, k, zeta;
    };
    const Case cases[] = {{0.073804f, 132.0f, 0.15f}, {2.0f, 800.0f, 0.0f},
                          {0.5f, 3.0e4f, 0.7f},      {10.0f, 1.0e6f, 0.05f}};
    for (const Case& c : cases) {
        model::RecordingHost host;
        auto m = NewModel(host);
        m->EffMass = c.m;
        m->SpringK = c.k;
        m->DampRatio = c.zeta;
        dynamics::NaturalFrequencies(*m);
        const double wn = std::sqrt(double(c.k) / c.m);
        EXPECT_NEAR(m->OmegaN, wn, 1e-6 * wn);
        EXPECT_NEAR(m->CritDamp, 2 * std::sqrt(double(c.k) * c.m), 1e-6 * wn * c.m);
        EXPECT_NEAR(m->DampC, c.zeta * 2 * std::sqrt(double(c.k) * c.m), 1e-6 * wn * c.m);
        EXPECT_TRUE(m->OmegaDValid);
        EXPECT_NEAR(m->OmegaD, wn * std::sqrt(1 - double(c.zeta) * c.zeta), 1e-5 * wn);
    }
}

TEST(NaturalFrequencies, DefaultsShowOneDecimal) {
    model::RecordingHost host;
    auto m = NewModel(host);
    dynamics::NaturalFrequencies(*m);
    const auto labels = dynamics::FrequencyTexts(*m);
    ASSERT_TRUE(labels);
    // sqrt(132 / 0.073804) = 42.2909; Cc = 6.2425; c = 0.9364; OmegaD = 41.8124 (hand values).
    EXPECT_EQ(labels->omegaN, "42.3");
    EXPECT_EQ(labels->cc, "6.2");
    EXPECT_EQ(labels->damping, "0.9");
    EXPECT_EQ(labels->omegaD, "41.8");
}

// With zeta = 1 the float rounding of c may leave k/m - (c/2m)^2 slightly negative; a sweep over
// many masses and rates must always give exactly 0.
TEST(NaturalFrequencies, CriticalDampingGivesZeroDampedFrequency) {
    model::RecordingHost host;
    auto m = NewModel(host);
    m->DampRatio = 1.0f;
    for (float mass = 0.01f; mass < 50.0f; mass *= 1.37f) {
        for (float k = 0.3f; k < 1.0e6f; k *= 2.9f) {
            m->EffMass = mass;
            m->SpringK = k;
            dynamics::NaturalFrequencies(*m);
            ASSERT_TRUE(m->OmegaDValid) << mass << " " << k;
            ASSERT_EQ(m->OmegaD, 0.0f) << mass << " " << k;
        }
    }
    EXPECT_EQ(dynamics::FrequencyTexts(*m)->omegaD, "0.0");
}

// A loaded model can carry zeta above 1: the damped frequency has no real value and stays blank.
TEST(NaturalFrequencies, OverdampedLeavesOmegaDBlank) {
    model::RecordingHost host;
    auto m = NewModel(host);
    FillHarmonicCam(*m, 1.0, 10.0, 0.0);
    m->DampRatio = 1.5f;
    ASSERT_TRUE(dynamics::Dynamics(*m, host));
    EXPECT_FALSE(m->OmegaDValid);
    EXPECT_EQ(m->OmegaD, 0.0f);
    EXPECT_EQ(dynamics::FrequencyTexts(*m)->omegaD, "");
    EXPECT_TRUE(host.messages.empty());
    dyntest::ExpectAllRowsFinite(*m);
}

// k = 0: nothing about frequencies is computed or shown, and the typed c is used in the force.
TEST(Dynamics, ZeroSpringUsesTypedDamping) {
    model::RecordingHost host;
    auto m = NewModel(host);
    const double h = 0.8, w = 12.0;
    FillHarmonicCam(*m, h, w, 0.0);
    m->SpringK = 0.0f;
    m->DampC = 0.5f;
    m->EffMass = 0.1f;
    m->Preload = 20.0f;
    m->OmegaN = 7.0f;
    m->CritDamp = 8.0f;
    m->OmegaD = 9.0f;
    ASSERT_TRUE(dynamics::Dynamics(*m, host));
    EXPECT_EQ(m->DampC, 0.5f);
    EXPECT_EQ(m->OmegaN, 7.0f);
    EXPECT_EQ(m->CritDamp, 8.0f);
    EXPECT_EQ(m->OmegaD, 9.0f);
    EXPECT_FALSE(dynamics::FrequencyTexts(*m));
    for (int deg : {0, 45, 90, 180, 300}) {
        const double t = deg * dyntest::kTruePi / 180;
        const double F = 20 + 0.5 * h / 2 * std::sin(t) * w + 0.1 * h / 2 * std::cos(t) * w * w;
        EXPECT_NEAR(m->Results[7][deg], F, 1e-4) << deg;
    }
    EXPECT_TRUE(m->DynamicsDone);
}

// Force extremes against the closed form: F = F0 + k h/2 - (k h/2 - m h w^2/2) cos t
// + c h w/2 sin t is a sinusoid about F0 + k h/2; sampling at 1 degree loses at most
// amplitude x (1 - cos 0.5 deg) = 4e-5 x amplitude.
TEST(Dynamics, ForceExtremesFollowTheClosedForm) {
    model::RecordingHost host;
    auto m = NewModel(host);
    const double h = 1.0, w = 30.0;
    FillHarmonicCam(*m, h, w, 0.0);
    ASSERT_TRUE(dynamics::Dynamics(*m, host));
    const double k = m->SpringK, c = m->DampC, mass = m->EffMass, F0 = m->Preload;
    const double amp = std::hypot(k * h / 2 - mass * h * w * w / 2, c * h * w / 2);
    EXPECT_NEAR(m->ForceMax, F0 + k * h / 2 + amp, 1e-4 * amp + 1e-3);
    EXPECT_NEAR(m->ForceMin, F0 + k * h / 2 - amp, 1e-4 * amp + 1e-3);
}

TEST(Dynamics, ExtremeLabelsShowOneDecimal) {
    model::RecordingHost host;
    auto m = NewModel(host);
    m->ForceMax = 1234.56f;
    m->ForceMin = -12.34f;
    m->TorqueMax = 7.0f;
    const auto texts = dynamics::ExtremeTexts(*m);
    EXPECT_EQ(texts.forceMax, "1,234.6");
    EXPECT_EQ(texts.forceMin, "-12.3");
    EXPECT_EQ(texts.torqueMax, "7.0");
}

// Friction torque hand values with F = 100, S = 0.5, Rp = 1.5, journal mu 0.01 and radius 0.5,
// follower mu 0.1, at phi = 60 degrees: N = 200, Q = 173.2051, journal term 1.0.
TEST(Dynamics, FrictionTorqueByFollowerAndCamType) {
    struct Case {
        int follower;
        const char* cam;
        double phiDeg;
        double expected;
    };
    const Case cases[] = {
        {1, "Radial", 60, 1.0 + 200 * 0.1 * 2.0},       // roller: N on S + Rp
        {2, "Radial", 60, 1.0 + 173.20508 * 0.1 * 2.0}, // flat face: Q on S + Rp
        {1, "Barrel", 60, 1.0 + 200 * 0.1 * 0.5},       // barrel: R0 = 0
        {2, "Radial", 0, 0.5},                          // flat face, phi 0: journal only
        {1, "Radial", 0, 0.5 + 100 * 0.1 * 2.0},
    };
    for (const Case& c : cases) {
        model::RecordingHost host;
        auto m = NewModel(host);
        m->SpringK = 0.0f;
        m->DampC = 0.0f;
        m->Preload = 100.0f;
        m->PrimeRadius = 1.5f;
        m->FollowerType = c.follower;
        m->CamType = c.cam;
        FillRow(*m, 1, [](double) { return 0.5; });
        FillRow(*m, 5, [&](double) { return c.phiDeg; });
        ASSERT_TRUE(dynamics::Dynamics(*m, host));
        for (int i : {0, 100, 360}) {
            EXPECT_NEAR(m->Results[15][i], c.expected, 1e-4) << c.follower << c.cam << c.phiDeg;
            EXPECT_NEAR(m->Results[8][i], c.expected, 1e-4); // V = 0: no drive torque
        }
    }
}

// Row 8 = F V / omega + friction; Accumulate adds each pass to the torque already held.
TEST(Dynamics, AccumulateTwiceDoublesTheTorque) {
    model::RecordingHost host;
    auto fresh = NewModel(host);
    FillHarmonicCam(*fresh, 1.0, 20.0, 25.0);
    ASSERT_TRUE(dynamics::Dynamics(*fresh, host));
    ASSERT_TRUE(dynamics::Dynamics(*fresh, host)); // Start Fresh: a second pass changes nothing

    auto acc = NewModel(host);
    FillHarmonicCam(*acc, 1.0, 20.0, 25.0);
    acc->TorqueStartFresh = false;
    ASSERT_TRUE(dynamics::Dynamics(*acc, host));
    ASSERT_TRUE(dynamics::Dynamics(*acc, host));
    for (int i = 0; i <= 360; i += 15) {
        const double once = fresh->Results[8][i];
        EXPECT_NEAR(acc->Results[8][i], 2 * once, 1e-5 * std::fabs(once) + 1e-5) << i;
        // hand check of one pass: F V / omega + friction torque
        const double F = fresh->Results[7][i], V = fresh->Results[2][i];
        EXPECT_NEAR(once, F * V / 20.0 + fresh->Results[15][i], 1e-4 * std::fabs(once) + 1e-4);
    }
    EXPECT_TRUE(host.messages.empty());
}

// cos 90 degrees has no finite normal force: one report, the other points intact.
TEST(Dynamics, RightPressureAngleIsReportedOnce) {
    model::RecordingHost host;
    auto m = NewModel(host);
    FillHarmonicCam(*m, 1.0, 10.0, 20.0);
    m->Results[5][40] = 90.0f;
    m->Results[5][41] = -90.0f;
    m->Results[5][200] = 90.0f;
    ASSERT_TRUE(dynamics::Dynamics(*m, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, model::ReportErrorText(11, "Dynamics"));
    EXPECT_EQ(m->Results[15][40], 0.0f);
    EXPECT_EQ(m->Results[15][200], 0.0f);
    const double F = m->Results[7][39];
    const double expected = std::fabs(F / std::cos(20 * dyntest::kTruePi / 180)) *
                            (0.01 * 0.5 + 0.1 * (m->Results[1][39] + 1.0));
    EXPECT_NEAR(m->Results[15][39], expected, 1e-4 * expected);
    EXPECT_TRUE(m->DynamicsDone);
    dyntest::ExpectAllRowsFinite(*m);
}

TEST(Dynamics, ZeroMassWithSpringIsAFault) {
    model::RecordingHost host;
    auto m = NewModel(host);
    FillHarmonicCam(*m, 1.0, 10.0, 0.0);
    m->EffMass = 0.0f;
    m->Results[7][5] = 123.0f;
    EXPECT_FALSE(dynamics::Dynamics(*m, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, model::ReportErrorText(11, "Dynamics"));
    EXPECT_EQ(m->Results[7][5], 123.0f);
    EXPECT_FALSE(m->DynamicsDone);
    dyntest::ExpectAllRowsFinite(*m);
}
