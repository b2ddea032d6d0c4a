// frm_Bounds: the boundary conditions of one polynomial segment (model.CurSeg).
//
// Five columns of S, V, A, J boxes: column 0 at the segment start, 4 at its end, 1..3 at the
// local angles typed into txt_Theta_1..3. The input screen sets CurSeg and the segment's angles
// and position texts, then opens this screen; each activation presets it for that segment and
// the conditions are typed afresh. Done reads and solves them (motion::ReadBounds) and opens
// frm_Poly with the result; the input screen then reads model.BcValid.
//
// Boxes commit when they are left (ui/Controls.h: CommitOnLeave): the count box (also on a
// double-click) enables the start and end columns, an angle box its column, a condition box
// refreshes the number of conditions selected and Done. An angle box opens its column already
// while a valid angle is typed, so that Tab goes down into it. Disabled boxes are grey, enabled
// ones yellow.
#pragma once

#include "ui/ScreenBase.h"

#include <array>

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace trochix::motion {
struct BoundsInput;
}

namespace trochix::ui {

class BoundsScreen : public ScreenBase {
    Q_OBJECT
public:
    static constexpr int kColumns = 5;

    explicit BoundsScreen(AppContext& ctx);
    // Presets the screen for model.CurSeg.
    void activate() override;

public slots:
    // txt_NoConds left, Enter or double-click.
    void CommitConditionCount();
    // txt_Theta(k) left or Enter, k = 1..3.
    void CommitInnerAngle(int k);
    // txt_Theta(k) typed in: the column follows the angle, the refusal waits for the commit.
    void InnerAngleTyped(int k);
    // A condition box left or Enter: the number selected and Done.
    void RefreshSelected();
    void ClearBounds();
    void Cancel();
    void Done();
    // Closing the window by its frame or Escape leaves as Cancel does, so that a segment is
    // never taken as solved by conditions nobody confirmed.
    void reject() override;

private:
    QWidget* BuildConditions(); // the angles and the five columns of S, V, A, J boxes
    QWidget* BuildCounts();     // segment number, conditions requested and selected
    QLayout* BuildButtons();
    void ConnectBoxes(); // commits, select-all, tab order
    motion::BoundsInput Input() const;
    void SetColumnEnabled(int column, bool enabled);
    void SetAllEnabled(bool enabled);
    void SetBoxEnabled(QLineEdit* box, bool enabled);
    void ShowInnerAngle(int k, const std::string& globalText, bool enabled);

    // [column][0 S, 1 V, 2 A, 3 J]
    std::array<std::array<QLineEdit*, 4>, kColumns> m_box{};
    std::array<QLineEdit*, 4> m_theta{}; // [1..3]
    std::array<QLabel*, kColumns> m_segAngle{};
    QLabel* m_start = nullptr;
    QLabel* m_end = nullptr;
    QLineEdit* m_noConds = nullptr;
    QLabel* m_selected = nullptr;
    QLabel* m_segment = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace trochix::ui
