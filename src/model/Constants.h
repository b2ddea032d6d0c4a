// The program's angle constants, as the program writes them (pi is 3.141592654 throughout, not
// the full-precision value, and the degree factors derive from it), and the one checked
// narrowing of a double result into a model real.
#pragma once

#include "model/Fault.h"

#include <cfloat>
#include <cmath>

namespace trochix::model {

constexpr double kPi = 3.141592654;
constexpr double kHalfPi = 1.570796327;
constexpr double kTwoPi = 6.283185308;
constexpr double kDegToRad = kPi / 180.0; // 0.017453292522222223
constexpr double kRadToDeg = 180.0 / kPi; // 57.29577950560105

// A double result as a model real. A value that does not fit a float (infinite, NaN or beyond
// FLT_MAX) is an overflow (fault 6), never an infinity or NaN in the model.
inline float ToSingle(double value) {
    if (!(std::fabs(value) <= static_cast<double>(FLT_MAX)))
        throw Fault(kOverflow);
    return static_cast<float>(value);
}

} // namespace trochix::model
