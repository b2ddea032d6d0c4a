// Fitting a closed smooth plane curve with tangent-continuous arcs and lines within a length
// tolerance, for machines and formats that know only arcs and lines.
//
// The fit joins curve points by biarcs: over a span [a, b] of the curve's parameter, two arcs
// leave C(a) along the curve's tangent there, meet with a common tangent, and arrive at C(b)
// along the curve's tangent there (the equal-tangent-length joint). Neighbouring spans share
// the curve point and tangent, so the contour is closed and tangent-continuous: each element
// ends exactly at the stored start of the next, and the tangents at a joint agree to rounding
// (about 1e-12 rad), the nearly straight arcs made lines turning by less than kLineTurn.
//
// Joints: every break of the curve is a joint; between breaks the spans are chosen greedily,
// each reaching as far along the curve as a biarc within the tolerance can, never more than pi
// of parameter: searched by doubling and bisection to 1/32 of the span on a coarse check, then
// shortened by 3 % steps until the dense check (BiarcSpanDeviation, 64 samples) gives at most
// 0.99 of the tolerance. Wherever a sub-span of a fitting span fits too, this furthest-reach
// choice gives the fewest spans of all joint placements. The fewest found by dynamic
// programming over a grid of joints agree: on the ellipse with semi-axes 2 and 1 at 1e-3 and
// 1e-4 and on the cam r = 3.5 - 0.5 cos at 1e-4 the greedy fit has as many spans as the
// optimum over 512 joints per turn (14, 28, 10), and fewer than over 128 (15, 31, 11).
// Neighbouring arcs about the same centre and collinear lines are then joined, so a dwell (a
// circle arc about the origin) costs one or two arcs, a circle two. Elements: two per span
// less the joined ones.
//
// Deviation (FitDeviation): per element, the curve is sampled at evenly spaced parameters over
// the element's span, each sample's distance taken to the nearest of the element and its two
// neighbours; and the element is sampled evenly along its length, each point's distance taken
// to the curve by projecting it onto the curve near the proportional parameter (secant
// iteration on the foot-point condition). The larger of the two is the deviation.
#pragma once

#include "geometry/PlaneCurve.h"

#include <vector>

namespace trochix::geometry {

enum class FitKind { Line, Arc };

struct FitElement {
    FitKind kind = FitKind::Line;
    Point2 start;
    Point2 end;
    // Arcs only: centre, radius, turning direction and the angle swept (radians, > 0).
    Point2 centre;
    double radius = 0.0;
    bool ccw = true;
    double sweep = 0.0;
    // Curve parameters at start and end, ascending along the contour; they run from the first
    // joint a to a + 2 pi, so the last may exceed 2 pi (the curve is read modulo 2 pi).
    double t0 = 0.0;
    double t1 = 0.0;
};

struct ArcFitResult {
    std::vector<FitElement> elements; // in order, closed: the last ends where the first starts
    double deviation = 0.0;           // the largest BiarcSpanDeviation of the spans
};

// An arc turning by less than this (radians) is written as its chord.
inline constexpr double kLineTurn = 1e-9;

// The fit of `curve` within `tolerance` (a length in the curve's unit, > 0; taken as at least
// 1e-12 of the curve's size). No elements and an infinite deviation for a tolerance <= 0.
ArcFitResult FitArcs(const ClosedCurve& curve, double tolerance);

// The largest deviation between `curve` and `elements`, both ways, as described above, with
// `samples` intervals per element.
double FitDeviation(const ClosedCurve& curve, const std::vector<FitElement>& elements,
                    int samples = 64);

// The deviation of the equal-tangent biarc over the span [a, b] (a < b <= a + pi), the dense
// check of the joint search: the curve at `samples` intervals against the two arcs, and each
// arc at samples / 4 intervals projected onto the curve; infinity where no biarc exists.
double BiarcSpanDeviation(const ClosedCurve& curve, double a, double b, int samples = 64);

// Distance from p to one element.
double DistanceToElement(const FitElement& e, Point2 p);

// The unit tangent of an element at its start and at its end.
Point2 StartTangent(const FitElement& e);
Point2 EndTangent(const FitElement& e);

// Length of the contour, the point and unit tangent at arc length s from the first element's
// start (taken modulo the length), and a closed polyline through the contour (the last point
// repeats the first) whose chords stray from the arcs by at most chordTolerance.
double ContourLength(const std::vector<FitElement>& elements);
CurvePoint ContourPointAt(const std::vector<FitElement>& elements, double s);
std::vector<Point2> ContourPolyline(const std::vector<FitElement>& elements, double chordTolerance);

} // namespace trochix::geometry
