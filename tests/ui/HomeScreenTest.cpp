#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QKeySequence>
#include <QLayout>
#include <QMap>
#include <QMenuBar>
#include <QStatusBar>

using namespace trochix;
using namespace trochix::uitest;
using ui::Command;

namespace {

QStringList Captions(const QMenu* menu) {
    QStringList list;
    for (const QAction* a : menu->actions())
        list << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return list;
}

// New, Save, Save as, Calculate FFT, Export.
QString FileEntries(const ui::HomeScreen* home) {
    return EnabledFlags(home, {"mnu_New", "mnu_Save", "mnu_Saveas", "mnu_CalcFFT"}) +
           (Child<QMenu>(home, "mnu_Export")->menuAction()->isEnabled() ? '1' : '0');
}

// Per control the tip it carries: '-' none, 'M' the motion program first, 'S' the sized cam
// first, 'R' a radial cam only; '?' any other. Tooltip and status tip must agree.
QString Tips(const QObject* home, std::initializer_list<const char*> names) {
    const std::pair<char, QString> known[] = {{'-', ""},
                                              {'M', "Calculate the motion program first (S-V-A-J)"},
                                              {'S', "Size the cam first (Size Cam)"},
                                              {'R', "Only a radial cam is drawn (Size Cam)"}};
    QString tips;
    for (const char* name : names) {
        const QObject* o = Child<QObject>(home, name);
        if (auto* menu = qobject_cast<const QMenu*>(o))
            o = menu->menuAction();
        const QString status = o->property("statusTip").toString();
        const QString tool = o->property("toolTip").toString();
        char letter = '?';
        for (const auto& [l, text] : known)
            if (status == text)
                letter = l;
        // An action without a tip of its own shows its caption as its tooltip.
        if (!status.isEmpty() && tool != status)
            letter = '?';
        tips += letter;
    }
    return tips;
}

} // namespace

class HomeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void startsFreshWithItsButtonsAndMenus() {
        UiFixture f;
        f.model->SvajDone = f.model->ProfileDone = true;
        f.model->CamType = "Barrel";
        ui::HomeScreen* home = f.home();
        QVERIFY(!f.model->SvajDone && !f.model->ProfileDone);
        QCOMPARE(f.model->CamType, std::string("Radial"));
        QCOMPARE(home->windowTitle(), QString("TROCHIX for Windows         Home Screen"));

        QStringList buttons;
        QLayout* column = Child(home, "fra_Buttons")->layout();
        for (int i = 0; i < column->count(); ++i)
            if (auto* b = qobject_cast<QPushButton*>(column->itemAt(i)->widget()))
                buttons << b->text();
        QCOMPARE(buttons, QStringList({"&S-V-A-J", "Si&ze Cam", "&Draw Cam", "D&ynamics", "&Plot",
                                       "P&rint", "&Quit"}));
        QStringList bar;
        for (const QAction* a : home->menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({"&File", "U&nits", "&Examples", "FF&T", "&Version", "&User"}));
        const std::pair<const char*, QStringList> menus[] = {
            {"mnu_File", {"&New", "&Open", "-", "&Save", "Save &as", "-", "&Export", "&Quit"}},
            {"mnu_Export", {"&Spreadsheet", "&Cadkey", "&Profile", "-", "&Machined Cam..."}},
            {"mnu_Units", {"ips", "fps", "SI", "cgs", "mm-Kg-s"}},
            {"mnu_Examples",
             {"&Single Dwell - Offset Translating Follower", "Single Dwell - F&lat-Faced Follower",
              "&Double Dwell - Translating Follower", "Double Dwell - &Oscillating Follower",
              "&Four Dwell - Translating Follower"}},
            {"mnu_FFT", {"&Calculate FFT"}},
            {"mnu_Version", {"&About Trochix"}},
            {"mnu_User", {"&Change User"}},
        };
        for (const auto& [name, captions] : menus)
            QCOMPARE(Captions(Child<QMenu>(home, name)), captions);
        ExpectTexts(home, {{"pnl_Restore", "Click anywhere to restore buttons"}});
    }

    // Alt and a letter reaches exactly one thing on the home screen: its buttons and the menus
    // of its bar (File and FFT once both answered Alt+F, Units and User Alt+U).
    void accessKeysAreUnique() {
        UiFixture f;
        ui::HomeScreen* home = f.home();
        QStringList captions;
        for (const QPushButton* b : home->findChildren<QPushButton*>())
            captions << b->text();
        for (const QAction* a : home->menuBar()->actions())
            captions << a->text();
        QVERIFY(captions.size() >= 13);
        QMap<int, QString> owner;
        for (const QString& caption : captions) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            QVERIFY2(!key.isEmpty(), qPrintable(caption + " has no access key"));
            QVERIFY2(!owner.contains(key[0].toCombined()),
                     qPrintable(caption + " shares its key with " + owner[key[0].toCombined()]));
            owner.insert(key[0].toCombined(), caption);
        }
        QCOMPARE(QKeySequence::mnemonic("FF&T"), QKeySequence(Qt::ALT | Qt::Key_T));
    }

    // Nothing calculated, a motion program, a sized radial cam, a sized barrel cam. A greyed
    // button or entry says in its tooltip and status tip what enables it (M: the motion
    // program, S: the sized cam, R: a radial cam); an enabled one has no tip.
    void enablingFollowsTheFlags() {
        const struct {
            bool svaj, profile;
            const char* camType;
            const char* buttons; // S-V-A-J .. Quit
            const char* file;    // New, Save, Save as, Calculate FFT, Export
            const char* buttonTips;
            const char* fileTips;
        } cases[] = {{false, false, "Radial", "1000001", "00000", "-MSSMM-", "MMMMS"},
                     {true, false, "Radial", "1100111", "11110", "--SS---", "----S"},
                     {true, true, "Radial", "1111111", "11111", "-------", "-----"},
                     {true, true, "Barrel", "1101111", "11111", "--R----", "-----"}};
        for (const auto& c : cases) {
            const Row row{c.buttons};
            UiFixture f;
            f.homeTargets();
            ui::HomeScreen* home = f.home();
            f.model->SvajDone = c.svaj;
            f.model->ProfileDone = c.profile;
            f.model->CamType = c.camType;
            home->activate();
            QCOMPARE(HomeButtons(home), QString(c.buttons));
            QCOMPARE(FileEntries(home), QString(c.file));
            QCOMPARE(EnabledFlags(home, {"mnu_Open", "mnu_Quit", "mnu_About", "mnu_ChangeUser"}),
                     QString("1111"));
            QCOMPARE(Tips(home, {"cmd_SVAJ", "cmd_SizeCam", "cmd_DrawCam", "cmd_Dynamics",
                                 "cmd_Plot", "cmd_Print", "cmd_Quit"}),
                     QString(c.buttonTips));
            QCOMPARE(Tips(home, {"mnu_New", "mnu_Save", "mnu_Saveas", "mnu_CalcFFT", "mnu_Export"}),
                     QString(c.fileTips));
        }
    }

    // The reason shows in the status bar while the pointer rests on the greyed button, and as
    // the tooltip of a greyed menu entry.
    void greyedButtonSaysWhy() {
        UiFixture f;
        f.homeTargets();
        ui::HomeScreen* home = f.home();
        home->show();
        QVERIFY(QTest::qWaitForWindowExposed(home));
        QTest::mouseMove(Child(home, "cmd_Dynamics"));
        QTRY_COMPARE(home->statusBar()->currentMessage(), QString("Size the cam first (Size Cam)"));
        QTest::mouseMove(Child(home, "cmd_SVAJ"));
        QTRY_COMPARE(home->statusBar()->currentMessage(), QString());
        QVERIFY(Child<QMenu>(home, "mnu_File")->toolTipsVisible());
        QCOMPARE(Child<QAction>(home, "mnu_Saveas")->toolTip(),
                 QString("Calculate the motion program first (S-V-A-J)"));
    }

    // A button never does nothing: until its screen or command exists it stays disabled.
    void targetsThatDoNotExistStayDisabled() {
        UiFixture f;
        for (int c = 0; c < ui::kCommandCount; ++c)
            f.commands.add(static_cast<Command>(c), {});
        f.homeTargets();
        f.navigator.registerScreen(ScreenId::SizeCam, {});
        f.navigator.registerScreen(ScreenId::FFT, {});
        f.navigator.registerScreen(ScreenId::MakeCam, {});
        ui::HomeScreen* home = f.home();
        f.model->SvajDone = true;
        home->activate();
        QCOMPARE(HomeButtons(home), QString("1000111"));
        QCOMPARE(FileEntries(home), QString("10000")); // New is the shell's own
        QCOMPARE(EnabledFlags(home, {"mnu_Open", "mnu_Example_4"}), QString("00"));
        for (const char* name : {"cmd_SizeCam", "mnu_Open", "mnu_Example_4", "mnu_CalcFFT"})
            QCOMPARE(Child<QObject>(home, name)->property("statusTip").toString(),
                     QString("Not included in this version of the program"));

        f.standIns({ScreenId::SizeCam, ScreenId::FFT});
        f.commands.add(Command::SaveAs, [] {});
        f.commands.add(ui::ExampleCommand(4), [] {});
        home->activate();
        QCOMPARE(HomeButtons(home), QString("1100111"));
        QCOMPARE(FileEntries(home), QString("10110"));
        QCOMPARE(EnabledFlags(home, {"mnu_Example_4", "mnu_Example_5"}), QString("10"));

        // Export needs a sized profile and at least one export.
        f.model->ProfileDone = true;
        home->activate();
        QCOMPARE(FileEntries(home).back(), QChar('0'));
        f.commands.add(Command::ExportCadkey, [] {});
        home->activate();
        QCOMPARE(FileEntries(home).back(), QChar('1'));
        QCOMPARE(EnabledFlags(home, {"mnu_Cadkey", "mnu_Profile"}), QString("10"));
    }

    void buttonsAndMenusOpenTheirScreens() {
        UiFixture f;
        f.homeTargets();
        ui::HomeScreen* home = f.home();
        f.model->SvajDone = f.model->ProfileDone = true;
        home->activate();
        const std::pair<const char*, ScreenId> targets[] = {
            {"cmd_SVAJ", ScreenId::InputData},  {"cmd_SizeCam", ScreenId::SizeCam},
            {"cmd_DrawCam", ScreenId::Animate}, {"cmd_Dynamics", ScreenId::Dynamics},
            {"cmd_Plot", ScreenId::PlotType},   {"cmd_Print", ScreenId::PrintSelect},
            {"mnu_CalcFFT", ScreenId::FFT},     {"mnu_About", ScreenId::About},
            {"mnu_ChangeUser", ScreenId::User},
        };
        for (const auto& [name, screen] : targets) {
            if (auto* button = home->findChild<QPushButton*>(name))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                f.trigger(name);
            QVERIFY2(f.navigator.lastShownIs(screen), name);
        }
        // Draw Cam's busy pointer, restored once its drawing is up and again, harmlessly,
        // when the home screen's guard lets go.
        QCOMPARE(f.host.busyCalls, std::vector<bool>({true, false, false}));
    }

    void unitsMenuKeepsExactlyOneTick() {
        UiFixture f;
        ui::HomeScreen* home = f.home();
        auto ticked = [&] {
            QStringList t;
            for (const QAction* a : Child<QMenu>(home, "mnu_Units")->actions())
                if (a->isChecked())
                    t << a->text();
            return t;
        };
        QCOMPARE(ticked(), QStringList({"ips"}));
        f.model->PrimeRadius = 2.5f;
        f.trigger("mnu_unitpick_3");
        f.trigger("mnu_unitpick_3"); // the ticked entry again stays ticked
        QCOMPARE(ticked(), QStringList({"SI"}));
        QCOMPARE(f.model->UnitSystem, 3);
        QCOMPARE(f.model->UnitLabel[1] + " " + f.model->UnitLabel[8], std::string("m N-m"));
        QCOMPARE(f.model->PrimeRadius, 2.5f); // labels only: numbers are never converted
        // A model read from a file brings its own system; the tick follows on activation.
        f.model->UnitSystem = 2;
        home->activate();
        QCOMPARE(ticked(), QStringList({"fps"}));
    }

    void quitSavesUnsavedResultsFirst() {
        UiFixture f;
        int saves = 0;
        f.commands.add(Command::SaveAs, [&] {
            ++saves;
            f.model->ModelSaved = true;
        });
        ui::HomeScreen* home = f.home();
        Click(home, "cmd_Quit");
        QCOMPARE(saves, 0);
        QVERIFY(f.navigator.lastShownIs(ScreenId::Quit));
        f.model->SvajDone = true;
        f.model->ModelSaved = false;
        home->Quit();
        QCOMPARE(saves, 1);
        // Saved now: the File menu's Quit and the close box ask at once.
        f.trigger("mnu_Quit");
        home->close();
        QCOMPARE(saves, 1);
        QCOMPARE(f.navigator.shown, std::vector<ScreenId>(4, ScreenId::Quit));
        // Without a save command the question still comes, and nothing else.
        f.commands.add(Command::SaveAs, {});
        f.model->ModelSaved = false;
        home->Quit();
        QCOMPARE(f.navigator.timesShown(ScreenId::Quit), 5);
        QVERIFY(f.host.messages.empty());
    }
};

TROCHIX_UI_TEST(HomeScreenTest)
#include "HomeScreenTest.moc"
