#include "model/CommonButtons.h"

#include "model/Host.h"

namespace trochix::model {

namespace {
constexpr int kMaxReselections = 4;
}

void ShowCopyHint(Host& host) {
    host.message("Use the Alt-PrintScrn key combo to copy the screen to the clipboard",
                 Icon::Information, DefaultTitle());
}

bool SelectAnotherCounter::Press(Host& host) {
    ++m_count;
    if (m_count <= kMaxReselections)
        return true;
    host.message("The memory stack is getting full.\r"
                 "Will now exit this form to clear the stack. \r"
                 " You can re-enter it from the Home screen to plot more.",
                 Icon::Exclamation, DefaultTitle());
    m_count = 0;
    return false;
}

} // namespace trochix::model
