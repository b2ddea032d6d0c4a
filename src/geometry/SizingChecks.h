// Checks and field commits of the sizing inputs, and the minimum base circle advice.
// Each commit takes the text of its box as the user left it and says what the screen must show.
#pragma once

#include <optional>
#include <string>

#include "model/Forward.h"

namespace trochix::geometry {

using model::CamModel;
using model::Host;

// Smallest base circle for which a flat face sees no negative radius of curvature:
// Rb_min = -A_min/omega^2 - S at the point of least acceleration. Shows it as an information
// message (2 decimals, two blanks, the displacement unit label) and returns it; nothing when a
// fault (reported as "MinBasecircle") stopped it. The screen calls it when "Flat" is chosen,
// except while an example fills the screen.
std::optional<double> MinBasecircle(const CamModel& model, Host& host);

// A roller radius must be >= 0 and smaller than the prime radius; otherwise a warning.
bool CheckFollowerRadius(const CamModel& model, Host& host, double Rf);

// An arm of length L about a pivot at distance C must reach the prime circle:
// C - Rp < L < C + Rp; otherwise a warning advising an arm length of about C.
bool CheckArmRadius(const CamModel& model, Host& host, double L, double C);

// The one way a typed roller radius reaches the model, for every screen that has the box: the
// text's leading number (Val) as a model real, stored in RollerRadius with its 2-decimal
// RollerRadiusText (what headers and summaries print). Checked, a value CheckFollowerRadius
// refuses (its warning shown) leaves both as they were and gives false. Calc stores the box
// unchecked: the box was checked when it was left.
enum class FollowerCheck { Checked, Unchecked };
bool CommitRollerRadius(CamModel& model, Host& host, const std::string& text, FollowerCheck check);

// What a text box commit leaves on the screen.
struct FieldCommit {
    bool accepted = false;    // the value went into the model
    std::string boxText;      // the box's text afterwards
    std::string primeCaption; // new caption of the prime frame; empty when unchanged
    bool redraw = false;      // the sizing picture is to be redrawn
    bool clearResults = false; // the result labels are to be blanked (ClearSizeResults)
    std::string pivotText;     // arm centre refused: what its box shows again (else empty)
};

// Every commit refuses a text that is not a number as it refuses a value out of range (never
// reading letters as 0), and a refused box shows again the value the model keeps.
//
// Prime radius: refused (model unchanged) when not larger than the offset's size.
FieldCommit CommitPrime(CamModel& model, Host& host, const std::string& text);
// Offset: refused (model unchanged) when abs(value) >= PrimeRadius; the prime frame
// is captioned "Prime Radius" for zero offset, "Prime Distance" otherwise.
FieldCommit CommitOffset(CamModel& model, Host& host, const std::string& text);
// Roller radius: CheckFollowerRadius (a text that is not a number gets its "zero or positive"
// warning); accepted values also set RollerRadiusText (2 decimals).
FieldCommit CommitFollower(CamModel& model, Host& host, const std::string& text);
// Arm length: PivotDistance recomputed from the pivot, then CheckArmRadius; a refused length
// leaves ArmRadius alone (the message advises the pivot distance).
FieldCommit CommitArmRadius(CamModel& model, Host& host, const std::string& text);
// Arm pivot x or y: stored, then the arm-radius commit is rerun with the arm box's text; the
// result is that commit's (its boxText is the arm radius box). A pivot that is not a number
// shows ArmCentreNotNumberMessage and is not stored; pivotText is then the model's value.
const std::string& ArmCentreNotNumberMessage();
FieldCommit CommitArmPivotX(CamModel& model, Host& host, const std::string& text,
                            const std::string& armRadiusText);
FieldCommit CommitArmPivotY(CamModel& model, Host& host, const std::string& text,
                            const std::string& armRadiusText);

} // namespace trochix::geometry
