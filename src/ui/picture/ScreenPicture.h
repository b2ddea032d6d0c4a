// Any screen as a picture: `trochix (--example N | --open F) --screen NAME --out FILE` opens the
// named screen off screen on that model, as the user would open it, and writes what it shows.
// A new screen is one more line in the table of ScreenPicture.cpp.
#pragma once

#include "model/Captions.h"

#include <optional>
#include <string>
#include <vector>

namespace trochix::ui {

struct AppContext;

// The names --screen takes, in the order --help lists them.
std::vector<std::string> ScreenPictureNames();
std::optional<model::ScreenId> ScreenPictureId(const std::string& name);

// Opens the screen and writes it to `path` (PNG at the screen's size, SVG or PDF); false with
// the reason in `error` when the model does not offer the screen yet or the file could not be
// written.
bool RenderScreenPicture(AppContext& ctx, const std::string& name, const std::string& path,
                         std::string& error);

} // namespace trochix::ui
