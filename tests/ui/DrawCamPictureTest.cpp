// The Draw Cam picture written to files: every example in every format, and the SVG outline
// at true scale on the profile rows.
#include "ui/picture/DrawCamPicture.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "files/Examples.h"
#include "geometry/CamScene.h"
#include "model/Units.h"
#include "ui/screens/AnimateScreen.h"

#include <QImage>
#include <QRegularExpression>

#include <cmath>

using namespace trochix;
using namespace trochix::uitest;

namespace {

struct SvgOutline {
    double widthMm = 0, heightMm = 0;
    double viewW = 0, viewH = 0;
    std::vector<geometry::Point> points; // the longest red polyline, in viewBox units
};

SvgOutline ReadSvg(const QString& path) {
    QFile file(path);
    SvgOutline o;
    if (!file.open(QIODevice::ReadOnly))
        return o;
    const QString svg = QString::fromUtf8(file.readAll());
    const auto size =
        QRegularExpression("<svg width=\"([\\d.]+)mm\" height=\"([\\d.]+)mm\"").match(svg);
    const auto box = QRegularExpression("viewBox=\"0 0 ([\\d.]+) ([\\d.]+)\"").match(svg);
    if (!size.hasMatch() || !box.hasMatch())
        return o;
    o.widthMm = size.captured(1).toDouble();
    o.heightMm = size.captured(2).toDouble();
    o.viewW = box.captured(1).toDouble();
    o.viewH = box.captured(2).toDouble();
    // Every group drawn in the profile's red, and the polylines inside it.
    const QRegularExpression group("<g [^>]*stroke=\"#ff0000\"[^>]*>(.*?)</g>",
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression line("<polyline[^>]*points=\"([^\"]*)\"");
    for (auto g = group.globalMatch(svg); g.hasNext();) {
        const QString body = g.next().captured(1);
        for (auto l = line.globalMatch(body); l.hasNext();) {
            std::vector<geometry::Point> pts;
            for (const QString& pair : l.next().captured(1).split(' ', Qt::SkipEmptyParts)) {
                const QStringList xy = pair.split(',');
                pts.push_back({xy[0].toDouble(), xy[1].toDouble()});
            }
            if (pts.size() > o.points.size())
                o.points = pts;
        }
    }
    return o;
}

} // namespace

class DrawCamPictureTest : public QObject {
    Q_OBJECT
private slots:
    void everyExampleInEveryFormat_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("ext");
        for (int k = 1; k <= files::kExampleCount; ++k)
            for (const char* ext : {"png", "svg", "pdf"})
                QTest::newRow(qPrintable(QString("example %1 %2").arg(k).arg(ext))) << k << ext;
    }
    // Each file is complete: a 900-pixel PNG, an SVG of the drawing's true size, a one-page
    // PDF; nothing was reported on the way.
    void everyExampleInEveryFormat() {
        QFETCH(int, k);
        QFETCH(QString, ext);
        QTemporaryDir dir;
        const QString path = dir.filePath("cam." + ext);
        UiFixture f;
        QVERIFY(files::LoadExample(*f.model, f.host, k));
        std::string error;
        QVERIFY2(ui::RenderDrawCamPicture(f.ctx, path.toStdString(), error), error.c_str());
        QCOMPARE(f.texts(), Strings());
        if (ext == "png") {
            const QImage image(path);
            QCOMPARE(image.size(), QSize(900, 900));
        } else if (ext == "pdf") {
            QCOMPARE(PdfPages(path), 1);
        } else {
            const SvgOutline o = ReadSvg(path);
            const geometry::SceneWindow w =
                f.screen<ui::AnimateScreen>(ScreenId::Animate)->drawing().window();
            QVERIFY(std::fabs(o.widthMm - w.width() * 25.4) < 0.011);
            QVERIFY(std::fabs(o.heightMm - w.height() * 25.4) < 0.011);
        }
    }

    // The outline in the SVG, taken back to model units through the page size, lies on the
    // profile rows within 0.01 of a unit, in inches and in millimetres.
    void svgOutlineAtTrueScale() {
        for (const auto& [k, system] : {std::pair{1, 1}, {4, 5}, {5, 3}}) {
            const Row row{QString("example %1, units %2").arg(k).arg(system)};
            QTemporaryDir dir;
            const QString path = dir.filePath("cam.svg");
            UiFixture f;
            QVERIFY(files::LoadExample(*f.model, f.host, k));
            model::SelectUnitSystem(*f.model, system);
            std::string error;
            QVERIFY2(ui::RenderDrawCamPicture(f.ctx, path.toStdString(), error), error.c_str());
            const model::CamModel& m = *f.model;
            const SvgOutline o = ReadSvg(path);
            QCOMPARE(int(o.points.size()), m.NumPoints + 1);
            const double mmPerUnit = model::MillimetresPerLength(system);
            const geometry::SceneWindow w =
                f.screen<ui::AnimateScreen>(ScreenId::Animate)->drawing().window();
            // The page is laid out on a grid of 1200 per inch: true to half a step of it.
            const double halfStep = 25.4 / 1200 / 2;
            QVERIFY(std::fabs(o.widthMm - w.width() * mmPerUnit) < halfStep + 1e-3);
            const double perUnit = o.viewW / (o.widthMm / mmPerUnit); // viewBox units per unit
            double worst = 0.0;
            for (int i = 0; i <= m.NumPoints; ++i) {
                const double x = w.left + o.points[i].x / perUnit;
                const double y = w.top - o.points[i].y / perUnit;
                worst = std::max(
                    {worst, std::fabs(x - m.Results[9][i]), std::fabs(y - m.Results[10][i])});
            }
            QVERIFY2(worst < 0.01, qPrintable(QString::number(worst)));
        }
    }

    // Only a sized plate cam is drawn, as on the home screen.
    void onlyASizedRadialCam() {
        QTemporaryDir dir;
        const QString path = dir.filePath("cam.png");
        UiFixture f;
        QVERIFY(files::LoadExample(*f.model, f.host, 1));
        const struct {
            bool sized;
            const char* camType;
            const char* error;
        } cases[] = {
            {false, "Radial", "the cam is not sized; no picture written"},
            {true, "Barrel", "a barrel cam has no Draw Cam picture; no picture written"},
        };
        for (const auto& c : cases) {
            f.model->ProfileDone = c.sized;
            f.model->CamType = c.camType;
            std::string error;
            QVERIFY(!ui::RenderDrawCamPicture(f.ctx, path.toStdString(), error));
            QCOMPARE(error, std::string(c.error));
            QVERIFY(!QFile::exists(path));
        }
    }

    // A cam that cannot be drawn writes no file and says why.
    void nothingToDraw() {
        QTemporaryDir dir;
        const QString path = dir.filePath("cam.svg");
        UiFixture f;
        QVERIFY(files::LoadExample(*f.model, f.host, 3));
        f.model->RollerRadius = 5.0f; // past the prime radius: no base circle
        std::string error;
        QVERIFY(!ui::RenderDrawCamPicture(f.ctx, path.toStdString(), error));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!error.empty());
        QCOMPARE(f.host.lastText(), std::string("Something Wrong - Base Circle has become zero or "
                                                "minus.  Change follower radius or prime/base "
                                                "circle"));
    }
};

TROCHIX_UI_TEST(DrawCamPictureTest)
#include "DrawCamPictureTest.moc"
