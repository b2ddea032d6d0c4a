// frm_PlotSelect1, frm_PlotSelect2 and frm_PlotSelect3: the functions and the range of a plot
// in the single-window, two-window and four-window layouts. They differ only in the number of
// function boxes, the preset table, whether functions are switched on one at a time (single
// window) and whether a plot style is chosen (two and four windows).
//
// Done writes the plot request into the model (output::WritePlotRequest), closes the screen,
// sets the busy pointer and opens the plot screen of the layout and style; the plot screen
// reads the request when it becomes active and restores the pointer. Another screen may fill
// the selection by program (selectByProgram): the timer then presses Done on its first tick.
// The choices are kept while the screen is hidden, so Select Another returns to them.
#pragma once

#include "ui/ScreenBase.h"
#include "ui/screens/FunctionSelector.h"

#include <QTimer>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QPushButton;
class QRadioButton;

namespace trochix::ui {

// Sets the busy pointer and opens the plot screen; false (pointer restored) while no such
// screen is registered.
bool ShowPlotScreen(AppContext& ctx, ScreenId plot);

class PlotSelectScreen : public ScreenBase {
    Q_OBJECT
public:
    // layout: PlotType 1 single window, 2 two windows, 3 four windows.
    PlotSelectScreen(AppContext& ctx, ScreenId id, int layout);

    void activate() override;

    FunctionSelector* selector() const { return m_selector; }
    const QTimer& timer() const { return m_timer; }

    // Fills the function boxes with the codes (and the segment choice, 0 = "All") by program
    // and starts the timer that presses Done.
    void selectByProgram(const std::vector<std::string>& codes, int segment);

public slots:
    void Done();
    void Cancel();
    void reject() override;

private:
    void RefreshDone();
    void RestoreUsersForm();

    int m_layout;
    FunctionSelector* m_selector = nullptr;
    std::array<QRadioButton*, 2> m_style{}; // opt_Plotstyle: 0 Aligned, 1 Annotated
    QPushButton* m_done = nullptr;
    QTimer m_timer;
    bool m_styleShown = false;
    // The user's own selection while a selection by program (a segment's plot from the input
    // screen) is on show; put back once that plot was requested or cancelled.
    std::optional<output::SelectionForm> m_usersForm;
};

class PlotSelect1Screen : public PlotSelectScreen {
    Q_OBJECT
public:
    explicit PlotSelect1Screen(AppContext& ctx) : PlotSelectScreen(ctx, ScreenId::PlotSelect1, 1) {}
};

class PlotSelect2Screen : public PlotSelectScreen {
    Q_OBJECT
public:
    explicit PlotSelect2Screen(AppContext& ctx) : PlotSelectScreen(ctx, ScreenId::PlotSelect2, 2) {}
};

class PlotSelect3Screen : public PlotSelectScreen {
    Q_OBJECT
public:
    explicit PlotSelect3Screen(AppContext& ctx) : PlotSelectScreen(ctx, ScreenId::PlotSelect3, 3) {}
};

} // namespace trochix::ui
