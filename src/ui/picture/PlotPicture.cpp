#include "ui/picture/PlotPicture.h"

#include "output/SelectByCodes.h"
#include "ui/AppContext.h"
#include "ui/Navigator.h"
#include "ui/PictureFile.h"
#include "ui/ScreenBase.h"
#include "ui/WidgetPainting.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace trochix::ui {

namespace {

// What a report does not want of a plot screen: its buttons, the frames of options, the status
// line and a title box left empty. The charts take the room they leave.
std::vector<QWidget*> HideControls(QWidget& screen) {
    std::vector<QWidget*> hidden;
    auto hide = [&](QWidget* w) {
        if (w && !w->isHidden()) {
            w->hide();
            hidden.push_back(w);
        }
    };
    for (QPushButton* b : screen.findChildren<QPushButton*>())
        hide(b);
    for (QCheckBox* c : screen.findChildren<QCheckBox*>())
        hide(qobject_cast<QGroupBox*>(c->parentWidget()));
    hide(screen.findChild<QLabel*>("lbl_Status"));
    if (auto* title = screen.findChild<QLineEdit*>("txt_Title");
        title && title->text().trimmed().isEmpty())
        hide(title);
    return hidden;
}

} // namespace

bool WritePlotScreenPicture(AppContext& ctx, model::ScreenId id, const std::string& path,
                            std::string& error, bool chartOnly) {
    auto* screen = ctx.navigator.screenAs<ScreenBase>(id);
    if (!screen) {
        error = std::string("no plot screen ") + model::ScreenName(id);
        return false;
    }
    // Laid out and painted as on screen, without a window.
    screen->setAttribute(Qt::WA_DontShowOnScreen, true);
    screen->show();
    screen->activate();
    const std::vector<QWidget*> hidden =
        chartOnly ? HideControls(*screen) : std::vector<QWidget*>{};
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
    for (QWidget* w : hidden)
        w->show();
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
    return WritePlotScreenPicture(ctx, selection.screen, o.outPath, error, o.chartOnly);
}

} // namespace trochix::ui
