// frm_DesignMap without Qt: the limit boxes, what a point of the map puts into the model, and
// the readouts. A point is adopted through the sizing screen's own commits (prime radius,
// roller radius or offset, the arm through its pivot and the arm-radius check), so the model
// takes nothing those boxes would refuse; the map screen refuses such a point itself, quietly,
// since the pointer crosses them while it drags.
#pragma once

#include "geometry/DesignMap.h"
#include "model/Forward.h"

#include <string>

namespace trochix::geometry {

// The boxes as typed; an empty surface box is the default (0.1 Rr, 0 for a flat face).
struct MapLimitTexts {
    std::string rise = "30", fall = "30", minSurface;
};

struct MapLimitsRead {
    bool ok = false;
    SuggestLimits limits;
    std::string why; // the message for a refused box
};
MapLimitsRead ReadMapLimits(const MapLimitTexts& texts);

// What adopting a point leaves.
struct AdoptedDesign {
    bool adopted = false;
    std::string why;    // why the point was not taken (the model unchanged)
    double prime = 0.0; // the values as committed (rounded to 4 digits)
    double second = 0.0;
    bool sized = false; // the sizing ran to its end
};

enum class AdoptRun {
    SizingOnly, // while dragging: pressure angle, curvature and profile
    Whole,      // the point let go: the dynamics that had been computed follow as well
};

// hadDynamics: whether the dynamics were computed when the drag began (a drag's sizing
// withdraws them, so only the first point knows).
AdoptedDesign AdoptDesign(CamModel& model, model::Host& host, MapAxis axis, Point design,
                          AdoptRun run, bool hadDynamics);

// "Prime 2.5  Roller .5 in:  rise 28.1 deg  fall 25.3 deg  surface .41 in" for the
// design under the pointer, or why the follower cannot take it.
std::string PointReadout(const CamModel& model, MapAxis axis, Point design);
// The sizing the model holds: "Pressure angle 28.1 / -25.3 deg  Min Rho 0.91 in".
std::string SizedReadout(const CamModel& model);

} // namespace trochix::geometry
