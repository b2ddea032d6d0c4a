// The single-sided spectrum of one Results row over one cam revolution.
//
//  FFTResult[h], h = 0..H (H = N/2 rounded): 0 real, 1 imaginary, 2 magnitude, 3 phase
//  (degrees), 4 power, where real, imaginary and magnitude are twice the DFT values (harmonic 0,
//  the mean, is doubled like the others) and power = (2 Re)^2 + (2 Im)^2.
//  Results rows 17..21 ("Current FFT") at index h = 0..H repeat FFTResult[h] for the print and
//  plot screens.
//  HarmonicSum = sum of the magnitudes, HarmonicPower = sum of the powers over h = 0..NumHarmonics;
//  HarmonicRms = sqrt(HarmonicPower).
#pragma once

#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::spectrum {

using model::CamModel;
using model::Host;

// Columns of FFTResult.
enum SpectrumColumn { kReal = 0, kImag = 1, kMag = 2, kPhase = 3, kPower = 4 };

// Highest harmonic of N samples: the integer part of N/2 + 0.5.
int HarmonicLimit(int numSamples);

// Transforms Results row `row` at points 0..N-1 (point N repeats point 0 and is left out):
// FFTResult cleared to harmonics 0..H and filled, rows 17..21 written at 1..H, FftRow = row.
// Faults are reported under "Calc_DFT"; returns true when the transform completed.
bool SpectrumStep(CamModel& model, Host& host, int row, int numSamples);

// The summary figures over harmonics 0..NumHarmonics (at most those transformed).
// Faults are reported under "FFT_Plot".
bool FFT_Plot(CamModel& model, Host& host);

// Column `column` of FFTResult at harmonics 0..NumHarmonics (at most those transformed): what
// graph `column` plots against the harmonic number.
std::vector<float> SpectrumSeries(const CamModel& model, int column);

struct SummaryLabels {
    std::string sum, power, rms; // lbl_sum, lbl_Power, lbl_RMS: 0 decimals
};
SummaryLabels SummaryTexts(const CamModel& model);

// The harmonic counts offered in cmb_Harmonics: 15, 30, 45, ... up to N/2.
std::vector<int> HarmonicsList(int numSamples);
std::vector<std::string> HarmonicsListTexts(int numSamples);

} // namespace trochix::spectrum
