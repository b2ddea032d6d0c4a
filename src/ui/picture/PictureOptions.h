// The command line of pictures rendered without a window:
//   trochix (--example N | --open FILE [--recalc]) --plot "DI VE AC JE"
//           [--layout single|two|four|polar] [--style aligned|annotated] [--segment all|K]
//           --out FILE.png|.svg|.pdf
//   trochix (--example N | --open FILE [--recalc]) --draw --out FILE.png|.svg|.pdf
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
    std::vector<std::string> plotCodes; // --plot: two-letter function codes, 1 to 4
    std::string layout = "single";      // single, two, four, polar
    std::string style = "annotated";    // aligned, annotated (two and four windows)
    int segment = 0;                    // 0 = all, else 1..16
    std::string outPath;                // --out
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

} // namespace trochix::ui
