// Undercut ranges, the cutter limit and the trimmed cam, against the sizing rows of the
// examples and the double harmonic worked by hand.
#include "geometry/Undercut.h"
#include "files/Examples.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

using namespace trochix;
using namespace trochix::geometry;
using model::kDegToRad;
using model::kTwoPi;

namespace {

bool Inside(const std::vector<AngleRange>& ranges, double t) {
    return std::any_of(ranges.begin(), ranges.end(), [&](const AngleRange& r) {
        return (t >= r.from && t <= r.to) || (t + kTwoPi >= r.from && t + kTwoPi <= r.to);
    });
}

double SmallestPositive(const model::CamModel& m, int row) {
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= m.NumPoints; ++i)
        if (m.Results[row][i] > 0.0f)
            best = std::min(best, static_cast<double>(m.Results[row][i]));
    return best;
}

// As designed, no example is undercut and each one's roller is below the smallest convex pitch
// radius of row 6 (which the search may only undercut, by what lies between stored points).
// Example 2 sits exactly on the limit: its double harmonic gives S + S'' = 1 - 4 = -3 at
// 90 degrees, so the prime radius 3 leaves a radius of curvature of zero there.
TEST(Undercut, NoneOnTheExamplesAsDesigned) {
    for (int n = 1; n <= files::kExampleCount; ++n) {
        SCOPED_TRACE(testing::Message() << "example " << n);
        auto m = testsupport::ExampleModel(n);
        const std::optional<CamSurface> cam = CamSurface::Of(*m);
        const UndercutFinding u = FindUndercut(*cam);
        EXPECT_TRUE(u.ranges.empty());
        EXPECT_EQ(u.message, "");
        if (n == 2) {
            EXPECT_NEAR(u.limit, 3.0, 1e-6);
            EXPECT_NEAR(u.limitAngle, 90.0 * kDegToRad, 1e-3);
            continue;
        }
        const double rowMin = SmallestPositive(*m, 6);
        EXPECT_GT(u.limit, m->RollerRadius);
        EXPECT_LE(u.limit, rowMin * (1 + 1e-6));
        EXPECT_GT(u.limit, rowMin - 2e-3);
        EXPECT_FALSE(CheckCutter(*cam, m->RollerRadius).refused);
    }
}

// Example 1 with a roller of 2.5, above its smallest convex pitch radius (about 2.0534 near
// 86.6 degrees): at every stored point the undercut ranges hold exactly where row 6 lies
// between 0 and the roller radius (points within 1e-3 of the roller radius are ambiguous and
// skipped), and each range end lies where rho equals the roller radius (1e-6 relative).
TEST(Undercut, RollerLargerThanThePitchCurvatureOfExampleOne) {
    auto m = testsupport::ExampleModel(1);
    const double Rr = 2.5;
    m->RollerRadius = static_cast<float>(Rr);
    const std::optional<CamSurface> cam = CamSurface::Of(*m);
    const UndercutFinding u = FindUndercut(*cam);
    ASSERT_FALSE(u.ranges.empty());
    for (int i = 0; i <= m->NumPoints; ++i) {
        const double rho = m->Results[6][i];
        if (std::fabs(rho - Rr) < 1e-3)
            continue;
        EXPECT_EQ(Inside(u.ranges, m->Results[0][i] * kDegToRad), rho > 0.0 && rho < Rr)
            << "point " << i << " rho " << rho;
    }
    for (const AngleRange& r : u.ranges) {
        EXPECT_NEAR(1.0 / cam->curvature(r.from), Rr, 1e-6 * Rr);
        EXPECT_NEAR(1.0 / cam->curvature(std::fmod(r.to, kTwoPi)), Rr, 1e-6 * Rr);
    }
    const std::string head = "The cam is undercut: the roller radius 2.500 is larger than the "
                             "radius of curvature of the pitch curve from cam angle ";
    EXPECT_EQ(u.message.substr(0, head.size()), head);
    const std::string tail = " deg.\rThe largest roller radius that avoids it is 2.053.";
    ASSERT_GT(u.message.size(), tail.size());
    EXPECT_EQ(u.message.substr(u.message.size() - tail.size()), tail);
}

// Example 2 with a prime radius of 2.5: rho = Rp + S + S'' (rows 1 and 3) is negative around
// 90 degrees; the range ends are its zeros, the smallest safe prime radius is 3.
TEST(Undercut, FlatFaceOnTooSmallAPrimeRadius) {
    auto m = testsupport::ExampleModel(2);
    m->PrimeRadius = 2.5f;
    const std::optional<CamSurface> cam = CamSurface::Of(*m);
    const UndercutFinding u = FindUndercut(*cam);
    ASSERT_EQ(u.ranges.size(), 1u);
    const double w2 = static_cast<double>(m->CamOmega) * m->CamOmega;
    for (int i = 0; i <= m->NumPoints; ++i) {
        const double rho = 2.5 + m->Results[1][i] + m->Results[3][i] / w2;
        if (std::fabs(rho) > 1e-4) {
            EXPECT_EQ(Inside(u.ranges, m->Results[0][i] * kDegToRad), rho < 0.0) << i;
        }
    }
    EXPECT_NEAR(cam->flatRho(u.ranges[0].from), 0.0, 1e-6);
    EXPECT_NEAR(cam->flatRho(u.ranges[0].to), 0.0, 1e-6);
    EXPECT_NEAR(u.limit, 3.0, 1e-6);
    const std::string tail = " deg.\rThe smallest prime radius that avoids it is 3.000.";
    EXPECT_EQ(u.message.substr(u.message.size() - tail.size()), tail);
}

// Example 5's concave stretches: the smallest concave surface radius is the smallest |rho| of
// the negative part of row 6 plus the roller radius 1; a cutter just above it is refused.
TEST(Undercut, CutterLargerThanTheSmallestConcaveRadius) {
    auto m = testsupport::ExampleModel(5);
    const std::optional<CamSurface> cam = CamSurface::Of(*m);
    double rowMin = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= m->NumPoints; ++i)
        if (m->Results[6][i] < 0.0f)
            rowMin = std::min(rowMin, -static_cast<double>(m->Results[6][i]));
    const CutterFinding fits = CheckCutter(*cam, 4.5);
    EXPECT_FALSE(fits.refused);
    EXPECT_EQ(fits.message, "");
    EXPECT_LE(fits.smallestConcave, rowMin + 1.0 + 1e-6);
    EXPECT_GT(fits.smallestConcave, rowMin + 1.0 - 2e-3);
    const CutterFinding big = CheckCutter(*cam, 5.0);
    EXPECT_TRUE(big.refused);
    const std::string head = "The cutter radius 5.000 is larger than the smallest concave radius "
                             "of the cam surface, 4.57";
    EXPECT_EQ(big.message.substr(0, head.size()), head);
}

// What the cutter leaves is the boundary of the material outside every roller position: no
// point of it lies closer than the roller radius to the roller centre's path (sampled every
// 0.1 degree; 1e-4 relative covers the chords of 0.5 degree), while the untrimmed loops do.
TEST(Undercut, TrimmedCamKeepsClearOfEveryRollerPosition) {
    for (int n : {1, 5}) {
        SCOPED_TRACE(testing::Message() << "example " << n);
        auto m = testsupport::ExampleModel(n);
        m->RollerRadius = n == 1 ? 2.5f : 2.2f;
        const double Rr = m->RollerRadius;
        const std::optional<CamSurface> cam = CamSurface::Of(*m);
        const UndercutFinding u = FindUndercut(*cam);
        ASSERT_FALSE(u.ranges.empty());
        std::vector<Point2> pitch;
        for (int k = 0; k < 3600; ++k)
            pitch.push_back(cam->pitchAt(k * 0.1 * kDegToRad).p);
        auto clearance = [&](Point2 p) {
            double d = std::numeric_limits<double>::infinity();
            for (const Point2& c : pitch)
                d = std::min(d, std::hypot(p.x - c.x, p.y - c.y));
            return d;
        };
        const std::vector<Point2> trimmed = TrimmedSurface(*cam, u, 0.5 * kDegToRad);
        const std::vector<Point2> whole = TrimmedSurface(*cam, UndercutFinding{}, 0.5 * kDegToRad);
        EXPECT_LT(trimmed.size(), whole.size());
        double worst = std::numeric_limits<double>::infinity();
        for (const Point2& p : trimmed)
            worst = std::min(worst, clearance(p));
        EXPECT_GT(worst, Rr * (1 - 1e-4));
        double loops = std::numeric_limits<double>::infinity();
        for (const Point2& p : whole)
            loops = std::min(loops, clearance(p));
        EXPECT_LT(loops, 0.99 * Rr);
    }
}

// Under a flat face the cam left is the common part of the half planes behind every face
// position, n(t) . p <= Rp + S(t) with n(t) = (cos t, sin t) for a clockwise cam: the trimmed
// points keep behind all of them (1e-4 covers the chords), the cusp's swallowtail does not.
TEST(Undercut, TrimmedCamUnderAFlatFaceKeepsBehindEveryFacePosition) {
    auto m = testsupport::ExampleModel(2);
    m->PrimeRadius = 2.5f;
    m->CamDirection = -1;
    const std::optional<CamSurface> cam = CamSurface::Of(*m);
    const UndercutFinding u = FindUndercut(*cam);
    auto intrusion = [&](const std::vector<Point2>& pts) {
        double worst = -std::numeric_limits<double>::infinity();
        for (int k = 0; k < 3600; ++k) {
            const double t = k * 0.1 * kDegToRad, reach = 2.5 + cam->motion(t).S;
            for (const Point2& p : pts)
                worst = std::max(worst, p.x * std::cos(t) + p.y * std::sin(t) - reach);
        }
        return worst;
    };
    EXPECT_LT(intrusion(TrimmedSurface(*cam, u, 0.5 * kDegToRad)), 1e-4);
    EXPECT_GT(intrusion(TrimmedSurface(*cam, UndercutFinding{}, 0.5 * kDegToRad)), 1e-3);
}

} // namespace
