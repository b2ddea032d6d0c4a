// Where the machined cam cannot be the offset of its pitch curve: undercut (the roller bends
// tighter than the pitch curve, or a flat face meets a negative radius of curvature, and the
// offset loops back on itself), a cutter too large for the concave stretches, and the cam a
// cutter of the roller's size actually leaves.
#pragma once

#include "geometry/BarrelDevelopment.h"
#include "geometry/CamSurface.h"

#include <string>
#include <vector>

namespace trochix::geometry {

// Cam angles in radians, from < to; a range across the start of the turn has to > 2 pi.
struct AngleRange {
    double from = 0.0, to = 0.0;
};

struct UndercutFinding {
    std::vector<AngleRange> ranges; // empty: no undercut
    // Roller: the smallest convex radius of curvature of the pitch curve, the largest roller
    // that avoids undercut. Flat face: the smallest prime radius that avoids it.
    double limit = 0.0;
    double limitAngle = 0.0; // where that radius is found, radians
    std::string message;     // empty when there is no undercut
};

// Searches the continuous curvature between the segment boundaries: samples every 0.1 degree,
// each change of side refined by bisection to 1e-8 rad. A range narrower than the sampling may
// be missed; a range may end at a boundary where S'' jumps.
UndercutFinding FindUndercut(const CamSurface& cam);
// A barrel cam's groove: a wall loops back where the centre line of the development bends
// tighter than the roller radius. The limit is the smallest radius of curvature of the centre
// line, the largest roller that avoids it.
UndercutFinding FindBarrelUndercut(const BarrelDevelopment& groove);

struct CutterFinding {
    // The smallest concave radius of curvature of the surface; 0 when the surface has no
    // concave stretch (a flat face never has one).
    double smallestConcave = 0.0;
    double angle = 0.0; // radians
    bool refused = false;
    std::string message; // why the cutter is refused; empty when it is not
};

// A cutter of radius Rc larger than the smallest concave radius of the surface cannot follow it.
CutterFinding CheckCutter(const CamSurface& cam, double Rc);

// The surface with every undercut loop cut out, as the closed polyline a cutter of the
// follower's size leaves: sampled every `step` radians (and at the segment boundaries), each
// loop replaced by the point where the offset crosses itself. Without undercut it is the
// sampled surface. A loop whose crossing lies more than a quarter turn away, or that overlaps
// the previous one, is left in. The first point is not repeated at the end.
std::vector<Point2> TrimmedSurface(const CamSurface& cam, const UndercutFinding& undercut,
                                   double step);

} // namespace trochix::geometry
