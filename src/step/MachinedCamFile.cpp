#include "step/MachinedCamFile.h"

#include "model/CamModel.h"
#include "model/Host.h"
#include "model/Units.h"
#include "step/CamStep.h"

namespace trochix::step {

bool WriteMachinedCamFile(const model::CamModel& m, const geometry::MachinedCam& cam,
                          const geometry::MakeCamSettings& settings, files::CamFileFormat format,
                          const std::string& path, model::Host& host) {
    // A refused cam is reported by the common writer, whatever the format.
    if (format != files::CamFileFormat::Step || !cam.ok)
        return files::WriteCamFile(m, cam, settings, format, path, host);
    if (cam.barrel) {
        host.message(files::kBarrelOnlyDrawing, model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    const double mm = model::MillimetresPerLength(m.UnitSystem);
    std::vector<geometry::FitElement> contour = cam.surface;
    for (geometry::FitElement& e : contour) {
        for (geometry::Point2* p : {&e.start, &e.end, &e.centre})
            *p = {p->x * mm, p->y * mm};
        e.radius *= mm;
    }
    return WriteCamStep(contour, settings.thickness * mm, settings.bore * mm, path, host,
                        "WriteCamFile");
}

} // namespace trochix::step
