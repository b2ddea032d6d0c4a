#include "model/StreamHost.h"

#include <chrono>
#include <ctime>

namespace trochix::model {

StreamHost::StreamHost(std::ostream& out) : out_(out) {}

std::string OneLine(const std::string& text) {
    std::string line;
    bool pendingBreak = false;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            pendingBreak = true;
            continue;
        }
        if (pendingBreak)
            line += " / ";
        pendingBreak = false;
        line += c;
    }
    return line;
}

Answer DefaultAnswer(Buttons buttons, Answer defaultAnswer) {
    switch (buttons) {
    case Buttons::OK: return Answer::OK;
    case Buttons::OKCancel: return defaultAnswer == Answer::Cancel ? Answer::Cancel : Answer::OK;
    case Buttons::YesNo: return defaultAnswer == Answer::No ? Answer::No : Answer::Yes;
    }
    return model::FirstAnswer(buttons);
}

Answer StreamHost::message(const std::string& text, Icon icon, const std::string&, Buttons buttons,
                           Answer defaultAnswer) {
    ++messages_;
    if (icon == Icon::Critical)
        ++faults_;
    out_ << IconWord(icon) << ": " << OneLine(text) << '\n';
    out_.flush();
    return DefaultAnswer(buttons, defaultAnswer);
}

DateTime StreamHost::now() {
    return LocalNow();
}

DateTime LocalNow() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace trochix::model
