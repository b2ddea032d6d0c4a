#include "ui/picture/ScreenPicture.h"

#include "forms/HomeForm.h"
#include "ui/AppContext.h"
#include "ui/Navigator.h"
#include "ui/PictureFile.h"
#include "ui/ScreenBase.h"
#include "ui/WidgetPainting.h"
#include "ui/screens/AnimateScreen.h"

#include <QCoreApplication>
#include <QLayout>

#include <algorithm>
#include <iterator>

namespace trochix::ui {

namespace {

using model::HomeButtons;
using model::ScreenId;

struct ScreenPictureEntry {
    const char* name;
    ScreenId id;
    // The home screen's offer that opens it; the screen is refused while it is not offered.
    model::Offer HomeButtons::*needs;
};

const ScreenPictureEntry kScreens[] = {
    {"home", ScreenId::HomeScreen, nullptr},
    {"input", ScreenId::InputData, &HomeButtons::SVAJ},
    {"continuity", ScreenId::Continuity, &HomeButtons::Plot},
    {"sizecam", ScreenId::SizeCam, &HomeButtons::SizeCam},
    {"drawcam", ScreenId::Animate, &HomeButtons::DrawCam},
    {"makecam", ScreenId::MakeCam, &HomeButtons::DrawCam},
    {"dynamics", ScreenId::Dynamics, &HomeButtons::Dynamics},
    {"fft", ScreenId::FFT, &HomeButtons::Plot},
    {"plottype", ScreenId::PlotType, &HomeButtons::Plot},
    {"plotselect", ScreenId::PlotSelect1, &HomeButtons::Plot},
    {"plotselect4", ScreenId::PlotSelect4, &HomeButtons::Plot},
    {"printselect", ScreenId::PrintSelect, &HomeButtons::Print},
    {"output", ScreenId::PrintData, &HomeButtons::Print},
    {"user", ScreenId::User, nullptr},
    {"about", ScreenId::About, nullptr},
    {"quit", ScreenId::Quit, nullptr},
};

const ScreenPictureEntry* Find(const std::string& name) {
    const auto it = std::find_if(std::begin(kScreens), std::end(kScreens),
                                 [&](const ScreenPictureEntry& e) { return name == e.name; });
    return it == std::end(kScreens) ? nullptr : &*it;
}

} // namespace

std::vector<std::string> ScreenPictureNames() {
    std::vector<std::string> names;
    for (const ScreenPictureEntry& e : kScreens)
        names.emplace_back(e.name);
    return names;
}

std::optional<model::ScreenId> ScreenPictureId(const std::string& name) {
    const ScreenPictureEntry* e = Find(name);
    return e ? std::optional<model::ScreenId>(e->id) : std::nullopt;
}

bool RenderScreenPicture(AppContext& ctx, const std::string& name, const std::string& path,
                         std::string& error) {
    const ScreenPictureEntry* entry = Find(name);
    if (!entry) {
        error = "no screen named " + name;
        return false;
    }
    if (entry->needs) {
        const model::Offer offer = model::SetHomeButtons(ctx.model).*(entry->needs);
        if (!offer.enabled) {
            error = "the " + name + " screen is not open to this model (" + offer.why +
                    "); no picture written";
            return false;
        }
    }
    QWidget* screen = ctx.navigator.screen(entry->id);
    if (!screen) {
        error = "the " + name + " screen is not available";
        return false;
    }
    // Laid out and painted as on screen, without a window.
    screen->setAttribute(Qt::WA_DontShowOnScreen, true);
    screen->show();
    if (auto* a = dynamic_cast<Activatable*>(screen))
        a->activate();
    // The drawing as it stands once every frame is drawn, not the first of an animation.
    if (auto* animate = dynamic_cast<AnimateScreen*>(screen))
        animate->FinishDrawing();
    if (screen->layout())
        screen->layout()->activate();
    // Charts lay out their legends and axes on posted events: let them run before painting.
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
    const bool written = WritePicture(
        path, screen->size(), std::nullopt,
        [screen](QPainter& painter, const QRectF& area) { PaintWidget(painter, *screen, area); },
        error);
    screen->hide();
    return written;
}

} // namespace trochix::ui
