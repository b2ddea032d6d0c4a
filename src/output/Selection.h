// The choice of up to four functions and a cam-angle range, shared by the plot selection
// screens (frm_PlotSelect1..3) and the print selection (frm_PrintSelect, whose four columns are
// the same selections). The screens keep one SelectionForm each, show it in their controls and
// call these routines from their handlers; nothing here knows about widgets.
//
//   SelectionForm form = NewSelection(4, true);      // frm_PlotSelect1: On / Off for 2..4
//   ActivateSelection(model, form);                  // each time the screen comes to the front
//   ApplyPreset(model, host, form, 2);               // or SelectFunction(..., k, text)
//   if (form.doneEnabled)
//       ScreenId plot = WritePlotRequest(model, form, 1, false);
//
// A selection is a slot per function box (1..boxes): the box text as typed, the indicator label
// lbl_Function(k-1) that echoes the chosen name, and the chosen row. The gap check counts the
// labels; Done is enabled only for a complete, gap-free selection of at least one function.
#pragma once

#include "model/Captions.h"
#include "model/Forward.h"
#include "output/FunctionList.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trochix::output {

// opt_PrintSet: 0 "Preset Formats", 1 "Mix and Match".
enum class Method { PresetFormats = 0, MixAndMatch = 1 };

struct FunctionSlot {
    bool on = false;   // in use: frame caption red; off slots are empty
    std::string text;  // the box text, as typed or as set by a choice
    std::string label; // lbl_Function: the chosen function's name, "" when none
    int row = 0;       // its Results row, 0 when none
};

struct SelectionForm {
    int boxes = 4;         // function boxes: 4, or 2 on the two-window screen
    bool switched = false; // functions 2..boxes are switched on one at a time (On / Off)
    Method method = Method::PresetFormats;
    int preset = 0;                   // chosen preset of the table of `boxes` functions; 0 none
    std::array<FunctionSlot, 5> fn{}; // 1..4
    int segment = 0;                  // 0 "All", else 1..NumSegments
    bool spectrum = false;            // the chosen functions are Fourier spectra
    int NumPlotFuncs = 0;             // highest k with a chosen function
    bool doneEnabled = false;

    // The lists as last rebuilt by ActivateSelection.
    std::vector<int> functionRows;      // rows of each function box, list order
    std::vector<const Preset*> presets; // the preset box, list order
    std::vector<std::string> segments;  // the segment box: "All", then one per segment
};

// A screen's selection as first loaded: Preset Formats, nothing chosen, "All".
SelectionForm NewSelection(int boxes, bool switched);

// What each function's controls allow.
struct SlotControls {
    bool box = false;    // cmb_Var
    bool on = false;     // "&On"
    bool off = false;    // "O&ff"
    bool clear = false;  // "&Clear"
    bool active = false; // frame caption painted red (else grey)
};
SlotControls ControlsOf(const SelectionForm& form, int k);
bool PresetBoxEnabled(const SelectionForm& form);
// True when every function box of the screen holds a chosen function.
bool AllSelected(const SelectionForm& form);

// Rebuilds the lists from the model's flags. Choices are kept across visits as far as they
// still hold: a function or preset whose stage is no longer computed, or a segment the model
// no longer has, is dropped. The gap check then runs without a message.
void ActivateSelection(const model::CamModel& model, SelectionForm& form);

// Changing the method clears every choice and disables Done. Preset Formats uses the preset box
// and fills the function boxes from it; Mix and Match empties the preset box, switches
// function 1 on and, on a switched screen, functions 2..boxes off (the others all on).
void SetupMethod(SelectionForm& form, Method method);

// Takes `text` as function k's choice: a function name, or a typing code (MatchFunction).
// A match puts the function's name into box and label and runs the gap check (which shows
// its message on a gap). Text that names no selectable function is kept as typed and selects
// nothing: false. Choosing a spectrum drops any cam-angle function chosen in the other boxes,
// and the other way round, since one plot or table cannot run over both.
bool SelectFunction(const model::CamModel& model, model::Host& host, SelectionForm& form, int k,
                    std::string_view text);

// Puts the rows of the preset `index` (of the table of `boxes` functions) into the function
// boxes and selects them; false when that preset is not listed now.
bool ApplyPreset(const model::CamModel& model, model::Host& host, SelectionForm& form, int index);

// "&On" of function k (2..boxes) on a switched screen: the box is enabled.
void SwitchOn(SelectionForm& form, int k);
// "O&ff" of function k: empties box and label, switches the function off, runs the gap check.
void SwitchOff(model::Host& host, SelectionForm& form, int k);
// "&Clear" of function k: as Off on a switched function; otherwise empties box and label.
void ClearFunction(model::Host& host, SelectionForm& form, int k);

// Types the codes into boxes 1.. by program (the input screen's per-segment plot), clearing
// the remaining boxes and the preset choice; false when a code selected nothing.
bool SelectCodes(const model::CamModel& model, model::Host& host, SelectionForm& form,
                 const std::vector<std::string>& codes);

// The gap check: NumPlotFuncs = the highest k whose label is filled; fewer filled labels than
// that is a gap, which disables Done and, when a host is given, shows GapMessage.
// True when Done is enabled.
bool CheckSelections(model::Host* host, SelectionForm& form);
const std::string& GapMessage();

// The segment box: "All", then "1  Rise  0 - 90 deg" for each segment 1..NumSegments.
std::vector<std::string> Load_SegmentList(const model::CamModel& model);
// The segment choice of a segment-box text: its first three characters, 0 for "All".
int SegmentChoice(std::string_view text);

// The range of a segment choice: "All" is 0..360 degrees; segment n becomes CurSeg with the
// range SegStart(n)..SegEnd(n); a spectrum runs over harmonics 0..NumHarmonics. Sets
// PlotStart, PlotEnd and PlotAllSegments (the choice kept for the header panels). Raises fault 9
// for a segment the model does not have.
void Get_Plot_Segment(model::CamModel& model, int segment, bool spectrum);

// The function part of a request: NumPlotFuncs, PlotFunc(1..4) (0 beyond), SpectrumSelected,
// PlotStepDeg and the range. Both the plot and the table requests start from it.
void TakeSelection(model::CamModel& model, const SelectionForm& form);

// The plot type screen's choices: layouts 1..3 once a motion program is computed, the polar
// plot (4) of the cam profile only once the cam is sized.
bool PlotTypeAvailable(const model::CamModel& model, int layout);
// Done of frm_PlotType: PlotType = layout; returns the selection screen of that layout
// (frm_PlotSelect1..frm_PlotSelect4).
model::ScreenId SelectPlotType(model::CamModel& model, int layout);

// The plot screen of a layout (PlotType 1..3) and style (PlotStyle 1 Aligned, 2 Annotated):
// frm_Plot1; frm_Myplot2 / frm_Plot2; frm_MyPlot3 / frm_Plot3; and frm_Plot4 for layout 4.
model::ScreenId PlotScreenFor(int layout, int style);

// Done of frm_PlotSelect1..3: the whole plot request (PlotType = layout, PlotStyle 1 when
// `aligned` on the two- and four-window layouts, else 2, and always 2 for a spectrum) written
// into the model. Returns the plot screen to open.
model::ScreenId WritePlotRequest(model::CamModel& model, const SelectionForm& form, int layout,
                                 bool aligned);

// Done of frm_PlotSelect4: the cam profile (cam radius against cam angle) over the whole
// revolution, one function. Returns frm_Plot4.
model::ScreenId WritePolarRequest(model::CamModel& model);

} // namespace trochix::output
