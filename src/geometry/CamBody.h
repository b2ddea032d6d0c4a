// The cam as a body for the drawings: the outline a cutter of the follower's size leaves (the
// undercut loops cut out) and, where there is undercut, the looped stretches of the offset,
// which the drawings mark in red.
#pragma once

#include "geometry/Undercut.h"
#include "model/Forward.h"

#include <optional>
#include <vector>

namespace trochix::geometry {

struct CamBody {
    std::vector<Point2> outline;               // closed, the first point not repeated
    std::vector<std::vector<Point2>> undercut; // the untrimmed surface over each undercut range
    UndercutFinding finding;
};

// Sampled every 0.25 degree of cam angle (and at the segment boundaries). None for a cam with
// no plane surface (a barrel cam, a flat face on an arm).
std::optional<CamBody> CamBodyOf(const CamModel& model);
CamBody CamBodyOf(const CamSurface& cam);

} // namespace trochix::geometry
