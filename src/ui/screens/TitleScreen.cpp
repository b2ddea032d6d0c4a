#include "ui/screens/TitleScreen.h"

#include "model/CamModel.h"
#include "model/Headers.h"
#include "ui/Controls.h"
#include "ui/Navigator.h"
#include "ui/screens/Banner.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trochix::ui {

TitleScreen::TitleScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Title) {
    const Banner banner = MakeBanner(this, "pnl_Title", 1.0);
    QFrame* panel = banner.panel;
    m_version = banner.version;
    m_version->setText(QString::fromStdString(model::ReleaseLine(ctx.model)));

    m_start = MakeButton(this, "&Start", "cmd_Start");
    m_start->setDefault(true);
    m_start->setMinimumWidth(140);
    connect(m_start, &QPushButton::clicked, this, &TitleScreen::Start);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(16);
    layout->addWidget(panel);
    layout->addWidget(m_start, 0, Qt::AlignHCenter);
    setMinimumWidth(700);
    m_start->setFocus();
}

void TitleScreen::Start() {
    closeScreen();
    m_ctx.navigator.ShowScreen(ScreenId::HomeScreen);
}

} // namespace trochix::ui
