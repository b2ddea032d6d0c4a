// Screens that later modules will provide, stood in by empty screens so that a test of the
// home screen sees the flag rules rather than which modules exist yet. Registers only ids that
// nobody registered, so the real screens take over as they arrive.
#pragma once

#include "UiFixture.h"
#include "ui/Navigator.h"
#include "ui/ScreenBase.h"

#include <initializer_list>

namespace trochix::uitest {

inline void RegisterStandIns(UiFixture& f, std::initializer_list<ScreenId> ids) {
    for (ScreenId id : ids)
        if (!f.navigator.isAvailable(id))
            f.navigator.registerScreen(
                id, [id](ui::AppContext& ctx) -> QWidget* { return new ui::ScreenBase(ctx, id); });
}

inline void RegisterHomeTargets(UiFixture& f) {
    RegisterStandIns(f, {ScreenId::InputData, ScreenId::SizeCam, ScreenId::Animate,
                         ScreenId::Dynamics, ScreenId::PlotType, ScreenId::PrintSelect,
                         ScreenId::FFT});
}

} // namespace trochix::uitest
