// The cam as a drawing for CAD and CAM programs: DXF of release 12 (the layout every reader
// takes), LINE, ARC, CIRCLE and POINT entities only, each on a layer of its own kind, at true
// scale in the model's length unit. Release 12 has no header field for the unit; the file's
// first comment names it.
//
// Layers: CAM the surface as one closed contour of lines and arcs, PITCH the pitch curve the
// same way (when given), PRIME the prime circle, CENTRE a point at the cam centre, BORE the
// bore (when its diameter is above 0).
//
// A barrel cam's groove, developed (developedLength > 0): CAM its two walls, each a contour
// from x = 0 to x = developedLength, PITCH the centre line, PRIME the two edges of the sheet
// (x = 0 and x = developedLength) where it is wrapped round the prime cylinder.
#pragma once

#include "geometry/ArcFit.h"
#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::files {

struct DxfDrawing {
    std::string unit; // the length unit's name, for the comment
    std::vector<geometry::FitElement> surface;
    std::vector<geometry::FitElement> pitch;     // empty: no PITCH layer
    double primeRadius = 0.0;                    // 0: no prime circle
    double boreDiameter = 0.0;                   // 0: no bore
    std::vector<geometry::FitElement> otherWall; // a groove's second wall
    double developedLength = 0.0;                // 0: a plane cam
};

// The whole file, CR LF line ends, every number in its shortest round-trip form.
std::string DxfText(const DxfDrawing& drawing);

// Writes the file whole (files/SafeFile.h); a fault is reported under `routine`.
bool WriteDxf(const DxfDrawing& drawing, const std::string& path, model::Host& host,
              const std::string& routine);

} // namespace trochix::files
