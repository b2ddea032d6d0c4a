#include "files/DxfDrawing.h"

#include "files/SafeFile.h"
#include "model/Host.h"
#include "model/ReportError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace trochix::files {

namespace {

using geometry::FitElement;
using geometry::FitKind;
using geometry::Point2;

constexpr double kDegPerRad = 180.0 / 3.14159265358979323846;

class Groups {
public:
    void add(int code, std::string_view value) {
        text_ += std::to_string(code);
        text_ += "\r\n";
        text_ += value;
        text_ += "\r\n";
    }
    void add(int code, double value) {
        // A signed zero would read back the same but looks odd in a drawing file.
        if (value == 0.0)
            value = 0.0;
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, value);
        add(code, std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
    }
    void add(int code, int value) { add(code, std::string_view(std::to_string(value))); }
    void point(int code, Point2 p) {
        add(code, p.x);
        add(code + 10, p.y);
        add(code + 20, 0.0);
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

struct Layer {
    const char* name;
    int colour; // the standard colour numbers: 1 red, 3 green, 4 cyan, 5 blue, 7 white
};
constexpr Layer kCam{"CAM", 7}, kPitch{"PITCH", 4}, kPrime{"PRIME", 3}, kCentre{"CENTRE", 1},
    kBore{"BORE", 5};

double AngleDeg(Point2 from, Point2 to) {
    double a = std::atan2(to.y - from.y, to.x - from.x) * kDegPerRad;
    if (a < 0.0)
        a += 360.0;
    return a;
}

void Contour(Groups& g, const std::vector<FitElement>& elements, const Layer& layer) {
    for (const FitElement& e : elements) {
        if (e.kind == FitKind::Line) {
            g.add(0, "LINE");
            g.add(8, layer.name);
            g.point(10, e.start);
            g.point(11, e.end);
            continue;
        }
        // A DXF arc runs anticlockwise from its start angle to its end angle.
        const Point2 from = e.ccw ? e.start : e.end;
        const Point2 to = e.ccw ? e.end : e.start;
        g.add(0, "ARC");
        g.add(8, layer.name);
        g.point(10, e.centre);
        g.add(40, e.radius);
        g.add(50, AngleDeg(e.centre, from));
        g.add(51, AngleDeg(e.centre, to));
    }
}

void Extents(const DxfDrawing& d, Point2& lo, Point2& hi) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    lo = {inf, inf};
    hi = {-inf, -inf};
    const auto take = [&](Point2 p, double r) {
        lo = {std::min(lo.x, p.x - r), std::min(lo.y, p.y - r)};
        hi = {std::max(hi.x, p.x + r), std::max(hi.y, p.y + r)};
    };
    take({0.0, 0.0}, std::max(d.primeRadius, d.boreDiameter / 2.0));
    for (const auto* list : {&d.surface, &d.pitch, &d.otherWall})
        for (const FitElement& e : *list) {
            // An arc's extent within its circle's box: enough for a viewer's first zoom.
            if (e.kind == FitKind::Arc)
                take(e.centre, e.radius);
            take(e.start, 0.0);
            take(e.end, 0.0);
        }
}

} // namespace

std::string DxfText(const DxfDrawing& d) {
    Groups g;
    g.add(999,
          "TROCHIX cam drawing, lengths in " + (d.unit.empty() ? std::string("units") : d.unit));
    g.add(0, "SECTION");
    g.add(2, "HEADER");
    g.add(9, "$ACADVER");
    g.add(1, "AC1009");
    Point2 lo, hi;
    Extents(d, lo, hi);
    g.add(9, "$EXTMIN");
    g.point(10, lo);
    g.add(9, "$EXTMAX");
    g.point(10, hi);
    g.add(0, "ENDSEC");

    g.add(0, "SECTION");
    g.add(2, "TABLES");
    g.add(0, "TABLE");
    g.add(2, "LTYPE");
    g.add(70, 1);
    g.add(0, "LTYPE");
    g.add(2, "CONTINUOUS");
    g.add(70, 0);
    g.add(3, "Solid line");
    g.add(72, 65);
    g.add(73, 0);
    g.add(40, 0.0);
    g.add(0, "ENDTAB");
    std::vector<Layer> layers = {kCam, kPrime, kCentre};
    if (!d.pitch.empty())
        layers.push_back(kPitch);
    if (d.boreDiameter > 0.0)
        layers.push_back(kBore);
    g.add(0, "TABLE");
    g.add(2, "LAYER");
    g.add(70, static_cast<int>(layers.size()));
    for (const Layer& l : layers) {
        g.add(0, "LAYER");
        g.add(2, l.name);
        g.add(70, 0);
        g.add(62, l.colour);
        g.add(6, "CONTINUOUS");
    }
    g.add(0, "ENDTAB");
    g.add(0, "ENDSEC");

    g.add(0, "SECTION");
    g.add(2, "ENTITIES");
    Contour(g, d.surface, kCam);
    Contour(g, d.otherWall, kCam);
    Contour(g, d.pitch, kPitch);
    if (d.developedLength > 0.0) {
        Point2 lo, hi;
        Extents(d, lo, hi);
        for (double x : {0.0, d.developedLength}) {
            g.add(0, "LINE");
            g.add(8, kPrime.name);
            g.point(10, {x, lo.y});
            g.point(11, {x, hi.y});
        }
    }
    if (d.primeRadius > 0.0) {
        g.add(0, "CIRCLE");
        g.add(8, kPrime.name);
        g.point(10, {0.0, 0.0});
        g.add(40, d.primeRadius);
    }
    g.add(0, "POINT");
    g.add(8, kCentre.name);
    g.point(10, {0.0, 0.0});
    if (d.boreDiameter > 0.0) {
        g.add(0, "CIRCLE");
        g.add(8, kBore.name);
        g.point(10, {0.0, 0.0});
        g.add(40, d.boreDiameter / 2.0);
    }
    g.add(0, "ENDSEC");
    g.add(0, "EOF");
    return g.take();
}

bool WriteDxf(const DxfDrawing& d, const std::string& path, model::Host& host,
              const std::string& routine) {
    const model::BusyPointer busy(host);
    return model::RunGuarded(host, routine, [&] { WriteWholeFile(path, DxfText(d)); });
}

} // namespace trochix::files
