#include "motion/SegmentDriver.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/Host.h"

#include <cctype>
#include <cmath>

namespace trochix::motion {

void SegSetup(CamModel& m) {
    m.SegBetaDeg = m.SegBeta[m.CurSeg];
    m.SegBetaRad = m.SegBetaRadArr[m.CurSeg];
    m.SegBetaRad2 = m.SegBetaRad * m.SegBetaRad;
    m.SegBetaRad3 = m.SegBetaRad2 * m.SegBetaRad;
}

int RoundIndex(double x) { return static_cast<int>(std::nearbyint(x)); }

namespace {
int CheckedIndex(const CamModel& m, double x) {
    if (!std::isfinite(x) || x < -0.5 || x > m.NumPoints + 0.5)
        throw model::Fault(model::kSubscriptOutOfRange);
    return RoundIndex(x);
}
} // namespace

void StorePoint(CamModel& m, int /*count*/, float theta) {
    m.ThetaLocal = theta;
    const float g = m.ThetaLocal + m.SegStart[m.CurSeg];
    const int i = CheckedIndex(m, g / m.DeltaTheta);
    m.Results[0][i] = g;
    m.Results[1][i] = m.Sval + m.SegLow[m.CurSeg];
    m.Results[2][i] = m.Vval * m.CamOmega;
    m.Results[3][i] = m.Aval * m.CamOmega2;
    m.Results[4][i] = m.Jval * m.CamOmega3;
}

void SegBoundary(CamModel& m) {
    const float start = m.SegStart[m.CurSeg];
    const std::string& dir = m.SegDir[m.CurSeg];
    const bool dwell = !dir.empty() && std::toupper(static_cast<unsigned char>(dir[0])) == 'D';
    const float first = start / m.DeltaTheta + (dwell ? 1.0f : 0.0f);
    const float last = (m.SegBetaDeg + start) / m.DeltaTheta - (dwell ? 1.0f : 0.0f);
    const int i1 = CheckedIndex(m, first);
    const int i2 = CheckedIndex(m, last);
    for (int k = 0; k <= 3; ++k) {
        m.SegEnds[m.CurSeg][1][k] = m.Results[k + 1][i1];
        m.SegEnds[m.CurSeg][2][k] = m.Results[k + 1][i2];
    }
}

void CamOmegaPowers(CamModel& m) {
    m.CamOmega2 = m.CamOmega * m.CamOmega;
    m.CamOmega3 = m.CamOmega2 * m.CamOmega;
}

void ReadOmega(CamModel& m, Host& host, double rpm) {
    m.CamOmega = static_cast<float>(rpm * 3.141592654 / 30.0);
    if (m.CamOmega == 0.0f) {
        host.message(" Shaft Omega cannot be zero - Please check", model::Icon::Exclamation,
                     model::DefaultTitle());
        m.CamOmega = 1.0f;
        m.CamOmega2 = 1.0f;
        m.CamOmega3 = 1.0f;
    }
}

} // namespace trochix::motion
