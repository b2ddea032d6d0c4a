// The ten named colours of drawings and plots, set once at start-up.
#pragma once

namespace trochix::model {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct ColourTable {
    Rgb ColorRed;     // segment-boundary markers, continuity circles
    Rgb ColorGreen;
    Rgb ColorBlue;    // the curve of an Aligned plot
    Rgb ColorPurple;
    Rgb ColorWhite;
    Rgb ColorBlack;   // axes and tick marks
    Rgb ColorCyan;    // quarter lines
    Rgb ColorYellow;
    Rgb ColorGray;
    Rgb ColorMagenta;
};

// Fills the table with the program's colours (red, green, blue components 0..255).
void SetColours(ColourTable& table);

} // namespace trochix::model
