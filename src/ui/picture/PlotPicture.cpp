#include "ui/picture/PlotPicture.h"

#include "output/SelectByCodes.h"
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

bool RenderPlotPicture(AppContext& ctx, const PictureOptions& o, std::string& error) {
    const int layout = o.layout == "two" ? 2 : o.layout == "four" ? 3 : o.layout == "polar" ? 4 : 1;
    const int style = o.style == "aligned" ? 1 : 2;
    const output::CodeSelection selection =
        output::SelectByCodes(ctx.model, o.plotCodes, layout, style, o.segment);
    if (!selection.ok) {
        error = selection.error;
        return false;
    }
    return WritePlotScreenPicture(ctx, selection.screen, o.outPath, error);
}

} // namespace trochix::ui
