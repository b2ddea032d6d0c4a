#include "ui/screens/ContactPanel.h"

#include "chain/Recalculate.h"
#include "chain/Stages.h"
#include "dynamics/ContactText.h"
#include "model/CamModel.h"
#include "model/ResultRow.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace trochix::ui {

using dynamics::ContactBox;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

ContactPanel::ContactPanel(AppContext& ctx, CommitOnLeave& commits, QWidget* parent)
    : QGroupBox(QStringLiteral("Contact"), parent), m_ctx(ctx), m_commits(commits) {
    setObjectName("fra_Contact");
    auto* v = new QVBoxLayout(this);
    v->setSpacing(6);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < dynamics::kContactBoxes; ++i) {
        const auto b = static_cast<ContactBox>(i);
        const auto k = static_cast<std::size_t>(i);
        QLineEdit* e =
            MakeLineEdit(this, QString::fromLatin1(dynamics::ContactBoxName(b)), Qt::AlignRight);
        e->setMinimumWidth(110);
        SelectAllOnFocus(e);
        connect(e, &QLineEdit::textEdited, this, [this, k] { m_changed[k] = true; });
        m_commits.watch(e, [this, b] { Box_LostFocus(b); });
        m_box[k] = e;
        m_unit[k] = new QLabel(this);
        m_unit[k]->setObjectName(IndexedName("lbl_ContactUnit", i));
        m_unit[k]->setProperty("unit", true);
        grid->addWidget(new QLabel(QString::fromLatin1(dynamics::ContactBoxCaption(b)), this), i,
                        0);
        grid->addWidget(e, i, 1);
        grid->addWidget(m_unit[k], i, 2);
    }
    grid->setColumnStretch(1, 1);
    v->addLayout(grid);

    m_headline = new QLabel(this);
    m_headline->setObjectName("lbl_ContactVerdict");
    QFont bold = m_headline->font();
    bold.setBold(true);
    m_headline->setFont(bold);
    m_headline->setWordWrap(true);
    v->addWidget(m_headline);
    const char* names[] = {"lbl_ContactMin", "lbl_PreloadNeeded", "lbl_SpringNeeded",
                           "lbl_TopSpeed",   "lbl_HertzMax",      "lbl_ShearMax"};
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        m_lines[i] = new QLabel(this);
        m_lines[i]->setObjectName(QString::fromLatin1(names[i]));
        m_lines[i]->setWordWrap(true);
        m_lines[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        v->addWidget(m_lines[i]);
    }
}

void ContactPanel::fill() {
    const model::CamModel& m = m_ctx.model;
    const CommitOnLeave::Pause pause(m_commits);
    for (int i = 0; i < dynamics::kContactBoxes; ++i)
        SetBoxText(m_box[static_cast<std::size_t>(i)],
                   dynamics::ContactBoxText(m, static_cast<ContactBox>(i)));
    m_changed.fill(false);
    const std::string length = m.UnitLabel[model::ResultRow::ContactHalfWidth];
    const std::string stress = m.UnitLabel[model::ResultRow::ContactPressure];
    const std::array<std::string, dynamics::kContactBoxes> units = {length, stress, stress,
                                                                    "",     "",     ""};
    for (std::size_t i = 0; i < units.size(); ++i)
        m_unit[i]->setText(Q(units[i]));
    showVerdict();
}

void ContactPanel::showVerdict() {
    const model::CamModel& m = m_ctx.model;
    if (!chain::Done(m, model::Stage::Contact)) {
        clearVerdict();
        return;
    }
    const dynamics::ContactVerdict v = dynamics::VerdictTexts(m);
    m_headline->setText(Q(v.headline));
    m_headline->setStyleSheet(v.kept ? QStringLiteral("color: #1d6b2c;")
                                     : QStringLiteral("color: #c0161b;"));
    const std::array<const std::string*, 6> texts = {&v.minForce, &v.preload, &v.spring,
                                                     &v.topSpeed, &v.hertz,   &v.shear};
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        m_lines[i]->setText(Q(*texts[i]));
}

void ContactPanel::clearVerdict() {
    m_headline->clear();
    for (QLabel* l : m_lines)
        l->clear();
}

void ContactPanel::Box_LostFocus(ContactBox b) {
    const auto i = static_cast<std::size_t>(b);
    if (!m_changed[i])
        return;
    m_changed[i] = false;
    model::CamModel& m = m_ctx.model;
    QLineEdit* e = m_box[i];
    const dynamics::ContactCommit r =
        dynamics::CommitContactBox(m, m_ctx.host, b, e->text().toStdString());
    if (!r.accepted) {
        const CommitOnLeave::Pause pause(m_commits);
        SetBoxText(e, r.boxText);
        QTimer::singleShot(0, e, [e] {
            e->setFocus(Qt::OtherFocusReason);
            e->selectAll();
        });
        return;
    }
    if (m.DynamicsDone)
        chain::RunContact(m, m_ctx.host);
    showVerdict();
}

} // namespace trochix::ui
