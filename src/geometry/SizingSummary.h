// What the sizing screen shows besides its result labels: the summary printed into its two
// picture areas and the follower geometry its picture is drawn from.
#pragma once

#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::geometry {

using model::CamModel;
using model::Host;

// The lines printed into the pressure-angle picture (pct_Pang) and the curvature picture
// (pct_Radcurv); an empty string is an empty line. Numbers without a format are in the general
// print format (leading blank for non-negative values, trailing blank).
struct PressMaxSummary {
    std::vector<std::string> pang;
    std::vector<std::string> radcurv;
};
PressMaxSummary PrintPressMax(const CamModel& model);

// A flat face must reach the contact point over the whole cycle: from vmin/omega to
// vmax/omega off the follower axis (V per cam radian).
struct FlatFace {
    double vmax; // vmax / omega
    double vmin; // vmin / omega
    double width() const { return vmax - vmin; }
};
// Raises fault 11 for a zero cam speed.
FlatFace FlatFaceExtents(const CamModel& model);

// The follower geometry the sizing picture (and the cam drawing) is laid out from.
struct SizePicture {
    bool drawable = false;   // false: the base circle is zero or negative (warning shown)
    double R0 = 0.0;         // roller-centre (flat: zero-lift point) radius at zero lift
    double t0 = 0.0;         // its angle, degrees
    double Rf = 0.0;         // follower radius as drawn: 0 for a flat face
    double halfLow = 0.0;    // follower half-heights below and above its axis: Rf/2 for a
    double halfHigh = 0.0;   // roller; abs(vmin/omega) and abs(vmax/omega) for a flat face
    double faceVmax = 0.0;   // flat face: vmax/omega (drawn towards t - 90 degrees)
    double faceVmin = 0.0;   // flat face: -vmin/omega (drawn towards t + 90 degrees)
    double Rb = 0.0;         // base circle R0 - Rf
    double extent = 0.0;     // E = 1.2 (R0 + Rf + largest displacement)
    double drawnOffset = 0.0; // CamDirection x Offset, where the follower axis is drawn
    bool armReaches = false; // oscillating: C - Rp < L < C + Rp and the arm triangle solved
};

// Completes the follower geometry before a drawing. A flat face sets FaceWidth and moves
// Offset to the face centre, CamDirection x (vmax + vmin) / (2 omega). An oscillating follower
// solves the arm triangle when the arm reaches the prime circle. A base circle <= 0 warns
// "Something Wrong - Base Circle has become zero or minus.  Change follower radius or
// prime/base circle". Faults are reported as "SizeCam" (drawable stays false).
SizePicture SizePictureSetup(CamModel& model, Host& host);

// Whether SizePictureSetup would find a base circle above zero, asked without a message and
// without changing the model: the sizing screen shows its first picture only then, so the
// start-up geometry (roller radius equal to the prime radius) is no warning before the screen
// is even up. A fault the setup would report counts as ready, so that it is reported.
bool SizePictureReady(const CamModel& model);

} // namespace trochix::geometry
