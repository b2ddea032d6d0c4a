// How the core talks to the user: every message box, the busy pointer and the clock.
// The Qt program implements it with message boxes; tests use RecordingHost.
#pragma once

#include <functional>
#include <string>

namespace trochix::model {

enum class Icon { None, Information, Exclamation, Warning, Question, Critical };
enum class Buttons { OK, OKCancel, YesNo };
enum class Answer { OK, Cancel, Yes, No };

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class Host {
public:
    virtual ~Host() = default;
    // Shows text (line breaks are single '\r') and waits for an answer.
    // defaultAnswer is the button that has the focus (and what a script-free host answers).
    virtual Answer message(const std::string& text, Icon icon, const std::string& title,
                           Buttons buttons = Buttons::OK, Answer defaultAnswer = Answer::OK) = 0;
    virtual void setBusy(bool busy) = 0;
    virtual DateTime now() = 0;

    // Closes every screen back to the home screen: the common error report's answer to running
    // out of memory. A front end with screens sets where that leads (the navigator does);
    // without one it does nothing.
    void returnHome() {
        if (m_returnHome)
            m_returnHome();
    }
    void setReturnHome(std::function<void()> toHome) { m_returnHome = std::move(toHome); }

private:
    std::function<void()> m_returnHome;
};

// The busy pointer for as long as it lives: restored however the computation ends.
class BusyScope {
public:
    explicit BusyScope(Host& host) : m_host(host) { m_host.setBusy(true); }
    ~BusyScope() { m_host.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Host& m_host;
};

// The title message boxes get when the program names none.
inline const std::string& DefaultTitle() {
    static const std::string title = "TROCHIX for Windows";
    return title;
}

const char* IconWord(Icon icon);

// The first button of a button set: what a question answers unless told otherwise.
Answer FirstAnswer(Buttons buttons);

} // namespace trochix::model

namespace trochix::model {
// "12-08-2026" and "09:30:05": the date and time stamps of calculations and files.
std::string DateText(const DateTime& t);
std::string TimeText(const DateTime& t);
} // namespace trochix::model
