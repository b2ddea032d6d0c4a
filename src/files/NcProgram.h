// A two-axis contour program for cutting a cam: the arc fit of the cutter path written as
// lines and arcs in the XY plane, absolute coordinates.
//
// Units follow the model's unit system: inch (G20) for ips and fps, feet turned into inches;
// millimetres (G21) for SI, cgs and mm-Kg-s, by MillimetresPerLength. Coordinates carry 4
// decimals in inch, 3 in mm. Arcs are G2 (clockwise) or G3 (counter-clockwise) with I and J
// the centre relative to the arc's start, reckoned from the start as written, so that a
// control sees the radius it would compute itself.
//
// The program: comments naming the model, the cutter radius, the tolerance and the element
// count; G90 G17 and the unit word; a rapid to the lead-in point, outside the contour along
// the outward normal at the first element's start; a feed onto the contour; the elements;
// a feed back to the lead-in point; M30. CR LF line ends, like the other exports.
#pragma once

#include "geometry/ArcFit.h"
#include "model/CamModel.h"
#include "model/Host.h"

#include <string>
#include <vector>

namespace trochix::files {

using model::CamModel;
using model::Host;

struct NcSettings {
    std::string modelName;
    int unitSystem = 1;        // 1..5, as CamModel::UnitSystem
    double feed = 10.0;        // in the program's unit per minute (in/min or mm/min)
    double cutterRadius = 0.0; // model length unit
    double tolerance = 0.0;    // of the fit, model length unit
    double leadIn = 0.0;       // model length unit; <= 0: twice the cutter radius
    bool lineNumbers = false;  // N10, N20, ... on every block after the comments
};

// Name and unit system from the model, the rest as given.
NcSettings NcSettingsFor(const CamModel& m, double cutterRadius, double tolerance);

// True when the program is in inch (G20), false for mm (G21).
bool NcInInch(int unitSystem);
// Program units per model length unit: 1 or 12 in inch, MillimetresPerLength in mm.
double NcScale(int unitSystem);

// The program text. No elements, or a value that is not finite, raise fault 9 or 6.
std::string NcProgramText(const std::vector<geometry::FitElement>& path, const NcSettings& s);

// Busy pointer, the file written whole; a failure is reported through ReportError under
// "Export_NC_Program" and leaves a previous file as it was.
bool WriteNcProgram(const std::vector<geometry::FitElement>& path, const NcSettings& s,
                    const std::string& filePath, Host& host);

} // namespace trochix::files
