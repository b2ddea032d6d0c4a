#include "ui/WidgetPainting.h"

#include <QGraphicsView>
#include <QPaintDevice>
#include <QPainter>
#include <QPicture>
#include <QWidget>

#include <algorithm>

namespace trochix::ui {

void PaintWidget(QPainter& painter, QWidget& widget, const QRectF& area) {
    const QSize size = widget.size();
    if (size.isEmpty() || area.isEmpty())
        return;
    const double fit = std::min(area.width() / size.width(), area.height() / size.height());
    // Pixels are painted directly, each child clipped to itself as on screen: a recording
    // loses the clip of scrolled contents (a table's rows run out under the buttons).
    const QPaintDevice* target = painter.device();
    if (target && (target->devType() == QInternal::Image || target->devType() == QInternal::Pixmap)) {
        painter.save();
        painter.translate(area.topLeft());
        painter.scale(fit, fit);
        widget.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        painter.restore();
        return;
    }
    QPicture picture;
    {
        QPainter recorder(&picture);
        widget.render(&recorder);
    }
    // A picture plays back at the resolution of the device it is drawn on.
    const QPaintDevice* device = painter.device();
    const double deviceDpi = device ? device->logicalDpiX() : picture.logicalDpiX();
    const double playback = deviceDpi / std::max(1, picture.logicalDpiX());
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(fit / playback, fit / playback);
    painter.drawPicture(0, 0, picture);
    painter.restore();

    // A picture of a graphics view (a chart) loses the clipping of its items: the legend
    // entries fall on top of one another. Each view paints its scene itself instead.
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(fit, fit);
    for (QGraphicsView* view : widget.findChildren<QGraphicsView*>()) {
        if (!view->isVisibleTo(&widget) || !view->viewport())
            continue;
        QWidget* port = view->viewport();
        const QRectF target(port->mapTo(&widget, QPoint(0, 0)), QSizeF(port->size()));
        painter.fillRect(target, view->backgroundBrush().style() == Qt::NoBrush
                                     ? port->palette().color(port->backgroundRole())
                                     : view->backgroundBrush().color());
        view->render(&painter, target, port->rect(), Qt::IgnoreAspectRatio);
    }
    painter.restore();
}

} // namespace trochix::ui
