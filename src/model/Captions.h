// The screens of the program and their window titles.
//
// ScreenId lists every screen once; the navigation service (ui/Navigator.h) keeps one instance
// per id. A new screen needs no change here: its id, its name ("frm_...") and its title suffix
// are already in this table.
#pragma once

#include <array>
#include <string>

namespace trochix::model {

enum class ScreenId {
    Title,
    HomeScreen,
    InputData,
    Bounds,
    Poly,
    Continuity,
    SizeCam,
    Animate,
    Dynamics,
    FFT,
    PlotType,
    PlotSelect1,
    PlotSelect2,
    PlotSelect3,
    PlotSelect4,
    Plot1,
    Plot2,
    Myplot2,
    Plot3,
    MyPlot3,
    Plot4,
    PrintSelect,
    PrintData,
    User,
    Quit,
    About,
    MakeCam,
    DesignMap,
    Response,
};

constexpr int kScreenCount = static_cast<int>(ScreenId::Response) + 1;

constexpr int ScreenIndex(ScreenId id) {
    return static_cast<int>(id);
}

// The screen's internal name, as used in messages and error reports: "frm_InputData".
const char* ScreenName(ScreenId id);

// The part of the window title after the application title; "" for screens that carry the
// application title alone.
const char* ScreenTitleSuffix(ScreenId id);

using Captions = std::array<std::string, kScreenCount>;

// Every window title: appTitle, nine blanks and the suffix (appTitle alone without a suffix).
Captions SetCaptions(const std::string& appTitle);

} // namespace trochix::model
