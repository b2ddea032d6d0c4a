#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/Units.h"
#include "ui/HeaderPanels.h"
#include "ui/screens/AboutScreen.h"
#include "ui/screens/QuitScreen.h"
#include "ui/screens/TitleScreen.h"
#include "ui/screens/UserScreen.h"

#include <QGroupBox>

using namespace trochix;
using namespace trochix::uitest;

namespace {
const char* const kRelease = "Release 6.0 -32-bit,  Rev 2.1   11/30/99";
} // namespace

class ShellScreensTest : public QObject {
    Q_OBJECT
private slots:
    void titleShowsTheReleaseAndStartsTheProgram() {
        UiFixture f;
        auto* title = f.open<ui::TitleScreen>(ScreenId::Title);
        ExpectTexts(title, {{"lbl_Version", kRelease}, {"lbl_Name", "TROCHIX"},
                            {"cmd_Start", "&Start"},
                            {"lbl_Heading",
                             "A Program for the Synthesis and Analysis of Cam-Follower Systems"}});
        QCOMPARE(title->windowTitle(), QString("TROCHIX for Windows"));
        auto* start = Child<QPushButton>(title, "cmd_Start");
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);
        QVERIFY(!title->isVisible() && f.navigator.lastShownIs(ScreenId::HomeScreen));
    }

    // Tab selects the next box's text; Enter in the name box moves to Done, Enter on Done is Done.
    void userScreenShowsTheModelAndTakesKeys() {
        UiFixture f;
        f.model->UserName = "Ada";
        f.model->DesignNo = 314;
        auto* user = f.open<ui::UserScreen>(ScreenId::User);
        auto* name = Child<QLineEdit>(user, "txt_UserName");
        auto* design = Child<QLineEdit>(user, "txt_DesignNo");
        QCOMPARE(name->text(), QString("Ada"));
        QCOMPARE(Child<QLineEdit>(user, "txt_Filename")->text(), QString("Model1"));
        QStringList captions;
        for (const QLabel* l : user->findChildren<QLabel*>())
            captions << l->text();
        for (const char* c : {"Please enter your name and/or a project ID:",
                              "Please enter a design number:",
                              "Please enter a disk filename (< 9 chars)"})
            QVERIFY2(captions.contains(c), c);
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Tab);
        QTRY_COMPARE(design->selectedText(), QString("314"));
        Type(name, "Grace");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Child(user, "cmd_Done"));
        QVERIFY(user->isVisible());
        QCOMPARE(f.model->UserName, std::string("Ada"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!user->isVisible());
        QCOMPARE(f.model->UserName, std::string("Grace"));
        QVERIFY(f.navigator.lastShownIs(ScreenId::HomeScreen));
    }

    // Done takes the entries, the design number rounded; without a name it does nothing, and
    // a number beyond an integer takes nothing.
    void userDoneTakesTheEntries() {
        const struct {
            const char *name, *design;
            int designNo;
            const char* message;
        } cases[] = {{"Project 7-B", "41.6", 42, ""},
                     {"Ada", "-2.5", -2, ""},
                     {"Ada", "12abc", 12, ""},
                     {"Ada", "32767", 32767, ""},
                     {"", "55", 1, ""},
                     {"Ada", "40000", 1,
                      "Error 6   (Overflow)  has occurred in frm_User.Done\r\r"}};
        for (const auto& c : cases) {
            const Row row{c.design};
            UiFixture f;
            auto* user = f.open<ui::UserScreen>(ScreenId::User);
            Type(Child(user, "txt_UserName"), c.name);
            Type(Child(user, "txt_DesignNo"), c.design);
            // Model names are not limited to eight characters here.
            Type(Child(user, "txt_Filename"), "intake_valve_cam");
            Click(user, "cmd_Done");
            const bool taken = *c.name && !*c.message;
            QCOMPARE(f.texts(), *c.message ? Strings{c.message} : Strings());
            QCOMPARE(f.model->DesignNo, c.designNo);
            QCOMPARE(f.model->UserName, std::string(taken ? c.name : ""));
            QCOMPARE(f.model->ModelName, std::string(taken ? "intake_valve_cam" : "Model1"));
            QCOMPARE(user->isVisible(), !taken);
            QCOMPARE(f.navigator.lastShownIs(ScreenId::HomeScreen), taken);
        }
    }

    void quitScreenYesEndsNoReturns() {
        UiFixture f;
        auto* quit = f.open<ui::QuitScreen>(ScreenId::Quit);
        ExpectTexts(quit, {{"lbl_Question", "Do you really want to Quit?"}, {"cmd_Yes", "&Yes"},
                           {"cmd_No", "&No"}});
        Click(quit, "cmd_No");
        QVERIFY(!quit->isVisible());
        QCOMPARE(f.quitCalls, 0);
        quit = f.open<ui::QuitScreen>(ScreenId::Quit);
        Click(quit, "cmd_Yes");
        QCOMPARE(f.quitCalls, 1);
        QVERIFY(!quit->isVisible());
    }

    void aboutShowsTheReleaseAndClosesOnAnyClick() {
        UiFixture f;
        for (const char* target : {"lbl_Heading", "lbl_Version", "pnl_About", "frm_About"}) {
            auto* about = f.open<ui::AboutScreen>(ScreenId::About);
            ExpectTexts(about, {{"lbl_Version", kRelease}});
            QWidget* w = about->objectName() == target ? about : Child(about, target);
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
            QVERIFY2(!about->isVisible(), target);
        }
    }

    // The plot screens' header panels show the texts the core builds.
    void headerPanelsShowTheCoreTexts() {
        UiFixture f;
        model::CamModel& m = *f.model;
        m.UserName = "Ada";
        m.DesignNo = 3;
        m.CamOmega = 10.471976f; // 100 rpm
        m.CamDirection = 1;
        m.NumSegments = 2;
        m.SegStart[2] = 180.0f;
        m.SegEnd[2] = 270.0f;
        m.PrimeRadius = 1.5f;
        m.RollerRadiusText = "0.50";
        model::SelectUnitSystem(m, 3);
        ui::HeaderPanels panels;
        panels.fill(model::FillHeaders(m, 2));
        ExpectTexts(&panels, {{"lbl_Header", "Ada\n Design No. 3\n12-08-2026\n at 09:30:05"},
                              {"lbl_HdrOmega", "100.0"}, {"lbl_HdrRotates", "Ccw"},
                              {"lbl_HdrSegment", "2"},   {"lbl_HdrStart", "180"},
                              {"lbl_HdrEnd", "270"},     {"lbl_HdrDelta", "1"},
                              {"lbl_HdrPrime", "1.50"},  {"lbl_HdrFolwr", "0.50"}});
        auto* size = Child<QGroupBox>(&panels, "fra_CamSize");
        QCOMPARE(size->title(), QString("Cam Size Data"));
        QVERIFY(size->isHidden()); // not sized yet
        // Prime Radius, Offset, Min Rho +, Min Rho - and Folwr Rad follow the unit system.
        int metres = 0;
        for (const QLabel* l : size->findChildren<QLabel*>())
            metres += l->text() == "m";
        QCOMPARE(metres, 5);

        m.ProfileDone = true;
        panels.fill(model::FillHeaders(m, 0));
        QVERIFY(!size->isHidden());
        ExpectTexts(&panels, {{"lbl_HdrSegment", "All"}});
        m.ProfileDone = false;
        panels.fill(model::FillHeaders(m, 0));
        QVERIFY(size->isHidden());
    }
};

TROCHIX_UI_TEST(ShellScreensTest)
#include "ShellScreensTest.moc"
