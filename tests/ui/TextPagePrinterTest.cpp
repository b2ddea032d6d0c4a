#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/TextPagePrinter.h"

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

} // namespace

class TextPagePrinterTest : public QObject {
    Q_OBJECT
private slots:
    // A letter or A4 page in a 10-point fixed-pitch font holds 80 columns and 55 to 70 lines;
    // a full page moves on by itself; a new page comes on request, but not after the last line.
    void pagesMoveOn() {
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
        out.newPage();
        out.print(std::string("after the break"));
        out.newPage();
        QVERIFY(out.endDoc());
        QCOMPARE(out.pages().size(), std::size_t(4));
        QCOMPARE(static_cast<int>(out.pages()[0].size()), perPage);
        QCOMPARE(out.pages()[1].front(), "line " + std::to_string(perPage + 1));
        QCOMPARE(out.pages()[2].size(), std::size_t(5));
        QCOMPARE(out.pages()[2].back(), "line " + std::to_string(total));
        QCOMPARE(out.pages()[3], std::vector<std::string>{"after the break"});
        QVERIFY(f.host.messages.empty());
        QCOMPARE(PdfPages(pdf), 4);
    }

    // Nothing is prepared for a cancelled print; a failure is reported once.
    void cancelIsQuietAndFailureReported() {
        UiFixture f;
        f.dialogs.printerAnswers = {std::nullopt, std::string("/nonexistent-folder/out.pdf")};
        bool built = false;
        const auto lines = [&] {
            built = true;
            return Numbered(3);
        };
        QVERIFY(!ui::PrintTextPages(f.ctx, nullptr, "Continuity_Print", lines));
        QVERIFY(!built && f.host.messages.empty());
        QVERIFY(!ui::PrintTextPages(f.ctx, nullptr, "Polytable_Printer", lines));
        QCOMPARE(f.texts(), Strings{"Device I/O error- bad drive or disk - please try another"});
    }
};

TROCHIX_UI_TEST(TextPagePrinterTest)
#include "TextPagePrinterTest.moc"
