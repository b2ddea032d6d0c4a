// frm_PrintSelect: the four columns of a table (the function selection of the plot screens,
// "Column 1".."Column 4"), where it goes ("Direct Output to:" Screen, Printer, Disk File), its
// row step ("Print Every") and the decimal places of each column ("Set All Dec Plcs" sets all
// four). Done writes the table request (output/PrintRequest.h), closes the screen and sends
// the table on (ui/TableCommands.h). The choices are kept while the screen is hidden, so Select
// Another on the output screen returns to them.
//
// The step and decimals boxes are lists that also take a typed whole number; they commit when
// left, and a refused entry is said once and the box shows the value in force again.
#pragma once

#include "output/PrintRequest.h"
#include "ui/Controls.h"
#include "ui/ScreenBase.h"
#include "ui/screens/FunctionSelector.h"

#include <array>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace trochix::ui {

class PrintSelectScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit PrintSelectScreen(AppContext& ctx);

    void activate() override;

    FunctionSelector* selector() const { return m_selector; }
    const output::PrintSettings& settings() const { return m_settings; }

public slots:
    void Output_Click(int device);
    void PrintEvery_Commit();
    void SetAll_Commit();
    void Decimals_Commit(int column);
    void Done();
    void Cancel();
    void reject() override;

private:
    QWidget* BuildOptions();
    // Shows the settings in the boxes (handlers blocked) and Done's state.
    void Refresh();
    // Takes what is typed in the boxes but not yet committed; false when an entry is refused.
    bool CommitPending();

    FunctionSelector* m_selector = nullptr;
    CommitOnLeave* m_commits = nullptr;
    output::PrintSettings m_settings;
    bool m_settingsShown = false;
    std::array<QRadioButton*, 3> m_output{};
    QComboBox* m_every = nullptr;
    QComboBox* m_setAll = nullptr;
    std::array<QComboBox*, 4> m_decimals{};
    QPushButton* m_done = nullptr;
};

} // namespace trochix::ui
