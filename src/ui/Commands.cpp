#include "ui/Commands.h"

namespace trochix::ui {

void Commands::add(Command command, std::function<void()> handler) {
    m_handlers[static_cast<int>(command)] = std::move(handler);
}

bool Commands::isAvailable(Command command) const {
    return static_cast<bool>(m_handlers[static_cast<int>(command)]);
}

bool Commands::run(Command command) {
    // A copy: the handler may replace commands while it runs.
    const std::function<void()> handler = m_handlers[static_cast<int>(command)];
    if (!handler)
        return false;
    handler();
    return true;
}

std::function<void()> Commands::hook(Command command) {
    if (!isAvailable(command))
        return {};
    return [this, command] { run(command); };
}

} // namespace trochix::ui
