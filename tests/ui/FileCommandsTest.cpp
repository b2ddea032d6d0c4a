// The File menu's commands; the file texts and messages are tested with the file code.
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "files/ModelFile.h"
#include "files/OpenModel.h"
#include "model/ReportError.h"
#include "model/Units.h"
#include "ui/FileCommands.h"

#include <cmath>

using namespace trochix;
using namespace trochix::uitest;
using model::Answer;
using model::Buttons;
using model::Icon;
using ui::Command;

namespace {

const std::string kSaveQuestion =
    "The current data has not been saved.  Do you want to save it before resetting?";
const std::string kConfirm = "Please confirm your order to reset all variables to initial values";

// A calculated, sized, unsaved two-segment model, chosen so that its sizing has a closed form:
// S = 1, V = 8 per second at omega = 2 rad/s (V/omega = 4 per radian), A = 0, prime radius 3,
// no offset, translating radial roller. Rows 5 and 6 hold markers the sizing must replace;
// the profile rows hold X = .5 and Y = -.25 for the export texts.
void MakeSizedModel(model::CamModel& m) {
    m.NumSegments = 2;
    m.SegmentsText = "2";
    m.OmegaText = "19.1";
    m.CamOmega = 2.0f;
    m.DeltaText = "1.0";
    m.DeltaTheta = 1.0f;
    m.NumPoints = 360;
    for (int s = 1; s <= 2; ++s) {
        m.SegBeta[s] = 180.0f;
        m.SegBetaText[s] = "180";
        m.SegStart[s] = 180.0f * static_cast<float>(s - 1);
        m.SegEnd[s] = 180.0f * static_cast<float>(s);
    }
    for (int i = 0; i <= 360; ++i) {
        m.Results[0][i] = static_cast<float>(i);
        for (const auto& [row, value] : {std::pair{1, 1.0f}, {2, 8.0f}, {3, 0.0f}, {4, -3.0f},
                                         {5, 99.0f}, {6, 99.0f}, {9, 0.5f}, {10, -0.25f}})
            m.Results[row][i] = value;
    }
    m.PrimeRadius = 3.0f;
    m.Offset = 0.0f;
    m.RollerRadius = 0.75f;
    m.Translating = true;
    model::SelectUnitSystem(m, 3);
    m.UserName = "Ada";
    m.DesignNo = 7;
    m.SvajDone = m.ProfileDone = true;
    m.ModelSaved = false;
}

bool FileExists(const std::string& path) { return std::ifstream(path).good(); }

// The model a file holds, read quietly (a blank model when refused).
std::unique_ptr<model::CamModel> ReadBack(const std::string& path) {
    model::RecordingHost quiet;
    auto fresh = std::make_unique<model::CamModel>();
    auto read = files::Readfile(path, *fresh, quiet).model;
    return read ? std::move(read) : std::move(fresh);
}

// The file text with line n (1-based) replaced.
std::string WithLine(const std::string& bytes, int n, const std::string& line) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i)
        start = bytes.find("\r\n", start) + 2;
    return bytes.substr(0, start) + line + bytes.substr(bytes.find("\r\n", start));
}

// The file of a sized model, as another session would have left it.
std::string SizedModelText(const std::string& path) {
    auto m = std::make_unique<model::CamModel>();
    model::RecordingHost setup;
    model::Initialize(*m, setup);
    MakeSizedModel(*m);
    return files::ModelFileText(*m, path);
}

// The home screen clears the flags when built: build it first, then calculate the model.
struct Calculated : UiFixture {
    QTemporaryDir dir;
    Calculated() {
        home();
        MakeSizedModel(*model);
        home()->activate();
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::string fileText() const { return files::ModelFileText(*model, "x.cam"); }
};

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // Save without a file asks for one, then saves there; Save as proposes the new name.
    void saveWritesAFileThatReadsBack() {
        Calculated f;
        const std::string path = f.path("design one.cam");
        f.dialogs.saveAnswers = {path};
        f.trigger("mnu_Save");
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        const ui::FileRequest& r = f.dialogs.saveRequests[0];
        QCOMPARE(r.title + " " + r.filter + " " + r.proposedName,
                 std::string("Save the Model *.cam Model1.cam"));
        QVERIFY(r.overwritePrompt);
        QCOMPARE(f.texts(), Strings{"File was successfully written to \r" + path});
        QVERIFY(f.model->ModelSaved);
        QCOMPARE(f.model->FileName, path);
        QCOMPARE(f.model->ModelName, std::string("design one"));
        QVERIFY(!f.host.busy);
        QVERIFY(ReadBack(path)->Results == f.model->Results);

        f.model->UserName = "Grace";
        f.model->ModelSaved = false;
        f.trigger("mnu_Save");
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        QVERIFY(f.model->ModelSaved);
        QCOMPARE(ReadBack(path)->UserName, std::string("Grace"));
        f.trigger("mnu_Saveas");
        QCOMPARE(f.dialogs.saveRequests.back().proposedName, std::string("design one.cam"));
    }

    // Cancel is quiet, a missing folder reported once; the model keeps its name, unsaved.
    void unfinishedSaveChangesNothing() {
        const struct {
            const char* action;
            const char* file; // "" = Cancel
        } cases[] = {{"mnu_Saveas", ""}, {"mnu_Saveas", "missing/folder.cam"},
                     {"mnu_Spreadsheet", ""}};
        for (const auto& c : cases) {
            const Row row{QString(c.action) + " " + c.file};
            Calculated f;
            const bool cancel = !*c.file;
            const std::string path = f.path(cancel ? "unused.cam" : c.file);
            if (!cancel)
                f.dialogs.saveAnswers = {path};
            f.trigger(c.action);
            QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
            QCOMPARE(f.texts(), cancel ? Strings() : Strings{model::ReportErrorText(
                                                         model::kPathNotFound,
                                                         "frm_Homescreen.SaveAs")});
            if (cancel)
                QVERIFY(f.host.busyCalls.empty());
            QVERIFY(!f.host.busy && !f.model->ModelSaved && f.model->FileName.empty());
            QCOMPARE(f.model->ModelName, std::string("Model1"));
            QVERIFY(!FileExists(path));
        }
    }

    void openReplacesTheModelAndRecomputesTheSizing() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("sized.cam").toStdString();
        std::ofstream(path, std::ios::binary) << SizedModelText(path);
        UiFixture f;
        f.homeTargets();
        f.home()->activate();
        QCOMPARE(HomeButtons(f.home()), QString("1000001"));
        f.dialogs.openAnswers = {path};
        f.trigger("mnu_Open");
        QCOMPARE(f.dialogs.openRequests.size(), std::size_t(1));
        QCOMPARE(f.dialogs.openRequests[0].title + " " + f.dialogs.openRequests[0].filter,
                 std::string("Open a model *.cam"));
        QCOMPARE(f.texts(), Strings{"File " + path + " successfully read."});
        const model::CamModel& m = *f.model;
        QCOMPARE(m.Results[2][90], 8.0f);
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
        QCOMPARE(HomeButtons(f.home()), QString("1111111")); // the home screen follows
    }

    // The reader says what is wrong; the live model stays as it was.
    void refusedFileLeavesTheModelUnchanged() {
        Calculated f;
        const std::string path = f.path("bad.cam");
        f.model->NumSegments = 1;
        f.model->ModelSaved = true; // nothing to offer for saving
        f.model->FileName = "/elsewhere/current.cam";
        const std::string before = f.fileText();
        const std::string good = SizedModelText(path);
        const std::pair<std::string, Icon> damaged[] = {
            {good.substr(0, good.size() / 2), Icon::Exclamation},
            {WithLine(good, 11, "\"one\""), Icon::Exclamation}, // NumSegments
            {WithLine(good, 1, "\"Another Program\""), Icon::Question}};
        for (const auto& [bytes, icon] : damaged) {
            std::ofstream(path, std::ios::binary) << bytes;
            f.host.clear();
            f.dialogs.openAnswers = {path};
            f.trigger("mnu_Open");
            QCOMPARE(f.host.messages.size(), std::size_t(1));
            QCOMPARE(f.host.messages[0].icon, icon);
            QCOMPARE(f.fileText(), before);
            QCOMPARE(f.model->FileName, std::string("/elsewhere/current.cam"));
            QVERIFY(f.model->SvajDone && f.model->ProfileDone && f.model->ModelSaved);
            QVERIFY(!f.host.busy);
        }
    }

    // The file the desktop hands over opens as Open opens it, without a dialog and without
    // offering to save; one that cannot be opened is named and the model stays.
    void namedFileOpensWithoutADialog() {
        Calculated f;
        const std::string path = f.path("sized.cam");
        std::ofstream(path, std::ios::binary) << SizedModelText(path);
        QVERIFY(ui::OpenNamedFile(f.ctx, path));
        QCOMPARE(f.texts(), Strings{"File " + path + " successfully read."});
        QVERIFY(f.dialogs.openRequests.empty());
        QCOMPARE(f.model->FileName, path);
        QVERIFY(f.model->ModelSaved && f.model->ProfileDone);

        f.model->FileName = "/elsewhere/current.cam";
        const std::string before = f.fileText();
        for (const std::string& bad : {f.path("missing.cam"), f.path("")}) {
            f.host.clear();
            QVERIFY(!ui::OpenNamedFile(f.ctx, bad));
            QCOMPARE(f.host.messages.size(), std::size_t(1));
            QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
            QCOMPARE(f.host.messages[0].text, files::NamedFileProblem(bad));
            QVERIFY(f.host.messages[0].text.find(bad) != std::string::npos);
            QCOMPARE(f.fileText(), before);
            QCOMPARE(f.model->FileName, std::string("/elsewhere/current.cam"));
        }
    }

    // No goes straight to the open dialog; Yes saves first (Save as).
    void openOffersToSaveUnsavedResults() {
        Calculated f;
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            f.host.clear();
            f.host.answers = {answer};
            f.dialogs.saveAnswers = {f.path("before.cam")};
            f.trigger("mnu_Open"); // the open dialog is cancelled
            const bool yes = answer == Answer::Yes;
            QCOMPARE(f.host.messages.size(), std::size_t(yes ? 2 : 1)); // Yes: written
            QCOMPARE(f.host.messages[0].text, kSaveQuestion);
            QCOMPARE(f.host.messages[0].buttons, Buttons::YesNo);
            QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(yes ? 1 : 0));
            QCOMPARE(FileExists(f.path("before.cam")), yes);
            QCOMPARE(f.model->ModelSaved, yes);
        }
        QCOMPARE(f.dialogs.openRequests.size(), std::size_t(2));
        QCOMPARE(f.model->NumSegments, 2);
    }

    // The menu is disabled without a profile; the commands themselves still check.
    void exportNeedsACalculatedModel() {
        UiFixture f;
        QVERIFY(!Child<QMenu>(f.home(), "mnu_Export")->menuAction()->isEnabled());
        for (int c = int(Command::ExportSpreadsheet); c <= int(Command::ExportProfile); ++c)
            QVERIFY(f.commands.run(Command(c)));
        QCOMPARE(f.host.messages.size(), std::size_t(3));
        QVERIFY(f.dialogs.saveRequests.empty());
    }

    // 361 points at 1 degree after a 6-line header; Cadkey has none and always spans the whole
    // revolution. X = .5 and Y = -.25 are written " .5 " and "-.25 ", each followed by TAB.
    void exportsWriteTheirFiles() {
        const struct {
            const char* action;
            const char* request; // title, filter, proposed name
            int lines;
        } cases[] = {
            {"mnu_Spreadsheet", "Export All Data to a Text File|*.txt|Model1.txt", 6 + 361},
            {"mnu_Cadkey", "Export XY data to a Cadkey file|*.cad|Model1.cad", 361},
            {"mnu_Profile", "Export Profile Data to a Text File|*.pts|Model1.pts", 6 + 361}};
        for (const auto& c : cases) {
            const Row row{c.action};
            Calculated f;
            // The print selection's range must not narrow the home screen's Cadkey export.
            f.model->PlotStart = 90.0f;
            f.model->PlotEnd = 180.0f;
            f.dialogs.saveAnswers = {f.path("out.dat")};
            f.trigger(c.action);
            QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
            const ui::FileRequest& r = f.dialogs.saveRequests[0];
            QCOMPARE(r.title + "|" + r.filter + "|" + r.proposedName, std::string(c.request));
            QVERIFY(f.host.messages.empty() && !f.host.busy);
            const std::string text = Slurp(f.path("out.dat"));
            QCOMPARE(static_cast<int>(std::count(text.begin(), text.end(), '\n')), c.lines);
            QVERIFY(text.size() > 2 && text.substr(text.size() - 2) == "\r\n");
            if (c.action != std::string("mnu_Spreadsheet"))
                QVERIFY(text.find(" .5 \t-.25 \t\r\n") != std::string::npos);
            // Exports leave the model's own file alone.
            QVERIFY(f.model->FileName.empty() && !f.model->ModelSaved);
        }
    }

    void newCancelledLeavesEveryValueUnchanged() {
        Calculated f;
        const std::string before = f.fileText();
        f.host.answers = {Answer::No, Answer::Cancel};
        f.trigger("mnu_New");
        QCOMPARE(f.texts(), Strings({kSaveQuestion, kConfirm}));
        QCOMPARE(f.host.messages[0].buttons, Buttons::YesNo);
        QCOMPARE(f.host.messages[1].buttons, Buttons::OKCancel);
        QCOMPARE(f.fileText(), before);
        QVERIFY(f.model->SvajDone && f.model->ProfileDone && !f.model->ModelSaved);
        QCOMPARE(EnabledFlags(f.home(), {"mnu_New", "mnu_Save"}), QString("11"));
    }

    void newSavesUnsavedResultsOnceThenResets() {
        Calculated f;
        f.homeTargets();
        const std::string path = f.path("kept.cam");
        f.dialogs.saveAnswers = {path};
        f.host.answers = {Answer::Yes, Answer::OK};
        f.trigger("mnu_New");
        QCOMPARE(f.dialogs.saveRequests.size(), std::size_t(1));
        QCOMPARE(f.texts(),
                 Strings({kSaveQuestion, "File was successfully written to \r" + path, kConfirm}));
        QCOMPARE(ReadBack(path)->NumSegments, 2);
        const model::CamModel& m = *f.model;
        QCOMPARE(m.SegmentsText + m.DeltaText + m.OmegaText, std::string("111"));
        QVERIFY(m.NumSegments == 1 && m.SegBetaText[2].empty() && m.Results[1][90] == 0.0f);
        QCOMPARE(m.UnitLabel[1], std::string("in"));
        QVERIFY(!m.SvajDone);
        // The home screen shows the fresh start.
        QCOMPARE(HomeButtons(f.home()), QString("1000001"));
        QCOMPARE(EnabledFlags(f.home(), {"mnu_New"}), QString("0"));
        QVERIFY(Child<QAction>(f.home(), "mnu_unitpick_1")->isChecked());
    }
};

TROCHIX_UI_TEST(FileCommandsTest)
#include "FileCommandsTest.moc"
