// Start-up values, the result-table reset and the reset of "New".
#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

using namespace trochix::model;

namespace {

using Texts = std::vector<std::string>;

// Every start-up value is disturbed first, so Initialize has to set each one; segments and
// results are not its business.
TEST(Initialize, SetsEveryStartUpValueAndNothingElse) {
    auto m = std::make_unique<CamModel>();
    m->MaxSegments = m->MaxBCs = m->NumFunctions = 3;
    m->NumPoints = 1440;
    m->AppTitle = m->AppVersion = m->AppDate = m->FileVersion = "x";
    m->DesignNo = 9;
    m->Loading = m->ExampleLoaded = m->SvajDone = m->ProfileDone = true;
    m->DynamicsDone = m->BcUnchanged = true;
    m->CamDirection = 1;
    m->UnitSystem = 4;
    m->Translating = false;
    m->CamOmega = m->DeltaTheta = m->PrimeRadius = m->Offset = m->RollerRadius = 7.0f;
    m->CamType = "Barrel";
    m->FileName = "/tmp/a.cam";
    m->ModelName = "A";
    m->UnitLabel.fill("?");
    m->SegBeta[3] = 90.0f;
    m->SegDir[16] = "R";
    m->Results[5][10] = 7.0f;
    RecordingHost host;
    Initialize(*m, host);
    EXPECT_EQ((std::array{m->MaxSegments, m->MaxBCs, m->NumFunctions, m->NumPoints, m->DesignNo,
                          m->CamDirection, m->UnitSystem}),
              (std::array{16, 20, 16, 360, 1, -1, 1}));
    EXPECT_EQ((Texts{m->AppTitle, m->AppVersion, m->AppDate, m->FileVersion, m->CamType,
                     m->FileName, m->ModelName, m->DateStr, m->TimeStr}),
              (Texts{"TROCHIX for Windows", "6.0", "11/30/99", "2.1", "Radial", "", "Model1",
                     "12-08-2026", "09:30:05"})); // date and time: the recording host's clock
    EXPECT_EQ((std::array{m->Loading, m->ExampleLoaded, m->SvajDone, m->ProfileDone,
                          m->DynamicsDone, m->BcUnchanged, !m->Translating}),
              (std::array<bool, 7>{}));
    EXPECT_EQ((std::array{m->CamOmega, m->DeltaTheta, m->PrimeRadius, m->Offset, m->RollerRadius}),
              (std::array{1.0f, 1.0f, 1.0f, 0.0f, 1.0f}));
    // ips, translating; label 0 is then renamed "Degrees"
    EXPECT_EQ((Texts{m->UnitLabel[0], m->UnitLabel[1], m->UnitLabel[4], m->UnitLabel[17]}),
              (Texts{"Degrees", "in", "in/sec^3", "bl"}));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(m->SegBeta[3], 90.0f);
    EXPECT_EQ(m->SegDir[16], "R");
    EXPECT_EQ(m->Results[5][10], 7.0f);
}

TEST(ClearResults, QuarterDegreeStepFillsAll1441Points) {
    auto m = std::make_unique<CamModel>();
    for (auto& row : m->Results)
        row.fill(5.0f);
    m->DeltaTheta = 0.25f;
    ClearResults(*m, 1440, 16);
    for (int i = 0; i <= 1440; ++i)
        ASSERT_EQ(m->Results[0][i], i * 0.25f) << i; // sums of quarters are exact in float
    for (int f = 1; f <= 16; ++f)
        EXPECT_EQ(m->Results[f][0] + m->Results[f][1440], 0.0f) << f;
    for (int f = 17; f <= 21; ++f) // the Fourier rows are not the step's business
        EXPECT_EQ(m->Results[f][3], 5.0f) << f;
}

TEST(ClearResults, TorqueRowSurvivesAccumulate) {
    for (bool fresh : {true, false}) {
        auto m = std::make_unique<CamModel>();
        for (auto& row : m->Results)
            row.fill(3.0f);
        m->DeltaTheta = 0.5f;
        m->TorqueStartFresh = fresh;
        ClearResults(*m, 720, 16);
        EXPECT_EQ(m->Results[0][720], 360.0f);
        EXPECT_EQ(m->Results[0][3], 1.5f);
        EXPECT_EQ(m->Results[8][100], fresh ? 0.0f : 3.0f);
        EXPECT_EQ(m->Results[7][100] + m->Results[9][100] + m->Results[16][720], 0.0f);
    }
}

TEST(ClearResults, CountsBeyondTheTableAreFaults) {
    auto m = std::make_unique<CamModel>();
    for (auto [points, functions] : {std::pair{1441, 16}, std::pair{-1, 16}, std::pair{360, kResultRows}}) {
        try {
            ClearResults(*m, points, functions);
            ADD_FAILURE() << points << " " << functions;
        } catch (const Fault& f) {
            EXPECT_EQ(f.number(), 9);
        }
    }
}

// New's reset: the input screen's texts (checked through the home screen's New), and the step,
// the grid of row 0, the row states and the flags.
TEST(ResetModel, EmptiesTheInputScreenAndResults) {
    auto m = std::make_unique<CamModel>();
    RecordingHost host;
    Initialize(*m, host);
    m->DeltaTheta = 0.25f;
    m->NumPoints = 1440;
    m->SegBeta[4] = 90.0f;
    m->SegDone[3] = m->SvajDone = m->BcUnchanged = true;
    m->Results[0][4] = 1.0f;
    m->ModelName = "Old";
    ResetModel(*m, host);
    EXPECT_EQ(m->DeltaTheta, 1.0f);
    EXPECT_EQ(m->NumPoints, 360);
    EXPECT_EQ(m->SegBeta[4], 0.0f);
    for (int i = 0; i <= 360; ++i)
        ASSERT_EQ(m->Results[0][i], static_cast<float>(i));
    EXPECT_FALSE(m->SegDone[3] || m->SvajDone || m->BcUnchanged);
    EXPECT_EQ(m->ModelName, "Model1");
}

} // namespace
