// Where a table request goes (output/PrintRequest.h has written it into the model): the output
// screen, the printer or a data file. Cancelling a dialog ends the command quietly.
#pragma once

#include <string>

class QWidget;

namespace trochix::ui {

struct AppContext;

// Print_cam_data(frm_PrintData): busy pointer, then the output screen, which fills its header
// panels and grid from the request. False when the screen is not available.
bool Print_cam_data(AppContext& ctx);

// The printer dialog, then the pages of Print_to_Printer, each page whole on its sheet.
// Faults are reported under "Print_to_Printer". False when cancelled or failed.
bool PrintTable(AppContext& ctx, QWidget* parent);

// "Save the Data" (*.dat, ModelName + ".dat", asking before replacing a file), then
// files::Print_to_File. False when cancelled or failed.
bool SaveTable(AppContext& ctx);

} // namespace trochix::ui
