// frm_PrintData, the output screen: the header panels over the grid grd_Data, which shows the
// table request in the model (output/TableOutput.h: Print_to_Form) each time the screen comes
// to the front, and the buttons Copy, Print Form, Select Another (back to frm_PrintSelect under
// the re-selection limit), Export (all data to a text file) and Done.
#pragma once

#include "model/CommonButtons.h"
#include "ui/ScreenBase.h"

class QPushButton;

namespace trochix::ui {

class HeaderPanels;
class TableGridView;

class PrintDataScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit PrintDataScreen(AppContext& ctx);

    // Prepares the grid, fills the header panels and the grid, restores the pointer.
    void activate() override;

    TableGridView* grid() const { return m_grid; }
    const model::SelectAnotherCounter& reselections() const { return m_reselect; }

public slots:
    // "Export All Data": the whole result table to a text file.
    void Export();

private:
    HeaderPanels* m_headers = nullptr;
    TableGridView* m_grid = nullptr;
    model::SelectAnotherCounter m_reselect;
};

} // namespace trochix::ui
