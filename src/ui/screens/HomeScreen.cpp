#include "ui/screens/HomeScreen.h"

#include "files/Examples.h"
#include "forms/HomeForm.h"
#include "model/CamModel.h"
#include "model/Headers.h"
#include "model/ReportError.h"
#include "model/Units.h"
#include "ui/Commands.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Navigator.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace trochix::ui {

namespace {

// Enabled, or greyed with the reason as its tooltip and status tip.
template <class Control> void Offer(Control* control, const model::Offer& offer) {
    control->setEnabled(offer.enabled);
    const QString why = QString::fromStdString(offer.why);
    control->setToolTip(why);
    control->setStatusTip(why);
}

QPushButton* MakeHomeButton(const char* caption, const char* objectName, QWidget* parent) {
    QPushButton* button = MakeButton(parent, caption, objectName);
    button->setMinimumSize(170, 38);
    button->setAutoDefault(false);
    return button;
}

} // namespace

HomeScreen::HomeScreen(AppContext& ctx) : m_ctx(ctx) {
    setObjectName("frm_HomeScreen");
    auto* central = new QWidget(this);
    auto* restore = new QLabel("Click anywhere to restore buttons", central);
    restore->setObjectName("pnl_Restore");
    restore->setAlignment(Qt::AlignCenter);
    restore->setFrameShape(QFrame::StyledPanel);
    restore->setProperty("panel", true);
    restore->setMinimumHeight(34);
    auto* right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(BuildBanner(central), 1);
    right->addWidget(restore);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addWidget(BuildButtons(central));
    layout->addLayout(right, 1);
    setCentralWidget(central);
    resize(760, 480);

    BuildFileMenu(menuBar());
    BuildMenus(menuBar());
    // Where a greyed button or entry says what enables it.
    statusBar()->setSizeGripEnabled(false);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setToolTipsVisible(true);

    model::LoadHomeScreen(m_ctx.model);
    activate();
}

QWidget* HomeScreen::BuildButtons(QWidget* central) {
    auto* buttons = new QFrame(central);
    buttons->setObjectName("fra_Buttons");
    buttons->setProperty("panel", true);
    auto* column = new QVBoxLayout(buttons);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(10);
    m_svaj = MakeHomeButton("&S-V-A-J", "cmd_SVAJ", buttons);
    m_sizeCam = MakeHomeButton("Si&ze Cam", "cmd_SizeCam", buttons);
    m_drawCam = MakeHomeButton("&Draw Cam", "cmd_DrawCam", buttons);
    m_dynamics = MakeHomeButton("D&ynamics", "cmd_Dynamics", buttons);
    m_plot = MakeHomeButton("&Plot", "cmd_Plot", buttons);
    m_print = MakeHomeButton("P&rint", "cmd_Print", buttons);
    m_quit = MakeHomeButton("&Quit", "cmd_Quit", buttons);
    for (QPushButton* b : {m_svaj, m_sizeCam, m_drawCam, m_dynamics, m_plot, m_print})
        column->addWidget(b);
    column->addStretch(1);
    column->addWidget(m_quit);

    connect(m_svaj, &QPushButton::clicked, this, &HomeScreen::SVAJ);
    connect(m_sizeCam, &QPushButton::clicked, this, &HomeScreen::SizeCam);
    connect(m_drawCam, &QPushButton::clicked, this, &HomeScreen::DrawCam);
    connect(m_dynamics, &QPushButton::clicked, this, &HomeScreen::Dynamics);
    connect(m_plot, &QPushButton::clicked, this, &HomeScreen::Plot);
    connect(m_print, &QPushButton::clicked, this, &HomeScreen::Print);
    connect(m_quit, &QPushButton::clicked, this, &HomeScreen::Quit);
    return buttons;
}

QWidget* HomeScreen::BuildBanner(QWidget* central) {
    auto* banner = new QFrame(central);
    banner->setObjectName("pnl_Banner");
    banner->setProperty("banner", true);
    auto* name = new QLabel("TROCHIX", banner);
    name->setAlignment(Qt::AlignCenter);
    SetFontScale(*name, 3.0, true);
    auto* subtitle = new QLabel("Synthesis and Analysis of Cam-Follower Systems", banner);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setWordWrap(true);
    SetFontScale(*subtitle, 1.2);
    auto* release = new QLabel(QString::fromStdString(model::ReleaseLine(m_ctx.model)), banner);
    release->setAlignment(Qt::AlignCenter);
    auto* bannerLayout = new QVBoxLayout(banner);
    bannerLayout->setContentsMargins(28, 28, 28, 28);
    bannerLayout->addStretch(1);
    bannerLayout->addWidget(name);
    bannerLayout->addWidget(subtitle);
    bannerLayout->addSpacing(12);
    bannerLayout->addWidget(release);
    bannerLayout->addStretch(1);
    return banner;
}

QAction* HomeScreen::AddCommand(QMenu* menu, const QString& caption, const QString& objectName,
                                Command command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this, [this, command] { m_ctx.commands.run(command); });
    return action;
}

template <class Slot>
QAction* HomeScreen::AddAction(QMenu* menu, const char* caption, const char* objectName,
                               Slot slot) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(objectName));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void HomeScreen::BuildFileMenu(QMenuBar* bar) {
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnu_File");
    m_new = AddAction(file, "&New", "mnu_New", &HomeScreen::New);
    m_open = AddCommand(file, "&Open", "mnu_Open", Command::Open);
    file->addSeparator();
    m_save = AddCommand(file, "&Save", "mnu_Save", Command::Save);
    m_saveAs = AddCommand(file, "Save &as", "mnu_Saveas", Command::SaveAs);
    file->addSeparator();
    m_export = file->addMenu("&Export");
    m_export->setObjectName("mnu_Export");
    for (int i = 0; i < files::kExportCount; ++i) {
        const files::ExportEntry& e = files::kExports[static_cast<std::size_t>(i)];
        m_exports[static_cast<std::size_t>(i)] =
            AddCommand(m_export, e.caption, e.menuName, ExportCommand(i));
    }
    m_export->addSeparator();
    m_makeCam = AddAction(m_export, "&Machined Cam...", "mnu_MakeCam", &HomeScreen::MakeCam);
    m_fileQuit = AddAction(file, "&Quit", "mnu_Quit", &HomeScreen::Quit);
    connect(file, &QMenu::aboutToShow, this, &HomeScreen::RefreshMenus);
}

void HomeScreen::BuildMenus(QMenuBar* bar) {
    QMenu* units = bar->addMenu("U&nits");
    units->setObjectName("mnu_Units");
    auto* group = new QActionGroup(units);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int k = 1; k <= model::kUnitSystems; ++k) {
        QAction* pick = units->addAction(QString::fromLatin1(model::UnitSystems[k].menu));
        pick->setObjectName(IndexedName("mnu_unitpick", k));
        pick->setCheckable(true);
        group->addAction(pick);
        connect(pick, &QAction::triggered, this, [this, k] { PickUnits(k); });
        m_units[k] = pick;
    }

    QMenu* examples = bar->addMenu("&Examples");
    examples->setObjectName("mnu_Examples");
    for (int k = 1; k <= files::kExampleCount; ++k)
        m_examples[k] = AddCommand(examples, QString::fromStdString(files::ExampleMenuText[k - 1]),
                                   IndexedName("mnu_Example", k), ExampleCommand(k));
    connect(examples, &QMenu::aboutToShow, this, &HomeScreen::RefreshMenus);

    QMenu* fft = bar->addMenu("FF&T");
    fft->setObjectName("mnu_FFT");
    m_calcFft = AddAction(fft, "&Calculate FFT", "mnu_CalcFFT", &HomeScreen::CalculateFFT);
    connect(fft, &QMenu::aboutToShow, this, &HomeScreen::RefreshMenus);

    QMenu* version = bar->addMenu("&Version");
    version->setObjectName("mnu_Version");
    m_about = AddAction(version, "&About Trochix", "mnu_About", &HomeScreen::About);

    QMenu* user = bar->addMenu("&User");
    user->setObjectName("mnu_User");
    m_changeUser = AddAction(user, "&Change User", "mnu_ChangeUser", &HomeScreen::ChangeUser);
}

void HomeScreen::activate() {
    SetHomeButtons();
    RefreshMenus();
}

void HomeScreen::SetHomeButtons() {
    using model::Available;
    const model::HomeButtons b = model::SetHomeButtons(m_ctx.model);
    const Navigator& nav = m_ctx.navigator;
    Offer(m_svaj, Available(b.SVAJ, nav.isAvailable(ScreenId::InputData)));
    Offer(m_sizeCam, Available(b.SizeCam, nav.isAvailable(ScreenId::SizeCam)));
    Offer(m_drawCam, Available(b.DrawCam, nav.isAvailable(ScreenId::Animate)));
    Offer(m_dynamics, Available(b.Dynamics, nav.isAvailable(ScreenId::Dynamics)));
    Offer(m_plot, Available(b.Plot, nav.isAvailable(ScreenId::PlotType)));
    Offer(m_print, Available(b.Print, nav.isAvailable(ScreenId::PrintSelect)));
    Offer(m_quit, Available(b.Quit, nav.isAvailable(ScreenId::Quit)));
}

void HomeScreen::RefreshMenus() {
    using model::Available;
    const model::Offer always{true, {}};
    const model::FileMenu f = model::FileMenuEnabling(m_ctx.model);
    const Commands& cmd = m_ctx.commands;
    const Navigator& nav = m_ctx.navigator;
    Offer(m_new, f.New);
    Offer(m_open, Available(always, cmd.isAvailable(Command::Open)));
    Offer(m_save, Available(f.Save, cmd.isAvailable(Command::Save)));
    Offer(m_saveAs, Available(f.SaveAs, cmd.isAvailable(Command::SaveAs)));
    bool anyExport = false;
    for (int i = 0; i < files::kExportCount; ++i) {
        const bool exists = cmd.isAvailable(ExportCommand(i));
        Offer(m_exports[static_cast<std::size_t>(i)], Available(always, exists));
        anyExport = anyExport || exists;
    }
    Offer(m_makeCam, Available(always, nav.isAvailable(ScreenId::MakeCam)));
    anyExport = anyExport || nav.isAvailable(ScreenId::MakeCam);
    Offer(m_export->menuAction(), Available(f.Export, anyExport));
    Offer(m_fileQuit, Available(always, nav.isAvailable(ScreenId::Quit)));
    Offer(m_calcFft, Available(f.CalculateFFT, nav.isAvailable(ScreenId::FFT)));
    for (int k = 1; k <= files::kExampleCount; ++k)
        Offer(m_examples[k], Available(always, cmd.isAvailable(ExampleCommand(k))));
    Offer(m_about, Available(always, nav.isAvailable(ScreenId::About)));
    Offer(m_changeUser, Available(always, nav.isAvailable(ScreenId::User)));
    // The tick follows the model (a model file or New may have changed the system).
    const int system = m_ctx.model.UnitSystem;
    if (system >= 1 && system <= model::kUnitSystems)
        m_units[system]->setChecked(true);
}

void HomeScreen::SVAJ() {
    m_ctx.navigator.ShowScreen(ScreenId::InputData);
}
void HomeScreen::SizeCam() {
    m_ctx.navigator.ShowScreen(ScreenId::SizeCam);
}

void HomeScreen::DrawCam() {
    // The drawing takes a moment to appear; the draw-cam screen restores the pointer once the
    // cam is drawn, and at the latest it comes back when that screen closes.
    const model::BusyPointer busy(m_ctx.host);
    m_ctx.navigator.ShowScreen(ScreenId::Animate);
}

void HomeScreen::MakeCam() {
    const model::BusyPointer busy(m_ctx.host);
    m_ctx.navigator.ShowScreen(ScreenId::MakeCam);
}

void HomeScreen::Dynamics() {
    m_ctx.navigator.ShowScreen(ScreenId::Dynamics);
}
void HomeScreen::Plot() {
    m_ctx.navigator.ShowScreen(ScreenId::PlotType);
}
void HomeScreen::Print() {
    m_ctx.navigator.ShowScreen(ScreenId::PrintSelect);
}

void HomeScreen::Quit() {
    if (model::SaveBeforeQuit(m_ctx.model))
        m_ctx.commands.run(Command::SaveAs); // nothing to run until saving exists
    m_ctx.navigator.ShowScreen(ScreenId::Quit);
}

void HomeScreen::New() {
    model::RunGuarded(m_ctx.host, "frm_Homescreen.New", [&] {
        if (model::NewCommand(m_ctx.model, m_ctx.host, m_ctx.commands.hook(Command::SaveAs)))
            activate();
    });
}

void HomeScreen::PickUnits(int k) {
    model::SelectUnitSystem(m_ctx.model, k);
    m_units[m_ctx.model.UnitSystem]->setChecked(true);
}

void HomeScreen::CalculateFFT() {
    m_ctx.navigator.ShowScreen(ScreenId::FFT);
}
void HomeScreen::About() {
    m_ctx.navigator.ShowScreen(ScreenId::About);
}
void HomeScreen::ChangeUser() {
    m_ctx.navigator.ShowScreen(ScreenId::User);
}

void HomeScreen::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activate();
}

void HomeScreen::closeEvent(QCloseEvent* event) {
    // The close box is Quit: unsaved results are offered for saving and the question is asked.
    if (!m_ctx.navigator.isAvailable(ScreenId::Quit)) {
        event->accept();
        return;
    }
    event->ignore();
    Quit();
}

} // namespace trochix::ui
