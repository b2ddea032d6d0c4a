#include "forms/SizeCamForm.h"

#include "chain/Recalculate.h"
#include "geometry/Checked.h"
#include "geometry/Sizing.h"
#include "geometry/SizingChecks.h"
#include "geometry/SizingSummary.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/Units.h"
#include "text/NumberText.h"

namespace trochix::geometry {

namespace {

SizeResultsState Calculated(const CamModel& m) {
    SizeResultsState s;
    s.pamin = text::FNRoundStr(m.PressMin, 1);
    s.pamax = text::FNRoundStr(m.PressMax, 1);
    s.rhomin = text::FNRoundStr(m.RhoMin, 2);
    s.calcEnabled = false;
    s.summaryEnabled = s.copyEnabled = s.printFormEnabled = s.doneEnabled = true;
    return s;
}

} // namespace

SizeResultsState ClearSizeResults() {
    return SizeResultsState{};
}

SizeResultsState SizeResultsShown(const CamModel& m) {
    return m.ProfileDone ? Calculated(m) : ClearSizeResults();
}

SizeCamInputs SizeCamOptionsOf(const CamModel& m) {
    SizeCamInputs in;
    in.ccw = m.CamDirection == 1;
    in.translating = m.Translating;
    in.followerType = m.FollowerType == 2 ? 2 : 1;
    in.barrel = m.CamType == "Barrel";
    in.armCcw = m.ArmDirection >= 0.0f;
    return in;
}

SizeCamEnabling SizeCamInputsEnabled(const SizeCamInputs& in) {
    SizeCamEnabling e;
    e.offset = in.translating && !in.barrel && in.followerType == 1;
    e.follower = in.followerType == 1;
    e.arm = !in.translating;
    return e;
}

std::string PrimeCaptionOf(const CamModel& m) {
    const bool offset = SizeCamInputsEnabled(SizeCamOptionsOf(m)).offset;
    return offset && m.Offset != 0.0f ? "Prime Distance" : "Prime Radius";
}

SizeCamBoxes SizeCamBoxesOf(const CamModel& m) {
    SizeCamBoxes b;
    b.prime = text::TrimmedStr(m.PrimeRadius);
    b.offset = SizeCamInputsEnabled(SizeCamOptionsOf(m)).offset ? text::TrimmedStr(m.Offset) : "0";
    b.follower = text::TrimmedStr(m.RollerRadius);
    b.clx = text::TrimmedStr(m.ArmPivotX);
    b.cly = text::TrimmedStr(m.ArmPivotY);
    b.armRadius = text::TrimmedStr(m.ArmRadius);
    return b;
}

SizeCamOptionResult SizeCamOptionClick(CamModel& m, Host& host, const SizeCamInputs& in,
                                       SizeCamOption changed) {
    SizeCamOptionResult r;
    model::RunGuarded(host, "frm_SizeCam.Options", [&] {
        m.CamDirection = in.ccw ? 1 : -1;
        m.FollowerType = in.followerType;
        m.CamType = in.barrel ? "Barrel" : "Radial";
        m.ArmDirection = in.armCcw ? 1.0f : -1.0f;
        if (m.Translating != in.translating) {
            m.Translating = in.translating;
            model::RefreshUnitLabels(m);
        }
        const bool zero = (changed == SizeCamOption::Foltype && in.followerType == 2) ||
                          (changed == SizeCamOption::FolDirect && in.barrel) ||
                          (changed == SizeCamOption::Folmotion && !in.translating);
        if (zero) {
            m.Offset = 0.0f;
            r.offsetZeroed = true;
        }
        if (changed == SizeCamOption::Foltype && in.followerType == 2 && m.SvajDone &&
            !m.ExampleSizing && !m.Loading)
            MinBasecircle(m, host);
        r.redraw = r.clearResults = m.SvajDone;
    });
    r.enabling = SizeCamInputsEnabled(in);
    return r;
}

SizeCamCalcResult SizeCamCalc(CamModel& m, Host& host, const SizeCamInputs& in) {
    SizeCamCalcResult result;
    result.state = ClearSizeResults();
    const model::BusyPointer busy(host);
    const bool read = model::RunGuarded(host, "frm_SizeCam.Calc", [&] {
        // The boxes were checked when they were left; letters left in one are never read as 0.
        if (text::HoldsNumber(in.primeText))
            m.PrimeRadius = static_cast<float>(text::Val(in.primeText));
        if (text::HoldsNumber(in.offsetText))
            m.Offset = static_cast<float>(text::Val(in.offsetText));
        m.CamDirection = in.ccw ? 1 : -1;
        m.Translating = in.translating;
        m.FollowerType = in.followerType;
        if (in.followerType == 2) {
            m.FaceWidth = ToSingle(FlatFaceExtents(m).width());
            m.RollerRadiusText = text::FNRoundStr(m.FaceWidth, 2);
        } else {
            CommitRollerRadius(m, host, in.followerText, FollowerCheck::Unchecked);
        }
        m.CamType = in.barrel ? "Barrel" : "Radial";
    });
    const bool hadDynamics = m.DynamicsDone;
    if (read && chain::RunSizing(m, host)) {
        result.state = Calculated(m);
        result.completed = true;
        // Force and torque read the pressure angle just computed.
        chain::RefreshDynamics(m, host, hadDynamics);
    }
    return result;
}

} // namespace trochix::geometry
