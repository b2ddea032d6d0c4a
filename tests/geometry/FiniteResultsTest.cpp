// Whatever the follower, cam, direction or geometry - sound or absurd - sizing and profile leave
// only finite numbers in Results and in the model's extremes.
#include "geometry/Profile.h"
#include "geometry/Sizing.h"
#include "geometry/SizingSummary.h"
#include "GeometryFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

struct Geometry {
    const char* name;
    float Rp, e, omega, pivotX, pivotY, L;
};

// The first is a sound design; the others are what a typed or loaded model can still hold.
const std::vector<Geometry> kGeometries = {
    {"sound", 2.0f, 0.3f, 5.0f, 3.0f, 1.0f, 2.2f},
    {"tiny prime radius", 0.05f, 0.0f, 5.0f, 0.2f, 0.0f, 0.2f},
    {"zero prime radius", 0.0f, 0.0f, 5.0f, 3.0f, 0.0f, 3.0f},
    {"offset beyond prime radius", 1.0f, 1.5f, 5.0f, 3.0f, 0.0f, 2.5f},
    {"zero cam speed", 2.0f, 0.0f, 0.0f, 3.0f, 0.0f, 2.5f},
    {"pivot on the cam centre", 2.0f, 0.0f, 5.0f, 0.0f, 0.0f, 1.0f},
    {"arm as long as the pivot distance", 1.0f, 0.0f, 5.0f, 2.0f, 0.0f, 2.0f},
};

void ExpectAllFinite(const model::CamModel& m, const std::string& where) {
    for (int f = 0; f <= model::kNumFunctions; ++f)
        for (int i = 0; i <= m.NumPoints; ++i)
            ASSERT_TRUE(std::isfinite(m.Results[f][i]))
                << where << " row " << f << " point " << i << " = " << m.Results[f][i];
    for (int i = 0; i <= m.NumPoints; ++i)
        ASSERT_TRUE(std::isfinite(m.PivotX[i]) && std::isfinite(m.PivotY[i])) << where << i;
    for (float v : {m.PressMax, m.PressMin, m.RhoPosMax, m.RhoPosMin, m.RhoNegMax, m.RhoNegMin,
                    m.RhoMin, m.ArmAngle0, m.CentreAngle0, m.RollerX0, m.RollerY0, m.FaceWidth,
                    m.Offset})
        ASSERT_TRUE(std::isfinite(v)) << where;
}

TEST(FiniteResults, EveryFollowerCamAndDirection) {
    int runs = 0;
    for (const Geometry& g : kGeometries)
        for (bool translating : {true, false})
            for (int type : {1, 2})
                for (bool barrel : {false, true})
                    for (int direction : {-1, 1})
                        for (float armDirection : {1.0f, -1.0f})
                            for (double step : {1.0, 0.25}) {
                                if (translating && armDirection < 0)
                                    continue;
                                const std::string where =
                                    std::string(g.name) + (translating ? " trans" : " osc") +
                                    " type " + std::to_string(type) + (barrel ? " barrel" : "") +
                                    " dir " + std::to_string(direction) + " arm " +
                                    std::to_string(armDirection) + " step " + std::to_string(step);
                                // S in degrees of arm swing for an oscillating follower.
                                auto m = ModelWithMotion(
                                    RiseDwellFall(translating ? 0.8 : 25.0, 75.0), 5.0, step);
                                m->CamOmega = g.omega;
                                m->PrimeRadius = g.Rp;
                                m->Offset = g.e;
                                m->RollerRadius = 0.25f;
                                m->Translating = translating;
                                m->FollowerType = type;
                                m->CamType = barrel ? "Barrel" : "Radial";
                                m->CamDirection = direction;
                                m->ArmDirection = armDirection;
                                m->ArmPivotX = g.pivotX;
                                m->ArmPivotY = g.pivotY;
                                m->ArmRadius = g.L;
                                RecordingHost host;
                                Autopress(*m, host, type);
                                RadiusOfCurvature(*m, host, type);
                                CamProfile(*m, host);
                                SizePictureSetup(*m, host);
                                ExpectAllFinite(*m, where);
                                ++runs;
                            }
    EXPECT_EQ(runs, 7 * (2 * 2 * 2 * 2 + 2 * 2 * 2 * 2 * 2));
}

TEST(FiniteResults, SoundDesignsComputeWithoutMessages) {
    // The sound geometry must not need any of the guards above.
    for (bool translating : {true, false})
        for (int direction : {-1, 1}) {
            auto m = ModelWithMotion(RiseDwellFall(translating ? 0.8 : 25.0, 75.0), 5.0);
            const Geometry& g = kGeometries[0];
            m->PrimeRadius = g.Rp;
            m->Offset = translating ? g.e : 0.0f;
            m->RollerRadius = 0.25f;
            m->Translating = translating;
            m->CamDirection = direction;
            m->ArmPivotX = g.pivotX;
            m->ArmPivotY = g.pivotY;
            m->ArmRadius = g.L;
            RecordingHost host;
            EXPECT_TRUE(Autopress(*m, host, 1));
            EXPECT_TRUE(RadiusOfCurvature(*m, host, 1));
            EXPECT_TRUE(host.messages.empty()) << host.lastText();
        }
}

} // namespace
