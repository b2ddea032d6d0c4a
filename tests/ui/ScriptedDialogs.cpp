#include "ScriptedDialogs.h"

#include <QPrinter>

namespace trochix::uitest {

namespace {

std::optional<std::string> Next(std::deque<std::optional<std::string>>& script) {
    if (script.empty())
        return std::nullopt;
    std::optional<std::string> answer = script.front();
    script.pop_front();
    return answer;
}

} // namespace

std::optional<std::string> ScriptedDialogs::saveFileName(const ui::FileRequest& request) {
    saveRequests.push_back(request);
    return Next(saveAnswers);
}

std::optional<std::string> ScriptedDialogs::openFileName(const ui::FileRequest& request) {
    openRequests.push_back(request);
    return Next(openAnswers);
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer, QWidget*) {
    ++printerRequests;
    const std::optional<std::string> pdf = Next(printerAnswers);
    if (!pdf)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*pdf));
    return true;
}

} // namespace trochix::uitest
