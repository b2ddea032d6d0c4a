// frm_PlotType: the choice of one of four plot layouts, each a framed picture with its caption
// and a "Select" option. Clicking a picture selects its option and enables Done;
// double-clicking a picture or its option acts as Done. Done sets PlotType and opens the
// selection screen of the layout (frm_PlotSelect1..frm_PlotSelect4). The polar plot of the cam
// profile is offered once the cam is sized.
#pragma once

#include "ui/ScreenBase.h"

#include <array>

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace trochix::ui {

class LayoutPicture;

class PlotTypeScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit PlotTypeScreen(AppContext& ctx);

    void activate() override;

    // The layout whose option is selected, 1..4; 0 when none.
    int selectedLayout() const;

public slots:
    void Picture_Click(int layout);
    void Done();
    void Cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RefreshDone();

    std::array<LayoutPicture*, 4> m_pictures{};
    std::array<QRadioButton*, 4> m_options{};
    QButtonGroup* m_group = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace trochix::ui
