// File and printer dialogs answered from a script. An empty script answers Cancel.
#pragma once

#include "ui/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace trochix::uitest {

class ScriptedDialogs : public ui::Dialogs {
public:
    // Paths the save and open dialogs return, in order; std::nullopt is Cancel.
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    // PDF files the printer dialog prints into, in order; std::nullopt is Cancel.
    std::deque<std::optional<std::string>> printerAnswers;

    std::vector<ui::FileRequest> saveRequests;
    std::vector<ui::FileRequest> openRequests;
    int printerRequests = 0;

    std::optional<std::string> saveFileName(const ui::FileRequest& request) override;
    std::optional<std::string> openFileName(const ui::FileRequest& request) override;
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
};

} // namespace trochix::uitest
