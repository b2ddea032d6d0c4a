// Math helpers against closed forms and hand-worked values. The program's pi is 3.141592654,
// 4.1e-10 above the true value, so results that pass through it are compared with tolerances
// of about 1e-7 degrees (1e-9 radians); exact cases are compared exactly.
#include "motion/MathHelpers.h"

#include "model/Fault.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

using namespace trochix::motion;
using trochix::model::Fault;
using trochix::model::Icon;
using trochix::model::RecordingHost;

namespace {

constexpr double kTruePi = 3.14159265358979323846;
constexpr double kProgramPi = 3.141592654;

TEST(MathHelpers, DegreeTrigonometry) {
    EXPECT_NEAR(Deg2Rad(180).rad, kProgramPi, 1e-15);
    EXPECT_EQ(Deg2Rad(180).degText, " 180");
    EXPECT_EQ(Deg2Rad(-45.5).degText, "-45.5");
    EXPECT_NEAR(SinD(30), 0.5, 1e-9);
    EXPECT_NEAR(CosD(60), 0.5, 1e-9);
    // cos(1.570796327) = -(1.570796327 - pi/2) to first order: the program's own pi shows.
    EXPECT_NEAR(CosD(90), -(1.570796327 - kTruePi / 2), 1e-16);
}

// The program's arc tangent: left of the vertical axis adds pi, so angles run -pi/2..3pi/2;
// Atan2D gives the same in degrees.
TEST(MathHelpers, Atan2Quadrants) {
    const double q = kTruePi / 4; // arctan(1)
    const struct {
        double x, y, rad, deg;
    } cases[] = {
        {1, 0, 0.0, 0.0},         {1, 1, q, 45},
        {-1, -1, q + kProgramPi, 225}, // not -135
        {-1, 1, -q + kProgramPi, 135}, {1, -1, -q, -45},
        {-1, 0, kProgramPi, 180}, {0, 2, kProgramPi / 2, 90},
        {0, -5, -kProgramPi / 2, -90}, {0, 0, 0.0, 0.0},
        {-1, -std::sqrt(3.0), kTruePi / 3 + kProgramPi, 240},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Atan2(c.x, c.y), c.rad, 1e-12) << c.x << ", " << c.y;
        EXPECT_NEAR(Atan2D(c.x, c.y), c.deg, 1e-7) << c.x << ", " << c.y;
    }
}

// arctan(x / sqrt(1 - x^2)) is the true arc sine; the arc cosine subtracts it from the
// program's pi/2. The ends of the range give the true angles (pi/2, 0 and pi).
TEST(MathHelpers, GuardedArcSineAndCosine) {
    const double p6 = kTruePi / 6; // arcsin(0.5)
    const double h = kProgramPi / 2;
    const struct {
        double x, asin, acos;
    } cases[] = {
        {0.0, 0.0, h},       {0.5, p6, h - p6}, {-0.5, -p6, h + p6},
        {1.0, h, 0.0},       {-1.0, -h, kProgramPi},
        {0.6, std::asin(0.6), h - std::asin(0.6)},
    };
    RecordingHost host;
    for (const auto& c : cases) {
        EXPECT_NEAR(FNArcSin(host, c.x), c.asin, 1e-12) << c.x;
        EXPECT_NEAR(FNArcCos(host, c.x), c.acos, 1e-12) << c.x;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(MathHelpers, ArcOutsideTheRangeShowsTheSquareRootMessage) {
    RecordingHost host;
    // q = 1 - 1.5^2 = -1.25; negative numbers carry no leading blank, non-negative ones do.
    EXPECT_EQ(FNArcSin(host, 1.5), 0.0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Attempting to take square root of negative number (-1.25) "
                                     "in FNArcSin( 1.5 ) - check your data");
    EXPECT_EQ(host.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(host.messages[0].title, "TROCHIX for Windows");

    EXPECT_EQ(FNArcCos(host, -2.0), 0.0); // q = 1 - 4 = -3
    EXPECT_EQ(host.lastText(), "Attempting to take square root of negative number (-3) "
                               "in FNArcCos(-2 ) - check your data");

    EXPECT_EQ(FNArcSin(host, std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(host.lastText(), "Something wrong - cannot take ArcSin of  NaN");
    EXPECT_EQ(FNArcCos(host, std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(host.lastText(), "Something wrong - cannot take ArcCos of  NaN");
}

TEST(MathHelpers, LawOfSines) {
    RecordingHost host;
    // a = 2, b = 1, A = 90 degrees: sin B = 1/2, B = 30 degrees.
    EXPECT_NEAR(*LawofSines(host, 2, 1, kProgramPi / 2), kTruePi / 6, 1e-9);
    EXPECT_TRUE(host.messages.empty());
    for (auto [a, A] : {std::pair{0.0, 1.0}, std::pair{2.0, 0.0}}) {
        host.clear();
        EXPECT_FALSE(LawofSines(host, a, 1, A).has_value());
        EXPECT_EQ(host.lastText(), "Cannot do Law of sines - bad data - zero divisor");
    }
}

TEST(MathHelpers, CosineLawSide) {
    RecordingHost host;
    EXPECT_NEAR(*CosineLaw_Side(host, 3, 4, kProgramPi / 2), 5.0, 1e-8);
    EXPECT_EQ(*CosineLaw_Side(host, 1, 1, 0.0), 0.0);
    EXPECT_NEAR(*CosineLaw_Side(host, 1, 1, kProgramPi / 3), 1.0, 1e-9); // equilateral
    EXPECT_TRUE(host.messages.empty());
    // Two nearly equal sides at C = 0: a^2 + b^2 - 2ab rounds to -1.4e-14 in double.
    EXPECT_FALSE(CosineLaw_Side(host, 7.243, 7.24300001, 0.0).has_value());
    EXPECT_EQ(host.lastText(), "Cannot do law of cosines - negative Sqrt argument in Sub "
                               "CosineLaw_Side; check your data");
    EXPECT_EQ(host.messages.back().icon, Icon::Exclamation);
}

TEST(MathHelpers, CosineLawAngle) {
    const struct {
        double a, b, c, deg;
    } cases[] = {
        {3, 4, 5, std::asin(0.6) * 180 / kTruePi}, // 36.8699 degrees of the 3-4-5 triangle
        {5, 3, 4, 90.0},
        {1, 1, 1, 60.0},
        {3, 1, 2, 180.0}, // flat: a = b + c
        {1, 3, 2, 0.0},   // flat: b = a + c
    };
    RecordingHost host;
    for (const auto& t : cases) {
        const auto angle = CosineLaw_Angle(host, t.a, t.b, t.c);
        ASSERT_TRUE(angle.has_value());
        EXPECT_NEAR(angle->deg, t.deg, 1e-7) << t.a << " " << t.b << " " << t.c;
        EXPECT_NEAR(angle->rad, t.deg * kProgramPi / 180, 1e-9);
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(CosineLaw_Angle(host, 1, 0, 1).has_value());
    EXPECT_EQ(host.lastText(), "Are trying to divide by negative number in Sub CosineLaw_Angle; "
                               "check your data");
}

TEST(MathHelpers, Modulo) {
    const std::array<std::array<double, 3>, 6> cases = {{
        {725, 360, 5}, {-30, 360, 330}, {-725, 360, 355}, {360, 360, 0}, {7.5, 2, 1.5},
        {0.5, 0.25, 0},
    }};
    for (const auto& c : cases)
        EXPECT_NEAR(Modulo(c[0], c[1]), c[2], 1e-9) << c[0] << " mod " << c[1];
    try {
        Modulo(1, 0);
        ADD_FAILURE() << "no fault";
    } catch (const Fault& f) {
        EXPECT_EQ(f.number(), 11);
    }
    RecordingHost host;
    EXPECT_EQ(Modulo(host, 1, 0), 0.0);
    EXPECT_EQ(host.lastText(), "Error 11   (Division by zero)  has occurred in Modulo\r\r");
    EXPECT_NEAR(Modulo(host, 725, 360), 5.0, 1e-9);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST(MathHelpers, Averages) {
    const float v[] = {2, 4, 6, 8};
    EXPECT_EQ((std::vector{Average(0, 3, v), Average(1, 2, v), Average(2, 2, v), Average(3, 2, v)}),
              (std::vector<double>{5, 5, 6, 0})); // no elements: the (empty) sum
    const float m[3][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};
    EXPECT_EQ(Average2(0, 2, m, Order::I_Pointer, 1), 6.0);  // (2 + 6 + 10) / 3
    EXPECT_EQ(Average2(1, 3, m, Order::Pointer_I, 2), 11.0); // (10 + 11 + 12) / 3
    EXPECT_EQ(Average2(2, 1, m, Order::Pointer_I, 0), 0.0);
    float t[3][2][2] = {};
    t[0][1][0] = 1;
    t[1][1][0] = 2;
    t[2][1][0] = 6;
    t[2][0][0] = 100; // another column: not summed
    EXPECT_EQ(Average3(t, 0, 2, 1, 0), 3.0);
    EXPECT_EQ(Average3(t, 1, 2, 1, 0), 4.0);
}

std::vector<double> Of(const MaxMinAt& r) {
    return {r.max, r.min, double(r.maxIndex), double(r.minIndex)};
}

TEST(MathHelpers, ExtremesKeepTheFirstOccurrence) {
    const float v[] = {3, 7, -2, 7, -2, 5};
    EXPECT_EQ(MaxMin1(v, 0, 5).max, 7.0);
    EXPECT_EQ(MaxMin1(v, 0, 5).min, -2.0);
    EXPECT_EQ(MaxMin1(v, 2, 2).max, -2.0);
    // The same run as a row (Pointer_I) and as a column (I_Pointer) of a table.
    float row[2][6] = {{0, 0, 0, 0, 0, 0}, {3, 7, -2, 7, -2, 5}};
    float col[6][2] = {{0, 3}, {0, 7}, {0, -2}, {0, 7}, {0, -2}, {0, 5}};
    EXPECT_EQ(Of(MaxMin2(row, Order::Pointer_I, 1, 0, 5)), (std::vector<double>{7, -2, 1, 2}));
    EXPECT_EQ(Of(MaxMin2(col, Order::I_Pointer, 1, 0, 5)), (std::vector<double>{7, -2, 1, 2}));
    // Nothing beats the first element: its index is the answer.
    const float flat[1][3] = {{4, 4, 4}};
    EXPECT_EQ(Of(MaxMin2(flat, Order::Pointer_I, 0, 0, 2)), (std::vector<double>{4, 4, 0, 0}));
    const float later[1][5] = {{9, 1, 5, 5, 8}};
    EXPECT_EQ(Of(MaxMin2(later, Order::Pointer_I, 0, 2, 4)), (std::vector<double>{8, 5, 4, 2}));
}

// Element 0 counts for the maxima but not for the means; no elements is a division by zero,
// reported under the routine's name.
TEST(MathHelpers, MaximaAndMeans) {
    const float v[] = {10, 2, 4, 9};
    const MaxMinMean r = MaxMinAvg(v, 3);
    EXPECT_EQ((std::vector{r.max, r.min, r.mean}), (std::vector<double>{10, 2, 5})); // 15 / 3
    EXPECT_THROW(MaxMinAvg(v, 0), Fault);
    RecordingHost host;
    const MaxMinMean z = MaxMinAvg(host, v, 0);
    EXPECT_EQ(host.lastText(), "Error 11   (Division by zero)  has occurred in MaxMinAvg\r\r");
    EXPECT_EQ((std::vector{z.max, z.min, z.mean}), (std::vector<double>{10, 10, 0}));

    const float a[] = {-9, 1, -2, 4};
    const float b[] = {1, 3, -6, 2};
    const PolarMax p = PolarmaXAv(a, b, 3);
    EXPECT_EQ((std::vector{p.maxA, p.maxB, p.overall, p.meanA}), (std::vector<double>{9, 6, 9, 1}));
    EXPECT_NEAR(p.meanB, -1.0 / 3.0, 1e-15);
    EXPECT_THROW(PolarmaXAv(a, b, 0), Fault);
    const PolarMax pz = PolarmaXAv(host, a, b, 0);
    EXPECT_EQ(host.lastText(), "Error 11   (Division by zero)  has occurred in PolarmaXAv\r\r");
    EXPECT_EQ((std::vector{pz.maxA, pz.maxB, pz.overall}), (std::vector<double>{9, 1, 9}));

    const float u[] = {1, -5, 3}, w[] = {2, 4, -1}, u2[] = {1, 2}, w2[] = {-7, 3};
    EXPECT_EQ(GlobalMax(u, w, 0, 2), 5.0);
    EXPECT_EQ(GlobalMax(u, w, 2, 2), 3.0); // |3| beats |-1|
    EXPECT_EQ(GlobalMax(u2, w2, 0, 1), 7.0);
    const float c1[] = {-3, 2}, c2[] = {1, 2.5f, -2};
    EXPECT_EQ(CartesianMax(c1, 0, 1), 3.0);
    EXPECT_EQ(CartesianMax(c2, 0, 2), 2.5);
}

TEST(MathHelpers, Rms2DividesByThePoints) {
    std::vector<std::array<float, 2>> m = {{0, 1}, {0, 3}, {0, 3}, {0, 1}};
    // trapezoids of the squares: (1+9)/2 + (9+9)/2 + (9+1)/2 = 19, over 4 points
    EXPECT_NEAR(Rms2(0, 3, m, 1), std::sqrt(19.0 / 4.0), 1e-12);
    m = {{0, 5}, {0, 2}, {0, 2}, {0, 2}};
    // a constant 2 over 3 points: sqrt(8 / 3), not 2
    EXPECT_NEAR(Rms2(1, 3, m, 1), std::sqrt(8.0 / 3.0), 1e-12);
    m[2][1] = -3;
    EXPECT_EQ(Rms2(2, 0, m, 1), -3.0); // last = 0: the element itself
    EXPECT_THROW(Rms2(3, 2, m, 1), Fault);
}

TEST(MathHelpers, ShortTakesTheTail) {
    const struct {
        const char* s;
        int n;
        const char* tail;
    } cases[] = {
        {"ABCDEFG", 2, "CDEFG"}, {"ABC", 1, "C"}, {"ABCD", 0, "ABCD"}, {"ABCDE", 1, "BCDE"},
        {"ABCD", 4, ""},         {"AB", 0, "B"},  {"", 3, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Short(c.s, c.n), c.tail) << c.s << " " << c.n;
}

TEST(MathHelpers, StripFilename) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\CAMS\\MODEL1.CAM", "MODEL1"}, {"MODEL1.CAM", "MODEL1"},
        {"C:\\CAMS\\MODEL1", ""}, // no three-letter extension
        {"/home/u/cams/model1.cam", "model1"}, {"C:\\CAMS/sub\\X.CAM", "X"},
        {"MODEL1.CAMS", ""}, {".CAM", ""}, {"a/.cam", ""}, {"A.CA", ""},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(StripFilename(path), name) << path;
    try {
        StripFilename("ABC");
        ADD_FAILURE() << "no fault";
    } catch (const Fault& f) {
        EXPECT_EQ(f.number(), 5);
    }
    RecordingHost host;
    EXPECT_EQ(StripFilename(host, "ABC"), "");
    EXPECT_EQ(host.lastText(),
              "Error 5   (Invalid procedure call)  has occurred in StripFilename\r\r");
    EXPECT_EQ(StripFilename(host, "/tmp/m2.cam"), "m2");
}

} // namespace
