#include "geometry/SizeCamForm.h"

#include "geometry/Checked.h"
#include "geometry/Sizing.h"
#include "geometry/SizingSummary.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "text/NumberText.h"

namespace trochix::geometry {

SizeResultsState ClearSizeResults() { return SizeResultsState{}; }

SizeCamCalcResult SizeCamCalc(CamModel& m, Host& host, const SizeCamInputs& in) {
    SizeCamCalcResult result;
    result.state = ClearSizeResults();
    const model::BusyPointer busy(host);
    const bool read = model::RunGuarded(host, "frm_SizeCam.Calc", [&] {
        m.PrimeRadius = static_cast<float>(text::Val(in.primeText));
        m.Offset = static_cast<float>(text::Val(in.offsetText));
        m.CamDirection = in.ccw ? 1 : -1;
        m.Translating = in.translating;
        m.FollowerType = in.followerType;
        if (in.followerType == 2) {
            m.FaceWidth = ToSingle(FlatFaceExtents(m).width());
            m.RollerRadiusText = text::FNRoundStr(m.FaceWidth, 2);
        } else {
            m.RollerRadius = static_cast<float>(text::Val(in.followerText));
            m.RollerRadiusText = text::FNRoundStr(m.RollerRadius, 2);
        }
        m.CamType = in.barrel ? "Barrel" : "Radial";
    });
    if (read && Autopress(m, host, m.FollowerType) &&
        RadiusOfCurvature(m, host, m.FollowerType)) {
        SizeResultsState& s = result.state;
        s.pamin = text::FNRoundStr(m.PressMin, 1);
        s.pamax = text::FNRoundStr(m.PressMax, 1);
        s.rhomin = text::FNRoundStr(m.RhoMin, 2);
        s.calcEnabled = false;
        s.summaryEnabled = s.copyEnabled = s.printFormEnabled = s.doneEnabled = true;
        result.completed = true;
    }
    return result;
}

} // namespace trochix::geometry
