// trochix-batch --response and --response-spectrum: their lines and file on every example, the
// rows by their codes, and the refusals.
#include "app/batch/BatchOptions.h"
#include "app/batch/BatchRun.h"
#include "BatchRunSupport.h"
#include "chain/ResponseStage.h"
#include "dynamics/ResponseText.h"
#include "files/Examples.h"
#include "files/FilesTestSupport.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using namespace trochix;
using namespace trochix::batch;
using namespace trochix::batch::testing;

namespace {

TEST(BatchResponse, BadValuesAreUsageErrors) {
    const struct {
        Args args;
        const char* error;
    } cases[] = {
        {{"--example", "1", "--from-rest"}, "--from-rest goes with --response"},
        {{"--example", "1", "--response-spectrum", "s.csv"},
         "--response-spectrum needs --segment K, the rise or fall of the chart"},
        {{"--example", "1", "--response-spectrum", "s.csv", "--segment", "all"},
         "--response-spectrum needs --segment K, the rise or fall of the chart"},
        {{"--example", "1", "--ratios", "1,2"}, "--ratios goes with --response-spectrum"},
        {{"--example", "1", "--response-spectrum", "s.csv", "--segment", "2", "--ratios", "3,1"},
         "--ratios takes FROM,TO: two positive ratios, the first the smaller, not 3,1"},
        {{"--example", "1", "--response-spectrum", "s.csv", "--segment", "2", "--ratios", "0,1"},
         "--ratios takes FROM,TO: two positive ratios, the first the smaller, not 0,1"},
        {{"--example", "1", "--response", "--train-stiffness", "-5"},
         "--train-stiffness takes a stiffness of 0 or more, not -5"},
        {{"--example", "1", "--train-stiffness", "5"},
         "--train-stiffness goes with --response or --response-spectrum"},
        {{"--example", "1", "--segment", "2"},
         "--table-out, --every, --decimals and --segment go with --table"},
    };
    for (const auto& c : cases) {
        const ParseResult r = ParseArguments(c.args);
        EXPECT_FALSE(r.options.has_value());
        EXPECT_EQ(r.error, c.error) << ::testing::PrintToString(c.args);
    }
    // A dwell has no spectrum: known once the model is loaded.
    const Outcome dwell =
        RunArgs({"--example", "2", "--response-spectrum", "s.csv", "--segment", "3"});
    EXPECT_EQ(dwell.status, kUsageStatus);
    EXPECT_EQ(dwell.usage,
              "--response-spectrum charts a rise or fall: segment 3 of this model is not one");
}

// Every example: one line per rise or fall, the fraction the amplitude over the lift, then the
// largest error; steady and from rest.
TEST(BatchResponse, EveryExamplePrintsItsResidualsAndLargestError) {
    const std::regex number("-?[.0-9]+(E[-+][0-9]+)?");
    for (int n = 1; n <= files::kExampleCount; ++n) {
        model::RecordingHost host;
        auto m = std::make_unique<model::CamModel>();
        model::Initialize(*m, host);
        ASSERT_TRUE(files::LoadExample(*m, host, n));
        for (bool rest : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "example " << n << (rest ? " from rest" : ""));
            Args args{"--example", std::to_string(n), "--recalc", "--response"};
            if (rest)
                args.push_back("--from-rest");
            const Outcome run = RunArgs(args);
            ASSERT_EQ(run.status, 0) << run.messages;
            std::istringstream lines(run.out);
            std::string line;
            int seg = 0;
            for (int k = 1; k <= m->NumSegments; ++k) {
                if (!dynamics::IsRiseOrFallRow(*m, k))
                    continue;
                ++seg;
                ASSERT_TRUE(std::getline(lines, line));
                const std::string head = "Residual seg " + std::to_string(k) + ": ";
                ASSERT_EQ(line.rfind(head, 0), 0u) << line;
                std::smatch parts;
                const std::string rest_ = line.substr(head.size());
                if (rest_ == "none")
                    continue;
                ASSERT_TRUE(std::regex_match(rest_, parts, std::regex("([^ ]+) \\(([^ ]+)\\)")))
                    << line;
                const double amplitude = std::stod(parts[1]), fraction = std::stod(parts[2]);
                EXPECT_NEAR(fraction, amplitude / m->SegLift[k], 1e-6 * (1 + fraction)) << line;
            }
            EXPECT_GT(seg, 0);
            ASSERT_TRUE(std::getline(lines, line));
            EXPECT_TRUE(std::regex_match(line, std::regex("MaxError=[.0-9E+-]+ at [.0-9]+")))
                << line;
            EXPECT_FALSE(std::getline(lines, line)) << line;
        }
    }
}

// The chart's file: its header, the points over the range and the design in its place.
TEST(BatchResponse, SpectrumFileHoldsTheRangeAndMarksTheDesign) {
    files::testing::ScratchDir dir;
    const std::string path = dir.file("spectrum.csv");
    const Outcome run = RunArgs({"--example", "2", "--recalc", "--response-spectrum", path,
                                 "--segment", "2", "--ratios", "0.5,4"});
    ASSERT_EQ(run.status, 0) << run.messages;
    const std::vector<std::string> lines =
        files::testing::SplitLines(files::testing::ReadBytes(path));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Ratio,Residual,Design");
    EXPECT_EQ(lines[1].rfind(".5,", 0), 0u);
    int designs = 0;
    double previous = 0.0, design = 0.0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const double r = std::stod(lines[i]);
        EXPECT_GE(r, previous) << lines[i];
        previous = r;
        if (lines[i].ends_with(",1")) {
            ++designs;
            design = r;
        }
    }
    EXPECT_EQ(designs, 1);
    EXPECT_NEAR(previous, 4.0, 1e-6);
    model::RecordingHost host;
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    ASSERT_TRUE(files::LoadExample(*m, host, 2));
    EXPECT_NEAR(design, chain::PresentRatio(*m, 2), 1e-6 * design);
}

// The rows tabulate by their codes; the error column is the actual less S.
TEST(BatchResponse, RowsTabulateByTheirCodes) {
    files::testing::ScratchDir dir;
    const std::string path = dir.file("table.txt");
    const Outcome run = RunArgs({"--example", "3", "--recalc", "--table", "DI AD ER AA",
                                 "--decimals", "6", "--table-out", path});
    ASSERT_EQ(run.status, 0) << run.messages;
    const std::vector<std::string> lines =
        files::testing::SplitLines(files::testing::ReadBytes(path));
    int rows = 0;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        double angle = 0, s = 0, x = 0, e = 0, a = 0;
        if (!(in >> angle >> s >> x >> e >> a))
            continue;
        EXPECT_NEAR(e, x - s, 1.5e-5) << line; // each printed to its last place
        ++rows;
    }
    EXPECT_EQ(rows, 361);
}

} // namespace
