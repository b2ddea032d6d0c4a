#include "geometry/CamScene.h"

#include "geometry/CamBody.h"

#include "geometry/Checked.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/Units.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trochix::geometry {

using model::kDegToRad;
using model::kHalfPi;
using model::kPi;
using model::kTwoPi;
using model::ResultRow;

namespace {

// Arrow head: length as a share of the arc radius, half-angle of its barbs.
constexpr double kHeadLength = 0.3;
constexpr double kHeadHalfAngle = 0.45;

// Blue, cyan, green, yellow, red as t runs from 0 to 1.
Rgb PressureColour(float t) {
    const double x = std::clamp(static_cast<double>(t), 0.0, 1.0) * 4.0;
    const int k = std::min(3, static_cast<int>(x));
    const double f = x - k;
    static constexpr int stops[5][3] = {
        {0, 0, 255}, {0, 200, 255}, {0, 190, 0}, {240, 220, 0}, {230, 0, 0}};
    const auto mix = [&](int c) {
        return static_cast<int>(std::lround(stops[k][c] + f * (stops[k + 1][c] - stops[k][c])));
    };
    return {mix(0), mix(1), mix(2)};
}

// The surface between the cam angles of points i and i + 1, with the pressure at point i;
// only where the contact stage found a Hertz contact (p0 > 0).
std::vector<CamDrawing::PressureStretch> PressureEdge(const CamModel& m, float& lo, float& hi) {
    std::vector<CamDrawing::PressureStretch> edge;
    const auto cam = CamSurface::Of(m);
    if (!cam)
        return edge;
    lo = std::numeric_limits<float>::max();
    hi = 0.0f;
    const int n = ScanLastPoint(m);
    for (int i = 0; i < n; ++i) {
        const float p0 = m.Results[ResultRow::ContactPressure][i];
        if (!(p0 > 0.0f))
            continue;
        const Point2 a =
            cam->surfaceAt(std::fmod(m.Results[ResultRow::CamAngle][i] * kDegToRad, kTwoPi)).p;
        const Point2 b =
            cam->surfaceAt(std::fmod(m.Results[ResultRow::CamAngle][i + 1] * kDegToRad, kTwoPi)).p;
        edge.push_back({{a.x, a.y}, {b.x, b.y}, p0});
        lo = std::min(lo, p0);
        hi = std::max(hi, p0);
    }
    return edge;
}

Point Add(Point a, double dx, double dy) {
    return {a.x + dx, a.y + dy};
}

// The follower's own frame at cam angle theta turned into the cam frame.
Point Turn(double x, double y, double angleDeg) {
    const double a = angleDeg * kDegToRad;
    return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
}

// The flat face spans these offsets across the follower axis (V per cam radian, with the
// side the profile puts the contact point on).
struct FaceSpan {
    double lo, hi;
};
FaceSpan FaceAcross(const SizePicture& p, int camDirection) {
    const double a = -camDirection * p.faceVmax, b = camDirection * p.faceVmin;
    return {std::min(a, b), std::max(a, b)};
}

// A follower stem: its axis line and the box around it, from x0 out to E.
void Stem(Scene& s, double x0, double axisY, double low, double high, double E, Rgb ink) {
    s.line({x0, axisY}, {E, axisY}, ink);
    s.box({x0, axisY - low}, {E, axisY + high}, ink);
}

// Two short lines crossing at a pivot.
void Cross(Scene& s, Point at, double half, Rgb ink) {
    s.line(Add(at, -half, 0), Add(at, half, 0), ink);
    s.line(Add(at, 0, -half), Add(at, 0, half), ink);
}

} // namespace

CamColours SetCamColours(const model::ColourTable& t) {
    CamColours c;
    c.ColProfile = t.ColorRed;
    c.ColArm = t.ColorGreen;
    c.ColFollower = t.ColorBlue;
    c.ColInk = t.ColorBlack;
    c.ColBack = t.ColorWhite;
    c.ColSpoke = t.ColorCyan;
    c.ColPrime = t.ColorMagenta;
    c.ColArrow = t.ColorPurple;
    c.ColBase = t.ColorGray;
    // A pale tint of the grey, so every line drawn over the body stays legible.
    const auto tint = [](int grey, int white) { return (grey + 3 * white) / 4; };
    c.ColBody = {tint(t.ColorGray.r, t.ColorWhite.r), tint(t.ColorGray.g, t.ColorWhite.g),
                 tint(t.ColorGray.b, t.ColorWhite.b)};
    return c;
}

SceneWindow Autoscale(const CamModel& m) {
    const int n = ScanLastPoint(m);
    double upper = 0.0, lower = 0.0;
    for (int i = 0; i <= n; ++i)
        for (int row : {ResultRow::XCoord, ResultRow::YCoord}) {
            upper = std::max(upper, static_cast<double>(m.Results[row][i]));
            lower = std::min(lower, static_cast<double>(m.Results[row][i]));
        }
    const double margin = 1.35 * m.RollerRadius + 0.1 * m.PrimeRadius;
    lower -= margin;
    upper += margin;
    return {lower, upper, lower, upper};
}

SceneWindow Sizescale(const CamModel& m, double Rf) {
    const double reach = m.PrimeRadius + Rf;
    double half;
    if (m.Translating) {
        half = 1.25 * reach;
    } else {
        const double C = std::hypot(static_cast<double>(m.ArmPivotX), m.ArmPivotY);
        half = 1.1 * std::max(C, reach);
    }
    return {-half, half, -half, half};
}

void DrawArrow(Scene& s, const SizePicture& p, const CamColours& c, int camDirection) {
    const double E = p.extent, h = 0.15 * p.Rb;
    s.line({-0.9 * E, 0}, {0.9 * E, 0}, c.ColInk);
    s.line({0, -0.9 * E}, {0, 0.9 * E}, c.ColInk);
    s.circle({0, 0}, p.R0, c.ColPrime);
    s.circle({0, 0}, p.Rb, c.ColBase);
    s.ring({0, 0}, 0.3 * h, 0.0, c.ColInk);

    // Drawn counter-clockwise; a clockwise cam gets the mirror image (x and y exchanged).
    const double r = 2.5 * h, tip = 1.3;
    const bool cw = camDirection != 1;
    const auto place = [cw](Point q) { return cw ? Point{q.y, q.x} : q; };
    if (cw)
        s.arc({0, 0}, r, kHalfPi - 1.3, kHalfPi - 0.3, c.ColArrow);
    else
        s.arc({0, 0}, r, 0.3, 1.3, c.ColArrow);
    const Point head{r * std::cos(tip), r * std::sin(tip)};
    const double back = tip + kHalfPi + kPi; // against the direction of travel
    for (double side : {-kHeadHalfAngle, kHeadHalfAngle}) {
        const double a = back + side;
        const Point barb = Add(head, kHeadLength * r * std::cos(a), kHeadLength * r * std::sin(a));
        s.line(place(head), place(barb), c.ColArrow);
    }
}

ArcSpan ArmSwing(double pivotAngleDeg, double armDirection, double armAngle0Deg, double sMin,
                 double sMax, bool reaches) {
    if (!reaches)
        return {0.0, kTwoPi};
    // Seen from the pivot the cam centre lies at PivotAngle + 180; the arm is turned from that
    // line by ArmDirection x (ArmAngle0 + S).
    const double a = pivotAngleDeg + 180.0 + armDirection * (armAngle0Deg + sMin);
    const double b = pivotAngleDeg + 180.0 + armDirection * (armAngle0Deg + sMax);
    const double margin = std::max(5.0, 0.25 * std::fabs(b - a));
    return {(std::min(a, b) - margin) * kDegToRad, (std::max(a, b) + margin) * kDegToRad};
}

namespace {

// The follower at zero lift, for each kind of cam and follower.
void SizeCamFollower(Scene& s, const CamModel& m, const SizePicture& p, const CamColours& c) {
    const double Rp = m.PrimeRadius, Rf = p.Rf, E = p.extent;
    const int dir = m.CamDirection;
    if (!m.Translating) {
        const Point pivot{m.ArmPivotX, m.ArmPivotY};
        const double L = m.ArmRadius;
        s.circle(pivot, 0.12 * p.Rb, c.ColInk);
        s.line(pivot, {0, 0}, c.ColInk);
        double sMin = 0.0, sMax = 0.0;
        for (int i = 0; i <= ScanLastPoint(m); ++i) {
            sMin = std::min(sMin, static_cast<double>(m.Results[ResultRow::Displacement][i]));
            sMax = std::max(sMax, static_cast<double>(m.Results[ResultRow::Displacement][i]));
        }
        const ArcSpan arc =
            ArmSwing(m.PivotAngle, m.ArmDirection, m.ArmAngle0, sMin, sMax, p.armReaches);
        s.arc(pivot, L, arc.start, arc.end, c.ColProfile);
        if (p.armReaches) {
            const Point roller{m.RollerX0, m.RollerY0};
            s.line(pivot, roller, c.ColArm);
            if (Rf > 0.0)
                s.ring(roller, std::max(Rf / 4, Rf - 3 * 0.005), Rf / 4, c.ColFollower);
        } else {
            // Pointing at the cam it cannot reach.
            const double C = std::hypot(pivot.x, pivot.y);
            const double k = C > 0.0 ? std::min(L, C) / C : 0.0;
            s.line(pivot, {pivot.x * (1 - k), pivot.y * (1 - k)}, c.ColArm);
        }
        return;
    }
    if (m.CamType == "Barrel") {
        const Point roller{Rp, -dir * static_cast<double>(m.Offset)};
        s.box(Add(roller, -Rf / 4, -Rf), Add(roller, Rf / 4, Rf), c.ColInk);
        if (Rf > 0.0)
            s.ring(roller, Rf / 4, 0.01 * Rf / 4, c.ColFollower);
        return;
    }
    if (m.FollowerType == 2) {
        const FaceSpan face = FaceAcross(p, dir);
        const double v0 = m.Results[ResultRow::Velocity][0] / model::CheckDivisor(m.CamOmega);
        Stem(s, Rp, 0.0, -face.lo, face.hi, E, c.ColInk);
        s.line({Rp, face.lo}, {Rp, face.hi}, c.ColFollower, 2.0);
        const double mark = 0.004 * s.window().width();
        s.ring({Rp, -dir * v0}, mark, 0.0, c.ColFollower);
        return;
    }
    const double axisY = -p.drawnOffset;
    Stem(s, Rp + Rf / 4, axisY, p.halfLow, p.halfHigh, E, c.ColInk);
    s.ring({Rp, axisY}, Rf, Rf / 4, c.ColFollower);
}

} // namespace

Scene SizeCam(CamModel& m, Host& host, const model::ColourTable& table) {
    Scene s;
    const CamColours c = SetCamColours(table);
    s.setBackground(c.ColBack);
    const SizePicture p = SizePictureSetup(m, host);
    if (!p.drawable)
        return s;
    const bool drawn = model::RunGuarded(host, "SizeCam", [&] {
        s.setWindow(Sizescale(m, p.Rf));
        DrawArrow(s, p, c, m.CamDirection);
        SizeCamFollower(s, m, p, c);
    });
    if (!drawn)
        s.clear();
    return s;
}

PageMillimetres TrueScalePage(const SceneWindow& w, int unitSystem) {
    const double mm = model::MillimetresPerLength(unitSystem);
    return {w.width() * mm, w.height() * mm};
}

const std::array<std::string, 6> WaitList = {"1", "10", "100", "1000", "10000", "100000"};

int DelayCountFor(int waitChoice) {
    return 10 * waitChoice;
}

int FramePauseMs(int delayCount) {
    // Five decades of count onto 2 ms .. 1 s, evenly in the logarithm.
    const double d = std::clamp(static_cast<double>(delayCount), 10.0, 1.0e6);
    return static_cast<int>(std::lround(1000.0 * std::pow(d / 1.0e6, 0.54)));
}

CamDrawing CamDrawing::DrawCam_Setup(CamModel& m, Host& host, const model::ColourTable& table,
                                     bool profileReady) {
    CamDrawing d;
    d.m_col = SetCamColours(table);
    d.m_pic = SizePictureSetup(m, host);
    if (!d.m_pic.drawable)
        return d;
    d.m_drawable = true;
    d.m_translating = m.Translating;
    d.m_flat = m.FollowerType == 2;
    d.m_camDirection = m.CamDirection;
    d.m_omega = m.CamOmega;
    d.m_L = m.ArmRadius;
    d.m_armDirection = m.ArmDirection;
    d.m_pivotAngle = m.PivotAngle;
    d.m_armAngle0 = m.ArmAngle0;
    d.m_pivot0 = {m.ArmPivotX, m.ArmPivotY};
    // Oscillating: no profile can be made while the arm misses the cam.
    d.m_ready = profileReady && (m.Translating || d.m_pic.armReaches);

    const int n = ScanLastPoint(m);
    for (int i = 0; i <= n; ++i) {
        const double S = m.Results[ResultRow::Displacement][i];
        d.m_sMin = std::min(d.m_sMin, S);
        d.m_sMax = std::max(d.m_sMax, S);
        d.m_points.push_back({m.Results[ResultRow::XCoord][i], m.Results[ResultRow::YCoord][i]});
        d.m_pivots.push_back({m.PivotX[i], m.PivotY[i]});
        d.m_theta.push_back(m.Results[ResultRow::CamAngle][i]);
        d.m_V.push_back(m.Results[ResultRow::Velocity][i]);
    }
    for (int k = 1; k <= std::clamp(m.NumSegments, 0, model::kMaxSegments); ++k)
        d.m_segStart.push_back(m.SegStart[k]);
    // Spokes start from the zero-lift follower point: -CamDirection x t0 for a translating
    // follower, PivotAngle - ArmDirection x CentreAngle0 for an arm.
    d.m_rollerAngle0 = m.Translating ? -m.CamDirection * d.m_pic.t0
                                     : m.PivotAngle - m.ArmDirection * m.CentreAngle0;

    d.m_window = m.Translating && d.m_ready ? Autoscale(m) : Sizescale(m, d.m_pic.Rf);
    d.m_mark = 0.004 * d.m_window.width();

    if (d.m_ready && m.ContactDone) {
        d.m_pressureEdge = PressureEdge(m, d.m_pressureMin, d.m_pressureMax);
        d.m_pressureUnit = m.UnitLabel[static_cast<std::size_t>(ResultRow::ContactPressure)];
    }
    if (d.m_ready) {
        if (const auto body = CamBodyOf(m)) {
            for (Point2 q : body->outline)
                d.m_body.push_back({q.x, q.y});
            for (const auto& loop : body->undercut) {
                std::vector<Point> mark;
                for (Point2 q : loop)
                    mark.push_back({q.x, q.y});
                d.m_undercut.push_back(std::move(mark));
            }
        }
    }

    d.m_frames.push_back(0);
    if (d.m_ready && n > 0) {
        // A frame every 6 degrees; a step the model cannot have counts as 1 degree.
        const double delta = m.DeltaTheta > 0.0f && m.DeltaTheta <= 6.0f ? m.DeltaTheta : 1.0;
        const int step = std::max(1, static_cast<int>(std::lround(6.0 / delta)));
        for (int i = step; i < n; i += step)
            d.m_frames.push_back(i);
        d.m_frames.push_back(n);
    }
    return d;
}

Scene CamDrawing::DrawProfileStart() const {
    Scene s;
    s.setBackground(m_col.ColBack);
    if (!m_drawable)
        return s;
    s.setWindow(m_window);
    if (!m_body.empty())
        s.polygon(m_body, m_col.ColBody);
    if (m_colourByPressure) {
        const float span = m_pressureMax - m_pressureMin;
        for (const PressureStretch& e : m_pressureEdge)
            s.line(e.a, e.b, PressureColour(span > 0.0f ? (e.p0 - m_pressureMin) / span : 1.0f),
                   4.0);
        const SceneWindow& w = m_window;
        const double line = 0.04 * w.height();
        s.text({w.left + 0.02 * w.width(), w.top - line},
               "Contact pressure: red " + text::TrimmedStr(m_pressureMax) + " " + m_pressureUnit,
               PressureColour(1.0f));
        s.text({w.left + 0.02 * w.width(), w.top - 2.0 * line},
               "blue " + text::TrimmedStr(m_pressureMin) + " " + m_pressureUnit,
               PressureColour(0.0f));
    }
    for (const std::vector<Point>& mark : m_undercut)
        s.polyline(mark, m_col.ColProfile, 3.0);
    DrawArrow(s, m_pic, m_col, m_camDirection);
    if (m_translating)
        TranslatingStart(s);
    else
        OscillatingStart(s);
    return s;
}

void CamDrawing::TranslatingStart(Scene& s) const {
    if (!m_ready)
        return;
    const Point p0 = P(0);
    const double E = m_pic.extent, Rf = m_pic.Rf;
    if (m_flat) {
        const FaceSpan face = FaceAcross(m_pic, m_camDirection);
        Stem(s, p0.x, 0.0, -face.lo, face.hi, E, m_col.ColInk);
        FlatFace(s, 0);
        return;
    }
    Stem(s, p0.x + Rf / 4, p0.y, m_pic.halfLow, m_pic.halfHigh, E, m_col.ColInk);
    s.ring(p0, Rf, Rf / 4, m_col.ColFollower);
}

void CamDrawing::OscillatingStart(Scene& s) const {
    const double Rb = m_pic.Rb, Rf = m_pic.Rf;
    const Point pivot = m_ready ? m_pivots[0] : m_pivot0;
    Pivot(s, pivot, 0.08 * Rb, true);
    const ArcSpan arc =
        ArmSwing(m_pivotAngle, m_armDirection, m_armAngle0, m_sMin, m_sMax, m_pic.armReaches);
    s.arc(pivot, m_L, arc.start, arc.end, m_col.ColProfile);
    if (!m_ready) {
        const double C = std::hypot(pivot.x, pivot.y);
        const double k = C > 0.0 ? std::min(m_L, C) / C : 0.0;
        s.line(pivot, {pivot.x * (1 - k), pivot.y * (1 - k)}, m_col.ColArm);
        return;
    }
    s.line(pivot, P(0), m_col.ColArm);
    if (Rf > 0.0)
        s.ring(P(0), std::max(Rf / 4, Rf - 2 * 0.005), Rf / 4, m_col.ColFollower);
    if (m_flat)
        FlatFace(s, 0);
}

void CamDrawing::Pivot(Scene& s, Point at, double radius, bool filled) const {
    if (filled)
        s.ring(at, radius, 0.0, m_col.ColInk);
    else
        s.circle(at, radius, m_col.ColInk);
    Cross(s, at, 2 * radius, m_col.ColInk);
}

void CamDrawing::FlatFace(Scene& s, int i) const {
    // The face in the follower's frame, at the contact point's distance along the axis,
    // turned with the cam angle into the cam frame.
    const FaceSpan face = FaceAcross(m_pic, m_camDirection);
    const double turn = -m_camDirection * m_theta[i];
    const double across = -m_camDirection * m_V[i] / (m_omega != 0.0 ? m_omega : 1.0);
    const Point c = P(i);
    const Point a = Turn(0.0, face.lo - across, turn), b = Turn(0.0, face.hi - across, turn);
    s.line(Add(c, a.x, a.y), Add(c, b.x, b.y), m_col.ColFollower, 2.0);
    s.ring(c, m_mark, 0.0, m_col.ColFollower);
}

void CamDrawing::FollowerAt(Scene& s, int i) const {
    if (!m_translating) {
        Pivot(s, m_pivots[i], 0.08 * m_pic.Rb, false);
        s.line(m_pivots[i], P(i), m_col.ColArm);
    }
    if (m_flat)
        FlatFace(s, i);
    else
        s.circle(P(i), m_pic.Rf, m_col.ColFollower);
}

void CamDrawing::DrawSub(Scene& s, int k) const {
    if (k < 1 || k >= frameCount())
        return;
    const int from = m_frames[k - 1], to = m_frames[k];
    s.polyline(std::vector<Point>(m_points.begin() + from, m_points.begin() + to + 1),
               m_col.ColProfile, 1.5);
    FollowerAt(s, to);
}

void CamDrawing::Spokes(Scene& s) const {
    if (!m_drawable || (!m_translating && !m_pic.armReaches))
        return;
    for (float start : m_segStart) {
        const double a = (m_rollerAngle0 - m_camDirection * start) * kDegToRad;
        s.line({0, 0}, {m_pic.Rb * std::cos(a), m_pic.Rb * std::sin(a)}, m_col.ColSpoke);
    }
}

Scene CamDrawing::Finished() const {
    Scene s = DrawProfileStart();
    if (!m_drawable)
        return s;
    for (int k = 1; k < frameCount(); ++k)
        FollowerAt(s, m_frames[k]);
    if (frameCount() > 1)
        s.polyline(std::vector<Point>(m_points.begin(), m_points.begin() + m_frames.back() + 1),
                   m_col.ColProfile, 1.5);
    Spokes(s);
    return s;
}

} // namespace trochix::geometry
