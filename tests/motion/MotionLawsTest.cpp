// The standard motion laws against textbook forms worked out here, independently of the
// coefficients the routines carry; storing points, segment ends and the segment calculation.
#include "MotionTestSupport.h"

#include "model/RecordingHost.h"
#include "model/ReportError.h"
#include "motion/SegmentDriver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

using namespace trochix;
using namespace trochix::motion;
using namespace trochix::motion::test;

namespace {

constexpr double pi = std::numbers::pi;

// S and its first three derivatives with respect to x for a rise of 1.
struct Norm {
    double s, v, a, j;
};

// Unit acceleration shapes and their slopes. The modified sine and trapezoid start and end with
// sine quarter-waves of period beta/2; the sine joins them with a sine of period 3 beta/2, the
// trapezoid with constant plateaus.
bool Ends(double x) { return x <= 0.125 || x >= 0.875; }
double ModSineShape(double x) {
    return Ends(x) ? std::sin(4 * pi * x) : std::cos(4 * pi / 3 * (x - 0.125));
}
double ModSineSlope(double x) {
    return Ends(x) ? 4 * pi * std::cos(4 * pi * x)
                   : -4 * pi / 3 * std::sin(4 * pi / 3 * (x - 0.125));
}
double ModTrapShape(double x) {
    return Ends(x) ? std::sin(4 * pi * x)
           : x <= 0.375 ? 1.0
           : x <= 0.625 ? std::cos(4 * pi * (x - 0.375))
                        : -1.0;
}
double ModTrapSlope(double x) {
    return Ends(x) ? 4 * pi * std::cos(4 * pi * x)
           : (x > 0.375 && x <= 0.625) ? -4 * pi * std::sin(4 * pi * (x - 0.375))
                                       : 0.0;
}

// Simpson's rule on each smooth piece (breaks at multiples of 1/8).
double Integrate(const std::function<double(double)>& f, double x) {
    double total = 0.0;
    for (double lo = 0.0; lo < x - 1e-12; lo += 0.125) {
        const double hi = std::min(lo + 0.125, x), h = (hi - lo) / 400;
        double sum = f(lo) + f(hi);
        for (int i = 1; i < 400; ++i)
            sum += f(lo + i * h) * (i % 2 ? 4 : 2);
        total += sum * h / 3;
    }
    return total;
}

// V = integral of a, S = integral of (x - t) a(t); scaled so that S(1) = 1.
Norm FromShape(double (*shape)(double), double (*slope)(double), double x) {
    auto s = [&](double at) {
        return Integrate([&](double t) { return (at - t) * shape(t); }, at);
    };
    const double k = 1.0 / s(1.0);
    return {k * s(x), k * Integrate(shape, x), k * shape(x), k * slope(x)};
}

Norm Reference(int law, double x) {
    const double c2 = std::cos(2 * pi * x), s2 = std::sin(2 * pi * x);
    const double c1 = std::cos(pi * x), s1 = std::sin(pi * x);
    const double ch = std::cos(pi * x / 2), sh = std::sin(pi * x / 2), q = pi / 2;
    const double x2 = x * x, x3 = x2 * x, x4 = x3 * x, x5 = x4 * x, x6 = x5 * x, x7 = x6 * x;
    switch (law) {
    case kLawModSine: return FromShape(ModSineShape, ModSineSlope, x);
    case kLawModTrap: return FromShape(ModTrapShape, ModTrapSlope, x);
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
        return {10 * x3 - 15 * x4 + 6 * x5, 30 * x2 - 60 * x3 + 30 * x4,
                60 * x - 180 * x2 + 120 * x3, 60 - 360 * x + 360 * x2};
    case kLaw4567:
        return {35 * x4 - 84 * x5 + 70 * x6 - 20 * x7, 140 * x3 - 420 * x4 + 420 * x5 - 140 * x6,
                420 * x2 - 1680 * x3 + 2100 * x4 - 840 * x5,
                840 * x - 5040 * x2 + 8400 * x3 - 4200 * x4};
    }
    return {};
}

const int kRiseLaws[] = {kLawModSine,      kLawModTrap,   kLawCycloidFull, kLawCycloid1,
                         kLawCycloid2,     kLawSimpHarmFull, kLawSimpHarm1, kLawSimpHarm2,
                         kLawDoubleHarm,   kLaw345,       kLaw4567};

std::array<float, 4> Svaj(const model::CamModel& m, int i) {
    return {m.Results[1][i], m.Results[2][i], m.Results[3][i], m.Results[4][i]};
}

bool Calc(model::CamModel& m, model::RecordingHost& host, int seg) {
    return CalcSegment(m, host, seg, ReadLaw(m, seg));
}

// Runs one segment at 0 degrees through the driver and returns the model.
std::unique_ptr<model::CamModel> RunLaw(int law, const std::string& dir, float beta, float h,
                                        float step) {
    auto m = EmptyModel(step);
    SetSegment(*m, 1, law, dir, 0.0f, beta, h);
    model::RecordingHost host;
    EXPECT_TRUE(CalcSegment(*m, host, 1, ReadLaw(*m, 1))) << LawList[law];
    EXPECT_TRUE(host.messages.empty()) << host.lastText();
    return m;
}

} // namespace

// Every law at the ends, eighths and inside each piece of the modified laws, over 80 degrees at a
// step of 1 (x = i / 80). V, A, J: 2e-5 of each quantity's scale (1 + its peak), as the written
// coefficients carry 6 to 9 digits and the results are single precision. S: 3e-6 h, except in the
// trapezoid's first quarter-wave, whose sine term is written 0.03095 (textbook 0.0309544, so up
// to 4.4e-6 h lower).
TEST(MotionLaws, MatchTextbookFormsAtNamedPoints) {
    const float beta = 80.0f, h = 2.0f;
    const double br = beta / 57.29577950560105;
    const int points[] = {0, 5, 10, 20, 31, 35, 40, 45, 60, 70, 75, 80};
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
            const double tolS = h * (3e-6 + (law == kLawModTrap && i <= 10 ? 4.4e-6 : 0.0));
            EXPECT_NEAR(m->Results[1][i], h * r.s, tolS);
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
    const struct {
        int law;
        double cv, ca, cj, tol;
    } cases[] = {
        {kLawCycloidFull, 2.0, 6.2832, 39.48, 0.005}, {kLawModSine, 1.76, 5.528, 69.47, 0.005},
        {kLaw345, 1.875, 5.7735, 60.0, 0.0005},       {kLawModTrap, 2.0, 4.888, 61.43, 0.005},
        {kLaw4567, 2.1875, 7.5132, 52.5, 0.0005},
        {kLawSimpHarmFull, 1.5708, 4.9348, 15.503, 0.0005},
        {kLawDoubleHarm, 2.0405, 9.8696, 42.41, 0.005},
    };
    const double br = 360.0 / 57.29577950560105;
    for (const auto& c : cases) {
        auto m = RunLaw(c.law, "R", 360.0f, 1.0f, 0.25f);
        double v = 0, a = 0, j = 0;
        for (int i = 0; i <= 1440; ++i) {
            v = std::max(v, std::fabs(double(m->Results[2][i])));
            a = std::max(a, std::fabs(double(m->Results[3][i])));
            j = std::max(j, std::fabs(double(m->Results[4][i])));
        }
        SCOPED_TRACE(LawList[c.law]);
        EXPECT_NEAR(v * br, c.cv, c.tol);
        EXPECT_NEAR(a * br * br, c.ca, c.tol);
        EXPECT_NEAR(j * br * br * br, c.cj, c.tol);
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
        EXPECT_NEAR(fall->Results[1][180], 0.0f, 3e-5);
        for (int i = 0; i <= 180; i += 9) {
            EXPECT_EQ(fall->Results[1][i], 1.5f - rise->Results[1][i]);
            for (int k = 2; k <= 4; ++k)
                EXPECT_EQ(fall->Results[k][i], -rise->Results[k][i]);
        }
    }
}

// The double-harmonic fall is its rise run backwards: S_F(x) = S_R(1 - x), V and J change sign,
// A does not; tolerance 1e-5 of each scale (float results of cosines at x and 1 - x). Neither
// rise nor fall: it stores the values it already held.
TEST(MotionLaws, DoubleHarmonicFallRunsTheRiseBackwards) {
    auto rise = RunLaw(kLawDoubleHarm, "R", 120.0f, 1.0f, 1.0f);
    auto fall = RunLaw(kLawDoubleHarm, "F", 120.0f, 1.0f, 1.0f);
    EXPECT_NEAR(fall->Results[1][0], 1.0, 1e-6);
    for (int i = 0; i <= 120; i += 5) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(fall->Results[1][i], rise->Results[1][120 - i], 1e-5);
        EXPECT_NEAR(fall->Results[2][i], -rise->Results[2][120 - i], 2e-5);
        EXPECT_NEAR(fall->Results[3][i], rise->Results[3][120 - i], 5e-5);
        EXPECT_NEAR(fall->Results[4][i], -rise->Results[4][120 - i], 3e-4);
    }
    auto m = EmptyModel();
    SetSegment(*m, 1, kLawDoubleHarm, "P", 0.0f, 30.0f, 1.0f);
    m->Sval = 0.25f;
    m->Vval = -1.0f;
    m->Aval = 2.0f;
    m->Jval = 3.0f;
    DoubleHarm(*m);
    for (int i = 0; i <= 30; ++i)
        EXPECT_EQ(Svaj(*m, i),
                  (std::array{0.25f, -1.0f, 2.0f, 3.0f}));
}

TEST(MotionLaws, DwellHoldsItsLevelOnTheBase) {
    auto m = EmptyModel(0.5f);
    SetSegment(*m, 2, kLawDwell, "D", 90.0f, 45.0f, 0.0f);
    m->SegLow[2] = 0.5f;
    Dwell(*m, 1.25f);
    EXPECT_EQ(m->SegLift[2], 1.25f);
    for (int i = 180; i <= 270; ++i)
        EXPECT_EQ(Svaj(*m, i),
                  (std::array{1.75f, 0.0f, 0.0f, 0.0f})) << i;
    EXPECT_EQ(m->Results[1][179] + m->Results[1][271], 0.0f);
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
    const struct {
        std::string text;
        int family, half, variant;
    } cases[] = {
        {"MS - Mod Sine", kLawModSine, 0, 1},    {"C1 - Cycloid 1st Half ", kLawCycloid1, 1, 2},
        {"C2 - Cycloid 2nd Half", kLawCycloid2, 2, 2}, {"s1", kLawSimpHarm1, 1, 2},
        {"S2 - SHM 2nd Half", kLawSimpHarm2, 2, 2}, {"45 - 345 Poly", kLaw345, 0, 1},
        {"dw", kLawDwell, 0, 1},                 {"", kLawDwell, 0, 1},
        {"XX - nothing", kLawDwell, 0, 1},
    };
    auto m = std::make_unique<model::CamModel>();
    for (const auto& c : cases) {
        m->SegLawText[4] = c.text;
        EXPECT_EQ(ReadLaw(*m, 4), c.variant) << c.text;
        EXPECT_EQ(m->SegLawFamily[4], c.family) << c.text;
        EXPECT_EQ(m->SegHalf[4], c.half) << c.text;
    }
}

// A full cycloid rise of 1 over 90 degrees on a base of 0.5 at 60 rpm (2 pi rad/s). Steps of 1,
// 0.5 and 0.25 put the middle (45 degrees) at index 45, 90 and 180; it is half way up, and V there
// is the textbook peak 2h/br per radian times omega: 2 / (pi/2) * 2 pi = 8 per second.
// Tolerance: float rounding.
TEST(SegmentDriver, StepsPlaceBaseAndPerSecondValuesOnTheirGrid) {
    for (const auto& [step, middle] : {std::pair{1.0f, 45}, {0.5f, 90}, {0.25f, 180}}) {
        SCOPED_TRACE(step);
        auto m = EmptyModel(step);
        SetSegment(*m, 1, kLawCycloidFull, "R", 0.0f, 90.0f, 1.0f);
        m->SegLow[1] = 0.5f;
        m->CamOmega = static_cast<float>(60 * 3.141592654 / 30);
        CamOmegaPowers(*m);
        model::RecordingHost host;
        ASSERT_TRUE(Calc(*m, host, 1));
        EXPECT_EQ(m->Results[0][middle], 45.0f);
        EXPECT_NEAR(m->Results[1][0], 0.5, 1e-7);
        EXPECT_NEAR(m->Results[1][middle], 1.0, 1e-6);
        EXPECT_NEAR(m->Results[2][middle], 8.0, 1e-5);
        EXPECT_NEAR(m->Results[1][2 * middle], 1.5, 1e-6);
        EXPECT_EQ(m->Results[1][2 * middle + 1], 0.0f);
        EXPECT_NEAR(m->TotalLift, 1.5, 1e-6); // the points beyond still hold 0
    }
    // A 360-degree segment fills all 361 points.
    auto m = EmptyModel(1.0f);
    for (int i = 0; i <= 360; ++i)
        m->Results[1][i] = -7.0f;
    SetSegment(*m, 1, kLawDwell, "D", 0.0f, 360.0f, 3.0f);
    model::RecordingHost host;
    ASSERT_TRUE(Calc(*m, host, 1));
    for (int i = 0; i <= 360; ++i)
        ASSERT_EQ(m->Results[1][i], 3.0f) << i;
}

// A 33.3-degree segment at a step of 1 computes local angles 0..33 only; the next segment's
// first point (global 33.3) lands on index 33 and overwrites it.
TEST(SegmentDriver, SegmentOffTheGridSharesItsLastIndex) {
    auto m = EmptyModel();
    model::RecordingHost host;
    SetSegment(*m, 1, kLawDwell, "D", 0.0f, 33.3f, 1.0f);
    ASSERT_TRUE(Calc(*m, host, 1));
    EXPECT_EQ(m->Results[0][33], 33.0f);
    EXPECT_EQ(m->Results[1][33], 1.0f);
    EXPECT_EQ(m->Results[1][34], 0.0f);
    SetSegment(*m, 2, kLawDwell, "D", 33.3f, 20.0f, 2.0f);
    ASSERT_TRUE(Calc(*m, host, 2));
    EXPECT_FLOAT_EQ(m->Results[0][33], 33.3f);
    EXPECT_EQ(m->Results[1][33], 2.0f);
    EXPECT_EQ(m->Results[1][53], 2.0f);
}

// SegEnds come from the points at the segment's ends, one step inside each end for a dwell.
TEST(SegmentDriver, SegBoundaryReadsOneStepInsideADwell) {
    const struct {
        const char* dir;
        int first, last;
    } cases[] = {{"R", 40, 100}, {"d", 41, 99}, {"P", 40, 100}};
    for (const auto& c : cases) {
        auto m = EmptyModel(0.5f);
        for (int k = 1; k <= 4; ++k)
            for (int i = 0; i <= 720; ++i)
                m->Results[k][i] = static_cast<float>(1000 * k + i);
        m->CurSeg = 3;
        m->SegStart[3] = 20.0f;
        m->SegBetaDeg = 30.0f;
        m->SegDir[3] = c.dir;
        SegBoundary(*m);
        for (int k = 0; k <= 3; ++k) {
            EXPECT_EQ(m->SegEnds[3][1][k], 1000.0f * (k + 1) + c.first) << c.dir;
            EXPECT_EQ(m->SegEnds[3][2][k], 1000.0f * (k + 1) + c.last) << c.dir;
        }
    }
}

// Refusals leave Results exactly as they were.
TEST(SegmentDriver, SegmentWithoutBetaOrLawIsRefusedBeforeStoring) {
    auto m = EmptyModel();
    for (int i = 0; i <= 360; ++i)
        m->Results[1][i] = 5.0f;
    model::RecordingHost host;
    SetSegment(*m, 2, kLawCycloidFull, "R", 90.0f, 0.0f, 1.0f);
    EXPECT_FALSE(Calc(*m, host, 2));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.lastText(),
              "Segment 2 has a duration (Beta) of zero - please enter its Beta before calculating");
    EXPECT_EQ(host.messages[0].icon, model::Icon::Exclamation);
    SetSegment(*m, 2, kLawCycloidFull, "F", 90.0f, 30.0f, 1.0f);
    m->SegLawText[2].clear();
    m->SegLawFamily[2] = kLawNone;
    EXPECT_FALSE(Calc(*m, host, 2));
    EXPECT_EQ(host.lastText(), "Segment 2 has no motion law - please pick one from its Program "
                               "list before calculating");
    for (int i = 0; i <= 360; ++i)
        ASSERT_EQ(m->Results[1][i], 5.0f);
}

// The half laws follow the variant: C2 at its middle is h (1/2 + 1/pi); forced to the full
// variant the same row runs the full cycloid (h/2).
TEST(SegmentDriver, VariantChoosesHalfOrFullLaw) {
    auto m = EmptyModel();
    SetSegment(*m, 1, kLawCycloid2, "R", 0.0f, 60.0f, 1.0f);
    model::RecordingHost host;
    ASSERT_TRUE(Calc(*m, host, 1));
    EXPECT_NEAR(m->Results[1][30], 0.5 + 1 / 3.141592653589793, 1e-6);
    ASSERT_TRUE(CalcSegment(*m, host, 1, 1));
    EXPECT_NEAR(m->Results[1][30], 0.5, 1e-6);
}

TEST(SegmentDriver, ReadOmegaRefusesZero) {
    auto m = EmptyModel();
    model::RecordingHost host;
    ReadOmega(*m, host, 0.0);
    EXPECT_EQ(host.lastText(), " Shaft Omega cannot be zero - Please check");
    EXPECT_EQ(m->CamOmega, 1.0f);
    ReadOmega(*m, host, 30.0);
    EXPECT_FLOAT_EQ(m->CamOmega, 3.141592654f);
}
