#include "ui/screens/ProgramPreviewPanel.h"

#include "ui/AlignedPlotView.h"
#include "ui/Controls.h"
#include "ui/DrawingSurface.h"

#include <QLabel>
#include <QVBoxLayout>

namespace trochix::ui {

ProgramPreviewPanel::ProgramPreviewPanel(QWidget* parent) : QGroupBox("Preview", parent) {
    setObjectName("fra_Preview");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    m_empty = new QLabel("The motion appears here as the segments are entered.", this);
    m_empty->setObjectName("lbl_PreviewEmpty");
    m_empty->setWordWrap(true);
    m_empty->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_empty);
    for (int i = 0; i < 4; ++i) {
        auto* view = new AlignedPlotView(11 + i, this);
        view->surface()->setMinimumSize(260, 110);
        view->makeCompact();
        // One angle title under the stack: the small windows have no room for four.
        if (i < 3)
            if (auto* title = view->findChild<QLabel*>(IndexedName("lbl_BottomTitle", 11 + i)))
                title->hide();
        layout->addWidget(view, 1);
        m_views[static_cast<std::size_t>(i)] = view;
    }
}

void ProgramPreviewPanel::redraw(const model::CamModel& model, const model::ColourTable& colours) {
    m_preview = output::PreviewProgram(model, colours);
    const bool shown = m_preview.segments > 0;
    m_empty->setVisible(!shown);
    for (int i = 0; i < 4; ++i) {
        AlignedPlotView* view = m_views[static_cast<std::size_t>(i)];
        view->setVisible(shown);
        if (shown)
            view->show(m_preview.windows[static_cast<std::size_t>(i)]);
    }
}

} // namespace trochix::ui
