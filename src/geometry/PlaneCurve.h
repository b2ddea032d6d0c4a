// A closed plane curve given by the cam angle, in the cam's frame and the model's length unit:
// what the cam surface, the cutter path and the pitch curve are for the shop geometry, and
// what the arc fit reads.
#pragma once

#include <functional>
#include <vector>

namespace trochix::geometry {

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

// The vector arithmetic the curve modules share.
inline Point2 operator+(Point2 a, Point2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Point2 operator-(Point2 a, Point2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Point2 operator*(double k, Point2 a) {
    return {k * a.x, k * a.y};
}
inline double Dot(Point2 a, Point2 b) {
    return a.x * b.x + a.y * b.y;
}
inline double Cross(Point2 a, Point2 b) {
    return a.x * b.y - a.y * b.x;
}

struct CurvePoint {
    Point2 p;       // the point
    Point2 tangent; // unit tangent in the direction of increasing angle
};

struct ClosedCurve {
    // The point at cam angle theta (radians, 0 <= theta < 2 pi; the curve closes at 2 pi).
    std::function<CurvePoint(double theta)> at;
    // Angles (radians, ascending, in [0, 2 pi)) where the curvature may jump: the segment
    // boundaries of the motion program. A fit should place a joint there.
    std::vector<double> breaks;
    // Where the curve is after one turn, relative to where it started: zero for a closed curve;
    // the development of a cylinder's curve moves on by the circumference, at(t + 2 pi) =
    // at(t) + period.
    Point2 period{};
};

} // namespace trochix::geometry
