// The input screen's logic driven as the screen drives it: texts in, model and row states out.
#include "forms/InputDataForm.h"
#include "forms/MotionProgram.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "motion/MotionLaws.h"
#include "motion/Polynomial.h"
#include "motion/SegmentDriver.h"

#include <gtest/gtest.h>

#include <array>
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
        SegmentsCommitted(*m, host, st, std::to_string(rows.size()));
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
    const struct {
        const char *typed, *shown;
        int count;
    } cases[] = {{"0", "1", 1},   {"20", "16", 16},  {"5", "5", 5},
                 {"abc", "1", 1}, {"3.6", "3.6", 4}, {"-2", "1", 1}};
    for (const auto& c : cases) {
        const SegmentCount r = ClampSegmentCount(c.typed);
        EXPECT_EQ(r.text, c.shown) << c.typed;
        EXPECT_EQ(r.NumSegments, c.count) << c.typed;
    }
}

TEST_F(InputScreen, StepSnapsToOneOfThreeAndRegridsRowZero) {
    const struct {
        double typed;
        const char* shown;
        float step;
        int points;
    } cases[] = {{0.3, "0.25", 0.25f, 1440}, {0.6, "0.5", 0.5f, 720},  {2, "1.0", 1.0f, 360},
                 {0.35, "0.5", 0.5f, 720},   {0.75, "1.0", 1.0f, 360}, {0, "0.25", 0.25f, 1440}};
    for (const auto& c : cases) {
        const StepChoice r = SnapDelta(c.typed);
        EXPECT_EQ(r.text, c.shown) << c.typed;
        EXPECT_EQ(r.DeltaTheta, c.step);
        EXPECT_EQ(r.NumPoints, c.points);
    }
    DeltaLostFocus(*m, host, st, "0.3");
    EXPECT_EQ(m->DeltaText, "0.25");
    EXPECT_EQ(m->NumPoints, 1440);
    EXPECT_EQ(m->Results[0][1440], 360.0f);
    EXPECT_EQ(m->Results[0][3], 0.75f);
    // The angle labels carry the decimals of the step.
    SegmentsCommitted(*m, host, st, "2");
    BetaLostFocus(*m, host, st, 0, "90.25");
    BetaLostFocus(*m, host, st, 1, "45");
    EXPECT_EQ(st.Rows[0].EndAngle + " " + st.Rows[1].StartAngle + " " + st.Rows[1].EndAngle,
              "90.25 90.25 135.25");
}

TEST(InputData, PositionsGiveLiftAndBase) {
    const struct {
        const char *dir, *start, *end;
        float lift, low;
    } cases[] = {{"R", "1", "3", 2, 1}, {"F", "3", "1", 2, 1}, {"R", "0", "3", 3, 0},
                 {"D", "2", "2", 2, 0}, {"P", "1", "4", 3, 0}, {"F", "x", "", 0, 0}};
    auto m = std::make_unique<model::CamModel>();
    for (const auto& c : cases) {
        m->SegDir[5] = c.dir;
        m->SegStartText[5] = c.start;
        m->SegEndText[5] = c.end;
        SegmentPositions(*m, 5);
        EXPECT_EQ(m->SegLift[5], c.lift) << c.dir << c.start << c.end;
        EXPECT_EQ(m->SegLow[5], c.low) << c.dir << c.start << c.end;
    }
}

TEST_F(InputScreen, ProgramFromZeroCompletes) {
    Enter({{"120", "Rise", "MS", "0", "1"},
           {"120", "Fall", "CF", "", "0"},
           {"120", "Dwell", "", "", "0"}});
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
    EXPECT_TRUE(m->SvajDone && !m->ModelSaved && !m->ProfileDone);
    EXPECT_EQ(m->DesignNo, 5);
    EXPECT_EQ(m->DateStr + " " + m->TimeStr, "12-08-2026 09:30:05");
    EXPECT_EQ(m->Results[7][10], 0.0f); // later stages cleared
}

TEST_F(InputScreen, ProgramAboveZeroIsRefusedAtDone) {
    Enter({{"120", "Rise", "MS", "1", "2"},
           {"120", "Fall", "CF", "", "1"},
           {"120", "Dwell", "", "", "1"}});
    ASSERT_TRUE(CalcAll(*m, host, st, nullptr));
    EXPECT_FALSE(CompleteMotionProgram(*m, host, st));
    EXPECT_EQ(host.lastText(),
              "There is something wrong with your Position data.\r\r"
              "The smallest Start or End value of all the segment Positions \r"
              "over the whole cam should be zero, but it is not.  Please change\r"
              "the Position Start and End data and redo the calculations\r"
              "such that the smallest of your Start  and/or End Positions are zero.");
    EXPECT_EQ(host.messages.back().icon, model::Icon::Exclamation);
    EXPECT_FALSE(m->SvajDone || st.DoneEnabled);
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(!m->SegDone[row] && st.Rows[row].CalcEnabled) << row;
}

TEST_F(InputScreen, LoadedExampleKeepsItsLaterStages) {
    Enter({{"180", "Rise", "SF", "0", "1"}, {"180", "Fall", "SF", "", "0"}});
    ASSERT_TRUE(CalcAll(*m, host, st, nullptr));
    m->ExampleLoaded = true;
    m->TorqueStartFresh = false;
    m->Results[6][3] = 2.0f;
    ASSERT_TRUE(CompleteMotionProgram(*m, host, st));
    EXPECT_TRUE(m->ProfileDone && m->DynamicsDone && !m->ExampleLoaded);
    EXPECT_EQ(m->Results[6][3], 2.0f);

    m->Results[8][3] = 4.0f; // accumulated torque survives
    ASSERT_TRUE(CompleteMotionProgram(*m, host, st));
    EXPECT_FALSE(m->ProfileDone);
    EXPECT_EQ(m->Results[6][3], 0.0f);
    EXPECT_EQ(m->Results[8][3], 4.0f);
}

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
        m->BcPos[1][seg] = m->BcOrder[1][seg] = m->BcOrder[2][seg] = 0.0f;
        m->BcValue[1][seg] = m->BcEntered[1][seg] = m->PolyExponent[1][seg] = 0.0f;
        m->BcValue[2][seg] = m->BcEntered[2][seg] = 1.5f;
        m->BcPos[2][seg] = m->PolyExponent[2][seg] = 1.0f;
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
