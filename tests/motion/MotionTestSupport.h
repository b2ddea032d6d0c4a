// Shared set-up of the motion tests: a model with a segment ready for its law routine.
#pragma once

#include "model/Constants.h"
#include "motion/MotionLaws.h"
#include "support/TestModels.h"

#include <algorithm>
#include <memory>
#include <string>

namespace trochix::motion::test {

// Radians of beta as the input screen stores them.
inline float BetaRadians(float deg) {
    return static_cast<float>(deg / model::kRadToDeg);
}

// A model at the given step with cleared Results, cam speed 1 rad/s (stored V, A, J are then
// per radian) and no segments.
inline std::unique_ptr<model::CamModel> EmptyModel(float step = 1.0f) {
    auto m = testsupport::ModelAtStep(step);
    m->CamOmega = m->CamOmega2 = m->CamOmega3 = 1.0f;
    return m;
}

// Segment `seg` with law `law` (list index), direction, start angle, beta and lift h on base 0;
// CurSeg and Lift point at it.
inline void SetSegment(model::CamModel& m, int seg, int law, const std::string& dir, float start,
                       float beta, float h) {
    m.NumSegments = std::max(m.NumSegments, seg);
    m.SegLawText[seg] = LawList[law];
    m.SegDir[seg] = dir;
    m.SegStart[seg] = start;
    m.SegBeta[seg] = beta;
    m.SegBetaRadArr[seg] = BetaRadians(beta);
    m.SegEnd[seg] = start + beta;
    m.SegLift[seg] = h;
    m.SegLow[seg] = 0.0f;
    m.CurSeg = seg;
    m.Lift = h;
}

} // namespace trochix::motion::test
