// Pieces shared by the sizing screen and the Draw Cam screen: a frame holding a pair of
// option buttons, a frame holding a value box with its unit, and a read-only result value.
#pragma once

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace trochix::ui {

// opt_<name>_0 and opt_<name>_1 in a frame captioned `caption`.
struct OptionPair {
    QGroupBox* frame = nullptr;
    QRadioButton* first = nullptr;  // element 0
    QRadioButton* second = nullptr; // element 1
    // Checks element 0 or 1 without running the handlers.
    void choose(bool firstChosen);
    bool firstChosen() const;
};
OptionPair MakeOptionPair(QWidget* parent, const char* caption, const char* name, const char* first,
                          const char* second);

// A box in its own frame with a unit label after it.
struct ValueBox {
    QGroupBox* frame = nullptr;
    QLineEdit* box = nullptr;
    QLabel* unit = nullptr;
};
ValueBox MakeValueBox(QWidget* parent, const QString& caption, const char* boxName,
                      const char* unitName);

// The look of these pieces: frames with a title, greyed boxes, result values.
QString SizingStyleSheet();

} // namespace trochix::ui
