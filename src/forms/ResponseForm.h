// The Response view's Qt-free logic: what its boxes accept and its residual table (its charts:
// output/ResponseGraphs.h).
#pragma once

#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::forms {

using model::CamModel;
using model::Host;

// One row of the residual table per rise or fall: segment, its law, the amplitude in the
// dwell after it ("none" where no dwell follows) and the fraction of the lift.
struct ResidualRow {
    int segment = 0;
    std::string law, amplitude, fraction;
};
std::vector<ResidualRow> ResidualTable(const CamModel& model);

// The rises and falls a spectrum can be charted for.
std::vector<int> SpectrumSegments(const CamModel& model);

// The train stiffness box: a number of 0 or more; refused with the warning icon otherwise. An
// accepted value withdraws the response (chain::Input::ResponseData).
bool CommitTrainStiffness(CamModel& model, Host& host, const std::string& text);
std::string TrainStiffnessText(const CamModel& model);

// Steady state or from rest: withdraws the response when it changes.
void ChooseFromRest(CamModel& model, bool fromRest);

} // namespace trochix::forms
