#include "ui/screens/PrintSelectScreen.h"

#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "ui/TableCommands.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <optional>

namespace trochix::ui {

namespace {

QComboBox* NumberList(QWidget* parent, const QString& name, const std::vector<std::string>& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    // A typed value is taken, never added to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumContentsLength(4);
    box->lineEdit()->setAlignment(Qt::AlignRight);
    for (const std::string& item : items)
        box->addItem(QString::fromStdString(item));
    return box;
}

void ShowNumber(QComboBox* box, int value) {
    const QSignalBlocker blocker(box);
    SetListText(box, std::to_string(value));
}

// The routine a fault of Done is reported under, by where the table goes.
const char* DoneRoutine(output::OutputDevice device) {
    switch (device) {
    case output::OutputDevice::Printer: return "frm_PrintSelect.PrintForm";
    case output::OutputDevice::DiskFile: return "frm_PrintSelect.SaveData";
    case output::OutputDevice::Screen: break;
    }
    return "Print_cam_data";
}

} // namespace

PrintSelectScreen::PrintSelectScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::PrintSelect) {
    setStyleSheet(FunctionSelector::StyleSheet());
    m_commits = new CommitOnLeave(this);
    m_selector =
        new FunctionSelector(ctx, {4, false, "Column", "Select Segment(s) to Print"}, this);

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(m_selector, 1);
    top->addWidget(BuildOptions());

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    m_done = MakeButton(this, "&Done", "cmd_Done");
    auto* cancel = MakeButton(this, "&Cancel", "cmd_Cancel");
    for (QPushButton* b : {m_done, cancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
        bottom->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addLayout(bottom);

    connect(m_done, &QPushButton::clicked, this, &PrintSelectScreen::Done);
    connect(cancel, &QPushButton::clicked, this, &PrintSelectScreen::Cancel);
    connect(m_selector, &FunctionSelector::changed, this, &PrintSelectScreen::Refresh);
    connect(m_selector, &FunctionSelector::doneRequested, this, &PrintSelectScreen::Done);
    Refresh();
}

QWidget* PrintSelectScreen::BuildOptions() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);

    auto* output = new QGroupBox("Direct Output to:", panel);
    output->setObjectName("fra_Output");
    auto* options = new QVBoxLayout(output);
    for (int i = 0; i < 3; ++i) {
        m_output[i] = new QRadioButton(output::OutputDeviceNames[i], output);
        m_output[i]->setObjectName(IndexedName("opt_Output", i));
        options->addWidget(m_output[i]);
        // Arrow keys move the choice as a click does.
        connect(m_output[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Output_Click(i);
        });
    }
    column->addWidget(output);

    auto* every = new QGroupBox("Print Every", panel);
    every->setObjectName("fra_PrintEvery");
    auto* everyRow = new QHBoxLayout(every);
    m_every = NumberList(every, "cmb_PrintEvery", output::PrintEveryList());
    everyRow->addWidget(m_every);
    everyRow->addWidget(new QLabel("points", every));
    everyRow->addStretch(1);
    column->addWidget(every);

    auto* setAll = new QGroupBox("Set All Dec Plcs", panel);
    setAll->setObjectName("fra_SetAll");
    auto* setAllRow = new QHBoxLayout(setAll);
    m_setAll = NumberList(setAll, "cmb_SetAll", output::DecimalsList());
    setAllRow->addWidget(m_setAll);
    setAllRow->addStretch(1);
    column->addWidget(setAll);

    auto* decimals = new QGroupBox("Decimal Places", panel);
    decimals->setObjectName("fra_Decimals");
    auto* grid = new QGridLayout(decimals);
    for (int i = 0; i < 4; ++i) {
        auto* caption = new QLabel(QStringLiteral("Column %1").arg(i + 1), decimals);
        m_decimals[i] =
            NumberList(decimals, IndexedName("cmb_Decimals", i), output::DecimalsList());
        caption->setBuddy(m_decimals[i]);
        grid->addWidget(caption, i, 0);
        grid->addWidget(m_decimals[i], i, 1);
    }
    column->addWidget(decimals);
    column->addStretch(1);

    m_commits->watch(m_every, [this] { PrintEvery_Commit(); });
    connect(m_every, &QComboBox::activated, this, &PrintSelectScreen::PrintEvery_Commit);
    m_commits->watch(m_setAll, [this] { SetAll_Commit(); });
    connect(m_setAll, &QComboBox::activated, this, &PrintSelectScreen::SetAll_Commit);
    for (int i = 0; i < 4; ++i) {
        m_commits->watch(m_decimals[i], [this, i] { Decimals_Commit(i); });
        connect(m_decimals[i], &QComboBox::activated, this, [this, i] { Decimals_Commit(i); });
    }
    return panel;
}

void PrintSelectScreen::activate() {
    if (!m_settingsShown) {
        // First visit: what the model holds (a model file keeps its row step).
        const model::CamModel& m = m_ctx.model;
        m_settings.device = static_cast<output::OutputDevice>(std::clamp(m.OutputDevice, 0, 2));
        m_settings.every = std::max(m.PrintEvery, 1);
        m_settings.decimals = m.Decimals;
        m_settingsShown = true;
    }
    {
        const QSignalBlocker blocker(m_setAll);
        m_setAll->setCurrentIndex(-1);
        m_setAll->setEditText(QString());
    }
    m_selector->activate();
    Refresh();
}

void PrintSelectScreen::Refresh() {
    const CommitOnLeave::Pause pause(*m_commits);
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker blocker(m_output[i]);
        m_output[i]->setChecked(static_cast<int>(m_settings.device) == i);
    }
    // A spectrum is tabulated harmonic by harmonic, whatever the step.
    const bool spectrum = m_selector->form().spectrum;
    ShowNumber(m_every, output::EffectivePrintEvery(m_selector->form(), m_settings.every));
    m_every->setEnabled(!spectrum);
    m_every->setToolTip(spectrum ? "A spectrum is tabulated for every harmonic" : QString());
    for (int i = 0; i < 4; ++i)
        ShowNumber(m_decimals[i], m_settings.decimals[i]);
    m_done->setEnabled(m_selector->form().doneEnabled);
}

void PrintSelectScreen::Output_Click(int device) {
    m_settings.device = static_cast<output::OutputDevice>(device);
    Refresh();
}

void PrintSelectScreen::PrintEvery_Commit() {
    if (!m_every->isEnabled())
        return;
    if (const std::optional<int> v =
            output::ReadPrintEvery(m_ctx.model, m_ctx.host, m_every->currentText().toStdString()))
        m_settings.every = *v;
    Refresh();
}

void PrintSelectScreen::SetAll_Commit() {
    const QString text = m_setAll->currentText();
    if (text.trimmed().isEmpty())
        return; // nothing to copy
    if (const std::optional<int> v = output::ReadDecimals(m_ctx.host, text.toStdString()))
        m_settings.decimals.fill(*v);
    else {
        const QSignalBlocker blocker(m_setAll);
        m_setAll->setEditText(QString());
    }
    Refresh();
}

void PrintSelectScreen::Decimals_Commit(int column) {
    if (const std::optional<int> v =
            output::ReadDecimals(m_ctx.host, m_decimals[column]->currentText().toStdString()))
        m_settings.decimals[column] = *v;
    Refresh();
}

bool PrintSelectScreen::CommitPending() {
    const auto differs = [](QComboBox* box, int value) {
        return box->currentText().trimmed() != QString::number(value);
    };
    if (m_every->isEnabled() && differs(m_every, m_settings.every)) {
        const std::optional<int> v =
            output::ReadPrintEvery(m_ctx.model, m_ctx.host, m_every->currentText().toStdString());
        if (!v)
            return false;
        m_settings.every = *v;
    }
    for (int i = 0; i < 4; ++i)
        if (differs(m_decimals[i], m_settings.decimals[i])) {
            const std::optional<int> v =
                output::ReadDecimals(m_ctx.host, m_decimals[i]->currentText().toStdString());
            if (!v)
                return false;
            m_settings.decimals[i] = *v;
        }
    return true;
}

void PrintSelectScreen::Done() {
    if (!m_selector->form().doneEnabled)
        return;
    const bool taken = CommitPending();
    Refresh();
    if (!taken)
        return;
    const output::OutputDevice device = m_settings.device;
    const bool written = model::RunGuarded(m_ctx.host, DoneRoutine(device), [&] {
        output::WriteTableRequest(m_ctx.model, m_selector->form(), m_settings);
    });
    if (!written)
        return;
    closeScreen();
    switch (device) {
    case output::OutputDevice::Screen: Print_cam_data(m_ctx); break;
    case output::OutputDevice::Printer:
        model::RunGuarded(m_ctx.host, DoneRoutine(device),
                          [&] { PrintTable(m_ctx, parentWidget()); });
        break;
    case output::OutputDevice::DiskFile:
        model::RunGuarded(m_ctx.host, DoneRoutine(device), [&] { SaveTable(m_ctx); });
        break;
    }
}

void PrintSelectScreen::Cancel() {
    closeScreen();
}

void PrintSelectScreen::reject() {
    Cancel();
}

} // namespace trochix::ui
