// The stages of the chain: what a changed input withdraws, what a completed stage withdraws,
// and a transform that must not outlive the rows it was taken of.
#include "chain/Stages.h"
#include "chain/Recalculate.h"

#include "files/Examples.h"
#include "forms/InputDataForm.h"
#include "forms/MotionProgram.h"
#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "model/ResultRow.h"
#include "output/FunctionList.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace trochix;
using chain::Input;
using model::ResultRow;
using model::Stage;

namespace {

bool Zero(const model::CamModel& m, int row) {
    return std::all_of(m.Results[row].begin(), m.Results[row].end(),
                       [](float v) { return v == 0.0f; });
}

// Example 1 computed whole, with a transform of `fftRow`.
std::unique_ptr<model::CamModel> Computed(model::RecordingHost& host, int fftRow) {
    auto m = testsupport::ModelAtStep();
    EXPECT_TRUE(files::LoadExample(*m, host, 1));
    EXPECT_TRUE(chain::RunSpectrum(*m, host, fftRow, m->NumPoints));
    m->ModelSaved = true;
    return m;
}

TEST(Stages, AChangedInputWithdrawsItsFirstReaderAndEveryLaterStage) {
    struct Case {
        Input input;
        bool svaj, profile, dynamics;
    };
    for (const Case c :
         {Case{Input::MotionProgram, false, false, false},
          Case{Input::CamGeometry, true, false, false},
          Case{Input::FollowerTrain, true, true, false}, Case{Input::Bearing, true, true, false}}) {
        model::RecordingHost host;
        auto m = Computed(host, ResultRow::Displacement);
        const auto s = m->Results[ResultRow::Displacement];
        chain::Changed(*m, c.input);
        EXPECT_EQ((std::array{m->SvajDone, m->ProfileDone, m->DynamicsDone}),
                  (std::array{c.svaj, c.profile, c.dynamics}));
        EXPECT_FALSE(m->ModelSaved);
        EXPECT_EQ(Zero(*m, ResultRow::Displacement), !c.svaj);
        if (c.svaj) {
            EXPECT_TRUE(m->Results[ResultRow::Displacement] == s);
        }
        for (int row : {5, 6, 9, 10, 11, 12, 13, 14})
            EXPECT_EQ(Zero(*m, row), !c.profile) << row;
        for (int row : {7, 8, 15, 16})
            EXPECT_TRUE(Zero(*m, row)) << row;
        // The transform of S holds as long as S does.
        EXPECT_EQ(m->FftDone, c.svaj);
        EXPECT_EQ(Zero(*m, ResultRow::FftMagnitude), !c.svaj);
    }
}

TEST(Stages, ATransformGoesWithTheStageOfItsRow) {
    model::RecordingHost host;
    auto m = Computed(host, ResultRow::Force);
    chain::Changed(*m, Input::Bearing);
    EXPECT_FALSE(m->FftDone);
    EXPECT_FALSE(output::IsSelectable(*m, ResultRow::FftReal));
    for (int row = ResultRow::FftReal; row <= ResultRow::FftPower; ++row)
        EXPECT_TRUE(Zero(*m, row)) << row;
    EXPECT_TRUE(std::all_of(m->FFTResult.begin(), m->FFTResult.end(),
                            [](const auto& h) { return h == std::array<float, 5>{}; }));
}

TEST(Stages, AnAccumulatedTorqueSurvivesAndAStageCompletedWithdrawsItsReaders) {
    model::RecordingHost host;
    auto m = Computed(host, ResultRow::Torque);
    m->TorqueStartFresh = false;
    const auto torque = m->Results[ResultRow::Torque];
    chain::Withdraw(*m, Stage::Dynamics);
    EXPECT_TRUE(m->Results[ResultRow::Torque] == torque);
    EXPECT_TRUE(Zero(*m, ResultRow::Force) && Zero(*m, ResultRow::FrictionTorque));

    // Sizing again withdraws the dynamics read from the old pressure angle, not the profile
    // it computes in the same pass.
    ASSERT_TRUE(chain::RunDynamics(*m, host));
    ASSERT_TRUE(chain::RunSizing(*m, host));
    EXPECT_TRUE(m->ProfileDone && !m->DynamicsDone && !Zero(*m, ResultRow::XCoord));
    EXPECT_TRUE(chain::Done(*m, Stage::Profile) && !chain::Done(*m, Stage::Torque));
}

// A new motion program withdraws the transform of the old one, which the selections would
// otherwise keep offering as "Current FFT".
TEST(Stages, ANewMotionProgramWithdrawsTheTransform) {
    model::RecordingHost host;
    auto m = Computed(host, ResultRow::Acceleration);
    ASSERT_TRUE(m->FftDone);
    m->ExampleLoaded = false;
    motion::InputScreenState st = motion::LoadInputScreen();
    motion::SyncScreenState(*m, st);
    ASSERT_TRUE(motion::CompleteMotionProgram(*m, host, st));
    EXPECT_TRUE(m->SvajDone && !m->ProfileDone && !m->FftDone);
    EXPECT_FALSE(output::IsSelectable(*m, ResultRow::FftMagnitude));
    for (int row = ResultRow::PressureAngle; row <= ResultRow::FftPower; ++row)
        EXPECT_TRUE(Zero(*m, row)) << row;
}

} // namespace
