// The host of the command-line companion: every message goes to an error stream as one line,
// prefixed with its icon word; questions take their default answer; no busy pointer.
#pragma once

#include "model/Host.h"

#include <ostream>
#include <string>

namespace trochix::batch {

class StderrHost : public model::Host {
public:
    explicit StderrHost(std::ostream& out);

    model::Answer message(const std::string& text, model::Icon icon, const std::string& title,
                          model::Buttons buttons, model::Answer defaultAnswer) override;
    void setBusy(bool) override {}
    // The local date and time of the machine.
    model::DateTime now() override;

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

// The answer a question gets without a user: its default when that is one of its buttons,
// otherwise the first button.
model::Answer DefaultAnswer(model::Buttons buttons, model::Answer defaultAnswer);

} // namespace trochix::batch
