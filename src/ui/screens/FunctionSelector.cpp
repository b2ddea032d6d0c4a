#include "ui/screens/FunctionSelector.h"

#include "model/CamModel.h"
#include "model/FunctionNames.h"
#include "model/Host.h"
#include "ui/Controls.h"
#include "ui/Look.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

const char* const kOwnStyle = R"(
QGroupBox[caption="red"]::title { color: #c62828; }
QGroupBox[caption="grey"]::title { color: #8a949e; }
QLabel[indicator="true"] {
    background: #ffffff; color: #1b2a3a; border: 1px solid #c3ccd6; border-radius: 4px;
    padding: 3px 8px; font-weight: normal;
}
QPushButton { padding: 3px 12px; font-weight: normal; }
QComboBox, QRadioButton { font-weight: normal; }
QComboBox QLineEdit { border: none; padding: 0px; background: transparent; }
)";

QPushButton* SmallButton(const char* caption, const QString& name, QWidget* parent) {
    QPushButton* b = MakeButton(parent, caption, name);
    b->setAutoDefault(false);
    return b;
}

void SetCaptionColour(QGroupBox* frame, bool active) {
    const char* colour = active ? "red" : "grey";
    if (frame->property("caption").toString() == colour)
        return;
    frame->setProperty("caption", colour);
    frame->style()->unpolish(frame);
    frame->style()->polish(frame);
}

} // namespace

QString FunctionSelector::StyleSheet() {
    return FrameStyle("10px 8px 6px 8px", 12) + kOwnStyle;
}

FunctionSelector::FunctionSelector(AppContext& ctx, const SelectorSetup& setup, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_form(output::NewSelection(setup.boxes, setup.switched)) {
    setObjectName("pnl_FunctionSelector");
    setStyleSheet(StyleSheet());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildMethod());
    top->addWidget(BuildPreset(), 1);
    layout->addLayout(top);
    for (int k = 1; k <= m_form.boxes; ++k) {
        QWidget* frame = BuildFunction(k);
        m_fn[k].frame->setTitle(QStringLiteral("%1 %2").arg(setup.caption).arg(k));
        layout->addWidget(frame);
    }
    layout->addWidget(BuildSegment(setup.segmentCaption));
    Refresh();
}

QWidget* FunctionSelector::BuildMethod() {
    auto* frame = new QGroupBox("Choose Setup Method", this);
    frame->setObjectName("fra_Method");
    auto* column = new QVBoxLayout(frame);
    const char* captions[2] = {"Preset Formats", "Mix and Match"};
    for (int i = 0; i < 2; ++i) {
        m_method[i] = new QRadioButton(captions[i], frame);
        m_method[i]->setObjectName(IndexedName("opt_PrintSet", i));
        column->addWidget(m_method[i]);
        connect(m_method[i], &QRadioButton::clicked, this, [this, i] { PrintSet_Click(i); });
    }
    return frame;
}

QWidget* FunctionSelector::BuildPreset() {
    auto* frame = new QGroupBox("Select from Preset Formats", this);
    frame->setObjectName("fra_Preset");
    auto* column = new QVBoxLayout(frame);
    m_preset = new QComboBox(frame);
    m_preset->setObjectName("cmb_Preset");
    // Editable with a read-only text, so that a double-click reaches it instead of the list.
    m_preset->setEditable(true);
    m_preset->lineEdit()->setReadOnly(true);
    m_preset->setInsertPolicy(QComboBox::NoInsert);
    m_preset->setCompleter(nullptr);
    m_preset->setMinimumContentsLength(40);
    SelectAllOnFocus(m_preset);
    m_preset->lineEdit()->installEventFilter(this);
    connect(m_preset, &QComboBox::activated, this, [this] { Preset_Click(); });
    column->addWidget(m_preset);
    column->addStretch(1);
    return frame;
}

QWidget* FunctionSelector::BuildFunction(int k) {
    FunctionRow& r = m_fn[k];
    r.frame = new QGroupBox(this);
    r.frame->setObjectName(IndexedName("fra_Function", k - 1));
    auto* row = new QHBoxLayout(r.frame);
    r.box = new QComboBox(r.frame);
    r.box->setObjectName(QStringLiteral("cmb_Var%1").arg(k));
    r.box->setEditable(true);
    // A typed code selects its function; the list must not grow from typing.
    r.box->setInsertPolicy(QComboBox::NoInsert);
    r.box->setCompleter(nullptr);
    r.box->setMinimumContentsLength(12);
    SelectAllOnFocus(r.box);
    r.box->lineEdit()->installEventFilter(this);
    row->addWidget(r.box, 1);
    if (m_form.switched && k >= 2) {
        r.on = SmallButton("&On", IndexedName("cmd_On", k - 1), r.frame);
        r.off = SmallButton("O&ff", IndexedName("cmd_Off", k - 1), r.frame);
        row->addWidget(r.on);
        row->addWidget(r.off);
        connect(r.on, &QPushButton::clicked, this, [this, k] { On_Click(k); });
        connect(r.off, &QPushButton::clicked, this, [this, k] { Off_Click(k); });
    } else if (m_form.switched) {
        // Function 1 is always on: room where the others have On and Off keeps the rows aligned.
        for (const char* caption : {"&On", "O&ff"}) {
            auto* room = new QPushButton(QString::fromUtf8(caption), r.frame);
            QSizePolicy policy = room->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            room->setSizePolicy(policy);
            room->hide();
            row->addWidget(room);
        }
    }
    r.clear = SmallButton("&Clear", IndexedName("cmd_Clear", k - 1), r.frame);
    row->addWidget(r.clear);
    r.label = new QLabel(r.frame);
    r.label->setObjectName(IndexedName("lbl_Function", k - 1));
    r.label->setProperty("indicator", true);
    r.label->setMinimumWidth(130);
    row->addSpacing(12);
    row->addWidget(r.label);

    connect(r.box, &QComboBox::activated, this, [this, k] { Var_Click(k); });
    connect(r.box->lineEdit(), &QLineEdit::textEdited, this, [this, k] { Var_Edited(k); });
    connect(r.clear, &QPushButton::clicked, this, [this, k] { Clear_Click(k); });
    return r.frame;
}

QWidget* FunctionSelector::BuildSegment(const char* caption) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), this);
    frame->setObjectName("fra_Segment");
    auto* row = new QHBoxLayout(frame);
    m_segment = new QComboBox(frame);
    m_segment->setObjectName("cmb_Segment");
    m_segment->setMinimumContentsLength(26);
    connect(m_segment, &QComboBox::activated, this, [this] { Segment_Click(); });
    row->addWidget(m_segment);
    row->addStretch(1);
    return frame;
}

void FunctionSelector::activate() {
    output::ActivateSelection(m_ctx.model, m_form);
    FillLists();
    Refresh();
    FocusDefault();
}

void FunctionSelector::FillLists() {
    const QSignalBlocker bp(m_preset), bs(m_segment);
    m_preset->clear();
    for (const output::Preset* p : m_form.presets)
        m_preset->addItem(QString::fromUtf8(p->name), p->index);
    m_segment->clear();
    for (const std::string& s : m_form.segments)
        m_segment->addItem(QString::fromStdString(s));
    for (int k = 1; k <= m_form.boxes; ++k) {
        const QSignalBlocker b(m_fn[k].box);
        m_fn[k].box->clear();
        for (int row : m_form.functionRows)
            m_fn[k].box->addItem(QString::fromStdString(model::FuncShort[row]));
    }
}

void FunctionSelector::Refresh() {
    const output::SelectionForm& f = m_form;
    const bool presets = f.method == output::Method::PresetFormats;
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker b(m_method[i]);
        m_method[i]->setChecked(static_cast<int>(f.method) == i);
    }
    {
        const QSignalBlocker b(m_preset);
        m_preset->setEnabled(output::PresetBoxEnabled(f));
        m_preset->setCurrentIndex(presets ? m_preset->findData(f.preset) : -1);
        if (m_preset->currentIndex() < 0)
            m_preset->setEditText(QString());
    }
    for (int k = 1; k <= f.boxes; ++k) {
        FunctionRow& r = m_fn[k];
        const output::SlotControls c = output::ControlsOf(f, k);
        {
            const QSignalBlocker b(r.box);
            SetListText(r.box, f.fn[k].text);
        }
        r.box->setEnabled(c.box);
        if (r.on) {
            r.on->setEnabled(c.on);
            r.off->setEnabled(c.off);
        }
        r.clear->setEnabled(c.clear);
        r.label->setText(QString::fromStdString(f.fn[k].label));
        SetCaptionColour(r.frame, c.active);
    }
    const QSignalBlocker b(m_segment);
    m_segment->setCurrentIndex(f.segment);
}

void FunctionSelector::FocusDefault() {
    if (m_preset->isEnabled())
        m_preset->setFocus();
    else
        m_fn[1].box->setFocus();
}

bool FunctionSelector::selectByProgram(const std::vector<std::string>& codes, int segment) {
    // The lists as this model has them, which may not have been shown yet.
    output::ActivateSelection(m_ctx.model, m_form);
    FillLists();
    const bool all = output::SelectCodes(m_ctx.model, m_ctx.host, m_form, codes);
    if (segment >= 0 && segment < static_cast<int>(m_form.segments.size()))
        m_form.segment = segment;
    Refresh();
    emit changed();
    return all;
}

void FunctionSelector::restoreForm(const output::SelectionForm& form) {
    m_form = form;
    Refresh();
    emit changed();
}

void FunctionSelector::Var_Click(int k) {
    output::SelectFunction(m_ctx.model, m_ctx.host, m_form, k,
                           m_fn[k].box->currentText().toStdString());
    Refresh();
    emit changed();
}

void FunctionSelector::Var_Edited(int k) {
    // Each keystroke is matched; a match replaces the text by the function's name.
    if (output::SelectFunction(m_ctx.model, m_ctx.host, m_form, k,
                               m_fn[k].box->currentText().toStdString())) {
        Refresh();
        emit changed();
    }
}

void FunctionSelector::Var_DblClick(int k) {
    Var_Click(k);
    if (output::AllSelected(m_form) && m_form.doneEnabled)
        emit doneRequested();
}

void FunctionSelector::Preset_Click() {
    const int index = m_preset->currentData().toInt();
    output::ApplyPreset(m_ctx.model, m_ctx.host, m_form, index);
    Refresh();
    emit changed();
}

void FunctionSelector::Preset_DblClick() {
    if (m_preset->currentIndex() < 0)
        return;
    Preset_Click();
    if (m_form.doneEnabled)
        emit doneRequested();
}

void FunctionSelector::PrintSet_Click(int method) {
    const auto chosen = static_cast<output::Method>(method);
    if (chosen != m_form.method)
        output::SetupMethod(m_form, chosen);
    Refresh();
    FocusDefault();
    emit changed();
}

void FunctionSelector::On_Click(int k) {
    output::SwitchOn(m_form, k);
    Refresh();
    if (m_fn[k].box->isEnabled())
        m_fn[k].box->setFocus();
}

void FunctionSelector::Off_Click(int k) {
    output::SwitchOff(m_ctx.host, m_form, k);
    Refresh();
    m_fn[1].box->setFocus();
    emit changed();
}

void FunctionSelector::Clear_Click(int k) {
    output::ClearFunction(m_ctx.host, m_form, k);
    Refresh();
    m_fn[1].box->setFocus();
    emit changed();
}

void FunctionSelector::Segment_Click() {
    m_form.segment = output::SegmentChoice(m_segment->currentText().toStdString());
    emit changed();
}

int FunctionSelector::BoxOf(QObject* watched) const {
    for (int k = 1; k <= m_form.boxes; ++k)
        if (watched == m_fn[k].box->lineEdit())
            return k;
    return 0;
}

bool FunctionSelector::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (edit == m_preset->lineEdit()) {
            Preset_DblClick();
            return true;
        }
        if (const int k = BoxOf(watched)) {
            Var_DblClick(k);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace trochix::ui
