// The readout of the Annotated and Aligned plots, driven by the pointer: a cursor reads every
// window's function at the angle under it (interpolated from the model's rows), the windows of a
// screen follow one cursor, and clicks pin cursors whose differences are shown. The Picture menu
// copies the plotted data and the picture and saves the picture.
#include "PlotTestSupport.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "output/Graph.h"
#include "ui/AlignedPlotView.h"
#include "ui/ChartView.h"
#include "ui/DrawingSurface.h"
#include "ui/screens/AlignedPlotScreen.h"
#include "ui/screens/AnnotatedPlotScreen.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

using namespace trochix;
using namespace trochix::uitest;
using model::ScreenId;

namespace {

ui::AnnotatedPlotScreen* OpenFourWindows(UiFixture& f) {
    LoadComputedExample(f, 3, 1.0f);
    RequestPlot(*f.model, 3, 2, {1, 2, 3, 4}, 4, 0);
    f.navigator.ShowScreen(ScreenId::Plot3);
    auto* s = f.screen<ui::AnnotatedPlotScreen>(ScreenId::Plot3);
    s->resize(1040, 940);
    QApplication::processEvents();
    return s;
}

// S, V, A and J of example 3 in the four stacked Aligned windows, the screen `width` wide.
ui::AlignedPlotScreen* OpenAligned(UiFixture& f, int width) {
    LoadComputedExample(f, 3, 1.0f);
    RequestPlot(*f.model, 3, 1, {1, 2, 3, 4}, 4, 0);
    f.navigator.ShowScreen(ScreenId::MyPlot3);
    auto* s = f.screen<ui::AlignedPlotScreen>(ScreenId::MyPlot3);
    s->resize(width, 940);
    QApplication::processEvents();
    return s;
}

// Where a chart draws horizontal value x, in its viewport.
QPoint PixelOf(ui::ChartView* chart, double x) {
    // positionOf is whole pixels: measure over the whole axis.
    const int last = chart->graph().NumPoints - 1;
    const QPointF p0 = chart->positionOf(0, 0), p1 = chart->positionOf(0, last);
    const double x0 = chart->graph().XValues[0];
    const double x1 = chart->graph().XValues[static_cast<std::size_t>(last)];
    const QPointF middle =
        chart->mapFromScene(chart->chart()->mapToScene(chart->chart()->plotArea().center()));
    return QPointF(p0.x() + (x - x0) / (x1 - x0) * (p1.x() - p0.x()), middle.y()).toPoint();
}

} // namespace

class ChartReadoutTest : public QObject {
    Q_OBJECT
private slots:
    // Between two angles of the rows, each window's cursor value is the straight-line value
    // between rows 1..4 at the two angles either side; every window reads the same angle.
    void cursorReadsRowsAcrossWindows() {
        UiFixture f;
        auto* s = OpenFourWindows(f);
        ui::ChartView* first = s->chart(0);
        QTest::mouseMove(first->viewport(), PixelOf(first, 100.5));
        QTRY_VERIFY(first->cursorAt().has_value());
        const double x = *first->cursorAt();
        QVERIFY2(std::floor(x) == 100.0 && x > 100.0, qPrintable(QString::number(x)));
        const double t = x - 100.0;
        for (int w = 0; w < 4; ++w) {
            ui::ChartView* chart = s->chart(w);
            QCOMPARE(chart->cursorAt(), std::optional<double>(x));
            const auto v = output::GraphValuesAt(chart->graph(), x);
            QVERIFY(v);
            const auto& row = f.model->Results[static_cast<std::size_t>(w + 1)];
            const double expected = row[100] + t * (row[101] - row[100]);
            QVERIFY2(
                std::fabs(v->values[0] - expected) <= 1e-6 * (1.0 + std::fabs(expected)),
                qPrintable(
                    QString("window %1: %2, rows give %3").arg(w).arg(v->values[0]).arg(expected)));
            QCOMPARE(chart->readoutText(),
                     QString::fromStdString(output::GraphReadingAt(chart->graph(), x)));
        }
        // Leaving takes the cursor away in every window.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(first, &leave);
        for (int w = 0; w < 4; ++w)
            QVERIFY(!s->chart(w)->cursorAt());
    }

    // A click pins the cursor in every window; a second pin shows the differences; a third
    // starts a new pair.
    void pinsShowDifferences() {
        UiFixture f;
        auto* s = OpenFourWindows(f);
        ui::ChartView* chart = s->chart(2);
        QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, PixelOf(chart, 90.0));
        QCOMPARE(chart->pins().size(), 1);
        QCOMPARE(s->chart(0)->pins(), chart->pins());
        QVERIFY(s->chart(3)->readoutText().contains("Pinned   Cam Angle "));
        QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, PixelOf(chart, 180.0));
        QCOMPARE(s->chart(1)->pins().size(), 2);
        const QList<double> pins = chart->pins();
        const std::string difference =
            output::GraphDifference(s->chart(1)->graph(), pins[0], pins[1]);
        QVERIFY(!difference.empty());
        QVERIFY2(s->chart(1)->readoutText().endsWith(QString::fromStdString(difference)),
                 qPrintable(s->chart(1)->readoutText()));
        // S from the first pin to the second, as the rows give it at those points.
        const auto a = output::GraphValuesAt(s->chart(0)->graph(), pins[0]);
        const auto b = output::GraphValuesAt(s->chart(0)->graph(), pins[1]);
        const double rowsGive = f.model->Results[1][static_cast<std::size_t>(pins[1])] -
                                f.model->Results[1][static_cast<std::size_t>(pins[0])];
        QVERIFY(std::fabs((b->values[0] - a->values[0]) - rowsGive) < 1e-6);
        QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, PixelOf(chart, 200.0));
        QCOMPARE(s->chart(0)->pins().size(), 1);
    }

    // The stacked Aligned windows show one cursor at the pointer's angle, with every window's
    // function read there from rows 1..4 (interpolated); clicks pin cursors in every window and
    // the second shows the differences; the cursor goes once the pointer left.
    void alignedWindowsShareTheCursor() {
        // Wide enough that a degree spans several pixels: between two points is not within a
        // pixel of either.
        UiFixture f;
        auto* s = OpenAligned(f, 2400);
        ui::DrawingSurface* second = s->view(1)->surface();
        const QPoint at = second->positionOf({100.5, 0.0}).toPoint();
        const double x = second->modelAt(at)->x;
        QVERIFY(std::fabs(x - 100.0) > 0.2 && std::fabs(x - 101.0) > 0.2);
        QTest::mouseMove(second, at);
        for (int w = 0; w < 4; ++w)
            QCOMPARE(s->view(w)->surface()->cursorX(), std::optional<double>(x));
        const auto v = output::GraphValuesAt(s->stack(), x);
        QVERIFY(v);
        QCOMPARE(v->values.size(), std::size_t(4));
        for (std::size_t row = 1; row <= 4; ++row) {
            const auto& r = f.model->Results[row];
            const double t = x - 100.0;
            QVERIFY(std::fabs(v->values[row - 1] - (r[100] + t * (r[101] - r[100]))) <
                    1e-6 * std::max(1.0, std::fabs(double(r[100]))));
        }
        const QString status = Shown(s, "lbl_Status");
        QCOMPARE(status, QString::fromStdString(output::GraphReadingAt(s->stack(), x)));
        for (const char* name : {"Displcmnt ", "Velocity ", "Accel ", "Jerk "})
            QVERIFY2(status.contains(name), qPrintable(status));

        // Within a pixel of a point the readout is that point's, exactly.
        QTest::mouseMove(second, second->positionOf({120.0, 0.0}).toPoint());
        QCOMPARE(s->view(0)->surface()->cursorX(), std::optional<double>(120.0));

        QTest::mouseClick(second, Qt::LeftButton, {}, second->positionOf({90.0, 0.0}).toPoint());
        for (int w = 0; w < 4; ++w)
            QCOMPARE(s->view(w)->surface()->pins(), QList<double>{90.0});
        QVERIFY2(Shown(s, "lbl_Status").contains("\nPinned   Cam Angle 90 deg"),
                 qPrintable(Shown(s, "lbl_Status")));
        ui::DrawingSurface* last = s->view(3)->surface();
        QTest::mouseClick(last, Qt::LeftButton, {}, last->positionOf({180.0, 0.0}).toPoint());
        QCOMPARE(s->pins(), (QList<double>{90.0, 180.0}));
        QVERIFY(Shown(s, "lbl_Status")
                    .endsWith(
                        QString::fromStdString(output::GraphDifference(s->stack(), 90.0, 180.0))));
        const auto a = output::GraphValuesAt(s->stack(), 90.0);
        const auto b = output::GraphValuesAt(s->stack(), 180.0);
        QCOMPARE(b->values[0] - a->values[0],
                 double(f.model->Results[1][180]) - double(f.model->Results[1][90]));
        QTest::mouseClick(last, Qt::LeftButton, {}, last->positionOf({200.0, 0.0}).toPoint());
        QCOMPARE(s->pins(), QList<double>{200.0});

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(second, &leave);
        for (int w = 0; w < 4; ++w)
            QVERIFY(!s->view(w)->surface()->cursorX());
        QVERIFY(Shown(s, "lbl_Status").startsWith("Pinned   Cam Angle 200 deg"));
        // A new visit starts without pins.
        f.navigator.ShowScreen(ScreenId::MyPlot3);
        QVERIFY(s->pins().isEmpty() && s->view(0)->surface()->pins().isEmpty());
    }

    // A wheel over one Aligned window zooms every window to the same angles, each keeping its
    // own values; Home on another shows them all whole again.
    void alignedWindowsZoomTogether() {
        UiFixture f;
        auto* s = OpenAligned(f, 1040);
        ui::DrawingSurface* jerk = s->view(3)->surface();
        const QPointF at = jerk->positionOf({90.0, 0.0});
        QWheelEvent wheel(at, jerk->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(jerk, &wheel);
        const ui::ViewRange zoomed = jerk->zoom()->view();
        QVERIFY(zoomed.width() < jerk->zoom()->full().width());
        QVERIFY(zoomed.x0 < 90.0 && zoomed.x1 > 90.0);
        for (int w = 0; w < 3; ++w) {
            const ui::ViewZoom* z = s->view(w)->surface()->zoom();
            QCOMPARE(z->view().x0, zoomed.x0);
            QCOMPARE(z->view().x1, zoomed.x1);
            QCOMPARE(z->view().y0, z->full().y0); // its values as they were
            QCOMPARE(z->view().y1, z->full().y1);
        }
        ui::DrawingSurface* first = s->view(0)->surface();
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Home);
        for (int w = 0; w < 4; ++w)
            QCOMPARE(s->view(w)->surface()->zoom()->view().x1,
                     s->view(w)->surface()->zoom()->full().x1);
    }

    // Copy Data puts every window's function beside the angle, in TAB text that reads back to
    // the model's rows; Copy Picture puts the screen at its size.
    void copyDataAndPicture() {
        UiFixture f;
        auto* s = OpenFourWindows(f);
        s->findChild<QAction*>("act_CopyData")->trigger();
        const QStringList lines = QApplication::clipboard()->text().split("\r\n");
        QCOMPARE(lines.front().split('\t').size(), 5);
        QVERIFY2(lines.front().startsWith("Cam Angle (deg)\t"), qPrintable(lines.front()));
        QCOMPARE(lines.size(), 361 + 2); // the heading, the points, and the end of the last
        for (int n : {0, 100, 271, 360}) {
            const QStringList cells = lines[n + 1].split('\t');
            QCOMPARE(cells[0].toFloat(), float(n));
            for (int row = 1; row <= 4; ++row)
                QCOMPARE(
                    cells[row].toFloat(),
                    f.model->Results[static_cast<std::size_t>(row)][static_cast<std::size_t>(n)]);
        }
        s->findChild<QAction*>("act_CopyPicture")->trigger();
        const QImage image = QApplication::clipboard()->image();
        QCOMPARE(image.size() / image.devicePixelRatio(), s->size());
    }

    // Save Picture writes the chosen kind of file; a name of another kind is refused and said.
    void savePicture() {
        UiFixture f;
        auto* s = OpenFourWindows(f);
        QTemporaryDir dir;
        const QString svg = dir.filePath("plot.svg"), gif = dir.filePath("plot.gif");
        f.dialogs.saveAnswers = {svg.toStdString(), gif.toStdString()};
        s->findChild<QAction*>("act_SavePicture")->trigger();
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<svg"));
        QVERIFY(f.host.messages.empty());
        s->findChild<QAction*>("act_SavePicture")->trigger();
        QVERIFY(!QFile::exists(gif));
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QVERIFY(f.host.messages.front().text.find("The picture was not saved:") == 0);
    }
};

TROCHIX_UI_TEST(ChartReadoutTest)
#include "ChartReadoutTest.moc"
