#include "ui/QtHost.h"

#include <QApplication>
#include <QDateTime>

#include <memory>

namespace trochix::ui {

using model::Answer;
using model::Buttons;
using model::Icon;

QMessageBox::Icon MessageBoxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation:
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString MessageBoxText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

namespace {

QMessageBox::StandardButton StandardButtonOf(Answer a) {
    switch (a) {
    case Answer::OK: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

Answer AnswerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::OK;
    }
}

QMessageBox* MakeMessageBox(const std::string& text, Icon icon, const std::string& title,
                            Buttons buttons, Answer defaultAnswer, QWidget* parent,
                            const std::string& detail) {
    auto* box = new QMessageBox(parent);
    box->setIcon(MessageBoxIcon(icon));
    box->setWindowTitle(QString::fromStdString(title));
    box->setText(MessageBoxText(text));
    // Messages are plain text: keep doubled blanks and never read '<' as markup.
    box->setTextFormat(Qt::PlainText);
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    Answer escape = Answer::OK;
    switch (buttons) {
    case Buttons::OK: break;
    case Buttons::OKCancel:
        set = QMessageBox::Ok | QMessageBox::Cancel;
        escape = Answer::Cancel;
        break;
    case Buttons::YesNo:
        set = QMessageBox::Yes | QMessageBox::No;
        escape = Answer::No;
        break;
    }
    box->setStandardButtons(set);
    const QMessageBox::StandardButton def = StandardButtonOf(defaultAnswer);
    box->setDefaultButton(set.testFlag(def) ? def : StandardButtonOf(model::FirstAnswer(buttons)));
    box->setEscapeButton(StandardButtonOf(escape));
    if (!detail.empty())
        box->setDetailedText(QString::fromStdString(detail));
    return box;
}

QtHost::~QtHost() {
    if (m_busy)
        QApplication::restoreOverrideCursor();
}

Answer QtHost::message(const std::string& text, Icon icon, const std::string& title,
                       Buttons buttons, Answer defaultAnswer) {
    return Show(text, icon, title, buttons, defaultAnswer, {});
}

void QtHost::errorMessage(const std::string& text, const std::string& detail) {
    Show(text, Icon::Critical, model::DefaultTitle(), Buttons::OK, Answer::OK, detail);
}

Answer QtHost::Show(const std::string& text, Icon icon, const std::string& title, Buttons buttons,
                    Answer defaultAnswer, const std::string& detail) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    // A question must be answerable: the busy pointer would hide that the box waits.
    const bool wasBusy = m_busy;
    if (wasBusy)
        setBusy(false);
    std::unique_ptr<QMessageBox> box(
        MakeMessageBox(text, icon, title, buttons, defaultAnswer, parent, detail));
    const auto clicked = static_cast<QMessageBox::StandardButton>(box->exec());
    if (wasBusy)
        setBusy(true);
    return AnswerOf(clicked);
}

void QtHost::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

model::DateTime QtHost::now() {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime c = t.time();
    return {d.year(), d.month(), d.day(), c.hour(), c.minute(), c.second()};
}

} // namespace trochix::ui
