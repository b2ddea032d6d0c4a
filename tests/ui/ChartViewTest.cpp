// The chart widget renders the chart properties it is given: series by style and kind, axes by
// tick and label spacing, grids, and polar curves cut where they pass the top.
#include "ui/ChartView.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QAbstractSeries>
#include <QCategoryAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPolarChart>
#include <QScatterSeries>
#include <QValueAxis>

#include <cmath>

using namespace trochix;
using namespace trochix::uitest;
using output::Graph;
using output::GraphKind;

namespace {

// Two sets over points 0..n-1 at x = x0 + n step: a sine and a constant.
Graph TwoSets(GraphKind kind, int n, double x0, double step) {
    Graph g;
    g.Kind = kind;
    output::ResizeGraph(g, 2, n);
    for (int i = 0; i < n; ++i) {
        g.XValues[static_cast<std::size_t>(i)] = x0 + i * step;
        g.Sets[0].GraphData[static_cast<std::size_t>(i)] = std::sin(i * 0.1);
        g.Sets[1].GraphData[static_cast<std::size_t>(i)] = 2.0;
    }
    g.Sets[0].LegendText = "S";
    g.Sets[1].LegendText = "V";
    return g;
}

QStringList SeriesNames(ui::ChartView& view) {
    QStringList names;
    for (QAbstractSeries* s : view.chart()->series())
        names << s->objectName();
    return names;
}

QXYSeries* Named(ui::ChartView& view, const QString& name) {
    for (QAbstractSeries* s : view.chart()->series())
        if (s->objectName() == name)
            return qobject_cast<QXYSeries*>(s);
    return nullptr;
}

} // namespace

class ChartViewTest : public QObject {
    Q_OBJECT
private slots:
    void seriesByStyleAndKind() {
        const struct {
            GraphKind kind;
            int style;
            QStringList series;
        } cases[] = {
            {GraphKind::CamAngle, 0, {"set_0_points", "set_1_points"}},
            {GraphKind::CamAngle, 2, {"set_0_fill", "set_1_fill"}},
            {GraphKind::CamAngle, 4, {"set_0_line", "set_1_line"}},
            {GraphKind::CamAngle, 6, {"set_0_fill", "set_0_line", "set_1_fill", "set_1_line"}},
            {GraphKind::Spectrum, 2, {"set_0_sticks", "set_1_sticks"}},
            {GraphKind::Spectrum, 6, {"set_0_sticks", "set_0_line", "set_1_sticks", "set_1_line"}},
        };
        for (const auto& c : cases) {
            Row row{QStringLiteral("kind %1 style %2").arg(int(c.kind)).arg(c.style)};
            ui::ChartView view;
            Graph g = TwoSets(c.kind, 31, 0.0, 1.0);
            g.GraphStyle = c.style;
            view.setGraph(g);
            QCOMPARE(SeriesNames(view), c.series);
            // One legend entry per set, whatever the number of series drawing it.
            int shown = 0;
            for (QLegendMarker* m : view.chart()->legend()->markers())
                shown += m->isVisible() ? 1 : 0;
            QCOMPARE(shown, 2);
            if (QXYSeries* line = Named(view, "set_0_line"))
                QCOMPARE(line->count(), 31);
            if (QXYSeries* sticks = Named(view, "set_1_sticks"))
                QCOMPARE(sticks->at(3 * 7 + 1), QPointF(7, 2.0));
        }
    }

    // Ticks every TickEvery points, labels every LabelEvery from the first point; the value
    // axis keeps zero in view; the grid boxes switch the grid lines.
    void axesFollowTheProperties() {
        ui::ChartView view;
        Graph g = TwoSets(GraphKind::CamAngle, 91, 90.0, 1.0); // 90..180 degrees
        for (double& v : g.Sets[1].GraphData)
            v = 5.0;
        g.Sets[0].GraphData.assign(91, 3.0);
        g.TickEvery = 8;
        g.LabelEvery = 16;
        g.GridStyle = 2;
        g.BottomTitle = "Cam Angle (Deg)";
        g.LeftTitle = "Displ ";
        view.setGraph(g);
        auto* x = qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Horizontal).front());
        auto* y = qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Vertical).front());
        QCOMPARE(x->min(), 90.0);
        QCOMPARE(x->max(), 180.0);
        QCOMPARE(x->tickAnchor(), 90.0);
        QCOMPARE(x->tickInterval(), 16.0);
        QCOMPARE(x->minorTickCount(), 1);
        QVERIFY(x->isGridLineVisible() && !y->isGridLineVisible());
        QVERIFY(y->min() <= 0.0 && y->max() >= 5.0);
        QCOMPARE(x->titleText(), QString("Cam Angle (Deg)"));
        QCOMPARE(y->titleText(), QString("Displ "));
    }

    // A range that starts off a round value (spectrum ratios 0.25 to 5, one point inserted)
    // is labelled on round values, not at 0.25 plus steps of 0.79.
    void roundLabelsOverARatioRange() {
        ui::ChartView view;
        Graph g = TwoSets(GraphKind::CamAngle, 122, 0.25, 4.75 / 121.0);
        g.RoundLabels = true;
        view.setGraph(g);
        auto* x = qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Horizontal).front());
        QCOMPARE(x->min(), 0.25);
        QCOMPARE(x->tickAnchor(), 1.0);
        QCOMPARE(x->tickInterval(), 1.0);
        QCOMPARE(x->labelFormat(), QString("%.0f"));
    }

    // Points sharing one abscissa (an uncomputed spectrum) once asked the axis for a label
    // every 1e-9 and hung laying them out; the axis keeps a bounded number of labels.
    void sharedAbscissaKeepsFewLabels() {
        ui::ChartView view;
        Graph g = TwoSets(GraphKind::Spectrum, 25, 0.0, 0.0);
        view.setGraph(g);
        auto* x = qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Horizontal).front());
        QVERIFY(x->max() > x->min());
        QVERIFY((x->max() - x->min()) / x->tickInterval() <= 100.0);
    }

    // Nice numbers from -0.4 to 0.2 sum a tick to 5.55e-17 rather than zero; the labels take
    // the decimals of the tick spacing instead of printing it.
    void labelsTakeTheDecimalsOfTheTickSpacing() {
        const struct {
            double lo, hi;
            QString format;
        } cases[] = {{-0.34, 0.15, "%.1f"}, {-180.0, 440.0, "%.0f"}, {0.0, 0.0375, "%.2f"}};
        for (const auto& c : cases) {
            ui::ChartView view;
            Graph g = TwoSets(GraphKind::Spectrum, 16, 0.0, 1.0);
            g.Sets[0].GraphData.assign(16, c.lo);
            g.Sets[1].GraphData.assign(16, c.hi);
            view.setGraph(g);
            auto* y = qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Vertical).front());
            QCOMPARE(y->labelFormat(), c.format);
        }
    }

    // A polar curve is drawn counter-clockwise from the right; where theta passes 90 degrees
    // (the top of the chart) the curve is cut in two runs that meet at the top.
    void polarCurveIsCutAtTheTop() {
        ui::ChartView view;
        Graph g;
        g.Kind = GraphKind::Polar;
        output::ResizeGraph(g, 1, 361);
        for (int i = 0; i <= 360; ++i) {
            g.XPosData[static_cast<std::size_t>(i)] = i;
            g.Sets[0].GraphData[static_cast<std::size_t>(i)] = 2.0 + i / 360.0;
        }
        g.GraphStyle = 4;
        g.GridStyle = 1;
        view.setGraph(g);
        QVERIFY(qobject_cast<QPolarChart*>(view.chart()));
        QXYSeries* first = Named(view, "set_0_line");
        QXYSeries* second = Named(view, "set_0_1_line");
        QVERIFY(first && second);
        // theta 0 lies at 90 degrees clockwise from the top; theta 90 at the top.
        QCOMPARE(first->at(0), QPointF(90.0, 2.0));
        QCOMPARE(first->at(first->count() - 1).x(), 0.0);
        QCOMPARE(second->at(0).x(), 360.0);
        QCOMPARE(first->at(first->count() - 1).y(), second->at(0).y());
        QVERIFY(first->count() + second->count() >= 361 + 1);
        auto* radial = qobject_cast<QValueAxis*>(static_cast<QPolarChart*>(view.chart())
                                                     ->axes(QPolarChart::PolarOrientationRadial)
                                                     .front());
        QVERIFY(radial->isGridLineVisible());
        QCOMPARE(radial->min(), 0.0);
        QVERIFY(radial->max() >= 3.0);
    }
};

TROCHIX_UI_TEST(ChartViewTest)
#include "ChartViewTest.moc"
