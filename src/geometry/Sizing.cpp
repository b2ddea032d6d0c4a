#include "geometry/Sizing.h"

#include "geometry/ArmGeometry.h"
#include "geometry/Checked.h"
#include "geometry/Profile.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "motion/MathHelpers.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <cmath>
#include <string>

namespace trochix::geometry {

using model::CheckDivisor;
using model::Fault;
using model::kDegToRad;
using model::kHalfPi;
using model::kPi;
using model::kRadToDeg;
using model::ResultRow;

namespace {

bool IsBarrel(const CamModel& m) { return m.CamType == "Barrel"; }

void DivideByZeroMessage(CamModel& m, Host& host, float theta, const char* term) {
    m.DivZeroTerm = term;
    host.message("An attempt to divide by zero was detected in Autopress when calculating\r"
                 "the pressure angle at theta = " +
                     text::Str(theta) + "\rWill continue to attempt calculation at other points" +
                     m.DivZeroTerm,
                 model::Icon::Warning, model::DefaultTitle());
}

void PressureRadialRoller(CamModel& m, int n) {
    const double Rp = m.PrimeRadius, e = m.Offset;
    const double q = Rp * Rp - e * e;
    if (q < 0.0) // an offset beyond the prime radius has no roller position
        throw Fault(5);
    const double d = std::sqrt(q);
    const double omega = CheckDivisor(m.CamOmega);
    for (int i = 0; i <= n; ++i) {
        const double S = m.Results[ResultRow::Displacement][i],
                     V = m.Results[ResultRow::Velocity][i];
        const double num = V / omega - e;
        m.Results[ResultRow::PressureAngle][i] =
            ToSingle(std::atan(num / CheckDivisor(S + d)) * kRadToDeg);
    }
}

void PressureBarrel(CamModel& m, int n) {
    const double omega = CheckDivisor(m.CamOmega);
    const double Rp = CheckDivisor(m.PrimeRadius);
    for (int i = 0; i <= n; ++i) {
        const double V = m.Results[ResultRow::Velocity][i];
        m.Results[ResultRow::PressureAngle][i] = ToSingle(std::atan((V / omega) / Rp) * kRadToDeg);
    }
}

bool PressureOscillating(CamModel& m, Host& host, int n) {
    if (!Arm_Geometry(m, host))
        return false;
    const int K = motion::RoundIndex(static_cast<double>(m.ArmDirection) * m.CamDirection);
    const double L = m.ArmRadius, C = m.PivotDistance;
    const double omega = CheckDivisor(m.CamOmega);
    for (int i = 0; i <= n; ++i) {
        const float theta = m.Results[ResultRow::CamAngle][i];
        const double S = m.Results[ResultRow::Displacement][i],
                     V = m.Results[ResultRow::Velocity][i];
        const double mu = m.ArmAngle0 + S;
        const double gamma = m.PivotAngle - m.CamDirection * static_cast<double>(theta);
        const ArmContour ac = Arm_Contour(m, host, mu, gamma);
        const double r = ac.r;
        const double muR = mu * kDegToRad;
        const double w = V * kPi / (180.0 * omega);
        const double T1 = kHalfPi;
        const double T2 = kPi - muR - ac.alpha * kDegToRad;

        const double D1 = L * C * std::sin(muR) * w;
        if (D1 == 0.0) { // a dwell: the arm stands still
            if (K < 0)
                m.Results[ResultRow::PressureAngle][i] = ToSingle((T1 - T2) * kRadToDeg);
            else if (K > 0)
                m.Results[ResultRow::PressureAngle][i] = ToSingle((T2 - T1) * kRadToDeg);
            continue;
        }
        const double A1 = r * r / D1;
        const double D2 = 2.0 * r * C * std::sin(ac.alpha * kDegToRad);
        if (D2 == 0.0) {
            DivideByZeroMessage(m, host, theta, "Denom2");
            continue;
        }
        const double A2 = (C * C - r * r - L * L) / D2;
        if (K < 0) {
            const double B = A1 - A2;
            if (B == 0.0) {
                DivideByZeroMessage(m, host, theta, "Term3c  in K1");
                continue;
            }
            m.Results[ResultRow::PressureAngle][i] =
                ToSingle((T1 - T2 + std::atan(1.0 / B)) * kRadToDeg);
        } else if (K > 0) {
            const double B = A1 + A2;
            if (B == 0.0) {
                DivideByZeroMessage(m, host, theta, "Term3  in K2");
                continue;
            }
            m.Results[ResultRow::PressureAngle][i] =
                ToSingle((T2 - T1 + std::atan(1.0 / B)) * kRadToDeg);
        }
    }
    return true;
}

void RhoRadial(CamModel& m, int n, bool flat) {
    const double Rp = m.PrimeRadius, e = m.Offset;
    const double omega = CheckDivisor(m.CamOmega);
    const double omega2 = CheckDivisor(m.CamOmega2);
    for (int i = 0; i <= n; ++i) {
        const double S = m.Results[ResultRow::Displacement][i],
                     V = m.Results[ResultRow::Velocity][i],
                     A = m.Results[ResultRow::Acceleration][i];
        if (flat) {
            m.Results[ResultRow::RadiusOfCurvature][i] = ToSingle(Rp + S + A / omega2);
        } else {
            m.Results[ResultRow::RadiusOfCurvature][i] =
                RhoRadialRoller(Rp + S, e, V / omega, A / omega2);
        }
    }
}

void RhoBarrel(CamModel& m, int n) {
    const double Rp = m.PrimeRadius;
    const double omegaRp = CheckDivisor(m.CamOmega * Rp);
    const double omega2Rp2 = CheckDivisor(m.CamOmega2 * Rp * Rp);
    for (int i = 0; i <= n; ++i) {
        const double v = m.Results[ResultRow::Velocity][i] / omegaRp;
        const double a = m.Results[ResultRow::Acceleration][i] / omega2Rp2;
        m.Results[ResultRow::RadiusOfCurvature][i] =
            a != 0.0 ? RhoRatio(-std::pow(1.0 + v * v, 1.5), a) : static_cast<float>(kRhoInfinite);
    }
}

bool RhoOscillatingPass(CamModel& m, Host& host, int n) {
    if (!Arm_Geometry(m, host))
        return false;
    const int K = motion::RoundIndex(static_cast<double>(m.ArmDirection) * m.CamDirection);
    const double L = m.ArmRadius, C = m.PivotDistance;
    const double omega = CheckDivisor(m.CamOmega);
    const double omega2 = CheckDivisor(m.CamOmega2);
    for (int i = 0; i <= n; ++i) {
        const double theta = m.Results[ResultRow::CamAngle][i],
                     S = m.Results[ResultRow::Displacement][i];
        const double V = m.Results[ResultRow::Velocity][i],
                     A = m.Results[ResultRow::Acceleration][i];
        const double mu = m.ArmAngle0 + S;
        const double phiR = m.Results[ResultRow::PressureAngle][i] * kDegToRad;
        const double w = V * kPi / (omega * 180.0);
        const double w2 = A * (kPi / (omega2 * 180.0));
        if (w != 0.0) {
            m.Results[ResultRow::RadiusOfCurvature][i] =
                RhoOscillating(C, L, mu * kDegToRad, phiR, w, w2, K);
        } else { // a dwell: the pitch curve is a circle about the cam centre
            const double gamma = m.PivotAngle - m.CamDirection * theta;
            m.Results[ResultRow::RadiusOfCurvature][i] =
                ToSingle(Arm_Contour(m, host, mu, gamma).r);
        }
    }
    return true;
}

} // namespace

float RhoRadialRoller(double X, double e, double v, double a) {
    // For e = 0 and X >= 0 this is the polar form on r = X operation by operation, bit for bit.
    const double ve = v - e;
    const double speed2 = X * X + ve * ve;
    return RhoRatio(std::sqrt(speed2 * speed2 * speed2), X * X + ve * (2.0 * v - e) - X * a);
}

float RhoOscillating(double C, double L, double muR, double phiR, double w, double w2, int K) {
    const double cosPhi = std::cos(phiR);
    const double relative = K < 0 ? 1.0 + w : 1.0 - w;
    const double R = w * relative * std::sin(phiR) - w2 * cosPhi;
    const double D = C * std::sin(muR);
    if (D == 0.0)
        return RhoRatio(D * D, cosPhi * (D + L * cosPhi * R));
    const double P = cosPhi / D;
    const double Q = L * cosPhi / D;
    return RhoRatio(1.0, P * (1.0 + Q * R));
}

bool Autopress(CamModel& m, Host& host, int followerType) {
    bool completed = false;
    model::RunGuarded(host, "Autopress", [&] {
        const int n = LastPoint(m);
        if (!m.Translating) {
            if (!PressureOscillating(m, host, n))
                return;
        } else if (IsBarrel(m)) {
            PressureBarrel(m, n);
        } else if (followerType == 2) {
            for (int i = 0; i <= n; ++i)
                m.Results[ResultRow::PressureAngle][i] = 0.0f;
        } else {
            PressureRadialRoller(m, n);
        }
        // A barrel cam's profile is not a plane curve.
        if (!m.Translating || !IsBarrel(m))
            CamProfile(m, host);
        PressureExtremes(m);
        completed = true;
    });
    return completed;
}

bool RadiusOfCurvature(CamModel& m, Host& host, int followerType) {
    bool completed = false;
    model::RunGuarded(host, "RadiusOfCurvature", [&] {
        motion::CamOmegaPowers(m);
        const int n = LastPoint(m);
        if (!m.Translating) {
            if (!RhoOscillatingPass(m, host, n))
                return;
        } else if (IsBarrel(m)) {
            RhoBarrel(m, n);
        } else {
            RhoRadial(m, n, followerType == 2);
        }
        RhoExtremes(m);
        ClampRho(m);
        completed = true;
    });
    return completed;
}

void PressureExtremes(CamModel& m) {
    m.PressMax = 0.0f;
    m.PressMin = 10000.0f;
    m.PressMaxAngle = 0.0f;
    m.PressMinAngle = 0.0f;
    const int n = ScanLastPoint(m);
    for (int i = 0; i <= n; ++i) {
        const float phi = m.Results[ResultRow::PressureAngle][i];
        if (phi > m.PressMax) {
            m.PressMax = phi;
            m.PressMaxAngle = m.Results[ResultRow::CamAngle][i];
        }
        if (phi < m.PressMin) {
            m.PressMin = phi;
            m.PressMinAngle = m.Results[ResultRow::CamAngle][i];
        }
    }
}

void RhoExtremes(CamModel& m) {
    // Everything starts afresh, so no text or angle of an earlier model survives a pass.
    m.RhoPosMaxText = m.RhoPosMinText = m.RhoNegMaxText = m.RhoNegMinText = "None";
    m.RhoPosMaxAngle = m.RhoPosMinAngle = m.RhoNegMaxAngle = m.RhoNegMinAngle = 0.0f;
    m.RhoPosMax = 0.0f;
    m.RhoPosMin = 100000.0f;
    m.RhoNegMax = 0.0f;
    m.RhoNegMin = 100000.0f;
    // Each text belongs to the last value taken, so it is formatted once after the scan.
    bool posMax = false, posMin = false, negMax = false, negMin = false;
    const int n = ScanLastPoint(m);
    for (int i = 0; i <= n; ++i) {
        const float rho = m.Results[ResultRow::RadiusOfCurvature][i];
        const float angle = m.Results[ResultRow::CamAngle][i];
        if (rho > 0.0f) {
            if (rho > m.RhoPosMax) {
                m.RhoPosMax = rho;
                m.RhoPosMaxAngle = angle;
                posMax = true;
            }
            if (rho < m.RhoPosMin) {
                m.RhoPosMin = rho;
                m.RhoPosMinAngle = angle;
                posMin = true;
            }
        } else {
            if (std::fabs(rho) > std::fabs(m.RhoNegMax)) {
                m.RhoNegMax = rho;
                m.RhoNegMaxAngle = angle;
                negMax = true;
            }
            if (std::fabs(rho) < std::fabs(m.RhoNegMin)) {
                m.RhoNegMin = rho;
                m.RhoNegMinAngle = angle;
                negMin = true;
            }
        }
    }
    if (posMax)
        m.RhoPosMaxText = text::FNRoundStr(m.RhoPosMax, 0);
    if (posMin)
        m.RhoPosMinText = text::FNRoundStr(m.RhoPosMin, 2);
    if (negMax)
        m.RhoNegMaxText = text::FNRoundStr(m.RhoNegMax, 0);
    if (negMin)
        m.RhoNegMinText = text::FNRoundStr(m.RhoNegMin, 2);
    m.RhoMin = std::fabs(m.RhoNegMin) < m.RhoPosMin ? m.RhoNegMin : m.RhoPosMin;
    if (m.RhoPosMax > 99999.0f)
        m.RhoPosMaxText = "+ Infinity";
    if (std::fabs(m.RhoNegMax) > 99999.0f)
        m.RhoNegMaxText = "- Infinity";
}

void ClampRho(CamModel& m) {
    const float limit = static_cast<float>(10.0 * m.PrimeRadius);
    const int n = ScanLastPoint(m);
    for (int i = 0; i <= n; ++i) {
        float& rho = m.Results[ResultRow::RadiusOfCurvature][i];
        if (rho > limit)
            rho = limit;
        if (rho < -limit)
            rho = -limit;
    }
}

} // namespace trochix::geometry
