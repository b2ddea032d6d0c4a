// A picture as a list of drawing primitives in model coordinates (y grows upward), so what the
// sizing picture, the cam drawing and the Aligned plots draw can be tested without painting.
// The screen's drawing surface (ui/DrawingSurface.h) paints a Scene; printing and the picture
// files paint the same Scene, so they keep vectors.
//
// A Scene accumulates: an animation appends the primitives of each frame, and what earlier
// frames drew stays visible, as on a generating drawing. clear() starts a new picture.
//
// Lengths (radii, box corners) are model lengths; angles are radians, counter-clockwise from
// the +x axis. Line widths are device pixels (0 = the thinnest line the device draws).
#pragma once

#include "model/Colours.h"

#include <cstddef>
#include <string>
#include <vector>

namespace trochix::geometry {

using model::Rgb;

struct Point {
    double x = 0.0, y = 0.0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The model rectangle the drawing surface maps onto its area (y up: top > bottom).
struct SceneWindow {
    double left = -1.0, right = 1.0, bottom = -1.0, top = 1.0;
    double width() const { return right - left; }
    double height() const { return top - bottom; }
    friend bool operator==(const SceneWindow&, const SceneWindow&) = default;
};

enum class PrimitiveKind {
    Polyline, // points joined in order (a line is two points)
    Circle,   // outline of radius `radius` about points[0]
    Ring,     // filled annulus about points[0] from `inner` to `radius` (inner 0: a disc)
    Box,      // axis-parallel rectangle with corners points[0] and points[1], outline or filled
    Arc,      // arc of radius `radius` about points[0] from `start` to `end` radians
    Text,     // `text` with its left baseline at points[0]
    Marker,   // circle about points[0] whose `radius` is a horizontal length, drawn round
              // even on a window stretched to fill (a marker on a plot)
    Polygon,  // closed outline through points, filled; with `inner` > 0 a round hole of that
              // radius about the origin (a cam body and its bore)
};

struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Polyline;
    Rgb colour;
    std::vector<Point> points;
    double radius = 0.0;
    double inner = 0.0;
    double start = 0.0, end = 0.0;
    bool filled = false;
    double width = 0.0;
    std::string text;
};

class Scene {
public:
    void setWindow(const SceneWindow& w) { m_window = w; }
    const SceneWindow& window() const { return m_window; }
    void setBackground(Rgb c) { m_background = c; }
    Rgb background() const { return m_background; }

    void line(Point a, Point b, Rgb colour, double width = 0.0);
    void polyline(std::vector<Point> points, Rgb colour, double width = 0.0);
    void circle(Point centre, double radius, Rgb colour);
    void marker(Point centre, double radius, Rgb colour);
    // A circle filled from `inner` out to `radius`, as concentric circles fill it.
    void ring(Point centre, double radius, double inner, Rgb colour);
    // A filled closed outline, with a round hole of radius `hole` about the origin (0: none).
    void polygon(std::vector<Point> outline, Rgb colour, double hole = 0.0);
    void box(Point a, Point b, Rgb colour, bool filled = false);
    void arc(Point centre, double radius, double start, double end, Rgb colour);
    void text(Point at, std::string s, Rgb colour);

    // Appends every primitive of `other` (its window and background are not taken).
    void append(const Scene& other);
    void clear() { m_items.clear(); }

    const std::vector<Primitive>& items() const { return m_items; }
    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }

private:
    SceneWindow m_window;
    Rgb m_background{255, 255, 255};
    std::vector<Primitive> m_items;
};

} // namespace trochix::geometry
