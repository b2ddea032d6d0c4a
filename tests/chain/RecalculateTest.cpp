// Recomputing a whole model from its inputs: a user's program with a polynomial segment, a change
// of step, and the stages that stop the chain.
#include "chain/Recalculate.h"

#include "forms/BoundsForm.h"
#include "forms/InputDataForm.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "model/SegmentTable.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace trochix;
using model::CamModel;
using model::Icon;
using model::RecordingHost;

namespace {

using testsupport::kTruePi;

void Row(CamModel& m, int s, const char* dir, int law, float beta, const char* start,
         const char* end, const char* desc) {
    m.SegDir[s] = dir;
    m.SegLawText[s] = motion::LawList[law];
    m.SegBeta[s] = beta;
    m.SegBetaRadArr[s] = static_cast<float>(beta / 57.29577950560105);
    m.SegStartText[s] = start;
    m.SegEndText[s] = end;
    m.SegDesc[s] = desc;
}

// A user's program: a polynomial rise of h = 2 over 120 degrees from S, V, A conditions at both
// ends (the 3-4-5 law), a full cycloid fall over 120, a dwell at 0 over 120. Omega 10 rad/s.
std::unique_ptr<CamModel> UserProgram(RecordingHost& host) {
    auto m = std::make_unique<CamModel>();
    model::Initialize(*m, host);
    m->NumSegments = 3;
    m->CamOmega = 10.0f;
    motion::CamOmegaPowers(*m);
    m->PrimeRadius = 5.0f;
    Row(*m, 1, "P", motion::kLawPolynomial, 120.0f, "0", "2", "P");
    Row(*m, 2, "F", motion::kLawCycloidFull, 120.0f, "2", "0", "my fall");
    Row(*m, 3, "D", motion::kLawDwell, 120.0f, "0", "0", "D");
    model::StartEnd(*m);
    m->CurSeg = 1;
    motion::BoundsInput in;
    in.requested = 6;
    in.box[0] = {"0", "0", "0", ""};
    in.box[4] = {"2", "0", "0", ""};
    EXPECT_TRUE(motion::ReadBounds(*m, host, in));
    m->Lift = 0.125f; // whatever the last calculation left
    return m;
}

double Law345(double h, double x) {
    return h * (10 * std::pow(x, 3) - 15 * std::pow(x, 4) + 6 * std::pow(x, 5));
}
double CycloidRise(double h, double x) {
    return h * (x - std::sin(2 * kTruePi * x) / (2 * kTruePi));
}

} // namespace

// Every segment from its stored inputs, checked against the closed forms, at every step.
TEST(RecalculateModel, UserProgramWithAPolynomialSegmentAtEveryStep) {
    for (const char* step : {"1", "0.5", "0.25"}) {
        SCOPED_TRACE(step);
        RecordingHost host;
        auto m = UserProgram(host);
        motion::InputScreenState state = motion::LoadInputScreen();
        motion::DeltaLostFocus(*m, host, state, step);
        host.clear();
        ASSERT_TRUE(chain::RecalculateModel(*m, host));
        EXPECT_TRUE(host.messages.empty()) << host.lastText();
        const auto S = [&](double deg) {
            return m->Results[1][static_cast<int>(std::lround(deg / m->DeltaTheta))];
        };
        for (double deg : {0.0, 24.0, 60.0, 90.0, 120.0})
            EXPECT_NEAR(S(deg), Law345(2.0, deg / 120.0), 2e-5) << deg;
        for (double deg : {144.0, 180.0, 219.0})
            EXPECT_NEAR(S(deg), 2.0 - CycloidRise(2.0, (deg - 120.0) / 120.0), 1e-5) << deg;
        EXPECT_EQ(S(300.0), 0.0f);
        EXPECT_NEAR(m->TotalLift, 2.0, 1e-5);
        // Flags of every stage; the later stages filled their rows (force at 0: the preload).
        EXPECT_TRUE(m->SvajDone && m->ProfileDone && m->DynamicsDone);
        EXPECT_NEAR(m->Results[7][0], 173.0, 1e-3);
        EXPECT_NEAR(m->Results[9][0], 5.0, 1e-5); // profile: (Rp + 0, 0) at theta 0
        EXPECT_TRUE(m->SegDone[0] && m->SegDone[1] && m->SegDone[2]);
        // The table's own texts and Lift stay as they were.
        EXPECT_EQ(m->SegDesc[2], "my fall");
        EXPECT_EQ(m->Lift, 0.125f);
    }
}

// A shorter program leaves nothing of an earlier one behind.
TEST(RecalculateModel, PointsNoSegmentReachesAreCleared) {
    RecordingHost host;
    auto m = UserProgram(host);
    ASSERT_TRUE(chain::RecalculateModel(*m, host));
    m->NumSegments = 2; // the dwell row is no longer part of the program
    m->Results[1][300] = 7.0f;
    ASSERT_TRUE(chain::RecalculateModel(*m, host));
    EXPECT_EQ(m->Results[1][300], 0.0f);
    EXPECT_EQ(m->Results[0][300], 300.0f); // the angles of the step
}

// A stage that cannot complete stops the chain, says why and leaves its flag and the later ones
// false: a row without a Beta (refused before anything is stored), an arm that cannot reach the
// cam (the motion stands), a segment count beyond the table (a subscript fault, reported once).
TEST(RecalculateModel, StopsAtTheFirstStageThatFails) {
    const struct {
        const char* what;
        void (*damage)(CamModel&);
        std::string start; // of the first message
        Icon icon;
        bool svaj;
    } cases[] = {
        {"zero beta", [](CamModel& m) { m.SegBeta[2] = m.SegBetaRadArr[2] = 0.0f; },
         motion::ZeroBetaMessage(2), Icon::Exclamation, false},
        {"arm",
         [](CamModel& m) {
             m.Translating = false;
             m.ArmPivotX = 30.0f;
             m.ArmPivotY = 0.0f;
             m.ArmRadius = 2.0f;
         },
         "Your arm geometry is such that the roller cannot contact the cam", Icon::Warning, true},
        {"17 segments", [](CamModel& m) { m.NumSegments = 17; },
         "Error 9   (Subscript out of range)  has occurred in RecalculateModel", Icon::Critical,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingHost host;
        auto m = UserProgram(host);
        c.damage(*m);
        host.clear();
        EXPECT_FALSE(chain::RecalculateModel(*m, host));
        ASSERT_FALSE(host.messages.empty());
        EXPECT_TRUE(c.svaj || host.messages.size() == 1u); // a refusal or a fault: once
        EXPECT_EQ(host.messages[0].text.substr(0, c.start.size()), c.start);
        EXPECT_EQ(host.messages[0].icon, c.icon);
        EXPECT_EQ(m->SvajDone, c.svaj);
        EXPECT_FALSE(m->ProfileDone || m->DynamicsDone);
        EXPECT_EQ(m->Lift, 0.125f);
    }
}

// A new prime radius on a computed model: the sizing and the dynamics after it come out as a
// whole recalculation of the changed model gives them. With torque accumulated over several
// cams the dynamics cannot be redone and are withdrawn.
TEST(RecalculateSizing, FollowsAGeometryChangeThroughTheDynamics) {
    RecordingHost host;
    auto m = UserProgram(host);
    m->RollerRadius = 1.0f;
    ASSERT_TRUE(chain::RecalculateModel(*m, host));
    ASSERT_TRUE(m->DynamicsDone);
    m->ModelSaved = true;
    m->PrimeRadius = 4.0f;
    m->CamDirection = 1;
    auto fresh = std::make_unique<CamModel>(*m);
    ASSERT_TRUE(chain::RecalculateModel(*fresh, host));
    ASSERT_TRUE(chain::RecalculateSizing(*m, host));
    EXPECT_TRUE(m->ProfileDone && m->DynamicsDone && !m->ModelSaved);
    for (int row = 5; row <= 16; ++row)
        EXPECT_TRUE(m->Results[row] == fresh->Results[row]) << row;

    m->TorqueStartFresh = false;
    const auto torque = m->Results[8];
    ASSERT_TRUE(chain::RecalculateSizing(*m, host));
    EXPECT_TRUE(m->ProfileDone);
    EXPECT_FALSE(m->DynamicsDone);
    EXPECT_TRUE(m->Results[8] == torque); // not added to again
}

// Dynamics never computed stay so; a sizing that stops leaves the cam unsized.
TEST(RecalculateSizing, StoppedSizingLeavesTheCamUnsized) {
    RecordingHost host;
    auto m = UserProgram(host);
    ASSERT_TRUE(chain::RecalculateMotion(*m, host));
    m->ProfileDone = true;
    EXPECT_TRUE(chain::RefreshDynamics(*m, host, m->DynamicsDone));
    EXPECT_FALSE(m->DynamicsDone);
    m->Translating = false; // an arm of length 0 cannot reach the cam
    m->ArmRadius = 0.0f;
    m->ArmPivotX = 10.0f;
    EXPECT_FALSE(chain::RecalculateSizing(*m, host));
    EXPECT_FALSE(m->ProfileDone || m->DynamicsDone);
    EXPECT_EQ(host.lastText(), "Your arm geometry is such that the roller cannot contact the cam");
}
