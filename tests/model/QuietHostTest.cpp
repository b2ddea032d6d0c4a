// The production host for work nobody watches: each question takes the answer a user would
// get by pressing Enter, and one that names no button of its set takes the first.
#include "model/QuietHost.h"

#include <gtest/gtest.h>

using namespace trochix::model;

namespace {

TEST(QuietHost, AnswersWithTheDefaultButton) {
    const struct {
        Buttons buttons;
        Answer defaultAnswer, expected;
    } cases[] = {{Buttons::OK, Answer::OK, Answer::OK},
                 {Buttons::OKCancel, Answer::Cancel, Answer::Cancel},
                 {Buttons::OKCancel, Answer::OK, Answer::OK},
                 {Buttons::YesNo, Answer::No, Answer::No},
                 {Buttons::YesNo, Answer::OK, Answer::Yes},
                 {Buttons::OKCancel, Answer::No, Answer::OK}};
    QuietHost host;
    for (const auto& c : cases)
        EXPECT_EQ(host.message("Save?", Icon::Question, DefaultTitle(), c.buttons, c.defaultAnswer),
                  c.expected);
    EXPECT_GE(host.now().year, 2024);
}

} // namespace
