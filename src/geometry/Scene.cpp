#include "geometry/Scene.h"

#include <utility>

namespace trochix::geometry {

void Scene::line(Point a, Point b, Rgb colour, double width) {
    polyline({a, b}, colour, width);
}

void Scene::polyline(std::vector<Point> points, Rgb colour, double width) {
    Primitive p;
    p.kind = PrimitiveKind::Polyline;
    p.colour = colour;
    p.points = std::move(points);
    p.width = width;
    m_items.push_back(std::move(p));
}

void Scene::circle(Point centre, double radius, Rgb colour) {
    Primitive p;
    p.kind = PrimitiveKind::Circle;
    p.colour = colour;
    p.points = {centre};
    p.radius = radius;
    m_items.push_back(std::move(p));
}

void Scene::marker(Point centre, double radius, Rgb colour) {
    circle(centre, radius, colour);
    m_items.back().kind = PrimitiveKind::Marker;
}

void Scene::ring(Point centre, double radius, double inner, Rgb colour) {
    Primitive p;
    p.kind = PrimitiveKind::Ring;
    p.colour = colour;
    p.points = {centre};
    p.radius = radius;
    p.inner = inner;
    p.filled = true;
    m_items.push_back(std::move(p));
}

void Scene::box(Point a, Point b, Rgb colour, bool filled) {
    Primitive p;
    p.kind = PrimitiveKind::Box;
    p.colour = colour;
    p.points = {a, b};
    p.filled = filled;
    m_items.push_back(std::move(p));
}

void Scene::arc(Point centre, double radius, double start, double end, Rgb colour) {
    Primitive p;
    p.kind = PrimitiveKind::Arc;
    p.colour = colour;
    p.points = {centre};
    p.radius = radius;
    p.start = start;
    p.end = end;
    m_items.push_back(std::move(p));
}

void Scene::polygon(std::vector<Point> outline, Rgb colour, double hole) {
    Primitive p;
    p.kind = PrimitiveKind::Polygon;
    p.colour = colour;
    p.points = std::move(outline);
    p.inner = hole;
    p.filled = true;
    m_items.push_back(std::move(p));
}

void Scene::text(Point at, std::string s, Rgb colour) {
    Primitive p;
    p.kind = PrimitiveKind::Text;
    p.colour = colour;
    p.points = {at};
    p.text = std::move(s);
    m_items.push_back(std::move(p));
}

void Scene::append(const Scene& other) {
    m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
}

} // namespace trochix::geometry
