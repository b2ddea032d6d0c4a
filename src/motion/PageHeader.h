// The header at the top of every printed text page:
//   three empty lines;
//   "File " + ModelName, two print-zone steps, "Design #" and DesignNo as a printed number;
//   UserName, a zone step, the date (month/day/year), a zone step, the time (hh:mm:ss);
//   two empty lines.
// The two text lines match the first lines of the text exports, so a printed table and its file
// carry the same identification. Date and time come from Host::now() at the moment of printing.
#pragma once

#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::motion {

std::vector<std::string> PageHeader(const model::CamModel& model, model::Host& host);

} // namespace trochix::motion
