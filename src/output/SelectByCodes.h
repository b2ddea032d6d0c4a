// A plot selection made without the selection screens, for pictures rendered from the command
// line and for scripts: the same functions, codes, layouts, styles and segment ranges, and the
// same plot request in the model as Done on a selection screen writes.
//
//   const output::CodeSelection s = output::SelectByCodes(model, {"DI", "VE"}, 2, 1, 0);
//   if (!s.ok) { std::cerr << s.error << "\n"; return 1; }
//   // model.PlotType, PlotStyle, NumPlotFuncs, PlotFunc, PlotStart/PlotEnd, SpectrumSelected,
//   // PlotAllSegments and CurSeg now hold the request; s.screen is the plot screen to fill.
#pragma once

#include "model/Captions.h"
#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::output {

struct CodeSelection {
    bool ok = false;
    std::string error;                               // why the selection was refused; "" when ok
    model::ScreenId screen = model::ScreenId::Plot1; // the plot screen for the request
};

// codes:   typing codes (output/FunctionList.h: "DI", "VE", ... "AN"), matched on their first
//          two characters, upper-cased; 1 to 4 of them (1 or 2 for two windows). Ignored by the
//          polar layout, whose function is always the cam profile.
// layout:  PlotType 1 single window, 2 two windows, 3 four windows, 4 polar.
// style:   PlotStyle 1 Aligned, 2 Annotated; only the two- and four-window layouts have a
//          choice (the others are always Annotated), and a spectrum is always Annotated.
// segment: 0 for the whole revolution, else the segment 1..NumSegments.
//
// Refused, with the model left untouched and one of these texts in `error`:
//   "no motion program computed"                         SvajDone is not set
//   "unknown layout 7"                                   layout outside 1..4
//   "unknown style 3"                                    style outside 1..2
//   "no function code given"                             no code for layouts 1..3
//   "two windows take 1 to 2 function codes, not 3"      too many codes for the layout
//   "unknown code \"ZZ\""                                a code that names no function
//   "stage not computed for \"PH\": size the cam first"  a function whose stage has not run
//            (also "... compute the dynamics first" and "... compute a Fourier transform first")
//   "spectrum and cam-angle functions cannot share a plot"
//   "no segment 9: the model has 4"                      a segment outside 1..NumSegments
//   "stage not computed for the polar plot: size the cam first"
CodeSelection SelectByCodes(model::CamModel& model, const std::vector<std::string>& codes,
                            int layout, int style, int segment);

// Why typed codes cannot be selected together ("" when they can): an unknown code, a stage not
// computed, or spectrum beside cam-angle functions in one `what` ("plot", "table"). With
// `blanks`, "-" stands for an empty column and is skipped.
std::string CodesRefusal(const model::CamModel& model, const std::vector<std::string>& codes,
                         const std::string& what, bool blanks);

} // namespace trochix::output
