#include "model/HomeForm.h"

#include "model/CamModel.h"
#include "model/Host.h"
#include "model/Initialize.h"

namespace trochix::model {

HomeButtons SetHomeButtons(const CamModel& m) {
    HomeButtons b;
    b.SizeCam = b.Plot = b.Print = m.SvajDone;
    b.Dynamics = m.ProfileDone;
    b.DrawCam = m.ProfileDone && m.CamType == "Radial";
    return b;
}

FileMenu FileMenuEnabling(const CamModel& m) {
    FileMenu f;
    f.New = f.Save = f.SaveAs = f.CalculateFFT = m.SvajDone;
    f.Export = m.ProfileDone;
    return f;
}

bool SaveBeforeQuit(const CamModel& m) { return (m.SvajDone || m.ProfileDone) && !m.ModelSaved; }

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
