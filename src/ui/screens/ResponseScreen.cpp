#include "ui/screens/ResponseScreen.h"

#include "chain/ResponseStage.h"
#include "dynamics/ResponseText.h"
#include "forms/ResponseForm.h"
#include "output/ResponseGraphs.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "text/NumberText.h"
#include "ui/ChartView.h"
#include "ui/CommonButtons.h"
#include "ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace trochix::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

ResponseScreen::ResponseScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Response) {
    auto* train = new QGroupBox("Follower Train", this);
    auto* tg = new QGridLayout(train);
    m_train = MakeLineEdit(train, "txt_TrainStiffness", Qt::AlignRight);
    m_train->setToolTip("The train's stiffness between cam and mass; 0 lets the spring rate "
                        "stand for the whole train");
    tg->addWidget(new QLabel("Train Stiffness", train), 0, 0);
    tg->addWidget(m_train, 0, 1);
    m_fromRest = new QCheckBox("From rest at cam angle 0", train);
    m_fromRest->setObjectName("chk_FromRest");
    tg->addWidget(m_fromRest, 1, 0, 1, 2);
    m_summary = new QLabel(train);
    m_summary->setObjectName("lbl_Summary");
    m_summary->setWordWrap(true);
    tg->addWidget(m_summary, 2, 0, 1, 2);

    m_residuals = new QTableWidget(0, 4, this);
    m_residuals->setObjectName("grd_Residual");
    m_residuals->setHorizontalHeaderLabels({"Seg", "Law", "Residual", "Of lift"});
    m_residuals->verticalHeader()->hide();
    m_residuals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_residuals->horizontalHeader()->setStretchLastSection(true);
    m_residuals->setMinimumWidth(340);

    auto* spectrum = new QGroupBox("Response Spectrum", this);
    auto* sg = new QGridLayout(spectrum);
    m_segment = new QComboBox(spectrum);
    m_segment->setObjectName("cbo_Segment");
    m_from = MakeLineEdit(spectrum, "txt_RatioFrom", Qt::AlignRight);
    m_to = MakeLineEdit(spectrum, "txt_RatioTo", Qt::AlignRight);
    m_from->setText("0.25");
    m_to->setText("5");
    sg->addWidget(new QLabel("Segment", spectrum), 0, 0);
    sg->addWidget(m_segment, 0, 1);
    sg->addWidget(new QLabel("Ratio from", spectrum), 1, 0);
    sg->addWidget(m_from, 1, 1);
    sg->addWidget(new QLabel("to", spectrum), 2, 0);
    sg->addWidget(m_to, 2, 1);
    QPushButton* chart = MakeButton(spectrum, "C&hart", "cmd_Spectrum");
    connect(chart, &QPushButton::clicked, this, &ResponseScreen::Spectrum_Click);
    sg->addWidget(chart, 3, 1);

    QPushButton* calc = MakeButton(this, "Ca&lculate", "cmd_Calc");
    connect(calc, &QPushButton::clicked, this, &ResponseScreen::Calc_Click);
    QPushButton* done = MakeDoneButton(*this);
    calc->setAutoDefault(false);
    done->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(train);
    left->addWidget(m_residuals, 1);
    left->addWidget(spectrum);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calc);
    buttons->addWidget(done);
    left->addLayout(buttons);

    m_motion = new ChartView(this);
    m_motion->setObjectName("grf_Motion");
    m_error = new ChartView(this);
    m_error->setObjectName("grf_Error");
    m_spectrum = new ChartView(this);
    m_spectrum->setObjectName("grf_Spectrum");
    // Each chart carries a legend and two axis titles (the spectrum a title too): below this
    // their scales are elided to dots.
    for (ChartView* chart : {m_motion, m_error, m_spectrum})
        chart->setMinimumSize(380, 220);
    auto* charts = new QVBoxLayout;
    charts->addWidget(m_motion, 1);
    charts->addWidget(m_error, 1);
    charts->addWidget(m_spectrum, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(left, 0);
    layout->addLayout(charts, 1);
    resize(1200, 900);
}

void ResponseScreen::activate() {
    const model::CamModel& m = m_ctx.model;
    m_train->setText(Q(forms::TrainStiffnessText(m)));
    m_fromRest->setChecked(m.ResponseFromRest);
    m_segment->clear();
    for (int seg : forms::SpectrumSegments(m))
        m_segment->addItem(Q(std::to_string(seg) + "  " + m.SegLawText[seg]), seg);
    if (!m.ResponseDone)
        Calc_Click();
    else
        ShowResponse();
    if (m_segment->count() > 0)
        Spectrum_Click();
}

void ResponseScreen::Calc_Click() {
    model::CamModel& m = m_ctx.model;
    if (!forms::CommitTrainStiffness(m, m_ctx.host, m_train->text().toStdString())) {
        m_train->setText(Q(forms::TrainStiffnessText(m)));
        m_train->setFocus();
        return;
    }
    forms::ChooseFromRest(m, m_fromRest->isChecked());
    {
        const model::BusyPointer busy(m_ctx.host);
        chain::RunResponse(m, m_ctx.host);
    }
    ShowResponse();
}

void ResponseScreen::ShowResponse() {
    const model::CamModel& m = m_ctx.model;
    const bool done = m.ResponseDone;
    m_motion->setVisible(done);
    m_error->setVisible(done);
    m_residuals->setRowCount(0);
    if (!done) {
        m_summary->setText("No response computed.");
        return;
    }
    m_motion->setGraph(output::MotionGraph(m));
    m_error->setGraph(output::ErrorGraph(m));
    const std::string unit = m.UnitLabel[1];
    m_summary->setText(Q((m.Response.FromRest ? "One turn from rest" : "Steady periodic state") +
                         std::string("; natural frequency ") +
                         text::FNRoundStr(m.Response.OmegaN, 1) + " rad/s, damping ratio " +
                         text::FNRoundStr(m.Response.Zeta, 3) + ".\nLargest error " +
                         text::TrimmedStr(m.Response.MaxError) + " " + unit + " at " +
                         text::TrimmedStr(m.Response.MaxErrorAngle) + " deg."));
    const std::vector<forms::ResidualRow> rows = forms::ResidualTable(m);
    m_residuals->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const forms::ResidualRow& row = rows[static_cast<std::size_t>(r)];
        const QString cells[] = {
            Q(std::to_string(row.segment)), Q(row.law),
            Q(row.amplitude == "none" ? row.amplitude : row.amplitude + " " + unit),
            Q(row.fraction)};
        for (int c = 0; c < 4; ++c)
            m_residuals->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    m_residuals->resizeColumnsToContents();
    // Every column readable without scrolling sideways ("no dwell follows" is the longest).
    int width = 2 * m_residuals->frameWidth() + m_residuals->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_residuals->columnCount(); ++c)
        width += m_residuals->columnWidth(c);
    m_residuals->setMinimumWidth(std::max(340, width));
}

void ResponseScreen::Spectrum_Click() {
    if (m_segment->count() == 0)
        return;
    output::Graph g;
    const model::BusyPointer busy(m_ctx.host);
    if (output::SpectrumGraph(m_ctx.model, m_ctx.host, m_segment->currentData().toInt(),
                             m_from->text().toStdString(), m_to->text().toStdString(), g))
        m_spectrum->setGraph(g);
}

} // namespace trochix::ui
