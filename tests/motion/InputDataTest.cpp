// The input screen's logic driven as the screen drives it: texts in, model and row states out.
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "motion/InputData.h"
#include "motion/MotionLaws.h"
#include "motion/Polynomial.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trochix;
using namespace trochix::motion;

namespace {

struct Row {
    const char* beta;
    const char* motion;
    const char* law; // "" for polynomial and dwell rows
    const char* start;
    const char* end;
};

class InputScreen : public ::testing::Test {
protected:
    std::unique_ptr<model::CamModel> m = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    InputScreenState st = LoadInputScreen();

    void SetUp() override {
        model::Initialize(*m, host);
        model::ClearResults(*m, m->NumPoints, m->NumFunctions);
    }

    // Types a program row by row in the order the screen enables the inputs.
    void Enter(std::initializer_list<Row> rows) {
        SegmentsChanged(*m, st, std::to_string(rows.size()));
        int i = 0;
        for (const Row& r : rows) {
            BetaLostFocus(*m, host, st, i, r.beta);
            MotionChanged(*m, st, i, r.motion);
            if (*r.law)
                ProgramChanged(*m, st, i, r.law);
            // An empty position is one the row above already filled in.
            if (*r.start)
                StartChanged(*m, st, i, r.start);
            if (*r.end)
                EndChanged(*m, st, i, r.end);
            ++i;
        }
    }
};

} // namespace

TEST(InputData, SegmentCountIsClampedAndRounded) {
    struct Case {
        const char* typed;
        const char* shown;
        int count;
    };
    for (const Case c : {Case{"0", "1", 1}, Case{"20", "16", 16}, Case{"5", "5", 5},
                         Case{"abc", "1", 1}, Case{"3.6", "3.6", 4}, Case{"-2", "1", 1}}) {
        const SegmentCount r = ClampSegmentCount(c.typed);
        EXPECT_EQ(r.text, c.shown) << c.typed;
        EXPECT_EQ(r.NumSegments, c.count) << c.typed;
    }
}

TEST(InputData, StepSnapsToOneOfThree) {
    struct Case {
        double typed;
        const char* shown;
        float step;
        int points;
    };
    for (const Case c : {Case{0.3, "0.25", 0.25f, 1440}, Case{0.6, "0.5", 0.5f, 720},
                         Case{2, "1.0", 1.0f, 360}, Case{0.35, "0.5", 0.5f, 720},
                         Case{0.75, "1.0", 1.0f, 360}, Case{0, "0.25", 0.25f, 1440}}) {
        const StepChoice r = SnapDelta(c.typed);
        EXPECT_EQ(r.text, c.shown) << c.typed;
        EXPECT_EQ(r.DeltaTheta, c.step);
        EXPECT_EQ(r.NumPoints, c.points);
    }
}

TEST_F(InputScreen, StepBoxSnapsAndRegridsRowZero) {
    DeltaLostFocus(*m, host, st, "0.3");
    EXPECT_EQ(m->DeltaText, "0.25");
    EXPECT_EQ(m->NumPoints, 1440);
    EXPECT_EQ(m->Results[0][1440], 360.0f);
    EXPECT_EQ(m->Results[0][3], 0.75f);
}

TEST_F(InputScreen, BetaOutsideRangeIsRefused) {
    SegmentsChanged(*m, st, "2");
    EXPECT_FALSE(BetaLostFocus(*m, host, st, 0, "400"));
    EXPECT_EQ(host.lastText(), "Beta cannot be > 360 or < 0");
    EXPECT_EQ(host.messages.back().icon, model::Icon::Exclamation);
    EXPECT_EQ(m->SegBeta[1], 0.0f);
    EXPECT_FALSE(st.Rows[0].MotionEnabled);
    EXPECT_FALSE(BetaLostFocus(*m, host, st, 0, "-1"));

    host.clear();
    EXPECT_TRUE(BetaLostFocus(*m, host, st, 0, "360"));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(m->SegBeta[1], 360.0f);
    EXPECT_FLOAT_EQ(m->SegBetaRadArr[1], 6.283185307f);
    EXPECT_TRUE(st.Rows[0].MotionEnabled);
    EXPECT_EQ(st.Rows[0].EndAngle, "360.");
}

// 90 + 90 + 200 ends at 380: the third Beta and its end angle are emptied.
TEST_F(InputScreen, EndAngleBeyond360IsRefused) {
    SegmentsChanged(*m, st, "3");
    ASSERT_TRUE(BetaLostFocus(*m, host, st, 0, "90"));
    ASSERT_TRUE(BetaLostFocus(*m, host, st, 1, "90"));
    EXPECT_EQ(st.Rows[1].StartAngle, "90.");
    EXPECT_EQ(st.Rows[1].EndAngle, "180.");
    EXPECT_FALSE(BetaLostFocus(*m, host, st, 2, "200"));
    EXPECT_EQ(host.lastText(), "End angle cannot be > 360 deg");
    EXPECT_EQ(m->SegBetaText[3], "");
    EXPECT_EQ(st.Rows[2].StartAngle, "180.");
    EXPECT_EQ(st.Rows[2].EndAngle, "");
    EXPECT_EQ(m->SegBeta[3], 0.0f);
    EXPECT_FALSE(st.Rows[2].MotionEnabled);
}

TEST_F(InputScreen, AngleLabelsCarryDecimalsOfTheStep) {
    DeltaLostFocus(*m, host, st, "0.25");
    SegmentsChanged(*m, st, "2");
    BetaLostFocus(*m, host, st, 0, "90.25");
    BetaLostFocus(*m, host, st, 1, "45");
    EXPECT_EQ(st.Rows[0].EndAngle, "90.25");
    EXPECT_EQ(st.Rows[1].StartAngle, "90.25");
    EXPECT_EQ(st.Rows[1].EndAngle, "135.25");
}

TEST_F(InputScreen, MotionLetterSetsTheRow) {
    struct Case {
        const char* typed;
        const char* dir;
        const char* law;
        bool program, start, end;
    };
    SegmentsChanged(*m, st, "1");
    for (const Case c : {Case{"Rise", "R", "", true, false, false},
                         Case{"poly", "P", "PO - Polynomial", false, true, true},
                         Case{"Dwell", "D", "DW - Dwell", false, true, false},
                         Case{"fall", "F", "", true, false, false}}) {
        ASSERT_TRUE(MotionChanged(*m, st, 0, c.typed));
        EXPECT_EQ(m->SegDir[1], c.dir);
        EXPECT_EQ(m->SegDesc[1], c.dir);
        EXPECT_EQ(m->SegLawText[1], c.law);
        EXPECT_EQ(st.Rows[0].ProgramEnabled, c.program) << c.typed;
        EXPECT_EQ(st.Rows[0].StartEnabled, c.start) << c.typed;
        EXPECT_EQ(st.Rows[0].EndEnabled, c.end) << c.typed;
    }
    EXPECT_FALSE(MotionChanged(*m, st, 0, "Xylophone"));
    EXPECT_EQ(m->SegDir[1], "F");
}

TEST_F(InputScreen, LawIsFoundByItsCode) {
    SegmentsChanged(*m, st, "1");
    MotionChanged(*m, st, 0, "Rise");
    ASSERT_TRUE(ProgramChanged(*m, st, 0, "c1 whatever"));
    EXPECT_EQ(m->SegLawText[1], "C1 - Cycloid 1st Half ");
    EXPECT_EQ(m->LawVariant, 2);
    EXPECT_TRUE(st.Rows[0].StartEnabled);
    EXPECT_FALSE(ProgramChanged(*m, st, 0, "zz"));
    EXPECT_EQ(m->SegLawText[1], "C1 - Cycloid 1st Half ");
    ASSERT_TRUE(ProgramChanged(*m, st, 0, "po"));
    EXPECT_EQ(m->SegDir[1], "P");
    EXPECT_TRUE(st.Rows[0].EndEnabled);
    ASSERT_TRUE(ProgramChanged(*m, st, 0, "DW"));
    EXPECT_EQ(m->SegDir[1], "D");
    EXPECT_EQ(m->SegLawFamily[1], kLawDwell);
}

// End of one row becomes the Start of the next; a dwell's Start is also its End.
TEST_F(InputScreen, PositionsJoinConsecutiveRows) {
    Enter({{"90", "Rise", "CF", "0", "2"}, {"90", "Dwell", "", "", ""}, {"180", "Fall", "MS", "", "0"}});
    EXPECT_EQ(m->SegStartText[2], "2");
    EXPECT_EQ(m->SegEndText[2], "2");
    EXPECT_EQ(m->SegStartText[3], "2");
    EXPECT_TRUE(st.Rows[0].CalcEnabled);
    EXPECT_TRUE(st.DoneEnabled == false); // rows typed but not calculated
}

TEST(InputData, PositionsGiveLiftAndBase) {
    struct Case {
        const char *dir, *start, *end;
        float lift, low;
    };
    auto m = std::make_unique<model::CamModel>();
    for (const Case c : {Case{"R", "1", "3", 2, 1}, Case{"F", "3", "1", 2, 1},
                         Case{"R", "0", "3", 3, 0}, Case{"D", "2", "2", 2, 0},
                         Case{"P", "1", "4", 3, 0}, Case{"F", "x", "", 0, 0}}) {
        m->SegDir[5] = c.dir;
        m->SegStartText[5] = c.start;
        m->SegEndText[5] = c.end;
        SegmentPositions(*m, 5);
        EXPECT_EQ(m->SegLift[5], c.lift) << c.dir << c.start << c.end;
        EXPECT_EQ(m->SegLow[5], c.low) << c.dir << c.start << c.end;
    }
}

TEST(InputData, PositionMessageIsExact) {
    EXPECT_EQ(PositionMessage(),
              "There is something wrong with your Position data.\r\r"
              "The smallest Start or End value of all the segment Positions \r"
              "over the whole cam should be zero, but it is not.  Please change\r"
              "the Position Start and End data and redo the calculations\r"
              "such that the smallest of your Start  and/or End Positions are zero.");
}

TEST_F(InputScreen, ProgramFromZeroCompletes) {
    Enter({{"120", "Rise", "MS", "0", "1"}, {"120", "Fall", "CF", "", "0"}, {"120", "Dwell", "", "", "0"}});
    m->DesignNo = 4;
    m->Results[7][10] = 9.0f;
    ASSERT_TRUE(CalcAll(*m, host, st, nullptr));
    EXPECT_TRUE(st.DoneEnabled);
    EXPECT_TRUE(host.messages.empty()) << host.lastText();
    EXPECT_NEAR(m->Results[1][120], 1.0, 1e-6);
    EXPECT_NEAR(m->Results[1][180], 0.5, 1e-6); // cycloid fall at its middle
    EXPECT_EQ(m->Results[1][300], 0.0f);
    EXPECT_NEAR(m->TotalLift, 1.0, 1e-6);

    ASSERT_TRUE(CompleteMotionProgram(*m, host, st));
    EXPECT_TRUE(m->SvajDone);
    EXPECT_FALSE(m->ModelSaved);
    EXPECT_FALSE(m->ProfileDone);
    EXPECT_EQ(m->DesignNo, 5);
    EXPECT_EQ(m->DateStr, "12-08-2026");
    EXPECT_EQ(m->TimeStr, "09:30:05");
    EXPECT_EQ(m->Results[7][10], 0.0f); // later stages cleared
}

TEST_F(InputScreen, ProgramAboveZeroIsRefusedAtDone) {
    Enter({{"120", "Rise", "MS", "1", "2"}, {"120", "Fall", "CF", "", "1"}, {"120", "Dwell", "", "", "1"}});
    ASSERT_TRUE(CalcAll(*m, host, st, nullptr));
    EXPECT_FALSE(CompleteMotionProgram(*m, host, st));
    EXPECT_EQ(host.lastText(), PositionMessage());
    EXPECT_EQ(host.messages.back().icon, model::Icon::Exclamation);
    EXPECT_FALSE(m->SvajDone);
    EXPECT_FALSE(st.DoneEnabled);
    for (int row = 0; row < 3; ++row) {
        EXPECT_FALSE(m->SegDone[row]);
        EXPECT_TRUE(st.Rows[row].CalcEnabled);
    }
}

TEST_F(InputScreen, LoadedExampleKeepsItsLaterStages) {
    Enter({{"180", "Rise", "SF", "0", "1"}, {"180", "Fall", "SF", "", "0"}});
    ASSERT_TRUE(CalcAll(*m, host, st, nullptr));
    m->ExampleLoaded = true;
    m->TorqueStartFresh = false;
    m->Results[6][3] = 2.0f;
    ASSERT_TRUE(CompleteMotionProgram(*m, host, st));
    EXPECT_TRUE(m->ProfileDone);
    EXPECT_TRUE(m->DynamicsDone);
    EXPECT_FALSE(m->ExampleLoaded);
    EXPECT_EQ(m->Results[6][3], 2.0f);

    m->Results[6][3] = 2.0f;
    m->Results[8][3] = 4.0f; // accumulated torque survives
    ASSERT_TRUE(CompleteMotionProgram(*m, host, st));
    EXPECT_FALSE(m->ProfileDone);
    EXPECT_EQ(m->Results[6][3], 0.0f);
    EXPECT_EQ(m->Results[8][3], 4.0f);
}

TEST_F(InputScreen, CamSpeedChangeInvalidatesEveryRow) {
    Enter({{"180", "Rise", "CF", "0", "1"}, {"180", "Fall", "CF", "", "0"}});
    ASSERT_TRUE(CalcAll(*m, host, st, nullptr));
    OmegaLostFocus(*m, host, st, "1"); // unchanged: nothing happens
    EXPECT_TRUE(m->SegDone[0] && m->SegDone[1] && st.DoneEnabled);

    OmegaLostFocus(*m, host, st, "60");
    EXPECT_FLOAT_EQ(m->CamOmega, 6.283185308f);
    for (int row = 0; row < 16; ++row) {
        EXPECT_FALSE(m->SegDone[row]);
        EXPECT_TRUE(st.Rows[row].CalcEnabled);
        EXPECT_FALSE(st.Rows[row].PlotEnabled);
    }
    EXPECT_FALSE(st.DoneEnabled);
    EXPECT_TRUE(st.CalcAllEnabled);
    EXPECT_EQ(m->Results[1][90], 0.0f);

    // Recalculated at the new speed, V at the rise's middle is 2h/br * omega = 2/pi * 2pi = 4.
    ASSERT_TRUE(CalcAll(*m, host, st, nullptr));
    EXPECT_NEAR(m->Results[2][90], 4.0, 1e-5);
}

TEST_F(InputScreen, EditingACalculatedRowDisablesDone) {
    Enter({{"180", "Rise", "CF", "0", "1"}, {"180", "Fall", "CF", "", "0"}});
    ASSERT_TRUE(CalcAll(*m, host, st, nullptr));
    EXPECT_TRUE(st.Rows[1].PlotEnabled);
    MotionChanged(*m, st, 1, "Fall"); // same motion: no change
    EXPECT_TRUE(st.DoneEnabled);
    EndChanged(*m, st, 0, "2");
    EXPECT_FALSE(m->SegDone[0]);
    EXPECT_TRUE(st.Rows[0].CalcEnabled);
    EXPECT_FALSE(st.Rows[0].PrintEnabled);
    EXPECT_EQ(m->SegStartText[2], "2");
    EXPECT_FALSE(st.DoneEnabled);
    EXPECT_EQ(CalcRow(*m, host, st, 0), RowOutcome::Calculated);
    EXPECT_FALSE(st.DoneEnabled); // row 1 took the new Start
    EXPECT_EQ(CalcRow(*m, host, st, 1), RowOutcome::Calculated) << host.lastText();
    EXPECT_TRUE(st.DoneEnabled);
}

TEST_F(InputScreen, ZeroBetaRowIsRefusedWithNothingWritten) {
    Enter({{"0", "Rise", "CF", "0", "1"}});
    m->Results[1][0] = 3.0f;
    EXPECT_EQ(CalcRow(*m, host, st, 0), RowOutcome::Failed);
    EXPECT_EQ(host.lastText(),
              "Segment 1 has a duration (Beta) of zero - please enter its Beta before calculating");
    EXPECT_EQ(m->Results[1][0], 3.0f);
    EXPECT_FALSE(m->SegDone[0]);
}

// A polynomial row needs its conditions; once solved they are reused while unchanged.
TEST_F(InputScreen, PolynomialRowUsesTheBoundaryScreen) {
    Enter({{"90", "Poly", "", "0", "1"}, {"270", "Fall", "CF", "", "0"}});
    EXPECT_EQ(CalcRow(*m, host, st, 0), RowOutcome::NeedsBoundaryConditions);

    int asked = 0;
    // Stands in for the boundary screen: stores S(0) = 0 and S(1) = 1.5, so S = 1.5 x.
    auto screen = [&](int row) {
        ++asked;
        const int seg = row + 1;
        m->SegNumBC[seg] = 2;
        m->BcRequested = 2;
        m->BcPos[1][seg] = 0.0f;
        m->BcPos[2][seg] = 1.0f;
        m->BcOrder[1][seg] = m->BcOrder[2][seg] = 0.0f;
        m->BcValue[1][seg] = m->BcEntered[1][seg] = 0.0f;
        m->BcValue[2][seg] = m->BcEntered[2][seg] = 1.5f;
        m->PolyExponent[1][seg] = 0.0f;
        m->PolyExponent[2][seg] = 1.0f;
        m->CurSeg = seg;
        return BoundaryResult{EvaluateStoredPolynomial(*m, host), "", ""};
    };
    ASSERT_TRUE(CalcAll(*m, host, st, screen));
    EXPECT_EQ(asked, 1);
    EXPECT_NEAR(m->Results[1][45], 0.75, 1e-6);
    EXPECT_EQ(m->SegEndText[1], "1.5"); // taken from the solution, and passed on
    EXPECT_EQ(m->SegStartText[2], "1.5");
    EXPECT_NEAR(m->Results[1][90], 1.5, 1e-6);
    EXPECT_TRUE(st.DoneEnabled);

    // Conditions unchanged: the row is evaluated again without the screen.
    m->Results[1][45] = 0.0f;
    EXPECT_EQ(CalcRow(*m, host, st, 0), RowOutcome::Calculated);
    EXPECT_NEAR(m->Results[1][45], 0.75, 1e-6);
    // Any edit of the row asks for its conditions again.
    StartChanged(*m, st, 0, "0.0");
    EXPECT_EQ(CalcRow(*m, host, st, 0), RowOutcome::NeedsBoundaryConditions);
    EXPECT_TRUE(host.messages.empty()) << host.lastText();
}
