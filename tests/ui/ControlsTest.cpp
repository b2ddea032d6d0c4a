// The widget pieces every screen is built from: when a box commits, and what entering it does.
#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QDialog>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <map>

using namespace trochix;
using namespace trochix::uitest;

namespace {

// A dialog with a default button and three boxes; the first commits into `commits` and, when
// its text is "open", enables the second, which starts disabled.
struct Rig {
    QDialog dialog;
    QLineEdit* first = ui::MakeLineEdit(&dialog, ui::IndexedName("txt_Box", 0));
    QLineEdit* second = ui::MakeLineEdit(&dialog, ui::IndexedName("txt_Box", 1));
    QLineEdit* third = ui::MakeLineEdit(&dialog, ui::IndexedName("txt_Box", 2));
    QPushButton* ok = ui::MakeButton(&dialog, "&OK", "cmd_OK");
    ui::CommitOnLeave* commits = new ui::CommitOnLeave(&dialog);
    QStringList committed;
    int pressed = 0;

    explicit Rig(int triggers = ui::CommitOnLeave::Standard) {
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second),
                           static_cast<QWidget*>(third), static_cast<QWidget*>(ok)})
            layout->addWidget(w);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++pressed; });
        second->setEnabled(false);
        commits->watch(
            first,
            [this] {
                committed << first->text();
                second->setEnabled(first->text() == "open");
            },
            triggers);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitForWindowActive(&dialog))
            qWarning("dialog did not become active");
    }
};

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void indexedNames() {
        QCOMPARE(ui::IndexedName("txt_Beta", 3), QString("txt_Beta_3"));
        QCOMPARE(ui::IndexedName("lbl_SVAJ", 0), QString("lbl_SVAJ_0"));
    }

    // Each way of being done with the box commits once, and the text committed is the typed
    // one; Enter stops in the box and never presses the dialog's default button.
    void commitsOnceWhenTheBoxIsLeft() {
        const std::map<QString, std::function<void(Rig&)>> ways = {
            {"click elsewhere", [](Rig& r) { r.third->setFocus(Qt::MouseFocusReason); }},
            {"Enter then leave",
             [](Rig& r) {
                 QTest::keyClick(r.first, Qt::Key_Return);
                 r.third->setFocus(Qt::MouseFocusReason);
             }},
            {"Tab", [](Rig& r) { QTest::keyClick(r.first, Qt::Key_Tab); }},
        };
        for (const auto& [way, leave] : ways) {
            const Row row{way};
            Rig r;
            Type(r.first, "42");
            QVERIFY(r.committed.isEmpty());
            leave(r);
            QCOMPARE(r.committed, QStringList({"42"}));
            QCOMPARE(r.pressed, 0);
        }
    }

    // Tab commits before the focus moves: it lands in the box the commit has just enabled.
    void tabLandsOnWhatTheCommitEnabled() {
        Rig r;
        Type(r.first, "open");
        QTest::keyClick(r.first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), r.second);
        // A commit that closes it again sends Tab past it.
        Type(r.first, "shut");
        QTest::keyClick(r.first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), r.third);
        QCOMPARE(r.committed, QStringList({"open", "shut"}));
    }

    // A box left again with another text commits again; a paused screen commits nothing, and
    // the focus only borrowed by another window is no leaving.
    void pausesAndBorrowedFocusCommitNothing() {
        Rig r;
        Type(r.first, "1");
        QTest::keyClick(r.first, Qt::Key_Return);
        Type(r.first, "2");
        {
            const ui::CommitOnLeave::Pause pause(*r.commits);
            r.third->setFocus(Qt::MouseFocusReason);
        }
        QCOMPARE(r.committed, QStringList({"1"}));
        r.first->setFocus(Qt::MouseFocusReason);
        QFocusEvent borrowed(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(r.first, &borrowed);
        QCOMPARE(r.committed, QStringList({"1"}));
        r.third->setFocus(Qt::MouseFocusReason);
        QCOMPARE(r.committed, QStringList({"1", "2"}));
    }

    // A box watched for leaving only lets Enter through; the double-click is a trigger of its
    // own.
    void triggersAreChosenPerBox() {
        Rig leaveOnly(ui::CommitOnLeave::Leave);
        Type(leaveOnly.first, "x");
        QTest::keyClick(leaveOnly.first, Qt::Key_Return);
        QCOMPARE(leaveOnly.committed, QStringList());
        QCOMPARE(leaveOnly.pressed, 1);

        Rig doubleClick(ui::CommitOnLeave::DoubleClick);
        Type(doubleClick.first, "y");
        // Sent to the box alone: a simulated double-click would leave the application's
        // pointer state to the next test.
        QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(doubleClick.first, &click);
        QCOMPARE(doubleClick.committed, QStringList({"y"}));
    }

    // Entering a box selects its text, by Tab as by a click, so typing replaces it.
    void enteringSelectsTheText() {
        Rig r;
        ui::SelectAllOnFocus(r.third);
        r.third->setText("old");
        r.third->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(r.third->selectedText(), QString("old"));
        QTest::keyClicks(r.third, "new");
        QCOMPARE(r.third->text(), QString("new"));
    }
};

TROCHIX_UI_TEST(ControlsTest)
#include "ControlsTest.moc"
