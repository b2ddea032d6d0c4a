// Opening a model file: its stored results shown as they are, or all recomputed. (A refused
// file leaving the model alone is tested through File > Open in the screens' tests.)
#include "files/OpenModel.h"

#include "FilesTestSupport.h"
#include "forms/InputDataForm.h"
#include "support/AccumulatedTorque.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

using namespace trochix;
using namespace trochix::files;
using testsupport::TorqueRow;

TEST(OpenModel, StoredTorqueIsShownAndRecalculateComputesItAgain) {
    const auto t = testsupport::AccumulatedTorque(3);
    ASSERT_TRUE(t.ok);
    // The second pass added each point's torque once more.
    const std::vector<float> once = TorqueRow(*t.fresh), twice = TorqueRow(*t.accumulated);
    const float peak = *std::max_element(once.begin(), once.end());
    ASSERT_GT(peak, 0.0f);
    for (std::size_t p = 0; p < once.size(); ++p)
        ASSERT_NEAR(twice[p], 2.0f * once[p], 1e-5f * peak) << "point " << p;
    files::testing::ScratchDir dir;
    const std::string path = dir.file("Shaft.cam");
    Writefile(*t.accumulated, path);

    for (OpenResults results : {OpenResults::Stored, OpenResults::Recalculate}) {
        model::RecordingHost host;
        auto m = std::make_unique<CamModel>();
        model::Initialize(*m, host);
        ASSERT_EQ(OpenModel(*m, {.path = path}, host, results), OpenStatus::Opened);
        EXPECT_EQ(TorqueRow(*m), results == OpenResults::Stored ? twice : once);
        // What the file does not hold is rebuilt either way.
        EXPECT_EQ(m->PressMax, t.fresh->PressMax);
        EXPECT_EQ(m->RhoMin, t.fresh->RhoMin);
        EXPECT_EQ(m->RollerRadiusText, text::FNRoundStr(t.fresh->RollerRadius, 2));
    }
}

// A model opened with its motion program brings the points of every row: the input screen
// shows each row calculated (Plot and Print, not Calc), and Done is available at once. Rows
// beyond the segment count stay uncalculated.
TEST(OpenModel, RowsOfAnOpenedProgramAreCalculated) {
    files::testing::ScratchDir dir;
    const std::string path = dir.file("Example.cam");
    {
        model::RecordingHost host;
        auto m = std::make_unique<CamModel>();
        model::Initialize(*m, host);
        ASSERT_EQ(OpenModel(*m, {.example = 5}, host), OpenStatus::Opened);
        EXPECT_EQ(std::count(m->SegDone.begin(), m->SegDone.end(), true), 8);
        Writefile(*m, path);
    }
    for (OpenResults results : {OpenResults::Stored, OpenResults::Recalculate}) {
        model::RecordingHost host;
        auto m = std::make_unique<CamModel>();
        model::Initialize(*m, host);
        ASSERT_EQ(OpenModel(*m, {.path = path}, host, results), OpenStatus::Opened);
        ASSERT_EQ(m->NumSegments, 8);
        motion::InputScreenState st = motion::LoadInputScreen();
        motion::SyncScreenState(*m, st);
        for (int row = 0; row < model::kMaxSegments; ++row) {
            SCOPED_TRACE(row);
            const bool used = row < 8;
            EXPECT_EQ(m->SegDone[row], used);
            EXPECT_FALSE(st.Rows[row].CalcEnabled);
            EXPECT_EQ(st.Rows[row].PlotEnabled, used);
            EXPECT_EQ(st.Rows[row].PrintEnabled, used);
        }
        EXPECT_TRUE(st.DoneEnabled);
    }
}

// A file named on the command line: what is wrong with it is said in plain words.
TEST(OpenModel, NamedFileProblemSaysWhatIsWrong) {
    files::testing::ScratchDir dir;
    const std::string good = dir.file("good.cam"), missing = dir.file("missing.cam");
    std::ofstream(good) << "x";
    EXPECT_EQ(NamedFileProblem(good), "");
    EXPECT_EQ(NamedFileProblem(missing), "The model file " + missing + " does not exist.");
    EXPECT_EQ(NamedFileProblem(""), "The model file  does not exist.");
    const std::string dangling = dir.file("dangling.cam");
    std::filesystem::create_symlink(missing, dangling);
    EXPECT_EQ(NamedFileProblem(dangling), "The model file " + dangling + " does not exist.");
    EXPECT_EQ(NamedFileProblem(dir.file("")),
              "The model file " + dir.file("") + " is a folder, not a model file.");
    EXPECT_EQ(NamedFileProblem(good + "/x.cam"),
              "The model file " + good + "/x.cam does not exist.");
    // Root reads every file whatever its mode.
    if (geteuid() != 0) {
        ASSERT_EQ(chmod(good.c_str(), 0), 0);
        EXPECT_EQ(NamedFileProblem(good),
                  "The model file " + good + " cannot be read (Permission denied).");
    }
}
