#include "ui/screens/PlotTypeScreen.h"

#include "model/CamModel.h"
#include "output/Selection.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Navigator.h"
#include "ui/screens/LayoutPicture.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace trochix::ui {

namespace {

constexpr const char* kCaptions[4] = {
    "Single Window - One to Four Functions",
    "Two Windows - Two Functions",
    "Four Windows - Four Functions",
    "Polar Plot - One Function",
};

} // namespace

PlotTypeScreen::PlotTypeScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::PlotType) {
    auto* grid = new QGridLayout;
    grid->setSpacing(14);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    m_group = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        const int layout = i + 1;
        auto* frame = new QFrame(this);
        frame->setObjectName(IndexedName("fra_PlotType", i));
        frame->setProperty("panel", true);
        auto* column = new QVBoxLayout(frame);
        column->setContentsMargins(12, 10, 12, 10);
        auto* caption = new QLabel(QString::fromUtf8(kCaptions[i]), frame);
        caption->setObjectName(IndexedName("lbl_PlotType", i));
        caption->setAlignment(Qt::AlignCenter);
        SetFontScale(*caption, 1.0, true);
        m_pictures[i] = new LayoutPicture(layout, frame);
        m_pictures[i]->setObjectName(IndexedName("pct_PlotType", i));
        m_options[i] = new QRadioButton("Select", frame);
        m_options[i]->setObjectName(IndexedName("opt_Select", i));
        m_options[i]->installEventFilter(this);
        m_group->addButton(m_options[i], layout);
        column->addWidget(caption);
        column->addWidget(m_pictures[i], 1);
        column->addWidget(m_options[i], 0, Qt::AlignHCenter);
        grid->addWidget(frame, i / 2, i % 2);

        connect(m_pictures[i], &LayoutPicture::clicked, this,
                [this, layout] { Picture_Click(layout); });
        connect(m_pictures[i], &LayoutPicture::doubleClicked, this, [this, layout] {
            Picture_Click(layout);
            Done();
        });
    }
    connect(m_group, &QButtonGroup::idClicked, this, [this] { RefreshDone(); });

    m_done = MakeButton(this, "&Done", "cmd_Done");
    QPushButton* cancel = MakeButton(this, "&Cancel", "cmd_Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {m_done, cancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    connect(m_done, &QPushButton::clicked, this, &PlotTypeScreen::Done);
    connect(cancel, &QPushButton::clicked, this, &PlotTypeScreen::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(14);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    RefreshDone();
}

void PlotTypeScreen::activate() {
    for (int i = 0; i < 4; ++i) {
        const bool available = output::PlotTypeAvailable(m_ctx.model, i + 1);
        m_pictures[i]->setEnabled(available);
        m_options[i]->setEnabled(available);
        m_options[i]->setToolTip(available ? QString() : QStringLiteral("Size the cam first"));
        if (!available && m_options[i]->isChecked()) {
            // An exclusive group keeps one option checked; release it to clear the choice.
            m_group->setExclusive(false);
            m_options[i]->setChecked(false);
            m_group->setExclusive(true);
        }
    }
    RefreshDone();
    // The keyboard starts at the chosen layout, or at the first one.
    const int layout = selectedLayout();
    m_options[layout ? layout - 1 : 0]->setFocus();
}

int PlotTypeScreen::selectedLayout() const {
    return std::max(m_group->checkedId(), 0);
}

void PlotTypeScreen::RefreshDone() {
    m_done->setEnabled(selectedLayout() != 0);
}

void PlotTypeScreen::Picture_Click(int layout) {
    QRadioButton* option = m_options[layout - 1];
    if (!option->isEnabled())
        return;
    option->setChecked(true);
    option->setFocus();
    RefreshDone();
}

void PlotTypeScreen::Done() {
    const int layout = selectedLayout();
    if (layout == 0)
        return;
    const ScreenId selection = output::SelectPlotType(m_ctx.model, layout);
    closeScreen();
    if (m_ctx.navigator.isAvailable(selection))
        m_ctx.navigator.ShowScreen(selection);
}

void PlotTypeScreen::Cancel() {
    closeScreen();
}

bool PlotTypeScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick)
        for (int i = 0; i < 4; ++i)
            if (watched == m_options[i] && m_options[i]->isEnabled()) {
                Picture_Click(i + 1);
                Done();
                return true;
            }
    return ScreenBase::eventFilter(watched, event);
}

} // namespace trochix::ui
