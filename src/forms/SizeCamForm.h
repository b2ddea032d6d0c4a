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

// What the screen shows when it comes up: the results of the model when its cam is sized
// (ProfileDone), else the cleared state.
SizeResultsState SizeResultsShown(const CamModel& model);

// The controls "Calc" reads.
struct SizeCamInputs {
    std::string primeText = "1";    // txt_Prime
    std::string offsetText = "0";   // txt_Offset
    std::string followerText = "1"; // txt_Follower (roller only)
    bool ccw = false;               // opt_Rotate: "Ccw" (CamDirection +1) or "Cw" (-1)
    bool translating = true;        // opt_Folmotion
    int followerType = 1;           // opt_Foltype: 1 roller, 2 flat-faced
    bool barrel = false;            // opt_FolDirect: "Barrel" or "Radial"
    bool armCcw = true;             // opt_ArmRotate: "Ccw" (ArmDirection +1) or "Cw" (-1)
};

// The options as the model holds them.
SizeCamInputs SizeCamOptionsOf(const CamModel& model);

// Which boxes take input: the offset only for a translating roller on a radial cam, the
// roller radius for a roller, the arm centre, radius and rotation for an oscillating follower.
struct SizeCamEnabling {
    bool offset = true;
    bool follower = true;
    bool arm = false;
};
SizeCamEnabling SizeCamInputsEnabled(const SizeCamInputs& inputs);

// Caption of the prime frame: "Prime Distance" for a translating roller with an offset,
// "Prime Radius" otherwise.
std::string PrimeCaptionOf(const CamModel& model);

// The texts of the input boxes as the model holds them (a follower without an offset of its
// own shows "0").
struct SizeCamBoxes {
    std::string prime, offset, follower, clx, cly, armRadius;
};
SizeCamBoxes SizeCamBoxesOf(const CamModel& model);

enum class SizeCamOption { Rotate, Folmotion, Foltype, FolDirect, ArmRotate };

struct SizeCamOptionResult {
    bool offsetZeroed = false; // Offset set to 0: the offset box shows "0"
    bool redraw = false;       // the sizing picture is drawn again
    bool clearResults = false; // ClearSizeResults
    SizeCamEnabling enabling;
};

// An option button was chosen: the options go into the model (a change of follower motion
// also relabels the units). "Flat", "Barrel" and "Oscillating" set the offset to 0; "Flat"
// shows the minimum base circle advice unless an example or a file is filling the screens.
// With a motion program calculated the picture is redrawn and the results blanked.
SizeCamOptionResult SizeCamOptionClick(CamModel& model, Host& host, const SizeCamInputs& inputs,
                                       SizeCamOption changed);

struct SizeCamCalcResult {
    bool completed = false; // pressure angle and radius of curvature were computed
    SizeResultsState state;
};

// Reads the inputs into the model (a roller sets RollerRadiusText with 2 decimals, a flat face
// the face width), runs the sizing (Autopress and RadiusOfCurvature), computes dynamics that
// had been computed again from the new pressure angle, and fills the labels. The busy pointer
// is shown meanwhile. When a pass stops (its fault or warning already shown), the labels stay
// blank and "Calc" stays available.
SizeCamCalcResult SizeCamCalc(CamModel& model, Host& host, const SizeCamInputs& inputs);

} // namespace trochix::geometry
