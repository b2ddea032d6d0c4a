// The program's look: one style for every screen, set once at start-up, and two small helpers
// the screens use for their headings. Frames with the property banner=true get the dark title
// background; frames with panel=true the light read-only panel background.
#pragma once

#include <QString>

class QApplication;
class QWidget;

namespace trochix::ui {

void ApplyLook(QApplication& app);

// The frames (QGroupBox) of the screens: a bold dark caption over a light panel with a thin
// rounded border. Screens differ only in the inner padding (CSS order, "10px 8px 6px 8px")
// and the caption's indent; their own rules follow this text.
QString FrameStyle(const char* padding, int captionLeft);

// Scales the widget's font from the application font (e.g. 1.5 for a heading).
void SetFontScale(QWidget& widget, double factor, bool bold = false);

} // namespace trochix::ui
