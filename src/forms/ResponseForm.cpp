#include "forms/ResponseForm.h"

#include "chain/ResponseStage.h"
#include "chain/Stages.h"
#include "dynamics/ResponseText.h"
#include "forms/DynamicsForm.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "text/NumberText.h"

#include <cmath>

namespace trochix::forms {

std::vector<ResidualRow> ResidualTable(const CamModel& m) {
    std::vector<ResidualRow> rows;
    for (int seg = 1; seg <= m.NumSegments && seg <= model::kMaxSegments; ++seg) {
        if (!dynamics::IsRiseOrFallRow(m, seg))
            continue;
        ResidualRow r;
        r.segment = seg;
        r.law = m.SegLawText[seg];
        if (m.Response.HasResidual[static_cast<std::size_t>(seg)]) {
            r.amplitude = text::TrimmedStr(m.Response.Residual[static_cast<std::size_t>(seg)]);
            r.fraction = text::FNRoundStr(100.0 * dynamics::ResidualFraction(m, seg), 3) + " %";
        } else {
            r.amplitude = "none";
            r.fraction = "no dwell follows";
        }
        rows.push_back(r);
    }
    return rows;
}

std::vector<int> SpectrumSegments(const CamModel& m) {
    std::vector<int> segs;
    for (int seg = 1; seg <= m.NumSegments && seg <= model::kMaxSegments; ++seg)
        if (chain::HasSpectrum(m, seg))
            segs.push_back(seg);
    return segs;
}

bool CommitTrainStiffness(CamModel& m, Host& host, const std::string& text) {
    const double v = text::Val(text);
    if (!text::HoldsNumber(text) || !(v >= 0.0) || !std::isfinite(v) || v > 1.0e20) {
        host.message("The train stiffness must be 0 or more.  Please redo.", model::Icon::Warning,
                     model::DefaultTitle());
        return false;
    }
    if (static_cast<float>(v) != m.TrainStiffness) {
        m.TrainStiffness = static_cast<float>(v);
        chain::Changed(m, chain::Input::ResponseData);
    }
    return true;
}

std::string TrainStiffnessText(const CamModel& m) {
    return dynamics::BoxText(m.TrainStiffness);
}

void ChooseFromRest(CamModel& m, bool fromRest) {
    if (m.ResponseFromRest == fromRest)
        return;
    m.ResponseFromRest = fromRest;
    chain::Changed(m, chain::Input::ResponseData);
}

} // namespace trochix::forms
