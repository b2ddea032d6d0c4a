// Model-file value encoding: the written forms and the strict reading of each kind.
#include "files/FileValues.h"

#include "FilesTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace trochix::files;
using trochix::files::testing::Bits;
using trochix::files::testing::ValueSource;

TEST(FileValues, RealsAreWrittenInTheirShortestExactForm) {
    // Expected texts worked out by hand: .5 and -.25 are exact; 1/3 as a float is
    // 0.3333333432674408, whose 7-digit form .3333333 reads back as another float (spacing
    // 3e-8) while .33333334 does not; 1000 + 2^-14 = 1000.0000610... lies 2.2e-5 from
    // 1000.0001, nearer to the next float, so it needs the 9 digits 1000.00006.
    struct Case {
        float value;
        const char* text;
    } cases[] = {
        {0.5f, ".5"},          {-0.25f, "-.25"},         {1.0f, "1"},
        {0.0f, "0"},           {-0.0f, "-0"},            {360.0f, "360"},
        {1.5e7f, "1.5E+07"},   {1.0f / 3.0f, ".33333334"}, {1000.00006f, "1000.00006"},
        {0.0001f, ".0001"},    {1e-5f, "1E-05"},         {-123456.7f, "-123456.7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeReal(c.value), c.text) << c.value;
}

TEST(FileValues, OtherKindsAreWrittenAsTheFileExpects) {
    EXPECT_EQ(EncodeText("MS - Mod Sine"), "\"MS - Mod Sine\"");
    EXPECT_EQ(EncodeText(""), "\"\"");
    // A line break would shift every later line of the file.
    EXPECT_EQ(EncodeText("two\r\nlines"), "\"two  lines\"");
    EXPECT_EQ(EncodeInteger(-1), "-1");
    EXPECT_EQ(EncodeInteger(16), "16");
    EXPECT_EQ(EncodeBoolean(true), "#TRUE#");
    EXPECT_EQ(EncodeBoolean(false), "#FALSE#");
}

TEST(FileValues, EveryFloatReadsBackBitForBit) {
    ValueSource source(12345);
    int checked = 0;
    for (int n = 0; n < 50000; ++n) {
        const float v = source.next();
        const std::string text = EncodeReal(v);
        const RealValue r = DecodeReal(text);
        ASSERT_EQ(r.status, NumberStatus::Ok) << text;
        ASSERT_EQ(Bits(r.value), Bits(v)) << text;
        // At most 9 significant digits (zeros before the first other digit do not count).
        int digits = 0;
        for (char c : text.substr(0, text.find('E')))
            if ((c >= '1' && c <= '9') || (c == '0' && digits > 0))
                ++digits;
        ASSERT_LE(digits, 9) << text;
        ++checked;
    }
    EXPECT_EQ(checked, 50000);
}

TEST(FileValues, RealLinesAreReadStrictly) {
    // Values as older files hold them (at most 7 digits) and the forms other writers use.
    struct Case {
        const char* line;
        NumberStatus status;
        float value;
    } cases[] = {
        {"3.141593", NumberStatus::Ok, 3.141593f},
        {".5", NumberStatus::Ok, 0.5f},
        {"-.25", NumberStatus::Ok, -0.25f},
        {"5.", NumberStatus::Ok, 5.0f},
        {"1.5E+07", NumberStatus::Ok, 1.5e7f},
        {"1.5D+07", NumberStatus::Ok, 1.5e7f},
        {"2e-3", NumberStatus::Ok, 0.002f},
        {"+4", NumberStatus::Ok, 4.0f},
        {"  7  ", NumberStatus::Ok, 7.0f},
        {"1E-50", NumberStatus::Ok, 0.0f}, // below every float: the nearest, zero
        {"1E+39", NumberStatus::OutOfRange, 0.0f},
        {"-1E+400", NumberStatus::OutOfRange, 0.0f},
        {"abc", NumberStatus::NotANumber, 0.0f},
        {"", NumberStatus::NotANumber, 0.0f},
        {"-", NumberStatus::NotANumber, 0.0f},
        {".", NumberStatus::NotANumber, 0.0f},
        {"1E", NumberStatus::NotANumber, 0.0f},
        {"1E+", NumberStatus::NotANumber, 0.0f},
        {"1.5 2", NumberStatus::NotANumber, 0.0f},
        {"12abc", NumberStatus::NotANumber, 0.0f},
        {"\"1\"", NumberStatus::NotANumber, 0.0f},
        {"inf", NumberStatus::NotANumber, 0.0f},
        {"0x10", NumberStatus::NotANumber, 0.0f},
    };
    for (const Case& c : cases) {
        const RealValue r = DecodeReal(c.line);
        EXPECT_EQ(r.status, c.status) << '"' << c.line << '"';
        if (c.status == NumberStatus::Ok) {
            EXPECT_EQ(r.value, c.value) << c.line;
        }
    }
    // What the number-to-text rule writes for values that are not finite reads back.
    EXPECT_TRUE(std::isnan(DecodeReal("NaN").value));
    EXPECT_EQ(DecodeReal("-Inf").value, -std::numeric_limits<float>::infinity());
}

TEST(FileValues, IntegerBooleanAndTextLinesAreReadStrictly) {
    struct IntCase {
        const char* line;
        NumberStatus status;
        int value;
    } ints[] = {
        {"16", NumberStatus::Ok, 16},          {"-1", NumberStatus::Ok, -1},
        {"+3", NumberStatus::Ok, 3},           {"32768", NumberStatus::Ok, 32768},
        {"-2147483648", NumberStatus::Ok, -2147483647 - 1},
        {"2147483648", NumberStatus::OutOfRange, 0},
        {"999999999999999999999", NumberStatus::OutOfRange, 0},
        {"1.0", NumberStatus::NotANumber, 0},  {"", NumberStatus::NotANumber, 0},
        {"3 4", NumberStatus::NotANumber, 0},  {"#TRUE#", NumberStatus::NotANumber, 0},
    };
    for (const IntCase& c : ints) {
        const IntegerValue r = DecodeInteger(c.line);
        EXPECT_EQ(r.status, c.status) << c.line;
        if (c.status == NumberStatus::Ok) {
            EXPECT_EQ(r.value, c.value) << c.line;
        }
    }

    EXPECT_EQ(DecodeBoolean("#TRUE#"), std::optional<bool>(true));
    EXPECT_EQ(DecodeBoolean("#FALSE#"), std::optional<bool>(false));
    for (const char* wrong : {"True", "#true#", "-1", "#TRUE", "", "\"#TRUE#\""})
        EXPECT_FALSE(DecodeBoolean(wrong).has_value()) << wrong;

    EXPECT_EQ(DecodeText("\"Radial\""), std::optional<std::string>("Radial"));
    EXPECT_EQ(DecodeText("\"\""), std::optional<std::string>(""));
    // The last quote closes the text, so a text holding a quote reads back whole.
    EXPECT_EQ(DecodeText("\"a \"b\" c\""), std::optional<std::string>("a \"b\" c"));
    for (const char* wrong : {"\"Radial", "Radial\"", "\"", "Radial", "", "12"})
        EXPECT_FALSE(DecodeText(wrong).has_value()) << wrong;
}
