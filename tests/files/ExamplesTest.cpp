// The example models: their tables, hand-worked points of each, the flags and texts the screens
// rely on, repeatability, and the round trip through a model file.
#include "files/Examples.h"
#include "motion/SegmentDriver.h"

#include "FilesTestSupport.h"
#include "chain/Recalculate.h"
#include "files/ModelFile.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "motion/Continuity.h"
#include "support/TestModels.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <array>
#include <memory>

using namespace trochix;
using namespace trochix::files;
using namespace trochix::files::testing;
using model::RecordingHost;

namespace {

using testsupport::kTruePi;

struct Loaded {
    RecordingHost host;
    std::unique_ptr<CamModel> m = std::make_unique<CamModel>();
    int n;
    bool ok = false;
    explicit Loaded(int example, float step = 1.0f) : n(example) {
        m = testsupport::ModelAtStep(step);
        ok = LoadExample(*m, host, n);
    }
    float R(int row, double angle) const {
        return m->Results[row][static_cast<int>(std::lround(angle / m->DeltaTheta))];
    }
};

int DifferingResults(const CamModel& a, const CamModel& b) {
    int n = 0;
    for (int f = 0; f < model::kResultRows; ++f)
        for (int p = 0; p <= model::kMaxPoints; ++p)
            n += Bits(a.Results[f][p]) != Bits(b.Results[f][p]);
    return n;
}

} // namespace

// Every example loads without a message at every step, with the flags the home screen needs, a
// program whose Betas add up to 360 and that is continuous around the cycle, finite sizing,
// profile and dynamics rows, and its follower data; the speed box reads back as the speed.
TEST(Examples, EachLoadsCompletelyAtEveryStep) {
    const struct {
        int segments;
        float roller, omega, lift, prime, offset;
        bool translating;
        int followerType, direction; // start-up is clockwise; 3 and 5 keep it
    } cases[] = {
        {3, 1.0f, 15.0f, 1.0f, 3.0f, 0.75f, true, 1, 1},
        {3, 1.0f, 15.0f, 1.0f, 3.0f, 0.75f, true, 2, 1},
        {4, 0.75f, 6.28f, 1.0f, 4.0f, 0.0f, true, 1, -1},
        {4, 0.75f, 6.28f, 4.77f, 4.0f, 0.0f, false, 1, 1},
        {8, 1.0f, 18.85f, 1.0f, 4.0f, 0.0f, true, 1, -1},
    };
    for (int n = 1; n <= kExampleCount; ++n)
        for (float step : {1.0f, 0.5f, 0.25f}) {
            SCOPED_TRACE("example " + std::to_string(n) + " step " + std::to_string(step));
            const auto& c = cases[n - 1];
            Loaded t(n, step);
            ASSERT_TRUE(t.ok);
            EXPECT_TRUE(t.host.messages.empty()) << t.host.lastText();
            const CamModel& m = *t.m;
            EXPECT_TRUE(m.SvajDone && m.ProfileDone && m.DynamicsDone);
            EXPECT_FALSE(m.ExampleSizing || m.ExampleLoaded); // the menu's flag, untouched here
            EXPECT_EQ(m.PlotStart, 0.0f);
            EXPECT_EQ(m.PlotEnd, 360.0f);
            EXPECT_EQ(m.NumPoints, static_cast<int>(360.0f / step));
            ASSERT_EQ(m.NumSegments, c.segments);
            EXPECT_EQ(m.SegmentsText, std::to_string(c.segments));
            float betas = 0.0f;
            for (int s = 1; s <= m.NumSegments; ++s) {
                EXPECT_TRUE(m.SegDone[s - 1] && m.SegLow[s] == 0.0f) << s;
                // radians from the degrees with the program's factor
                EXPECT_EQ(m.SegBetaRadArr[s], static_cast<float>(m.SegBeta[s] / 57.29577950560105));
                betas += m.SegBeta[s];
            }
            EXPECT_EQ(betas, 360.0f); // four dwell: 4 x 50 + 4 x 40
            EXPECT_EQ(m.SegEnd[m.NumSegments], 360.0f);
            for (int s = m.NumSegments + 1; s <= model::kMaxSegments; ++s)
                EXPECT_TRUE(m.SegDir[s].empty() && m.SegBeta[s] == 0.0f) << s;
            RecordingHost quiet;
            EXPECT_TRUE(motion::ContinuityCheck(m, quiet).ok);
            for (int row : {5, 6, 7, 8, 9, 10, 11, 12, 15})
                for (int p = 0; p <= m.NumPoints; ++p)
                    ASSERT_TRUE(std::isfinite(m.Results[row][p])) << "row " << row << " p " << p;
            EXPECT_EQ((std::array{m.RollerRadius, m.CamOmega, m.CamOmega2, m.Lift, m.PrimeRadius,
                                  m.Offset}),
                      (std::array{c.roller, c.omega, c.omega * c.omega, c.lift, c.prime,
                                  c.offset}));
            EXPECT_EQ(m.RollerRadiusText, text::FNRoundStr(c.roller, 2));
            EXPECT_EQ(m.Translating, c.translating);
            EXPECT_EQ(m.FollowerType, c.followerType);
            EXPECT_EQ(m.CamType, "Radial");
            EXPECT_EQ(m.CamDirection, c.direction);
            EXPECT_EQ(static_cast<float>(text::Val(m.OmegaText) * 3.141592654 / 30.0), c.omega)
                << m.OmegaText;
        }
}

// Examples 3 and 5 keep the cam's direction (1 leaves it counter-clockwise); the menu's
// "example loaded" flag is the menu command's business.
TEST(Examples, DirectionAndMenuFlagAreLeftAlone) {
    Loaded t(1);
    t.m->ExampleLoaded = true;
    ASSERT_TRUE(LoadExample(*t.m, t.host, 3));
    EXPECT_EQ(t.m->CamDirection, 1);
    EXPECT_TRUE(t.m->ExampleLoaded);
}

TEST(Examples, SpeedTexts) {
    // 15 rad/s = 143.2394488 rpm; seven digits (143.2394) read back as 14.999994 rad/s, one
    // float step below 15, so the eighth digit is needed.
    EXPECT_EQ(motion::OmegaRpmText(15.0f), "143.23945");
    // A speed whose rpm is whole needs no more.
    EXPECT_EQ(motion::OmegaRpmText(static_cast<float>(60.0 * 3.141592654 / 30.0)), "60");
}

// Hand-worked points of each example (degrees in, Results rows out):
// 1 single dwell: double harmonic rise and fall of h = 1 over 90 degrees each, omega 15. Rise
//   S = h/2 [(1 - cos pi x) - (1 - cos 2 pi x)/4]; at x = 1/2, b = pi/2: S = 1/4, dS = 1 per
//   radian, d2S = 2 per radian^2 (times omega, omega^2; float pi constants: 1e-3). Offset roller
//   e = .75, Rp = 3: phi = atan((V/omega - e) / (S + d)), d = sqrt(Rp^2 - e^2); the ccw profile
//   at 0 is (Rp + S, e) turned to -e: (3, -.75). Force F = k S + F0 + c V + m A with the start-up
//   train (m .073804, k 132, F0 173, zeta .15).
// 2 its flat-faced variant: rho = Rp + S + A/omega^2; in a dwell the contact lies on the axis.
// 3 double dwell: modified trapezoid rise and modified sine fall of 1 over 90, omega 6.28; both
//   are symmetric and the trapezoid's peak velocity is 2 h / b at mid-rise.
// 4 its oscillating variant: 4.77 degrees of swing; the roller centre stays on the prime circle
//   (Rp 4) where the arm does not swing.
// 5 four dwell, 50/40 degrees: cycloid fall, 3-4-5 rise and 4-5-6-7 fall at x = .2.
TEST(Examples, HandWorkedPoints) {
    const double d = std::sqrt(9.0 - 0.5625), x = 0.2;
    const double c = 0.15 * 2.0 * 0.073804 * std::sqrt(132.0 / 0.073804); // damping coefficient
    const struct {
        int n, row;
        double angle, expected, tol;
    } cases[] = {
        {1, 1, 45, 0.25, 1e-6},
        {1, 1, 90, 1.0, 1e-6},
        {1, 1, 135, 0.25, 1e-6},
        {1, 2, 45, 15.0, 1e-4},
        {1, 3, 45, 450.0, 1e-3},
        {1, 1, 181, 0, 0},
        {1, 1, 359, 0, 0},
        {1, 5, 0, std::atan(-0.75 / d) * 180.0 / kTruePi, 1e-4},
        {1, 5, 45, std::atan((1.0 - 0.75) / (0.25 + d)) * 180.0 / kTruePi, 1e-4},
        {1, 9, 0, 3.0, 1e-5},
        {1, 10, 0, -0.75, 1e-5},
        {1, 11, 0, std::sqrt(9.5625), 1e-5},
        {1, 7, 0, 173.0, 1e-3},
        {1, 7, 45, 132.0 * 0.25 + 173.0 + c * 15.0 + 0.073804 * 450.0, 1e-2},
        {2, 6, 45, 3.0 + 0.25 + 450.0 / 225.0, 1e-4},
        {2, 6, 270, 3.0, 1e-6},
        {2, 9, 0, 3.0, 1e-5},
        {2, 10, 0, 0.0, 1e-5},
        {3, 1, 45, 0.5, 1e-6},
        {3, 2, 45, 2.0 / (kTruePi / 2) * 6.28, 1e-3},
        {3, 1, 91, 1, 0},
        {3, 1, 179, 1, 0},
        {3, 1, 225, 0.5, 1e-6},
        {3, 5, 135, 0, 1e-6},
        {3, 5, 300, 0, 1e-6},
        {4, 1, 45, 4.77 / 2, 1e-5},
        {4, 1, 135, 4.77f, 0},
        {4, 11, 0, 4.0, 1e-4},
        {4, 11, 300, 4.0, 1e-4},
        {5, 1, 100, 1.0 - (x - std::sin(2 * kTruePi * x) / (2 * kTruePi)), 1e-6},
        {5, 1, 190, 10 * x * x * x - 15 * std::pow(x, 4) + 6 * std::pow(x, 5), 1e-6},
        {5, 1, 280,
         1.0 - (35 * std::pow(x, 4) - 84 * std::pow(x, 5) + 70 * std::pow(x, 6) -
                20 * std::pow(x, 7)),
         1e-6},
        {5, 1, 51, 1, 0},
        {5, 1, 141, 0, 0},
        {5, 1, 231, 1, 0},
        {5, 1, 321, 0, 0}, // dwells
    };
    std::unique_ptr<Loaded> t;
    for (const auto& c : cases) {
        if (!t || t->n != c.n)
            t = std::make_unique<Loaded>(c.n);
        ASSERT_TRUE(t->ok);
        EXPECT_NEAR(t->R(c.row, c.angle), c.expected, c.tol)
            << "example " << c.n << " row " << c.row << " at " << c.angle;
    }
    EXPECT_NEAR(Loaded(1).m->TotalLift, 1.0, 1e-6);
    // The flat face has no pressure angle and the roller's motion.
    Loaded flat(2), roller(1);
    for (int p = 0; p <= 360; ++p) {
        ASSERT_EQ(flat.m->Results[5][p], 0.0f) << p;
        for (int row = 0; row <= 4; ++row)
            ASSERT_EQ(Bits(flat.m->Results[row][p]), Bits(roller.m->Results[row][p]));
    }
    // The arm of 12 pivoted at (12, 4): at zero swing the arm angle is the angle at the pivot of
    // the triangle C = sqrt(160), L = 12, Rp = 4: cos = (160 + 144 - 16) / (2 x 12 x sqrt 160).
    const Loaded arm(4);
    EXPECT_NEAR(arm.m->TotalLift, 4.77, 1e-5);
    EXPECT_EQ((std::array{arm.m->ArmRadius, arm.m->ArmPivotX, arm.m->ArmPivotY,
                          arm.m->ArmDirection}),
              (std::array{12.0f, 12.0f, 4.0f, 1.0f}));
    EXPECT_NEAR(arm.m->PivotDistance, std::sqrt(160.0), 1e-5);
    EXPECT_NEAR(arm.m->ArmAngle0, std::acos(288.0 / (24.0 * std::sqrt(160.0))) * 180.0 / kTruePi,
                1e-4);
    EXPECT_EQ(arm.m->UnitLabel[1] + " " + arm.m->UnitLabel[2], "deg deg/sec"); // S is an angle
}

TEST(Examples, StepIsKeptAndOutOfRangeNumbersAreRefused) {
    Loaded t(5, 0.25f);
    EXPECT_EQ(t.m->DeltaTheta, 0.25f);
    EXPECT_EQ(t.m->NumPoints, 1440);
    EXPECT_NEAR(t.R(1, 100), 1.0 - (0.2 - std::sin(0.4 * kTruePi) / (2 * kTruePi)), 1e-6);

    auto before = std::make_unique<CamModel>(*t.m);
    for (int n : {0, 6, -1}) {
        EXPECT_FALSE(LoadExample(*t.m, t.host, n));
        EXPECT_EQ(DifferingResults(*before, *t.m), 0);
        EXPECT_EQ(t.m->NumSegments, 8);
    }
}

// Per example: loading twice, over another example or over itself, gives the same Results bit
// for bit (3 and 5 keep the cam's direction, so they are loaded over each other); recomputing
// from the inputs gives them again with the table's own texts untouched; saved and reopened,
// every stored field is as it was, and recomputing the reopened model gives the same Results.
TEST(Examples, ReloadRecalculateSaveAndReopen) {
    for (int n = 1; n <= kExampleCount; ++n) {
        SCOPED_TRACE("example " + std::to_string(n));
        Loaded first(n, n == 5 ? 0.25f : 1.0f);
        Loaded again(n, n == 5 ? 0.25f : 1.0f);
        ASSERT_TRUE(LoadExample(*again.m, again.host, n == 3 ? 5 : n == 5 ? 3 : n % 3 + 1));
        ASSERT_TRUE(LoadExample(*again.m, again.host, n));
        EXPECT_EQ(DifferingResults(*first.m, *again.m), 0);
        ASSERT_TRUE(LoadExample(*again.m, again.host, n));
        EXPECT_EQ(DifferingResults(*first.m, *again.m), 0);
        EXPECT_EQ((std::array{first.m->PressMax, first.m->RhoMin, first.m->TorqueMax}),
                  (std::array{again.m->PressMax, again.m->RhoMin, again.m->TorqueMax}));

        ASSERT_TRUE(chain::RecalculateModel(*again.m, again.host));
        EXPECT_EQ(DifferingResults(*first.m, *again.m), 0);
        for (int s = 1; s <= model::kMaxSegments; ++s)
            EXPECT_EQ(again.m->SegDesc[s], first.m->SegDesc[s]);
        EXPECT_EQ(again.m->Lift, first.m->Lift);

        ScratchDir dir;
        Writefile(*first.m, dir.file("Example.cam"));
        ReadResult r = Readfile(dir.file("Example.cam"), *again.m, again.host);
        ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
        ExpectSameStoredFields(*first.m, *r.model);
        EXPECT_EQ(r.model->PlotStart, 0.0f);
        ASSERT_TRUE(chain::RecalculateModel(*r.model, again.host));
        EXPECT_EQ(DifferingResults(*first.m, *r.model), 0);
    }
}

// No example sets a keyed field off its default: each is saved as the fixed layout alone, as
// examples always were.
TEST(Examples, SaveTheFixedLayoutAlone) {
    for (int n = 1; n <= kExampleCount; ++n)
        for (float step : {1.0f, 0.5f, 0.25f}) {
            SCOPED_TRACE("example " + std::to_string(n) + " at " + std::to_string(step));
            Loaded e(n, step);
            ASSERT_TRUE(e.ok);
            const std::string text = ModelFileText(*e.m, "Example.cam");
            EXPECT_EQ(text, ModelFileText(*e.m, "Example.cam", {}));
            // 16 header lines, 16 slots of 204, 17 result rows, 27 closing lines.
            EXPECT_EQ(SplitLines(text).size(),
                      std::size_t(16 + 16 * 204 + 17 * (e.m->NumPoints + 1) + 27));
        }
}
