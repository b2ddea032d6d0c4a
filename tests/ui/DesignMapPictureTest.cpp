// trochix --design-map: the command line it takes, and the picture written off screen is the
// Design Map screen's map (the undercut tint and the limit lines among its pixels).
#include "UiTestRegistry.h"
#include "ui/picture/PictureOptions.h"
#include "ui/picture/PictureRun.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>
#include <string>
#include <vector>

using namespace trochix;
using Args = std::vector<std::string>;

namespace {

// Pixels of exactly this colour.
int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

class DesignMapPictureTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine() {
        const auto map =
            ui::ParsePictureArguments({"--example", "1", "--design-map", "--map-axes",
                                       "prime,offset", "--map-size", "40", "--out", "m.png"});
        QVERIFY2(map.options.has_value(), map.error.c_str());
        QVERIFY(map.options->designMap);
        QCOMPARE(map.options->mapAxis, std::string("offset"));
        QCOMPARE(map.options->mapSize, 40);
        QCOMPARE(static_cast<int>(ui::ParseCommandLine({"--design-map", "-h"}).kind),
                 static_cast<int>(ui::StartKind::Help));
        const struct {
            Args args;
            const char* says;
        } refused[] = {
            {{"--example", "1", "--design-map", "--draw", "--out", "a.png"}, "one picture"},
            {{"--example", "1", "--draw", "--map-size", "9", "--out", "a.png"},
             "--map-axes and --map-size belong to --design-map"},
            {{"--example", "1", "--design-map", "--map-axes", "roller", "--out", "a.png"},
             "prime,roller, prime,offset or prime,pivot"},
            {{"--example", "1", "--design-map", "--map-size", "1", "--out", "a.png"},
             "--map-size takes 2 to 400"},
            {{"--example", "1", "--design-map", "--chart-only", "--out", "a.png"},
             "belong to --plot"},
        };
        for (const auto& c : refused) {
            const auto r = ui::ParsePictureArguments(c.args);
            QVERIFY(!r.options.has_value());
            QVERIFY2(r.error.find(c.says) != std::string::npos, r.error.c_str());
        }
        QVERIFY(ui::ProgramUsage().find("--design-map") != std::string::npos);
    }

    // Example 1's map over prime x roller has undercut (tinted red) and the fall limit's line;
    // a flat face has no map and nothing is written.
    void pictureWrittenOffScreen() {
        QTemporaryDir dir;
        ui::PictureOptions o;
        o.example = 1;
        o.designMap = true;
        o.mapSize = 40;
        o.outPath = dir.filePath("map.png").toStdString();
        std::ostringstream err;
        QCOMPARE(ui::RunPicture(o, err), 0);
        const QImage image(dir.filePath("map.png"));
        QCOMPARE(image.size(), QSize(1200, 820));
        // The fall limit's colour (0, 170, 230) and a tinted cell's red dominate somewhere.
        QVERIFY(Count(image, qRgb(0, 170, 230)) > 200);
        int reddish = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < 1000; x += 2) {
                const QColor c = image.pixelColor(x, y);
                reddish += c.red() > 140 && c.green() < 80 && c.blue() < 80;
            }
        QVERIFY(reddish > 500);

        o.example = 2;
        o.outPath = dir.filePath("flat.png").toStdString();
        std::ostringstream flatErr;
        QCOMPARE(ui::RunPicture(o, flatErr), 1);
        QVERIFY2(flatErr.str().find("has no design map") != std::string::npos,
                 flatErr.str().c_str());
        QVERIFY(!QFile::exists(dir.filePath("flat.png")));
    }
};

TROCHIX_UI_TEST(DesignMapPictureTest)
#include "DesignMapPictureTest.moc"
