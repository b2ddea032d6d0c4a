// The function selection that the plot selection screens and the print selection screen share:
// the setup method (opt_PrintSet), the preset box (cmb_Preset), one frame per function with its
// box (cmb_Var1..cmb_Var4), its On / Off / Clear buttons and its indicator (lbl_Function_0..3),
// and the segment box (cmb_Segment). The choices live in an output::SelectionForm; every
// handler calls the selection core and shows the form again.
//
//   m_selector = new FunctionSelector(ctx, {4, false, "Column", "Select Segment(s) to Print"},
//                                     this);
//   connect(m_selector, &FunctionSelector::changed, this, [this] { ... Done's state ... });
//   connect(m_selector, &FunctionSelector::doneRequested, this, &PrintSelectScreen::Done);
//   // in activate():      m_selector->activate();
//   // in Done:            output::TakeSelection(model, m_selector->form());
//
// Frame captions are painted red while their function is in use and grey while it is off.
#pragma once

#include "output/Selection.h"
#include "ui/AppContext.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace trochix::ui {

struct SelectorSetup {
    int boxes = 4;                // function boxes: 4, or 2
    bool switched = false;        // functions 2..4 are switched on one at a time (On / Off buttons)
    const char* caption = "Plot"; // frames "Plot 1".."Plot 4", or "Column 1".."Column 4"
    const char* segmentCaption = "Select Segment(s) to Plot";
};

class FunctionSelector : public QWidget {
    Q_OBJECT
public:
    FunctionSelector(AppContext& ctx, const SelectorSetup& setup, QWidget* parent);

    // Rebuilds the lists from the model, shows the kept choices and puts the focus on the
    // preset box when it is enabled, else on function box 1.
    void activate();

    const output::SelectionForm& form() const { return m_form; }

    // Types the codes into boxes 1.. and chooses the segment (0 = "All"), as another screen
    // does by program. False when a code selected nothing.
    bool selectByProgram(const std::vector<std::string>& codes, int segment);
    // Puts back a form saved before selectByProgram: a selection made for the user is not
    // left behind as theirs.
    void restoreForm(const output::SelectionForm& form);

    QComboBox* functionBox(int k) const { return m_fn[k].box; }

    // The look of the selection frames, for the screen's own frames to match.
    static QString StyleSheet();

signals:
    // Something was chosen or cleared: Done may have to change.
    void changed();
    // A double-click that acts as Done (the preset box, or a function box once all are chosen).
    void doneRequested();

public slots:
    void Var_Click(int k);  // an entry picked from function box k's list
    void Var_Edited(int k); // text typed into function box k
    void Var_DblClick(int k);
    void Preset_Click();
    void Preset_DblClick();
    void PrintSet_Click(int method);
    void On_Click(int k);
    void Off_Click(int k);
    void Clear_Click(int k);
    void Segment_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FunctionRow {
        QGroupBox* frame = nullptr; // fra_Function
        QComboBox* box = nullptr;   // cmb_Var
        QPushButton* on = nullptr;  // cmd_On (switched functions 2..4)
        QPushButton* off = nullptr; // cmd_Off
        QPushButton* clear = nullptr;
        QLabel* label = nullptr; // lbl_Function
    };

    QWidget* BuildMethod();
    QWidget* BuildPreset();
    QWidget* BuildFunction(int k);
    QWidget* BuildSegment(const char* caption);
    void FillLists();
    // Shows the form in every control (change handlers blocked).
    void Refresh();
    void FocusDefault();
    int BoxOf(QObject* watched) const;

    AppContext& m_ctx;
    output::SelectionForm m_form;
    std::array<QRadioButton*, 2> m_method{};
    QComboBox* m_preset = nullptr;
    std::array<FunctionRow, 5> m_fn{}; // 1..boxes
    QComboBox* m_segment = nullptr;
};

} // namespace trochix::ui
