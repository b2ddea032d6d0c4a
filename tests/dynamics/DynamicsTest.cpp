#include "dynamics/Dynamics.h"
#include "chain/Recalculate.h"
#include "dynamics/DynamicsFixture.h"
#include "dynamics/DynamicsText.h"
#include "forms/DynamicsForm.h"
#include "model/ReportError.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <array>

using namespace trochix;
using dynamics::DynamicsBox;
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

std::array<float, 9> Inputs(const model::CamModel& m) {
    return {m.EffMass,   m.Preload,          m.SpringK,         m.DampC,    m.JournalRadius,
            m.DampRatio, m.FollowerFriction, m.JournalFriction, m.FluctCoef};
}

} // namespace

// Expected values: OmegaN = sqrt(k/m), Cc = 2 sqrt(k m), c = zeta Cc and the textbook
// OmegaD = OmegaN sqrt(1 - zeta^2) (a different formula from the one under test).
TEST(NaturalFrequencies, MatchTextbookValues) {
    const struct {
        float m, k, zeta;
    } cases[] = {{0.073804f, 132.0f, 0.15f},
                 {2.0f, 800.0f, 0.0f},
                 {0.5f, 3.0e4f, 0.7f},
                 {10.0f, 1.0e6f, 0.05f}};
    for (const auto& c : cases) {
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

// Labels show one decimal: with the start-up train sqrt(132 / 0.073804) = 42.2909, Cc = 6.2425,
// c = 0.9364 and OmegaD = 41.8124 (hand values).
TEST(NaturalFrequencies, LabelsShowOneDecimal) {
    model::RecordingHost host;
    auto m = NewModel(host);
    dynamics::NaturalFrequencies(*m);
    const auto labels = dynamics::FrequencyTexts(*m);
    EXPECT_EQ(labels.omegaN + " " + labels.cc + " " + labels.damping + " " + labels.omegaD,
              "42.3 6.2 0.9 41.8");
    m->ForceMax = 1234.56f;
    m->ForceMin = -12.34f;
    m->TorqueMax = 7.0f;
    const auto texts = dynamics::ExtremeTexts(*m);
    EXPECT_EQ(texts.forceMax + " " + texts.forceMin + " " + texts.torqueMax, "1,234.6 -12.3 7.0");
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
    EXPECT_EQ(dynamics::FrequencyTexts(*m).omegaD, "0.0");
    // A loaded model can carry zeta above 1: the damped frequency has no real value, stays blank.
    FillHarmonicCam(*m, 1.0, 10.0, 0.0);
    m->DampRatio = 1.5f;
    ASSERT_TRUE(dynamics::Dynamics(*m, host));
    EXPECT_FALSE(m->OmegaDValid);
    EXPECT_EQ(m->OmegaD, 0.0f);
    EXPECT_EQ(dynamics::FrequencyTexts(*m).omegaD, "");
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
    ASSERT_TRUE(chain::RunDynamics(*m, host));
    EXPECT_EQ((std::array{m->DampC, m->OmegaN, m->CritDamp, m->OmegaD}),
              (std::array{0.5f, 7.0f, 8.0f, 9.0f}));
    // No spring, no natural frequency: the labels are blank, not an earlier spring's values,
    // and the damping box keeps the typed c.
    const auto labels = dynamics::FrequencyTexts(*m);
    EXPECT_EQ(labels.omegaN + labels.cc + labels.omegaD + labels.damping, "");
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

// Friction torque hand values with F = 100, S = 0.5, Rp = 1.5, journal mu 0.01 and radius 0.5,
// follower mu 0.1, at phi = 60 degrees: N = 200, Q = 173.2051, journal term 1.0.
TEST(Dynamics, FrictionTorqueByFollowerAndCamType) {
    const struct {
        int follower;
        const char* cam;
        double phiDeg, expected;
    } cases[] = {
        {1, "Radial", 60, 1.0 + 200 * 0.1 * 2.0},       // roller: N on S + Rp
        {2, "Radial", 60, 1.0 + 173.20508 * 0.1 * 2.0}, // flat face: Q on S + Rp
        {1, "Barrel", 60, 1.0 + 200 * 0.1 * 0.5},       // barrel: R0 = 0
        {2, "Radial", 0, 0.5},                          // flat face, phi 0: journal only
        {1, "Radial", 0, 0.5 + 100 * 0.1 * 2.0},
    };
    for (const auto& c : cases) {
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

// cos 90 degrees has no finite normal force: one report, the other points intact. A zero mass
// with a spring is refused as a whole, the rows left as they were.
TEST(Dynamics, DivisionsByZeroAreReportedOnce) {
    model::RecordingHost host;
    auto m = NewModel(host);
    FillHarmonicCam(*m, 1.0, 10.0, 20.0);
    m->Results[5][40] = m->Results[5][200] = 90.0f;
    m->Results[5][41] = -90.0f;
    ASSERT_TRUE(chain::RunDynamics(*m, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, model::ReportErrorText(11, "Dynamics"));
    EXPECT_EQ(m->Results[15][40] + m->Results[15][200], 0.0f);
    const double expected = std::fabs(m->Results[7][39] / std::cos(20 * dyntest::kTruePi / 180)) *
                            (0.01 * 0.5 + 0.1 * (m->Results[1][39] + 1.0));
    EXPECT_NEAR(m->Results[15][39], expected, 1e-4 * expected);
    EXPECT_TRUE(m->DynamicsDone);
    dyntest::ExpectAllRowsFinite(*m);

    auto z = NewModel(host);
    FillHarmonicCam(*z, 1.0, 10.0, 0.0);
    z->EffMass = 0.0f;
    z->Results[7][5] = 123.0f;
    host.clear();
    EXPECT_FALSE(dynamics::Dynamics(*z, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, model::ReportErrorText(11, "Dynamics"));
    EXPECT_EQ(z->Results[7][5], 123.0f);
    EXPECT_FALSE(z->DynamicsDone);
    dyntest::ExpectAllRowsFinite(*z);
}

// A refused value, out of range or not a number, shows its message (warning icon, default
// title), leaves the model as it was and gives the box the model's value back; a fluctuation
// outside 0..1 becomes .05 instead. Letters are never read as 0 (k = 0 would silently change
// how damping is entered).
TEST(DynamicsBoxes, RefusedValuesShowTheirMessageAndReset) {
    const std::string positive = "This value must be positive.  Please redo.";
    const std::string friction = "Friction cannot be negative.  Please redo.";
    const std::string zeta = "Zeta must be between 0 and 1.  Please redo";
    const std::string fluct = " Coefficient of fluctuation must be between zero and one - Try .05 ";
    const struct {
        DynamicsBox box;
        const char* typed;
        std::string message;
        const char* reset;
    } cases[] = {
        {DynamicsBox::Mass, "-0.5", positive, "0.073804"},
        {DynamicsBox::Mass, "abc", positive, "0.073804"},
        {DynamicsBox::Preload, "-1", positive, "173"},
        {DynamicsBox::Preload, "1 73", positive, "173"},
        {DynamicsBox::Spring, "-132", positive, "132"},
        {DynamicsBox::Spring, "abc", positive, "132"},
        {DynamicsBox::Spring, "", positive, "132"},
        {DynamicsBox::Damping, "-.2", positive, "0"},
        {DynamicsBox::Journal, "-2", positive, "1"},
        {DynamicsBox::Journal, "1in", positive, "1"},
        {DynamicsBox::Zeta, "-0.1", zeta, "0.15"},
        {DynamicsBox::Zeta, "1.01", zeta, "0.15"},
        {DynamicsBox::Zeta, "half", zeta, "0.15"},
        {DynamicsBox::FollowerFriction, "-0.1", friction, "0.1"},
        {DynamicsBox::JournalFriction, "-3", friction, "0.01"},
        {DynamicsBox::JournalFriction, "o.01", friction, "0.01"},
        {DynamicsBox::Fluctuation, "0", fluct, "0.05"},
        {DynamicsBox::Fluctuation, "-0.2", fluct, "0.05"},
        {DynamicsBox::Fluctuation, "1.5", fluct, "0.05"},
        {DynamicsBox::Fluctuation, "abc", fluct, "0.05"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        model::RecordingHost host;
        auto m = NewModel(host);
        m->FluctCoef = 0.3f;
        auto before = Inputs(*m);
        const auto r = dynamics::CommitDynamicsBox(*m, host, c.box, c.typed);
        EXPECT_FALSE(r.accepted || r.rerun);
        EXPECT_EQ(r.boxText, c.reset);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.message);
        EXPECT_EQ(host.messages[0].icon, model::Icon::Warning);
        EXPECT_EQ(host.messages[0].title, model::DefaultTitle());
        if (c.box == DynamicsBox::Fluctuation)
            before[8] = 0.05f;
        EXPECT_EQ(Inputs(*m), before);
    }
}

TEST(DynamicsBoxes, AcceptedValuesAreStored) {
    model::RecordingHost host;
    auto m = NewModel(host);
    const struct {
        DynamicsBox box;
        const char* typed;
        float model::CamModel::*field;
        float stored;
    } cases[] = {
        {DynamicsBox::Mass, "0", &model::CamModel::EffMass, 0.0f}, // zero passes "< 0"
        {DynamicsBox::Preload, "250", &model::CamModel::Preload, 250.0f},
        {DynamicsBox::Spring, "0", &model::CamModel::SpringK, 0.0f},
        {DynamicsBox::Damping, "1.25", &model::CamModel::DampC, 1.25f},
        {DynamicsBox::Journal, "3", &model::CamModel::JournalRadius, 1.5f}, // diameter in
        {DynamicsBox::Zeta, "1", &model::CamModel::DampRatio, 1.0f},
        {DynamicsBox::Zeta, "0", &model::CamModel::DampRatio, 0.0f},
        {DynamicsBox::FollowerFriction, "0", &model::CamModel::FollowerFriction, 0.0f},
        {DynamicsBox::JournalFriction, ".02", &model::CamModel::JournalFriction, 0.02f},
        {DynamicsBox::Fluctuation, "1", &model::CamModel::FluctCoef, 1.0f},
    };
    for (const auto& c : cases) {
        m->TorqueStartFresh = true;
        auto r = dynamics::CommitDynamicsBox(*m, host, c.box, c.typed);
        EXPECT_TRUE(r.accepted && r.rerun) << c.typed;
        EXPECT_EQ(r.boxText, c.typed);
        EXPECT_EQ((*m).*c.field, c.stored) << c.typed;
        m->TorqueStartFresh = false; // Accumulate: no automatic rerun
        EXPECT_FALSE(dynamics::CommitDynamicsBox(*m, host, c.box, c.typed).rerun);
    }
    EXPECT_TRUE(host.messages.empty());
}

// The start-up follower train (MassProp) as the boxes show it, and the unit labels.
TEST(DynamicsBoxes, DefaultsUnitsAndDampingEntry) {
    model::RecordingHost host;
    auto m = NewModel(host);
    m->EffMass = m->SpringK = m->Preload = m->DampRatio = m->JournalRadius = 9.0f;
    m->JournalFriction = m->FollowerFriction = m->FluctCoef = 9.0f;
    model::MassProp(*m);
    const auto t = dynamics::BoxTexts(*m);
    EXPECT_EQ((std::vector{t.mass, t.spring, t.preload, t.zeta, t.journal, t.journalFriction,
                           t.followerFriction, t.fluctuation}),
              (std::vector<std::string>{"0.073804", "132", "173", "0.15", "1", "0.01", "0.1",
                                        "0.05"})); // journal: twice the radius 0.5
    EXPECT_EQ(dynamics::BoxText(-0.25f), "-0.25");
    EXPECT_EQ(dynamics::BoxText(1.5e7f), "1.5E+07");
    EXPECT_TRUE(dynamics::DampingBoxes(0.0f).coefficientEditable);
    EXPECT_FALSE(dynamics::DampingBoxes(0.0f).zetaEditable);
    EXPECT_TRUE(dynamics::DampingBoxes(132.0f).zetaEditable);
    EXPECT_FALSE(dynamics::DampingBoxes(132.0f).coefficientEditable);

    auto u = dynamics::UnitTexts(*m);
    EXPECT_EQ((std::vector{u.mass, u.springForce, u.springLength, u.dampingForce, u.torque}),
              (std::vector<std::string>{"bl", "lb", "in", "lb-s", "lb-in"}));
    model::SelectUnitSystem(*m, 5);
    u = dynamics::UnitTexts(*m);
    EXPECT_EQ((std::vector{u.mass, u.dampingForce, u.journal, u.force, u.torque}),
              (std::vector<std::string>{"kg", "KN-s", "mm", "KN", "KN-mm"}));
}

// Opening withdraws the stage: force, friction and flywheel torque go, and the torque too
// unless it is being accumulated.
TEST(DynamicsScreen, OpeningClearsForceAndFreshTorque) {
    for (bool fresh : {true, false}) {
        model::RecordingHost host;
        auto m = NewModel(host);
        m->TorqueStartFresh = fresh;
        m->DynamicsDone = true;
        for (int i = 0; i <= m->NumPoints; ++i) {
            m->Results[7][i] = 5.0f;
            m->Results[8][i] = 6.0f;
            m->Results[15][i] = 7.0f;
        }
        dynamics::ClearDynamicsResults(*m);
        EXPECT_FALSE(m->DynamicsDone);
        for (int i : {0, 180, 360})
            EXPECT_EQ((std::array{m->Results[7][i], m->Results[8][i], m->Results[15][i]}),
                      (std::array{0.0f, fresh ? 0.0f : 6.0f, 0.0f}));
    }
}

TEST(DynamicsScreen, AccumulateWarning) {
    model::RecordingHost host;
    dynamics::ShowAccumulateWarning(host);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Selecting Torque Accumulation will cause each succeeding\r"
              " torque calculation to add to the existing torque function.\r\r"
              "So do not click the Calculate Button on this form more than once\r"
              "for each new cam on the camshaft after designing it on the other forms.");
    EXPECT_EQ(host.messages[0].icon, model::Icon::Warning);
    EXPECT_EQ(host.messages[0].title, model::DefaultTitle());
}
