// The developed groove of a barrel cam: its centre line is (Rp theta, S) of the motion program,
// its walls one roller radius off it along the normal, the fits carry on round the cylinder,
// and a groove bent tighter than the roller is found undercut where hand arithmetic says.
#include "geometry/BarrelDevelopment.h"
#include "files/Examples.h"
#include "geometry/ArcFit.h"
#include "geometry/MachinedCam.h"
#include "geometry/Undercut.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "model/ResultRow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

using namespace trochix;
using namespace trochix::geometry;
using model::ResultRow;

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::unique_ptr<model::CamModel> Barrel() {
    auto m = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    model::Initialize(*m, host);
    EXPECT_TRUE(files::LoadExample(*m, host, 3));
    m->CamType = "Barrel";
    return m;
}

} // namespace

TEST(BarrelDevelopment, CentreLineAndWallsFollowTheMotionProgram) {
    auto m = Barrel();
    const auto g = BarrelDevelopment::Of(*m);
    ASSERT_TRUE(g);
    const double Rp = m->PrimeRadius, Rr = m->RollerRadius;
    for (int i = 0; i < m->NumPoints; i += 5) {
        const double theta = m->Results[ResultRow::CamAngle][i] * std::numbers::pi / 180.0;
        const CurvePoint c = g->centreAt(theta);
        EXPECT_NEAR(c.p.x, Rp * theta, 1e-12);
        EXPECT_NEAR(c.p.y, m->Results[ResultRow::Displacement][i], 1e-5) << i;
        for (int side : {1, -1}) {
            const CurvePoint w = g->offsetAt(theta, side * Rr);
            const Point2 d = w.p - c.p;
            EXPECT_NEAR(std::hypot(d.x, d.y), Rr, 1e-12);
            EXPECT_NEAR(Dot(d, c.tangent), 0.0, 1e-12);
            EXPECT_NEAR(side * Cross(c.tangent, d), Rr, 1e-12) << "the side is to the left";
        }
    }
}

TEST(BarrelDevelopment, FitsCarryOnRoundTheCylinderWithinTheTolerance) {
    auto m = Barrel();
    MakeCamSettings s = SettingsOf(*m);
    s.tolerance = 1e-4;
    const MachinedCam cam = MakeCam(*m, s);
    ASSERT_TRUE(cam.ok) << cam.refusal;
    EXPECT_TRUE(cam.barrel);
    const auto g = BarrelDevelopment::Of(*m);
    EXPECT_DOUBLE_EQ(cam.developedLength, kTwoPi * m->PrimeRadius);
    for (const auto* fit : {&cam.surface, &cam.otherWall, &cam.pitch}) {
        ASSERT_FALSE(fit->empty());
        const Point2 gap = fit->back().end - (fit->front().start + Point2{cam.developedLength, 0});
        EXPECT_LT(std::hypot(gap.x, gap.y), 1e-12);
        for (std::size_t i = 0; i + 1 < fit->size(); ++i) {
            const Point2 joint = (*fit)[i].end - (*fit)[i + 1].start;
            EXPECT_LT(std::hypot(joint.x, joint.y), 1e-12);
        }
    }
    EXPECT_LE(FitDeviation(g->offset(m->RollerRadius), cam.surface), 1e-4 * (1 + 1e-3));
    EXPECT_LE(FitDeviation(g->offset(-m->RollerRadius), cam.otherWall), 1e-4 * (1 + 1e-3));
    EXPECT_LE(cam.deviation, 1e-4);
    // A cutter of the roller's size runs on the centre line; a smaller one on two passes.
    EXPECT_EQ(cam.cutterPath.size(), cam.pitch.size());
    EXPECT_TRUE(cam.otherPass.empty());
    s.cutterRadius = 0.5 * m->RollerRadius;
    const MachinedCam twoPasses = MakeCam(*m, s);
    ASSERT_TRUE(twoPasses.ok);
    EXPECT_FALSE(twoPasses.otherPass.empty());
    s.cutterRadius = 1.5 * m->RollerRadius;
    const MachinedCam wide = MakeCam(*m, s);
    EXPECT_FALSE(wide.ok);
    EXPECT_NE(wide.refusal.find("too wide"), std::string::npos) << wide.refusal;
}

// Example 3 rises 1 in 60 degrees by cycloidal motion... whatever the law, the curvature of
// (Rp t, S) is Rp S'' / (Rp^2 + S'^2)^1.5: on a small cylinder a large roller must loop.
TEST(BarrelDevelopment, UndercutWhereTheCentreLineBendsTighterThanTheRoller) {
    auto m = Barrel();
    m->PrimeRadius = 0.5f;
    m->RollerRadius = 0.75f;
    const auto g = BarrelDevelopment::Of(*m);
    ASSERT_TRUE(g);
    const UndercutFinding u = FindBarrelUndercut(*g);
    ASSERT_FALSE(u.ranges.empty());
    const double Rp = 0.5;
    for (const AngleRange& r : u.ranges) {
        const double mid = 0.5 * (r.from + r.to);
        const MotionValue v = MotionAt(*m)(mid);
        const double kappa = Rp * v.d2S / std::pow(Rp * Rp + v.dS * v.dS, 1.5);
        EXPECT_GT(0.75 * std::fabs(kappa), 1.0) << mid;
        // Just outside each range the roller fits.
        for (double t : {r.from - 1e-4, r.to + 1e-4})
            EXPECT_LE(0.75 * std::fabs(g->curvature(t)), 1.0 + 1e-3) << t;
    }
    EXPECT_LT(u.limit, 0.75);
    const MachinedCam cam = MakeCam(*m, SettingsOf(*m));
    EXPECT_FALSE(cam.ok);
    EXPECT_EQ(cam.refusal, u.message);
    EXPECT_EQ(u.message.rfind("The groove is undercut: the roller radius 0.750", 0), 0u)
        << u.message;
}
