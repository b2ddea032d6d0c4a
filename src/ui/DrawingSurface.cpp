#include "ui/DrawingSurface.h"

#include "ui/PictureClipboard.h"

#include <QMouseEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace trochix::ui {

using geometry::Point;
using geometry::Primitive;
using geometry::PrimitiveKind;

namespace {

QColor Colour(model::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Segments of an arc so that each spans at most 3 degrees.
int ArcSegments(double sweep) {
    return std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / (3.14159265358979 / 60))), 1,
                      720);
}

bool Usable(const geometry::SceneWindow& w) {
    return std::isfinite(w.width()) && std::isfinite(w.height()) && w.width() > 0.0 &&
           w.height() > 0.0;
}

} // namespace

SceneMapping::SceneMapping(const geometry::SceneWindow& window, const QRectF& area,
                           SceneScale scale)
    : m_window(window) {
    if (!Usable(window))
        return;
    m_sx = area.width() / window.width();
    m_sy = area.height() / window.height();
    m_ox = area.left();
    m_oy = area.top();
    if (scale == SceneScale::Equal) {
        const double s = std::min(m_sx, m_sy);
        m_ox += (area.width() - s * window.width()) / 2.0;
        m_oy += (area.height() - s * window.height()) / 2.0;
        m_sx = m_sy = s;
    }
}

QPointF SceneMapping::toDevice(Point p) const {
    return {m_ox + (p.x - m_window.left) * m_sx, m_oy + (m_window.top - p.y) * m_sy};
}

Point SceneMapping::toModel(const QPointF& d) const {
    return {m_window.left + (d.x() - m_ox) / m_sx, m_window.top - (d.y() - m_oy) / m_sy};
}

namespace {

// One primitive in the pen already set.
void PaintPrimitive(QPainter& painter, const SceneMapping& map, const Primitive& p) {
    switch (p.kind) {
    case PrimitiveKind::Polyline: {
        QPolygonF poly;
        for (const Point& q : p.points)
            poly << map.toDevice(q);
        painter.drawPolyline(poly);
        break;
    }
    case PrimitiveKind::Circle:
        painter.drawEllipse(map.toDevice(p.points[0]), p.radius * map.sx(), p.radius * map.sy());
        break;
    case PrimitiveKind::Marker:
        painter.drawEllipse(map.toDevice(p.points[0]), p.radius * map.sx(), p.radius * map.sx());
        break;
    case PrimitiveKind::Ring: {
        QPainterPath path;
        const QPointF c = map.toDevice(p.points[0]);
        path.addEllipse(c, p.radius * map.sx(), p.radius * map.sy());
        if (p.inner > 0.0)
            path.addEllipse(c, p.inner * map.sx(), p.inner * map.sy());
        path.setFillRule(Qt::OddEvenFill);
        painter.fillPath(path, Colour(p.colour));
        break;
    }
    case PrimitiveKind::Polygon: {
        QPainterPath path;
        QPolygonF poly;
        for (const Point& q : p.points)
            poly << map.toDevice(q);
        path.addPolygon(poly);
        path.closeSubpath();
        if (p.inner > 0.0)
            path.addEllipse(map.toDevice({0.0, 0.0}), p.inner * map.sx(), p.inner * map.sy());
        path.setFillRule(Qt::OddEvenFill);
        painter.fillPath(path, Colour(p.colour));
        break;
    }
    case PrimitiveKind::Box: {
        const QRectF r = QRectF(map.toDevice(p.points[0]), map.toDevice(p.points[1])).normalized();
        if (p.filled)
            painter.fillRect(r, Colour(p.colour));
        else
            painter.drawRect(r);
        break;
    }
    case PrimitiveKind::Arc: {
        const int n = ArcSegments(p.end - p.start);
        QPolygonF poly;
        for (int k = 0; k <= n; ++k) {
            const double a = p.start + (p.end - p.start) * k / n;
            poly << map.toDevice(
                {p.points[0].x + p.radius * std::cos(a), p.points[0].y + p.radius * std::sin(a)});
        }
        painter.drawPolyline(poly);
        break;
    }
    case PrimitiveKind::Text:
        painter.drawText(map.toDevice(p.points[0]), QString::fromStdString(p.text));
        break;
    }
}

} // namespace

void PaintScene(QPainter& painter, const geometry::Scene& scene, const QRectF& area,
                SceneScale scale) {
    PaintScene(painter, scene, area, scale, scene.window());
}

void PaintScene(QPainter& painter, const geometry::Scene& scene, const QRectF& area,
                SceneScale scale, const geometry::SceneWindow& window) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(area, Colour(scene.background()));
    if (!Usable(window)) {
        painter.restore();
        return;
    }
    painter.setClipRect(area);
    const SceneMapping map(window, area, scale);
    const QPaintDevice* device = painter.device();
    const double dpiScale = device ? std::max(1.0, device->logicalDpiX() / 96.0) : 1.0;

    for (const Primitive& p : scene.items()) {
        QPen pen(Colour(p.colour));
        pen.setWidthF(std::max(1.0, p.width) * dpiScale);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        PaintPrimitive(painter, map, p);
    }
    painter.restore();
}

DrawingSurface::DrawingSurface(SceneScale scale, QWidget* parent)
    : QWidget(parent), m_scale(scale) {
    setMouseTracking(true);
    setMinimumSize(120, 80);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    m_zoom = new ViewZoom(this, [this](const QPointF& pos) {
        const auto p = modelAt(pos);
        return p ? QPointF(p->x, p->y) : QPointF();
    });
    connect(m_zoom, &ViewZoom::viewChanged, this, qOverload<>(&QWidget::update));
    connect(m_zoom, &ViewZoom::menuRequested, this,
            [this](QPoint at) { ShowCopyMenu(*this, at, {}); });
    connect(m_zoom, &ViewZoom::copyRequested, this, [this] { CopyPictureAndData(*this, {}); });
}

void DrawingSurface::followScene() {
    const geometry::SceneWindow& w = m_scene.window();
    if (Usable(w))
        m_zoom->setFull({w.left, w.right, w.bottom, w.top});
}

void DrawingSurface::replaceScene(geometry::Scene scene) {
    m_scene = std::move(scene);
    // The next frame of an animation has the same window and keeps the zoom.
    followScene();
    update();
}

geometry::SceneWindow DrawingSurface::shownWindow() {
    followScene();
    if (!Usable(m_scene.window()) || !m_zoom->zoomed())
        return m_scene.window();
    const ViewRange& v = m_zoom->view();
    return {v.x0, v.x1, v.y0, v.y1};
}

std::optional<Point> DrawingSurface::modelAt(const QPointF& pos) {
    const geometry::SceneWindow w = shownWindow();
    if (!Usable(w))
        return std::nullopt;
    return SceneMapping(w, QRectF(rect()), m_scale).toModel(pos);
}

QPointF DrawingSurface::positionOf(Point p) {
    return SceneMapping(shownWindow(), QRectF(rect()), m_scale).toDevice(p);
}

void DrawingSurface::setCursorX(std::optional<double> x, std::optional<double> markY) {
    if (!x)
        markY.reset();
    if (x == m_cursorX && markY == m_markY)
        return;
    m_cursorX = x;
    m_markY = markY;
    update();
}

void DrawingSurface::setPins(const QList<double>& pins) {
    if (pins == m_pins)
        return;
    m_pins = pins;
    update();
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const geometry::SceneWindow shown = shownWindow();
    PaintScene(painter, m_scene, QRectF(rect()), m_scale, shown);
    if (!Usable(shown) || (!m_cursorX && m_pins.isEmpty()))
        return;
    const SceneMapping map(shown, QRectF(rect()), m_scale);
    auto line = [&](double at, Qt::PenStyle style) {
        const double x = map.toDevice({at, 0.0}).x();
        QPen pen(QColor(80, 80, 80), 1.0, style);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLine(QPointF(x, 0.0), QPointF(x, height()));
    };
    for (double pin : m_pins)
        line(pin, Qt::DashLine);
    if (m_cursorX) {
        line(*m_cursorX, Qt::SolidLine);
        if (m_markY) {
            QPen ring(QColor(0, 0, 255), 1.5);
            ring.setCosmetic(true);
            painter.setPen(ring);
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(map.toDevice({*m_cursorX, *m_markY}), 4.0, 4.0);
        }
    }
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    if (const auto p = modelAt(event->position()))
        emit pointerMoved(p->x, p->y);
    QWidget::mouseMoveEvent(event);
}

void DrawingSurface::leaveEvent(QEvent* event) {
    emit pointerLeft();
    QWidget::leaveEvent(event);
}

} // namespace trochix::ui
