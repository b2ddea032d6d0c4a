#include "forms/SuggestForm.h"

#include "geometry/SizingChecks.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/Units.h"
#include "text/NumberText.h"

#include <cmath>
#include <optional>

namespace trochix::geometry {

namespace {

std::optional<double> NumberIn(const std::string& text) {
    if (!text::HoldsNumber(text))
        return std::nullopt;
    const double v = text::Val(text);
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

bool Refuse(model::Host& host, const std::string& why) {
    host.message(why, model::Icon::Exclamation, model::DefaultTitle());
    return false;
}

// Up, so that the radius in the box still meets the limit.
std::string Up(double v) {
    return text::ShortestDouble(std::ceil(v * 1e4) / 1e4, 8);
}
std::string Near(double v) {
    return text::ShortestDouble(std::round(v * 1e4) / 1e4, 8);
}
std::string Angle(double deg) {
    return text::FNRoundStr(deg, 1);
}

std::string DecidingLine(const CamModel& m, const Suggestion& s, const SuggestLimits& l,
                         double minSurface) {
    const std::string unit = " " + m.UnitLabel[model::kLengthLabel];
    const std::string angles = "rise " + Angle(s.riseAngle) + ", fall " + Angle(s.fallAngle) +
                               " deg (limits " + Angle(l.riseAngle) + ", " + Angle(l.fallAngle) +
                               ")";
    const std::string surface = std::isfinite(s.minSurface)
                                    ? text::ShortestDouble(s.minSurface, 4) + unit + " (limit " +
                                          text::ShortestDouble(minSurface, 4) + unit + ")"
                                    : std::string("nowhere convex");
    if (s.bound == SuggestBound::PressureAngle)
        return "The pressure angle decides: " + angles + "; the smallest surface radius is " +
               surface + ".";
    return "The curvature decides: the smallest surface radius is " + surface +
           "; the pressure angle is " + angles + ".";
}

} // namespace

SuggestBoxes SuggestForSizeCam(CamModel& m, model::Host& host, const SuggestInputs& in,
                               const std::string& armRadiusText) {
    SuggestBoxes out;
    SuggestLimits limits;
    const std::optional<double> rise = NumberIn(in.riseText), fall = NumberIn(in.fallText);
    if (!rise || !(*rise > 0.0 && *rise < 90.0)) {
        Refuse(host, "Rise Limit must be a pressure angle above 0 and below 90 degrees.");
        return out;
    }
    if (!fall || !(*fall > 0.0 && *fall < 90.0)) {
        Refuse(host, "Fall Limit must be a pressure angle above 0 and below 90 degrees.");
        return out;
    }
    limits.riseAngle = *rise;
    limits.fallAngle = *fall;
    if (in.minSurfaceText.find_first_not_of(' ') != std::string::npos) {
        const std::optional<double> r = NumberIn(in.minSurfaceText);
        if (!r || *r < 0.0) {
            Refuse(host, "Min Surface Radius must be 0 or a positive length (blank: a tenth of "
                         "the roller radius, 0 for a flat face).");
            return out;
        }
        limits.minSurface = *r;
    }
    limits.bestOffset = in.bestOffset;
    const Suggestion s = Suggest(m, limits);
    if (!s.ok) {
        Refuse(host, s.refusal);
        return out;
    }
    out.suggestion = s;
    out.prime = Up(s.prime);
    const bool flat = m.FollowerType == 2 && m.CamType != "Barrel";
    const double minSurface =
        limits.minSurface >= 0.0 ? limits.minSurface : (flat ? 0.0 : 0.1 * m.RollerRadius);
    if (s.oscillating) {
        const double x = m.ArmPivotX, y = m.ArmPivotY, r = std::hypot(x, y);
        const double k = r > 0.0 ? s.pivotDistance / r : 0.0;
        out.pivotX = Near(r > 0.0 ? k * x : s.pivotDistance);
        out.pivotY = Near(k * y);
        // Committed as the arm centre boxes commit, so the arm triangle is checked.
        CommitArmPivotX(m, host, out.pivotX, armRadiusText);
        const FieldCommit c = CommitArmPivotY(m, host, out.pivotY, armRadiusText);
        out.armRadiusText = c.boxText;
    } else if (m.Translating && m.CamType == "Radial" && !flat) {
        out.offset = Near(s.offset);
    }
    out.line = DecidingLine(m, s, limits, minSurface);
    out.ok = true;
    return out;
}

} // namespace trochix::geometry
