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
// Hovering the plot shows, at its top, the reading of the nearest point (the angle or
// harmonic and each set's value: output::GraphReading) and marks the point; readingChanged()
// reports the same text ("" when the pointer leaves). It paints vectors, so it stays crisp on
// any screen and prints and exports (QWidget::render into a printer, SVG or PDF) as vectors.
#pragma once

#include "output/Graph.h"
#include "ui/ViewZoom.h"

#include <QChartView>
#include <QString>

#include <vector>

class QGraphicsEllipseItem;
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

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void showReading(int point);
    void placeReadout();
    void applyView();

    output::Graph m_graph;
    QChart* m_current = nullptr;
    QGraphicsSimpleTextItem* m_readout = nullptr;
    std::vector<QGraphicsEllipseItem*> m_markers;
    int m_shownPoint = -1;
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

} // namespace trochix::ui
