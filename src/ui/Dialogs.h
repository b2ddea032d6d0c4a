// The file and printer dialogs, behind an interface so that tests can answer them from a
// script (tests/ui/ScriptedDialogs.h). Cancelling a dialog is not an error: the command that
// asked ends quietly.
#pragma once

#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace trochix::ui {

struct FileRequest {
    std::string title;         // "Save the Model"
    std::string filter;        // "*.cam"
    std::string proposedName;  // "Model1.cam"
    bool overwritePrompt = true; // ask before replacing an existing file (save dialogs)
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> saveFileName(const FileRequest& request) = 0;
    virtual std::optional<std::string> openFileName(const FileRequest& request) = 0;
    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
};

class QtDialogs : public Dialogs {
public:
    std::optional<std::string> saveFileName(const FileRequest& request) override;
    std::optional<std::string> openFileName(const FileRequest& request) override;
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
};

} // namespace trochix::ui
