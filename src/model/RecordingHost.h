// A Host that records every message and answers from a script: for tests and for
// the command-line companion.
#pragma once

#include "model/Host.h"

#include <deque>
#include <string>
#include <vector>

namespace trochix::model {

struct RecordedMessage {
    std::string text;
    Icon icon;
    std::string title;
    Buttons buttons;
    std::string detail; // the error report's words about the cause
};

class RecordingHost : public Host {
public:
    Answer message(const std::string& text, Icon icon, const std::string& title, Buttons buttons,
                   Answer defaultAnswer) override;
    void setBusy(bool busy) override;
    void errorMessage(const std::string& text, const std::string& detail) override;
    DateTime now() override { return clock; }

    // Answers given to the next questions, in order; when empty, the default answer is given.
    std::deque<Answer> answers;
    std::vector<RecordedMessage> messages;
    std::vector<bool> busyCalls;
    bool busy = false;
    DateTime clock{2026, 12, 8, 9, 30, 5};

    const std::string& lastText() const;
    void clear() { messages.clear(); busyCalls.clear(); }
};

} // namespace trochix::model
