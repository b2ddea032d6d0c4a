// Builders shared by the core tests. Expected values are worked out with the true value of pi;
// the program computes with its own 3.141592654, so tests state tolerances that cover both.
#pragma once

#include "files/Examples.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace trochix::testsupport {

constexpr double kTruePi = 3.14159265358979323846;
inline double Deg(double rad) {
    return rad * 180.0 / kTruePi;
}
inline double Rad(double deg) {
    return deg * kTruePi / 180.0;
}

// Example n loaded as the menu loads it (its results computed).
inline std::unique_ptr<model::CamModel> ExampleModel(int n) {
    auto m = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    model::Initialize(*m, host);
    EXPECT_TRUE(files::LoadExample(*m, host, n)) << "example " << n;
    return m;
}

// A model with its start-up values at `step` degrees: NumPoints to match and Results cleared,
// so row 0 holds the angles and every other row zero.
inline std::unique_ptr<model::CamModel> ModelAtStep(float step = 1.0f) {
    auto m = std::make_unique<model::CamModel>();
    model::RecordingHost quiet;
    model::Initialize(*m, quiet);
    m->DeltaTheta = step;
    m->NumPoints = static_cast<int>(std::lround(360.0 / step));
    model::ClearResults(*m, m->NumPoints, m->NumFunctions);
    return m;
}

// Fills Results row `row` at points 0..NumPoints with f(cam angle in radians).
inline void FillRow(model::CamModel& m, int row, const std::function<double(double)>& f) {
    for (int i = 0; i <= m.NumPoints; ++i)
        m.Results[row][i] = static_cast<float>(f(Rad(i * m.DeltaTheta)));
}

inline void ExpectAllRowsFinite(const model::CamModel& m) {
    for (int r = 0; r < model::kResultRows; ++r)
        for (int i = 0; i <= model::kMaxPoints; ++i)
            ASSERT_TRUE(std::isfinite(m.Results[r][i])) << "row " << r << " point " << i;
}

} // namespace trochix::testsupport
