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
#include "support/TestModels.h"

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
            auto m = testsupport::ExampleModel(n);
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
    auto m = testsupport::ExampleModel(1);
    m->RollerRadius = 2.5f;
    RecordingHost host;
    const CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Table(), true);
    ASSERT_FALSE(d.undercutMarks().empty());
    const auto body = CamBodyOf(*m);
    ASSERT_TRUE(body);
    EXPECT_EQ(d.undercutMarks().size(), body->finding.ranges.size());
    int red = 0;
    const Scene finished = d.Finished();
    for (const Primitive& p : finished.items())
        red += p.kind == PrimitiveKind::Polyline && p.width == 3.0 &&
               p.colour == d.colours().ColProfile;
    EXPECT_EQ(red, static_cast<int>(body->finding.ranges.size()));
}

TEST(CamBody, PreviewCutsTheBoreAndThePlotFollowsTheErrors) {
    auto m = testsupport::ExampleModel(3);
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

// With the contact computed the edge can be coloured by the Hertz pressure: one stretch per
// profile point with a contact, red where the pressure is largest, blue where least; without
// asking, or without the contact stage, nothing of it is drawn.
TEST(CamBody, EdgeColouredByContactPressure) {
    auto m = testsupport::ExampleModel(3);
    ASSERT_TRUE(m->ContactDone);
    RecordingHost host;
    CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Table(), true);
    ASSERT_TRUE(d.canColourByPressure());
    const auto stretches = [](const Scene& s) {
        std::vector<const Primitive*> out;
        for (const Primitive& p : s.items())
            if (p.kind == PrimitiveKind::Polyline && p.width == 4.0)
                out.push_back(&p);
        return out;
    };
    EXPECT_TRUE(stretches(d.Finished()).empty());
    d.colourByPressure(true);
    const Scene coloured = d.Finished();
    const auto edge = stretches(coloured);
    int withContact = 0, reddest = -1, bluest = -1;
    for (int i = 0; i < m->NumPoints; ++i)
        if (m->Results[model::ResultRow::ContactPressure][i] > 0.0f) {
            if (reddest < 0 || m->Results[23][i] > m->Results[23][reddest])
                reddest = i;
            if (bluest < 0 || m->Results[23][i] < m->Results[23][bluest])
                bluest = i;
            ++withContact;
        }
    ASSERT_EQ(static_cast<int>(edge.size()), withContact);
    int red = 0, blue = 0;
    for (const Primitive* p : edge) {
        red += p->colour == model::Rgb{230, 0, 0};
        blue += p->colour == model::Rgb{0, 0, 255};
    }
    EXPECT_GE(red, 1);
    EXPECT_GE(blue, 1);
    EXPECT_NEAR(d.largestPressure(), m->Results[23][reddest], 0.0);

    m->ContactDone = false;
    CamDrawing plain = CamDrawing::DrawCam_Setup(*m, host, Table(), true);
    EXPECT_FALSE(plain.canColourByPressure());
    plain.colourByPressure(true);
    EXPECT_FALSE(plain.colouredByPressure());
}
