#include "ui/screens/PlotScreenParts.h"

#include "model/CamModel.h"
#include "model/Host.h"
#include "ui/CommonButtons.h"
#include "ui/Dialogs.h"
#include "ui/PictureClipboard.h"
#include "ui/PictureFile.h"
#include "ui/WidgetPainting.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <utility>

namespace trochix::ui {

ScreenId SelectionScreenOf(ScreenId plotScreen) {
    switch (plotScreen) {
    case ScreenId::Plot2:
    case ScreenId::Myplot2: return ScreenId::PlotSelect2;
    case ScreenId::Plot3:
    case ScreenId::MyPlot3: return ScreenId::PlotSelect3;
    case ScreenId::Plot4: return ScreenId::PlotSelect4;
    default: return ScreenId::PlotSelect1;
    }
}

void SavePlotPicture(ScreenBase& screen) {
    AppContext& ctx = screen.context();
    const std::optional<std::string> path = ctx.dialogs.saveFileName(
        {"Save Picture", "*.png *.svg *.pdf", ctx.model.ModelName + ".png", true});
    if (!path)
        return;
    std::string error;
    if (!PictureFormatOf(*path))
        error = "a picture is a .png, .svg or .pdf file, not " + *path;
    else
        WritePicture(
            *path, screen.size(), std::nullopt,
            [&screen](QPainter& painter, const QRectF& area) {
                PaintWidget(painter, screen, area);
            },
            error);
    if (!error.empty())
        ctx.host.message("The picture was not saved:\r" + error, model::Icon::Exclamation,
                         model::DefaultTitle());
}

QHBoxLayout* MakePlotButtons(ScreenBase& screen, model::SelectAnotherCounter& counter,
                             PlottedGraphs plotted) {
    auto* row = new QHBoxLayout;
    auto* picture = new QToolButton(&screen);
    picture->setObjectName("cmd_PlotPicture");
    picture->setText("Picture");
    picture->setToolButtonStyle(Qt::ToolButtonTextOnly);
    picture->setPopupMode(QToolButton::InstantPopup);
    picture->setMinimumWidth(100);
    picture->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* menu = new QMenu(picture);
    QAction* copyPicture = menu->addAction("Copy Picture");
    copyPicture->setObjectName("act_CopyPicture");
    QObject::connect(copyPicture, &QAction::triggered, &screen, [&screen] { CopyPicture(screen); });
    QAction* copyData = menu->addAction("Copy Data");
    copyData->setObjectName("act_CopyData");
    QObject::connect(copyData, &QAction::triggered, &screen,
                     [plotted = std::move(plotted)] { CopyGraphData(plotted()); });
    QAction* save = menu->addAction("Save Picture...");
    save->setObjectName("act_SavePicture");
    QObject::connect(save, &QAction::triggered, &screen, [&screen] { SavePlotPicture(screen); });
    picture->setMenu(menu);

    QPushButton* buttons[] = {
        MakeCopyButton(screen),
        MakePrintFormButton(screen, "cmd_PlotPrint"),
        nullptr,
        MakeSelectAnotherButton(screen, counter, SelectionScreenOf(screen.screenId()),
                                "cmd_Replot"),
        MakeDoneButton(screen, "cmd_PlotDone"),
    };
    for (QPushButton* b : buttons) {
        if (!b) {
            row->addWidget(picture);
            continue;
        }
        b->setMinimumWidth(100);
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    return row;
}

output::StyleBoxes StyleFrames::read(output::StyleBoxes::SetFor setFor) const {
    output::StyleBoxes b;
    b.chk_HGrid = chk_HGrid->isChecked();
    b.chk_VGrid = chk_VGrid->isChecked();
    b.chk_Line = chk_Line->isChecked();
    b.chk_Sticks = chk_Sticks->isChecked();
    b.setFor = setFor;
    return b;
}

void StyleFrames::show(const output::StyleBoxes& b) {
    const QSignalBlocker b1(chk_HGrid), b2(chk_VGrid), b3(chk_Line), b4(chk_Sticks);
    chk_HGrid->setChecked(b.chk_HGrid);
    chk_VGrid->setChecked(b.chk_VGrid);
    chk_Line->setChecked(b.chk_Line);
    chk_Sticks->setChecked(b.chk_Sticks);
}

void StyleFrames::setCaptions(const output::BoxCaptions& c) {
    chk_HGrid->setText(QString::fromStdString(c.chk_HGrid));
    chk_VGrid->setText(QString::fromStdString(c.chk_VGrid));
    chk_Line->setText(QString::fromStdString(c.chk_Line));
    chk_Sticks->setText(QString::fromStdString(c.chk_Sticks));
}

StyleFrames MakeStyleFrames(QWidget* parent) {
    StyleFrames f;
    auto frame = [parent](const char* title, const char* name, QCheckBox*& a, const char* aName,
                          QCheckBox*& b, const char* bName) {
        auto* box = new QGroupBox(QString::fromLatin1(title), parent);
        box->setObjectName(QString::fromLatin1(name));
        a = new QCheckBox(box);
        a->setObjectName(QString::fromLatin1(aName));
        b = new QCheckBox(box);
        b->setObjectName(QString::fromLatin1(bName));
        auto* layout = new QHBoxLayout(box);
        layout->addWidget(a);
        layout->addWidget(b);
        return box;
    };
    f.grid = frame("Grid", "fra_Grid", f.chk_HGrid, "chk_HGrid", f.chk_VGrid, "chk_VGrid");
    f.style = frame("Style", "fra_Style", f.chk_Line, "chk_Line", f.chk_Sticks, "chk_Sticks");
    f.setCaptions(output::PlotBoxCaptions(false, false));
    return f;
}

} // namespace trochix::ui
