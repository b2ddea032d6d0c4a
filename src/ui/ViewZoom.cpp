#include "ui/ViewZoom.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace trochix::ui {

namespace {

constexpr double kWheelStep = 1.25; // per notch of 15 degrees
constexpr double kKeyStep = 1.5;
constexpr double kPanFraction = 0.1; // of the view, per arrow key
constexpr double kDragSlop = 4.0;    // pixels a press may move and still be a click
// Deeper than this the picture's own single-precision values show their steps.
constexpr double kMaxZoom = 1e5;

bool Finite(const ViewRange& r) {
    return std::isfinite(r.x0) && std::isfinite(r.x1) && std::isfinite(r.y0) &&
           std::isfinite(r.y1) && r.width() > 0.0 && r.height() > 0.0;
}

} // namespace

ViewZoom::ViewZoom(QWidget* watched, ValueAt valueAt)
    : QObject(watched), m_widget(watched), m_valueAt(std::move(valueAt)) {
    watched->installEventFilter(this);
    // A right click opens the view's own copy menu on its release; a right drag pans.
    watched->setContextMenuPolicy(Qt::PreventContextMenu);
}

void ViewZoom::watchKeysOf(QWidget* widget) {
    widget->installEventFilter(this);
}

void ViewZoom::setFull(const ViewRange& full) {
    if (full == m_full)
        return;
    m_full = full;
    m_view = full;
    emit viewChanged();
}

void ViewZoom::setFixed(bool x, bool yLow) {
    m_fixedX = x;
    m_fixedYLow = yLow;
}

ViewRange ViewZoom::bounded(ViewRange v) const {
    if (!Finite(v) || !Finite(m_full))
        return m_full;
    // Never wider than the whole picture, never deeper than single precision can show, and
    // never off the picture: there is nothing to see there.
    auto fit = [](double& lo, double& hi, double fullLo, double fullHi) {
        const double fullSpan = fullHi - fullLo;
        double span = std::clamp(hi - lo, fullSpan / kMaxZoom, fullSpan);
        const double mid = (lo + hi) / 2.0;
        lo = mid - span / 2.0;
        hi = mid + span / 2.0;
        if (lo < fullLo) {
            lo = fullLo;
            hi = fullLo + span;
        }
        if (hi > fullHi) {
            hi = fullHi;
            lo = fullHi - span;
        }
    };
    fit(v.x0, v.x1, m_full.x0, m_full.x1);
    fit(v.y0, v.y1, m_full.y0, m_full.y1);
    if (m_fixedX) {
        v.x0 = m_full.x0;
        v.x1 = m_full.x1;
    }
    if (m_fixedYLow) {
        const double span = v.height();
        v.y0 = m_full.y0;
        v.y1 = m_full.y0 + span;
    }
    return v;
}

void ViewZoom::show(ViewRange v) {
    v = bounded(v);
    if (v == m_view)
        return;
    m_view = v;
    emit viewChanged();
}

void ViewZoom::zoomAbout(QPointF value, double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor))
        return;
    const double cx = value.x();
    const double cy = m_fixedYLow ? m_full.y0 : value.y();
    ViewRange v = m_view;
    v.x0 = cx + (v.x0 - cx) / factor;
    v.x1 = cx + (v.x1 - cx) / factor;
    v.y0 = cy + (v.y0 - cy) / factor;
    v.y1 = cy + (v.y1 - cy) / factor;
    show(v);
}

void ViewZoom::zoomTo(const ViewRange& range) {
    ViewRange v = range;
    if (v.x0 > v.x1)
        std::swap(v.x0, v.x1);
    if (v.y0 > v.y1)
        std::swap(v.y0, v.y1);
    show(v);
}

void ViewZoom::panBy(double dx, double dy) {
    ViewRange v = m_view;
    v.x0 += dx;
    v.x1 += dx;
    v.y0 += dy;
    v.y1 += dy;
    show(v);
}

void ViewZoom::reset() {
    show(m_full);
}

bool ViewZoom::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Wheel: {
        if (watched != m_widget)
            return false;
        auto* e = static_cast<QWheelEvent*>(event);
        const double notches = e->angleDelta().y() / 120.0;
        if (notches != 0.0)
            zoomAbout(m_valueAt(e->position()), std::pow(kWheelStep, notches));
        return true;
    }
    case QEvent::MouseButtonPress: {
        if (watched != m_widget)
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        m_pressPos = m_lastPos = e->position();
        m_moved = false;
        const bool pan = e->button() == Qt::RightButton || e->button() == Qt::MiddleButton ||
                         (e->button() == Qt::LeftButton && (e->modifiers() & Qt::ShiftModifier));
        m_drag = pan ? Drag::Pan : e->button() == Qt::LeftButton ? Drag::Band : Drag::None;
        m_widget->setFocus(Qt::MouseFocusReason);
        return m_drag != Drag::None;
    }
    case QEvent::MouseMove: {
        if (watched != m_widget || m_drag == Drag::None)
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        const QPointF pos = e->position();
        if (!m_moved && (pos - m_pressPos).manhattanLength() < kDragSlop)
            return false;
        m_moved = true;
        if (m_drag == Drag::Pan) {
            const QPointF from = m_valueAt(m_lastPos), to = m_valueAt(pos);
            panBy(from.x() - to.x(), from.y() - to.y());
        } else {
            if (!m_band)
                m_band = new QRubberBand(QRubberBand::Rectangle, m_widget);
            m_band->setGeometry(QRectF(m_pressPos, pos).normalized().toRect());
            m_band->show();
        }
        m_lastPos = pos;
        return false; // a readout may still follow the pointer
    }
    case QEvent::MouseButtonRelease: {
        if (watched != m_widget || m_drag == Drag::None)
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        const Drag drag = std::exchange(m_drag, Drag::None);
        if (m_band)
            m_band->hide();
        if (!m_moved) {
            if (drag == Drag::Band)
                emit clicked(e->position());
            else if (e->button() == Qt::RightButton)
                emit menuRequested(e->globalPosition().toPoint());
            return true;
        }
        if (drag == Drag::Band) {
            const QRectF band = QRectF(m_pressPos, e->position()).normalized();
            // A thin band is a slip of the hand, not a request for a sliver.
            if (band.width() >= kDragSlop && band.height() >= kDragSlop) {
                const QPointF a = m_valueAt(band.topLeft()), b = m_valueAt(band.bottomRight());
                zoomTo({a.x(), b.x(), a.y(), b.y()});
            }
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (watched != m_widget)
            return false;
        reset();
        return true;
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        if (e->matches(QKeySequence::Copy)) {
            emit copyRequested();
            return true;
        }
        const QPointF mid((m_view.x0 + m_view.x1) / 2.0, (m_view.y0 + m_view.y1) / 2.0);
        const double dx = m_view.width() * kPanFraction, dy = m_view.height() * kPanFraction;
        switch (e->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: zoomAbout(mid, kKeyStep); return true;
        case Qt::Key_Minus: zoomAbout(mid, 1.0 / kKeyStep); return true;
        case Qt::Key_Left: panBy(-dx, 0.0); return true;
        case Qt::Key_Right: panBy(dx, 0.0); return true;
        case Qt::Key_Up: panBy(0.0, dy); return true;
        case Qt::Key_Down: panBy(0.0, -dy); return true;
        case Qt::Key_Home: reset(); return true;
        default: return false;
        }
    }
    default: return false;
    }
}

} // namespace trochix::ui
