// The design map as a CSV file: a header line, then one line per node, prime radius running
// fastest:
//   prime radius,roller radius,max pressure angle,min surface radius,undercut
//   1.5,0,48.21,0.8803,0
// (the second column is named by the map's axis: roller radius, offset or pivot distance).
// Lengths in the model's length unit, the angle in degrees (the larger of rise and fall),
// undercut 1 or 0. A design the follower cannot take keeps its coordinates and leaves the
// other three fields empty. Numbers are the shortest text that reads back to the same value.
#pragma once

#include "geometry/DesignMap.h"
#include "model/Forward.h"

#include <string>

namespace trochix::files {

std::string DesignMapCsv(const geometry::DesignMap& map);

// Written whole or not at all (files/SafeFile.h); a fault is reported as "DesignMap".
// False when the file could not be written (the message shown).
bool WriteDesignMapCsv(const geometry::DesignMap& map, const std::string& path, model::Host& host);

} // namespace trochix::files
