// frm_Dynamics: the follower train (mass, spring, preload, damping), the camshaft (journal,
// frictions, coefficient of fluctuation) and the torque mode; Calculate shows the natural
// frequencies, the force and torque extremes, the force and torque graphs, the pulse-area
// table with the flywheel figures and the contact's verdict (ui/screens/ContactPanel.h).
//
// Each box commits when it is left after an edit (dynamics/DynamicsForm.h says what it
// accepts). In "Start Fresh" mode an accepted value reruns the calculation at once; in
// "Accumulate" mode it hides the results until Calculate adds this cam's torque.
#pragma once

#include "forms/DynamicsForm.h"
#include "ui/ScreenBase.h"

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace trochix::ui {

class ChartView;
class CommitOnLeave;
class ContactPanel;

class DynamicsScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit DynamicsScreen(AppContext& ctx);

    void activate() override;

    ChartView* forceChart() const { return m_forceChart; }
    ContactPanel* contactPanel() const { return m_contact; }
    ChartView* torqueChart() const { return m_torqueChart; }
    // The graphs and the pulse-area picture are shown.
    bool resultsShown() const;

public slots:
    void Calc_Click();
    // opt_Torque: 0 "Start Fresh", 1 "Accumulate".
    void Torque_Click(int option);
    // A box was left after an edit.
    void Box_LostFocus(dynamics::DynamicsBox box);

private:
    static constexpr int kBoxes = 9;
    QLineEdit*& box(dynamics::DynamicsBox b) { return m_box[static_cast<std::size_t>(b)]; }

    QWidget* BuildInputs();
    QWidget* BuildResults();
    QWidget* BuildGraphs();
    void FillUnits();
    void SetDampingEntry();
    void ShowResults(bool shown);
    void ClearPicture();

    std::array<QLineEdit*, kBoxes> m_box{};
    std::array<bool, kBoxes> m_changed{};
    CommitOnLeave* m_commits = nullptr;
    std::array<QRadioButton*, 2> m_torque{};

    QLabel* m_omegaN = nullptr;
    QLabel* m_cc = nullptr;
    QLabel* m_omegaD = nullptr;
    QLabel* m_fmax = nullptr;
    QLabel* m_fmin = nullptr;
    QLabel* m_tmax = nullptr;

    // Unit captions: mass, spring force over length, preload, damping force over length,
    // journal, critical damping force over length, the two forces and the torque.
    QLabel* m_massUnit = nullptr;
    std::array<QLabel*, 2> m_springUnit{};
    QLabel* m_preloadUnit = nullptr;
    std::array<QLabel*, 2> m_dampingUnit{};
    QLabel* m_journalUnit = nullptr;
    std::array<QLabel*, 2> m_ccUnit{};
    std::array<QLabel*, 2> m_forceUnit{};
    QLabel* m_torqueUnit = nullptr;

    ChartView* m_forceChart = nullptr;
    ChartView* m_torqueChart = nullptr;
    QPlainTextEdit* m_pict = nullptr;
    ContactPanel* m_contact = nullptr;
    QPushButton* m_calc = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace trochix::ui
