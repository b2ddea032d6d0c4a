// Text exports: exact bytes of small hand-worked files, row stepping and ranges.
#include "files/Exports.h"

#include "FilesTestSupport.h"
#include "model/Fault.h"
#include "model/Initialize.h"
#include "model/PageHeader.h"
#include "model/RecordingHost.h"
#include "model/Units.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace trochix;
using namespace trochix::files;
using namespace trochix::files::testing;
using model::Icon;
using model::RecordingHost;

namespace {

// ModelName "Cam1", design 3, user "Ann", ips translating, step `step`, angles in row 0.
std::unique_ptr<CamModel> SmallModel(RecordingHost&, float step = 1.0f) {
    auto m = testsupport::ModelAtStep(step);
    m->ModelName = "Cam1";
    m->DesignNo = 3;
    m->UserName = "Ann";
    m->SvajDone = true;
    return m;
}

// The first two header lines for the small model at 09:30:05 on 8 December 2026: "File Cam1"
// (9 characters) padded to the zone at column 15, one more zone to column 29, "Design #" and
// the number item " 3 "; "Ann" padded to column 15, the date (9 characters) padded to 29.
const std::string kHeadLines = "File Cam1" + std::string(5 + 14, ' ') + "Design # 3 \r\n" +
                               "Ann" + std::string(11, ' ') + "12/8/2026" + std::string(5, ' ') +
                               "09:30:05\r\n\r\n";

int Count(const std::string& s, char c) {
    return static_cast<int>(std::count(s.begin(), s.end(), c));
}

} // namespace

// Number items as the exports print them: a blank or "-", the shortest digits (7 at most for a
// float), no zero before the point, one trailing blank; then TAB.
TEST(Exports, ProfileFileBytes) {
    const model::DateTime t{1999, 1, 2, 23, 4, 0};
    EXPECT_EQ(model::ExportDateText(t) + " " + model::ExportTimeText(t), "1/2/1999 23:04:00");
    RecordingHost host;
    auto m = SmallModel(host);
    m->PrintEvery = 90; // a table's step: the profile file holds every point all the same
    const float x[] = {0.5f, 1.5e7f, 2.0f, 1.0f / 3.0f, 0.5f};
    const float y[] = {-0.25f, 0.0f, 1000.00006f, -1e-5f, -0.25f};
    for (int k = 0; k < 5; ++k) {
        m->Results[9][k] = x[k];
        m->Results[10][k] = y[k];
    }
    std::string expected = kHeadLines + "X-coord\tY-coord\t\r\n" + "in\tin\t\r\n" + "\r\n" +
                           " .5 \t-.25 \t\r\n" + " 1.5E+07 \t 0 \t\r\n" + " 2 \t 1000 \t\r\n" +
                           " .3333333 \t-1E-05 \t\r\n" + " .5 \t-.25 \t\r\n";
    for (int p = 5; p <= 360; ++p)
        expected += " 0 \t 0 \t\r\n";
    EXPECT_EQ(ExportProfileText(*m, host.now()), expected);
}

TEST(Exports, AllDataFileHasEveryFunctionAtEveryPoint) {
    RecordingHost host;
    auto m = SmallModel(host);
    m->PrintEvery = 1;
    m->Results[1][10] = 0.5f;
    const std::vector<std::string> lines = SplitLines(ExportAllText(*m, host.now()));
    ASSERT_EQ(lines.size(), 6u + 361u);
    EXPECT_EQ(lines[3].substr(0, 23), "Cam Angle\tDisplacement\t");
    EXPECT_EQ(lines[4].substr(0, 18), "Degrees\tin\tin/sec\t");
    EXPECT_EQ(lines[5], "");
    for (std::size_t r = 3; r < lines.size(); ++r)
        ASSERT_EQ(Count(lines[r], '\t'), r == 5 ? 0 : 17) << r;
    // Point 10: the angle 10, then S = 0.5 as a blank, .5, a blank and TAB.
    EXPECT_EQ(lines[6 + 10].substr(0, 10), " 10 \t .5 \t");
    EXPECT_EQ(lines.back().substr(0, 6), " 360 \t");
}

// The Print Every of a table is that table's: File > Export writes every point, up to the
// last, whatever step a table printed with before (Print Every 10 once made the exports skip
// nine points in ten).
TEST(Exports, ExportsHoldEveryPointWhateverATablePrinted) {
    const struct {
        float step;
        int printEvery, rows;
        const char* lastAngle;
    } cases[] = {
        {1.0f, 10, 361, " 360 \t"},
        {1.0f, 7, 361, " 360 \t"},
        {0.5f, 50, 721, " 360 \t"},
        {0.25f, 1000, 1441, " 360 \t"},
        {1.0f, 0, 361, " 360 \t"},
    };
    for (const auto& c : cases) {
        RecordingHost host;
        auto m = SmallModel(host, c.step);
        m->PrintEvery = c.printEvery;
        const std::vector<std::string> lines = SplitLines(ExportAllText(*m, host.now()));
        ASSERT_EQ(static_cast<int>(lines.size()), 6 + c.rows) << c.printEvery;
        EXPECT_EQ(lines.back().substr(0, std::string(c.lastAngle).size()), c.lastAngle);
        EXPECT_EQ(SplitLines(ExportProfileText(*m, host.now())).size(), lines.size());
        EXPECT_EQ(static_cast<int>(SplitLines(CadkeyText(*m, kWholeRevolution)).size()), c.rows);
    }
}

TEST(Exports, CadkeyFileHoldsRoundedPairsOnly) {
    RecordingHost host;
    auto m = SmallModel(host);
    m->PlotStart = 90.0f; // the print selection's range is not the Cadkey file's
    m->PlotEnd = 180.0f;
    m->PrintEvery = 120; // a table's step, not the Cadkey file's
    // FNRound(x, 3) = floor(1000 x + 0.5) / 1000: 1.23456 -> 1.235, -2.0004 -> -2,
    // 0.0004 -> 0, 12345.6789 (as a float 12345.6787109) -> 12345.679, -0.0126 -> -.013.
    m->Results[9][0] = 1.23456f;
    m->Results[10][0] = -2.0004f;
    m->Results[9][1] = 0.0004f;
    m->Results[10][1] = 12345.6789f;
    m->Results[9][2] = -0.0126f;
    const std::vector<std::string> lines = SplitLines(CadkeyText(*m, kWholeRevolution));
    ASSERT_EQ(lines.size(), 361u);
    EXPECT_EQ(lines[0] + "|" + lines[1] + "|" + lines[2] + "|" + lines[360],
              " 1.235 \t-2 \t| 0 \t 12345.679 \t|-.013 \t 0 \t| 0 \t 0 \t");
    // A range beyond the last point is a subscript fault; nothing is written.
    EXPECT_EQ(CadkeyText(*m, {1.0f, 3.0f}), " 0 \t 12345.679 \t\r\n"
                                            "-.013 \t 0 \t\r\n"
                                            " 0 \t 0 \t\r\n");
    ScratchDir dir;
    EXPECT_FALSE(Export_Cadkey_to_File(*m, {0.0f, 400.0f}, dir.file("x.cad"), host));
    EXPECT_EQ(host.lastText(),
              "Error 9   (Subscript out of range)  has occurred in "
              "frm_Homescreen.Export.Cadkey\r\r");
    EXPECT_TRUE(dir.entries().empty());
}

TEST(Exports, PrintDataFileBytes) {
    RecordingHost host;
    auto m = SmallModel(host);
    m->PlotStart = 10.0f;
    m->PlotEnd = 12.0f;
    m->PrintEvery = 1;
    m->NumPrintCols = 4;
    m->PlotFunc = {0, 1, 2, 5, 8};
    m->Decimals = {2, 3, 0, 1};
    m->PrintColName = {"Displcmnt", "Velocity", "Phi", "Torque"};
    // 1.23456 to 2 places 1.23; -0.12345 to 3 places floor(-122.95) = -123 -> -.123;
    // 29.5 to 0 places 30; 1234.56 (float 1234.5600586) to 1 place 1234.6.
    m->Results[1][10] = 1.23456f;
    m->Results[2][10] = -0.12345f;
    m->Results[5][10] = 29.5f;
    m->Results[8][10] = 1234.56f;
    const std::string expected = kHeadLines + "Angle\tDisplcmnt\tVelocity\tPhi\tTorque\t\r\n" +
                                 "Degrees\tin\tin/sec\tdeg\tlb-in\t\r\n" + "\r\n" +
                                 " 10 \t 1.23 \t-.123 \t 30 \t 1234.6 \t\r\n" +
                                 " 11 \t 0 \t 0 \t 0 \t 0 \t\r\n" +
                                 " 12 \t 0 \t 0 \t 0 \t 0 \t\r\n";
    EXPECT_EQ(PrintToFileText(*m, host.now()), expected);
    // 0..90 degrees at a step of 0.5 is points 0..180; 90.2 rounds to the same last point.
    for (float end : {90.0f, 90.2f}) {
        auto half = SmallModel(host, 0.5f);
        half->PlotStart = 0.0f;
        half->PlotEnd = end;
        half->PrintEvery = 1;
        const std::vector<std::string> lines = SplitLines(PrintToFileText(*half, host.now()));
        ASSERT_EQ(lines.size(), 6u + 181u) << end;
        EXPECT_EQ(lines[7].substr(0, 5) + lines.back().substr(0, 5), " .5 \t 90 \t");
    }
}

// A spectrum is written harmonic by harmonic (0..NumHarmonics, whatever the angle step and
// the row step) under "Harmonic" / "Number" and the name of the function transformed; a table
// of fewer than four columns names only those.
TEST(Exports, PrintDataFileOfASpectrum) {
    RecordingHost host;
    auto m = SmallModel(host, 0.5f);
    m->FftDone = true;
    m->FftRow = 7;
    m->NumHarmonics = 3;
    m->FFTResult.assign(361, {});
    m->SpectrumSelected = true;
    m->PlotStart = 0.0f;
    m->PlotEnd = 3.0f;
    m->PrintEvery = 10;
    m->NumPrintCols = 2;
    m->PlotFunc = {0, 19, 20, 0, 0};
    m->Decimals = {2, 1, 2, 2};
    m->PrintColName = {"Mag FFT", "Ang FFT", "", ""};
    const float mag[] = {0.0f, 12.345f, 0.5f, 0.004f};
    const float phase[] = {0.0f, -89.96f, 45.04f, 90.0f};
    for (int h = 0; h < 4; ++h) {
        m->Results[19][h] = mag[h];
        m->Results[20][h] = phase[h];
    }
    // 12.345 (float 12.3450002) to 2 places 12.35; -89.96 to 1 place -90; 45.04 to 1 place 45.
    const std::string expected = kHeadLines + "Harmonic\tMag FFT\tAng FFT\t\r\n" +
                                 "Number\tForce\tForce\t\r\n" + "\r\n" + " 0 \t 0 \t 0 \t\r\n" +
                                 " 1 \t 12.35 \t-90 \t\r\n" + " 2 \t .5 \t 45 \t\r\n" +
                                 " 3 \t 0 \t 90 \t\r\n";
    EXPECT_EQ(PrintToFileText(*m, host.now()), expected);
    // More harmonics than the transform holds is a subscript fault.
    m->NumHarmonics = 400;
    EXPECT_THROW(PrintToFileText(*m, host.now()), model::Fault);
}

TEST(Exports, BlankModelIsNotExported) {
    RecordingHost host;
    auto m = SmallModel(host);
    EXPECT_TRUE(CheckModelExportable(*m, host));
    m->SvajDone = false;
    EXPECT_FALSE(CheckModelExportable(*m, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The current model is blank.  There is nothing to export.  Use S-V-A-J and Sizecam "
              "buttons to calculate the model, then export");
    EXPECT_EQ(host.messages[0].icon, Icon::None);
    EXPECT_EQ(host.messages[0].title, "TROCHIX for Windows");
}

TEST(Exports, WritersReplaceWholeFilesOrLeaveThemAlone) {
    RecordingHost host;
    auto m = SmallModel(host);
    ScratchDir dir;
    const std::string path = dir.file("Cam1.txt");
    WriteBytes(path, "old contents");
    host.clear();
    ASSERT_TRUE(Export_All_to_File(*m, path, host));
    EXPECT_EQ(ReadBytes(path), ExportAllText(*m, host.now()));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(host.busy);

    ASSERT_TRUE(Export_Profile_to_File(*m, dir.file("Cam1.pts"), host));
    EXPECT_EQ(ReadBytes(dir.file("Cam1.pts")), ExportProfileText(*m, host.now()));

    // A function row beyond the table: fault 9, the previous file stays.
    WriteBytes(dir.file("Cam1.dat"), "previous");
    m->PlotFunc[3] = model::kResultRows;
    EXPECT_FALSE(Print_to_File(*m, dir.file("Cam1.dat"), host));
    EXPECT_EQ(host.lastText(),
              "Error 9   (Subscript out of range)  has occurred in Print_to_File\r\r");
    EXPECT_EQ(ReadBytes(dir.file("Cam1.dat")), "previous");
    EXPECT_FALSE(host.busy);

    // A folder in place of the file.
    EXPECT_FALSE(Export_All_to_File(*m, dir.path().string(), host));
    EXPECT_EQ(host.lastText(),
              "Error 75   (Path/File access error)  has occurred in Export_All_to_File\r\r");
    std::vector<std::string> names = dir.entries();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Cam1.dat", "Cam1.pts", "Cam1.txt"}));
}
