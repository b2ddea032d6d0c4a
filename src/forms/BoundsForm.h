// The boundary-condition screen's logic (frm_Bounds): the count of conditions, the inner
// angles, the number of conditions selected, and reading and solving the conditions of CurSeg
// when Done is pressed (ReadBounds, then SolvePoly of motion/Polynomial.h).
#pragma once

#include "model/CamModel.h"

#include <array>
#include <string>

#include "model/Forward.h"

namespace trochix::motion {

using model::CamModel;
using model::Host;

// What the boundary-condition screen holds when its conditions are read.
struct BoundsInput {
    // Condition box texts [column 0..4][0 S, 1 V, 2 A, 3 J]: column 0 is the segment start,
    // column 4 its end, columns 1..3 the inner angles of `theta`.
    std::array<std::array<std::string, 4>, 5> box{};
    // txt_Theta(1..3): local angles of the inner columns, degrees; [0] unused.
    std::array<std::string, 4> theta{};
    // The number of conditions requested (txt_NoConds, accepted by CheckConditionCount).
    int requested = 2;
};

// Reads the conditions of CurSeg and solves them (SolvePoly). Boxes are read in this order,
// which numbers the conditions: column 0 S, V, A, J; column 4 S, V, A, J; then columns 1, 2, 3,
// each only when its angle text is not empty. Empty boxes are skipped.
// V, A, J are converted into the x domain (v * SegBetaRad^order / CamOmega^order); Lift is raised
// to the largest S entered; SegDesc gets the degree appended (" 5"), replacing a degree appended
// by an earlier solve. A requested count outside 2..MaxBCs, a Beta of 0, a box or angle that is
// not a number, or a number of filled boxes other than the request is refused with its message
// before anything is stored; a failed
// solve puts the segment's conditions back as they were. Sets BcValid; returns it.
bool ReadBounds(CamModel& model, Host& host, const BoundsInput& input);

enum class CountEntry {
    Empty,      // no text: every condition box is disabled
    OutOfRange, // message shown; every condition box is disabled, the count is not refreshed
    Accepted,   // BcRequested set; columns 0 and 4 and the three angle boxes are enabled
};
// txt_NoConds left or confirmed: its integer value must lie in 2..MaxBCs.
CountEntry CheckConditionCount(CamModel& model, Host& host, const std::string& text);

struct InnerAngle {
    enum State {
        Empty,    // no text: the global angle label is cleared
        Accepted, // strictly inside the segment: column enabled, label shows globalText
        Refused,  // message shown: angle box and label cleared, column disabled
    } state = Empty;
    std::string globalText; // lbl_Segangle(k): local angle + segment start, number-to-text
};
// txt_Theta(k) committed. betaText is lbl_end (the segment's Beta), startText lbl_Segangle(0).
InnerAngle CheckInnerAngle(Host& host, const std::string& thetaText, const std::string& betaText,
                           const std::string& startText);
// The same while the angle is being typed, without the message: the column opens as soon as
// the text is an angle inside the segment (so that Tab enters it), and the refusal is said when
// the box is committed.
InnerAngle TypedInnerAngle(const std::string& thetaText, const std::string& betaText,
                           const std::string& startText);

// Number of non-empty condition boxes over all five columns (lbl_Selected).
int CountFilledBoxes(const BoundsInput& input);

enum class FilledCount { TooFew, Exact, TooMany };
// After a condition box is left: too few keeps Done disabled, exact enables and focuses it,
// too many shows its message and disables Done.
FilledCount CheckFilledCount(Host& host, int filled, int requested);

} // namespace trochix::motion
