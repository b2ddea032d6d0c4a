#include "ui/screens/PolyScreen.h"

#include "forms/PolyForm.h"
#include "model/CamModel.h"
#include "ui/CommonButtons.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/TextPagePrinter.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

// lbl_Name captions beside lbl_SegData(0..3), in the order the table gives the values.
const char* const kSegDataNames[4] = {"Segment", "Start", "Beta", "End"};

QLabel* Heading(const char* text, const char* objectName, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    SetFontScale(*label, 1.05, true);
    return label;
}

} // namespace

PolyScreen::PolyScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Poly) {
    auto* panel = new QFrame(this);
    panel->setObjectName("pnl_Poly");
    panel->setProperty("panel", true);
    auto* title = new QLabel(
        "Boundary Conditions Selected and Resulting Displacement Equation Coefficients", panel);
    title->setObjectName("lbl_Title");
    title->setAlignment(Qt::AlignCenter);
    SetFontScale(*title, 1.2, true);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(18, 14, 18, 16);
    inner->setSpacing(12);
    inner->addWidget(title);
    inner->addLayout(BuildTables(panel), 1);
    inner->addLayout(BuildSegmentData(panel));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(panel, 1);
    layout->addLayout(BuildButtons());
}

QLayout* PolyScreen::BuildTables(QWidget* panel) {
    m_text[0] = MakeTextArea(IndexedName("pct_Poly", 0), 48, 20, panel);
    m_text[1] = MakeTextArea(IndexedName("pct_Poly", 1), 36, 20, panel);
    auto* conditions = new QVBoxLayout;
    conditions->addWidget(
        Heading("Boundary Conditions Selected for this Polynomial", "lbl_Bounds", panel));
    conditions->addWidget(m_text[0], 1);
    auto* coefficients = new QVBoxLayout;
    coefficients->addWidget(
        Heading("Coefficients for S Equation with Theta/Beta as Variable", "lbl_Exponents", panel));
    coefficients->addWidget(m_text[1], 1);

    auto* areas = new QHBoxLayout;
    areas->setSpacing(16);
    areas->addLayout(conditions, 5);
    areas->addLayout(coefficients, 4);
    return areas;
}

QLayout* PolyScreen::BuildSegmentData(QWidget* panel) {
    auto* data = new QGridLayout;
    data->setHorizontalSpacing(10);
    for (int i = 0; i < 4; ++i) {
        auto* name = new QLabel(QString::fromLatin1(kSegDataNames[i]), panel);
        name->setObjectName(IndexedName("lbl_Name", i));
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_segData[i] = new QLabel(panel);
        m_segData[i]->setObjectName(IndexedName("lbl_SegData", i));
        m_segData[i]->setMinimumWidth(70);
        m_segData[i]->setStyleSheet("QLabel { border: 1px solid #c3ccd6; border-radius: 3px; "
                                    "background: #f4f7fa; padding: 2px 8px; }");
        m_segData[i]->setAlignment(Qt::AlignCenter);
        data->addWidget(name, 0, 2 * i);
        data->addWidget(m_segData[i], 0, 2 * i + 1);
        data->setColumnStretch(2 * i, 1);
    }
    return data;
}

QLayout* PolyScreen::BuildButtons() {
    QPushButton* print = MakeButton(this, "&Print Data", "cmd_Print");
    connect(print, &QPushButton::clicked, this, &PolyScreen::PrintData);
    QPushButton* done = MakeDoneButton(*this);
    done->setDefault(true);
    return MakeButtonRow({MakeCopyButton(*this), print}, {done}, 120);
}

void PolyScreen::activate() {
    const motion::PolyTable table = motion::Polytable_Form(m_ctx.model, m_ctx.host);
    SetLines(*m_text[0], table.conditions);
    SetLines(*m_text[1], table.coefficients);
    for (int i = 0; i < 4; ++i)
        m_segData[i]->setText(QString::fromStdString(table.segData[i]));
    if (QWidget* done = findChild<QWidget*>("cmd_Done"))
        done->setFocus();
}

void PolyScreen::PrintData() {
    PrintTextPages(m_ctx, this, "Polytable_Printer",
                   [this] { return motion::Polytable_Printer(m_ctx.model, m_ctx.host); });
}

} // namespace trochix::ui
