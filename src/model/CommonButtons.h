// The model side of the buttons that behave the same on every screen that carries them
// (ui/CommonButtons.h puts them on the screens): the Copy hint and the re-selection limit of
// the plot and table screens ("Select Another").
#pragma once

namespace trochix::model {

class Host;

// "&Copy": the information message that tells how to copy the screen.
void ShowCopyHint(Host& host);

// Each plot and table screen owns one counter; the screen closes and reopens its selection
// screen as Press says.
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
