// Polynomial segments fitted to boundary conditions: the system of equations, its solution and
// the segment's points. Reading the conditions off the boundary-condition screen is
// motion/BoundsForm.h; the table of conditions and coefficients is motion/PolyForm.h.
//
// A polynomial segment (direction "P") has S as a polynomial in x = theta / beta (both in
// degrees, x = 0 at the segment start and 1 at its end). N conditions give N terms with the
// exponents 0..N-1. Each condition states S, V, A or J at one x; V, A and J are entered as time
// derivatives at the cam speed and held in the x domain (times beta_rad^order / omega^order),
// so that the solved coefficients give S directly and V, A, J per radian after dividing by
// beta_rad^order.
//
// Model tables used here are indexed [condition or term 1..20][segment 1..16]:
//   BcPos, BcOrder, BcValue, BcEntered   the conditions (x, 0..3 = S..J, x-domain value, typed
//   value) PolyExponent, PolyExponentShown      term exponents (the second copy is what the table
//   shows) PolyCoef                             coefficients; PolyCoef[0][seg] holds the number of
//   terms PolyBcPos, PolyBcOrder               copies of the conditions taken when coefficients are
//   stored
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

// ---- re-evaluation without the screen -------------------------------------------------------

// Re-solves CurSeg from the conditions stored with it (SegNumBC, BcPos, BcOrder, BcValue,
// PolyExponent) without the boundary-condition screen, then evaluates it like SolvePoly.
// Used by the segment calculation for a "PO" segment, by Calc All and after a model is read.
// Refuses a segment of zero Beta or without 2..20 stored conditions, with a message.
bool EvaluateStoredPolynomial(CamModel& model, Host& host);

// True when segment `seg` may be re-evaluated from its stored conditions without
// opening the boundary-condition screen (see BcUnchanged above).
bool ConditionsUnchanged(const CamModel& model, int seg);
// Any edit that can change a polynomial segment's solution calls this.
void ClearConditionsUnchanged(CamModel& model);

// ---- shared by the screens' logic ------------------------------------------------------------

// "Something wrong - Beta is zero for this segment"
extern const std::string kZeroBetaText;
// seg itself when it lies in 1..16; fault 9 otherwise.
int CheckedSegment(int seg);

} // namespace trochix::motion
