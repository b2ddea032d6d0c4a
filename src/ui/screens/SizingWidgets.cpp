#include "ui/screens/SizingWidgets.h"

#include "ui/Controls.h"
#include "ui/Look.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace trochix::ui {

void OptionPair::choose(bool firstChosen) {
    const QSignalBlocker b1(first), b2(second);
    (firstChosen ? first : second)->setChecked(true);
}

bool OptionPair::firstChosen() const {
    return first->isChecked();
}

OptionPair MakeOptionPair(QWidget* parent, const char* caption, const char* name, const char* first,
                          const char* second) {
    OptionPair p;
    p.frame = new QGroupBox(QString::fromUtf8(caption), parent);
    p.frame->setObjectName(QStringLiteral("fra_%1").arg(QLatin1String(name)));
    p.first = new QRadioButton(QString::fromUtf8(first), p.frame);
    const QByteArray option = "opt_" + QByteArray(name);
    p.first->setObjectName(IndexedName(option.constData(), 0));
    p.second = new QRadioButton(QString::fromUtf8(second), p.frame);
    p.second->setObjectName(IndexedName(option.constData(), 1));
    p.first->setChecked(true);
    auto* row = new QHBoxLayout(p.frame);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(p.first);
    row->addWidget(p.second);
    row->addStretch(1);
    return p;
}

ValueBox MakeValueBox(QWidget* parent, const QString& caption, const char* boxName,
                      const char* unitName) {
    ValueBox v;
    v.frame = new QGroupBox(caption, parent);
    v.box = MakeLineEdit(v.frame, QLatin1String(boxName), Qt::AlignRight | Qt::AlignVCenter);
    SelectAllOnFocus(v.box);
    v.box->setMinimumWidth(90);
    v.unit = new QLabel(v.frame);
    v.unit->setObjectName(QLatin1String(unitName));
    v.unit->setMinimumWidth(28);
    auto* row = new QHBoxLayout(v.frame);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(v.box, 1);
    row->addWidget(v.unit);
    return v;
}

QString SizingStyleSheet() {
    return FrameStyle("8px 6px 4px 6px", 10) + R"(
QRadioButton, QLineEdit, QLabel { font-weight: normal; color: #1b2a3a; }
QLineEdit:enabled { background: #fffbe6; }
QLineEdit:disabled { background: #edf0f3; color: #8a96a3; border-color: #d0d7de; }
QLabel[result="true"] {
    background: #ffffff; border: 1px solid #c3ccd6; border-radius: 4px; padding: 3px 6px;
    font-weight: bold; color: #1d3557;
}
QPlainTextEdit { background: #ffffff; border: 1px solid #c3ccd6; border-radius: 4px; }
)";
}

} // namespace trochix::ui
