#include "spectrum/Dft.h"
#include "forms/FftForm.h"
#include "spectrum/Spectrum.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

using namespace trochix;
using testsupport::FillRow;
using testsupport::kTruePi;

using model::Icon;
using spectrum::FftFocus;

namespace {

using Fn = std::function<double(double)>;

struct Expected {
    int h;
    double re, im, mag, phase;
};

// Transforms row 1 filled with f and returns the model.
std::unique_ptr<model::CamModel> Transform(model::RecordingHost& host, const Fn& f,
                                           float step = 1.0f) {
    auto m = testsupport::ModelAtStep(step);
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

const std::vector<spectrum::FftFunction> kList = {
    {"Displcmnt", 1}, {"Velocity", 2}, {"Accel", 3}, {"Jerk", 4}};

// 1 + 3 cos 2t - 4 sin 5t: single-sided magnitudes 2, 3 and 4 at harmonics 0, 2 and 5.
std::unique_ptr<model::CamModel> MixtureModel(model::RecordingHost&) {
    auto m = testsupport::ModelAtStep();
    FillRow(*m, 2, [](double t) { return 1 + 3 * std::cos(2 * t) - 4 * std::sin(5 * t); });
    spectrum::OpenFftScreen(*m, "15");
    return m;
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
         {{0, 2, 0, 2, 0}, {2, 3, 0, 3, 0}, {5, 0, 4, 4, 90}, {7, 0.25 * r3, 0.25, 0.5, 30}}},
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
            testsupport::ExpectAllRowsFinite(*m);
        }
    }
}

TEST(Spectrum, TinyAmplitudesTransformToZeros) {
    model::RecordingHost host;
    auto m = Transform(
        host, [](double t) { return 0.0004 + 0.0009 * std::cos(t) - 0.0009 * std::sin(3 * t); });
    for (const auto& r : m->FFTResult)
        for (float v : r)
            ASSERT_EQ(v, 0.0f);
}

// Zeroing small sums must not erode what is there: a lift-1 cam S = (1 - cos t) / 2 at 0.25
// degree, where every single term x/N is below 0.001, keeps its mean (1 at harmonic 0 after
// doubling) and its first harmonic (-0.5); 2 sin t gives exactly -2 and the +90 degree branch.
TEST(Spectrum, SmallTermsStillAddUp) {
    model::RecordingHost host;
    auto s = Transform(host, [](double t) { return 2.0 * std::sin(t); });
    EXPECT_EQ((std::array{s->FFTResult[1][0], s->FFTResult[1][1], s->FFTResult[1][3]}),
              (std::array{0.0f, -2.0f, 90.0f}));
    auto m = Transform(
        host, [](double t) { return (1 - std::cos(t)) / 2; }, 0.25f);
    ASSERT_EQ(m->NumPoints, 1440);
    EXPECT_NEAR(m->FFTResult[0][0], 1.0, 1e-6);
    EXPECT_NEAR(m->FFTResult[1][0], -0.5, 1e-6);
    EXPECT_NEAR(m->FFTResult[1][2], 0.5, 1e-6);
    EXPECT_EQ(m->FFTResult[1][3], 0.0f); // atan(0 / -0.5): the quadrant is not corrected
    EXPECT_EQ(m->FFTResult[2][2], 0.0f);
}

// Rows 17..21 carry harmonics 0..H (index 0 the doubled mean, which plots and tables of the
// transform show at harmonic 0); the power column is the square of the doubled parts.
TEST(Spectrum, CurrentFftRows) {
    model::RecordingHost host;
    auto m = testsupport::ModelAtStep();
    FillRow(*m, 7, [](double t) { return 10 + 6 * std::cos(t + 0.3) + std::sin(4 * t); });
    for (int r = 17; r <= 21; ++r)
        m->Results[r][0] = -99.0f;
    ASSERT_TRUE(spectrum::SpectrumStep(*m, host, 7, m->NumPoints));
    EXPECT_EQ(m->FftRow, 7);
    for (int h = 0; h <= 180; ++h)
        for (int c = 0; c < 5; ++c)
            ASSERT_EQ(m->Results[17 + c][h], m->FFTResult[h][c]) << h;
    EXPECT_NEAR(m->Results[17][0], 20.0, 1e-5); // twice the mean of 10
    EXPECT_EQ(m->Results[18][0], 0.0f);
    // 6 cos(t + 0.3) = 6 cos 0.3 cos t - 6 sin 0.3 sin t
    EXPECT_NEAR(m->Results[17][1], 6 * std::cos(0.3), 1e-5);
    EXPECT_NEAR(m->Results[18][1], 6 * std::sin(0.3), 1e-5);
    EXPECT_NEAR(m->Results[20][1], 0.3 * 180 / kTruePi, 1e-4);
    EXPECT_NEAR(m->Results[21][1], 36.0, 1e-4);
    EXPECT_NEAR(m->Results[18][4], -1.0, 1e-6); // a sine gives a negative imaginary part
}

TEST(Spectrum, BadRowIsReportedUnderCalcDft) {
    model::RecordingHost host;
    auto m = testsupport::ModelAtStep();
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
        [](double t) {
            return t < kTruePi ? 0.4 * (t / kTruePi - std::sin(2 * t) / (2 * kTruePi)) : 0.4;
        },
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

namespace {

// The tabulated transform one harmonic at a time, with its sums in plain scalar doubles and
// the table angles split by division (k m = q N + j) rather than by stepping.
std::vector<spectrum::DftTerm> TabulatedOneByOne(const std::vector<float>& x, int lastK) {
    const int N = static_cast<int>(x.size());
    std::vector<double> c1(N), s1(N);
    for (int j = 0; j < N; ++j) {
        c1[j] = std::cos(2.0 * spectrum::kPi * j / N);
        s1[j] = std::sin(2.0 * spectrum::kPi * j / N);
    }
    const int lastQ = static_cast<int>(static_cast<long long>(lastK) * (N - 1) / N);
    std::vector<double> c2(lastQ + 1), s2(lastQ + 1);
    for (int q = 0; q <= lastQ; ++q) {
        c2[q] = std::cos(2.0 * spectrum::kPi * q);
        s2[q] = std::sin(2.0 * spectrum::kPi * q);
    }
    std::vector<spectrum::DftTerm> out;
    for (int k = 0; k <= lastK; ++k) {
        double re = 0.0, im = 0.0;
        for (int m = 0; m < N; ++m) {
            const int j = k * m % N, q = k * m / N;
            re += x[m] * (c1[j] * c2[q] - s1[j] * s2[q]);
            im += x[m] * (s1[j] * c2[q] + c1[j] * s2[q]);
        }
        out.push_back(spectrum::CompleteTerm(re / N, -im / N));
    }
    return out;
}

} // namespace

// Summing several harmonics per pass must not change a single bit of any of them: every
// harmonic at the three steps, on a cam-like rise and on noise; and, on a short signal,
// harmonics past N (a second step through the drift table) and counts that leave a remainder.
TEST(Dft, TabulatedSumsAreBitForBitThoseOfOneHarmonicAtATime) {
    std::uint32_t seed = 2024;
    auto noise = [&](double) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / 16777216.0 * 200 - 100;
    };
    const Fn cam = [](double t) {
        return t < kTruePi ? 12.5 * (t / kTruePi - std::sin(2 * t) / (2 * kTruePi)) : 12.5;
    };
    struct Case {
        int N, lastK;
    };
    std::vector<Case> cases;
    for (int N : {360, 720, 1440})
        cases.push_back({N, spectrum::HarmonicLimit(N)});
    for (int lastK : {0, 2, 13, 30})
        cases.push_back({7, lastK});
    auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    for (const Case& c : cases) {
        for (const Fn& f : {cam, Fn(noise)}) {
            const auto x = Samples(c.N, f);
            const auto want = TabulatedOneByOne(x, c.lastK);
            const auto got = spectrum::Calc_DFT_Tabulated(x, c.lastK);
            ASSERT_EQ(got.size(), want.size());
            for (int h = 0; h <= c.lastK; ++h) {
                const auto& g = got[h];
                const auto& w = want[h];
                ASSERT_EQ(
                    (std::array{bits(g.re), bits(g.im), bits(g.mag), bits(g.phase), bits(g.power)}),
                    (std::array{bits(w.re), bits(w.im), bits(w.mag), bits(w.phase), bits(w.power)}))
                    << "N " << c.N << " h" << h;
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

TEST(FftScreen, ChoosingAFunctionTransformsIt) {
    model::RecordingHost host;
    auto m = MixtureModel(host);
    const auto r = spectrum::ChooseFftFunction(*m, host, "Velocity", kList, "15");
    EXPECT_TRUE(r.computed && m->FftDone);
    EXPECT_EQ(m->FftRow, 2);
    EXPECT_EQ(r.functionLabel, "Velocity");
    EXPECT_EQ(r.title, "Fourier Transform of  Velocity");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.busyCalls, (std::vector<bool>{true, false}));
    // sum of magnitudes 2 + 3 + 4, powers 4 + 9 + 16 (hand values), rms sqrt(29)
    EXPECT_NEAR(m->HarmonicSum, 9.0, 1e-5);
    EXPECT_NEAR(m->HarmonicPower, 29.0, 1e-4);
    EXPECT_NEAR(m->HarmonicRms, std::sqrt(29.0), 1e-5);
    const auto labels = spectrum::SummaryTexts(*m);
    EXPECT_EQ(labels.sum + " " + labels.power + " " + labels.rms, "9. 29. 5.");
    EXPECT_EQ(spectrum::SpectrumSeries(*m, spectrum::kMag).size(), 16u);
}

TEST(FftScreen, RefusedChoices) {
    const struct {
        const char *text, *harmonics;
        std::string message;
        Icon icon;
        FftFocus focus;
        bool clearFunction;
    } cases[] = {
        {"", "15", " Please select a function for FFT calculation", Icon::Question,
         FftFocus::FunctionList, false},
        {"Torque", "15", "Please select a variable from the list provided", Icon::Question,
         FftFocus::Stay, false},
        {"Accel", "0", " Must set the number of harmonics to a value > 0", Icon::Warning,
         FftFocus::HarmonicsBox, true},
    };
    for (const auto& c : cases) {
        model::RecordingHost host;
        auto m = MixtureModel(host);
        const auto r = spectrum::ChooseFftFunction(*m, host, c.text, kList, c.harmonics);
        EXPECT_FALSE(r.computed || m->FftDone);
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_EQ(r.clearFunctionBox, c.clearFunction);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.message);
        EXPECT_EQ(host.messages[0].icon, c.icon);
        EXPECT_EQ(host.messages[0].title, model::DefaultTitle());
        EXPECT_FALSE(host.busy);
    }
}

TEST(FftScreen, HarmonicCountIsCappedAtHalfThePoints) {
    model::RecordingHost host;
    auto m = MixtureModel(host);
    spectrum::ChooseFftFunction(*m, host, "Velocity", kList, "15");
    auto r = spectrum::ChooseHarmonics(*m, host, "500");
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.boxText, "180");
    EXPECT_EQ(m->NumHarmonics, 180);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Number of harmonics cannot exceed 1/2 the number of data points available.\r"
              "If you want more bandwidth, recalculate all data with smaller increments. \r"
              "Use the [INPUT] button from the Home Screen to do so.");
    EXPECT_EQ(host.messages[0].icon, Icon::Question);
    EXPECT_EQ(spectrum::SpectrumSeries(*m, spectrum::kReal).size(), 181u);

    // three harmonics leave out the sine at 5: sum 2 + 3, power 4 + 9
    r = spectrum::ChooseHarmonics(*m, host, "3");
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.boxText, "3");
    EXPECT_NEAR(m->HarmonicSum, 5.0, 1e-5);
    EXPECT_NEAR(m->HarmonicPower, 13.0, 1e-5);

    r = spectrum::ChooseHarmonics(*m, host, "0"); // the message of a refused choice
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.focus, FftFocus::HarmonicsBox);
    EXPECT_EQ(m->NumHarmonics, 3);
    EXPECT_EQ(host.messages.size(), 2u);
    // Opening the screen again forgets the transform.
    spectrum::OpenFftScreen(*m, "30");
    EXPECT_FALSE(m->FftDone);
    EXPECT_EQ(m->NumHarmonics, 30);
    EXPECT_EQ(m->HarmonicSum, 0.0f);
    ASSERT_EQ(m->FFTResult.size(), 181u);
    EXPECT_EQ(m->FFTResult[0][2], 0.0f);
}

TEST(FftScreen, HarmonicsListBySteps) {
    const auto l360 = spectrum::HarmonicsList(360);
    ASSERT_EQ(l360.size(), 12u);
    EXPECT_EQ(l360.front(), 15);
    EXPECT_EQ(l360.back(), 180);
    EXPECT_EQ(spectrum::HarmonicsList(720).back(), 360);
    EXPECT_EQ(spectrum::HarmonicsList(1440).size(), 48u);
    EXPECT_EQ(spectrum::HarmonicsListTexts(360)[1], "30");
    EXPECT_EQ(spectrum::HarmonicLimit(1440), 720);
    EXPECT_EQ(spectrum::HarmonicLimit(7), 4); // integer part of 3.5 + 0.5
}

TEST(FftScreen, TextsOfTheScreen) {
    model::RecordingHost host;
    spectrum::ShowFftDone(host);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, " The FFT of the selected function is \r"
                                     " now available for output as \r"
                                     " 'Current FFT' from the Preset Format\r"
                                     " lists on the PRINT and PLOT screens");
    EXPECT_EQ(host.messages[0].icon, Icon::Information);
    EXPECT_EQ(spectrum::HarmonicAxisTitle(), "Harmonic Number");
}

// A count above N/2 never reaches the model: the screen opens with N/2, and a function chosen
// with such a count in the box says so and transforms with N/2.
TEST(FftScreen, CountsAboveHalfThePointsAreCut) {
    const struct {
        float step;
        const char* box;
        const char* opened;
        int harmonics;
    } cases[] = {{1.0f, "200", "180", 180},
                 {0.25f, "800", "720", 720},
                 {0.25f, "720", "720", 720},
                 {1.0f, "30", "30", 30}};
    for (const auto& c : cases) {
        model::RecordingHost host;
        auto m = testsupport::ModelAtStep(c.step);
        EXPECT_EQ(spectrum::OpenFftScreen(*m, c.box), c.opened) << c.box;
        EXPECT_EQ(m->NumHarmonics, c.harmonics);
        const auto r = spectrum::ChooseFftFunction(*m, host, "Velocity", kList, c.box);
        EXPECT_TRUE(r.computed);
        EXPECT_EQ(r.harmonicsText, c.opened);
        EXPECT_EQ(m->NumHarmonics, c.harmonics);
        const bool cut = std::string(c.box) != c.opened;
        ASSERT_EQ(host.messages.size(), cut ? 1u : 0u);
        if (cut) {
            EXPECT_EQ(host.messages[0].text, spectrum::TooManyHarmonicsText());
            EXPECT_EQ(host.messages[0].icon, Icon::Question);
        }
        EXPECT_EQ(spectrum::SpectrumSeries(*m, spectrum::kMag).size(),
                  static_cast<std::size_t>(c.harmonics) + 1);
        EXPECT_FALSE(host.busy);
    }
}
