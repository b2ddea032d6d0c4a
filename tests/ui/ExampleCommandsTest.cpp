#include "StandIns.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "ui/ScreenBase.h"
#include "ui/screens/HomeScreen.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <sstream>

using namespace trochix;
using namespace trochix::uitest;
using model::Answer;

namespace {

// A draw-cam screen that notes, each time it comes up, whether the example was still marked
// as loading.
class DrawCamProbe : public ui::ScreenBase {
public:
    DrawCamProbe(ui::AppContext& ctx, std::vector<bool>& seen)
        : ScreenBase(ctx, ScreenId::Animate), m_seen(seen) {}
    void activate() override { m_seen.push_back(m_ctx.model.ExampleLoaded); }

private:
    std::vector<bool>& m_seen;
};

ui::HomeScreen* Home(UiFixture& f) { return f.screen<ui::HomeScreen>(ScreenId::HomeScreen); }

void Trigger(UiFixture& f, const QString& action) {
    QAction* a = Home(f)->findChild<QAction*>(action);
    QVERIFY2(a && a->isEnabled(), qPrintable(action));
    a->trigger();
}

void LoadExample(UiFixture& f, int k) { Trigger(f, QString("mnu_Example_%1").arg(k)); }

QString EnabledButtons(ui::HomeScreen& home) {
    QString s;
    for (const char* name : {"cmd_SVAJ", "cmd_SizeCam", "cmd_DrawCam", "cmd_Dynamics", "cmd_Plot",
                             "cmd_Print", "cmd_Quit"})
        s += home.findChild<QPushButton*>(name)->isEnabled() ? '1' : '0';
    return s;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The stored result rows 0..NumFunctions.
bool SameStoredResults(const model::CamModel& a, const model::CamModel& b) {
    for (int row = 0; row <= model::kNumFunctions; ++row)
        if (a.Results[row] != b.Results[row])
            return false;
    return true;
}

} // namespace

class ExampleCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // The tabled segment counts, followers and speeds of the five designs; every program
    // covers one revolution (betas 90 + 90 + 180, 4 x 90, 4 x 50 + 4 x 40). The flat-faced
    // item leaves the roller radius at 1 for the sizing screen.
    void eachExampleIsReadyForEveryCommand_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("segments");
        QTest::addColumn<int>("followerType");
        QTest::addColumn<bool>("translating");
        QTest::addColumn<float>("omega");
        QTest::addColumn<float>("roller");
        QTest::newRow("single dwell") << 1 << 3 << 1 << true << 15.0f << 1.0f;
        QTest::newRow("single dwell, flat face") << 2 << 3 << 2 << true << 15.0f << 1.0f;
        QTest::newRow("double dwell") << 3 << 4 << 1 << true << 6.28f << 0.75f;
        QTest::newRow("double dwell, oscillating") << 4 << 4 << 1 << false << 6.28f << 0.75f;
        QTest::newRow("four dwell") << 5 << 8 << 1 << true << 18.85f << 1.0f;
    }
    void eachExampleIsReadyForEveryCommand() {
        QFETCH(int, k);
        QFETCH(int, segments);
        QFETCH(int, followerType);
        QFETCH(bool, translating);
        QFETCH(float, omega);
        QFETCH(float, roller);
        UiFixture f;
        std::vector<bool> drawn;
        f.navigator.registerScreen(ScreenId::Animate, [&drawn](ui::AppContext& ctx) -> QWidget* {
            return new DrawCamProbe(ctx, drawn);
        });
        RegisterHomeTargets(f);
        Home(f)->activate();

        LoadExample(f, k);

        const model::CamModel& m = *f.model;
        QVERIFY2(f.host.messages.empty(),
                 f.host.messages.empty() ? "" : f.host.messages[0].text.c_str());
        QVERIFY(m.SvajDone && m.ProfileDone && m.DynamicsDone);
        QVERIFY(!m.ModelSaved);
        // The cam is drawn while the example still counts as loading; afterwards it does not.
        QCOMPARE(f.navigator.shown, std::vector<ScreenId>({ScreenId::Animate}));
        QCOMPARE(drawn, std::vector<bool>({true}));
        QVERIFY(!m.ExampleLoaded);
        QVERIFY(!f.host.busy);
        QCOMPARE(EnabledButtons(*Home(f)), QString("1111111"));
        QVERIFY(Home(f)->findChild<QMenu*>("mnu_Export")->menuAction()->isEnabled());
        QVERIFY(Home(f)->findChild<QAction*>("mnu_Saveas")->isEnabled());

        QCOMPARE(m.NumSegments, segments);
        float total = 0.0f;
        for (int s = 1; s <= m.NumSegments; ++s)
            total += m.SegBeta[s];
        QCOMPARE(total, 360.0f); // whole-degree betas: exact in float
        QCOMPARE(m.FollowerType, followerType);
        QCOMPARE(m.Translating, translating);
        QCOMPARE(m.CamOmega, omega);
        QCOMPARE(m.RollerRadius, roller);
        QCOMPARE(m.SegDesc[1].substr(m.SegDesc[1].size() - 5), std::string(" rise"));
    }

    // Until the draw-cam screen exists, the example ends on the home screen, every command
    // whose screen exists enabled.
    void withoutTheDrawingTheExampleReturnsHome() {
        UiFixture f;
        RegisterStandIns(f, {ScreenId::InputData, ScreenId::SizeCam, ScreenId::Dynamics,
                             ScreenId::PlotType, ScreenId::PrintSelect, ScreenId::FFT});
        Home(f)->activate();
        LoadExample(f, 3);
        QVERIFY(f.navigator.shown.empty());
        QCOMPARE(EnabledButtons(*Home(f)), QString("1101111"));
        QVERIFY(!f.model->ExampleLoaded);
        QVERIFY(!f.host.busy);
    }

    // Loading an example again, after another one, gives the same results bit for bit.
    void loadingAgainGivesIdenticalResults() {
        UiFixture f;
        for (int k = 1; k <= 5; ++k) {
            LoadExample(f, k);
            const auto first = std::make_unique<model::CamModel>(*f.model);
            LoadExample(f, k % 5 + 1);
            LoadExample(f, k);
            QVERIFY2(f.model->Results == first->Results, qPrintable(QString::number(k)));
            QVERIFY(f.model->SegDesc == first->SegDesc);
            QCOMPARE(f.model->PressMax, first->PressMax);
            QCOMPARE(f.model->RhoMin, first->RhoMin);
        }
        QVERIFY(f.host.messages.empty());
    }

    // Save as, then Open after another example: the stored rows come back unchanged and the
    // sizing recomputed on opening agrees with the example's own.
    void savedExampleReopensUnchanged_data() {
        QTest::addColumn<int>("k");
        for (int k = 1; k <= 5; ++k)
            QTest::newRow(qPrintable(QString("example %1").arg(k))) << k;
    }
    void savedExampleReopensUnchanged() {
        QFETCH(int, k);
        QTemporaryDir dir;
        const std::string path = dir.filePath("example.cam").toStdString();
        UiFixture f;
        LoadExample(f, k);
        f.dialogs.saveAnswers = {path};
        Trigger(f, "mnu_Saveas");
        QVERIFY(f.model->ModelSaved);
        const auto saved = std::make_unique<model::CamModel>(*f.model);

        LoadExample(f, k % 5 + 1);
        f.host.clear();
        f.host.answers = {Answer::No}; // the other example is not to be saved
        f.dialogs.openAnswers = {path};
        Trigger(f, "mnu_Open");

        QCOMPARE(f.host.messages.size(), std::size_t(2));
        QCOMPARE(f.host.messages[1].text, "File " + path + " successfully read.");
        const model::CamModel& m = *f.model;
        QVERIFY(SameStoredResults(m, *saved));
        QCOMPARE(m.PressMax, saved->PressMax);
        QCOMPARE(m.PressMin, saved->PressMin);
        QCOMPARE(m.PressMaxAngle, saved->PressMaxAngle);
        QCOMPARE(m.RhoMin, saved->RhoMin);
        QCOMPARE(m.RhoPosMinText, saved->RhoPosMinText);
        QCOMPARE(m.RhoNegMinText, saved->RhoNegMinText);
        QCOMPARE(m.RollerRadiusText, saved->RollerRadiusText);
        QCOMPARE(m.NumSegments, saved->NumSegments);
        QVERIFY(m.SegDesc == saved->SegDesc);
        QCOMPARE(m.ModelName, std::string("example"));
    }

    // An example is not the file opened before it: Save must not write it over that file.
    void anExampleForgetsTheOpenedFile() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("mine.cam").toStdString();
        UiFixture f;
        LoadExample(f, 1);
        f.dialogs.saveAnswers = {path};
        Trigger(f, "mnu_Saveas");
        const std::string mine = Slurp(path);

        LoadExample(f, 5);
        QVERIFY(f.model->FileName.empty());
        Trigger(f, "mnu_Save"); // asks for a name; cancelled
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(2));
        QCOMPARE(f.dialogs.saveRequests[1].title, std::string("Save the Model"));
        QCOMPARE(Slurp(path), mine);
    }
};

TROCHIX_UI_TEST(ExampleCommandsTest)
#include "ExampleCommandsTest.moc"
