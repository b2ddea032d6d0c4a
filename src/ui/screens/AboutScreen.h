// frm_About: what the program is and which release. A click anywhere closes it.
#pragma once

#include "ui/ScreenBase.h"

class QLabel;

namespace trochix::ui {

class AboutScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit AboutScreen(AppContext& ctx);
    void activate() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_version;
};

} // namespace trochix::ui
