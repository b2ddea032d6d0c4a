#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "ui/screens/AboutScreen.h"
#include "ui/screens/QuitScreen.h"
#include "ui/screens/TitleScreen.h"
#include "ui/screens/UserScreen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace trochix;
using namespace trochix::uitest;

namespace {

const QString kRelease = "Release 6.0 -32-bit,  Rev 2.1   11/30/99";

// Shows the screen through the navigator and makes it the active window, so that keys and
// focus behave as for the user.
template <class T> T* Open(UiFixture& f, ScreenId id) {
    f.navigator.ShowScreen(id);
    T* screen = f.screen<T>(id);
    QApplication::setActiveWindow(screen);
    if (!QTest::qWaitForWindowActive(screen))
        qWarning("screen did not become active");
    return screen;
}

} // namespace

class ShellScreensTest : public QObject {
    Q_OBJECT
private slots:
    void titleShowsTheReleaseAndStartsTheProgram() {
        UiFixture f;
        auto* title = Open<ui::TitleScreen>(f, ScreenId::Title);
        QCOMPARE(title->findChild<QLabel*>("lbl_Version")->text(), kRelease);
        QCOMPARE(title->findChild<QLabel*>("lbl_Name")->text(), QString("TROCHIX"));
        QCOMPARE(title->findChild<QLabel*>("lbl_Heading")->text(),
                 QString("A Program for the Synthesis and Analysis of Cam-Follower Systems"));
        auto* start = title->findChild<QPushButton*>("cmd_Start");
        QCOMPARE(start->text(), QString("&Start"));
        QCOMPARE(title->windowTitle(), QString("TROCHIX for Windows"));

        // Enter while Start has the focus.
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);
        QVERIFY(!title->isVisible());
        QVERIFY(f.navigator.lastShownIs(ScreenId::HomeScreen));
    }

    void userScreenShowsTheModel() {
        UiFixture f;
        f.model->UserName = "Ada";
        f.model->DesignNo = 12;
        auto* user = Open<ui::UserScreen>(f, ScreenId::User);
        QCOMPARE(user->findChild<QLineEdit*>("txt_UserName")->text(), QString("Ada"));
        QCOMPARE(user->findChild<QLineEdit*>("txt_DesignNo")->text(), QString("12"));
        QCOMPARE(user->findChild<QLineEdit*>("txt_Filename")->text(), QString("Model1"));
        QStringList captions;
        for (const QLabel* l : user->findChildren<QLabel*>())
            captions << l->text();
        QVERIFY(captions.contains("Please enter your name and/or a project ID:"));
        QVERIFY(captions.contains("Please enter a design number:"));
        QVERIFY(captions.contains("Please enter a disk filename (< 9 chars)"));
    }

    void userDoneWithoutANameDoesNothing() {
        UiFixture f;
        auto* user = Open<ui::UserScreen>(f, ScreenId::User);
        user->findChild<QLineEdit*>("txt_DesignNo")->setText("55");
        QTest::mouseClick(user->findChild<QPushButton*>("cmd_Done"), Qt::LeftButton);
        QVERIFY(user->isVisible());
        QCOMPARE(f.model->DesignNo, 1);
        QCOMPARE(f.navigator.shown, std::vector<ScreenId>({ScreenId::User}));
        QVERIFY(f.host.messages.empty());
    }

    void enterInTheNameBoxMovesToDone() {
        UiFixture f;
        auto* user = Open<ui::UserScreen>(f, ScreenId::User);
        auto* name = user->findChild<QLineEdit*>("txt_UserName");
        name->setFocus();
        QTest::keyClicks(name, "Ada");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), user->findChild<QPushButton*>("cmd_Done"));
        QVERIFY(user->isVisible()); // Enter in the name box is not Done
        QCOMPARE(f.model->UserName, std::string());
        // Enter on Done is Done.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!user->isVisible());
        QCOMPARE(f.model->UserName, std::string("Ada"));
        QVERIFY(f.navigator.lastShownIs(ScreenId::HomeScreen));
    }

    void enteringABoxSelectsItsText() {
        UiFixture f;
        f.model->DesignNo = 314;
        auto* user = Open<ui::UserScreen>(f, ScreenId::User);
        auto* name = user->findChild<QLineEdit*>("txt_UserName");
        auto* design = user->findChild<QLineEdit*>("txt_DesignNo");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), design);
        QTRY_COMPARE(design->selectedText(), QString("314"));
    }

    void userDoneTakesTheEntries_data() {
        QTest::addColumn<QString>("design");
        QTest::addColumn<int>("designNo");
        QTest::newRow("whole") << "7" << 7;
        QTest::newRow("rounded up") << "41.6" << 42;
        QTest::newRow("half rounds up") << "2.5" << 3;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("leading number") << "12abc" << 12;
        QTest::newRow("not a number") << "abc" << 0;
        QTest::newRow("largest") << "32767" << 32767;
    }
    void userDoneTakesTheEntries() {
        QFETCH(QString, design);
        UiFixture f;
        auto* user = Open<ui::UserScreen>(f, ScreenId::User);
        user->findChild<QLineEdit*>("txt_UserName")->setText("Project 7-B");
        user->findChild<QLineEdit*>("txt_DesignNo")->setText(design);
        // Model names are not limited to eight characters here.
        user->findChild<QLineEdit*>("txt_Filename")->setText("intake_valve_cam");
        user->Done();
        QCOMPARE(f.model->UserName, std::string("Project 7-B"));
        QTEST(f.model->DesignNo, "designNo");
        QCOMPARE(f.model->ModelName, std::string("intake_valve_cam"));
        QVERIFY(!user->isVisible());
        QVERIFY(f.navigator.lastShownIs(ScreenId::HomeScreen));
    }

    void designNumberBeyondAnIntegerIsRefused() {
        UiFixture f;
        auto* user = Open<ui::UserScreen>(f, ScreenId::User);
        user->findChild<QLineEdit*>("txt_UserName")->setText("Ada");
        user->findChild<QLineEdit*>("txt_DesignNo")->setText("40000");
        user->Done();
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text,
                 std::string("Error 6   (Overflow)  has occurred in frm_User.Done\r\r"));
        QVERIFY(user->isVisible());
        QCOMPARE(f.model->DesignNo, 1);
        QCOMPARE(f.model->UserName, std::string()); // nothing half-taken
    }

    void quitScreenYesEndsNoReturns() {
        UiFixture f;
        auto* quit = Open<ui::QuitScreen>(f, ScreenId::Quit);
        QCOMPARE(quit->findChild<QLabel*>("lbl_Question")->text(),
                 QString("Do you really want to Quit?"));
        QCOMPARE(quit->findChild<QPushButton*>("cmd_Yes")->text(), QString("&Yes"));
        QCOMPARE(quit->findChild<QPushButton*>("cmd_No")->text(), QString("&No"));

        QTest::mouseClick(quit->findChild<QPushButton*>("cmd_No"), Qt::LeftButton);
        QVERIFY(!quit->isVisible());
        QCOMPARE(f.quitCalls, 0);

        quit = Open<ui::QuitScreen>(f, ScreenId::Quit);
        QTest::mouseClick(quit->findChild<QPushButton*>("cmd_Yes"), Qt::LeftButton);
        QCOMPARE(f.quitCalls, 1);
        QVERIFY(!quit->isVisible());
    }

    void aboutShowsTheReleaseAndClosesOnAnyClick() {
        UiFixture f;
        for (const char* target : {"lbl_Heading", "lbl_Version", "pnl_About", "frm_About"}) {
            auto* about = Open<ui::AboutScreen>(f, ScreenId::About);
            QCOMPARE(about->findChild<QLabel*>("lbl_Version")->text(), kRelease);
            QWidget* w = about->objectName() == target ? about : about->findChild<QWidget*>(target);
            QVERIFY2(w, target);
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
            QVERIFY2(!about->isVisible(), target);
        }
    }

    void everyScreenCarriesItsTitle() {
        UiFixture f;
        const model::Captions captions = model::SetCaptions(f.model->AppTitle);
        int checked = 0;
        for (int i = 0; i < model::kScreenCount; ++i) {
            const auto id = static_cast<ScreenId>(i);
            if (!f.navigator.isAvailable(id))
                continue;
            QWidget* w = f.navigator.screen(id);
            QCOMPARE(w->windowTitle(), QString::fromStdString(captions[i]));
            QCOMPARE(w->objectName(), QString(model::ScreenName(id)));
            ++checked;
        }
        QVERIFY(checked >= 5); // at least the shell's own screens
        QCOMPARE(f.navigator.screen(ScreenId::HomeScreen)->windowTitle(),
                 QString("TROCHIX for Windows         Home Screen"));
    }
};

TROCHIX_UI_TEST(ShellScreensTest)
#include "ShellScreensTest.moc"
