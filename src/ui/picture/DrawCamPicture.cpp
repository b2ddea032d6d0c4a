#include "ui/picture/DrawCamPicture.h"

#include "model/CamModel.h"
#include "ui/AppContext.h"
#include "ui/DrawingSurface.h"
#include "ui/Navigator.h"
#include "ui/PictureFile.h"
#include "ui/screens/AnimateScreen.h"

#include <QPainter>

namespace trochix::ui {

namespace {

// Pixels of a PNG drawing (SVG and PDF are at true scale).
constexpr int kPngPixels = 900;

} // namespace

bool RenderDrawCamPicture(AppContext& ctx, const std::string& path, std::string& error) {
    // As on the home screen: only a sized plate cam is drawn.
    if (!ctx.model.ProfileDone || ctx.model.CamType != "Radial") {
        error = ctx.model.ProfileDone ? "a barrel cam has no Draw Cam picture; no picture written"
                                      : "the cam is not sized; no picture written";
        return false;
    }
    auto* screen = ctx.navigator.screenAs<AnimateScreen>(ScreenId::Animate);
    if (!screen) {
        error = "the Draw Cam screen is not available";
        return false;
    }
    // Opened off screen as the user opens it, every frame drawn at once.
    screen->activate();
    screen->FinishDrawing();
    const geometry::Scene scene = screen->picture()->scene();
    if (!screen->drawing().drawable() || scene.empty()) {
        error = "the cam cannot be drawn (see the message above); no picture written";
        return false;
    }
    const geometry::PageMillimetres page =
        geometry::TrueScalePage(scene.window(), ctx.model.UnitSystem);
    const QSizeF trueSize(page.width, page.height);
    return WritePicture(
        path, QSize(kPngPixels, kPngPixels), trueSize,
        [&scene](QPainter& painter, const QRectF& area) {
            PaintScene(painter, scene, area, SceneScale::Equal);
        },
        error);
}

} // namespace trochix::ui
