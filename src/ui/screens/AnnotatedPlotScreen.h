// frm_Plot1 (one chart, one to four functions), frm_Plot2 and frm_Plot3 (two or four charts,
// one function each) and frm_Plot4 (the polar chart of the cam profile): the Annotated plots.
// Each visit draws the plot request of the model (PlotType, NumPlotFuncs, PlotFunc, range,
// SpectrumSelected); the Grid and Style boxes redraw at once and keep their state.
#pragma once

#include "model/CommonButtons.h"
#include "output/AnnotatedPlot.h"
#include "output/Graph.h"
#include "ui/ScreenBase.h"
#include "ui/screens/PlotScreenParts.h"

#include <array>

class QLineEdit;

namespace trochix::ui {

class ChartView;
class HeaderPanels;

class AnnotatedPlotScreen : public ScreenBase {
    Q_OBJECT
public:
    // id is one of Plot1, Plot2, Plot3, Plot4.
    AnnotatedPlotScreen(AppContext& ctx, ScreenId id);

    void activate() override;

    int windows() const { return m_windows; }
    ChartView* chart(int i) const { return m_charts[static_cast<std::size_t>(i)]; }
    const output::Graph& graph(int i) const { return m_graphs[static_cast<std::size_t>(i)]; }

public slots:
    // A Grid or Style box was clicked: the charts take the boxes and redraw.
    void StyleChanged();
    // The title box was edited: the top chart shows it.
    void TitleChanged();

private:
    bool polar() const { return screenId() == ScreenId::Plot4; }
    void draw();

    int m_windows = 1;
    int m_filled = 1; // windows holding a function
    HeaderPanels* m_headers = nullptr;
    QLineEdit* m_title = nullptr;
    std::array<ChartView*, 4> m_charts{};
    std::array<output::Graph, 4> m_graphs{};
    StyleFrames m_frames;
    output::StyleBoxes m_boxes;
    model::SelectAnotherCounter m_reselect;
};

} // namespace trochix::ui
