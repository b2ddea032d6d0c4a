#include "motion/SegmentDriver.h"

#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ResultRow.h"
#include "motion/MathHelpers.h"
#include "motion/MotionLaws.h"
#include "motion/Polynomial.h"
#include "text/NumberText.h"

#include <cctype>
#include <cmath>
#include <string>

namespace trochix::motion {

using model::ResultRow;
using text::ShortestDouble;
using text::Val;

void SegSetup(CamModel& m) {
    m.SegBetaDeg = m.SegBeta[m.CurSeg];
    m.SegBetaRad = m.SegBetaRadArr[m.CurSeg];
    m.SegBetaRad2 = m.SegBetaRad * m.SegBetaRad;
    m.SegBetaRad3 = m.SegBetaRad2 * m.SegBetaRad;
}

bool IsDwellRow(const CamModel& m, int seg) {
    return m.SegDir[seg] == "D" || m.SegLawText[seg] == LawList[kLawDwell];
}

void SegmentPositions(CamModel& m, int seg) {
    const double start = Val(m.SegStartText[seg]);
    const double end = Val(m.SegEndText[seg]);
    m.SegLift[seg] = static_cast<float>(IsDwellRow(m, seg) ? end : std::fabs(end - start));
    const std::string& dir = m.SegDir[seg];
    float low = 0.0f;
    if (dir != "D" && start != 0.0) {
        if (dir == "R")
            low = static_cast<float>(std::fabs(start));
        else if (dir == "F")
            low = static_cast<float>(std::fabs(end));
    }
    m.SegLow[seg] = low;
}

int RoundIndex(double x) {
    return static_cast<int>(std::nearbyint(x));
}

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
    m.Results[ResultRow::CamAngle][i] = g;
    m.Results[ResultRow::Displacement][i] = m.Sval + m.SegLow[m.CurSeg];
    m.Results[ResultRow::Velocity][i] = m.Vval * m.CamOmega;
    m.Results[ResultRow::Acceleration][i] = m.Aval * m.CamOmega2;
    m.Results[ResultRow::Jerk][i] = m.Jval * m.CamOmega3;
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

const std::string& OmegaRefusalMessage() {
    static const std::string text = " Shaft Omega cannot be zero - Please check";
    return text;
}

void ReadOmega(CamModel& m, Host& host, double rpm) {
    m.CamOmega = static_cast<float>(rpm * model::kPi / 30.0);
    if (m.CamOmega == 0.0f) {
        host.message(OmegaRefusalMessage(), model::Icon::Exclamation, model::DefaultTitle());
        m.CamOmega = 1.0f;
        m.CamOmega2 = 1.0f;
        m.CamOmega3 = 1.0f;
    }
}

void UpdateTotalLift(CamModel& m) {
    const MaxMin r = MaxMin1(m.Results[ResultRow::Displacement].data(), 1, m.NumPoints);
    m.TotalLift = static_cast<float>(r.max - r.min);
}

std::string ZeroBetaMessage(int segment) {
    return "Segment " + std::to_string(segment) +
           " has a duration (Beta) of zero - please enter its Beta before calculating";
}

std::string PositionNotNumberMessage(int segment) {
    return "Segment " + std::to_string(segment) +
           " has a Start or End position that is not a number - please correct it before "
           "calculating";
}

std::string NoLawMessage(int segment) {
    return "Segment " + std::to_string(segment) +
           " has no motion law - please pick one from its Program list before calculating";
}

bool CalcSegment(CamModel& m, Host& host, int segment, int variant) {
    if (segment < 1 || segment > model::kMaxSegments)
        throw model::Fault(model::kSubscriptOutOfRange);
    m.CurSeg = segment;
    // Every law divides by beta in degrees and in radians: a zero-length segment would fill
    // its points with infinities, so it is refused while Results are still untouched.
    if (!(m.SegBeta[segment] > 0.0f) || !(m.SegBetaRadArr[segment] > 0.0f)) {
        host.message(ZeroBetaMessage(segment), model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    const bool polynomial = m.SegDir[segment] == "P";
    const int law = polynomial ? kLawPolynomial : m.SegLawFamily[segment];
    if (law < 0 || law >= kLawCount) {
        host.message(NoLawMessage(segment), model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    const bool half = variant == 2;
    const bool secondHalf = m.SegHalf[segment] == 2;
    bool ok = true;
    switch (law) {
    case kLawCycloidFull:
    case kLawCycloid1:
    case kLawCycloid2:
        if (!half)
            Cycloid(m);
        else if (secondHalf)
            Cycloid2(m);
        else
            Cycloid1(m);
        break;
    case kLawSimpHarmFull:
    case kLawSimpHarm1:
    case kLawSimpHarm2:
        if (!half)
            SimpHarm(m);
        else if (secondHalf)
            SimpHarm2(m);
        else
            SimpHarm1(m);
        break;
    case kLawModSine: ModSine(m); break;
    case kLawModTrap: ModTrap(m); break;
    case kLawDoubleHarm: DoubleHarm(m); break;
    case kLawDwell: Dwell(m, m.Lift); break;
    case kLaw345: ok = Poly345(m, host); break;
    case kLaw4567: ok = Poly4567(m, host); break;
    case kLawPolynomial: ok = EvaluateStoredPolynomial(m, host); break;
    }
    if (!ok)
        return false;
    SegBoundary(m);
    UpdateTotalLift(m);
    return true;
}

std::string OmegaRpmText(float camOmega) {
    const double rpm = camOmega * 30.0 / model::kPi;
    std::string text;
    for (int digits = 7; digits <= 17; ++digits) {
        text = ShortestDouble(rpm, digits);
        if (static_cast<float>(Val(text) * model::kPi / 30.0) == camOmega)
            break;
    }
    return text;
}

} // namespace trochix::motion
