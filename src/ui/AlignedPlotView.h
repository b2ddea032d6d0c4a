// One window of an Aligned plot: the drawing surface pct_Plot (its scene stretched to fill)
// with the labels lbl_LeftTitle, lbl_Units, lbl_Ymax, lbl_Ymin, lbl_Xmin, lbl_X1..lbl_X3,
// lbl_Xmax and lbl_BottomTitle placed in the room the window leaves around the curve. Children
// are named with the window's index ("pct_Plot_1", "lbl_Ymax_1").
//
//   auto* view = new AlignedPlotView(1, this);
//   view->show(window);                      // an output::AlignedWindow from AlignedPlot
//   connect(view->surface(), &DrawingSurface::pointerMoved, ...);
#pragma once

#include "output/AlignedPlot.h"

#include <QWidget>

#include <array>

class QLabel;

namespace trochix::ui {

class DrawingSurface;

class AlignedPlotView : public QWidget {
    Q_OBJECT
public:
    AlignedPlotView(int index, QWidget* parent = nullptr);

    void show(const output::AlignedWindow& window);
    DrawingSurface* surface() const { return m_surface; }
    // For a small window, once: the function's name and unit on a line above the window instead
    // of left of the axis, the angle title on one below it, and the value labels in a smaller
    // font, so that nothing is cut off.
    void makeCompact();

    QSize sizeHint() const override { return {900, 300}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    // The value and angle labels of the part shown: the window's own texts when whole.
    void relabel();

    DrawingSurface* m_surface;
    QLabel* m_caption = nullptr; // the name and unit, when compact
    bool m_compact = false;
    // LeftTitle, Units, Ymax, Ymin, Xmin, X1, X2, X3, Xmax, BottomTitle
    std::array<QLabel*, 10> m_labels{};
    std::array<QString, 10> m_texts{};
};

} // namespace trochix::ui
