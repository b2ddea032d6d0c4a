// The Draw Cam screen's finished picture, for --draw on the command line.
#pragma once

#include <string>

namespace trochix::ui {

struct AppContext;

// Draws the cam of the computed model as the Draw Cam screen does (every frame) and writes
// the picture to `path`; SVG and PDF at true scale (one model length unit is one unit of the
// current unit system's length). False with the reason in `error` otherwise.
bool RenderDrawCamPicture(AppContext& ctx, const std::string& path, std::string& error);

} // namespace trochix::ui
