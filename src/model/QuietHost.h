// A host for work nobody watches, such as a selection filled from codes already checked: every
// message takes its default answer and is neither shown nor kept; no busy pointer.
#pragma once

#include "model/Host.h"

namespace trochix::model {

class QuietHost : public Host {
public:
    Answer message(const std::string& text, Icon icon, const std::string& title, Buttons buttons,
                   Answer defaultAnswer) override;
    void setBusy(bool) override {}
    // The local date and time of the machine.
    DateTime now() override;
};

} // namespace trochix::model
