#include "ui/screens/AboutScreen.h"

#include "model/CamModel.h"
#include "model/Headers.h"
#include "ui/Look.h"
#include "ui/screens/Banner.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace trochix::ui {

AboutScreen::AboutScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::About) {
    const Banner banner = MakeBanner(this, "pnl_About", 0.82);
    QFrame* panel = banner.panel;
    m_version = banner.version;
    auto* hint = new QLabel("Click anywhere to close", panel);
    hint->setAlignment(Qt::AlignCenter);
    SetFontScale(*hint, 0.85);
    banner.layout->addSpacing(6);
    banner.layout->addWidget(hint);

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
