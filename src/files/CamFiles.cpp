#include "files/CamFiles.h"

#include "files/DxfDrawing.h"
#include "files/NcProgram.h"
#include "files/SurfacePoints.h"
#include "geometry/BarrelDevelopment.h"
#include "geometry/CamSurface.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/Units.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace trochix::files {

namespace {

struct FormatName {
    const char* extension;
    CamFileFormat format;
};
constexpr std::array<FormatName, 5> kFormats = {{{".dxf", CamFileFormat::Dxf},
                                                 {".nc", CamFileFormat::Nc},
                                                 {".csv", CamFileFormat::Csv},
                                                 {".step", CamFileFormat::Step},
                                                 {".stp", CamFileFormat::Step}}};

} // namespace

const std::string kBarrelOnlyDrawing =
    "A barrel cam's groove is written as its development: save it as a DXF drawing or as "
    "points (CSV).";

std::optional<CamFileFormat> CamFileFormatOf(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos)
        return std::nullopt;
    std::string ext(path.substr(dot));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const FormatName& f : kFormats)
        if (ext == f.extension)
            return f.format;
    return std::nullopt;
}

std::string CamFileExtensions() {
    std::string out;
    for (const FormatName& f : kFormats)
        out += (out.empty() ? "" : ", ") + std::string(f.extension);
    return out;
}

bool WriteCamFile(const model::CamModel& m, const geometry::MachinedCam& cam,
                  const geometry::MakeCamSettings& settings, CamFileFormat format,
                  const std::string& path, model::Host& host) {
    if (!cam.ok) {
        host.message(cam.refusal, model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    switch (format) {
    case CamFileFormat::Dxf: {
        const model::UnitSystemNames& u =
            model::UnitSystems[static_cast<std::size_t>(std::clamp(m.UnitSystem, 1, 5))];
        const DxfDrawing drawing =
            cam.barrel ? DxfDrawing{u.length, cam.surface,   cam.pitch,          0.0,
                                    0.0,      cam.otherWall, cam.developedLength}
                       : DxfDrawing{u.length,      cam.surface, cam.pitch, m.PrimeRadius,
                                    settings.bore, {},          0.0};
        return WriteDxf(drawing, path, host, "WriteCamFile");
    }
    case CamFileFormat::Nc:
        if (cam.barrel) {
            host.message(kBarrelOnlyDrawing, model::Icon::Exclamation, model::DefaultTitle());
            return false;
        }
        // An undercut cam trimmed to what the follower-sized cutter leaves has no smooth
        // path for another cutter.
        if (cam.cutterPath.empty()) {
            host.message("An undercut cam has no cutter path to program: make it without "
                         "undercut first.",
                         model::Icon::Exclamation, model::DefaultTitle());
            return false;
        }
        return WriteNcProgram(cam.cutterPath,
                              NcSettingsFor(m, settings.cutterRadius, settings.tolerance), path,
                              host);
    case CamFileFormat::Csv: {
        // A groove is cut along its centre line: those are its points.
        if (const auto groove = geometry::BarrelDevelopment::Of(m))
            return WriteSurfacePoints(groove->centre(), 360, path, host);
        const auto surface = geometry::CamSurface::Of(m);
        return surface && WriteSurfacePoints(surface->surface(), 360, path, host);
    }
    case CamFileFormat::Step: break;
    }
    return false;
}

} // namespace trochix::files
