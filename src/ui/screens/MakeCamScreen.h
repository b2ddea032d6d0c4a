// frm_MakeCam: the cam as the shop makes it. The boxes hold the cutter radius, the tolerance
// of the arcs, the plate thickness and the bore (model fields); every accepted entry makes the
// cam again, so the preview (body, pitch curve, cutter path, undercut in red), the as-made
// error plot and the summary always show what Save writes in the chosen format.
//
// The Qt-free logic is forms/MakeCamForm; the pictures are geometry/MachinedCamScene.
#pragma once

#include "forms/MakeCamForm.h"
#include "geometry/MachinedCam.h"
#include "ui/ScreenBase.h"
#include "ui/screens/SizingWidgets.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace trochix::ui {

class CommitOnLeave;
class DrawingSurface;

class MakeCamScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit MakeCamScreen(AppContext& ctx);

    // Opening: the boxes from the model, then the cam made.
    void activate() override;

    const geometry::MachinedCam& cam() const { return m_cam; }
    DrawingSurface* preview() const { return m_preview; }
    DrawingSurface* errorPlot() const { return m_errorPlot; }

public slots:
    void Field_Change(geometry::MakeCamField field);
    void Undercut_Click();
    // Saves in the format of the list, asking for the file name; false when nothing was written.
    bool Save_Click();
    void Done_Click();
    void reject() override;

private:
    void ShowBoxes();
    void Remake();
    ValueBox& boxOf(geometry::MakeCamField field) {
        return m_boxes[static_cast<std::size_t>(field)];
    }

    geometry::MachinedCam m_cam;
    geometry::MakeCamSettings m_settings;
    CommitOnLeave* m_commits = nullptr;
    std::array<ValueBox, 4> m_boxes{};
    std::array<bool, 4> m_edited{};
    QCheckBox* m_allowUndercut = nullptr;
    QComboBox* m_format = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_saved = nullptr;
    DrawingSurface* m_preview = nullptr;
    DrawingSurface* m_errorPlot = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace trochix::ui
