#include "geometry/BarrelDevelopment.h"

#include "model/CamModel.h"

#include <cmath>
#include <numbers>

namespace trochix::geometry {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
} // namespace

BarrelDevelopment::BarrelDevelopment(double primeRadius, double rollerRadius, MotionFunction motion,
                                     std::vector<double> breaks)
    : Rp_(primeRadius), Rr_(rollerRadius), motion_(std::move(motion)), breaks_(std::move(breaks)) {}

std::optional<BarrelDevelopment> BarrelDevelopment::Of(const CamModel& m) {
    if (m.CamType != "Barrel" || !m.Translating || m.FollowerType == 2 || !(m.PrimeRadius > 0.0f))
        return std::nullopt;
    MotionAt motion(m);
    std::vector<double> breaks = motion.breaks();
    return BarrelDevelopment(m.PrimeRadius, m.RollerRadius, std::move(motion), std::move(breaks));
}

double BarrelDevelopment::circumference() const {
    return kTwoPi * Rp_;
}

CurvePoint BarrelDevelopment::centreAt(double theta) const {
    const MotionValue v = motion_(theta);
    const double n = std::hypot(Rp_, v.dS);
    return {{Rp_ * theta, v.S}, {Rp_ / n, v.dS / n}};
}

CurvePoint BarrelDevelopment::offsetAt(double theta, double d) const {
    CurvePoint c = centreAt(theta);
    const Point2 left{-c.tangent.y, c.tangent.x};
    c.p = c.p + d * left;
    // The tangent turns back where the offset passes the centre of curvature.
    if (1.0 - d * curvature(theta) < 0.0)
        c.tangent = -1.0 * c.tangent;
    return c;
}

double BarrelDevelopment::curvature(double theta) const {
    const MotionValue v = motion_(theta);
    const double n = std::hypot(Rp_, v.dS);
    return Rp_ * v.d2S / (n * n * n);
}

ClosedCurve BarrelDevelopment::centre() const {
    ClosedCurve c;
    c.at = [this](double t) { return centreAt(t); };
    c.breaks = breaks_;
    c.period = {circumference(), 0.0};
    return c;
}

ClosedCurve BarrelDevelopment::offset(double d) const {
    ClosedCurve c;
    c.at = [this, d](double t) { return offsetAt(t, d); };
    c.breaks = breaks_;
    c.period = {circumference(), 0.0};
    return c;
}

} // namespace trochix::geometry
