#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/ReportError.h"

#include <QPushButton>
#include <QTimer>

#include <functional>
#include <new>

using namespace trochix;
using model::ScreenId;

namespace {

class CountingScreen : public ui::ScreenBase {
public:
    CountingScreen(ui::AppContext& ctx, ScreenId id) : ScreenBase(ctx, id) {
        resize(200, 100);
        // A command that runs out of memory.
        auto* fail = new QPushButton("Fail", this);
        fail->setObjectName("cmd_Fail");
        connect(fail, &QPushButton::clicked, this, [this] {
            model::RunGuarded(m_ctx.host, screenName() + ".Fail", [] { throw std::bad_alloc(); });
        });
    }
    void activate() override { ++activations; }
    int activations = 0;
};

class CountingHome : public QWidget, public ui::Activatable {
public:
    void activate() override { ++activations; }
    int activations = 0;
};

// The real navigator with its modal loops, on two counting screens.
struct Rig {
    std::unique_ptr<model::CamModel> model = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    ui::Navigator navigator;
    uitest::ScriptedDialogs dialogs;
    ui::Commands commands;
    ui::AppContext ctx{*model, host, navigator, dialogs, commands};
    int created = 0;

    Rig() {
        navigator.attach(ctx);
        for (ScreenId id : {ScreenId::PlotSelect1, ScreenId::Plot1})
            navigator.registerScreen(id, [this, id](ui::AppContext& c) -> QWidget* {
                ++created;
                return new CountingScreen(c, id);
            });
        navigator.registerScreen(ScreenId::HomeScreen,
                                 [](ui::AppContext&) -> QWidget* { return new CountingHome; });
    }
    CountingScreen* screen(ScreenId id) { return navigator.screenAs<CountingScreen>(id); }
};

// Runs `step` once the current modal loop is running.
void Soon(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

} // namespace

class NavigatorTest : public QObject {
    Q_OBJECT
private slots:
    void oneInstancePerScreenCreatedOnFirstUse() {
        Rig r;
        QVERIFY(r.navigator.isAvailable(ScreenId::Plot1));
        QVERIFY(!r.navigator.isAvailable(ScreenId::Plot4));
        QVERIFY(!r.navigator.isCreated(ScreenId::Plot1));
        QCOMPARE(r.navigator.screen(ScreenId::Plot4), nullptr);
        QWidget* first = r.navigator.screen(ScreenId::Plot1);
        QCOMPARE(r.navigator.screen(ScreenId::Plot1), first);
        QCOMPARE(r.created, 1);
        // Captions reach screens made before and after they are set.
        r.navigator.setCaptions(model::SetCaptions("APP"));
        QCOMPARE(first->windowTitle(), QString("APP"));
        QCOMPARE(r.navigator.screen(ScreenId::PlotSelect1)->windowTitle(),
                 QString("APP         Select Plot Data"));
    }

    // ShowScreen waits until the screen closes; when a screen it opened closes, the opener is
    // activated again (it refreshes from what the other screen changed).
    void modalChainReactivatesTheOpener() {
        Rig r;
        bool returnedInOrder = false;
        Soon([&] {
            QVERIFY(r.navigator.isOpen(ScreenId::PlotSelect1));
            Soon([&] { r.screen(ScreenId::Plot1)->closeScreen(); });
            r.navigator.ShowScreen(ScreenId::Plot1);
            returnedInOrder = !r.screen(ScreenId::Plot1)->isVisible();
            QCOMPARE(r.screen(ScreenId::PlotSelect1)->activations, 2);
            r.screen(ScreenId::PlotSelect1)->closeScreen();
        });
        r.navigator.ShowScreen(ScreenId::PlotSelect1);
        QVERIFY(returnedInOrder);
        QCOMPARE(r.screen(ScreenId::Plot1)->activations, 1);
        QVERIFY(!r.navigator.isOpen(ScreenId::PlotSelect1));
        QVERIFY(!r.screen(ScreenId::PlotSelect1)->isVisible());
    }

    // Select Another: the plot closes itself and opens its selection screen from its own
    // handler; the selection's Done opens the plot again while that handler is still running.
    void screenClosedByARunningHandlerCanComeBack() {
        Rig r;
        CountingScreen* plot = static_cast<CountingScreen*>(r.navigator.screen(ScreenId::Plot1));
        bool plotVisibleAgain = false;
        Soon([&] { // in the plot's loop: Select Another
            plot->closeScreen();
            Soon([&] { // in the selection's loop: Done
                r.screen(ScreenId::PlotSelect1)->closeScreen();
                Soon([&] { // in the plot's second loop
                    plotVisibleAgain = plot->isVisible();
                    plot->closeScreen();
                });
                r.navigator.ShowScreen(ScreenId::Plot1);
            });
            r.navigator.ShowScreen(ScreenId::PlotSelect1);
        });
        r.navigator.ShowScreen(ScreenId::Plot1);
        QVERIFY(plotVisibleAgain);
        QCOMPARE(plot->activations, 2);
        QVERIFY(!plot->isVisible());
        QVERIFY(!r.navigator.isOpen(ScreenId::Plot1));
    }

    // Out of memory in a screen two levels down: the report is shown, then every modal loop
    // ends and the home screen is in front again.
    void outOfMemoryReturnsToTheHomeScreen() {
        Rig r;
        auto* home = r.navigator.screenAs<CountingHome>(ScreenId::HomeScreen);
        r.navigator.ShowScreen(ScreenId::HomeScreen);
        bool innerReturned = false, stuck = false;
        Soon([&] {     // in the selection's loop
            Soon([&] { // in the plot's loop
                QTest::mouseClick(r.screen(ScreenId::Plot1)->findChild<QPushButton*>("cmd_Fail"),
                                  Qt::LeftButton);
            });
            r.navigator.ShowScreen(ScreenId::Plot1);
            innerReturned = true;
        });
        // Without the way home both loops would wait for ever. The timer goes with the rig's
        // home screen, so that it cannot fire into a later test.
        QTimer::singleShot(5000, home, [&] {
            stuck = true;
            r.screen(ScreenId::Plot1)->hide();
            r.screen(ScreenId::PlotSelect1)->hide();
        });
        const int before = home->activations;
        r.navigator.ShowScreen(ScreenId::PlotSelect1);
        QVERIFY(innerReturned && !stuck);
        QCOMPARE(r.host.messages.size(), std::size_t(1));
        QVERIFY(r.host.lastText().starts_with(
            "Error 7   (Out of memory)  has occurred in frm_Plot1.Fail\r\r"));
        for (ScreenId id : {ScreenId::Plot1, ScreenId::PlotSelect1})
            QVERIFY(!r.screen(id)->isVisible() && !r.navigator.isOpen(id));
        QVERIFY(home->isVisible() && home->activations > before);
    }
};

TROCHIX_UI_TEST(NavigatorTest)
#include "NavigatorTest.moc"
