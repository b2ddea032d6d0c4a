// The pictures of the Make Cam screen: the cam to be made (body, pitch curve, cutter path,
// undercut) at true shape, and the error of the motion the made cam gives against the cam
// angle.
#pragma once

#include "geometry/CamBody.h"
#include "geometry/CamScene.h"
#include "geometry/MachinedCam.h"

#include <optional>
#include <string>

namespace trochix::geometry {

// The body filled (with its bore), its outline, the pitch curve in the prime circle's colour,
// the cutter path in the follower's, the undercut stretches in red and the cam centre. A
// refused cam shows the body the follower-sized cutter would leave, so the trouble is seen.
// A barrel cam shows its development: the sheet with the groove between its walls.
Scene MakeCamPreview(const MachinedCam& cam, const MakeCamSettings& settings,
                     const std::optional<CamBody>& body, const CamColours& colours);

// The as-made S error (as made less design) against cam angle, 0 to 360 degrees, with its
// zero line, the quarter-turn ticks and the largest error named; `unit` labels the error.
// For a window stretched to fill. Empty without rows.
Scene AsMadeErrorPlot(const AsMadeResult& asMade, const std::string& unit,
                      const CamColours& colours);

} // namespace trochix::geometry
