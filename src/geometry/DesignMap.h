// The design map: how the largest pressure angle and the smallest surface radius of the cam
// change over a plane of designs, the motion program held. The plane is prime radius x a
// second quantity: the roller radius, the offset of a translating roller, or the pivot
// distance of an arm (along the pivot's direction, the arm length kept, as the suggestion
// moves it). Each node of the grid is evaluated at every stored point with the sizing's own
// per-point functions (geometry/SizingPoint.h), so a node equals the sizing run on that design.
//
// Per node: the largest |pressure angle| on rises (V >= 0) and on falls, degrees; the smallest
// radius of the surface the follower meets (a roller: the convex pitch curve's radius less the
// roller's, a barrel groove's centre line less the roller; a flat face: rho), length units;
// undercut where that radius is below zero. A node the follower cannot take (an offset or a
// roller not smaller than the prime radius, an arm that misses the cam, a fault of the
// evaluators) is not valid and carries no numbers.
//
// The limits are those of the suggestion (geometry/Suggest.h); minSurface < 0 means 0.1 of the
// node's own roller radius (0 for a flat face), so on the roller axis the curvature limit is
// the line where the surface radius is 0.1 Rr.
#pragma once

#include "geometry/Scene.h"
#include "geometry/Suggest.h"
#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::geometry {

using model::CamModel;

enum class MapAxis { Roller, Offset, Pivot };

// "roller radius", "offset", "pivot distance": the CSV column and the axis title.
const char* MapAxisName(MapAxis axis);

struct DesignMapRequest {
    MapAxis second = MapAxis::Roller;
    int size = 100; // nodes along each axis, 2..1000
    // Ranges of the axes; a range whose ends are equal (the default) is chosen from the
    // design and the suggestion.
    double primeFrom = 0.0, primeTo = 0.0;
    double secondFrom = 0.0, secondTo = 0.0;
    SuggestLimits limits;
    int threads = 2; // 1 evaluates on the calling thread alone
};

struct MapNode {
    bool valid = false;
    float rise = 0.0f, fall = 0.0f; // largest |pressure angle|, degrees
    float surface = 0.0f;           // smallest surface radius
    bool undercut = false;
    float largest() const { return rise > fall ? rise : fall; }
};

struct DesignMap {
    bool ok = false;
    std::string refusal; // why there is no map
    MapAxis second = MapAxis::Roller;
    int size = 0;
    double primeFrom = 0.0, primeTo = 0.0, secondFrom = 0.0, secondTo = 0.0;
    SuggestLimits limits;
    std::vector<MapNode> nodes;     // node (i, j) at [j * size + i]: i along prime, j along second
    Point current;                  // the model's design (prime, second)
    double defaultMinSurface = 0.0; // the surface limit by default off the roller axis
    Suggestion suggestion;          // the smallest feasible design, when there is one
    bool cornerShown = false;       // the suggestion lies on this plane
    Point corner;                   // where it lies on the map (prime, second)

    double primeAt(int i) const;
    double secondAt(int j) const;
    const MapNode& at(int i, int j) const {
        return nodes[static_cast<std::size_t>(j) * static_cast<std::size_t>(size) +
                     static_cast<std::size_t>(i)];
    }
    // The surface limit at node row j (the default follows the roller axis).
    double minSurfaceAt(int j) const;
};

// The axes this model's follower has: a translating roller on a plate cam roller and offset, a
// barrel cam roller, an arm with a roller roller and pivot, a flat face on an arm pivot. A
// translating flat face has no map (its prime radius alone decides).
std::vector<MapAxis> MapAxesOf(const CamModel& model);

// The value of the second axis the model holds.
double SecondValueOf(const CamModel& model, MapAxis axis);

// Needs the motion program's rows (SvajDone). Refused with a clear message when the axis does
// not fit the follower, the limits are bad or a range is empty or reversed.
DesignMap MakeDesignMap(const CamModel& model, const DesignMapRequest& request);

// The value of node (i, j) a contour follows.
enum class MapField { Rise, Fall, Surface };
double FieldAt(const DesignMap& map, MapField field, int i, int j);

// Where the field crosses its limit: rise and fall at their angle limits, the surface at its
// minimum. Segments of straight lines in map coordinates (prime, second), by marching squares
// over the valid nodes; a saddle is split by the cell's mean.
struct ContourSegment {
    Point a, b;
};
std::vector<ContourSegment> LimitContour(const DesignMap& map, MapField field);

// The general form: the level line `level` of the values on an nx x ny grid (value(i, j) at
// [j * nx + i], NaN where there is none) spanning [x0, x1] x [y0, y1].
std::vector<ContourSegment> MarchingSquares(const std::vector<double>& values, int nx, int ny,
                                            double x0, double x1, double y0, double y1,
                                            double level);

// One design (prime, second) evaluated afresh, as a node of the map would be.
struct MapPoint {
    bool valid = false;
    std::string why; // why the follower cannot take this design
    MapNode node;
};
MapPoint EvaluateDesign(const CamModel& model, MapAxis axis, double prime, double second);

} // namespace trochix::geometry
