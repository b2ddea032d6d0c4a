// Pictures and plotted data on the clipboard, shared by the plot screens' Picture menu and the
// copy menu of every chart and drawing (a right click without a drag, or Ctrl+C).
#pragma once

#include "output/Graph.h"

#include <QPoint>

#include <vector>

class QImage;
class QWidget;

namespace trochix::ui {

// The widget as --out draws it (the part shown now, zoomed or not), at the display's density.
QImage WidgetPicture(QWidget& widget);
// The widget's picture on the clipboard.
void CopyPicture(QWidget& widget);
// The graphs' data on the clipboard as TAB text (output::GraphTable), for a spreadsheet.
void CopyGraphData(const std::vector<output::Graph>& graphs);
// The picture and, if there are graphs, their TAB text, together: a spreadsheet takes the
// text, a drawing program the picture.
void CopyPictureAndData(QWidget& widget, const std::vector<output::Graph>& graphs);

// "Copy Picture" and, with graphs, "Copy Data" at a global position.
void ShowCopyMenu(QWidget& widget, const QPoint& globalPos,
                  const std::vector<output::Graph>& graphs);

} // namespace trochix::ui
