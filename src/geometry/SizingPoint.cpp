#include "geometry/SizingPoint.h"

#include "geometry/Checked.h"
#include "model/CamModel.h"
#include "model/ResultRow.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "motion/SegmentDriver.h"

#include <algorithm>
#include <cmath>

namespace trochix::geometry {

using model::kDegToRad;
using model::kDivisionByZero;
using model::kHalfPi;
using model::kPi;
using model::kRadToDeg;

namespace {

constexpr int kInvalidProcedureCall = 5;

template <class Point> Point Stopped(Point p, int fault) {
    p.fault = fault;
    return p;
}

PressurePoint Written(PressurePoint p, double phi) {
    const SingleOrFault f = FitSingle(phi);
    p.phi = f.value;
    p.fault = f.fault;
    p.written = f.fault == 0;
    return p;
}

RhoPoint Written(RhoPoint p, SingleOrFault rho) {
    p.rho = rho.value;
    p.fault = rho.fault;
    return p;
}

PressurePoint PressureRadialRoller(const SizingCase& c, double S, double V) {
    PressurePoint p;
    const double q = c.Rp * c.Rp - c.e * c.e;
    if (q < 0.0) // an offset beyond the prime radius has no roller position
        return Stopped(p, kInvalidProcedureCall);
    const double d = std::sqrt(q);
    if (c.omega == 0.0)
        return Stopped(p, kDivisionByZero);
    const double num = V / c.omega - c.e;
    const double den = S + d;
    if (den == 0.0)
        return Stopped(p, kDivisionByZero);
    return Written(p, std::atan(num / den) * kRadToDeg);
}

PressurePoint PressureBarrel(const SizingCase& c, double V) {
    PressurePoint p;
    if (c.omega == 0.0 || c.Rp == 0.0)
        return Stopped(p, kDivisionByZero);
    return Written(p, std::atan((V / c.omega) / c.Rp) * kRadToDeg);
}

PressurePoint PressureOscillating(const SizingCase& c, float theta, double S, double V) {
    PressurePoint p;
    if (c.omega == 0.0)
        return Stopped(p, kDivisionByZero);
    const ArmData& arm = c.arm;
    const double L = arm.L, C = arm.C;
    const double mu = arm.armAngle0 + S;
    const double gamma = arm.pivotAngle - arm.camDirection * static_cast<double>(theta);
    const ArmContour ac = ArmContourAt(C, L, arm.armDirection, mu, gamma, p.contour);
    const double r = ac.r;
    const double muR = mu * kDegToRad;
    const double w = V * kPi / (180.0 * c.omega);
    const double T1 = kHalfPi;
    const double T2 = kPi - muR - ac.alpha * kDegToRad;

    const double D1 = L * C * std::sin(muR) * w;
    if (D1 == 0.0) { // a dwell: the arm stands still
        if (arm.K < 0)
            return Written(p, (T1 - T2) * kRadToDeg);
        if (arm.K > 0)
            return Written(p, (T2 - T1) * kRadToDeg);
        return p;
    }
    const double A1 = r * r / D1;
    const double D2 = 2.0 * r * C * std::sin(ac.alpha * kDegToRad);
    if (D2 == 0.0) {
        p.divZeroTerm = "Denom2";
        return p;
    }
    const double A2 = (C * C - r * r - L * L) / D2;
    if (arm.K < 0) {
        const double B = A1 - A2;
        if (B == 0.0) {
            p.divZeroTerm = "Term3c  in K1";
            return p;
        }
        return Written(p, (T1 - T2 + std::atan(1.0 / B)) * kRadToDeg);
    }
    if (arm.K > 0) {
        const double B = A1 + A2;
        if (B == 0.0) {
            p.divZeroTerm = "Term3  in K2";
            return p;
        }
        return Written(p, (T2 - T1 + std::atan(1.0 / B)) * kRadToDeg);
    }
    return p;
}

RhoPoint RhoRadial(const SizingCase& c, double S, double V, double A, bool flat) {
    RhoPoint p;
    if (c.omega == 0.0 || c.omega2 == 0.0)
        return Stopped(p, kDivisionByZero);
    if (flat)
        return Written(p, FitSingle(c.Rp + S + A / c.omega2));
    return Written(p, RhoRadialRollerOf(c.Rp + S, c.e, V / c.omega, A / c.omega2));
}

RhoPoint RhoBarrel(const SizingCase& c, double V, double A) {
    RhoPoint p;
    const double omegaRp = c.omega * c.Rp;
    const double omega2Rp2 = c.omega2 * c.Rp * c.Rp;
    if (omegaRp == 0.0 || omega2Rp2 == 0.0)
        return Stopped(p, kDivisionByZero);
    const double v = V / omegaRp;
    const double a = A / omega2Rp2;
    if (a == 0.0)
        return Written(p, SingleOrFault{static_cast<float>(kRhoInfinite), 0});
    return Written(p, RhoQuotient(-std::pow(1.0 + v * v, 1.5), a));
}

RhoPoint RhoOscillatingAt(const SizingCase& c, float theta, double S, double V, double A,
                          float phi) {
    RhoPoint p;
    if (c.omega == 0.0 || c.omega2 == 0.0)
        return Stopped(p, kDivisionByZero);
    const ArmData& arm = c.arm;
    const double mu = arm.armAngle0 + S;
    const double phiR = phi * kDegToRad;
    const double w = V * kPi / (c.omega * 180.0);
    const double w2 = A * (kPi / (c.omega2 * 180.0));
    if (w != 0.0)
        return Written(p, RhoOscillatingOf(arm.C, arm.L, mu * kDegToRad, phiR, w, w2, arm.K));
    // A dwell: the pitch curve is a circle about the cam centre.
    const double gamma = arm.pivotAngle - arm.camDirection * static_cast<double>(theta);
    const ArmContour ac = ArmContourAt(arm.C, arm.L, arm.armDirection, mu, gamma, p.contour);
    return Written(p, FitSingle(ac.r));
}

} // namespace

SizingCase SizingCaseOf(const CamModel& m, int followerType) {
    SizingCase c;
    if (!m.Translating)
        c.kind = FollowerKind::Oscillating;
    else if (m.CamType == "Barrel")
        c.kind = FollowerKind::Barrel;
    else if (followerType == 2)
        c.kind = FollowerKind::TranslatingFlat;
    else
        c.kind = FollowerKind::TranslatingRoller;
    c.Rp = m.PrimeRadius;
    c.e = m.Offset;
    c.omega = m.CamOmega;
    c.omega2 = m.CamOmega2;
    c.arm.C = m.PivotDistance;
    c.arm.L = m.ArmRadius;
    c.arm.armAngle0 = m.ArmAngle0;
    c.arm.pivotAngle = m.PivotAngle;
    c.arm.armDirection = m.ArmDirection;
    c.arm.camDirection = m.CamDirection;
    c.arm.K = motion::RoundIndex(static_cast<double>(m.ArmDirection) * m.CamDirection);
    return c;
}

PressurePoint PressureAngleAt(const SizingCase& c, float theta, double S, double V) noexcept {
    switch (c.kind) {
    case FollowerKind::TranslatingRoller: return PressureRadialRoller(c, S, V);
    case FollowerKind::TranslatingFlat: return Written(PressurePoint{}, 0.0);
    case FollowerKind::Barrel: return PressureBarrel(c, V);
    case FollowerKind::Oscillating: return PressureOscillating(c, theta, S, V);
    }
    return {};
}

RhoPoint RadiusOfCurvatureAt(const SizingCase& c, float theta, double S, double V, double A,
                             float phi) noexcept {
    switch (c.kind) {
    case FollowerKind::TranslatingRoller: return RhoRadial(c, S, V, A, false);
    case FollowerKind::TranslatingFlat: return RhoRadial(c, S, V, A, true);
    case FollowerKind::Barrel: return RhoBarrel(c, V, A);
    case FollowerKind::Oscillating: return RhoOscillatingAt(c, theta, S, V, A, phi);
    }
    return {};
}

SingleOrFault RhoRadialRollerOf(double X, double e, double v, double a) noexcept {
    // For e = 0 and X >= 0 this is the polar form on r = X operation by operation, bit for bit.
    const double ve = v - e;
    const double speed2 = X * X + ve * ve;
    return RhoQuotient(std::sqrt(speed2 * speed2 * speed2), X * X + ve * (2.0 * v - e) - X * a);
}

SingleOrFault RhoOscillatingOf(double C, double L, double muR, double phiR, double w, double w2,
                               int K) noexcept {
    const double cosPhi = std::cos(phiR);
    const double relative = K < 0 ? 1.0 + w : 1.0 - w;
    const double R = w * relative * std::sin(phiR) - w2 * cosPhi;
    const double D = C * std::sin(muR);
    if (D == 0.0)
        return RhoQuotient(D * D, cosPhi * (D + L * cosPhi * R));
    const double P = cosPhi / D;
    const double Q = L * cosPhi / D;
    return RhoQuotient(1.0, P * (1.0 + Q * R));
}

MotionPoints MotionPointsOf(const CamModel& m) {
    MotionPoints p;
    const int n = std::clamp(m.NumPoints, 0, model::kMaxPoints);
    for (int i = 0; i <= n; ++i) {
        p.theta.push_back(m.Results[model::ResultRow::CamAngle][i]);
        p.S.push_back(m.Results[model::ResultRow::Displacement][i]);
        p.V.push_back(m.Results[model::ResultRow::Velocity][i]);
        p.A.push_back(m.Results[model::ResultRow::Acceleration][i]);
    }
    return p;
}

} // namespace trochix::geometry
