// frm_Poly: the conditions and the solved coefficients of the polynomial segment model.CurSeg,
// filled from motion::Polytable_Form each time the screen is shown. Print Data prints the same
// table (motion::Polytable_Printer) on text pages.
#pragma once

#include "ui/ScreenBase.h"

#include <array>

class QLabel;
class QLayout;
class QPlainTextEdit;

namespace trochix::ui {

class PolyScreen : public ScreenBase {
    Q_OBJECT
public:
    explicit PolyScreen(AppContext& ctx);
    void activate() override;

public slots:
    void PrintData();

private:
    QLayout* BuildTables(QWidget* panel);      // the two text areas under their headings
    QLayout* BuildSegmentData(QWidget* panel); // segment, start, beta, end under the tables
    QLayout* BuildButtons();

    std::array<QPlainTextEdit*, 2> m_text{}; // pct_Poly(0) conditions, (1) coefficients
    std::array<QLabel*, 4> m_segData{};      // segment, start, beta, end
};

} // namespace trochix::ui
