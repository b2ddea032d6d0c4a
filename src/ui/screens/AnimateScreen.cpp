#include "ui/screens/AnimateScreen.h"

#include "chain/Recalculate.h"
#include "forms/AnimateForm.h"
#include "forms/SizeCamForm.h"
#include "geometry/Profile.h"
#include "geometry/SizingChecks.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/Units.h"
#include "ui/CommonButtons.h"
#include "ui/Controls.h"
#include "ui/DrawingSurface.h"
#include "ui/Navigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The wait list's default: a turn in about a second and a half.
constexpr int kDefaultWait = 2;

} // namespace

AnimateScreen::AnimateScreen(AppContext& ctx) : ScreenBase(ctx, ScreenId::Animate) {
    setStyleSheet(SizingStyleSheet());
    m_commits = new CommitOnLeave(this);
    m_timer.setParent(this);
    connect(&m_timer, &QTimer::timeout, this, &AnimateScreen::NextFrame);

    m_picture = new DrawingSurface(SceneScale::Equal, this);
    m_picture->setObjectName("pct_Cam");
    m_picture->setMinimumSize(480, 480);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addWidget(m_picture, 1);
    layout->addWidget(BuildControls());

    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    Wait_Change();
    resize(900, 640);
}

QWidget* AnimateScreen::BuildControls() {
    auto* w = new QWidget(this);
    auto* column = new QVBoxLayout(w);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);

    m_rotate = MakeOptionPair(w, "Cam Rotation", "Rotate", "Ccw", "Cw");
    for (QRadioButton* b : {m_rotate.first, m_rotate.second})
        connect(b, &QRadioButton::clicked, this, &AnimateScreen::Rotate_Click);
    m_prime = MakeValueBox(w, "Prime Radius", "txt_Prime", "lbl_PrimeUnit");
    m_prime.frame->setObjectName("fra_Prime");
    m_offset = MakeValueBox(w, "Offset", "txt_Offset", "lbl_OffsetUnit");
    m_offset.frame->setObjectName("fra_Offset");
    m_follower = MakeValueBox(w, "Folwr Radius", "txt_Follower", "lbl_FollowerUnit");
    m_follower.frame->setObjectName("fra_Follower");
    connect(m_prime.box, &QLineEdit::textEdited, this, [this] { m_primeEdited = true; });
    connect(m_offset.box, &QLineEdit::textEdited, this, [this] { m_offsetEdited = true; });
    connect(m_follower.box, &QLineEdit::textEdited, this, [this] { m_followerEdited = true; });
    m_commits->watch(m_prime.box, [this] { Prime_Change(); });
    m_commits->watch(m_offset.box, [this] { Offset_Change(); });
    m_commits->watch(m_follower.box, [this] { Follower_Change(); });

    auto* wait = new QGroupBox("Pause Between Frames", w);
    wait->setObjectName("fra_Wait");
    m_wait = new QComboBox(wait);
    m_wait->setObjectName("cmb_wait");
    for (const std::string& choice : geometry::WaitList)
        m_wait->addItem(Qs(choice));
    m_wait->setCurrentIndex(kDefaultWait);
    auto* waitRow = new QHBoxLayout(wait);
    waitRow->setContentsMargins(8, 4, 8, 4);
    waitRow->addWidget(m_wait, 1);
    connect(m_wait, &QComboBox::currentIndexChanged, this, &AnimateScreen::Wait_Change);

    auto* results = new QGroupBox("Results", w);
    results->setObjectName("fra_Results");
    auto* grid = new QGridLayout(results);
    grid->setContentsMargins(8, 4, 8, 6);
    m_pamax = MakeResultLabel(results, "lbl_Pamax");
    m_pamin = MakeResultLabel(results, "lbl_Pamin");
    m_rhoPos = MakeResultLabel(results, "lbl_RhoPos");
    m_rhoNeg = MakeResultLabel(results, "lbl_RhoNeg");
    const std::pair<const char*, QLabel*> rows[] = {
        {"Max Phi (deg)", m_pamax},
        {"Min Phi (deg)", m_pamin},
        {"Min Rho +", m_rhoPos},
        {"Min Rho -", m_rhoNeg},
    };
    int r = 0;
    for (const auto& [caption, value] : rows) {
        grid->addWidget(new QLabel(caption, results), r, 0);
        grid->addWidget(value, r++, 1);
    }

    m_run = MakeButton(w, "&Run", "cmd_Run");
    connect(m_run, &QPushButton::clicked, this, &AnimateScreen::Run_Click);
    m_print = MakeButton(w, "&Print", "cmd_AnimatePrint");
    connect(m_print, &QPushButton::clicked, this, &AnimateScreen::AnimatePrint_Click);
    m_makeCam = MakeButton(w, "&Make Cam", "cmd_MakeCam");
    m_makeCam->setToolTip("The cam as the shop makes it: arcs, cutter path and files");
    connect(m_makeCam, &QPushButton::clicked, this, &AnimateScreen::MakeCam_Click);
    m_done = MakeButton(w, "&Done", "cmd_Done");
    connect(m_done, &QPushButton::clicked, this, &AnimateScreen::Done_Click);

    for (QGroupBox* c :
         {m_rotate.frame, m_prime.frame, m_offset.frame, m_follower.frame, wait, results})
        column->addWidget(c);
    m_pressureColour = new QCheckBox("Colour by contact pressure", w);
    m_pressureColour->setObjectName("chk_PressureColour");
    m_pressureColour->setToolTip("The cam's edge from blue (least) to red (largest Hertz "
                                 "pressure); needs the dynamics computed");
    connect(m_pressureColour, &QCheckBox::clicked, this, &AnimateScreen::PressureColour_Click);
    column->addWidget(m_pressureColour);
    column->addStretch(1);
    for (QPushButton* b : {m_run, m_print, m_makeCam, m_done}) {
        b->setMinimumWidth(150);
        column->addWidget(b);
    }
    return w;
}

void AnimateScreen::activate() {
    // The home screen showed the busy pointer while this screen came up.
    const bool ready = Profile();
    DrawProfile(ready);
    ShowTexts();
    m_ctx.host.setBusy(false);
}

bool AnimateScreen::Profile() {
    return geometry::CamProfile(m_ctx.model, m_ctx.host);
}

void AnimateScreen::ShowTexts() {
    const CommitOnLeave::Pause pause(*m_commits);
    const model::CamModel& m = m_ctx.model;
    const geometry::AnimateTexts t = geometry::AnimateResults(m);
    m_pamax->setText(Qs(t.pamax));
    m_pamin->setText(Qs(t.pamin));
    m_rhoPos->setText(Qs(t.rhoPos));
    m_rhoNeg->setText(Qs(t.rhoNeg));
    m_prime.frame->setTitle(Qs(t.primeCaption));
    m_follower.frame->setTitle(Qs(t.followerCaption));
    const geometry::SizeCamBoxes boxes = geometry::SizeCamBoxesOf(m);
    SetBoxText(m_prime.box, boxes.prime);
    SetBoxText(m_offset.box, boxes.offset);
    SetBoxText(m_follower.box, t.followerText);
    m_offset.box->setEnabled(t.offsetEditable);
    m_follower.box->setEnabled(t.followerEditable);
    m_primeEdited = m_offsetEdited = m_followerEdited = false;
    m_rotate.choose(m.CamDirection == 1);
    const QString length = Qs(m.UnitLabel[model::kLengthLabel]);
    for (QLabel* unit : {m_prime.unit, m_offset.unit, m_follower.unit})
        unit->setText(length);
}

void AnimateScreen::DrawProfile(bool profileReady) {
    m_timer.stop();
    m_drawing =
        geometry::CamDrawing::DrawCam_Setup(m_ctx.model, m_ctx.host, m_ctx.colours, profileReady);
    m_pressureColour->setEnabled(m_drawing.canColourByPressure());
    m_drawing.colourByPressure(m_pressureColour->isChecked());
    m_picture->replaceScene(m_drawing.DrawProfileStart());
    m_nextFrame = 1;
    if (m_nextFrame < m_drawing.frameCount())
        m_timer.start();
    else
        FinishDrawing();
}

void AnimateScreen::NextFrame() {
    if (m_nextFrame >= m_drawing.frameCount()) {
        FinishDrawing();
        return;
    }
    m_drawing.DrawSub(m_picture->scene(), m_nextFrame++);
    m_picture->update();
    if (m_nextFrame >= m_drawing.frameCount())
        FinishDrawing();
}

void AnimateScreen::FinishDrawing() {
    m_timer.stop();
    // The finished picture, the same the drawing files hold.
    m_picture->replaceScene(m_drawing.Finished());
    m_nextFrame = m_drawing.frameCount();
}

void AnimateScreen::Wait_Change() {
    const int choice = std::stoi(geometry::WaitList[std::max(0, m_wait->currentIndex())]);
    m_timer.setInterval(geometry::FramePauseMs(geometry::DelayCountFor(choice)));
}

void AnimateScreen::Run_Click() {
    model::RunGuarded(m_ctx.host, "frm_Animate.Run", [&] { DrawProfile(Profile()); });
}

void AnimateScreen::Rotate_Click() {
    model::CamModel& m = m_ctx.model;
    const int direction = m_rotate.firstChosen() ? 1 : -1;
    if (direction == m.CamDirection)
        return;
    m.CamDirection = direction;
    // The arm's pressure angle turns with the cam: the whole sizing follows the direction.
    Resize();
}

void AnimateScreen::Resize() {
    model::CamModel& m = m_ctx.model;
    m_timer.stop();
    chain::RecalculateSizing(m, m_ctx.host);
    const bool ready = m.ProfileDone && Profile();
    DrawProfile(ready);
    ShowTexts();
}

void AnimateScreen::Prime_Change() {
    if (!m_primeEdited)
        return;
    m_primeEdited = false;
    const geometry::FieldCommit c =
        geometry::CommitPrime(m_ctx.model, m_ctx.host, m_prime.box->text().toStdString());
    if (!c.accepted) {
        const CommitOnLeave::Pause pause(*m_commits);
        m_prime.box->setText(Qs(c.boxText));
        return;
    }
    Resize();
}

void AnimateScreen::Offset_Change() {
    if (!m_offsetEdited)
        return;
    m_offsetEdited = false;
    const geometry::FieldCommit c =
        geometry::CommitOffset(m_ctx.model, m_ctx.host, m_offset.box->text().toStdString());
    if (!c.accepted) {
        const CommitOnLeave::Pause pause(*m_commits);
        m_offset.box->setText(Qs(c.boxText));
        return;
    }
    Resize();
}

void AnimateScreen::Follower_Change() {
    if (!m_followerEdited)
        return;
    m_followerEdited = false;
    model::CamModel& m = m_ctx.model;
    const geometry::FieldCommit c =
        geometry::CommitFollower(m, m_ctx.host, m_follower.box->text().toStdString());
    if (!c.accepted) {
        const CommitOnLeave::Pause pause(*m_commits);
        m_follower.box->setText(Qs(c.boxText));
        return;
    }
    // The roller radius changes the drawing, not the pitch curve.
    m.ModelSaved = false;
    DrawProfile(Profile());
    ShowTexts();
}

void AnimateScreen::AnimatePrint_Click() {
    const model::Answer a =
        m_ctx.host.message(geometry::AnimatePrintQuestion(), model::Icon::Question,
                           model::DefaultTitle(), model::Buttons::OKCancel, model::Answer::Cancel);
    if (a != model::Answer::OK)
        return;
    FinishDrawing();
    PrintForm(m_ctx, *this, screenName());
}

void AnimateScreen::PressureColour_Click() {
    m_drawing.colourByPressure(m_pressureColour->isChecked());
    FinishDrawing();
}

void AnimateScreen::MakeCam_Click() {
    // The drawing is finished first: the Make Cam screen comes up over a still picture.
    FinishDrawing();
    const model::BusyPointer busy(m_ctx.host);
    m_ctx.navigator.ShowScreen(ScreenId::MakeCam);
}

void AnimateScreen::Done_Click() {
    m_timer.stop();
    closeScreen();
}

void AnimateScreen::reject() {
    Done_Click();
}

void AnimateScreen::hideEvent(QHideEvent* event) {
    m_timer.stop();
    ScreenBase::hideEvent(event);
}

} // namespace trochix::ui
