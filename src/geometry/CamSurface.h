// The machined cam of a plane (radial) cam: the pitch curve, the cam surface and the path of a
// cutter, each a closed curve by cam angle with exact tangents from the motion's analytic
// derivatives.
//
// Frames follow the profile rows: a clockwise cam (CamDirection -1) carries the follower point
// q to R(theta) q, a counter-clockwise one to its mirror in the x axis; an arm's pivot sits at
// polar angle PivotAngle - CamDirection x theta. Either way the curves run once round the cam
// centre, anticlockwise for a clockwise cam, and "inward" is towards the cam.
//
// Roller followers: the surface is the pitch curve moved inward by the roller radius along its
// normal. Translating flat face: the surface is the contact points, R(theta) (Rp + S, S').
// The cutter path is the surface moved outward by the cutter radius.
#pragma once

#include "geometry/MotionAt.h"
#include "geometry/PlaneCurve.h"
#include "model/Forward.h"

#include <memory>
#include <optional>
#include <vector>

namespace trochix::geometry {

enum class SurfaceFollower { TranslatingRoller, TranslatingFlat, OscillatingRoller };

struct FollowerLayout {
    SurfaceFollower kind = SurfaceFollower::TranslatingRoller;
    double Rp = 1.0;       // PrimeRadius (prime distance with an offset)
    double e = 0.0;        // Offset of a translating roller
    double Rr = 0.0;       // roller radius; 0 for a flat face
    int camDirection = -1; // +1 counter-clockwise, -1 clockwise
    // An arm, as Arm_Geometry leaves it: pivot distance C, arm length L, the arm angle at S = 0
    // and the pivot's polar angle (degrees), its turning sense.
    double C = 0.0, L = 0.0, armAngle0 = 0.0, pivotAngle = 0.0, armDirection = 1.0;
};

// The layout the model describes; none for a barrel cam or a flat face on an arm, which have
// no plane surface here. An arm is read as Arm_Geometry left it.
std::optional<FollowerLayout> FollowerLayoutOf(const CamModel& model);

// A point and its first two derivatives by cam angle.
struct CurveJet {
    Point2 p, d1, d2;
};

class CamSurface {
public:
    CamSurface(const FollowerLayout& layout, MotionFunction motion, std::vector<double> breaks);

    // From the model's segment table and follower; none where FollowerLayoutOf gives none.
    static std::optional<CamSurface> Of(const CamModel& model);

    const FollowerLayout& layout() const { return layout_; }
    const std::vector<double>& breaks() const { return breaks_; }
    MotionValue motion(double theta) const { return motion_(theta); }

    // The roller centre (flat face: the contact point, as the profile rows hold it, without d2,
    // which would need S''').
    CurveJet pitchJet(double theta) const;
    // Signed curvature, positive where convex: of the pitch curve for a roller, of the surface
    // (1 / (Rp + S + S'')) for a flat face.
    double curvature(double theta) const;
    // Radius of curvature of the flat face's surface, Rp + S + S'' (negative: a cusp).
    double flatRho(double theta) const;

    CurvePoint pitchAt(double theta) const;
    CurvePoint surfaceAt(double theta) const;
    // The surface moved outward by Rc: the cutter centre's path.
    CurvePoint cutterAt(double theta, double Rc) const;
    // Unit inward normal of the pitch curve (flat face: of the face, towards the cam).
    Point2 inwardNormal(double theta) const;

    ClosedCurve pitch() const;
    ClosedCurve surface() const;
    ClosedCurve cutter(double Rc) const;

private:
    // The point at distance `inset` inward of the pitch curve (flat face: of the contact point);
    // the tangent turns back where the offset passes the centre of curvature.
    CurvePoint offsetAt(double theta, double inset) const;

    FollowerLayout layout_;
    MotionFunction motion_;
    std::vector<double> breaks_;
};

} // namespace trochix::geometry
