// The home screen's menu commands that other modules provide: the file commands and the
// example models. A module adds its handler once at start-up, from RegisterAll
// (ui/Catalog.cpp):
//
//   ctx.commands.add(Command::SaveAs, [&ctx] { SaveAsCommand(ctx); });
//
// The menu entry lights up as soon as its command exists. Each handler catches its own faults
// and reports them under its own name ("frm_Homescreen.SaveAs"). Save As is also what New and
// Quit run to offer saving unsaved results.
#pragma once

#include <array>
#include <functional>

namespace trochix::ui {

enum class Command {
    Open,
    Save,
    SaveAs,
    ExportSpreadsheet,
    ExportCadkey,
    ExportProfile,
    Example1, // "&Single Dwell - Offset Translating Follower"
    Example2, // "Single Dwell - F&lat-Faced Follower"
    Example3, // "&Double Dwell - Translating Follower"
    Example4, // "Double Dwell - &Oscillating Follower"
    Example5, // "&Four Dwell - Translating Follower"
};

constexpr int kCommandCount = static_cast<int>(Command::Example5) + 1;

// Export i (0..) of the Export menu, in the order of files::kExports.
constexpr Command ExportCommand(int i) {
    return static_cast<Command>(static_cast<int>(Command::ExportSpreadsheet) + i);
}

// Example k (1..5) of the Examples menu.
constexpr Command ExampleCommand(int k) {
    return static_cast<Command>(static_cast<int>(Command::Example1) + k - 1);
}

class Commands {
public:
    void add(Command command, std::function<void()> handler);
    bool isAvailable(Command command) const;
    // Runs the command; false when it does not exist.
    bool run(Command command);
    // The command as a callable, or an empty function when it does not exist.
    std::function<void()> hook(Command command);

private:
    std::array<std::function<void()>, kCommandCount> m_handlers;
};

} // namespace trochix::ui
