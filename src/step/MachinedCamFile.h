// Writes the machined cam in any of its file formats: the drawing, the NC program and the
// points through files/CamFiles.h, the solid plate here, at true scale in millimetres (the
// unit a STEP file states). The batch tool and the Make Cam screen both save through it.
#pragma once

#include "files/CamFiles.h"

namespace trochix::step {

bool WriteMachinedCamFile(const model::CamModel& model, const geometry::MachinedCam& cam,
                          const geometry::MakeCamSettings& settings, files::CamFileFormat format,
                          const std::string& path, model::Host& host);

} // namespace trochix::step
