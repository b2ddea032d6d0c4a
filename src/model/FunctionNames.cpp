#include "model/FunctionNames.h"

namespace trochix::model {

const std::array<std::string, 18> FuncName = {
    "Cam Angle", "Displacement", "Velocity", "Acceleration", "Jerk", "Pressure Angle",
    "Radius of Curvature", "Force", "Torque", "X-coord", "Y-coord", "Cam Radius", "Cam Theta",
    "X-shifted 90 deg", "Y-shifted 90 deg", "Friction Torque", "Flywheel Torque", ""};

const std::array<std::string, 21> FuncShort = {
    "", "Displcmnt", "Velocity", "Accel", "Jerk", "Phi", "Rho", "Force", "Torque", "Xcoord",
    "Ycoord", "Radius", "Theta", "Xshftd 90 ", "Yshftd 90 ", "Frictn Trq", "Flywhl Trq",
    "Real FFT", "Imag FFT", "Mag FFT", "Ang FFT"};

const std::array<std::string, 21> FuncAbbrev = {
    "",        "Displ ",   "Veloc",   "Acc",    "Jrk",    "Phi   ", "Rho   ",
    "Force",   "Torque",   "Xcoord",  "Ycoord", "Radius", "Theta ", "X-shift",
    "Y-shift", "T-frict ", "T-Flywl", "Real",   "Imag",   "Mag",    "Phs"};

const std::array<std::string, 21> FuncLetter = {"",  "S",  "V",  "A",  "J",  "P",  "r",
                                                "F", "T",  "X",  "Y",  "R",  "0",  "X",
                                                "Y", "Fr", "Fl", "Re", "Im", "Mg", "Ph"};

const std::array<std::string, 4> SvajName = {"Disp", "Veloc", "Accel", "Jerk"};

} // namespace trochix::model
