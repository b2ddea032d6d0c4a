#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/CamModel.h"
#include "motion/Polynomial.h"
#include "ui/screens/PolyScreen.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace trochix;
using namespace trochix::uitest;

namespace {

// Segment 2 (from 90 to 210 degrees) solved from S, V, A at both ends with a lift of 2:
// the 3-4-5 law, whose coefficients are 0, 0, 0, 10h, -15h, 6h.
void Solve345(UiFixture& f) {
    model::CamModel& m = *f.model;
    m.NumSegments = 2;
    m.CurSeg = 2;
    m.SegDir[2] = "P";
    m.SegBeta[2] = 120.0f;
    m.SegBetaRadArr[2] = static_cast<float>(120.0 / 57.29577950560105);
    m.SegStart[2] = 90.0f;
    m.SegEnd[2] = 210.0f;
    motion::BoundsInput in;
    in.requested = 6;
    in.box[0] = {"0", "0", "0", ""};
    in.box[4] = {"2", "0", "0", ""};
    if (!motion::ReadBounds(m, f.host, in))
        qFatal("the 3-4-5 conditions were not solved");
}

ui::PolyScreen* OpenPoly(UiFixture& f) {
    f.navigator.ShowScreen(ScreenId::Poly);
    return f.screen<ui::PolyScreen>(ScreenId::Poly);
}

QString Joined(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& l : lines)
        list << QString::fromStdString(l);
    return list.join('\n');
}

} // namespace

class PolyScreenTest : public QObject {
    Q_OBJECT
private slots:
    void captions() {
        UiFixture f;
        Solve345(f);
        auto* s = OpenPoly(f);
        QCOMPARE(s->windowTitle(), QString("TROCHIX for Windows         Polynomial Data"));
        QCOMPARE(s->findChild<QLabel*>("lbl_Title")->text(),
                 QString("Boundary Conditions Selected and Resulting Displacement Equation "
                         "Coefficients"));
        QCOMPARE(s->findChild<QLabel*>("lbl_Bounds")->text(),
                 QString("Boundary Conditions Selected for this Polynomial"));
        QCOMPARE(s->findChild<QLabel*>("lbl_Exponents")->text(),
                 QString("Coefficients for S Equation with Theta/Beta as Variable"));
        QCOMPARE(s->findChild<QPushButton*>("cmd_Copy")->text(), QString("&Copy"));
        QCOMPARE(s->findChild<QPushButton*>("cmd_Print")->text(), QString("&Print Data"));
        QCOMPARE(s->findChild<QPushButton*>("cmd_Done")->text(), QString("&Done"));
    }

    // The areas show the table lines unchanged, in a fixed-pitch font so the columns line up.
    void showsTheTableOfTheCurrentSegment() {
        UiFixture f;
        Solve345(f);
        auto* s = OpenPoly(f);
        const motion::PolyTable table = motion::Polytable_Form(*f.model, f.host);
        auto* conditions = s->findChild<QPlainTextEdit*>("pct_Poly_0");
        auto* coefficients = s->findChild<QPlainTextEdit*>("pct_Poly_1");
        QCOMPARE(conditions->toPlainText(), Joined(table.conditions));
        QCOMPARE(coefficients->toPlainText(), Joined(table.coefficients));
        QVERIFY(QFontInfo(coefficients->font()).fixedPitch());
        QVERIFY(conditions->isReadOnly());
        // The 3-4-5 coefficients for h = 2: 20, -30, 12 after three zeros.
        const QStringList rows = coefficients->toPlainText().split('\n');
        QCOMPARE(rows.size(), 8);
        const char* const expected[6] = {"0.000", "0.000", "0.000", "20.000", "-30.000", "12.000"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(rows[2 + i].section(' ', -1), QString(expected[i]));
        const char* const data[4] = {" 2", " 90", " 120", " 210"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(s->findChild<QLabel*>(QStringLiteral("lbl_SegData_%1").arg(i))->text(),
                     QString(data[i]));
        QVERIFY(f.host.messages.empty());
    }

    void printDataToPdf() {
        UiFixture f;
        Solve345(f);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("poly.pdf");
        f.dialogs.printerAnswers = {pdf.toStdString()};
        auto* s = OpenPoly(f);
        QTest::mouseClick(s->findChild<QPushButton*>("cmd_Print"), Qt::LeftButton);
        QCOMPARE(f.dialogs.printerRequests, 1);
        QVERIFY(f.host.messages.empty());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/Count 1")); // the table fits one page
        QVERIFY(s->isVisible());
    }
};

TROCHIX_UI_TEST(PolyScreenTest)
#include "PolyScreenTest.moc"
