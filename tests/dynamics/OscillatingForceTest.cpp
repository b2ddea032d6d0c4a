// An oscillating arm's rows 1 to 3 are angles; the spring, damper and mass act at the roller.
#include "dynamics/Dynamics.h"
#include "dynamics/DynamicsFixture.h"
#include "files/Examples.h"
#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "model/ResultRow.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace trochix;
using model::ResultRow;

// S = h/2 (1 - cos t) degrees of arm at w rad/s, arm L = 12, no friction. Hand values, with
// the roller's travel along the arc s = L S pi/180 (h = 4.77 deg gives 0.999026 in):
//   c  = 0.15 x 2 sqrt(132 x 0.073804) = 0.936371
//   t = 180: s = 0.999026, v = 0, a = -0.499513 x 6.28^2 -> F = 131.8715 + 173 - 1.45394
//            = 303.4176
//   t = 90:  s = 0.499513, v = 3.136942, a = 0 -> F = 65.93572 + 173 + 2.93737 = 241.8731,
//            torque F v / w = 120.8188 in-lb
// Read as degrees times a rate per inch the force at 180 would be 802.6 lb.
TEST(Dynamics, OscillatingArmForceActsAtTheRoller) {
    model::RecordingHost host;
    auto m = dyntest::NewModel(host);
    const double h = 4.77, w = 6.28;
    m->CamOmega = static_cast<float>(w);
    dyntest::FillRow(*m, 1, [=](double t) { return h / 2 * (1 - std::cos(t)); });
    dyntest::FillRow(*m, 2, [=](double t) { return h / 2 * std::sin(t) * w; });
    dyntest::FillRow(*m, 3, [=](double t) { return h / 2 * std::cos(t) * w * w; });
    dyntest::FillRow(*m, 5, [](double) { return 0.0; });
    m->Translating = false;
    m->ArmRadius = 12.0f;
    m->JournalFriction = 0.0f;
    m->FollowerFriction = 0.0f;
    ASSERT_TRUE(dynamics::Dynamics(*m, host));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_NEAR(m->DampC, 0.936371, 1e-5);
    EXPECT_NEAR(m->Results[ResultRow::Force][180], 303.4176, 2e-3);
    EXPECT_NEAR(m->Results[ResultRow::Force][90], 241.8731, 2e-3);
    EXPECT_NEAR(m->Results[ResultRow::Torque][90], 120.8188, 2e-3);
    EXPECT_NEAR(m->Results[ResultRow::Torque][180], 0.0, 1e-3);
    EXPECT_NEAR(dynamics::RollerTravelPerUnit(*m), 12 * 3.141592654 / 180, 1e-15);

    // The same motion on a translating follower is lengths already: k S with S in inches.
    m->Translating = true;
    ASSERT_TRUE(dynamics::Dynamics(*m, host));
    EXPECT_NEAR(m->Results[ResultRow::Force][180], 132 * h + 173 - 0.073804 * h / 2 * w * w, 2e-3);
}

// The double-dwell oscillating example: its dwell at 4.77 deg of a 12 in arm holds the roller
// 12 x 4.77 x pi/180 = 0.999026 in out, so the spring of 132 lb/in with its 173 lb preload
// pushes with 132 x 0.999026 + 173 = 304.8715 lb (V = A = 0 in a dwell), not the 802.6 lb of
// degrees times lb/in. The dwell at 0 leaves the preload alone.
TEST(Dynamics, DoubleDwellOscillatingExampleForces) {
    model::RecordingHost host;
    auto m = dyntest::NewModel(host);
    ASSERT_TRUE(files::LoadExample(*m, host, 4));
    ASSERT_FALSE(m->Translating);
    ASSERT_EQ(m->ArmRadius, 12.0f);
    ASSERT_EQ(m->NumPoints, 360);
    for (int deg : {100, 135, 170})
        EXPECT_NEAR(m->Results[ResultRow::Force][deg], 304.8715, 2e-3) << deg;
    for (int deg : {280, 315, 350})
        EXPECT_NEAR(m->Results[ResultRow::Force][deg], 173.0, 1e-3) << deg;
    EXPECT_LT(m->ForceMax, 320.0f);
    EXPECT_GT(m->ForceMax, 304.0f);
}
