#include "ui/screens/AnnotatedPlotScreen.h"

#include "model/CamModel.h"
#include "model/Headers.h"
#include "model/Host.h"
#include "ui/ChartView.h"
#include "ui/Controls.h"
#include "ui/HeaderPanels.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace trochix::ui {

namespace {

int WindowsOf(ScreenId id) {
    switch (id) {
    case ScreenId::Plot2: return 2;
    case ScreenId::Plot3: return 4;
    default: return 1;
    }
}

} // namespace

AnnotatedPlotScreen::AnnotatedPlotScreen(AppContext& ctx, ScreenId id)
    : ScreenBase(ctx, id), m_windows(WindowsOf(id)) {
    m_headers = new HeaderPanels(this);

    m_title = MakeLineEdit(this, "txt_Title");
    m_title->setPlaceholderText("Title of the plot");
    connect(m_title, &QLineEdit::editingFinished, this, &AnnotatedPlotScreen::TitleChanged);

    auto* charts = new QVBoxLayout;
    charts->setSpacing(2);
    for (int i = 0; i < m_windows; ++i) {
        auto* chart = new ChartView(this);
        chart->setObjectName(IndexedName("grf_Plot", i));
        charts->addWidget(chart, 1);
        m_charts[static_cast<std::size_t>(i)] = chart;
    }
    // One cam angle read across every window.
    LinkCursors(std::vector<ChartView*>(m_charts.begin(), m_charts.begin() + m_windows));

    m_frames = MakeStyleFrames(this);
    for (QCheckBox* box :
         {m_frames.chk_HGrid, m_frames.chk_VGrid, m_frames.chk_Line, m_frames.chk_Sticks})
        connect(box, &QCheckBox::clicked, this, &AnnotatedPlotScreen::StyleChanged);
    m_frames.show(m_boxes);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_frames.grid);
    bottom->addWidget(m_frames.style);
    bottom->addStretch(1);
    bottom->addLayout(MakePlotButtons(*this, m_reselect, [this] {
        std::vector<output::Graph> graphs;
        for (int i = 0; i < m_windows; ++i)
            graphs.push_back(m_charts[static_cast<std::size_t>(i)]->graph());
        return graphs;
    }));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(6);
    layout->addWidget(m_headers);
    layout->addWidget(m_title);
    layout->addLayout(charts, 1);
    layout->addLayout(bottom);
    resize(polar() ? 900 : 1040, m_windows == 4 ? 940 : (polar() ? 900 : 760));
}

void AnnotatedPlotScreen::activate() {
    const model::CamModel& m = m_ctx.model;
    m_headers->fill(model::FillHeaders(m, m.PlotAllSegments ? 0 : m.CurSeg));
    const bool spectrum = m.SpectrumSelected && !polar();
    m_frames.setCaptions(output::PlotBoxCaptions(spectrum, polar()));
    m_boxes = m_frames.read(m_boxes.setFor);
    // Plot sets the boxes of the two- and four-chart screens itself.
    if (m_windows == 1)
        output::StyleForKind(m_boxes, spectrum);

    // A layout with fewer functions than windows leaves the windows after them out.
    m_filled = m_windows == 1 ? 1 : std::clamp(m.NumPlotFuncs, 1, m_windows);
    for (output::Graph& g : m_graphs)
        g = output::Graph{};
    output::PlotSetup(m, m_ctx.host, m_graphs, m_filled, m_boxes);
    if (polar())
        output::PolarPlot(m, m_ctx.host, m_graphs[0]);
    else if (m_windows == 1)
        output::MultiPlot(m, m_ctx.host, m_graphs[0]);
    else
        output::Plot(m, m_ctx.host, m_graphs, m_filled, m_boxes);
    for (int i = 0; i < m_windows; ++i)
        m_charts[static_cast<std::size_t>(i)]->setVisible(i < m_filled);
    m_frames.show(m_boxes);
    draw();
    m_ctx.host.setBusy(false);
}

void AnnotatedPlotScreen::draw() {
    m_graphs[0].GraphTitle = m_title->text().trimmed().toStdString();
    for (int i = 0; i < m_filled; ++i)
        m_charts[static_cast<std::size_t>(i)]->setGraph(m_graphs[static_cast<std::size_t>(i)]);
}

void AnnotatedPlotScreen::StyleChanged() {
    m_boxes = m_frames.read(m_boxes.setFor);
    output::SetGridstyle(m_ctx.host, m_graphs, m_filled, m_boxes);
    for (int i = 0; i < m_filled; ++i)
        m_graphs[static_cast<std::size_t>(i)].DrawMode = 2;
    draw();
}

void AnnotatedPlotScreen::TitleChanged() {
    if (m_title->text().trimmed().toStdString() != m_graphs[0].GraphTitle)
        draw();
}

} // namespace trochix::ui
