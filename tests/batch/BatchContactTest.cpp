// trochix-batch --contact: its lines, what --width, --modulus and --poisson change, and the
// refusals.
#include "app/batch/BatchOptions.h"
#include "app/batch/BatchRun.h"
#include "BatchRunSupport.h"
#include "files/Examples.h"
#include "files/FilesTestSupport.h"
#include "files/ModelFile.h"
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

// The number after `key=` in the output.
double Figure(const std::string& out, const std::string& key) {
    const std::size_t at = out.find(key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    return at == std::string::npos ? NAN : std::stod(out.substr(at + key.size() + 1));
}

TEST(BatchContact, BadValuesAreUsageErrors) {
    const struct {
        Args args;
        const char* error;
    } cases[] = {
        {{"--example", "1", "--contact", "--width", "0"}, "--width takes a positive length, not 0"},
        {{"--example", "1", "--contact", "--modulus", "-3e7"},
         "--modulus takes one positive modulus, or the cam's and the follower's separated by a "
         "comma, not -3e7"},
        {{"--example", "1", "--contact", "--modulus", "3e7,1e7,2e7"},
         "--modulus takes one positive modulus, or the cam's and the follower's separated by a "
         "comma, not 3e7,1e7,2e7"},
        {{"--example", "1", "--contact", "--poisson", "0.3,0.6"},
         "--poisson takes one ratio from 0 to 0.5, or the cam's and the follower's separated by "
         "a comma, not 0.3,0.6"},
        {{"--example", "1", "--contact", "--poisson", "0.3,"},
         "--poisson takes one ratio from 0 to 0.5, or the cam's and the follower's separated by "
         "a comma, not 0.3,"},
        {{"--example", "1", "--width", "0.5"},
         "--width, --modulus and --poisson go with --contact"},
    };
    for (const auto& c : cases) {
        const ParseResult r = ParseArguments(c.args);
        EXPECT_FALSE(r.options.has_value());
        EXPECT_EQ(r.error, c.error) << ::testing::PrintToString(c.args);
    }
}

// p0 = sqrt(w E* / (pi R')), w = N / L: a width four times the default gives half the
// pressure; a modulus of a quarter of steel's, for both bodies, half as well. The
// shear stays 0.3003 p0 at 0.7862 b, and the force figures do not move.
TEST(BatchContact, WidthAndModulusScaleThePressureAsHertzSays) {
    const Outcome base = RunArgs({"--example", "1", "--recalc", "--contact"});
    ASSERT_EQ(base.status, 0) << base.messages;
    const std::regex lines("Jump=none\nMinForce=[-.0-9]+ at [.0-9]+\nPreloadNeeded=[.0-9]+\n"
                           "SpringNeeded=[.0-9]+\nTopSpeed=[.0-9]+\nHertzMax=[.0-9]+ at "
                           "[.0-9]+\nShearMax=[.0-9]+ depth=[.0-9]+\n");
    EXPECT_TRUE(std::regex_match(base.out, lines)) << base.out;
    const double p0 = Figure(base.out, "HertzMax");
    EXPECT_NEAR(Figure(base.out, "ShearMax") / p0, 0.3003, 2e-4);

    // Example 1's default width is half its prime radius of 3: 1.5.
    const Outcome wide = RunArgs({"--example", "1", "--contact", "--width", "6"});
    EXPECT_NEAR(Figure(wide.out, "HertzMax"), p0 / 2, 1e-5 * p0);
    const double steel = 2.07e11 / (4.4482216152605 / (0.0254 * 0.0254));
    const Outcome soft = RunArgs(
        {"--example", "1", "--contact", "--modulus", std::to_string(steel / 4), "--poisson", ".3"});
    EXPECT_NEAR(Figure(soft.out, "HertzMax"), p0 / 2, 1e-5 * p0);
    EXPECT_EQ(Figure(soft.out, "TopSpeed"), Figure(base.out, "TopSpeed"));
    // Poisson 0 for both: 1/E* = 2/E instead of 2 x 0.91/E, so p0 falls by sqrt(0.91).
    const Outcome stiff = RunArgs({"--example", "1", "--contact", "--poisson", "0"});
    EXPECT_NEAR(Figure(stiff.out, "HertzMax"), p0 * std::sqrt(0.91), 1e-5 * p0);
}

// A follower held by nothing but its own weight's inertia: with no spring and no preload it
// leaves the cam wherever the acceleration is negative; the smallest force lies in a range.
TEST(BatchContact, AFollowerWithoutSpringJumps) {
    files::testing::ScratchDir dir;
    const std::string path = dir.file("loose.cam");
    model::RecordingHost host;
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    ASSERT_TRUE(files::LoadExample(*m, host, 1));
    m->SpringK = 0.0f;
    m->Preload = 0.0f;
    m->DampC = 0.0f;
    ASSERT_TRUE(files::SaveModel(*m, path, host, "test"));

    const Outcome run = RunArgs({"--open", path, "--recalc", "--contact"});
    ASSERT_EQ(run.status, 0) << run.messages;
    std::smatch jump;
    ASSERT_TRUE(std::regex_search(run.out, jump,
                                  std::regex("Jump=([.0-9]+)-([.0-9]+) deg(, [.0-9]+-[.0-9]+ "
                                             "deg)*\n")))
        << run.out;
    EXPECT_LT(Figure(run.out, "MinForce"), 0.0);
    EXPECT_GT(Figure(run.out, "PreloadNeeded"), 0.0);
    // At rest the force is zero: no speed keeps contact.
    EXPECT_EQ(Figure(run.out, "TopSpeed"), 0.0);

    // Without --recalc a file's dynamics stand; without dynamics there is nothing to judge.
    m->DynamicsDone = false;
    ASSERT_TRUE(files::SaveModel(*m, path, host, "test"));
    const Outcome none = RunArgs({"--open", path, "--contact"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.messages.find("--contact: compute the dynamics first (--recalc)"),
              std::string::npos)
        << none.messages;
}

// The contact rows by their codes, as any other function: names and units in the header, and
// p0 b = 2 N / (pi L) on every printed line (L = 1.5 in, half example 1's prime radius).
TEST(BatchContact, TheContactRowsTabulateByTheirCodes) {
    files::testing::ScratchDir dir;
    const std::string path = dir.file("contact.txt");
    const Outcome run = RunArgs({"--example", "1", "--table", "CF HP hw", "--decimals", "2,2,6",
                                 "--every", "10", "--table-out", path});
    ASSERT_EQ(run.status, 0) << run.messages;
    std::istringstream text(files::testing::ReadBytes(path));
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(text, line))
        lines.push_back(line.substr(0, line.find_last_not_of("\r") + 1));
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines[3], "Angle\tContact F\tHertz p0\tHalf Width\t");
    EXPECT_EQ(lines[4], "Degrees\tlb\tlb/in^2\tin\t");
    int checked = 0;
    for (std::size_t i = 6; i < lines.size(); ++i) {
        std::istringstream row(lines[i]);
        double angle = 0, N = 0, p0 = 0, b = 0;
        if (!(row >> angle >> N >> p0 >> b))
            break;
        EXPECT_NEAR(p0 * b, 2 * N / (3.14159265358979 * 1.5), 2e-3 * p0 * b + 1e-2) << lines[i];
        ++checked;
    }
    EXPECT_EQ(checked, 37);
}

} // namespace
