#include "ui/CommonButtons.h"

#include "model/Fault.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Navigator.h"
#include "ui/WidgetPainting.h"

#include <QPainter>
#include <QPrinter>
#include <QPushButton>

namespace trochix::ui {

QPushButton* MakeCopyButton(ScreenBase& screen, const char* objectName) {
    QPushButton* button = MakeButton(&screen, "&Copy", objectName);
    QObject::connect(button, &QPushButton::clicked, &screen,
                     [&screen] { model::ShowCopyHint(screen.context().host); });
    return button;
}

void PrintForm(AppContext& ctx, QWidget& form, const std::string& screenName) {
    QPrinter printer(QPrinter::HighResolution);
    if (!ctx.dialogs.choosePrinter(printer, &form))
        return;
    model::RunGuarded(ctx.host, screenName + ".PrintForm", [&] {
        QPainter painter;
        if (!painter.begin(&printer))
            throw model::Fault(model::kDeviceIOError);
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        if (form.size().isEmpty())
            throw model::Fault(model::kDeviceIOError, "the screen has no size");
        // The whole screen on the page, keeping its proportions, as vectors.
        PaintWidget(painter, form, QRectF(QPointF(0, 0), page.size()));
        if (!painter.end())
            throw model::Fault(model::kDeviceIOError);
    });
}

QPushButton* MakePrintFormButton(ScreenBase& screen, const char* objectName) {
    QPushButton* button = MakeButton(&screen, "&Print Form", objectName);
    QObject::connect(button, &QPushButton::clicked, &screen, [&screen] {
        PrintForm(screen.context(), screen, screen.screenName());
    });
    return button;
}

QPushButton* MakeDoneButton(ScreenBase& screen, const char* objectName) {
    QPushButton* button = MakeButton(&screen, "&Done", objectName);
    QObject::connect(button, &QPushButton::clicked, &screen, &ScreenBase::closeScreen);
    return button;
}

void SelectAnother(ScreenBase& screen, model::SelectAnotherCounter& counter, ScreenId selection) {
    AppContext& ctx = screen.context();
    model::RunGuarded(ctx.host, screen.screenName() + ".Select Another", [&] {
        const bool reselect = counter.Press(ctx.host);
        screen.closeScreen();
        if (reselect)
            ctx.navigator.ShowScreen(selection);
    });
}

QPushButton* MakeSelectAnotherButton(ScreenBase& screen, model::SelectAnotherCounter& counter,
                                     ScreenId selection, const char* objectName) {
    QPushButton* button = MakeButton(&screen, "&Select Another", objectName);
    button->setEnabled(screen.context().navigator.isAvailable(selection));
    QObject::connect(button, &QPushButton::clicked, &screen,
                     [&screen, &counter, selection] { SelectAnother(screen, counter, selection); });
    return button;
}

} // namespace trochix::ui
