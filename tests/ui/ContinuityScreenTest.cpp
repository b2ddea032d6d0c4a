#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "motion/Continuity.h"
#include "ui/screens/ContinuityScreen.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace trochix;
using namespace trochix::uitest;

namespace {

// A rise and a return over two segments; J jumps at both boundaries, which is never tested.
// closingS is where the return ends: 0 closes the cycle.
void TwoSegments(model::CamModel& m, float closingS) {
    m.NumSegments = 2;
    m.SegEnds[1][1] = {0.0f, 0.0f, 0.0f, 12.0f};
    m.SegEnds[1][2] = {1.0f, 0.0f, 0.0f, -12.0f};
    m.SegEnds[2][1] = {1.0f, 0.0f, 0.0f, 8.0f};
    m.SegEnds[2][2] = {closingS, 0.0f, 0.0f, -8.0f};
}

ui::ContinuityScreen* OpenContinuity(UiFixture& f) {
    f.navigator.ShowScreen(ScreenId::Continuity);
    return f.screen<ui::ContinuityScreen>(ScreenId::Continuity);
}

void Click(QWidget* s, const char* name) {
    auto* b = s->findChild<QPushButton*>(name);
    QVERIFY2(b, name);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class ContinuityScreenTest : public QObject {
    Q_OBJECT
private slots:
    void captions() {
        UiFixture f;
        TwoSegments(*f.model, 0.0f);
        auto* s = OpenContinuity(f);
        QCOMPARE(s->windowTitle(), QString("TROCHIX for Windows         Segment Continuity Check"));
        QCOMPARE(s->findChild<QLabel*>("lbl_Explanation")->text(),
                 QString("The function values at the beginning and ends of adjacent cam segments "
                         "are grouped together so that the continuity (or lack thereof) can be "
                         "easily seen for each of the cam functions, S, V, A, and J.  They must "
                         "be continuous through acceleration (A) for good dynamic performance."));
        QCOMPARE(s->findChild<QPushButton*>("cmd_PlotPrint")->text(), QString("&Print Data"));
        QCOMPARE(s->findChild<QPushButton*>("cmd_Copy")->text(), QString("&Copy"));
        QCOMPARE(s->findChild<QPushButton*>("cmd_Done")->text(), QString("&Done"));
    }

    // The table is refilled from the model at every opening.
    void showsTheInterfaceTable() {
        UiFixture f;
        TwoSegments(*f.model, 0.0f);
        auto* s = OpenContinuity(f);
        s->closeScreen();
        f.model->SegEnds[2][2][0] = 0.5f;
        s = OpenContinuity(f);
        auto* area = s->findChild<QPlainTextEdit*>("pct_Continuity");
        QStringList expected;
        for (const std::string& line : motion::Continuity_Form(*f.model, f.host))
            expected << QString::fromStdString(line);
        QCOMPARE(area->toPlainText(), expected.join('\n'));
        QVERIFY(QFontInfo(area->font()).fixedPitch());
        // Seven rows after the title, blank and heading lines: (1,1), blank, (1,2), (2,1), blank,
        // (2,2), (1,1); the changed end shows in the sixth, rounded to one decimal.
        const QStringList rows = area->toPlainText().split('\n').mid(3);
        QCOMPARE(rows.size(), 7);
        QVERIFY(rows[1].isEmpty() && rows[4].isEmpty());
        QVERIFY2(rows[5].contains(" .5 "), qPrintable(rows[5]));
        QVERIFY(f.host.messages.empty());
    }

    void doneWarnsWhenTheCycleDoesNotClose() {
        UiFixture f;
        TwoSegments(*f.model, 0.25f);
        auto* s = OpenContinuity(f);
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible());
        QVERIFY(!f.model->ContinuityOK);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text,
                 std::string("There is a potential problem with your cam design.\r\r"
                             "At least one of your segment boundaries is discontinuous.\r"
                             "The largest discontinuity between S, V, or A is. .25\r"
                             "If this value is very small it may just be computational roundoff "
                             "error.\r\r"
                             "This screen shows the problem(s), as will S-V-A plots of the whole "
                             "cam.\r"
                             "Please identify the error(s) and return to the SVAJ screen to "
                             "redesign the cam program.\r"));
        QCOMPARE(f.host.messages[0].icon, model::Icon::Exclamation);
        QCOMPARE(f.host.messages[0].title, std::string("TROCHIX for Windows"));
    }

    void doneIsQuietForAContinuousProgram() {
        UiFixture f;
        TwoSegments(*f.model, 0.0f);
        f.model->ContinuityOK = false; // from an earlier check
        auto* s = OpenContinuity(f);
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible());
        QVERIFY(f.model->ContinuityOK);
        QVERIFY(f.host.messages.empty());
    }

    // Leaving by Escape still checks.
    void escapeChecksAsDone() {
        UiFixture f;
        TwoSegments(*f.model, 0.25f);
        auto* s = OpenContinuity(f);
        QTest::keyClick(s, Qt::Key_Escape);
        QVERIFY(!s->isVisible());
        QVERIFY(!f.model->ContinuityOK);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
    }

    void printDataToPdf() {
        UiFixture f;
        TwoSegments(*f.model, 0.0f);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("continuity.pdf");
        f.dialogs.printerAnswers = {pdf.toStdString()};
        auto* s = OpenContinuity(f);
        Click(s, "cmd_PlotPrint");
        QCOMPARE(f.dialogs.printerRequests, 1);
        QVERIFY(f.host.messages.empty());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/Count 1"));
        QVERIFY(s->isVisible());
    }

    void printDialogCancelledPrintsNothing() {
        UiFixture f;
        TwoSegments(*f.model, 0.0f);
        QTemporaryDir dir;
        f.dialogs.printerAnswers = {std::nullopt};
        auto* s = OpenContinuity(f);
        Click(s, "cmd_PlotPrint");
        QCOMPARE(f.dialogs.printerRequests, 1);
        QVERIFY(f.host.messages.empty());
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(s->isVisible());
    }
};

TROCHIX_UI_TEST(ContinuityScreenTest)
#include "ContinuityScreenTest.moc"
