// frm_FFT: the spectrum of one function of the cycle. Choosing a function (picked, or typed
// by name or code) transforms it and plots real part, imaginary part, magnitude and phase
// against the harmonic number in four graphs; the harmonics box replots for another count;
// Done offers the transform to the plot and print screens as "Current FFT".
#pragma once

#include "forms/FftForm.h"
#include "output/AnnotatedPlot.h"
#include "output/Graph.h"
#include "ui/ScreenBase.h"
#include "ui/screens/PlotScreenParts.h"

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace trochix::ui {

class ChartView;
class CommitOnLeave;

class FftScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit FftScreen(AppContext& ctx);

    void activate() override;

    ChartView* chart(int j) const { return m_charts[static_cast<std::size_t>(j)]; }

public slots:
    // A function picked from cmb_Var1, or typed into it and committed.
    void Var1_Click();
    // A count picked from cmb_Harmonics, or typed into it and committed.
    void Harmonics_Click();
    // A Grid or Style box was clicked.
    void StyleChanged();
    void Done_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Replot();
    void ShowSummary();
    void FocusLater(QWidget* w);

    QComboBox* m_var1 = nullptr;
    QLabel* m_function = nullptr;
    QComboBox* m_harmonics = nullptr;
    QLabel* m_sum = nullptr;
    QLabel* m_power = nullptr;
    QLabel* m_rms = nullptr;
    std::array<ChartView*, 4> m_charts{};
    std::array<output::Graph, 4> m_graphs{};
    StyleFrames m_frames;
    output::StyleBoxes m_boxes;
    CommitOnLeave* m_commits = nullptr;
    std::vector<spectrum::FftFunction> m_list;
    std::string m_functionName; // the function transformed
    bool m_var1Edited = false;
    bool m_harmonicsEdited = false;
};

} // namespace trochix::ui
