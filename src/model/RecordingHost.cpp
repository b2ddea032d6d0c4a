#include "model/RecordingHost.h"

namespace trochix::model {

Answer RecordingHost::message(const std::string& text, Icon icon, const std::string& title,
                              Buttons buttons, Answer defaultAnswer) {
    messages.push_back({text, icon, title, buttons, {}});
    if (buttons == Buttons::OK)
        return Answer::OK;
    if (!answers.empty()) {
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return defaultAnswer == Answer::OK && buttons == Buttons::YesNo ? Answer::Yes : defaultAnswer;
}

void RecordingHost::errorMessage(const std::string& text, const std::string& detail) {
    message(text, Icon::Critical, DefaultTitle(), Buttons::OK, Answer::OK);
    messages.back().detail = detail;
}

void RecordingHost::setBusy(bool b) {
    busy = b;
    busyCalls.push_back(b);
}

const std::string& RecordingHost::lastText() const {
    static const std::string none;
    return messages.empty() ? none : messages.back().text;
}

} // namespace trochix::model
