// What the home screen offers, as pure functions of the model's flags, and the model side of
// its File > New and Quit commands. The home screen combines these rules with whether the
// target screen or command exists yet (a button never does nothing).
#pragma once

#include <functional>

namespace trochix::model {

struct CamModel;
class Host;

struct HomeButtons {
    bool SVAJ = true;
    bool SizeCam = false;
    bool DrawCam = false;
    bool Dynamics = false;
    bool Plot = false;
    bool Print = false;
    bool Quit = true;
};

// The motion program enables sizing, plotting and printing; the sized profile enables the
// dynamics and, for a radial cam only, the drawing.
HomeButtons SetHomeButtons(const CamModel& model);

struct FileMenu {
    bool New = false;
    bool Save = false;
    bool SaveAs = false;
    bool CalculateFFT = false;
    bool Export = false;
};

FileMenu FileMenuEnabling(const CamModel& model);

// Quit first offers Save as when there are results that were never saved.
bool SaveBeforeQuit(const CamModel& model);

// File > New: offers to save unsaved results (saveAs runs the Save as command; it may be empty
// while no such command exists), then asks for confirmation and resets the model.
// Returns true when the model was reset; Cancel leaves every value as it was.
bool NewCommand(CamModel& model, Host& host, const std::function<void()>& saveAs);

} // namespace trochix::model
