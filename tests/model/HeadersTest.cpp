#include "model/CamModel.h"
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

TEST(Headers, ReleaseLineJoinsItsPieces) {
    auto m = StartedModel();
    EXPECT_EQ(ReleaseLine(*m), "Release 6.0 -32-bit,  Rev 2.1   11/30/99");
}

TEST(Headers, TitlePanelNamesTheFileOnlyOnceSaved) {
    auto m = StartedModel();
    m->UserName = "J. Engineer";
    m->DesignNo = 12;
    EXPECT_EQ(FillHeaders(*m, 0).Header, "J. Engineer\r Design No. 12\r12-08-2026\r at 09:30:05");
    m->FileName = "/home/je/cams/valve7.cam";
    m->ModelName = "valve7";
    EXPECT_EQ(FillHeaders(*m, 0).Header,
              "J. Engineer\r Design No. 12\r12-08-2026\r at 09:30:05\r File: valve7");
}

TEST(Headers, CamSpeedInRpmToOneDecimal) {
    // CamOmega holds rad/s; the header shows rpm = omega * 30 / pi, worked out by hand.
    struct Case {
        float omega;
        const char* rpm;
    } cases[] = {
        {1.0f, "9.5"},          // 9.5493
        {10.471976f, "100.0"},  // 100 rpm typed on the input screen
        {104.71976f, "1,000.0"}, // grouping comma of the screen format
        {0.0f, "0.0"},
    };
    auto m = StartedModel();
    for (const Case& c : cases) {
        m->CamOmega = c.omega;
        EXPECT_EQ(FillHeaders(*m, 0).CamOmega, c.rpm) << c.omega;
    }
}

TEST(Headers, RotationAndSegmentChoice) {
    auto m = StartedModel();
    m->NumSegments = 3;
    m->SegStart[2] = 90.0f;
    m->SegEnd[2] = 157.5f;
    m->DeltaText = "0.5";

    m->CamDirection = -1;
    HeaderTexts all = FillHeaders(*m, 0);
    EXPECT_EQ(all.CamRotates, "Cw");
    EXPECT_EQ(all.Segment, "All");
    EXPECT_EQ(all.StartTheta, "0");
    EXPECT_EQ(all.EndTheta, "360");
    EXPECT_EQ(all.DeltaTheta, "0.5");

    m->CamDirection = 1;
    HeaderTexts two = FillHeaders(*m, 2);
    EXPECT_EQ(two.CamRotates, "Ccw");
    EXPECT_EQ(two.Segment, "2");
    EXPECT_EQ(two.StartTheta, "90");
    EXPECT_EQ(two.EndTheta, "157.5");

    // A choice beyond the motion program cannot name a segment: the whole cam is meant.
    EXPECT_EQ(FillHeaders(*m, 4).Segment, "All");
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
    EXPECT_EQ(h.PrimeRadius, "2.35");
    EXPECT_EQ(h.Offset, "-0.50");
    EXPECT_EQ(h.MaxPhi, "30.0");
    EXPECT_EQ(h.MinPhi, "-12.3");
    EXPECT_EQ(h.MinRhoPos, "1.234");
    EXPECT_EQ(h.MinRhoNeg, "None");
    EXPECT_EQ(h.FolwrRad, "0.75");
    EXPECT_EQ(h.LengthUnit, "in");

    m->ProfileDone = true;
    m->FollowerType = 2;
    SelectUnitSystem(*m, 3);
    h = FillHeaders(*m, 0);
    EXPECT_TRUE(h.SizeDataVisible);
    EXPECT_EQ(h.FolwrRad, "Infinite");
    EXPECT_EQ(h.LengthUnit, "m");
}
