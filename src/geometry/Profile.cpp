#include "geometry/Profile.h"

#include "geometry/ArmGeometry.h"
#include "geometry/Checked.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "motion/MathHelpers.h"

#include <cmath>

namespace trochix::geometry {

using model::ResultRow;

using model::kDegToRad;

namespace {

void StoreProfilePoint(CamModel& m, int i, double x, double y, double r, double t, double shiftX,
                       double shiftY) {
    m.Results[ResultRow::XCoord][i] = ToSingle(x);
    m.Results[ResultRow::YCoord][i] = ToSingle(y);
    m.Results[ResultRow::CamRadius][i] = ToSingle(r);
    m.Results[ResultRow::CamTheta][i] = ToSingle(t);
    m.Results[ResultRow::XShifted90][i] = ToSingle(shiftX);
    m.Results[ResultRow::YShifted90][i] = ToSingle(shiftY);
}

void TranslatingProfile(CamModel& m, int n) {
    const double Rp = m.PrimeRadius, e = m.Offset;
    const bool flat = m.FollowerType == 2;
    const double omega = flat ? model::CheckDivisor(m.CamOmega) : 1.0;
    for (int i = 0; i <= n; ++i) {
        const double theta = m.Results[ResultRow::CamAngle][i],
                     S = m.Results[ResultRow::Displacement][i],
                     V = m.Results[ResultRow::Velocity][i];
        // A flat face touches the cam V/omega off the follower axis.
        const Polar p = Cart_to_Polar(Rp + S, flat ? V / omega : e);
        const double t = m.CamDirection == 1 ? (360.0 - theta) - p.angle : theta + p.angle;
        const double tr = t * kDegToRad;
        const double r = p.radius;
        StoreProfilePoint(m, i, r * std::cos(tr), r * std::sin(tr), r, t, -r * std::sin(tr),
                          r * std::cos(tr));
    }
}

bool OscillatingProfile(CamModel& m, Host& host, int n) {
    // The arm triangle does not change within a pass: one solution serves every point.
    if (!Arm_Geometry(m, host))
        return false;
    for (int i = 0; i <= n; ++i) {
        if (m.FollowerType == 2) {
            host.message(" flat-faced oscillating follower not implemented",
                         model::Icon::Exclamation, model::DefaultTitle());
            return false;
        }
        const double theta = m.Results[ResultRow::CamAngle][i],
                     S = m.Results[ResultRow::Displacement][i];
        const double mu = m.ArmAngle0 + S;
        const double gamma = m.PivotAngle - m.CamDirection * theta;
        const ArmContour ac = Arm_Contour(m, host, mu, gamma);
        StoreProfilePoint(m, i, ac.rollerX, ac.rollerY, ac.r, ac.theta, ac.shiftX, ac.shiftY);
        m.PivotX[i] = ToSingle(ac.pivotX);
        m.PivotY[i] = ToSingle(ac.pivotY);
    }
    return true;
}

} // namespace

bool CamProfile(CamModel& m, Host& host) {
    bool completed = false;
    model::RunGuarded(host, "CamProfile", [&] {
        const int n = LastPoint(m);
        if (m.Translating) {
            TranslatingProfile(m, n);
            completed = true;
        } else {
            completed = OscillatingProfile(m, host, n);
        }
    });
    return completed;
}

} // namespace trochix::geometry
