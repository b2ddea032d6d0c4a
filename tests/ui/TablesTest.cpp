// Tables through the screens: the print selection with its output device, row step and
// decimals, the output screen's grid, header panels and buttons, the printed pages and the data
// file, and the grid a user can copy from.
#include "ComboBoxes.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "files/Examples.h"
#include "files/Exports.h"
#include "model/FunctionNames.h"
#include "output/PrintRequest.h"
#include "output/TableOutput.h"
#include "spectrum/Spectrum.h"
#include "ui/TableGridView.h"
#include "ui/screens/PrintDataScreen.h"
#include "ui/screens/PrintSelectScreen.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>

using namespace trochix;
using namespace trochix::uitest;

namespace {

const std::string kDecimalsMessage = "Decimal places must be a whole number from -99 to 99: 0 to "
                                     "6 give that many decimals, any other the exponent format";

// The double-dwell example, computed up to the dynamics (four segments).
void DoubleDwell(UiFixture& f) {
    QVERIFY(files::LoadExample(*f.model, f.host, 3));
    f.host.clear();
}

ui::PrintSelectScreen* OpenSelect(UiFixture& f) {
    return f.open<ui::PrintSelectScreen>(ScreenId::PrintSelect);
}

ui::PrintDataScreen* Output(UiFixture& f) {
    return f.screen<ui::PrintDataScreen>(ScreenId::PrintData);
}

QComboBox* Box(QWidget* s, const QString& name) {
    return Child<QComboBox>(s, name);
}

// Types into an editable list and leaves it with Tab.
void TypeAndTab(QComboBox* box, const QString& text) {
    Type(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

QString Cell(const ui::TableGridView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

// Every cell the grid shows against the table the core builds from the model.
void ExpectGridIsTheRequest(UiFixture& f) {
    const output::TableGrid expected = output::Print_to_Form(*f.model);
    const ui::TableGridView* grid = Output(f)->grid();
    QCOMPARE(grid->model()->rowCount(), expected.rows());
    QCOMPARE(grid->model()->columnCount(), 5);
    for (int r = 0; r < expected.rows(); ++r)
        for (int c = 0; c < 5; ++c)
            QCOMPARE(Cell(grid, r, c), QString::fromStdString(expected.cell(r, c)));
}

QStringList DecimalsShown(QWidget* s) {
    QStringList shown;
    for (int i = 0; i < 4; ++i)
        shown << Box(s, IndexedName("cmb_Decimals", i))->currentText();
    return shown;
}

// A computed model at 0.25 degree: 1441 points of four functions.
void FineModel(UiFixture& f) {
    model::CamModel& m = *f.model;
    m.DeltaTheta = 0.25f;
    m.NumPoints = 1440;
    m.SvajDone = true;
    m.NumSegments = 1;
    m.SegBeta[1] = 360.0f;
    m.SegEnd[1] = 360.0f;
    for (int i = 0; i <= 1440; ++i) {
        m.Results[0][i] = 0.25f * static_cast<float>(i);
        for (int row = 1; row <= 4; ++row)
            m.Results[row][i] = static_cast<float>(row * 1000.0 * std::sin(i * 0.0043633231));
    }
}

} // namespace

class TablesTest : public QObject {
    Q_OBJECT
private slots:
    // Print on the home screen opens the print selection with its captions and lists; before
    // sizing only the S-V-A-J preset is offered.
    void captionsAndLists() {
        UiFixture f;
        f.home(); // made once: loading it clears the flags
        DoubleDwell(f);
        f.model->ProfileDone = f.model->DynamicsDone = false;
        f.home()->activate();
        QVERIFY(Child<QPushButton>(f.home(), "cmd_Print")->isEnabled());
        Click(f.home(), "cmd_Print");
        QVERIFY(f.navigator.lastShownIs(ScreenId::PrintSelect));
        auto* s = f.screen<ui::PrintSelectScreen>(ScreenId::PrintSelect);
        QCOMPARE(s->windowTitle(), QString("TROCHIX for Windows         Print Select"));
        QStringList titles;
        for (const char* name :
             {"fra_Method", "fra_Preset", "fra_Function_0", "fra_Function_3", "fra_Segment",
              "fra_Output", "fra_PrintEvery", "fra_SetAll", "fra_Decimals"})
            titles << Child<QGroupBox>(s, name)->title();
        QCOMPARE(titles, QStringList({"Choose Setup Method", "Select from Preset Formats",
                                      "Column 1", "Column 4", "Select Segment(s) to Print",
                                      "Direct Output to:", "Print Every", "Set All Dec Plcs",
                                      "Decimal Places"}));
        ExpectTexts(s, {{"opt_Output_0", "Screen"},
                        {"opt_Output_1", "Printer"},
                        {"opt_Output_2", "Disk File"},
                        {"cmd_Done", "&Done"},
                        {"cmd_Cancel", "&Cancel"},
                        {"cmb_PrintEvery", "1"},
                        {"cmb_Decimals_3", "2"}});
        QVERIFY(Child<QRadioButton>(s, "opt_Output_0")->isChecked());
        QComboBox* every = Box(s, "cmb_PrintEvery");
        QStringList items;
        for (int i = 0; i < every->count(); ++i)
            items << every->itemText(i);
        QCOMPARE(items, QStringList({"1", "2", "3", "4", "5", "10"}));
        QCOMPARE(Box(s, "cmb_Decimals_0")->count(), 7);
        QCOMPARE(Box(s, "cmb_Preset")->count(), 1);
        QCOMPARE(Box(s, "cmb_Var1")->count(), 4);
        QCOMPARE(Box(s, "cmb_Segment")->count(), 1 + f.model->NumSegments);
        QVERIFY(!Child<QPushButton>(s, "cmd_Done")->isEnabled());
        Click(s, "cmd_Cancel");
        QVERIFY(!s->isVisible());
        QVERIFY(!f.navigator.isOpen(ScreenId::PrintData) && f.host.messages.empty());
    }

    // Screen: the preset, every 10th point and three decimals give 37 rows of the whole
    // revolution on the output screen, with the header panels of the choice.
    void screenTableOfTheWholeCam() {
        UiFixture f;
        DoubleDwell(f);
        auto* s = OpenSelect(f);
        Pick(Box(s, "cmb_Preset"), "Displacement, Velocity, Acceleration, Jerk");
        Pick(Box(s, "cmb_PrintEvery"), "10");
        TypeAndTab(Box(s, "cmb_SetAll"), "3");
        QCOMPARE(DecimalsShown(s), QStringList({"3", "3", "3", "3"}));
        Click(s, "cmd_Done");
        QVERIFY(!s->isVisible() && f.navigator.lastShownIs(ScreenId::PrintData));
        QCOMPARE(f.model->PrintEvery, 10);
        QCOMPARE(f.model->Decimals, (std::array<int, 4>{3, 3, 3, 3}));
        auto* out = Output(f);
        QCOMPARE(out->windowTitle(), QString("TROCHIX for Windows         Output Screen"));
        QCOMPARE(out->grid()->model()->rowCount(), 4 + 37);
        QCOMPARE(Cell(out->grid(), 0, 1), QString("Displcmnt"));
        QCOMPARE(Cell(out->grid(), 4 + 36, 0), QString("360.00"));
        ExpectGridIsTheRequest(f);
        ExpectTexts(out, {{"lbl_HdrSegment", "All"}, {"lbl_HdrStart", "0"}, {"lbl_HdrEnd", "360"}});
        ExpectTexts(out, {{"cmd_Copy", "&Copy"},
                          {"cmd_PrintForm", "&Print Form"},
                          {"cmd_Reprint", "&Select Another"},
                          {"cmd_Done", "&Done"},
                          {"cmd_Export", "&Export"}});
        QVERIFY(!f.host.busy && f.host.messages.empty());
        Click(out, "cmd_Done");
        QVERIFY(!out->isVisible());
    }

    // One segment, chosen column by column in Mix and Match, with each column's decimals.
    void screenTableOfOneSegment() {
        UiFixture f;
        DoubleDwell(f);
        auto* s = OpenSelect(f);
        QTest::mouseClick(Child(s, "opt_PrintSet_1"), Qt::LeftButton);
        Pick(Box(s, "cmb_Var1"), "Accel");
        Type(Box(s, "cmb_Var2"), "fo");
        Type(Box(s, "cmb_Var3"), "ph");
        Pick(Box(s, "cmb_Segment"), Box(s, "cmb_Segment")->itemText(2));
        TypeAndTab(Box(s, "cmb_Decimals_0"), "0");
        TypeAndTab(Box(s, "cmb_Decimals_1"), "4");
        TypeAndTab(Box(s, "cmb_Decimals_2"), "7");
        Click(s, "cmd_Done");
        QVERIFY(f.navigator.lastShownIs(ScreenId::PrintData));
        const model::CamModel& m = *f.model;
        QCOMPARE(m.PlotStart, m.SegStart[2]);
        QCOMPARE(m.PlotEnd, m.SegEnd[2]);
        QCOMPARE(m.NumPrintCols, 3);
        QCOMPARE(m.Decimals, (std::array<int, 4>{0, 4, 7, 2}));
        auto* out = Output(f);
        const int rows =
            static_cast<int>(std::lround((m.SegEnd[2] - m.SegStart[2]) / m.DeltaTheta)) + 1;
        QCOMPARE(out->grid()->model()->rowCount(), 4 + rows);
        QCOMPARE(Cell(out->grid(), 0, 3), QString("Phi"));
        QCOMPARE(Cell(out->grid(), 0, 4), QString());
        ExpectGridIsTheRequest(f);
        ExpectTexts(out, {{"lbl_HdrSegment", "2"}});
        QVERIFY(f.host.messages.empty());
    }

    // A decimals box takes whole numbers; anything else is refused once and the box shows the
    // value in force again. Print Every takes 1 up to the number of points.
    void boxesRefuseWhatIsNoCount() {
        UiFixture f;
        DoubleDwell(f);
        auto* s = OpenSelect(f);
        TypeAndTab(Box(s, "cmb_Decimals_1"), "x");
        QCOMPARE(f.texts(), Strings{kDecimalsMessage});
        QCOMPARE(f.host.messages[0].icon, model::Icon::Exclamation);
        QCOMPARE(DecimalsShown(s), QStringList({"2", "2", "2", "2"}));
        TypeAndTab(Box(s, "cmb_Decimals_1"), "-1");
        TypeAndTab(Box(s, "cmb_SetAll"), "2.5");
        QCOMPARE(f.host.messages.size(), std::size_t(2));
        QCOMPARE(DecimalsShown(s), QStringList({"2", "-1", "2", "2"}));
        QCOMPARE(Box(s, "cmb_SetAll")->currentText(), QString());
        TypeAndTab(Box(s, "cmb_PrintEvery"), "0");
        QCOMPARE(f.host.lastText(), "Print Every must be a whole number of points from 1 to 360");
        QCOMPARE(Box(s, "cmb_PrintEvery")->currentText(), QString("1"));
        TypeAndTab(Box(s, "cmb_PrintEvery"), "15");
        QCOMPARE(s->settings().every, 15);
        QCOMPARE(s->settings().decimals, (std::array<int, 4>{2, -1, 2, 2}));
        // A refused entry left in a box when Done is pressed stops Done.
        Pick(Box(s, "cmb_Preset"), "Displacement, Velocity, Acceleration, Jerk");
        Box(s, "cmb_Decimals_2")->setEditText("abc");
        f.host.clear();
        s->Done();
        QCOMPARE(f.texts(), Strings{kDecimalsMessage});
        QVERIFY(s->isVisible() && !f.navigator.isOpen(ScreenId::PrintData));
    }

    // A spectrum: harmonics one by one whatever Print Every says; the box shows 1 and is off
    // while the spectrum is chosen, and comes back with its own value.
    void spectrumTable() {
        UiFixture f;
        DoubleDwell(f);
        QVERIFY(spectrum::SpectrumStep(*f.model, f.host, 3, f.model->NumPoints));
        f.model->FftDone = true;
        f.model->NumHarmonics = 15;
        auto* s = OpenSelect(f);
        Pick(Box(s, "cmb_PrintEvery"), "5");
        Pick(Box(s, "cmb_Preset"), "Current FFT - Real, Imag, Mag, Phase");
        QVERIFY(!Box(s, "cmb_PrintEvery")->isEnabled());
        QCOMPARE(Box(s, "cmb_PrintEvery")->currentText(), QString("1"));
        Pick(Box(s, "cmb_Preset"), "Displacement, Velocity, Acceleration, Jerk");
        QCOMPARE(Box(s, "cmb_PrintEvery")->currentText(), QString("5"));
        Pick(Box(s, "cmb_Preset"), "Current FFT - Real, Imag, Mag, Phase");
        Click(s, "cmd_Done");
        auto* out = Output(f);
        QCOMPARE(f.model->PrintEvery, 1);
        QCOMPARE(out->grid()->model()->rowCount(), 4 + 16);
        QCOMPARE(Cell(out->grid(), 0, 0), QString("Harmonic"));
        QCOMPARE(Cell(out->grid(), 1, 0), QString("Number"));
        QCOMPARE(Cell(out->grid(), 1, 1), QString("Accel"));
        QCOMPARE(Cell(out->grid(), 4 + 15, 0), QString("15"));
        ExpectGridIsTheRequest(f);
    }

    // Printer: the dialog, then whole pages - seven for 361 rows, one for 37. Cancel is quiet.
    void printedTable() {
        const struct {
            const char* every;
            int pages;
        } cases[] = {{"1", 7}, {"10", 1}};
        for (const auto& c : cases) {
            UiFixture f;
            DoubleDwell(f);
            QTemporaryDir dir;
            const QString pdf = dir.filePath("table.pdf");
            auto* s = OpenSelect(f);
            Pick(Box(s, "cmb_Preset"), "Displacement, Velocity, Acceleration, Jerk");
            Pick(Box(s, "cmb_PrintEvery"), c.every);
            QTest::mouseClick(Child(s, "opt_Output_1"), Qt::LeftButton);
            f.dialogs.printerAnswers = {pdf.toStdString()};
            Click(s, "cmd_Done");
            QVERIFY(!s->isVisible() && !f.navigator.isOpen(ScreenId::PrintData));
            QCOMPARE(f.dialogs.printerRequests, 1);
            QCOMPARE(PdfPages(pdf), c.pages);
            QVERIFY(f.host.messages.empty() && !f.host.busy);
        }
        UiFixture f;
        DoubleDwell(f);
        auto* s = OpenSelect(f);
        Pick(Box(s, "cmb_Preset"), "Displacement, Velocity, Acceleration, Jerk");
        QTest::mouseClick(Child(s, "opt_Output_1"), Qt::LeftButton);
        Click(s, "cmd_Done");
        QCOMPARE(f.dialogs.printerRequests, 1);
        QVERIFY(f.host.messages.empty() && !f.host.busy);
        QVERIFY(!f.navigator.isOpen(ScreenId::PrintData));
    }

    // Disk File: "Save the Data" proposes the model's name; the file is the Print-to-File
    // layout of the request. Cancel writes nothing; a failure names the writer.
    void dataFile() {
        UiFixture f;
        DoubleDwell(f);
        QTemporaryDir dir;
        const std::string path = dir.filePath("dd.dat").toStdString();
        auto* s = OpenSelect(f);
        Pick(Box(s, "cmb_Preset"), "Displacement, Velocity, Acceleration, Jerk");
        Pick(Box(s, "cmb_PrintEvery"), "5");
        QTest::mouseClick(Child(s, "opt_Output_2"), Qt::LeftButton);
        f.dialogs.saveAnswers = {path};
        Click(s, "cmd_Done");
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        const ui::FileRequest& r = f.dialogs.saveRequests[0];
        QCOMPARE(r.title, "Save the Data");
        QCOMPARE(r.filter, "*.dat");
        QCOMPARE(r.proposedName, f.model->ModelName + ".dat");
        QVERIFY(r.overwritePrompt);
        const std::string bytes = Slurp(path);
        QCOMPARE(bytes, files::PrintToFileText(*f.model, f.host.now()));
        QCOMPARE(std::count(bytes.begin(), bytes.end(), '\n'), 6 + 73);
        QVERIFY(f.host.messages.empty() && !f.navigator.isOpen(ScreenId::PrintData));

        s = OpenSelect(f);
        Click(s, "cmd_Done"); // no answer: Cancel
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(2));
        QVERIFY(f.host.messages.empty());
        s = OpenSelect(f);
        f.dialogs.saveAnswers = {dir.filePath("no/such/folder/dd.dat").toStdString()};
        Click(s, "cmd_Done");
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QVERIFY2(f.host.lastText().find("Print_to_File") != std::string::npos ||
                     f.host.lastText().find("drive") != std::string::npos,
                 f.host.lastText().c_str());
    }

    // The output screen's buttons: the copy hint, Export of all data, and Select Another back
    // to the selection four times; the fifth press says the stack is full and closes.
    void outputScreenButtons() {
        UiFixture f;
        DoubleDwell(f);
        auto* s = OpenSelect(f);
        Pick(Box(s, "cmb_Preset"), "Displacement, Velocity, Acceleration, Jerk");
        Click(s, "cmd_Done");
        auto* out = Output(f);
        Click(out, "cmd_Copy");
        QCOMPARE(f.texts(),
                 Strings{"Use the Alt-PrintScrn key combo to copy the screen to the clipboard"});
        f.host.clear();

        QTemporaryDir dir;
        const std::string path = dir.filePath("all.txt").toStdString();
        f.dialogs.saveAnswers = {path};
        Click(out, "cmd_Export");
        const ui::FileRequest& r = f.dialogs.saveRequests.back();
        QCOMPARE(r.title, "Export All Data");
        QCOMPARE(r.filter, "*.txt");
        QCOMPARE(r.proposedName, f.model->ModelName + ".txt");
        QCOMPARE(Slurp(path), files::ExportAllText(*f.model, f.host.now()));
        Click(out, "cmd_Export"); // cancelled
        QVERIFY(f.host.messages.empty() && out->isVisible());

        for (int press = 1; press <= 4; ++press) {
            Click(out, "cmd_Reprint");
            QVERIFY(!out->isVisible() && f.navigator.lastShownIs(ScreenId::PrintSelect));
            Click(f.screen<QWidget>(ScreenId::PrintSelect), "cmd_Done");
            QVERIFY(out->isVisible());
        }
        const int selections = f.navigator.timesShown(ScreenId::PrintSelect);
        Click(out, "cmd_Reprint");
        QCOMPARE(f.texts(), Strings{"The memory stack is getting full.\rWill now exit this form "
                                    "to clear the stack. \r You can re-enter it from the Home "
                                    "screen to plot more."});
        QVERIFY(!out->isVisible());
        QCOMPARE(f.navigator.timesShown(ScreenId::PrintSelect), selections);
        QCOMPARE(out->reselections().count(), 0);
    }

    // Cells selected like a spreadsheet's go to the clipboard as TAB-separated lines with
    // Ctrl+C or the context menu; the header rows stay in view while the values scroll.
    void gridCopiesAndKeepsItsHeader() {
        UiFixture f;
        DoubleDwell(f);
        auto* s = OpenSelect(f);
        Pick(Box(s, "cmb_Preset"), "Displacement, Velocity, Acceleration, Jerk");
        Click(s, "cmd_Done");
        ui::TableGridView* grid = Output(f)->grid();
        QApplication::setActiveWindow(Output(f));
        auto* selection = grid->selectionModel();
        const auto* m = grid->model();
        selection->select(QItemSelection(m->index(0, 0), m->index(0, 2)),
                          QItemSelectionModel::Select);
        selection->select(QItemSelection(m->index(4 + 90, 0), m->index(4 + 91, 2)),
                          QItemSelectionModel::Select);
        QApplication::clipboard()->clear();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QString expected =
            Cell(grid, 0, 0) + '\t' + Cell(grid, 0, 1) + '\t' + Cell(grid, 0, 2) + '\n';
        for (int row = 1; row < 4 + 90; ++row)
            expected += "\t\t\n";
        for (int row = 4 + 90; row <= 4 + 91; ++row)
            expected +=
                Cell(grid, row, 0) + '\t' + Cell(grid, row, 1) + '\t' + Cell(grid, row, 2) + '\n';
        QCOMPARE(QApplication::clipboard()->text(), expected);
        QVERIFY(expected.startsWith("Angle\tDisplcmnt\tVelocity\n"));

        auto* copy = Child<QAction>(grid, "act_Copy");
        QCOMPARE(grid->contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(grid->actions().contains(copy));
        selection->clearSelection();
        selection->select(m->index(4 + 30, 1), QItemSelectionModel::Select);
        copy->trigger();
        QCOMPARE(QApplication::clipboard()->text(), Cell(grid, 4 + 30, 1) + '\n');

        // Scrolled to the end, the header rows are still in front at the top.
        grid->scrollToBottom();
        QVERIFY(grid->verticalScrollBar()->value() > 0);
        QTableView* header = grid->frozenRows();
        QVERIFY(header->isVisible());
        QCOMPARE(header->rowAt(0), 0);
        QCOMPARE(header->rowAt(header->height() - 4), 3);
        QCOMPARE(header->y(), grid->viewport()->y());
        // A row brought into view is shown below them, not under them.
        grid->scrollTo(m->index(4 + 100, 0), QAbstractItemView::PositionAtTop);
        QVERIFY(grid->visualRect(m->index(4 + 100, 0)).top() >= header->height() - 2);
        QVERIFY(grid->visualRect(m->index(4 + 99, 0)).top() < header->height());
    }

    // 1441 rows (0.25 degree, every point) are on the screen well within 100 ms.
    void fineTableFillsQuickly() {
        UiFixture f;
        FineModel(f);
        output::SelectTableByCodes(*f.model, {"DI", "VE", "AC", "JE"}, 0,
                                   {output::OutputDevice::Screen, 1, {4, 4, 4, 4}});
        auto* out = f.open<ui::PrintDataScreen>(ScreenId::PrintData);
        QElapsedTimer timer;
        timer.start();
        out->activate();
        out->grid()->viewport()->repaint();
        const qint64 ms = timer.elapsed();
        QCOMPARE(out->grid()->model()->rowCount(), 4 + 1441);
        QCOMPARE(Cell(out->grid(), 4 + 1440, 0), QString("360.00"));
        qInfo("1441-row grid filled and painted in %lld ms", ms);
        QVERIFY2(ms < 100, qPrintable(QString::number(ms)));
    }
};

TROCHIX_UI_TEST(TablesTest)
#include "TablesTest.moc"
