#include "model/Host.h"

namespace trochix::model {

const char* IconWord(Icon icon) {
    switch (icon) {
    case Icon::Information: return "Information";
    case Icon::Exclamation: return "Exclamation";
    case Icon::Warning: return "Warning";
    case Icon::Question: return "Question";
    case Icon::Critical: return "Critical";
    case Icon::None: break;
    }
    return "Message";
}

void Host::errorMessage(const std::string& text, const std::string&) {
    message(text, Icon::Critical, DefaultTitle());
}

Answer FirstAnswer(Buttons buttons) {
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::OK;
}

} // namespace trochix::model

#include <cstdio>

namespace trochix::model {

std::string DateText(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.month, t.day, t.year);
    return buf;
}

std::string TimeText(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

} // namespace trochix::model
