// The sizing screen's result area and its "Calc" command, as plain data: the screen reads its
// controls into SizeCamInputs, calls SizeCamCalc and shows the returned state.
#pragma once

#include <string>

#include "model/Forward.h"

namespace trochix::geometry {

using model::CamModel;
using model::Host;

// Result labels and command availability of the sizing screen.
struct SizeResultsState {
    std::string pamax;  // lbl_Pamax: largest pressure angle, 1 decimal
    std::string pamin;  // lbl_Pamin: smallest pressure angle, 1 decimal
    std::string rhomin; // lbl_Rhomin: RhoMin, 2 decimals
    bool calcEnabled = true;
    bool summaryEnabled = false; // "Show Summary"
    bool copyEnabled = false;
    bool printFormEnabled = false;
    bool doneEnabled = false;
};

// After any input change: labels blank, only "Calc" available.
SizeResultsState ClearSizeResults();

// The controls "Calc" reads.
struct SizeCamInputs {
    std::string primeText = "1";    // txt_Prime
    std::string offsetText = "0";   // txt_Offset
    std::string followerText = "1"; // txt_Follower (roller only)
    bool ccw = false;               // opt_Rotate: "Ccw" (CamDirection +1) or "Cw" (-1)
    bool translating = true;        // opt_Folmotion
    int followerType = 1;           // opt_Foltype: 1 roller, 2 flat-faced
    bool barrel = false;            // opt_FolDirect: "Barrel" or "Radial"
};

struct SizeCamCalcResult {
    bool completed = false; // pressure angle and radius of curvature were computed
    SizeResultsState state;
};

// Reads the inputs into the model (a roller sets RollerRadiusText with 2 decimals, a flat face
// the face width), runs Autopress and RadiusOfCurvature and fills the labels. The busy pointer
// is shown meanwhile. When a pass stops (its fault or warning already shown), the labels stay
// blank and "Calc" stays available.
SizeCamCalcResult SizeCamCalc(CamModel& model, Host& host, const SizeCamInputs& inputs);

} // namespace trochix::geometry
