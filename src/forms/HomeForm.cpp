#include "forms/HomeForm.h"

#include "chain/Stages.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/Initialize.h"

namespace trochix::model {

const std::string kNeedsMotionProgram = "Calculate the motion program first (S-V-A-J)";
const std::string kNeedsSizedCam = "Size the cam first (Size Cam)";
const std::string kNeedsRadialCam = "Only a radial cam is drawn (Size Cam)";
const std::string kNotInThisVersion = "Not included in this version of the program";

namespace {

Offer Unless(bool refused, const std::string& why) {
    return refused ? Offer{false, why} : Offer{true, {}};
}

} // namespace

Offer Available(const Offer& rule, bool targetExists) {
    return targetExists ? rule : Offer{false, kNotInThisVersion};
}

HomeButtons SetHomeButtons(const CamModel& m) {
    HomeButtons b;
    b.SizeCam = b.Plot = b.Print = Unless(!m.SvajDone, kNeedsMotionProgram);
    b.Dynamics = Unless(!m.ProfileDone, kNeedsSizedCam);
    b.DrawCam = m.ProfileDone ? Unless(m.CamType != "Radial", kNeedsRadialCam) : b.Dynamics;
    return b;
}

void LoadHomeScreen(CamModel& m) {
    chain::Withdraw(m, model::Stage::Motion);
    m.CamType = "Radial";
}

FileMenu FileMenuEnabling(const CamModel& m) {
    FileMenu f;
    f.New = f.Save = f.SaveAs = f.CalculateFFT = Unless(!m.SvajDone, kNeedsMotionProgram);
    f.Export = Unless(!m.ProfileDone, kNeedsSizedCam);
    return f;
}

bool SaveBeforeQuit(const CamModel& m) {
    return (m.SvajDone || m.ProfileDone) && !m.ModelSaved;
}

bool NewCommand(CamModel& m, Host& host, const std::function<void()>& saveAs) {
    if (m.SvajDone && !m.ModelSaved) {
        const Answer save = host.message(
            "The current data has not been saved.  Do you want to save it before resetting?",
            Icon::Question, DefaultTitle(), Buttons::YesNo, Answer::Yes);
        if (save == Answer::Yes && saveAs)
            saveAs();
    }
    const Answer confirm =
        host.message("Please confirm your order to reset all variables to initial values",
                     Icon::Question, DefaultTitle(), Buttons::OKCancel, Answer::OK);
    if (confirm != Answer::OK)
        return false;
    ResetModel(m, host);
    return true;
}

} // namespace trochix::model
