// The one drawing surface (pct_...) of the sizing picture, the cam drawing and the Aligned
// plots. It paints a geometry::Scene: the scene's window (model coordinates, y up) is mapped
// onto the widget, with one scale for x and y when the picture must stay true to shape (a cam)
// or stretched to fill (a plot window). It paints vectors on every repaint, so it stays crisp
// when resized or on a high-DPI screen and repaints itself after being covered.
//
//   m_surface = new DrawingSurface(DrawingSurface::Scale::Equal, this);
//   m_surface->setObjectName("pct_Cam");
//   m_surface->scene().setWindow({-5, 5, -5, 5});
//   m_surface->scene().circle({0, 0}, 2, colours.ColorRed);
//   m_surface->update();                       // or replaceScene(built) to show a new picture
//
// PaintScene does the same painting on any QPainter (printer, PDF, SVG, image), so a printed or
// saved picture is exactly what the screen shows.
#pragma once

#include "geometry/Scene.h"
#include "ui/ViewZoom.h"

#include <QList>
#include <QWidget>

#include <optional>

class QPainter;

namespace trochix::ui {

enum class SceneScale {
    Equal,   // one scale for x and y, window centred: circles stay round
    Stretch, // the window fills the area
};

// Maps a scene window onto a device rectangle.
class SceneMapping {
public:
    SceneMapping(const geometry::SceneWindow& window, const QRectF& area, SceneScale scale);
    QPointF toDevice(geometry::Point p) const;
    geometry::Point toModel(const QPointF& d) const;
    double sx() const { return m_sx; }
    double sy() const { return m_sy; }

private:
    geometry::SceneWindow m_window;
    double m_sx = 1.0, m_sy = 1.0, m_ox = 0.0, m_oy = 0.0;
};

// Paints the background and every primitive of `scene` into `area`. Pen widths are scaled from
// screen pixels (96 per inch) to the device's resolution, so print and screen look alike.
void PaintScene(QPainter& painter, const geometry::Scene& scene, const QRectF& area,
                SceneScale scale);
// The same, showing `window` of the scene (a zoomed view) instead of the scene's own.
void PaintScene(QPainter& painter, const geometry::Scene& scene, const QRectF& area,
                SceneScale scale, const geometry::SceneWindow& window);

class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(SceneScale scale, QWidget* parent = nullptr);

    geometry::Scene& scene() { return m_scene; }
    const geometry::Scene& scene() const { return m_scene; }
    // Shows `scene` instead of what was drawn.
    void replaceScene(geometry::Scene scene);
    SceneScale scaleMode() const { return m_scale; }

    // The model point under a widget position; nothing when the window is empty.
    std::optional<geometry::Point> modelAt(const QPointF& pos);
    // Where a model point is drawn, in widget coordinates.
    QPointF positionOf(geometry::Point p);

    // Zoom and pan (ViewZoom's gestures); the scene itself is never changed.
    ViewZoom* zoom() const { return m_zoom; }
    // The part of the scene shown now: its window, or the zoomed part of it.
    geometry::SceneWindow shownWindow();

    // A vertical cursor at model x (nothing: none), drawn over the scene on screen only, with a
    // ring at (x, markY) where it meets the curve; the stacked windows of a plot show the
    // pointer's angle in each of them.
    void setCursorX(std::optional<double> x, std::optional<double> markY = std::nullopt);
    std::optional<double> cursorX() const { return m_cursorX; }
    // Dashed cursors at pinned x values, on screen only.
    void setPins(const QList<double>& pins);
    const QList<double>& pins() const { return m_pins; }

    QSize sizeHint() const override { return {400, 400}; }

signals:
    // The model point under the pointer, as it moves over the surface.
    void pointerMoved(double x, double y);
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The scene may be changed through scene(): its window is the whole the zoom works in.
    void followScene();

    SceneScale m_scale;
    geometry::Scene m_scene;
    ViewZoom* m_zoom;
    std::optional<double> m_cursorX, m_markY;
    QList<double> m_pins;
};

} // namespace trochix::ui
