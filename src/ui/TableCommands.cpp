#include "ui/TableCommands.h"

#include "files/Exports.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "output/TableOutput.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/Navigator.h"
#include "ui/TextPagePrinter.h"

#include <optional>
#include <vector>

namespace trochix::ui {

bool Print_cam_data(AppContext& ctx) {
    if (!ctx.navigator.isAvailable(ScreenId::PrintData))
        return false;
    ctx.host.setBusy(true);
    // The output screen restores the pointer once its grid is filled.
    const bool shown = ctx.navigator.ShowScreen(ScreenId::PrintData);
    ctx.host.setBusy(false);
    return shown;
}

bool PrintTable(AppContext& ctx, QWidget* parent) {
    TextPagePrinter out(ctx, "Print_to_Printer");
    out.setMinimumLines(output::PrintedPageLines());
    if (!out.open(parent))
        return false;
    std::vector<std::vector<std::string>> pages;
    ctx.host.setBusy(true);
    const bool laidOut = model::RunGuarded(ctx.host, "Print_to_Printer", [&] {
        pages = output::Print_to_Printer(ctx.model, ctx.host.now());
    });
    if (!laidOut)
        return false;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            out.newPage();
        out.print(pages[p]);
    }
    const bool printed = out.endDoc();
    ctx.host.setBusy(false);
    return printed;
}

bool SaveTable(AppContext& ctx) {
    const std::optional<std::string> path =
        ctx.dialogs.saveFileName({"Save the Data", "*.dat", ctx.model.ModelName + ".dat", true});
    if (!path)
        return false;
    return files::Print_to_File(ctx.model, *path, ctx.host);
}

} // namespace trochix::ui
