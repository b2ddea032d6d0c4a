#include "dynamics/DynamicsFixture.h"
#include "spectrum/Dft.h"
#include "spectrum/Spectrum.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace trochix;
using dyntest::FillRow;
using dyntest::kTruePi;
using dyntest::NewModel;

namespace {

using Fn = std::function<double(double)>;

struct Expected {
    int h;
    double re, im, mag, phase;
};

// Transforms row 1 filled with f and returns the model.
std::unique_ptr<model::CamModel> Transform(model::RecordingHost& host, const Fn& f,
                                           float step = 1.0f) {
    auto m = NewModel(host, step);
    FillRow(*m, 1, f);
    EXPECT_TRUE(spectrum::SpectrumStep(*m, host, 1, m->NumPoints));
    return m;
}

std::vector<float> Samples(int N, const Fn& f) {
    std::vector<float> x(N);
    for (int i = 0; i < N; ++i)
        x[i] = static_cast<float>(f(2 * kTruePi * i / N));
    return x;
}

} // namespace

// Single-sided values worked out by hand: a constant c gives 2c at harmonic 0; a cos(n t) gives
// real a at n; a sin(n t) gives imaginary -a and the +90 degree branch; the phase is atan(Im/Re)
// without quadrant correction. Every harmonic not listed must be exactly 0: sums below 0.001
// are zeroed, so rounding residues of the order of 1e-16 never show. Tolerance 1e-6.
TEST(Spectrum, HarmonicsOfClosedForms) {
    struct Case {
        const char* name;
        Fn f;
        std::vector<Expected> expected;
    };
    const double r3 = std::sqrt(3.0);
    const std::vector<Case> cases = {
        {"constant", [](double) { return 3.5; }, {{0, 7.0, 0, 7.0, 0}}},
        {"cosine", [](double t) { return 2.5 * std::cos(t); }, {{1, 2.5, 0, 2.5, 0}}},
        {"sine", [](double t) { return 2.0 * std::sin(t); }, {{1, 0, -2.0, 2.0, 90}}},
        {"negative cosine", [](double t) { return -2 * std::cos(t); }, {{1, -2, 0, 2, 0}}},
        {"second quadrant",
         [](double t) { return -std::cos(t) - std::sin(t); },
         {{1, -1, 1, std::sqrt(2.0), -45}}},
        {"mixture",
         [](double t) {
             return 1 + 3 * std::cos(2 * t) - 4 * std::sin(5 * t) +
                    0.5 * std::cos(7 * t + kTruePi / 6);
         },
         {{0, 2, 0, 2, 0},
          {2, 3, 0, 3, 0},
          {5, 0, 4, 4, 90},
          {7, 0.25 * r3, 0.25, 0.5, 30}}},
    };
    for (const Case& c : cases) {
        for (float step : {1.0f, 0.25f}) {
            model::RecordingHost host;
            auto m = Transform(host, c.f, step);
            const int H = m->NumPoints / 2;
            ASSERT_EQ(static_cast<int>(m->FFTResult.size()), H + 1);
            std::vector<bool> listed(H + 1, false);
            for (const Expected& e : c.expected) {
                listed[e.h] = true;
                const auto& r = m->FFTResult[e.h];
                EXPECT_NEAR(r[0], e.re, 1e-6) << c.name << " h" << e.h;
                EXPECT_NEAR(r[1], e.im, 1e-6) << c.name << " h" << e.h;
                EXPECT_NEAR(r[2], e.mag, 1e-6) << c.name << " h" << e.h;
                EXPECT_NEAR(r[3], e.phase, 1e-4) << c.name << " h" << e.h;
                EXPECT_NEAR(r[4], e.re * e.re + e.im * e.im, 1e-5) << c.name << " h" << e.h;
            }
            for (int h = 0; h <= H; ++h) {
                if (listed[h])
                    continue;
                for (int col = 0; col < 5; ++col)
                    ASSERT_EQ(m->FFTResult[h][col], 0.0f) << c.name << " h" << h << " c" << col;
            }
            EXPECT_TRUE(host.messages.empty());
            dyntest::ExpectAllRowsFinite(*m);
        }
    }
}

// The sine's imaginary part is -2 to single precision, not eroded by zeroing partial sums, and
// its phase is the +90 degree branch exactly.
TEST(Spectrum, SineOfAmplitudeTwoIsExact) {
    model::RecordingHost host;
    auto m = Transform(host, [](double t) { return 2.0 * std::sin(t); });
    EXPECT_EQ(m->FFTResult[1][1], -2.0f);
    EXPECT_EQ(m->FFTResult[1][0], 0.0f);
    EXPECT_EQ(m->FFTResult[1][3], 90.0f);
}

TEST(Spectrum, TinyAmplitudesTransformToZeros) {
    model::RecordingHost host;
    auto m = Transform(host, [](double t) {
        return 0.0004 + 0.0009 * std::cos(t) - 0.0009 * std::sin(3 * t);
    });
    for (const auto& r : m->FFTResult)
        for (float v : r)
            ASSERT_EQ(v, 0.0f);
}

// A lift-1 cam S = (1 - cos t) / 2 at 0.25 degree: every single term x/N is below 0.001, yet the
// mean (1 at harmonic 0 after doubling) and the first harmonic (-0.5) must come through.
TEST(Spectrum, SmallLiftAtQuarterDegreeKeepsItsHarmonics) {
    model::RecordingHost host;
    auto m = Transform(host, [](double t) { return (1 - std::cos(t)) / 2; }, 0.25f);
    ASSERT_EQ(m->NumPoints, 1440);
    EXPECT_NEAR(m->FFTResult[0][0], 1.0, 1e-6);
    EXPECT_NEAR(m->FFTResult[1][0], -0.5, 1e-6);
    EXPECT_NEAR(m->FFTResult[1][2], 0.5, 1e-6);
    EXPECT_EQ(m->FFTResult[1][3], 0.0f); // atan(0 / -0.5): the quadrant is not corrected
    EXPECT_EQ(m->FFTResult[2][2], 0.0f);
}

// Rows 17..21 carry harmonics 1..H; index 0 is left alone; the power column is the square of
// the doubled parts.
TEST(Spectrum, CurrentFftRows) {
    model::RecordingHost host;
    auto m = NewModel(host);
    FillRow(*m, 7, [](double t) { return 10 + 6 * std::cos(t + 0.3) + std::sin(4 * t); });
    for (int r = 17; r <= 21; ++r)
        m->Results[r][0] = -99.0f;
    ASSERT_TRUE(spectrum::SpectrumStep(*m, host, 7, m->NumPoints));
    EXPECT_EQ(m->FftRow, 7);
    for (int h = 1; h <= 180; ++h)
        for (int c = 0; c < 5; ++c)
            ASSERT_EQ(m->Results[17 + c][h], m->FFTResult[h][c]) << h;
    for (int r = 17; r <= 21; ++r)
        EXPECT_EQ(m->Results[r][0], -99.0f);
    // 6 cos(t + 0.3) = 6 cos 0.3 cos t - 6 sin 0.3 sin t
    EXPECT_NEAR(m->Results[17][1], 6 * std::cos(0.3), 1e-5);
    EXPECT_NEAR(m->Results[18][1], 6 * std::sin(0.3), 1e-5);
    EXPECT_NEAR(m->Results[20][1], 0.3 * 180 / kTruePi, 1e-4);
    EXPECT_NEAR(m->Results[21][1], 36.0, 1e-4);
    EXPECT_NEAR(m->Results[18][4], -1.0, 1e-6); // a sine gives a negative imaginary part
}

TEST(Spectrum, BadRowIsReportedUnderCalcDft) {
    model::RecordingHost host;
    auto m = NewModel(host);
    EXPECT_FALSE(spectrum::SpectrumStep(*m, host, 30, m->NumPoints));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("Calc_DFT"), std::string::npos);
}

// The tabulated transform against the plain double loop on cam-like and irregular data at all
// three steps: the same single-precision values, and the same harmonics zeroed.
TEST(Dft, TabulatedFormGivesTheDirectNumbers) {
    std::uint32_t seed = 12345;
    auto noise = [&](double) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / 16777216.0 * 4 - 2;
    };
    const std::vector<Fn> signals = {
        [](double t) { return t < kTruePi ? 0.4 * (t / kTruePi - std::sin(2 * t) / (2 * kTruePi)) : 0.4; },
        [](double t) { return 173 + 132 * (1 - std::cos(t)) + 25 * std::sin(3 * t); },
        [](double t) { return 0.002 * std::cos(9 * t) + 0.0011 * std::sin(40 * t); },
        noise,
    };
    for (int N : {360, 720, 1440}) {
        for (const Fn& f : signals) {
            const auto x = Samples(N, f);
            const int H = spectrum::HarmonicLimit(N);
            const auto direct = spectrum::Calc_DFT(x, H);
            const auto fast = spectrum::Calc_DFT_Tabulated(x, H);
            ASSERT_EQ(direct.size(), fast.size());
            for (int h = 0; h <= H; ++h) {
                const double got[] = {fast[h].re, fast[h].im, fast[h].mag, fast[h].phase};
                const double want[] = {direct[h].re, direct[h].im, direct[h].mag, direct[h].phase};
                for (int c = 0; c < 4; ++c) {
                    ASSERT_EQ(got[c] == 0.0, want[c] == 0.0) << N << " h" << h << " c" << c;
                    ASSERT_NEAR(got[c], want[c], 1e-12 + 1e-10 * std::fabs(want[c]))
                        << N << " h" << h << " c" << c;
                }
            }
        }
    }
}

TEST(Dft, RawTransformCoversEveryHarmonic) {
    const auto x = Samples(8, [](double t) { return std::cos(3 * t); });
    const auto raw = spectrum::Calc_DFT(x, 7);
    ASSERT_EQ(raw.size(), 8u);
    // cos 3t over 8 points: half at k = 3 and k = 5 (its mirror), 0 elsewhere; the samples are
    // single precision, tolerance 1e-7
    for (int k = 0; k < 8; ++k)
        EXPECT_NEAR(raw[k].re, (k == 3 || k == 5) ? 0.5 : 0.0, 1e-7) << k;
    EXPECT_EQ(spectrum::Calc_DFT({}, 5).size(), 0u);
}
