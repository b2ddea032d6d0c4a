#include "model/RowCatalogue.h"

#include "model/ResultRow.h"

namespace trochix::model {

namespace {
using R = ResultRow;
using U = UnitKind;
using S = Stage;
} // namespace

// clang-format off
const std::array<RowInfo, kResultRows> RowCatalogue = {{
    {R::CamAngle,          "Cam Angle",           "",           "",         "",   "",   U::Degrees,       S::Motion,   0},
    {R::Displacement,      "Displacement",        "Displcmnt",  "Displ ",   "S",  "DI", U::Motion,        S::Motion,   1},
    {R::Velocity,          "Velocity",            "Velocity",   "Veloc",    "V",  "VE", U::MotionPerSec,  S::Motion,   2},
    {R::Acceleration,      "Acceleration",        "Accel",      "Acc",      "A",  "AC", U::MotionPerSec2, S::Motion,   3},
    {R::Jerk,              "Jerk",                "Jerk",       "Jrk",      "J",  "JE", U::MotionPerSec3, S::Motion,   4},
    {R::PressureAngle,     "Pressure Angle",      "Phi",        "Phi   ",   "P",  "PH", U::Degrees,       S::Sizing,   5},
    {R::RadiusOfCurvature, "Radius of Curvature", "Rho",        "Rho   ",   "r",  "RH", U::Length,        S::Sizing,   6},
    {R::Force,             "Force",               "Force",      "Force",    "F",  "FO", U::Force,         S::Dynamics, 7},
    {R::Torque,            "Torque",              "Torque",     "Torque",   "T",  "TO", U::Torque,        S::Torque,   8},
    {R::XCoord,            "X-coord",             "Xcoord",     "Xcoord",   "X",  "XC", U::Length,        S::Profile,  11},
    {R::YCoord,            "Y-coord",             "Ycoord",     "Ycoord",   "Y",  "YC", U::Length,        S::Profile,  12},
    {R::CamRadius,         "Cam Radius",          "Radius",     "Radius",   "R",  "RA", U::Length,        S::Profile,  13},
    {R::CamTheta,          "Cam Theta",           "Theta",      "Theta ",   "0",  "TH", U::Degrees,       S::Profile,  14},
    {R::XShifted90,        "X-shifted 90 deg",    "Xshftd 90 ", "X-shift",  "X",  "XS", U::Length,        S::Profile,  15},
    {R::YShifted90,        "Y-shifted 90 deg",    "Yshftd 90 ", "Y-shift",  "Y",  "YS", U::Length,        S::Profile,  16},
    {R::FrictionTorque,    "Friction Torque",     "Frictn Trq", "T-frict ", "Fr", "FR", U::Torque,        S::Torque,   9},
    {R::FlywheelTorque,    "Flywheel Torque",     "Flywhl Trq", "T-Flywl",  "Fl", "FL", U::Torque,        S::Torque,   10},
    {R::FftReal,           "",                    "Real FFT",   "Real",     "Re", "RE", U::None,          S::Spectrum, 0},
    {R::FftImag,           "",                    "Imag FFT",   "Imag",     "Im", "IM", U::None,          S::Spectrum, 0},
    {R::FftMagnitude,      "",                    "Mag FFT",    "Mag",      "Mg", "MA", U::None,          S::Spectrum, 0},
    {R::FftPhase,          "",                    "Ang FFT",    "Phs",      "Ph", "AN", U::None,          S::Spectrum, 0},
    {R::FftPower,          "",                    "",           "",         "",   "",   U::None,          S::Spectrum, 0},
    {R::ContactForce,      "Contact Force",       "Contact F",  "N-cont",   "N",  "CF", U::Force,         S::Contact,  17},
    {R::ContactPressure,   "Contact Pressure",    "Hertz p0",   "p0",       "p0", "HP", U::Stress,        S::Contact,  18},
    {R::ContactHalfWidth,  "Contact Half-width",  "Half Width", "b",        "b",  "HW", U::Length,        S::Contact,  19},
    {R::ActualDisplacement, "Actual Displacement", "Actual S",  "S-act",    "Sa", "AD", U::Motion,        S::Response, 20},
    {R::MotionError,       "Motion Error",        "Error x-S",  "x-S",      "Er", "ER", U::Motion,        S::Response, 21},
    {R::ActualAcceleration, "Actual Acceleration", "Actual A",  "A-act",    "Aa", "AA", U::MotionPerSec2, S::Response, 22},
}};
// clang-format on

} // namespace trochix::model
