#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "motion/PageHeader.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trochix;

namespace {

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

// The expected lines are counted by hand from the print-zone rule: zones start at columns
// 1, 15, 29, 43, and a zone step always moves to the next start strictly after the cursor.
struct HeaderCase {
    const char* what;
    std::string modelName;
    std::string userName;
    int designNo;
    model::DateTime now;
    std::string fileLine;
    std::string userLine;
};

class PageHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(PageHeaderTest, LinesFollowThePrintZones) {
    const HeaderCase& c = GetParam();
    auto m = std::make_unique<model::CamModel>();
    m->ModelName = c.modelName;
    m->UserName = c.userName;
    m->DesignNo = c.designNo;
    model::RecordingHost host;
    host.clock = c.now;

    const std::vector<std::string> lines = motion::PageHeader(*m, host);

    ASSERT_EQ(lines.size(), 7u) << c.what;
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], c.fileLine) << c.what;
    EXPECT_EQ(lines[4], c.userLine) << c.what;
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "");
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageHeaderTest,
    ::testing::Values(
        // "File Model1" ends in column 11: zone steps to 15 and 29; the design number prints
        // with its leading and trailing blank. "Ada" ends in column 3, the date (9 characters,
        // columns 15..23) steps on to 29.
        HeaderCase{"short names", "Model1", "Ada", 1, {2026, 12, 8, 9, 30, 5},
                   "File Model1" + Blanks(3) + Blanks(14) + "Design # 1 ",
                   "Ada" + Blanks(11) + "12/8/2026" + Blanks(5) + "09:30:05"},
        // A name ending exactly in column 15 still moves a whole zone (to 29), then to 43.
        // No user name: the date starts at column 15. Single-digit month and day have no
        // leading zero; the time keeps its two-digit fields.
        HeaderCase{"name filling the first zone", "ABCDEFGHIJ", "", 1234, {1999, 3, 4, 7, 5, 9},
                   "File ABCDEFGHIJ" + Blanks(13) + Blanks(14) + "Design # 1234 ",
                   Blanks(14) + "3/4/1999" + Blanks(6) + "07:05:09"},
        // A negative design number prints with its minus sign and no leading blank.
        HeaderCase{"negative design number", "cam", "Project X-12 long name", -3,
                   {2030, 11, 30, 23, 59, 59},
                   "File cam" + Blanks(6) + Blanks(14) + "Design #-3 ",
                   "Project X-12 long name" + Blanks(6) + "11/30/2030" + Blanks(4) + "23:59:59"}));

} // namespace
