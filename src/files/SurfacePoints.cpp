#include "files/SurfacePoints.h"

#include "files/SafeFile.h"
#include "model/Fault.h"
#include "model/ReportError.h"

#include <charconv>
#include <numbers>

namespace trochix::files {

namespace {

constexpr const char* kEnd = "\r\n";

// Shortest round-trip text; a negative zero is written as 0.
std::string Number(double v) {
    if (v == 0.0)
        v = 0.0;
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

} // namespace

std::string SurfacePointsText(const geometry::ClosedCurve& surface, int count) {
    if (count < 1)
        throw model::Fault(model::kSubscriptOutOfRange, "no surface points");
    std::string out = std::string("Angle,X,Y") + kEnd;
    for (int k = 0; k < count; ++k) {
        const double degrees = 360.0 * k / count;
        const geometry::Point2 p = surface.at(degrees * std::numbers::pi / 180.0).p;
        out += Number(degrees) + ',' + Number(p.x) + ',' + Number(p.y) + kEnd;
    }
    return out;
}

bool WriteSurfacePoints(const geometry::ClosedCurve& surface, int count,
                        const std::string& filePath, model::Host& host) {
    const model::BusyPointer busy(host);
    return model::RunGuarded(host, "Export_Surface_Points",
                             [&] { WriteWholeFile(filePath, SurfacePointsText(surface, count)); });
}

} // namespace trochix::files
