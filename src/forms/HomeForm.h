// What the home screen offers, as pure functions of the model's flags, and the model side of
// its File > New and Quit commands. The home screen combines these rules with whether the
// target screen or command exists yet (a button never does nothing, see Available).
//
// Every offer carries, when it is refused, the reason the user reads in the greyed button's or
// entry's tooltip and status tip: what to do first to enable it.
#pragma once

#include <functional>
#include <string>

namespace trochix::model {

struct CamModel;
class Host;

struct Offer {
    bool enabled = false;
    std::string why; // empty when enabled
};

// The reasons, as the tips show them.
extern const std::string kNeedsMotionProgram; // "Calculate the motion program first (S-V-A-J)"
extern const std::string kNeedsSizedCam;      // "Size the cam first (Size Cam)"
extern const std::string kNeedsRadialCam;     // Draw Cam on a barrel cam
extern const std::string kNotInThisVersion;   // the screen or command does not exist yet

// The rule's offer when its target exists; a refusal naming the missing piece otherwise.
Offer Available(const Offer& rule, bool targetExists);

struct HomeButtons {
    Offer SVAJ{true, {}};
    Offer SizeCam;
    Offer DrawCam;
    Offer Dynamics;
    Offer Plot;
    Offer Print;
    Offer Quit{true, {}};
};

// The motion program enables sizing, plotting and printing; the sized profile enables the
// dynamics and, for a radial cam only, the drawing.
HomeButtons SetHomeButtons(const CamModel& model);

// When the home screen is built: nothing is calculated yet (SvajDone and ProfileDone false) and
// the cam is radial.
void LoadHomeScreen(CamModel& model);

struct FileMenu {
    Offer New;
    Offer Save;
    Offer SaveAs;
    Offer CalculateFFT;
    Offer Export;
};

// New, Save, Save as and Calculate FFT need the motion program; Export the sized cam.
FileMenu FileMenuEnabling(const CamModel& model);

// Quit first offers Save as when there are results that were never saved.
bool SaveBeforeQuit(const CamModel& model);

// File > New: offers to save unsaved results (saveAs runs the Save as command; it may be empty
// while no such command exists), then asks for confirmation and resets the model.
// Returns true when the model was reset; Cancel leaves every value as it was.
bool NewCommand(CamModel& model, Host& host, const std::function<void()>& saveAs);

} // namespace trochix::model
