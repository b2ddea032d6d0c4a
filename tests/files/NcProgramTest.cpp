// The contour program read back by a small parser of its own: the moves it makes must trace
// the cutter path of the example cams within the fit tolerance and the output rounding.
#include "files/NcProgram.h"

#include "files/Examples.h"
#include "files/FilesTestSupport.h"
#include "geometry/ArcFit.h"
#include "geometry/CamSurface.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace trochix::files {
namespace {

using geometry::Point2;

struct Move {
    int g = 0;
    Point2 from, to;
    double i = 0.0, j = 0.0;
    double feed = 0.0;
};

struct Parsed {
    bool setupBeforeMoves = false; // G90, G17 and a unit word before the first move
    int unitWord = 0;              // 20 or 21
    bool m30Last = false;
    std::vector<std::string> comments;
    std::vector<std::string> blocks; // the lines outside comments
    std::vector<Move> moves;
};

// Word address reading: letters followed by numbers, comments in parentheses skipped, modal
// motion, absolute positions.
Parsed Parse(const std::string& program) {
    Parsed out;
    bool g90 = false, g17 = false;
    int motion = -1;
    double feed = 0.0;
    Point2 at;
    std::istringstream in(program);
    std::string line, last;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string code;
        for (std::size_t k = 0; k < line.size(); ++k) {
            if (line[k] == '(') {
                const std::size_t close = line.find(')', k);
                out.comments.push_back(line.substr(k + 1, close - k - 1));
                k = close;
            } else {
                code += line[k];
            }
        }
        if (code.find_first_not_of(' ') == std::string::npos)
            continue;
        out.blocks.push_back(code);
        last = code;
        Point2 to = at;
        bool moved = false;
        double i = 0.0, j = 0.0;
        const char* p = code.c_str();
        while (*p) {
            if (*p == ' ') {
                ++p;
                continue;
            }
            const char letter = *p++;
            char* end = nullptr;
            const double v = std::strtod(p, &end);
            p = end;
            switch (letter) {
            case 'G':
                if (v == 90)
                    g90 = true;
                else if (v == 17)
                    g17 = true;
                else if (v == 20 || v == 21)
                    out.unitWord = static_cast<int>(v);
                else
                    motion = static_cast<int>(v);
                break;
            case 'X': to.x = v, moved = true; break;
            case 'Y': to.y = v, moved = true; break;
            case 'I': i = v; break;
            case 'J': j = v; break;
            case 'F': feed = v; break;
            default: break;
            }
        }
        if (moved) {
            if (out.moves.empty())
                out.setupBeforeMoves = g90 && g17 && out.unitWord != 0;
            out.moves.push_back({motion, at, to, i, j, feed});
            at = to;
        }
    }
    out.m30Last = last == "M30" || last.ends_with(" M30");
    return out;
}

double Distance(Point2 a, Point2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// A dense polyline of the exact curve, scaled to program units; distances to it stand for
// distances to the curve (the chords sag far below the tolerances used here).
struct DenseCurve {
    std::vector<Point2> p;
    DenseCurve(const geometry::ClosedCurve& c, double scale, int n = 20000) {
        for (int k = 0; k <= n; ++k) {
            const Point2 q = c.at(2.0 * std::numbers::pi * k / n).p;
            p.push_back({q.x * scale, q.y * scale});
        }
    }
    double distance(Point2 q) const {
        double best = INFINITY;
        for (std::size_t k = 0; k + 1 < p.size(); ++k) {
            const Point2 a = p[k], b = p[k + 1];
            const double dx = b.x - a.x, dy = b.y - a.y;
            double t = ((q.x - a.x) * dx + (q.y - a.y) * dy) / (dx * dx + dy * dy);
            t = std::clamp(t, 0.0, 1.0);
            best = std::min(best, Distance(q, {a.x + t * dx, a.y + t * dy}));
        }
        return best;
    }
};

struct Case {
    std::unique_ptr<model::CamModel> model;
    geometry::ClosedCurve cutter;
    std::vector<geometry::FitElement> path;
    double Rc = 0.0;
};

constexpr double kFitTolerance = 1e-4;

Case ExampleCase(int n) {
    Case c;
    c.model = std::make_unique<model::CamModel>();
    model::RecordingHost host;
    model::Initialize(*c.model, host);
    EXPECT_TRUE(LoadExample(*c.model, host, n));
    const auto surface = geometry::CamSurface::Of(*c.model);
    EXPECT_TRUE(surface.has_value());
    c.Rc = c.model->RollerRadius;
    c.cutter = surface->cutter(c.Rc);
    c.path = geometry::FitArcs(c.cutter, kFitTolerance).elements;
    return c;
}

// Inch programs round to 5e-5 per coordinate. A written arc's start and end are each off by up
// to 0.71e-4 from the fit and its centre (start + rounded I, J) as much again: its two radii
// differ by at most 1.42e-4, and its points stray from the fitted arc by at most 2e-4.
constexpr double kHalfUnit = 0.5e-4;
constexpr double kRadiusRounding = 1.5e-4;
constexpr double kPointRounding = 2e-4;

TEST(NcProgram, TracesTheCutterPathOfExamples1And4) {
    for (int n : {1, 4}) {
        SCOPED_TRACE(::testing::Message() << "example " << n);
        const Case c = ExampleCase(n);
        ASSERT_FALSE(c.path.empty());
        NcSettings s = NcSettingsFor(*c.model, c.Rc, kFitTolerance);
        s.feed = 12.5;
        const Parsed p = Parse(NcProgramText(c.path, s));

        EXPECT_TRUE(p.setupBeforeMoves);
        EXPECT_EQ(p.unitWord, 20);
        EXPECT_TRUE(p.m30Last);
        // Rapid to the lead-in, feed onto the contour, the elements, feed back out.
        ASSERT_EQ(p.moves.size(), c.path.size() + 3);
        EXPECT_EQ(p.moves.front().g, 0);
        EXPECT_EQ(p.moves[1].g, 1);
        EXPECT_EQ(p.moves[1].feed, 12.5);
        EXPECT_EQ(p.moves.back().g, 1);

        const DenseCurve exact(c.cutter, 1.0);
        const Point2 start = p.moves[1].to;
        int arcs = 0;
        double worst = 0.0;
        for (std::size_t k = 2; k + 1 < p.moves.size(); ++k) {
            const Move& m = p.moves[k];
            ASSERT_TRUE(m.g == 1 || m.g == 2 || m.g == 3) << "block " << k;
            worst = std::max(worst, exact.distance(m.to));
            if (m.g == 1)
                continue;
            ++arcs;
            const Point2 centre{m.from.x + m.i, m.from.y + m.j};
            const double r = Distance(m.from, centre);
            EXPECT_NEAR(Distance(m.to, centre), r, kRadiusRounding) << "block " << k;
            // Points along the arc in its own turning sense.
            const double a0 = std::atan2(m.from.y - centre.y, m.from.x - centre.x);
            double sweep = std::atan2(m.to.y - centre.y, m.to.x - centre.x) - a0;
            if (m.g == 3 && sweep <= 0.0)
                sweep += 2.0 * std::numbers::pi;
            if (m.g == 2 && sweep >= 0.0)
                sweep -= 2.0 * std::numbers::pi;
            for (int q = 1; q < 8; ++q) {
                const double a = a0 + sweep * q / 8.0;
                const Point2 on{centre.x + r * std::cos(a), centre.y + r * std::sin(a)};
                EXPECT_LE(exact.distance(on), kFitTolerance + kPointRounding) << "block " << k;
            }
        }
        EXPECT_GT(arcs, 0);
        EXPECT_LE(worst, kFitTolerance + kHalfUnit * std::sqrt(2.0));
        // The contour closes on its start, and the lead-out returns to the lead-in point.
        EXPECT_EQ(p.moves[p.moves.size() - 2].to.x, start.x);
        EXPECT_EQ(p.moves[p.moves.size() - 2].to.y, start.y);
        const Point2 lead = p.moves.front().to;
        EXPECT_EQ(p.moves.back().to.x, lead.x);
        EXPECT_EQ(p.moves.back().to.y, lead.y);
        // The lead-in lies outside the cam, twice the cutter radius off the path.
        EXPECT_GT(std::hypot(lead.x, lead.y), std::hypot(start.x, start.y));
        EXPECT_NEAR(Distance(lead, start), 2.0 * c.Rc, 2.0 * kHalfUnit);
        EXPECT_NEAR(exact.distance(lead), 2.0 * c.Rc, kFitTolerance + 2.0 * kHalfUnit);
    }
}

// Each system's length in the program unit, by hand: in, ft = 12 in, m, cm and mm in mm.
TEST(NcProgram, WritesTheUnitOfEachSystem) {
    const Case c = ExampleCase(1);
    ASSERT_FALSE(c.path.empty());
    const double factor[] = {0.0, 1.0, 12.0, 1000.0, 10.0, 1.0};
    const Point2 exactStart = c.path.front().start;
    NcSettings s = NcSettingsFor(*c.model, c.Rc, kFitTolerance);
    s.unitSystem = 1;
    const Parsed inch = Parse(NcProgramText(c.path, s));
    for (int system = 1; system <= model::kUnitSystems; ++system) {
        SCOPED_TRACE(::testing::Message() << "system " << system);
        s.unitSystem = system;
        const Parsed p = Parse(NcProgramText(c.path, s));
        const bool metric = system >= 3;
        EXPECT_EQ(p.unitWord, metric ? 21 : 20);
        const double half = metric ? 0.5e-3 : 0.5e-4;
        ASSERT_GE(p.moves.size(), 2u);
        EXPECT_NEAR(p.moves[1].to.x, exactStart.x * factor[system], half * (1 + 1e-9));
        EXPECT_NEAR(p.moves[1].to.y, exactStart.y * factor[system], half * (1 + 1e-9));
        ASSERT_EQ(p.moves.size(), inch.moves.size());
        // Against the inch program: its rounding grows by the factor.
        const double scale = metric ? model::MillimetresPerLength(system) : factor[system];
        EXPECT_NEAR(p.moves[1].to.x, inch.moves[1].to.x * scale, half + 0.5e-4 * scale);
    }
}

TEST(NcProgram, HeaderCommentsAndLineNumbers) {
    const Case c = ExampleCase(1);
    ASSERT_FALSE(c.path.empty());
    NcSettings s = NcSettingsFor(*c.model, 0.25, kFitTolerance);
    s.modelName = "Cam (rev 2)";
    s.lineNumbers = true;
    const std::string text = NcProgramText(c.path, s);
    const Parsed p = Parse(text);
    // A comment with a parenthesis inside would have been cut short or left text behind.
    for (const std::string& line : testing::SplitLines(text)) {
        const auto open = std::count(line.begin(), line.end(), '(');
        EXPECT_EQ(open, std::count(line.begin(), line.end(), ')')) << line;
        EXPECT_LE(open, 1) << line;
    }
    std::string all;
    for (const std::string& comment : p.comments)
        all += comment + "|";
    EXPECT_NE(all.find("rev 2"), std::string::npos) << all;
    EXPECT_NE(all.find("0.25"), std::string::npos) << all;
    EXPECT_NE(all.find(std::to_string(c.path.size())), std::string::npos) << all;
    int previous = 0;
    for (const std::string& block : p.blocks) {
        ASSERT_EQ(block.front(), 'N') << block;
        const int number = std::atoi(block.c_str() + 1);
        EXPECT_GT(number, previous) << block;
        previous = number;
    }
    EXPECT_TRUE(p.m30Last);
}

TEST(NcProgram, WriterReportsFaults) {
    const Case c = ExampleCase(1);
    testing::ScratchDir dir;
    model::RecordingHost host;
    const NcSettings s = NcSettingsFor(*c.model, c.Rc, kFitTolerance);
    const std::string path = dir.file("cam.nc");
    ASSERT_TRUE(WriteNcProgram(c.path, s, path, host));
    EXPECT_EQ(testing::ReadBytes(path), NcProgramText(c.path, s));
    EXPECT_TRUE(host.messages.empty());
    // No elements: nothing written, the fault reported under the writer's name.
    EXPECT_FALSE(WriteNcProgram({}, s, dir.file("empty.nc"), host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("Export_NC_Program"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("empty.nc")));
}

} // namespace
} // namespace trochix::files
