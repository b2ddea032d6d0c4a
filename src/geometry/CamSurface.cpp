#include "geometry/CamSurface.h"

#include "model/CamModel.h"
#include "model/Constants.h"

#include <cmath>
#include <limits>
#include <utility>

namespace trochix::geometry {

using model::kDegToRad;

namespace {

// A quarter turn anticlockwise.
Point2 Perp(Point2 a) {
    return {-a.y, a.x};
}
double Length(Point2 a) {
    return std::hypot(a.x, a.y);
}
Point2 Unit(double angle) {
    return {std::cos(angle), std::sin(angle)};
}

// The follower frame at cam angle theta seen from the cam: R(theta), mirrored in the x axis for
// a counter-clockwise cam.
struct Frame {
    double c, s;
    bool mirror;
    Point2 operator()(Point2 q) const {
        const Point2 r{c * q.x - s * q.y, s * q.x + c * q.y};
        return mirror ? Point2{r.x, -r.y} : r;
    }
};

Frame FrameAt(const FollowerLayout& f, double theta) {
    return {std::cos(theta), std::sin(theta), f.camDirection == 1};
}

} // namespace

std::optional<FollowerLayout> FollowerLayoutOf(const CamModel& m) {
    if (m.CamType != "Radial")
        return std::nullopt;
    FollowerLayout f;
    f.Rp = m.PrimeRadius;
    f.camDirection = m.CamDirection == 1 ? 1 : -1;
    if (m.Translating) {
        f.kind = m.FollowerType == 2 ? SurfaceFollower::TranslatingFlat
                                     : SurfaceFollower::TranslatingRoller;
        f.e = f.kind == SurfaceFollower::TranslatingRoller ? m.Offset : 0.0;
        f.Rr = f.kind == SurfaceFollower::TranslatingRoller ? m.RollerRadius : 0.0;
        return f;
    }
    if (m.FollowerType == 2)
        return std::nullopt;
    f.kind = SurfaceFollower::OscillatingRoller;
    f.Rr = m.RollerRadius;
    f.C = m.PivotDistance;
    f.L = m.ArmRadius;
    f.armAngle0 = m.ArmAngle0;
    f.pivotAngle = m.PivotAngle;
    f.armDirection = m.ArmDirection < 0.0f ? -1.0 : 1.0;
    return f;
}

CamSurface::CamSurface(const FollowerLayout& layout, MotionFunction motion,
                       std::vector<double> breaks)
    : layout_(layout), motion_(std::move(motion)), breaks_(std::move(breaks)) {}

std::optional<CamSurface> CamSurface::Of(const CamModel& m) {
    const std::optional<FollowerLayout> f = FollowerLayoutOf(m);
    if (!f)
        return std::nullopt;
    MotionAt motion(m);
    std::vector<double> breaks = motion.breaks();
    return CamSurface(*f, std::move(motion), std::move(breaks));
}

CurveJet CamSurface::pitchJet(double theta) const {
    const FollowerLayout& f = layout_;
    const MotionValue v = motion_(theta);
    if (f.kind == SurfaceFollower::OscillatingRoller) {
        // Pivot P = C u(gamma), roller centre P - L u(psi), psi = gamma + armDirection x mu.
        const double D = f.camDirection, A = f.armDirection;
        const double gamma = f.pivotAngle * kDegToRad - D * theta;
        const double psi = gamma + A * (f.armAngle0 + v.S) * kDegToRad;
        const double dpsi = -D + A * v.dS * kDegToRad, d2psi = A * v.d2S * kDegToRad;
        const Point2 ug = Unit(gamma), up = Unit(psi);
        return {f.C * ug - f.L * up, (-D * f.C) * Perp(ug) - (f.L * dpsi) * Perp(up),
                (-f.C) * ug - f.L * ((d2psi * Perp(up)) - (dpsi * dpsi) * up)};
    }
    // q = (Rp + S, e) for a roller, (Rp + S, S') for a flat face; R(t)' = R(t) J.
    const Frame R = FrameAt(f, theta);
    const bool flat = f.kind == SurfaceFollower::TranslatingFlat;
    const Point2 q{f.Rp + v.S, flat ? v.dS : f.e};
    const Point2 dq{v.dS, flat ? v.d2S : 0.0};
    // The flat face's d2 would need S'''; nothing here reads it.
    const Point2 d2q{v.d2S, 0.0};
    return {R(q), R(dq + Perp(q)), flat ? Point2{} : R(d2q + 2.0 * Perp(dq) - q)};
}

double CamSurface::flatRho(double theta) const {
    const MotionValue v = motion_(theta);
    return layout_.Rp + v.S + v.d2S;
}

double CamSurface::curvature(double theta) const {
    if (layout_.kind == SurfaceFollower::TranslatingFlat) {
        const double rho = flatRho(theta);
        return rho == 0.0 ? std::numeric_limits<double>::infinity() : 1.0 / rho;
    }
    const CurveJet j = pitchJet(theta);
    const double speed = Length(j.d1);
    // The curves run anticlockwise for a clockwise cam: convex is then a left turn.
    return -layout_.camDirection * Cross(j.d1, j.d2) / (speed * speed * speed);
}

Point2 CamSurface::inwardNormal(double theta) const {
    if (layout_.kind == SurfaceFollower::TranslatingFlat)
        return FrameAt(layout_, theta)(Point2{-1.0, 0.0});
    const CurveJet j = pitchJet(theta);
    return (-layout_.camDirection / Length(j.d1)) * Perp(j.d1);
}

CurvePoint CamSurface::offsetAt(double theta, double inset) const {
    if (layout_.kind == SurfaceFollower::TranslatingFlat) {
        // The contact point moves along the face at Rp + S + S'' per radian; an offset point
        // at `inset` inside it at that less the inset.
        const MotionValue v = motion_(theta);
        const Frame R = FrameAt(layout_, theta);
        const Point2 c = R(Point2{layout_.Rp + v.S - inset, v.dS});
        const double along = layout_.Rp + v.S + v.d2S - inset;
        return {c, R(Point2{0.0, along < 0.0 ? -1.0 : 1.0})};
    }
    const CurveJet j = pitchJet(theta);
    const double speed = Length(j.d1);
    const Point2 t = (1.0 / speed) * j.d1;
    const double sense = -layout_.camDirection;
    const double kappa = sense * Cross(j.d1, j.d2) / (speed * speed * speed);
    // Past the centre of curvature the offset runs backwards: the loop of an undercut.
    const double along = 1.0 - inset * kappa;
    return {j.p + (inset * sense) * Perp(t), along < 0.0 ? (-1.0) * t : t};
}

CurvePoint CamSurface::pitchAt(double theta) const {
    return offsetAt(theta, 0.0);
}

CurvePoint CamSurface::surfaceAt(double theta) const {
    return offsetAt(theta, layout_.kind == SurfaceFollower::TranslatingFlat ? 0.0 : layout_.Rr);
}

CurvePoint CamSurface::cutterAt(double theta, double Rc) const {
    const double inset = layout_.kind == SurfaceFollower::TranslatingFlat ? 0.0 : layout_.Rr;
    return offsetAt(theta, inset - Rc);
}

ClosedCurve CamSurface::pitch() const {
    auto self = std::make_shared<const CamSurface>(*this);
    return {[self](double t) { return self->pitchAt(t); }, breaks_};
}

ClosedCurve CamSurface::surface() const {
    auto self = std::make_shared<const CamSurface>(*this);
    return {[self](double t) { return self->surfaceAt(t); }, breaks_};
}

ClosedCurve CamSurface::cutter(double Rc) const {
    auto self = std::make_shared<const CamSurface>(*this);
    return {[self, Rc](double t) { return self->cutterAt(t, Rc); }, breaks_};
}

} // namespace trochix::geometry
