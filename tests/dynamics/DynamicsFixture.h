// A model whose kinematic rows are filled from closed forms, so the dynamics tests do not depend
// on the motion laws.
#pragma once

#include "support/TestModels.h"

namespace trochix::dyntest {

using testsupport::ExpectAllRowsFinite;
using testsupport::FillRow;
using testsupport::kTruePi;

inline std::unique_ptr<model::CamModel> NewModel(model::RecordingHost&, float step = 1.0f) {
    return testsupport::ModelAtStep(step);
}

} // namespace trochix::dyntest
