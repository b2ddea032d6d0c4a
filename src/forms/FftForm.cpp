#include "forms/FftForm.h"

#include "chain/Recalculate.h"
#include "chain/Stages.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "spectrum/Spectrum.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace trochix::spectrum {

namespace {

using model::DefaultTitle;
using model::Icon;

// A typed count as a whole number (halves to even), kept within the range of counts.
int CountFromText(const std::string& text) {
    // Letters count no harmonics: refused as a count of 0 is.
    if (!text::HoldsNumber(text))
        return 0;
    const double v = std::nearbyint(text::Val(text));
    return static_cast<int>(std::clamp(v, -1.0e6, 1.0e6));
}

} // namespace

const std::string& NoFunctionText() {
    static const std::string t = " Please select a function for FFT calculation";
    return t;
}

const std::string& NotInListText() {
    static const std::string t = "Please select a variable from the list provided";
    return t;
}

const std::string& NoHarmonicsText() {
    static const std::string t = " Must set the number of harmonics to a value > 0";
    return t;
}

const std::string& TooManyHarmonicsText() {
    static const std::string t =
        "Number of harmonics cannot exceed 1/2 the number of data points available.\r"
        "If you want more bandwidth, recalculate all data with smaller increments. \r"
        "Use the [INPUT] button from the Home Screen to do so.";
    return t;
}

const std::string& FftDoneText() {
    static const std::string t = " The FFT of the selected function is \r"
                                 " now available for output as \r"
                                 " 'Current FFT' from the Preset Format\r"
                                 " lists on the PRINT and PLOT screens";
    return t;
}

std::string FftTitle(const std::string& functionName) {
    return "Fourier Transform of  " + functionName;
}

const std::string& HarmonicAxisTitle() {
    static const std::string t = "Harmonic Number";
    return t;
}

std::string OpenFftScreen(CamModel& model, const std::string& harmonicsText) {
    chain::Withdraw(model, model::Stage::Spectrum);
    model.NumHarmonics = CountFromText(harmonicsText);
    std::string shown = harmonicsText;
    if (model.NumHarmonics > HarmonicLimit(model.NumPoints)) {
        model.NumHarmonics = HarmonicLimit(model.NumPoints);
        shown = text::ShortestDouble(model.NumHarmonics, 15);
    }
    model.FFTResult.assign(static_cast<std::size_t>(HarmonicLimit(model.NumPoints)) + 1,
                           {0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    model.HarmonicSum = 0.0f;
    model.HarmonicPower = 0.0f;
    model.HarmonicRms = 0.0f;
    return shown;
}

FftChoice ChooseFftFunction(CamModel& model, Host& host, const std::string& text,
                            const std::vector<FftFunction>& list,
                            const std::string& harmonicsText) {
    FftChoice result;
    result.harmonicsText = harmonicsText;
    const model::BusyPointer busy(host);
    if (text.empty()) {
        host.message(NoFunctionText(), Icon::Question, DefaultTitle());
        result.focus = FftFocus::FunctionList;
        return result;
    }
    const auto chosen = std::find_if(list.begin(), list.end(),
                                     [&](const FftFunction& f) { return f.name == text; });
    if (chosen == list.end()) {
        host.message(NotInListText(), Icon::Question, DefaultTitle());
        return result;
    }
    int count = CountFromText(harmonicsText);
    if (count < 1) {
        host.message(NoHarmonicsText(), Icon::Warning, DefaultTitle());
        result.focus = FftFocus::HarmonicsBox;
        result.clearFunctionBox = true;
        return result;
    }
    // Graphs and selections beyond the transform would read past it.
    if (count > HarmonicLimit(model.NumPoints)) {
        host.message(TooManyHarmonicsText(), Icon::Question, DefaultTitle());
        count = HarmonicLimit(model.NumPoints);
        result.harmonicsText = text::ShortestDouble(count, 15);
    }
    model.NumHarmonics = count;
    result.functionLabel = chosen->name;
    if (chain::RunSpectrum(model, host, chosen->row, model.NumPoints)) {
        result.computed = true;
        result.title = FftTitle(chosen->name);
        FFT_Plot(model, host);
    }
    return result;
}

HarmonicsChoice ChooseHarmonics(CamModel& model, Host& host, const std::string& text) {
    HarmonicsChoice result;
    int count = CountFromText(text);
    result.boxText = text;
    if (count < 1) {
        host.message(NoHarmonicsText(), Icon::Warning, DefaultTitle());
        result.focus = FftFocus::HarmonicsBox;
        return result;
    }
    const int limit = HarmonicLimit(model.NumPoints);
    if (count > limit) {
        host.message(TooManyHarmonicsText(), Icon::Question, DefaultTitle());
        count = limit;
        result.boxText = text::ShortestDouble(count, 15);
    }
    model.NumHarmonics = count;
    result.accepted = true;
    if (model.FftDone)
        FFT_Plot(model, host);
    return result;
}

void ShowFftDone(Host& host) {
    host.message(FftDoneText(), Icon::Information, DefaultTitle());
}

} // namespace trochix::spectrum
