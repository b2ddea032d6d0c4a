#include "ui/screens/QuitScreen.h"

#include "ui/Controls.h"
#include "ui/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace trochix::ui {

QuitScreen::QuitScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Quit) {
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(40, 40));
    auto* question = new QLabel("Do you really want to Quit?", this);
    question->setObjectName("lbl_Question");
    SetFontScale(*question, 1.2);

    m_yes = MakeButton(this, "&Yes", "cmd_Yes");
    m_no = MakeButton(this, "&No", "cmd_No");
    for (QPushButton* b : {m_yes, m_no})
        b->setMinimumWidth(100);
    connect(m_yes, &QPushButton::clicked, this, &QuitScreen::Yes);
    connect(m_no, &QPushButton::clicked, this, &QuitScreen::No);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon);
    top->addWidget(question, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->setSpacing(20);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

void QuitScreen::activate() {
    // Enter keeps the program running unless Yes is chosen on purpose.
    m_no->setDefault(true);
    m_no->setFocus();
}

void QuitScreen::Yes() {
    closeScreen();
    if (m_ctx.quit)
        m_ctx.quit();
}

void QuitScreen::No() { closeScreen(); }

} // namespace trochix::ui
