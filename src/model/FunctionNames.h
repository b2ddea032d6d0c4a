// Fixed name tables for column headers, lists and plot labels, each indexed by Results row
// (model/ResultRow.h).
#pragma once

#include "model/CamModel.h"

#include <array>
#include <string>

namespace trochix::model {

// Long names, indexed like Results rows (0 = cam angle .. 16, the contact rows), empty for the
// transform's rows.
extern const std::array<std::string, kResultRows> FuncName;
// Short names, indexed like Results rows (1 = displacement .. 20 = FFT phase, the contact
// rows); 0 and 21 unused.
extern const std::array<std::string, kResultRows> FuncShort;
// Abbreviations and one-letter symbols, indexed like FuncShort (1 = displacement .. 20 = FFT
// phase; 0, the cam angle, has none). The program numbers these from 0 = displacement; we
// index them by row so that every table is read the same way.
extern const std::array<std::string, kResultRows> FuncAbbrev;
extern const std::array<std::string, kResultRows> FuncLetter;
extern const std::array<std::string, 4> SvajName;

} // namespace trochix::model
