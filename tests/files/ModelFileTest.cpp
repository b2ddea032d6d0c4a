// The model file: layout, round trip, older layout, refusals and safe saving.
#include "files/ModelFile.h"

#include "FilesTestSupport.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

using namespace trochix;
using namespace trochix::files;
using namespace trochix::files::testing;
using model::Icon;
using model::RecordingHost;

namespace {

// Lines of a file: 16 header, 204 per segment slot, 17 result rows, 27 closing.
constexpr int kHeaderLines = 16;
constexpr int kSlotLines = 204;
constexpr int kSlotsEnd = kHeaderLines + 16 * kSlotLines;
int TotalLines(int numPoints) { return kSlotsEnd + 17 * (numPoints + 1) + 27; }

struct Fixture {
    RecordingHost host;
    std::unique_ptr<CamModel> live = std::make_unique<CamModel>();
    ScratchDir dir;
    Fixture() { model::Initialize(*live, host); host.clear(); }
};

std::unique_ptr<CamModel> FilledModel(float step = 0.25f) {
    auto m = std::make_unique<CamModel>();
    FillStoredFields(*m, 2026, step);
    return m;
}

} // namespace

TEST(ModelFile, SavedModelReopensWithEveryStoredFieldUnchanged) {
    Fixture t;
    auto saved = FilledModel();
    const std::string path = t.dir.file("Round.cam");
    ASSERT_TRUE(SaveModel(*saved, path, t.host, "frm_Homescreen.SaveAs"));
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text, "File was successfully written to \r" + path);
    EXPECT_EQ(t.host.messages[0].icon, Icon::Information);
    EXPECT_EQ(t.host.messages[0].title, "TROCHIX for Windows");
    EXPECT_EQ(saved->FileName, path);
    EXPECT_EQ(saved->ModelName, "Round");
    EXPECT_TRUE(saved->ModelSaved);

    t.host.clear();
    ReadResult r = Readfile(path, *t.live, t.host);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    ASSERT_TRUE(r.model);
    ExpectSameStoredFields(*saved, *r.model);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text, "File " + path + " successfully read.");
    EXPECT_EQ(t.host.messages[0].icon, Icon::Information);
    EXPECT_FALSE(t.host.busy);

    // Saving the reopened model again gives the same bytes.
    const std::string first = ReadBytes(path);
    Writefile(*r.model, path);
    EXPECT_EQ(ReadBytes(path), first);
}

TEST(ModelFile, ReadingRefreshesWhatTheFileDoesNotHold) {
    Fixture t;
    auto saved = FilledModel(0.5f);
    saved->SegLawText[2] = "S2 - SHM 2nd Half";
    saved->SegLawText[3] = "xx - no law";
    saved->NumSegments = 3;
    saved->SegDir[16].clear();
    saved->SegLawText[16].clear();
    saved->SegBeta[16] = 0.0f;
    const std::string path = t.dir.file("Sub/../Refresh.cam");
    std::filesystem::create_directory(t.dir.file("Sub"));
    Writefile(*saved, path);
    t.live->FftDone = true;
    t.live->PlotEnd = 90.0f; // a print choice, not in the file
    t.live->Results[5][721] = 7.0f;

    ReadResult r = Readfile(path, *t.live, t.host);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    const CamModel& m = *r.model;
    // omega 10.4719753 rad/s is 100 rpm: 10.4719753 x 30 / 3.141592654 = 99.9999999.., which
    // as a float is 100.
    EXPECT_EQ(m.OmegaText, "100");
    EXPECT_EQ(m.DeltaText, ".5");
    EXPECT_EQ(m.SegmentsText, "3");
    EXPECT_EQ(m.SegBetaText[1], "22.5");
    EXPECT_EQ(m.SegBetaText[16], ""); // an unused row stays empty
    EXPECT_EQ(m.SegLawFamily[1], 3);  // "C1 - Cycloid 1st Half "
    EXPECT_EQ(m.SegHalf[1], 1);
    EXPECT_EQ(m.SegLawFamily[2], 7);  // "S2"
    EXPECT_EQ(m.SegHalf[2], 2);
    EXPECT_EQ(m.SegLawFamily[3], -1);
    EXPECT_EQ(m.SegLawFamily[4], 0);  // "MS - Mod Sine"
    for (int s = 1; s <= 16; ++s)
        EXPECT_EQ(m.PolyCoef[0][s], static_cast<float>(m.SegNumBC[s]));
    EXPECT_EQ(m.PivotDistance, 5.0f); // pivot at (3, 4)
    EXPECT_EQ(m.CamOmega2, m.CamOmega * m.CamOmega);
    EXPECT_EQ(m.ArmDirection, -1.0f);
    // SI, oscillating follower: displacement in degrees, lengths in metres.
    EXPECT_EQ(m.UnitLabel[0], "Degrees");
    EXPECT_EQ(m.UnitLabel[1], "deg");
    EXPECT_EQ(m.UnitLabel[6], "m");
    EXPECT_EQ(m.UnitLabel[8], "N-m");
    EXPECT_EQ(m.FileName, path);
    EXPECT_EQ(m.ModelName, "Refresh");
    EXPECT_TRUE(m.ModelSaved);
    EXPECT_FALSE(m.FftDone);
    EXPECT_EQ(m.PlotEnd, 90.0f);
    for (bool done : m.SegDone)
        EXPECT_FALSE(done);
    EXPECT_EQ(m.Results[5][721], 0.0f); // beyond NumPoints 720
}

TEST(ModelFile, LinesFollowTheFixedOrder) {
    struct Case {
        float step;
        int numPoints;
    } cases[] = {{1.0f, 360}, {0.5f, 720}, {0.25f, 1440}};
    for (const Case& c : cases) {
        auto m = FilledModel(c.step);
        const std::string text = ModelFileText(*m, "C:\\cams\\Demo.cam");
        const std::vector<std::string> lines = SplitLines(text);
        ASSERT_EQ(static_cast<int>(lines.size()), TotalLines(c.numPoints)) << c.step;
        // 16 + 16 x 204 + 17 x (NumPoints + 1) + 27 lines, each ended by CR LF only.
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), TotalLines(c.numPoints));
        EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), TotalLines(c.numPoints));
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

        EXPECT_EQ(lines[0], "\"TROCHIX for Windows\"");
        EXPECT_EQ(lines[1], "\"6.0\"");
        EXPECT_EQ(lines[2], "\"2.1\"");
        EXPECT_EQ(lines[3], "\"\"");
        EXPECT_EQ(lines[4], "\"C:\\cams\\Demo.cam\"");
        EXPECT_EQ(lines[5], "\"Ann \"the cam\" Lee\"");
        EXPECT_EQ(lines[6], "1234");
        EXPECT_EQ(lines[10], "16");
        EXPECT_EQ(lines[12], "16");
        EXPECT_EQ(lines[13], "16");
        EXPECT_EQ(lines[14], "20");
        EXPECT_EQ(lines[15], std::to_string(c.numPoints));
        // Slot 3 starts at line 16 + 2 x 204 + 1: SegLow, SegDir, law text, SegDesc, ...
        const int slot3 = kHeaderLines + 2 * kSlotLines;
        EXPECT_EQ(lines[slot3 + 1], "\"D\"");
        EXPECT_EQ(lines[slot3 + 2], "\"DW - Dwell\"");
        EXPECT_EQ(lines[slot3 + 3], "\"Segment 3 rise\"");
        EXPECT_EQ(lines[slot3 + 7], "22.5");
        EXPECT_EQ(lines[slot3 + 9], "\"3.5\"");
        EXPECT_EQ(lines[slot3 + 10], "\"\"");
        // After 11 texts and reals, 100 polynomial-table reals and 12 segment ends: SegNumBC.
        EXPECT_EQ(lines[slot3 + 123], "0"); // 3 x 7 mod 21
        // The closing lines: .5, -.25, 2, RollerRadius, 1, -1 (clockwise arm), #FALSE#, ...
        const int closing = TotalLines(c.numPoints) - 27;
        EXPECT_EQ(lines[closing + 0], ".5");
        EXPECT_EQ(lines[closing + 1], "-.25");
        EXPECT_EQ(lines[closing + 2], "2");
        EXPECT_EQ(lines[closing + 4], "1");
        EXPECT_EQ(lines[closing + 5], "-1");
        EXPECT_EQ(lines[closing + 6], "#FALSE#");
        EXPECT_EQ(lines[closing + 7], "\"Barrel\"");
        EXPECT_EQ(lines[closing + 8], "3");
        EXPECT_EQ(lines[closing + 13], "#TRUE#");
        EXPECT_EQ(lines[closing + 16], "5");
        EXPECT_EQ(lines[closing + 25], "1000.00006");
        EXPECT_EQ(lines[closing + 26], "3");
    }
}

TEST(ModelFile, ResultTableIsWrittenFunctionByFunction) {
    auto m = FilledModel(1.0f);
    m->Results[0][0] = 0.5f;
    m->Results[3][17] = -0.25f;
    m->Results[16][360] = 1.5e7f;
    const std::vector<std::string> lines = SplitLines(ModelFileText(*m, "x.cam"));
    EXPECT_EQ(lines[kSlotsEnd], ".5");
    EXPECT_EQ(lines[kSlotsEnd + 3 * 361 + 17], "-.25");
    EXPECT_EQ(lines[kSlotsEnd + 16 * 361 + 360], "1.5E+07");
}

TEST(ModelFile, OlderLayoutIsRead) {
    // Written by hand from the older layout: no version and reserved lines (line 3 is the
    // model name), and no result row 0. Row f, point p holds 1000 f + p.
    std::vector<std::string> lines = {"\"TROCHIX for Windows\"", "\"5.0\"", "\"Model1\"",
                                      "\"Bob\"", "7", "\"01-02-1999\"", "\"10:00:00\"",
                                      "10.47198", "2", "1", "16", "16", "20", "360"};
    auto slot = [&](const char* dir, const char* law, const char* desc, const char* start,
                    const char* end, const char* beta) {
        for (const char* v : {"0", dir, law, desc, "1", start, end, beta, "3.141593", "\"0\"",
                              "\"1\""})
            lines.push_back(v);
        for (int i = 0; i < 100 + 12; ++i)
            lines.push_back("0");
        lines.push_back("0");
        for (int i = 0; i < 80; ++i)
            lines.push_back("0");
    };
    slot("\"R\"", "\"CF - Cycloid Full\"", "\"Cycloid rise\"", "0", "180", "180");
    slot("\"F\"", "\"SF - SHM Full\"", "\"SimpHarm fall\"", "180", "360", "180");
    for (int s = 3; s <= 16; ++s)
        slot("\"\"", "\"\"", "\"\"", "0", "0", "0");
    for (int f = 1; f <= 16; ++f)
        for (int p = 0; p <= 360; ++p)
            lines.push_back(std::to_string(1000 * f + p));
    for (const char* v : {"3.141593", "-.25", "1", "1.5E+07", "-1", "1", "#TRUE#", "\"Radial\"",
                          "0", "0", "0", "1", "1", "#TRUE#", "#FALSE#", "#FALSE#", "1",
                          ".073804", "132", "173", ".15", "0", ".5", ".01", ".1", ".05", "1"})
        lines.push_back(v);
    ASSERT_EQ(lines.size(), 14u + 16 * 204 + 16 * 361 + 27);

    Fixture t;
    const std::string path = t.dir.file("old.cam");
    WriteBytes(path, JoinLines(lines, lines.size()));
    ReadResult r = Readfile(path, *t.live, t.host);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    const CamModel& m = *r.model;
    EXPECT_EQ(m.UserName, "Bob");
    EXPECT_EQ(m.DesignNo, 7);
    EXPECT_EQ(m.CamOmega, 10.47198f);
    EXPECT_EQ(m.NumSegments, 2);
    EXPECT_EQ(m.SegDir[2], "F");
    EXPECT_EQ(m.SegLawText[1], "CF - Cycloid Full");
    EXPECT_EQ(m.SegEnd[2], 360.0f);
    EXPECT_EQ(m.SegBetaRadArr[1], 3.141593f);
    EXPECT_EQ(m.SegStartText[1], "0");
    // Row 0 is not in the file: it holds the cam angles of the file's step.
    for (int p : {0, 1, 180, 360})
        EXPECT_EQ(m.Results[0][p], static_cast<float>(p));
    EXPECT_EQ(m.Results[1][0], 1000.0f);
    EXPECT_EQ(m.Results[4][17], 4017.0f);
    EXPECT_EQ(m.Results[16][360], 16360.0f);
    EXPECT_EQ(m.PrimeRadius, 3.141593f);
    EXPECT_EQ(m.RollerRadius, 1.5e7f);
    EXPECT_EQ(m.EffMass, 0.073804f);
    EXPECT_EQ(m.JournalRadius, 0.5f);
    EXPECT_TRUE(m.SvajDone);
    EXPECT_FALSE(m.ProfileDone);
    EXPECT_EQ(m.ModelName, "old");
}

TEST(ModelFile, AnotherProgramsFileIsRefused) {
    Fixture t;
    auto saved = FilledModel(1.0f);
    std::vector<std::string> lines = SplitLines(ModelFileText(*saved, "x.cam"));
    lines[0] = "\"Some Other Program\"";
    const std::string path = t.dir.file("other.cam");
    WriteBytes(path, JoinLines(lines, lines.size()));
    t.live->UserName = "unchanged";

    ReadResult r = Readfile(path, *t.live, t.host);
    EXPECT_EQ(r.status, ReadStatus::Incompatible);
    EXPECT_FALSE(r.model);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text,
              "This data file is not compatible with TROCHIX for Windows. ");
    EXPECT_EQ(t.host.messages[0].icon, Icon::Question);
    EXPECT_EQ(t.host.messages[0].title, "TROCHIX for Windows");
    EXPECT_EQ(t.live->UserName, "unchanged");
}

TEST(ModelFile, FileCutShortIsRefusedNamingTheMissingLine) {
    Fixture t;
    auto saved = FilledModel(1.0f);
    const std::vector<std::string> lines = SplitLines(ModelFileText(*saved, "x.cam"));
    const std::string path = t.dir.file("cut.cam");
    int refused = 0;
    for (std::size_t keep = 0; keep < lines.size(); keep += 97) {
        WriteBytes(path, JoinLines(lines, keep));
        t.host.clear();
        ReadResult r = Readfile(path, *t.live, t.host);
        ASSERT_EQ(r.status, ReadStatus::Damaged) << keep;
        EXPECT_FALSE(r.model);
        const std::string expected = "The file " + path + " could not be read: line " +
                                     std::to_string(keep + 1) + " (";
        EXPECT_EQ(r.message.substr(0, expected.size()), expected) << r.message;
        EXPECT_NE(r.message.find(") is missing: the file ends early.\r"), std::string::npos);
        ASSERT_EQ(t.host.messages.size(), 1u);
        EXPECT_EQ(t.host.messages[0].icon, Icon::Exclamation);
        ++refused;
    }
    EXPECT_EQ(refused, (TotalLines(360) + 96) / 97);
    // The last closing line missing.
    WriteBytes(path, JoinLines(lines, lines.size() - 1));
    EXPECT_NE(Readfile(path, *t.live, t.host)
                  .message.find("line " + std::to_string(TotalLines(360)) +
                                " (UnitSystem) is missing"),
              std::string::npos);
}

TEST(ModelFile, DamagedLinesAreRefusedNamingLineAndField) {
    Fixture t;
    auto saved = FilledModel(1.0f);
    const std::vector<std::string> good = SplitLines(ModelFileText(*saved, "x.cam"));
    const int closing = TotalLines(360) - 27; // index of the first closing line
    // Line numbers and field names worked out from the layout: line 1234 is offset
    // 1234 - 16 - 1 - 5 x 204 = 197 of slot 6; offsets 124.. hold 4 reals per condition, so 197
    // is condition 19 (73 / 4 + 1), its second real (BcOrder). Results row 3, point 17 is line
    // 16 + 3264 + 3 x 361 + 17 + 1 = 4381.
    struct Case {
        int line; // 1-based line to replace
        std::string replacement;
        std::string expected; // text after "line N "
    } cases[] = {
        {1234, "abc", "(segment 6, BcOrder(19)) should hold a number but holds \"abc\""},
        {4381, "1.5.2", "(Results row 3, point 17) should hold a number but holds \"1.5.2\""},
        {4381, "", "(Results row 3, point 17) should hold a number but holds nothing"},
        {4381, "1E+39", "(Results row 3, point 17) should hold a number within the "
                        "single-precision range but holds \"1E+39\""},
        {closing + 7, "True", "(Translating) should hold #TRUE# or #FALSE# but holds \"True\""},
        {6, "\"Ann", "(UserName) should hold a text in quotes but holds \"\"Ann\""},
        {7, "12.5", "(DesignNo) should hold a whole number but holds \"12.5\""},
        {11, "17", "(NumSegments) should hold a whole number from 1 to 16 but holds \"17\""},
        {12, ".30", "(DeltaTheta) should hold a step of 1, .5 or .25 degree but holds \".30\""},
        {7, "2147483648", "(DesignNo) should hold a whole number but holds \"2147483648\""},
        {16, "720", "(NumPoints) should hold 360 but holds \"720\""},
        {14, "17", "(MaxSegments) should hold 16 but holds \"17\""},
        {16 + 124, "21", "(segment 1, SegNumBC) should hold a whole number from 0 to 20 but "
                         "holds \"21\""},
        {16 + 204 + 112, "x", "(segment 2, SegEnds(0, 0)) should hold a number but holds \"x\""},
        {closing + 5, "0", "(CamDirection) should hold 1 or -1 but holds \"0\""},
        {closing + 27, "6", "(UnitSystem) should hold a whole number from 1 to 5 but holds \"6\""},
        {closing + 3, "3", "(FollowerType) should hold a whole number from 0 to 2 but holds \"3\""},
    };
    const std::string path = t.dir.file("damaged.cam");
    for (const Case& c : cases) {
        std::vector<std::string> lines = good;
        lines[static_cast<std::size_t>(c.line - 1)] = c.replacement;
        WriteBytes(path, JoinLines(lines, lines.size()));
        t.host.clear();
        ReadResult r = Readfile(path, *t.live, t.host);
        ASSERT_EQ(r.status, ReadStatus::Damaged) << c.line;
        EXPECT_FALSE(r.model);
        EXPECT_EQ(r.message, "The file " + path + " could not be read: line " +
                                 std::to_string(c.line) + " " + c.expected +
                                 ".\rThe current model is unchanged.");
        ASSERT_EQ(t.host.messages.size(), 1u);
        EXPECT_EQ(t.host.messages[0].text, r.message);
        EXPECT_EQ(t.host.messages[0].icon, Icon::Exclamation);
        EXPECT_EQ(t.host.messages[0].title, "TROCHIX for Windows");
    }
}

TEST(ModelFile, WhatFollowsTheModelDecides) {
    Fixture t;
    auto a = FilledModel(1.0f);
    auto b = FilledModel(1.0f);
    b->UserName = "second";
    const std::string textA = ModelFileText(*a, "a.cam");
    const std::string path = t.dir.file("tail.cam");
    const int after = TotalLines(360) + 1;

    // Empty lines after the model are harmless.
    WriteBytes(path, textA + "\r\n  \r\n");
    EXPECT_EQ(Readfile(path, *t.live, t.host).status, ReadStatus::Read);
    // Anything else is refused.
    WriteBytes(path, textA + "garbage\r\n");
    ReadResult r = Readfile(path, *t.live, t.host);
    EXPECT_EQ(r.status, ReadStatus::Damaged);
    EXPECT_NE(r.message.find("line " + std::to_string(after) +
                             " should be the end of the file but holds \"garbage\""),
              std::string::npos)
        << r.message;
    // A second whole model is read over the first, as the reading loop always did.
    WriteBytes(path, textA + ModelFileText(*b, "b.cam"));
    r = Readfile(path, *t.live, t.host);
    ASSERT_EQ(r.status, ReadStatus::Read) << r.message;
    EXPECT_EQ(r.model->UserName, "second");
    // ... but not half of one.
    const std::vector<std::string> linesB = SplitLines(ModelFileText(*b, "b.cam"));
    WriteBytes(path, textA + JoinLines(linesB, 100));
    EXPECT_EQ(Readfile(path, *t.live, t.host).status, ReadStatus::Damaged);
    // LF-only line ends (a file edited elsewhere) read the same.
    std::string lf = textA;
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    WriteBytes(path, lf);
    EXPECT_EQ(Readfile(path, *t.live, t.host).status, ReadStatus::Read);
}

TEST(ModelFile, MissingOrUnreadableFilesAreReported) {
    Fixture t;
    ReadResult r = Readfile(t.dir.file("none.cam"), *t.live, t.host);
    EXPECT_EQ(r.status, ReadStatus::Failed);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text,
              "There are no files with your chosen name in the selected directory");
    EXPECT_FALSE(t.host.busy);

    t.host.clear();
    WriteBytes(t.dir.file("empty.cam"), "");
    r = Readfile(t.dir.file("empty.cam"), *t.live, t.host);
    EXPECT_EQ(r.status, ReadStatus::Damaged);
    EXPECT_NE(r.message.find("line 1 (AppTitle) is missing"), std::string::npos);
}

TEST(ModelFile, FailedSaveLeavesThePreviousFileAndModelAlone) {
    Fixture t;
    auto first = FilledModel(1.0f);
    const std::string path = t.dir.file("keep.cam");
    ASSERT_TRUE(SaveModel(*first, path, t.host));
    const std::string before = ReadBytes(path);

    // The disk fills up halfway through the second save (a file-size limit of 4000 bytes
    // makes the write fail the way a full disk does, also for a privileged user).
    auto second = FilledModel(0.25f);
    second->FileName = "previous.cam";
    second->ModelName = "previous";
    t.host.clear();
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = SaveModel(*second, path, t.host, "frm_Homescreen.Save");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text,
              " The floppy disk in the drive is full - please substitute another");
    EXPECT_FALSE(t.host.busy);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(t.dir.entries(), std::vector<std::string>{"keep.cam"}); // no temporary left
    EXPECT_EQ(second->FileName, "previous.cam");
    EXPECT_EQ(second->ModelName, "previous");
    EXPECT_FALSE(second->ModelSaved);
}

TEST(ModelFile, SaveToAFolderOrAMissingFolderIsReported) {
    Fixture t;
    auto m = FilledModel(1.0f);
    struct Case {
        std::string path;
        std::string text;
    } cases[] = {
        {t.dir.path().string(),
         "Error 75   (Path/File access error)  has occurred in frm_Homescreen.SaveAs\r\r"},
        {t.dir.file("no/such/folder/x.cam"),
         "Error 76   (Path not found)  has occurred in frm_Homescreen.SaveAs\r\r"},
        {"", "There are no files with your chosen name in the selected directory"},
    };
    for (const Case& c : cases) {
        t.host.clear();
        EXPECT_FALSE(SaveModel(*m, c.path, t.host, "frm_Homescreen.SaveAs"));
        ASSERT_EQ(t.host.messages.size(), 1u);
        EXPECT_EQ(t.host.messages[0].text, c.text);
        EXPECT_EQ(t.host.messages[0].icon, Icon::Critical);
    }
    EXPECT_TRUE(t.dir.entries().empty());
}

TEST(ModelFile, ModelNameComesFromThePath) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\cams\\Model1.cam", "Model1"},
        {"/home/ann/cams/Lift.cam", "Lift"},
        {"mixed/dir\\Two.cam", "Two"},
        {"plain.cam", "plain"},
        {"/tmp/noext", "noext"},
        {"a", "a"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(ModelNameFromPath(path), name) << path;
}
