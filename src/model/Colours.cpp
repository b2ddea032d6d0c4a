#include "model/Colours.h"

namespace trochix::model {

void SetColours(ColourTable& t) {
    t.ColorRed = {255, 0, 0};
    t.ColorGreen = {0, 255, 0};
    t.ColorBlue = {0, 0, 255};
    t.ColorPurple = {128, 0, 128};
    t.ColorWhite = {255, 255, 255};
    t.ColorBlack = {0, 0, 0};
    t.ColorCyan = {0, 255, 255};
    t.ColorYellow = {255, 255, 0};
    t.ColorGray = {128, 128, 128};
    t.ColorMagenta = {255, 0, 255};
}

} // namespace trochix::model
