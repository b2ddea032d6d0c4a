// frm_DesignMap: the plane of prime radius x roller radius (or offset, or an arm's pivot
// distance) shaded by the largest pressure angle, with the undercut region, the limits' lines,
// the smallest feasible design and the current one. Pressing on the map adopts the design
// under the pointer; while the pointer drags it, the sizing (pressure angle, curvature,
// profile) follows, a few times a second, and the readouts and the cam picture with it. Letting
// go also brings computed dynamics up to date.
//
// The Qt-free logic is forms/DesignMapForm; the map is geometry/DesignMap, its picture
// geometry/DesignMapScene.
#pragma once

#include "forms/DesignMapForm.h"
#include "geometry/DesignMap.h"
#include "ui/ScreenBase.h"
#include "ui/screens/SizingWidgets.h"

#include <QPointF>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace trochix::ui {

class CommitOnLeave;
class DrawingSurface;

class DesignMapScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit DesignMapScreen(AppContext& ctx);

    // Opening: the axes this follower has, then the map of the model as it stands.
    void activate() override;

    const geometry::DesignMap& map() const { return m_map; }
    DrawingSurface* mapSurface() const { return m_mapSurface; }
    DrawingSurface* picture() const { return m_picture; }
    // The widget position of a design on the map surface.
    QPointF positionOf(geometry::Point design) const;
    // Nodes along each axis (100 on screen); a picture may ask for more.
    void setMapSize(int n) { m_size = n; }

public slots:
    void DrawMap_Click();
    void Axis_Click();
    void Limit_Change();
    void Done_Click();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Remake();
    void Redraw();
    void ShowSized();
    void Hover(double x, double y);
    // Adopts the design under a widget position; false when it is off the map or refused.
    bool AdoptAt(const QPointF& position, geometry::AdoptRun run);
    void DragTick();

    geometry::DesignMap m_map;
    std::vector<geometry::MapAxis> m_axes;
    int m_size = 100;
    CommitOnLeave* m_commits = nullptr;
    ValueBox m_rise, m_fall, m_minSurface;
    QComboBox* m_axis = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_readout = nullptr;
    QLabel* m_sized = nullptr;
    DrawingSurface* m_mapSurface = nullptr;
    DrawingSurface* m_picture = nullptr;
    QPushButton* m_drawMap = nullptr;
    QPushButton* m_done = nullptr;
    QTimer* m_throttle = nullptr;
    bool m_dragging = false;
    bool m_hadDynamics = false;
    QPointF m_pending;
};

} // namespace trochix::ui
