// Checked access to the single-precision model: a value that does not fit a float is an
// overflow (fault 6), never an infinity or NaN in Results; a point count beyond the result
// table is a subscript fault (9), never a stray write.
#pragma once

#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"

#include <algorithm>

#include <cfloat>
#include <cmath>

namespace trochix::geometry {

// The radius of curvature that stands for "infinite" (a straight pitch curve).
constexpr double kRhoInfinite = 1000000.0;

using model::ToSingle;

// A result as a model real, or the fault that stops the pass: for evaluators that do not throw,
// so their callers decide when to raise it.
struct SingleOrFault {
    float value = 0.0f;
    int fault = 0; // 0, or the fault number (6 for a value that does not fit a float)
};

// ToSingle without the throw.
inline SingleOrFault FitSingle(double value) noexcept {
    if (!(std::fabs(value) <= static_cast<double>(FLT_MAX)))
        return {0.0f, model::kOverflow};
    return {static_cast<float>(value), 0};
}

// num / den for a radius of curvature: a zero denominator, or a quotient too large for a
// float, is a straight stretch and gives kRhoInfinite with the sign of the quotient; a NaN
// quotient is an overflow.
inline SingleOrFault RhoQuotient(double num, double den) noexcept {
    if (den == 0.0)
        return {static_cast<float>(num < 0.0 ? -kRhoInfinite : kRhoInfinite), 0};
    const double q = num / den;
    if (std::isnan(q))
        return {0.0f, model::kOverflow};
    if (std::fabs(q) > static_cast<double>(FLT_MAX))
        return {static_cast<float>(q < 0.0 ? -kRhoInfinite : kRhoInfinite), 0};
    return {static_cast<float>(q), 0};
}

inline float ValueOrRaise(SingleOrFault r) {
    if (r.fault != 0)
        throw model::Fault(r.fault);
    return r.value;
}

inline float RhoRatio(double num, double den) {
    return ValueOrRaise(RhoQuotient(num, den));
}

// NumPoints, checked against the size of Results.
inline int LastPoint(const model::CamModel& m) {
    if (m.NumPoints < 0 || m.NumPoints > model::kMaxPoints)
        throw model::Fault(model::kSubscriptOutOfRange);
    return m.NumPoints;
}

// NumPoints limited to the result table, for scans that cannot fail.
inline int ScanLastPoint(const model::CamModel& m) {
    return std::clamp(m.NumPoints, -1, model::kMaxPoints);
}

} // namespace trochix::geometry
