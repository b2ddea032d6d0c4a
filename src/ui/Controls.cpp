#include "ui/Controls.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

namespace trochix::ui {

QString IndexedName(const char* prefix, int i) {
    return QLatin1String(prefix) + QLatin1Char('_') + QString::number(i);
}

QPushButton* MakeButton(QWidget* parent, const char* caption, const QString& objectName) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(objectName);
    return button;
}

QLineEdit* MakeLineEdit(QWidget* parent, const QString& objectName, Qt::Alignment alignment) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setAlignment(alignment);
    return box;
}

QLabel* MakeCaption(QWidget* parent, const char* text) {
    return new QLabel(QString::fromUtf8(text), parent);
}

QLabel* MakeResultLabel(QWidget* parent, const char* name, int minWidth) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setProperty("result", true);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(minWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QHBoxLayout* MakeButtonRow(std::initializer_list<QWidget*> left,
                           std::initializer_list<QWidget*> right, int minWidth) {
    auto* row = new QHBoxLayout;
    const auto add = [&](QWidget* w) {
        w->setMinimumWidth(std::max(w->minimumWidth(), minWidth));
        row->addWidget(w);
    };
    for (QWidget* w : left)
        add(w);
    row->addStretch(1);
    for (QWidget* w : right)
        add(w);
    return row;
}

void SetBoxText(QLineEdit* box, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (box->text() != t)
        box->setText(t);
}

void SetListText(QComboBox* list, const std::string& text) {
    const QString t = QString::fromStdString(text);
    const int index = t.isEmpty() ? -1 : list->findText(t, Qt::MatchExactly);
    if (list->currentIndex() != index)
        list->setCurrentIndex(index);
    if (list->isEditable() && list->currentText() != t)
        list->setEditText(t);
}

namespace {

class SelectAllFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn)
            return false;
        QLineEdit* box = qobject_cast<QLineEdit*>(watched);
        // An editable list hands its focus events to its text without passing filters.
        if (auto* list = qobject_cast<QComboBox*>(watched))
            box = list->lineEdit();
        if (box)
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        return false;
    }
};

QString TextOf(const QObject* box) {
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (auto* list = qobject_cast<const QComboBox*>(box))
        return list->currentText();
    return {};
}

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
bool IsTabKey(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

} // namespace

void SelectAllOnFocus(QLineEdit* box) {
    box->installEventFilter(new SelectAllFilter(box));
}
void SelectAllOnFocus(QComboBox* list) {
    list->installEventFilter(new SelectAllFilter(list));
}

CommitOnLeave::CommitOnLeave(QObject* parent) : QObject(parent) {}

void CommitOnLeave::watch(QWidget* box, std::function<void()> commit, int triggers) {
    m_boxes.push_back({box, std::move(commit), triggers});
    box->installEventFilter(this);
}

bool CommitOnLeave::watches(const QObject* box) const {
    return find(box) != nullptr;
}

const CommitOnLeave::Box* CommitOnLeave::find(const QObject* box) const {
    const auto it = std::find_if(m_boxes.begin(), m_boxes.end(),
                                 [box](const Box& b) { return b.widget == box; });
    return it == m_boxes.end() ? nullptr : &*it;
}

void CommitOnLeave::run(const Box& box) {
    const QScopedValueRollback<bool> running(m_running, true);
    const std::function<void()> commit = box.commit; // the handler may watch more boxes
    commit();
}

bool CommitOnLeave::eventFilter(QObject* watched, QEvent* event) {
    const Box* box = quiet() ? nullptr : find(watched);
    if (!box)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = IsEnterKey(key) && (box->triggers & Enter);
        if (!enter && !(IsTabKey(key) && (box->triggers & Tab)))
            return false;
        m_keyCommitted = watched;
        run(*box);
        // As the commit left it: a refused or clamped entry puts an earlier value back, and
        // leaving the box must not take that as a new entry.
        m_keyCommittedText = TextOf(watched);
        // Tab goes on to the next control, unless the commit itself has put the focus where
        // the user goes next; Enter stops here.
        return enter || QApplication::focusWidget() != watched;
    }
    case QEvent::FocusOut: {
        if (!(box->triggers & Leave))
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window or an open list takes the focus only for a moment.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        const bool committedByKey =
            watched == m_keyCommitted && TextOf(watched) == m_keyCommittedText;
        m_keyCommitted = nullptr;
        if (!committedByKey)
            run(*box);
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (box->triggers & DoubleClick)
            run(*box);
        return false;
    default: return false;
    }
}

} // namespace trochix::ui
