// The follower motion a cam cut to a fitted contour of lines and arcs really gives: at each cam
// angle the contour is put into the follower's frame (the cam rotation undone, as in
// CamSurface) and the follower is placed where it just touches it.
//
//  - translating roller: the largest S at which the roller centre (Rp + S, e) is at distance Rr
//    from the contour, in closed form per element (offset lines and circles, end points);
//  - translating flat face: the contour's support height along the face normal, less Rp;
//  - roller on an arm: the arm angle (degrees, the program's S) where the roller centre is Rr
//    outside the contour, bracketed outward from the design S and bisected.
//
// V and A are central differences of the as-made S over the periodic row of angles:
// V = (S[i+1] - S[i-1]) / 2h, A = (S[i+1] - 2 S[i] + S[i-1]) / h^2, h the step in radians, so
// per radian and per radian squared (times CamOmega, CamOmega^2 for time).
#pragma once

#include "geometry/ArcFit.h"
#include "geometry/CamSurface.h"
#include "geometry/MotionAt.h"

#include <vector>

namespace trochix::geometry {

struct AsMadeRow {
    double theta = 0.0;               // cam angle, degrees
    double S = 0.0, V = 0.0, A = 0.0; // as made (NaN where the follower found no contact)
    double designS = 0.0, designV = 0.0, designA = 0.0;
    double errS = 0.0, errV = 0.0, errA = 0.0; // as made less design
};

struct AsMadeResult {
    std::vector<AsMadeRow> rows;
    bool complete = false;                     // every angle found a contact
    double maxSError = 0.0, maxSErrorAt = 0.0; // largest |errS| and its angle (degrees)
    double maxAError = 0.0, maxAErrorAt = 0.0; // largest |errA| and its angle (degrees)
};

// `points` evenly spaced cam angles over a turn from 0 (at least 3; fewer give no rows).
AsMadeResult AsMade(const FollowerLayout& layout, const std::vector<FitElement>& contour,
                    const MotionFunction& design, int points);

} // namespace trochix::geometry
