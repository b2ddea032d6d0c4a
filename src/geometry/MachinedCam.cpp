#include "geometry/MachinedCam.h"

#include "geometry/BarrelDevelopment.h"
#include "geometry/CamSurface.h"
#include "model/CamModel.h"
#include "model/Units.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trochix::geometry {

namespace {

constexpr double kDegPerRad = 180.0 / 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * 3.14159265358979323846;
constexpr double kDefaultToleranceMm = 0.0025;

std::string Degrees(double rad) {
    return text::TrimmedStr(static_cast<float>(std::round(rad * kDegPerRad * 100.0) / 100.0));
}

std::string UndercutText(const UndercutFinding& u) {
    if (u.ranges.empty())
        return "none";
    std::string out;
    for (const AngleRange& r : u.ranges) {
        if (!out.empty())
            out += ", ";
        out += Degrees(r.from) + "-" + Degrees(std::fmod(r.to, kTwoPi)) + " deg";
    }
    return out;
}

bool InsideAny(const std::vector<AngleRange>& ranges, double theta) {
    for (const AngleRange& r : ranges)
        if ((theta >= r.from && theta <= r.to) ||
            (theta + kTwoPi >= r.from && theta + kTwoPi <= r.to))
            return true;
    return false;
}

// The trimmed cam as lines, and how far its chords stray from the exact surface where the
// surface is the cam (outside the loops).
std::vector<FitElement> TrimmedLines(const CamSurface& cam, const UndercutFinding& u,
                                     double& deviation) {
    constexpr double step = 0.1 / kDegPerRad;
    const std::vector<Point2> points = TrimmedSurface(cam, u, step);
    std::vector<FitElement> lines;
    deviation = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        FitElement e;
        e.kind = FitKind::Line;
        e.start = points[i];
        e.end = points[(i + 1) % points.size()];
        lines.push_back(e);
    }
    const ClosedCurve surface = cam.surface();
    for (double theta = step / 2; theta < kTwoPi; theta += step) {
        if (InsideAny(u.ranges, theta))
            continue;
        const Point2 p = surface.at(theta).p;
        double d = std::numeric_limits<double>::infinity();
        for (const FitElement& e : lines)
            d = std::min(d, DistanceToElement(e, p));
        deviation = std::max(deviation, d);
    }
    return lines;
}

// The groove of a barrel cam, developed: both walls, the centre line and the cutter's passes.
MachinedCam MakeGroove(const BarrelDevelopment& g, const MakeCamSettings& s) {
    MachinedCam out;
    out.barrel = true;
    out.developedLength = g.circumference();
    out.undercut = FindBarrelUndercut(g);
    out.undercutText = UndercutText(out.undercut);
    if (!out.undercut.ranges.empty()) {
        // A trimmed groove is not offered: its walls would not guide the roller.
        out.refusal = out.undercut.message;
        return out;
    }
    const double Rr = g.rollerRadius(), Rc = s.cutterRadius;
    if (Rc > Rr * (1.0 + 1e-9)) {
        out.refusal = "The cutter radius " + text::FNRoundStr(Rc, 3) +
                      " is larger than the roller radius " + text::FNRoundStr(Rr, 3) +
                      ": the cutter would cut the groove too wide.";
        return out;
    }
    const auto fit = [&](double d, std::vector<FitElement>& into) {
        const ArcFitResult r = FitArcs(g.offset(d), s.tolerance);
        into = r.elements;
        out.deviation = std::max(out.deviation, r.deviation);
    };
    fit(Rr, out.surface);
    fit(-Rr, out.otherWall);
    fit(0.0, out.pitch);
    if (Rr - Rc > 1e-9 * Rr) {
        fit(Rr - Rc, out.cutterPath);
        fit(Rc - Rr, out.otherPass);
    } else {
        out.cutterPath = out.pitch;
    }
    out.ok = !out.surface.empty() && !out.otherWall.empty() && std::isfinite(out.deviation);
    if (!out.ok)
        out.refusal = "The groove could not be fitted within the tolerance.";
    return out;
}

} // namespace

MakeCamSettings SettingsOf(const CamModel& m) {
    MakeCamSettings s;
    const auto layout = FollowerLayoutOf(m);
    const double roller = layout && layout->Rr > 0.0 ? layout->Rr : m.RollerRadius;
    s.cutterRadius = m.CutterRadius > 0.0f ? m.CutterRadius : roller;
    s.tolerance = m.SurfaceTolerance > 0.0f
                      ? m.SurfaceTolerance
                      : kDefaultToleranceMm / model::MillimetresPerLength(m.UnitSystem);
    s.thickness = m.PlateThickness > 0.0f ? m.PlateThickness : 0.5 * m.PrimeRadius;
    s.bore = m.BoreDiameter;
    return s;
}

MachinedCam MakeCam(const CamModel& m, const MakeCamSettings& s) {
    MachinedCam out;
    if (const auto groove = BarrelDevelopment::Of(m))
        return MakeGroove(*groove, s);
    const auto cam = CamSurface::Of(m);
    if (!cam) {
        out.refusal = m.CamType == "Radial"
                          ? "A flat-faced follower on an arm has no surface to make here."
                          : "A barrel cam's groove is made for a translating roller follower.";
        out.undercutText = "none";
        return out;
    }
    out.undercut = FindUndercut(*cam);
    out.undercutText = UndercutText(out.undercut);
    if (!out.undercut.ranges.empty() && !s.allowUndercut) {
        out.refusal = out.undercut.message;
        return out;
    }
    const CutterFinding cutter = CheckCutter(*cam, s.cutterRadius);
    if (cutter.refused) {
        out.refusal = cutter.message;
        return out;
    }
    if (out.undercut.ranges.empty()) {
        const ArcFitResult fit = FitArcs(cam->surface(), s.tolerance);
        out.surface = fit.elements;
        out.deviation = fit.deviation;
        // The cutter path of an undercut cam is not an offset of a smooth curve: none then.
        const ArcFitResult path = FitArcs(cam->cutter(s.cutterRadius), s.tolerance);
        out.cutterPath = path.elements;
        out.deviation = std::max(out.deviation, path.deviation);
    } else {
        out.surface = TrimmedLines(*cam, out.undercut, out.deviation);
    }
    out.pitch = FitArcs(cam->pitch(), s.tolerance).elements;
    out.ok = !out.surface.empty();
    if (out.ok) {
        const CamSurface& c = *cam;
        out.asMade = AsMade(
            c.layout(), out.surface, [&c](double t) { return c.motion(t); }, 360);
    }
    if (!out.ok)
        out.refusal = "The cam surface could not be fitted within the tolerance.";
    return out;
}

} // namespace trochix::geometry
