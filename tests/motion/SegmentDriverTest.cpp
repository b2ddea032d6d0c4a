// Storing points, recording segment ends and the segment calculation.
#include "MotionTestSupport.h"

#include "model/RecordingHost.h"
#include "motion/SegmentDriver.h"

#include <gtest/gtest.h>

using namespace trochix;
using namespace trochix::motion;
using namespace trochix::motion::test;

namespace {

bool Calc(model::CamModel& m, model::RecordingHost& host, int seg) {
    return CalcSegment(m, host, seg, ReadLaw(m, seg));
}

} // namespace

// A full cycloid rise of 1 over 90 degrees on a base of 0.5 at 60 rpm (2 pi rad/s): the middle
// point (index 45) is half way up, and V there is 2h/br per radian (textbook peak of the
// cycloid) times omega: 2 / (pi/2) * 2 pi = 8 per second. Tolerance: float rounding.
TEST(SegmentDriver, CycloidRiseStoresBaseAndPerSecondValues) {
    auto m = EmptyModel();
    SetSegment(*m, 1, kLawCycloidFull, "R", 0.0f, 90.0f, 1.0f);
    m->SegLow[1] = 0.5f;
    m->CamOmega = static_cast<float>(60 * 3.141592654 / 30);
    CamOmegaPowers(*m);
    model::RecordingHost host;
    ASSERT_TRUE(Calc(*m, host, 1));
    EXPECT_NEAR(m->Results[1][45], 1.0, 1e-6);
    EXPECT_NEAR(m->Results[2][45], 8.0, 1e-5);
    EXPECT_EQ(m->Results[0][45], 45.0f);
    EXPECT_NEAR(m->Results[1][0], 0.5, 1e-7);
    EXPECT_NEAR(m->Results[1][90], 1.5, 1e-6);
    EXPECT_NEAR(m->TotalLift, 1.5, 1e-6); // points 91..360 still hold 0
}

// Steps of 0.5 and 0.25 put the 45-degree point at index 90 and 180; a 360-degree segment at a
// step of 1 fills all 361 points.
TEST(SegmentDriver, StepsPlacePointsOnTheirGrid) {
    struct Case {
        float step;
        int middle, last;
    };
    for (const Case c : {Case{1.0f, 45, 90}, Case{0.5f, 90, 180}, Case{0.25f, 180, 360}}) {
        auto m = EmptyModel(c.step);
        SetSegment(*m, 1, kLawCycloidFull, "R", 0.0f, 90.0f, 1.0f);
        model::RecordingHost host;
        ASSERT_TRUE(Calc(*m, host, 1));
        EXPECT_NEAR(m->Results[1][c.middle], 0.5, 1e-6) << c.step;
        EXPECT_NEAR(m->Results[1][c.last], 1.0, 1e-6) << c.step;
        EXPECT_EQ(m->Results[0][c.middle], 45.0f);
        EXPECT_EQ(m->Results[1][c.last + 1], 0.0f);
    }

    auto m = EmptyModel(1.0f);
    for (int i = 0; i <= 360; ++i)
        m->Results[1][i] = -7.0f;
    SetSegment(*m, 1, kLawDwell, "D", 0.0f, 360.0f, 3.0f);
    model::RecordingHost host;
    ASSERT_TRUE(Calc(*m, host, 1));
    for (int i = 0; i <= 360; ++i)
        ASSERT_EQ(m->Results[1][i], 3.0f) << i;
}

// A 33.3-degree segment at a step of 1 computes local angles 0..33 only; the next segment's
// first point (global 33.3) lands on index 33 and overwrites it.
TEST(SegmentDriver, SegmentOffTheGridSharesItsLastIndex) {
    auto m = EmptyModel();
    model::RecordingHost host;
    SetSegment(*m, 1, kLawDwell, "D", 0.0f, 33.3f, 1.0f);
    ASSERT_TRUE(Calc(*m, host, 1));
    EXPECT_EQ(m->Results[0][33], 33.0f);
    EXPECT_EQ(m->Results[1][33], 1.0f);
    EXPECT_EQ(m->Results[1][34], 0.0f);

    SetSegment(*m, 2, kLawDwell, "D", 33.3f, 20.0f, 2.0f);
    ASSERT_TRUE(Calc(*m, host, 2));
    EXPECT_FLOAT_EQ(m->Results[0][33], 33.3f);
    EXPECT_EQ(m->Results[1][33], 2.0f);
    EXPECT_EQ(m->Results[1][53], 2.0f);
}

// SegEnds come from the points at the segment's ends, one step inside each end for a dwell.
TEST(SegmentDriver, SegBoundaryReadsOneStepInsideADwell) {
    struct Case {
        const char* dir;
        int first, last;
    };
    for (const Case c : {Case{"R", 40, 100}, Case{"d", 41, 99}, Case{"P", 40, 100}}) {
        auto m = EmptyModel(0.5f);
        for (int k = 1; k <= 4; ++k)
            for (int i = 0; i <= 720; ++i)
                m->Results[k][i] = static_cast<float>(1000 * k + i);
        m->CurSeg = 3;
        m->SegStart[3] = 20.0f;
        m->SegBetaDeg = 30.0f;
        m->SegDir[3] = c.dir;
        SegBoundary(*m);
        for (int k = 0; k <= 3; ++k) {
            EXPECT_EQ(m->SegEnds[3][1][k], 1000.0f * (k + 1) + c.first) << c.dir;
            EXPECT_EQ(m->SegEnds[3][2][k], 1000.0f * (k + 1) + c.last) << c.dir;
        }
    }
}

// Refusals leave Results exactly as they were.
TEST(SegmentDriver, SegmentWithoutBetaOrLawIsRefusedBeforeStoring) {
    auto m = EmptyModel();
    for (int i = 0; i <= 360; ++i)
        m->Results[1][i] = 5.0f;
    model::RecordingHost host;
    SetSegment(*m, 2, kLawCycloidFull, "R", 90.0f, 0.0f, 1.0f);
    EXPECT_FALSE(Calc(*m, host, 2));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.lastText(),
              "Segment 2 has a duration (Beta) of zero - please enter its Beta before calculating");
    EXPECT_EQ(host.messages[0].icon, model::Icon::Exclamation);

    SetSegment(*m, 2, kLawCycloidFull, "F", 90.0f, 30.0f, 1.0f);
    m->SegLawText[2].clear();
    m->SegLawFamily[2] = kLawNone;
    EXPECT_FALSE(Calc(*m, host, 2));
    EXPECT_EQ(host.lastText(), "Segment 2 has no motion law - please pick one from its Program "
                               "list before calculating");
    for (int i = 0; i <= 360; ++i)
        ASSERT_EQ(m->Results[1][i], 5.0f);
}

// The half laws follow the variant: C2 at its middle is h (1/2 + 1/pi); forced to the full
// variant the same row runs the full cycloid (h/2).
TEST(SegmentDriver, VariantChoosesHalfOrFullLaw) {
    auto m = EmptyModel();
    SetSegment(*m, 1, kLawCycloid2, "R", 0.0f, 60.0f, 1.0f);
    model::RecordingHost host;
    ASSERT_TRUE(Calc(*m, host, 1));
    EXPECT_NEAR(m->Results[1][30], 0.5 + 1 / 3.141592653589793, 1e-6);
    ASSERT_TRUE(CalcSegment(*m, host, 1, 1));
    EXPECT_NEAR(m->Results[1][30], 0.5, 1e-6);
}

TEST(SegmentDriver, ReadOmegaRefusesZero) {
    auto m = EmptyModel();
    model::RecordingHost host;
    ReadOmega(*m, host, 0.0);
    EXPECT_EQ(host.lastText(), " Shaft Omega cannot be zero - Please check");
    EXPECT_EQ(m->CamOmega, 1.0f);
    ReadOmega(*m, host, 30.0);
    EXPECT_FLOAT_EQ(m->CamOmega, 3.141592654f);
}
