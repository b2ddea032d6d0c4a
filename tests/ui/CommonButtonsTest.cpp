// The common buttons on a stand-in result screen. Print Form is tested here for every screen.
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/CommonButtons.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
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

} // namespace

class CommonButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void captionsCopyAndDone() {
        UiFixture f;
        f.navigator.registerScreen(ScreenId::PlotSelect1, {});
        ResultScreen* s = OpenResultScreen(f);
        ExpectTexts(s, {{"cmd_Copy", "&Copy"}, {"cmd_PlotPrint", "&Print Form"},
                        {"cmd_Replot", "&Select Another"}, {"cmd_PlotDone", "&Done"}});
        // No selection screen yet: Select Another would do nothing.
        QVERIFY(!Child(s, "cmd_Replot")->isEnabled());
        Click(s, "cmd_Copy");
        QCOMPARE(f.texts(),
                 Strings{"Use the Alt-PrintScrn key combo to copy the screen to the clipboard"});
        QCOMPARE(f.host.messages[0].icon, model::Icon::Information);
        QVERIFY(s->isVisible());
        Click(s, "cmd_PlotDone");
        QVERIFY(!s->isVisible());
    }

    // Cancel is quiet; a failure is reported once (device I/O error 57 shows its replacement
    // text only); otherwise the screen is printed, and stays.
    void printForm() {
        UiFixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("form.pdf");
        f.dialogs.printerAnswers = {std::nullopt, dir.filePath("missing/form.pdf").toStdString(),
                                    pdf.toStdString()};
        ResultScreen* s = OpenResultScreen(f);
        Click(s, "cmd_PlotPrint");
        QVERIFY(f.host.messages.empty() && QDir(dir.path()).isEmpty());
        Click(s, "cmd_PlotPrint");
        QCOMPARE(f.texts(), Strings{"Device I/O error- bad drive or disk - please try another"});
        QVERIFY(!f.host.busy);
        Click(s, "cmd_PlotPrint");
        QCOMPARE(f.dialogs.printerRequests, 3);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(PdfPages(pdf), 1);
        QVERIFY(QFileInfo(pdf).size() > 1000); // the rendered screen, not an empty page
        QVERIFY(s->isVisible());
    }

    // Four re-selections go back to the selection screen; the fifth ends at the opener with
    // the stack message.
    void selectAnotherStopsAfterFour() {
        UiFixture f;
        f.standIns({ScreenId::PlotSelect1});
        for (int press = 1; press <= 4; ++press) {
            ResultScreen* s = OpenResultScreen(f);
            Click(s, "cmd_Replot");
            QVERIFY(!s->isVisible() && f.navigator.lastShownIs(ScreenId::PlotSelect1));
            f.screen<ui::ScreenBase>(ScreenId::PlotSelect1)->closeScreen();
        }
        QVERIFY(f.host.messages.empty());
        ResultScreen* s = OpenResultScreen(f);
        Click(s, "cmd_Replot");
        QVERIFY(!s->isVisible() && f.navigator.lastShownIs(ScreenId::Plot1));
        QCOMPARE(f.host.messages.size(), std::size_t(1)); // the counter's text is tested with it
    }
};

TROCHIX_UI_TEST(CommonButtonsTest)
#include "CommonButtonsTest.moc"
