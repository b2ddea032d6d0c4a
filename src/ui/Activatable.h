// A screen that refreshes itself from the model whenever it comes to the front: each time the
// navigator shows it, and again when a screen it opened closes. Both the modal screens
// (ScreenBase) and the home screen implement it.
#pragma once

namespace trochix::ui {

class Activatable {
public:
    virtual ~Activatable() = default;
    // Fills the controls from the model (under a QSignalBlocker, so that filling does not run
    // change handlers).
    virtual void activate() = 0;
};

} // namespace trochix::ui
