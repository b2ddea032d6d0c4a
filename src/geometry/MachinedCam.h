// The cam as the shop makes it, from the model: its surface fitted with arcs and lines within
// the tolerance, the pitch curve likewise, the cutter's path, and what stands in the way
// (undercut, a cutter too large for the concave stretches).
#pragma once

#include "geometry/ArcFit.h"
#include "geometry/AsMade.h"
#include "geometry/Undercut.h"
#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::geometry {

// The inputs with their derived defaults resolved, in the model's length unit.
struct MakeCamSettings {
    double cutterRadius = 0.0; // model CutterRadius, 0: the roller radius
    double tolerance = 0.0;    // SurfaceTolerance, 0: 0.0025 mm
    double thickness = 0.0;    // PlateThickness, 0: half the prime radius
    double bore = 0.0;         // BoreDiameter, 0: none
    bool allowUndercut = false;
};
MakeCamSettings SettingsOf(const CamModel& model);

struct MachinedCam {
    bool ok = false;
    std::string refusal; // why no file may be written (the undercut or the cutter message)
    std::vector<FitElement> surface, pitch, cutterPath;
    double deviation = 0.0; // the largest of the fits
    UndercutFinding undercut;
    std::string undercutText; // "none", or "A-B deg, C-D deg"
    // The motion the written surface gives the follower, against the motion program, at
    // every degree of cam angle (plane cams).
    AsMadeResult asMade;
    // A barrel cam: its groove developed from the prime cylinder (geometry/BarrelDevelopment):
    // surface the wall at +Rr, otherWall the wall at -Rr, pitch the centre line, cutterPath
    // the cutter's pass along the wall at +Rr and otherPass along the other (one pass, on the
    // centre line, for a cutter of the roller's size). developedLength is the circumference.
    bool barrel = false;
    std::vector<FitElement> otherWall, otherPass;
    double developedLength = 0.0;
};

// An undercut cam is refused unless settings.allowUndercut, when its surface is the cam the
// follower-sized cutter leaves (the loops trimmed), written as lines between points 0.1 degree
// apart; its deviation is then that of the chords from the exact surface outside the loops.
// A barrel cam gets its groove's development; a cutter wider than the groove is refused. A flat
// face on an arm has no surface here and is refused.
MachinedCam MakeCam(const CamModel& model, const MakeCamSettings& settings);

} // namespace trochix::geometry
