// The files of the machined cam, chosen by the extension of their name: ".dxf" the drawing
// (files/DxfDrawing.h), ".nc" the cutter's contour program (files/NcProgram.h), ".csv" the
// surface's points at every degree (files/SurfacePoints.h), ".step" or ".stp" the solid
// plate, which the step library writes
// (src/step/, apart from the core so that only its users link the solid modeller). Each is
// written whole, only for a cam MakeCam accepted.
#pragma once

#include "geometry/MachinedCam.h"
#include "model/Forward.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace trochix::files {

enum class CamFileFormat { Dxf, Step, Nc, Csv };

// The formats as the Make Cam screen offers them, in its list's order.
struct CamFileKind {
    CamFileFormat format;
    const char* caption;   // the list entry
    const char* filter;    // the save dialog's filter
    const char* extension; // of the proposed file name
};
inline constexpr std::array<CamFileKind, 4> kCamFileKinds = {{
    {CamFileFormat::Dxf, "DXF drawing", "DXF drawing (*.dxf)", ".dxf"},
    {CamFileFormat::Nc, "NC program", "NC program (*.nc)", ".nc"},
    {CamFileFormat::Step, "STEP solid", "STEP solid (*.step *.stp)", ".step"},
    {CamFileFormat::Csv, "Points (CSV)", "Points (*.csv)", ".csv"},
}};

// The format of a file name by its extension (any case); none for another extension.
std::optional<CamFileFormat> CamFileFormatOf(std::string_view path);
// The extensions, for a usage text: ".dxf, .nc, .csv, .step, .stp".
std::string CamFileExtensions();

// What a barrel cam's NC program or solid is refused with.
extern const std::string kBarrelOnlyDrawing;

// Writes the cam in `format` (not Step); a refused cam shows its refusal (exclamation) and
// writes nothing. Faults are reported under "WriteCamFile".
bool WriteCamFile(const model::CamModel& model, const geometry::MachinedCam& cam,
                  const geometry::MakeCamSettings& settings, CamFileFormat format,
                  const std::string& path, model::Host& host);

} // namespace trochix::files
