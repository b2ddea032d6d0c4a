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

namespace {

// Two doubles in one register (SSE2 on x86-64, NEON on arm64); the operations are the plain
// IEEE ones, lane by lane.
typedef double Pair __attribute__((vector_size(16)));

// The table rows laid out so that a harmonic's cosine and sine come out of two products of
// whole pairs, without shuffles: (c1, s1) c2 + (-s1, c1) s2 = (c1 c2 - s1 s2, s1 c2 + c1 s2).
// Negating s1 and subtracting are exact, so each lane rounds as the scalar formula does.
struct TurnRow {
    Pair cs; // (c1, s1)
    Pair nc; // (-s1, c1)
};
struct DriftRow {
    Pair cc; // (c2, c2)
    Pair ss; // (s2, s2)
};

// Harmonics k0..k0+B-1, each summed over m in increasing order. B sums side by side keep the
// adder busy where one sum would wait on its own last addition. Below k = N (every harmonic the
// program asks for) the drift index moves only when a turn is completed.
template <int B, bool PastN>
void SumHarmonics(const std::vector<Pair>& x, const std::vector<TurnRow>& turn,
                  const std::vector<DriftRow>& drift, int k0, std::vector<DftTerm>& out) {
    const int N = static_cast<int>(x.size());
    const TurnRow* const turnEnd = turn.data() + N;
    Pair sum[B];
    const TurnRow* t[B];
    const DriftRow* d[B];
    int stepJ[B], stepQ[B];
    for (int b = 0; b < B; ++b) {
        sum[b] = Pair{0.0, 0.0};
        t[b] = turn.data();
        d[b] = drift.data();
        stepJ[b] = (k0 + b) % N;
        stepQ[b] = (k0 + b) / N;
    }
    for (int m = 0; m < N; ++m) {
        for (int b = 0; b < B; ++b) {
            const Pair cs = t[b]->cs * d[b]->cc + t[b]->nc * d[b]->ss;
            sum[b] += x[m] * cs;
            t[b] += stepJ[b];
            if constexpr (PastN)
                d[b] += stepQ[b];
            if (t[b] >= turnEnd) {
                t[b] -= N;
                ++d[b];
            }
        }
    }
    for (int b = 0; b < B; ++b)
        out.push_back(CompleteTerm(sum[b][0] / N, -sum[b][1] / N));
}

} // namespace

std::vector<DftTerm> Calc_DFT_Tabulated(std::span<const float> x, int lastK) {
    const int N = static_cast<int>(x.size());
    std::vector<DftTerm> out;
    if (N == 0 || lastK < 0)
        return out;

    // a = 2 pi k m / N = 2 pi j / N + 2 pi q, with k m = q N + j. Since pi here is 3.141592654
    // and not the true pi, 2 pi q is not a whole number of turns: the second table keeps that
    // small drift so the angles are the ones the plain loop uses.
    std::vector<TurnRow> turn(N);
    for (int j = 0; j < N; ++j) {
        const double a = 2.0 * kPi * j / N;
        const double c = std::cos(a), s = std::sin(a);
        turn[j] = {Pair{c, s}, Pair{-s, c}};
    }
    const int lastQ = static_cast<int>(static_cast<long long>(lastK) * (N - 1) / N);
    std::vector<DriftRow> drift(lastQ + 1);
    for (int q = 0; q <= lastQ; ++q) {
        const double a = 2.0 * kPi * q;
        const double c = std::cos(a), s = std::sin(a);
        drift[q] = {Pair{c, c}, Pair{s, s}};
    }
    std::vector<Pair> samples(N);
    for (int m = 0; m < N; ++m)
        samples[m] = Pair{x[m], x[m]};

    constexpr int kBlock = 4;
    out.reserve(static_cast<std::size_t>(lastK) + 1);
    int k = 0;
    for (; k + kBlock - 1 <= lastK; k += kBlock) {
        if (k + kBlock - 1 < N)
            SumHarmonics<kBlock, false>(samples, turn, drift, k, out);
        else
            SumHarmonics<kBlock, true>(samples, turn, drift, k, out);
    }
    for (; k <= lastK; ++k)
        SumHarmonics<1, true>(samples, turn, drift, k, out);
    return out;
}

} // namespace trochix::spectrum
