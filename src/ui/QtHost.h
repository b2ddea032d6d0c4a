// The program's Host: message boxes, the busy pointer and the system clock.
#pragma once

#include "model/Host.h"

#include <QMessageBox>
#include <QString>

namespace trochix::ui {

class QtHost : public model::Host {
public:
    ~QtHost() override;

    model::Answer message(const std::string& text, model::Icon icon, const std::string& title,
                          model::Buttons buttons, model::Answer defaultAnswer) override;
    // The busy pointer does not nest: one setBusy(false) always restores the normal pointer.
    void setBusy(bool busy) override;
    model::DateTime now() override;
    // The detail goes into the box's details, shown on request.
    void errorMessage(const std::string& text, const std::string& detail) override;

    bool isBusy() const { return m_busy; }

private:
    model::Answer Show(const std::string& text, model::Icon icon, const std::string& title,
                       model::Buttons buttons, model::Answer defaultAnswer,
                       const std::string& detail);

    bool m_busy = false;
};

// The pieces of a message box, kept apart so they can be checked without showing a box.
QMessageBox::Icon MessageBoxIcon(model::Icon icon);
QString MessageBoxText(const std::string& text); // '\r' (and "\r\n") become line breaks

// Builds the box message() shows; the caller owns it. A detail becomes the box's detailed
// text.
QMessageBox* MakeMessageBox(const std::string& text, model::Icon icon, const std::string& title,
                            model::Buttons buttons, model::Answer defaultAnswer,
                            QWidget* parent = nullptr, const std::string& detail = {});
model::Answer AnswerOf(QMessageBox::StandardButton button);

} // namespace trochix::ui
