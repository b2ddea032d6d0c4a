// Start-up values, the result-table reset and the reset of "New".
#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trochix::model;

namespace {

// A model with every start-up value disturbed, so Initialize has to set each one.
std::unique_ptr<CamModel> Disturbed() {
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
    m->EffMass = m->SpringK = m->Preload = m->DampRatio = -1.0f;
    m->JournalRadius = m->JournalFriction = m->FollowerFriction = m->FluctCoef = -1.0f;
    m->CamOmega = m->DeltaTheta = m->PrimeRadius = m->Offset = m->RollerRadius = 7.0f;
    m->CamType = "Barrel";
    m->FileName = "/tmp/a.cam";
    m->ModelName = "A";
    m->UnitLabel.fill("?");
    return m;
}

TEST(Initialize, SetsEveryStartUpValue) {
    auto m = Disturbed();
    RecordingHost host;
    Initialize(*m, host);
    EXPECT_EQ(m->MaxSegments, 16);
    EXPECT_EQ(m->MaxBCs, 20);
    EXPECT_EQ(m->NumFunctions, 16);
    EXPECT_EQ(m->NumPoints, 360);
    EXPECT_EQ(m->AppTitle, "TROCHIX for Windows");
    EXPECT_EQ(m->AppVersion, "6.0");
    EXPECT_EQ(m->AppDate, "11/30/99");
    EXPECT_EQ(m->FileVersion, "2.1");
    EXPECT_EQ(m->DesignNo, 1);
    for (bool flag : {m->Loading, m->ExampleLoaded, m->SvajDone, m->ProfileDone, m->DynamicsDone,
                      m->BcUnchanged})
        EXPECT_FALSE(flag);
    EXPECT_EQ(m->CamDirection, -1);
    EXPECT_EQ(m->UnitSystem, 1);
    EXPECT_TRUE(m->Translating);
    // ips, translating; label 0 is then renamed "Degrees"
    EXPECT_EQ(m->UnitLabel[0], "Degrees");
    EXPECT_EQ(m->UnitLabel[1], "in");
    EXPECT_EQ(m->UnitLabel[4], "in/sec^3");
    EXPECT_EQ(m->UnitLabel[8], "lb-in");
    EXPECT_EQ(m->UnitLabel[17], "bl");
    EXPECT_EQ(m->CamOmega, 1.0f);
    EXPECT_EQ(m->DeltaTheta, 1.0f);
    EXPECT_EQ(m->PrimeRadius, 1.0f);
    EXPECT_EQ(m->Offset, 0.0f);
    EXPECT_EQ(m->RollerRadius, 1.0f);
    EXPECT_EQ(m->CamType, "Radial");
    EXPECT_EQ(m->FileName, "");
    EXPECT_EQ(m->ModelName, "Model1");
    EXPECT_EQ(m->DateStr, "12-08-2026"); // the recording host's clock
    EXPECT_EQ(m->TimeStr, "09:30:05");
    EXPECT_TRUE(host.messages.empty());
}

TEST(Initialize, MassPropDefaults) {
    auto m = Disturbed();
    MassProp(*m);
    EXPECT_EQ(m->EffMass, 0.073804f);
    EXPECT_EQ(m->SpringK, 132.0f);
    EXPECT_EQ(m->Preload, 173.0f);
    EXPECT_EQ(m->DampRatio, 0.15f);
    EXPECT_EQ(m->JournalRadius, 0.5f); // a journal diameter of 1
    EXPECT_EQ(m->JournalFriction, 0.01f);
    EXPECT_EQ(m->FollowerFriction, 0.1f);
    EXPECT_EQ(m->FluctCoef, 0.05f);
}

TEST(Initialize, LeavesSegmentsAndResultsAlone) {
    auto m = std::make_unique<CamModel>();
    m->SegBeta[3] = 90.0f;
    m->SegDir[16] = "R";
    m->Results[5][10] = 7.0f;
    m->Results[0][1] = 0.25f;
    RecordingHost host;
    Initialize(*m, host);
    EXPECT_EQ(m->SegBeta[3], 90.0f);
    EXPECT_EQ(m->SegDir[16], "R");
    EXPECT_EQ(m->Results[5][10], 7.0f);
    EXPECT_EQ(m->Results[0][1], 0.25f);
}

TEST(ClearResults, QuarterDegreeStepFillsAll1441Points) {
    auto m = std::make_unique<CamModel>();
    for (auto& row : m->Results)
        row.fill(5.0f);
    m->DeltaTheta = 0.25f;
    ClearResults(*m, 1440, 16);
    for (int i = 0; i <= 1440; ++i)
        ASSERT_EQ(m->Results[0][i], i * 0.25f) << i; // sums of quarters are exact in float
    EXPECT_EQ(m->Results[0][1440], 360.0f);
    for (int f = 1; f <= 16; ++f) {
        EXPECT_EQ(m->Results[f][0], 0.0f) << f;
        EXPECT_EQ(m->Results[f][1440], 0.0f) << f;
    }
    // The Fourier rows are not the step's business.
    for (int f = 17; f <= 21; ++f)
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
        EXPECT_EQ(m->Results[7][100], 0.0f);
        EXPECT_EQ(m->Results[9][100], 0.0f);
        EXPECT_EQ(m->Results[16][720], 0.0f);
    }
}

TEST(ClearResults, CountsBeyondTheTableAreFaults) {
    auto m = std::make_unique<CamModel>();
    for (auto [points, functions] : {std::pair{1441, 16}, std::pair{-1, 16}, std::pair{360, 22}}) {
        try {
            ClearResults(*m, points, functions);
            ADD_FAILURE() << points << " " << functions;
        } catch (const Fault& f) {
            EXPECT_EQ(f.number(), 9);
        }
    }
}

TEST(ResetModel, EmptiesTheInputScreenAndResults) {
    auto m = std::make_unique<CamModel>();
    RecordingHost host;
    Initialize(*m, host);
    m->OmegaText = "300";
    m->SegmentsText = "4";
    m->NumSegments = 4;
    m->DeltaText = ".25";
    m->DeltaTheta = 0.25f;
    m->NumPoints = 1440;
    m->SegBetaText[4] = "90";
    m->SegBeta[4] = 90.0f;
    m->SegDir[2] = "F";
    m->SegDone[3] = true;
    m->Results[1][200] = 2.0f;
    m->Results[0][4] = 1.0f;
    m->SvajDone = m->BcUnchanged = true;
    m->ModelName = "Old";
    ResetModel(*m, host);
    EXPECT_EQ(m->OmegaText, "1");
    EXPECT_EQ(m->SegmentsText, "1");
    EXPECT_EQ(m->DeltaText, "1");
    EXPECT_EQ(m->NumSegments, 1);
    EXPECT_EQ(m->DeltaTheta, 1.0f);
    EXPECT_EQ(m->NumPoints, 360);
    EXPECT_EQ(m->SegBetaText[4], "");
    EXPECT_EQ(m->SegBeta[4], 0.0f);
    EXPECT_EQ(m->SegDir[2], "");
    EXPECT_FALSE(m->SegDone[3]);
    for (int i = 0; i <= 360; ++i)
        ASSERT_EQ(m->Results[0][i], static_cast<float>(i));
    EXPECT_EQ(m->Results[1][200], 0.0f);
    EXPECT_FALSE(m->SvajDone);
    EXPECT_FALSE(m->BcUnchanged);
    EXPECT_EQ(m->ModelName, "Model1");
}

// Index alignment of the name tables and the blanks that pad column headers.
TEST(NameTables, IndexingAndPadding) {
    EXPECT_EQ(FuncName[0], "Cam Angle");
    EXPECT_EQ(FuncName[8], "Torque");
    EXPECT_EQ(FuncName[16], "Flywheel Torque");
    EXPECT_EQ(FuncName[17], "");
    EXPECT_EQ(FuncShort[1], "Displcmnt"); // like Results rows
    EXPECT_EQ(FuncShort[13], "Xshftd 90 ");
    EXPECT_EQ(FuncShort[14], "Yshftd 90 ");
    EXPECT_EQ(FuncShort[20], "Ang FFT");
    EXPECT_EQ(FuncAbbrev[0], "Displ "); // from 0 = displacement
    EXPECT_EQ(FuncAbbrev[4], "Phi   ");
    EXPECT_EQ(FuncAbbrev[5], "Rho   ");
    EXPECT_EQ(FuncAbbrev[11], "Theta ");
    EXPECT_EQ(FuncAbbrev[14], "T-frict ");
    EXPECT_EQ(FuncAbbrev[19], "Phs");
    EXPECT_EQ(FuncLetter[0], "S");
    EXPECT_EQ(FuncLetter[5], "r");
    EXPECT_EQ(FuncLetter[11], "0");
    EXPECT_EQ(FuncLetter[14], "Fr");
    EXPECT_EQ(FuncLetter[19], "Ph");
    EXPECT_EQ(SvajName[0], "Disp");
    EXPECT_EQ(SvajName[3], "Jerk");
}

} // namespace
