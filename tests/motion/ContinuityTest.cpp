#include "motion/Continuity.h"
#include "forms/BoundsForm.h"
#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "model/ReportError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace trochix;
using model::CamModel;
using model::RecordingHost;

namespace {

std::string Pad(int blanks) {
    return std::string(static_cast<size_t>(blanks), ' ');
}

// Adds a polynomial segment with S, V, A = 0 at both ends and S going from s0 to s1.
void AddPolySegment(CamModel& m, RecordingHost& host, int seg, float start, const char* s0,
                    const char* s1) {
    m.CurSeg = seg;
    m.SegDir[seg] = "P";
    m.SegBeta[seg] = 180.0f;
    m.SegBetaRadArr[seg] = static_cast<float>(180.0 / 57.29577950560105);
    m.SegStart[seg] = start;
    m.SegEnd[seg] = start + 180.0f;
    motion::BoundsInput in;
    in.requested = 6;
    in.box[0] = {s0, "0", "0", ""};
    in.box[4] = {s1, "0", "0", ""};
    ASSERT_TRUE(motion::ReadBounds(m, host, in));
}

std::string Warning(const std::string& largest) {
    return "There is a potential problem with your cam design.\r\r"
           "At least one of your segment boundaries is discontinuous.\r"
           "The largest discontinuity between S, V, or A is." +
           largest +
           "\r"
           "If this value is very small it may just be computational roundoff error.\r\r"
           "This screen shows the problem(s), as will S-V-A plots of the whole cam.\r"
           "Please identify the error(s) and return to the SVAJ screen to redesign the cam "
           "program.\r";
}

} // namespace

// A rise 0 -> 1 and a return 1 -> 0, each with V = A = 0 at both ends, computed for real:
// every boundary, the closing one included, matches.
TEST(ContinuityCheck, MatchingProgramPasses) {
    auto m = std::make_unique<CamModel>();
    RecordingHost host;
    m->NumSegments = 2;
    AddPolySegment(*m, host, 1, 0.0f, "0", "1");
    AddPolySegment(*m, host, 2, 180.0f, "1", "0");
    const auto r = motion::ContinuityDone(*m, host);
    EXPECT_TRUE(r.ok && r.completed && m->ContinuityOK);
    EXPECT_LT(r.largest, 1e-4f);
    EXPECT_TRUE(host.messages.empty());
}

// Inner boundaries match but the last segment ends at S = 1 while the first starts at 0.
TEST(ContinuityCheck, ClosingMismatchIsReportedWithItsSize) {
    auto m = std::make_unique<CamModel>();
    m->NumSegments = 3;
    m->SegEnds[1][2] = m->SegEnds[2][1] = {.5f, .2f, 0, 0};
    m->SegEnds[2][2] = m->SegEnds[3][1] = m->SegEnds[3][2] = {1, 0, 0, 0};
    RecordingHost host;
    const auto r = motion::ContinuityDone(*m, host);
    EXPECT_FALSE(r.ok);
    EXPECT_FLOAT_EQ(r.largest, 1.0f);
    EXPECT_FALSE(m->ContinuityOK);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, Warning(" 1"));
    EXPECT_EQ(host.messages[0].icon, model::Icon::Exclamation);
    EXPECT_EQ(host.messages[0].title, model::DefaultTitle());
    EXPECT_EQ(motion::ContinuityWarningText(0.0015f), Warning(" .0015"));
}

// One segment: its own end is compared with its own start. The tolerance is 0.001 inclusive,
// and J is never tested.
TEST(ContinuityCheck, ToleranceAndUntestedJerk) {
    const struct {
        int k;
        float jump;
        bool ok;
    } cases[] = {{0, 0.001f, true},   {0, 0.0011f, false}, {1, 0.0011f, false},
                 {2, 0.0011f, false}, {2, -0.001f, true},  {3, 50.0f, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "quantity " << c.k << " jump " << c.jump);
        auto m = std::make_unique<CamModel>();
        m->NumSegments = 1;
        m->SegEnds[1][2][c.k] = c.jump;
        RecordingHost host;
        const auto r = motion::ContinuityCheck(*m, host);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_FLOAT_EQ(r.largest, c.k < 3 ? std::fabs(c.jump) : 0.0f);
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(ContinuityCheck, FaultIsReportedUnderItsName) {
    auto m = std::make_unique<CamModel>();
    m->NumSegments = 0;
    RecordingHost host;
    EXPECT_FALSE(motion::ContinuityDone(*m, host).completed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              model::ReportErrorText(model::kSubscriptOutOfRange, "ContinuityCheck"));
}

// Columns worked out by hand: seg at 11, end at 21, then a blank and each value at 30, 40, 50, 60
// (numbers print with a leading and a trailing blank, values rounded to one decimal).
TEST(Continuity_Form, RowsPairEachEndWithTheNextStart) {
    auto m = std::make_unique<CamModel>();
    m->NumSegments = 2;
    m->SegEnds[1][2] = {1.04f, -2.25f, 3.96f, 100};
    m->SegEnds[2][1] = {1, -2.2f, 4, -7.5f};
    RecordingHost host;
    const auto lines = motion::Continuity_Form(*m, host);
    EXPECT_TRUE(host.messages.empty());
    auto row = [](const char* seg, const char* e, const std::string& values) {
        return Pad(10) + seg + Pad(7) + e + values;
    };
    const std::string zeros = Pad(6) + " 0 " + Pad(7) + " 0 " + Pad(7) + " 0 " + Pad(7) + " 0 ";
    const std::string mid = Pad(6) + " 1 " + Pad(7) + "-2.2 " + Pad(5) + " 4 " + Pad(7);
    const std::vector<std::string> expected = {
        Pad(10) + " Resulting Boundary Values at Segment Interfaces",
        "",
        Pad(7) + "Segment" + Pad(5) + "End" + Pad(7) + "S" + Pad(9) + "V" + Pad(9) + "A" + Pad(9) +
            "J",
        row(" 1 ", " 1 ", zeros),
        "",
        // 1.04 -> 1, -2.25 -> -2.2 (halves round up), 3.96 -> 4
        row(" 1 ", " 2 ", mid + " 100 "),
        row(" 2 ", " 1 ", mid + "-7.5 "),
        "",
        row(" 2 ", " 2 ", zeros),
        row(" 1 ", " 1 ", zeros),
    };
    EXPECT_EQ(lines, expected);
}

TEST(Continuity_Print, HeaderRuleAndShiftedColumns) {
    auto m = std::make_unique<CamModel>();
    m->NumSegments = 1;
    m->SegEnds[1][2] = {0.5f, 0, 0, 0};
    RecordingHost host;
    const auto lines = motion::Continuity_Print(*m, host, {"", "File Model1", "user"});
    const std::string zeros = Pad(5) + " 0 " + Pad(7) + " 0 " + Pad(7) + " 0 " + Pad(7) + " 0 ";
    const std::vector<std::string> expected = {
        "",
        "File Model1",
        "user",
        Pad(19) + "     Resulting Boundary Values at Segment Interfaces",
        Pad(12) + std::string(58, '_'),
        "",
        Pad(12) + "Segment" + Pad(2) + "End" + Pad(6) + "S" + Pad(9) + "V" + Pad(9) + "A" + Pad(9) +
            "J",
        Pad(14) + " 1 " + Pad(4) + " 1 " + zeros,
        "",
        Pad(14) + " 1 " + Pad(4) + " 2 " + Pad(5) + " .5 " + Pad(6) + " 0 " + Pad(7) + " 0 " +
            Pad(7) + " 0 ",
        Pad(14) + " 1 " + Pad(4) + " 1 " + zeros,
    };
    EXPECT_EQ(lines, expected);
}
