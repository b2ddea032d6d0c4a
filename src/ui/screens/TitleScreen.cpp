#include "ui/screens/TitleScreen.h"

#include "model/CamModel.h"
#include "model/Headers.h"
#include "ui/Look.h"
#include "ui/Navigator.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trochix::ui {

TitleScreen::TitleScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Title) {
    auto* panel = new QFrame(this);
    panel->setObjectName("pnl_Title");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setProperty("banner", true);

    auto* heading = new QLabel(
        "A Program for the Synthesis and Analysis of Cam-Follower Systems", panel);
    heading->setObjectName("lbl_Heading");
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    SetFontScale(*heading, 1.25);

    auto* name = new QLabel("TROCHIX", panel);
    name->setObjectName("lbl_Name");
    name->setAlignment(Qt::AlignCenter);
    SetFontScale(*name, 3.2, true);

    m_version = new QLabel(QString::fromStdString(model::ReleaseLine(ctx.model)), panel);
    m_version->setObjectName("lbl_Version");
    m_version->setAlignment(Qt::AlignCenter);

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(40, 32, 40, 32);
    inner->setSpacing(18);
    inner->addWidget(heading);
    inner->addWidget(name);
    inner->addWidget(m_version);

    m_start = new QPushButton("&Start", this);
    m_start->setObjectName("cmd_Start");
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
