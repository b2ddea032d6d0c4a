// Text exports of computed results, for spreadsheets and CAD programs.
//
// Every export file: CR LF line ends; texts unquoted; a number item is a blank (or "-"), the
// shortest digits (floats with at most 7 significant digits, rounded values as rounded), no
// zero before the point, E+nn for very large or small magnitudes, and one trailing blank
// (" .5 ", "-.25 ", " 1.5E+07 "); a TAB follows every column value, the last one included.
//
// The all-data, profile and print-data files start with a six-line header:
//   "File " + ModelName, two print-zone steps, "Design #" and DesignNo as a number item
//   UserName, zone step, date, zone step, time
//   (empty)
//   column titles, each followed by TAB
//   column units, each followed by TAB
//   (empty)
// Print zones are 14 characters wide (columns 1, 15, 29, ...); a zone step pads with blanks to
// the next zone start, always at least one blank. The first two lines are those of a printed
// page (model/PageHeader.h).
//
// The print selection's file steps by PrintEvery points, as its table does (a PrintEvery below
// 1 steps by 1); the all-data, profile and Cadkey files hold every point, whatever step a
// table last printed with. Each writer builds the whole
// file, writes it beside the target and renames it into place, so a failure leaves any
// previous file untouched; failures are reported through ReportError under the writer's name.
#pragma once

#include "model/CamModel.h"
#include "model/Host.h"

#include <string>

namespace trochix::files {

using model::CamModel;
using model::DateTime;
using model::Host;

// Number items: a float value as stored, a double as rounded by FNRound.
std::string NumberItem(float value);
std::string NumberItem(double value);

// The file texts.
// Results rows 0..NumFunctions (titles FuncName, units UnitLabel) at every point 0..NumPoints,
// unrounded.
std::string ExportAllText(const CamModel& m, const DateTime& now);
// The same for rows 9 and 10 (profile X and Y).
std::string ExportProfileText(const CamModel& m, const DateTime& now);
// A range of cam angles, degrees.
struct AngleRange {
    float start;
    float end;
};
// What the home screen's Cadkey export covers, whatever range was last printed.
inline constexpr AngleRange kWholeRevolution{0.0f, 360.0f};

// No header: for p = range.start / DeltaTheta to range.end / DeltaTheta (each rounded),
// FNRound(X, 3) TAB FNRound(Y, 3) TAB. A range beyond the points raises fault 9.
std::string CadkeyText(const CamModel& m, AngleRange range);
// The print selection: points PlotStart / DeltaTheta to PlotEnd / DeltaTheta (each rounded) step
// PrintEvery; titles "Angle" and PrintColName, units UnitLabel(0) and UnitLabel(PlotFunc(i));
// rows FNRound(angle, 2) then FNRound(Results(PlotFunc(i), p), Decimals(i - 1)) for
// i = 1..NumPrintCols, and only those columns in the titles and units. A spectrum runs over
// harmonics 0..NumHarmonics step 1 under "Harmonic" / "Number", its first column the harmonic
// number. A range beyond the points or a function row beyond the table raises 9.
std::string PrintToFileText(const CamModel& m, const DateTime& now);

// The home-screen exports need a calculated motion program: when SvajDone is False this shows
// "The current model is blank.  There is nothing to export.  Use S-V-A-J and Sizecam buttons
// to calculate the model, then export" and returns false.
bool CheckModelExportable(const CamModel& m, Host& host);

// Writers: busy pointer, the file written whole; true when written. A failure is reported
// through ReportError ("Export_All_to_File", "Export_Profile_to_File",
// "frm_Homescreen.Export.Cadkey", "Print_to_File") and leaves a previous file as it was.
bool Export_All_to_File(const CamModel& m, const std::string& path, Host& host);
bool Export_Profile_to_File(const CamModel& m, const std::string& path, Host& host);
bool Export_Cadkey_to_File(const CamModel& m, AngleRange range, const std::string& path,
                           Host& host);
bool Print_to_File(const CamModel& m, const std::string& path, Host& host);

} // namespace trochix::files
