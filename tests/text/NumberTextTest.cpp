// Number-to-text rule, Val, FNRound and the format pictures, against hand-worked texts.
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <type_traits>

using namespace trochix::text;

namespace {

// Seven significant digits at most, no zero before the point, a blank for non-negative
// values; exponent form from 1E+07 up and below 1E-04.
TEST(NumberText, StrOfSingles) {
    const std::pair<float, const char*> cases[] = {
        {0.5f, " .5"},
        {-0.25f, "-.25"},
        {5.0f, " 5"},
        {0.0f, " 0"},
        {-0.0f, " 0"},
        {0.1f, " .1"},              // 1 digit already reads back as 0.1f
        {1.0f / 3.0f, " .3333333"}, // no shorter form reads back: 7 digits
        {2.35f, " 2.35"},
        {100.0f, " 100"},
        {123456.7f, " 123456.7"},
        {1234567.0f, " 1234567"},
        {1.0e7f, " 1E+07"},
        {12345678.0f, " 1.234568E+07"}, // rounded to 7 digits
        {16777216.0f, " 1.677722E+07"}, // 2^24
        {1.5e10f, " 1.5E+10"},
        {0.0001f, " .0001"},
        {0.00001f, " 1E-05"},
        {-1.5e-7f, "-1.5E-07"},
        {-360.0f, "-360"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(Str(value), text) << value;
    // A box shows the same digits without the blank; a minus sign stays.
    EXPECT_EQ(TrimmedStr(0.5f) + "|" + TrimmedStr(-0.25f) + "|" + TrimmedStr(-0.0f) + "|" +
                  TrimmedStr(1.0e7f) + "|" + TrimmedStr(std::numeric_limits<float>::infinity()),
              ".5|-.25|0|1E+07|Inf");
}

// Doubles keep 15 digits; values that are not finite are named; PrintNumber keeps the digits of
// its argument's type and adds a trailing blank.
TEST(NumberText, StrOfDoublesAndPrintNumber) {
    EXPECT_EQ(StrD(0.1 + 0.2), " .3");               // 15 digits: 0.300000000000000
    EXPECT_EQ(StrD(1.0 / 3.0), " .333333333333333"); // 15 threes
    EXPECT_EQ(StrD(-1.25), "-1.25");
    EXPECT_EQ(StrD(123456789012345.0), " 123456789012345");
    EXPECT_EQ(StrD(1e15) + StrD(1e-5) + StrD(1e100), " 1E+15 1E-05 1E+100");
    EXPECT_EQ(Str(std::numeric_limits<float>::quiet_NaN()), " NaN");
    EXPECT_EQ(StrD(std::numeric_limits<double>::infinity()), " Inf");
    EXPECT_EQ(StrD(-std::numeric_limits<double>::infinity()), "-Inf");
    EXPECT_EQ(PrintNumber(0.1f), " .1 "); // not " .100000001490116 "
    EXPECT_EQ(PrintNumber(-2.0), "-2 ");
    EXPECT_EQ(PrintNumber(7), " 7 ");
}

// The significant digits of a number text, without sign, point, exponent or outer zeros.
std::string SignificantDigits(const std::string& text) {
    std::string digits;
    for (char c : text.substr(0, text.find_first_of("Ee")))
        if (c >= '0' && c <= '9')
            digits += c;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return digits;
}

// The digits the rule asks for, searched as it describes with the C library: the fewest
// significant digits, at most maxDigits, whose correctly rounded form reads back as the value.
template <class T> std::string SearchedDigits(T value, int maxDigits, std::string& rounded) {
    char buf[64];
    for (int p = 1; p <= maxDigits; ++p) {
        std::snprintf(buf, sizeof buf, "%.*e", p - 1, static_cast<double>(std::fabs(value)));
        const T back = std::is_same_v<T, float> ? std::strtof(buf, nullptr)
                                                : static_cast<T>(std::strtod(buf, nullptr));
        if (back == std::fabs(value) || p == maxDigits)
            break;
    }
    rounded = buf;
    return SignificantDigits(rounded);
}

// Values of every magnitude as random bit patterns: the texts hold exactly the searched digits
// at the searched magnitude.
TEST(NumberText, ShortestFormsHoldTheFewestDigitsThatReadBack) {
    std::uint64_t state = 77;
    auto next = [&state] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return state ^ (state >> 29);
    };
    for (int k = 0; k < 30000; ++k) {
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(next()));
        const double d = std::bit_cast<double>(next());
        for (int digits : {7, 9}) {
            if (!std::isfinite(f) || f == 0.0f)
                break;
            std::string rounded;
            const std::string text = ShortestFloat(f, digits);
            ASSERT_EQ(SignificantDigits(text), SearchedDigits(f, digits, rounded)) << text;
            ASSERT_EQ(std::strtod(text.c_str(), nullptr),
                      std::copysign(std::strtod(rounded.c_str(), nullptr), f))
                << text << " " << rounded;
        }
        if (k % 4 == 0 && std::isfinite(d) && d != 0.0) {
            std::string rounded;
            const std::string text = ShortestDouble(d, 15);
            ASSERT_EQ(SignificantDigits(text), SearchedDigits(d, 15, rounded)) << text;
            ASSERT_EQ(std::strtod(text.c_str(), nullptr),
                      std::copysign(std::strtod(rounded.c_str(), nullptr), d))
                << text << " " << rounded;
        }
    }
}

TEST(NumberText, ValReadsTheLeadingNumber) {
    const std::pair<const char*, double> cases[] = {
        {"12.5abc", 12.5}, {"abc", 0.0},    {"", 0.0},          {"  -3.25 ", -3.25},
        {".5", 0.5},       {"-.25", -0.25}, {"1.5E+07", 1.5e7}, {"3.5e-2x", 0.035},
        {"1e", 1.0},       {"1e+", 1.0},    {"2D3", 2000.0},    {"1,000", 1.0},
        {"+7", 7.0},       {"--5", 0.0},    {".", 0.0},         {"1 2", 12.0}, // blanks are skipped
        {"1.2.3", 1.2},    {"1e-999", 0.0}, {"-", 0.0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(Val(text), value) << '"' << text << '"';
    // An overlarge number fits a float.
    const double big = std::numeric_limits<float>::max();
    EXPECT_EQ(Val("1e999"), big);
    EXPECT_EQ(Val("-1e999"), -big);
    EXPECT_EQ(Val("1e39"), big);
    EXPECT_EQ(Val("3e38"), 3e38); // still a float: kept
    EXPECT_TRUE(std::isfinite(static_cast<float>(Val("1e999"))));
}

// What a box holds is a number only when nothing but the number (and blanks) is in it.
TEST(NumberText, HoldsNumberOnlyForAWholeNumber) {
    for (const char* number : {"0", "12.5", "  -3.25 ", ".5", "-.25", "1.", "+7", "1.5E+07",
                               "3.5e-2", "2D3", "1e999", "\t4"})
        EXPECT_TRUE(HoldsNumber(number)) << '"' << number << '"';
    for (const char* other : {"", " ", "abc", "12.5abc", "1e", "1e+", "1,000", "--5", ".", "-",
                              "1 2", "1.2.3", "e5", "x1", "0x10", "1-"})
        EXPECT_FALSE(HoldsNumber(other)) << '"' << other << '"';
}

// floor(x * 10^n + 0.5) / 10^n: halves go up, also for negative values.
TEST(NumberText, FNRoundHalvesUp) {
    const struct {
        double x;
        int n;
        double expected;
    } cases[] = {
        {2.35, 1, 2.4},
        {-1.25, 1, -1.2},
        {-2.5, 0, -2.0},
        {2.5, 0, 3.0},
        {0.125, 2, 0.13},
        {-0.125, 2, -0.12},
        {3.14159, 3, 3.142},
        {1.23456789, 4, 1.2346},
        // 5 or more and negative n all give 5 decimals
        {1.23456789, 5, 1.23457},
        {1.23456789, 9, 1.23457},
        {1.23456789, -1, 1.23457},
        {1234.5678, 2, 1234.57},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(FNRound(c.x, c.n), c.expected) << c.x << " at " << c.n;
}

struct Formatted {
    double x;
    int n;
    const char* text;
};

TEST(NumberText, FNRoundStrPictures) {
    const Formatted cases[] = {
        {1234.5, 2, "1,234.50"},
        {12.0, 0, "12."}, // the point is printed with no decimals
        {0.0, 0, "0."},
        {0.5, 2, "0.50"},
        {-1234.5, 2, "-1,234.50"},
        {1234567.891, 1, "1,234,567.9"},
        {3.14159265, 3, "3.142"},
        {2.5, 4, "2.5000"},
        {999.996, 2, "1,000.00"},           // the carry reaches the grouping
        {1234.5678912, 5, "1,234.567 891"}, // six decimals, a blank after the third
        {1.0, 7, "1.000 000"},
        {-0.001, 2, "0.00"}, // rounds to zero: no sign
        // "0.00E+#": two decimals, the exponent as short as it goes
        {1234.5, -1, "1.23E+3"},
        {0.00123, -1, "1.23E-3"},
        {-98765.0, -1, "-9.88E+4"},
        {99999.0, -1, "1.00E+5"}, // 9.9999 rounds up into the next power
        {1.0, -1, "1.00E+0"},
        {0.0, -1, "0.00E+0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FNRoundStr(c.x, c.n), c.text) << c.x << " at " << c.n;
}

// Printed columns: positive and negative sections, grouping, the blank after the third decimal,
// halves away from zero, and the exponent picture for decimals outside 0..6.
TEST(NumberText, SetFormatPicturesAndValues) {
    EXPECT_EQ(Set_Format(0), "###,###,###,###,##0. ; -###,###,###,###,##0.");
    EXPECT_EQ(Set_Format(4), "###,###,###,###,##0.000 0 ; -###,###,###,###,##0.000 0");
    EXPECT_EQ(Set_Format(6), "###,###,###,###,##0.000 000 ; -###,###,###,###,##0.000 000");
    EXPECT_EQ(Set_Format(7), "0.000 E+##0 ; -0.000 E+##0");
    EXPECT_EQ(Set_Format(-1), "0.000 E+##0 ; -0.000 E+##0");
    const Formatted cases[] = {
        {1234.5, 0, "1,235."},
        {-1234.5, 0, "-1,235."},
        {1234.5678, 1, "1,234.6"},
        {0.25, 1, "0.3"},
        {1234.5678, 2, "1,234.57"},
        {1234.5678, 3, "1,234.568"},
        {0.0, 3, "0.000"},
        {-0.0004, 3, "0.000"}, // rounds to zero: the positive section
        {1234.5679, 4, "1,234.567 9"},
        {1234.56789, 5, "1,234.567 89"},
        {-1234.567891, 6, "-1,234.567 891"},
        {1234567890123.5, 1, "1,234,567,890,123.5"},
        {1234.56, 7, "1.235 E+3"},
        {-0.000123456, 9, "-1.235 E-4"},
        {9999.7, 8, "1.000 E+4"}, // 9.9997 rounds up into the next power
        {0.0, -3, "0.000 E+0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDecimals(c.x, c.n), c.text) << c.x << " at " << c.n;
}

TEST(NumberText, PictureRules) {
    EXPECT_EQ(FormatPicture(5.0, "##0.00"), "5.00");
    EXPECT_EQ(FormatPicture(-3.14159, "0.00"), "-3.14");
    EXPECT_EQ(FormatPicture(1234.5, "#,##0.##"), "1,234.5"); // optional decimals drop
    EXPECT_EQ(FormatPicture(1234.0, "#,##0.##"), "1,234.");
    EXPECT_EQ(FormatPicture(std::nan(""), "0.00"), "0.00");
}

} // namespace
