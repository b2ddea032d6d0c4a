// The drawing surface maps a scene's window onto its area, paints each primitive where the
// model puts it, and writes the same picture to PNG, SVG and PDF files whole.
#include "ui/DrawingSurface.h"
#include "UiTestRegistry.h"
#include "ui/PictureFile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <regex>
#include <string>

using namespace trochix;
using geometry::Point;
using geometry::Scene;
using ui::SceneScale;

namespace {

const model::Rgb kRed{255, 0, 0};
const model::Rgb kBlue{0, 0, 255};

QImage Render(const Scene& scene, QSize size, SceneScale scale) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    ui::PaintScene(painter, scene, QRectF(QPointF(0, 0), QSizeF(size)), scale);
    return image;
}

bool IsColour(const QImage& img, int x, int y, model::Rgb c) {
    const QColor p = img.pixelColor(x, y);
    return p.red() == c.r && p.green() == c.g && p.blue() == c.b;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class DrawingSurfaceTest : public QObject {
    Q_OBJECT
private slots:
    // y grows upward; an equal scale keeps the window's shape and centres it, a stretched one
    // fills the area; toModel undoes toDevice.
    void mappingKeepsShapeOrFills() {
        const geometry::SceneWindow w{-1, 3, 0, 2}; // 4 wide, 2 high
        const ui::SceneMapping equal(w, QRectF(0, 0, 200, 200), SceneScale::Equal);
        QCOMPARE(equal.sx(), 50.0);
        QCOMPARE(equal.sy(), 50.0);
        QCOMPARE(equal.toDevice({-1, 2}), QPointF(0, 50));   // top left of a centred band
        QCOMPARE(equal.toDevice({3, 0}), QPointF(200, 150)); // bottom right
        const ui::SceneMapping fill(w, QRectF(10, 20, 400, 100), SceneScale::Stretch);
        QCOMPARE(fill.toDevice({-1, 2}), QPointF(10, 20));
        QCOMPARE(fill.toDevice({3, 0}), QPointF(410, 120));
        QCOMPARE(fill.toDevice({1, 1}), QPointF(210, 70));
        const Point back = fill.toModel(QPointF(110, 95));
        QCOMPARE(back.x, 0.0);
        QCOMPARE(back.y, 0.5);
    }

    // A ring is filled between its radii and empty inside; a box fills its corners; the
    // background shows elsewhere; a window without extent paints only the background.
    void primitivesLandWhereTheModelPutsThem() {
        Scene s;
        s.setWindow({0, 100, 0, 100});
        s.ring({25, 75}, 20, 8, kRed); // centre (25, 25) on a 100-pixel image
        s.box({60, 10}, {90, 40}, kBlue, true);
        const QImage img = Render(s, QSize(100, 100), SceneScale::Equal);
        QVERIFY(IsColour(img, 25 + 14, 25, kRed));       // inside the ring's band
        QVERIFY(IsColour(img, 25, 25, {255, 255, 255})); // its hole
        QVERIFY(IsColour(img, 75, 75, kBlue));           // model (75, 25)
        QVERIFY(IsColour(img, 75, 25, {255, 255, 255}));

        Scene empty;
        empty.setWindow({1, 1, 0, 0});
        empty.line({0, 0}, {1, 1}, kRed);
        const QImage blank = Render(empty, QSize(20, 20), SceneScale::Stretch);
        QVERIFY(IsColour(blank, 10, 10, {255, 255, 255}));
    }

    // The widget reports the model point under the pointer and repaints what it holds.
    void surfaceReportsThePointerInModelUnits() {
        ui::DrawingSurface surface(SceneScale::Stretch);
        surface.resize(200, 100);
        surface.scene().setWindow({0, 20, -5, 5});
        const auto p = surface.modelAt(QPointF(50, 25));
        QVERIFY(p.has_value());
        QCOMPARE(p->x, 5.0);
        QCOMPARE(p->y, 2.5);
        double gotX = 0, gotY = 0;
        QObject::connect(&surface, &ui::DrawingSurface::pointerMoved, [&](double x, double y) {
            gotX = x;
            gotY = y;
        });
        surface.show();
        QTest::mouseMove(&surface, QPoint(150, 75));
        QCOMPARE(gotX, 15.0);
        QCOMPARE(gotY, -2.5);
    }

    // Each format is chosen by its extension; SVG and PDF carry the asked page size, so a
    // drawing at true scale measures what it should; PNG has the asked pixels.
    void picturesAreWrittenInEachFormat() {
        QTemporaryDir dir;
        Scene s;
        s.setWindow({-1, 1, -1, 1});
        s.circle({0, 0}, 0.5, kRed);
        const auto paint = [&](QPainter& p, const QRectF& r) {
            ui::PaintScene(p, s, r, SceneScale::Equal);
        };
        std::string error;
        const QString png = dir.filePath("a.PNG");
        QVERIFY(ui::WritePicture(png.toStdString(), QSize(320, 200), std::nullopt, paint, error));
        QCOMPARE(QImage(png).size(), QSize(320, 200));

        const QString svg = dir.filePath("a.svg");
        QVERIFY(
            ui::WritePicture(svg.toStdString(), QSize(100, 100), QSizeF(50.8, 25.4), paint, error));
        const std::string svgText = ReadAll(svg).toStdString();
        QVERIFY2(svgText.find("width=\"50.8mm\"") != std::string::npos, svgText.c_str());
        QVERIFY(svgText.find("height=\"25.4mm\"") != std::string::npos);

        const QString pdf = dir.filePath("a.pdf");
        QVERIFY(
            ui::WritePicture(pdf.toStdString(), QSize(100, 100), QSizeF(50.8, 25.4), paint, error));
        const std::string pdfText = ReadAll(pdf).toStdString();
        std::smatch box;
        QVERIFY(std::regex_search(pdfText, box,
                                  std::regex(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")));
        QVERIFY(std::abs(std::stod(box[1]) - 144.0) < 0.5); // 2 in at 72 points an inch
        QVERIFY(std::abs(std::stod(box[2]) - 72.0) < 0.5);
    }

    // An unknown extension or an unwritable place is refused with a reason; an existing file
    // stays as it was and no temporary file is left behind.
    void refusedPicturesLeaveTheTargetAlone() {
        QTemporaryDir dir;
        const auto paint = [](QPainter&, const QRectF&) {};
        std::string error;
        QVERIFY(!ui::WritePicture(dir.filePath("a.gif").toStdString(), QSize(10, 10), std::nullopt,
                                  paint, error));
        QVERIFY(error.find(".png, .svg or .pdf") != std::string::npos);
        QVERIFY(!ui::WritePicture(dir.filePath("no/such/folder/a.png").toStdString(), QSize(10, 10),
                                  std::nullopt, paint, error));
        QVERIFY(error.find("cannot write") != std::string::npos);
        const QString kept = dir.filePath("kept.png");
        {
            QFile f(kept);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        QVERIFY(!ui::WritePicture(kept.toStdString(), QSize(0, 10), std::nullopt, paint, error));
        QCOMPARE(ReadAll(kept), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.png"});
    }
};

TROCHIX_UI_TEST(DrawingSurfaceTest)
#include "DrawingSurfaceTest.moc"
