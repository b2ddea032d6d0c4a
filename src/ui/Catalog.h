// Every screen and menu command of the program, registered once at start-up.
//
// To add a screen: include its header in Catalog.cpp and add one line to RegisterAll:
//     nav.registerScreen(ScreenId::SizeCam, Make<SizeCamScreen>);
// To add menu commands (file commands, examples): give the module a function that adds them,
//     void RegisterFileCommands(AppContext& ctx);   // ctx.commands.add(Command::SaveAs, ...)
// and call it from RegisterAll. The home screen enables the entries from then on.
// (Registration is explicit rather than by static objects: the screens live in a static
// library, and the linker would drop a module that nothing refers to.)
#pragma once

namespace trochix::ui {

struct AppContext;

void RegisterAll(AppContext& ctx);

} // namespace trochix::ui
