// Paints a whole widget (a screen with its children) into any painter as vectors: printers,
// PDF, SVG and images. QWidget::render alone turns a widget into a pixmap when the painter is
// a printer's; recorded into a QPicture first, and with each chart painted by its own view,
// curves and texts stay lines and text.
#pragma once

#include <QRectF>

class QPainter;
class QWidget;

namespace trochix::ui {

// Draws `widget` fitted into `area`, keeping its proportions, at the top left of the area.
void PaintWidget(QPainter& painter, QWidget& widget, const QRectF& area);

} // namespace trochix::ui
