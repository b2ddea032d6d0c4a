// The command line of trochix-batch.
#pragma once

#include "files/ExportRegistry.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trochix::batch {

struct BatchOptions {
    int example = 0;      // --example N (1..5), 0 when a file is opened
    std::string openPath; // --open FILE
    bool recalc = false;  // --recalc
    std::string stepText; // --step D, as given ("" = keep the model's step)
    int units = 0;        // --units K (1..5), 0 = keep
    std::string savePath; // --save FILE
    // --export-all FILE and the other exports, by their place in files::kExports.
    std::array<std::string, files::kExportCount> exportPaths{};
    bool continuity = false; // --continuity
    int fftRow = 0;          // --fft ROW (1..16), 0 = no transform
    int harmonics = 15;      // --harmonics H
    std::string fftOutPath;  // --fft-out FILE
    // --table "DI VE AC JE": typing codes of the selection lists, one per column ("-" an
    // empty column), separated by blanks or commas.
    std::vector<std::string> tableCodes;
    int tableEvery = 1;                           // --every N, a "Print Every" entry
    std::array<int, 4> tableDecimals{2, 2, 2, 2}; // --decimals D or D1,D2,..
    int tableDecimalsGiven = 0;                   // how many numbers --decimals gave
    int tableSegment = 0;                         // --segment K, 0 for all
    std::string tableOutPath;                     // --table-out FILE
    // --surface-out FILE: the machined cam, its format by the extension, with --cutter R,
    // --tolerance T, --thickness H, --bore D (as given) and --allow-undercut.
    std::string surfaceOutPath;
    std::string cutterText, toleranceText, thicknessText, boreText;
    bool allowUndercut = false;
    // --contact: the contact's verdicts, with --width W, --modulus E1[,E2] and
    // --poisson NU1[,NU2] (cam, then follower; one value for both), as given.
    bool contact = false;
    std::string widthText, modulusText, poissonText;
    // --suggest: the smallest cam within the limits, with --pa RISE[,FALL], --min-rho R and
    // --best-offset; the rest of the run uses the cam sized that way.
    bool suggest = false;
    std::string paText, minRhoText;
    bool bestOffset = false;
    // --design-map FILE: the design map's grid as CSV, over --map-axes prime,roller (or
    // prime,offset, prime,pivot; "" the first the follower has) with --map-size N nodes a side.
    std::string designMapPath, mapAxesText;
    int mapSize = 100;
    // --response [--from-rest]: the residual lines and the largest error; --train-stiffness K
    // (as given); --response-spectrum FILE with --segment K and --ratios FROM,TO.
    bool response = false;
    bool fromRest = false;
    std::string trainStiffnessText;
    std::string spectrumOutPath;
    double ratioFrom = 0.25, ratioTo = 5.0;
    bool help = false;    // --help
    bool version = false; // --version
};

struct ParseResult {
    std::optional<BatchOptions> options; // empty on a usage error
    std::string error;                   // what was wrong
};

// args are the arguments after the program name. Every option at most once; values are whole
// numbers where a number is expected. --help (-h) or --version ends the parse where it stands.
ParseResult ParseArguments(const std::vector<std::string>& args);

// The usage text, with the order in which the options are carried out.
std::string UsageText();

} // namespace trochix::batch
