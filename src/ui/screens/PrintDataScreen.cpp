#include "ui/screens/PrintDataScreen.h"

#include "files/Exports.h"
#include "model/CamModel.h"
#include "model/Headers.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "output/TableOutput.h"
#include "ui/CommonButtons.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/HeaderPanels.h"
#include "ui/TableGridView.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace trochix::ui {

PrintDataScreen::PrintDataScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::PrintData) {
    m_headers = new HeaderPanels(this);
    m_grid = new TableGridView(this);

    auto* exportButton = MakeButton(this, "&Export", "cmd_Export");
    exportButton->setToolTip("Export All Data: every computed function to a text file");
    connect(exportButton, &QPushButton::clicked, this, &PrintDataScreen::Export);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    QPushButton* row[] = {
        MakeCopyButton(*this),
        MakePrintFormButton(*this),
        MakeSelectAnotherButton(*this, m_reselect, ScreenId::PrintSelect, "cmd_Reprint"),
        exportButton,
        MakeDoneButton(*this),
    };
    buttons->addStretch(1);
    for (QPushButton* b : row) {
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(m_headers);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(960, 760);
}

void PrintDataScreen::activate() {
    model::CamModel& m = m_ctx.model;
    model::RunGuarded(m_ctx.host, "Print_cam_data", [&] {
        m_headers->fill(model::FillHeaders(m, m.PlotAllSegments ? 0 : m.CurSeg));
        output::TableGrid table;
        // A grid that cannot be filled is shown empty rather than with another table's rows.
        model::RunGuarded(m_ctx.host, "Print_to_Form", [&] { table = output::Print_to_Form(m); });
        m_grid->setGrid(std::move(table));
    });
    m_grid->setFocus();
    m_ctx.host.setBusy(false);
}

void PrintDataScreen::Export() {
    model::RunGuarded(m_ctx.host, "frm_PrintData.Export", [&] {
        const std::optional<std::string> path = m_ctx.dialogs.saveFileName(
            {"Export All Data", "*.txt", m_ctx.model.ModelName + ".txt", true});
        if (!path)
            return;
        files::Export_All_to_File(m_ctx.model, *path, m_ctx.host);
    });
}

} // namespace trochix::ui
