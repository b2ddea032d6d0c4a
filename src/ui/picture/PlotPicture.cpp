#include "ui/picture/PlotPicture.h"

#include "ui/AppContext.h"
#include "ui/Navigator.h"
#include "ui/PictureFile.h"
#include "ui/ScreenBase.h"
#include "ui/WidgetPainting.h"

#include <QCoreApplication>
#include <QLayout>

namespace trochix::ui {

bool WritePlotScreenPicture(AppContext& ctx, model::ScreenId id, const std::string& path,
                            std::string& error) {
    auto* screen = ctx.navigator.screenAs<ScreenBase>(id);
    if (!screen) {
        error = std::string("no plot screen ") + model::ScreenName(id);
        return false;
    }
    // Laid out and painted as on screen, without a window.
    screen->setAttribute(Qt::WA_DontShowOnScreen, true);
    screen->show();
    screen->activate();
    if (screen->layout())
        screen->layout()->activate();
    // Charts lay out their legends and axes on posted events: let them run before painting.
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
    const QSize size = screen->size();
    const bool written = WritePicture(
        path, size, std::nullopt,
        [screen](QPainter& painter, const QRectF& area) { PaintWidget(painter, *screen, area); },
        error);
    screen->hide();
    return written;
}

// Filled in with the selection by codes.
bool RenderPlotPicture(AppContext&, const PictureOptions&, std::string& error) {
    error = "plots cannot be rendered yet";
    return false;
}

} // namespace trochix::ui
