#include "model/FunctionNames.h"

#include "model/RowCatalogue.h"

#include <cstddef>

namespace trochix::model {

namespace {

// Column `field` of the catalogue for rows 0..N-1. The catalogue is constant-initialised, so
// these tables may be built from it during static initialisation.
template <std::size_t N> std::array<std::string, N> Column(const char* RowInfo::*field) {
    static_assert(N <= kResultRows);
    std::array<std::string, N> out;
    for (std::size_t row = 0; row < N; ++row)
        out[row] = RowCatalogue[row].*field;
    return out;
}

} // namespace

const std::array<std::string, kResultRows> FuncName = Column<kResultRows>(&RowInfo::name);
const std::array<std::string, kResultRows> FuncShort = Column<kResultRows>(&RowInfo::shortName);
const std::array<std::string, kResultRows> FuncAbbrev = Column<kResultRows>(&RowInfo::abbrev);
const std::array<std::string, kResultRows> FuncLetter = Column<kResultRows>(&RowInfo::letter);

const std::array<std::string, 4> SvajName = {"Disp", "Veloc", "Accel", "Jerk"};

} // namespace trochix::model
