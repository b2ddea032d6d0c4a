// Fixed name tables for column headers, lists and plot labels.
#pragma once

#include <array>
#include <string>

namespace trochix::model {

// Long names, indexed like Results rows (0 = cam angle .. 16), with an empty entry 17.
extern const std::array<std::string, 18> FuncName;
// Short names, indexed like Results rows (1 = displacement .. 20 = FFT phase); 0 unused.
extern const std::array<std::string, 21> FuncShort;
// Abbreviations and one-letter symbols, indexed from 0 = displacement (row - 1);
// 16..19 are the real, imaginary, magnitude and phase of the Fourier transform.
extern const std::array<std::string, 20> FuncAbbrev;
extern const std::array<std::string, 20> FuncLetter;
extern const std::array<std::string, 4> SvajName;

} // namespace trochix::model
