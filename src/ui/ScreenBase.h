// The base of every modal screen (frm_...). A screen is a view of the model:
//  - the constructor builds the controls in code, each named as the program names it
//    (setObjectName("txt_Beta_3") for element 3 of the txt_Beta row), and connects them;
//  - activate() runs each time the screen comes to the front and fills the controls from the
//    model inside a QSignalBlocker, so that filling does not run the change handlers;
//  - handlers are public slots (tests call them or click the controls), read the controls,
//    call the core, write the model and refresh;
//  - closeScreen() hides the screen (its controls keep their contents for the next visit).
// Controls are made with the pieces of ui/Controls.h (names, makers, select-all, commit on
// leaving a box); common buttons (Copy, Print Form, Done, Select Another) come from
// ui/CommonButtons.h.
//
// Faults. Nothing may escape a handler, and every fault is reported once, under the name of
// the routine it stopped (model::RunGuarded, model/ReportError.h):
//  - a core routine that the program names guards itself and reports under its own name; its
//    header says so ("faults are reported as ...");
//  - a screen handler guards only what it adds around such calls, under its own name
//    ("frm_Bounds.Done", "cmd_CalcSeg_Click"):
//        model::RunGuarded(m_ctx.host, screenName() + ".Done", [&] { ...its own steps... });
//    and calls a self-guarded core routine bare, never wrapped again under the same name.
// Out of memory takes the user back to the home screen (the navigator does it for the report).
//
// The busy pointer. A handler or routine that makes the user wait shows it for a scope:
//        const model::BusyPointer busy(m_ctx.host);
// which restores the pointer on every way out; nothing relies on the error report to reset it.
//
//   class QuitScreen : public ScreenBase {
//       Q_OBJECT
//   public:
//       explicit QuitScreen(AppContext& ctx);
//   };
//   QuitScreen::QuitScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Quit) { ... }
#pragma once

#include "model/Captions.h"
#include "ui/Activatable.h"
#include "ui/AppContext.h"

#include <QDialog>

#include <string>

namespace trochix::ui {

using model::ScreenId;

class ScreenBase : public QDialog, public Activatable {
    Q_OBJECT
public:
    ScreenBase(AppContext& ctx, ScreenId id);

    ScreenId screenId() const { return m_id; }
    // "frm_Quit": the name used in error reports.
    std::string screenName() const;
    AppContext& context() { return m_ctx; }

    void activate() override {}

public slots:
    // Hides the screen and returns to the one that opened it.
    void closeScreen();

protected:
    AppContext& m_ctx;

private:
    ScreenId m_id;
};

} // namespace trochix::ui
