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
#include <cmath>
#include <span>

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
        connect(view->surface(), &DrawingSurface::pointerMoved, this,
                [this, i](double x, double) { PointerAt(i, x); });
        connect(view->surface(), &DrawingSurface::pointerLeft, this,
                [this] { ShowCursor(std::nullopt); });
        connect(view->surface()->zoom(), &ViewZoom::clicked, this,
                [this, i](QPointF pos) { PinAt(i, pos); });
        connect(view->surface()->zoom(), &ViewZoom::viewChanged, this,
                [this, i] { FollowAngles(i); });
    }

    m_status = new QLabel(this);
    m_status->setObjectName("lbl_Status");
    m_status->setTextFormat(Qt::PlainText);
    // The reading and a pinned reading or difference, on lines of their own: four functions
    // read at once are wider than the room beside the buttons.
    m_status->setMinimumHeight(2 * m_status->fontMetrics().lineSpacing() + 4);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addLayout(
        MakePlotButtons(*this, m_reselect, [this] { return std::vector<output::Graph>{m_stack}; }));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(6);
    layout->addWidget(m_headers);
    layout->addLayout(stack, 1);
    layout->addWidget(m_status);
    layout->addLayout(bottom);
    resize(1040, m_windows == 4 ? 940 : 720);
}

void AlignedPlotScreen::activate() {
    model::CamModel& m = m_ctx.model;
    m_headers->fill(model::FillHeaders(m, m.PlotAllSegments ? 0 : m.CurSeg));
    m_status->clear();
    m_cursor.reset();
    m_pins.clear();
    for (output::AlignedWindow& w : m_plot)
        w = output::AlignedWindow{};
    // A layout with fewer functions than windows leaves the windows after them out.
    const int filled = std::clamp(m.NumPlotFuncs, 1, m_windows);
    output::AlignedSetup(m, m_ctx.host, m_plot, filled);
    output::AlignedPlot(m, m_ctx.host, m_ctx.colours, m_plot, filled);
    m_stack =
        output::AlignedStackGraph(m, std::span(m_plot).first(static_cast<std::size_t>(filled)));
    for (int i = 0; i < m_windows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        AlignedPlotView* view = m_views[at];
        view->show(m_plot[at]);
        view->setVisible(i < filled);
        view->surface()->setPins({});
        m_graphs[at] =
            i < filled && !m_plot[at].overflow ? output::AlignedGraph(m_plot[at]) : output::Graph{};
    }
    ShowCursor(std::nullopt);
    m_ctx.host.setBusy(false);
}

void AlignedPlotScreen::ShowCursor(std::optional<double> x) {
    if (x && !output::GraphValuesAt(m_stack, *x))
        x.reset();
    m_cursor = x;
    // One angle across the stack, as the windows share their angle axis.
    for (int i = 0; i < m_windows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        std::optional<double> mark;
        if (x)
            if (const auto v = output::GraphValuesAt(m_graphs[at], *x); v && !v->values.empty())
                mark = v->values.front();
        m_views[at]->surface()->setCursorX(x, mark);
    }
    ShowReadout();
}

void AlignedPlotScreen::FollowAngles(int i) {
    // The windows share one angle axis: zooming or panning one along it moves them all there,
    // each keeping its own value range. A window already there does not answer again.
    const ViewRange& v = m_views[static_cast<std::size_t>(i)]->surface()->zoom()->view();
    for (int w = 0; w < m_windows; ++w) {
        if (w == i)
            continue;
        ViewZoom* other = m_views[static_cast<std::size_t>(w)]->surface()->zoom();
        ViewRange moved = other->view();
        moved.x0 = v.x0;
        moved.x1 = v.x1;
        other->zoomTo(moved);
    }
}

void AlignedPlotScreen::ShowReadout() {
    m_status->setText(QString::fromStdString(
        output::ReadoutText(m_stack, m_cursor, {m_pins.begin(), m_pins.end()})));
}

double AlignedPlotScreen::Snapped(int i, double x) const {
    const int nearest = output::NearestPoint(m_stack, x);
    if (nearest < 0)
        return x;
    const double px = m_stack.XValues[static_cast<std::size_t>(nearest)];
    DrawingSurface* surface = m_views[static_cast<std::size_t>(i)]->surface();
    const double apart =
        std::fabs(surface->positionOf({px, 0.0}).x() - surface->positionOf({x, 0.0}).x());
    return apart <= 1.0 ? px : x;
}

void AlignedPlotScreen::PointerAt(int i, double x) {
    if (i < 0 || i >= m_windows)
        return;
    ShowCursor(Snapped(i, x));
}

void AlignedPlotScreen::PinAt(int i, const QPointF& pos) {
    if (i < 0 || i >= m_windows)
        return;
    const auto p = m_views[static_cast<std::size_t>(i)]->surface()->modelAt(pos);
    if (!p)
        return;
    const double x = Snapped(i, p->x);
    if (!output::GraphValuesAt(m_stack, x))
        return;
    QList<double> pins = m_pins.size() >= 2 ? QList<double>() : m_pins;
    pins.append(x);
    m_pins = pins;
    for (int w = 0; w < m_windows; ++w)
        m_views[static_cast<std::size_t>(w)]->surface()->setPins(m_pins);
    ShowReadout();
}

} // namespace trochix::ui
