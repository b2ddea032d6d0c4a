#include "ui/PictureClipboard.h"

#include "ui/WidgetPainting.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

namespace trochix::ui {

QImage WidgetPicture(QWidget& widget) {
    const double ratio = std::max(1.0, widget.devicePixelRatioF());
    QImage image(widget.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintWidget(painter, widget, QRectF(QPointF(0, 0), QSizeF(widget.size())));
    return image;
}

void CopyPicture(QWidget& widget) {
    QApplication::clipboard()->setImage(WidgetPicture(widget));
}

void CopyGraphData(const std::vector<output::Graph>& graphs) {
    QApplication::clipboard()->setText(QString::fromStdString(output::GraphTable(graphs)));
}

void CopyPictureAndData(QWidget& widget, const std::vector<output::Graph>& graphs) {
    auto* data = new QMimeData;
    data->setImageData(WidgetPicture(widget));
    if (!graphs.empty())
        data->setText(QString::fromStdString(output::GraphTable(graphs)));
    QApplication::clipboard()->setMimeData(data);
}

void ShowCopyMenu(QWidget& widget, const QPoint& globalPos,
                  const std::vector<output::Graph>& graphs) {
    QMenu menu(&widget);
    menu.setObjectName("mnu_CopyView");
    QAction* picture = menu.addAction("Copy &Picture");
    picture->setObjectName("act_CopyViewPicture");
    QObject::connect(picture, &QAction::triggered, &widget, [&widget] { CopyPicture(widget); });
    if (!graphs.empty()) {
        QAction* data = menu.addAction("Copy &Data");
        data->setObjectName("act_CopyViewData");
        QObject::connect(data, &QAction::triggered, &widget, [&graphs] { CopyGraphData(graphs); });
    }
    menu.exec(globalPos);
}

} // namespace trochix::ui
