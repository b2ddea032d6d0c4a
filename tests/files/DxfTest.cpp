// The cam drawing read back by an independent reader (ezdxf, through tests/files/
// dxf_readback.py) and compared with the exact cam surface of every example.
#include "files/DxfDrawing.h"

#include "files/CamFiles.h"
#include "files/Examples.h"
#include "files/FilesTestSupport.h"
#include "geometry/ArcFit.h"
#include "geometry/BarrelDevelopment.h"
#include "geometry/CamSurface.h"
#include "geometry/MachinedCam.h"
#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace trochix;
using geometry::ClosedCurve;
using geometry::Point2;

namespace {

constexpr double kTwoPi = 2.0 * testsupport::kTruePi;

struct Entity {
    std::string type, layer;
    std::vector<double> v;
};

struct ReadBack {
    int status = -1;
    std::string version, layers;
    std::vector<Entity> entities;
    std::string output;
};

ReadBack ReadWithEzdxf(const std::string& path) {
    ReadBack r;
    const std::string command =
        "/usr/bin/python3 '" TROCHIX_SOURCE_DIR "/tests/files/dxf_readback.py' '" + path + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return r;
    char buf[4096];
    while (std::fgets(buf, sizeof buf, pipe))
        r.output += buf;
    r.status = ::pclose(pipe);
    std::istringstream in(r.output);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == "VERSION") {
            words >> r.version;
        } else if (first == "LAYERS") {
            words >> r.layers;
        } else {
            Entity e{first, {}, {}};
            words >> e.layer;
            for (double x; words >> x;)
                e.v.push_back(x);
            r.entities.push_back(e);
        }
    }
    return r;
}

double Dist(Point2 a, Point2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// An entity's ends and points along it, from the values the reader gave.
Point2 ArcPoint(const Entity& e, double deg) {
    const double a = deg * testsupport::kTruePi / 180.0;
    return {e.v[0] + e.v[2] * std::cos(a), e.v[1] + e.v[2] * std::sin(a)};
}
double ArcSpan(const Entity& e) {
    double span = e.v[4] - e.v[3];
    return span <= 0.0 ? span + 360.0 : span;
}
std::vector<Point2> Along(const Entity& e, int n) {
    std::vector<Point2> out;
    for (int i = 0; i <= n; ++i) {
        const double f = static_cast<double>(i) / n;
        if (e.type == "LINE")
            out.push_back({e.v[0] + f * (e.v[2] - e.v[0]), e.v[1] + f * (e.v[3] - e.v[1])});
        else
            out.push_back(ArcPoint(e, e.v[3] + f * ArcSpan(e)));
    }
    return out;
}

double DistanceToEntity(const Entity& e, Point2 q) {
    if (e.type == "LINE") {
        const Point2 a{e.v[0], e.v[1]}, b{e.v[2], e.v[3]};
        const double dx = b.x - a.x, dy = b.y - a.y;
        double f = ((q.x - a.x) * dx + (q.y - a.y) * dy) / (dx * dx + dy * dy);
        f = std::clamp(f, 0.0, 1.0);
        return Dist(q, {a.x + f * dx, a.y + f * dy});
    }
    double deg = std::atan2(q.y - e.v[1], q.x - e.v[0]) * 180.0 / testsupport::kTruePi - e.v[3];
    while (deg < 0.0)
        deg += 360.0;
    if (deg <= ArcSpan(e))
        return std::fabs(Dist(q, {e.v[0], e.v[1]}) - e.v[2]);
    return std::min(Dist(q, ArcPoint(e, e.v[3])), Dist(q, ArcPoint(e, e.v[4])));
}

// Distance from q to the exact curve: the nearest of a dense sampling, refined by a ternary
// search about it.
class NearestOnCurve {
public:
    explicit NearestOnCurve(const ClosedCurve& c) : curve_(c) {
        for (int i = 0; i < kSamples; ++i)
            points_.push_back(c.at(kTwoPi * i / kSamples).p);
    }
    double operator()(Point2 q) const {
        int best = 0;
        for (int i = 1; i < kSamples; ++i)
            if (Dist(points_[i], q) < Dist(points_[best], q))
                best = i;
        double lo = kTwoPi * (best - 1) / kSamples, hi = kTwoPi * (best + 1) / kSamples;
        const auto d = [&](double t) {
            return Dist(curve_.at(std::fmod(t + kTwoPi, kTwoPi)).p, q);
        };
        for (int k = 0; k < 80; ++k) {
            const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
            (d(m1) < d(m2) ? hi : lo) = d(m1) < d(m2) ? m2 : m1;
        }
        return d((lo + hi) / 2);
    }

private:
    static constexpr int kSamples = 8000;
    const ClosedCurve& curve_;
    std::vector<Point2> points_;
};

TEST(Dxf, EveryExampleReadsBackWithinTheToleranceOfItsSurface) {
    constexpr double kTolerance = 1e-4;
    constexpr double kRoundTrip = 1e-9;
    for (int n = 1; n <= files::kExampleCount; ++n) {
        SCOPED_TRACE("example " + std::to_string(n));
        model::RecordingHost host;
        auto m = testsupport::ModelAtStep();
        ASSERT_TRUE(files::LoadExample(*m, host, n));
        const auto cam = geometry::CamSurface::Of(*m);
        ASSERT_TRUE(cam);
        const ClosedCurve surface = cam->surface();
        const geometry::ArcFitResult fit = geometry::FitArcs(surface, kTolerance);
        files::DxfDrawing drawing{"in",
                                  fit.elements,
                                  geometry::FitArcs(cam->pitch(), kTolerance).elements,
                                  m->PrimeRadius,
                                  0.5,
                                  {},
                                  0.0};
        files::testing::ScratchDir dir;
        ASSERT_TRUE(files::WriteDxf(drawing, dir.file("cam.dxf"), host, "test"));
        const ReadBack r = ReadWithEzdxf(dir.file("cam.dxf"));
        ASSERT_EQ(r.status, 0) << r.output;
        EXPECT_EQ(r.version, "AC1009");
        // The reader adds its own standard layers beside ours.
        for (const char* layer : {"BORE", "CAM", "CENTRE", "PITCH", "PRIME"})
            EXPECT_NE(("," + r.layers + ",").find(std::string(",") + layer + ","),
                      std::string::npos)
                << layer << " in " << r.layers;

        std::vector<Entity> contour;
        int primes = 0, bores = 0, centres = 0;
        for (const Entity& e : r.entities) {
            if (e.layer == "CAM") {
                ASSERT_TRUE(e.type == "LINE" || e.type == "ARC") << e.type;
                contour.push_back(e);
            } else if (e.layer == "PRIME") {
                EXPECT_EQ(e.type, "CIRCLE");
                EXPECT_NEAR(e.v[2], m->PrimeRadius, kRoundTrip);
                ++primes;
            } else if (e.layer == "BORE") {
                EXPECT_NEAR(e.v[2], 0.25, kRoundTrip);
                ++bores;
            } else if (e.layer == "CENTRE") {
                EXPECT_EQ(e.type, "POINT");
                EXPECT_NEAR(std::hypot(e.v[0], e.v[1]), 0.0, kRoundTrip);
                ++centres;
            }
        }
        EXPECT_EQ(primes + bores + centres, 3);
        ASSERT_EQ(contour.size(), fit.elements.size());

        // One closed contour: each entity shares an end with the next, the last with the first.
        const auto ends = [](const Entity& e) {
            const std::vector<Point2> p = Along(e, 1);
            return std::pair{p.front(), p.back()};
        };
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const auto [a0, a1] = ends(contour[i]);
            const auto [b0, b1] = ends(contour[(i + 1) % contour.size()]);
            const double gap = std::min({Dist(a0, b0), Dist(a0, b1), Dist(a1, b0), Dist(a1, b1)});
            EXPECT_LT(gap, kRoundTrip) << i;
        }
        // The drawing lies within the tolerance of the exact surface, and the surface of it.
        const NearestOnCurve toSurface(surface);
        double worst = 0.0;
        for (const Entity& e : contour)
            for (Point2 p : Along(e, 12))
                worst = std::max(worst, toSurface(p));
        for (int i = 0; i < 1440; ++i) {
            const Point2 q = surface.at(kTwoPi * i / 1440).p;
            double d = std::numeric_limits<double>::infinity();
            for (const Entity& e : contour)
                d = std::min(d, DistanceToEntity(e, q));
            worst = std::max(worst, d);
        }
        EXPECT_LE(worst, kTolerance * (1.0 + 1e-3));
    }
}

// A barrel cam's development read back: both walls on CAM, each a chain of lines and arcs from
// the sheet's edge x = 0 to its other edge x = 2 pi Rp, within the tolerance of the exact wall
// (the wall at each cam angle sampled, and each entity's points taken to the nearest of them),
// and the two edges of the sheet on PRIME.
TEST(Dxf, BarrelGrooveReadsBackAsItsDevelopment) {
    model::RecordingHost host;
    auto m = testsupport::ModelAtStep();
    ASSERT_TRUE(files::LoadExample(*m, host, 3));
    m->CamType = "Barrel";
    geometry::MakeCamSettings settings = geometry::SettingsOf(*m);
    settings.tolerance = 1e-4;
    const geometry::MachinedCam cam = geometry::MakeCam(*m, settings);
    ASSERT_TRUE(cam.ok) << cam.refusal;
    files::testing::ScratchDir dir;
    ASSERT_TRUE(files::WriteCamFile(*m, cam, settings, files::CamFileFormat::Dxf,
                                    dir.file("groove.dxf"), host));
    const ReadBack r = ReadWithEzdxf(dir.file("groove.dxf"));
    ASSERT_EQ(r.status, 0) << r.output;
    const auto groove = geometry::BarrelDevelopment::Of(*m);
    ASSERT_TRUE(groove);
    const double L = groove->circumference(), Rr = m->RollerRadius;
    std::vector<Entity> walls;
    std::vector<double> edges;
    for (const Entity& e : r.entities) {
        if (e.layer == "CAM")
            walls.push_back(e);
        if (e.layer == "PRIME") {
            ASSERT_EQ(e.type, "LINE");
            EXPECT_NEAR(e.v[0], e.v[2], 1e-12);
            edges.push_back(e.v[0]);
        }
    }
    EXPECT_EQ(walls.size(), cam.surface.size() + cam.otherWall.size());
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_NEAR(edges[0], 0.0, 1e-12);
    EXPECT_NEAR(edges[1], L, 1e-9);

    // The nearest of a sampling of both walls, refined by a ternary search about it.
    constexpr int kSamples = 4000;
    const auto nearest = [&](Point2 p) {
        double best = INFINITY, at = 0.0, side = 1.0;
        for (double s : {1.0, -1.0})
            for (int i = 0; i <= kSamples; ++i) {
                const double t = kTwoPi * i / kSamples;
                const double d = Dist(p, groove->offsetAt(t, s * Rr).p);
                if (d < best) {
                    best = d;
                    at = t;
                    side = s;
                }
            }
        double lo = at - kTwoPi / kSamples, hi = at + kTwoPi / kSamples;
        const auto d = [&](double t) { return Dist(p, groove->offsetAt(t, side * Rr).p); };
        for (int k = 0; k < 60; ++k) {
            const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
            (d(m1) < d(m2) ? hi : lo) = d(m1) < d(m2) ? m2 : m1;
        }
        return std::min(best, d(0.5 * (lo + hi)));
    };
    double worst = 0.0, xMin = INFINITY, xMax = -INFINITY;
    for (const Entity& e : walls)
        for (Point2 p : Along(e, 8)) {
            worst = std::max(worst, nearest(p));
            xMin = std::min(xMin, p.x);
            xMax = std::max(xMax, p.x);
        }
    EXPECT_LE(worst, 1e-4 * (1.0 + 1e-3));
    EXPECT_NEAR(xMin, 0.0, 1e-9);
    EXPECT_NEAR(xMax, L, 1e-9);
}

} // namespace
