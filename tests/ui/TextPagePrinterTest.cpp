#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/TextPagePrinter.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

using namespace trochix;
using namespace trochix::uitest;

namespace {

std::vector<std::string> Numbered(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("line " + std::to_string(i));
    return lines;
}

// Pages of a PDF: page objects, not the page tree ("/Type /Pages").
int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

} // namespace

class TextPagePrinterTest : public QObject {
    Q_OBJECT
private slots:
    // A letter or A4 page in a 10-point fixed-pitch font holds 80 columns and some 55 to 70
    // lines; a full page moves on by itself, and nothing is lost or repeated.
    void fullPagesMoveOn() {
        UiFixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("long.pdf");
        f.dialogs.printerAnswers = {pdf.toStdString()};
        ui::TextPagePrinter out(f.ctx, "Print_to_Printer");
        QVERIFY(out.open(nullptr));
        const int perPage = out.linesPerPage();
        QVERIFY2(perPage >= 50 && perPage <= 80, qPrintable(QString::number(perPage)));
        QVERIFY(out.columnsPerLine() >= ui::TextPagePrinter::kMinColumns);
        QVERIFY(QFontInfo(out.font()).fixedPitch());

        const int total = 2 * perPage + 5;
        out.print(Numbered(total));
        QCOMPARE(out.pages().size(), std::size_t(3));
        QCOMPARE(static_cast<int>(out.pages()[0].size()), perPage);
        QCOMPARE(out.pages()[1].front(), "line " + std::to_string(perPage + 1));
        QCOMPARE(out.pages()[2].size(), std::size_t(5));
        QCOMPARE(out.pages()[2].back(), "line " + std::to_string(total));

        QVERIFY(out.endDoc());
        QVERIFY(f.host.messages.empty());
        QCOMPARE(PdfPages(pdf), 3);
    }

    // A new page on request; one requested after the last line adds no empty page.
    void newPageOnRequest() {
        UiFixture f;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("two.pdf");
        f.dialogs.printerAnswers = {pdf.toStdString()};
        ui::TextPagePrinter out(f.ctx, "Print_to_Printer");
        QVERIFY(out.open(nullptr));
        out.print(Numbered(3));
        out.newPage();
        out.print(std::string("after the break"));
        out.newPage();
        QVERIFY(out.endDoc());
        QCOMPARE(out.pages().size(), std::size_t(2));
        QCOMPARE(out.pages()[0], Numbered(3));
        QCOMPARE(out.pages()[1], std::vector<std::string>{"after the break"});
        QCOMPARE(PdfPages(pdf), 2);
    }

    void cancelPrintsNothing() {
        UiFixture f;
        QTemporaryDir dir;
        f.dialogs.printerAnswers = {std::nullopt};
        bool built = false;
        const bool printed = ui::PrintTextPages(f.ctx, nullptr, "Continuity_Print", [&] {
            built = true;
            return Numbered(3);
        });
        QVERIFY(!printed);
        QVERIFY(!built); // nothing is prepared for a cancelled print
        QVERIFY(f.host.messages.empty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void failureIsReported() {
        UiFixture f;
        f.dialogs.printerAnswers = {std::string("/nonexistent-folder/out.pdf")};
        const bool printed = ui::PrintTextPages(f.ctx, nullptr, "Polytable_Printer",
                                                [] { return Numbered(3); });
        QVERIFY(!printed);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text,
                 std::string("Device I/O error- bad drive or disk - please try another"));
    }
};

TROCHIX_UI_TEST(TextPagePrinterTest)
#include "TextPagePrinterTest.moc"
