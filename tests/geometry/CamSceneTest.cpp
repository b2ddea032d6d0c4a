// The sizing picture and the cam drawing, checked as primitives against the profile rows and
// plane geometry worked out by hand.
#include "geometry/CamScene.h"
#include "GeometryFixture.h"
#include "geometry/Profile.h"
#include "geometry/Sizing.h"
#include "model/ResultRow.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace trochix;
using namespace trochix::geometry;
using namespace trochix::geometry::fixture;
using model::RecordingHost;
using model::ResultRow;

namespace {

model::ColourTable Colours() {
    model::ColourTable t;
    model::SetColours(t);
    return t;
}

const Rgb kRed{255, 0, 0}, kBlue{0, 0, 255}, kGreen{0, 255, 0}, kCyan{0, 255, 255}, kBlack{0, 0, 0};

std::vector<const Primitive*> Of(const Scene& s, PrimitiveKind kind, Rgb colour) {
    std::vector<const Primitive*> out;
    for (const Primitive& p : s.items())
        if (p.kind == kind && p.colour == colour)
            out.push_back(&p);
    return out;
}

double Dist(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// A translating roller follower: harmonic lift 1 over the turn, Rp 3, offset e, roller .5,
// two segments starting at 0 and 120 degrees, the profile computed.
std::unique_ptr<model::CamModel> Roller(int direction, double e = 0.4, double step = 1.0) {
    auto m = ModelWithMotion(Harmonic(1.0), 2.0, step);
    m->PrimeRadius = 3.0f;
    m->Offset = static_cast<float>(e);
    m->RollerRadius = 0.5f;
    m->CamDirection = direction;
    m->NumSegments = 2;
    m->SegStart[1] = 0.0f;
    m->SegStart[2] = 120.0f;
    RecordingHost host;
    EXPECT_TRUE(CamProfile(*m, host));
    return m;
}

// Every trace point of frames 1.. in order, joints counted once.
std::vector<Point> Trace(const CamDrawing& d) {
    Scene s = d.DrawProfileStart();
    const std::size_t start = s.size();
    for (int k = 1; k < d.frameCount(); ++k)
        d.DrawSub(s, k);
    std::vector<Point> trace;
    for (std::size_t i = start; i < s.size(); ++i) {
        const Primitive& p = s.items()[i];
        if (p.kind != PrimitiveKind::Polyline || !(p.colour == kRed))
            continue;
        auto first = p.points.begin();
        if (!trace.empty() && trace.back() == *first)
            ++first;
        trace.insert(trace.end(), first, p.points.end());
    }
    return trace;
}

std::vector<double> SpokeAngles(const CamDrawing& d) {
    Scene s;
    d.Spokes(s);
    std::vector<double> a;
    for (const Primitive* p : Of(s, PrimitiveKind::Polyline, kCyan))
        a.push_back(std::atan2(p->points[1].y, p->points[1].x) * 180.0 / testsupport::kTruePi);
    return a;
}

} // namespace

TEST(CamScene, ColoursOfTheDrawing) {
    const CamColours c = SetCamColours(Colours());
    const std::pair<Rgb, Rgb> expected[] = {
        {c.ColProfile, {255, 0, 0}}, {c.ColArm, {0, 255, 0}},      {c.ColFollower, {0, 0, 255}},
        {c.ColInk, {0, 0, 0}},       {c.ColBack, {255, 255, 255}}, {c.ColSpoke, {0, 255, 255}},
        {c.ColPrime, {255, 0, 255}}, {c.ColArrow, {128, 0, 128}},  {c.ColBase, {128, 128, 128}},
    };
    for (const auto& [actual, want] : expected)
        EXPECT_EQ(actual, want);
}

// Zero offset and a dwell: the profile is the circle of radius Rp, so the window spans
// Rp + 1.35 Rf + 0.1 Rp each way. Sizescale: 1.25 (Rp + Rf); an arm pivot at (3, 4) is 5 away.
TEST(CamScene, Windows) {
    auto m = ModelWithMotion(Dwell(0.0));
    m->PrimeRadius = 2.0f;
    m->RollerRadius = 0.5f;
    RecordingHost host;
    ASSERT_TRUE(CamProfile(*m, host));
    const SceneWindow a = Autoscale(*m);
    for (double edge : {a.right, a.top, -a.left, -a.bottom})
        EXPECT_NEAR(edge, 2.0 + 1.35 * 0.5 + 0.2, 1e-6);
    EXPECT_EQ(Sizescale(*m, 0.5), (SceneWindow{-3.125, 3.125, -3.125, 3.125}));
    m->Translating = false;
    m->ArmPivotX = 3.0f;
    m->ArmPivotY = 4.0f;
    EXPECT_NEAR(Sizescale(*m, 0.5).right, 5.5, 1e-12);
    m->PrimeRadius = 6.0f; // Rp + Rf = 6.5 beats C = 5
    EXPECT_NEAR(Sizescale(*m, 0.5).top, 7.15, 1e-12);
}

// "1" gives 10 counts between frames, "100000" a million. Every choice pauses longer than the
// one before; a whole turn (60 pauses) at "1" takes well under a second, a frame at "100000"
// about a second.
TEST(CamScene, FramePauseKeepsTheChoicesInOrder) {
    EXPECT_EQ(DelayCountFor(1), 10);
    EXPECT_EQ(DelayCountFor(100000), 1000000);
    int previous = 0;
    for (const std::string& choice : WaitList) {
        const int ms = FramePauseMs(DelayCountFor(std::stoi(choice)));
        EXPECT_GT(ms, previous) << choice;
        previous = ms;
    }
    EXPECT_LT(60 * FramePauseMs(10), 300);
    EXPECT_NEAR(FramePauseMs(1000000), 1000, 50);
}

TEST(CamScene, MillimetresPerLengthUnit) {
    const double mm[] = {25.4, 304.8, 1000.0, 10.0, 1.0}; // in, ft, m, cm, mm
    for (int k = 1; k <= model::kUnitSystems; ++k)
        EXPECT_DOUBLE_EQ(model::MillimetresPerLength(k), mm[k - 1]) << k;
}

// A frame every 6 degrees of cam angle from point 0 to the last point, at every step.
TEST(CamDrawing, SixtyOneFramesAtEveryStep) {
    for (double step : {1.0, 0.5, 0.25}) {
        auto m = Roller(-1, 0.4, step);
        RecordingHost host;
        const CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Colours(), true);
        ASSERT_EQ(d.frameCount(), 61) << step;
        for (int k = 0; k < 61; ++k)
            EXPECT_EQ(m->Results[ResultRow::CamAngle][d.framePoint(k)], 6.0f * k) << step;
    }
}

// The frames trace the profile through every point, and the finished drawing holds the same
// outline as one polyline; each roller circle sits on its frame's profile point.
TEST(CamDrawing, TraceIsTheProfile) {
    auto m = Roller(1);
    RecordingHost host;
    const CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Colours(), true);
    const std::vector<Point> trace = Trace(d);
    ASSERT_EQ(trace.size(), std::size_t(361));
    for (int i = 0; i <= 360; ++i)
        ASSERT_EQ(trace[i], (Point{m->Results[9][i], m->Results[10][i]})) << i;
    const Scene done = d.Finished();
    const auto outlines = Of(done, PrimitiveKind::Polyline, kRed);
    ASSERT_EQ(outlines.size(), std::size_t(1));
    EXPECT_EQ(outlines[0]->points, trace);

    const auto rollers = Of(done, PrimitiveKind::Circle, kBlue);
    ASSERT_EQ(rollers.size(), std::size_t(60));
    for (int k = 1; k <= 60; ++k) {
        EXPECT_EQ(rollers[k - 1]->points[0], trace[6 * k]);
        EXPECT_EQ(rollers[k - 1]->radius, 0.5);
    }
    // Frame 0: the filled roller from Rf/4 to Rf on point 0, the stem's axis through it.
    const auto rings = Of(done, PrimitiveKind::Ring, kBlue);
    ASSERT_EQ(rings.size(), std::size_t(1));
    EXPECT_EQ(rings[0]->points[0], trace[0]);
    EXPECT_EQ(std::pair(rings[0]->inner, rings[0]->radius), std::pair(0.125, 0.5));
    EXPECT_NEAR(trace[0].y, -0.4, 1e-6); // counter-clockwise: the offset lies below the x axis
    bool axis = false;
    for (const Primitive* p : Of(done, PrimitiveKind::Polyline, kBlack))
        axis = axis || (p->points[0].y == trace[0].y && p->points[1].y == trace[0].y &&
                        p->points[0].x == trace[0].x + 0.125);
    EXPECT_TRUE(axis);
}

// Turning the cam the other way mirrors the traced profile and the spokes about the x axis,
// and the arrow about the 45 degree line.
TEST(CamDrawing, ReversingTheRotationMirrors) {
    auto ccw = Roller(1), cw = Roller(-1);
    RecordingHost host;
    const CamDrawing a = CamDrawing::DrawCam_Setup(*ccw, host, Colours(), true);
    const CamDrawing b = CamDrawing::DrawCam_Setup(*cw, host, Colours(), true);
    const std::vector<Point> ta = Trace(a), tb = Trace(b);
    ASSERT_EQ(ta.size(), tb.size());
    for (std::size_t i = 0; i < ta.size(); ++i) {
        EXPECT_NEAR(ta[i].x, tb[i].x, 1e-5) << i;
        EXPECT_NEAR(ta[i].y, -tb[i].y, 1e-5) << i;
    }
    // Spokes from the zero-lift roller centre (at atan(e / Rp) clockwise) turned by the
    // segment starts 0 and 120 degrees against the rotation.
    const double t0 = std::atan2(0.4, 3.0) * 180.0 / testsupport::kTruePi;
    const std::vector<double> sa = SpokeAngles(a), sb = SpokeAngles(b);
    ASSERT_EQ(sa.size(), std::size_t(2));
    ASSERT_EQ(sb.size(), std::size_t(2));
    EXPECT_NEAR(sb[0], t0, 1e-4);
    EXPECT_NEAR(sb[1], t0 + 120.0, 1e-4);
    for (int k = 0; k < 2; ++k)
        EXPECT_NEAR(sa[k], -sb[k], 1e-4);
    Scene arrowA, arrowB;
    DrawArrow(arrowA, a.picture(), a.colours(), 1);
    DrawArrow(arrowB, b.picture(), b.colours(), -1);
    const Rgb purple{128, 0, 128};
    const auto arcA = Of(arrowA, PrimitiveKind::Arc, purple);
    const auto arcB = Of(arrowB, PrimitiveKind::Arc, purple);
    ASSERT_EQ(arcA.size(), std::size_t(1));
    ASSERT_EQ(arcB.size(), std::size_t(1));
    EXPECT_NEAR(arcA[0]->start + arcB[0]->end, testsupport::kTruePi / 2, 1e-8);
    EXPECT_NEAR(arcA[0]->end + arcB[0]->start, testsupport::kTruePi / 2, 1e-8);
    const auto headA = Of(arrowA, PrimitiveKind::Polyline, purple);
    const auto headB = Of(arrowB, PrimitiveKind::Polyline, purple);
    ASSERT_EQ(headA.size(), std::size_t(2));
    for (std::size_t k = 0; k < 2; ++k)
        for (int j = 0; j < 2; ++j) {
            EXPECT_EQ(headA[k]->points[j].x, headB[k]->points[j].y);
            EXPECT_EQ(headA[k]->points[j].y, headB[k]->points[j].x);
        }
    // The head ends the arc at 1.3 radians, radius 2.5 x 0.15 Rb.
    const double r = 2.5 * 0.15 * a.picture().Rb;
    EXPECT_NEAR(headA[0]->points[0].x, r * std::cos(1.3), 1e-12);
    EXPECT_NEAR(headA[0]->points[0].y, r * std::sin(1.3), 1e-12);
}

// A flat face: each face is tangent to the traced profile at its contact point and spans the
// whole velocity range of the cycle (the face width).
TEST(CamDrawing, FlatFaceTouchesTheProfile) {
    for (int direction : {1, -1}) {
        SCOPED_TRACE(direction);
        auto m = ModelWithMotion(Harmonic(1.0), 2.0);
        m->PrimeRadius = 3.0f;
        m->FollowerType = 2;
        m->CamDirection = direction;
        RecordingHost host;
        ASSERT_TRUE(CamProfile(*m, host));
        const CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Colours(), true);
        const Scene s = d.Finished();
        std::vector<const Primitive*> faces;
        for (const Primitive* p : Of(s, PrimitiveKind::Polyline, kBlue))
            faces.push_back(p);
        ASSERT_EQ(faces.size(), std::size_t(61));
        for (int k = 1; k < 60; ++k) {
            const int i = d.framePoint(k);
            const Point c{m->Results[9][i], m->Results[10][i]};
            const Point a = faces[k]->points[0], b = faces[k]->points[1];
            // S' ranges over +-0.5: the face is 1 long.
            EXPECT_NEAR(Dist(a, b), 1.0, 1e-4);
            // Through the contact point ...
            EXPECT_NEAR(Dist(a, c) + Dist(c, b), Dist(a, b), 1e-4);
            // ... along the profile's tangent there.
            const Point p{m->Results[9][i + 1] - m->Results[9][i - 1],
                          m->Results[10][i + 1] - m->Results[10][i - 1]};
            const double cross =
                ((b.x - a.x) * p.y - (b.y - a.y) * p.x) / (Dist(a, b) * std::hypot(p.x, p.y));
            EXPECT_NEAR(cross, 0.0, 2e-3) << k;
        }
    }
}

// An oscillating roller: every arm is L long from a pivot C from the cam centre to the
// roller on the profile; the arm arc about the first pivot passes through the first roller.
TEST(CamDrawing, OscillatingArm) {
    auto m = ModelWithMotion(Harmonic(10.0));
    SetArm(*m, 1.0, 3.0, 0.0, 2.5);
    m->RollerRadius = 0.25f;
    RecordingHost host;
    ASSERT_TRUE(CamProfile(*m, host));
    const CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Colours(), true);
    ASSERT_EQ(d.frameCount(), 61);
    const Scene s = d.Finished();
    const auto arms = Of(s, PrimitiveKind::Polyline, kGreen);
    ASSERT_EQ(arms.size(), std::size_t(61));
    for (int k = 0; k < 61; ++k) {
        const int i = d.framePoint(k);
        const Point pivot = arms[k]->points[0], roller = arms[k]->points[1];
        EXPECT_NEAR(std::hypot(pivot.x, pivot.y), 3.0, 1e-5);
        EXPECT_NEAR(Dist(pivot, roller), 2.5, 1e-5);
        EXPECT_EQ(roller, (Point{m->Results[9][i], m->Results[10][i]}));
    }
    const auto arcs = Of(s, PrimitiveKind::Arc, kRed);
    ASSERT_EQ(arcs.size(), std::size_t(1));
    EXPECT_EQ(arcs[0]->radius, 2.5);
    const Point r0 = arms[0]->points[1], p0 = arms[0]->points[0];
    double a = std::atan2(r0.y - p0.y, r0.x - p0.x);
    while (a < arcs[0]->start)
        a += 2 * testsupport::kTruePi;
    EXPECT_LT(a, arcs[0]->end);
    EXPECT_EQ(Of(s, PrimitiveKind::Ring, kBlue).size(), std::size_t(1));
}

// An arm that cannot reach the prime circle: pivot, arm circle and arm, no roller, no frames.
TEST(CamDrawing, ArmThatCannotReachHasNoRoller) {
    auto m = ModelWithMotion(Harmonic(10.0));
    SetArm(*m, 1.0, 3.0, 0.0, 1.5); // C - Rp = 2 > L
    m->RollerRadius = 0.25f;
    RecordingHost host;
    const Scene sizing = SizeCam(*m, host, Colours());
    const CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Colours(), CamProfile(*m, host));
    ASSERT_TRUE(d.drawable());
    EXPECT_EQ(d.frameCount(), 1);
    for (const Scene& s : {sizing, d.Finished()}) {
        EXPECT_TRUE(Of(s, PrimitiveKind::Ring, kBlue).empty());
        EXPECT_TRUE(Of(s, PrimitiveKind::Circle, kBlue).empty());
        const auto arcs = Of(s, PrimitiveKind::Arc, kRed);
        ASSERT_EQ(arcs.size(), std::size_t(1));
        EXPECT_NEAR(arcs[0]->end - arcs[0]->start, 2 * 3.141592654, 1e-9); // the whole circle
        EXPECT_EQ(Of(s, PrimitiveKind::Polyline, kGreen).size(), std::size_t(1));
    }
    EXPECT_EQ(host.lastText(), "Your arm geometry is such that the roller cannot contact the cam");
}

// A base circle of zero or less: the warning, and nothing in either picture.
TEST(CamDrawing, NoBaseCircleNothingDrawn) {
    auto m = ModelWithMotion(Dwell(0.0));
    m->PrimeRadius = 1.0f;
    m->RollerRadius = 1.0f;
    RecordingHost host;
    EXPECT_TRUE(SizeCam(*m, host, Colours()).empty());
    const CamDrawing d = CamDrawing::DrawCam_Setup(*m, host, Colours(), true);
    EXPECT_FALSE(d.drawable());
    EXPECT_EQ(d.frameCount(), 0);
    EXPECT_TRUE(d.Finished().empty());
    ASSERT_EQ(host.messages.size(), std::size_t(2));
    for (const auto& msg : host.messages)
        EXPECT_EQ(msg.text, "Something Wrong - Base Circle has become zero or minus.  Change "
                            "follower radius or prime/base circle");
}

// The sizing picture of a translating roller: axes 0.9 E each way, prime and base circles,
// the roller at zero lift on the prime circle and its stem out to E.
TEST(SizeCamPicture, TranslatingRoller) {
    auto m = Roller(-1);
    RecordingHost host;
    const Scene s = SizeCam(*m, host, Colours());
    const double R0 = std::hypot(3.0, 0.4), E = 1.2 * (R0 + 0.5 + 1.0);
    EXPECT_EQ(s.window(), (SceneWindow{-4.375, 4.375, -4.375, 4.375}));
    const auto lines = Of(s, PrimitiveKind::Polyline, kBlack);
    ASSERT_GE(lines.size(), std::size_t(3));
    EXPECT_NEAR(lines[0]->points[1].x, 0.9 * E, 1e-6);
    const auto circles = Of(s, PrimitiveKind::Circle, {255, 0, 255});
    ASSERT_EQ(circles.size(), std::size_t(1));
    EXPECT_NEAR(circles[0]->radius, R0, 1e-6);
    const auto roller = Of(s, PrimitiveKind::Ring, kBlue);
    ASSERT_EQ(roller.size(), std::size_t(1));
    EXPECT_NEAR(roller[0]->points[0].x, 3.0, 1e-12);
    EXPECT_NEAR(roller[0]->points[0].y, 0.4, 1e-6); // clockwise: above the axis
    const auto stem = Of(s, PrimitiveKind::Box, kBlack);
    ASSERT_EQ(stem.size(), std::size_t(1));
    EXPECT_NEAR(stem[0]->points[1].x, E, 1e-6);
    EXPECT_NEAR(stem[0]->points[1].y - stem[0]->points[0].y, 0.5, 1e-6);
}

TEST(ArmSwing, SpansTheArmOverTheCycle) {
    // Pivot at 0 degrees, arm counter-clockwise from the line to the cam centre by 30 .. 40.
    const ArcSpan a = ArmSwing(0.0, 1.0, 30.0, 0.0, 10.0, true);
    EXPECT_NEAR(a.start, (210.0 - 5.0) * 3.141592654 / 180, 1e-9);
    EXPECT_NEAR(a.end, (220.0 + 5.0) * 3.141592654 / 180, 1e-9);
    const ArcSpan b = ArmSwing(90.0, -1.0, 30.0, 0.0, 40.0, true); // 240 .. 200, margin 10
    EXPECT_NEAR(b.start, 190.0 * 3.141592654 / 180, 1e-9);
    EXPECT_NEAR(b.end, 250.0 * 3.141592654 / 180, 1e-9);
}

// A drawing 4.5 units wide and 3 high, at true scale in each unit system.
TEST(CamScene, TrueScalePage) {
    const SceneWindow w{-2.0, 2.5, -1.0, 2.0};
    const std::pair<int, PageMillimetres> cases[] = {{1, {114.3, 76.2}},
                                                     {2, {1371.6, 914.4}},
                                                     {3, {4500.0, 3000.0}},
                                                     {4, {45.0, 30.0}},
                                                     {5, {4.5, 3.0}}};
    for (const auto& [system, page] : cases) {
        const PageMillimetres p = TrueScalePage(w, system);
        EXPECT_NEAR(p.width, page.width, 1e-9) << system;
        EXPECT_NEAR(p.height, page.height, 1e-9) << system;
    }
}

// A barrel cam seen end on: a box Rf/2 wide and 2 Rf high on the roller, with a disc of Rf/4.
TEST(SizeCamPicture, BarrelRoller) {
    auto m = Roller(1, 0.0);
    m->CamType = "Barrel";
    RecordingHost host;
    const Scene s = SizeCam(*m, host, Colours());
    const auto box = Of(s, PrimitiveKind::Box, kBlack);
    ASSERT_EQ(box.size(), std::size_t(1));
    EXPECT_EQ(box[0]->points[0], (Point{2.875, -0.5}));
    EXPECT_EQ(box[0]->points[1], (Point{3.125, 0.5}));
    const auto disc = Of(s, PrimitiveKind::Ring, kBlue);
    ASSERT_EQ(disc.size(), std::size_t(1));
    EXPECT_EQ(disc[0]->points[0], (Point{3.0, 0.0}));
    EXPECT_EQ(std::pair(disc[0]->radius, disc[0]->inner), std::pair(0.125, 0.00125));
}
