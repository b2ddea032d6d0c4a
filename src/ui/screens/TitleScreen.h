// frm_Title: the title card shown once at start-up. Start closes it and shows the home screen.
#pragma once

#include "ui/ScreenBase.h"

class QLabel;
class QPushButton;

namespace trochix::ui {

class TitleScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit TitleScreen(AppContext& ctx);

public slots:
    void Start();

private:
    QLabel* m_version;
    QPushButton* m_start;
};

} // namespace trochix::ui
