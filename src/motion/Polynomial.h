// Polynomial segments fitted to boundary conditions.
//
// A polynomial segment (direction "P") has S as a polynomial in x = theta / beta (both in
// degrees, x = 0 at the segment start and 1 at its end). N conditions give N terms with the
// exponents 0..N-1. Each condition states S, V, A or J at one x; V, A and J are entered as time
// derivatives at the cam speed and held in the x domain (times beta_rad^order / omega^order),
// so that the solved coefficients give S directly and V, A, J per radian after dividing by
// beta_rad^order.
//
// Model tables used here are indexed [condition or term 1..20][segment 1..16]:
//   BcPos, BcOrder, BcValue, BcEntered   the conditions (x, 0..3 = S..J, x-domain value, typed value)
//   PolyExponent, PolyExponentShown      term exponents (the second copy is what the table shows)
//   PolyCoef                             coefficients; PolyCoef[0][seg] holds the number of terms
//   PolyBcPos, PolyBcOrder               copies of the conditions taken when coefficients are stored
// BcMatrix / BcRhs (double, [1..20]) are the working system; BcRhs holds the coefficients after
// a solve and CalPoly evaluates with those double values.
//
// The "conditions unchanged" flag, model.BcUnchanged:
//   set    after a segment's polynomial was solved and evaluated successfully (ReadBounds or
//          EvaluateStoredPolynomial), and when a model file was read (its conditions were
//          solved when it was saved);
//   clear  on New (Initialize), and on any edit that can change a polynomial segment's solution:
//          a polynomial row's Beta, motion, law or positions, any box of the boundary-condition
//          screen, the cam speed or the step (call ClearConditionsUnchanged).
// One flag serves every segment, so an edit anywhere clears it for all of them; a segment with
// no stored conditions never counts as unchanged (see ConditionsUnchanged).
#pragma once

#include "model/CamModel.h"

#include <array>
#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::motion {

using model::CamModel;
using model::Host;

using BcSystemMatrix = std::array<std::array<double, model::kMaxBCs + 1>, model::kMaxBCs + 1>;
using BcSystemVector = std::array<double, model::kMaxBCs + 1>;

// Solves a * c = b for rows and unknowns 1..n by Gaussian elimination with partial pivoting;
// b receives c and a is left reduced. ierr = 0 on success; a zero pivot in column i < n shows
// "There is a zero value on diagonal in column i" and gives ierr = i. A zero last pivot is not
// reported here (b(n) keeps its reduced value; SolvePoly checks it). A run-time fault (overflow,
// n outside 1..20) is reported as "SimQ" and leaves ierr = 1.
void SimQ(Host& host, int n, BcSystemMatrix& a, BcSystemVector& b, int& ierr);

// Builds and solves CurSeg's system from its stored conditions, then runs CalPoly.
// Requires SegNumBC(CurSeg) = BcRequested. Returns true when the points were stored.
// Every failure shows its message and sets BcValid false.
bool SolvePoly(CamModel& model, Host& host);

// Copies the solved coefficients of CurSeg into PolyCoef (with PolyBcPos/PolyBcOrder) and
// stores the segment's points (no fall conversion), then records its ends (SegBoundary).
// Faults are reported as "CalPoly"; returns true when the segment was stored completely.
bool CalPoly(CamModel& model, Host& host);

// ---- the boundary-condition screen --------------------------------------------------------

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
// by an earlier solve. A requested count outside 2..MaxBCs, a Beta of 0 or a number of filled
// boxes other than the request is refused with its message before anything is stored; a failed
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

// True when segment `seg` may be re-evaluated from its stored conditions without
// opening the boundary-condition screen (see BcUnchanged above).
bool ConditionsUnchanged(const CamModel& model, int seg);
// Any edit that can change a polynomial segment's solution calls this.
void ClearConditionsUnchanged(CamModel& model);

// ---- the coefficient table ------------------------------------------------------------------

struct PolyTable {
    std::vector<std::string> conditions;   // pct_Poly(0): the conditions, one block per angle
    std::vector<std::string> coefficients; // pct_Poly(1): exponent and coefficient of each term
    // lbl_SegData(0..3) in this order: CurSeg, SegStart, SegBeta, SegEnd (number-to-text).
    std::array<std::string, 4> segData{};
};
// The conditions and coefficients of CurSeg as the coefficient screen shows them.
// Faults are reported as "Polytable_Form"; the lines built so far are returned.
PolyTable Polytable_Form(const CamModel& model, Host& host);
// The same table for the printer: condition lines, an empty line, coefficient lines.
// Faults are reported as "Polytable_Printer".
std::vector<std::string> Polytable_Printer(const CamModel& model, Host& host);

// ---- re-evaluation without the screen -------------------------------------------------------

// Re-solves CurSeg from the conditions stored with it (SegNumBC, BcPos, BcOrder, BcValue,
// PolyExponent) without the boundary-condition screen, then evaluates it like SolvePoly.
// Used by the segment calculation for a "PO" segment, by Calc All and after a model is read.
// Refuses a segment of zero Beta or without 2..20 stored conditions, with a message.
bool EvaluateStoredPolynomial(CamModel& model, Host& host);

} // namespace trochix::motion
