// frm_Animate: the cam drawn by moving the follower around it.
//
// The cam stands still in pct_Cam; the follower is drawn every 6 degrees of cam angle while a
// red line traces the profile, and the segment spokes finish the drawing. The frames are
// paced by a timer (cmb_wait), so the screen stays responsive: Done, Run or any change stops
// the running animation and, where it redraws, starts a new one. The main sizing inputs are
// repeated here and redraw at once after an edit.
//
// The drawing is built by the core (geometry/CamScene.h); the screen only paces it.
#pragma once

#include "geometry/CamScene.h"
#include "ui/ScreenBase.h"
#include "ui/screens/SizingWidgets.h"

#include <QTimer>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace trochix::ui {

class DrawingSurface;
class CommitOnLeave;

class AnimateScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit AnimateScreen(AppContext& ctx);

    // Opening: the profile, the drawing (animated), the result labels and the follower box.
    void activate() override;

    DrawingSurface* picture() const { return m_picture; }
    const geometry::CamDrawing& drawing() const { return m_drawing; }
    // True while frames are still to come.
    bool animating() const { return m_timer.isActive(); }
    int framesDrawn() const { return m_nextFrame; }
    int frameInterval() const { return m_timer.interval(); }

public slots:
    void Rotate_Click();
    void Run_Click();
    void Wait_Change();
    void AnimatePrint_Click();
    void MakeCam_Click();
    void PressureColour_Click();
    void Done_Click();
    void Prime_Change();
    void Offset_Change();
    void Follower_Change();
    // DrawProfile: a new drawing of the model as it stands, then the animation.
    void DrawProfile(bool profileReady);
    // Draws every frame still to come at once.
    void FinishDrawing();
    void reject() override;

protected:
    void hideEvent(QHideEvent* event) override;

private slots:
    void NextFrame();

private:
    QWidget* BuildControls();
    void ShowTexts();
    // After an accepted prime radius or offset: the sizing again, then the drawing.
    void Resize();
    bool Profile();

    geometry::CamDrawing m_drawing;
    int m_nextFrame = 0;
    QTimer m_timer;
    CommitOnLeave* m_commits = nullptr;
    // Boxes edited since they were last taken: only an edit is committed.
    bool m_primeEdited = false, m_offsetEdited = false, m_followerEdited = false;

    DrawingSurface* m_picture = nullptr;
    OptionPair m_rotate;
    ValueBox m_prime, m_offset, m_follower;
    QComboBox* m_wait = nullptr;
    QLabel* m_pamax = nullptr;
    QLabel* m_pamin = nullptr;
    QLabel* m_rhoPos = nullptr;
    QLabel* m_rhoNeg = nullptr;
    QPushButton* m_run = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_makeCam = nullptr;
    QCheckBox* m_pressureColour = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace trochix::ui
