// The plot screens driven through their controls: what each chart and window is given, the
// Grid and Style boxes, readings, Print Form, Select Another and the pictures written off
// screen.
#include "PlotTestSupport.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/AlignedPlotView.h"
#include "ui/ChartView.h"
#include "ui/DrawingSurface.h"
#include "ui/WidgetPainting.h"
#include "ui/picture/PlotPicture.h"
#include "ui/screens/AlignedPlotScreen.h"
#include "ui/screens/AnnotatedPlotScreen.h"

#include <QAbstractAxis>
#include <QAreaSeries>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPolarChart>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QValueAxis>

using namespace trochix;
using namespace trochix::uitest;

namespace {

ui::AnnotatedPlotScreen* OpenAnnotated(UiFixture& f, ScreenId id) {
    f.navigator.ShowScreen(id);
    return f.screen<ui::AnnotatedPlotScreen>(id);
}

ui::AlignedPlotScreen* OpenAligned(UiFixture& f, ScreenId id) {
    f.navigator.ShowScreen(id);
    return f.screen<ui::AlignedPlotScreen>(id);
}

QLineSeries* Series(ui::ChartView* chart, const QString& name) {
    for (QAbstractSeries* s : chart->chart()->series())
        if (s->objectName() == name)
            return qobject_cast<QLineSeries*>(s);
    return nullptr;
}

bool HasSeries(ui::ChartView* chart, const QString& name) {
    for (QAbstractSeries* s : chart->chart()->series())
        if (s->objectName() == name)
            return true;
    return false;
}

// The width of the widest image in a PDF file; 0 when it holds none.
int WidestPdfImage(const std::string& pdf) {
    int widest = 0;
    const QString text = QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()));
    QRegularExpression image("/Subtype\\s*/Image\\s*/Width\\s+(\\d+)");
    for (auto it = image.globalMatch(text); it.hasNext();)
        widest = std::max(widest, it.next().captured(1).toInt());
    return widest;
}

QValueAxis* Axis(ui::ChartView* chart, Qt::Orientation o) {
    const auto axes = chart->chart()->axes(o);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.front());
}

} // namespace

class PlotScreensTest : public QObject {
    Q_OBJECT
private slots:
    // Every chart draws exactly the model rows over the requested range, at every step, in
    // every Annotated layout.
    void chartsDrawTheModelRows() {
        const struct {
            ScreenId id;
            int type;
            float step;
            int segment;
        } cases[] = {
            {ScreenId::Plot1, 1, 1.0f, 0}, {ScreenId::Plot1, 1, 0.25f, 2},
            {ScreenId::Plot2, 2, 0.5f, 0}, {ScreenId::Plot3, 3, 0.25f, 0},
            {ScreenId::Plot3, 3, 1.0f, 3},
        };
        for (const auto& c : cases) {
            Row row{QStringLiteral("%1 step %2 segment %3")
                        .arg(model::ScreenName(c.id))
                        .arg(c.step)
                        .arg(c.segment)};
            UiFixture f;
            LoadComputedExample(f, 3, c.step);
            const int count = c.type == 2 ? 2 : 4;
            RequestPlot(*f.model, c.type, 2, {1, 2, 3, 4}, count, c.segment);
            auto* s = OpenAnnotated(f, c.id);
            QVERIFY(f.host.messages.empty());
            const auto indices = SampledPoints(*f.model);
            QCOMPARE(static_cast<int>(indices.size()),
                     static_cast<int>(std::lround(f.model->PlotEnd - f.model->PlotStart)) + 1);
            for (int w = 0; w < s->windows(); ++w) {
                ui::ChartView* chart = s->chart(w);
                QCOMPARE(chart->objectName(), QStringLiteral("grf_Plot_%1").arg(w));
                const int sets = c.type == 1 ? count : 1;
                QCOMPARE(chart->graph().NumSets, sets);
                for (int k = 0; k < sets; ++k) {
                    const int fn =
                        f.model->PlotFunc[static_cast<std::size_t>(c.type == 1 ? k + 1 : w + 1)];
                    QLineSeries* line = Series(chart, QStringLiteral("set_%1_line").arg(k));
                    QVERIFY(line);
                    const QList<QPointF> pts = line->points();
                    QCOMPARE(pts.size(), static_cast<qsizetype>(indices.size()));
                    for (std::size_t n = 0; n < indices.size(); ++n) {
                        const auto j = static_cast<std::size_t>(indices[n]);
                        QCOMPARE(pts[static_cast<qsizetype>(n)].x(),
                                 double(f.model->Results[0][j]));
                        QCOMPARE(pts[static_cast<qsizetype>(n)].y(),
                                 double(f.model->Results[static_cast<std::size_t>(fn)][j]));
                    }
                }
                QCOMPARE(Axis(chart, Qt::Horizontal)->min(), double(f.model->PlotStart));
                QCOMPARE(Axis(chart, Qt::Horizontal)->max(), double(f.model->PlotEnd));
                QCOMPARE(Axis(chart, Qt::Horizontal)->titleText(), QString("Cam Angle (Deg)"));
            }
        }
    }

    // Two charts: the function's abbreviation on the left, its unit as legend; the legend of
    // the single window holds the letters.
    void titlesAndLegends() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        RequestPlot(*f.model, 2, 2, {3, 8, 0, 0}, 2, 0);
        auto* two = OpenAnnotated(f, ScreenId::Plot2);
        QCOMPARE(Axis(two->chart(0), Qt::Vertical)->titleText(), QString("Acc"));
        QCOMPARE(Axis(two->chart(1), Qt::Vertical)->titleText(), QString("Torque"));
        QCOMPARE(Series(two->chart(0), "set_0_line")->name(), QString("in/sec^2"));
        QCOMPARE(Series(two->chart(1), "set_0_line")->name(), QString("lb-in"));

        RequestPlot(*f.model, 1, 2, {1, 2, 3, 4}, 4, 0);
        auto* one = OpenAnnotated(f, ScreenId::Plot1);
        QStringList names;
        for (int k = 0; k < 4; ++k)
            names << Series(one->chart(0), QStringLiteral("set_%1_line").arg(k))->name();
        QCOMPARE(names, (QStringList{"S", "V", "A", "J"}));
        QCOMPARE(Series(one->chart(0), "set_1_line")->pen().style(), Qt::DashLine);
        QCOMPARE(Series(one->chart(0), "set_3_line")->pen().style(), Qt::DashDotLine);
    }

    // Each click redraws: grid lines by the Grid boxes, lines and fills by the Style boxes;
    // the boxes keep their state for the next visit.
    void gridAndStyleBoxes() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        RequestPlot(*f.model, 3, 2, {1, 2, 3, 4}, 4, 0);
        auto* s = OpenAnnotated(f, ScreenId::Plot3);
        ExpectTexts(s, {{"chk_HGrid", "Horiz"},
                        {"chk_VGrid", "Vertic"},
                        {"chk_Line", "Lines"},
                        {"chk_Sticks", "Fills"},
                        {"fra_Grid", ""},
                        {"fra_Style", ""}});
        QCOMPARE(Child<QGroupBox>(s, "fra_Grid")->title(), QString("Grid"));
        QCOMPARE(Child<QGroupBox>(s, "fra_Style")->title(), QString("Style"));
        QVERIFY(Child<QCheckBox>(s, "chk_Line")->isChecked());
        QVERIFY(!Child<QCheckBox>(s, "chk_Sticks")->isChecked());

        const struct {
            const char* box;
            int grid, style;
            bool hLines, vLines, line, fill;
        } clicks[] = {
            {"chk_HGrid", 1, 4, true, false, true, false},
            {"chk_VGrid", 3, 4, true, true, true, false},
            {"chk_Sticks", 3, 6, true, true, true, true},
            {"chk_Line", 3, 2, true, true, false, true},
            {"chk_HGrid", 2, 2, false, true, false, true},
        };
        for (const auto& c : clicks) {
            Row row{c.box};
            QTest::mouseClick(Child<QCheckBox>(s, c.box), Qt::LeftButton);
            for (int w = 0; w < 4; ++w) {
                ui::ChartView* chart = s->chart(w);
                QCOMPARE(chart->graph().GridStyle, c.grid);
                QCOMPARE(chart->graph().GraphStyle, c.style);
                QCOMPARE(Axis(chart, Qt::Vertical)->isGridLineVisible(), c.hLines);
                QCOMPARE(Axis(chart, Qt::Horizontal)->isGridLineVisible(), c.vLines);
                QCOMPARE(HasSeries(chart, "set_0_line"), c.line);
                QCOMPARE(HasSeries(chart, "set_0_fill"), c.fill);
            }
        }
        Click(s, "cmd_PlotDone");
        QVERIFY(!s->isVisible());
        OpenAnnotated(f, ScreenId::Plot3);
        QCOMPARE(s->chart(2)->graph().GridStyle, 2);
        QCOMPARE(s->chart(2)->graph().GraphStyle, 2);
        QVERIFY(!Child<QCheckBox>(s, "chk_Line")->isChecked());
        QVERIFY(f.host.messages.empty());
    }

    // A spectrum: harmonics on the horizontal axis, spectral lines, "Envelope" and "Lines".
    void spectrumCharts() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        ComputeSpectrum(f, 1, 30);
        RequestPlot(*f.model, 2, 2, {19, 20, 0, 0}, 2, 0);
        auto* s = OpenAnnotated(f, ScreenId::Plot2);
        QVERIFY(f.host.messages.empty());
        ExpectTexts(s, {{"chk_Line", "Envelope"}, {"chk_Sticks", "Lines"}});
        QVERIFY(Child<QCheckBox>(s, "chk_Sticks")->isChecked());
        QVERIFY(!Child<QCheckBox>(s, "chk_Line")->isChecked());
        ui::ChartView* mag = s->chart(0);
        QCOMPARE(Axis(mag, Qt::Horizontal)->titleText(), QString("Harmonic Number"));
        QCOMPARE(Axis(mag, Qt::Horizontal)->max(), 30.0);
        QLineSeries* sticks = Series(mag, "set_0_sticks");
        QVERIFY(sticks);
        QCOMPARE(sticks->name(), QString("FFT of Displcmnt"));
        // Three points a stick: up from zero at harmonic h to its magnitude and back.
        const QList<QPointF> pts = sticks->points();
        QCOMPARE(pts.size(), qsizetype(3 * 31));
        for (int h = 0; h <= 30; ++h) {
            QCOMPARE(pts[3 * h], QPointF(h, 0.0));
            QCOMPARE(pts[3 * h + 1].y(),
                     double(f.model->FFTResult[static_cast<std::size_t>(h)][2]));
        }
        // Harmonic 0 of S is twice its mean, never zero for this cam.
        QVERIFY(pts[1].y() > 0.1);
        // Back to a cam-angle plot on the same screen: lines again.
        RequestPlot(*f.model, 2, 2, {1, 2, 0, 0}, 2, 0);
        OpenAnnotated(f, ScreenId::Plot2);
        ExpectTexts(s, {{"chk_Line", "Lines"}, {"chk_Sticks", "Fills"}});
        QVERIFY(Child<QCheckBox>(s, "chk_Line")->isChecked());
        QVERIFY(HasSeries(s->chart(0), "set_0_line"));
    }

    // The polar chart plots the cam radius against theta; its boxes read Magnitude and Angle.
    void polarChart() {
        for (int example : {1, 2}) {
            UiFixture f;
            LoadComputedExample(f, example, 0.5f);
            RequestPlot(*f.model, 4, 2, {11, 0, 0, 0}, 1, 0);
            auto* s = OpenAnnotated(f, ScreenId::Plot4);
            ExpectTexts(s, {{"chk_HGrid", "Magnitude"}, {"chk_VGrid", "Angle"}});
            ui::ChartView* chart = s->chart(0);
            QVERIFY(qobject_cast<QPolarChart*>(chart->chart()));
            QVERIFY(chart->chart()->title().contains(
                example == 2 ? "Cam Surface Profile" : "Cam Profile at Follower Centerline"));
            QCOMPARE(chart->graph().NumPoints, 361);
            for (int n : {0, 45, 200, 360})
                QCOMPARE(chart->graph().Sets[0].GraphData[static_cast<std::size_t>(n)],
                         double(f.model->Results[11][static_cast<std::size_t>(2 * n)]));
            QTest::mouseClick(Child<QCheckBox>(s, "chk_HGrid"), Qt::LeftButton);
            QCOMPARE(chart->graph().GridStyle, 1);
            QVERIFY(f.host.messages.empty());
        }
    }

    // Hovering a chart reads the nearest point: the angle and each function's value.
    void hoverReadsTheNearestPoint() {
        UiFixture f;
        LoadComputedExample(f, 3, 1.0f);
        RequestPlot(*f.model, 1, 2, {1, 3, 0, 0}, 2, 0);
        auto* s = OpenAnnotated(f, ScreenId::Plot1);
        s->resize(1000, 760);
        QApplication::processEvents();
        ui::ChartView* chart = s->chart(0);
        QSignalSpy spy(chart, &ui::ChartView::readingChanged);
        const QPoint at = chart->positionOf(0, 100).toPoint();
        QTest::mouseMove(chart->viewport(), at);
        QTRY_VERIFY(!spy.isEmpty());
        const QString text = spy.last().at(0).toString();
        QVERIFY2(text.startsWith("Cam Angle 100 deg   Displcmnt "), qPrintable(text));
        QVERIFY2(text.contains("   Accel "), qPrintable(text));
        QCOMPARE(text, QString::fromStdString(output::GraphReading(chart->graph(), 100)));
        QCOMPARE(chart->readingAt(QPointF(2, 2)), QString()); // outside the plot area
    }

    // The header panels summarise the model; "Cam Size Data" only once the cam is sized.
    void headerPanels() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        f.model->ProfileDone = false;
        RequestPlot(*f.model, 1, 2, {1, 0, 0, 0}, 1, 2);
        auto* s = OpenAnnotated(f, ScreenId::Plot1);
        QVERIFY(!Child(s, "fra_CamSize")->isVisible());
        ExpectTexts(s, {{"lbl_HdrSegment", "2"}});
        Click(s, "cmd_PlotDone");
        f.model->ProfileDone = true;
        RequestPlot(*f.model, 1, 2, {1, 0, 0, 0}, 1, 0);
        OpenAnnotated(f, ScreenId::Plot1);
        QVERIFY(Child(s, "fra_CamSize")->isVisible());
        ExpectTexts(s, {{"lbl_HdrSegment", "All"}, {"lbl_HdrStart", "0"}, {"lbl_HdrEnd", "360"}});
    }

    // Select Another returns to the selection screen of the layout four times; the fifth
    // press ends at the opener with the stack message.
    void selectAnotherByLayout() {
        const struct {
            ScreenId plot, selection;
        } cases[] = {{ScreenId::Plot1, ScreenId::PlotSelect1},
                     {ScreenId::Myplot2, ScreenId::PlotSelect2},
                     {ScreenId::Plot3, ScreenId::PlotSelect3},
                     {ScreenId::Plot4, ScreenId::PlotSelect4}};
        for (const auto& c : cases) {
            Row row{model::ScreenName(c.plot)};
            UiFixture f;
            f.standIns({c.selection});
            LoadComputedExample(f, 1, 1.0f);
            const int type = c.selection == ScreenId::PlotSelect1   ? 1
                             : c.selection == ScreenId::PlotSelect2 ? 2
                             : c.selection == ScreenId::PlotSelect3 ? 3
                                                                    : 4;
            RequestPlot(*f.model, type, c.plot == ScreenId::Myplot2 ? 1 : 2, {1, 2, 3, 4},
                        type == 2 ? 2 : (type == 4 ? 1 : 4), 0);
            for (int press = 1; press <= 5; ++press) {
                f.navigator.ShowScreen(c.plot);
                auto* s = f.screen<ui::ScreenBase>(c.plot);
                Click(s, "cmd_Replot");
                QVERIFY(!s->isVisible());
                if (press < 5) {
                    QVERIFY(f.navigator.lastShownIs(c.selection));
                    f.screen<ui::ScreenBase>(c.selection)->closeScreen();
                }
            }
            QVERIFY(f.navigator.lastShownIs(c.plot));
            QCOMPARE(f.navigator.timesShown(c.selection), 4);
            QCOMPARE(f.texts(), Strings{"The memory stack is getting full.\r"
                                        "Will now exit this form to clear the stack. \r"
                                        " You can re-enter it from the Home screen to plot more."});
            // Counting starts again.
            f.navigator.ShowScreen(c.plot);
            Click(f.screen<ui::ScreenBase>(c.plot), "cmd_Replot");
            QVERIFY(f.navigator.lastShownIs(c.selection));
        }
    }

    // Print Form prints the whole screen onto one page as vectors (no picture of it);
    // Cancel prints nothing and says nothing.
    void printFormAsVectors() {
        for (ScreenId id : {ScreenId::Plot3, ScreenId::MyPlot3, ScreenId::Plot4}) {
            Row row{model::ScreenName(id)};
            UiFixture f;
            LoadComputedExample(f, 3, 1.0f);
            RequestPlot(*f.model, id == ScreenId::Plot4 ? 4 : 3, id == ScreenId::MyPlot3 ? 1 : 2,
                        {1, 2, 3, 4}, id == ScreenId::Plot4 ? 1 : 4, 0);
            QTemporaryDir dir;
            const QString pdf = dir.filePath("plot.pdf");
            f.dialogs.printerAnswers = {std::nullopt, pdf.toStdString()};
            f.navigator.ShowScreen(id);
            auto* s = f.screen<ui::ScreenBase>(id);
            Click(s, "cmd_PlotPrint");
            QVERIFY(!QFile::exists(pdf) && f.host.messages.empty());
            Click(s, "cmd_PlotPrint");
            QVERIFY(f.host.messages.empty());
            QCOMPARE(PdfPages(pdf), 1);
            const std::string bytes = Slurp(pdf.toStdString());
            QVERIFY(bytes.size() > 20000);
            // Buttons and check marks may come from the style as small images; a chart or the
            // screen as a picture would be far wider (a chart is at least 240 wide).
            QVERIFY2(WidestPdfImage(bytes) < 200, "printed as an image");
            QVERIFY(s->isVisible());
        }
    }

    // Copy only says how to copy the screen.
    void copyTellsHow() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        RequestPlot(*f.model, 2, 1, {1, 2, 0, 0}, 2, 0);
        auto* s = OpenAligned(f, ScreenId::Myplot2);
        Click(s, "cmd_Copy");
        QCOMPARE(f.texts(),
                 Strings{"Use the Alt-PrintScrn key combo to copy the screen to the clipboard"});
    }

    // Aligned windows: the labels, the all-zero window, the capacity message, the status line.
    void alignedWindows() {
        UiFixture f;
        LoadComputedExample(f, 3, 1.0f);
        auto& m = *f.model;
        for (int i = 0; i <= m.NumPoints; ++i) {
            m.Results[15][static_cast<std::size_t>(i)] = 0.0f; // zero everywhere
            m.Results[16][static_cast<std::size_t>(i)] = i == 200 ? 3.0e38f : 1.0f;
        }
        m.DynamicsDone = true;
        RequestPlot(m, 3, 1, {1, 3, 15, 16}, 4, 0);
        auto* s = OpenAligned(f, ScreenId::MyPlot3);
        QCOMPARE(f.texts(),
                 Strings{"The magnitude of Flywhl Trq exceeds the capacity of this window.\r"
                         "Switch to the 'Annotated' style of plot instead of the 'Aligned' "
                         "style,\r"
                         "or use a plot type with a larger window to see this function."});
        ExpectTexts(s, {{"lbl_LeftTitle_0", "Displcmnt"},
                        {"lbl_Units_0", "in"},
                        {"lbl_Ymax_0", "1"},
                        {"lbl_Ymin_0", "-1"},
                        {"lbl_Xmin_0", "0"},
                        {"lbl_X1_0", "90"},
                        {"lbl_X2_0", "180"},
                        {"lbl_X3_0", "270"},
                        {"lbl_Xmax_0", "360"},
                        {"lbl_BottomTitle_0", "Cam Angle (Deg)"},
                        {"lbl_LeftTitle_2", "Frictn Trq"},
                        {"lbl_Ymax_2", "0"},
                        {"lbl_Ymin_2", "0"},
                        {"lbl_Units_2", "lb-in"}});
        QCOMPARE(s->window(2).decimals, 3);
        QCOMPARE(Child<ui::DrawingSurface>(s, "pct_Plot_2")->scene().window().top, 1.15 * 0.0001);
        QVERIFY(Child<ui::DrawingSurface>(s, "pct_Plot_3")->scene().empty());
        QVERIFY(!Child<ui::DrawingSurface>(s, "pct_Plot_1")->scene().empty());

        // The status line reads every drawn window at the point under the pointer.
        auto* surface = Child<ui::DrawingSurface>(s, "pct_Plot_0");
        s->resize(1040, 940);
        QApplication::processEvents();
        const ui::SceneMapping map(surface->scene().window(), QRectF(surface->rect()),
                                   ui::SceneScale::Stretch);
        QTest::mouseMove(surface, map.toDevice({120.0, 0.0}).toPoint());
        QTRY_VERIFY(Shown(s, "lbl_Status").startsWith("Cam Angle 120 deg   Displcmnt "));
        QCOMPARE(Shown(s, "lbl_Status"),
                 QString::fromStdString(output::GraphReadingAt(s->stack(), 120.0)));
        QCOMPARE(s->stack().Sets.size(), std::size_t(3)); // the blank window is not read
        QVERIFY(Shown(s, "lbl_Status").contains("   Frictn Trq "));
    }

    // A picture written off screen is the screen: in every layout and format, of the
    // expected size, and its curve follows the function.
    void picturesOfEveryLayout() {
        const struct {
            ScreenId id;
            int type, style;
        } cases[] = {{ScreenId::Plot1, 1, 2}, {ScreenId::Plot2, 2, 2},   {ScreenId::Myplot2, 2, 1},
                     {ScreenId::Plot3, 3, 2}, {ScreenId::MyPlot3, 3, 1}, {ScreenId::Plot4, 4, 2}};
        for (const auto& c : cases) {
            Row row{model::ScreenName(c.id)};
            UiFixture f;
            LoadComputedExample(f, 5, 1.0f);
            RequestPlot(*f.model, c.type, c.style, {1, 2, 3, 4},
                        c.type == 2 ? 2 : (c.type == 4 ? 1 : 4), 0);
            QTemporaryDir dir;
            for (const char* ext : {"png", "svg", "pdf"}) {
                const QString path = dir.filePath(QStringLiteral("plot.%1").arg(ext));
                std::string error;
                QVERIFY2(ui::WritePlotScreenPicture(f.ctx, c.id, path.toStdString(), error),
                         error.c_str());
                QVERIFY(QFileInfo(path).size() > 10000);
            }
            const QImage png(dir.filePath("plot.png"));
            QCOMPARE(png.size(), f.screen<QWidget>(c.id)->size());
            QVERIFY(f.host.messages.empty());
        }
    }

    // The highest blue pixel of a displacement plot lies at the angle where S peaks, in both
    // styles.
    void curvePixelsFollowTheFunction() {
        for (int style : {1, 2}) {
            Row row{style == 1 ? "Aligned" : "Annotated"};
            UiFixture f;
            LoadComputedExample(f, 1, 1.0f);
            RequestPlot(*f.model, 2, style, {1, 2, 0, 0}, 2, 0);
            const ScreenId id = style == 1 ? ScreenId::Myplot2 : ScreenId::Plot2;
            QTemporaryDir dir;
            const QString path = dir.filePath("s.png");
            std::string error;
            QVERIFY2(ui::WritePlotScreenPicture(f.ctx, id, path.toStdString(), error),
                     error.c_str());
            const QImage image(path);
            QWidget* screen = f.screen<QWidget>(id);
            QWidget* area = style == 1 ? Child<QWidget>(screen, "pct_Plot_0")
                                       : Child<QWidget>(screen, "grf_Plot_0");
            QRect rect(area->mapTo(screen, QPoint(0, 0)), area->size());
            if (style == 2) {
                // Only the plot area: the legend above it carries the curve's colour too.
                auto* chart = static_cast<ui::ChartView*>(area);
                const QRect plot =
                    chart->mapFromScene(chart->chart()->mapRectToScene(chart->chart()->plotArea()))
                        .boundingRect();
                rect = QRect(area->mapTo(screen, plot.topLeft()), plot.size());
            }
            const QPoint top = HighestBluePixel(image, rect);
            QVERIFY(top.x() >= 0);
            // The angle at that pixel, from the window's own mapping.
            double angle = 0.0;
            if (style == 1) {
                auto* surface = static_cast<ui::DrawingSurface*>(area);
                angle = surface->modelAt(QPointF(top - rect.topLeft()))->x;
            } else {
                auto* chart = static_cast<ui::ChartView*>(area);
                const QPointF scenePos = chart->mapToScene(top - area->mapTo(screen, QPoint(0, 0)));
                angle = chart->chart()
                            ->mapToValue(chart->chart()->mapFromScene(scenePos),
                                         chart->chart()->series().front())
                            .x();
            }
            const double peak = PeakAngle(*f.model, 1);
            QVERIFY2(std::fabs(angle - peak) <= 3.0,
                     qPrintable(QString("pixel at %1 deg, S peaks at %2").arg(angle).arg(peak)));
        }
    }

    // --chart-only: the picture holds the headers and the charts, not the buttons, the Grid and
    // Style frames or the empty title box; the screen keeps all of them.
    void chartOnlyPicturesLeaveTheControlsOut() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        RequestPlot(*f.model, 2, 2, {1, 2, 0, 0}, 2, 0);
        QTemporaryDir dir;
        auto svg = [&](bool chartOnly) {
            const QString path = dir.filePath(chartOnly ? "charts.svg" : "screen.svg");
            std::string error;
            if (!ui::WritePlotScreenPicture(f.ctx, ScreenId::Plot2, path.toStdString(), error,
                                            chartOnly))
                qFatal("%s", error.c_str());
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            return QString::fromUtf8(file.readAll());
        };
        const QString screen = svg(false), charts = svg(true);
        // Captions as the SVG holds them; an underlined access key may start a text of its own.
        for (const char* control : {"elect Another</text>", "rint Form</text>",
                                    ">Title of the plot</text>", ">Style</text>"}) {
            QVERIFY2(screen.contains(control), control);
            QVERIFY2(!charts.contains(control), control);
        }
        for (const char* kept : {">Cam Angle (Deg)</text>", ">Cam Basic Data</text>"})
            QVERIFY2(charts.contains(kept), kept);
        QWidget* s = f.screen<QWidget>(ScreenId::Plot2);
        for (const char* name : {"cmd_PlotDone", "txt_Title", "chk_HGrid"})
            QVERIFY2(!Child(s, name)->isHidden(), name);
        // A title the user typed is part of the picture.
        Child<QLineEdit>(s, "txt_Title")->setText("Lift and speed");
        QVERIFY(svg(true).contains(">Lift and speed</text>"));
        QVERIFY(f.host.messages.empty());
    }

    // Curves printed or written as PDF scale with the page: drawn four times larger, a curve
    // covers about sixteen times the pixels (four times longer, four times wider), where a
    // hairline of one device dot would cover four.
    void curvesScaleWithThePage() {
        UiFixture f;
        LoadComputedExample(f, 1, 1.0f);
        RequestPlot(*f.model, 1, 2, {1, 0, 0, 0}, 1, 0);
        auto* s = f.open<ui::AnnotatedPlotScreen>(ScreenId::Plot1);
        QCoreApplication::processEvents();
        auto bluePixels = [&](double scale) {
            QImage image((QSizeF(s->size()) * scale).toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            ui::PaintWidget(painter, *s, QRectF(QPointF(0, 0), QSizeF(image.size())));
            painter.end();
            // Only the plot area: the legend carries the curve's colour too.
            auto* chart = Child<ui::ChartView>(s, "grf_Plot_0");
            const QRect plot =
                chart->mapFromScene(chart->chart()->mapRectToScene(chart->chart()->plotArea()))
                    .boundingRect();
            const QRect area(chart->mapTo(s, plot.topLeft()) * scale, plot.size() * scale);
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    n += Blue(image.pixel(x, y)) ? 1 : 0;
            return n;
        };
        const int once = bluePixels(1.0), fourfold = bluePixels(4.0);
        QVERIFY2(once > 300, qPrintable(QString::number(once)));
        QVERIFY2(fourfold > 10 * once, qPrintable(QStringLiteral("%1 %2").arg(once).arg(fourfold)));
    }
};

TROCHIX_UI_TEST(PlotScreensTest)
#include "PlotScreensTest.moc"
