// Points of the cam surface by cam angle, as comma-separated values for spreadsheets and CAD.
//
// A header "Angle,X,Y", then one row per angle 0, 360 / count, ... (count rows, degrees): the
// angle and the surface point in the model's length unit, each the shortest text that reads
// back as the double. CR LF line ends, like the other exports.
#pragma once

#include "geometry/PlaneCurve.h"
#include "model/Host.h"

#include <string>

namespace trochix::files {

// A count below 1 raises fault 9.
std::string SurfacePointsText(const geometry::ClosedCurve& surface, int count);

// Busy pointer, the file written whole; a failure is reported through ReportError under
// "Export_Surface_Points" and leaves a previous file as it was.
bool WriteSurfacePoints(const geometry::ClosedCurve& surface, int count,
                        const std::string& filePath, model::Host& host);

} // namespace trochix::files
