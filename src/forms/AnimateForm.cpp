#include "forms/AnimateForm.h"

#include "forms/SizeCamForm.h"
#include "model/CamModel.h"
#include "text/NumberText.h"

namespace trochix::geometry {

AnimateTexts AnimateResults(const CamModel& m) {
    AnimateTexts t;
    t.pamax = text::FNRoundStr(m.PressMax, 1);
    t.pamin = text::FNRoundStr(m.PressMin, 1);
    t.rhoPos = m.RhoPosMinText;
    t.rhoNeg = m.RhoNegMinText;
    const bool flat = m.FollowerType == 2;
    t.offsetEditable = SizeCamInputsEnabled(SizeCamOptionsOf(m)).offset;
    t.primeCaption = PrimeCaptionOf(m);
    t.followerCaption = flat ? "Folwr Width" : "Folwr Radius";
    t.followerText = flat ? text::FNRoundStr(m.FaceWidth, 2) : SizeCamBoxesOf(m).follower;
    t.followerEditable = !flat;
    return t;
}

const std::string& AnimatePrintQuestion() {
    static const std::string q =
        "The image of cam and follower on this screen may not come out on some printers.\r"
        "If this occurs, you can still get a printout of the screen by copying it to the "
        "clipboard\r(use Alt-PrintScrn) and pasting the image into a word processor,  a drawing "
        "program,\r or a graphics package, then printing from it.\r\rDo you want to send it to "
        "the printer now anyway?";
    return q;
}

} // namespace trochix::geometry
