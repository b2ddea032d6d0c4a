#include "geometry/MachinedCamScene.h"

#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace trochix::geometry {

namespace {

std::vector<Point> ToScene(const std::vector<Point2>& points) {
    std::vector<Point> out;
    out.reserve(points.size());
    for (Point2 p : points)
        out.push_back({p.x, p.y});
    return out;
}

double Extent(const std::vector<Point>& points) {
    double r = 0.0;
    for (Point p : points)
        r = std::max(r, std::hypot(p.x, p.y));
    return r;
}

} // namespace

namespace {

// A barrel cam's development: the sheet of the prime cylinder with the groove cut out between
// its walls, the centre line and the cutter's passes.
Scene GroovePreview(const MachinedCam& cam, const CamColours& c) {
    Scene s;
    s.setBackground(c.ColBack);
    const auto line = [](const std::vector<FitElement>& e) {
        return e.empty() ? std::vector<Point>{} : ToScene(ContourPolyline(e, 1e-4));
    };
    const std::vector<Point> a = line(cam.surface), b = line(cam.otherWall);
    if (a.empty() || b.empty())
        return s;
    double lo = INFINITY, hi = -INFINITY;
    for (const auto* wall : {&a, &b})
        for (Point p : *wall) {
            lo = std::min(lo, p.y);
            hi = std::max(hi, p.y);
        }
    const double L = cam.developedLength, margin = 0.15 * (hi - lo) + 0.02 * L;
    s.setWindow({-margin, L + margin, lo - 2.0 * margin, hi + 2.0 * margin});
    s.box({0.0, lo - margin}, {L, hi + margin}, c.ColBody, true);
    std::vector<Point> groove = a;
    groove.insert(groove.end(), b.rbegin(), b.rend());
    s.polygon(groove, c.ColBack);
    s.polyline(a, c.ColInk);
    s.polyline(b, c.ColInk);
    s.polyline(line(cam.pitch), c.ColPrime);
    if (!cam.otherPass.empty()) {
        s.polyline(line(cam.cutterPath), c.ColFollower);
        s.polyline(line(cam.otherPass), c.ColFollower);
    }
    s.box({0.0, lo - margin}, {L, hi + margin}, c.ColInk);
    return s;
}

} // namespace

Scene MakeCamPreview(const MachinedCam& cam, const MakeCamSettings& settings,
                     const std::optional<CamBody>& body, const CamColours& c) {
    if (cam.barrel)
        return GroovePreview(cam, c);
    Scene s;
    s.setBackground(c.ColBack);
    std::vector<Point> outline;
    if (cam.ok)
        outline = ToScene(ContourPolyline(cam.surface, 0.25 * settings.tolerance));
    else if (body)
        outline = ToScene(body->outline);
    if (outline.empty())
        return s;
    const double size = Extent(outline);
    const std::vector<Point> pitch =
        cam.pitch.empty() ? std::vector<Point>{} : ToScene(ContourPolyline(cam.pitch, 1e-4 * size));
    const std::vector<Point> cutter = cam.cutterPath.empty()
                                          ? std::vector<Point>{}
                                          : ToScene(ContourPolyline(cam.cutterPath, 1e-4 * size));
    double half = std::max({size, Extent(pitch), Extent(cutter)});
    if (body)
        for (const std::vector<Point2>& loop : body->undercut)
            half = std::max(half, Extent(ToScene(loop)));
    half *= 1.1;
    s.setWindow({-half, half, -half, half});

    s.polygon(outline, c.ColBody, 0.5 * settings.bore);
    outline.push_back(outline.front());
    s.polyline(outline, c.ColInk);
    if (settings.bore > 0.0)
        s.circle({0, 0}, 0.5 * settings.bore, c.ColInk);
    // The cutter path first: for a cutter of the roller's size it is the pitch curve itself.
    if (!cutter.empty())
        s.polyline(cutter, c.ColFollower);
    if (!pitch.empty())
        s.polyline(pitch, c.ColPrime);
    const bool undercut = body && !body->undercut.empty();
    if (undercut)
        for (const std::vector<Point2>& loop : body->undercut)
            s.polyline(ToScene(loop), c.ColProfile, 3.0);
    // What each colour is, in the top left corner.
    double y = 0.92 * half;
    const auto legend = [&](const char* what, Rgb colour) {
        s.text({-0.98 * half, y}, what, colour);
        y -= 0.07 * half;
    };
    if (!pitch.empty())
        legend("Pitch curve", c.ColPrime);
    if (!cutter.empty())
        legend("Cutter path", c.ColFollower);
    if (undercut)
        legend("Undercut", c.ColProfile);
    const double mark = 0.04 * half;
    s.line({-mark, 0}, {mark, 0}, c.ColInk);
    s.line({0, -mark}, {0, mark}, c.ColInk);
    return s;
}

Scene AsMadeErrorPlot(const AsMadeResult& a, const std::string& unit, const CamColours& c) {
    Scene s;
    s.setBackground(c.ColBack);
    if (a.rows.empty())
        return s;
    double top = 0.0;
    for (const AsMadeRow& r : a.rows)
        if (std::isfinite(r.errS))
            top = std::max(top, std::fabs(r.errS));
    if (!(top > 0.0))
        top = 1e-9;
    // Room at the left for the scale, below for the angles and above for the title.
    s.setWindow({-70.0, 370.0, -1.6 * top, 1.6 * top});
    s.line({0, 0}, {360, 0}, c.ColBase);
    for (int deg = 0; deg <= 360; deg += 90) {
        s.line({static_cast<double>(deg), -0.05 * top}, {static_cast<double>(deg), 0.05 * top},
               c.ColInk);
        s.text({deg - 8.0, -1.45 * top}, std::to_string(deg), c.ColInk);
    }
    s.line({0, -top}, {0, top}, c.ColInk);
    s.text({-68.0, top}, text::ShortestDouble(top, 3), c.ColInk);
    s.text({-68.0, -top}, text::ShortestDouble(-top, 3), c.ColInk);
    std::vector<Point> run;
    for (const AsMadeRow& r : a.rows) {
        if (std::isfinite(r.errS)) {
            run.push_back({r.theta, r.errS});
            continue;
        }
        if (run.size() > 1)
            s.polyline(run, c.ColProfile, 1.5);
        run.clear();
    }
    if (run.size() > 1)
        s.polyline(run, c.ColProfile, 1.5);
    s.text({10.0, 1.35 * top},
           "S error as made (" + unit + "), largest " + text::ShortestDouble(a.maxSError, 3) +
               " at " + text::FNRoundStr(a.maxSErrorAt, 1) + " deg",
           c.ColInk);
    return s;
}

} // namespace trochix::geometry
