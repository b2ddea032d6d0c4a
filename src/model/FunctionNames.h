// Fixed name tables for column headers, lists and plot labels, each indexed by Results row
// (model/ResultRow.h).
#pragma once

#include <array>
#include <string>

namespace trochix::model {

// Long names, indexed like Results rows (0 = cam angle .. 16), with an empty entry 17.
extern const std::array<std::string, 18> FuncName;
// Short names, indexed like Results rows (1 = displacement .. 20 = FFT phase); 0 unused.
extern const std::array<std::string, 21> FuncShort;
// Abbreviations and one-letter symbols, indexed like FuncShort (1 = displacement .. 20 = FFT
// phase; 0, the cam angle, has none). The program numbers these from 0 = displacement; we
// index them by row so that every table is read the same way.
extern const std::array<std::string, 21> FuncAbbrev;
extern const std::array<std::string, 21> FuncLetter;
extern const std::array<std::string, 4> SvajName;

} // namespace trochix::model
