#include "ui/screens/ContinuityScreen.h"

#include "model/CamModel.h"
#include "model/PageHeader.h"
#include "motion/Continuity.h"
#include "ui/CommonButtons.h"
#include "ui/Controls.h"
#include "ui/TextPagePrinter.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trochix::ui {

const char* const ContinuityScreen::kExplanation =
    "The function values at the beginning and ends of adjacent cam segments are grouped "
    "together so that the continuity (or lack thereof) can be easily seen for each of the cam "
    "functions, S, V, A, and J.  They must be continuous through acceleration (A) for good "
    "dynamic performance.";

ContinuityScreen::ContinuityScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Continuity) {
    auto* panel = new QFrame(this);
    panel->setObjectName("pnl_Continuity");
    panel->setProperty("panel", true);

    auto* explanation = new QLabel(QString::fromLatin1(kExplanation), panel);
    explanation->setObjectName("lbl_Explanation");
    explanation->setWordWrap(true);

    // The widest row reaches column 70 or so; the table of 16 segments is 49 lines.
    m_text = MakeTextArea("pct_Continuity", 74, 24, panel);
    // The wrapped explanation needs its lines at the table's width.
    explanation->setMinimumHeight(explanation->heightForWidth(m_text->minimumWidth()));

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(18, 14, 18, 16);
    inner->setSpacing(12);
    inner->addWidget(explanation);
    inner->addWidget(m_text, 1);

    QPushButton* print = MakeButton(this, "&Print Data", "cmd_PlotPrint");
    connect(print, &QPushButton::clicked, this, &ContinuityScreen::PrintData);
    QPushButton* done = MakeButton(this, "&Done", "cmd_Done");
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &ContinuityScreen::Done);
    QHBoxLayout* buttons = MakeButtonRow({MakeCopyButton(*this), print}, {done}, 120);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void ContinuityScreen::activate() {
    SetLines(*m_text, motion::Continuity_Form(m_ctx.model, m_ctx.host));
    if (QWidget* done = findChild<QWidget*>("cmd_Done"))
        done->setFocus();
}

void ContinuityScreen::PrintData() {
    PrintTextPages(m_ctx, this, "Continuity_Print", [this] {
        return motion::Continuity_Print(m_ctx.model, m_ctx.host,
                                        model::PageHeader(m_ctx.model, m_ctx.host));
    });
}

void ContinuityScreen::Done() {
    motion::ContinuityDone(m_ctx.model, m_ctx.host);
    closeScreen();
}

void ContinuityScreen::reject() { Done(); }

} // namespace trochix::ui
