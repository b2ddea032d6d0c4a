#include "ui/HeaderPanels.h"

#include "ui/QtHost.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

struct Row {
    const char* caption;
    const char* valueName;
    const char* unit; // nullptr: the length label of the current unit system
};

const Row kBasicRows[] = {
    {"Cam Omega", "lbl_HdrOmega", "rpm"},   {"Cam Rotates", "lbl_HdrRotates", ""},
    {"Segment", "lbl_HdrSegment", ""},      {"Start Theta", "lbl_HdrStart", "deg"},
    {"End Theta", "lbl_HdrEnd", "deg"},     {"Delta Theta", "lbl_HdrDelta", "deg"},
};

const Row kSizeRows[] = {
    {"Prime Radius", "lbl_HdrPrime", nullptr}, {"Offset", "lbl_HdrOffset", nullptr},
    {"Max Phi", "lbl_HdrMaxPhi", "deg"},       {"Min Phi", "lbl_HdrMinPhi", "deg"},
    {"Min Rho +", "lbl_HdrRhoPos", nullptr},   {"Min Rho -", "lbl_HdrRhoNeg", nullptr},
    {"Folwr Rad", "lbl_HdrFolwr", nullptr},
};

} // namespace

HeaderPanels::HeaderPanels(QWidget* parent) : QWidget(parent) {
    auto* titlePanel = new QFrame(this);
    titlePanel->setObjectName("pnl_Header");
    titlePanel->setProperty("panel", true);
    m_header = new QLabel(titlePanel);
    m_header->setObjectName("lbl_Header");
    m_header->setTextFormat(Qt::PlainText);
    m_header->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* titleLayout = new QVBoxLayout(titlePanel);
    titleLayout->addWidget(m_header);

    auto makeBox = [this](const char* title, const char* name, const Row* rows, int count) {
        auto* box = new QGroupBox(QString::fromLatin1(title), this);
        box->setObjectName(QString::fromLatin1(name));
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(1);
        grid->setHorizontalSpacing(8);
        for (int i = 0; i < count; ++i) {
            grid->addWidget(new QLabel(QString::fromLatin1(rows[i].caption), box), i, 0);
            auto* value = new QLabel(box);
            value->setObjectName(QString::fromLatin1(rows[i].valueName));
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setMinimumWidth(60);
            grid->addWidget(value, i, 1);
            auto* unit = new QLabel(QString::fromLatin1(rows[i].unit ? rows[i].unit : ""), box);
            grid->addWidget(unit, i, 2);
            m_values.push_back(value);
            if (!rows[i].unit)
                m_lengthUnits.push_back(unit);
        }
        return box;
    };
    m_basic = makeBox("Cam Basic Data", "fra_CamBasic", kBasicRows, std::size(kBasicRows));
    m_size = makeBox("Cam Size Data", "fra_CamSize", kSizeRows, std::size(kSizeRows));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(titlePanel, 1);
    layout->addWidget(m_basic);
    layout->addWidget(m_size);
}

void HeaderPanels::fill(const model::HeaderTexts& t) {
    m_header->setText(MessageBoxText(t.Header));
    const std::string* values[] = {&t.CamOmega,    &t.CamRotates, &t.Segment,   &t.StartTheta,
                                   &t.EndTheta,    &t.DeltaTheta, &t.PrimeRadius, &t.Offset,
                                   &t.MaxPhi,      &t.MinPhi,     &t.MinRhoPos, &t.MinRhoNeg,
                                   &t.FolwrRad};
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i]->setText(QString::fromStdString(*values[i]));
    for (QLabel* unit : m_lengthUnits)
        unit->setText(QString::fromStdString(t.LengthUnit));
    m_size->setVisible(t.SizeDataVisible);
}

} // namespace trochix::ui
