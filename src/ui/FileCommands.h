// The home screen's File menu commands: Save, Save as, Open and the three text exports.
// RegisterFileCommands adds them to the command table (ui/Commands.h); New and Quit reach
// Save as through that table to offer saving unsaved results.
//
// Every command ends quietly when its file dialog is cancelled, reports a fault under its own
// name ("frm_Homescreen.SaveAs") unless the core already reported it under the writer's or
// reader's name, and refreshes the home screen's buttons and menus when it is done.
#pragma once

#include <string>

namespace trochix::ui {

struct AppContext;
enum class Command;

void RegisterFileCommands(AppContext& ctx);

// Save: to FileName when the model has one (it was saved or opened before), else Save as.
// True when the model was written.
bool SaveCommand(AppContext& ctx);

// Save as: "Save the Model", "*.cam", proposing ModelName + ".cam"; the chosen path becomes
// FileName and its bare name ModelName. True when the model was written.
bool SaveAsCommand(AppContext& ctx);

// Open: offers to save a calculated, unsaved model first; "Open a model", "*.cam". The live
// model is replaced only when the whole file was read; then the sizing results, which the file
// does not hold, are recomputed. True when a model was read.
bool OpenCommand(AppContext& ctx);

// The model file named on the command line, opened at start-up as Open opens the chosen file
// (there is nothing to save yet). A file that does not exist or cannot be read is said so in
// plain words and the start-up model stays. True when a model was read.
bool OpenNamedFile(AppContext& ctx, const std::string& path);

// File > Export > Spreadsheet, Cadkey or Profile (ExportCommand(i) of files::kExports). Needs
// what the entry needs (files::CheckModelExportable); never changes FileName or ModelName.
// True when the file was written.
bool ExportCommand(AppContext& ctx, Command command);

} // namespace trochix::ui
