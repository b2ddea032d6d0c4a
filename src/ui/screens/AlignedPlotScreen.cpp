#include "ui/screens/AlignedPlotScreen.h"

#include "model/CamModel.h"
#include "model/Headers.h"
#include "model/Host.h"
#include "ui/AlignedPlotView.h"
#include "ui/DrawingSurface.h"
#include "ui/HeaderPanels.h"
#include "ui/screens/PlotScreenParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace trochix::ui {

AlignedPlotScreen::AlignedPlotScreen(AppContext& ctx, ScreenId id)
    : ScreenBase(ctx, id), m_windows(id == ScreenId::MyPlot3 ? 4 : 2) {
    m_headers = new HeaderPanels(this);

    auto* stack = new QVBoxLayout;
    stack->setSpacing(4);
    for (int i = 0; i < m_windows; ++i) {
        auto* view = new AlignedPlotView(i, this);
        stack->addWidget(view, 1);
        m_views[static_cast<std::size_t>(i)] = view;
        connect(view->surface(), &DrawingSurface::pointerMoved, this, [this, i](double x, double) {
            PointerAt(i, x);
            ShowCursor(x);
        });
        connect(view->surface(), &DrawingSurface::pointerLeft, this, [this] {
            m_status->clear();
            ShowCursor(std::nullopt);
        });
    }

    m_status = new QLabel(this);
    m_status->setObjectName("lbl_Status");
    m_status->setTextFormat(Qt::PlainText);
    m_status->setMinimumHeight(m_status->fontMetrics().height() + 4);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addLayout(MakePlotButtons(*this, m_reselect, [this] {
        std::vector<output::Graph> graphs;
        for (int i = 0; i < m_windows; ++i)
            graphs.push_back(output::AlignedGraph(m_plot[static_cast<std::size_t>(i)]));
        return graphs;
    }));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(6);
    layout->addWidget(m_headers);
    layout->addLayout(stack, 1);
    layout->addLayout(bottom);
    resize(1040, m_windows == 4 ? 940 : 720);
}

void AlignedPlotScreen::activate() {
    model::CamModel& m = m_ctx.model;
    m_headers->fill(model::FillHeaders(m, m.PlotAllSegments ? 0 : m.CurSeg));
    m_status->clear();
    for (output::AlignedWindow& w : m_plot)
        w = output::AlignedWindow{};
    // A layout with fewer functions than windows leaves the windows after them out.
    const int filled = std::clamp(m.NumPlotFuncs, 1, m_windows);
    output::AlignedSetup(m, m_ctx.host, m_plot, filled);
    output::AlignedPlot(m, m_ctx.host, m_ctx.colours, m_plot, filled);
    for (int i = 0; i < m_windows; ++i) {
        AlignedPlotView* view = m_views[static_cast<std::size_t>(i)];
        view->show(m_plot[static_cast<std::size_t>(i)]);
        view->setVisible(i < filled);
    }
    m_ctx.host.setBusy(false);
}

void AlignedPlotScreen::ShowCursor(std::optional<double> x) {
    // One angle across the stack, as the windows share their angle axis.
    for (int i = 0; i < m_windows; ++i)
        m_views[static_cast<std::size_t>(i)]->surface()->setCursorX(x);
}

void AlignedPlotScreen::PointerAt(int i, double x) {
    if (i < 0 || i >= m_windows)
        return;
    m_status->setText(QString::fromStdString(
        output::AlignedReading(m_ctx.model, m_plot[static_cast<std::size_t>(i)], x)));
}

} // namespace trochix::ui
