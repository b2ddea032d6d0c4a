// The Draw Cam screen: opened from the Examples menu, animated on a timer that Done and Run
// stop, edited, printed.
#include "ui/screens/AnimateScreen.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "files/Examples.h"
#include "forms/AnimateForm.h"
#include "text/NumberText.h"
#include "ui/DrawingSurface.h"
#include "ui/screens/SizeCamScreen.h"

#include <QGroupBox>
#include <QRadioButton>

#include <cmath>

using namespace trochix;
using namespace trochix::uitest;

namespace {

ui::AnimateScreen* Animate(UiFixture& f) {
    return f.screen<ui::AnimateScreen>(ScreenId::Animate);
}

// Followers drawn after frame 0: roller circles, or flat faces.
int Followers(const geometry::Scene& s) {
    int n = 0;
    for (const geometry::Primitive& p : s.items())
        n += p.colour == model::Rgb{0, 0, 255} && (p.kind == geometry::PrimitiveKind::Circle ||
                                                   p.kind == geometry::PrimitiveKind::Polyline);
    return n;
}

QString Fmt(double v, int n) {
    return QString::fromStdString(text::FNRoundStr(v, n));
}

void WaitFastest(ui::AnimateScreen* s) {
    Child<QComboBox>(s, "cmb_wait")->setCurrentIndex(0);
}

} // namespace

class AnimateScreenTest : public QObject {
    Q_OBJECT
private slots:
    // Each example opens on Draw Cam, drawn from its own results, and the example is no longer
    // loading once the screen is closed. The flat-faced one shows its face width, and the
    // sizing screen's roller box shows 1 afterwards.
    void examplesOpenOnDrawCam_data() {
        QTest::addColumn<int>("k");
        for (int k = 1; k <= 5; ++k)
            QTest::newRow(qPrintable(QString("example %1").arg(k))) << k;
    }
    void examplesOpenOnDrawCam() {
        QFETCH(int, k);
        UiFixture f;
        f.homeTargets();
        f.trigger(IndexedName("mnu_Example", k));
        QCOMPARE(f.navigator.shown, std::vector<ScreenId>({ScreenId::Animate}));
        QCOMPARE(f.texts(), Strings());
        QVERIFY(!f.model->ExampleLoaded && !f.host.busy);
        auto* s = Animate(f);
        const model::CamModel& m = *f.model;
        ExpectTexts(
            s, {{"lbl_RhoPos", m.RhoPosMinText.c_str()}, {"lbl_RhoNeg", m.RhoNegMinText.c_str()}});
        QCOMPARE(Shown(s, "lbl_Pamax") + " " + Shown(s, "lbl_Pamin"),
                 Fmt(m.PressMax, 1) + " " + Fmt(m.PressMin, 1));
        const bool flat = k == 2;
        QCOMPARE(Child<QGroupBox>(s, "fra_Follower")->title(),
                 QString(flat ? "Folwr Width" : "Folwr Radius"));
        QCOMPARE(Shown(s, "txt_Follower"),
                 flat ? Fmt(m.FaceWidth, 2) : (k == 3 || k == 4 ? QString(".75") : QString("1")));
        QCOMPARE(Child(s, "txt_Follower")->isEnabled(), !flat);
        QCOMPARE(Child(s, "txt_Offset")->isEnabled(), !flat && k != 4); // translating rollers
        QCOMPARE(Child<QRadioButton>(s, "opt_Rotate_0")->isChecked(), m.CamDirection == 1);
        s->FinishDrawing();
        QCOMPARE(s->drawing().frameCount(), 61);
        QCOMPARE(Followers(s->picture()->scene()), flat ? 61 : 60);
        if (flat) {
            auto* size = f.open<ui::SizeCamScreen>(ScreenId::SizeCam);
            QCOMPARE(Shown(size, "txt_Follower"), QString("1"));
        }
    }

    // The frames come one by one from a timer while the screen stays live; the finished
    // drawing is the whole one. Run in the middle starts over instead of adding a second set
    // of frames; Done stops the timer.
    void animationOnATimer() {
        UiFixture f;
        files::LoadExample(*f.model, f.host, 5);
        auto* s = f.open<ui::AnimateScreen>(ScreenId::Animate);
        QVERIFY(s->animating());
        QVERIFY(s->framesDrawn() < 61);
        WaitFastest(s);
        QTRY_VERIFY_WITH_TIMEOUT(!s->animating(), 5000);
        QCOMPARE(s->framesDrawn(), 61);
        QCOMPARE(Followers(s->picture()->scene()), 60);

        Child<QComboBox>(s, "cmb_wait")->setCurrentIndex(5); // a second a frame
        Click(s, "cmd_Run");
        QVERIFY(s->animating());
        QTest::qWait(50);
        QCOMPARE(s->framesDrawn(), 1);
        WaitFastest(s);
        Click(s, "cmd_Run");
        QTRY_VERIFY_WITH_TIMEOUT(!s->animating(), 5000);
        QCOMPARE(Followers(s->picture()->scene()), 60);

        Click(s, "cmd_Run");
        QVERIFY(s->animating());
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible() && !s->animating());
    }

    // Each choice of the pause list waits longer than the one before it.
    void pauseChoicesInOrder() {
        UiFixture f;
        files::LoadExample(*f.model, f.host, 3);
        auto* s = f.open<ui::AnimateScreen>(ScreenId::Animate);
        auto* wait = Child<QComboBox>(s, "cmb_wait");
        QStringList items;
        for (int i = 0; i < wait->count(); ++i)
            items << wait->itemText(i);
        QCOMPARE(items, QStringList({"1", "10", "100", "1000", "10000", "100000"}));
        int previous = 0;
        for (int i = 0; i < wait->count(); ++i) {
            wait->setCurrentIndex(i);
            QVERIFY(s->frameInterval() > previous);
            previous = s->frameInterval();
        }
        Click(s, "cmd_Done");
    }

    // The question before printing: Cancel prints nothing; OK finishes the drawing and opens
    // the printer dialog, which prints the screen on one page.
    void printQuestion() {
        UiFixture f;
        files::LoadExample(*f.model, f.host, 1);
        f.host.clear();
        auto* s = f.open<ui::AnimateScreen>(ScreenId::Animate);
        f.host.answers = {model::Answer::Cancel};
        Click(s, "cmd_AnimatePrint");
        QCOMPARE(f.texts(), Strings({geometry::AnimatePrintQuestion()}));
        QCOMPARE(f.host.messages[0].buttons, model::Buttons::OKCancel);
        QCOMPARE(f.dialogs.printerRequests, 0);
        QVERIFY(s->animating());

        QTemporaryDir dir;
        const QString pdf = dir.filePath("cam.pdf");
        f.dialogs.printerAnswers = {pdf.toStdString()};
        f.host.answers = {model::Answer::OK};
        Click(s, "cmd_AnimatePrint");
        QCOMPARE(f.dialogs.printerRequests, 1);
        QVERIFY(!s->animating());
        QCOMPARE(s->framesDrawn(), 61);
        QCOMPARE(PdfPages(pdf), 1);
        QCOMPARE(f.host.messages.size(), std::size_t(2));
    }

    // An edited box is checked first, then the sizing is redone and the cam redrawn at once; a
    // box left without an edit commits nothing. Turning the cam redoes the sizing too, and the
    // sizing screen follows.
    void editsRedrawAtOnce() {
        UiFixture f;
        files::LoadExample(*f.model, f.host, 1);
        model::CamModel& m = *f.model;
        m.ModelSaved = true;
        f.host.clear();
        auto* s = f.open<ui::AnimateScreen>(ScreenId::Animate);
        auto* prime = Child<QLineEdit>(s, "txt_Prime");
        prime->setFocus(Qt::MouseFocusReason);
        Child(s, "txt_Offset")->setFocus(Qt::MouseFocusReason); // left unedited
        QVERIFY(f.host.messages.empty() && m.ModelSaved);

        const float pressMax = m.PressMax;
        Type(prime, "4");
        QTest::keyClick(prime, Qt::Key_Return);
        QCOMPARE(m.PrimeRadius, 4.0f);
        QVERIFY(m.PressMax < pressMax && m.ProfileDone && m.DynamicsDone && !m.ModelSaved);
        QCOMPARE(Shown(s, "lbl_Pamax"), Fmt(m.PressMax, 1));
        QVERIFY(std::fabs(m.Results[9][0] - 4.0f) < 1e-5); // S(0) = 0: 4 along the axis
        QCOMPARE(s->drawing().window(), geometry::Autoscale(m));

        auto* offset = Child<QLineEdit>(s, "txt_Offset");
        Type(offset, "4");
        QTest::keyClick(offset, Qt::Key_Return);
        QCOMPARE(f.texts(), Strings({"Cannot compute - Eccentricity is >= Prime Radius.  Try a "
                                     "smaller absolute value of eccentricity"}));
        QCOMPARE(f.host.messages[0].title, std::string("TROCHIX"));
        QCOMPARE(offset->text(), QString(".75")); // the offset the cam is drawn with
        QCOMPARE(m.Offset, 0.75f);

        Type(offset, "0");
        QTest::keyClick(offset, Qt::Key_Return);
        QCOMPARE(m.Offset, 0.0f);
        QCOMPARE(Child<QGroupBox>(s, "fra_Prime")->title(), QString("Prime Radius"));

        QTest::mouseClick(Child<QRadioButton>(s, "opt_Rotate_1"), Qt::LeftButton);
        QCOMPARE(m.CamDirection, -1);
        QVERIFY(m.Results[10][90] > 0.0f); // clockwise: 90 degrees of cam angle lie above
        auto* size = f.open<ui::SizeCamScreen>(ScreenId::SizeCam);
        QVERIFY(Child<QRadioButton>(size, "opt_Rotate_1")->isChecked());
        QCOMPARE(Shown(size, "txt_Prime"), QString("4"));
    }

    // A refused box shows the value the model keeps, and Run draws that cam: the prime box
    // once showed "1" over a cam of prime radius 3. Letters are refused like a value out of
    // range, never read as 0.
    void refusalsShowTheModelsValues() {
        const std::string prime = "Prime radius cannot be zero or negative or less than the offset";
        const std::string follower = "The follower radius must be zero or positive";
        const struct {
            const char* box;
            const char* typed;
            std::string message;
            const char* shown;
        } cases[] = {
            {"txt_Prime", "0.5", prime, "3"},
            {"txt_Prime", "abc", prime, "3"},
            {"txt_Prime", "", prime, "3"},
            {"txt_Offset", "3", "Cannot compute - Eccentricity is >= Prime Radius.  Try a "
                                "smaller absolute value of eccentricity", ".75"},
            {"txt_Offset", "e", "Cannot compute - Eccentricity is >= Prime Radius.  Try a "
                                "smaller absolute value of eccentricity", ".75"},
            {"txt_Follower", "-1", follower, "1"},
            {"txt_Follower", "abc", follower, "1"},
        };
        for (const auto& c : cases) {
            const Row row{QString("%1 '%2'").arg(c.box, c.typed)};
            UiFixture f;
            files::LoadExample(*f.model, f.host, 1);
            const model::CamModel& m = *f.model;
            f.host.clear();
            auto* s = f.open<ui::AnimateScreen>(ScreenId::Animate);
            const geometry::Scene before = s->drawing().Finished();
            auto* box = Child<QLineEdit>(s, c.box);
            box->setFocus(Qt::MouseFocusReason);
            Type(box, c.typed);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(f.texts(), Strings({c.message}));
            QCOMPARE(box->text(), QString(c.shown));
            QCOMPARE(m.PrimeRadius, 3.0f);
            QCOMPARE(m.Offset, 0.75f);
            QCOMPARE(m.RollerRadius, 1.0f);
            // Leaving the box takes nothing more, and Run draws the cam the boxes show.
            Click(s, "cmd_Run");
            QCOMPARE(f.texts(), Strings({c.message}));
            QCOMPARE(s->drawing().Finished().items().size(), before.items().size());
            QCOMPARE(Shown(s, "txt_Prime") + "|" + Shown(s, "txt_Offset") + "|" +
                         Shown(s, "txt_Follower"),
                     QString("3|.75|1"));
        }
    }
};

TROCHIX_UI_TEST(AnimateScreenTest)
#include "AnimateScreenTest.moc"
