#include "UiTestRegistry.h"
#include "ui/QtHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <tuple>

using namespace trochix;
using model::Answer;
using model::Buttons;
using model::Icon;

class QtHostTest : public QObject {
    Q_OBJECT
private slots:
    // Texts keep their blanks and break at '\r'; markup is shown as typed.
    void plainTextWithBreaksAtCarriageReturns() {
        QCOMPARE(ui::MessageBoxText("Error 6   (Overflow)  has occurred in X\r\rGood luck! \r"),
                 QString("Error 6   (Overflow)  has occurred in X\n\nGood luck! \n"));
        std::unique_ptr<QMessageBox> box(
            ui::MakeMessageBox("a <b>c</b>", Icon::Critical, "TROCHIX", Buttons::OK, Answer::OK));
        QCOMPARE(box->text(), QString("a <b>c</b>"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->windowTitle(), QString("TROCHIX"));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->detailedText(), QString());
        // The error report's detail is shown on request, apart from the text.
        box.reset(ui::MakeMessageBox("Error 76", Icon::Critical, "T", Buttons::OK, Answer::OK,
                                     nullptr, "/no/such/folder/a.cam"));
        QCOMPARE(box->text(), QString("Error 76"));
        QCOMPARE(box->detailedText(), QString("/no/such/folder/a.cam"));
    }

    // A default that is not in the set falls back to the first button.
    void buttonSetsAndDefaults() {
        using Box = QMessageBox;
        for (const auto& [set, asked, shown, chosen] :
             {std::tuple{Buttons::OK, Answer::OK, Box::StandardButtons(Box::Ok), Box::Ok},
              {Buttons::OKCancel, Answer::Cancel, Box::Ok | Box::Cancel, Box::Cancel},
              {Buttons::YesNo, Answer::No, Box::Yes | Box::No, Box::No},
              {Buttons::YesNo, Answer::OK, Box::Yes | Box::No, Box::Yes}}) {
            std::unique_ptr<Box> box(ui::MakeMessageBox("?", Icon::Question, "T", set, asked));
            QCOMPARE(box->standardButtons(), shown);
            QCOMPARE(box->standardButton(box->defaultButton()), chosen);
        }
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
