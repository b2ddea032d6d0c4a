#include "ui/screens/MakeCamScreen.h"

#include "files/CamFiles.h"
#include "geometry/CamBody.h"
#include "geometry/MachinedCamScene.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/Units.h"
#include "step/MachinedCamFile.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/Navigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

using geometry::MakeCamField;

QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr std::array<MakeCamField, 4> kFields = {MakeCamField::Cutter, MakeCamField::Tolerance,
                                                 MakeCamField::Thickness, MakeCamField::Bore};
constexpr std::array<const char*, 4> kBoxNames = {"txt_Cutter", "txt_Tolerance", "txt_Thickness",
                                                  "txt_Bore"};
constexpr std::array<const char*, 4> kUnitNames = {"lbl_CutterUnit", "lbl_ToleranceUnit",
                                                   "lbl_ThicknessUnit", "lbl_BoreUnit"};

} // namespace

MakeCamScreen::MakeCamScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::MakeCam) {
    setStyleSheet(SizingStyleSheet());
    m_commits = new CommitOnLeave(this);

    m_preview = new DrawingSurface(SceneScale::Equal, this);
    m_preview->setObjectName("pct_MakeCam");
    m_preview->setMinimumSize(420, 420);
    m_errorPlot = new DrawingSurface(SceneScale::Stretch, this);
    m_errorPlot->setObjectName("pct_AsMade");
    m_errorPlot->setMinimumSize(420, 130);
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(m_preview, 1);
    pictures->addWidget(m_errorPlot);

    auto* controls = new QWidget(this);
    // A fixed width lets the wrapped summary take the height it needs.
    controls->setFixedWidth(300);
    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const MakeCamField field = kFields[i];
        m_boxes[i] =
            MakeValueBox(controls, geometry::MakeCamCaption(field), kBoxNames[i], kUnitNames[i]);
        connect(m_boxes[i].box, &QLineEdit::textEdited, this, [this, i] { m_edited[i] = true; });
        m_commits->watch(m_boxes[i].box, [this, field] { Field_Change(field); });
        column->addWidget(m_boxes[i].frame);
    }
    m_allowUndercut = new QCheckBox("Cut an undercut cam (loops trimmed)", controls);
    m_allowUndercut->setObjectName("chk_AllowUndercut");
    connect(m_allowUndercut, &QCheckBox::clicked, this, &MakeCamScreen::Undercut_Click);
    column->addWidget(m_allowUndercut);

    auto* format = new QGroupBox("Format", controls);
    format->setObjectName("fra_Format");
    m_format = new QComboBox(format);
    m_format->setObjectName("cmb_Format");
    for (const files::CamFileKind& k : files::kCamFileKinds)
        m_format->addItem(k.caption);
    auto* formatRow = new QHBoxLayout(format);
    formatRow->setContentsMargins(8, 4, 8, 4);
    formatRow->addWidget(m_format, 1);
    column->addWidget(format);

    auto* results = new QGroupBox("Results", controls);
    results->setObjectName("fra_Results");
    m_summary = new QLabel(results);
    m_summary->setObjectName("lbl_Summary");
    m_summary->setWordWrap(true);
    m_saved = new QLabel(results);
    m_saved->setObjectName("lbl_Saved");
    m_saved->setWordWrap(true);
    auto* resultColumn = new QVBoxLayout(results);
    resultColumn->setContentsMargins(8, 4, 8, 6);
    resultColumn->addWidget(m_summary);
    resultColumn->addWidget(m_saved);
    column->addWidget(results);
    column->addStretch(1);

    m_save = MakeButton(controls, "&Save...", "cmd_Save");
    connect(m_save, &QPushButton::clicked, this, &MakeCamScreen::Save_Click);
    m_done = MakeButton(controls, "&Done", "cmd_Done");
    connect(m_done, &QPushButton::clicked, this, &MakeCamScreen::Done_Click);
    for (QPushButton* b : {m_save, m_done}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(150);
        column->addWidget(b);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addLayout(pictures, 1);
    layout->addWidget(controls);
    resize(940, 680);
}

void MakeCamScreen::activate() {
    model::RunGuarded(m_ctx.host, "frm_MakeCam.Activate", [&] {
        ShowBoxes();
        Remake();
    });
    m_saved->clear();
    m_ctx.host.setBusy(false);
}

void MakeCamScreen::ShowBoxes() {
    const CommitOnLeave::Pause pause(*m_commits);
    const geometry::MakeCamBoxes b = geometry::MakeCamBoxesOf(m_ctx.model);
    const std::array<const std::string*, 4> texts = {&b.cutter, &b.tolerance, &b.thickness,
                                                     &b.bore};
    const QString length = Qs(m_ctx.model.UnitLabel[model::kLengthLabel]);
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        SetBoxText(m_boxes[i].box, *texts[i]);
        m_boxes[i].unit->setText(length);
        m_edited[i] = false;
    }
}

void MakeCamScreen::Remake() {
    const model::BusyPointer busy(m_ctx.host);
    m_settings = geometry::SettingsOf(m_ctx.model);
    m_settings.allowUndercut = m_allowUndercut->isChecked();
    m_cam = geometry::MakeCam(m_ctx.model, m_settings);
    const geometry::CamColours colours = geometry::SetCamColours(m_ctx.colours);
    m_preview->replaceScene(
        geometry::MakeCamPreview(m_cam, m_settings, geometry::CamBodyOf(m_ctx.model), colours));
    m_errorPlot->replaceScene(geometry::AsMadeErrorPlot(
        m_cam.asMade, m_ctx.model.UnitLabel[model::ResultRow::Displacement], colours));
    // No plot where there is nothing made to check (a refused cam, a barrel cam's groove).
    m_errorPlot->setVisible(!m_cam.asMade.rows.empty());
    const geometry::MakeCamSummary s = geometry::SummaryOf(m_ctx.model, m_cam);
    QStringList lines;
    for (const std::string& line : s.lines)
        lines << Qs(line).replace('\r', '\n');
    m_summary->setText(lines.join('\n'));
    m_summary->setStyleSheet(s.refused ? "color: #c00000;" : "");
    m_save->setEnabled(m_cam.ok);
}

void MakeCamScreen::Field_Change(MakeCamField field) {
    const auto i = static_cast<std::size_t>(field);
    if (!m_edited[i])
        return;
    m_edited[i] = false;
    model::RunGuarded(m_ctx.host, "frm_MakeCam.Field_Change", [&] {
        const geometry::MakeCamCommit c = geometry::CommitMakeCamField(
            m_ctx.model, m_ctx.host, field, m_boxes[i].box->text().toStdString());
        {
            const CommitOnLeave::Pause pause(*m_commits);
            m_boxes[i].box->setText(Qs(c.boxText));
        }
        if (!c.accepted) {
            m_boxes[i].box->setFocus();
            m_boxes[i].box->selectAll();
            return;
        }
        m_saved->clear();
        Remake();
    });
}

void MakeCamScreen::Undercut_Click() {
    model::RunGuarded(m_ctx.host, "frm_MakeCam.Undercut_Click", [&] { Remake(); });
}

bool MakeCamScreen::Save_Click() {
    bool written = false;
    model::RunGuarded(m_ctx.host, "frm_MakeCam.Save_Click", [&] {
        const int index = std::max(0, m_format->currentIndex());
        const files::CamFileKind& kind = files::kCamFileKinds[static_cast<std::size_t>(index)];
        const std::optional<std::string> path = m_ctx.dialogs.saveFileName(
            {"Save the Machined Cam", kind.filter, m_ctx.model.ModelName + kind.extension, true});
        if (!path)
            return;
        written = step::WriteMachinedCamFile(m_ctx.model, m_cam, m_settings, kind.format, *path,
                                             m_ctx.host);
        m_saved->setText(written ? Qs("Written: " + *path) : QString());
    });
    return written;
}

void MakeCamScreen::Done_Click() {
    closeScreen();
}

void MakeCamScreen::reject() {
    Done_Click();
}

} // namespace trochix::ui
