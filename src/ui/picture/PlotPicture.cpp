#include "ui/picture/PlotPicture.h"

namespace trochix::ui {

// Filled in by the plot screens' work.
bool RenderPlotPicture(AppContext&, const PictureOptions&, std::string& error) {
    error = "plots cannot be rendered yet";
    return false;
}

} // namespace trochix::ui
