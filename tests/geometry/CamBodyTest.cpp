// The cam body under the Draw Cam picture and the Make Cam pictures: the body is the surface in
// the drawing's own frame (one roller radius inside the traced pitch curve), undercut is marked
// red, and the bore is cut out of the preview.
#include "geometry/CamBody.h"
#include "files/Examples.h"
#include "geometry/CamScene.h"
#include "geometry/MachinedCamScene.h"
#include "model/CamModel.h"
#include "model/Colours.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "model/ResultRow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

using namespace trochix;
using namespace trochix::geometry;
using model::RecordingHost;
using model::ResultRow;

namespace {

std::unique_ptr<model::CamModel> Example(int n) {
    auto m = std::make_unique<model::CamModel>();
    RecordingHost host;
    model::Initialize(*m, host);
    EXPECT_TRUE(files::LoadExample(*m, host, n)) << "example " << n;
    return m;
}

model::ColourTable Table() {
    model::ColourTable t;
    model::SetColours(t);
    return t;
}

const Primitive* FirstOf(const Scene& s, PrimitiveKind kind) {
    for (const Primitive& p : s.items())
        if (p.kind == kind)
            return &p;
    return nullptr;
}

// Distance from q to the chord of the profile between points i and i + 1.
double ToChord(const model::CamModel& m, int i, Point q) {
    const Point a{m.Results[ResultRow::XCoord][i], m.Results[ResultRow::YCoord][i]};
    const Point b{m.Results[ResultRow::XCoord][i + 1], m.Results[ResultRow::YCoord][i + 1]};
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    const double f =
        l2 > 0.0 ? std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(q.x - a.x - f * dx, q.y - a.y - f * dy);
}

} // namespace

// On every plane example the body comes first, filled, and each of its points lies one roller
// radius from the traced profile (the flat face: on the traced contact points),
// so the body and the drawing share one frame.
TEST(CamBody, DrawCamBodyIsTheSurfaceInTheDrawingsFrame) {
    for (int n : {1, 2, 3, 4, 5}) {
        {
            auto m = Example(n);
            RecordingHost host;
            const CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Table(), true);
            const Scene s = d.Finished();
            ASSERT_FALSE(s.empty());
            const Primitive* body = FirstOf(s, PrimitiveKind::Polygon);
            ASSERT_NE(body, nullptr) << "example " << n;
            EXPECT_EQ(body, &s.items().front());
            EXPECT_TRUE(d.undercutMarks().empty());
            const double Rr = m->FollowerType == 2 ? 0.0 : m->RollerRadius;
            double worst = 0.0;
            for (std::size_t k = 0; k < body->points.size(); k += 7) {
                const Point q = body->points[k];
                double nearest = std::numeric_limits<double>::infinity();
                for (int i = 0; i < m->NumPoints; ++i)
                    nearest = std::min(nearest, ToChord(*m, i, q));
                worst = std::max(worst, std::fabs(nearest - Rr));
            }
            // Points one degree apart on the profile: the nearest is within a chord's sag.
            EXPECT_LT(worst, 2e-3 * m->PrimeRadius) << "example " << n;
        }
    }
}

TEST(CamBody, UndercutIsMarkedRedOnTheDrawing) {
    auto m = Example(1);
    m->RollerRadius = 2.5f;
    RecordingHost host;
    const CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Table(), true);
    ASSERT_FALSE(d.undercutMarks().empty());
    const auto body = CamBodyOf(*m);
    ASSERT_TRUE(body);
    EXPECT_EQ(d.undercutMarks().size(), body->finding.ranges.size());
    int red = 0;
    for (const Primitive& p : d.Finished().items())
        red += p.kind == PrimitiveKind::Polyline && p.width == 3.0 &&
               p.colour == d.colours().ColProfile;
    EXPECT_EQ(red, static_cast<int>(body->finding.ranges.size()));
}

TEST(CamBody, PreviewCutsTheBoreAndThePlotFollowsTheErrors) {
    auto m = Example(3);
    MakeCamSettings s = SettingsOf(*m);
    s.bore = 1.0;
    const MachinedCam cam = MakeCam(*m, s);
    ASSERT_TRUE(cam.ok);
    const CamColours colours = SetCamColours(Table());
    const Scene preview = MakeCamPreview(cam, s, CamBodyOf(*m), colours);
    const Primitive* body = FirstOf(preview, PrimitiveKind::Polygon);
    ASSERT_NE(body, nullptr);
    EXPECT_DOUBLE_EQ(body->inner, 0.5);
    double far = 0.0;
    for (Point p : body->points)
        far = std::max(far, std::hypot(p.x, p.y));
    EXPECT_LE(far, preview.window().right);
    // The pitch curve in the prime circle's colour and the cutter path in the follower's.
    int pitch = 0, cutter = 0;
    for (const Primitive& p : preview.items()) {
        pitch += p.kind == PrimitiveKind::Polyline && p.colour == colours.ColPrime;
        cutter += p.kind == PrimitiveKind::Polyline && p.colour == colours.ColFollower;
    }
    EXPECT_EQ(pitch, 1);
    EXPECT_EQ(cutter, 1);

    const Scene plot = AsMadeErrorPlot(cam.asMade, "in", colours);
    std::size_t traced = 0;
    double top = 0.0;
    for (const Primitive& p : plot.items())
        if (p.kind == PrimitiveKind::Polyline && p.colour == colours.ColProfile) {
            traced += p.points.size();
            for (Point q : p.points)
                top = std::max(top, std::fabs(q.y));
        }
    EXPECT_EQ(traced, cam.asMade.rows.size());
    EXPECT_DOUBLE_EQ(top, cam.asMade.maxSError);
    EXPECT_GT(plot.window().top, top);
    EXPECT_TRUE(AsMadeErrorPlot(AsMadeResult{}, "in", colours).empty());
}
