#include "ui/FileCommands.h"

#include "files/ExportRegistry.h"
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

// The menu's commands are the registry's entries, in its order.
static_assert(static_cast<int>(Command::ExportProfile) -
                  static_cast<int>(Command::ExportSpreadsheet) + 1 ==
              files::kExportCount);

const files::ExportEntry* FindExport(Command command) {
    const int i = static_cast<int>(command) - static_cast<int>(Command::ExportSpreadsheet);
    return i >= 0 && i < files::kExportCount ? &files::kExports[static_cast<std::size_t>(i)]
                                             : nullptr;
}

} // namespace

void RegisterFileCommands(AppContext& ctx) {
    ctx.commands.add(Command::Save, [&ctx] { SaveCommand(ctx); });
    ctx.commands.add(Command::SaveAs, [&ctx] { SaveAsCommand(ctx); });
    ctx.commands.add(Command::Open, [&ctx] { OpenCommand(ctx); });
    for (int i = 0; i < files::kExportCount; ++i) {
        const Command command = ExportCommand(i);
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

bool OpenNamedFile(AppContext& ctx, const std::string& path) {
    bool opened = false;
    model::RunGuarded(ctx.host, "frm_Homescreen.Open", [&] {
        const std::string problem = files::NamedFileProblem(path);
        if (!problem.empty()) {
            ctx.host.message(problem, model::Icon::Exclamation, model::DefaultTitle());
            return;
        }
        opened =
            files::OpenModel(ctx.model, {.path = path}, ctx.host) != files::OpenStatus::NotOpened;
    });
    ctx.navigator.RefreshHome();
    return opened;
}

bool ExportCommand(AppContext& ctx, Command command) {
    const files::ExportEntry* kind = FindExport(command);
    if (!kind)
        return false;
    bool written = false;
    model::RunGuarded(ctx.host, kind->routine, [&] {
        if (!files::CheckModelExportable(ctx.model, ctx.host, *kind, false))
            return;
        const std::optional<std::string> path = ctx.dialogs.saveFileName(
            {kind->title, kind->filter, ctx.model.ModelName + kind->extension, true});
        if (!path)
            return;
        written = kind->write(ctx.model, *path, ctx.host);
    });
    return written;
}

} // namespace trochix::ui
