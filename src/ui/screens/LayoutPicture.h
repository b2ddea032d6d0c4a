// A small picture of one plot layout for the plot type screen: a single chart with four
// curves, two or four stacked windows, or a polar plot of a cam profile. Clicks are passed on,
// so that the screen can treat the picture as its option.
#pragma once

#include <QWidget>

namespace trochix::ui {

class LayoutPicture : public QWidget {
    Q_OBJECT
public:
    // layout: 1 single window, 2 two windows, 3 four windows, 4 polar.
    LayoutPicture(int layout, QWidget* parent);

    QSize sizeHint() const override { return {220, 140}; }

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_layout;
};

} // namespace trochix::ui
