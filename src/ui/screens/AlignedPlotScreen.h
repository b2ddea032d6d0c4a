// frm_Myplot2 and frm_MyPlot3: the Aligned plots, two or four windows stacked on one cam-angle
// axis. Each visit draws the plot request of the model; the status line shows the angle and
// value of the point under the pointer.
#pragma once

#include "model/CommonButtons.h"
#include "output/AlignedPlot.h"
#include "ui/ScreenBase.h"

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

public slots:
    // The pointer is over window i at cam angle x.
    void PointerAt(int i, double x);
    // The cursor at cam angle x in every window (nothing: none).
    void ShowCursor(std::optional<double> x);

private:
    int m_windows = 2;
    HeaderPanels* m_headers = nullptr;
    std::array<AlignedPlotView*, 4> m_views{};
    std::array<output::AlignedWindow, 4> m_plot{};
    QLabel* m_status = nullptr;
    model::SelectAnotherCounter m_reselect;
};

} // namespace trochix::ui
