// The Make Cam screen: reached from Draw Cam and from File > Export, it shows what its boxes
// make, refuses bad entries with the model's value back, refuses an undercut cam until the
// user asks for the trimmed one, and saves every format.
#include "ui/screens/MakeCamScreen.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "geometry/PlaneCurve.h"
#include "ui/DrawingSurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace trochix;
using namespace trochix::uitest;

namespace {

ui::MakeCamScreen* MakeCam(UiFixture& f) {
    return f.screen<ui::MakeCamScreen>(ScreenId::MakeCam);
}

} // namespace

class MakeCamScreenTest : public QObject {
    Q_OBJECT
private slots:
    // From Draw Cam on example 1: the preview shows a body, the summary the fit, and the menu
    // of the home screen offers the same screen.
    void openedFromDrawCamAndFromTheExportMenu() {
        UiFixture f;
        f.homeTargets();
        f.trigger(IndexedName("mnu_Example", 1));
        Click(f.screen<QWidget>(ScreenId::Animate), "cmd_MakeCam");
        QCOMPARE(f.navigator.shown, std::vector<ScreenId>({ScreenId::Animate, ScreenId::MakeCam}));
        auto* s = MakeCam(f);
        QVERIFY(s->cam().ok);
        QVERIFY(!s->preview()->scene().empty());
        QVERIFY(!s->errorPlot()->scene().empty());
        QVERIFY(
            Shown(s, "lbl_Summary")
                .startsWith(QString("Surface: %1 arcs and lines").arg(s->cam().surface.size())));
        QVERIFY(Shown(s, "lbl_Summary").contains("Undercut: none"));
        QVERIFY(Child(s, "cmd_Save")->isEnabled());
        QCOMPARE(f.texts(), Strings());
        Click(s, "cmd_Done");

        f.trigger("mnu_MakeCam");
        QCOMPARE(f.navigator.shown.back(), ScreenId::MakeCam);
    }

    // Letters in a box are refused with their message, and the box shows the model's value
    // again; a good tolerance makes the cam again, with more arcs for a finer one.
    void badAndGoodEntries() {
        UiFixture f;
        f.homeTargets();
        f.trigger(IndexedName("mnu_Example", 1));
        auto* s = f.open<ui::MakeCamScreen>(ScreenId::MakeCam);
        const QString before = Shown(s, "txt_Cutter");
        Type(Child<QLineEdit>(s, "txt_Cutter"), "abc");
        QTest::keyClick(Child<QLineEdit>(s, "txt_Cutter"), Qt::Key_Return);
        QCOMPARE(f.texts(), Strings({"Cutter Radius must be a positive length."}));
        QCOMPARE(Shown(s, "txt_Cutter"), before);
        QCOMPARE(f.model->CutterRadius, 0.0f);

        const std::size_t coarse = s->cam().surface.size();
        Type(Child<QLineEdit>(s, "txt_Tolerance"), "0.000001");
        QTest::keyClick(Child<QLineEdit>(s, "txt_Tolerance"), Qt::Key_Return);
        QCOMPARE(f.model->SurfaceTolerance, 1e-6f);
        QVERIFY(s->cam().ok);
        QVERIFY(s->cam().surface.size() > coarse);
        QVERIFY(s->cam().deviation <= 1e-6);
    }

    // An undercut cam: refused in red and not saved until the trimmed cam is asked for.
    void undercutIsRefusedUntilAllowed() {
        UiFixture f;
        f.homeTargets();
        f.trigger(IndexedName("mnu_Example", 1));
        f.model->RollerRadius = 2.5f;
        auto* s = f.open<ui::MakeCamScreen>(ScreenId::MakeCam);
        QVERIFY(!s->cam().ok);
        QVERIFY(!Child(s, "cmd_Save")->isEnabled());
        QVERIFY(Shown(s, "lbl_Summary")
                    .startsWith(QString::fromStdString(s->cam().undercut.message)
                                    .replace('\r', '\n')));
        QVERIFY(!s->errorPlot()->isVisible());
        QTest::mouseClick(Child<QCheckBox>(s, "chk_AllowUndercut"), Qt::LeftButton);
        QVERIFY(s->cam().ok);
        QVERIFY(s->errorPlot()->isVisible());
        QVERIFY(Child(s, "cmd_Save")->isEnabled());
    }

    // Every format of the list is saved under the name the dialog gives, and a cancelled
    // dialog writes nothing.
    void savesEveryFormat() {
        UiFixture f;
        f.homeTargets();
        f.trigger(IndexedName("mnu_Example", 3));
        auto* s = f.open<ui::MakeCamScreen>(ScreenId::MakeCam);
        QTemporaryDir dir;
        auto* format = Child<QComboBox>(s, "cmb_Format");
        const QStringList names = {"cam.dxf", "cam.nc", "cam.step", "cam.csv"};
        QCOMPARE(format->count(), names.size());
        for (int i = 0; i < format->count(); ++i) {
            format->setCurrentIndex(i);
            const std::string path = dir.filePath(names[i]).toStdString();
            f.dialogs.saveAnswers = {path};
            QVERIFY(s->Save_Click());
            QVERIFY(QFileInfo(QString::fromStdString(path)).size() > 100);
            QCOMPARE(Shown(s, "lbl_Saved"), QString::fromStdString("Written: " + path));
        }
        QCOMPARE(f.dialogs.saveRequests.back().proposedName, f.model->ModelName + ".csv");
        QVERIFY(Slurp(dir.filePath("cam.step").toStdString()).find("ISO-10303-21") == 0);
        f.dialogs.saveAnswers = {std::nullopt};
        QVERIFY(!s->Save_Click());
        QCOMPARE(f.texts(), Strings());
    }
};

TROCHIX_UI_TEST(MakeCamScreenTest)
#include "MakeCamScreenTest.moc"
