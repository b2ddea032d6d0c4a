#include "UiTestRegistry.h"
#include "ui/QtHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace trochix;
using model::Answer;
using model::Buttons;
using model::Icon;

class QtHostTest : public QObject {
    Q_OBJECT
private slots:
    void iconsMapToTheFourBoxIcons() {
        QCOMPARE(ui::MessageBoxIcon(Icon::Information), QMessageBox::Information);
        QCOMPARE(ui::MessageBoxIcon(Icon::Exclamation), QMessageBox::Warning);
        QCOMPARE(ui::MessageBoxIcon(Icon::Warning), QMessageBox::Warning);
        QCOMPARE(ui::MessageBoxIcon(Icon::Question), QMessageBox::Question);
        QCOMPARE(ui::MessageBoxIcon(Icon::Critical), QMessageBox::Critical);
    }

    void textKeepsBlanksAndBreaksAtCarriageReturns() {
        const std::string text = "Error 6   (Overflow)  has occurred in X\r\rGood luck! \r";
        QCOMPARE(ui::MessageBoxText(text),
                 QString("Error 6   (Overflow)  has occurred in X\n\nGood luck! \n"));
        std::unique_ptr<QMessageBox> box(
            ui::MakeMessageBox("a <b>c</b>", Icon::Critical, "TROCHIX", Buttons::OK, Answer::OK));
        QCOMPARE(box->text(), QString("a <b>c</b>"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->windowTitle(), QString("TROCHIX"));
    }

    void buttonSetsAndDefaults_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<int>("expectedButtons");
        QTest::addColumn<int>("expectedDefault");
        QTest::newRow("OK") << int(Buttons::OK) << int(Answer::OK) << int(QMessageBox::Ok)
                            << int(QMessageBox::Ok);
        QTest::newRow("OK Cancel, Cancel default")
            << int(Buttons::OKCancel) << int(Answer::Cancel)
            << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Cancel);
        QTest::newRow("Yes No, No default") << int(Buttons::YesNo) << int(Answer::No)
                                            << int(QMessageBox::Yes | QMessageBox::No)
                                            << int(QMessageBox::No);
        // A default that is not in the set falls back to the first button.
        QTest::newRow("Yes No, OK asked") << int(Buttons::YesNo) << int(Answer::OK)
                                          << int(QMessageBox::Yes | QMessageBox::No)
                                          << int(QMessageBox::Yes);
    }
    void buttonSetsAndDefaults() {
        QFETCH(int, buttons);
        QFETCH(int, defaultAnswer);
        QFETCH(int, expectedButtons);
        QFETCH(int, expectedDefault);
        std::unique_ptr<QMessageBox> box(ui::MakeMessageBox(
            "?", Icon::Question, "T", Buttons(buttons), Answer(defaultAnswer)));
        QCOMPARE(int(box->standardButtons()), expectedButtons);
        QCOMPARE(int(box->standardButton(box->defaultButton())), expectedDefault);
    }

    void messageWaitsForTheAnswer() {
        ui::QtHost host;
        QString shownText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            box->button(QMessageBox::No)->click();
        });
        const Answer a = host.message("Save first?\rReally", Icon::Question, "TROCHIX",
                                      Buttons::YesNo, Answer::Yes);
        QCOMPARE(a, Answer::No);
        QCOMPARE(shownText, QString("Save first?\nReally"));

        QTimer::singleShot(0, [] {
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        QCOMPARE(host.message("Reset?", Icon::Question, "T", Buttons::OKCancel, Answer::OK),
                 Answer::Cancel);
    }

    void busyPointerDoesNotNest() {
        {
            ui::QtHost host;
            host.setBusy(true);
            host.setBusy(true);
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            host.setBusy(false);
            QCOMPARE(QApplication::overrideCursor(), nullptr);
            host.setBusy(true);
        } // a host going away leaves the normal pointer behind
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

TROCHIX_UI_TEST(QtHostTest)
#include "QtHostTest.moc"
