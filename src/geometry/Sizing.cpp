#include "geometry/Sizing.h"

#include "geometry/ArmGeometry.h"
#include "geometry/Checked.h"
#include "geometry/Profile.h"
#include "geometry/SizingPoint.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <cmath>
#include <string>

namespace trochix::geometry {

using model::Fault;
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

// Each point's reports come out as it is done, so their order, and that of a fault that
// stops the pass, is the order of the points.
void PressurePass(CamModel& m, Host& host, const SizingCase& c, int n) {
    for (int i = 0; i <= n; ++i) {
        const float theta = m.Results[ResultRow::CamAngle][i];
        const PressurePoint p = PressureAngleAt(c, theta, m.Results[ResultRow::Displacement][i],
                                                m.Results[ResultRow::Velocity][i]);
        ReportContour(host, p.contour);
        if (p.fault != 0)
            throw Fault(p.fault);
        if (p.divZeroTerm)
            DivideByZeroMessage(m, host, theta, p.divZeroTerm);
        if (p.written)
            m.Results[ResultRow::PressureAngle][i] = p.phi;
    }
}

void RhoPass(CamModel& m, Host& host, const SizingCase& c, int n) {
    for (int i = 0; i <= n; ++i) {
        const RhoPoint p = RadiusOfCurvatureAt(
            c, m.Results[ResultRow::CamAngle][i], m.Results[ResultRow::Displacement][i],
            m.Results[ResultRow::Velocity][i], m.Results[ResultRow::Acceleration][i],
            m.Results[ResultRow::PressureAngle][i]);
        ReportContour(host, p.contour);
        if (p.fault != 0)
            throw Fault(p.fault);
        m.Results[ResultRow::RadiusOfCurvature][i] = p.rho;
    }
}

} // namespace

float RhoRadialRoller(double X, double e, double v, double a) {
    return ValueOrRaise(RhoRadialRollerOf(X, e, v, a));
}

float RhoOscillating(double C, double L, double muR, double phiR, double w, double w2, int K) {
    return ValueOrRaise(RhoOscillatingOf(C, L, muR, phiR, w, w2, K));
}

bool Autopress(CamModel& m, Host& host, int followerType) {
    bool completed = false;
    model::RunGuarded(host, "Autopress", [&] {
        const int n = LastPoint(m);
        // The arm triangle does not change within a pass: one solution serves every point.
        if (!m.Translating && !Arm_Geometry(m, host))
            return;
        PressurePass(m, host, SizingCaseOf(m, followerType), n);
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
        if (!m.Translating && !Arm_Geometry(m, host))
            return;
        RhoPass(m, host, SizingCaseOf(m, followerType), n);
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
