// The cam profile in cam-fixed coordinates, one point per cam angle.
//
// Results rows written for every point i = 0..NumPoints:
//    9  X            x of the profile point
//   10  Y            y of the profile point
//   11  cam radius   distance from the cam centre
//   12  cam theta    polar angle, degrees
//   13  X-shifted 90 the point turned by +90 degrees: -r sin
//   14  Y-shifted 90                                    r cos
// For a roller follower the profile is the pitch curve (roller-centre path); for a flat face it
// is the contact point on the cam surface. An oscillating roller follower also fills PivotX and
// PivotY with the arm pivot in the cam frame at each point.
#pragma once

#include "model/Forward.h"

namespace trochix::geometry {

using model::CamModel;
using model::Host;

// Builds rows 9..14 from rows 0..2 and the geometry (FollowerType is read from the model).
// Translating: the follower point at (Rp + S, e) for a roller, (Rp + S, V/omega) for a flat face,
// turned to theta + a (clockwise) or 360 - theta - a (counter-clockwise). The cam type is not
// consulted. An oscillating flat face shows " flat-faced oscillating follower not implemented"
// and leaves the rows as they were. Faults are reported as "CamProfile".
// Returns true when every point was written.
bool CamProfile(CamModel& model, Host& host);

} // namespace trochix::geometry
