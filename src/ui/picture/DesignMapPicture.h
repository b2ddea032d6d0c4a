// The Design Map screen's picture, for --design-map on the command line.
#pragma once

#include <string>

namespace trochix::ui {

struct AppContext;
struct PictureOptions;

// Opens the Design Map screen off screen on the computed model, with the axes and size the
// options name (the screen's defaults otherwise), and writes its map to the options' file.
// False with the reason in `error`.
bool RenderDesignMapPicture(AppContext& ctx, const PictureOptions& options, std::string& error);

} // namespace trochix::ui
