// frm_SizeCam: the cam and follower geometry, pressure angle and radius of curvature.
//
// The user picks the follower motion, follower type, cam type and the rotations, types the
// prime radius, offset, roller radius and the arm, and presses Calc; the extremes appear in
// lbl_Pamin, lbl_Pamax and lbl_Rhomin. The right-hand side shows either the sizing picture
// (pct_Cam) or the summary (pct_Pang, pct_Radcurv). Every box commits each time it loses the
// focus; any change blanks the results until Calc is pressed again. Done marks the cam sized.
//
// The rules and texts live in the core (geometry/SizeCamForm.h, geometry/SizingChecks.h,
// geometry/SizingSummary.h, geometry/CamScene.h).
#pragma once

#include "forms/SizeCamForm.h"
#include "geometry/SizingChecks.h"
#include "ui/ScreenBase.h"
#include "ui/screens/SizingWidgets.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace trochix::ui {

class DrawingSurface;
class CommitOnLeave;

class SizeCamScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit SizeCamScreen(AppContext& ctx);

    // Fills the boxes and options from the model, shows its results when the cam is sized,
    // and draws the sizing picture.
    void activate() override;

    DrawingSurface* picture() const { return m_picture; }
    const geometry::SizeResultsState& state() const { return m_state; }

public slots:
    void Calc_Click();
    void Done_Click();
    // Design Map: the plane of designs around this one, where a click adopts another.
    void DesignMap_Click();
    void Option_Click(geometry::SizeCamOption changed);
    void Show_Click();
    void Prime_LostFocus();
    void Offset_LostFocus();
    void Follower_LostFocus();
    void CLx_LostFocus();
    void CLy_LostFocus();
    void ArmRadius_LostFocus();
    // The smallest cam within the assistant's limits, into the boxes; Calc then sizes it.
    void Suggest_Click();
    // SizeCam: the sizing picture of the model as it stands.
    void DrawPicture();
    // Escape and the close box: a change not yet calculated leaves the cam unsized.
    void reject() override;

private:
    QWidget* BuildOptions();
    QWidget* BuildInputs();
    QWidget* BuildResults();
    QWidget* BuildAssistant();
    QWidget* BuildPictures();
    QWidget* BuildButtons();

    geometry::SizeCamInputs Inputs() const;
    void ShowOptions(const geometry::SizeCamInputs& in);
    void ShowResults(const geometry::SizeResultsState& state);
    void ShowSummary();
    void ShowPictureOrSummary();
    // What a box commit leaves: its text, the prime caption, the picture and the results.
    void Apply(const geometry::FieldCommit& commit, QLineEdit* box);
    void RefreshUnits();

    geometry::SizeResultsState m_state;
    bool m_changed = false; // an input changed since the screen came up
    CommitOnLeave* m_commits = nullptr;

    OptionPair m_rotate, m_folmotion, m_foltype, m_folDirect, m_armRotate, m_show;
    ValueBox m_prime, m_offset, m_follower, m_armRadius;
    QGroupBox* m_armCentre = nullptr;
    QLineEdit* m_clx = nullptr;
    QLineEdit* m_cly = nullptr;
    QLabel* m_clUnit = nullptr;
    QLabel* m_pamin = nullptr;
    QLabel* m_pamax = nullptr;
    QLabel* m_rhomin = nullptr;
    QLabel* m_rhoUnit = nullptr;
    DrawingSurface* m_picture = nullptr;
    QPlainTextEdit* m_pang = nullptr;
    QPlainTextEdit* m_radcurv = nullptr;
    QWidget* m_summary = nullptr;
    QPushButton* m_calc = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_printForm = nullptr;
    QPushButton* m_done = nullptr;
    QLineEdit* m_riseLimit = nullptr;
    QLineEdit* m_fallLimit = nullptr;
    QLineEdit* m_minSurface = nullptr;
    QCheckBox* m_bestOffset = nullptr;
    QPushButton* m_suggest = nullptr;
    QLabel* m_suggested = nullptr;
    QPushButton* m_designMap = nullptr;
};

} // namespace trochix::ui
