// The option rules of the sizing screen, the texts of the Draw Cam screen and the summary's
// units, as plain data.
#include "forms/SizeCamForm.h"
#include "forms/AnimateForm.h"
#include "geometry/GeometryFixture.h"
#include "geometry/Sizing.h"
#include "geometry/SizingSummary.h"
#include "model/Units.h"

#include <gtest/gtest.h>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::Icon;
using model::RecordingHost;

namespace {

const char* const kMinBase =
    "The minimum base circle radius for no negative Radius of Curvature is ";

} // namespace

// Offset only for a translating roller on a radial cam; the roller radius for a roller; the arm
// for an oscillating follower.
TEST(SizeCamForm, WhichBoxesTakeInput) {
    const struct {
        bool translating;
        int type;
        bool barrel;
        bool offset, follower, arm;
    } cases[] = {
        {true, 1, false, true, true, false},  {true, 2, false, false, false, false},
        {true, 1, true, false, true, false},  {false, 1, false, false, true, true},
        {false, 2, true, false, false, true},
    };
    for (const auto& c : cases) {
        SizeCamInputs in;
        in.translating = c.translating;
        in.followerType = c.type;
        in.barrel = c.barrel;
        const SizeCamEnabling e = SizeCamInputsEnabled(in);
        EXPECT_EQ((std::array{e.offset, e.follower, e.arm}),
                  (std::array{c.offset, c.follower, c.arm}))
            << c.translating << c.type << c.barrel;
    }
}

// Flat, Barrel and Oscillating set the offset to 0; Flat advises the minimum base circle
// (S = 1/2 (1 - cos t) at omega 2: A/omega^2 = 1/2 cos t is least, -1/2, at 180 degrees where
// S = 1, so Rb_min = 0.5 - 1 = -0.5), but not while an example fills the screens nor before the
// motion program exists. Every option goes into the model.
TEST(SizeCamForm, OptionClicks) {
    const struct {
        SizeCamOption changed;
        bool translating;
        int type;
        bool barrel;
        bool exampleSizing, svajDone;
        bool zeroed;
        const char* message;
    } cases[] = {
        {SizeCamOption::Foltype, true, 2, false, false, true, true, "-0.50  in"},
        {SizeCamOption::Foltype, true, 2, false, true, true, true, nullptr},
        {SizeCamOption::Foltype, true, 2, false, false, false, true, nullptr},
        {SizeCamOption::Foltype, true, 1, false, false, true, false, nullptr},
        {SizeCamOption::FolDirect, true, 1, true, false, true, true, nullptr},
        {SizeCamOption::FolDirect, true, 1, false, false, true, false, nullptr},
        {SizeCamOption::Folmotion, false, 1, false, false, true, true, nullptr},
        {SizeCamOption::Folmotion, true, 1, false, false, true, false, nullptr},
        {SizeCamOption::Rotate, true, 1, false, false, true, false, nullptr},
    };
    for (const auto& c : cases) {
        auto m = ModelWithMotion(Harmonic(1.0), 2.0);
        model::RefreshUnitLabels(*m);
        m->Offset = 0.5f;
        m->ExampleSizing = c.exampleSizing;
        m->SvajDone = c.svajDone;
        SizeCamInputs in;
        in.translating = c.translating;
        in.followerType = c.type;
        in.barrel = c.barrel;
        in.ccw = true;
        in.armCcw = false;
        RecordingHost host;
        const SizeCamOptionResult r = SizeCamOptionClick(*m, host, in, c.changed);
        SCOPED_TRACE(static_cast<int>(c.changed));
        EXPECT_EQ(r.offsetZeroed, c.zeroed);
        EXPECT_EQ(m->Offset, c.zeroed ? 0.0f : 0.5f);
        EXPECT_EQ(r.redraw && r.clearResults, c.svajDone);
        if (c.message) {
            ASSERT_EQ(host.messages.size(), std::size_t(1));
            EXPECT_EQ(host.messages[0].text, std::string(kMinBase) + c.message);
            EXPECT_EQ(host.messages[0].icon, Icon::Information);
        } else {
            EXPECT_TRUE(host.messages.empty());
        }
        EXPECT_EQ(m->CamDirection, 1);
        EXPECT_EQ(m->ArmDirection, -1.0f);
        EXPECT_EQ(m->Translating, c.translating);
        EXPECT_EQ(m->FollowerType, c.type);
        EXPECT_EQ(m->CamType, c.barrel ? "Barrel" : "Radial");
        // An arm's S is an angle.
        EXPECT_EQ(m->UnitLabel[1], c.translating ? "in" : "deg");
    }
}

// Results show only for a sized cam; the boxes show the model, an offset only where the
// follower has one; the prime frame says "Prime Distance" for an offset roller.
TEST(SizeCamForm, WhatTheScreenShowsOnArrival) {
    auto m = ModelWithMotion(Harmonic(1.0));
    m->PrimeRadius = 2.5f;
    m->Offset = -0.25f;
    m->RollerRadius = 0.75f;
    m->PressMax = 21.449f;
    m->PressMin = -3.06f;
    m->RhoMin = 1.2345f;
    const SizeResultsState blank = SizeResultsShown(*m);
    EXPECT_EQ(blank.pamax + blank.pamin + blank.rhomin, "");
    EXPECT_TRUE(blank.calcEnabled && !blank.doneEnabled && !blank.summaryEnabled);
    m->ProfileDone = true;
    const SizeResultsState shown = SizeResultsShown(*m);
    EXPECT_EQ(shown.pamax + " " + shown.pamin + " " + shown.rhomin, "21.4 -3.1 1.23");
    EXPECT_TRUE(!shown.calcEnabled && shown.doneEnabled && shown.summaryEnabled);

    SizeCamBoxes b = SizeCamBoxesOf(*m);
    EXPECT_EQ(b.prime + "|" + b.offset + "|" + b.follower, "2.5|-.25|.75");
    EXPECT_EQ(PrimeCaptionOf(*m), "Prime Distance");
    m->FollowerType = 2;
    EXPECT_EQ(SizeCamBoxesOf(*m).offset, "0");
    EXPECT_EQ(PrimeCaptionOf(*m), "Prime Radius");
}

TEST(AnimateForm, Texts) {
    auto m = ModelWithMotion(Harmonic(1.0));
    m->PressMax = 30.06f;
    m->PressMin = -0.04f;
    m->RhoPosMinText = "2.05";
    m->RhoNegMinText = "None";
    m->RollerRadius = 0.5f;
    m->Offset = 0.75f;
    AnimateTexts t = AnimateResults(*m);
    EXPECT_EQ(t.pamax + "|" + t.pamin + "|" + t.rhoPos + "|" + t.rhoNeg, "30.1|0.0|2.05|None");
    EXPECT_EQ(t.followerCaption + "|" + t.followerText + "|" + t.primeCaption,
              "Folwr Radius|.5|Prime Distance");
    EXPECT_TRUE(t.followerEditable && t.offsetEditable);
    m->FollowerType = 2;
    m->FaceWidth = 1.004f;
    t = AnimateResults(*m);
    EXPECT_EQ(t.followerCaption + "|" + t.followerText + "|" + t.primeCaption,
              "Folwr Width|1.00|Prime Radius");
    EXPECT_FALSE(t.followerEditable || t.offsetEditable);

    EXPECT_EQ(AnimatePrintQuestion(),
              "The image of cam and follower on this screen may not come out on some printers.\r"
              "If this occurs, you can still get a printout of the screen by copying it to the "
              "clipboard\r(use Alt-PrintScrn) and pasting the image into a word processor,  a "
              "drawing program,\r or a graphics package, then printing from it.\r\r"
              "Do you want to send it to the printer now anyway?");
}

// The radius of curvature of an arm's cam is a length: its summary lines say so, though S is
// in degrees.
TEST(PrintPressMax, RadiusOfCurvatureOfAnArmInLengthUnits) {
    auto m = ModelWithMotion(Harmonic(10.0));
    SetArm(*m, 1.0, 3.0, 0.0, 2.5);
    model::SelectUnitSystem(*m, 5);
    ASSERT_EQ(m->UnitLabel[1], "deg");
    m->RhoPosMinText = "1.50";
    m->RhoPosMinAngle = 10.0f;
    const PressMaxSummary s = PrintPressMax(*m);
    EXPECT_EQ(s.radcurv[2], "  Smallest pos radius of curvature = 1.50  mm @ cam angle 10  deg");
}
