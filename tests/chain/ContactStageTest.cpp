// The contact stage in the chain: computed with every recalculation, withdrawn by what it
// reads, and its rows offered to plots and tables only while they hold results.
#include "chain/Recalculate.h"
#include "chain/Stages.h"
#include "files/Examples.h"
#include "files/FilesTestSupport.h"
#include "files/ModelFile.h"
#include "files/OpenModel.h"
#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "model/ResultRow.h"
#include "model/Units.h"
#include "output/FunctionList.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace trochix;
using model::ResultRow;

namespace {

bool RowZero(const model::CamModel& m, int row) {
    const auto& r = m.Results[row];
    return std::all_of(r.begin(), r.begin() + m.NumPoints + 1, [](float v) { return v == 0.0f; });
}

TEST(ContactStage, FollowsTheDynamicsAndFallsWithWhatItReads) {
    model::RecordingHost host;
    auto m = testsupport::ModelAtStep();
    ASSERT_TRUE(files::LoadExample(*m, host, 1));
    ASSERT_TRUE(m->ContactDone && m->DynamicsDone);
    EXPECT_FALSE(RowZero(*m, ResultRow::ContactForce));
    EXPECT_EQ(output::MatchFunction("cf"), ResultRow::ContactForce);
    EXPECT_EQ(output::MatchFunction("HP"), ResultRow::ContactPressure);
    EXPECT_EQ(output::MatchFunction("hw"), ResultRow::ContactHalfWidth);
    EXPECT_TRUE(output::IsSelectable(*m, ResultRow::ContactPressure));
    EXPECT_EQ(m->UnitLabel[ResultRow::ContactPressure], "lb/in^2");
    EXPECT_EQ(m->UnitLabel[ResultRow::ContactHalfWidth], "in");

    // A new width: the contact goes, the dynamics stay.
    chain::Changed(*m, chain::Input::ContactData);
    EXPECT_FALSE(m->ContactDone);
    EXPECT_TRUE(m->DynamicsDone);
    EXPECT_TRUE(RowZero(*m, ResultRow::ContactPressure));
    EXPECT_FALSE(output::IsSelectable(*m, ResultRow::ContactPressure));
    ASSERT_TRUE(chain::RunContact(*m, host));
    EXPECT_TRUE(m->ContactDone);

    // A new spring: both go; the dynamics screen's pass brings both back.
    chain::Changed(*m, chain::Input::FollowerTrain);
    EXPECT_FALSE(m->ContactDone || m->DynamicsDone);
    EXPECT_TRUE(RowZero(*m, ResultRow::ContactForce));
    EXPECT_TRUE(chain::RunDynamics(*m, host) && chain::RunContact(*m, host));
    EXPECT_TRUE(host.messages.empty()) << host.lastText();
}

// The examples' rollers: where the surface is concave the band is wider than the same force
// would make it on a straight surface, where convex narrower (b ~ sqrt(F R')).
TEST(ContactStage, TheSurfaceCurvatureShapesTheBand) {
    int convex = 0, concave = 0;
    for (int n = 1; n <= files::kExampleCount; ++n) {
        model::RecordingHost host;
        auto m = testsupport::ModelAtStep();
        ASSERT_TRUE(files::LoadExample(*m, host, n));
        if (m->FollowerType != 1)
            continue;
        ASSERT_TRUE(m->Contact.HertzValid) << n;
        const auto& R = m->Results;
        for (int i = 0; i < m->NumPoints; ++i) {
            const double N = R[ResultRow::ContactForce][i], b = R[ResultRow::ContactHalfWidth][i];
            const double p0 = R[ResultRow::ContactPressure][i];
            if (N <= 0.0 || b == 0.0)
                continue;
            // p0 b = 2 N / (pi L) at every point, whatever the curvature.
            const double width = m->PlateThickness > 0 ? m->PlateThickness : 0.5 * m->PrimeRadius;
            EXPECT_NEAR(p0 * b, 2.0 * N / (testsupport::kTruePi * width), 1e-5 * p0 * b) << i;
            // b on a straight surface under the same force: sqrt(4 N Rr / (pi L E*)).
            const double Estar = 2.07e11 / model::PascalsPerStress(1) / (2 * 0.91);
            const double flat =
                std::sqrt(4 * N * m->RollerRadius / (testsupport::kTruePi * width * Estar));
            const double rho = R[ResultRow::RadiusOfCurvature][i];
            if (rho > 0 && std::fabs(rho) < 5 * m->PrimeRadius) {
                EXPECT_LT(b, flat) << i;
                ++convex;
            } else if (rho < 0 && std::fabs(rho) < 5 * m->PrimeRadius) {
                EXPECT_GT(b, flat) << i;
                ++concave;
            }
        }
    }
    EXPECT_GT(convex, 0);
    EXPECT_GT(concave, 0);
}

// No file holds the contact rows: opening a model with its dynamics computes them again from
// the stored force and the contact fields it keeps, as they were when it was saved.
TEST(ContactStage, AnOpenedModelJudgesItsContactAgain) {
    files::testing::ScratchDir dir;
    const std::string path = dir.file("wide.cam");
    model::RecordingHost host;
    auto saved = testsupport::ModelAtStep();
    ASSERT_TRUE(files::LoadExample(*saved, host, 3));
    saved->ContactWidth = 2.0f;
    ASSERT_TRUE(chain::RunContact(*saved, host));
    ASSERT_TRUE(files::SaveModel(*saved, path, host, "test"));

    auto opened = testsupport::ModelAtStep();
    ASSERT_EQ(files::OpenModel(*opened, {.path = path}, host), files::OpenStatus::Opened);
    ASSERT_TRUE(opened->ContactDone);
    EXPECT_EQ(opened->ContactWidth, 2.0f);
    for (int row : {ResultRow::ContactForce, ResultRow::ContactPressure}) {
        for (int i = 0; i <= opened->NumPoints; i += 15) {
            const float want = saved->Results[row][i];
            EXPECT_NEAR(opened->Results[row][i], want, 1e-5f * std::fabs(want)) << row << " " << i;
        }
    }
    EXPECT_EQ(opened->Contact.TopSpeed, saved->Contact.TopSpeed);
}

} // namespace
