#include "ui/picture/ScreenPicture.h"

#include "chain/ResponseStage.h"
#include "forms/HomeForm.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/StreamHost.h"
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

// What a screen needs of the model beyond its offer: prepares it as the screen that opens it
// would, or refuses with the reason in `error`.
using Prepare = bool (*)(AppContext& ctx, std::string& error);

struct ScreenPictureEntry {
    const char* name;
    ScreenId id;
    // The home screen's offer that opens it; the screen is refused while it is not offered.
    model::Offer HomeButtons::*needs;
    Prepare prepare = nullptr;
};

// Forwards every message to the program's host and keeps the first, so that a picture can be
// refused with what the screen would have said.
class WatchingHost : public model::Host {
public:
    explicit WatchingHost(model::Host& inner) : m_inner(inner) {}
    model::Answer message(const std::string& text, model::Icon icon, const std::string& title,
                          model::Buttons buttons, model::Answer defaultAnswer) override {
        if (m_first.empty())
            m_first = text.empty() ? title : text;
        return m_inner.message(text, icon, title, buttons, defaultAnswer);
    }
    void errorMessage(const std::string& text, const std::string& detail) override {
        if (m_first.empty())
            m_first = text;
        m_inner.errorMessage(text, detail);
    }
    void setBusy(bool busy) override { m_inner.setBusy(busy); }
    model::DateTime now() override { return m_inner.now(); }
    const std::string& first() const { return m_first; }

private:
    model::Host& m_inner;
    std::string m_first;
};

// The first polynomial row of the program, preferring one whose coefficients are stored; 0
// when there is none.
int FirstPolynomialSegment(const model::CamModel& m, bool solved) {
    for (int seg = 1; seg <= m.NumSegments && seg <= model::kMaxSegments; ++seg)
        if (!m.SegDir[seg].empty() && m.SegDir[seg][0] == 'P' &&
            (!solved || m.PolyCoef[0][seg] > 0.0f))
            return seg;
    return 0;
}

// The input screen opens these for the polynomial row it sets as CurSeg.
bool PolynomialSegment(AppContext& ctx, const char* screen, const char* shows,
                       std::string& error) {
    model::CamModel& m = ctx.model;
    int seg = FirstPolynomialSegment(m, true);
    if (seg == 0)
        seg = FirstPolynomialSegment(m, false);
    if (seg == 0) {
        error = std::string("the ") + screen + " screen shows " + shows +
                " and this model has none; no picture written";
        return false;
    }
    m.CurSeg = seg;
    return true;
}

bool PrepareBounds(AppContext& ctx, std::string& error) {
    return PolynomialSegment(ctx, "bounds", "a polynomial segment's conditions", error);
}

bool PreparePoly(AppContext& ctx, std::string& error) {
    return PolynomialSegment(ctx, "poly", "a polynomial segment's coefficients", error);
}

// The response screen computes the motion when it opens and says so when it cannot; here that
// message refuses the picture instead of a screen that shows no response.
bool PrepareResponse(AppContext& ctx, std::string& error) {
    if (ctx.model.ResponseDone)
        return true;
    WatchingHost watch(ctx.host);
    const bool done = chain::RunResponse(ctx.model, watch);
    if (done && watch.first().empty())
        return true;
    error = "the response screen cannot show this model";
    if (!watch.first().empty())
        error += " (" + model::OneLine(watch.first()) + ")";
    error += "; no picture written";
    return false;
}

const ScreenPictureEntry kScreens[] = {
    {"title", ScreenId::Title, nullptr},
    {"home", ScreenId::HomeScreen, nullptr},
    {"input", ScreenId::InputData, &HomeButtons::SVAJ},
    {"bounds", ScreenId::Bounds, &HomeButtons::SVAJ, PrepareBounds},
    {"poly", ScreenId::Poly, &HomeButtons::SVAJ, PreparePoly},
    {"continuity", ScreenId::Continuity, &HomeButtons::Plot},
    {"sizecam", ScreenId::SizeCam, &HomeButtons::SizeCam},
    {"designmap", ScreenId::DesignMap, &HomeButtons::SizeCam},
    {"drawcam", ScreenId::Animate, &HomeButtons::DrawCam},
    {"makecam", ScreenId::MakeCam, &HomeButtons::DrawCam},
    {"dynamics", ScreenId::Dynamics, &HomeButtons::Dynamics},
    {"response", ScreenId::Response, &HomeButtons::Dynamics, PrepareResponse},
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
    if (entry->prepare && !entry->prepare(ctx, error))
        return false;
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
