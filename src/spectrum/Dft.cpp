#include "spectrum/Dft.h"

#include <cmath>

namespace trochix::spectrum {

DftTerm CompleteTerm(double re, double im) {
    if (std::fabs(re) < kSmallSum)
        re = 0.0;
    if (std::fabs(im) < kSmallSum)
        im = 0.0;
    DftTerm t;
    t.re = re;
    t.im = im;
    t.power = re * re + im * im;
    t.mag = std::sqrt(t.power);
    double ph;
    if (re != 0.0)
        ph = std::atan(im / re);
    else
        ph = im == 0.0 ? 0.0 : kHalfPi;
    t.phase = ph * kRadToDeg;
    return t;
}

std::vector<DftTerm> Calc_DFT(std::span<const float> x, int lastK) {
    const int N = static_cast<int>(x.size());
    std::vector<DftTerm> out;
    if (N == 0 || lastK < 0)
        return out;
    out.reserve(static_cast<std::size_t>(lastK) + 1);
    for (int k = 0; k <= lastK; ++k) {
        double re = 0.0, im = 0.0;
        for (int m = 0; m < N; ++m) {
            const double a = 2.0 * kPi * k * m / N;
            re += x[m] * std::cos(a) / N;
            im -= x[m] * std::sin(a) / N;
        }
        out.push_back(CompleteTerm(re, im));
    }
    return out;
}

std::vector<DftTerm> Calc_DFT_Tabulated(std::span<const float> x, int lastK) {
    const int N = static_cast<int>(x.size());
    std::vector<DftTerm> out;
    if (N == 0 || lastK < 0)
        return out;

    // a = 2 pi k m / N = 2 pi j / N + 2 pi q, with k m = q N + j. Since pi here is 3.141592654
    // and not the true pi, 2 pi q is not a whole number of turns: the second table keeps that
    // small drift so the angles are the ones the plain loop uses.
    std::vector<double> c1(N), s1(N);
    for (int j = 0; j < N; ++j) {
        const double a = 2.0 * kPi * j / N;
        c1[j] = std::cos(a);
        s1[j] = std::sin(a);
    }
    const int lastQ = static_cast<int>(static_cast<long long>(lastK) * (N - 1) / N);
    std::vector<double> c2(lastQ + 1), s2(lastQ + 1);
    for (int q = 0; q <= lastQ; ++q) {
        const double a = 2.0 * kPi * q;
        c2[q] = std::cos(a);
        s2[q] = std::sin(a);
    }

    out.reserve(static_cast<std::size_t>(lastK) + 1);
    for (int k = 0; k <= lastK; ++k) {
        double re = 0.0, im = 0.0;
        const int stepJ = k % N, stepQ = k / N;
        int j = 0, q = 0;
        for (int m = 0; m < N; ++m) {
            const double c = c1[j] * c2[q] - s1[j] * s2[q];
            const double s = s1[j] * c2[q] + c1[j] * s2[q];
            re += x[m] * c;
            im += x[m] * s;
            j += stepJ;
            q += stepQ;
            if (j >= N) {
                j -= N;
                ++q;
            }
        }
        out.push_back(CompleteTerm(re / N, -im / N));
    }
    return out;
}

} // namespace trochix::spectrum
