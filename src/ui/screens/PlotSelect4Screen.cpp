#include "ui/screens/PlotSelect4Screen.h"

#include "model/CamModel.h"
#include "model/ReportError.h"
#include "output/Selection.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/screens/PlotSelectScreen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

constexpr const char* kCamProfile = "Cam Profile";

const char* const kOwnStyle = R"(
QGroupBox::title { color: #c62828; }
QGroupBox#fra_Output::title { color: #8a949e; }
QLabel[indicator="true"] {
    background: #ffffff; border: 1px solid #c3ccd6; border-radius: 4px; padding: 3px 8px;
}
QComboBox, QRadioButton, QLabel, QPushButton { font-weight: normal; }
)";

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    QPushButton* b = MakeButton(parent, caption, QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

PlotSelect4Screen::PlotSelect4Screen(AppContext& ctx) : ScreenBase(ctx, ScreenId::PlotSelect4) {
    setStyleSheet(FrameStyle("10px 8px 6px 8px", 12) + kOwnStyle);
    auto* function = new QGroupBox("Plot 1", this);
    function->setObjectName("fra_Function_0");
    auto* row = new QHBoxLayout(function);
    m_box = new QComboBox(function);
    m_box->setObjectName("cmb_Var1");
    m_box->addItem(kCamProfile);
    m_box->setMinimumContentsLength(14);
    auto* ok = Button("&OK", "cmd_OK", function);
    auto* clear = Button("&Clear", "cmd_Clear_0", function);
    m_label = new QLabel(function);
    m_label->setObjectName("lbl_Function_0");
    m_label->setProperty("indicator", true);
    m_label->setMinimumWidth(110);
    row->addWidget(m_box, 1);
    row->addWidget(ok);
    row->addWidget(clear);
    row->addSpacing(12);
    row->addWidget(m_label);

    auto* output = new QGroupBox("Direct Output to:", this);
    output->setObjectName("fra_Output");
    output->setToolTip("A polar plot is shown on the screen; print it from there.");
    auto* outputs = new QHBoxLayout(output);
    const char* devices[3] = {"Screen", "Printer", "Disk File"};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(devices[i], output);
        option->setObjectName(IndexedName("opt_Output", i));
        option->setChecked(i == 0);
        outputs->addWidget(option);
    }
    output->setEnabled(false);
    auto* demo = Button("De&mo", "cmd_Demo", this);
    demo->setEnabled(false);

    m_done = Button("&Done", "cmd_Done", this);
    auto* cancel = Button("&Cancel", "cmd_Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(demo);
    buttons->addStretch(1);
    for (QPushButton* b : {m_done, cancel}) {
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(function);
    layout->addWidget(output);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &PlotSelect4Screen::OK_Click);
    connect(clear, &QPushButton::clicked, this, &PlotSelect4Screen::Clear_Click);
    connect(m_done, &QPushButton::clicked, this, &PlotSelect4Screen::Done);
    connect(cancel, &QPushButton::clicked, this, &PlotSelect4Screen::Cancel);
}

void PlotSelect4Screen::activate() {
    m_box->setCurrentIndex(0);
    m_label->setText(kCamProfile);
    // The profile exists once the cam is sized; the plot type screen offers no polar plot before.
    m_done->setEnabled(m_ctx.model.ProfileDone);
    m_done->setFocus();
}

void PlotSelect4Screen::OK_Click() {
    m_label->setText(m_box->currentText());
}

void PlotSelect4Screen::Clear_Click() {
    m_box->setCurrentIndex(-1);
}

void PlotSelect4Screen::Done() {
    if (!m_ctx.model.ProfileDone)
        return;
    ScreenId plot = ScreenId::Plot4;
    if (!model::RunGuarded(m_ctx.host, "frm_PlotSelect4.Done",
                           [&] { plot = output::WritePolarRequest(m_ctx.model); }))
        return;
    closeScreen();
    ShowPlotScreen(m_ctx, plot);
}

void PlotSelect4Screen::Cancel() {
    closeScreen();
}

} // namespace trochix::ui
