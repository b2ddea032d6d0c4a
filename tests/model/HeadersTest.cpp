// Window titles and the header panels' texts.
#include "model/CamModel.h"
#include "model/Captions.h"
#include "model/Headers.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trochix::model;

namespace {

std::unique_ptr<CamModel> StartedModel() {
    auto m = std::make_unique<CamModel>();
    RecordingHost host; // clock 12-08-2026 09:30:05
    Initialize(*m, host);
    return m;
}

} // namespace

TEST(Headers, TitlePanelNamesTheFileOnlyOnceSaved) {
    auto m = StartedModel();
    m->UserName = "J. Engineer";
    m->DesignNo = 12;
    const std::string head = "J. Engineer\r Design No. 12\r12-08-2026\r at 09:30:05";
    EXPECT_EQ(FillHeaders(*m, 0).Header, head);
    m->FileName = "/home/je/cams/valve7.cam";
    m->ModelName = "valve7";
    EXPECT_EQ(FillHeaders(*m, 0).Header, head + "\r File: valve7");
}

// CamOmega holds rad/s; the header shows rpm = omega * 30 / pi, worked out by hand.
TEST(Headers, CamSpeedInRpmToOneDecimal) {
    const std::pair<float, const char*> cases[] = {
        {1.0f, "9.5"}, {10.471976f, "100.0"}, {104.71976f, "1,000.0"}, {0.0f, "0.0"}};
    auto m = StartedModel();
    for (const auto& [omega, rpm] : cases) {
        m->CamOmega = omega;
        EXPECT_EQ(FillHeaders(*m, 0).CamOmega, rpm) << omega;
    }
}

// Clockwise for the start-up direction; a choice of segment beyond the motion program cannot
// name one, so the whole cam is meant.
TEST(Headers, RotationAndSegmentChoice) {
    auto m = StartedModel();
    m->NumSegments = 3;
    m->DeltaText = "0.5";
    const HeaderTexts all = FillHeaders(*m, 4);
    EXPECT_EQ(all.CamRotates + " " + all.Segment + " " + all.StartTheta + " " + all.EndTheta +
                  " " + all.DeltaTheta,
              "Cw All 0 360 0.5");
}

TEST(Headers, SizeDataRoundedAndLabelled) {
    auto m = StartedModel();
    m->PrimeRadius = 2.346f;
    m->Offset = -0.5f;
    m->PressMax = 29.96f;
    m->PressMin = -12.34f;
    m->RhoPosMinText = "1.234";
    m->RhoNegMinText = "None";
    m->RollerRadiusText = "0.75";
    m->FollowerType = 1;
    HeaderTexts h = FillHeaders(*m, 0);
    EXPECT_FALSE(h.SizeDataVisible); // not sized yet
    EXPECT_EQ(h.PrimeRadius + "|" + h.Offset + "|" + h.MaxPhi + "|" + h.MinPhi + "|" +
                  h.MinRhoPos + "|" + h.MinRhoNeg + "|" + h.FolwrRad + "|" + h.LengthUnit,
              "2.35|-0.50|30.0|-12.3|1.234|None|0.75|in");
    m->ProfileDone = true;
    m->FollowerType = 2;
    SelectUnitSystem(*m, 3);
    h = FillHeaders(*m, 0);
    EXPECT_TRUE(h.SizeDataVisible);
    EXPECT_EQ(h.FolwrRad, "Infinite");
    EXPECT_EQ(h.LengthUnit, "m");
}

// Window titles written out by hand: application title, nine blanks, suffix ("" for the bare
// title); a title other than the program's own shows that the captions follow it.
TEST(Captions, EveryScreenTitle) {
    const char* suffixes[] = {"", "Home Screen", "Input Screen", "Input Boundary Conditions",
                              "Polynomial Data", "Segment Continuity Check", "Size Cam", "Draw Cam",
                              "Cam Dynamics", "Fourier Transform", "Select Plot Type",
                              "Select Plot Data", "Select Plot Data", "Select Plot Data",
                              "Select Plot Data", "", "", "", "", "", "", "Print Select",
                              "Output Screen", "", "", "", "Make Cam", "Design Map",
                              "Follower Response"};
    const char* names[] = {"Title", "HomeScreen", "InputData", "Bounds", "Poly", "Continuity",
                           "SizeCam", "Animate", "Dynamics", "FFT", "PlotType", "PlotSelect1",
                           "PlotSelect2", "PlotSelect3", "PlotSelect4", "Plot1", "Plot2",
                           "Myplot2", "Plot3", "MyPlot3", "Plot4", "PrintSelect", "PrintData",
                           "User", "Quit", "About", "MakeCam", "DesignMap", "Response"};
    ASSERT_EQ(std::size(suffixes), static_cast<std::size_t>(kScreenCount));
    ASSERT_EQ(std::size(names), static_cast<std::size_t>(kScreenCount));
    const Captions captions = SetCaptions("CAM");
    for (int i = 0; i < kScreenCount; ++i) {
        const std::string suffix = suffixes[i];
        EXPECT_EQ(captions[i], suffix.empty() ? "CAM" : "CAM         " + suffix) << i;
        EXPECT_EQ(ScreenName(static_cast<ScreenId>(i)), "frm_" + std::string(names[i]));
    }
}
