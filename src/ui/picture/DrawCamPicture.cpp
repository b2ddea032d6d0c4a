#include "ui/picture/DrawCamPicture.h"

namespace trochix::ui {

// Filled in by the Draw Cam screen's work.
bool RenderDrawCamPicture(AppContext&, const std::string&, std::string& error) {
    error = "the cam drawing cannot be rendered yet";
    return false;
}

} // namespace trochix::ui
