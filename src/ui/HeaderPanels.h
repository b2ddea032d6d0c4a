// The three read-only header panels of the plot screens and the output screen: the title
// panel (lbl_Header), "Cam Basic Data" and "Cam Size Data". A screen puts one HeaderPanels in
// its layout and calls fill() each time it is prepared:
//
//   m_headers = new HeaderPanels(this);
//   ...
//   m_headers->fill(model::FillHeaders(m_ctx.model, segmentChoice)); // 0 = "All"
//
// The texts come from the core (model/Headers.h); "Cam Size Data" hides itself until the cam
// is sized.
#pragma once

#include "model/Headers.h"

#include <QWidget>

#include <vector>

class QGroupBox;
class QLabel;

namespace trochix::ui {

class HeaderPanels : public QWidget {
    Q_OBJECT
public:
    explicit HeaderPanels(QWidget* parent = nullptr);
    void fill(const model::HeaderTexts& texts);

private:
    QLabel* m_header;
    QGroupBox* m_basic;
    QGroupBox* m_size;
    std::vector<QLabel*> m_values;      // in the order of the rows below
    std::vector<QLabel*> m_lengthUnits; // unit captions that follow the length label
};

} // namespace trochix::ui
