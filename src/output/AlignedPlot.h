// The Aligned plots (frm_Myplot2, frm_MyPlot3): stacked windows on one cam-angle axis, each
// drawn as a scene of primitives in model coordinates (x cam angle in degrees, y the value),
// with its axes, 24 angle ticks, 5 value ticks, cyan quarter lines, red segment marks, red
// continuity circles and the blue curve, and the texts of its labels.
//
// A screen runs AlignedSetup(...) when its selection is confirmed and AlignedPlot(...) each
// time it comes to the front, then shows each window's scene (stretched to fill) and labels.
// The window of magnitude p spans xmin - 0.2 dx .. xmax + 0.04 dx by -1.7 p .. 1.15 p, which
// leaves room for the value labels at the left and the angle labels under the curve.
#pragma once

#include "geometry/Scene.h"
#include "model/Colours.h"
#include "model/Forward.h"
#include "output/Graph.h"

#include <span>
#include <string>
#include <vector>

namespace trochix::output {

struct AlignedWindow {
    int row = 0; // Results row plotted
    geometry::Scene scene;
    std::string lbl_LeftTitle, lbl_Units, lbl_Ymax, lbl_Ymin;
    std::string lbl_Xmin, lbl_X1, lbl_X2, lbl_X3, lbl_Xmax, lbl_BottomTitle;
    double magnitude = 0.0;               // p: the largest absolute value over the range
    int decimals = 0;                     // of lbl_Ymax and lbl_Ymin
    bool overflow = false;                // the window could not be scaled and stays blank
    std::vector<geometry::Point> samples; // the plotted points, for readings
};

// The extents of one window's frame: the angle range and the magnitude.
struct WindowExtents {
    double xmin = 0.0, xmax = 360.0, p = 1.0;
};

// The largest magnitude a window can be scaled to: its corners (-1.7 p) must stay within the
// range of the model's single-precision reals.
double MaxWindowMagnitude();

// "The magnitude of <name> exceeds the capacity of this window." and its two further lines.
std::string CapacityMessage(const std::string& name);

// Bottom titles and the five angle labels (range start, quarter points, end) of `windows`
// windows.
bool AlignedSetup(const model::CamModel& model, model::Host& host, std::span<AlignedWindow> windows,
                  int count);

// Fills each window i with function PlotFunc(i + 1): labels, window, frame, marks and curve.
// A window whose magnitude cannot be scaled shows the capacity message and stays blank; the
// others are drawn.
bool AlignedPlot(model::CamModel& model, model::Host& host, const model::ColourTable& colours,
                 std::span<AlignedWindow> windows, int count);

// Sets the scene's window for magnitude p (0 counts as 0.0001) over xmin..xmax. Clears
// WindowOverflow, and sets it with the capacity message when p cannot be scaled.
void SetWindow(model::CamModel& model, model::Host& host, geometry::Scene& scene, double p,
               double xmin, double xmax, const std::string& name);

// The frame, in ColorBlack unless stated.
void CartesianAxes(geometry::Scene& scene, const model::ColourTable& colours,
                   const WindowExtents& e);
void XticMarks(geometry::Scene& scene, const model::ColourTable& colours, const WindowExtents& e);
void YticMarks(geometry::Scene& scene, const model::ColourTable& colours, const WindowExtents& e,
               int count);
void Vertical_lines(geometry::Scene& scene, const model::ColourTable& colours,
                    const WindowExtents& e);
// Red marks at the end of every segment that lies within the range.
void SegmentMarks(geometry::Scene& scene, const model::CamModel& model,
                  const model::ColourTable& colours, const WindowExtents& e);
// Red circles at the start and end values of every segment, for S, V, A, J (rows 1..4).
void ContinuityMarks(geometry::Scene& scene, const model::CamModel& model,
                     const model::ColourTable& colours, const WindowExtents& e, int row);

// The window's plotted points as a graph of one set (named by the window's title and unit), for
// reading and copying them as the Annotated plots' data are.
Graph AlignedGraph(const AlignedWindow& window);

// The windows of a stack as one graph: a set per window that was drawn (a blank one left out),
// named and with the unit of its function, over the points they share. A readout of it gives
// every window's value at one angle; copying it gives the stack's data side by side.
Graph AlignedStackGraph(const model::CamModel& model, std::span<const AlignedWindow> windows);

} // namespace trochix::output
