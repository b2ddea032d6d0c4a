#include "ui/AlignedPlotView.h"

#include "text/NumberText.h"
#include "ui/Controls.h"
#include "ui/DrawingSurface.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace trochix::ui {

namespace {

enum Label { LeftTitle, Units, Ymax, Ymin, Xmin, X1, X2, X3, Xmax, BottomTitle };

constexpr const char* kNames[] = {"lbl_LeftTitle", "lbl_Units",      "lbl_Ymax", "lbl_Ymin",
                                  "lbl_Xmin",      "lbl_X1",         "lbl_X2",   "lbl_X3",
                                  "lbl_Xmax",      "lbl_BottomTitle"};

// Where the window puts things, as fractions of its width from the left and of its height from
// the top. The window spans xmin - 0.2 dx .. xmax + 0.04 dx and -1.7 p .. 1.15 p.
double FromLeft(double xFraction) {
    return (0.2 + xFraction) / 1.24;
}
double FromTop(double yOverP) {
    return (1.15 - yOverP) / 2.85;
}

// Enough decimals to tell apart labels `span` apart, as few as that needs.
std::string ZoomLabel(double v, double span) {
    const int decimals = span > 0.0 && std::isfinite(span)
                             ? std::clamp(static_cast<int>(std::ceil(-std::log10(span))) + 2, 0, 7)
                             : 0;
    return text::ShortestFloat(static_cast<float>(text::FNRound(v, decimals)), 7);
}

} // namespace

AlignedPlotView::AlignedPlotView(int index, QWidget* parent) : QWidget(parent) {
    m_surface = new DrawingSurface(SceneScale::Stretch, this);
    m_surface->setObjectName(IndexedName("pct_Plot", index));
    m_surface->setMinimumSize(360, 150);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_caption = new QLabel(this);
    m_caption->setObjectName(IndexedName("lbl_Caption", index));
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->hide();
    layout->addWidget(m_caption);
    layout->addWidget(m_surface);
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        auto* label = new QLabel(m_surface);
        label->setObjectName(IndexedName(kNames[i], index));
        label->setTextFormat(Qt::PlainText);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_labels[i] = label;
    }
    QFont bold = m_labels[LeftTitle]->font();
    bold.setBold(true);
    m_labels[LeftTitle]->setFont(bold);
    connect(m_surface->zoom(), &ViewZoom::viewChanged, this, &AlignedPlotView::relabel);
}

void AlignedPlotView::makeCompact() {
    if (m_compact)
        return;
    m_compact = true;
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_caption->show();
    m_labels[LeftTitle]->hide();
    m_labels[Units]->hide();
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    for (Label l : {Ymax, Ymin, Xmin, X1, X2, X3, Xmax, BottomTitle})
        m_labels[l]->setFont(small);
    // Out of the window, under it: the window has no room below its angle labels.
    static_cast<QVBoxLayout*>(layout())->addWidget(m_labels[BottomTitle], 0, Qt::AlignHCenter);
    relabel();
}

void AlignedPlotView::show(const output::AlignedWindow& w) {
    const std::string* texts[] = {&w.lbl_LeftTitle, &w.lbl_Units,      &w.lbl_Ymax, &w.lbl_Ymin,
                                  &w.lbl_Xmin,      &w.lbl_X1,         &w.lbl_X2,   &w.lbl_X3,
                                  &w.lbl_Xmax,      &w.lbl_BottomTitle};
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        m_texts[i] = QString::fromStdString(*texts[i]);
    m_surface->replaceScene(w.scene);
    relabel();
}

void AlignedPlotView::relabel() {
    std::array<QString, 10> shown = m_texts;
    const ViewZoom* zoom = m_surface->zoom();
    if (zoom->zoomed()) {
        // The labels stand at fixed places on the window: say what lies there now.
        const ViewRange& full = zoom->full();
        const ViewRange& v = zoom->view();
        const double scaleX = v.width() / full.width(), scaleY = v.height() / full.height();
        auto xAt = [&](double fraction) { return v.x0 + FromLeft(fraction) * v.width(); };
        auto yAt = [&](double yOverP) { return v.y1 - FromTop(yOverP) * v.height(); };
        const double dx = full.width() / 1.24 * scaleX, p = full.height() / 2.85;
        const int angleLabels[] = {Xmin, X1, X2, X3, Xmax};
        for (int k = 0; k < 5; ++k)
            shown[static_cast<std::size_t>(angleLabels[k])] =
                QString::fromStdString(ZoomLabel(xAt(k / 4.0), dx / 4.0));
        shown[Ymax] = QString::fromStdString(ZoomLabel(yAt(1.0), p * scaleY));
        shown[Ymin] = QString::fromStdString(ZoomLabel(yAt(-1.0), p * scaleY));
    }
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setText(shown[i]);
        m_labels[i]->adjustSize();
    }
    const QString name = m_texts[LeftTitle].trimmed(), unit = m_texts[Units].trimmed();
    m_caption->setText(unit.isEmpty() ? name : name + " (" + unit + ")");
    place();
}

void AlignedPlotView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void AlignedPlotView::place() {
    const double w = m_surface->width(), h = m_surface->height();
    // Right-aligned against the vertical axis, with a little gap; never off the window's edge.
    auto leftOfAxis = [&](QLabel* l, double yOverP) {
        const double right = FromLeft(0.0) * w - 6.0;
        l->move(std::max(0, static_cast<int>(right - l->width())),
                static_cast<int>(FromTop(yOverP) * h - l->height() / 2.0));
    };
    leftOfAxis(m_labels[Ymax], 1.0);
    leftOfAxis(m_labels[Ymin], -1.0);
    leftOfAxis(m_labels[LeftTitle], 0.35);
    leftOfAxis(m_labels[Units], -0.35);
    // Angle labels centred under their quarter points, below the curve's band.
    const int angleLabels[] = {Xmin, X1, X2, X3, Xmax};
    for (int k = 0; k < 5; ++k) {
        QLabel* l = m_labels[static_cast<std::size_t>(angleLabels[k])];
        const int centred = static_cast<int>(FromLeft(k / 4.0) * w - l->width() / 2.0);
        l->move(std::clamp(centred, 0, std::max(0, static_cast<int>(w) - l->width())),
                static_cast<int>(FromTop(-1.08) * h));
    }
    if (m_compact)
        return;
    QLabel* title = m_labels[BottomTitle];
    title->move(static_cast<int>(FromLeft(0.5) * w - title->width() / 2.0),
                static_cast<int>(FromTop(-1.08) * h + m_labels[Xmin]->height() + 2));
}

} // namespace trochix::ui
