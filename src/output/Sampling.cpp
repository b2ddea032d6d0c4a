#include "output/Sampling.h"

#include "model/CamModel.h"
#include "model/Fault.h"

#include <cmath>

namespace trochix::output {

namespace {

int Rounded(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 1e9)
        throw model::Fault(model::kSubscriptOutOfRange);
    return static_cast<int>(std::lround(v));
}

// A spectrum runs over its harmonics; anything else over the cam-angle range.
SampleRange Range(const model::CamModel& m, double stepPoints) {
    if (m.SpectrumSelected) {
        const int last = static_cast<int>(m.FFTResult.size()) - 1;
        if (m.NumHarmonics < 0 || m.NumHarmonics > last || m.NumHarmonics > model::kMaxPoints)
            throw model::Fault(model::kSubscriptOutOfRange);
        return {0, m.NumHarmonics, 1};
    }
    const double dt = model::CheckDivisor(m.DeltaTheta);
    SampleRange r{Rounded(m.PlotStart / dt), Rounded(m.PlotEnd / dt), Rounded(stepPoints)};
    if (r.first < 0 || r.last > m.NumPoints || r.last > model::kMaxPoints || r.first > r.last)
        throw model::Fault(model::kSubscriptOutOfRange);
    if (r.step < 1)
        r.step = 1;
    return r;
}

} // namespace

SampleRange PlotSamples(const model::CamModel& m) {
    return Range(m, m.PlotStepDeg / model::CheckDivisor(m.DeltaTheta));
}

SampleRange TableSamples(const model::CamModel& m) {
    return Range(m, m.SpectrumSelected ? 1.0 : static_cast<double>(m.PrintEvery));
}

std::vector<int> Indices(const SampleRange& r) {
    std::vector<int> out;
    for (int i = r.first; i <= r.last; i += r.step)
        out.push_back(i);
    return out;
}

} // namespace trochix::output
