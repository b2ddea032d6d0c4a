#include "ui/ExampleCommands.h"

#include "files/Examples.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "ui/Activatable.h"
#include "ui/AppContext.h"
#include "ui/Commands.h"
#include "ui/Navigator.h"

namespace trochix::ui {

namespace {

void RefreshHome(AppContext& ctx) {
    // Only an existing home screen: building one now would clear the flags just set.
    if (!ctx.navigator.isCreated(ScreenId::HomeScreen))
        return;
    if (auto* home = dynamic_cast<Activatable*>(ctx.navigator.screen(ScreenId::HomeScreen)))
        home->activate();
}

} // namespace

void RegisterExampleCommands(AppContext& ctx) {
    for (int n = 1; n <= files::kExampleCount; ++n)
        ctx.commands.add(ExampleCommand(n), [&ctx, n] { ExampleMenuCommand(ctx, n); });
}

bool ExampleMenuCommand(AppContext& ctx, int n) {
    model::CamModel& m = ctx.model;
    bool loaded = false;
    model::RunGuarded(ctx.host, "frm_Homescreen.Examples", [&] {
        m.ExampleLoaded = true;
        ctx.host.setBusy(true);
        loaded = files::LoadExample(m, ctx.host, n);
        RefreshHome(ctx);
        // The drawing takes a moment to appear; the draw-cam screen restores the pointer.
        if (loaded && m.ProfileDone && ctx.navigator.isAvailable(ScreenId::Animate))
            ctx.navigator.ShowScreen(ScreenId::Animate);
    });
    m.ExampleLoaded = false;
    ctx.host.setBusy(false);
    RefreshHome(ctx);
    return loaded;
}

} // namespace trochix::ui
