// Zoom and pan of the charts and drawings, driven through the widgets' own events: the wheel
// zooms about the pointer, a band zooms to itself, a drag pans, a double-click and Home reset,
// the keys zoom and pan; the graph, scene and labels of the whole picture are left as they were.
#include "UiTestRegistry.h"
#include "output/Graph.h"
#include "ui/AlignedPlotView.h"
#include "ui/ChartView.h"
#include "ui/DrawingSurface.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <QWheelEvent>
#include <memory>

#include <cmath>

using namespace trochix;
using ui::ViewRange;

namespace {

output::Graph Sine(int n) {
    output::Graph g;
    g.Kind = output::GraphKind::CamAngle;
    output::ResizeGraph(g, 1, n);
    for (int i = 0; i < n; ++i) {
        g.XValues[static_cast<std::size_t>(i)] = i;
        g.Sets[0].GraphData[static_cast<std::size_t>(i)] = std::sin(i * 3.14159265 / 180.0);
    }
    g.TickEvery = 10;
    g.LabelEvery = 30;
    return g;
}

void Wheel(QWidget* target, QPointF at, int angle, Qt::KeyboardModifiers mods = {}) {
    QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

void Drag(QWidget* target, Qt::MouseButton button, QPoint from, QPoint to) {
    QTest::mousePress(target, button, {}, from);
    QTest::mouseMove(target, (from + to) / 2);
    QTest::mouseMove(target, to);
    QTest::mouseRelease(target, button, {}, to);
}

bool Near(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}

// A chart shown at a known size, its axes laid out.
struct ShownChart {
    ui::ChartView view;
    ShownChart() {
        view.setGraph(Sine(361));
        view.resize(640, 360);
        view.show();
        exposed = QTest::qWaitForWindowExposed(&view);
        QApplication::processEvents();
    }
    QWidget* port() { return view.viewport(); }
    bool exposed = false;
};

} // namespace

class ViewZoomTest : public QObject {
    Q_OBJECT
private slots:
    // The angle and value under the pointer stay under it; the shown range shrinks by the
    // wheel's step and grows back by the same step the other way.
    void wheelZoomsAboutThePointer() {
        ShownChart c;
        QVERIFY(c.exposed);
        const QPointF at(400, 200);
        const QPointF before = c.view.valueAt(at);
        const ViewRange full = c.view.shownRange();
        QCOMPARE(full.x0, 0.0);
        QCOMPARE(full.x1, 360.0);
        Wheel(c.port(), at, 120);
        const ViewRange in = c.view.shownRange();
        QVERIFY(Near(in.width(), 360.0 / 1.25, 1e-9));
        QVERIFY(Near(in.height(), full.height() / 1.25, 1e-9));
        const QPointF after = c.view.valueAt(at);
        QVERIFY2(Near(after.x(), before.x(), 0.01) && Near(after.y(), before.y(), 1e-4),
                 qPrintable(QString("%1,%2 became %3,%4")
                                .arg(before.x())
                                .arg(before.y())
                                .arg(after.x())
                                .arg(after.y())));
        // The zoom reached the axes, not the graph.
        auto* x = qobject_cast<QValueAxis*>(c.view.chart()->axes(Qt::Horizontal).front());
        QCOMPARE(x->min(), in.x0);
        QCOMPARE(c.view.graph().NumPoints, 361);
        Wheel(c.port(), at, -120);
        QVERIFY(Near(c.view.shownRange().width(), 360.0, 1e-6));
        // Never wider than the whole graph.
        Wheel(c.port(), at, -1200);
        QCOMPARE(c.view.shownRange(), full);
        QVERIFY(!c.view.zoom()->zoomed());
    }

    // A left drag zooms to the band dragged; a right drag pans by what it moved over; a
    // double-click shows the whole graph again.
    void bandPanAndReset() {
        ShownChart c;
        QVERIFY(c.exposed);
        const QPoint a(200, 100), b(360, 220);
        const QPointF va = c.view.valueAt(a), vb = c.view.valueAt(b);
        Drag(c.port(), Qt::LeftButton, a, b);
        ViewRange v = c.view.shownRange();
        QVERIFY(Near(v.x0, va.x(), 1e-6) && Near(v.x1, vb.x(), 1e-6));
        QVERIFY(Near(v.y1, va.y(), 1e-6) && Near(v.y0, vb.y(), 1e-6));

        const QPointF p0 = c.view.valueAt(QPoint(300, 150)), p1 = c.view.valueAt(QPoint(260, 150));
        Drag(c.port(), Qt::RightButton, QPoint(300, 150), QPoint(260, 150));
        const ViewRange panned = c.view.shownRange();
        QVERIFY(Near(panned.x0 - v.x0, p0.x() - p1.x(), 1e-6));
        QVERIFY(Near(panned.width(), v.width(), 1e-6));

        QTest::mouseDClick(c.port(), Qt::LeftButton, {}, QPoint(300, 150));
        QCOMPARE(c.view.shownRange(), c.view.zoom()->full());

        // A band too thin to mean anything, and a click, leave the view alone.
        Drag(c.port(), Qt::LeftButton, QPoint(200, 100), QPoint(300, 102));
        QVERIFY(!c.view.zoom()->zoomed());
    }

    // +, -, the arrows and Home for a user without a wheel; panning stops at the graph's ends.
    void keysZoomAndPan() {
        ShownChart c;
        QVERIFY(c.exposed);
        QTest::keyClick(&c.view, Qt::Key_Plus);
        ViewRange v = c.view.shownRange();
        QVERIFY(Near(v.width(), 240.0, 1e-6));
        QVERIFY(Near((v.x0 + v.x1) / 2.0, 180.0, 1e-6)); // about the middle
        QTest::keyClick(&c.view, Qt::Key_Right);
        QVERIFY(Near(c.view.shownRange().x0, v.x0 + 24.0, 1e-6));
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(&c.view, Qt::Key_Right);
        QCOMPARE(c.view.shownRange().x1, 360.0);
        QTest::keyClick(&c.view, Qt::Key_Minus);
        QCOMPARE(c.view.shownRange().x0, 0.0);
        QTest::keyClick(&c.view, Qt::Key_Plus);
        QTest::keyClick(&c.view, Qt::Key_Home);
        QVERIFY(!c.view.zoom()->zoomed());
        // The same graph recomputed keeps the zoom; another graph is shown whole.
        QTest::keyClick(&c.view, Qt::Key_Plus);
        c.view.setGraph(Sine(361));
        QVERIFY(c.view.zoom()->zoomed());
        c.view.setGraph(Sine(181));
        QVERIFY(!c.view.zoom()->zoomed());
    }

    // A true-shape drawing zooms about the pointer too; its scene's window never changes, and
    // the next frame of the same picture keeps the zoom.
    void drawingZoomsItsView() {
        ui::DrawingSurface surface(ui::SceneScale::Equal);
        surface.scene().setWindow({-5, 5, -5, 5});
        surface.resize(400, 300);
        surface.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface));
        const QPointF at(300, 100);
        const geometry::Point before = *surface.modelAt(at);
        Wheel(&surface, at, 240);
        const geometry::Point after = *surface.modelAt(at);
        QVERIFY(Near(after.x, before.x, 1e-9) && Near(after.y, before.y, 1e-9));
        QVERIFY(Near(surface.shownWindow().width(), 10.0 / 1.5625, 1e-9));
        QCOMPARE(surface.scene().window(), (geometry::SceneWindow{-5, 5, -5, 5}));

        geometry::Scene frame;
        frame.setWindow({-5, 5, -5, 5});
        surface.replaceScene(frame);
        QVERIFY(surface.zoom()->zoomed());
        geometry::Scene other;
        other.setWindow({0, 1, 0, 1});
        surface.replaceScene(other);
        QVERIFY(!surface.zoom()->zoomed());
    }

    // A right click without a drag opens the chart's copy menu, whose Copy Data puts the graph's
    // TAB text on the clipboard; a right drag only pans. Ctrl+C copies the picture as shown and
    // the data together; a drawing copies its picture.
    void copyFromEveryView() {
        ShownChart c;
        QVERIFY(c.exposed);
        QSignalSpy menus(c.view.zoom(), &ui::ViewZoom::menuRequested);
        Drag(c.port(), Qt::RightButton, {300, 180}, {200, 150});
        QCOMPARE(menus.count(), 0);
        QApplication::clipboard()->clear();
        QTimer::singleShot(0, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                if (auto* data = popup->findChild<QAction*>("act_CopyViewData"))
                    data->trigger();
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        });
        QTest::mouseClick(c.port(), Qt::RightButton, {}, {300, 180});
        QCOMPARE(menus.count(), 1);
        const QStringList lines = QApplication::clipboard()->text().split("\r\n");
        QCOMPARE(lines.front(), QString("Cam Angle (deg)\t"));
        QCOMPARE(lines[91].split('\t')[1].toDouble(), c.view.graph().Sets[0].GraphData[90]);

        QApplication::clipboard()->clear();
        QTest::keyClick(&c.view, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* both = QApplication::clipboard()->mimeData();
        QVERIFY(both->hasImage() && both->hasText());
        QCOMPARE(qvariant_cast<QImage>(both->imageData()).deviceIndependentSize().toSize(),
                 c.view.size());

        ui::DrawingSurface surface(ui::SceneScale::Equal);
        surface.scene().setWindow({-5, 5, -5, 5});
        surface.scene().circle({0, 0}, 2, {255, 0, 0});
        surface.resize(200, 200);
        surface.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface));
        QApplication::clipboard()->clear();
        surface.setFocus();
        QTest::keyClick(&surface, Qt::Key_C, Qt::ControlModifier);
        const QImage image = QApplication::clipboard()->image();
        QCOMPARE(image.deviceIndependentSize().toSize(), QSize(200, 200));
        bool red = false; // the circle was drawn into the copy
        for (int y = 0; y < image.height() && !red; ++y)
            for (int x = 0; x < image.width() && !red; ++x)
                red = image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 80;
        QVERIFY(red);
        QVERIFY(!QApplication::clipboard()->mimeData()->hasText());
    }

    // A zoomed Aligned window labels what lies under its labels now, and its own labels again
    // when shown whole.
    void alignedLabelsFollowTheZoom() {
        // On the heap: GCC 12 takes the short label strings of a stack object as uninitialised.
        const auto held = std::make_unique<output::AlignedWindow>();
        output::AlignedWindow& w = *held;
        w.scene.setWindow({-72.0, 374.4, -1.7, 1.15}); // 0..360 deg, magnitude 1
        w.lbl_Xmin = "0";
        w.lbl_X1 = "90";
        w.lbl_X2 = "180";
        w.lbl_X3 = "270";
        w.lbl_Xmax = "360";
        w.lbl_Ymax = "1";
        w.lbl_Ymin = "-1";
        ui::AlignedPlotView view(1);
        view.resize(900, 300);
        view.show(w);
        view.QWidget::show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* surface = view.surface();
        surface->zoom()->zoomTo({0.0, 223.2, -0.85, 0.575}); // half of each way, from 72 deg left
        // The window's x0 is now 0, so its axis (a fifth of the frame in) is at 0 + 0.2 * 180.
        auto* xmin = view.findChild<QLabel*>("lbl_Xmin_1");
        auto* xmax = view.findChild<QLabel*>("lbl_Xmax_1");
        auto* ymax = view.findChild<QLabel*>("lbl_Ymax_1");
        QCOMPARE(xmin->text(), QString("36"));
        QCOMPARE(xmax->text(), QString("216"));
        QCOMPARE(ymax->text(), QString(".5")); // the program's own number style
        QTest::keyClick(surface, Qt::Key_Home);
        QCOMPARE(xmin->text(), QString("0"));
        QCOMPARE(ymax->text(), QString("1"));
    }
};

TROCHIX_UI_TEST(ViewZoomTest)
#include "ViewZoomTest.moc"
