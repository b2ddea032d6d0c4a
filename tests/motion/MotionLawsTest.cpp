// The standard motion laws against textbook forms worked out here, independently of the
// coefficients the routines carry.
#include "MotionTestSupport.h"

#include "model/RecordingHost.h"
#include "model/ReportError.h"
#include "motion/SegmentDriver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

using namespace trochix;
using namespace trochix::motion;
using namespace trochix::motion::test;

namespace {

constexpr double pi = std::numbers::pi;

// S and its first three derivatives with respect to x for a rise of 1.
struct Norm {
    double s, v, a, j;
};

// Piecewise-smooth acceleration shapes of unit amplitude. The modified sine and trapezoid are
// built from sine quarter-waves of period beta/2 at both ends; the sine joins with a sine of
// period 3 beta/2, the trapezoid with constant plateaus.
double ModSineShape(double x) {
    return (x <= 0.125 || x >= 0.875) ? std::sin(4 * pi * x) : std::cos(4 * pi / 3 * (x - 0.125));
}
double ModSineShapeSlope(double x) {
    return (x <= 0.125 || x >= 0.875) ? 4 * pi * std::cos(4 * pi * x)
                                      : -4 * pi / 3 * std::sin(4 * pi / 3 * (x - 0.125));
}
double ModTrapShape(double x) {
    if (x <= 0.125 || x >= 0.875)
        return std::sin(4 * pi * x);
    if (x <= 0.375)
        return 1.0;
    if (x <= 0.625)
        return std::cos(4 * pi * (x - 0.375));
    return -1.0;
}
double ModTrapShapeSlope(double x) {
    if (x <= 0.125 || x >= 0.875)
        return 4 * pi * std::cos(4 * pi * x);
    if (x > 0.375 && x <= 0.625)
        return -4 * pi * std::sin(4 * pi * (x - 0.375));
    return 0.0;
}

// Simpson's rule on each smooth piece (breaks at multiples of 1/8).
double Integrate(const std::function<double(double)>& f, double x) {
    double total = 0.0;
    for (double lo = 0.0; lo < x - 1e-12; lo += 0.125) {
        const double hi = std::min(lo + 0.125, x);
        const int n = 400;
        const double h = (hi - lo) / n;
        double sum = f(lo) + f(hi);
        for (int i = 1; i < n; ++i)
            sum += f(lo + i * h) * (i % 2 ? 4 : 2);
        total += sum * h / 3;
    }
    return total;
}

// V = integral of a, S = integral of (x - t) a(t); scaled so that S(1) = 1.
Norm FromShape(double (*shape)(double), double (*slope)(double), double x) {
    auto s = [&](double at) { return Integrate([&](double t) { return (at - t) * shape(t); }, at); };
    const double scale = 1.0 / s(1.0);
    return {scale * s(x), scale * Integrate(shape, x), scale * shape(x), scale * slope(x)};
}

Norm Reference(int law, double x) {
    const double c2 = std::cos(2 * pi * x), s2 = std::sin(2 * pi * x);
    const double c1 = std::cos(pi * x), s1 = std::sin(pi * x);
    const double ch = std::cos(pi * x / 2), sh = std::sin(pi * x / 2), q = pi / 2;
    switch (law) {
    case kLawModSine: return FromShape(ModSineShape, ModSineShapeSlope, x);
    case kLawModTrap: return FromShape(ModTrapShape, ModTrapShapeSlope, x);
    case kLawCycloidFull: return {x - s2 / (2 * pi), 1 - c2, 2 * pi * s2, 4 * pi * pi * c2};
    case kLawCycloid1: return {x - s1 / pi, 1 - c1, pi * s1, pi * pi * c1};
    case kLawCycloid2: return {x + s1 / pi, 1 + c1, -pi * s1, -pi * pi * c1};
    case kLawSimpHarmFull: return {(1 - c1) / 2, q * s1, q * pi * c1, -q * pi * pi * s1};
    case kLawSimpHarm1: return {1 - ch, q * sh, q * q * ch, -q * q * q * sh};
    case kLawSimpHarm2: return {sh, q * ch, -q * q * sh, -q * q * q * ch};
    case kLawDoubleHarm:
        return {((1 - c1) - (1 - c2) / 4) / 2, (pi * s1 - q * s2) / 2, pi * pi * (c1 - c2) / 2,
                pi * pi * pi * (2 * s2 - s1) / 2};
    case kLaw345:
        return {10 * std::pow(x, 3) - 15 * std::pow(x, 4) + 6 * std::pow(x, 5),
                30 * x * x - 60 * std::pow(x, 3) + 30 * std::pow(x, 4),
                60 * x - 180 * x * x + 120 * std::pow(x, 3), 60 - 360 * x + 360 * x * x};
    case kLaw4567:
        return {35 * std::pow(x, 4) - 84 * std::pow(x, 5) + 70 * std::pow(x, 6) - 20 * std::pow(x, 7),
                140 * std::pow(x, 3) - 420 * std::pow(x, 4) + 420 * std::pow(x, 5) -
                    140 * std::pow(x, 6),
                420 * x * x - 1680 * std::pow(x, 3) + 2100 * std::pow(x, 4) - 840 * std::pow(x, 5),
                840 * x - 5040 * x * x + 8400 * std::pow(x, 3) - 4200 * std::pow(x, 4)};
    }
    return {};
}

const int kRiseLaws[] = {kLawModSine,      kLawModTrap,   kLawCycloidFull, kLawCycloid1,
                         kLawCycloid2,     kLawSimpHarmFull, kLawSimpHarm1, kLawSimpHarm2,
                         kLawDoubleHarm,   kLaw345,       kLaw4567};

// Runs one segment at 0 degrees through the driver and returns the model.
std::unique_ptr<model::CamModel> RunLaw(int law, const std::string& dir, float beta, float h,
                                     float step) {
    auto m = EmptyModel(step);
    SetSegment(*m, 1, law, dir, 0.0f, beta, h);
    model::RecordingHost host;
    const int variant = ReadLaw(*m, 1);
    EXPECT_TRUE(CalcSegment(*m, host, 1, variant)) << LawList[law];
    EXPECT_TRUE(host.messages.empty()) << host.lastText();
    return m;
}

} // namespace

// Every law at the ends, eighths and inside each piece of the modified laws, over 80 degrees
// at a step of 1 (x = i / 80). Tolerance: 2e-5 of each quantity's scale (1 + its peak): the
// written coefficients carry 6 to 9 digits and the results are single precision.
TEST(MotionLaws, MatchTextbookFormsAtNamedPoints) {
    const float beta = 80.0f, h = 2.0f;
    const double br = beta / 57.29577950560105;
    const int points[] = {0, 5, 10, 20, 35, 40, 45, 60, 70, 75, 80};
    for (int law : kRiseLaws) {
        auto m = RunLaw(law, "R", beta, h, 1.0f);
        Norm peak{0, 0, 0, 0};
        for (int i = 0; i <= 80; ++i) {
            const Norm r = Reference(law, i / 80.0);
            peak = {std::max(peak.s, std::fabs(r.s)), std::max(peak.v, std::fabs(r.v)),
                    std::max(peak.a, std::fabs(r.a)), std::max(peak.j, std::fabs(r.j))};
        }
        for (int i : points) {
            const Norm r = Reference(law, i / 80.0);
            SCOPED_TRACE(LawList[law] + " at x = " + std::to_string(i) + "/80");
            EXPECT_NEAR(m->Results[1][i], h * r.s, 2e-5 * h * (1 + peak.s));
            EXPECT_NEAR(m->Results[2][i] * br / h, r.v, 2e-5 * (1 + peak.v));
            EXPECT_NEAR(m->Results[3][i] * br * br / h, r.a, 2e-5 * (1 + peak.a));
            EXPECT_NEAR(m->Results[4][i] * br * br * br / h, r.j, 2e-5 * (1 + peak.j));
        }
    }
}

// Dimensionless peaks |V| beta/h, |A| beta^2/h, |J| beta^3/h over a 360-degree rise at 0.25.
// Published values of the standard laws (3 to 5 digits); the double harmonic's were worked out
// by hand: V peaks at x = 2/3 (pi/2 * 1.2990 = 2.0405), A at x = 1 (pi^2), J where
// cos(pi x) = -0.64736 (pi^3/2 * 2.7358 = 42.41). Tolerance: half a unit of the last digit.
TEST(MotionLaws, DimensionlessPeaksMatchPublishedValues) {
    struct Case {
        int law;
        double cv, ca, cj, digitsTol;
    };
    const Case cases[] = {
        {kLawCycloidFull, 2.0, 6.2832, 39.48, 0.005},
        {kLawModSine, 1.76, 5.528, 69.47, 0.005},
        {kLaw345, 1.875, 5.7735, 60.0, 0.0005},
        {kLawModTrap, 2.0, 4.888, 61.43, 0.005},
        {kLaw4567, 2.1875, 7.5132, 52.5, 0.0005},
        {kLawSimpHarmFull, 1.5708, 4.9348, 15.503, 0.0005},
        {kLawDoubleHarm, 2.0405, 9.8696, 42.41, 0.005},
    };
    const double br = 360.0 / 57.29577950560105;
    for (const Case& c : cases) {
        auto m = RunLaw(c.law, "R", 360.0f, 1.0f, 0.25f);
        double v = 0, a = 0, j = 0;
        for (int i = 0; i <= 1440; ++i) {
            v = std::max(v, std::fabs(double(m->Results[2][i])));
            a = std::max(a, std::fabs(double(m->Results[3][i])));
            j = std::max(j, std::fabs(double(m->Results[4][i])));
        }
        SCOPED_TRACE(LawList[c.law]);
        EXPECT_NEAR(v * br, c.cv, c.digitsTol);
        EXPECT_NEAR(a * br * br, c.ca, c.digitsTol);
        EXPECT_NEAR(j * br * br * br, c.cj, c.digitsTol);
    }
}

// A fall is its rise mirrored: S = h - S, V, A, J negated, point by point (exact: the same float
// values are converted).
TEST(MotionLaws, FallMirrorsRise) {
    for (int law : kRiseLaws) {
        if (law == kLawDoubleHarm)
            continue;
        auto rise = RunLaw(law, "R", 90.0f, 1.5f, 0.5f);
        auto fall = RunLaw(law, "F", 90.0f, 1.5f, 0.5f);
        SCOPED_TRACE(LawList[law]);
        EXPECT_FLOAT_EQ(fall->Results[1][0], 1.5f);
        EXPECT_NEAR(fall->Results[1][180], 0.0f, 3e-5);
        for (int i = 0; i <= 180; i += 9) {
            EXPECT_EQ(fall->Results[1][i], 1.5f - rise->Results[1][i]);
            EXPECT_EQ(fall->Results[2][i], -rise->Results[2][i]);
            EXPECT_EQ(fall->Results[3][i], -rise->Results[3][i]);
            EXPECT_EQ(fall->Results[4][i], -rise->Results[4][i]);
        }
    }
}

// The double-harmonic fall is its rise run backwards: S_F(x) = S_R(1 - x), V and J change sign,
// A does not. Tolerance 1e-5 of each scale (float results of cosines at x and 1 - x).
TEST(MotionLaws, DoubleHarmonicFallRunsTheRiseBackwards) {
    auto rise = RunLaw(kLawDoubleHarm, "R", 120.0f, 1.0f, 1.0f);
    auto fall = RunLaw(kLawDoubleHarm, "F", 120.0f, 1.0f, 1.0f);
    EXPECT_NEAR(fall->Results[1][0], 1.0, 1e-6);
    EXPECT_NEAR(fall->Results[1][120], 0.0, 1e-6);
    for (int i = 0; i <= 120; i += 5) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(fall->Results[1][i], rise->Results[1][120 - i], 1e-5);
        EXPECT_NEAR(fall->Results[2][i], -rise->Results[2][120 - i], 1e-5 * 2);
        EXPECT_NEAR(fall->Results[3][i], rise->Results[3][120 - i], 1e-5 * 5);
        EXPECT_NEAR(fall->Results[4][i], -rise->Results[4][120 - i], 1e-5 * 30);
    }
}

// Neither rise nor fall: the double harmonic stores the values it already held.
TEST(MotionLaws, DoubleHarmonicOtherDirectionRestoresPreviousValues) {
    auto m = EmptyModel();
    SetSegment(*m, 1, kLawDoubleHarm, "P", 0.0f, 30.0f, 1.0f);
    m->Sval = 0.25f;
    m->Vval = -1.0f;
    m->Aval = 2.0f;
    m->Jval = 3.0f;
    DoubleHarm(*m);
    for (int i = 0; i <= 30; ++i) {
        EXPECT_EQ(m->Results[1][i], 0.25f);
        EXPECT_EQ(m->Results[2][i], -1.0f);
        EXPECT_EQ(m->Results[3][i], 2.0f);
        EXPECT_EQ(m->Results[4][i], 3.0f);
    }
}

TEST(MotionLaws, DwellHoldsItsLevelOnTheBase) {
    auto m = EmptyModel(0.5f);
    SetSegment(*m, 2, kLawDwell, "D", 90.0f, 45.0f, 0.0f);
    m->SegLow[2] = 0.5f;
    Dwell(*m, 1.25f);
    EXPECT_EQ(m->SegLift[2], 1.25f);
    for (int i = 180; i <= 270; ++i) {
        EXPECT_EQ(m->Results[1][i], 1.75f) << i;
        EXPECT_EQ(m->Results[2][i], 0.0f);
        EXPECT_EQ(m->Results[3][i], 0.0f);
        EXPECT_EQ(m->Results[4][i], 0.0f);
    }
    EXPECT_EQ(m->Results[1][179], 0.0f);
    EXPECT_EQ(m->Results[1][271], 0.0f);
}

TEST(MotionLaws, PolynomialLawsNameTheirDegreeAndReportTheirFaults) {
    model::RecordingHost host;
    auto m = EmptyModel();
    SetSegment(*m, 1, kLaw345, "R", 0.0f, 60.0f, 1.0f);
    EXPECT_TRUE(Poly345(*m, host));
    EXPECT_EQ(m->SegDesc[1], "Poly 5");
    EXPECT_TRUE(Poly4567(*m, host));
    EXPECT_EQ(m->SegDesc[1], "Poly 7");
    EXPECT_TRUE(host.messages.empty());

    // A segment running past 360 degrees has no points to store beyond the last index.
    SetSegment(*m, 2, kLaw4567, "R", 350.0f, 20.0f, 1.0f);
    m->SegDesc[2] = "R";
    EXPECT_FALSE(Poly4567(*m, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.lastText(), model::ReportErrorText(model::kSubscriptOutOfRange, "Poly4567"));
    EXPECT_EQ(m->SegDesc[2], "R");
}

// The law list and how a row's law text is read.
TEST(MotionLaws, ReadLawMapsTheListText) {
    EXPECT_EQ(LawList[3], "C1 - Cycloid 1st Half ");
    EXPECT_EQ(LawList[12], "67 - 4567 Poly");
    struct Case {
        std::string text;
        int family, half, variant;
    };
    const Case cases[] = {
        {"MS - Mod Sine", kLawModSine, 0, 1},    {"C1 - Cycloid 1st Half ", kLawCycloid1, 1, 2},
        {"C2 - Cycloid 2nd Half", kLawCycloid2, 2, 2}, {"s1", kLawSimpHarm1, 1, 2},
        {"S2 - SHM 2nd Half", kLawSimpHarm2, 2, 2}, {"45 - 345 Poly", kLaw345, 0, 1},
        {"dw", kLawDwell, 0, 1},                 {"", kLawDwell, 0, 1},
        {"XX - nothing", kLawDwell, 0, 1},
    };
    auto m = std::make_unique<model::CamModel>();
    for (const Case& c : cases) {
        m->SegLawText[4] = c.text;
        EXPECT_EQ(ReadLaw(*m, 4), c.variant) << c.text;
        EXPECT_EQ(m->SegLawFamily[4], c.family) << c.text;
        EXPECT_EQ(m->SegHalf[4], c.half) << c.text;
    }
}
