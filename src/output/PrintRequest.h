// The table request: what the print selection (frm_PrintSelect), an input row's Print and the
// batch tool put into the model before a table is shown, printed or written.
//
//   PrintSettings s;                                  // the screen's own boxes
//   s.every = *ReadPrintEvery(model, host, "10");    // nullopt: refused, message shown
//   WriteTableRequest(model, selector.form(), s);      // Done
//   // model: PlotFunc, NumPrintCols, PrintColName, Decimals, PrintEvery, PlotStart/PlotEnd,
//   // SpectrumSelected, OutputDevice; TableOutput.h and files::Print_to_File read it.
#pragma once

#include "model/Forward.h"
#include "output/Selection.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trochix::output {

// "Direct Output to:" (OutputDevice).
enum class OutputDevice { Screen = 0, Printer = 1, DiskFile = 2 };
extern const std::array<const char*, 3> OutputDeviceNames; // "Screen", "Printer", "Disk File"

// Entries of the "Print Every" box and of the "Set All Dec Plcs" and "Decimal Places" boxes.
const std::vector<std::string>& PrintEveryList(); // "1", "2", "3", "4", "5", "10"
const std::vector<std::string>& DecimalsList();   // "0" .. "6"

// The print selection's own settings beside the column choice.
struct PrintSettings {
    OutputDevice device = OutputDevice::Screen;
    int every = 1;
    std::array<int, 4> decimals{2, 2, 2, 2};
};

// A typed "Print Every": a whole number of points from 1 to NumPoints. Anything else shows
// PrintEveryMessage (exclamation) and gives nothing.
std::optional<int> ReadPrintEvery(const model::CamModel& model, model::Host& host,
                                  std::string_view text);
std::string PrintEveryMessage(const model::CamModel& model);

// A typed number of decimal places: a whole number from -99 to 99; 0..6 give that many
// decimals, any other the exponent format. Anything else shows DecimalsMessage.
std::optional<int> ReadDecimals(model::Host& host, std::string_view text);
const std::string& DecimalsMessage();

// The row step a request takes: 1 for a spectrum, whose rows are harmonics.
int EffectivePrintEvery(const SelectionForm& form, int every);

// Done on the print selection: the range of the segment choice, one column per chosen function
// (NumPrintCols = NumPlotFuncs; columns are never padded with functions not chosen), their
// names as the indicators show them, PrintEvery, Decimals and OutputDevice. Raises fault 9 for a
// segment the model does not have.
void WriteTableRequest(model::CamModel& model, const SelectionForm& form,
                       const PrintSettings& settings);

// cmd_PrntSeg of input row `row`: the segment's range, S, V, A, J under "Displcmt",
// "Velocity", "Accel", "Jerk", 2 decimals each, shown on screen. True for a polynomial row,
// whose coefficient table is shown first.
bool SegmentTableRequest(model::CamModel& model, int row);

// A table chosen by typing codes, for the batch tool: codes "DI", "VE", ... as on the
// selection screens (output/FunctionList.h), one per column; "-" leaves a column empty.
// segment 0 is the whole revolution. Refused with the model left untouched and one of these
// texts in `error`:
//   "no motion program computed"
//   "no function code given"
//   "a table takes 1 to 4 function codes, not 5"
//   "unknown code \"ZZ\""
//   "stage not computed for \"PH\": size the cam first" (or dynamics, Fourier transform)
//   "spectrum and cam-angle functions cannot share a table"
//   "column 2 is empty: leave no gaps between columns"
//   "no segment 9: the model has 4"
//   "print every 0: give 1 to 360"   (1..NumPoints)
struct TableChoice {
    bool ok = false;
    std::string error;
};
TableChoice SelectTableByCodes(model::CamModel& model, const std::vector<std::string>& codes,
                               int segment, const PrintSettings& settings);

} // namespace trochix::output
