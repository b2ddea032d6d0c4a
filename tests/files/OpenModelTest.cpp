// Opening a model: what is shown of a file's stored results, what --recalc recomputes, and a
// refused file or an example number out of range leaving the model as it was.
#include "files/OpenModel.h"

#include "FilesTestSupport.h"
#include "files/Examples.h"
#include "support/AccumulatedTorque.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace trochix;
using namespace trochix::files;
using namespace trochix::files::testing;
using testsupport::AccumulatedTorque;
using testsupport::TorqueRow;

namespace {

struct Opened {
    model::RecordingHost host;
    std::unique_ptr<CamModel> m = std::make_unique<CamModel>();
    Opened() { model::Initialize(*m, host); }
};

} // namespace

TEST(OpenModel, StoredTorqueIsShownAndRecalculateComputesItAgain) {
    const auto t = AccumulatedTorque(3);
    ASSERT_TRUE(t.ok);
    // The second pass added each point's torque once more.
    const std::vector<float> once = TorqueRow(*t.fresh), twice = TorqueRow(*t.accumulated);
    const float peak = *std::max_element(once.begin(), once.end());
    ASSERT_GT(peak, 0.0f);
    for (std::size_t p = 0; p < once.size(); ++p)
        ASSERT_NEAR(twice[p], 2.0f * once[p], 1e-5f * peak) << "point " << p;

    ScratchDir dir;
    const std::string path = dir.file("Shaft.cam");
    Writefile(*t.accumulated, path);

    Opened stored;
    ASSERT_EQ(OpenModel(*stored.m, {.path = path}, stored.host), OpenStatus::Opened);
    EXPECT_EQ(TorqueRow(*stored.m), twice);
    // What the file does not hold is rebuilt: the sizing extremes and the roller text.
    EXPECT_EQ(stored.m->PressMax, t.fresh->PressMax);
    EXPECT_EQ(stored.m->RhoMin, t.fresh->RhoMin);
    EXPECT_EQ(stored.m->RollerRadiusText, text::FNRoundStr(t.fresh->RollerRadius, 2));
    EXPECT_EQ(stored.m->FileName, path);

    Opened recalculated;
    ASSERT_EQ(
        OpenModel(*recalculated.m, {.path = path}, recalculated.host, OpenResults::Recalculate),
        OpenStatus::Opened);
    EXPECT_EQ(TorqueRow(*recalculated.m), once);
    EXPECT_EQ(recalculated.m->TorqueMax, t.fresh->TorqueMax);
    EXPECT_EQ(recalculated.m->RollerRadiusText, stored.m->RollerRadiusText);
}

TEST(OpenModel, ModelIsReplacedOnlyByAWholeFileOrAnExample) {
    Opened o;
    ScratchDir dir;
    const std::string good = dir.file("Good.cam");
    const auto t = AccumulatedTorque(1);
    ASSERT_TRUE(t.ok);
    Writefile(*t.fresh, good);
    ASSERT_EQ(OpenModel(*o.m, {.path = good}, o.host), OpenStatus::Opened);
    const std::vector<float> torque = TorqueRow(*o.m);

    // A file cut short and a missing file are refused; so is an example the menu lacks.
    const std::string text = ReadBytes(good);
    WriteBytes(dir.file("Cut.cam"), text.substr(0, text.size() / 2));
    const ModelSource refused[] = {
        {.path = dir.file("Cut.cam")}, {.path = dir.file("Missing.cam")}, {.example = 6}};
    for (const ModelSource& source : refused)
        for (OpenResults results : {OpenResults::Stored, OpenResults::Recalculate}) {
            SCOPED_TRACE(source.path + " " + std::to_string(source.example));
            EXPECT_EQ(OpenModel(*o.m, source, o.host, results), OpenStatus::NotOpened);
            EXPECT_EQ(o.m->FileName, good);
            EXPECT_EQ(TorqueRow(*o.m), torque);
        }

    ASSERT_EQ(OpenModel(*o.m, {.example = 2}, o.host), OpenStatus::Opened);
    EXPECT_EQ(o.m->ModelName, ExampleName[1]);
    EXPECT_TRUE(o.m->FileName.empty());
    EXPECT_TRUE(o.m->DynamicsDone);
}
