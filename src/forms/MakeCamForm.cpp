#include "forms/MakeCamForm.h"

#include "geometry/CamBody.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ResultRow.h"
#include "model/Units.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace trochix::geometry {

namespace {

using model::ResultRow;

// The box's number; none for a text that is not one.
std::optional<double> StrictNumber(const std::string& text) {
    if (!text::HoldsNumber(text))
        return std::nullopt;
    const double v = text::Val(text);
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

std::string Length(double v) {
    return text::ShortestDouble(v, 6);
}

float& FieldOf(CamModel& m, MakeCamField f) {
    switch (f) {
    case MakeCamField::Cutter: return m.CutterRadius;
    case MakeCamField::Tolerance: return m.SurfaceTolerance;
    case MakeCamField::Thickness: return m.PlateThickness;
    case MakeCamField::Bore: break;
    }
    return m.BoreDiameter;
}

std::string BoxText(const CamModel& m, MakeCamField f) {
    const MakeCamBoxes b = MakeCamBoxesOf(m);
    switch (f) {
    case MakeCamField::Cutter: return b.cutter;
    case MakeCamField::Tolerance: return b.tolerance;
    case MakeCamField::Thickness: return b.thickness;
    case MakeCamField::Bore: break;
    }
    return b.bore;
}

// The smallest distance of the cam surface from the cam centre; none without a surface.
std::optional<double> InnerRadius(const CamModel& m) {
    const auto body = CamBodyOf(m);
    if (!body || body->outline.empty())
        return std::nullopt;
    double r = INFINITY;
    for (Point2 p : body->outline)
        r = std::min(r, std::hypot(p.x, p.y));
    return r;
}

// Why `v` cannot be the field's value; empty when it can.
std::string Refusal(const CamModel& m, MakeCamField f, std::optional<double> v) {
    const std::string name = MakeCamCaption(f);
    if (f == MakeCamField::Bore) {
        if (!v || *v < 0.0)
            return name + " must be 0 (no bore) or a positive length.";
        const auto inner = InnerRadius(m);
        if (*v > 0.0 && inner && *v >= 2.0 * *inner)
            return name + " must be smaller than " + Length(2.0 * *inner) +
                   ", the smallest diameter of the cam surface.";
        return {};
    }
    if (!v || *v <= 0.0)
        return name + " must be a positive length.";
    if (f == MakeCamField::Tolerance && *v >= 0.1 * m.PrimeRadius)
        return name + " must be smaller than a tenth of the prime radius (" +
               Length(0.1 * m.PrimeRadius) + ").";
    if (*v > 1e30)
        return name + " is too large.";
    return {};
}

std::string Degrees(double deg) {
    return text::FNRoundStr(deg, 2);
}

} // namespace

MakeCamBoxes MakeCamBoxesOf(const CamModel& m) {
    const MakeCamSettings s = SettingsOf(m);
    return {Length(s.cutterRadius), Length(s.tolerance), Length(s.thickness), Length(s.bore)};
}

const char* MakeCamCaption(MakeCamField f) {
    switch (f) {
    case MakeCamField::Cutter: return "Cutter Radius";
    case MakeCamField::Tolerance: return "Tolerance";
    case MakeCamField::Thickness: return "Plate Thickness";
    case MakeCamField::Bore: break;
    }
    return "Bore Diameter";
}

MakeCamCommit CommitMakeCamField(CamModel& m, model::Host& host, MakeCamField f,
                                 const std::string& text) {
    MakeCamCommit c;
    const std::optional<double> v = StrictNumber(text);
    const std::string why = Refusal(m, f, v);
    if (!why.empty()) {
        host.message(why, model::Icon::Exclamation, model::DefaultTitle());
        c.boxText = BoxText(m, f);
        return c;
    }
    float& field = FieldOf(m, f);
    if (field != static_cast<float>(*v)) {
        field = static_cast<float>(*v);
        m.ModelSaved = false;
    }
    c.accepted = true;
    c.boxText = BoxText(m, f);
    return c;
}

MakeCamSummary SummaryOf(const CamModel& m, const MachinedCam& cam) {
    MakeCamSummary s;
    const std::string length = " " + m.UnitLabel[model::kLengthLabel];
    if (!cam.ok) {
        s.refused = true;
        s.lines.push_back(cam.refusal);
        s.lines.push_back("Undercut: " + cam.undercutText);
        return s;
    }
    if (cam.barrel) {
        s.lines.push_back("Groove walls: " + std::to_string(cam.surface.size()) + " and " +
                          std::to_string(cam.otherWall.size()) + " arcs and lines");
        s.lines.push_back("Centre line: " + std::to_string(cam.pitch.size()) + " arcs and lines");
        s.lines.push_back("Developed length: " + text::ShortestDouble(cam.developedLength, 6) +
                          length);
    } else {
        s.lines.push_back("Surface: " + std::to_string(cam.surface.size()) + " arcs and lines");
    }
    if (!cam.cutterPath.empty() && !cam.barrel)
        s.lines.push_back("Cutter path: " + std::to_string(cam.cutterPath.size()) +
                          " arcs and lines");
    s.lines.push_back("Largest deviation: " + text::ShortestDouble(cam.deviation, 3) + length);
    s.lines.push_back("Undercut: " + cam.undercutText);
    if (!cam.asMade.rows.empty()) {
        const std::string S = " " + m.UnitLabel[ResultRow::Displacement];
        const std::string A = " " + m.UnitLabel[ResultRow::Acceleration];
        s.lines.push_back("As made, S error: " + text::ShortestDouble(cam.asMade.maxSError, 3) + S +
                          " at " + Degrees(cam.asMade.maxSErrorAt) + " deg");
        // The acceleration row is per second squared: the error likewise.
        s.lines.push_back(
            "As made, A error: " + text::ShortestDouble(cam.asMade.maxAError * m.CamOmega2, 3) + A +
            " at " + Degrees(cam.asMade.maxAErrorAt) + " deg");
        if (!cam.asMade.complete)
            s.lines.push_back("As made: the follower loses the surface at some angles.");
    }
    return s;
}

} // namespace trochix::geometry
