#include "ui/ChartView.h"

#include "ui/PictureClipboard.h"

#include <QApplication>
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsEllipseItem>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPolarChart>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace trochix::ui {

using output::Graph;
using output::GraphKind;
using output::GraphSet;

namespace {

constexpr double kMaxAxisLabels = 100.0;

// Set colours: the first is the blue of the Aligned plots' curve.
const std::array<QColor, 4> kSetColours = {QColor(0, 0, 255), QColor(200, 0, 0), QColor(0, 128, 0),
                                           QColor(128, 0, 128)};
const std::array<Qt::PenStyle, 4> kPatterns = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                               Qt::DashDotLine};

QColor SetColour(int k) {
    return kSetColours[static_cast<std::size_t>(k) % kSetColours.size()];
}

QPen SetPen(const Graph& g, int k) {
    QPen pen(SetColour(k));
    pen.setWidthF(g.ThickLines ? 2.5 : 1.5);
    // Scales with the painter: a printed or PDF page gets a visible line, not a hairline of one
    // device dot.
    pen.setCosmetic(false);
    const int pattern = g.PatternedLines ? g.Sets[static_cast<std::size_t>(k)].PatternData : 0;
    pen.setStyle(kPatterns[static_cast<std::size_t>(std::clamp(pattern, 0, 3))]);
    return pen;
}

QFont FontFor(const Graph& g, int use) {
    const output::GraphFont& f = g.Fonts[static_cast<std::size_t>(std::clamp(use, 0, 3))];
    QFont font = QApplication::font();
    if (f.FontFamily == 0)
        font.setStyleHint(QFont::Serif);
    else if (f.FontFamily == 2)
        font.setStyleHint(QFont::TypeWriter);
    // Never smaller than a size one can read.
    const double base = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    font.setPointSizeF(std::max(7.5, base * f.FontSize / 100.0));
    font.setBold((f.FontStyle & 2) != 0);
    font.setItalic((f.FontStyle & 1) != 0);
    return font;
}

// Polar angles as the chart draws them: clockwise from the top. The cam is drawn
// counter-clockwise from the right.
double DisplayAngle(double theta) {
    double d = std::fmod(90.0 - theta, 360.0);
    if (d < 0)
        d += 360.0;
    return d;
}
double ThetaOf(double display) {
    return 90.0 - display;
}

struct Range {
    double lo = 0.0, hi = 0.0;
};

// The values of every set, with zero.
Range ValueRange(const Graph& g) {
    Range r;
    for (const GraphSet& s : g.Sets)
        for (double v : s.GraphData)
            if (std::isfinite(v)) {
                r.lo = std::min(r.lo, v);
                r.hi = std::max(r.hi, v);
            }
    if (r.hi - r.lo <= 0.0) {
        r.lo = -1.0;
        r.hi = 1.0;
    }
    return r;
}

QValueAxis* ValueAxis(const Graph& g, const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(FontFor(g, 1));
    axis->setLabelsFont(FontFor(g, 2));
    axis->setLabelFormat("%g");
    return axis;
}

// Labels with as many decimals as the tick spacing `step` needs: "%g" alone shows the tick
// that sums to zero as 5.55112e-17.
void LabelByStep(QValueAxis* axis, double step) {
    if (!(step > 0.0) || !std::isfinite(step))
        return;
    for (int decimals = 0; decimals <= 9; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::fabs(scaled - std::round(scaled)) <= 1e-6 * scaled) {
            axis->setLabelFormat(QString("%.%1f").arg(decimals));
            return;
        }
    }
    axis->setLabelFormat("%.6g");
}

void LabelByTickSpacing(QValueAxis* axis) {
    if (axis->tickCount() >= 2)
        LabelByStep(axis, (axis->max() - axis->min()) / (axis->tickCount() - 1));
}

// A round tick spacing (1, 2 or 5 times a power of ten) near `wanted`.
double NiceStep(double wanted) {
    if (!(wanted > 0.0) || !std::isfinite(wanted))
        return 1.0;
    const double decade = std::pow(10.0, std::floor(std::log10(wanted)));
    const double f = wanted / decade;
    return decade * (f < 1.5 ? 1.0 : f < 3.5 ? 2.0 : f < 7.5 ? 5.0 : 10.0);
}

void HideLegendOf(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* m : chart->legend()->markers(series))
        m->setVisible(false);
}

} // namespace

ChartView::ChartView(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing, true);
    setMouseTracking(true);
    setMinimumSize(240, 150);
    m_readout = new QGraphicsSimpleTextItem;
    m_readout->setZValue(20);
    m_readout->setVisible(false);
    scene()->addItem(m_readout);
    m_readoutBack = scene()->addRect(QRectF(), Qt::NoPen, QColor(255, 255, 255, 215));
    m_readoutBack->setZValue(19.5);
    m_readoutBack->setVisible(false);
    setFocusPolicy(Qt::ClickFocus);
    m_zoom = new ViewZoom(viewport(), [this](const QPointF& pos) { return valueAt(pos); });
    m_zoom->watchKeysOf(this);
    connect(m_zoom, &ViewZoom::viewChanged, this, &ChartView::applyView);
    connect(m_zoom, &ViewZoom::clicked, this, &ChartView::pinAt);
    connect(m_zoom, &ViewZoom::menuRequested, this,
            [this](QPoint at) { ShowCopyMenu(*this, at, {m_graph}); });
    connect(m_zoom, &ViewZoom::copyRequested, this,
            [this] { CopyPictureAndData(*this, {m_graph}); });
    rebuild();
}

void ChartView::setGraph(const Graph& graph) {
    m_graph = graph;
    rebuild();
}

void ChartView::rebuild() {
    const Graph& g = m_graph;
    const bool polar = g.Kind == GraphKind::Polar;
    QChart* chart = polar ? new QPolarChart : new QChart;
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setTitle(QString::fromStdString(g.GraphTitle));
    chart->setTitleFont(FontFor(g, 0));
    chart->legend()->setFont(FontFor(g, 3));
    chart->legend()->setAlignment(polar ? Qt::AlignBottom : Qt::AlignTop);

    const int points = std::max(0, g.NumPoints);
    QAbstractAxis* axisX = nullptr;
    QAbstractAxis* axisY = nullptr;
    if (polar) {
        auto* polarChart = static_cast<QPolarChart*>(chart);
        // Angle labels by cam angle, every TickEvery degrees when that divides the turn.
        const int step = (g.TickEvery > 0 && 360 % g.TickEvery == 0) ? g.TickEvery : 30;
        auto* angular = new QCategoryAxis;
        angular->setRange(0, 360);
        angular->setStartValue(0);
        angular->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        std::vector<std::pair<double, int>> labels;
        for (int t = 0; t < 360; t += step) {
            const double d = DisplayAngle(t);
            labels.push_back({d == 0.0 ? 360.0 : d, t});
        }
        std::sort(labels.begin(), labels.end());
        for (const auto& [d, t] : labels)
            angular->append(QString::number(t), d);
        angular->setLabelsFont(FontFor(g, 2));
        angular->setGridLineVisible((g.GridStyle & 2) != 0);
        double rmax = 0.0;
        for (const GraphSet& s : g.Sets)
            for (double v : s.GraphData)
                if (std::isfinite(v))
                    rmax = std::max(rmax, std::fabs(v));
        auto* radial = ValueAxis(g, {});
        radial->setRange(0.0, rmax > 0.0 ? rmax : 1.0);
        radial->applyNiceNumbers();
        LabelByTickSpacing(radial);
        radial->setGridLineVisible((g.GridStyle & 1) != 0);
        polarChart->addAxis(angular, QPolarChart::PolarOrientationAngular);
        polarChart->addAxis(radial, QPolarChart::PolarOrientationRadial);
        axisX = angular;
        axisY = radial;
        m_axisX = nullptr;
        m_axisY = radial;
    } else {
        auto* x = ValueAxis(g, QString::fromStdString(g.BottomTitle));
        double x0 = points > 0 ? g.XValues.front() : 0.0;
        double x1 = points > 0 ? g.XValues[static_cast<std::size_t>(points - 1)] : 1.0;
        const double perPoint = points > 1 && x1 > x0 ? (x1 - x0) / (points - 1) : 1.0;
        if (!(x1 > x0)) {
            x0 -= 0.5;
            x1 += 0.5;
        }
        x->setRange(x0, x1);
        const int tick = std::max(1, g.TickEvery);
        const int label = std::max(tick, g.LabelEvery);
        x->setTickType(QValueAxis::TicksDynamic);
        x->setTickAnchor(x0);
        // Labels every so many points, but never so many that the axis cannot lay them out
        // (points sharing one abscissa would otherwise ask for millions).
        double interval = perPoint * label;
        if (!(interval > 0.0) || (x1 - x0) / interval > kMaxAxisLabels)
            interval = (x1 - x0) / 10.0;
        if (g.RoundLabels) {
            interval = NiceStep((x1 - x0) / 6.0);
            x->setTickAnchor(std::ceil(x0 / interval) * interval);
            LabelByStep(x, interval);
        }
        x->setTickInterval(interval);
        x->setMinorTickCount(g.RoundLabels ? 1 : std::max(0, label / tick - 1));
        x->setGridLineVisible((g.GridStyle & 2) != 0);
        x->setMinorGridLineVisible((g.GridStyle & 2) != 0);
        auto* y = ValueAxis(g, QString::fromStdString(g.LeftTitle));
        const Range r = ValueRange(g);
        y->setRange(r.lo, r.hi);
        y->applyNiceNumbers();
        LabelByTickSpacing(y);
        y->setGridLineVisible((g.GridStyle & 1) != 0);
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        axisX = x;
        axisY = y;
        m_axisX = x;
        m_axisY = y;
    }

    auto attach = [&](QAbstractSeries* s, const QString& name, bool inLegend) {
        s->setObjectName(name);
        chart->addSeries(s);
        s->attachAxis(axisX);
        s->attachAxis(axisY);
        if (!inLegend)
            HideLegendOf(chart, s);
    };

    const bool lines = (g.GraphStyle & 4) != 0;
    const bool second = (g.GraphStyle & 2) != 0;
    bool anyLegend = false;
    for (int k = 0; k < static_cast<int>(g.Sets.size()); ++k) {
        const GraphSet& set = g.Sets[static_cast<std::size_t>(k)];
        const QString legend = QString::fromStdString(set.LegendText);
        const QString prefix = QStringLiteral("set_%1_").arg(k);
        anyLegend = anyLegend || !legend.isEmpty();
        const QPen pen = SetPen(g, k);

        // The set's points as the chart places them; a polar curve is cut where it passes
        // the top of the chart, so that it is not drawn back round the circle.
        std::vector<QList<QPointF>> runs(1);
        double previous = 0.0;
        const int n = std::min<int>(points, static_cast<int>(set.GraphData.size()));
        for (int i = 0; i < n; ++i) {
            const double v = set.GraphData[static_cast<std::size_t>(i)];
            if (!std::isfinite(v))
                continue;
            if (!polar) {
                runs.back().append({g.XValues[static_cast<std::size_t>(i)], v});
                continue;
            }
            const double d = DisplayAngle(g.XPosData[static_cast<std::size_t>(i)]);
            if (!runs.back().isEmpty() && std::fabs(d - previous) > 180.0) {
                // Close this run at the top and start the next one from there.
                const double edgeFrom = previous > 180.0 ? 360.0 : 0.0;
                const double span =
                    std::fabs(d - previous) > 0 ? 360.0 - std::fabs(d - previous) : 1.0;
                const double frac = std::fabs(edgeFrom - previous) / span;
                const double vEdge = runs.back().last().y() + frac * (v - runs.back().last().y());
                runs.back().append({edgeFrom, vEdge});
                runs.emplace_back();
                runs.back().append({360.0 - edgeFrom, vEdge});
            }
            runs.back().append({d, v});
            previous = d;
        }

        bool legendGiven = false;
        auto inLegend = [&] {
            const bool first = !legendGiven;
            legendGiven = true;
            return first;
        };
        for (std::size_t r = 0; r < runs.size(); ++r) {
            const QList<QPointF>& run = runs[r];
            const QString part = r == 0 ? QString() : QStringLiteral("%1_").arg(r);
            if (second && g.Kind == GraphKind::Spectrum) {
                // Spectral lines: a stick from zero up to each value.
                auto* sticks = new QLineSeries;
                QList<QPointF> zig;
                for (const QPointF& p : run)
                    zig << QPointF(p.x(), 0.0) << p << QPointF(p.x(), 0.0);
                sticks->append(zig);
                QPen stickPen = pen;
                stickPen.setStyle(Qt::SolidLine);
                stickPen.setWidthF(g.ThickLines ? 3.0 : 2.0);
                sticks->setPen(stickPen);
                sticks->setName(legend);
                attach(sticks, prefix + part + "sticks", inLegend());
            } else if (second) {
                auto* upper = new QLineSeries;
                upper->append(run);
                auto* lower = new QLineSeries;
                for (const QPointF& p : run)
                    lower->append(p.x(), 0.0);
                auto* area = new QAreaSeries(upper, lower);
                QColor fill = SetColour(k);
                fill.setAlpha(90);
                area->setBrush(fill);
                area->setPen(lines ? QPen(Qt::NoPen) : pen);
                area->setName(legend);
                attach(area, prefix + part + "fill", inLegend());
            }
            if (lines) {
                auto* line = new QLineSeries;
                line->append(run);
                line->setPen(pen);
                line->setName(legend);
                attach(line, prefix + part + "line", inLegend());
            }
            if (!lines && !second) {
                auto* dots = new QScatterSeries;
                dots->append(run);
                dots->setMarkerSize(g.ThickLines ? 5.0 : 3.5);
                dots->setColor(SetColour(k));
                dots->setBorderColor(SetColour(k));
                dots->setName(legend);
                attach(dots, prefix + part + "points", inLegend());
            }
        }
    }
    chart->legend()->setVisible(anyLegend);

    if (polar && !g.BottomTitle.empty()) {
        // The polar chart has no horizontal axis to carry the bottom title.
        chart->setTitle(QString::fromStdString(
            g.GraphTitle.empty() ? g.BottomTitle : g.GraphTitle + "\n" + g.BottomTitle));
    }

    QChart* old = QChartView::chart();
    for (QGraphicsEllipseItem* m : m_markers)
        delete m;
    m_markers.clear();
    setChart(chart);
    delete old;
    m_current = chart;
    m_shownPoint = -1;
    m_readout->setVisible(false);
    m_readoutBack->setVisible(false);

    auto ticksOf = [](const QValueAxis* a) {
        return Ticks{a->tickInterval(),   a->tickAnchor(),
                     a->minorTickCount(), a->tickCount(),
                     a->labelFormat(),    a->tickType() == QValueAxis::TicksDynamic};
    };
    if (m_axisX)
        m_ticksX = ticksOf(m_axisX);
    m_ticksY = ticksOf(m_axisY);
    m_zoom->setFixed(polar, polar);
    const double x0 = m_axisX ? m_axisX->min() : 0.0, x1 = m_axisX ? m_axisX->max() : 360.0;
    // Another graph on the same axes (the same plot recomputed) keeps its zoom.
    m_zoom->setFull({x0, x1, m_axisY->min(), m_axisY->max()});
    applyView();
}

ViewRange ChartView::shownRange() const {
    if (!m_axisY)
        return {};
    const double x0 = m_axisX ? m_axisX->min() : 0.0, x1 = m_axisX ? m_axisX->max() : 360.0;
    return {x0, x1, m_axisY->min(), m_axisY->max()};
}

QPointF ChartView::valueAt(const QPointF& pos) {
    if (!m_current || m_current->series().isEmpty())
        return {};
    const QPointF chartPos = m_current->mapFromScene(mapToScene(pos.toPoint()));
    const QPointF v = m_current->mapToValue(chartPos, m_current->series().front());
    return m_axisX ? v : QPointF(ThetaOf(v.x()), v.y());
}

void ChartView::applyView() {
    if (!m_axisY)
        return;
    const ViewRange& v = m_zoom->view();
    const bool zoomed = m_zoom->zoomed();
    auto tick = [zoomed](QValueAxis* axis, const Ticks& full, double lo, double hi, int count,
                         bool dynamic) {
        axis->setRange(lo, hi);
        if (!zoomed) {
            axis->setTickInterval(full.interval);
            axis->setTickAnchor(full.anchor);
            axis->setMinorTickCount(full.minor);
            axis->setTickCount(full.count);
            axis->setLabelFormat(full.format);
            axis->setTickType(full.dynamic ? QValueAxis::TicksDynamic : QValueAxis::TicksFixed);
            return;
        }
        axis->setMinorTickCount(0);
        if (dynamic) {
            // Round ticks of the part shown, counted from zero so that they keep their places
            // while panning.
            const double step = NiceStep((hi - lo) / count);
            axis->setTickType(QValueAxis::TicksDynamic);
            axis->setTickAnchor(0.0);
            axis->setTickInterval(step);
            LabelByStep(axis, step);
            return;
        }
        // The vertical axis elides dynamic tick labels: evenly spaced ones, with the decimals
        // their spacing needs.
        axis->setTickType(QValueAxis::TicksFixed);
        axis->setTickCount(count + 1);
        const double step = (hi - lo) / count;
        const int decimals =
            step > 0.0 ? std::clamp(static_cast<int>(std::ceil(-std::log10(step))) + 1, 0, 9) : 0;
        axis->setLabelFormat(QString("%.%1f").arg(decimals));
    };
    if (m_axisX)
        tick(m_axisX, m_ticksX, v.x0, v.x1, 8, true);
    tick(m_axisY, m_ticksY, v.y0, v.y1, 5, false);
    // The labels of the new range may be wider: lay the axes out again before painting.
    if (m_current->layout())
        m_current->layout()->invalidate();
    drawCursor();
}

std::optional<double> ChartView::cursorValueAt(const QPointF& pos) {
    if (!m_current || !m_axisX || m_current->series().isEmpty())
        return std::nullopt;
    const QPointF chartPos = m_current->mapFromScene(mapToScene(pos.toPoint()));
    if (!m_current->plotArea().contains(chartPos))
        return std::nullopt;
    const double x = valueAt(pos).x();
    const int n = output::NearestPoint(m_graph, x);
    if (n >= 0) {
        const double xn = m_graph.XValues[static_cast<std::size_t>(n)];
        const QPointF at = m_current->mapToPosition({xn, 0.0}, m_current->series().front());
        if (std::fabs(at.x() - chartPos.x()) <= 1.0)
            return xn;
    }
    return x;
}

void ChartView::showCursorAt(std::optional<double> x) {
    if (x && !output::GraphValuesAt(m_graph, *x))
        x.reset();
    if (x == m_cursorX)
        return;
    m_cursorX = x;
    drawCursor();
}

void ChartView::setPins(const QList<double>& pins) {
    if (pins == m_pins)
        return;
    m_pins = pins.mid(0, 2);
    drawCursor();
}

void ChartView::pinAt(const QPointF& pos) {
    const auto x = cursorValueAt(pos);
    if (!x || !output::GraphValuesAt(m_graph, *x))
        return;
    QList<double> pins = m_pins.size() >= 2 ? QList<double>() : m_pins;
    pins.append(*x);
    setPins(pins);
    emit pinsChanged(m_pins);
}

void ChartView::drawCursor() {
    if (m_graph.Kind == GraphKind::Polar || !m_current || !m_axisX || m_current->series().isEmpty())
        return;
    for (QGraphicsLineItem* l : m_cursorLines)
        delete l;
    m_cursorLines.clear();
    for (QGraphicsEllipseItem* m : m_markers)
        delete m;
    m_markers.clear();
    const QRectF area = m_current->plotArea();
    QAbstractSeries* front = m_current->series().front();
    auto inView = [&](double x) { return x >= m_axisX->min() && x <= m_axisX->max(); };
    auto line = [&](double x, Qt::PenStyle style) {
        if (!inView(x))
            return;
        const double cx = m_current->mapToPosition({x, 0.0}, front).x();
        const QPointF top = m_current->mapToScene(QPointF(cx, area.top()));
        const QPointF bottom = m_current->mapToScene(QPointF(cx, area.bottom()));
        QPen pen(QColor(80, 80, 80), 1.0, style);
        pen.setCosmetic(true);
        auto* item = scene()->addLine(QLineF(top, bottom), pen);
        item->setZValue(19);
        m_cursorLines.push_back(item);
    };
    if (m_cursorX) {
        line(*m_cursorX, Qt::SolidLine);
        if (const auto v = output::GraphValuesAt(m_graph, *m_cursorX); v && inView(v->x)) {
            for (std::size_t k = 0; k < v->values.size(); ++k) {
                const double y = v->values[k];
                if (!std::isfinite(y) || y < m_axisY->min() || y > m_axisY->max())
                    continue;
                const QPointF at =
                    m_current->mapToScene(m_current->mapToPosition({v->x, y}, front));
                auto* marker = scene()->addEllipse(at.x() - 4, at.y() - 4, 8, 8,
                                                   QPen(SetColour(static_cast<int>(k)), 1.5));
                marker->setZValue(20);
                m_markers.push_back(marker);
            }
        }
    }
    for (double pin : m_pins)
        line(pin, Qt::DashLine);
    const QString text = QString::fromStdString(
        output::ReadoutText(m_graph, m_cursorX, {m_pins.begin(), m_pins.end()}));
    m_readout->setText(text);
    m_readout->setVisible(!text.isEmpty());
    m_readout->setFont(FontFor(m_graph, 2));
    placeReadout();
    if (text != m_readoutText) {
        m_readoutText = text;
        emit readingChanged(text);
    }
}

int ChartView::pointAt(const QPointF& pos) {
    if (!m_current || m_graph.NumPoints <= 0 || m_current->series().isEmpty())
        return -1;
    const QPointF scenePos = mapToScene(pos.toPoint());
    const QPointF chartPos = m_current->mapFromScene(scenePos);
    if (!m_current->plotArea().contains(chartPos))
        return -1;
    const QPointF v = m_current->mapToValue(chartPos, m_current->series().front());
    const double x = m_graph.Kind == GraphKind::Polar ? ThetaOf(v.x()) : v.x();
    return output::NearestPoint(m_graph, x);
}

QString ChartView::readingAt(const QPointF& pos) {
    return QString::fromStdString(output::GraphReading(m_graph, pointAt(pos)));
}

QPointF ChartView::positionOf(int set, int point) {
    if (!m_current || m_current->series().isEmpty() || set < 0 ||
        set >= static_cast<int>(m_graph.Sets.size()) || point < 0 || point >= m_graph.NumPoints)
        return {};
    const auto n = static_cast<std::size_t>(point);
    const double v = m_graph.Sets[static_cast<std::size_t>(set)].GraphData[n];
    const QPointF value = m_graph.Kind == GraphKind::Polar
                              ? QPointF(DisplayAngle(m_graph.XPosData[n]), v)
                              : QPointF(m_graph.XValues[n], v);
    const QPointF chartPos = m_current->mapToPosition(value, m_current->series().front());
    return mapFromScene(m_current->mapToScene(chartPos));
}

void ChartView::showReading(int point) {
    if (point == m_shownPoint)
        return;
    m_shownPoint = point;
    for (QGraphicsEllipseItem* m : m_markers)
        delete m;
    m_markers.clear();
    const QString text = QString::fromStdString(output::GraphReading(m_graph, point));
    m_readout->setText(text);
    m_readout->setVisible(!text.isEmpty());
    if (!text.isEmpty()) {
        m_readout->setFont(FontFor(m_graph, 2));
        for (int k = 0; k < static_cast<int>(m_graph.Sets.size()); ++k) {
            const double v = m_graph.Sets[static_cast<std::size_t>(k)]
                                 .GraphData[static_cast<std::size_t>(point)];
            if (!std::isfinite(v))
                continue;
            const QPointF at = mapToScene(positionOf(k, point).toPoint());
            auto* marker =
                scene()->addEllipse(at.x() - 4, at.y() - 4, 8, 8, QPen(SetColour(k), 1.5));
            marker->setZValue(20);
            m_markers.push_back(marker);
        }
    }
    placeReadout();
    emit readingChanged(text);
}

void ChartView::placeReadout() {
    if (!m_current)
        return;
    const QRectF area = m_current->mapRectToScene(m_current->plotArea());
    m_readout->setPos(area.left() + 6, area.top() + 4);
    m_readoutBack->setRect(m_readout->sceneBoundingRect().adjusted(-3, -1, 3, 1));
    m_readoutBack->setVisible(m_readout->isVisible());
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    if (m_graph.Kind == GraphKind::Polar) {
        showReading(pointAt(event->position()));
    } else {
        const auto x = cursorValueAt(event->position());
        const auto before = m_cursorX;
        showCursorAt(x);
        if (m_cursorX != before)
            emit cursorMoved(m_cursorX);
    }
    QChartView::mouseMoveEvent(event);
}

void ChartView::leaveEvent(QEvent* event) {
    if (m_graph.Kind == GraphKind::Polar) {
        showReading(-1);
    } else if (m_cursorX) {
        showCursorAt(std::nullopt);
        emit cursorMoved(std::nullopt);
    }
    QChartView::leaveEvent(event);
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    if (m_graph.Kind == GraphKind::Polar)
        showReading(-1);
    else
        drawCursor(); // the plot area moved
}

void LinkCursors(const std::vector<ChartView*>& charts) {
    for (ChartView* from : charts)
        for (ChartView* to : charts) {
            if (from == to)
                continue;
            QObject::connect(from, &ChartView::cursorMoved, to, &ChartView::showCursorAt);
            QObject::connect(from, &ChartView::pinsChanged, to, &ChartView::setPins);
        }
}

} // namespace trochix::ui
