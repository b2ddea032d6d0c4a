#include "StandIns.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "ui/Commands.h"
#include "ui/screens/HomeScreen.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace trochix;
using namespace trochix::uitest;
using model::Answer;
using ui::Command;

namespace {

const char* const kButtons[] = {"cmd_SVAJ", "cmd_SizeCam", "cmd_DrawCam", "cmd_Dynamics",
                                "cmd_Plot", "cmd_Print",   "cmd_Quit"};

QStringList Captions(const QMenu* menu) {
    QStringList list;
    for (const QAction* a : menu->actions())
        list << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return list;
}

// Which of the seven buttons are enabled, in screen order: "1010001".
QString EnabledButtons(ui::HomeScreen& home) {
    QString s;
    for (const char* name : kButtons)
        s += home.findChild<QPushButton*>(name)->isEnabled() ? '1' : '0';
    return s;
}

// New, Save, Save as, Calculate FFT, Export.
QString EnabledFileEntries(ui::HomeScreen& home) {
    QString s;
    for (const char* name : {"mnu_New", "mnu_Save", "mnu_Saveas", "mnu_CalcFFT"})
        s += home.findChild<QAction*>(name)->isEnabled() ? '1' : '0';
    s += home.findChild<QMenu*>("mnu_Export")->menuAction()->isEnabled() ? '1' : '0';
    return s;
}

void AddFileCommands(UiFixture& f, int* saveAsCalls = nullptr) {
    auto nothing = [] {};
    f.commands.add(Command::Open, nothing);
    f.commands.add(Command::Save, nothing);
    f.commands.add(Command::SaveAs, [&f, saveAsCalls] {
        f.model->ModelSaved = true;
        if (saveAsCalls)
            ++*saveAsCalls;
    });
    f.commands.add(Command::ExportSpreadsheet, nothing);
    f.commands.add(Command::ExportCadkey, nothing);
    f.commands.add(Command::ExportProfile, nothing);
}

} // namespace

class HomeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void loadingStartsFresh() {
        UiFixture f;
        f.model->SvajDone = true;
        f.model->ProfileDone = true;
        f.model->CamType = "Barrel";
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        QVERIFY(home);
        QVERIFY(!f.model->SvajDone);
        QVERIFY(!f.model->ProfileDone);
        QCOMPARE(f.model->CamType, std::string("Radial"));
    }

    void buttonsInOrderWithTheirCaptions() {
        UiFixture f;
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        const QStringList expected = {"&S-V-A-J", "Si&ze Cam", "&Draw Cam", "D&ynamics",
                                      "&Plot",    "P&rint",    "&Quit"};
        QStringList shown;
        QLayout* column = home->findChild<QWidget*>("fra_Buttons")->layout();
        for (int i = 0; i < column->count(); ++i)
            if (auto* b = qobject_cast<QPushButton*>(column->itemAt(i)->widget()))
                shown << b->text();
        QCOMPARE(shown, expected);
    }

    void menusExactlyAsTabled() {
        UiFixture f;
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        QStringList bar;
        for (const QAction* a : home->menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({"&File", "&Units", "&Examples", "&FFT", "&Version", "&User"}));
        QCOMPARE(Captions(home->findChild<QMenu*>("mnu_File")),
                 QStringList({"&New", "&Open", "-", "&Save", "Save &as", "-", "&Export",
                              "&Quit"}));
        QCOMPARE(Captions(home->findChild<QMenu*>("mnu_Export")),
                 QStringList({"&Spreadsheet", "&Cadkey", "&Profile"}));
        QCOMPARE(Captions(home->findChild<QMenu*>("mnu_Units")),
                 QStringList({"ips", "fps", "SI", "cgs", "mm-Kg-s"}));
        QCOMPARE(Captions(home->findChild<QMenu*>("mnu_Examples")),
                 QStringList({"&Single Dwell - Offset Translating Follower",
                              "Single Dwell - F&lat-Faced Follower",
                              "&Double Dwell - Translating Follower",
                              "Double Dwell - &Oscillating Follower",
                              "&Four Dwell - Translating Follower"}));
        QCOMPARE(Captions(home->findChild<QMenu*>("mnu_FFT")), QStringList({"&Calculate FFT"}));
        QCOMPARE(Captions(home->findChild<QMenu*>("mnu_Version")),
                 QStringList({"&About Trochix"}));
        QCOMPARE(Captions(home->findChild<QMenu*>("mnu_User")), QStringList({"&Change User"}));
        QCOMPARE(home->findChild<QWidget*>("pnl_Restore")->property("text").toString(),
                 QString("Click anywhere to restore buttons"));
    }

    void enablingFollowsTheFlags_data() {
        QTest::addColumn<bool>("svaj");
        QTest::addColumn<bool>("profile");
        QTest::addColumn<QString>("camType");
        QTest::addColumn<QString>("buttons"); // S-V-A-J .. Quit
        QTest::addColumn<QString>("file");    // New, Save, Save as, Calculate FFT, Export
        QTest::newRow("nothing calculated") << false << false << "Radial" << "1000001" << "00000";
        QTest::newRow("motion program") << true << false << "Radial" << "1100111" << "11110";
        QTest::newRow("sized radial cam") << true << true << "Radial" << "1111111" << "11111";
        QTest::newRow("sized barrel cam") << true << true << "Barrel" << "1101111" << "11111";
    }
    void enablingFollowsTheFlags() {
        QFETCH(bool, svaj);
        QFETCH(bool, profile);
        QFETCH(QString, camType);
        UiFixture f;
        RegisterHomeTargets(f);
        AddFileCommands(f);
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        f.model->SvajDone = svaj;
        f.model->ProfileDone = profile;
        f.model->CamType = camType.toStdString();
        home->activate();
        QTEST(EnabledButtons(*home), "buttons");
        QTEST(EnabledFileEntries(*home), "file");
        // Entries without flag rules.
        QVERIFY(home->findChild<QAction*>("mnu_Open")->isEnabled());
        QVERIFY(home->findChild<QAction*>("mnu_Quit")->isEnabled());
        QVERIFY(home->findChild<QAction*>("mnu_About")->isEnabled());
        QVERIFY(home->findChild<QAction*>("mnu_ChangeUser")->isEnabled());
    }

    // A button never does nothing: until its screen or command exists it stays disabled,
    // and it lights up as soon as the module registers.
    void targetsThatDoNotExistStayDisabled() {
        UiFixture f;
        // As before the file and example modules registered their commands.
        for (int c = 0; c < ui::kCommandCount; ++c)
            f.commands.add(static_cast<Command>(c), {});
        RegisterHomeTargets(f);
        f.navigator.registerScreen(ScreenId::SizeCam, {});
        f.navigator.registerScreen(ScreenId::FFT, {});
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        f.model->SvajDone = true;
        home->activate();
        QCOMPARE(EnabledButtons(*home), QString("1000111"));
        QCOMPARE(EnabledFileEntries(*home), QString("10000")); // New is the shell's own
        QVERIFY(!home->findChild<QAction*>("mnu_Open")->isEnabled());
        for (int k = 1; k <= 5; ++k)
            QVERIFY(!home->findChild<QAction*>(QString("mnu_Example_%1").arg(k))->isEnabled());

        RegisterStandIns(f, {ScreenId::SizeCam, ScreenId::FFT});
        f.commands.add(Command::SaveAs, [] {});
        f.commands.add(ui::ExampleCommand(4), [] {});
        home->activate();
        QCOMPARE(EnabledButtons(*home), QString("1100111"));
        QCOMPARE(EnabledFileEntries(*home), QString("10110"));
        QVERIFY(home->findChild<QAction*>("mnu_Example_4")->isEnabled());
        QVERIFY(!home->findChild<QAction*>("mnu_Example_5")->isEnabled());

        // Export needs a sized profile and at least one export.
        f.model->ProfileDone = true;
        home->activate();
        QVERIFY(!home->findChild<QMenu*>("mnu_Export")->menuAction()->isEnabled());
        f.commands.add(Command::ExportCadkey, [] {});
        home->activate();
        QVERIFY(home->findChild<QMenu*>("mnu_Export")->menuAction()->isEnabled());
        QVERIFY(home->findChild<QAction*>("mnu_Cadkey")->isEnabled());
        QVERIFY(!home->findChild<QAction*>("mnu_Profile")->isEnabled());
    }

    void buttonsOpenTheirScreens() {
        UiFixture f;
        RegisterHomeTargets(f);
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        f.model->SvajDone = f.model->ProfileDone = true;
        home->activate();
        const std::pair<const char*, ScreenId> targets[] = {
            {"cmd_SVAJ", ScreenId::InputData}, {"cmd_SizeCam", ScreenId::SizeCam},
            {"cmd_DrawCam", ScreenId::Animate}, {"cmd_Dynamics", ScreenId::Dynamics},
            {"cmd_Plot", ScreenId::PlotType},   {"cmd_Print", ScreenId::PrintSelect},
        };
        for (const auto& [button, screen] : targets) {
            QTest::mouseClick(home->findChild<QPushButton*>(button), Qt::LeftButton);
            QVERIFY2(f.navigator.lastShownIs(screen), button);
        }
        // Draw Cam shows the busy pointer before its screen.
        QCOMPARE(f.host.busyCalls, std::vector<bool>({true}));
        home->findChild<QAction*>("mnu_CalcFFT")->trigger();
        QVERIFY(f.navigator.lastShownIs(ScreenId::FFT));
        home->findChild<QAction*>("mnu_About")->trigger();
        QVERIFY(f.navigator.lastShownIs(ScreenId::About));
        home->findChild<QAction*>("mnu_ChangeUser")->trigger();
        QVERIFY(f.navigator.lastShownIs(ScreenId::User));
    }

    void unitsMenuKeepsExactlyOneTick() {
        UiFixture f;
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        auto ticked = [&] {
            QStringList t;
            for (const QAction* a : home->findChild<QMenu*>("mnu_Units")->actions())
                if (a->isChecked())
                    t << a->text();
            return t;
        };
        QCOMPARE(ticked(), QStringList({"ips"}));
        f.model->PrimeRadius = 2.5f;

        home->findChild<QAction*>("mnu_unitpick_3")->trigger();
        QCOMPARE(ticked(), QStringList({"SI"}));
        QCOMPARE(f.model->UnitSystem, 3);
        QCOMPARE(f.model->UnitLabel[1], std::string("m"));
        QCOMPARE(f.model->UnitLabel[7], std::string("N"));
        QCOMPARE(f.model->UnitLabel[8], std::string("N-m"));
        QCOMPARE(f.model->PrimeRadius, 2.5f); // labels only: numbers are never converted

        // Choosing the ticked entry again keeps it ticked.
        home->findChild<QAction*>("mnu_unitpick_3")->trigger();
        QCOMPARE(ticked(), QStringList({"SI"}));

        home->findChild<QAction*>("mnu_unitpick_5")->trigger();
        QCOMPARE(ticked(), QStringList({"mm-Kg-s"}));
        QCOMPARE(f.model->UnitLabel[7], std::string("KN"));

        // A model read from a file brings its own system; the tick follows on activation.
        f.model->UnitSystem = 2;
        home->activate();
        QCOMPARE(ticked(), QStringList({"fps"}));
    }

    void quitAsksAtOnceWithNothingToSave() {
        UiFixture f;
        int saves = 0;
        AddFileCommands(f, &saves);
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        QTest::mouseClick(home->findChild<QPushButton*>("cmd_Quit"), Qt::LeftButton);
        QCOMPARE(saves, 0);
        QVERIFY(f.navigator.lastShownIs(ScreenId::Quit));
    }

    void quitSavesUnsavedResultsFirst() {
        UiFixture f;
        int saves = 0;
        AddFileCommands(f, &saves);
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        f.model->SvajDone = true;
        f.model->ModelSaved = false;
        home->Quit();
        QCOMPARE(saves, 1);
        QCOMPARE(f.navigator.shown, std::vector<ScreenId>({ScreenId::Quit}));
        // Saved now: a second Quit asks at once.
        home->Quit();
        QCOMPARE(saves, 1);
        QCOMPARE(f.navigator.timesShown(ScreenId::Quit), 2);
        // The File menu's Quit and the close box take the same way.
        home->findChild<QAction*>("mnu_Quit")->trigger();
        QCOMPARE(f.navigator.timesShown(ScreenId::Quit), 3);
        home->close();
        QCOMPARE(f.navigator.timesShown(ScreenId::Quit), 4);
    }

    void quitWithoutASaveCommandGoesStraightToTheQuestion() {
        UiFixture f;
        f.commands.add(Command::SaveAs, {}); // nothing registered for saving
        auto* home = f.screen<ui::HomeScreen>(ScreenId::HomeScreen);
        f.model->SvajDone = true;
        home->Quit();
        QVERIFY(f.navigator.lastShownIs(ScreenId::Quit));
        QVERIFY(f.host.messages.empty());
    }
};

TROCHIX_UI_TEST(HomeScreenTest)
#include "HomeScreenTest.moc"
