// The design assistant: the smallest cam that meets its limits. For the computed motion
// program (rows 0..3 at every point) and the follower as the model holds it, the smallest
// prime radius (translating followers, barrel cams) or the smallest pivot distance along the
// pivot's direction (an oscillating arm, its length and the prime radius kept) such that
//   - the pressure angle on rises (V >= 0) stays within riseAngle and on falls within
//     fallAngle (a flat face on a radial cam has none), and
//   - the surface nowhere bends tighter than minSurface: a roller's pitch curve, where convex,
//     at least Rr + minSurface (no undercut, the default minSurface 0.1 Rr); a flat face's rho
//     at least minSurface (default 0); a barrel groove's centre line at least Rr + minSurface
//     either way.
// Each limit is a condition at the stored points, evaluated by the sizing's own per-point
// functions (geometry/SizingPoint.h); every suggestion is checked through them at every point.
// The pressure-angle bound of a translating roller is in closed form, d = sqrt(Rp^2 - e^2) >=
// |w - e| / tan(limit) - S at every point, and so is the flat face's, Rp >= minSurface - S - a;
// the rest are bracketed and bisected to 1e-10 relative, visiting only the points that failed at
// the lower end. An arm's pivot distance is searched through the triangle in closed form
// (geometry/SuggestPoints.h), its crossing then bisected again through the sizing over the few
// points that can decide so close. bestOffset also searches the offset of a translating roller
// for the smallest prime radius: the least of the convex pressure-angle bound over the offsets
// where the curvature allows it, a golden section otherwise.
#pragma once

#include "model/Forward.h"

#include <string>

namespace trochix::geometry {

using model::CamModel;

struct SuggestLimits {
    double riseAngle = 30.0, fallAngle = 30.0; // degrees, 0 < limit < 90
    double minSurface = -1.0;                  // < 0: the default
    bool bestOffset = false;
};

enum class SuggestBound { PressureAngle, Curvature };

struct Suggestion {
    bool ok = false;
    std::string refusal;        // why there is no suggestion
    double prime = 0.0;         // prime radius
    double offset = 0.0;        // a translating roller's offset (given, or the best one)
    double pivotDistance = 0.0; // an arm's pivot distance; 0 otherwise
    bool oscillating = false;
    SuggestBound bound = SuggestBound::PressureAngle;
    // At the suggestion: the largest pressure angle on rises and on falls (degrees) and the
    // smallest surface radius (convex, of the surface the follower meets).
    double riseAngle = 0.0, fallAngle = 0.0, minSurface = 0.0;
};

// The limits' own faults are refused with a clear message: angles outside (0, 90) degrees, a
// negative minSurface other than the default. Needs the motion program's rows.
std::string CheckSuggestLimits(const SuggestLimits& limits);
Suggestion Suggest(const CamModel& model, const SuggestLimits& limits);

// Puts the suggestion into the model's inputs: the prime radius and offset, or the arm's pivot
// moved along its direction to the suggested distance. The sizing is then to be run again.
void ApplySuggestion(CamModel& model, const Suggestion& suggestion);

// The bound's name in the batch line: "pressure angle" or "curvature".
const char* BoundName(SuggestBound bound);

} // namespace trochix::geometry
