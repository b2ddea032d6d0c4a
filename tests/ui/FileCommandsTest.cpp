#include "StandIns.h"
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "files/ModelFile.h"
#include "model/CamModel.h"
#include "model/ReportError.h"
#include "model/Units.h"
#include "ui/Commands.h"
#include "ui/screens/HomeScreen.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <fstream>
#include <sstream>

using namespace trochix;
using namespace trochix::uitest;
using model::Answer;
using model::Buttons;
using model::Icon;
using ui::Command;

namespace {

const std::string kSaveQuestion =
    "The current data has not been saved.  Do you want to save it before resetting?";
const std::string kBlank = "The current model is blank.  There is nothing to export.  Use "
                           "S-V-A-J and Sizecam buttons to calculate the model, then export";

// A calculated, sized, unsaved two-segment model, chosen so that its sizing has a closed form:
// S = 1, V = 8 per second at omega = 2 rad/s (V/omega = 4 per radian), A = 0, prime radius 3,
// no offset, translating radial roller. Rows 5 and 6 hold markers the sizing must replace;
// the profile rows hold X = .5 and Y = -.25 for the export texts.
void MakeSizedModel(model::CamModel& m) {
    m.NumSegments = 2;
    m.CamOmega = 2.0f;
    m.DeltaTheta = 1.0f;
    m.NumPoints = 360;
    for (int s = 1; s <= 2; ++s) {
        m.SegBeta[s] = 180.0f;
        m.SegDir[s] = s == 1 ? "R" : "F";
        m.SegLawText[s] = "CF - Cycloid Full";
        m.SegStart[s] = 180.0f * static_cast<float>(s - 1);
        m.SegEnd[s] = 180.0f * static_cast<float>(s);
    }
    for (int i = 0; i <= 360; ++i) {
        m.Results[0][i] = static_cast<float>(i);
        m.Results[1][i] = 1.0f;
        m.Results[2][i] = 8.0f;
        m.Results[3][i] = 0.0f;
        m.Results[4][i] = -3.0f;
        m.Results[5][i] = 99.0f;
        m.Results[6][i] = 99.0f;
        m.Results[9][i] = 0.5f;
        m.Results[10][i] = -0.25f;
    }
    m.PrimeRadius = 3.0f;
    m.Offset = 0.0f;
    m.RollerRadius = 0.75f;
    m.FollowerType = 1;
    m.Translating = true;
    m.CamType = "Radial";
    model::SelectUnitSystem(m, 3);
    m.UserName = "Ada";
    m.DesignNo = 7;
    m.SvajDone = true;
    m.ProfileDone = true;
    m.ModelSaved = false;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Spit(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> CrlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size())
        lines.push_back("<unterminated>" + text.substr(start));
    return lines;
}

bool FileExists(const std::string& path) { return std::ifstream(path).good(); }

// The model a file holds, read quietly into a fresh model (nullptr when refused).
std::unique_ptr<model::CamModel> ReadBack(const std::string& path) {
    model::RecordingHost quiet;
    const auto fresh = std::make_unique<model::CamModel>();
    return files::Readfile(path, *fresh, quiet).model;
}

// The file text with line n (1-based) replaced.
std::string WithLine(const std::string& bytes, int n, const std::string& line) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i)
        start = bytes.find("\r\n", start) + 2;
    const std::size_t end = bytes.find("\r\n", start);
    return bytes.substr(0, start) + line + bytes.substr(end);
}

std::string Path(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromUtf8(name)).toStdString();
}

ui::HomeScreen* Home(UiFixture& f) { return f.screen<ui::HomeScreen>(ScreenId::HomeScreen); }

// The home screen clears the flags when it is built, as at start-up: build it first, then
// calculate the model and let the screen show it.
void StartCalculated(UiFixture& f) {
    Home(f);
    MakeSizedModel(*f.model);
    Home(f)->activate();
}

void Trigger(UiFixture& f, const char* action) {
    QAction* a = Home(f)->findChild<QAction*>(action);
    QVERIFY2(a && a->isEnabled(), action);
    a->trigger();
}

// Which of the seven home buttons are enabled, in screen order.
QString EnabledButtons(ui::HomeScreen& home) {
    QString s;
    for (const char* name : {"cmd_SVAJ", "cmd_SizeCam", "cmd_DrawCam", "cmd_Dynamics", "cmd_Plot",
                             "cmd_Print", "cmd_Quit"})
        s += home.findChild<QPushButton*>(name)->isEnabled() ? '1' : '0';
    return s;
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveAsWritesAFileThatReadsBack() {
        QTemporaryDir dir;
        UiFixture f;
        StartCalculated(f);
        const std::string path = Path(dir, "design one.cam");
        f.dialogs.saveAnswers = {path};

        Trigger(f, "mnu_Saveas");

        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        const ui::FileRequest& r = f.dialogs.saveRequests[0];
        QCOMPARE(r.title, std::string("Save the Model"));
        QCOMPARE(r.filter, std::string("*.cam"));
        QCOMPARE(r.proposedName, std::string("Model1.cam"));
        QVERIFY(r.overwritePrompt);
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text, "File was successfully written to \r" + path);
        QCOMPARE(f.host.messages[0].icon, Icon::Information);
        QVERIFY(f.model->ModelSaved);
        QCOMPARE(f.model->FileName, path);
        QCOMPARE(f.model->ModelName, std::string("design one"));
        QVERIFY(!f.host.busy);

        const auto back = ReadBack(path);
        QVERIFY(back);
        QCOMPARE(back->NumSegments, 2);
        QCOMPARE(back->UserName, std::string("Ada"));
        QCOMPARE(back->UnitSystem, 3);
        QVERIFY(back->Results == f.model->Results);

        // Save goes to the same file without a dialog; the proposal now uses the new name.
        f.model->UserName = "Grace";
        f.model->ModelSaved = false;
        f.host.clear();
        Trigger(f, "mnu_Save");
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QVERIFY(f.model->ModelSaved);
        QCOMPARE(ReadBack(path)->UserName, std::string("Grace"));
        Trigger(f, "mnu_Saveas");
        QCOMPARE(f.dialogs.saveRequests.back().proposedName, std::string("design one.cam"));
    }

    void saveWithoutAFileAsksForOne() {
        QTemporaryDir dir;
        UiFixture f;
        StartCalculated(f);
        f.dialogs.saveAnswers = {Path(dir, "first.cam")};
        Trigger(f, "mnu_Save");
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        QCOMPARE(f.dialogs.saveRequests[0].title, std::string("Save the Model"));
        QVERIFY(FileExists(Path(dir, "first.cam")));
        QCOMPARE(f.model->ModelName, std::string("first"));
    }

    void cancelledSaveAsChangesNothingAndSaysNothing() {
        UiFixture f;
        StartCalculated(f);
        Trigger(f, "mnu_Saveas"); // no scripted answer: Cancel
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        QVERIFY(f.host.messages.empty());
        QVERIFY(f.host.busyCalls.empty());
        QVERIFY(!f.model->ModelSaved);
        QVERIFY(f.model->FileName.empty());
        QCOMPARE(f.model->ModelName, std::string("Model1"));
    }

    // A folder that does not exist: one report under the command's name, nothing changed.
    void failedSaveIsReportedOnce() {
        QTemporaryDir dir;
        UiFixture f;
        StartCalculated(f);
        const std::string path = Path(dir, "missing/folder.cam");
        f.dialogs.saveAnswers = {path};
        Trigger(f, "mnu_Saveas");
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text,
                 model::ReportErrorText(model::kPathNotFound, "frm_Homescreen.SaveAs"));
        QVERIFY(!f.host.busy);
        QVERIFY(!f.model->ModelSaved);
        QVERIFY(f.model->FileName.empty());
        QCOMPARE(f.model->ModelName, std::string("Model1"));
        QVERIFY(!FileExists(path));
    }

    void openReplacesTheModelAndRecomputesTheSizing() {
        QTemporaryDir dir;
        const std::string path = Path(dir, "sized.cam");
        auto saved = std::make_unique<model::CamModel>();
        {
            model::RecordingHost setup;
            model::Initialize(*saved, setup);
        }
        MakeSizedModel(*saved);
        files::Writefile(*saved, path);

        UiFixture f;
        RegisterHomeTargets(f);
        Home(f)->activate();
        QCOMPARE(EnabledButtons(*Home(f)), QString("1000001"));
        f.dialogs.openAnswers = {path};

        Trigger(f, "mnu_Open");

        QCOMPARE(f.dialogs.openRequests.size(), std::size_t(1));
        QCOMPARE(f.dialogs.openRequests[0].title, std::string("Open a model"));
        QCOMPARE(f.dialogs.openRequests[0].filter, std::string("*.cam"));
        QCOMPARE(f.host.messages.size(), std::size_t(1)); // nothing to save beforehand
        QCOMPARE(f.host.messages[0].text, "File " + path + " successfully read.");
        const model::CamModel& m = *f.model;
        QCOMPARE(m.NumSegments, 2);
        QCOMPARE(m.UserName, std::string("Ada"));
        QCOMPARE(m.DesignNo, 7);
        for (int row = 0; row <= 4; ++row)
            QVERIFY(m.Results[row] == saved->Results[row]);
        // phi = atan((V/omega - e) / (S + sqrt(Rp^2 - e^2))) = atan(4 / 4) = 45 degrees;
        // rho = (r^2 + v^2)^1.5 / (r^2 + 2 v^2 - r a) with r = 4, v = 4, a = 0:
        // 32^1.5 / 48 = 3.771236. Tolerances cover single-precision rounding.
        for (int i : {0, 90, 360}) {
            QVERIFY(std::fabs(m.Results[5][i] - 45.0f) < 1e-4f);
            QVERIFY(std::fabs(m.Results[6][i] - 3.771236f) < 1e-5f);
        }
        QVERIFY(std::fabs(m.PressMax - 45.0f) < 1e-4f);
        QCOMPARE(m.RollerRadiusText, std::string("0.75"));
        QCOMPARE(m.FileName, path);
        QCOMPARE(m.ModelName, std::string("sized"));
        QVERIFY(m.ModelSaved && m.SvajDone && m.ProfileDone);
        QCOMPARE(m.UnitLabel[1], std::string("m"));
        QVERIFY(!f.host.busy);
        // The home screen follows the opened model: buttons, File menu and the units tick.
        QCOMPARE(EnabledButtons(*Home(f)), QString("1111111"));
        QVERIFY(Home(f)->findChild<QMenu*>("mnu_Export")->menuAction()->isEnabled());
        QVERIFY(Home(f)->findChild<QAction*>("mnu_unitpick_3")->isChecked());
    }

    void refusedFileLeavesTheModelUnchanged_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("icon");
        QTest::newRow("cut short") << "cut" << static_cast<int>(Icon::Exclamation);
        QTest::newRow("text for a number") << "text" << static_cast<int>(Icon::Exclamation);
        QTest::newRow("another program") << "title" << static_cast<int>(Icon::Question);
    }
    void refusedFileLeavesTheModelUnchanged() {
        QFETCH(QString, damage);
        QFETCH(int, icon);
        QTemporaryDir dir;
        const std::string path = Path(dir, "bad.cam");
        {
            auto other = std::make_unique<model::CamModel>();
            model::RecordingHost setup;
            model::Initialize(*other, setup);
            MakeSizedModel(*other);
            other->NumSegments = 1;
            std::string bytes = files::ModelFileText(*other, path);
            if (damage == "cut")
                bytes.resize(bytes.size() / 2);
            else if (damage == "text")
                bytes = WithLine(bytes, 11, "\"one\""); // NumSegments
            else
                bytes = WithLine(bytes, 1, "\"Another Program\"");
            Spit(path, bytes);
        }

        UiFixture f;
        StartCalculated(f);
        f.model->ModelSaved = true; // nothing to offer for saving
        f.model->FileName = "/elsewhere/current.cam";
        f.model->ModelName = "current";
        const auto before = std::make_unique<model::CamModel>(*f.model);
        f.dialogs.openAnswers = {path};

        Trigger(f, "mnu_Open");

        QCOMPARE(f.host.messages.size(), std::size_t(1));
        const std::string& text = f.host.messages[0].text;
        QCOMPARE(static_cast<int>(f.host.messages[0].icon), icon);
        if (damage == "title") {
            QCOMPARE(text, std::string("This data file is not compatible with TROCHIX for Windows. "));
        } else {
            QVERIFY2(text.rfind("The file " + path + " could not be read: line ", 0) == 0,
                     text.c_str());
            const std::string tail = "\rThe current model is unchanged.";
            QVERIFY2(text.size() > tail.size() && text.substr(text.size() - tail.size()) == tail,
                     text.c_str());
        }
        const model::CamModel& m = *f.model;
        QVERIFY(m.Results == before->Results);
        QCOMPARE(m.NumSegments, 2);
        QCOMPARE(m.FileName, before->FileName);
        QCOMPARE(m.ModelName, before->ModelName);
        QVERIFY(m.SvajDone && m.ProfileDone && m.ModelSaved);
        QVERIFY(!f.host.busy);
    }

    // Yes saves first (Save As), then the open dialog comes; No goes straight to it.
    void openOffersToSaveUnsavedResults_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void openOffersToSaveUnsavedResults() {
        QFETCH(bool, yes);
        QTemporaryDir dir;
        UiFixture f;
        StartCalculated(f);
        f.host.answers = {yes ? Answer::Yes : Answer::No};
        f.dialogs.saveAnswers = {Path(dir, "before.cam")};

        Trigger(f, "mnu_Open"); // the open dialog is cancelled

        QCOMPARE(f.host.messages.size(), std::size_t(yes ? 2 : 1)); // Yes: the written message
        QCOMPARE(f.host.messages[0].text, kSaveQuestion);
        QCOMPARE(f.host.messages[0].buttons, Buttons::YesNo);
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(yes ? 1 : 0));
        QCOMPARE(f.dialogs.openRequests.size(), std::size_t(1));
        QCOMPARE(FileExists(Path(dir, "before.cam")), yes);
        QCOMPARE(f.model->ModelSaved, yes);
        QCOMPARE(f.model->NumSegments, 2);
    }

    void exportNeedsACalculatedModel_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("spreadsheet") << static_cast<int>(Command::ExportSpreadsheet);
        QTest::newRow("cadkey") << static_cast<int>(Command::ExportCadkey);
        QTest::newRow("profile") << static_cast<int>(Command::ExportProfile);
    }
    void exportNeedsACalculatedModel() {
        QFETCH(int, command);
        QTemporaryDir dir;
        UiFixture f;
        // The menu is disabled without a profile; the command itself still checks.
        QVERIFY(!Home(f)->findChild<QMenu*>("mnu_Export")->menuAction()->isEnabled());
        f.dialogs.saveAnswers = {Path(dir, "blank.txt")};
        QVERIFY(f.commands.run(static_cast<Command>(command)));
        QCOMPARE(f.host.messages.size(), std::size_t(1));
        QCOMPARE(f.host.messages[0].text, kBlank);
        QCOMPARE(f.host.messages[0].title, model::DefaultTitle());
        QVERIFY(f.dialogs.saveRequests.empty());
        QVERIFY(!FileExists(Path(dir, "blank.txt")));
    }

    // PrintEvery 1 at 1 degree: 361 points. The files follow the export rules: X = .5 and
    // Y = -.25 are written " .5 " and "-.25 ", each followed by TAB.
    void exportsWriteTheirFiles_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("firstData"); // line of point 0 ("" = not checked)
        QTest::newRow("spreadsheet") << "mnu_Spreadsheet" << "Export All Data to a Text File"
                                     << "*.txt" << "Model1.txt" << 6 + 361 << "";
        QTest::newRow("cadkey") << "mnu_Cadkey" << "Export XY data to a Cadkey file" << "*.cad"
                                << "Model1.cad" << 361 << " .5 \t-.25 \t";
        QTest::newRow("profile") << "mnu_Profile" << "Export Profile Data to a Text File"
                                 << "*.pts" << "Model1.pts" << 6 + 361 << " .5 \t-.25 \t";
    }
    void exportsWriteTheirFiles() {
        QFETCH(QString, action);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(QString, proposed);
        QFETCH(int, lines);
        QFETCH(QString, firstData);
        QTemporaryDir dir;
        UiFixture f;
        StartCalculated(f);
        // The print selection's range must not narrow the home screen's Cadkey export.
        f.model->PlotStart = 90.0f;
        f.model->PlotEnd = 180.0f;
        const std::string path = Path(dir, "out.dat");
        f.dialogs.saveAnswers = {path};

        Trigger(f, action.toLatin1().constData());

        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        const ui::FileRequest& r = f.dialogs.saveRequests[0];
        QCOMPARE(QString::fromStdString(r.title), title);
        QCOMPARE(QString::fromStdString(r.filter), filter);
        QCOMPARE(QString::fromStdString(r.proposedName), proposed);
        QVERIFY(f.host.messages.empty());
        QVERIFY(!f.host.busy);
        const std::vector<std::string> text = CrlfLines(Slurp(path));
        QCOMPARE(static_cast<int>(text.size()), lines);
        if (lines > 361) {
            QCOMPARE(text[0].substr(0, 11), std::string("File Model1"));
            QVERIFY(text[2].empty() && text[5].empty());
        }
        if (!firstData.isEmpty())
            QCOMPARE(QString::fromStdString(text[text.size() - 361]), firstData);
        // Exports leave the model's own file name alone.
        QVERIFY(f.model->FileName.empty());
        QCOMPARE(f.model->ModelName, std::string("Model1"));
        QVERIFY(!f.model->ModelSaved);
        QCOMPARE(f.model->PlotStart, 90.0f);
        QCOMPARE(f.model->PlotEnd, 180.0f);
    }

    void cancelledExportWritesNothing() {
        UiFixture f;
        StartCalculated(f);
        Trigger(f, "mnu_Spreadsheet");
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        QVERIFY(f.host.messages.empty());
        QVERIFY(f.host.busyCalls.empty());
    }

    void quitSavesUnsavedResultsThenAsks() {
        QTemporaryDir dir;
        UiFixture f;
        StartCalculated(f);
        const std::string path = Path(dir, "before quit.cam");
        f.dialogs.saveAnswers = {path};

        QTest::mouseClick(Home(f)->findChild<QPushButton*>("cmd_Quit"), Qt::LeftButton);

        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        QVERIFY(FileExists(path));
        QVERIFY(f.model->ModelSaved);
        QCOMPARE(f.navigator.shown, std::vector<ScreenId>({ScreenId::Quit}));
        auto* quit = f.navigator.screen(ScreenId::Quit);
        QCOMPARE(quit->findChild<QLabel*>("lbl_Question")->text(),
                 QString("Do you really want to Quit?"));
        QCOMPARE(f.quitCalls, 0);

        // No: back home; a second Quit asks at once.
        QTest::mouseClick(quit->findChild<QPushButton*>("cmd_No"), Qt::LeftButton);
        Trigger(f, "mnu_Quit");
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        QCOMPARE(f.navigator.timesShown(ScreenId::Quit), 2);
    }

    void newWithUnsavedResultsSavesOnceThenResets() {
        QTemporaryDir dir;
        UiFixture f;
        StartCalculated(f);
        const std::string path = Path(dir, "kept.cam");
        f.dialogs.saveAnswers = {path};
        f.host.answers = {Answer::Yes, Answer::OK};

        Trigger(f, "mnu_New");

        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        QCOMPARE(f.host.messages.size(), std::size_t(3));
        QCOMPARE(f.host.messages[0].text, kSaveQuestion);
        QCOMPARE(f.host.messages[1].text, "File was successfully written to \r" + path);
        QCOMPARE(f.host.messages[2].text,
                 std::string("Please confirm your order to reset all variables to initial values"));
        QCOMPARE(ReadBack(path)->NumSegments, 2);
        QCOMPARE(f.model->NumSegments, 1);
        QVERIFY(!f.model->SvajDone);
    }
};

TROCHIX_UI_TEST(FileCommandsTest)
#include "FileCommandsTest.moc"
