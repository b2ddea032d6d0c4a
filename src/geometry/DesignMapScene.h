// The design map as a picture: every node a cell shaded by its largest pressure angle (a
// legend beside it), undercut cells tinted red, designs the follower cannot take grey, the
// level lines of the three limits, the smallest feasible design and the current one marked,
// and axes with their titles and units.
//
// The scene is laid out on a page of its own (window 0..1.45 x 0..1), so the two axes keep
// their own scales; MapFrame converts between the page and the design plane.
#pragma once

#include "geometry/DesignMap.h"
#include "geometry/Scene.h"

#include <string>

namespace trochix::geometry {

class MapFrame {
public:
    explicit MapFrame(const DesignMap& map);
    // The plotting area on the page.
    static constexpr double kLeft = 0.13, kRight = 1.0, kBottom = 0.12, kTop = 0.95;
    static SceneWindow Page() { return {0.0, 1.45, 0.0, 1.0}; }

    Point toPage(Point design) const;
    Point toDesign(Point page) const;
    // Whether a page point lies on the plotting area.
    static bool onMap(Point page);

private:
    double m_p0, m_p1, m_s0, m_s1;
};

// The colour of a largest pressure angle on the map's scale (0 to scaleTop degrees).
Rgb ShadeOf(double angle, double scaleTop);
// Where the shading's scale ends: above both limits, at most 90 degrees.
double ShadeTop(const DesignMap& map);

// lengthUnit: the model's length label ("in", "mm", ...).
Scene DesignMapScene(const DesignMap& map, const std::string& lengthUnit);

} // namespace trochix::geometry

namespace trochix::geometry {

// The profile the sizing left in rows 9 and 10 (cam frame) with the prime circle about the
// cam centre, in a square window: the cam the map's design gives. Empty when not sized.
Scene ProfileSketch(const model::CamModel& model);

} // namespace trochix::geometry
