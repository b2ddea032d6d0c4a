// The command line of trochix: the screens (with a model file open, as a desktop opens a
// double-clicked .cam file), --help, --version, or a picture rendered without a window:
//   trochix [FILE.cam]
//   trochix (--example N | --open FILE [--recalc]) --plot "DI VE AC JE"
//           [--layout single|two|four|polar] [--style aligned|annotated] [--segment all|K]
//           [--chart-only] --out FILE.png|.svg|.pdf
//   trochix (--example N | --open FILE [--recalc]) --draw --out FILE.png|.svg|.pdf
//   trochix (--example N | --open FILE [--recalc]) --design-map
//           [--map-axes prime,roller|prime,offset|prime,pivot] [--map-size N] --out FILE
//   trochix (--example N | --open FILE [--recalc]) --screen NAME --out FILE.png|.svg|.pdf
// An opened file shows the results it holds, as after File > Open, or with --recalc all of
// them recomputed (an example is computed whole either way); the picture is the one the plot
// or Draw Cam screen shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trochix::ui {

struct PictureOptions {
    int example = 0;                    // 1..5, 0 when a file is opened
    std::string openPath;               // --open FILE
    bool recalc = false;                // --recalc: recompute an opened file whole
    bool draw = false;                  // --draw: the Draw Cam picture
    std::string screen;                 // --screen NAME: a whole screen (ScreenPicture.h)
    std::vector<std::string> plotCodes; // --plot: two-letter function codes, 1 to 4
    std::string layout = "single";      // single, two, four, polar
    std::string style = "annotated";    // aligned, annotated (two and four windows)
    int segment = 0;                    // 0 = all, else 1..16
    std::string outPath;                // --out
    bool chartOnly = false;             // --chart-only: the charts and headers, no controls
    bool designMap = false;             // --design-map: the Design Map screen's map
    std::string mapAxis;                // --map-axes prime,X: "roller", "offset", "pivot"
    int mapSize = 100;                  // --map-size: nodes along each axis
};

struct PictureParse {
    std::optional<PictureOptions> options; // empty on a usage error
    std::string error;
};

// True when the arguments ask for a picture rather than the screens.
bool WantsPicture(const std::vector<std::string>& args);

// args are the arguments after the program name.
PictureParse ParsePictureArguments(const std::vector<std::string>& args);

std::string PictureUsage();

// What the command line asks for. Help, version and usage errors are answered before any
// toolkit object exists, so they need no display.
enum class StartKind { Screens, Picture, Help, Version, UsageError };

struct StartCommand {
    StartKind kind = StartKind::Screens;
    std::optional<PictureOptions> picture; // for StartKind::Picture
    std::string error;                     // for StartKind::UsageError
    std::string openPath = {};             // for StartKind::Screens: the file to open, or ""
};

// args are the arguments after the program name. The first of --help (-h) and --version wins;
// otherwise the picture options, if any, are parsed; any other argument starting with '-' is
// unknown. One argument that is no option is the model file the screens open; more are refused.
StartCommand ParseCommandLine(const std::vector<std::string>& args);

// The whole usage text of trochix, the picture options included.
std::string ProgramUsage();

} // namespace trochix::ui
