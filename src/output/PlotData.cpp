#include "output/PlotData.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/ResultRow.h"

#include <cmath>

namespace trochix::output {

using model::ResultRow;

int CheckedRow(int row) {
    if (row < ResultRow::Displacement || row >= model::kResultRows || row == ResultRow::FftPower)
        throw model::Fault(model::kSubscriptOutOfRange);
    return row;
}

double PlotValue(const model::CamModel& m, int row, int j) {
    if (row < 0 || row >= model::kResultRows || j < 0 || j > model::kMaxPoints)
        throw model::Fault(model::kSubscriptOutOfRange);
    if (row >= ResultRow::FftReal && row <= ResultRow::FftPower) {
        if (static_cast<std::size_t>(j) >= m.FFTResult.size())
            throw model::Fault(model::kSubscriptOutOfRange);
        return m.FFTResult[static_cast<std::size_t>(j)]
                          [static_cast<std::size_t>(row - ResultRow::FftReal)];
    }
    return m.Results[static_cast<std::size_t>(row)][static_cast<std::size_t>(j)];
}

SampleRange PolarSamples(const model::CamModel& m) {
    const double step = m.PlotStepDeg / model::CheckDivisor(m.DeltaTheta);
    if (!std::isfinite(step) || m.NumPoints < 0 || m.NumPoints > model::kMaxPoints)
        throw model::Fault(model::kSubscriptOutOfRange);
    if (step > model::kMaxPoints)
        throw model::Fault(model::kSubscriptOutOfRange);
    const long rounded = std::lround(step);
    return {0, m.NumPoints, rounded < 1 ? 1 : static_cast<int>(rounded)};
}

} // namespace trochix::output
