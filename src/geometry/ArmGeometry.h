// Plane geometry shared by sizing, profile and drawing: polar conversion and the triangle of
// an oscillating arm (cam centre, arm pivot, roller centre).
//
// Angles are in degrees unless a name says radians; pi is 3.141592654 throughout.
#pragma once

#include "model/Forward.h"

namespace trochix::geometry {

using model::CamModel;
using model::Host;

struct Polar {
    double radius;
    double angle; // degrees, in [-90, 270)
};

// Radius and angle of the point (x, y). A point on the vertical axis gives +-90, the origin 0.
Polar Cart_to_Polar(double x, double y);

// The arm triangle at zero follower displacement, written into the model:
//   PivotDistance C  = distance cam centre -> pivot
//   PivotAngle       = angle of the pivot seen from the cam centre
//   ArmAngle0        = angle at the pivot between the pivot line and the arm (sides C, L, Rp)
//   CentreAngle0     = angle at the cam centre in the same triangle
//   RollerAngle0     = CamDirection x (PivotAngle - ArmDirection x CentreAngle0)
//   RollerX0/Y0      = roller centre at zero displacement; RollerRadius0 its distance (= Rp)
// When no such triangle exists (an arccos argument outside -1..1, or a zero side) it warns
// "Your arm geometry is such that the roller cannot contact the cam" and returns false; the
// pivot distance and angle are then already stored and the rest keeps its previous values.
bool Arm_Geometry(CamModel& model, Host& host);

// Roller-centre position for one arm angle, in the cam frame.
struct ArmContour {
    double alpha = 0.0;  // angle at the cam centre between pivot and roller centre, degrees
    double r = 0.0;      // cam centre -> roller centre
    double theta = 0.0;  // polar angle of the roller centre, degrees
    double pivotX = 0.0, pivotY = 0.0;
    double rollerX = 0.0, rollerY = 0.0;
    double shiftX = 0.0, shiftY = 0.0; // roller centre turned by +90 degrees: -r sin, r cos
};

// mu: arm angle at the pivot (degrees); gamma: polar angle of the pivot (degrees). Uses
// PivotDistance, ArmRadius and ArmDirection of the model (Arm_Geometry must have run).
// A roller centre on the cam centre (r = 0) is a division by zero, reported as "Arm_Contour";
// the values computed so far are returned.
ArmContour Arm_Contour(const CamModel& model, Host& host, double mu, double gamma);

// What Arm_Contour would report, kept for the caller to report later.
struct ContourStatus {
    bool divisionByZero = false; // r = 0: fault 11 under "Arm_Contour"
    bool arcOutside = false;     // FNArcCos refused cosAlpha (only a NaN can get past the clamp)
    double cosAlpha = 0.0;
};

// Arm_Contour on plain numbers and without a host (C pivot distance, L arm length, armDirection
// +-1): the same values, and in status (a fresh one per call) what the caller is to report.
ArmContour ArmContourAt(double C, double L, double armDirection, double mu, double gamma,
                        ContourStatus& status) noexcept;

// Shows what Arm_Contour shows for that status (nothing when all went well).
void ReportContour(Host& host, const ContourStatus& status);

} // namespace trochix::geometry
