// Whatever the follower, cam, direction or geometry - sound or absurd - sizing and profile leave
// only finite numbers in Results and in the model's extremes; a sound design needs no guard.
#include "GeometryFixture.h"
#include "geometry/Profile.h"
#include "geometry/Sizing.h"
#include "geometry/SizingSummary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;

namespace {

TEST(FiniteResults, EveryFollowerCamAndDirection) {
    const struct {
        const char* name;
        float Rp, e, omega, pivotX, pivotY, L;
    } geometries[] = {
        {"sound", 2.0f, 0.3f, 5.0f, 3.0f, 1.0f, 2.2f},
        {"tiny prime radius", 0.05f, 0.0f, 5.0f, 0.2f, 0.0f, 0.2f},
        {"zero prime radius", 0.0f, 0.0f, 5.0f, 3.0f, 0.0f, 3.0f},
        {"offset beyond prime radius", 1.0f, 1.5f, 5.0f, 3.0f, 0.0f, 2.5f},
        {"zero cam speed", 2.0f, 0.0f, 0.0f, 3.0f, 0.0f, 2.5f},
        {"pivot on the cam centre", 2.0f, 0.0f, 5.0f, 0.0f, 0.0f, 1.0f},
        {"arm as long as the pivot distance", 1.0f, 0.0f, 5.0f, 2.0f, 0.0f, 2.0f},
    };
    int runs = 0;
    for (const auto& g : geometries)
        for (int variant = 0; variant < 64; ++variant) {
            const bool translating = variant & 1, barrel = variant & 4, fine = variant & 32;
            const int type = variant & 2 ? 2 : 1, direction = variant & 8 ? 1 : -1;
            const float armDirection = variant & 16 ? -1.0f : 1.0f;
            if (translating && armDirection < 0)
                continue;
            SCOPED_TRACE(std::string(g.name) + " variant " + std::to_string(variant));
            // S in degrees of arm swing for an oscillating follower.
            auto m = ModelWithMotion(RiseDwellFall(translating ? 0.8 : 25.0, 75.0), 5.0,
                                     fine ? 0.25 : 1.0);
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
            const bool sized = Autopress(*m, host, type) && RadiusOfCurvature(*m, host, type);
            if (&g == &geometries[0] && type == 1 && !barrel && armDirection > 0) {
                EXPECT_TRUE(sized);
                EXPECT_TRUE(host.messages.empty()) << host.lastText();
            }
            CamProfile(*m, host);
            SizePictureSetup(*m, host);
            for (int f = 0; f <= model::kNumFunctions; ++f)
                for (int i = 0; i <= m->NumPoints; ++i)
                    ASSERT_TRUE(std::isfinite(m->Results[f][i])) << "row " << f << " point " << i;
            for (int i = 0; i <= m->NumPoints; ++i)
                ASSERT_TRUE(std::isfinite(m->PivotX[i]) && std::isfinite(m->PivotY[i])) << i;
            for (float v : {m->PressMax, m->PressMin, m->RhoPosMax, m->RhoPosMin, m->RhoNegMax,
                            m->RhoNegMin, m->RhoMin, m->ArmAngle0, m->CentreAngle0, m->RollerX0,
                            m->RollerY0, m->FaceWidth, m->Offset})
                ASSERT_TRUE(std::isfinite(v));
            ++runs;
        }
    EXPECT_EQ(runs, 7 * (2 * 2 * 2 * 2 + 2 * 2 * 2 * 2 * 2));
}

} // namespace
