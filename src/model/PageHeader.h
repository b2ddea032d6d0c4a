// The identification at the top of every printed text page and every export file:
//   "File " + ModelName, two print-zone steps, "Design #" and DesignNo as a printed number;
//   UserName, a zone step, the date (month/day/year), a zone step, the time (hh:mm:ss).
// A printed page puts three empty lines before these two and two after them, so a printed
// table and its file carry the same identification. Date and time are the moment of printing
// or writing (Host::now()).
#pragma once

#include <string>
#include <vector>

#include "model/Forward.h"

namespace trochix::model {

struct DateTime;

// "12/8/2026": month/day/year without leading zeros.
std::string ExportDateText(const DateTime& t);
// "09:30:05": hours:minutes:seconds on 24 hours.
std::string ExportTimeText(const DateTime& t);

// The two identification lines, file line first.
std::vector<std::string> IdentificationLines(const CamModel& model, const DateTime& now);

// Three empty lines, the identification lines, two empty lines.
std::vector<std::string> PageHeader(const CamModel& model, Host& host);

} // namespace trochix::model
