#include "ui/screens/AboutScreen.h"

#include "model/CamModel.h"
#include "model/Headers.h"
#include "ui/Look.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace trochix::ui {

AboutScreen::AboutScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::About) {
    auto* panel = new QFrame(this);
    panel->setObjectName("pnl_About");
    panel->setProperty("banner", true);

    auto* heading = new QLabel(
        "A Program for the Synthesis and Analysis of Cam-Follower Systems", panel);
    heading->setObjectName("lbl_Heading");
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    SetFontScale(*heading, 1.15);
    auto* name = new QLabel("TROCHIX", panel);
    name->setObjectName("lbl_Name");
    name->setAlignment(Qt::AlignCenter);
    SetFontScale(*name, 2.6, true);
    m_version = new QLabel(panel);
    m_version->setObjectName("lbl_Version");
    m_version->setAlignment(Qt::AlignCenter);
    auto* hint = new QLabel("Click anywhere to close", panel);
    hint->setAlignment(Qt::AlignCenter);
    SetFontScale(*hint, 0.85);

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(36, 28, 36, 20);
    inner->setSpacing(14);
    inner->addWidget(heading);
    inner->addWidget(name);
    inner->addWidget(m_version);
    inner->addSpacing(6);
    inner->addWidget(hint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(panel);
    setMinimumWidth(680);

    panel->installEventFilter(this);
    for (QLabel* label : panel->findChildren<QLabel*>())
        label->installEventFilter(this);
}

void AboutScreen::activate() {
    m_version->setText(QString::fromStdString(model::ReleaseLine(m_ctx.model)));
}

void AboutScreen::mousePressEvent(QMouseEvent*) { closeScreen(); }

bool AboutScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        closeScreen();
        return true;
    }
    return ScreenBase::eventFilter(watched, event);
}

} // namespace trochix::ui
