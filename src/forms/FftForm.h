// What the FFT screen's controls do to the model, and every text the screen shows. The screen
// reads its controls, calls these and shows what they return.
#pragma once

#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::spectrum {

using model::CamModel;
using model::Host;

// A function offered in the screen's function list and the Results row it names.
struct FftFunction {
    std::string name;
    int row;
};

// Message texts (line breaks are single '\r').
const std::string& NoFunctionText();       // question icon
const std::string& NotInListText();        // question icon
const std::string& NoHarmonicsText();      // warning icon
const std::string& TooManyHarmonicsText(); // question icon
const std::string& FftDoneText();          // information icon

// "Fourier Transform of  " + the function's name.
std::string FftTitle(const std::string& functionName);
// The x axis of the four graphs.
const std::string& HarmonicAxisTitle();

// Opening the screen: no transform yet, NumHarmonics from the harmonics box, FFTResult and the
// summary figures cleared. A count above N/2 (left from a model with a finer step) is cut to
// N/2 without a message. Returns what the harmonics box shows.
std::string OpenFftScreen(CamModel& model, const std::string& harmonicsText);

enum class FftFocus { Stay, FunctionList, HarmonicsBox };

struct FftChoice {
    bool computed = false;
    FftFocus focus = FftFocus::Stay;
    bool clearFunctionBox = false; // the function box is emptied
    std::string functionLabel;     // the name shown for the transformed function
    std::string title;             // the graphs' title
    std::string harmonicsText;     // what the harmonics box shows afterwards
};

// Choosing a function in cmb_Var1: checks the choice and the harmonics box, then transforms the
// row at N = NumPoints, sets FftDone and the summary figures. Busy pointer meanwhile. A count
// above N/2 in the harmonics box is cut to N/2 with its message, as choosing it would.
FftChoice ChooseFftFunction(CamModel& model, Host& host, const std::string& text,
                            const std::vector<FftFunction>& list, const std::string& harmonicsText);

struct HarmonicsChoice {
    bool accepted = false;
    std::string boxText; // what the harmonics box shows afterwards
    FftFocus focus = FftFocus::Stay;
};

// Choosing a harmonics count: below 1 is refused; above N/2 is cut to N/2 with its message.
// An accepted count becomes NumHarmonics and, when a transform exists, the summary figures are
// recomputed for it (the graphs replot; nothing is transformed again).
HarmonicsChoice ChooseHarmonics(CamModel& model, Host& host, const std::string& text);

// "Done": the message that the transform is available as "Current FFT".
void ShowFftDone(Host& host);

} // namespace trochix::spectrum
