#include "model/CamModel.h"
#include "model/HomeRules.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"
#include "model/SelectAnother.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trochix::model;

namespace {

const char* const kSaveQuestion =
    "The current data has not been saved.  Do you want to save it before resetting?";
const char* const kConfirm = "Please confirm your order to reset all variables to initial values";

std::unique_ptr<CamModel> StartedModel(RecordingHost& host) {
    auto m = std::make_unique<CamModel>();
    Initialize(*m, host);
    return m;
}

} // namespace

TEST(HomeRules, ButtonsAndFileMenuFollowTheFlags) {
    struct Case {
        bool svaj, profile;
        const char* camType;
        HomeButtons buttons; // SVAJ, SizeCam, DrawCam, Dynamics, Plot, Print, Quit
        FileMenu file;       // New, Save, SaveAs, CalculateFFT, Export
    } cases[] = {
        {false, false, "Radial", {true, false, false, false, false, false, true},
         {false, false, false, false, false}},
        {true, false, "Radial", {true, true, false, false, true, true, true},
         {true, true, true, true, false}},
        {true, true, "Radial", {true, true, true, true, true, true, true},
         {true, true, true, true, true}},
        // A barrel cam is sized and has dynamics, but is never drawn.
        {true, true, "Barrel", {true, true, false, true, true, true, true},
         {true, true, true, true, true}},
        // A profile without a motion program (not reachable by the screens) still only
        // opens what the profile allows.
        {false, true, "Radial", {true, false, true, true, false, false, true},
         {false, false, false, false, true}},
    };
    RecordingHost host;
    auto m = StartedModel(host);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.svaj << c.profile << c.camType);
        m->SvajDone = c.svaj;
        m->ProfileDone = c.profile;
        m->CamType = c.camType;
        const HomeButtons b = SetHomeButtons(*m);
        EXPECT_EQ(b.SVAJ, c.buttons.SVAJ);
        EXPECT_EQ(b.SizeCam, c.buttons.SizeCam);
        EXPECT_EQ(b.DrawCam, c.buttons.DrawCam);
        EXPECT_EQ(b.Dynamics, c.buttons.Dynamics);
        EXPECT_EQ(b.Plot, c.buttons.Plot);
        EXPECT_EQ(b.Print, c.buttons.Print);
        EXPECT_EQ(b.Quit, c.buttons.Quit);
        const FileMenu f = FileMenuEnabling(*m);
        EXPECT_EQ(f.New, c.file.New);
        EXPECT_EQ(f.Save, c.file.Save);
        EXPECT_EQ(f.SaveAs, c.file.SaveAs);
        EXPECT_EQ(f.CalculateFFT, c.file.CalculateFFT);
        EXPECT_EQ(f.Export, c.file.Export);
    }
}

TEST(HomeRules, SaveBeforeQuitOnlyForUnsavedResults) {
    struct Case {
        bool svaj, profile, saved, expected;
    } cases[] = {
        {false, false, false, false}, {true, false, false, true}, {false, true, false, true},
        {true, true, true, false},    {true, false, true, false},
    };
    RecordingHost host;
    auto m = StartedModel(host);
    for (const Case& c : cases) {
        m->SvajDone = c.svaj;
        m->ProfileDone = c.profile;
        m->ModelSaved = c.saved;
        EXPECT_EQ(SaveBeforeQuit(*m), c.expected) << c.svaj << c.profile << c.saved;
    }
}

TEST(NewCommand, RightAfterStartUpOnlyConfirms) {
    RecordingHost host;
    auto m = StartedModel(host);
    host.answers = {Answer::OK};
    int saves = 0;
    EXPECT_TRUE(NewCommand(*m, host, [&] { ++saves; }));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kConfirm);
    EXPECT_EQ(host.messages[0].buttons, Buttons::OKCancel);
    EXPECT_EQ(saves, 0);
}

TEST(NewCommand, UnsavedResultsAreOfferedForSavingFirst) {
    struct Case {
        Answer save;
        int expectedSaves;
    } cases[] = {{Answer::Yes, 1}, {Answer::No, 0}};
    for (const Case& c : cases) {
        RecordingHost host;
        auto m = StartedModel(host);
        m->SvajDone = true;
        m->ModelSaved = false;
        host.answers = {c.save, Answer::OK};
        int saves = 0;
        EXPECT_TRUE(NewCommand(*m, host, [&] { ++saves; }));
        ASSERT_EQ(host.messages.size(), 2u);
        EXPECT_EQ(host.messages[0].text, kSaveQuestion);
        EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);
        EXPECT_EQ(host.messages[1].text, kConfirm);
        EXPECT_EQ(saves, c.expectedSaves);
        EXPECT_FALSE(m->SvajDone);
    }
}

TEST(NewCommand, YesWithoutASaveCommandStillAsksForConfirmation) {
    RecordingHost host;
    auto m = StartedModel(host);
    m->SvajDone = true;
    host.answers = {Answer::Yes, Answer::Cancel};
    EXPECT_FALSE(NewCommand(*m, host, {}));
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_TRUE(m->SvajDone);
}

TEST(NewCommand, SavedModelIsNotOfferedForSaving) {
    RecordingHost host;
    auto m = StartedModel(host);
    m->SvajDone = true;
    m->ModelSaved = true;
    host.answers = {Answer::Cancel};
    EXPECT_FALSE(NewCommand(*m, host, {}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kConfirm);
}

TEST(SelectAnother, FifthPressShowsTheStackMessageAndStartsAgain) {
    RecordingHost host;
    SelectAnotherCounter counter;
    for (int press = 1; press <= 4; ++press)
        EXPECT_TRUE(counter.Press(host)) << press;
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(counter.Press(host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "The memory stack is getting full.\r"
                                     "Will now exit this form to clear the stack. \r"
                                     " You can re-enter it from the Home screen to plot more.");
    EXPECT_EQ(host.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(counter.count(), 0);
    // The sixth visit counts from zero again.
    EXPECT_TRUE(counter.Press(host));
    EXPECT_EQ(counter.count(), 1);
}
