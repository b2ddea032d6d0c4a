// The function box of the FFT screen (cmb_Var1): the same functions the plot and print
// selections list, and the same typing codes. The spectrum rows themselves are not offered:
// transforming the current transform would overwrite what it is computed from.
#pragma once

#include "forms/FftForm.h"
#include "model/Forward.h"

#include <string>
#include <string_view>
#include <vector>

namespace trochix::output {

// The functions listed now (FillFunctionList order) with their rows.
std::vector<spectrum::FftFunction> FftFunctionList(const model::CamModel& model);

// What a typed text chooses: a listed name stands as typed; a typing code of a listed function
// ("ve", "FO") becomes that function's name; any other text is kept as typed, for the choice to
// refuse.
std::string FftFunctionText(const model::CamModel& model, std::string_view typed);

} // namespace trochix::output
