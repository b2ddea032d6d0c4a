// trochix-batch --design-map: the file read back node by node against the map itself and
// against one design evaluated on its own, the axes and size it takes, and its refusals.
#include "app/batch/BatchOptions.h"
#include "app/batch/BatchRun.h"
#include "BatchRunSupport.h"
#include "files/Examples.h"
#include "files/FilesTestSupport.h"
#include "geometry/DesignMap.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace trochix;
using namespace trochix::batch;
using namespace trochix::batch::testing;
using files::testing::ReadBytes;
using files::testing::ScratchDir;

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> f;
    std::size_t at = 0;
    for (;;) {
        const std::size_t comma = line.find(',', at);
        f.push_back(line.substr(at, comma - at));
        if (comma == std::string::npos)
            return f;
        at = comma + 1;
    }
}

std::unique_ptr<model::CamModel> Example(int n) {
    auto m = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    model::Initialize(*m, host);
    EXPECT_TRUE(files::LoadExample(*m, host, n));
    return m;
}

} // namespace

// Example 1 over prime x offset, 7 x 7: a header, then 49 lines, prime fastest; each line
// reads back to the node the map computes, and a valid one to the design evaluated alone.
TEST(BatchDesignMap, FileReadsBackNodeByNode) {
    ScratchDir dir;
    const std::string path = dir.file("map.csv");
    const Outcome r = RunArgs(
        {"--example", "1", "--design-map", path, "--map-axes", "prime,offset", "--map-size", "7"});
    ASSERT_EQ(r.status, 0) << r.messages;
    EXPECT_EQ(r.messages, "");
    auto m = Example(1);
    geometry::DesignMapRequest request;
    request.second = geometry::MapAxis::Offset;
    request.size = 7;
    const geometry::DesignMap map = geometry::MakeDesignMap(*m, request);
    ASSERT_TRUE(map.ok);
    EXPECT_EQ(r.out.rfind("DesignMap: prime=", 0), 0u) << r.out;
    EXPECT_NE(r.out.find(" offset="), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" nodes=7x7\n"), std::string::npos) << r.out;

    std::istringstream in(ReadBytes(path));
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "prime radius,offset,max pressure angle,min surface radius,undercut");
    int valid = 0, invalid = 0, lines = 0;
    for (int j = 0; j < 7; ++j) {
        for (int i = 0; i < 7; ++i) {
            ASSERT_TRUE(std::getline(in, line)) << i << ", " << j;
            ++lines;
            const std::vector<std::string> f = Fields(line);
            ASSERT_EQ(f.size(), 5u) << line;
            EXPECT_EQ(std::stod(f[0]), map.primeAt(i)) << line;
            EXPECT_EQ(std::stod(f[1]), map.secondAt(j)) << line;
            const geometry::MapNode& n = map.at(i, j);
            if (!n.valid) {
                EXPECT_EQ(f[2] + f[3] + f[4], "") << line;
                ++invalid;
                continue;
            }
            ++valid;
            EXPECT_EQ(std::stof(f[2]), n.largest()) << line;
            EXPECT_EQ(std::stof(f[3]), n.surface) << line;
            EXPECT_EQ(f[4], n.undercut ? "1" : "0") << line;
            const geometry::MapPoint alone = geometry::EvaluateDesign(
                *m, geometry::MapAxis::Offset, std::stod(f[0]), std::stod(f[1]));
            ASSERT_TRUE(alone.valid) << line;
            EXPECT_EQ(std::stof(f[2]), alone.node.largest()) << line;
        }
    }
    EXPECT_EQ(lines, 49);
    EXPECT_FALSE(std::getline(in, line)) << "nothing after the last node: " << line;
    EXPECT_GT(valid, 0);
    EXPECT_GT(invalid, 0) << "the chosen offsets reach beyond the smallest prime radii";
}

// Without --map-axes the first axis the follower has: an arm's roller, then its pivot.
TEST(BatchDesignMap, AxesOfAnArm) {
    ScratchDir dir;
    const std::string path = dir.file("arm.csv");
    Outcome r = RunArgs({"--example", "4", "--design-map", path, "--map-size", "3"});
    ASSERT_EQ(r.status, 0) << r.messages;
    EXPECT_EQ(ReadBytes(path).substr(0, 27), "prime radius,roller radius,");
    r = RunArgs(
        {"--example", "4", "--design-map", path, "--map-axes", "prime,pivot", "--map-size", "3"});
    ASSERT_EQ(r.status, 0) << r.messages;
    EXPECT_EQ(ReadBytes(path).substr(0, 28), "prime radius,pivot distance,");
}

TEST(BatchDesignMap, Refusals) {
    const struct {
        Args args;
        const char* error;
    } usage[] = {
        {{"--example", "1", "--map-size", "5"}, "--map-axes and --map-size go with --design-map"},
        {{"--example", "1", "--design-map", "m.csv", "--map-axes", "roller"},
         "--map-axes takes prime,roller, prime,offset or prime,pivot, not roller"},
        {{"--example", "1", "--design-map", "m.csv", "--map-size", "1"},
         "--map-size takes 2 to 1000, not 1"},
    };
    for (const auto& c : usage) {
        const ParseResult p = ParseArguments(c.args);
        EXPECT_FALSE(p.options);
        EXPECT_EQ(p.error, c.error);
    }
    // A flat face has no map, and an offset axis is not an arm's: refused, nothing written.
    ScratchDir dir;
    const std::string path = dir.file("none.csv");
    Outcome r = RunArgs({"--example", "2", "--design-map", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.messages.find("--design-map: A translating flat-faced follower has no design map"),
              std::string::npos)
        << r.messages;
    r = RunArgs({"--example", "4", "--design-map", path, "--map-axes", "prime,offset"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.messages.find("--design-map: This follower has no offset to map."),
              std::string::npos)
        << r.messages;
    EXPECT_TRUE(dir.entries().empty());
}
