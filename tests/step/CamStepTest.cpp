// The STEP plate read back by OpenCASCADE's reader and measured against the exact cam surface,
// sampled densely here and summed independently of the arc fit.
#include "step/CamStep.h"

#include "files/Examples.h"
#include "files/FilesTestSupport.h"
#include "geometry/ArcFit.h"
#include "geometry/CamSurface.h"
#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <BRepBndLib.hxx>
#include <BRepGProp.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS_Shape.hxx>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

using namespace trochix;

namespace {

constexpr double kTwoPi = 2.0 * testsupport::kTruePi;

// The exact surface at many angles: its enclosed area (shoelace) and its extent.
struct Sampled {
    double area = 0.0;
    double minX = std::numeric_limits<double>::infinity(), maxX = -minX;
    double minY = minX, maxY = -minX;
    double minRadius = minX;
};

Sampled Sample(const geometry::ClosedCurve& curve, int n) {
    Sampled s;
    std::vector<geometry::Point2> p(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const geometry::Point2 q = curve.at(kTwoPi * i / n).p;
        p[static_cast<std::size_t>(i)] = q;
        s.minX = std::min(s.minX, q.x);
        s.maxX = std::max(s.maxX, q.x);
        s.minY = std::min(s.minY, q.y);
        s.maxY = std::max(s.maxY, q.y);
        s.minRadius = std::min(s.minRadius, std::hypot(q.x, q.y));
    }
    for (std::size_t i = 0; i < p.size(); ++i) {
        const geometry::Point2& a = p[i];
        const geometry::Point2& b = p[(i + 1) % p.size()];
        s.area += 0.5 * (a.x * b.y - b.x * a.y);
    }
    // Either sense: a counter-clockwise cam's surface runs clockwise.
    s.area = std::abs(s.area);
    return s;
}

TopoDS_Shape ReadStep(const std::string& path) {
    STEPControl_Reader reader;
    if (reader.ReadFile(path.c_str()) != IFSelect_RetDone)
        return {};
    reader.TransferRoots();
    return reader.OneShape();
}

int Solids(const TopoDS_Shape& shape) {
    int n = 0;
    for (TopExp_Explorer it(shape, TopAbs_SOLID); it.More(); it.Next())
        ++n;
    return n;
}

struct Cam {
    std::vector<geometry::FitElement> contour;
    Sampled exact;
};

Cam CamOfExample(int n) {
    model::RecordingHost host;
    auto m = testsupport::ModelAtStep();
    EXPECT_TRUE(files::LoadExample(*m, host, n));
    const auto cam = geometry::CamSurface::Of(*m);
    EXPECT_TRUE(cam);
    if (!cam)
        return {};
    const geometry::ClosedCurve surface = cam->surface();
    return {geometry::FitArcs(surface, 1e-4).elements, Sample(surface, 100000)};
}

TEST(CamStep, ThePlateOfExamplesOneAndFourMatchesTheExactSurface) {
    for (int n : {1, 4}) {
        SCOPED_TRACE("example " + std::to_string(n));
        const Cam cam = CamOfExample(n);
        ASSERT_FALSE(cam.contour.empty());
        const double thickness = 0.75;
        const double bore = 0.8 * cam.exact.minRadius;
        files::testing::ScratchDir dir;
        const std::string path = dir.file("cam.step");
        model::RecordingHost host;
        ASSERT_TRUE(step::WriteCamStep(cam.contour, thickness, bore, path, host, "test"))
            << (host.messages.empty() ? "" : host.messages.back().detail);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"cam.step"});
        std::ifstream file(path);
        const std::string text((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("FILE_SCHEMA(('AUTOMOTIVE_DESIGN"), std::string::npos); // AP214

        const TopoDS_Shape shape = ReadStep(path);
        ASSERT_FALSE(shape.IsNull());
        EXPECT_EQ(Solids(shape), 1);

        // The fit strays by at most 1e-4 to either side, so the area differs far less.
        GProp_GProps props;
        BRepGProp::VolumeProperties(shape, props);
        const double expected =
            thickness * (cam.exact.area - testsupport::kTruePi * bore * bore / 4.0);
        EXPECT_NEAR(props.Mass() / expected, 1.0, 1e-4);

        Bnd_Box box;
        BRepBndLib::AddOptimal(shape, box, Standard_False, Standard_False);
        double x0, y0, z0, x1, y1, z1;
        box.Get(x0, y0, z0, x1, y1, z1);
        EXPECT_NEAR(x0, cam.exact.minX, 1e-3);
        EXPECT_NEAR(x1, cam.exact.maxX, 1e-3);
        EXPECT_NEAR(y0, cam.exact.minY, 1e-3);
        EXPECT_NEAR(y1, cam.exact.maxY, 1e-3);
        EXPECT_NEAR(z0, 0.0, 1e-6);
        EXPECT_NEAR(z1, thickness, 1e-6);
    }
}

TEST(CamStep, ABoreWiderThanTheCamIsRefusedAndWritesNoFile) {
    const Cam cam = CamOfExample(1);
    ASSERT_FALSE(cam.contour.empty());
    const double across =
        std::max(cam.exact.maxX - cam.exact.minX, cam.exact.maxY - cam.exact.minY);
    files::testing::ScratchDir dir;
    model::RecordingHost host;
    EXPECT_FALSE(
        step::WriteCamStep(cam.contour, 0.75, 1.5 * across, dir.file("cam.step"), host, "Export"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("Export"), std::string::npos) << host.messages[0].text;
    EXPECT_NE(host.messages[0].detail.find("bore"), std::string::npos) << host.messages[0].detail;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{});
}

TEST(CamStep, AContourThatDoesNotCloseIsRefused) {
    Cam cam = CamOfExample(1);
    ASSERT_GT(cam.contour.size(), 2u);
    cam.contour.pop_back();
    files::testing::ScratchDir dir;
    model::RecordingHost host;
    EXPECT_FALSE(step::WriteCamStep(cam.contour, 0.75, 0.0, dir.file("cam.step"), host, "Export"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].detail.find("does not close"), std::string::npos)
        << host.messages[0].detail;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{});
}

} // namespace
