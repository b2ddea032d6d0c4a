// The navigation service: one instance of each screen, created on first use and reused.
//
// Adding a screen (say frm_SizeCam):
//   1. Write SizeCamScreen in ui/screens/SizeCamScreen.{h,cpp}, derived from ScreenBase
//      (ui/ScreenBase.h): controls built in the constructor, filled from the model in activate().
//   2. Register it in RegisterAll (ui/Catalog.cpp), one line:
//        nav.registerScreen(ScreenId::SizeCam, Make<SizeCamScreen>);
//      Buttons and menu entries that open it are enabled from then on (isAvailable).
//   3. Open it from anywhere with ctx.navigator.ShowScreen(ScreenId::SizeCam). Reach the live
//      instance (say, to fill it before showing) with ctx.navigator.screenAs<SizeCamScreen>(...).
//
// ShowScreen centres the screen, runs its activate() and shows it modally: the caller waits
// until the screen is closed, as with exec(). Closing a screen only hides it; when it closes,
// the screen below it is activated again. Tests use a navigator whose present() records the
// call and shows the screen without blocking (tests/ui/RecordingNavigator.h).
#pragma once

#include "model/Captions.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace trochix::ui {

using model::ScreenId;
struct AppContext;

class Navigator {
public:
    using Factory = std::function<QWidget*(AppContext&)>;

    Navigator();
    virtual ~Navigator();
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    // The context handed to every screen it creates; set once before the first screen is made.
    // The context's host then returns home through this navigator.
    void attach(AppContext& ctx);

    void registerScreen(ScreenId id, Factory factory);
    // True once the screen's module has registered it.
    bool isAvailable(ScreenId id) const;

    // The screen, created on first use; nullptr when it is not available.
    QWidget* screen(ScreenId id);
    template <class T> T* screenAs(ScreenId id) { return dynamic_cast<T*>(screen(id)); }
    bool isCreated(ScreenId id) const { return m_screens[model::ScreenIndex(id)] != nullptr; }

    // Window titles of every screen, present and future.
    void setCaptions(const model::Captions& captions);

    // Centres the screen, activates it and shows it (modally for every screen but the home
    // screen). Returns false when the screen is not available.
    bool ShowScreen(ScreenId id);

    // True while the screen is shown by ShowScreen and not yet closed.
    bool isOpen(ScreenId id) const;

    // Hides every modal screen, the innermost first, and brings the home screen to the front.
    // The host runs it after an out-of-memory report (attach() connects the two).
    void ReturnHome();

    static void Centre(QWidget& w);

protected:
    // Shows a created, centred and activated screen and waits until it is hidden again.
    virtual void present(ScreenId id, QWidget& w);

private:
    void reactivateTop();

    AppContext* m_ctx = nullptr;
    std::array<Factory, model::kScreenCount> m_factories;
    std::array<std::unique_ptr<QWidget>, model::kScreenCount> m_screens;
    model::Captions m_captions;
    bool m_hasCaptions = false;
    std::vector<ScreenId> m_open; // modal screens now showing, innermost last
};

// The factory of a screen whose constructor takes the context: Make<SizeCamScreen>.
template <class Screen> QWidget* Make(AppContext& ctx) { return new Screen(ctx); }

} // namespace trochix::ui
