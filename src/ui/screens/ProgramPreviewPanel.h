// fra_Preview beside the input screen's segment table: S, V, A and J of the motion program so
// far (output/ProgramPreview.h), four small Aligned windows redrawn from a copy of the model
// each time the screen refreshes, so that what Done does never depends on it.
#pragma once

#include "output/ProgramPreview.h"

#include <QGroupBox>

#include <array>

class QLabel;

namespace trochix::ui {

class AlignedPlotView;

class ProgramPreviewPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ProgramPreviewPanel(QWidget* parent = nullptr);

    void redraw(const model::CamModel& model, const model::ColourTable& colours);
    const output::ProgramPreview& preview() const { return m_preview; }
    AlignedPlotView* view(int i) const { return m_views[static_cast<std::size_t>(i)]; }

private:
    output::ProgramPreview m_preview;
    std::array<AlignedPlotView*, 4> m_views{};
    QLabel* m_empty = nullptr;
};

} // namespace trochix::ui
