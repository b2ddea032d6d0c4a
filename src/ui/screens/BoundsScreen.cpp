#include "ui/screens/BoundsScreen.h"

#include "forms/BoundsForm.h"
#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "motion/Polynomial.h"
#include "text/NumberText.h"
#include "ui/CommonButtons.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Navigator.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

const char* const kRowLetters[4] = {"S", "V", "A", "J"};
const char* const kRowBoxNames[4] = {"txt_Sbound", "txt_Vbound", "txt_Abound", "txt_Jbound"};

// Enabled condition boxes are yellow, disabled ones light grey.
const char* const kEnabledStyle = "QLineEdit { background-color: rgb(255, 255, 0); color: black; }";
const char* const kDisabledStyle =
    "QLineEdit { background-color: rgb(192, 192, 192); color: rgb(64, 64, 64); }";

constexpr int kBoxWidth = 92;

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* Caption(const char* text, QWidget* parent) {
    QLabel* label = MakeCaption(parent, text);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    return label;
}

QLabel* ValueLabel(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(kBoxWidth);
    return label;
}

QLineEdit* Box(const QString& objectName, QWidget* parent) {
    QLineEdit* box = MakeLineEdit(parent, objectName, Qt::AlignCenter);
    box->setFixedWidth(kBoxWidth);
    return box;
}

} // namespace

BoundsScreen::BoundsScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Bounds) {
    auto* right = new QVBoxLayout;
    right->setSpacing(14);
    right->addWidget(BuildCounts());
    right->addLayout(BuildButtons());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addWidget(BuildConditions(), 1);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    ConnectBoxes();
    SetAllEnabled(false);
}

QWidget* BoundsScreen::BuildConditions() {
    auto* grid = new QFrame(this);
    grid->setObjectName("fra_Conditions");
    grid->setProperty("panel", true);
    auto* g = new QGridLayout(grid);
    g->setContentsMargins(18, 14, 18, 16);
    g->setHorizontalSpacing(10);
    g->setVerticalSpacing(8);
    constexpr int kFirstColumn = 2; // grid column of condition column 0

    // The angles over the columns: global on top, local (start, three typed, end) below.
    g->addWidget(Caption("Global Theta (deg)", grid), 0, 0, 1, 2);
    for (int c = 0; c < kColumns; ++c) {
        m_segAngle[c] = ValueLabel(IndexedName("lbl_Segangle", c), grid);
        g->addWidget(m_segAngle[c], 0, kFirstColumn + c, Qt::AlignCenter);
    }
    g->addWidget(Caption("Local Theta (deg)", grid), 1, 0, 1, 2);
    m_start = ValueLabel("lbl_start", grid);
    g->addWidget(m_start, 1, kFirstColumn, Qt::AlignCenter);
    for (int k = 1; k <= 3; ++k) {
        m_theta[k] = Box(IndexedName("txt_Theta", k), grid);
        g->addWidget(m_theta[k], 1, kFirstColumn + k, Qt::AlignCenter);
    }
    m_end = ValueLabel("lbl_end", grid);
    g->addWidget(m_end, 1, kFirstColumn + 4, Qt::AlignCenter);

    auto* rule = new QFrame(grid);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    g->addWidget(rule, 2, 0, 1, kFirstColumn + kColumns);

    // One row of boxes for each of S, V, A, J.
    for (int r = 0; r < 4; ++r) {
        auto* letter = new QLabel(QString::fromLatin1(kRowLetters[r]), grid);
        letter->setObjectName(IndexedName("lbl_SVAJ", r));
        letter->setAlignment(Qt::AlignCenter);
        letter->setMinimumWidth(24);
        SetFontScale(*letter, 1.3, true);
        g->addWidget(letter, 3 + r, 0);
        g->addWidget(Caption("Boundary Cond.", grid), 3 + r, 1);
        for (int c = 0; c < kColumns; ++c) {
            m_box[c][r] = Box(IndexedName(kRowBoxNames[r], c), grid);
            g->addWidget(m_box[c][r], 3 + r, kFirstColumn + c, Qt::AlignCenter);
        }
    }
    // Initial texts of a first use; each activation replaces them with the segment's.
    m_box[0][0]->setText("0");
    m_box[4][0]->setText("1");
    return grid;
}

QWidget* BoundsScreen::BuildCounts() {
    auto* side = new QFrame(this);
    side->setObjectName("fra_Counts");
    side->setProperty("panel", true);
    auto* s = new QGridLayout(side);
    s->setContentsMargins(16, 14, 16, 14);
    s->setHorizontalSpacing(12);
    s->setVerticalSpacing(10);
    m_segment = ValueLabel("lbl_segment", side);
    m_segment->setMinimumWidth(60);
    SetFontScale(*m_segment, 1.2, true);
    m_noConds = Box("txt_NoConds", side);
    m_noConds->setFixedWidth(60);
    m_selected = ValueLabel("lbl_Selected", side);
    m_selected->setMinimumWidth(60);
    SetFontScale(*m_selected, 1.2, true);
    s->addWidget(Caption("Segment Number", side), 0, 0);
    s->addWidget(m_segment, 0, 1, Qt::AlignCenter);
    s->addWidget(Caption("Number of Conditions Requested", side), 1, 0);
    s->addWidget(m_noConds, 1, 1, Qt::AlignCenter);
    s->addWidget(Caption("Number of Conditions Selected", side), 2, 0);
    s->addWidget(m_selected, 2, 1, Qt::AlignCenter);
    m_noConds->setText("2");
    return side;
}

QLayout* BoundsScreen::BuildButtons() {
    m_done = MakeButton(this, "&Done", "cmd_Done");
    auto* cancel = MakeButton(this, "Ca&ncel", "cmd_Cancel");
    auto* clear = MakeButton(this, "Clea&r", "cmd_ClearBounds");
    connect(m_done, &QPushButton::clicked, this, &BoundsScreen::Done);
    connect(cancel, &QPushButton::clicked, this, &BoundsScreen::Cancel);
    connect(clear, &QPushButton::clicked, this, &BoundsScreen::ClearBounds);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton* b : {m_done, cancel, clear, MakePrintFormButton(*this, "cmd_PlotPrint"),
                           MakeCopyButton(*this)}) {
        b->setMinimumWidth(140);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    return buttons;
}

void BoundsScreen::ConnectBoxes() {
    // Every box selects its text on entry and commits when it is left; any edit may change a
    // stored solution.
    auto* commits = new CommitOnLeave(this);
    commits->watch(
        m_noConds, [this] { CommitConditionCount(); },
        CommitOnLeave::Standard | CommitOnLeave::DoubleClick);
    for (int k = 1; k <= 3; ++k) {
        commits->watch(m_theta[k], [this, k] { CommitInnerAngle(k); });
        connect(m_theta[k], &QLineEdit::textEdited, this, [this, k] { InnerAngleTyped(k); });
    }
    for (const auto& column : m_box)
        for (QLineEdit* box : column)
            commits->watch(box, [this] { RefreshSelected(); });
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        SelectAllOnFocus(box);
        connect(box, &QLineEdit::textEdited, this,
                [this] { motion::ClearConditionsUnchanged(m_ctx.model); });
    }
    // Tab goes down each column, as the conditions are read.
    QWidget* previous = m_noConds;
    for (int c : {0, 4, 1, 2, 3}) {
        if (c >= 1 && c <= 3) {
            setTabOrder(previous, m_theta[c]);
            previous = m_theta[c];
        }
        for (int r = 0; r < 4; ++r) {
            setTabOrder(previous, m_box[c][r]);
            previous = m_box[c][r];
        }
    }
}

void BoundsScreen::activate() {
    model::CamModel& m = m_ctx.model;
    model::RunGuarded(m_ctx.host, screenName() + ".Activate", [&] {
        const int seg = m.CurSeg;
        if (seg < 1 || seg > m.MaxSegments)
            throw model::Fault(model::kSubscriptOutOfRange);
        m_segment->setText(Text(text::Str(static_cast<float>(seg))));
        m_start->setText("0");
        m_end->setText(Text(text::Str(m.SegBeta[seg])));
        m_segAngle[0]->setText(Text(text::Str(m.SegStart[seg])));
        m_segAngle[4]->setText(Text(text::Str(m.SegEnd[seg])));
        m_box[0][0]->setText(Text(m.SegStartText[seg]));
        m_box[4][0]->setText(Text(m.SegEndText[seg]));
        m_noConds->setText("2");
        m.BcRequested = 2;
    });
    // The conditions are typed afresh each time.
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < 4; ++r)
            if (r > 0 || (c >= 1 && c <= 3))
                m_box[c][r]->clear();
    for (int k = 1; k <= 3; ++k) {
        m_theta[k]->clear();
        m_segAngle[k]->clear();
    }
    SetAllEnabled(false);
    const int filled = motion::CountFilledBoxes(Input());
    m_selected->setText(Text(text::Str(static_cast<float>(filled))));
    m_done->setEnabled(filled == m.BcRequested);
    m_noConds->setFocus();
    m_noConds->selectAll();
}

motion::BoundsInput BoundsScreen::Input() const {
    motion::BoundsInput in;
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < 4; ++r)
            in.box[c][r] = m_box[c][r]->text().toStdString();
    for (int k = 1; k <= 3; ++k)
        in.theta[k] = m_theta[k]->text().toStdString();
    in.requested = m_ctx.model.BcRequested;
    return in;
}

void BoundsScreen::SetBoxEnabled(QLineEdit* box, bool enabled) {
    box->setEnabled(enabled);
    box->setStyleSheet(QString::fromLatin1(enabled ? kEnabledStyle : kDisabledStyle));
}

void BoundsScreen::SetColumnEnabled(int column, bool enabled) {
    for (QLineEdit* box : m_box[column])
        SetBoxEnabled(box, enabled);
}

void BoundsScreen::SetAllEnabled(bool enabled) {
    for (int c = 0; c < kColumns; ++c)
        SetColumnEnabled(c, enabled);
    for (int k = 1; k <= 3; ++k)
        SetBoxEnabled(m_theta[k], enabled);
}

void BoundsScreen::CommitConditionCount() {
    switch (motion::CheckConditionCount(m_ctx.model, m_ctx.host, m_noConds->text().toStdString())) {
    case motion::CountEntry::Empty:
        SetAllEnabled(false);
        RefreshSelected();
        break;
    case motion::CountEntry::OutOfRange:
        SetAllEnabled(false);
        // The request just refused is not the one Done would read with.
        m_done->setEnabled(false);
        break;
    case motion::CountEntry::Accepted:
        SetColumnEnabled(0, true);
        SetColumnEnabled(4, true);
        for (int k = 1; k <= 3; ++k) {
            SetBoxEnabled(m_theta[k], true);
            // An inner column stays open only while its angle is accepted.
            SetColumnEnabled(k, !m_segAngle[k]->text().isEmpty());
        }
        m_box[0][1]->setFocus();
        RefreshSelected();
        break;
    }
}

void BoundsScreen::CommitInnerAngle(int k) {
    if (k < 1 || k > 3)
        return;
    const motion::InnerAngle angle =
        motion::CheckInnerAngle(m_ctx.host, m_theta[k]->text().toStdString(),
                                m_end->text().toStdString(), m_segAngle[0]->text().toStdString());
    switch (angle.state) {
    case motion::InnerAngle::Empty: m_segAngle[k]->clear(); break;
    case motion::InnerAngle::Accepted: ShowInnerAngle(k, angle.globalText, true); break;
    case motion::InnerAngle::Refused:
        m_theta[k]->clear();
        ShowInnerAngle(k, {}, false);
        break;
    }
}

void BoundsScreen::InnerAngleTyped(int k) {
    if (k < 1 || k > 3)
        return;
    const motion::InnerAngle angle =
        motion::TypedInnerAngle(m_theta[k]->text().toStdString(), m_end->text().toStdString(),
                                m_segAngle[0]->text().toStdString());
    if (angle.state == motion::InnerAngle::Empty)
        m_segAngle[k]->clear();
    else
        ShowInnerAngle(k, angle.globalText, angle.state == motion::InnerAngle::Accepted);
}

void BoundsScreen::ShowInnerAngle(int k, const std::string& globalText, bool enabled) {
    m_segAngle[k]->setText(Text(globalText));
    SetColumnEnabled(k, enabled);
}

void BoundsScreen::RefreshSelected() {
    const int filled = motion::CountFilledBoxes(Input());
    m_selected->setText(Text(text::Str(static_cast<float>(filled))));
    switch (motion::CheckFilledCount(m_ctx.host, filled, m_ctx.model.BcRequested)) {
    case motion::FilledCount::TooFew:
    case motion::FilledCount::TooMany: m_done->setEnabled(false); break;
    case motion::FilledCount::Exact:
        m_done->setEnabled(true);
        m_done->setFocus();
        break;
    }
}

void BoundsScreen::ClearBounds() {
    m_noConds->clear();
    for (auto& column : m_box)
        for (QLineEdit* box : column)
            box->clear();
    for (int k = 1; k <= 3; ++k) {
        m_theta[k]->clear();
        m_segAngle[k]->clear();
    }
    SetAllEnabled(false);
    m_selected->setText(Text(text::Str(0.0f)));
    m_done->setEnabled(false);
    motion::ClearConditionsUnchanged(m_ctx.model);
}

void BoundsScreen::Cancel() {
    ClearBounds();
    m_ctx.model.BcValid = false;
    closeScreen();
}

void BoundsScreen::reject() {
    Cancel();
}

void BoundsScreen::Done() {
    model::RunGuarded(m_ctx.host, screenName() + ".Done", [&] {
        if (!motion::ReadBounds(m_ctx.model, m_ctx.host, Input()))
            return;
        closeScreen();
        m_ctx.navigator.ShowScreen(ScreenId::Poly);
    });
}

} // namespace trochix::ui
