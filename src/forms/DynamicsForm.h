// The input boxes of the Dynamics screen: what each accepts, what it says when it refuses, what
// it shows, and how the model changes when a box is committed or the screen opens.
#pragma once

#include <string>

#include "model/Forward.h"

namespace trochix::dynamics {

using model::CamModel;
using model::Host;

enum class DynamicsBox {
    Mass,             // txt_Mass     -> EffMass
    Preload,          // txt_Preload  -> Preload
    Spring,           // txt_Spring   -> SpringK
    Damping,          // txt_Damping  -> DampC
    Journal,          // txt_Journal  -> JournalRadius (the box holds the diameter)
    Zeta,             // txt_Zeta     -> DampRatio
    FollowerFriction, // txt_Folfrict -> FollowerFriction
    JournalFriction,  // txt_Jnlfrict -> JournalFriction
    Fluctuation,      // txt_Fluct    -> FluctCoef
};

// The control name of a box ("txt_Mass", ...).
const char* BoxControlName(DynamicsBox box);

// The message shown when the box refuses a value (warning icon, default title).
const std::string& BoxRefusalMessage(DynamicsBox box);

struct BoxCommit {
    bool accepted = false;
    std::string boxText; // what the box shows afterwards (unchanged when accepted)
    bool rerun = false;  // accepted in "Start Fresh" mode: the calculation reruns at once
};

// Commits the text of an edited box: a value out of the box's range, or a text that is not a
// number, shows its message, the model keeps its previous value (except the coefficient of
// fluctuation, which becomes 0.05) and the box gets that value back (and the focus). An
// accepted value is stored.
BoxCommit CommitDynamicsBox(CamModel& model, Host& host, DynamicsBox box, const std::string& text);

// A model value as a box shows it ("0.073804", "132").
std::string BoxText(float value);

// The texts of the nine boxes for the model's current values: the journal box shows the
// diameter (2 x JournalRadius), the damping box the coefficient c. After MassProp these are the
// defaults: "0.073804", "173", "132", "0.15", "1", "0.1", "0.01", "0.05".
struct DynamicsBoxTexts {
    std::string mass, preload, spring, damping, journal, zeta, followerFriction, journalFriction,
        fluctuation;
};
DynamicsBoxTexts BoxTexts(const CamModel& model);

// How damping is entered: with k = 0 the coefficient c is typed and zeta is read-only; with any
// other k zeta is typed and c is computed.
struct DampingEntry {
    bool zetaEditable;
    bool coefficientEditable;
};
DampingEntry DampingBoxes(float springK);

// What opening the screen does to the results: row 7 zeroed, row 8 too in "Start Fresh" mode
// (torques of earlier cams survive in "Accumulate" mode), DynamicsDone false.
void ClearDynamicsResults(CamModel& model);

} // namespace trochix::dynamics
