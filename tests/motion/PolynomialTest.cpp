#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "model/ReportError.h"
#include "motion/Polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace trochix;
using model::CamModel;
using model::RecordingHost;
using motion::BoundsInput;

namespace {

constexpr double kRadPerDeg = 1.0 / 57.29577950560105;
const std::string kCoefficientError =
    " There has been an error in the calculation of your polynomial coefficients - Check your "
    "boundary condition data";

// A model whose segment 1 is a polynomial segment of `beta` degrees starting at `start`.
std::unique_ptr<CamModel> PolySegment(float beta, float start = 0.0f, float step = 1.0f) {
    auto m = std::make_unique<CamModel>();
    m->CurSeg = 1;
    m->SegDir[1] = "P";
    m->SegDesc[1] = "P";
    m->SegBeta[1] = beta;
    m->SegBetaRadArr[1] = static_cast<float>(beta * kRadPerDeg);
    m->SegStart[1] = start;
    m->SegEnd[1] = start + beta;
    m->DeltaTheta = step;
    m->NumPoints = static_cast<int>(360 / step);
    return m;
}

// Column boxes: S, V, A, J texts.
BoundsInput Bounds(int requested) {
    BoundsInput in;
    in.requested = requested;
    return in;
}

std::string Pad(int blanks) { return std::string(static_cast<size_t>(blanks), ' '); }

} // namespace

// ---- solving from the screen's boxes ------------------------------------------------------------

// Two conditions S(0) = 0, S(1) = h give S = h x: V = h / beta_rad, A = J = 0 (CamOmega = 1, so
// the stored V is per radian).
TEST(ReadBounds, TwoConditionsGiveAStraightLine) {
    auto m = PolySegment(90.0f);
    BoundsInput in = Bounds(2);
    in.box[0][0] = "0";
    in.box[4][0] = "3";
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(m->BcValid);
    EXPECT_TRUE(m->BcUnchanged);
    EXPECT_EQ(m->SegNumBC[1], 2);
    EXPECT_EQ(m->SegDesc[1], "P 1");
    EXPECT_FLOAT_EQ(m->PolyCoef[0][1], 2.0f);
    const double br = 90.0 * kRadPerDeg;
    for (int deg : {0, 1, 30, 45, 89, 90}) {
        const double x = deg / 90.0;
        EXPECT_NEAR(m->Results[0][deg], deg, 1e-5);
        EXPECT_NEAR(m->Results[1][deg], 3.0 * x, 1e-5) << deg;
        EXPECT_NEAR(m->Results[2][deg], 3.0 / br, 1e-5) << deg;
        EXPECT_EQ(m->Results[3][deg], 0.0f) << deg;
        EXPECT_EQ(m->Results[4][deg], 0.0f) << deg;
    }
    // Ends recorded for the continuity check.
    EXPECT_NEAR(m->SegEnds[1][1][0], 0.0, 1e-6);
    EXPECT_NEAR(m->SegEnds[1][2][0], 3.0, 1e-5);
}

// S, V, A at both ends (0, 0, 0 and h, 0, 0) must reproduce the 3-4-5 law h(10x^3 - 15x^4 + 6x^5);
// the closed form and its derivatives are written out here independently of the solver. The
// segment starts at 90 degrees with a half-degree step, so points land at (90 + theta) / 0.5.
TEST(ReadBounds, SixEndConditionsGiveThe345Law) {
    auto m = PolySegment(120.0f, 90.0f, 0.5f);
    const double h = 2.0;
    BoundsInput in = Bounds(6);
    in.box[0] = {"0", "0", "0", ""};
    in.box[4] = {"2", "0", "0", ""};
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(m->SegDesc[1], "P 5");
    const double expected[] = {0, 0, 0, 10 * h, -15 * h, 6 * h};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(m->PolyCoef[i][1], expected[i - 1], 1e-4) << "term " << i;
        EXPECT_FLOAT_EQ(m->PolyExponentShown[i][1], static_cast<float>(i - 1));
    }
    const double br = 120.0 * kRadPerDeg;
    for (int half = 0; half <= 240; half += 7) {
        const double x = half * 0.5 / 120.0;
        const double s = h * (10 * std::pow(x, 3) - 15 * std::pow(x, 4) + 6 * std::pow(x, 5));
        const double v = h / br * (30 * x * x - 60 * std::pow(x, 3) + 30 * std::pow(x, 4));
        const double a = h / (br * br) * (60 * x - 180 * x * x + 120 * std::pow(x, 3));
        const double j = h / (br * br * br) * (60 - 360 * x + 360 * x * x);
        const int i = 180 + half;
        // Float results of magnitude up to ~10: 5e-5 absolute covers single-precision rounding.
        EXPECT_NEAR(m->Results[1][i], s, 5e-5) << half;
        EXPECT_NEAR(m->Results[2][i], v, 5e-5) << half;
        EXPECT_NEAR(m->Results[3][i], a, 5e-5) << half;
        EXPECT_NEAR(m->Results[4][i], j, 5e-5) << half;
    }
}

// Conditions at inner angles, V and A typed per second at a cam speed of 2 rad/s. In the x domain
// V becomes v * beta_rad / omega and A becomes a * beta_rad^2 / omega^2 (beta = 90 degrees =
// 1.5707963 rad): 0.5 -> 0.39269908, -2 -> -1.2337006. Evaluating the fitted polynomial must give
// back the typed per-second values at those angles.
TEST(ReadBounds, InnerAnglesTakeTimeDerivativesAtTheCamSpeed) {
    auto m = PolySegment(90.0f);
    m->CamOmega = 2.0f;
    m->CamOmega2 = 4.0f;
    m->CamOmega3 = 8.0f;
    BoundsInput in = Bounds(5);
    in.box[0] = {"0", "0", "", ""};
    in.box[4] = {"1", "", "", ""};
    in.theta[1] = "30";
    in.box[1] = {"", ".5", "", ""};
    in.theta[2] = "45";
    in.box[2] = {"", "", "-2", ""};
    in.theta[3] = "60"; // an angle with no condition under it adds nothing
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    EXPECT_TRUE(host.messages.empty());

    struct Expected {
        float pos;
        float order;
        float value;
        float entered;
    };
    // Reading order numbers the conditions: column 0, column 4, then the inner columns.
    const Expected want[] = {{0, 0, 0, 0},
                             {0, 1, 0, 0},
                             {1, 0, 1, 1},
                             {30.0f / 90.0f, 1, 0.39269908f, 0.5f},
                             {0.5f, 2, -1.2337006f, -2}};
    for (int i = 1; i <= 5; ++i) {
        const Expected& e = want[i - 1];
        EXPECT_FLOAT_EQ(m->BcPos[i][1], e.pos) << i;
        EXPECT_FLOAT_EQ(m->BcOrder[i][1], e.order) << i;
        EXPECT_NEAR(m->BcValue[i][1], e.value, 1e-6) << i;
        EXPECT_FLOAT_EQ(m->BcEntered[i][1], e.entered) << i;
    }
    EXPECT_NEAR(m->Results[1][0], 0.0, 1e-5);
    EXPECT_NEAR(m->Results[2][0], 0.0, 1e-5);
    EXPECT_NEAR(m->Results[1][90], 1.0, 1e-5);
    EXPECT_NEAR(m->Results[2][30], 0.5, 1e-4);  // per second again
    EXPECT_NEAR(m->Results[3][45], -2.0, 1e-4); // per second squared
}

TEST(ReadBounds, LiftIsRaisedToTheLargestSEntered) {
    struct Case {
        const char* endS;
        const char* innerS;
        float liftBefore;
        float liftAfter;
    } cases[] = {
        {"1", "7.5", 1.0f, 7.5f}, // inner S above the excursion
        {"4", "2", 1.0f, 4.0f},   // end S above it
        {"1", ".5", 3.0f, 3.0f},  // all S below: unchanged
    };
    for (const Case& c : cases) {
        auto m = PolySegment(90.0f);
        m->Lift = c.liftBefore;
        BoundsInput in = Bounds(3);
        in.box[0][0] = "0";
        in.box[4][0] = c.endS;
        in.theta[1] = "45";
        in.box[1][0] = c.innerS;
        RecordingHost host;
        ASSERT_TRUE(motion::ReadBounds(*m, host, in)) << c.innerS;
        EXPECT_FLOAT_EQ(m->Lift, c.liftAfter) << c.innerS;
    }
}

TEST(ReadBounds, ReSolvingKeepsOneDegreeInTheDescription) {
    auto m = PolySegment(90.0f);
    BoundsInput in = Bounds(2);
    in.box[0][0] = "0";
    in.box[4][0] = "1";
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    in = Bounds(3);
    in.box[0] = {"0", "0", "", ""};
    in.box[4][0] = "1";
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    EXPECT_EQ(m->SegDesc[1], "P 2");
}

// ---- refusals ----------------------------------------------------------------------------------

// Only V conditions leave the constant term without an equation: column 1 of the matrix is zero.
// A failed solve leaves the segment's earlier solution in place.
TEST(ReadBounds, VelocityOnlyConditionsReportAZeroDiagonal) {
    auto m = PolySegment(90.0f);
    BoundsInput good = Bounds(2);
    good.box[0][0] = "0";
    good.box[4][0] = "3";
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, good));
    const float s45 = m->Results[1][45];

    BoundsInput in = Bounds(2);
    in.box[0][1] = "1";
    in.box[4][1] = "1";
    EXPECT_FALSE(motion::ReadBounds(*m, host, in));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "There is a zero value on diagonal in column  1");
    EXPECT_EQ(host.messages[0].title, model::DefaultTitle());
    EXPECT_EQ(host.messages[1].text, kCoefficientError);
    EXPECT_EQ(host.messages[1].title, "TROCHIX");
    EXPECT_FALSE(m->BcValid);
    EXPECT_FLOAT_EQ(m->BcOrder[1][1], 0.0f); // the earlier S condition is back
    EXPECT_FLOAT_EQ(m->BcEntered[2][1], 3.0f);
    EXPECT_FLOAT_EQ(m->PolyCoef[2][1], 3.0f);
    EXPECT_EQ(m->Results[1][45], s45);
}

// S(0), S(1) and a J condition: J of a quadratic is 0, so the last column gets a zero pivot.
// Elimination alone would let that pass and ignore the J condition; it is refused instead.
TEST(ReadBounds, AZeroLastPivotIsRefused) {
    auto m = PolySegment(90.0f);
    BoundsInput in = Bounds(3);
    in.box[0][0] = "0";
    in.box[4][0] = "1";
    in.theta[1] = "45";
    in.box[1][3] = "5";
    RecordingHost host;
    EXPECT_FALSE(motion::ReadBounds(*m, host, in));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "There is a zero value on diagonal in column  3");
    EXPECT_EQ(host.messages[1].text, kCoefficientError);
    EXPECT_FALSE(m->BcValid);
    EXPECT_EQ(m->SegNumBC[1], 0);
    EXPECT_EQ(m->Results[1][45], 0.0f);
}

TEST(ReadBounds, RefusalsStoreNothing) {
    struct Case {
        const char* name;
        float beta;
        int requested;
        const char* innerAngle;
        std::string text;
        std::string title;
    } cases[] = {
        // Column 2's angle is empty: its S box is skipped although filled, so 2 of 3 are read.
        {"empty inner angle", 90.0f, 3, "",
         "Something wrong - Have input different number of boundary conditions than specified",
         "TROCHIX"},
        {"zero beta", 0.0f, 3, "30", "Something wrong - Beta is zero for this segment",
         model::DefaultTitle()},
        {"count above 20", 90.0f, 21, "30",
         "Number of boundary conditions must be between 2 and  20 - please re-enter", "TROCHIX"},
    };
    for (const Case& c : cases) {
        auto m = PolySegment(c.beta);
        m->BcValid = true; // left over from an earlier solve
        m->Lift = 1.0f;
        BoundsInput in = Bounds(c.requested);
        in.box[0][0] = "0";
        in.box[4][0] = "5";
        in.theta[2] = c.innerAngle;
        in.box[2][0] = "9";
        RecordingHost host;
        EXPECT_FALSE(motion::ReadBounds(*m, host, in)) << c.name;
        ASSERT_EQ(host.messages.size(), 1u) << c.name;
        EXPECT_EQ(host.messages[0].text, c.text) << c.name;
        EXPECT_EQ(host.messages[0].title, c.title) << c.name;
        EXPECT_FALSE(m->BcValid) << c.name;
        EXPECT_EQ(m->SegNumBC[1], 0) << c.name;
        EXPECT_EQ(m->SegDesc[1], "P") << c.name;
        EXPECT_FLOAT_EQ(m->Lift, 1.0f) << c.name;
        EXPECT_FLOAT_EQ(m->BcEntered[1][1], 0.0f) << c.name;
    }
}

TEST(SolvePoly, StoredCountMustMatchTheRequest) {
    auto m = PolySegment(90.0f);
    m->SegNumBC[1] = 3;
    m->BcRequested = 2;
    RecordingHost host;
    EXPECT_FALSE(motion::SolvePoly(*m, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Something is wrong - no. of boundary conditions doesn't match no. of equations ");
}

// ---- SimQ ---------------------------------------------------------------------------------------

// Column 1 has its largest entry in row 3 and column 2 then needs a swap too.
// Hand solution: 2b + c = 7, a + b + c = 6, 2a + b + 3c = 13 gives a = 1, b = 2, c = 3.
TEST(SimQ, SolvesASystemThatNeedsRowSwaps) {
    motion::BcSystemMatrix a{};
    motion::BcSystemVector b{};
    const double rows[3][3] = {{0, 2, 1}, {1, 1, 1}, {2, 1, 3}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            a[i + 1][j + 1] = rows[i][j];
    b[1] = 7;
    b[2] = 6;
    b[3] = 13;
    RecordingHost host;
    int ierr = -1;
    motion::SimQ(host, 3, a, b, ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_NEAR(b[1], 1.0, 1e-12);
    EXPECT_NEAR(b[2], 2.0, 1e-12);
    EXPECT_NEAR(b[3], 3.0, 1e-12);
    EXPECT_EQ(a[1][1], 2.0); // row 3 became the first pivot row
}

// Equal magnitudes in a column: the first row keeps the pivot.
TEST(SimQ, FirstOfEqualMaximaIsThePivot) {
    motion::BcSystemMatrix a{};
    motion::BcSystemVector b{};
    a[1][1] = 1;
    a[1][2] = 1;
    a[2][1] = -1;
    a[2][2] = 1;
    b[1] = 2;
    b[2] = 0; // x + y = 2, -x + y = 0: x = y = 1
    RecordingHost host;
    int ierr = -1;
    motion::SimQ(host, 2, a, b, ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(a[1][1], 1.0);
    EXPECT_NEAR(b[1], 1.0, 1e-12);
    EXPECT_NEAR(b[2], 1.0, 1e-12);
}

TEST(SimQ, ZeroPivotAndFaults) {
    RecordingHost host;
    motion::BcSystemMatrix a{};
    motion::BcSystemVector b{};
    a[1][1] = 1;
    a[3][3] = 1; // column 2 has no non-zero entry from row 2 down
    int ierr = -1;
    motion::SimQ(host, 3, a, b, ierr);
    EXPECT_EQ(ierr, 2);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "There is a zero value on diagonal in column  2");

    // The elimination multiplies a(1,2) by a(2,1) = 1e300 * 1e300 before dividing: an overflow,
    // reported under the routine's name with ierr left at 1.
    host.clear();
    a = {};
    b = {};
    a[1][1] = 1e300;
    a[1][2] = 1e300;
    a[2][1] = 1e300;
    a[2][2] = 1;
    ierr = -1;
    motion::SimQ(host, 2, a, b, ierr);
    EXPECT_EQ(ierr, 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, model::ReportErrorText(model::kOverflow, "SimQ"));
}

// ---- re-evaluation from stored conditions ------------------------------------------------------

TEST(EvaluateStoredPolynomial, ReproducesTheScreenSolution) {
    auto m = PolySegment(90.0f);
    BoundsInput in = Bounds(6);
    in.box[0] = {"0", "0", "0", ""};
    in.box[4] = {"1", "0", "0", ""};
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    const auto first = m->Results;
    m->Results = {};
    m->BcRequested = 2; // the screen has moved on; the stored count is what counts
    ASSERT_TRUE(motion::EvaluateStoredPolynomial(*m, host));
    EXPECT_TRUE(host.messages.empty());
    for (int k = 1; k <= 4; ++k)
        for (int i = 0; i <= 90; ++i)
            EXPECT_EQ(m->Results[k][i], first[k][i]);
}

TEST(EvaluateStoredPolynomial, RefusesWhatCannotBeEvaluated) {
    RecordingHost host;
    auto m = PolySegment(90.0f); // no conditions stored
    EXPECT_FALSE(motion::EvaluateStoredPolynomial(*m, host));
    EXPECT_EQ(host.lastText(),
              "Something wrong - No boundary conditions are stored for this segment");
    EXPECT_FALSE(motion::ConditionsUnchanged(*m, 1));

    host.clear();
    auto z = PolySegment(0.0f);
    z->SegNumBC[1] = 2;
    EXPECT_FALSE(motion::EvaluateStoredPolynomial(*z, host));
    EXPECT_EQ(host.lastText(), "Something wrong - Beta is zero for this segment");
}

TEST(ConditionsUnchanged, OnlyAfterASolveAndUntilAnEdit) {
    auto m = PolySegment(90.0f);
    EXPECT_FALSE(motion::ConditionsUnchanged(*m, 1));
    BoundsInput in = Bounds(2);
    in.box[0][0] = "0";
    in.box[4][0] = "1";
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    EXPECT_TRUE(motion::ConditionsUnchanged(*m, 1));
    EXPECT_FALSE(motion::ConditionsUnchanged(*m, 2)); // never solved
    motion::ClearConditionsUnchanged(*m);
    EXPECT_FALSE(motion::ConditionsUnchanged(*m, 1));
}

// ---- screen checks ------------------------------------------------------------------------------

TEST(BoundsScreen, ConditionCount) {
    struct Case {
        const char* text;
        motion::CountEntry result;
        int requested;
    } cases[] = {
        {"", motion::CountEntry::Empty, 7},     {"1", motion::CountEntry::OutOfRange, 7},
        {"21", motion::CountEntry::OutOfRange, 7}, {"abc", motion::CountEntry::OutOfRange, 7},
        {"2", motion::CountEntry::Accepted, 2}, {"20", motion::CountEntry::Accepted, 20},
    };
    for (const Case& c : cases) {
        auto m = std::make_unique<CamModel>();
        m->BcRequested = 7;
        RecordingHost host;
        EXPECT_EQ(motion::CheckConditionCount(*m, host, c.text), c.result) << c.text;
        EXPECT_EQ(m->BcRequested, c.requested) << c.text;
        if (c.result == motion::CountEntry::OutOfRange) {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text,
                      "Number of boundary conditions must be between 2 and  20 - please re-enter");
            EXPECT_EQ(host.messages[0].title, "TROCHIX");
        } else {
            EXPECT_TRUE(host.messages.empty()) << c.text;
        }
    }
}

TEST(BoundsScreen, InnerAngleMustLieStrictlyInside) {
    struct Case {
        const char* theta;
        motion::InnerAngle::State state;
        const char* global;
    } cases[] = {
        {"", motion::InnerAngle::Empty, ""},       {"30", motion::InnerAngle::Accepted, " 120"},
        {"0.5", motion::InnerAngle::Accepted, " 90.5"}, {"0", motion::InnerAngle::Refused, ""},
        {"60", motion::InnerAngle::Refused, ""},   {"-5", motion::InnerAngle::Refused, ""},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        const auto r = motion::CheckInnerAngle(host, c.theta, "60", " 90");
        EXPECT_EQ(r.state, c.state) << c.theta;
        EXPECT_EQ(r.globalText, c.global) << c.theta;
        if (c.state == motion::InnerAngle::Refused) {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, " Value must be between zero and 60");
            EXPECT_EQ(host.messages[0].title, "TROCHIX");
        } else {
            EXPECT_TRUE(host.messages.empty()) << c.theta;
        }
    }
}

TEST(BoundsScreen, FilledBoxes) {
    BoundsInput in = Bounds(3);
    in.box[0] = {"0", "0", "", ""};
    in.box[2][3] = "1"; // counted even though column 2 has no angle
    EXPECT_EQ(motion::CountFilledBoxes(in), 3);
    RecordingHost host;
    EXPECT_EQ(motion::CheckFilledCount(host, 2, 3), motion::FilledCount::TooFew);
    EXPECT_EQ(motion::CheckFilledCount(host, 3, 3), motion::FilledCount::Exact);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(motion::CheckFilledCount(host, 4, 3), motion::FilledCount::TooMany);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "You have input more boundary conditions than specified");
    EXPECT_EQ(host.messages[0].title, "TROCHIX");
}

// ---- the coefficient table ----------------------------------------------------------------------

// Columns worked out by hand from the tab positions: condition rows put the name at 1, the angle
// at 14, the fraction of beta at 24 and the typed value at 34; numbers carry a leading and a
// trailing blank. Coefficients end at column 30.
TEST(Polytable, LinesOfAStraightLine) {
    auto m = PolySegment(90.0f, 30.0f);
    BoundsInput in = Bounds(2);
    in.box[0][0] = "0";
    in.box[4][0] = "3";
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    const motion::PolyTable t = motion::Polytable_Form(*m, host);
    EXPECT_TRUE(host.messages.empty());
    const std::vector<std::string> conditions = {
        Pad(7) + "   Boundary Conditions Imposed",
        "Function" + Pad(3) + "  Theta" + Pad(2) + "% Beta" + Pad(4) + "Boundary Cond.",
        "Disp" + Pad(9) + " 0 " + Pad(7) + " 0 " + Pad(7) + " 0 ",
        "",
        "Disp" + Pad(9) + " 90 " + Pad(6) + " 1 " + Pad(7) + " 3 ",
    };
    EXPECT_EQ(t.conditions, conditions);
    const std::vector<std::string> coefficients = {
        Pad(6) + "      Equation Resulting",
        Pad(3) + "Exponent" + Pad(8) + "Coefficient",
        Pad(11) + " 0 " + Pad(11) + "0.000",
        Pad(11) + " 1 " + Pad(11) + "3.000",
    };
    EXPECT_EQ(t.coefficients, coefficients);
    const std::array<std::string, 4> segData = {" 1", " 30", " 90", " 120"};
    EXPECT_EQ(t.segData, segData);

    std::vector<std::string> printed = conditions;
    printed.emplace_back();
    printed.insert(printed.end(), coefficients.begin(), coefficients.end());
    EXPECT_EQ(motion::Polytable_Printer(*m, host), printed);
}

// Conditions at 0, 0, 1, 1/3 and 1/2 of beta: a blank line opens each new position.
TEST(Polytable, BlocksByPositionAndRoundedColumns) {
    auto m = PolySegment(90.0f);
    BoundsInput in = Bounds(6);
    in.box[0] = {"0", "0", "", ""};
    in.box[4] = {"2", "0", "", ""};
    in.theta[1] = "30";
    in.box[1] = {"", ".1234", "", ""};
    in.theta[2] = "45";
    in.box[2] = {"", "", "-2", ""};
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    const motion::PolyTable t = motion::Polytable_Form(*m, host);
    ASSERT_EQ(t.conditions.size(), 2u + 6u + 3u);
    EXPECT_EQ(t.conditions[4], "");
    EXPECT_EQ(t.conditions[7], "");
    EXPECT_EQ(t.conditions[9], "");
    EXPECT_EQ(t.conditions[8], "Veloc" + Pad(8) + " 30 " + Pad(6) + " .333 " + Pad(4) + " .123 ");
    EXPECT_EQ(t.conditions[10], "Accel" + Pad(8) + " 45 " + Pad(6) + " .5 " + Pad(6) + "-2 ");
    ASSERT_EQ(t.coefficients.size(), 2u + 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(t.coefficients[2 + i].size(), 30u) << "coefficients end at column 30";
}

TEST(Polytable, UnsolvedSegmentAndBadStoredOrder) {
    auto m = PolySegment(90.0f);
    RecordingHost host;
    const motion::PolyTable empty = motion::Polytable_Form(*m, host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(empty.conditions.size(), 2u); // title and heading only
    EXPECT_EQ(empty.coefficients.size(), 2u);

    // A derivative order outside S..J (say, from a damaged file) stops the table with a report.
    m->PolyCoef[0][1] = 2;
    m->PolyBcOrder[2][1] = 7;
    m->PolyBcPos[2][1] = 1;
    const motion::PolyTable bad = motion::Polytable_Form(*m, host);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              model::ReportErrorText(model::kSubscriptOutOfRange, "Polytable_Form"));
    EXPECT_EQ(bad.conditions.size(), 2u + 1u + 1u); // stopped at the second row, after its blank line
}
