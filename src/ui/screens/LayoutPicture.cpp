#include "ui/screens/LayoutPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace trochix::ui {

namespace {

// Curve shapes in a unit square (y downwards): a rise-dwell-fall and its velocity,
// acceleration and jerk, drawn as Bezier pieces (start, then control, control, end).
struct Piece {
    QPointF c1, c2, end;
};

struct Shape {
    QPointF start;
    std::vector<Piece> pieces;
};

const Shape kShapes[4] = {
    {{0, .85},
     {{{.12, .85}, {.18, .15}, {.32, .15}},
      {{.45, .15}, {.5, .15}, {.6, .15}},
      {{.74, .15}, {.8, .85}, {.95, .85}},
      {{.97, .85}, {.99, .85}, {1, .85}}}},
    {{0, .5},
     {{{.08, .5}, {.1, .15}, {.17, .15}},
      {{.24, .15}, {.26, .5}, {.32, .5}},
      {{.45, .5}, {.5, .5}, {.6, .5}},
      {{.66, .5}, {.7, .85}, {.77, .85}},
      {{.84, .85}, {.88, .5}, {.95, .5}},
      {{.97, .5}, {.99, .5}, {1, .5}}}},
    {{0, .5},
     {{{.04, .5}, {.05, .12}, {.1, .12}},
      {{.16, .12}, {.18, .88}, {.24, .88}},
      {{.29, .88}, {.29, .5}, {.32, .5}},
      {{.45, .5}, {.5, .5}, {.6, .5}},
      {{.63, .5}, {.64, .88}, {.69, .88}},
      {{.75, .88}, {.77, .12}, {.83, .12}},
      {{.9, .12}, {.9, .5}, {.95, .5}}}},
    {{0, .5},
     {{{.02, .5}, {.02, .2}, {.05, .2}},
      {{.1, .2}, {.1, .8}, {.16, .8}},
      {{.22, .8}, {.22, .2}, {.28, .2}},
      {{.31, .2}, {.3, .5}, {.32, .5}},
      {{.45, .5}, {.5, .5}, {.6, .5}},
      {{.62, .5}, {.62, .8}, {.65, .8}},
      {{.7, .8}, {.7, .2}, {.76, .2}},
      {{.82, .2}, {.82, .8}, {.88, .8}},
      {{.92, .8}, {.91, .5}, {.95, .5}}}},
};

QPointF Map(const QRectF& r, QPointF p) {
    return {r.left() + p.x() * r.width(), r.top() + p.y() * r.height()};
}

QPainterPath Curve(const QRectF& r, const Shape& s) {
    QPainterPath path(Map(r, s.start));
    for (const Piece& p : s.pieces)
        path.cubicTo(Map(r, p.c1), Map(r, p.c2), Map(r, p.end));
    return path;
}

void Window(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor("#9fb0c2"), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor("#e3e9ef"), 1));
    for (int i = 1; i < 4; ++i) {
        const double x = r.left() + r.width() * i / 4;
        p.drawLine(QPointF(x, r.top() + 1), QPointF(x, r.bottom() - 1));
    }
}

const QColor kCurveColours[4] = {QColor("#1f4e9c"), QColor("#c62828"), QColor("#2e7d32"),
                                 QColor("#8e24aa")};

void SingleWindow(QPainter& p, const QRectF& area) {
    Window(p, area);
    const QRectF inner = area.adjusted(6, 8, -6, -8);
    const Qt::PenStyle dashes[4] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 4; ++k) {
        p.setPen(QPen(kCurveColours[k], 1.6, dashes[k]));
        p.drawPath(Curve(inner, kShapes[k]));
    }
}

void StackedWindows(QPainter& p, const QRectF& area, int windows) {
    const double gap = 4;
    const double h = (area.height() - gap * (windows - 1)) / windows;
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < windows; ++k) {
        const QRectF r(area.left(), area.top() + k * (h + gap), area.width(), h);
        Window(p, r);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kCurveColours[0], 1.4));
        p.drawPath(Curve(r.adjusted(5, 3, -5, -3), kShapes[k]));
    }
}

void Polar(QPainter& p, const QRectF& area) {
    const double side = std::min(area.width(), area.height());
    const QRectF square(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    p.setPen(QPen(QColor("#c3ccd6"), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(square);
    p.setBrush(Qt::NoBrush);
    for (double f : {0.25, 0.5, 0.75})
        p.drawEllipse(square.center(), side * f / 2, side * f / 2);
    p.drawLine(QPointF(square.left(), square.center().y()),
               QPointF(square.right(), square.center().y()));
    p.drawLine(QPointF(square.center().x(), square.top()),
               QPointF(square.center().x(), square.bottom()));
    // A cam: base circle with one lobe.
    const QRectF r = square.adjusted(side * .08, side * .08, -side * .08, -side * .08);
    QPainterPath cam(Map(r, {.5, .02}));
    cam.cubicTo(Map(r, {.78, .02}), Map(r, {.9, .3}), Map(r, {.86, .5}));
    cam.cubicTo(Map(r, {.83, .7}), Map(r, {.68, .8}), Map(r, {.5, .8}));
    cam.cubicTo(Map(r, {.33, .8}), Map(r, {.2, .7}), Map(r, {.2, .5}));
    cam.cubicTo(Map(r, {.2, .22}), Map(r, {.3, .02}), Map(r, {.5, .02}));
    p.setPen(QPen(kCurveColours[0], 1.8));
    p.drawPath(cam);
}

} // namespace

LayoutPicture::LayoutPicture(int layout, QWidget* parent) : QWidget(parent), m_layout(layout) {
    setMinimumSize(180, 120);
    setCursor(Qt::PointingHandCursor);
}

void LayoutPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -6);
    switch (m_layout) {
    case 2: StackedWindows(p, area, 2); break;
    case 3: StackedWindows(p, area, 4); break;
    case 4: Polar(p, area); break;
    default: SingleWindow(p, area); break;
    }
    if (!isEnabled())
        p.fillRect(rect(), QColor(238, 242, 246, 170));
}

void LayoutPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void LayoutPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace trochix::ui
