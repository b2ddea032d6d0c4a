// Every screen --screen names is opened on a computed model and written as the screen shows it:
// a PNG of the screen's own size that is not blank; screens the model does not offer yet are
// refused with the reason, and nothing is written.
#include "ui/picture/ScreenPicture.h"
#include "PlotTestSupport.h"
#include "UiTestRegistry.h"
#include "ScreenModels.h"
#include "files/OpenModel.h"
#include "ui/Navigator.h"
#include "ui/picture/PictureOptions.h"

#include <QPlainTextEdit>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace trochix;
using namespace trochix::uitest;

namespace {

QString Lines(QWidget* screen, const char* name) {
    return Child<QPlainTextEdit>(screen, name)->toPlainText();
}

} // namespace

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
            OpenModelFor(f, name);
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

    // The polynomial screens show the program's polynomial row, whichever row the input
    // screen last stood on: its angles, and on the coefficient screen the solved terms.
    void polynomialScreensShowThePolynomialRow() {
        UiFixture f;
        PolynomialProgram(f);
        QTemporaryDir dir;
        std::string error;
        QVERIFY2(ui::RenderScreenPicture(f.ctx, "bounds", dir.filePath("b.png").toStdString(),
                                         error),
                 error.c_str());
        QWidget* bounds = f.navigator.screen(ScreenId::Bounds);
        ExpectTexts(bounds, {{"lbl_segment", " 2"},
                             {"lbl_Segangle_0", " 60"},
                             {"lbl_Segangle_4", " 180"},
                             {"lbl_end", " 120"},
                             {"txt_Sbound_4", "2"}});
        QVERIFY(ui::RenderScreenPicture(f.ctx, "poly", dir.filePath("p.png").toStdString(), error));
        QWidget* poly = f.navigator.screen(ScreenId::Poly);
        ExpectTexts(poly, {{"lbl_SegData_0", " 2"}, {"lbl_SegData_2", " 120"}});
        // 2 (10 x^3 - 15 x^4 + 6 x^5): six terms, three of them zero.
        const QString terms = Lines(poly, "pct_Poly_1");
        for (const char* c : {"20.000", "-30.000", "12.000"})
            QVERIFY2(terms.contains(c), qPrintable(terms));
        QCOMPARE(Lines(poly, "pct_Poly_0").count("Boundary Cond."), 1);
        QVERIFY2(f.host.messages.empty(), f.host.lastText().c_str());
    }

    // A screen the model cannot fill refuses the picture with the reason and writes nothing:
    // the polynomial screens on a program without a polynomial row, the response of a train
    // without damping (which the screen would only report in a message box).
    void screensWithNothingToShowAreRefused() {
        const struct {
            const char* screen;
            void (*change)(model::CamModel&);
            const char* why;
        } cases[] = {
            {"bounds", nullptr,
             "the bounds screen shows a polynomial segment's conditions and this model has "
             "none; no picture written"},
            {"poly", nullptr,
             "the poly screen shows a polynomial segment's coefficients and this model has "
             "none; no picture written"},
            {"response",
             [](model::CamModel& m) {
                 m.DampRatio = 0.0f;
                 m.DampC = 0.0f;
                 m.ResponseFromRest = false;
             },
             "the response screen cannot show this model (Without damping the follower never "
             "settles into a steady motion. / Take its motion from rest instead, or give the "
             "train some damping.); no picture written"},
        };
        for (const auto& c : cases) {
            const Row row{c.screen};
            UiFixture f;
            QVERIFY(files::OpenModel(*f.model, {.path = "", .example = 1}, f.host) ==
                    files::OpenStatus::Opened);
            if (c.change)
                c.change(*f.model);
            QTemporaryDir dir;
            const QString path = dir.filePath("refused.png");
            std::string error;
            QVERIFY(!ui::RenderScreenPicture(f.ctx, c.screen, path.toStdString(), error));
            QCOMPARE(QString::fromStdString(error), QString::fromUtf8(c.why));
            QVERIFY(!QFile::exists(path));
            QVERIFY(!f.model->ResponseDone);
        }
    }
};

TROCHIX_UI_TEST(ScreenPictureTest)
#include "ScreenPictureTest.moc"
