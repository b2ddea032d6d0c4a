// Every screen --screen names is opened on a computed model and written as the screen shows it:
// a PNG of the screen's own size that is not blank; screens the model does not offer yet are
// refused with the reason, and nothing is written.
#include "ui/picture/ScreenPicture.h"
#include "PlotTestSupport.h"
#include "UiTestRegistry.h"
#include "files/OpenModel.h"
#include "ui/Navigator.h"
#include "ui/picture/PictureOptions.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace trochix;
using namespace trochix::uitest;

class ScreenPictureTest : public QObject {
    Q_OBJECT
private slots:
    void everyNamedScreenIsWritten() {
        QTemporaryDir dir;
        const std::string usage = ui::ProgramUsage();
        std::set<model::ScreenId> ids;
        for (const std::string& name : ui::ScreenPictureNames()) {
            // A fresh program each time, the example opened as the command line opens it:
            // opening a screen may change the model (the input screen does).
            UiFixture f;
            QVERIFY(files::OpenModel(*f.model, {.path = "", .example = 1}, f.host,
                                     files::OpenResults::Stored) == files::OpenStatus::Opened);
            f.host.clear();
            QVERIFY2(usage.find(" " + name + ",") != std::string::npos ||
                         usage.find(" " + name + "\n") != std::string::npos,
                     name.c_str());
            const auto id = ui::ScreenPictureId(name);
            QVERIFY(id);
            QVERIFY2(ids.insert(*id).second, name.c_str()); // one name a screen
            const QString path = dir.filePath(QString::fromStdString(name) + ".png");
            std::string error;
            QVERIFY2(ui::RenderScreenPicture(f.ctx, name, path.toStdString(), error),
                     (name + ": " + error).c_str());
            const QImage image(path);
            QCOMPARE(image.size(), f.navigator.screen(*id)->size());
            // More than a background: the screen's texts and frames were painted.
            std::set<QRgb> colours;
            for (int y = 0; y < image.height(); y += 7)
                for (int x = 0; x < image.width(); x += 7)
                    colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() > 3, name.c_str());
            QVERIFY2(!f.navigator.screen(*id)->isVisible(), name.c_str());
            if (!f.host.messages.empty())
                QFAIL((name + ": " + f.host.messages.front().text).c_str());
        }
    }

    void screensNotOfferedAreRefused() {
        UiFixture f; // nothing computed: only the motion program's screens are open to it
        QTemporaryDir dir;
        const QString path = dir.filePath("sizecam.png");
        std::string error;
        QVERIFY(!ui::RenderScreenPicture(f.ctx, "sizecam", path.toStdString(), error));
        QVERIFY2(error.find("Calculate the motion program first") != std::string::npos,
                 error.c_str());
        QVERIFY(!QFile::exists(path));
        QVERIFY(
            ui::RenderScreenPicture(f.ctx, "home", dir.filePath("home.png").toStdString(), error));
    }
};

TROCHIX_UI_TEST(ScreenPictureTest)
#include "ScreenPictureTest.moc"
