#include "ui/screens/LeaveCommits.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <algorithm>

namespace trochix::ui {

namespace {

QString TextOf(const QObject* box) {
    const auto* line = qobject_cast<const QLineEdit*>(box);
    return line ? line->text() : QString();
}

} // namespace

void LeaveCommits::watch(QWidget* box, std::function<void()> commit) {
    m_boxes.push_back({box, std::move(commit)});
    box->installEventFilter(this);
}

void LeaveCommits::run(const Box& box) {
    const QScopedValueRollback<bool> running(m_running, true);
    const std::function<void()> commit = box.commit;
    commit();
}

bool LeaveCommits::eventFilter(QObject* watched, QEvent* event) {
    if (quiet())
        return false;
    const auto it = std::find_if(m_boxes.begin(), m_boxes.end(),
                                 [watched](const Box& b) { return b.widget == watched; });
    if (it == m_boxes.end())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (!enter && key != Qt::Key_Tab && key != Qt::Key_Backtab)
            return false;
        m_keyCommitted = watched;
        m_keyCommittedText = TextOf(watched);
        run(*it);
        return enter; // Enter stops here: it never presses a dialog button
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        const bool byKey = watched == m_keyCommitted && TextOf(watched) == m_keyCommittedText;
        m_keyCommitted = nullptr;
        if (!byKey)
            run(*it);
        return false;
    }
    default:
        return false;
    }
}

} // namespace trochix::ui
