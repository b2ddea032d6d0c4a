// The Annotated plots: the chart windows (grf_Plot 0..3) of the single-window, two- and
// four-window and polar screens, filled from the plot request of the model (PlotType,
// NumPlotFuncs, PlotFunc, PlotStart, PlotEnd, PlotStepDeg, SpectrumSelected, NumHarmonics).
//
// A screen runs, on each visit:
//   PlotSetup(model, host, charts, windows, boxes);       // axes, titles, fonts, grid and style
//   MultiPlot / Plot / PolarPlot (model, host, ...);      // the data
// and SetGridstyle(...) when a Grid or Style box is clicked. Each routine reports its faults
// under its own name and returns false when it stopped.
#pragma once

#include "model/Forward.h"
#include "output/Graph.h"

#include <span>
#include <string>

namespace trochix::output {

// The Grid and Style check boxes of an Annotated screen.
struct StyleBoxes {
    bool chk_HGrid = false;
    bool chk_VGrid = false;
    bool chk_Line = true;
    bool chk_Sticks = false;
    // The kind of data the Style boxes were last set for by program (see StyleForKind).
    enum class SetFor { Nothing, CamAngle, Spectrum } setFor = SetFor::Nothing;
};

// 0 neither Grid box, 1 only Horiz, 2 only Vertic, 3 both.
int GridStyleOf(const StyleBoxes& boxes);
// 0 neither Style box, 2 only chk_Sticks, 4 only chk_Line, 6 both.
int GraphStyleOf(const StyleBoxes& boxes);

// Captions of the four boxes: "Horiz" / "Vertic" ("Magnitude" / "Angle" on the polar screen)
// and "Lines" / "Fills" ("Envelope" / "Lines" for spectra).
struct BoxCaptions {
    std::string chk_HGrid, chk_VGrid, chk_Line, chk_Sticks;
};
BoxCaptions PlotBoxCaptions(bool spectrum, bool polar);

// The Style boxes a kind of data starts with: Line for functions of cam angle, Sticks for
// spectra. They are set only when the kind differs from the one the boxes were last set for,
// so the user's choice is kept between visits to plots of the same kind.
void StyleForKind(StyleBoxes& boxes, bool spectrum);

// The bottom title of the layout: "Cam Angle (Deg)", "Harmonic Number" for spectra, and on the
// polar plot the profile's name by follower type.
std::string PlotBottomTitle(const model::CamModel& model);

// The unit of a Results row in the current unit system (a spectrum row takes the unit of the
// transformed function; its phase is in degrees).
std::string FunctionUnit(const model::CamModel& model, int row);

// Prepares `windows` charts: number of points, tick and label spacing, sets, bottom title,
// fonts, then SetGridstyle.
bool PlotSetup(const model::CamModel& model, model::Host& host, std::span<Graph> charts,
               int windows, const StyleBoxes& boxes);

// GridStyle and GraphStyle of the first `windows` charts from the boxes.
bool SetGridstyle(model::Host& host, std::span<Graph> charts, int windows, const StyleBoxes& boxes);

// The single window: one set per requested function, each its own dash pattern, the
// function's letter as legend.
bool MultiPlot(const model::CamModel& model, model::Host& host, Graph& chart);

// Two or four charts, one function each: left title, unit (or "FFT of ...") as legend. Sets
// the Style boxes for the kind of data (StyleForKind) and applies them.
bool Plot(const model::CamModel& model, model::Host& host, std::span<Graph> charts, int windows,
          StyleBoxes& boxes);

// The polar chart: cam radius (row 11) against cam theta (row 12) over the whole revolution.
bool PolarPlot(const model::CamModel& model, model::Host& host, Graph& chart);

} // namespace trochix::output
