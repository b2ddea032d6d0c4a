// The view transform of every chart and drawing: which part of the picture's full range (in the
// picture's own units: cam angle and value, or model lengths) the widget shows, and the gestures
// that change it. It only changes what the widget shows: the model, the scene and the graph stay
// as they were, so a picture written with --out or a freshly opened screen is never zoomed.
//
//   m_zoom = new ViewZoom(this, [this](QPointF pos) { return valueAt(pos); });
//   m_zoom->setFull({x0, x1, y0, y1});           // when the picture changes
//   connect(m_zoom, &ViewZoom::viewChanged, this, &Widget::applyView);
//
// Gestures (on the widget it watches): the wheel zooms about the pointer; a left drag draws a
// rubber band and zooms to it; a right, middle or Shift+left drag pans; a double-click resets;
// with the keyboard focus (a click gives it), + and - zoom about the middle, the arrows pan and
// Home resets. A left click that does not drag is reported by clicked(), for pinning a cursor;
// a right click that does not drag by menuRequested(), and Ctrl+C by copyRequested().
#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

#include <functional>

class QRubberBand;
class QWidget;

namespace trochix::ui {

// A range of the picture's own coordinates; y grows upwards.
struct ViewRange {
    double x0 = 0.0, x1 = 1.0, y0 = 0.0, y1 = 1.0;
    double width() const { return x1 - x0; }
    double height() const { return y1 - y0; }
    friend bool operator==(const ViewRange&, const ViewRange&) = default;
};

class ViewZoom : public QObject {
    Q_OBJECT
public:
    // valueAt maps a position on the watched widget to the picture's coordinates under the view
    // shown now.
    using ValueAt = std::function<QPointF(const QPointF&)>;
    ViewZoom(QWidget* watched, ValueAt valueAt);

    // The whole picture. A picture with the same range keeps the zoom (an animation's next
    // frame, a redraw); another one is shown whole.
    void setFull(const ViewRange& full);
    // Keeps x as it is, or y's lower end (a polar radius starts at the centre).
    void setFixed(bool x, bool yLow);
    // The keys reach a scroll area, not its viewport: watch that one too.
    void watchKeysOf(QWidget* widget);

    const ViewRange& full() const { return m_full; }
    const ViewRange& view() const { return m_view; }
    bool zoomed() const { return m_view != m_full; }

    // factor > 1 zooms in. The point stays where it is on the widget.
    void zoomAbout(QPointF value, double factor);
    void zoomTo(const ViewRange& range);
    void panBy(double dx, double dy);
    void reset();

signals:
    void viewChanged();
    // A left click without a drag, at a widget position.
    void clicked(QPointF pos);
    // A right click without a drag, at a global position: the widget's copy menu.
    void menuRequested(QPoint globalPos);
    void copyRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(ViewRange v);
    ViewRange bounded(ViewRange v) const;

    QWidget* m_widget;
    ValueAt m_valueAt;
    ViewRange m_full, m_view;
    bool m_fixedX = false, m_fixedYLow = false;
    enum class Drag { None, Band, Pan } m_drag = Drag::None;
    QPointF m_pressPos, m_lastPos;
    bool m_moved = false;
    QPointer<QRubberBand> m_band;
};

} // namespace trochix::ui
