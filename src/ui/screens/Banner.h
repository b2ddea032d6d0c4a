// The program's banner (heading, name and release line) shared by the title card and the
// About screen.
#pragma once

class QFrame;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace trochix::ui {

struct Banner {
    QFrame* panel;
    QVBoxLayout* layout; // for anything a screen adds below the release line
    QLabel* version;     // lbl_Version, filled by the screen
};

// scale 1 is the title card's size; the About screen uses a smaller one.
Banner MakeBanner(QWidget* parent, const char* panelName, double scale);

} // namespace trochix::ui
