#include "ui/FileCommands.h"

#include "files/Exports.h"
#include "files/ModelFile.h"
#include "files/OpenModel.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "ui/AppContext.h"
#include "ui/Commands.h"
#include "ui/Dialogs.h"
#include "ui/Navigator.h"

#include <optional>
#include <string>

namespace trochix::ui {

namespace {

using model::Answer;
using model::CamModel;

struct ExportKind {
    Command command;
    const char* title;
    const char* filter;
    const char* extension;
    const char* routine;
};

constexpr ExportKind kExports[] = {
    {Command::ExportSpreadsheet, "Export All Data to a Text File", "*.txt", ".txt",
     "frm_Homescreen.Export"},
    {Command::ExportCadkey, "Export XY data to a Cadkey file", "*.cad", ".cad",
     "frm_Homescreen.Export.Cadkey"},
    {Command::ExportProfile, "Export Profile Data to a Text File", "*.pts", ".pts",
     "frm_Homescreen.Profile"},
};

const ExportKind* FindExport(Command command) {
    for (const ExportKind& k : kExports)
        if (k.command == command)
            return &k;
    return nullptr;
}

bool WriteExport(const CamModel& m, Command command, const std::string& path, model::Host& host) {
    switch (command) {
    case Command::ExportSpreadsheet:
        return files::Export_All_to_File(m, path, host);
    case Command::ExportProfile:
        return files::Export_Profile_to_File(m, path, host);
    case Command::ExportCadkey:
        return files::Export_Cadkey_to_File(m, files::kWholeRevolution, path, host);
    default:
        return false;
    }
}

} // namespace

void RegisterFileCommands(AppContext& ctx) {
    ctx.commands.add(Command::Save, [&ctx] { SaveCommand(ctx); });
    ctx.commands.add(Command::SaveAs, [&ctx] { SaveAsCommand(ctx); });
    ctx.commands.add(Command::Open, [&ctx] { OpenCommand(ctx); });
    for (const ExportKind& k : kExports) {
        const Command command = k.command;
        ctx.commands.add(command, [&ctx, command] { ExportCommand(ctx, command); });
    }
}

bool SaveCommand(AppContext& ctx) {
    if (ctx.model.FileName.empty())
        return SaveAsCommand(ctx);
    // SaveModel guards itself under the command's name.
    const std::string path = ctx.model.FileName;
    const bool saved = files::SaveModel(ctx.model, path, ctx.host, "frm_Homescreen.Save");
    ctx.navigator.RefreshHome();
    return saved;
}

bool SaveAsCommand(AppContext& ctx) {
    const std::string routine = "frm_Homescreen.SaveAs";
    std::optional<std::string> path;
    model::RunGuarded(ctx.host, routine, [&] {
        path = ctx.dialogs.saveFileName(
            {"Save the Model", "*.cam", ctx.model.ModelName + ".cam", true});
    });
    const bool saved = path && files::SaveModel(ctx.model, *path, ctx.host, routine);
    ctx.navigator.RefreshHome();
    return saved;
}

bool OpenCommand(AppContext& ctx) {
    CamModel& m = ctx.model;
    bool opened = false;
    model::RunGuarded(ctx.host, "frm_Homescreen.Open", [&] {
        if (m.SvajDone && !m.ModelSaved) {
            const Answer save = ctx.host.message(
                "The current data has not been saved.  Do you want to save it before resetting?",
                model::Icon::Question, model::DefaultTitle(), model::Buttons::YesNo, Answer::Yes);
            if (save == Answer::Yes)
                SaveAsCommand(ctx);
        }
        const std::optional<std::string> path =
            ctx.dialogs.openFileName({"Open a model", "*.cam", std::string(), false});
        if (!path)
            return;
        opened = files::OpenModel(m, {.path = *path}, ctx.host) != files::OpenStatus::NotOpened;
    });
    ctx.navigator.RefreshHome();
    return opened;
}

bool ExportCommand(AppContext& ctx, Command command) {
    const ExportKind* kind = FindExport(command);
    if (!kind)
        return false;
    bool written = false;
    model::RunGuarded(ctx.host, kind->routine, [&] {
        if (!files::CheckModelExportable(ctx.model, ctx.host))
            return;
        const std::optional<std::string> path = ctx.dialogs.saveFileName(
            {kind->title, kind->filter, ctx.model.ModelName + kind->extension, true});
        if (!path)
            return;
        written = WriteExport(ctx.model, command, *path, ctx.host);
    });
    return written;
}

} // namespace trochix::ui
