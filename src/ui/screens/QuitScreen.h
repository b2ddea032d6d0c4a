// frm_Quit: "Do you really want to Quit?" Yes ends the program at once (ctx.quit).
#pragma once

#include "ui/ScreenBase.h"

class QPushButton;

namespace trochix::ui {

class QuitScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit QuitScreen(AppContext& ctx);
    void activate() override;

public slots:
    void Yes();
    void No();

private:
    QPushButton* m_yes;
    QPushButton* m_no;
};

} // namespace trochix::ui
