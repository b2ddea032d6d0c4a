// The home screen's Examples menu: five complete, computed cam designs (files/Examples.h).
// RegisterExampleCommands adds them to the command table as ExampleCommand(1..5).
#pragma once

namespace trochix::ui {

struct AppContext;

void RegisterExampleCommands(AppContext& ctx);

// Loads and computes example n (1..5, the menu's order), refreshes the home screen and shows
// the example cam on the draw-cam screen when that screen exists. ExampleLoaded is set while
// the command runs. The model's file name is cleared: the example is not the file it came
// from, so Save asks for a name rather than writing over that file. True when every stage of
// the example was computed.
bool ExampleMenuCommand(AppContext& ctx, int n);

} // namespace trochix::ui
