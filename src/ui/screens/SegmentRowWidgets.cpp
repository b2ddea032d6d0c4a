#include "ui/screens/SegmentRowWidgets.h"

#include "model/CamModel.h"
#include "motion/MotionLaws.h"
#include "text/NumberText.h"
#include "ui/Controls.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace trochix::ui {

namespace {

int TextWidth(const QWidget* w, const char* sample) {
    return QFontMetrics(w->font()).horizontalAdvance(QString::fromLatin1(sample));
}

QLineEdit* MakeBox(QWidget* parent, const char* prefix, int row) {
    QLineEdit* box =
        MakeLineEdit(parent, IndexedName(prefix, row), Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(TextWidth(box, "-0000.000") + 18);
    return box;
}

QLabel* MakeAngle(QWidget* parent, const char* prefix, int row) {
    auto* label = new QLabel(parent);
    label->setObjectName(IndexedName(prefix, row));
    label->setProperty("angle", true);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(TextWidth(label, "000.00") + 18);
    return label;
}

QPushButton* MakeRowButton(QWidget* parent, const char* caption, const char* prefix, int row) {
    QPushButton* button = MakeButton(parent, caption, IndexedName(prefix, row));
    button->setProperty("row", true);
    button->setEnabled(false);
    return button;
}

QLabel* Heading(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setProperty("header", true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

QLabel* MakeSegmentHeadings(QWidget* parent, QGridLayout* grid) {
    auto* position = new QHBoxLayout;
    position->setSpacing(6);
    position->addStretch(1);
    position->addWidget(Heading("Position", parent));
    QLabel* unit = Heading("", parent);
    unit->setObjectName("lbl_Unit");
    position->addWidget(unit);
    position->addStretch(1);
    grid->addLayout(position, 0, kColLow, 1, 2);
    grid->addWidget(Heading("Angles (deg)", parent), 0, kColStart, 1, 2);

    const std::pair<SegmentColumn, const char*> columns[] = {
        {kColNumber, "Seg"},      {kColBeta, "Beta"}, {kColMotion, "Motion"},
        {kColProgram, "Program"}, {kColLow, "Start"}, {kColHigh, "End"},
        {kColStart, "Start"},     {kColEnd, "End"},
    };
    for (const auto& [col, text] : columns)
        grid->addWidget(Heading(text, parent), 1, col);
    return unit;
}

std::array<QWidget*, 11> SegmentRowWidgets::all() const {
    return {number, beta, motion, program, low, high, start, end, calc, plot, print};
}

SegmentRowWidgets MakeSegmentRow(QWidget* parent, QGridLayout* grid, int row, int gridRow) {
    SegmentRowWidgets w;
    w.number = new QLabel(
        QString::fromStdString(text::ShortestFloat(static_cast<float>(row + 1), 7)), parent);
    w.number->setObjectName(IndexedName("lbl_Segment", row));
    w.number->setProperty("segment", true);
    w.number->setAlignment(Qt::AlignCenter);
    w.number->setFixedWidth(TextWidth(w.number, "00") + 20);

    w.beta = MakeBox(parent, "txt_Beta", row);

    w.motion = new QComboBox(parent);
    w.motion->setObjectName(IndexedName("cmb_Motion", row));
    for (const std::string& m : motion::MotionList)
        w.motion->addItem(QString::fromStdString(m));
    w.motion->setCurrentIndex(-1);
    w.motion->setMinimumWidth(TextWidth(w.motion, "Dwell") + 48);

    w.program = new QComboBox(parent);
    w.program->setObjectName(IndexedName("cmb_Program", row));
    w.program->setEditable(true);
    // A typed code selects its law; the list must neither grow from typing nor complete
    // "c" into the first cycloid before the second letter is in.
    w.program->setInsertPolicy(QComboBox::NoInsert);
    w.program->setCompleter(nullptr);
    for (const std::string& law : motion::LawList)
        w.program->addItem(QString::fromStdString(law));
    w.program->setCurrentIndex(-1);
    w.program->setEditText(QString());
    w.program->setMinimumWidth(TextWidth(w.program, "C1 - Cycloid 1st Half") + 48);

    w.low = MakeBox(parent, "txt_Low", row);
    w.high = MakeBox(parent, "txt_High", row);
    w.start = MakeAngle(parent, "lbl_Start", row);
    w.end = MakeAngle(parent, "lbl_End", row);
    w.calc = MakeRowButton(parent, "Calc", "cmd_CalcSeg", row);
    w.plot = MakeRowButton(parent, "Plot", "cmd_PlotSeg", row);
    w.print = MakeRowButton(parent, "Print", "cmd_PrntSeg", row);

    const std::array<QWidget*, 11> widgets = w.all();
    for (int col = 0; col < kSegmentColumns; ++col) {
        QWidget* c = widgets[col];
        QSizePolicy policy = c->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        c->setSizePolicy(policy);
        grid->addWidget(c, gridRow, col);
    }
    return w;
}

void ShowSegmentRow(const SegmentRowWidgets& w, const model::CamModel& m,
                    const motion::SegmentRowState& st, int row, RowOutputs outputs) {
    const int seg = row + 1;
    const QSignalBlocker b1(w.beta), b2(w.motion), b3(w.program), b4(w.low), b5(w.high);
    for (QWidget* c : w.all())
        c->setVisible(st.Visible);

    // The number shows whether the row's points are up to date.
    const bool done = m.SegDone[row];
    if (w.number->property("done").toBool() != done || w.number->styleSheet().isEmpty()) {
        w.number->setProperty("done", done);
        w.number->setStyleSheet(done ? "background: #2f8f5b; color: white;"
                                     : "background: #d9e1ea; color: #1b2a3a;");
        w.number->setToolTip(done ? "Calculated" : "Not calculated");
    }

    SetBoxText(w.beta, m.SegBetaText[seg]);
    SetListText(w.motion, motion::MotionText(m.SegDir[seg]));
    SetListText(w.program, m.SegLawText[seg]);
    SetBoxText(w.low, m.SegStartText[seg]);
    SetBoxText(w.high, m.SegEndText[seg]);
    w.start->setText(QString::fromStdString(st.StartAngle));
    w.end->setText(QString::fromStdString(st.EndAngle));

    w.motion->setEnabled(st.MotionEnabled);
    w.program->setEnabled(st.ProgramEnabled);
    w.low->setEnabled(st.StartEnabled);
    w.high->setEnabled(st.EndEnabled);
    w.calc->setEnabled(st.CalcEnabled);
    w.plot->setEnabled(st.PlotEnabled && outputs.plot);
    w.print->setEnabled(st.PrintEnabled && outputs.print);
}

} // namespace trochix::ui
