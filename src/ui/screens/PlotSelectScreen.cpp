#include "ui/screens/PlotSelectScreen.h"

#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "ui/Controls.h"
#include "ui/Navigator.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

// A moment for the user to see what was filled in before the plot replaces the screen.
constexpr int kAutoDoneMs = 150;

} // namespace

bool ShowPlotScreen(AppContext& ctx, ScreenId plot) {
    ctx.host.setBusy(true);
    const bool shown = ctx.navigator.isAvailable(plot) && ctx.navigator.ShowScreen(plot);
    // The plot screen restores the pointer as it shows; this covers one that could not show.
    ctx.host.setBusy(false);
    return shown;
}

PlotSelectScreen::PlotSelectScreen(AppContext& ctx, ScreenId id, int layout)
    : ScreenBase(ctx, id), m_layout(layout) {
    const SelectorSetup setup{layout == 2 ? 2 : 4, layout == 1, "Plot",
                              "Select Segment(s) to Plot"};
    setStyleSheet(FunctionSelector::StyleSheet());
    m_selector = new FunctionSelector(ctx, setup, this);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(16, 14, 16, 14);
    layoutBox->setSpacing(8);
    layoutBox->addWidget(m_selector);

    auto* bottom = new QHBoxLayout;
    if (layout == 2 || layout == 3) {
        auto* style = new QGroupBox("Plot Style", this);
        style->setObjectName("fra_Plotstyle");
        auto* row = new QHBoxLayout(style);
        const char* captions[2] = {"Aligned", "Annotated"};
        for (int i = 0; i < 2; ++i) {
            m_style[i] = new QRadioButton(captions[i], style);
            m_style[i]->setObjectName(IndexedName("opt_Plotstyle", i));
            row->addWidget(m_style[i]);
        }
        bottom->addWidget(style);
    }
    bottom->addStretch(1);
    m_done = MakeButton(this, "&Done", "cmd_Done");
    QPushButton* cancel = MakeButton(this, "&Cancel", "cmd_Cancel");
    for (QPushButton* b : {m_done, cancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
        bottom->addWidget(b, 0, Qt::AlignBottom);
    }
    layoutBox->addLayout(bottom);

    m_timer.setObjectName("tmr_Done");
    m_timer.setSingleShot(true);
    m_timer.setInterval(kAutoDoneMs);
    connect(&m_timer, &QTimer::timeout, this, &PlotSelectScreen::Done);
    connect(m_done, &QPushButton::clicked, this, &PlotSelectScreen::Done);
    connect(cancel, &QPushButton::clicked, this, &PlotSelectScreen::Cancel);
    connect(m_selector, &FunctionSelector::changed, this, &PlotSelectScreen::RefreshDone);
    connect(m_selector, &FunctionSelector::doneRequested, this, &PlotSelectScreen::Done);
    RefreshDone();
}

void PlotSelectScreen::activate() {
    if (!m_styleShown && m_style[0]) {
        // First visit: the style of the model; later visits keep the user's choice.
        m_style[m_ctx.model.PlotStyle == 1 ? 0 : 1]->setChecked(true);
        m_styleShown = true;
    }
    m_selector->activate();
    RefreshDone();
}

void PlotSelectScreen::RefreshDone() {
    m_done->setEnabled(m_selector->form().doneEnabled);
}

void PlotSelectScreen::selectByProgram(const std::vector<std::string>& codes, int segment) {
    if (!m_usersForm)
        m_usersForm = m_selector->form();
    m_selector->selectByProgram(codes, segment);
    RefreshDone();
    m_timer.start();
}

void PlotSelectScreen::Done() {
    m_timer.stop();
    if (!m_selector->form().doneEnabled)
        return;
    model::CamModel& m = m_ctx.model;
    ScreenId plot = ScreenId::Plot1;
    const bool aligned = m_style[0] && m_style[0]->isChecked();
    const bool written = model::RunGuarded(m_ctx.host, screenName() + ".Done", [&] {
        plot = output::WritePlotRequest(m, m_selector->form(), m_layout, aligned);
    });
    if (!written)
        return;
    RestoreUsersForm();
    // A spectrum is drawn annotated whatever was chosen; the option says so.
    if (m_style[1] && m.SpectrumSelected)
        m_style[1]->setChecked(true);
    closeScreen();
    ShowPlotScreen(m_ctx, plot);
}

void PlotSelectScreen::Cancel() {
    m_timer.stop();
    RestoreUsersForm();
    closeScreen();
}

void PlotSelectScreen::RestoreUsersForm() {
    if (!m_usersForm)
        return;
    // The selection's own range and functions go back; the plot just requested keeps its range
    // in the model until the next request.
    const output::SelectionForm form = *m_usersForm;
    m_usersForm.reset();
    m_selector->restoreForm(form);
    RefreshDone();
}

void PlotSelectScreen::reject() {
    Cancel();
}

} // namespace trochix::ui
