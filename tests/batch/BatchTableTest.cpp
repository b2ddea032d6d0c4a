// trochix-batch --table: the file Print to Disk File writes for the same choice on the print
// selection, its rows and numbers, and the refusals.
#include "app/batch/BatchOptions.h"
#include "app/batch/BatchRun.h"
#include "chain/Stages.h"
#include "files/Examples.h"
#include "files/Exports.h"
#include "files/FilesTestSupport.h"
#include "files/ModelFile.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "output/PrintRequest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace trochix;
using namespace trochix::batch;
using files::testing::ReadBytes;
using files::testing::ScratchDir;

namespace {

using Args = std::vector<std::string>;

const model::DateTime kClock{2026, 3, 14, 9, 26, 53};

// The batch tool's host with a clock that stands still, so two files made apart compare.
class FixedClockHost : public StderrHost {
public:
    explicit FixedClockHost(std::ostream& out) : StderrHost(out) {}
    model::DateTime now() override { return kClock; }
};

struct Outcome {
    int status = 0;
    std::string messages;   // what went to standard error
    std::string out;        // what went to the tables' stream
    std::string usageError; // set with status 2
};

std::string ErrorOf(const Args& args) {
    const ParseResult r = ParseArguments(args);
    EXPECT_FALSE(r.options.has_value());
    return r.error;
}

Outcome RunArgs(const Args& args) {
    const ParseResult parsed = ParseArguments(args);
    EXPECT_TRUE(parsed.options) << parsed.error;
    if (!parsed.options)
        return {};
    std::ostringstream err, out;
    FixedClockHost host(err);
    Outcome run;
    run.status = RunBatch(*parsed.options, host, out, run.usageError);
    run.messages = err.str();
    run.out = out.str();
    return run;
}

// The lines of a file with their CR LF ends removed; fails on a line ended otherwise.
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t at = 0;
    for (std::size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1)
        cells.push_back(line.substr(at, tab - at));
    return cells;
}

constexpr int kHeaderLines = 6;

} // namespace

// The same choice made on the print selection (through the code selection) and printed to a
// disk file gives the very same bytes.
TEST(BatchTable, FileEqualsPrintToDiskFile) {
    const struct {
        Args table;
        std::vector<std::string> codes;
        int segment;
        output::PrintSettings settings;
        int rows;
    } cases[] = {
        // The whole cam at one degree, every 10th point: 0, 10, .. 360.
        {{"--table", "DI VE AC JE", "--every", "10", "--decimals", "0,1,2,3"},
         {"DI", "VE", "AC", "JE"},
         0,
         {output::OutputDevice::DiskFile, 10, {0, 1, 2, 3}},
         37},
        // Segment 2 (90..180 degrees), every point.
        {{"--table", "ac,di", "--segment", "2", "--decimals", "4"},
         {"ac", "di"},
         2,
         {output::OutputDevice::DiskFile, 1, {4, 4, 4, 4}},
         91},
        // Segment 3 (180..360), every 10th point, the profile's stage.
        {{"--table", "PH RH RA", "--segment", "3", "--every", "10"},
         {"PH", "RH", "RA"},
         3,
         {output::OutputDevice::DiskFile, 10, {2, 2, 2, 2}},
         19},
    };
    for (const auto& c : cases) {
        const std::string what = ::testing::PrintToString(c.table);
        ScratchDir dir;
        Args args = {"--example", "1", "--table-out", dir.file("table.txt")};
        args.insert(args.end(), c.table.begin(), c.table.end());
        const Outcome run = RunArgs(args);
        ASSERT_EQ(run.status, 0) << what << run.messages;
        EXPECT_EQ(run.messages, "") << what;

        auto m = std::make_unique<model::CamModel>();
        model::RecordingHost host;
        model::Initialize(*m, host);
        ASSERT_TRUE(files::LoadExample(*m, host, 1));
        ASSERT_TRUE(output::SelectTableByCodes(*m, c.codes, c.segment, c.settings).ok);
        const std::string bytes = ReadBytes(dir.file("table.txt"));
        EXPECT_EQ(bytes, files::PrintToFileText(*m, kClock)) << what;
        EXPECT_EQ(CrLfLines(bytes).size(), static_cast<std::size_t>(kHeaderLines + c.rows)) << what;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"table.txt"}) << what;
    }
}

// Numbers against the example's motion: a double-harmonic rise of 1 inch over 0..90 degrees,
// S = 1/2 [(1 - cos pi x) - (1 - cos 2 pi x) / 4], x = angle / 90, and its return over 90..180.
TEST(BatchTable, RowsHoldTheChosenFunctionsRoundedPerColumn) {
    ScratchDir dir;
    const Outcome run = RunArgs({"--example", "1", "--table", "DI VE DI", "--every", "5",
                                 "--decimals", "4,1,0", "--table-out", dir.file("t.txt")});
    ASSERT_EQ(run.status, 0) << run.messages;
    const std::vector<std::string> lines = CrLfLines(ReadBytes(dir.file("t.txt")));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kHeaderLines + 73)); // 0, 5, .. 360
    EXPECT_EQ(lines[3], "Angle\tDisplcmnt\tVelocity\tDisplcmnt\t");
    EXPECT_EQ(lines[4], "Degrees\tin\tin/sec\tin\t");
    // 30 degrees: x = 1/3, S = (.5 - .375) / 2 = .0625, V = S'(x) omega / beta
    // = (pi sin 60 - pi/2 sin 120) / 2 * 15 / (pi/2) = 6.50 at the example's 15 rad/s;
    // 45: S = .25, V = pi/2 * 15 / (pi/2) = 15; 90: S = 1 at rest.
    const struct {
        int row;
        std::vector<std::string> cells;
    } rows[] = {
        {0, {" 0 ", " 0 ", " 0 ", " 0 "}},     {6, {" 30 ", " .0625 ", " 6.5 ", " 0 "}},
        {9, {" 45 ", " .25 ", " 15 ", " 0 "}}, {18, {" 90 ", " 1 ", " 0 ", " 1 "}},
        {72, {" 360 ", " 0 ", " 0 ", " 0 "}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(Cells(lines[kHeaderLines + r.row]), r.cells) << "row " << r.row;
    // The velocity column keeps one decimal at most, the third column none.
    for (std::size_t i = kHeaderLines; i < lines.size(); ++i) {
        const std::vector<std::string> cells = Cells(lines[i]);
        ASSERT_EQ(cells.size(), 4u) << lines[i];
        const std::size_t point = cells[2].find('.');
        EXPECT_TRUE(point == std::string::npos || cells[2].size() - point <= 3) << lines[i];
        EXPECT_EQ(cells[3].find('.'), std::string::npos) << lines[i];
    }
}

// A spectrum lists every harmonic 0..H whatever --every says; its codes need --fft first.
TEST(BatchTable, SpectrumListsEveryHarmonic) {
    ScratchDir dir;
    const Outcome run = RunArgs({"--example", "1", "--fft", "1", "--harmonics", "5", "--fft-out",
                                 dir.file("f.txt"), "--table", "MA", "--every", "10", "--decimals",
                                 "3", "--table-out", dir.file("t.txt")});
    ASSERT_EQ(run.status, 0) << run.messages;
    const std::vector<std::string> lines = CrLfLines(ReadBytes(dir.file("t.txt")));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kHeaderLines + 6));
    EXPECT_EQ(lines[3], "Harmonic\tMag FFT\t");
    EXPECT_EQ(lines[4], "Number\tDisplcmnt\t");
    // Harmonic 0 is twice the mean of S: 2 * 3/16 over the revolution.
    EXPECT_EQ(Cells(lines[kHeaderLines]), (std::vector<std::string>{" 0 ", " .375 "}));
    EXPECT_EQ(Cells(lines[kHeaderLines + 5])[0], " 5 ");
}

// A table that cannot be listed is refused with the reason, status 1 and no file; a segment
// the model lacks is a usage error found once the model is loaded, before anything is done.
TEST(BatchTable, RefusalsWriteNothing) {
    const struct {
        Args table;
        int status;
        std::string messages;
        std::string usageError;
    } cases[] = {
        {{"--table", "DI ZZ"}, 1, "Exclamation: --table: unknown code \"ZZ\"\n", ""},
        {{"--table", "DI - AC"},
         1,
         "Exclamation: --table: column 2 is empty: leave no gaps between columns\n",
         ""},
        {{"--table", "- DI"},
         1,
         "Exclamation: --table: column 1 is empty: leave no gaps between columns\n",
         ""},
        {{"--table", "MA"},
         1,
         "Exclamation: --table: stage not computed for \"MA\": compute a Fourier transform "
         "first\n",
         ""},
        {{"--table", "DI MA", "--fft", "1", "--fft-out", "f.txt"},
         1,
         "Exclamation: --table: spectrum and cam-angle functions cannot share a table\n",
         ""},
        {{"--table", "DI", "--segment", "4"},
         2,
         "",
         "--segment takes all or 1 to 3 for this model, not 4"},
    };
    for (const auto& c : cases) {
        const std::string what = ::testing::PrintToString(c.table);
        ScratchDir dir;
        Args args = {"--example",           "1",           "--save",
                     dir.file("saved.cam"), "--table-out", dir.file("t.txt")};
        args.insert(args.end(), c.table.begin(), c.table.end());
        for (std::string& a : args)
            if (a == "f.txt")
                a = dir.file(a);
        const Outcome run = RunArgs(args);
        EXPECT_EQ(run.status, c.status) << what;
        EXPECT_EQ(run.usageError, c.usageError) << what;
        // The spectrum's own line comes first when --fft ran.
        const std::size_t at = run.messages.find("Exclamation");
        EXPECT_EQ(at == std::string::npos ? "" : run.messages.substr(at), c.messages) << what;
        // The run stops at the table: nor the table nor the later save is written.
        for (const std::string& e : dir.entries())
            EXPECT_TRUE(e == "f.txt") << what << ": " << e;
    }
}

// An export needs the sized cam in the batch as in the menu; the refusal names the stage.
TEST(BatchExports, AnUnsizedCamIsRefusedUntilRecomputed) {
    ScratchDir dir;
    {
        model::RecordingHost host;
        auto m = std::make_unique<model::CamModel>();
        model::Initialize(*m, host);
        ASSERT_TRUE(files::LoadExample(*m, host, 1));
        chain::Changed(*m, chain::Input::CamGeometry);
        ASSERT_TRUE(m->SvajDone && !m->ProfileDone);
        ASSERT_TRUE(files::SaveModel(*m, dir.file("motion.cam"), host, "frm_Homescreen.SaveAs"));
    }
    const Outcome refused =
        RunArgs({"--open", dir.file("motion.cam"), "--export-profile", dir.file("p.pts")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.messages.find(
                  "--export-profile: this export needs results not yet computed: size the cam "
                  "first"),
              std::string::npos)
        << refused.messages;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"motion.cam"});

    const Outcome recomputed = RunArgs(
        {"--open", dir.file("motion.cam"), "--recalc", "--export-profile", dir.file("p.pts")});
    EXPECT_EQ(recomputed.status, 0) << recomputed.messages;
    EXPECT_FALSE(ReadBytes(dir.file("p.pts")).empty());
}

// --surface-out: the summary line, the drawing, and an undercut cam refused unless allowed.
TEST(BatchSurface, SummaryDrawingAndUndercut) {
    ScratchDir dir;
    const Outcome plain = RunArgs({"--example", "1", "--surface-out", dir.file("cam.dxf")});
    EXPECT_EQ(plain.status, 0) << plain.messages;
    EXPECT_EQ(plain.out.rfind("Surface: arcs=", 0), 0u) << plain.out;
    EXPECT_NE(plain.out.find(" undercut=none\n"), std::string::npos) << plain.out;
    // The fitted cam reproduces the motion within about the tolerance (1e-4 in here).
    const std::size_t asMade = plain.out.find("AsMade: S=");
    ASSERT_NE(asMade, std::string::npos) << plain.out;
    EXPECT_LT(std::stod(plain.out.substr(asMade + 10)), 2e-4) << plain.out;
    EXPECT_EQ(ReadBytes(dir.file("cam.dxf")).rfind("999\r\nTROCHIX cam drawing, lengths in in", 0),
              0u);

    {
        model::RecordingHost host;
        auto m = std::make_unique<model::CamModel>();
        model::Initialize(*m, host);
        ASSERT_TRUE(files::LoadExample(*m, host, 1));
        m->RollerRadius = 2.5f; // beyond the smallest convex pitch radius of about 2.05
        ASSERT_TRUE(files::SaveModel(*m, dir.file("big.cam"), host, "frm_Homescreen.SaveAs"));
    }
    const Outcome refused =
        RunArgs({"--open", dir.file("big.cam"), "--surface-out", dir.file("big.dxf")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.messages.find("Exclamation: "), std::string::npos) << refused.messages;
    EXPECT_EQ(refused.out, "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("big.dxf")));

    const Outcome allowed = RunArgs(
        {"--open", dir.file("big.cam"), "--surface-out", dir.file("big.dxf"), "--allow-undercut"});
    EXPECT_EQ(allowed.status, 0) << allowed.messages;
    EXPECT_NE(allowed.out.find(" undercut="), std::string::npos);
    EXPECT_EQ(allowed.out.find(" undercut=none"), std::string::npos) << allowed.out;
    EXPECT_TRUE(std::filesystem::exists(dir.file("big.dxf")));

    // The cutter's program and the surface's points.
    ASSERT_EQ(RunArgs({"--example", "4", "--surface-out", dir.file("cam.nc")}).status, 0);
    const std::string nc = ReadBytes(dir.file("cam.nc"));
    EXPECT_NE(nc.find("G20"), std::string::npos);
    EXPECT_NE(nc.find("M30"), std::string::npos);
    ASSERT_EQ(RunArgs({"--example", "4", "--surface-out", dir.file("cam.csv")}).status, 0);
    EXPECT_EQ(ReadBytes(dir.file("cam.csv")).rfind("Angle,X,Y\r\n", 0), 0u);

    // The solid: a STEP file of the plate, its lengths in millimetres (25.4 per inch here).
    const Outcome solid = RunArgs({"--example", "1", "--surface-out", dir.file("cam.stp"),
                                   "--thickness", "0.5", "--bore", "0.5"});
    EXPECT_EQ(solid.status, 0) << solid.messages;
    const std::string step = ReadBytes(dir.file("cam.stp"));
    EXPECT_EQ(step.rfind("ISO-10303-21;", 0), 0u);
    EXPECT_NE(step.find("MILLI"), std::string::npos);

    // Settings without the file, a file of no known kind: usage errors.
    EXPECT_EQ(ErrorOf({"--example", "1", "--cutter", "1"}),
              "--cutter, --tolerance, --thickness, --bore and --allow-undercut go with "
              "--surface-out");
    EXPECT_EQ(ErrorOf({"--example", "1", "--surface-out", "cam.txt"}),
              "--surface-out takes a file name ending in .dxf, .nc, .csv, .step or .stp, not "
              "cam.txt");
    EXPECT_EQ(ErrorOf({"--example", "1", "--surface-out", "c.dxf", "--tolerance", "0"}),
              "--tolerance takes a positive length, not 0");
}
