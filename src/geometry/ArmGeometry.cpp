#include "geometry/ArmGeometry.h"

#include "geometry/Checked.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "motion/MathHelpers.h"

#include <algorithm>
#include <cmath>

namespace trochix::geometry {

using model::kDegToRad;
using model::kPi;
using model::kRadToDeg;

Polar Cart_to_Polar(double x, double y) {
    double angle;
    if (x == 0.0) {
        if (y > 0.0)
            angle = kPi * 0.5;
        else if (y < 0.0)
            angle = -kPi * 0.5;
        else
            angle = 0.0;
    } else {
        angle = std::atan(y / x);
        if (x < 0.0)
            angle += kPi;
    }
    return {std::sqrt(x * x + y * y), angle * kRadToDeg};
}

namespace {

// Cosine of the angle opposite side a in the triangle a, b, c; nothing when there is no
// such triangle (a zero side or the cosine outside -1..1).
bool TriangleCosine(double a, double b, double c, double& cosine) {
    const double q2 = 2.0 * b * c;
    if (q2 == 0.0)
        return false;
    cosine = (b * b + c * c - a * a) / q2;
    return cosine >= -1.0 && cosine <= 1.0;
}

} // namespace

bool Arm_Geometry(CamModel& m, Host& host) {
    bool solved = false;
    model::RunGuarded(host, "Arm_Geometry", [&] {
        const double x = m.ArmPivotX, y = m.ArmPivotY;
        const double Rp = m.PrimeRadius, L = m.ArmRadius;
        m.PivotDistance = ToSingle(std::sqrt(x * x + y * y));
        m.PivotAngle = ToSingle(motion::Atan2D(x, y));
        const double C = m.PivotDistance;

        double cosPivot = 0.0, cosCentre = 0.0;
        if (!TriangleCosine(Rp, C, L, cosPivot) || !TriangleCosine(L, C, Rp, cosCentre)) {
            host.message("Your arm geometry is such that the roller cannot contact the cam",
                         model::Icon::Warning, model::DefaultTitle());
            return;
        }
        // The cosines were checked above, so neither call can show a message.
        m.ArmAngle0 = ToSingle(motion::CosineLaw_Angle(host, Rp, C, L)->deg);
        m.CentreAngle0 = ToSingle(motion::FNArcCos(host, cosCentre) * kRadToDeg);

        const double t0 = m.PivotAngle * kDegToRad - m.ArmDirection * (m.CentreAngle0 * kDegToRad);
        m.RollerAngle0 = ToSingle(m.CamDirection * t0 * kRadToDeg);
        m.RollerX0 = ToSingle(Rp * std::cos(t0));
        m.RollerY0 = ToSingle(Rp * std::sin(t0));
        const double x0 = m.RollerX0, y0 = m.RollerY0;
        m.RollerRadius0 = ToSingle(std::sqrt(x0 * x0 + y0 * y0));
        solved = true;
    });
    return solved;
}

ArmContour ArmContourAt(double C, double L, double armDirection, double mu, double gamma,
                        ContourStatus& status) noexcept {
    ArmContour out;
    const double gammaR = gamma * kDegToRad;
    out.pivotX = C * std::cos(gammaR);
    out.pivotY = C * std::sin(gammaR);

    // Side opposite mu; a folded arm (C = L, mu = 0) can round a zero square slightly below 0.
    const double q = C * C + L * L - 2.0 * C * L * std::cos(mu * kDegToRad);
    out.r = std::sqrt(std::max(q, 0.0));

    const double den = 2.0 * C * out.r;
    if (den == 0.0) {
        status.divisionByZero = true;
        return out;
    }
    // The sides form a triangle by construction; only rounding can leave -1..1.
    const double cosAlpha = std::clamp((C * C + out.r * out.r - L * L) / den, -1.0, 1.0);
    const motion::Arc alpha = motion::ArcCosValue(cosAlpha);
    if (!alpha.inDomain) {
        status.arcOutside = true;
        status.cosAlpha = cosAlpha;
    }
    const double alphaR = alpha.rad;
    out.alpha = alphaR * kRadToDeg;

    const double t = gammaR - armDirection * alphaR;
    out.theta = t * kRadToDeg;
    out.rollerX = out.r * std::cos(t);
    out.rollerY = out.r * std::sin(t);
    out.shiftX = -out.r * std::sin(t);
    out.shiftY = out.r * std::cos(t);
    return out;
}

void ReportContour(Host& host, const ContourStatus& status) {
    if (status.divisionByZero)
        model::ReportError(host, model::kDivisionByZero, "Arm_Contour");
    else if (status.arcOutside)
        motion::ReportArcDomain(host, status.cosAlpha, false);
}

ArmContour Arm_Contour(const CamModel& m, Host& host, double mu, double gamma) {
    ContourStatus status;
    const ArmContour out =
        ArmContourAt(m.PivotDistance, m.ArmRadius, m.ArmDirection, mu, gamma, status);
    ReportContour(host, status);
    return out;
}

} // namespace trochix::geometry
