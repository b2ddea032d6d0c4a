#include "geometry/SizingSummary.h"

#include "geometry/ArmGeometry.h"
#include "geometry/Checked.h"
#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/Units.h"
#include "motion/MathHelpers.h"
#include "text/NumberText.h"

#include <cmath>

namespace trochix::geometry {

using model::ResultRow;

using text::PrintNumber;

namespace {

// A radius of curvature is a length even where S is the angle of an oscillating arm.
std::string RhoLine(const CamModel& m, const char* what, const std::string& text, float angle) {
    return std::string("  ") + what + text + "  " + m.UnitLabel[model::kLengthLabel] +
           " @ cam angle" + PrintNumber(angle) + " deg";
}

std::string PressLine(const char* what, float value, float angle) {
    return std::string("  ") + what + PrintNumber(text::FNRound(value, 2)) + " deg @ cam angle" +
           PrintNumber(angle) + " deg";
}

} // namespace

PressMaxSummary PrintPressMax(const CamModel& m) {
    PressMaxSummary s;
    s.pang = {"", "", "", PressLine("Max pressure angle = ", m.PressMax, m.PressMaxAngle), "",
              PressLine("Min pressure angle = ", m.PressMin, m.PressMinAngle)};
    s.radcurv = {
        "",
        "",
        RhoLine(m, "Smallest pos radius of curvature = ", m.RhoPosMinText, m.RhoPosMinAngle),
        "",
        RhoLine(m, "Largest pos radius of curvature = ", m.RhoPosMaxText, m.RhoPosMaxAngle),
        "",
        "",
        RhoLine(m, "Smallest neg radius of curvature = ", m.RhoNegMinText, m.RhoNegMinAngle),
        "",
        RhoLine(m, "Largest neg radius of curvature = ", m.RhoNegMaxText, m.RhoNegMaxAngle),
    };
    return s;
}

FlatFace FlatFaceExtents(const CamModel& m) {
    const int n = LastPoint(m);
    const motion::MaxMinAt v = motion::MaxMin2(m.Results, motion::Order::Pointer_I, 2, 0, n);
    const double omega = model::CheckDivisor(m.CamOmega);
    return {v.max / omega, v.min / omega};
}

SizePicture SizePictureSetup(CamModel& m, Host& host) {
    SizePicture p;
    model::RunGuarded(host, "SizeCam", [&] {
        const int n = LastPoint(m);
        const double Rp = m.PrimeRadius;
        if (m.FollowerType == 2) {
            const FlatFace face = FlatFaceExtents(m);
            const Polar z = Cart_to_Polar(Rp, m.Results[ResultRow::Velocity][0] /
                                                  model::CheckDivisor(m.CamOmega));
            p.R0 = z.radius;
            p.t0 = z.angle;
            m.FaceWidth = ToSingle(face.width());
            m.Offset = ToSingle(m.CamDirection * (face.vmax + face.vmin) / 2.0);
            p.Rf = 0.0;
            p.halfHigh = std::fabs(face.vmax);
            p.halfLow = std::fabs(face.vmin);
            p.faceVmax = face.vmax;
            p.faceVmin = -face.vmin;
        } else {
            const Polar z = Cart_to_Polar(Rp, m.Offset);
            p.R0 = z.radius;
            p.t0 = z.angle;
            p.Rf = m.RollerRadius;
            p.halfLow = p.halfHigh = p.Rf / 2.0;
        }
        p.drawnOffset = m.CamDirection * static_cast<double>(m.Offset);

        if (!m.Translating) {
            const double x = m.ArmPivotX, y = m.ArmPivotY, L = m.ArmRadius;
            const double C = std::sqrt(x * x + y * y);
            p.armReaches = C - Rp < L && L < C + Rp && Arm_Geometry(m, host);
        }

        p.Rb = p.R0 - p.Rf;
        if (p.Rb <= 0.0) {
            host.message("Something Wrong - Base Circle has become zero or minus.  Change follower "
                         "radius or prime/base circle",
                         model::Icon::Warning, model::DefaultTitle());
            return;
        }
        const motion::MaxMinAt s = motion::MaxMin2(m.Results, motion::Order::Pointer_I, 1, 0, n);
        p.extent = 1.2 * (p.R0 + p.Rf + s.max);
        p.drawable = true;
    });
    return p;
}

bool SizePictureReady(const CamModel& m) {
    const double Rp = m.PrimeRadius;
    if (m.FollowerType == 2) {
        if (m.CamOmega == 0.0f)
            return true;
        // A flat face has no roller: its base circle is the radius of its zero-lift contact.
        const double v0 = m.Results[ResultRow::Velocity][0] / static_cast<double>(m.CamOmega);
        return Cart_to_Polar(Rp, v0).radius > 0.0;
    }
    return Cart_to_Polar(Rp, m.Offset).radius - m.RollerRadius > 0.0;
}

} // namespace trochix::geometry
