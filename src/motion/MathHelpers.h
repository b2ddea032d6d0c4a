// Small numeric routines used throughout: degree trigonometry, an arc tangent with the range
// [-90, 270) degrees, guarded arc sine and cosine, the triangle laws, averages and extremes over
// runs of result elements, a trapezoid RMS and two text helpers. Pi is 3.141592654 throughout.
// Routines that can fail show their message through the Host and return no result (std::nullopt
// or the value computed so far).
//
// Modulo, MaxMinAvg, PolarmaXAv and StripFilename come in two forms. The plain form raises the
// fault (11 or 5) to its caller, which reports it under the caller's name and stops. The form
// taking a Host reports the fault itself under the routine's own name and returns what it had
// computed so far (0 or "" for an unset result), so the caller goes on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Constants.h"
#include "model/Forward.h"

namespace trochix::motion {

using model::Host;

using model::kDegToRad;
using model::kPi;
using model::kRadToDeg;

struct DegRad {
    double rad;
    std::string degText; // the degrees in number-to-text form
};
DegRad Deg2Rad(double deg);
double SinD(double deg);
double CosD(double deg);

// Angle of the point (x, y) in radians, in [-pi/2, 3pi/2): left of the vertical axis gives
// pi/2..3pi/2, never an angle below -pi/2. (0, 0) gives 0.
double Atan2(double x, double y);
double Atan2D(double x, double y);

// Arc sine / cosine in radians. |x| > 1 shows the square-root message and gives 0.
// x = +-1 gives the true angle (+-pi/2; 0 or pi).
double FNArcSin(Host& host, double x);
double FNArcCos(Host& host, double x);

// The same angles without the message, for loops that report after the arithmetic: outside
// -1..1 (or NaN) the angle is 0 and inDomain false, and ReportArcDomain shows what FNArcSin
// (sine) or FNArcCos would have shown for that x.
struct Arc {
    double rad;
    bool inDomain;
};
Arc ArcSinValue(double x) noexcept;
Arc ArcCosValue(double x) noexcept;
void ReportArcDomain(Host& host, double x, bool sine);

// Angle B opposite b from sides a, b and angle A (radians).
std::optional<double> LawofSines(Host& host, double a, double b, double A);
// Side c opposite angle C (radians) between sides a and b.
std::optional<double> CosineLaw_Side(Host& host, double a, double b, double C);
struct Angle {
    double rad;
    double deg;
};
// Angle A opposite side a of the triangle a, b, c.
std::optional<Angle> CosineLaw_Angle(Host& host, double a, double b, double c);

// a - b * floor(a / b); b = 0 raises fault 11.
double Modulo(double a, double b);
double Modulo(Host& host, double a, double b);

// Rows of a 2-D table can be read along either index.
enum class Order { I_Pointer, Pointer_I };

// Mean of v[first..last]; with no elements, the (empty) sum.
double Average(int first, int last, const float* v);
template <class Table>
double Average2(int first, int last, const Table& m, Order order, int p) {
    double sum = 0.0;
    for (int i = first; i <= last; ++i)
        sum += order == Order::I_Pointer ? m[i][p] : m[p][i];
    const int count = last - first + 1;
    return count == 0 ? sum : sum / count;
}
// Mean of t[first..last][j][k].
template <class Table3>
double Average3(const Table3& t, int first, int last, int j, int k) {
    double sum = 0.0;
    for (int i = first; i <= last; ++i)
        sum += t[i][j][k];
    const int count = last - first + 1;
    return count == 0 ? sum : sum / count;
}

struct MaxMin {
    double max;
    double min;
};
MaxMin MaxMin1(const float* v, int first, int last);

struct MaxMinAt {
    double max;
    double min;
    int maxIndex; // where the extreme first occurs; `first` unless a later element beat it
    int minIndex;
};
// Extremes of m[p][first..last] (Pointer_I) or m[first..last][p] (I_Pointer) with their indices.
// Comparisons are strict, so the first occurrence of an extreme is the one kept. The index
// starts at `first` rather than staying unset: callers index results with it at once.
template <class Table>
MaxMinAt MaxMin2(const Table& m, Order order, int p, int first, int last) {
    auto at = [&](int i) -> double { return order == Order::I_Pointer ? m[i][p] : m[p][i]; };
    MaxMinAt r{at(first), at(first), first, first};
    for (int i = first; i <= last; ++i) {
        const double v = at(i);
        if (v > r.max) {
            r.max = v;
            r.maxIndex = i;
        }
        if (v < r.min) {
            r.min = v;
            r.minIndex = i;
        }
    }
    return r;
}

struct MaxMinMean {
    double max;
    double min;
    double mean;
};
// Extremes of v[0..n] and mean of v[1..n]; n = 0 raises fault 11.
MaxMinMean MaxMinAvg(const float* v, int n);
MaxMinMean MaxMinAvg(Host& host, const float* v, int n);

// Largest absolute value of the extremes of u and w over first..last.
double GlobalMax(const float* u, const float* w, int first, int last);
// Largest absolute value of v over first..last.
double CartesianMax(const float* v, int first, int last);

struct PolarMax {
    double meanA, meanB, maxA, maxB, overall;
};
// Means of a[1..n] and b[1..n], largest |a| and |b| over 0..n and the larger of the two;
// n = 0 raises fault 11.
PolarMax PolarmaXAv(const float* a, const float* b, int n);
PolarMax PolarmaXAv(Host& host, const float* a, const float* b, int n);

// Root mean square of m[first..last][p]: the trapezoid integral of the square divided by the
// number of points (not of intervals). last = 0 gives m[first][p]; no points raises fault 11.
template <class Table> double Rms2(int first, int last, const Table& m, int p);

// s without its first n characters (for texts longer than 3), else its last character.
std::string Short(const std::string& s, int n);

// The bare file name of a path, without folder ('\' or '/') and three-letter extension.
// A path without such an extension gives "". Shorter than four characters: fault 5.
std::string StripFilename(const std::string& path);
std::string StripFilename(Host& host, const std::string& path);

} // namespace trochix::motion

#include "model/Constants.h"
#include "model/Fault.h"

#include <cmath>

template <class Table>
double trochix::motion::Rms2(int first, int last, const Table& m, int p) {
    if (last == 0)
        return m[first][p];
    double s = 0.0;
    for (int i = first + 1; i <= last; ++i)
        s += (static_cast<double>(m[i - 1][p]) * m[i - 1][p] + static_cast<double>(m[i][p]) * m[i][p]) / 2.0;
    return std::sqrt(s / model::CheckDivisor(last - first + 1));
}
