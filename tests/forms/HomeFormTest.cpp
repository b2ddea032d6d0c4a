#include "forms/HomeForm.h"
#include "model/CamModel.h"
#include "model/CommonButtons.h"
#include "model/Initialize.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace trochix::model;

// Quit and New offer to save only results never saved. New then asks for confirmation, and Cancel
// leaves the model alone; "Yes" without a save command still asks. (The buttons and menus, and
// New with its save and cancel, are driven through the home screen's own tests.)
TEST(HomeRules, SaveOfferAndConfirmation) {
    const bool quit[][4] = {{false, false, false, false},
                            {true, false, false, true},
                            {false, true, false, true},
                            {true, true, true, false},
                            {true, false, true, false}}; // svaj, profile, saved, offered
    RecordingHost host;
    auto m = std::make_unique<CamModel>();
    Initialize(*m, host);
    for (const auto& c : quit) {
        m->SvajDone = c[0];
        m->ProfileDone = c[1];
        m->ModelSaved = c[2];
        EXPECT_EQ(SaveBeforeQuit(*m), c[3]) << c[0] << c[1] << c[2];
    }
    const std::string save =
        "The current data has not been saved.  Do you want to save it before resetting?";
    const std::string confirm =
        "Please confirm your order to reset all variables to initial values";
    const struct {
        bool svaj, saved;
        std::vector<Answer> answers;
        bool reset;
        std::vector<std::string> texts;
    } cases[] = {
        {false, false, {Answer::OK}, true, {confirm}}, // right after start-up
        {true, false, {Answer::Yes, Answer::Cancel}, false, {save, confirm}},
        {true, true, {Answer::Cancel}, false, {confirm}},
    };
    for (const auto& c : cases) {
        host.clear();
        Initialize(*m, host);
        m->SvajDone = c.svaj;
        m->ModelSaved = c.saved;
        host.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(NewCommand(*m, host, {}), c.reset);
        std::vector<std::string> texts;
        for (const auto& msg : host.messages)
            texts.push_back(msg.text);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(host.messages.back().buttons, Buttons::OKCancel);
        EXPECT_EQ(m->SvajDone, c.svaj && !c.reset);
    }
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
    EXPECT_TRUE(counter.Press(host)); // the sixth visit counts from zero again
    EXPECT_EQ(counter.count(), 1);
}
