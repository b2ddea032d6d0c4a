// The exports of the home screen's File > Export menu and of trochix-batch, declared once: a
// new export is one entry here (and its writer). Both the menu and the batch options are built
// from this table, and both refuse an export by the same rule.
#pragma once

#include "model/Forward.h"
#include "model/Stage.h"

#include <array>
#include <string>
#include <string_view>

namespace trochix::files {

struct ExportEntry {
    const char* option;    // the batch option, "--export-all"
    const char* usage;     // what the batch usage says it writes
    const char* caption;   // the Export menu entry, with its access key
    const char* menuName;  // the menu entry's object name
    const char* title;     // the save dialog's title
    const char* filter;    // and its filter
    const char* extension; // of the proposed file name, ModelName + extension
    const char* routine;   // the menu command's name in an error report
    model::Stage needs;    // the stage whose rows it writes
    bool (*write)(const model::CamModel&, const std::string& path, model::Host&);
};

inline constexpr int kExportCount = 3;
// In the menu's order: Spreadsheet, Cadkey, Profile.
extern const std::array<ExportEntry, kExportCount> kExports;

// The entry of a batch option; nullptr when none.
const ExportEntry* FindExportOption(std::string_view option);

// Whether `e` may write the model now: its needed stage is computed.
bool ExportAllowed(const model::CamModel& model, const ExportEntry& e);

// ExportAllowed, or says why not: a model without a motion program gets the program's
// "The current model is blank..." message; one whose needed stage is not computed gets what
// to compute first, with the exclamation icon, after the batch option's name when
// `commandLine` (the menu entry is not offered then, so the screens never show it).
bool CheckModelExportable(const model::CamModel& model, model::Host& host, const ExportEntry& e,
                          bool commandLine);

} // namespace trochix::files
