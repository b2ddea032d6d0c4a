#include "ui/ExampleCommands.h"

#include "files/Examples.h"
#include "files/OpenModel.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "ui/AppContext.h"
#include "ui/Commands.h"
#include "ui/Navigator.h"

namespace trochix::ui {

void RegisterExampleCommands(AppContext& ctx) {
    for (int n = 1; n <= files::kExampleCount; ++n)
        ctx.commands.add(ExampleCommand(n), [&ctx, n] { ExampleMenuCommand(ctx, n); });
}

bool ExampleMenuCommand(AppContext& ctx, int n) {
    model::CamModel& m = ctx.model;
    bool loaded = false;
    model::RunGuarded(ctx.host, "frm_Homescreen.Examples", [&] {
        m.ExampleLoaded = true;
        // The example computes, then its drawing takes a moment to appear (the draw-cam screen
        // restores the pointer once the cam is drawn).
        const model::BusyPointer busy(ctx.host);
        loaded = files::OpenModel(m, {.example = n}, ctx.host) == files::OpenStatus::Opened;
        ctx.navigator.RefreshHome();
        if (loaded && m.ProfileDone && ctx.navigator.isAvailable(ScreenId::Animate))
            ctx.navigator.ShowScreen(ScreenId::Animate);
    });
    m.ExampleLoaded = false;
    ctx.navigator.RefreshHome();
    return loaded;
}

} // namespace trochix::ui
