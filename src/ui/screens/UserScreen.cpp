#include "ui/screens/UserScreen.h"

#include "forms/UserForm.h"
#include "ui/Controls.h"
#include "ui/Navigator.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

QLineEdit* AddBox(QVBoxLayout* layout, const char* caption, const char* objectName,
                  QWidget* parent) {
    QLabel* label = MakeCaption(parent, caption);
    QLineEdit* box = MakeLineEdit(parent, objectName);
    box->setMinimumWidth(360);
    SelectAllOnFocus(box);
    label->setBuddy(box);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addSpacing(8);
    return box;
}

} // namespace

UserScreen::UserScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::User) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(4);
    m_userName =
        AddBox(layout, "Please enter your name and/or a project ID:", "txt_UserName", this);
    m_designNo = AddBox(layout, "Please enter a design number:", "txt_DesignNo", this);
    // No eight-character limit: this platform's file names are long.
    m_fileName = AddBox(layout, "Please enter a disk filename (< 9 chars)", "txt_Filename", this);

    m_done = MakeButton(this, "&Done", "cmd_Done");
    m_done->setAutoDefault(true);
    m_done->setMinimumWidth(120);
    connect(m_done, &QPushButton::clicked, this, &UserScreen::Done);
    layout->addWidget(m_done, 0, Qt::AlignRight);

    m_userName->installEventFilter(this);
}

void UserScreen::activate() {
    const model::UserTexts texts = model::UserScreenTexts(m_ctx.model);
    const QSignalBlocker b1(m_userName), b2(m_designNo), b3(m_fileName);
    SetBoxText(m_userName, texts.userName);
    SetBoxText(m_designNo, texts.designNo);
    SetBoxText(m_fileName, texts.fileName);
    m_userName->setFocus();
}

bool UserScreen::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the name box goes on to Done.
    if (watched == m_userName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_done->setFocus();
            return true;
        }
    }
    return ScreenBase::eventFilter(watched, event);
}

void UserScreen::Done() {
    if (!model::UserDone(m_ctx.model, m_ctx.host,
                         {m_userName->text().toStdString(), m_designNo->text().toStdString(),
                          m_fileName->text().toStdString()}))
        return;
    closeScreen();
    m_ctx.navigator.ShowScreen(ScreenId::HomeScreen);
}

} // namespace trochix::ui
