#include "forms/DesignMapForm.h"

#include "chain/Recalculate.h"
#include "geometry/SizingChecks.h"
#include "model/CamModel.h"
#include "model/Units.h"
#include "text/NumberText.h"

#include <cmath>

namespace trochix::geometry {

namespace {

constexpr int kDigits = 4;

std::string Shown(double v) {
    return text::ShortestDouble(v, kDigits);
}

std::string Length(const CamModel& m) {
    const std::string& u = m.UnitLabel[model::kLengthLabel];
    return u.empty() ? "" : " " + u;
}

std::string AxisCaption(MapAxis axis) {
    switch (axis) {
    case MapAxis::Roller: return "Roller";
    case MapAxis::Offset: return "Offset";
    case MapAxis::Pivot: return "Pivot";
    }
    return "";
}

} // namespace

MapLimitsRead ReadMapLimits(const MapLimitTexts& t) {
    MapLimitsRead r;
    for (const std::string* s : {&t.rise, &t.fall})
        if (!text::HoldsNumber(*s)) {
            r.why = "A pressure angle limit must lie between 0 and 90 degrees.";
            return r;
        }
    r.limits.riseAngle = text::Val(t.rise);
    r.limits.fallAngle = text::Val(t.fall);
    if (t.minSurface.find_first_not_of(' ') == std::string::npos) {
        r.limits.minSurface = -1.0;
    } else if (!text::HoldsNumber(t.minSurface) || text::Val(t.minSurface) < 0.0) {
        // A typed -1 is no request for the default, which only an empty box makes.
        r.why = "The smallest surface radius must be zero or positive.";
        return r;
    } else {
        r.limits.minSurface = text::Val(t.minSurface);
    }
    r.why = CheckSuggestLimits(r.limits);
    r.ok = r.why.empty();
    return r;
}

AdoptedDesign AdoptDesign(CamModel& m, model::Host& host, MapAxis axis, Point design, AdoptRun run,
                          bool hadDynamics) {
    AdoptedDesign a;
    if (!m.SvajDone) {
        a.why = "Calculate the motion program first (S-V-A-J)";
        return a;
    }
    const std::string primeText = Shown(design.x), secondText = Shown(design.y);
    a.prime = text::Val(primeText);
    a.second = text::Val(secondText);
    // The rounded design is the one checked: rounding may carry a point across a bound.
    const MapPoint p = EvaluateDesign(m, axis, a.prime, a.second);
    if (!p.valid) {
        a.why = p.why;
        return a;
    }
    bool taken = true;
    switch (axis) {
    case MapAxis::Roller:
        taken = CommitPrime(m, host, primeText).accepted &&
                CommitFollower(m, host, secondText).accepted;
        break;
    case MapAxis::Offset:
        // Each commit checks against the other's present value: the larger prime first.
        if (a.prime > std::fabs(m.Offset))
            taken = CommitPrime(m, host, primeText).accepted &&
                    CommitOffset(m, host, secondText).accepted;
        else
            taken = CommitOffset(m, host, secondText).accepted &&
                    CommitPrime(m, host, primeText).accepted;
        break;
    case MapAxis::Pivot: {
        if (!CommitPrime(m, host, primeText).accepted) {
            taken = false;
            break;
        }
        // Along the pivot's direction, as the suggestion moves it.
        const double x = m.ArmPivotX, y = m.ArmPivotY, r = std::hypot(x, y);
        m.ArmPivotX = static_cast<float>(r > 0.0 ? x * a.second / r : a.second);
        m.ArmPivotY = static_cast<float>(r > 0.0 ? y * a.second / r : 0.0);
        taken = CommitArmRadius(m, host, text::TrimmedStr(m.ArmRadius)).accepted;
        break;
    }
    }
    a.adopted = taken;
    if (!taken) {
        a.why = "The sizing screen refused this design.";
        return a;
    }
    m.ModelSaved = false;
    a.sized = chain::RunSizing(m, host) &&
              (run == AdoptRun::SizingOnly || chain::RefreshDynamics(m, host, hadDynamics));
    return a;
}

std::string PointReadout(const CamModel& m, MapAxis axis, Point d) {
    const std::string unit = Length(m);
    std::string s = "Prime " + Shown(d.x) + "  " + AxisCaption(axis) + " " + Shown(d.y) + unit;
    const MapPoint p = EvaluateDesign(m, axis, d.x, d.y);
    if (!p.valid)
        return s + ": " + p.why;
    s += ":  rise " + text::FNRoundStr(p.node.rise, 1) + " deg  fall " +
         text::FNRoundStr(p.node.fall, 1) + " deg  surface " + text::FNRoundStr(p.node.surface, 3) +
         unit;
    if (p.node.undercut)
        s += "  undercut";
    return s;
}

std::string SizedReadout(const CamModel& m) {
    if (!m.ProfileDone)
        return "Not sized";
    return "Sized: pressure angle " + text::FNRoundStr(m.PressMax, 1) + " / " +
           text::FNRoundStr(m.PressMin, 1) + " deg  Min Rho " + text::FNRoundStr(m.RhoMin, 3) +
           Length(m);
}

} // namespace trochix::geometry
