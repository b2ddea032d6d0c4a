// The program's look: one style for every screen, set once at start-up, and two small helpers
// the screens use for their headings. Frames with the property banner=true get the dark title
// background; frames with panel=true the light read-only panel background.
#pragma once

class QApplication;
class QWidget;

namespace trochix::ui {

void ApplyLook(QApplication& app);

// Scales the widget's font from the application font (e.g. 1.5 for a heading).
void SetFontScale(QWidget& widget, double factor, bool bold = false);

} // namespace trochix::ui
