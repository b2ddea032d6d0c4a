// A model whose stored torque no recomputation gives: shared by the tests of opening a model in
// the core, the batch tool and the pictures.
#pragma once

#include "dynamics/Dynamics.h"
#include "files/Examples.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "model/ResultRow.h"

#include <memory>
#include <vector>

namespace trochix::testsupport {

struct TorqueModels {
    std::unique_ptr<model::CamModel> fresh;       // the example as loaded
    std::unique_ptr<model::CamModel> accumulated; // the same cam, its torque added once more
    bool ok = true;                               // every pass completed
};

// Example n as loaded, and the same cam after a second dynamics pass with the torque option
// "Accumulate", as a second cam on one shaft leaves it: its torque row holds each point's
// torque twice over.
inline TorqueModels AccumulatedTorque(int example) {
    TorqueModels t{std::make_unique<model::CamModel>(), std::make_unique<model::CamModel>()};
    model::RecordingHost host;
    for (model::CamModel* m : {t.fresh.get(), t.accumulated.get()}) {
        model::Initialize(*m, host);
        t.ok = files::LoadExample(*m, host, example) && t.ok;
    }
    t.accumulated->TorqueStartFresh = false;
    t.ok = dynamics::Dynamics(*t.accumulated, host) && t.ok;
    return t;
}

// The torque row of a model, points 0..NumPoints.
inline std::vector<float> TorqueRow(const model::CamModel& m) {
    const auto& row = m.Results[model::ResultRow::Torque];
    return {row.begin(), row.begin() + m.NumPoints + 1};
}

} // namespace trochix::testsupport
