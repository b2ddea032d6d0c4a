// The re-selection limit of the plot and table screens ("Select Another"). Each such screen
// owns one counter; the ui piece (ui/CommonButtons.h) closes the screen and reopens its
// selection screen as Press says.
#pragma once

namespace trochix::model {

class Host;

class SelectAnotherCounter {
public:
    // Counts one press. Returns true when the selection screen may be shown again; false when
    // the press went over the limit: the stack message was shown, the count starts again from
    // zero and the screen closes as by Done.
    bool Press(Host& host);
    int count() const { return m_count; }

private:
    int m_count = 0;
};

} // namespace trochix::model
