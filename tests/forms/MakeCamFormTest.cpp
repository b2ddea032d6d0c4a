// The Make Cam boxes and summary: every bad entry refused with its message and the model's
// value back in the box, good entries kept, and the summary saying what the file will hold.
#include "forms/MakeCamForm.h"
#include "files/Examples.h"
#include "geometry/CamBody.h"
#include "model/CamModel.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace trochix;
using namespace trochix::geometry;
using model::RecordingHost;

TEST(MakeCamForm, BadEntriesAreRefusedAndTheModelsValueComesBack) {
    auto m = testsupport::ExampleModel(1);
    const MakeCamBoxes before = MakeCamBoxesOf(*m);
    const struct {
        MakeCamField field;
        const char* text;
        const char* message;
    } cases[] = {
        {MakeCamField::Cutter, "abc", "Cutter Radius must be a positive length."},
        {MakeCamField::Cutter, "0", "Cutter Radius must be a positive length."},
        {MakeCamField::Tolerance, "-0.001", "Tolerance must be a positive length."},
        {MakeCamField::Tolerance, "1e-3x", "Tolerance must be a positive length."},
        {MakeCamField::Thickness, "", "Plate Thickness must be a positive length."},
        {MakeCamField::Bore, "-1", "Bore Diameter must be 0 (no bore) or a positive length."},
        {MakeCamField::Bore, "one", "Bore Diameter must be 0 (no bore) or a positive length."},
    };
    for (const auto& c : cases) {
        RecordingHost host;
        m->ModelSaved = true;
        const MakeCamCommit r = CommitMakeCamField(*m, host, c.field, c.text);
        EXPECT_FALSE(r.accepted) << c.text;
        ASSERT_EQ(host.messages.size(), 1u) << c.text;
        EXPECT_EQ(host.messages[0].text, c.message);
        EXPECT_EQ(host.messages[0].icon, model::Icon::Exclamation);
        EXPECT_TRUE(m->ModelSaved) << "a refusal changes nothing";
    }
    const MakeCamBoxes after = MakeCamBoxesOf(*m);
    EXPECT_EQ(after.cutter, before.cutter);
    EXPECT_EQ(after.tolerance, before.tolerance);
    EXPECT_EQ(after.thickness, before.thickness);
    EXPECT_EQ(after.bore, "0");

    // A tolerance as coarse as the cam, and a bore wider than the cam, make no sense.
    RecordingHost host;
    EXPECT_FALSE(CommitMakeCamField(*m, host, MakeCamField::Tolerance, "0.5").accepted);
    EXPECT_EQ(host.messages.back().text,
              "Tolerance must be smaller than a tenth of the prime radius (.3).");
    const auto body = CamBodyOf(*m);
    ASSERT_TRUE(body);
    double inner = INFINITY;
    for (Point2 p : body->outline)
        inner = std::min(inner, std::hypot(p.x, p.y));
    const MakeCamCommit wide =
        CommitMakeCamField(*m, host, MakeCamField::Bore, std::to_string(2.0 * inner + 0.01));
    EXPECT_FALSE(wide.accepted);
    EXPECT_EQ(wide.boxText, "0");
    EXPECT_NE(host.messages.back().text.find("smallest diameter of the cam surface"),
              std::string::npos);
}

TEST(MakeCamForm, GoodEntriesGoIntoTheModelAndTheSettings) {
    auto m = testsupport::ExampleModel(1);
    RecordingHost host;
    m->ModelSaved = true;
    const MakeCamCommit c = CommitMakeCamField(*m, host, MakeCamField::Cutter, " 0.5 ");
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.boxText, ".5");
    EXPECT_FALSE(m->ModelSaved);
    EXPECT_TRUE(CommitMakeCamField(*m, host, MakeCamField::Tolerance, "1e-4").accepted);
    EXPECT_TRUE(CommitMakeCamField(*m, host, MakeCamField::Thickness, "0.75").accepted);
    EXPECT_TRUE(CommitMakeCamField(*m, host, MakeCamField::Bore, "1").accepted);
    EXPECT_TRUE(host.messages.empty());
    const MakeCamSettings s = SettingsOf(*m);
    EXPECT_DOUBLE_EQ(s.cutterRadius, 0.5);
    EXPECT_NEAR(s.tolerance, 1e-4, 1e-10);
    EXPECT_DOUBLE_EQ(s.thickness, 0.75);
    EXPECT_DOUBLE_EQ(s.bore, 1.0);
}

TEST(MakeCamForm, SummaryOfAGoodCamAndOfAnUndercutOne) {
    auto m = testsupport::ExampleModel(1);
    MakeCamSettings s = SettingsOf(*m);
    const MachinedCam cam = MakeCam(*m, s);
    ASSERT_TRUE(cam.ok);
    const MakeCamSummary good = SummaryOf(*m, cam);
    EXPECT_FALSE(good.refused);
    ASSERT_GE(good.lines.size(), 6u);
    EXPECT_EQ(good.lines[0], "Surface: " + std::to_string(cam.surface.size()) + " arcs and lines");
    EXPECT_EQ(good.lines[1],
              "Cutter path: " + std::to_string(cam.cutterPath.size()) + " arcs and lines");
    EXPECT_EQ(good.lines[2].rfind("Largest deviation: ", 0), 0u);
    EXPECT_NE(good.lines[2].find(" in"), std::string::npos) << good.lines[2];
    EXPECT_EQ(good.lines[3], "Undercut: none");
    EXPECT_EQ(good.lines[4].rfind("As made, S error: ", 0), 0u);

    m->RollerRadius = 2.5f;
    s = SettingsOf(*m);
    const MachinedCam undercut = MakeCam(*m, s);
    const MakeCamSummary bad = SummaryOf(*m, undercut);
    EXPECT_TRUE(bad.refused);
    EXPECT_EQ(bad.lines[0], undercut.undercut.message);
    EXPECT_EQ(bad.lines[1], "Undercut: " + undercut.undercutText);
    s.allowUndercut = true;
    EXPECT_FALSE(SummaryOf(*m, MakeCam(*m, s)).refused);
}
