// The files of the machined cam, chosen by the extension of their name: ".dxf" the drawing
// (files/DxfDrawing.h), ".nc" the cutter's contour program (files/NcProgram.h), ".csv" the
// surface's points at every degree (files/SurfacePoints.h), ".step" or ".stp" the solid
// plate, which the step library writes
// (src/step/, apart from the core so that only its users link the solid modeller). Each is
// written whole, only for a cam MakeCam accepted.
#pragma once

#include "geometry/MachinedCam.h"
#include "model/Forward.h"

#include <optional>
#include <string>
#include <string_view>

namespace trochix::files {

enum class CamFileFormat { Dxf, Step, Nc, Csv };

// The format of a file name by its extension (any case); none for another extension.
std::optional<CamFileFormat> CamFileFormatOf(std::string_view path);
// The extensions, for a usage text: ".dxf, .nc, .csv, .step, .stp".
std::string CamFileExtensions();

// Writes the cam in `format` (not Step); a refused cam shows its refusal (exclamation) and
// writes nothing. Faults are reported under "WriteCamFile".
bool WriteCamFile(const model::CamModel& model, const geometry::MachinedCam& cam,
                  const geometry::MakeCamSettings& settings, CamFileFormat format,
                  const std::string& path, model::Host& host);

} // namespace trochix::files
