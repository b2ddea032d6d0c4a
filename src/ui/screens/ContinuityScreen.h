// frm_Continuity: S, V, A, J at both ends of every segment, the end of one segment beside the
// start of the next (motion::Continuity_Form, refreshed each time the screen is shown).
// Leaving the screen runs the continuity check and warns when S, V or A jump.
#pragma once

#include "ui/ScreenBase.h"

class QPlainTextEdit;

namespace trochix::ui {

class ContinuityScreen : public ScreenBase {
    Q_OBJECT
public:
    static const char* const kExplanation;

    explicit ContinuityScreen(AppContext& ctx);
    void activate() override;

public slots:
    void PrintData();
    // The check into ContinuityOK, the warning when it fails, then the screen closes.
    void Done();
    // Leaving by the window frame or Escape checks as Done does.
    void reject() override;

private:
    QPlainTextEdit* m_text = nullptr;
};

} // namespace trochix::ui
