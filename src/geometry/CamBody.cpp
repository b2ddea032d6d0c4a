#include "geometry/CamBody.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trochix::geometry {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kStep = 0.25 * std::numbers::pi / 180.0;
} // namespace

CamBody CamBodyOf(const CamSurface& cam) {
    CamBody body;
    body.finding = FindUndercut(cam);
    body.outline = TrimmedSurface(cam, body.finding, kStep);
    for (const AngleRange& r : body.finding.ranges) {
        std::vector<Point2> loop;
        const int n = std::max(2, static_cast<int>(std::ceil((r.to - r.from) / kStep)));
        for (int k = 0; k <= n; ++k) {
            const double t = r.from + (r.to - r.from) * k / n;
            loop.push_back(cam.surfaceAt(std::fmod(t, kTwoPi)).p);
        }
        body.undercut.push_back(std::move(loop));
    }
    return body;
}

std::optional<CamBody> CamBodyOf(const CamModel& model) {
    const auto cam = CamSurface::Of(model);
    if (!cam)
        return std::nullopt;
    return CamBodyOf(*cam);
}

} // namespace trochix::geometry
