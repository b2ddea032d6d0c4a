// The coefficient screen's logic (frm_Poly): the conditions and coefficients of a solved
// polynomial segment as lines of text, for the screen and for the printer.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::motion {

using model::CamModel;
using model::Host;

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

} // namespace trochix::motion
