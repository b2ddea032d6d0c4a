// A navigator for screen tests: ShowScreen records which screen was asked for and shows it
// without a modal loop, so the test goes on and drives the screen through its controls.
#pragma once

#include "ui/Navigator.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace trochix::uitest {

class RecordingNavigator : public ui::Navigator {
public:
    std::vector<model::ScreenId> shown;
    // What the user does while a screen is up, before ShowScreen returns to its caller.
    std::function<void(model::ScreenId, QWidget&)> onPresent;

    int timesShown(model::ScreenId id) const {
        return static_cast<int>(std::count(shown.begin(), shown.end(), id));
    }
    bool lastShownIs(model::ScreenId id) const { return !shown.empty() && shown.back() == id; }

protected:
    void present(model::ScreenId id, QWidget& w) override {
        shown.push_back(id);
        w.show();
        if (onPresent)
            onPresent(id, w);
    }
};

} // namespace trochix::uitest
