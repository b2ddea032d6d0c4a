#include "StandIns.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/Host.h"
#include "ui/CommonButtons.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace trochix;
using namespace trochix::uitest;

namespace {

// A result screen carrying the four common buttons, as a plot screen does.
class ResultScreen : public ui::ScreenBase {
public:
    explicit ResultScreen(ui::AppContext& ctx) : ScreenBase(ctx, ScreenId::Plot1) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel("Displacement  0 .. 360 deg", this));
        auto* row = new QHBoxLayout;
        row->addWidget(ui::MakeCopyButton(*this));
        row->addWidget(ui::MakePrintFormButton(*this, "cmd_PlotPrint"));
        row->addWidget(
            ui::MakeSelectAnotherButton(*this, reselect, ScreenId::PlotSelect1, "cmd_Replot"));
        row->addWidget(ui::MakeDoneButton(*this, "cmd_PlotDone"));
        layout->addLayout(row);
        resize(400, 300);
    }
    model::SelectAnotherCounter reselect;
};

ResultScreen* OpenResultScreen(UiFixture& f) {
    if (!f.navigator.isCreated(ScreenId::Plot1))
        f.navigator.registerScreen(ScreenId::Plot1, ui::Make<ResultScreen>);
    f.navigator.ShowScreen(ScreenId::Plot1);
    return f.screen<ResultScreen>(ScreenId::Plot1);
}

void Click(QWidget* screen, const char* button) {
    auto* b = screen->findChild<QPushButton*>(button);
    QVERIFY2(b, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class CommonButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void captions() {
        UiFixture f;
        ResultScreen* s = OpenResultScreen(f);
        QCOMPARE(s->findChild<QPushButton*>("cmd_Copy")->text(), QString("&Copy"));
        QCOMPARE(s->findChild<QPushButton*>("cmd_PlotPrint")->text(), QString("&Print Form"));
        QCOMPARE(s->findChild<QPushButton*>("cmd_Replot")->text(), QString("&Select Another"));
        QCOMPARE(s->findChild<QPushButton*>("cmd_PlotDone")->text(), QString("&Done"));
    }

    void copyOnlyTellsHow() {
        UiFixture f;
        ResultScreen* s = OpenResultScreen(f);
        Click(s, "cmd_Copy");
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text,
                 std::string("Use the Alt-PrintScrn key combo to copy the screen to the clipboard"));
        QCOMPARE(f.host.messages[0].icon, model::Icon::Information);
        QVERIFY(s->isVisible());
    }

    void doneCloses() {
        UiFixture f;
        ResultScreen* s = OpenResultScreen(f);
        Click(s, "cmd_PlotDone");
        QVERIFY(!s->isVisible());
    }

    void printFormPrintsTheScreenToPdf() {
        UiFixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("form.pdf");
        f.dialogs.printerAnswers = {pdf.toStdString()};
        ResultScreen* s = OpenResultScreen(f);
        Click(s, "cmd_PlotPrint");
        QCOMPARE(f.dialogs.printerRequests, 1);
        QVERIFY(f.host.messages.empty());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.size() > 1000); // a page with the rendered screen, not an empty file
        QVERIFY(s->isVisible());
    }

    void printFormCancelledPrintsNothingAndSaysNothing() {
        UiFixture f;
        QTemporaryDir dir;
        f.dialogs.printerAnswers = {std::nullopt};
        ResultScreen* s = OpenResultScreen(f);
        Click(s, "cmd_PlotPrint");
        QCOMPARE(f.dialogs.printerRequests, 1);
        QVERIFY(f.host.messages.empty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void printFormFailureIsReportedUnderTheScreensName() {
        UiFixture f;
        f.dialogs.printerAnswers = {std::string("/nonexistent-folder/form.pdf")};
        ResultScreen* s = OpenResultScreen(f);
        Click(s, "cmd_PlotPrint");
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        // Device I/O error (57) shows its replacement text only.
        QCOMPARE(f.host.messages[0].text,
                 std::string("Device I/O error- bad drive or disk - please try another"));
        QVERIFY(!f.host.busy);
    }

    // Four re-selections go back to the selection screen; the fifth ends at the opener with
    // the stack message, and counting starts again.
    void selectAnotherStopsAfterFour() {
        UiFixture f;
        RegisterStandIns(f, {ScreenId::PlotSelect1});
        for (int press = 1; press <= 4; ++press) {
            ResultScreen* s = OpenResultScreen(f);
            Click(s, "cmd_Replot");
            QVERIFY(!s->isVisible());
            QVERIFY(f.navigator.lastShownIs(ScreenId::PlotSelect1));
            f.screen<ui::ScreenBase>(ScreenId::PlotSelect1)->closeScreen();
        }
        QVERIFY(f.host.messages.empty());
        ResultScreen* s = OpenResultScreen(f);
        Click(s, "cmd_Replot");
        QVERIFY(!s->isVisible());
        QVERIFY(f.navigator.lastShownIs(ScreenId::Plot1));
        QCOMPARE(f.navigator.timesShown(ScreenId::PlotSelect1), 4);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text,
                 std::string("The memory stack is getting full.\r"
                             "Will now exit this form to clear the stack. \r"
                             " You can re-enter it from the Home screen to plot more."));
        QCOMPARE(f.host.messages[0].icon, model::Icon::Exclamation);
        // The sixth visit starts from zero again.
        s = OpenResultScreen(f);
        Click(s, "cmd_Replot");
        QCOMPARE(f.navigator.timesShown(ScreenId::PlotSelect1), 5);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
    }

    void selectAnotherDisabledWithoutItsSelectionScreen() {
        UiFixture f;
        f.navigator.registerScreen(ScreenId::PlotSelect1, {});
        ResultScreen* s = OpenResultScreen(f);
        QVERIFY(!s->findChild<QPushButton*>("cmd_Replot")->isEnabled());
    }
};

TROCHIX_UI_TEST(CommonButtonsTest)
#include "CommonButtonsTest.moc"
