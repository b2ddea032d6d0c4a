#include "spectrum/Spectrum.h"

#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "spectrum/Dft.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace trochix::spectrum {

using model::ToSingle;

namespace {

constexpr int kHarmonicsStep = 15;
constexpr int kFirstSpectrumRow = model::ResultRow::FftReal;

// The last harmonic the summary and graphs use: NumHarmonics, but never past the transform.
int LastShown(const CamModel& model) {
    return std::min(model.NumHarmonics, static_cast<int>(model.FFTResult.size()) - 1);
}

} // namespace

int HarmonicLimit(int numSamples) { return static_cast<int>(numSamples / 2.0 + 0.5); }

bool SpectrumStep(CamModel& model, Host& host, int row, int numSamples) {
    const int H = std::max(HarmonicLimit(numSamples), 0);
    model.FFTResult.assign(static_cast<std::size_t>(H) + 1, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    return model::RunGuarded(host, "Calc_DFT", [&] {
        if (row < 0 || row >= model::kResultRows || numSamples < 1 ||
            numSamples > model::kMaxPoints + 1)
            throw model::Fault(model::kSubscriptOutOfRange);
        const std::span<const float> x(model.Results[row].data(),
                                       static_cast<std::size_t>(numSamples));
        const std::vector<DftTerm> terms = Calc_DFT_Tabulated(x, H);
        for (int h = 0; h <= H; ++h) {
            const DftTerm& t = terms[h];
            const double re2 = 2.0 * t.re, im2 = 2.0 * t.im;
            model.FFTResult[h] = {ToSingle(re2), ToSingle(im2), ToSingle(2.0 * t.mag),
                                  ToSingle(t.phase), ToSingle(re2 * re2 + im2 * im2)};
        }
        model.FftRow = row;
        // Harmonic 0 (twice the mean) goes to index 0 as well: tables and plots of the current
        // transform run over harmonics 0..NumHarmonics and would otherwise show a zero there.
        for (int h = 0; h <= H && h <= model::kMaxPoints; ++h)
            for (int c = 0; c < 5; ++c)
                model.Results[kFirstSpectrumRow + c][h] = model.FFTResult[h][c];
    });
}

bool FFT_Plot(CamModel& model, Host& host) {
    return model::RunGuarded(host, "FFT_Plot", [&] {
        double sum = 0.0, power = 0.0;
        for (int h = 0; h <= LastShown(model); ++h) {
            sum += model.FFTResult[h][kMag];
            power += model.FFTResult[h][kPower];
        }
        model.HarmonicSum = ToSingle(sum);
        model.HarmonicPower = ToSingle(power);
        model.HarmonicRms = ToSingle(std::sqrt(static_cast<double>(model.HarmonicPower)));
    });
}

std::vector<float> SpectrumSeries(const CamModel& model, int column) {
    std::vector<float> series;
    if (column < 0 || column > kPower)
        return series;
    for (int h = 0; h <= LastShown(model); ++h)
        series.push_back(model.FFTResult[h][column]);
    return series;
}

SummaryLabels SummaryTexts(const CamModel& model) {
    using text::FNRoundStr;
    return {FNRoundStr(model.HarmonicSum, 0), FNRoundStr(model.HarmonicPower, 0),
            FNRoundStr(model.HarmonicRms, 0)};
}

std::vector<int> HarmonicsList(int numSamples) {
    std::vector<int> list;
    for (int n = kHarmonicsStep; n <= HarmonicLimit(numSamples); n += kHarmonicsStep)
        list.push_back(n);
    return list;
}

std::vector<std::string> HarmonicsListTexts(int numSamples) {
    std::vector<std::string> texts;
    for (int n : HarmonicsList(numSamples))
        texts.push_back(text::ShortestDouble(n, 15));
    return texts;
}

} // namespace trochix::spectrum
