// The Examples menu. What each example holds is tested with the examples themselves.
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/Headers.h"

using namespace trochix;
using namespace trochix::uitest;

namespace {

// A draw-cam screen that notes whether the example was still loading when it came up.
class DrawCamProbe : public ui::ScreenBase {
public:
    DrawCamProbe(ui::AppContext& ctx, std::vector<bool>& seen)
        : ScreenBase(ctx, ScreenId::Animate), m_seen(seen) {}
    void activate() override { m_seen.push_back(m_ctx.model.ExampleLoaded); }

private:
    std::vector<bool>& m_seen;
};

void LoadExample(UiFixture& f, int k) {
    f.trigger(IndexedName("mnu_Example", k));
}

} // namespace

class ExampleCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void eachExample_data() {
        QTest::addColumn<int>("k");
        for (int k = 1; k <= 5; ++k)
            QTest::newRow(qPrintable(QString("example %1").arg(k))) << k;
    }
    // Without the draw-cam screen an example ends at home; with it, the cam is drawn while the
    // example still counts as loading. Every command is ready. Saved and reopened after another
    // example (whose Save must not write over that file), the sizing recomputed on opening
    // agrees with the example's own.
    void eachExample() {
        QFETCH(int, k);
        QTemporaryDir dir;
        const std::string path = dir.filePath("example.cam").toStdString();
        UiFixture f;
        f.navigator.registerScreen(ScreenId::Animate, nullptr);
        LoadExample(f, k);
        QVERIFY(f.navigator.shown.empty() && !f.model->ExampleLoaded && !f.host.busy);
        std::vector<bool> drawn;
        f.navigator.registerScreen(ScreenId::Animate, [&drawn](ui::AppContext& ctx) -> QWidget* {
            return new DrawCamProbe(ctx, drawn);
        });
        f.homeTargets();
        LoadExample(f, k);
        const model::CamModel& m = *f.model;
        QCOMPARE(f.texts(), Strings());
        QVERIFY(m.SvajDone && m.ProfileDone && m.DynamicsDone && !m.ModelSaved);
        QCOMPARE(f.navigator.shown, std::vector<ScreenId>({ScreenId::Animate}));
        QCOMPARE(drawn, std::vector<bool>({true}));
        QVERIFY(!m.ExampleLoaded && !f.host.busy);
        QCOMPARE(HomeButtons(f.home()), QString("1111111"));
        QVERIFY(Child<QMenu>(f.home(), "mnu_Export")->menuAction()->isEnabled());

        f.dialogs.saveAnswers = {path};
        f.trigger("mnu_Saveas");
        QVERIFY(m.ModelSaved);
        const auto saved = std::make_unique<model::CamModel>(m);
        const std::string written = Slurp(path);
        LoadExample(f, k % 5 + 1);
        QVERIFY(m.FileName.empty());
        f.trigger("mnu_Save"); // asks for a name; cancelled
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(2));
        QCOMPARE(Slurp(path), written);
        f.host.clear();
        f.host.answers = {model::Answer::No}; // the other example is not to be saved
        f.dialogs.openAnswers = {path};
        f.trigger("mnu_Open");
        QCOMPARE(f.host.messages.size(), std::size_t(2));
        QCOMPARE(f.host.messages[1].text, "File " + path + " successfully read.");
        for (int row = 0; row <= model::kNumFunctions; ++row)
            QVERIFY(m.Results[row] == saved->Results[row]);
        QVERIFY(m.SegDesc == saved->SegDesc);
        QCOMPARE(m.PressMax, saved->PressMax);
        QCOMPARE(m.PressMaxAngle, saved->PressMaxAngle);
        QCOMPARE(m.RhoMin, saved->RhoMin);
        QCOMPARE(m.RhoPosMinText + m.RhoNegMinText + m.RollerRadiusText,
                 saved->RhoPosMinText + saved->RhoNegMinText + saved->RollerRadiusText);
        QCOMPARE(m.ModelName, std::string("example"));
    }

    // An example is a model of its own, loaded from the menu or from the input screen's list:
    // after a.cam was open, the header and the proposed names carry the example's name and
    // no file.
    void exampleNeverNamesTheFileOpenBefore() {
        for (const bool fromInputScreen : {false, true}) {
            const Row row{fromInputScreen ? "input screen" : "menu"};
            QTemporaryDir dir;
            const std::string path = dir.filePath("a.cam").toStdString();
            UiFixture f;
            LoadExample(f, 1);
            f.dialogs.saveAnswers = {path};
            f.trigger("mnu_Saveas");
            f.dialogs.openAnswers = {path};
            f.trigger("mnu_Open");
            QCOMPARE(f.model->ModelName, std::string("a"));
            if (fromInputScreen) {
                auto* list =
                    Child<QComboBox>(f.open<ui::ScreenBase>(ScreenId::InputData), "cmb_Examples");
                list->setFocus();
                QTest::keyClick(list, Qt::Key_D); // the first entry that starts with it
                Click(f.screen<QWidget>(ScreenId::InputData), "cmd_Done");
            } else {
                LoadExample(f, 3);
            }
            const std::string name = "Double Dwell - Translating Follower";
            QCOMPARE(f.model->ModelName, name);
            QVERIFY(f.model->FileName.empty());
            QVERIFY(model::FillHeaders(*f.model, 0).Header.find("File") == std::string::npos);

            const std::string exported = dir.filePath("out.txt").toStdString();
            f.dialogs.saveAnswers = {exported};
            f.trigger("mnu_Spreadsheet");
            QCOMPARE(f.dialogs.saveRequests.back().proposedName, name + ".txt");
            const std::string text = Slurp(exported);
            QCOMPARE(text.substr(0, text.find("Design #")), "File " + name + std::string(16, ' '));
            f.trigger("mnu_Saveas"); // cancelled
            QCOMPARE(f.dialogs.saveRequests.back().proposedName, name + ".cam");
        }
    }
};

TROCHIX_UI_TEST(ExampleCommandsTest)
#include "ExampleCommandsTest.moc"
