#include "motion/Polynomial.h"
#include "forms/BoundsForm.h"
#include "forms/PolyForm.h"
#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "model/ReportError.h"

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
const std::string kCountMessage =
    "Number of boundary conditions must be between 2 and  20 - please re-enter";

// A model whose segment 1 is a polynomial segment of `beta` degrees starting at `start`.
std::unique_ptr<CamModel> PolySegment(float beta, float start = 0.0f, float step = 1.0f) {
    auto m = std::make_unique<CamModel>();
    m->CurSeg = 1;
    m->SegDir[1] = m->SegDesc[1] = "P";
    m->SegBeta[1] = beta;
    m->SegBetaRadArr[1] = static_cast<float>(beta * kRadPerDeg);
    m->SegStart[1] = start;
    m->SegEnd[1] = start + beta;
    m->DeltaTheta = step;
    m->NumPoints = static_cast<int>(360 / step);
    return m;
}

// The screen's boxes: S, V, A, J texts at the segment's start (column 0) and end (column 4).
BoundsInput Bounds(int requested, const std::array<std::string, 4>& start,
                   const std::array<std::string, 4>& end) {
    BoundsInput in;
    in.requested = requested;
    in.box[0] = start;
    in.box[4] = end;
    return in;
}

std::string Pad(int blanks) {
    return std::string(static_cast<size_t>(blanks), ' ');
}

std::vector<std::string> Texts(const RecordingHost& host) {
    std::vector<std::string> out;
    for (const auto& msg : host.messages)
        out.push_back(msg.text);
    return out;
}

} // namespace

// Two conditions S(0) = 0, S(1) = h give S = h x: V = h / beta_rad, A = J = 0 (CamOmega = 1, so
// the stored V is per radian). Solving again with three conditions keeps one degree in SegDesc.
TEST(ReadBounds, TwoConditionsGiveAStraightLine) {
    auto m = PolySegment(90.0f);
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, Bounds(2, {"0"}, {"3"})));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(m->BcValid && m->BcUnchanged);
    EXPECT_EQ(m->SegNumBC[1], 2);
    EXPECT_EQ(m->SegDesc[1], "P 1");
    EXPECT_FLOAT_EQ(m->PolyCoef[0][1], 2.0f);
    const double br = 90.0 * kRadPerDeg;
    for (int deg : {0, 1, 30, 45, 89, 90}) {
        EXPECT_NEAR(m->Results[0][deg], deg, 1e-5);
        EXPECT_NEAR(m->Results[1][deg], 3.0 * deg / 90.0, 1e-5) << deg;
        EXPECT_NEAR(m->Results[2][deg], 3.0 / br, 1e-5) << deg;
        EXPECT_EQ(m->Results[3][deg] + m->Results[4][deg], 0.0f) << deg;
    }
    EXPECT_NEAR(m->SegEnds[1][1][0], 0.0, 1e-6); // ends recorded for the continuity check
    EXPECT_NEAR(m->SegEnds[1][2][0], 3.0, 1e-5);
    ASSERT_TRUE(motion::ReadBounds(*m, host, Bounds(3, {"0", "0"}, {"1"})));
    EXPECT_EQ(m->SegDesc[1], "P 2");
}

// S, V, A at both ends (0, 0, 0 and h, 0, 0) must reproduce the 3-4-5 law h(10x^3 - 15x^4 + 6x^5);
// the closed form and its derivatives are written out here independently of the solver. The
// segment starts at 90 degrees with a half-degree step, so points land at (90 + theta) / 0.5.
TEST(ReadBounds, SixEndConditionsGiveThe345Law) {
    auto m = PolySegment(120.0f, 90.0f, 0.5f);
    const double h = 2.0;
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, Bounds(6, {"0", "0", "0"}, {"2", "0", "0"})));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(m->SegDesc[1], "P 5");
    const double expected[] = {0, 0, 0, 10 * h, -15 * h, 6 * h};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(m->PolyCoef[i][1], expected[i - 1], 1e-4) << "term " << i;
        EXPECT_FLOAT_EQ(m->PolyExponentShown[i][1], static_cast<float>(i - 1));
    }
    const double br = 120.0 * kRadPerDeg;
    for (int half = 0; half <= 240; half += 7) {
        const double x = half * 0.5 / 120.0, x2 = x * x, x3 = x2 * x;
        const int i = 180 + half;
        // Float results of magnitude up to ~10: 5e-5 absolute covers single-precision rounding.
        EXPECT_NEAR(m->Results[1][i], h * (10 * x3 - 15 * x3 * x + 6 * x3 * x2), 5e-5) << half;
        EXPECT_NEAR(m->Results[2][i], h / br * (30 * x2 - 60 * x3 + 30 * x3 * x), 5e-5) << half;
        EXPECT_NEAR(m->Results[3][i], h / (br * br) * (60 * x - 180 * x2 + 120 * x3), 5e-5) << half;
        EXPECT_NEAR(m->Results[4][i], h / (br * br * br) * (60 - 360 * x + 360 * x2), 5e-5) << half;
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
    BoundsInput in = Bounds(5, {"0", "0"}, {"1"});
    in.theta[1] = "30";
    in.box[1] = {"", ".5", "", ""};
    in.theta[2] = "45";
    in.box[2] = {"", "", "-2", ""};
    in.theta[3] = "60"; // an angle with no condition under it adds nothing
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    EXPECT_TRUE(host.messages.empty());
    // Reading order numbers the conditions: column 0, column 4, then the inner columns.
    const float want[5][4] = {{0, 0, 0, 0}, // position, order, value, typed
                              {0, 1, 0, 0},
                              {1, 0, 1, 1},
                              {30.0f / 90.0f, 1, 0.39269908f, 0.5f},
                              {0.5f, 2, -1.2337006f, -2}};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FLOAT_EQ(m->BcPos[i][1], want[i - 1][0]) << i;
        EXPECT_FLOAT_EQ(m->BcOrder[i][1], want[i - 1][1]) << i;
        EXPECT_NEAR(m->BcValue[i][1], want[i - 1][2], 1e-6) << i;
        EXPECT_FLOAT_EQ(m->BcEntered[i][1], want[i - 1][3]) << i;
    }
    EXPECT_NEAR(m->Results[1][0], 0.0, 1e-5);
    EXPECT_NEAR(m->Results[2][0], 0.0, 1e-5);
    EXPECT_NEAR(m->Results[1][90], 1.0, 1e-5);
    EXPECT_NEAR(m->Results[2][30], 0.5, 1e-4);  // per second again
    EXPECT_NEAR(m->Results[3][45], -2.0, 1e-4); // per second squared
}

TEST(ReadBounds, LiftIsRaisedToTheLargestSEntered) {
    const struct {
        const char *endS, *innerS;
        float before, after;
    } cases[] = {
        {"1", "7.5", 1.0f, 7.5f}, // inner S above the excursion
        {"4", "2", 1.0f, 4.0f},   // end S above it
        {"1", ".5", 3.0f, 3.0f},  // all S below: unchanged
    };
    for (const auto& c : cases) {
        auto m = PolySegment(90.0f);
        m->Lift = c.before;
        BoundsInput in = Bounds(3, {"0"}, {c.endS});
        in.theta[1] = "45";
        in.box[1][0] = c.innerS;
        RecordingHost host;
        ASSERT_TRUE(motion::ReadBounds(*m, host, in)) << c.innerS;
        EXPECT_FLOAT_EQ(m->Lift, c.after) << c.innerS;
    }
}

// Only V conditions leave the constant term without an equation: column 1 of the matrix is zero.
// S(0), S(1) and a J condition: J of a quadratic is 0, so the last column gets a zero pivot,
// which elimination alone would let pass (ignoring the J condition). Both are refused, and a
// failed solve leaves the segment's earlier solution in place.
TEST(ReadBounds, ZeroPivotsAreRefused) {
    auto m = PolySegment(90.0f);
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, Bounds(2, {"0"}, {"3"})));
    const float s45 = m->Results[1][45];
    EXPECT_FALSE(motion::ReadBounds(*m, host, Bounds(2, {"", "1"}, {"", "1"})));
    EXPECT_EQ(Texts(host),
              (std::vector<std::string>{"There is a zero value on diagonal in column  1",
                                        kCoefficientError}));
    EXPECT_EQ(host.messages[0].title, model::DefaultTitle());
    EXPECT_EQ(host.messages[1].title, "TROCHIX");
    EXPECT_FALSE(m->BcValid);
    EXPECT_FLOAT_EQ(m->BcOrder[1][1], 0.0f); // the earlier S condition is back
    EXPECT_FLOAT_EQ(m->BcEntered[2][1], 3.0f);
    EXPECT_FLOAT_EQ(m->PolyCoef[2][1], 3.0f);
    EXPECT_EQ(m->Results[1][45], s45);

    auto j = PolySegment(90.0f);
    BoundsInput in = Bounds(3, {"0"}, {"1"});
    in.theta[1] = "45";
    in.box[1][3] = "5";
    host.clear();
    EXPECT_FALSE(motion::ReadBounds(*j, host, in));
    EXPECT_EQ(Texts(host),
              (std::vector<std::string>{"There is a zero value on diagonal in column  3",
                                        kCoefficientError}));
    EXPECT_FALSE(j->BcValid);
    EXPECT_EQ(j->SegNumBC[1], 0);
    EXPECT_EQ(j->Results[1][45], 0.0f);
}

TEST(ReadBounds, RefusalsStoreNothing) {
    const std::string kNotANumber =
        "Each boundary condition and each angle must be a number - please re-enter";
    const struct {
        const char* name;
        float beta;
        int requested;
        const char* innerAngle;
        std::string text, title;
    } cases[] = {
        // Column 2's angle is empty: its S box is skipped although filled, so 2 of 3 are read.
        {"empty inner angle", 90.0f, 3, "",
         "Something wrong - Have input different number of boundary conditions than specified",
         "TROCHIX"},
        {"zero beta", 0.0f, 3, "30", "Something wrong - Beta is zero for this segment",
         model::DefaultTitle()},
        {"count above 20", 90.0f, 21, "30", kCountMessage, "TROCHIX"},
        // Letters are no angle and no condition, never a 0.
        {"inner angle of letters", 90.0f, 3, "3o", kNotANumber, "TROCHIX"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto m = PolySegment(c.beta);
        m->BcValid = true; // left over from an earlier solve
        m->Lift = 1.0f;
        // The same request with a condition of letters: refused as no number where the
        // request itself passes.
        for (const char* s4 : {"5", "five"}) {
            const bool letters = std::string(s4) == "five" && c.beta != 0.0f;
            BoundsInput in = Bounds(c.requested, {"0"}, {s4});
            in.theta[2] = c.innerAngle;
            in.box[2][0] = "9";
            RecordingHost host;
            EXPECT_FALSE(motion::ReadBounds(*m, host, in));
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text,
                      letters && c.requested <= 20 ? kNotANumber : c.text);
            EXPECT_EQ(host.messages[0].title, letters ? "TROCHIX" : c.title);
            EXPECT_FALSE(m->BcValid);
            EXPECT_EQ(m->SegNumBC[1], 0);
            EXPECT_EQ(m->SegDesc[1], "P");
            EXPECT_FLOAT_EQ(m->Lift, 1.0f);
            EXPECT_FLOAT_EQ(m->BcEntered[1][1], 0.0f);
        }
    }
    auto m = PolySegment(90.0f);
    m->SegNumBC[1] = 3;
    m->BcRequested = 2;
    RecordingHost host;
    EXPECT_FALSE(motion::SolvePoly(*m, host));
    EXPECT_EQ(host.lastText(),
              "Something is wrong - no. of boundary conditions doesn't match no. of equations ");
    EXPECT_EQ(host.messages.size(), 1u);
}

// Hand solutions: 2b + c = 7, a + b + c = 6, 2a + b + 3c = 13 gives a = 1, b = 2, c = 3 (column 1
// has its largest entry in row 3, and column 2 then needs a swap too); x + y = 2, -x + y = 0 gives
// x = y = 1 with the first of two equal magnitudes as the pivot.
TEST(SimQ, SolvesSystemsThatNeedRowSwaps) {
    const struct {
        int n;
        std::vector<std::vector<double>> rows;
        std::vector<double> rhs, solution;
        double pivot; // a(1,1) after the solve
    } cases[] = {{3, {{0, 2, 1}, {1, 1, 1}, {2, 1, 3}}, {7, 6, 13}, {1, 2, 3}, 2.0},
                 {2, {{1, 1}, {-1, 1}}, {2, 0}, {1, 1}, 1.0}};
    for (const auto& c : cases) {
        motion::BcSystemMatrix a{};
        motion::BcSystemVector b{};
        for (int i = 0; i < c.n; ++i) {
            b[i + 1] = c.rhs[i];
            for (int j = 0; j < c.n; ++j)
                a[i + 1][j + 1] = c.rows[i][j];
        }
        RecordingHost host;
        int ierr = -1;
        motion::SimQ(host, c.n, a, b, ierr);
        EXPECT_EQ(ierr, 0);
        EXPECT_TRUE(host.messages.empty());
        for (int i = 0; i < c.n; ++i)
            EXPECT_NEAR(b[i + 1], c.solution[i], 1e-12) << i;
        EXPECT_EQ(a[1][1], c.pivot);
    }
}

// A zero pivot gives ierr = its column (its message: see ZeroPivotsAreRefused). The elimination
// multiplies a(1,2) by a(2,1) = 1e300 * 1e300 before dividing: an overflow, reported under the
// routine's name with ierr left at 1.
TEST(SimQ, ZeroPivotAndFaults) {
    RecordingHost host;
    motion::BcSystemMatrix a{};
    motion::BcSystemVector b{};
    a[1][1] = a[3][3] = 1; // column 2 has no non-zero entry from row 2 down
    int ierr = -1;
    motion::SimQ(host, 3, a, b, ierr);
    EXPECT_EQ(ierr, 2);
    host.clear();
    a = {};
    b = {};
    a[1][1] = a[1][2] = a[2][1] = 1e300;
    a[2][2] = 1;
    ierr = -1;
    motion::SimQ(host, 2, a, b, ierr);
    EXPECT_EQ(ierr, 1);
    EXPECT_EQ(host.lastText(), model::ReportErrorText(model::kOverflow, "SimQ"));
    EXPECT_EQ(host.messages.size(), 1u);
}

// Re-evaluation from the stored conditions gives the screen's solution again (the stored count
// counts, not what the screen shows now); the flag says when it may be used.
TEST(EvaluateStoredPolynomial, ReproducesTheScreenSolution) {
    auto m = PolySegment(90.0f);
    EXPECT_FALSE(motion::ConditionsUnchanged(*m, 1));
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, Bounds(6, {"0", "0", "0"}, {"1", "0", "0"})));
    EXPECT_TRUE(motion::ConditionsUnchanged(*m, 1));
    EXPECT_FALSE(motion::ConditionsUnchanged(*m, 2)); // never solved
    const auto first = m->Results;
    m->Results = {};
    m->BcRequested = 2;
    ASSERT_TRUE(motion::EvaluateStoredPolynomial(*m, host));
    EXPECT_TRUE(host.messages.empty());
    for (int k = 1; k <= 4; ++k)
        for (int i = 0; i <= 90; ++i)
            EXPECT_EQ(m->Results[k][i], first[k][i]);
    motion::ClearConditionsUnchanged(*m);
    EXPECT_FALSE(motion::ConditionsUnchanged(*m, 1));
}

TEST(EvaluateStoredPolynomial, RefusesWhatCannotBeEvaluated) {
    RecordingHost host;
    auto m = PolySegment(90.0f); // no conditions stored
    EXPECT_FALSE(motion::EvaluateStoredPolynomial(*m, host));
    EXPECT_EQ(host.lastText(),
              "Something wrong - No boundary conditions are stored for this segment");
    auto z = PolySegment(0.0f);
    z->SegNumBC[1] = 2;
    EXPECT_FALSE(motion::EvaluateStoredPolynomial(*z, host));
    EXPECT_EQ(host.lastText(), "Something wrong - Beta is zero for this segment");
}

// Columns worked out by hand from the tab positions: condition rows put the name at 1, the angle
// at 14, the fraction of beta at 24 and the typed value at 34; numbers carry a leading and a
// trailing blank. Coefficients end at column 30.
TEST(Polytable, LinesOfAStraightLine) {
    auto m = PolySegment(90.0f, 30.0f);
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, Bounds(2, {"0"}, {"3"})));
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
        Pad(6) + "      Equation Resulting", Pad(3) + "Exponent" + Pad(8) + "Coefficient",
        Pad(11) + " 0 " + Pad(11) + "0.000", Pad(11) + " 1 " + Pad(11) + "3.000"};
    EXPECT_EQ(t.coefficients, coefficients);
    EXPECT_EQ(t.segData, (std::array<std::string, 4>{" 1", " 30", " 90", " 120"}));
    std::vector<std::string> printed = conditions;
    printed.emplace_back();
    printed.insert(printed.end(), coefficients.begin(), coefficients.end());
    EXPECT_EQ(motion::Polytable_Printer(*m, host), printed);
}

// Conditions at 0, 0, 1, 1/3 and 1/2 of beta: a blank line opens each new position.
TEST(Polytable, BlocksByPositionAndRoundedColumns) {
    auto m = PolySegment(90.0f);
    BoundsInput in = Bounds(6, {"0", "0"}, {"2", "0"});
    in.theta[1] = "30";
    in.box[1] = {"", ".1234", "", ""};
    in.theta[2] = "45";
    in.box[2] = {"", "", "-2", ""};
    RecordingHost host;
    ASSERT_TRUE(motion::ReadBounds(*m, host, in));
    const motion::PolyTable t = motion::Polytable_Form(*m, host);
    ASSERT_EQ(t.conditions.size(), 2u + 6u + 3u);
    EXPECT_EQ(t.conditions[4] + t.conditions[7] + t.conditions[9], "");
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
    EXPECT_EQ(empty.conditions.size() + empty.coefficients.size(), 4u); // titles and headings
    // A derivative order outside S..J (say, from a damaged file) stops the table with a report.
    m->PolyCoef[0][1] = 2;
    m->PolyBcOrder[2][1] = 7;
    m->PolyBcPos[2][1] = 1;
    const motion::PolyTable bad = motion::Polytable_Form(*m, host);
    EXPECT_EQ(Texts(host), (std::vector<std::string>{model::ReportErrorText(
                               model::kSubscriptOutOfRange, "Polytable_Form")}));
    EXPECT_EQ(bad.conditions.size(), 2u + 1u + 1u); // stopped at the second row, after its blank
}
