// What every screen and command is given: the one model, the host, the navigation service,
// the file and printer dialogs, the commands of the home screen's menus and the colours.
// Built once by the program (app/trochix_main.cpp) or by a test fixture (tests/ui/UiFixture.h).
#pragma once

#include "model/Colours.h"

#include <functional>

#include "model/Forward.h"

namespace trochix::ui {

class Navigator;
class Dialogs;
class Commands;

struct AppContext {
    AppContext(model::CamModel& m, model::Host& h, Navigator& n, Dialogs& d, Commands& c)
        : model(m), host(h), navigator(n), dialogs(d), commands(c) {}

    model::CamModel& model;
    model::Host& host;
    Navigator& navigator;
    Dialogs& dialogs;
    Commands& commands;
    model::ColourTable colours{};
    // Ends the program at once (Yes on the quit screen).
    std::function<void()> quit;
};

} // namespace trochix::ui
