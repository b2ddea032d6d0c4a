#include "dynamics/DynamicsFixture.h"
#include "spectrum/FftCommands.h"
#include "spectrum/Spectrum.h"

#include <gtest/gtest.h>

using namespace trochix;
using dyntest::FillRow;
using dyntest::NewModel;
using model::Icon;
using spectrum::FftFocus;

namespace {

const std::vector<spectrum::FftFunction> kList = {
    {"Displcmnt", 1}, {"Velocity", 2}, {"Accel", 3}, {"Jerk", 4}};

// 1 + 3 cos 2t - 4 sin 5t: single-sided magnitudes 2, 3 and 4 at harmonics 0, 2 and 5.
std::unique_ptr<model::CamModel> MixtureModel(model::RecordingHost& host) {
    auto m = NewModel(host);
    FillRow(*m, 2, [](double t) { return 1 + 3 * std::cos(2 * t) - 4 * std::sin(5 * t); });
    spectrum::OpenFftScreen(*m, "15");
    return m;
}

} // namespace

TEST(FftScreen, ChoosingAFunctionTransformsIt) {
    model::RecordingHost host;
    auto m = MixtureModel(host);
    const auto r = spectrum::ChooseFftFunction(*m, host, "Velocity", kList, "15");
    EXPECT_TRUE(r.computed);
    EXPECT_TRUE(m->FftDone);
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
    EXPECT_EQ(labels.sum, "9.");
    EXPECT_EQ(labels.power, "29.");
    EXPECT_EQ(labels.rms, "5.");
    EXPECT_EQ(spectrum::SpectrumSeries(*m, spectrum::kMag).size(), 16u);
}

TEST(FftScreen, RefusedChoices) {
    struct Case {
        const char* text;
        const char* harmonics;
        std::string message;
        Icon icon;
        FftFocus focus;
        bool clearFunction;
    };
    const Case cases[] = {
        {"", "15", " Please select a function for FFT calculation", Icon::Question,
         FftFocus::FunctionList, false},
        {"Torque", "15", "Please select a variable from the list provided", Icon::Question,
         FftFocus::Stay, false},
        {"Accel", "0", " Must set the number of harmonics to a value > 0", Icon::Warning,
         FftFocus::HarmonicsBox, true},
    };
    for (const Case& c : cases) {
        model::RecordingHost host;
        auto m = MixtureModel(host);
        const auto r = spectrum::ChooseFftFunction(*m, host, c.text, kList, c.harmonics);
        EXPECT_FALSE(r.computed);
        EXPECT_FALSE(m->FftDone);
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

    host.clear();
    r = spectrum::ChooseHarmonics(*m, host, "0");
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.focus, FftFocus::HarmonicsBox);
    EXPECT_EQ(m->NumHarmonics, 3);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, " Must set the number of harmonics to a value > 0");
    EXPECT_EQ(host.messages[0].icon, Icon::Warning);
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

TEST(FftScreen, OpeningForgetsTheTransform) {
    model::RecordingHost host;
    auto m = MixtureModel(host);
    spectrum::ChooseFftFunction(*m, host, "Velocity", kList, "15");
    spectrum::OpenFftScreen(*m, "30");
    EXPECT_FALSE(m->FftDone);
    EXPECT_EQ(m->NumHarmonics, 30);
    EXPECT_EQ(m->HarmonicSum, 0.0f);
    ASSERT_EQ(m->FFTResult.size(), 181u);
    EXPECT_EQ(m->FFTResult[0][2], 0.0f);
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
    EXPECT_EQ(spectrum::FftTitle("Force"), "Fourier Transform of  Force");
    EXPECT_EQ(spectrum::HarmonicAxisTitle(), "Harmonic Number");
}
