#include "model/SegmentTable.h"

#include "model/CamModel.h"
#include "model/Initialize.h"

namespace trochix::model {

void ClearSegments(CamModel& m) {
    for (int row = 0; row < kMaxSegments; ++row)
        m.SegDone[row] = false;
    for (int s = 1; s <= kMaxSegments; ++s) {
        m.SegBetaText[s].clear();
        m.SegDir[s].clear();
        m.SegLawText[s].clear();
        m.SegLawFamily[s] = -1;
        m.SegStartText[s].clear();
        m.SegEndText[s].clear();
        m.SegBeta[s] = 0.0f;
        m.SegBetaRadArr[s] = 0.0f;
        m.SegStart[s] = 0.0f;
        m.SegEnd[s] = 0.0f;
        m.SegLift[s] = 0.0f;
        m.SegLow[s] = 0.0f;
        m.SegDesc[s].clear();
    }
    ClearResults(m, m.NumPoints, m.NumFunctions);
    m.ExampleLoaded = false;
}

void ClearSVAJ(CamModel& m) {
    m.OmegaText = "1";
    m.SegmentsText = "1";
    m.NumSegments = 1;
    // The step box shows "1" again, so the step and the point count follow it: a table of
    // 0.25-degree points under a 1-degree step would mix two grids.
    m.DeltaText = "1";
    m.DeltaTheta = 1.0f;
    m.NumPoints = 360;
    ClearSegments(m);
}

void StartEnd(CamModel& m) {
    m.SegStart[1] = 0.0f;
    m.SegEnd[1] = m.SegBeta[1];
    for (int i = 2; i <= m.NumSegments; ++i) {
        m.SegStart[i] = m.SegStart[i - 1] + m.SegBeta[i - 1];
        m.SegEnd[i] = m.SegStart[i] + m.SegBeta[i];
    }
}

} // namespace trochix::model
