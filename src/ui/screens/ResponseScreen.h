// frm_Response, reached from the Dynamics screen: the follower's real motion on its train
// (dynamics/Response.h). S and the actual motion overlaid, the error, the residual vibration
// after every rise and fall, and a segment's response spectrum with the design marked
// (forms/ResponseForm.h). The motion is computed when the screen opens and on Calculate.
#pragma once

#include "ui/ScreenBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace trochix::ui {

class ChartView;

class ResponseScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit ResponseScreen(AppContext& ctx);
    void activate() override;

public slots:
    // The train box and the from-rest choice into the model, then the motion and its charts.
    void Calc_Click();
    // The spectrum of the chosen segment over the ratio boxes' range.
    void Spectrum_Click();

private:
    void ShowResponse();

    QLineEdit* m_train = nullptr;
    QCheckBox* m_fromRest = nullptr;
    QLabel* m_summary = nullptr;
    QTableWidget* m_residuals = nullptr;
    ChartView* m_motion = nullptr;
    ChartView* m_error = nullptr;
    ChartView* m_spectrum = nullptr;
    QComboBox* m_segment = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
};

} // namespace trochix::ui
