// A model whose kinematic rows are filled from closed forms, so the dynamics tests do not depend
// on the motion laws.
#pragma once

#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <cmath>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace trochix::dyntest {

constexpr double kTruePi = 3.14159265358979323846;

inline std::unique_ptr<model::CamModel> NewModel(model::RecordingHost& host, float step = 1.0f) {
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    m->DeltaTheta = step;
    m->NumPoints = static_cast<int>(360.0f / step + 0.5f);
    model::ClearResults(*m, m->NumPoints, m->NumFunctions);
    return m;
}

// Fills Results row `row` at points 0..NumPoints with f(theta in radians).
inline void FillRow(model::CamModel& m, int row, const std::function<double(double)>& f) {
    for (int i = 0; i <= m.NumPoints; ++i)
        m.Results[row][i] = static_cast<float>(f(i * m.DeltaTheta * kTruePi / 180.0));
}

inline void ExpectAllRowsFinite(const model::CamModel& m) {
    for (int r = 0; r < model::kResultRows; ++r)
        for (int i = 0; i <= model::kMaxPoints; ++i)
            ASSERT_TRUE(std::isfinite(m.Results[r][i])) << "row " << r << " point " << i;
}

} // namespace trochix::dyntest
