// Discrete Fourier transform of one period of samples x(0..N-1), harmonic k:
//
//   Re(k) =  sum x(m) cos(a) / N,   Im(k) = -sum x(m) sin(a) / N,   a = 2 pi k m / N
//   Mag(k) = sqrt(Re^2 + Im^2),     Power(k) = Re^2 + Im^2
//   Phase(k) = atan(Im / Re) in degrees, not corrected for the quadrant (-90..90); with Re = 0
//             it is 0 when Im = 0 and +90 otherwise.
//
// pi is the program's 3.141592654. A completed sum whose magnitude is below 0.001 is set to 0,
// once, after its last term: values of tiny amplitude transform to zeros while every other
// value keeps its full precision.
#pragma once

#include "model/Constants.h"

#include <span>
#include <vector>

namespace trochix::spectrum {

using model::kHalfPi;
using model::kPi;
using model::kRadToDeg;
constexpr double kSmallSum = 0.001;

struct DftTerm {
    double re = 0.0;
    double im = 0.0;
    double mag = 0.0;
    double phase = 0.0; // degrees
    double power = 0.0;
};

// Magnitude, power and phase of one harmonic from its completed sums (small sums zeroed first).
DftTerm CompleteTerm(double re, double im);

// Harmonics 0..lastK of x (N = x.size() samples) by the plain double loop: N sines and cosines
// per harmonic, terms added in increasing m. The reference form.
std::vector<DftTerm> Calc_DFT(std::span<const float> x, int lastK);

// The same transform from tabulated sines and cosines: a = 2 pi (j + q N) / N with j = k m mod N
// is split into two table angles, so no trigonometric call remains in the double loop. Agrees
// with Calc_DFT to within the rounding of double arithmetic (far below single precision).
// Several harmonics are summed per pass over the samples, each with its own additions in
// increasing m, so every result is the one a loop over single harmonics gives, to the bit.
std::vector<DftTerm> Calc_DFT_Tabulated(std::span<const float> x, int lastK);

} // namespace trochix::spectrum
