// frm_PlotSelect4: the polar plot. Its one function is fixed to "Cam Profile" (cam radius
// against cam angle over the whole revolution); OK takes the box's text into the indicator and
// Clear empties the box. The "Direct Output to:" options and Demo are shown as the form has
// them but take no part: a polar plot always goes to the screen, from where it can be printed.
#pragma once

#include "ui/ScreenBase.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace trochix::ui {

class PlotSelect4Screen : public ScreenBase {
    Q_OBJECT
public:
    explicit PlotSelect4Screen(AppContext& ctx);

    void activate() override;

public slots:
    void OK_Click();
    void Clear_Click();
    void Done();
    void Cancel();

private:
    QComboBox* m_box = nullptr;
    QLabel* m_label = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace trochix::ui
