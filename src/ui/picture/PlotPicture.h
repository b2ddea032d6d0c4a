// The plot screen's picture for a plot asked on the command line.
#pragma once

#include "model/Captions.h"
#include "ui/picture/PictureOptions.h"

#include <string>

namespace trochix::ui {

struct AppContext;

// Selects the functions (codes), layout, style and segment as the selection screens would,
// fills the plot screen off screen and writes its picture to options.outPath. False with the
// reason in `error` when the selection is impossible (an unknown code, a stage not computed, a
// gap) or the file cannot be written.
bool RenderPlotPicture(AppContext& ctx, const PictureOptions& options, std::string& error);

// Fills plot screen `screen` from the plot request already in the model, off screen, and
// writes what it shows to `path` (PNG at the screen's size; SVG and PDF as vectors). With
// chartOnly the picture holds the headers and charts alone: no buttons, option frames, status
// line or empty title box.
bool WritePlotScreenPicture(AppContext& ctx, model::ScreenId screen, const std::string& path,
                            std::string& error, bool chartOnly = false);

} // namespace trochix::ui
