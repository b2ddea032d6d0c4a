// The design assistant's fast searches against slow ones through the sizing alone: the arm's
// closed-form guide against the evaluators point by point, the pivot distance against a scan
// and bisection that checks every point at every step, the best offset against a row of
// offsets. Arms of both turning senses, with dwells (example 4) and without (a harmonic swing).
#include "GeometryFixture.h"
#include "files/Examples.h"
#include "geometry/ArmGeometry.h"
#include "geometry/SizingPoint.h"
#include "geometry/Suggest.h"
#include "geometry/SuggestPoints.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

struct ArmCase {
    std::string name;
    std::unique_ptr<model::CamModel> m;
};

// Example 4's double dwell and a harmonic swing of 20 degrees, each with the arm and the cam
// turning either way; rollers of 1 and 2.5 (the larger for the curvature to decide).
std::vector<ArmCase> Arms() {
    std::vector<ArmCase> arms;
    for (double armDir : {1.0, -1.0})
        for (int camDir : {-1, 1}) {
            const std::string sense = " arm " + std::to_string(static_cast<int>(armDir)) + " cam " +
                                      std::to_string(camDir);
            RecordingHost host;
            auto ex = std::make_unique<model::CamModel>();
            model::Initialize(*ex, host);
            EXPECT_TRUE(files::LoadExample(*ex, host, 4));
            ex->ArmDirection = static_cast<float>(armDir);
            ex->CamDirection = camDir;
            EXPECT_TRUE(Arm_Geometry(*ex, host));
            arms.push_back({"example 4" + sense, std::move(ex)});

            auto swing = ModelWithMotion(Harmonic(20.0));
            swing->SvajDone = true;
            swing->RollerRadius = 2.5f;
            SetArm(*swing, 5.0, 9.0, 6.0, 10.0, armDir, camDir);
            EXPECT_TRUE(Arm_Geometry(*swing, host));
            arms.push_back({"swing" + sense, std::move(swing)});
        }
    return arms;
}

SuggestRules RulesFor(const model::CamModel& m, const SuggestLimits& l) {
    SuggestRules r;
    r.riseAngle = l.riseAngle;
    r.fallAngle = l.fallAngle;
    r.Rr = m.RollerRadius;
    r.minSurf = l.minSurface >= 0.0 ? l.minSurface : 0.1 * r.Rr;
    return r;
}

// Every point through the sizing at pivot distance C: fails (angles only: an angle or a fault).
bool AnyFails(const model::CamModel& m, const SuggestRules& r, double C, bool anglesOnly) {
    const MotionPoints p = MotionPointsOf(m);
    const SizingCase at = ArmAt(SizingCaseOf(m, 1), C, m.PrimeRadius);
    for (std::size_t i = 0; i < p.size(); ++i) {
        const PressurePoint q = PressureAngleAt(at, p.theta[i], p.S[i], p.V[i]);
        if (q.fault != 0 || q.contour.divisionByZero || !r.AngleOk(q.phi, p.V[i]))
            return true;
        const RhoPoint h = RadiusOfCurvatureAt(at, p.theta[i], p.S[i], p.V[i], p.A[i], q.phi);
        if (h.fault != 0 || (!anglesOnly && !(r.SurfaceOf(h.rho) >= r.minSurf)))
            return true;
    }
    return false;
}

// The search as first written: 64 scan steps over the triangle's range, then plain bisection,
// every point checked at every step.
double ReferencePivot(const model::CamModel& m, const SuggestRules& r, bool anglesOnly) {
    const double L = m.ArmRadius, Rp = m.PrimeRadius;
    const double lo = std::fabs(L - Rp), hi = L + Rp;
    for (int j = 1; j < 64; ++j) {
        double above = lo + (hi - lo) * j / 64;
        if (AnyFails(m, r, above, anglesOnly))
            continue;
        if (j == 1)
            return above;
        double below = lo + (hi - lo) * (j - 1) / 64;
        while (above - below > 1e-10 * above) {
            const double mid = 0.5 * (below + above);
            (AnyFails(m, r, mid, anglesOnly) ? below : above) = mid;
        }
        return above;
    }
    return INFINITY;
}

} // namespace

// The guide's pressure angle and radius equal the sizing's to its float rounding at every point,
// over the whole range of pivot distances, and its verdict differs only within a hair of a limit;
// also for a swing of 120 degrees, whose angles pass 150.
TEST(SuggestArm, GuideFollowsTheSizingAtEveryPoint) {
    std::vector<ArmCase> arms = Arms();
    for (double armDir : {1.0, -1.0}) {
        auto wide = ModelWithMotion(Harmonic(120.0));
        wide->RollerRadius = 0.5f;
        SetArm(*wide, 5.0, 9.0, 6.0, 10.0, armDir);
        RecordingHost host;
        EXPECT_TRUE(Arm_Geometry(*wide, host));
        arms.push_back(
            {"wide swing arm " + std::to_string(static_cast<int>(armDir)), std::move(wide)});
    }
    for (const ArmCase& a : arms) {
        const model::CamModel& m = *a.m;
        const MotionPoints p = MotionPointsOf(m);
        const SizingCase c = SizingCaseOf(m, 1);
        const SuggestRules rules = RulesFor(m, {});
        ArmGuide guide(p, c, m.PrimeRadius, rules);
        const double lo = std::fabs(m.ArmRadius - m.PrimeRadius), hi = m.ArmRadius + m.PrimeRadius;
        int compared = 0;
        double largest = 0.0;
        for (int j = 1; j < 32; ++j) {
            const double C = lo + (hi - lo) * j / 32;
            guide.SetPivot(C);
            const SizingCase at = ArmAt(c, C, m.PrimeRadius);
            for (std::size_t i = 0; i < p.size(); i += 3) {
                const PressurePoint q = PressureAngleAt(at, p.theta[i], p.S[i], p.V[i]);
                const RhoPoint h =
                    RadiusOfCurvatureAt(at, p.theta[i], p.S[i], p.V[i], p.A[i], q.phi);
                const double rho = h.rho;
                const ArmGuide::Value v = guide.ValueAt(i);
                ASSERT_EQ(v.ok, q.fault == 0 && !q.contour.divisionByZero && h.fault == 0)
                    << a.name << " C " << C << " point " << i;
                if (!v.ok)
                    continue;
                const std::string where =
                    a.name + " C " + std::to_string(C) + " point " + std::to_string(i);
                ASSERT_NEAR(v.phi, q.phi, 2e-5 + 1e-6 * std::fabs(q.phi)) << where;
                // Near a straight stretch the radius is a quotient of two small numbers.
                if (std::fabs(rho) < 1e4) {
                    ASSERT_NEAR(v.rho, rho, 1e-4 * std::max(1.0, std::fabs(rho))) << where;
                }
                largest = std::max(largest, std::fabs(static_cast<double>(q.phi)));
                ++compared;
                const double margin = std::fabs(std::fabs(q.phi) - 30.0);
                const double surfaceMargin = std::fabs(rules.SurfaceOf(rho) - rules.minSurf);
                if (margin > 1e-4 && surfaceMargin > 1e-4 * std::max(1.0, std::fabs(rho))) {
                    const bool passes =
                        std::fabs(q.phi) <= 30.0 && rules.SurfaceOf(rho) >= rules.minSurf;
                    ASSERT_EQ(guide.At(i) == PointVerdict::Pass, passes) << where;
                }
            }
        }
        EXPECT_GT(compared, 3000) << a.name;
        if (a.name.rfind("wide", 0) == 0) {
            EXPECT_GT(largest, 150.0) << a.name;
        }
    }
}

// Against the search that checks every point at every step: the same pivot distance to 1e-9,
// the same deciding limit, and the answer met at every point and missed 1e-8 below it.
TEST(SuggestArm, PivotEqualsTheFullSearchThroughTheSizing) {
    const SuggestLimits limits[] = {{30.0, 30.0, -1.0, false},
                                    {20.0, 40.0, -1.0, false},
                                    {45.0, 45.0, 0.8, false},
                                    {35.0, 25.0, 2.5, false},
                                    {15.0, 15.0, 2.0, false}};
    int curvature = 0, refused = 0;
    for (const ArmCase& a : Arms())
        for (const SuggestLimits& l : limits) {
            const std::string where = a.name + " limits " + std::to_string(l.riseAngle) + "/" +
                                      std::to_string(l.fallAngle) + " surface " +
                                      std::to_string(l.minSurface);
            const SuggestRules rules = RulesFor(*a.m, l);
            const double reference = ReferencePivot(*a.m, rules, false);
            const Suggestion s = Suggest(*a.m, l);
            if (!std::isfinite(reference)) {
                EXPECT_FALSE(s.ok) << where;
                ++refused;
                continue;
            }
            ASSERT_TRUE(s.ok) << where << ": " << s.refusal;
            EXPECT_NEAR(s.pivotDistance, reference, 1e-9 * reference) << where;
            EXPECT_FALSE(AnyFails(*a.m, rules, s.pivotDistance, false)) << where;
            EXPECT_TRUE(AnyFails(*a.m, rules, s.pivotDistance * (1.0 - 1e-8), false)) << where;
            const double byAngle = ReferencePivot(*a.m, rules, true);
            const SuggestBound bound = byAngle < reference * (1.0 - 1e-7)
                                           ? SuggestBound::Curvature
                                           : SuggestBound::PressureAngle;
            EXPECT_EQ(s.bound, bound) << where;
            curvature += s.bound == SuggestBound::Curvature;
        }
    EXPECT_GT(curvature, 0) << "the curvature should decide somewhere";
    EXPECT_GT(refused, 0) << "a roller of 1 cannot have 15 degrees and a surface of 2";
    EXPECT_LT(refused, 16);
}

// The best offset is no worse than any of a row of given offsets, where the pressure angle
// decides (examples 1, 3 and 5) and where the curvature does (a large roller).
TEST(SuggestOffset, BestIsNoWorseThanAnyGivenOffset) {
    std::vector<std::unique_ptr<model::CamModel>> cams;
    for (int n : {1, 3, 5}) {
        RecordingHost host;
        auto m = std::make_unique<model::CamModel>();
        model::Initialize(*m, host);
        EXPECT_TRUE(files::LoadExample(*m, host, n));
        cams.push_back(std::move(m));
    }
    auto large = ModelWithMotion(Harmonic(1.0));
    large->SvajDone = true;
    large->RollerRadius = 1.0f;
    cams.push_back(std::move(large));
    int curvature = 0;
    for (auto& m : cams)
        for (const SuggestLimits& l :
             {SuggestLimits{30.0, 30.0, -1.0, true}, SuggestLimits{20.0, 40.0, -1.0, true}}) {
            const Suggestion best = Suggest(*m, l);
            ASSERT_TRUE(best.ok) << best.refusal;
            curvature += best.bound == SuggestBound::Curvature;
            double W = 0.0;
            for (int i = 0; i <= m->NumPoints; ++i)
                W = std::max(W, std::fabs(static_cast<double>(m->Results[2][i]) / m->CamOmega));
            SuggestLimits given = l;
            given.bestOffset = false;
            for (int j = -40; j <= 40; ++j) {
                m->Offset = static_cast<float>(W * j / 40.0);
                const Suggestion s = Suggest(*m, given);
                ASSERT_TRUE(s.ok);
                EXPECT_LE(best.prime, s.prime * (1.0 + 1e-7)) << "offset " << m->Offset;
            }
            // The suggestion itself, through the sizing: the offset moved by 1e-4 W either way
            // asks for no less.
            for (double step : {-1e-4, 1e-4}) {
                m->Offset = static_cast<float>(best.offset + step * W);
                EXPECT_GE(Suggest(*m, given).prime, best.prime * (1.0 - 1e-6));
            }
        }
    EXPECT_GT(curvature, 0) << "the large roller should let the curvature decide";
}

// The searches take a repeated row (a dwell) for the point before it: the pressure angle and
// the radius of curvature depend on the cam angle only through the rows, for every follower.
TEST(SuggestPoints, TheCamAngleOnlyTurnsTheDesign) {
    auto m = ModelWithMotion(Harmonic(1.0));
    SizingCase c = SizingCaseOf(*m, 1);
    c.Rp = 3.0;
    c.e = 0.4;
    std::vector<SizingCase> cases;
    for (FollowerKind kind :
         {FollowerKind::TranslatingRoller, FollowerKind::TranslatingFlat, FollowerKind::Barrel}) {
        c.kind = kind;
        cases.push_back(c);
    }
    SetArm(*m, 4.0, 12.0, 4.0, 12.0);
    RecordingHost host;
    ASSERT_TRUE(Arm_Geometry(*m, host));
    cases.push_back(SizingCaseOf(*m, 1));
    for (const SizingCase& k : cases)
        for (double V : {0.0, 0.7, -1.3}) {
            const PressurePoint q0 = PressureAngleAt(k, 10.0f, 0.5, V);
            const RhoPoint r0 = RadiusOfCurvatureAt(k, 10.0f, 0.5, V, 0.2, q0.phi);
            for (float theta : {0.0f, 97.0f, 181.5f, 359.0f}) {
                const PressurePoint q = PressureAngleAt(k, theta, 0.5, V);
                EXPECT_EQ(q.phi, q0.phi) << static_cast<int>(k.kind) << " " << theta;
                EXPECT_EQ(q.fault, q0.fault);
                EXPECT_EQ(RadiusOfCurvatureAt(k, theta, 0.5, V, 0.2, q.phi).rho, r0.rho);
            }
        }
}
