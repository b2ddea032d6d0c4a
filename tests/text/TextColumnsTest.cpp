// Text lines in print zones and tab columns.
#include "text/TextColumns.h"

#include <gtest/gtest.h>

using namespace trochix;
using trochix::text::NextZoneColumn;
using trochix::text::TextLine;

namespace {

std::string Pad(int blanks) {
    return std::string(static_cast<size_t>(blanks), ' ');
}

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

} // namespace
