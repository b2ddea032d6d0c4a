// A host for programs without screens (the batch tool, pictures rendered from the command
// line): every message goes to a stream as one line, prefixed with its icon word; questions
// take their default answer; no busy pointer.
#pragma once

#include "model/Host.h"

#include <ostream>
#include <string>

namespace trochix::model {

class StreamHost : public Host {
public:
    explicit StreamHost(std::ostream& out);

    Answer message(const std::string& text, Icon icon, const std::string& title, Buttons buttons,
                   Answer defaultAnswer) override;
    void setBusy(bool) override {}
    // The local date and time of the machine.
    DateTime now() override;

    int messageCount() const { return messages_; }
    // Messages of the common error report (critical icon): run-time faults.
    int faultCount() const { return faults_; }

private:
    std::ostream& out_;
    int messages_ = 0;
    int faults_ = 0;
};

// A message on one line: each run of line breaks ('\r', '\n') becomes " / "; breaks at the
// very end are dropped.
std::string OneLine(const std::string& text);

// The machine's local date and time.
DateTime LocalNow();

// The answer a question gets without a user: its default when that is one of its buttons,
// otherwise the first button.
Answer DefaultAnswer(Buttons buttons, Answer defaultAnswer);

} // namespace trochix::model
