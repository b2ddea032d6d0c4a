// The design map against the sizing run on the same design, the harmonic rise's closed form
// for the pressure-angle contour, and the contour tracer on fields whose level lines are known.
#include "geometry/DesignMap.h"
#include "GeometryFixture.h"
#include "chain/Recalculate.h"
#include "files/Examples.h"
#include "geometry/DesignMapScene.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

// What the sizing itself reports for a design: rows 5 and 6 after chain::RecalculateSizing.
struct Sized {
    double rise = 0.0, fall = 0.0, largest = 0.0, rhoPosMin = 0.0;
};
Sized SizeAt(const model::CamModel& base, void (*set)(model::CamModel&, double, double),
             double prime, double second) {
    auto m = std::make_unique<model::CamModel>(base);
    set(*m, prime, second);
    RecordingHost host;
    EXPECT_TRUE(chain::RecalculateSizing(*m, host)) << prime << ", " << second;
    Sized s;
    for (int i = 0; i <= m->NumPoints; ++i) {
        const double phi = std::fabs(static_cast<double>(m->Results[5][i]));
        double& side = m->Results[2][i] >= 0.0f ? s.rise : s.fall;
        side = std::max(side, phi);
    }
    s.largest = std::max(std::fabs(m->PressMax), std::fabs(m->PressMin));
    s.rhoPosMin = m->RhoPosMin;
    return s;
}

void SetRoller(model::CamModel& m, double prime, double roller) {
    m.PrimeRadius = static_cast<float>(prime);
    m.RollerRadius = static_cast<float>(roller);
}
void SetOffset(model::CamModel& m, double prime, double offset) {
    m.PrimeRadius = static_cast<float>(prime);
    m.Offset = static_cast<float>(offset);
}

DesignMapRequest Request(MapAxis axis, int size, double p0, double p1, double s0, double s1) {
    DesignMapRequest r;
    r.second = axis;
    r.size = size;
    r.primeFrom = p0;
    r.primeTo = p1;
    r.secondFrom = s0;
    r.secondTo = s1;
    return r;
}

// Nodes whose coordinates are floats already, so the sizing sees the very same design.
void ExpectNodesMatchTheSizing(const model::CamModel& m, const DesignMapRequest& r,
                               void (*set)(model::CamModel&, double, double)) {
    const DesignMap map = MakeDesignMap(m, r);
    ASSERT_TRUE(map.ok) << map.refusal;
    int undercuts = 0;
    for (const auto& [i, j] : {std::pair{0, 0}, {2, 1}, {4, 4}, {1, 3}, {3, 2}}) {
        const MapNode& n = map.at(i, j);
        ASSERT_TRUE(n.valid) << i << ", " << j;
        const double Rr = r.second == MapAxis::Roller ? map.secondAt(j) : m.RollerRadius;
        const Sized s = SizeAt(m, set, map.primeAt(i), map.secondAt(j));
        EXPECT_FLOAT_EQ(n.rise, static_cast<float>(s.rise)) << i << ", " << j;
        EXPECT_FLOAT_EQ(n.fall, static_cast<float>(s.fall)) << i << ", " << j;
        EXPECT_FLOAT_EQ(n.largest(), static_cast<float>(s.largest)) << i << ", " << j;
        EXPECT_NEAR(n.surface, s.rhoPosMin - Rr, 1e-5 * s.rhoPosMin) << i << ", " << j;
        EXPECT_EQ(n.undercut, s.rhoPosMin < Rr) << i << ", " << j;
        undercuts += n.undercut;
    }
    if (r.second == MapAxis::Roller) {
        EXPECT_GT(undercuts, 0) << "the rollers chosen reach undercut";
    }
}

} // namespace

// Example 1 (an offset roller): nodes of both planes equal the sizing's own rows at the same
// prime radius and roller or offset.
TEST(DesignMap, NodesEqualTheSizingOfTheSameDesign) {
    auto m = testsupport::ExampleModel(1);
    ASSERT_EQ(m->FollowerType, 1);
    ExpectNodesMatchTheSizing(*m, Request(MapAxis::Roller, 5, 1.5, 3.5, 0.25, 1.75), SetRoller);
    ExpectNodesMatchTheSizing(*m, Request(MapAxis::Offset, 5, 2.0, 4.0, -0.5, 0.5), SetOffset);
    // The same grid on one thread and on two.
    DesignMapRequest r = Request(MapAxis::Offset, 40, 1.0, 4.0, -1.0, 1.0);
    r.threads = 1;
    const DesignMap one = MakeDesignMap(*m, r);
    r.threads = 2;
    const DesignMap two = MakeDesignMap(*m, r);
    ASSERT_EQ(one.nodes.size(), two.nodes.size());
    for (std::size_t k = 0; k < one.nodes.size(); ++k) {
        ASSERT_EQ(one.nodes[k].valid, two.nodes[k].valid) << k;
        EXPECT_EQ(one.nodes[k].rise, two.nodes[k].rise) << k;
        EXPECT_EQ(one.nodes[k].surface, two.nodes[k].surface) << k;
    }
}

// Nodes the follower cannot take carry nothing: a roller or offset as large as the prime
// radius, an arm that misses the cam.
TEST(DesignMap, DesignsTheFollowerCannotTakeAreInvalid) {
    auto m = testsupport::ExampleModel(1);
    const DesignMap roller = MakeDesignMap(*m, Request(MapAxis::Roller, 3, 1.0, 2.0, 0.0, 2.0));
    ASSERT_TRUE(roller.ok) << roller.refusal;
    EXPECT_TRUE(roller.at(0, 0).valid);  // Rp 1, Rr 0
    EXPECT_FALSE(roller.at(0, 1).valid); // Rr = Rp = 1
    EXPECT_TRUE(roller.at(2, 1).valid);  // Rp 2, Rr 1
    EXPECT_FALSE(roller.at(2, 2).valid); // Rr = Rp = 2
    const DesignMap offset = MakeDesignMap(*m, Request(MapAxis::Offset, 3, 0.5, 1.5, -1.0, 1.0));
    ASSERT_TRUE(offset.ok) << offset.refusal;
    EXPECT_FALSE(offset.at(0, 0).valid); // |e| 1 > Rp 0.5
    EXPECT_FALSE(offset.at(1, 2).valid); // |e| = Rp = 1
    EXPECT_TRUE(offset.at(2, 0).valid);
    EXPECT_TRUE(std::isnan(FieldAt(offset, MapField::Rise, 0, 0)));
    const MapPoint p = EvaluateDesign(*m, MapAxis::Offset, 3.0, 3.0);
    EXPECT_FALSE(p.valid);
    EXPECT_EQ(p.why, "The offset must be smaller than the prime radius.");
}

// The arm of example 4 on the pivot axis: the pivot moved along its direction, as the
// suggestion moves it, gives what the sizing gives after Arm_Geometry.
TEST(DesignMap, ArmPivotAxisEqualsTheSizing) {
    auto m = testsupport::ExampleModel(4);
    ASSERT_FALSE(m->Translating);
    const double C = std::hypot(double{m->ArmPivotX}, double{m->ArmPivotY});
    const double Rp = m->PrimeRadius;
    const DesignMap map =
        MakeDesignMap(*m, Request(MapAxis::Pivot, 3, Rp, Rp + 0.5, C - 0.25, C + 0.25));
    ASSERT_TRUE(map.ok) << map.refusal;
    const auto setPivot = [](model::CamModel& mm, double prime, double distance) {
        const double x = mm.ArmPivotX, y = mm.ArmPivotY, r = std::hypot(x, y);
        mm.PrimeRadius = static_cast<float>(prime);
        mm.ArmPivotX = static_cast<float>(x * distance / r);
        mm.ArmPivotY = static_cast<float>(y * distance / r);
    };
    for (const auto& [i, j] : {std::pair{0, 1}, {1, 0}, {2, 2}}) {
        const MapNode& n = map.at(i, j);
        ASSERT_TRUE(n.valid) << i << ", " << j;
        const Sized s = SizeAt(*m, setPivot, map.primeAt(i), map.secondAt(j));
        // The pivot rounds to float on its way into the model: a few parts in 1e6.
        EXPECT_NEAR(n.largest(), s.largest, 1e-3) << i << ", " << j;
        EXPECT_NEAR(n.rise, s.rise, 1e-3) << i << ", " << j;
        EXPECT_NEAR(n.fall, s.fall, 1e-3) << i << ", " << j;
    }
}

// S = h/2 (1 - cos t) on a translating roller without offset: the largest angle reaches 30
// degrees at Rp = h/2 (1 / sin 30 - 1) = h/2 whatever the roller, rise and fall alike
// (SuggestTest works the closed form). The prime axis has nodes at 0.495 and 0.505; between
// them the angle is nearly straight in Rp, so the crossing sits within 1e-4 of 0.5.
TEST(DesignMap, PressureAngleContourOfTheHarmonicRise) {
    auto m = ModelWithMotion(Harmonic(1.0));
    m->SvajDone = true;
    m->RollerRadius = 0.05f;
    m->Offset = 0.0f;
    const DesignMap map = MakeDesignMap(*m, Request(MapAxis::Roller, 81, 0.205, 1.005, 0.0, 0.15));
    ASSERT_TRUE(map.ok) << map.refusal;
    for (MapField f : {MapField::Rise, MapField::Fall}) {
        const std::vector<ContourSegment> c = LimitContour(map, f);
        ASSERT_EQ(c.size(), 80u) << "one segment per row of cells";
        double low = INFINITY, high = -INFINITY;
        for (const ContourSegment& s : c) {
            EXPECT_NEAR(s.a.x, 0.5, 1e-4);
            EXPECT_NEAR(s.b.x, 0.5, 1e-4);
            low = std::min({low, s.a.y, s.b.y});
            high = std::max({high, s.a.y, s.b.y});
        }
        EXPECT_DOUBLE_EQ(low, 0.0);
        EXPECT_NEAR(high, 0.15, 1e-12);
    }
    // Larger cams meet the limit, smaller ones break it.
    EXPECT_GT(FieldAt(map, MapField::Rise, 0, 0), 0.0);
    EXPECT_LT(FieldAt(map, MapField::Rise, 80, 0), 0.0);
    // The smallest design at this roller, marked where the suggestion puts it.
    ASSERT_TRUE(map.cornerShown);
    EXPECT_NEAR(map.corner.x, 0.5, 1e-5);
    EXPECT_DOUBLE_EQ(map.corner.y, 0.05f);
    EXPECT_DOUBLE_EQ(map.current.x, m->PrimeRadius);
}

// The curvature limit on the roller axis follows the node's own roller (0.1 Rr): on the line
// it traces the surface radius is 0.1 of the roller.
TEST(DesignMap, SurfaceContourFollowsTheRoller) {
    auto m = ModelWithMotion(RiseDwellFall(1.0, 60.0));
    m->SvajDone = true;
    m->RollerRadius = 0.05f;
    m->Offset = 0.0f;
    const DesignMap map = MakeDesignMap(*m, Request(MapAxis::Roller, 41, 0.3, 1.5, 0.0, 0.8));
    ASSERT_TRUE(map.ok);
    const std::vector<ContourSegment> c = LimitContour(map, MapField::Surface);
    ASSERT_FALSE(c.empty());
    for (const ContourSegment& s : c) {
        const MapPoint p = EvaluateDesign(*m, MapAxis::Roller, s.a.x, s.a.y);
        ASSERT_TRUE(p.valid) << p.why;
        // Linear interpolation across a cell of 0.03 x 0.02: within 5e-3 of the line.
        EXPECT_NEAR(p.node.surface, 0.1 * s.a.y, 5e-3) << s.a.x << ", " << s.a.y;
    }
    // A given minimum replaces the default everywhere.
    DesignMapRequest r = Request(MapAxis::Roller, 5, 0.3, 1.5, 0.0, 0.8);
    r.limits.minSurface = 0.2;
    EXPECT_DOUBLE_EQ(MakeDesignMap(*m, r).minSurfaceAt(3), 0.2);
}

TEST(DesignMap, ChosenRangesHoldTheDesignAndTheSuggestion) {
    auto m = testsupport::ExampleModel(1);
    for (MapAxis axis : {MapAxis::Roller, MapAxis::Offset}) {
        DesignMapRequest r;
        r.second = axis;
        r.size = 10;
        const DesignMap map = MakeDesignMap(*m, r);
        ASSERT_TRUE(map.ok) << map.refusal;
        ASSERT_TRUE(map.cornerShown);
        for (const Point& p : {map.current, map.corner}) {
            EXPECT_GT(p.x, map.primeFrom);
            EXPECT_LT(p.x, map.primeTo);
            EXPECT_GE(p.y, map.secondFrom);
            EXPECT_LT(p.y, map.secondTo);
        }
    }
}

// The key names the smallest design only where the map marks it: not for an arm on the roller
// plane, whose smallest design moves the pivot off it.
TEST(DesignMap, KeyNamesTheSmallestOnlyWhereMarked) {
    for (int example : {1, 4}) {
        auto m = testsupport::ExampleModel(example);
        DesignMapRequest r;
        r.second = MapAxis::Roller;
        r.size = 8;
        const DesignMap map = MakeDesignMap(*m, r);
        ASSERT_TRUE(map.ok) << map.refusal;
        EXPECT_EQ(map.cornerShown, example == 1);
        const geometry::Scene scene = geometry::DesignMapScene(map, "in");
        const bool keyed =
            std::any_of(scene.items().begin(), scene.items().end(),
                        [](const geometry::Primitive& p) { return p.text == "smallest"; });
        EXPECT_EQ(keyed, map.cornerShown) << "example " << example;
    }
}

TEST(DesignMap, Refusals) {
    auto flat = testsupport::ExampleModel(2);
    EXPECT_TRUE(MapAxesOf(*flat).empty());
    EXPECT_FALSE(MakeDesignMap(*flat, {}).ok);

    auto m = testsupport::ExampleModel(1);
    const std::pair<DesignMapRequest, const char*> cases[] = {
        {Request(MapAxis::Pivot, 10, 1, 2, 1, 2), "This follower has no pivot distance to map."},
        {Request(MapAxis::Roller, 1, 1, 2, 0, 1),
         "The map takes 2 to 1000 points along each axis."},
        {Request(MapAxis::Roller, 10, 2, 1, 0, 1),
         "A range of the map must run from a smaller to a larger number."},
        {Request(MapAxis::Roller, 10, 1, 2, 0, NAN),
         "A range of the map must run from a smaller to a larger number."},
    };
    for (const auto& [request, why] : cases) {
        const DesignMap map = MakeDesignMap(*m, request);
        EXPECT_FALSE(map.ok);
        EXPECT_EQ(map.refusal, why);
    }
    DesignMapRequest badLimit;
    badLimit.limits.riseAngle = 95.0;
    EXPECT_EQ(MakeDesignMap(*m, badLimit).refusal,
              "A pressure angle limit must lie between 0 and 90 degrees.");
    m->SvajDone = false;
    EXPECT_EQ(MakeDesignMap(*m, {}).refusal, "Calculate the motion program first (S-V-A-J)");
}

// Level lines of fields whose answer is known: a plane crossed in one straight line, a circle
// traced on its radius, a saddle split by its mean, and missing values left out.
TEST(MarchingSquares, KnownLevelLines) {
    // f = x on [0, 1]^2, 11 x 11: the level 0.33 is the line x = 0.33 exactly.
    std::vector<double> plane(121);
    for (int j = 0; j < 11; ++j)
        for (int i = 0; i < 11; ++i)
            plane[static_cast<std::size_t>(j * 11 + i)] = i / 10.0;
    const auto line = MarchingSquares(plane, 11, 11, 0.0, 1.0, 0.0, 1.0, 0.33);
    ASSERT_EQ(line.size(), 10u);
    for (const ContourSegment& s : line) {
        EXPECT_NEAR(s.a.x, 0.33, 1e-12);
        EXPECT_NEAR(s.b.x, 0.33, 1e-12);
    }

    // f = x^2 + y^2 on [-2, 2]^2, 81 x 81: the unit circle; a chord of a cell of 0.05 strays
    // no more than 0.05^2 / 8 / 1 inside and the edge interpolation about as much outside.
    std::vector<double> bowl(81 * 81);
    for (int j = 0; j < 81; ++j)
        for (int i = 0; i < 81; ++i) {
            const double x = -2.0 + i * 0.05, y = -2.0 + j * 0.05;
            bowl[static_cast<std::size_t>(j * 81 + i)] = x * x + y * y;
        }
    const auto circle = MarchingSquares(bowl, 81, 81, -2.0, 2.0, -2.0, 2.0, 1.0);
    ASSERT_GT(circle.size(), 100u);
    for (const ContourSegment& s : circle)
        for (const Point& p : {s.a, s.b})
            EXPECT_NEAR(std::hypot(p.x, p.y), 1.0, 2e-3);

    // One cell, corners (0,0) 1, (1,0) -1, (1,1) 2, (0,1) -1: above at the ends of one
    // diagonal, mean 0.25 above 0, so the high corners join and the low ones are cut off.
    const std::vector<double> saddle = {1.0, -1.0, -1.0, 2.0};
    const auto split = MarchingSquares(saddle, 2, 2, 0.0, 1.0, 0.0, 1.0, 0.0);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_DOUBLE_EQ(split[0].a.x, 0.5);       // bottom edge, 1 -> -1
    EXPECT_DOUBLE_EQ(split[0].b.y, 1.0 / 3.0); // right edge, -1 -> 2
    EXPECT_DOUBLE_EQ(split[1].a.x, 1.0 / 3.0); // top edge, 2 -> -1 leftwards
    EXPECT_DOUBLE_EQ(split[1].b.y, 0.5);       // left edge, -1 -> 1 downwards

    std::vector<double> holed = plane;
    holed[5] = NAN; // (5, 0): the two cells beside it are skipped
    EXPECT_EQ(MarchingSquares(holed, 11, 11, 0.0, 1.0, 0.0, 1.0, 0.33).size(), 10u);
    EXPECT_EQ(MarchingSquares(holed, 11, 11, 0.0, 1.0, 0.0, 1.0, 0.45).size(), 9u);
}
