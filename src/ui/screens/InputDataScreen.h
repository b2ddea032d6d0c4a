// frm_InputData: the motion program. Cam speed, number of segments, step and follower motion,
// then one row per segment (Beta, Motion, Program, Position Start and End) with its Calc.
//
// The logic lives in the core (motion/InputDataForm.h); every handler here reads its control,
// calls the core and shows the model and the screen state again. Boxes commit as the user
// expects: txt_Omega, txt_Segmts, cmb_Delta and txt_Beta when they are left (ui/Controls.h:
// CommitOnLeave), txt_Low and txt_High on every change, the lists on every choice or typed
// code.
//
// A polynomial row is solved on the boundary-condition screen (frm_Bounds); Done completes the
// program and hands over to the continuity check (frm_Continuity), or to the home screen while
// that does not exist.
#pragma once

#include "forms/MotionProgram.h"
#include "ui/Controls.h"
#include "ui/ScreenBase.h"
#include "ui/screens/SegmentRowWidgets.h"

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trochix::ui {

class ProgramPreviewPanel;

class InputDataScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit InputDataScreen(AppContext& ctx);

    // Unit labels for the follower motion; the rows are rebuilt from the model when a file, an
    // example or New changed it since this screen last showed it.
    void activate() override;

    const motion::InputScreenState& state() const { return m_state; }
    // S, V, A and J of the program so far, beside the table.
    ProgramPreviewPanel* preview() const { return m_preview; }

public slots:
    // Cam data.
    void Omega_LostFocus();
    // txt_Segmts committed: a new count clears the rows, after asking when they hold entries.
    void Segmts_Change();
    void Delta_Change();
    void Folmotion_Click();
    void Examples_Click(int index);
    // Segment rows (row 0..15).
    void Beta_LostFocus(int row);
    void Motion_Change(int row);
    void Program_Change(int row);
    void Low_Click(int row);
    void Low_Change(int row);
    void High_Change(int row);
    void CalcSeg_Click(int row);
    // The row's Plot: S, V, A, J of its segment in the four-window plot.
    void PlotSeg_Click(int row);
    // The segment's S, V, A, J on the output screen; a polynomial's coefficients first.
    void PrntSeg_Click(int row);
    // Bottom buttons.
    void CalcAll_Click();
    void ClearSegs_Click();
    void Clear_SVAJ_Click();
    void Cancel_Click();
    void Done_Click();
    // Escape and the window's close box leave as Cancel does.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildCamData();
    QWidget* BuildFollower(QWidget* frame);
    QWidget* BuildSegments();
    QWidget* BuildButtons();
    void ConnectRow(int row);

    // Shows model and state in every control (change handlers blocked).
    void Refresh();
    void RefreshUnitLabel();
    // Opens frm_Bounds for a polynomial row and reports what it solved.
    motion::BoundaryResult SolvePolynomialRow(int row);
    // The model's entries as this screen last showed them.
    std::vector<std::string> Shown() const;

    motion::InputScreenState m_state;
    std::vector<std::string> m_shown;
    CommitOnLeave* m_commits = nullptr;

    QLabel* m_omegaUnit = nullptr;
    QLineEdit* m_omega = nullptr;
    QLineEdit* m_segmts = nullptr;
    QComboBox* m_delta = nullptr;
    QRadioButton* m_trans = nullptr;
    QRadioButton* m_osclt = nullptr;
    QComboBox* m_examples = nullptr;
    QGroupBox* m_segmentFrame = nullptr;
    ProgramPreviewPanel* m_preview = nullptr;
    QLabel* m_unit = nullptr;
    std::array<SegmentRowWidgets, model::kMaxSegments> m_rows{};
    QPushButton* m_calcAll = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace trochix::ui
