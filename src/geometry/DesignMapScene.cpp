#include "geometry/DesignMapScene.h"

#include "model/CamModel.h"
#include "model/ResultRow.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace trochix::geometry {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kInvalid{205, 205, 205};
constexpr Rgb kUndercut{220, 30, 30};
constexpr Rgb kRiseLine{0, 70, 200};
constexpr Rgb kFallLine{0, 170, 230};
constexpr Rgb kSurfaceLine{200, 0, 160};
constexpr Rgb kCorner{0, 150, 40};

Rgb Mix(Rgb a, Rgb b, double t) {
    const auto c = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return {c(a.r, b.r), c(a.g, b.g), c(a.b, b.b)};
}

// A step of 1, 2 or 5 times a power of ten giving about `count` ticks over `span`.
double NiceStep(double span, int count) {
    if (!(span > 0.0))
        return 1.0;
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 5.0})
        if (raw <= f * power)
            return f * power;
    return 10.0 * power;
}

std::string Number(double v) {
    return text::ShortestDouble(std::fabs(v) < 1e-12 ? 0.0 : v, 4);
}

std::string AxisTitle(MapAxis axis) {
    switch (axis) {
    case MapAxis::Roller: return "Roller Radius";
    case MapAxis::Offset: return "Offset";
    case MapAxis::Pivot: return "Pivot Distance";
    }
    return "";
}

void Cells(Scene& s, const DesignMap& map, const MapFrame& f, double top) {
    const int n = map.size;
    const double dp = (map.primeTo - map.primeFrom) / (n - 1);
    const double ds = (map.secondTo - map.secondFrom) / (n - 1);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            const MapNode& node = map.at(i, j);
            const double p = map.primeAt(i), q = map.secondAt(j);
            // Each node fills the cell around it, cut at the map's edge; cells overlap a
            // little so that no seam shows between them.
            const Point a = f.toPage(
                {std::max(p - dp / 2, map.primeFrom), std::max(q - ds / 2, map.secondFrom)});
            const Point b = f.toPage(
                {std::min(p + 0.7 * dp, map.primeTo), std::min(q + 0.7 * ds, map.secondTo)});
            Rgb c = kInvalid;
            if (node.valid) {
                c = ShadeOf(node.largest(), top);
                if (node.undercut)
                    c = Mix(c, kUndercut, 0.7);
            }
            s.box(a, b, c, true);
        }
    }
}

void Contours(Scene& s, const DesignMap& map, const MapFrame& f) {
    const std::pair<MapField, Rgb> lines[] = {{MapField::Fall, kFallLine},
                                              {MapField::Rise, kRiseLine},
                                              {MapField::Surface, kSurfaceLine}};
    for (const auto& [field, colour] : lines)
        for (const ContourSegment& c : LimitContour(map, field))
            s.line(f.toPage(c.a), f.toPage(c.b), colour, field == MapField::Fall ? 4.0 : 2.0);
}

void Axes(Scene& s, const DesignMap& map, const MapFrame& f, const std::string& unit) {
    using F = MapFrame;
    s.box({F::kLeft, F::kBottom}, {F::kRight, F::kTop}, kBlack);
    const double tick = 0.012;
    const double px = NiceStep(map.primeTo - map.primeFrom, 6);
    for (double v = std::ceil(map.primeFrom / px - 1e-9) * px; v <= map.primeTo + 1e-9 * px;
         v += px) {
        const double x = f.toPage({v, map.secondFrom}).x;
        s.line({x, F::kBottom}, {x, F::kBottom - tick}, kBlack);
        s.text({x - 0.012, F::kBottom - 0.045}, Number(v), kBlack);
    }
    const double sy = NiceStep(map.secondTo - map.secondFrom, 6);
    for (double v = std::ceil(map.secondFrom / sy - 1e-9) * sy; v <= map.secondTo + 1e-9 * sy;
         v += sy) {
        const double y = f.toPage({map.primeFrom, v}).y;
        s.line({F::kLeft, y}, {F::kLeft - tick, y}, kBlack);
        s.text({F::kLeft - 0.085, y - 0.01}, Number(v), kBlack);
    }
    const std::string u = unit.empty() ? "" : " (" + unit + ")";
    s.text({0.5 * (F::kLeft + F::kRight) - 0.06, 0.015}, "Prime Radius" + u, kBlack);
    s.text({0.005, F::kTop + 0.02}, AxisTitle(map.second) + u, kBlack);
}

void CornerMark(Scene& s, Point at) {
    s.ring(at, 0.011, 0.0, kCorner);
    s.marker(at, 0.011, kBlack);
}

void CurrentMark(Scene& s, Point at) {
    s.ring(at, 0.011, 0.005, kBlack);
    s.ring(at, 0.005, 0.0, {255, 255, 255});
}

void Legend(Scene& s, const DesignMap& map, double top) {
    const double x0 = 1.05, x1 = 1.09, y0 = 0.45, y1 = 0.95;
    constexpr int kBands = 60;
    for (int k = 0; k < kBands; ++k) {
        const double a = y0 + (y1 - y0) * k / kBands, b = y0 + (y1 - y0) * (k + 1) / kBands;
        s.box({x0, a}, {x1, b}, ShadeOf(top * (k + 0.5) / kBands, top), true);
    }
    s.box({x0, y0}, {x1, y1}, kBlack);
    const double step = NiceStep(top, 5);
    for (double v = 0.0; v <= top + 1e-9; v += step) {
        const double y = y0 + (y1 - y0) * v / top;
        s.line({x1, y}, {x1 + 0.01, y}, kBlack);
        s.text({x1 + 0.015, y - 0.01}, Number(v), kBlack);
    }
    s.text({1.02, y1 + 0.02}, "Pressure angle (deg)", kBlack);

    const auto limit = [](double a) { return Number(a) + " deg"; };
    const std::string surface =
        map.limits.minSurface >= 0.0
            ? Number(map.limits.minSurface)
            : (map.second == MapAxis::Roller ? std::string("0.1 Rr")
                                             : Number(map.defaultMinSurface));
    const std::pair<Rgb, std::string> keys[] = {
        {kRiseLine, "rise limit " + limit(map.limits.riseAngle)},
        {kFallLine, "fall limit " + limit(map.limits.fallAngle)},
        {kSurfaceLine, "surface radius " + surface},
    };
    double y = 0.36;
    for (const auto& [colour, caption] : keys) {
        s.line({1.02, y + 0.008}, {1.06, y + 0.008}, colour, 3.0);
        s.text({1.07, y}, caption, kBlack);
        y -= 0.05;
    }
    s.box({1.02, y - 0.004}, {1.06, y + 0.024}, Mix(ShadeOf(0.5 * top, top), kUndercut, 0.7), true);
    s.text({1.07, y}, "undercut", kBlack);
    y -= 0.05;
    s.box({1.02, y - 0.004}, {1.06, y + 0.024}, kInvalid, true);
    s.text({1.07, y}, "not possible", kBlack);
    y -= 0.05;
    // No smallest design on this plane (none meets the limits, or an arm's moves its pivot):
    // no key for a mark that is not drawn.
    if (map.cornerShown) {
        CornerMark(s, {1.04, y + 0.008});
        s.text({1.07, y}, "smallest", kBlack);
        y -= 0.05;
    }
    CurrentMark(s, {1.04, y + 0.008});
    s.text({1.07, y}, "current", kBlack);
}

} // namespace

MapFrame::MapFrame(const DesignMap& map)
    : m_p0(map.primeFrom), m_p1(map.primeTo), m_s0(map.secondFrom), m_s1(map.secondTo) {}

Point MapFrame::toPage(Point d) const {
    const double u = m_p1 > m_p0 ? (d.x - m_p0) / (m_p1 - m_p0) : 0.5;
    const double v = m_s1 > m_s0 ? (d.y - m_s0) / (m_s1 - m_s0) : 0.5;
    return {kLeft + u * (kRight - kLeft), kBottom + v * (kTop - kBottom)};
}

Point MapFrame::toDesign(Point p) const {
    const double u = (p.x - kLeft) / (kRight - kLeft);
    const double v = (p.y - kBottom) / (kTop - kBottom);
    return {m_p0 + u * (m_p1 - m_p0), m_s0 + v * (m_s1 - m_s0)};
}

bool MapFrame::onMap(Point p) {
    return p.x >= kLeft && p.x <= kRight && p.y >= kBottom && p.y <= kTop;
}

Rgb ShadeOf(double angle, double top) {
    // Yellow through green and blue to dark violet: darker is steeper, and no shade is red,
    // which marks undercut.
    static constexpr Rgb kStops[] = {{253, 231, 37}, {122, 209, 81}, {34, 168, 132},
                                     {42, 120, 142}, {65, 68, 135},  {68, 1, 84}};
    constexpr int kLast = static_cast<int>(std::size(kStops)) - 1;
    const double t = std::clamp(top > 0.0 ? angle / top : 0.0, 0.0, 1.0) * kLast;
    const int k = std::min(static_cast<int>(t), kLast - 1);
    return Mix(kStops[k], kStops[k + 1], t - k);
}

double ShadeTop(const DesignMap& map) {
    const double limit = std::max(map.limits.riseAngle, map.limits.fallAngle);
    return std::min(90.0, std::ceil(1.5 * limit / 10.0) * 10.0);
}

Scene DesignMapScene(const DesignMap& map, const std::string& lengthUnit) {
    Scene s;
    s.setWindow(MapFrame::Page());
    if (!map.ok || map.size < 2)
        return s;
    const MapFrame f(map);
    const double top = ShadeTop(map);
    Cells(s, map, f, top);
    Contours(s, map, f);
    if (map.cornerShown && MapFrame::onMap(f.toPage(map.corner)))
        CornerMark(s, f.toPage(map.corner));
    const Point now = f.toPage(map.current);
    if (MapFrame::onMap(now))
        CurrentMark(s, now);
    Axes(s, map, f, lengthUnit);
    Legend(s, map, top);
    return s;
}

} // namespace trochix::geometry

namespace trochix::geometry {

Scene ProfileSketch(const model::CamModel& m) {
    Scene s;
    if (!m.ProfileDone || m.CamType != "Radial")
        return s;
    std::vector<Point> profile;
    double reach = m.PrimeRadius;
    for (int i = 0; i <= m.NumPoints; ++i) {
        const Point p{m.Results[model::ResultRow::XCoord][i],
                      m.Results[model::ResultRow::YCoord][i]};
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            return s;
        reach = std::max({reach, std::fabs(p.x), std::fabs(p.y)});
        profile.push_back(p);
    }
    const double w = 1.1 * reach;
    s.setWindow({-w, w, -w, w});
    s.circle({0.0, 0.0}, m.PrimeRadius, {150, 150, 150});
    s.line({-0.05 * w, 0.0}, {0.05 * w, 0.0}, kBlack);
    s.line({0.0, -0.05 * w}, {0.0, 0.05 * w}, kBlack);
    s.polyline(std::move(profile), {0, 70, 200}, 2.0);
    return s;
}

} // namespace trochix::geometry
