// The Design Map screen: opened from Size Cam, a click adopts the design under the pointer
// through the sizing's commits, a drag follows live and letting go brings the dynamics back,
// a point the follower cannot take changes nothing, and a bad limit is refused.
#include "ui/screens/DesignMapScreen.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "chain/Recalculate.h"
#include "ui/DrawingSurface.h"

#include <QComboBox>
#include <QMouseEvent>

using namespace trochix;
using namespace trochix::uitest;
using geometry::MapAxis;

namespace {

void Mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, w->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// How far one pixel moves the prime radius on the map.
double PrimePerPixel(const ui::DesignMapScreen* s) {
    const auto& m = s->map();
    return (m.primeTo - m.primeFrom) / (0.87 / 1.45 * s->mapSurface()->width());
}

} // namespace

class DesignMapScreenTest : public QObject {
    Q_OBJECT
private slots:
    // Example 1 from Size Cam: the map is drawn; a click on the smallest design puts it into
    // the model, sized as chain::RecalculateSizing sizes it, with no message.
    void clickAdoptsTheDesign() {
        UiFixture f;
        f.homeTargets();
        f.trigger(IndexedName("mnu_Example", 1));
        auto* size = f.open<QWidget>(ScreenId::SizeCam);
        Click(size, "cmd_DesignMap");
        QCOMPARE(f.navigator.shown.back(), ScreenId::DesignMap);
        auto* s = f.screen<ui::DesignMapScreen>(ScreenId::DesignMap);
        s->resize(1100, 700);
        QVERIFY(s->map().ok);
        QCOMPARE(s->map().second, MapAxis::Roller);
        QVERIFY(s->mapSurface()->scene().size() > 10000u);
        QVERIFY(s->map().cornerShown);

        const geometry::Point target = s->map().corner;
        const QPointF at = s->positionOf(target);
        const auto back = s->mapSurface()->modelAt(at);
        QVERIFY(back);
        QTest::mouseClick(s->mapSurface(), Qt::LeftButton, {}, at.toPoint());
        const double tolerance = 2.0 * PrimePerPixel(s);
        QVERIFY(std::fabs(f.model->PrimeRadius - target.x) < tolerance);
        QVERIFY(std::fabs(f.model->RollerRadius - target.y) < 0.05);
        QVERIFY(f.model->ProfileDone);
        QVERIFY(f.model->DynamicsDone);
        QCOMPARE(f.texts(), Strings());
        QCOMPARE(s->map().current.x, double{f.model->PrimeRadius});

        // The same design sized afresh gives the same extremes.
        auto fresh = std::make_unique<model::CamModel>(*f.model);
        model::RecordingHost host;
        QVERIFY(chain::RecalculateSizing(*fresh, host));
        QCOMPARE(f.model->PressMax, fresh->PressMax);
        QCOMPARE(f.model->RhoMin, fresh->RhoMin);
        QVERIFY(Shown(s, "lbl_Sized").startsWith("Sized: pressure angle"));
        QVERIFY(!s->picture()->scene().empty());
    }

    // Pressing, dragging and letting go: while dragging only the sizing runs (dynamics
    // withdrawn), and the design follows the pointer; letting go recomputes the dynamics.
    void dragFollowsLive() {
        UiFixture f;
        f.homeTargets();
        f.trigger(IndexedName("mnu_Example", 1));
        QVERIFY(f.model->DynamicsDone);
        auto* s = f.open<ui::DesignMapScreen>(ScreenId::DesignMap);
        s->resize(1100, 700);
        QWidget* w = s->mapSurface();
        const double Rr = f.model->RollerRadius;
        const QPointF a = s->positionOf({4.0, Rr}), b = s->positionOf({5.0, Rr}),
                      c = s->positionOf({5.5, Rr});
        // Hovering reads the design under the pointer out and adopts nothing.
        const float before = f.model->PrimeRadius;
        Mouse(w, QEvent::MouseMove, a, Qt::NoButton);
        QVERIFY2(Shown(s, "lbl_Readout").startsWith("Prime 4"),
                 qPrintable(Shown(s, "lbl_Readout")));
        QCOMPARE(f.model->PrimeRadius, before);
        Mouse(w, QEvent::MouseButtonPress, a, Qt::LeftButton);
        QVERIFY(std::fabs(f.model->PrimeRadius - 4.0) < 2.0 * PrimePerPixel(s));
        QVERIFY(f.model->ProfileDone);
        QVERIFY(!f.model->DynamicsDone);
        Mouse(w, QEvent::MouseMove, b, Qt::LeftButton);
        QTRY_VERIFY(std::fabs(f.model->PrimeRadius - 5.0) < 2.0 * PrimePerPixel(s));
        QVERIFY(f.model->ProfileDone);
        QVERIFY(Shown(s, "lbl_Readout").startsWith("Prime 5"));
        Mouse(w, QEvent::MouseButtonRelease, c, Qt::NoButton);
        QVERIFY(std::fabs(f.model->PrimeRadius - 5.5) < 2.0 * PrimePerPixel(s));
        QVERIFY(f.model->DynamicsDone);
        QCOMPARE(f.texts(), Strings());
    }

    // A roller as large as the prime radius (the grey corner) is not taken: the model keeps
    // its design, the readout says why, no message box interrupts the drag.
    void impossibleDesignChangesNothing() {
        UiFixture f;
        f.homeTargets();
        f.trigger(IndexedName("mnu_Example", 1));
        auto* s = f.open<ui::DesignMapScreen>(ScreenId::DesignMap);
        s->resize(1100, 700);
        const float prime = f.model->PrimeRadius, roller = f.model->RollerRadius;
        const auto& m = s->map();
        QTest::mouseClick(s->mapSurface(), Qt::LeftButton, {},
                          s->positionOf({m.primeFrom + 0.01, m.secondTo - 0.01}).toPoint());
        QCOMPARE(f.model->PrimeRadius, prime);
        QCOMPARE(f.model->RollerRadius, roller);
        QVERIFY(Shown(s, "lbl_Readout")
                    .endsWith("The roller radius must be smaller than the prime radius."));
        QCOMPARE(f.texts(), Strings());
    }

    // The offset axis and the limits: a new limit draws the map again; one outside 0..90
    // is refused with its message and the map kept.
    void axesAndLimits() {
        UiFixture f;
        f.homeTargets();
        f.trigger(IndexedName("mnu_Example", 1));
        auto* s = f.open<ui::DesignMapScreen>(ScreenId::DesignMap);
        auto* axes = Child<QComboBox>(s, "cmb_MapAxes");
        QCOMPARE(axes->count(), 2);
        axes->setCurrentIndex(1);
        s->Axis_Click();
        QCOMPARE(s->map().second, MapAxis::Offset);
        QVERIFY(s->map().ok);

        auto* rise = Child<QLineEdit>(s, "txt_RiseLimit");
        Type(rise, "20");
        QTest::keyClick(rise, Qt::Key_Return);
        QCOMPARE(s->map().limits.riseAngle, 20.0);
        QCOMPARE(s->map().second, MapAxis::Offset);
        Type(rise, "95");
        QTest::keyClick(rise, Qt::Key_Return);
        QCOMPARE(f.texts(), Strings({"A pressure angle limit must lie between 0 and 90 degrees."}));
        QCOMPARE(s->map().limits.riseAngle, 20.0);
        QVERIFY(s->map().ok);
    }
};

TROCHIX_UI_TEST(DesignMapScreenTest)
#include "DesignMapScreenTest.moc"
