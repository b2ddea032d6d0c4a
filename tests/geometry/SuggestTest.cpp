// The design assistant against hand-worked cams and against the sizing itself: the harmonic
// rise's closed form, the flat face's base circle, a roller large enough for the curvature to
// decide, offsets and an arm. Each suggestion meets its limits and a slightly smaller cam does not.
#include "geometry/Suggest.h"
#include "GeometryFixture.h"
#include "chain/Recalculate.h"
#include "files/Examples.h"
#include "geometry/SizingChecks.h"
#include "geometry/SizingPoint.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

std::unique_ptr<model::CamModel> HarmonicCam(double h, double Rr) {
    auto m = ModelWithMotion(Harmonic(h));
    m->SvajDone = true;
    m->RollerRadius = static_cast<float>(Rr);
    m->Offset = 0.0f;
    return m;
}

// The largest |pressure angle| and the smallest convex surface radius of a translating roller
// at prime radius Rp, offset e, through the sizing's own evaluators.
struct Reached {
    double phi = 0.0, surface = INFINITY;
};
Reached At(const model::CamModel& m, double Rp, double e) {
    SizingCase c = SizingCaseOf(m, 1);
    c.Rp = Rp;
    c.e = e;
    Reached r;
    for (int i = 0; i <= m.NumPoints; ++i) {
        const PressurePoint p =
            PressureAngleAt(c, m.Results[0][i], m.Results[1][i], m.Results[2][i]);
        r.phi = std::max(r.phi, std::fabs(static_cast<double>(p.phi)));
        const RhoPoint q = RadiusOfCurvatureAt(c, m.Results[0][i], m.Results[1][i], m.Results[2][i],
                                               m.Results[3][i], p.phi);
        if (q.rho > 0.0f)
            r.surface = std::min(r.surface, q.rho - static_cast<double>(m.RollerRadius));
    }
    return r;
}

} // namespace

// S = h/2 (1 - cos t): tan phi = sin t / (k - cos t), k = 1 + 2 Rp / h, largest 1 / sqrt(k^2 - 1)
// at cos t = 1 / k; a limit alpha gives Rp = h/2 (1 / sin alpha - 1), at 30 degrees h/2, with
// the largest angle at t = 60 degrees, a stored point.
TEST(Suggest, HarmonicRiseByHand) {
    auto m = HarmonicCam(1.0, 0.05);
    const Suggestion s = Suggest(*m, {});
    ASSERT_TRUE(s.ok) << s.refusal;
    EXPECT_NEAR(s.prime, 0.5, 0.5e-5);
    EXPECT_EQ(s.bound, SuggestBound::PressureAngle);
    EXPECT_NEAR(s.riseAngle, 30.0, 1e-4);
    EXPECT_NEAR(s.fallAngle, 30.0, 1e-4);
    EXPECT_GE(s.minSurface, 0.005);
    EXPECT_GT(At(*m, s.prime * (1 - 1e-4), 0.0).phi, 30.0 + 1e-4);

    // At 20 degrees by the same arithmetic, and a larger limit never asks for more.
    SuggestLimits l;
    l.riseAngle = l.fallAngle = 20.0;
    EXPECT_NEAR(Suggest(*m, l).prime, 0.5 * (1.0 / std::sin(Rad(20.0)) - 1.0), 1e-5);
    double previous = INFINITY;
    for (double a : {10.0, 15.0, 25.0, 30.0, 40.0, 60.0, 80.0}) {
        l.riseAngle = l.fallAngle = a;
        const double p = Suggest(*m, l).prime;
        EXPECT_LE(p, previous) << a;
        previous = p;
    }
}

// A roller of 1 on the harmonic cam: at Rp = 0.5 the pitch curve bends tighter than 1.1 Rr,
// so the curvature decides, met at the suggestion and missed 1e-4 below it.
TEST(Suggest, CurvatureDecidesForALargeRoller) {
    auto m = HarmonicCam(1.0, 1.0);
    const Suggestion s = Suggest(*m, {});
    ASSERT_TRUE(s.ok) << s.refusal;
    EXPECT_EQ(s.bound, SuggestBound::Curvature);
    EXPECT_GT(s.prime, 0.5);
    EXPECT_NEAR(s.minSurface, 0.1, 1e-5);
    EXPECT_LE(s.riseAngle, 30.0);
    EXPECT_GE(At(*m, s.prime, 0.0).surface, 0.1 - 1e-6);
    EXPECT_LT(At(*m, s.prime * (1 - 1e-4), 0.0).surface, 0.1);
    SuggestLimits l;
    l.minSurface = 0.3;
    EXPECT_GT(Suggest(*m, l).prime, s.prime);
}

// The flat face: rho = Rp + S + a >= 0 in closed form, what MinBasecircle reports for the
// double harmonic of example 2 (S + a = -3 at 90 degrees).
TEST(Suggest, FlatFaceReproducesTheSmallestBaseCircle) {
    auto m = testsupport::ExampleModel(2);
    SuggestLimits l;
    l.minSurface = 0.0;
    const Suggestion s = Suggest(*m, l);
    ASSERT_TRUE(s.ok) << s.refusal;
    RecordingHost host;
    const std::optional<double> rb = MinBasecircle(*m, host);
    ASSERT_TRUE(rb);
    EXPECT_NEAR(s.prime, *rb, 1e-5 * *rb);
    EXPECT_EQ(s.bound, SuggestBound::Curvature);
    EXPECT_NEAR(s.minSurface, 0.0, 1e-5);
    l.minSurface = 0.5;
    EXPECT_NEAR(Suggest(*m, l).prime, *rb + 0.5, 1e-5 * *rb);
}

// With an offset the rise and the fall differ; the best offset never needs a larger cam than
// the given one or none, and the suggestion meets both limits.
TEST(Suggest, OffsetsAndTheBestOffset) {
    auto m = ModelWithMotion(RiseDwellFall(1.0, 90.0));
    m->SvajDone = true;
    m->RollerRadius = 0.1f;
    m->Offset = 0.3f;
    const Suggestion given = Suggest(*m, {});
    ASSERT_TRUE(given.ok);
    EXPECT_DOUBLE_EQ(given.offset, static_cast<double>(0.3f));
    EXPECT_LE(std::max(given.riseAngle, given.fallAngle), 30.0 * (1 + 1e-6));
    EXPECT_NEAR(std::max(given.riseAngle, given.fallAngle), 30.0, 1e-4);
    m->Offset = 0.0f;
    const Suggestion none = Suggest(*m, {});
    SuggestLimits l;
    l.bestOffset = true;
    l.riseAngle = 20.0;
    l.fallAngle = 40.0;
    const Suggestion best = Suggest(*m, l);
    ASSERT_TRUE(best.ok);
    EXPECT_LE(best.prime, Suggest(*m, SuggestLimits{20.0, 40.0, -1.0, false}).prime);
    EXPECT_GT(best.offset, 0.0) << "a tighter rise limit pushes the follower ahead";
    EXPECT_NEAR(best.riseAngle, 20.0, 1e-3);
    EXPECT_NEAR(best.fallAngle, 40.0, 1e-3);
    EXPECT_LE(none.prime, Suggest(*m, SuggestLimits{}).prime + 1e-12);
}

// The arm of example 4, through the program's own sizing: the pivot moved to the suggested
// distance gives pressure angles within the limit, the one deciding met to 1e-4.
TEST(Suggest, ArmPivotDistanceThroughTheSizing) {
    auto m = testsupport::ExampleModel(4);
    const Suggestion s = Suggest(*m, {});
    ASSERT_TRUE(s.ok) << s.refusal;
    EXPECT_TRUE(s.oscillating);
    EXPECT_GT(s.pivotDistance, std::fabs(m->ArmRadius - m->PrimeRadius));
    ApplySuggestion(*m, s);
    RecordingHost host;
    ASSERT_TRUE(chain::RecalculateSizing(*m, host))
        << (host.messages.empty() ? "" : host.messages[0].text);
    EXPECT_NEAR(std::hypot(m->ArmPivotX, m->ArmPivotY), s.pivotDistance, 1e-5 * s.pivotDistance);
    const double largest = std::max(std::fabs(m->PressMax), std::fabs(m->PressMin));
    EXPECT_LE(largest, 30.0 + 1e-3);
    if (s.bound == SuggestBound::PressureAngle) {
        EXPECT_NEAR(largest, 30.0, 1e-3);
    }
}

TEST(Suggest, BadLimitsAndMissingMotionAreRefused) {
    auto m = HarmonicCam(1.0, 0.05);
    for (double a : {0.0, -5.0, 90.0, 120.0, std::nan("")}) {
        const Suggestion s = Suggest(*m, SuggestLimits{a, 30.0, -1.0, false});
        EXPECT_FALSE(s.ok);
        EXPECT_EQ(s.refusal, "A pressure angle limit must lie between 0 and 90 degrees.");
    }
    EXPECT_EQ(Suggest(*m, SuggestLimits{30.0, 30.0, -2.0, false}).refusal,
              "The smallest surface radius must be zero or positive.");
    m->SvajDone = false;
    EXPECT_EQ(Suggest(*m, {}).refusal, "Calculate the motion program first (S-V-A-J)");
}
