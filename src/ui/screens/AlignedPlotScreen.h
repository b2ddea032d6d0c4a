// frm_Myplot2 and frm_MyPlot3: the Aligned plots, two or four windows stacked on one cam-angle
// axis. Each visit draws the plot request of the model. The pointer's angle is one cursor
// through every window; the status line reads every window's function there (interpolated,
// exact within a pixel of a point). A click pins a cursor, a second shows the differences
// between the two, a third starts again. Zooming one window along the angle zooms them all.
#pragma once

#include "model/CommonButtons.h"
#include "output/AlignedPlot.h"
#include "ui/ScreenBase.h"

#include <QList>

#include <array>
#include <optional>

class QLabel;

namespace trochix::ui {

class AlignedPlotView;
class HeaderPanels;

class AlignedPlotScreen : public ScreenBase {
    Q_OBJECT
public:
    // id is Myplot2 or MyPlot3.
    AlignedPlotScreen(AppContext& ctx, ScreenId id);

    void activate() override;

    int windows() const { return m_windows; }
    AlignedPlotView* view(int i) const { return m_views[static_cast<std::size_t>(i)]; }
    const output::AlignedWindow& window(int i) const { return m_plot[static_cast<std::size_t>(i)]; }

    const output::Graph& stack() const { return m_stack; }
    const QList<double>& pins() const { return m_pins; }

public slots:
    // The pointer is over window i at cam angle x.
    void PointerAt(int i, double x);
    // The cursor at cam angle x in every window (nothing: none).
    void ShowCursor(std::optional<double> x);
    // A click on window i at a widget position of its surface.
    void PinAt(int i, const QPointF& pos);

private:
    // x moved onto the nearest plotted point when that lies within a pixel of it on window i.
    double Snapped(int i, double x) const;
    void ShowReadout();
    // Window i's zoomed angle range in every other window.
    void FollowAngles(int i);

    int m_windows = 2;
    HeaderPanels* m_headers = nullptr;
    std::array<AlignedPlotView*, 4> m_views{};
    std::array<output::AlignedWindow, 4> m_plot{};
    std::array<output::Graph, 4> m_graphs{}; // each window's points, for its curve's mark
    output::Graph m_stack;                   // every drawn window, for the readout
    std::optional<double> m_cursor;
    QList<double> m_pins;
    QLabel* m_status = nullptr;
    model::SelectAnotherCounter m_reselect;
};

} // namespace trochix::ui
