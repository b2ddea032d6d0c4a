// The motion between stored points against the stored rows, its own finite differences and
// the textbook mid-rise values of the standard laws.
#include "geometry/MotionAt.h"
#include "files/Examples.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "motion/MotionLaws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace trochix;
using namespace trochix::geometry;
using model::kDegToRad;

namespace {

std::unique_ptr<model::CamModel> Example(int n, float step = 1.0f) {
    auto m = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    model::Initialize(*m, host);
    m->DeltaTheta = step;
    m->NumPoints = static_cast<int>(std::lround(360.0f / step));
    m->DeltaText = step == 1.0f ? "1" : step == 0.5f ? ".5" : ".25";
    EXPECT_TRUE(files::LoadExample(*m, host, n)) << "example " << n;
    return m;
}

// Rows 1..3 hold S, V = S' omega and A = S'' omega^2 as floats: 1e-5 of the lift (or of the
// value, where it is larger) covers their rounding.
TEST(MotionAt, EqualsTheStoredRowsOfEveryExample) {
    for (int n = 1; n <= files::kExampleCount; ++n) {
        for (float step : {1.0f, 0.25f}) {
            SCOPED_TRACE(testing::Message() << "example " << n << " step " << step);
            auto m = Example(n, step);
            const MotionAt motion(*m);
            const double w = m->CamOmega, lift = std::max(1.0f, m->TotalLift);
            for (int i = 0; i <= m->NumPoints; ++i) {
                const MotionValue v = motion(m->Results[0][i] * kDegToRad);
                const double V = m->Results[2][i] / w, A = m->Results[3][i] / (w * w);
                ASSERT_NEAR(v.S, m->Results[1][i], 1e-5 * lift) << "point " << i;
                ASSERT_NEAR(v.dS, V, 1e-5 * std::max(lift, std::fabs(V))) << "point " << i;
                ASSERT_NEAR(v.d2S, A, 1e-5 * std::max(lift, std::fabs(A))) << "point " << i;
            }
        }
    }
}

// Halfway between stored points, central differences of S and S' (h = 1e-4 rad, truncation
// about h^2 S''' / 6) give S' and S''. Points closer than 2h to a segment end are skipped:
// S'' may jump there. The modified trapezoid's first eighth writes the sine term of S as
// 0.03095 where its S' implies 0.3889845 / 4 pi = 0.0309544, so S' and the slope of S differ
// by up to 4.4e-6 x 4 pi h / beta there (3.5e-5 of the lift): the S check allows 5e-5.
TEST(MotionAt, DerivativesAgreeWithItsOwnDifferences) {
    constexpr double h = 1e-4;
    for (int n = 1; n <= files::kExampleCount; ++n) {
        SCOPED_TRACE(testing::Message() << "example " << n);
        auto m = Example(n);
        const MotionAt motion(*m);
        const double lift = std::max(1.0f, m->TotalLift);
        const auto& breaks = motion.breaks();
        int checked = 0;
        for (int i = 0; i < 360; ++i) {
            const double t = (i + 0.5) * kDegToRad;
            if (std::any_of(breaks.begin(), breaks.end(),
                            [&](double b) { return std::fabs(t - b) < 2 * h; }))
                continue;
            const MotionValue lo = motion(t - h), mid = motion(t), hi = motion(t + h);
            const double scale = lift + std::fabs(mid.dS) + std::fabs(mid.d2S);
            ASSERT_NEAR((hi.S - lo.S) / (2 * h), mid.dS, 5e-5 * scale) << "angle " << i + 0.5;
            ASSERT_NEAR((hi.dS - lo.dS) / (2 * h), mid.d2S, 1e-5 * scale) << "angle " << i + 0.5;
            ++checked;
        }
        EXPECT_GT(checked, 350);
    }
}

// Mid-rise (x = 1/2) of a rise of h = 2 over beta = 90 degrees: S = h/2 for every symmetric law,
// and the textbook peak velocities 2 h/beta (cycloid), pi/2 h/beta (harmonic), 15/8 h/beta
// (3-4-5), 35/16 h/beta (4-5-6-7), with zero acceleration; a fall mirrors it.
TEST(MotionAt, StandardLawsAtMidRise) {
    const double h = 2.0, beta = 90.0, br = beta * kDegToRad;
    struct Case {
        int law;
        double peak;
    };
    for (const Case& c : {Case{motion::kLawCycloidFull, 2.0},
                          {motion::kLawSimpHarmFull, 1.5707963},
                          {motion::kLaw345, 1.875},
                          {motion::kLaw4567, 2.1875}}) {
        SCOPED_TRACE(c.law);
        const MotionValue rise = LawValueAt(c.law, "R", beta, h, beta / 2);
        EXPECT_NEAR(rise.S, h / 2, 1e-7);
        EXPECT_NEAR(rise.dS, c.peak * h / br, 1e-6);
        EXPECT_NEAR(rise.d2S, 0.0, 1e-6);
        const MotionValue fall = LawValueAt(c.law, "F", beta, h, beta / 4);
        const MotionValue mirror = LawValueAt(c.law, "R", beta, h, beta / 4);
        EXPECT_NEAR(fall.S, h - mirror.S, 1e-12);
        EXPECT_NEAR(fall.dS, -mirror.dS, 1e-12);
    }
}

} // namespace
