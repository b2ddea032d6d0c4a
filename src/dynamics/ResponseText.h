// The response stage's findings as lines of text, for the command line and the screen.
#pragma once

#include "dynamics/Response.h"
#include "model/Forward.h"

#include <string>
#include <vector>

namespace trochix::dynamics {

// One line per rise or fall, "Residual seg K: <amplitude> (<fraction of lift>)", or
// "Residual seg K: none" where no dwell follows; then "MaxError=<|x - S|> at <deg>".
std::vector<std::string> ResponseLines(const CamModel& model);

// A rise or fall of the program (a segment with a residual line).
bool IsRiseOrFallRow(const CamModel& model, int segment);

// The residual of `segment` as a fraction of its lift; 0 without one.
double ResidualFraction(const CamModel& model, int segment);

// The spectrum as comma-separated lines: "Ratio,Residual,Design", one line per point, the
// present design (ratio `present`, residual `presentResidual`) among them in its place, marked
// 1 in the last column. CR LF line ends.
std::string SpectrumCsv(const std::vector<SpectrumPoint>& points, double present,
                        double presentResidual);

} // namespace trochix::dynamics
