#include "ui/screens/DesignMapScreen.h"

#include "geometry/DesignMapScene.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/Units.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/DrawingSurface.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace trochix::ui {

namespace {

using geometry::AdoptRun;
using geometry::MapAxis;

QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

QString AxisItem(MapAxis axis) {
    switch (axis) {
    case MapAxis::Roller: return "Prime Radius x Roller Radius";
    case MapAxis::Offset: return "Prime Radius x Offset";
    case MapAxis::Pivot: return "Prime Radius x Pivot Distance";
    }
    return {};
}

// A sizing pass a few times a second keeps up with the pointer on this machine.
constexpr int kDragMs = 60;

} // namespace

DesignMapScreen::DesignMapScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::DesignMap) {
    setStyleSheet(SizingStyleSheet());
    m_commits = new CommitOnLeave(this);

    m_mapSurface = new DrawingSurface(SceneScale::Stretch, this);
    m_mapSurface->setObjectName("pct_DesignMap");
    m_mapSurface->setMinimumSize(640, 440);
    m_mapSurface->setMouseTracking(true);
    m_mapSurface->setCursor(Qt::CrossCursor);
    m_mapSurface->installEventFilter(this);
    connect(m_mapSurface, &DrawingSurface::pointerMoved, this, &DesignMapScreen::Hover);
    m_readout = new QLabel(this);
    m_readout->setObjectName("lbl_Readout");
    m_readout->setWordWrap(true);
    m_status = new QLabel(this);
    m_status->setObjectName("lbl_MapStatus");
    m_status->setWordWrap(true);
    m_status->setStyleSheet("color: #c00000;");
    auto* left = new QVBoxLayout;
    left->addWidget(m_mapSurface, 1);
    left->addWidget(m_readout);
    left->addWidget(m_status);

    auto* controls = new QWidget(this);
    controls->setFixedWidth(290);
    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    auto* axes = new QGroupBox("Map", controls);
    axes->setObjectName("fra_MapAxes");
    m_axis = new QComboBox(axes);
    m_axis->setObjectName("cmb_MapAxes");
    connect(m_axis, &QComboBox::activated, this, &DesignMapScreen::Axis_Click);
    auto* axesRow = new QHBoxLayout(axes);
    axesRow->setContentsMargins(8, 4, 8, 4);
    axesRow->addWidget(m_axis, 1);
    column->addWidget(axes);

    m_rise = MakeValueBox(controls, "Rise Pressure Angle Limit", "txt_RiseLimit", "lbl_RiseUnit");
    m_fall = MakeValueBox(controls, "Fall Pressure Angle Limit", "txt_FallLimit", "lbl_FallUnit");
    m_minSurface =
        MakeValueBox(controls, "Smallest Surface Radius", "txt_MinSurface", "lbl_MinSurfaceUnit");
    m_minSurface.box->setPlaceholderText("0.1 x roller radius");
    column->addWidget(m_rise.frame);
    column->addWidget(m_fall.frame);
    column->addWidget(m_minSurface.frame);
    for (ValueBox* b : {&m_rise, &m_fall, &m_minSurface})
        m_commits->watch(b->box, [this] { Limit_Change(); });

    m_picture = new DrawingSurface(SceneScale::Equal, controls);
    m_picture->setObjectName("pct_Profile");
    m_picture->setMinimumSize(270, 220);
    column->addWidget(m_picture, 1);
    m_sized = new QLabel(controls);
    m_sized->setObjectName("lbl_Sized");
    m_sized->setWordWrap(true);
    column->addWidget(m_sized);

    m_drawMap = MakeButton(controls, "Draw &Map", "cmd_DrawMap");
    connect(m_drawMap, &QPushButton::clicked, this, &DesignMapScreen::DrawMap_Click);
    m_done = MakeButton(controls, "&Done", "cmd_Done");
    connect(m_done, &QPushButton::clicked, this, &DesignMapScreen::Done_Click);
    for (QPushButton* b : {m_drawMap, m_done}) {
        b->setAutoDefault(false);
        column->addWidget(b);
    }

    m_throttle = new QTimer(this);
    m_throttle->setSingleShot(true);
    m_throttle->setInterval(kDragMs);
    connect(m_throttle, &QTimer::timeout, this, &DesignMapScreen::DragTick);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addLayout(left, 1);
    layout->addWidget(controls);
    resize(1100, 700);
}

void DesignMapScreen::activate() {
    model::RunGuarded(m_ctx.host, "frm_DesignMap.Activate", [&] {
        const CommitOnLeave::Pause pause(*m_commits);
        const MapAxis before =
            m_axes.empty() ? MapAxis::Roller
                           : m_axes[static_cast<std::size_t>(std::max(0, m_axis->currentIndex()))];
        m_axes = geometry::MapAxesOf(m_ctx.model);
        m_axis->clear();
        for (MapAxis a : m_axes)
            m_axis->addItem(AxisItem(a));
        const auto kept = std::find(m_axes.begin(), m_axes.end(), before);
        m_axis->setCurrentIndex(kept == m_axes.end() ? 0 : static_cast<int>(kept - m_axes.begin()));
        if (m_rise.box->text().isEmpty())
            m_rise.box->setText("30");
        if (m_fall.box->text().isEmpty())
            m_fall.box->setText("30");
        const bool flat = m_ctx.model.FollowerType == 2 && m_ctx.model.CamType != "Barrel";
        m_minSurface.box->setPlaceholderText(flat ? "0" : "0.1 x roller radius");
        m_rise.unit->setText("deg");
        m_fall.unit->setText("deg");
        m_minSurface.unit->setText(Qs(m_ctx.model.UnitLabel[model::kLengthLabel]));
        m_readout->clear();
        Remake();
        ShowSized();
    });
    m_ctx.host.setBusy(false);
}

void DesignMapScreen::Remake() {
    const geometry::MapLimitsRead limits =
        geometry::ReadMapLimits({m_rise.box->text().toStdString(), m_fall.box->text().toStdString(),
                                 m_minSurface.box->text().toStdString()});
    geometry::DesignMapRequest r;
    r.size = m_size;
    r.limits = limits.limits;
    if (!m_axes.empty())
        r.second = m_axes[static_cast<std::size_t>(std::max(0, m_axis->currentIndex()))];
    {
        const model::BusyPointer busy(m_ctx.host);
        m_map = limits.ok ? geometry::MakeDesignMap(m_ctx.model, r) : geometry::DesignMap{};
    }
    if (!limits.ok)
        m_map.refusal = limits.why;
    m_status->setText(Qs(m_map.refusal));
    Redraw();
}

void DesignMapScreen::Redraw() {
    m_mapSurface->replaceScene(
        geometry::DesignMapScene(m_map, m_ctx.model.UnitLabel[model::kLengthLabel]));
}

void DesignMapScreen::ShowSized() {
    m_sized->setText(Qs(geometry::SizedReadout(m_ctx.model)));
    m_picture->replaceScene(geometry::ProfileSketch(m_ctx.model));
}

QPointF DesignMapScreen::positionOf(geometry::Point design) const {
    const geometry::MapFrame frame(m_map);
    return SceneMapping(m_mapSurface->scene().window(), QRectF(m_mapSurface->rect()),
                        SceneScale::Stretch)
        .toDevice(frame.toPage(design));
}

void DesignMapScreen::Hover(double x, double y) {
    if (!m_map.ok || m_dragging || !geometry::MapFrame::onMap({x, y}))
        return;
    const geometry::Point d = geometry::MapFrame(m_map).toDesign({x, y});
    m_readout->setText(Qs(geometry::PointReadout(m_ctx.model, m_map.second, d)));
}

bool DesignMapScreen::AdoptAt(const QPointF& position, AdoptRun run) {
    const std::optional<geometry::Point> page = m_mapSurface->modelAt(position);
    if (!m_map.ok || !page || !geometry::MapFrame::onMap(*page))
        return false;
    const geometry::Point d = geometry::MapFrame(m_map).toDesign(*page);
    bool adopted = false;
    model::RunGuarded(m_ctx.host, "frm_DesignMap.Adopt", [&] {
        const geometry::AdoptedDesign a =
            geometry::AdoptDesign(m_ctx.model, m_ctx.host, m_map.second, d, run, m_hadDynamics);
        if (!a.adopted) {
            m_readout->setText(Qs(geometry::PointReadout(m_ctx.model, m_map.second, d)));
            return;
        }
        adopted = true;
        // The design as the model holds it, rounded to its fields.
        m_map.current = {m_ctx.model.PrimeRadius,
                         geometry::SecondValueOf(m_ctx.model, m_map.second)};
        m_readout->setText(Qs(geometry::PointReadout(m_ctx.model, m_map.second, m_map.current)));
        Redraw();
        ShowSized();
    });
    return adopted;
}

void DesignMapScreen::DragTick() {
    if (m_dragging)
        AdoptAt(m_pending, AdoptRun::SizingOnly);
}

bool DesignMapScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_mapSurface)
        return ScreenBase::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            break;
        m_hadDynamics = m_ctx.model.DynamicsDone;
        m_dragging = true;
        m_pending = e->position();
        AdoptAt(m_pending, AdoptRun::SizingOnly);
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (m_dragging && (e->buttons() & Qt::LeftButton)) {
            m_pending = e->position();
            if (!m_throttle->isActive())
                m_throttle->start();
        }
        break; // the surface still reports the pointer
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton || !m_dragging)
            break;
        m_throttle->stop();
        m_dragging = false;
        AdoptAt(e->position(), AdoptRun::Whole);
        return true;
    }
    default: break;
    }
    return ScreenBase::eventFilter(watched, event);
}

void DesignMapScreen::DrawMap_Click() {
    model::RunGuarded(m_ctx.host, "frm_DesignMap.DrawMap_Click", [&] { Remake(); });
}

void DesignMapScreen::Axis_Click() {
    DrawMap_Click();
}

void DesignMapScreen::Limit_Change() {
    const geometry::MapLimitsRead limits =
        geometry::ReadMapLimits({m_rise.box->text().toStdString(), m_fall.box->text().toStdString(),
                                 m_minSurface.box->text().toStdString()});
    if (!limits.ok) {
        m_ctx.host.message(limits.why, model::Icon::Exclamation, model::DefaultTitle());
        return;
    }
    DrawMap_Click();
}

void DesignMapScreen::Done_Click() {
    m_throttle->stop();
    m_dragging = false;
    closeScreen();
}

void DesignMapScreen::reject() {
    Done_Click();
}

} // namespace trochix::ui
