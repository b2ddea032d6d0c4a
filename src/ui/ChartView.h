// The one chart widget (grf_Plot) of the Annotated plots, the Dynamics screen and the FFT
// screen. It renders an output::Graph (output/Graph.h), the plain record of the chart-control
// properties that the core fills and tests read, with Qt Charts:
//
//   output::Graph g;                              // or one filled by output::MultiPlot, ...
//   g.Kind = output::GraphKind::Spectrum;         // CamAngle, Spectrum or Polar
//   output::ResizeGraph(g, 1, numPoints);         // NumSets sets of NumPoints points
//   for (int n = 0; n < numPoints; ++n) {
//       g.XValues[n] = n;                          // cam angle (deg) or harmonic number
//       g.LabelText[n] = ...;                      // what a label at that point says
//       g.Sets[0].GraphData[n] = value(n);
//   }
//   g.Sets[0].LegendText = "FFT of Accel";        // Name and Unit are used by readings
//   g.TickEvery = 1; g.LabelEvery = 2;            // in points
//   g.BottomTitle = "Harmonic Number"; g.LeftTitle = "Mag";
//   g.GridStyle = 3;                              // 0 none, 1 horizontal, 2 vertical, 3 both
//   g.GraphStyle = 2;                             // see below
//   m_chart = new ChartView(this);
//   m_chart->setObjectName("grf_Plot_0");
//   m_chart->setGraph(g);                          // rebuilds the chart; call again to redraw
//
// GraphStyle: 4 lines (a spectrum's envelope), 2 filled area down to zero (a spectrum's
// spectral lines, one stick per harmonic), 6 both, 0 the points alone. PatternedLines gives
// each set its PatternData dash pattern; every set has its own colour (the first blue). The
// horizontal axis is ticked every TickEvery points and labelled every LabelEvery points from
// the first point; the vertical axis always includes zero. A polar graph plots GraphData as
// the radius against XPosData in degrees, counter-clockwise from the right, as the cam is drawn;
// its horizontal grid box draws the radius circles and the vertical one the angle spokes.
//
// Hovering the plot draws a vertical cursor and shows, at the plot's top, the angle (or
// harmonic) under it and each set's value there, interpolated between the points
// (output::GraphReadingAt), with a mark on each curve; within a pixel of a point it reads that
// point exactly. A click pins a cursor (its reading shown under the live one); a second pin
// shows the differences between the two; a third starts again. readingChanged() reports the
// text ("" when the pointer leaves and nothing is pinned). A polar graph reads the nearest
// point. LinkCursors() makes the charts of one screen show one cursor and the same pins. It paints
// vectors, so it stays crisp on any screen and prints and exports (QWidget::render into a printer,
// SVG or PDF) as vectors.
#pragma once

#include "output/Graph.h"
#include "ui/ViewZoom.h"

#include <QChartView>
#include <QString>

#include <QList>

#include <optional>
#include <vector>

class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QValueAxis;

namespace trochix::ui {

class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    // Shows the graph instead of what was shown.
    void setGraph(const output::Graph& graph);
    const output::Graph& graph() const { return m_graph; }

    // The reading of the point nearest to a widget position; "" outside the plot area.
    QString readingAt(const QPointF& pos);
    // The point index nearest to a widget position; -1 outside the plot area.
    int pointAt(const QPointF& pos);
    // Where point n of set k is drawn, in widget coordinates.
    QPointF positionOf(int set, int point);

    // The cursor at horizontal value x (nothing: none), as if the pointer were there.
    void showCursorAt(std::optional<double> x);
    std::optional<double> cursorAt() const { return m_cursorX; }
    // Up to two pinned cursors.
    void setPins(const QList<double>& pins);
    const QList<double>& pins() const { return m_pins; }
    QString readoutText() const { return m_readoutText; }

    // Zoom and pan of the axes (ViewZoom's gestures); the graph itself is never changed.
    ViewZoom* zoom() const { return m_zoom; }
    // The horizontal and vertical ranges shown now: angle or harmonic, value (radius on a polar
    // graph, whose angle is always the whole turn).
    ViewRange shownRange() const;
    // The picture's coordinates under a widget position, under the view shown now.
    QPointF valueAt(const QPointF& pos);

    QSize sizeHint() const override { return {640, 360}; }

signals:
    void readingChanged(const QString& text);
    // The user moved the cursor (nothing: it left the plot) or changed the pins.
    void cursorMoved(std::optional<double> x);
    void pinsChanged(const QList<double>& pins);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void showReading(int point);
    void drawCursor();
    // The horizontal value under a widget position, snapped to a point within a pixel of it.
    std::optional<double> cursorValueAt(const QPointF& pos);
    void pinAt(const QPointF& pos);
    void placeReadout();
    void applyView();

    output::Graph m_graph;
    QChart* m_current = nullptr;
    QGraphicsSimpleTextItem* m_readout = nullptr;
    QGraphicsRectItem* m_readoutBack = nullptr; // keeps the text readable over the curves
    std::vector<QGraphicsEllipseItem*> m_markers;
    int m_shownPoint = -1;
    std::optional<double> m_cursorX;
    QList<double> m_pins;
    QString m_readoutText;
    std::vector<QGraphicsLineItem*> m_cursorLines; // the live one first, then the pins
    ViewZoom* m_zoom = nullptr;
    // The axes of the chart shown and how they were ticked before any zoom.
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    struct Ticks {
        double interval = 1.0, anchor = 0.0;
        int minor = 0, count = 5;
        QString format;
        bool dynamic = false;
    } m_ticksX, m_ticksY;
};

// The charts show one cursor and the same pins, wherever the pointer is.
void LinkCursors(const std::vector<ChartView*>& charts);

} // namespace trochix::ui
