#include "motion/TextColumns.h"

#include <gtest/gtest.h>

using trochix::motion::NextZoneColumn;
using trochix::motion::TextLine;

namespace {
std::string Pad(int blanks) { return std::string(static_cast<size_t>(blanks), ' '); }
} // namespace

TEST(TextLine, TabColumns) {
    struct Case {
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
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.line.str(), c.expected) << c.name;
}

// Print zones are 14 wide and start at columns 1, 15, 29, 43; a comma always moves on.
TEST(TextLine, PrintZones) {
    EXPECT_EQ(NextZoneColumn(1), 15);
    EXPECT_EQ(NextZoneColumn(14), 15);
    EXPECT_EQ(NextZoneColumn(15), 29);
    EXPECT_EQ(NextZoneColumn(30), 43);
    EXPECT_EQ(TextLine().zone().text("x").str(), Pad(14) + "x");
    EXPECT_EQ(TextLine("File Model1").zone().zone().text("Design #").str(),
              "File Model1" + Pad(17) + "Design #");
    // A 14-character item fills its zone: the comma skips a whole zone rather than
    // running the next item into it.
    EXPECT_EQ(TextLine("abcdefghijklmn").zone().text("x").str(), "abcdefghijklmn" + Pad(14) + "x");
    EXPECT_EQ(TextLine("abcdefghijklm").zone().text("x").str(), "abcdefghijklm x");
}

// Numbers as printed: leading blank or "-", shortest digits, no zero before the point, one
// trailing blank; floats with 7 significant digits (0.1f is not 0.100000001490116).
TEST(TextLine, Numbers) {
    EXPECT_EQ(TextLine().number(1.5).str(), " 1.5 ");
    EXPECT_EQ(TextLine().number(-0.25).str(), "-.25 ");
    EXPECT_EQ(TextLine().number(0.1f).str(), " .1 ");
    EXPECT_EQ(TextLine().number(12).str(), " 12 ");
    EXPECT_EQ(TextLine().number(0).str(), " 0 ");
    EXPECT_EQ(TextLine("a").number(3).number(-4).str(), "a 3 -4 ");
}

TEST(TextLine, RightAlignment) {
    EXPECT_EQ(TextLine().right(6, "12.5").str(), Pad(2) + "12.5");
    EXPECT_EQ(TextLine("ab").right(10, "-3.000").str(), "ab" + Pad(2) + "-3.000");
    EXPECT_EQ(TextLine("abcdef").right(8, "12345").str(), "abcdef 12345"); // too long: one blank
    EXPECT_EQ(TextLine().right(3, "12345").str(), "12345");
    EXPECT_EQ(TextLine("ab").right(10, "x").column(), 11);
}
