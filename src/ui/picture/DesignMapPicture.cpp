#include "ui/picture/DesignMapPicture.h"

#include "ui/AppContext.h"
#include "ui/DrawingSurface.h"
#include "ui/Navigator.h"
#include "ui/PictureFile.h"
#include "ui/picture/PictureOptions.h"
#include "ui/screens/DesignMapScreen.h"

#include <QComboBox>
#include <QPainter>

namespace trochix::ui {

namespace {

constexpr int kPngWidth = 1200, kPngHeight = 820;

} // namespace

bool RenderDesignMapPicture(AppContext& ctx, const PictureOptions& o, std::string& error) {
    auto* screen = ctx.navigator.screenAs<DesignMapScreen>(ScreenId::DesignMap);
    if (!screen) {
        error = "the Design Map screen is not available";
        return false;
    }
    screen->setMapSize(o.mapSize);
    screen->activate();
    if (!o.mapAxis.empty()) {
        auto* axes = screen->findChild<QComboBox*>("cmb_MapAxes");
        const int k =
            axes ? axes->findText(QString::fromStdString(o.mapAxis), Qt::MatchContains) : -1;
        if (k < 0) {
            error = "this follower has no " + o.mapAxis + " axis; no picture written";
            return false;
        }
        axes->setCurrentIndex(k);
        screen->Axis_Click();
    }
    if (!screen->map().ok) {
        error = screen->map().refusal + "; no picture written";
        return false;
    }
    const geometry::Scene scene = screen->mapSurface()->scene();
    // SVG and PDF: a page of 300 x 205 mm, the picture's proportions.
    return WritePicture(
        o.outPath, QSize(kPngWidth, kPngHeight), QSizeF(300.0, 205.0),
        [&scene](QPainter& painter, const QRectF& area) {
            PaintScene(painter, scene, area, SceneScale::Stretch);
        },
        error);
}

} // namespace trochix::ui
