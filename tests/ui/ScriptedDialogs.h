// File and printer dialogs answered from a script. An empty script answers Cancel.
#pragma once

#include "ui/Dialogs.h"

#include <QPrinter>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace trochix::uitest {

class ScriptedDialogs : public ui::Dialogs {
public:
    // Paths the save and open dialogs return, and PDF files the printer dialog prints into, in
    // order; std::nullopt is Cancel.
    using Script = std::deque<std::optional<std::string>>;
    Script saveAnswers, openAnswers, printerAnswers;

    std::vector<ui::FileRequest> saveRequests, openRequests;
    int printerRequests = 0;

    std::optional<std::string> saveFileName(const ui::FileRequest& request) override {
        saveRequests.push_back(request);
        return Next(saveAnswers);
    }
    std::optional<std::string> openFileName(const ui::FileRequest& request) override {
        openRequests.push_back(request);
        return Next(openAnswers);
    }
    bool choosePrinter(QPrinter& printer, QWidget*) override {
        ++printerRequests;
        const std::optional<std::string> pdf = Next(printerAnswers);
        if (!pdf)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(*pdf));
        return true;
    }

private:
    static std::optional<std::string> Next(Script& script) {
        if (script.empty())
            return std::nullopt;
        std::optional<std::string> answer = script.front();
        script.pop_front();
        return answer;
    }
};

} // namespace trochix::uitest
