#include "ui/screens/UserScreen.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "text/NumberText.h"
#include "ui/Controls.h"
#include "ui/Navigator.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <limits>

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
    m_userName = AddBox(layout, "Please enter your name and/or a project ID:", "txt_UserName", this);
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
    const model::CamModel& m = m_ctx.model;
    const QSignalBlocker b1(m_userName), b2(m_designNo), b3(m_fileName);
    m_userName->setText(QString::fromStdString(m.UserName));
    m_designNo->setText(
        QString::fromStdString(text::ShortestFloat(static_cast<float>(m.DesignNo), 7)));
    m_fileName->setText(QString::fromStdString(m.ModelName));
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
    if (m_userName->text().isEmpty())
        return;
    model::CamModel& m = m_ctx.model;
    const bool ok = model::RunGuarded(m_ctx.host, "frm_User.Done", [&] {
        const double number = text::FNRound(text::Val(m_designNo->text().toStdString()), 0);
        // The design number is a 16-bit integer; anything beyond is an overflow, not a wrap.
        if (number < std::numeric_limits<short>::min() ||
            number > std::numeric_limits<short>::max())
            throw model::Fault(model::kOverflow);
        m.UserName = m_userName->text().toStdString();
        m.DesignNo = static_cast<int>(number);
        const QString name = m_fileName->text().trimmed();
        if (!name.isEmpty())
            m.ModelName = name.toStdString();
    });
    if (!ok)
        return;
    closeScreen();
    m_ctx.navigator.ShowScreen(ScreenId::HomeScreen);
}

} // namespace trochix::ui
