#include "files/Exports.h"

#include "files/SafeFile.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/PageHeader.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "motion/SegmentDriver.h"
#include "output/Sampling.h"
#include "output/TableOutput.h"
#include "text/NumberText.h"

#include <algorithm>
#include <vector>

namespace trochix::files {

using model::ResultRow;

using model::Fault;

std::string NumberItem(float value) {
    return text::PrintNumber(value);
}
std::string NumberItem(double value) {
    return text::PrintNumber(value);
}

namespace {

constexpr const char* kEnd = "\r\n";

void Header(std::string& out, const CamModel& m, const DateTime& now,
            const std::vector<std::string>& titles, const std::vector<std::string>& units) {
    const std::vector<std::string> id = model::IdentificationLines(m, now);
    out += id[0] + kEnd + id[1] + kEnd + kEnd;
    for (const std::string& t : titles)
        out += t + '\t';
    out += kEnd;
    for (const std::string& u : units)
        out += u + '\t';
    out += kEnd;
    out += kEnd;
}

// The table's own row step; the other exports hold every point whatever a table last chose.
int Step(const CamModel& m) { return std::max(m.PrintEvery, 1); }

void CheckPoints(const CamModel& m) {
    if (m.NumPoints < 0 || m.NumPoints > model::kMaxPoints)
        throw Fault(model::kSubscriptOutOfRange);
}

std::string Rows(const CamModel& m, const std::vector<int>& rows) {
    CheckPoints(m);
    std::string out;
    for (int p = 0; p <= m.NumPoints; ++p) {
        for (int f : rows)
            out += NumberItem(m.Results[f][p]) + '\t';
        out += kEnd;
    }
    return out;
}

std::string UnitOf(const CamModel& m, int row) {
    return row >= 0 && row < static_cast<int>(m.UnitLabel.size()) ? m.UnitLabel[row] : "";
}

struct PointRange {
    int first;
    int last;
};

// The points of a range of cam angles; the visited points must exist.
PointRange Points(const CamModel& m, AngleRange angles) {
    CheckPoints(m);
    model::CheckDivisor(m.DeltaTheta);
    const PointRange r{motion::RoundIndex(angles.start / m.DeltaTheta),
                       motion::RoundIndex(angles.end / m.DeltaTheta)};
    if (r.first <= r.last && (r.first < 0 || r.last > m.NumPoints))
        throw Fault(model::kSubscriptOutOfRange);
    return r;
}

PointRange SpectrumRange(const CamModel& m) {
    const output::SampleRange r = output::TableSamples(m);
    return {r.first, r.last};
}

template <class Build>
bool WriteExport(const std::string& path, Host& host, const std::string& routine, Build&& build) {
    const model::BusyPointer busy(host);
    return model::RunGuarded(host, routine, [&] { WriteWholeFile(path, build()); });
}

} // namespace

std::string ExportAllText(const CamModel& m, const DateTime& now) {
    std::vector<int> rows;
    std::vector<std::string> titles, units;
    for (int f = 0; f <= model::kNumFunctions; ++f) {
        rows.push_back(f);
        titles.push_back(model::FuncName[f]);
        units.push_back(UnitOf(m, f));
    }
    std::string out;
    Header(out, m, now, titles, units);
    return out + Rows(m, rows);
}

std::string ExportProfileText(const CamModel& m, const DateTime& now) {
    std::string out;
    Header(out, m, now, {model::FuncName[9], model::FuncName[10]}, {UnitOf(m, 9), UnitOf(m, 10)});
    return out + Rows(m, {9, 10});
}

std::string CadkeyText(const CamModel& m, AngleRange range) {
    const PointRange r = Points(m, range);
    std::string out;
    for (int p = r.first; p <= r.last; ++p)
        out += NumberItem(text::FNRound(m.Results[ResultRow::XCoord][p], 3)) + '\t' +
               NumberItem(text::FNRound(m.Results[ResultRow::YCoord][p], 3)) + '\t' + kEnd;
    return out;
}

std::string PrintToFileText(const CamModel& m, const DateTime& now) {
    // A spectrum's rows are harmonics 0..NumHarmonics, whatever the angle step.
    const PointRange r =
        m.SpectrumSelected ? SpectrumRange(m) : Points(m, {m.PlotStart, m.PlotEnd});
    const int columns = output::PrintColumns(m);
    const output::TableHeadings h = output::Headings(m);
    std::vector<std::string> titles, units;
    for (int c = 0; c <= columns; ++c) {
        titles.push_back(h.names[c]);
        units.push_back(h.units[c]);
    }
    std::string out;
    Header(out, m, now, titles, units);
    const int step = m.SpectrumSelected ? 1 : Step(m);
    for (int p = r.first; p <= r.last; p += step) {
        out +=
            (m.SpectrumSelected ? NumberItem(static_cast<double>(p))
                                : NumberItem(text::FNRound(m.Results[ResultRow::CamAngle][p], 2))) +
            '\t';
        for (int i = 1; i <= columns; ++i)
            out += NumberItem(text::FNRound(m.Results[m.PlotFunc[i]][p], m.Decimals[i - 1])) + '\t';
        out += kEnd;
    }
    return out;
}

bool CheckModelExportable(const CamModel& m, Host& host) {
    if (m.SvajDone)
        return true;
    host.message("The current model is blank.  There is nothing to export.  Use S-V-A-J and "
                 "Sizecam buttons to calculate the model, then export",
                 model::Icon::None, model::DefaultTitle());
    return false;
}

bool Export_All_to_File(const CamModel& m, const std::string& path, Host& host) {
    return WriteExport(path, host, "Export_All_to_File",
                       [&] { return ExportAllText(m, host.now()); });
}

bool Export_Profile_to_File(const CamModel& m, const std::string& path, Host& host) {
    return WriteExport(path, host, "Export_Profile_to_File",
                       [&] { return ExportProfileText(m, host.now()); });
}

bool Export_Cadkey_to_File(const CamModel& m, AngleRange range, const std::string& path,
                           Host& host) {
    return WriteExport(path, host, "frm_Homescreen.Export.Cadkey",
                       [&] { return CadkeyText(m, range); });
}

bool Print_to_File(const CamModel& m, const std::string& path, Host& host) {
    return WriteExport(path, host, "Print_to_File",
                       [&] { return PrintToFileText(m, host.now()); });
}

} // namespace trochix::files
