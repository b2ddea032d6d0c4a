// Everything a screen test needs: a fresh model after start-up, a recording host, a recording
// navigator, scripted dialogs, the command table, and every screen and command registered as
// in the program. Create one per test function (screens are deleted with it):
//
//   UiFixture f;
//   auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
//   f.host.answers = {model::Answer::Cancel};
//   home->New();
//   QCOMPARE(f.host.messages.size(), 1u);
#pragma once

#include "RecordingNavigator.h"
#include "ScriptedDialogs.h"
#include "model/CamModel.h"
#include "model/Captions.h"
#include "model/Colours.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "ui/AppContext.h"
#include "ui/Catalog.h"
#include "ui/Commands.h"

#include <memory>

namespace trochix::uitest {

using model::ScreenId;

struct UiFixture {
    std::unique_ptr<model::CamModel> model = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    RecordingNavigator navigator;
    ScriptedDialogs dialogs;
    ui::Commands commands;
    ui::AppContext ctx{*model, host, navigator, dialogs, commands};
    int quitCalls = 0;

    UiFixture() {
        model::SetColours(ctx.colours);
        model::Initialize(*model, host);
        ctx.quit = [this] { ++quitCalls; };
        navigator.attach(ctx);
        ui::RegisterAll(ctx);
        navigator.setCaptions(model::SetCaptions(model->AppTitle));
    }

    template <class T> T* screen(ScreenId id) { return navigator.screenAs<T>(id); }
};

} // namespace trochix::uitest
