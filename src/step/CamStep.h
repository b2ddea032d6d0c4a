// The cam as a solid for CAD programs: a STEP file (AP214) of the plate, the closed contour of
// lines and arcs extruded along Z from 0 to the thickness, less the bore about the cam centre.
// Lengths are written as they come; the file states millimetres, so callers pass them in
// millimetres.
#pragma once

#include "geometry/ArcFit.h"
#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::step {

// Builds the plate and writes it whole (files/SafeFile.h). A contour that does not close, a
// bore that reaches the outline, or any failure of the modelling is reported under `routine`
// and leaves no file; returns false then.
bool WriteCamStep(const std::vector<geometry::FitElement>& contour, double thickness,
                  double boreDiameter, const std::string& path, model::Host& host,
                  const std::string& routine);

} // namespace trochix::step
