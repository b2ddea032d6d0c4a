// Pieces every plot screen carries: the selection screen its Select Another returns to, the
// row of common buttons and the Grid and Style frames of the Annotated screens.
#pragma once

#include "model/CommonButtons.h"
#include "output/AnnotatedPlot.h"
#include "output/Graph.h"
#include "ui/ScreenBase.h"

#include <functional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;

namespace trochix::ui {

// frm_PlotSelect1..4 of the plot screen's layout.
ScreenId SelectionScreenOf(ScreenId plotScreen);

// What a plot screen plots, for copying as data.
using PlottedGraphs = std::function<std::vector<output::Graph>()>;

// Copy, Print Form (cmd_PlotPrint), Picture (cmd_PlotPicture: Copy Picture, Copy Data, Save
// Picture...), Select Another (cmd_Replot) and Done (cmd_PlotDone).
QHBoxLayout* MakePlotButtons(ScreenBase& screen, model::SelectAnotherCounter& counter,
                             PlottedGraphs plotted);

// Asks for a .png, .svg or .pdf file and writes the screen to it as --out does; a file that
// cannot be written is reported and left as it was.
void SavePlotPicture(ScreenBase& screen);

// The "Grid" frame (chk_HGrid, chk_VGrid) and the "Style" frame (chk_Line, chk_Sticks).
struct StyleFrames {
    QGroupBox* grid = nullptr;
    QGroupBox* style = nullptr;
    QCheckBox* chk_HGrid = nullptr;
    QCheckBox* chk_VGrid = nullptr;
    QCheckBox* chk_Line = nullptr;
    QCheckBox* chk_Sticks = nullptr;

    output::StyleBoxes read(output::StyleBoxes::SetFor setFor) const;
    // Ticks the boxes as `boxes` says, without running their click handlers.
    void show(const output::StyleBoxes& boxes);
    void setCaptions(const output::BoxCaptions& captions);
};
StyleFrames MakeStyleFrames(QWidget* parent);

} // namespace trochix::ui
