// trochix-batch --suggest: its line, the cam it leaves for the rest of the run and for --save,
// and the usage errors of its limits.
#include "app/batch/BatchOptions.h"
#include "app/batch/BatchRun.h"
#include "BatchRunSupport.h"
#include "files/FilesTestSupport.h"
#include "files/OpenModel.h"
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

double Figure(const std::string& out, const std::string& key) {
    const std::size_t at = out.find(" " + key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    return at == std::string::npos ? NAN : std::stod(out.substr(at + key.size() + 2));
}

} // namespace

// Example 3 at 25 and 35 degrees: the line in its form, and the saved model, read back and
// sized again, holds that prime radius and keeps its pressure angles within the limits.
TEST(BatchSuggest, LineAndTheSavedCam) {
    files::testing::ScratchDir dir;
    const std::string path = dir.file("small.cam");
    const Outcome r =
        RunArgs({"--example", "3", "--recalc", "--suggest", "--pa", "25,35", "--save", path});
    ASSERT_EQ(r.status, 0) << r.messages;
    const std::regex form(
        R"(Suggest: prime=[-.0-9E]+ offset=[-.0-9E]+ bound=(pressure angle|curvature) )"
        R"(pa=[-.0-9E]+,[-.0-9E]+ rho=[-.0-9E]+\n)");
    EXPECT_TRUE(std::regex_search(r.out, form)) << r.out;
    const double prime = Figure(r.out, "prime");
    EXPECT_NEAR(Figure(r.out, "pa"), 25.0, 1e-3) << "the rise decides on this cam";

    model::RecordingHost host;
    auto m = std::make_unique<model::CamModel>();
    model::Initialize(*m, host);
    ASSERT_EQ(files::OpenModel(*m, {.path = path}, host), files::OpenStatus::Opened);
    EXPECT_NEAR(m->PrimeRadius, prime, 1e-5 * prime);
    EXPECT_LE(m->PressMax, 25.0 + 1e-3);
    EXPECT_GE(m->PressMin, -35.0 - 1e-3);
}

// An arm names its pivot distance; a flat face is bound by its curvature.
TEST(BatchSuggest, ArmAndFlatFace) {
    const Outcome arm = RunArgs({"--example", "4", "--recalc", "--suggest"});
    ASSERT_EQ(arm.status, 0) << arm.messages;
    EXPECT_GT(Figure(arm.out, "pivot"), 0.0);
    const Outcome flat = RunArgs({"--example", "2", "--recalc", "--suggest", "--min-rho", "0.25"});
    ASSERT_EQ(flat.status, 0) << flat.messages;
    EXPECT_NE(flat.out.find("bound=curvature"), std::string::npos) << flat.out;
    EXPECT_NEAR(Figure(flat.out, "rho"), 0.25, 1e-5);
}

TEST(BatchSuggest, BadLimitsAreUsageErrors) {
    const struct {
        Args args;
        const char* error;
    } cases[] = {
        {{"--example", "1", "--suggest", "--pa", "0"},
         "--pa takes one limit in degrees above 0 and below 90, or the rise's and the fall's "
         "separated by a comma, not 0"},
        {{"--example", "1", "--suggest", "--pa", "30,90"},
         "--pa takes one limit in degrees above 0 and below 90, or the rise's and the fall's "
         "separated by a comma, not 30,90"},
        {{"--example", "1", "--suggest", "--min-rho", "-1"},
         "--min-rho takes a length of 0 or more, not -1"},
        {{"--example", "1", "--best-offset"},
         "--pa, --min-rho and --best-offset go with --suggest"},
    };
    for (const auto& c : cases) {
        const ParseResult r = ParseArguments(c.args);
        EXPECT_FALSE(r.options.has_value());
        EXPECT_EQ(r.error, c.error) << ::testing::PrintToString(c.args);
    }
}
