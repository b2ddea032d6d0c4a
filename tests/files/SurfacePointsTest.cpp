// The surface points file read back: its rows are the surface curve's points at their angles.
#include "files/SurfacePoints.h"

#include "files/Examples.h"
#include "files/FilesTestSupport.h"
#include "geometry/CamSurface.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace trochix::files {
namespace {

std::vector<double> Fields(const std::string& row) {
    std::vector<double> out;
    const char* p = row.data();
    const char* end = p + row.size();
    while (p < end) {
        double v = 0.0;
        const auto r = std::from_chars(p, end, v);
        EXPECT_EQ(r.ec, std::errc()) << row;
        out.push_back(v);
        p = r.ptr;
        if (p < end) {
            EXPECT_EQ(*p, ',') << row;
            ++p;
        }
    }
    return out;
}

void ExpectRelative(double got, double want) {
    EXPECT_NEAR(got, want, 1e-12 * std::max(1.0, std::abs(want)));
}

TEST(SurfacePoints, RowsAreTheSurfaceAtTheirAngles) {
    model::CamModel m;
    model::RecordingHost host;
    model::Initialize(m, host);
    ASSERT_TRUE(LoadExample(m, host, 1));
    const auto cam = geometry::CamSurface::Of(m);
    ASSERT_TRUE(cam.has_value());
    const geometry::ClosedCurve surface = cam->surface();
    for (int count : {360, 7}) {
        SCOPED_TRACE(::testing::Message() << "count " << count);
        const std::string text = SurfacePointsText(surface, count);
        const std::vector<std::string> lines = testing::SplitLines(text);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(count) + 1);
        EXPECT_EQ(text.substr(0, 11), "Angle,X,Y\r\n");
        // Every line ends in CR LF: as many CRs as LFs.
        EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), count + 1);
        for (int k : {0, count / 2}) {
            const std::vector<double> f = Fields(lines[k + 1]);
            ASSERT_EQ(f.size(), 3u);
            const double degrees = 360.0 * k / count;
            EXPECT_EQ(f[0], degrees);
            const geometry::Point2 want = surface.at(degrees / 180.0 * std::numbers::pi).p;
            ExpectRelative(f[1], want.x);
            ExpectRelative(f[2], want.y);
        }
    }

    testing::ScratchDir dir;
    ASSERT_TRUE(WriteSurfacePoints(surface, 36, dir.file("points.csv"), host));
    EXPECT_EQ(testing::ReadBytes(dir.file("points.csv")), SurfacePointsText(surface, 36));
    EXPECT_FALSE(WriteSurfacePoints(surface, 0, dir.file("none.csv"), host));
    ASSERT_FALSE(host.messages.empty());
    EXPECT_NE(host.messages.back().text.find("Export_Surface_Points"), std::string::npos);
}

} // namespace
} // namespace trochix::files
