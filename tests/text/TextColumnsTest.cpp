// Text lines in print zones and tab columns, and the page header built from them.
#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "motion/PageHeader.h"
#include "text/TextColumns.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trochix;
using trochix::text::NextZoneColumn;
using trochix::text::TextLine;

namespace {

std::string Pad(int blanks) { return std::string(static_cast<size_t>(blanks), ' '); }

TEST(TextLine, TabColumnsAndRightAlignment) {
    const struct {
        const char* name;
        TextLine line;
        std::string expected;
    } cases[] = {
        {"from the start", TextLine().tab(5).text("x"), Pad(4) + "x"},
        {"column 1 adds nothing", TextLine().tab(1).text("x"), "x"},
        {"exactly at the column", TextLine("abcd").tab(5).text("x"), "abcdx"},
        {"one short", TextLine("abc").tab(5).text("x"), "abc x"},
        {"already past: one blank", TextLine("abcdefg").tab(5).text("x"), "abcdefg x"},
        {"columns below 1 act as 1", TextLine().tab(0).text("x"), "x"},
        {"chained", TextLine().tab(3).text("ab").tab(8).text("cd"), Pad(2) + "ab" + Pad(3) + "cd"},
        {"numbers in a row", TextLine("a").number(3).number(-4), "a 3 -4 "},
        {"right-aligned", TextLine().right(6, "12.5"), Pad(2) + "12.5"},
        {"right after text", TextLine("ab").right(10, "-3.000"), "ab" + Pad(2) + "-3.000"},
        {"too long: one blank", TextLine("abcdef").right(8, "12345"), "abcdef 12345"},
        {"too long at the start", TextLine().right(3, "12345"), "12345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.line.str(), c.expected) << c.name;
    EXPECT_EQ(TextLine("ab").right(10, "x").column(), 11);
}

// Print zones are 14 wide and start at columns 1, 15, 29, 43; a comma always moves on.
TEST(TextLine, PrintZones) {
    EXPECT_EQ(NextZoneColumn(1), 15);
    EXPECT_EQ(NextZoneColumn(14), 15);
    EXPECT_EQ(NextZoneColumn(15), 29);
    EXPECT_EQ(NextZoneColumn(30), 43);
    EXPECT_EQ(TextLine().zone().text("x").str(), Pad(14) + "x");
    // A 14-character item fills its zone: the comma skips a whole zone rather than
    // running the next item into it.
    EXPECT_EQ(TextLine("abcdefghijklmn").zone().text("x").str(), "abcdefghijklmn" + Pad(14) + "x");
    EXPECT_EQ(TextLine("abcdefghijklm").zone().text("x").str(), "abcdefghijklm x");
}

// The expected lines are counted by hand from the print-zone rule: zones start at columns
// 1, 15, 29, 43, and a zone step always moves to the next start strictly after the cursor.
TEST(PageHeader, LinesFollowThePrintZones) {
    const struct {
        std::string modelName, userName;
        int designNo;
        model::DateTime now;
        std::string fileLine, userLine;
    } cases[] = {
        // "File Model1" ends in column 11: zone steps to 15 and 29; the design number prints
        // with its leading and trailing blank. "Ada" ends in column 3, the date (9 characters,
        // columns 15..23) steps on to 29.
        {"Model1", "Ada", 1, {2026, 12, 8, 9, 30, 5},
         "File Model1" + Pad(3) + Pad(14) + "Design # 1 ",
         "Ada" + Pad(11) + "12/8/2026" + Pad(5) + "09:30:05"},
        // A name ending exactly in column 15 still moves a whole zone (to 29), then to 43.
        // No user name: the date starts at column 15. Single-digit month and day have no
        // leading zero; the time keeps its two-digit fields.
        {"ABCDEFGHIJ", "", 1234, {1999, 3, 4, 7, 5, 9},
         "File ABCDEFGHIJ" + Pad(13) + Pad(14) + "Design # 1234 ",
         Pad(14) + "3/4/1999" + Pad(6) + "07:05:09"},
        // A negative design number prints with its minus sign and no leading blank.
        {"cam", "Project X-12 long name", -3, {2030, 11, 30, 23, 59, 59},
         "File cam" + Pad(6) + Pad(14) + "Design #-3 ",
         "Project X-12 long name" + Pad(6) + "11/30/2030" + Pad(4) + "23:59:59"},
    };
    for (const auto& c : cases) {
        auto m = std::make_unique<model::CamModel>();
        m->ModelName = c.modelName;
        m->UserName = c.userName;
        m->DesignNo = c.designNo;
        model::RecordingHost host;
        host.clock = c.now;
        EXPECT_EQ(motion::PageHeader(*m, host),
                  (std::vector<std::string>{"", "", "", c.fileLine, c.userLine, "", ""}));
        EXPECT_TRUE(host.messages.empty());
    }
}

} // namespace
