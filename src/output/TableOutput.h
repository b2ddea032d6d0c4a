// A table of up to four functions against cam angle (or harmonic number for a spectrum), as
// the output screen's grid, the printed pages and the clipboard show it. Everything is read
// from the table request in the model: PlotFunc(1..NumPrintCols), PrintColName, Decimals,
// PrintEvery, PlotStart..PlotEnd and SpectrumSelected (output/PrintRequest.h writes it).
//
// Grid (Print_to_Form), 5 columns, rows:
//   0  "Angle" ("Harmonic")   column names
//   1  unit of cam angle      unit of each function ("Number" and, for a spectrum, the name of
//                             the transformed function)
//   2  "Min"                  smallest value over the range, FNRoundStr(v, decimals)
//   3  "Max"                  largest value over the range
//   4.. one row per sampled point: FNRoundStr(angle, 2) (the harmonic number), then each value
//       with FNRoundStr(v, decimals).
// Columns beyond NumPrintCols stay empty. A decimals value outside 0..6 shows in the exponent
// format, as on paper.
//
// Pages (Print_to_Printer): three empty lines, "File " / "Design #", user, date and time, two
// empty lines, the heading line and the unit line; then 60 data lines (angle "##0.00", each
// value in the column format of Set_Format); then two empty lines and the page number at
// column 40. Every page, the last one too, ends with its number at the same line; a new page
// starts only for more data.
#pragma once

#include "model/Forward.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace trochix::model {
struct DateTime;
}

namespace trochix::output {

constexpr int kTableColumns = 5;    // the angle and four functions
constexpr int kTableHeaderRows = 4; // names, units, Min, Max
constexpr int kDataLinesPerPage = 60;
constexpr int kPageNumberColumn = 40;

// Column titles and units of a table, column 0 first; what the grid, the pages and the data
// file put above the values. Columns beyond NumPrintCols are empty.
struct TableHeadings {
    std::array<std::string, kTableColumns> names;
    std::array<std::string, kTableColumns> units;
};
TableHeadings Headings(const model::CamModel& model);

// The functions of the request that hold a column: NumPrintCols clamped to 0..4. Raises fault 9
// for a function row beyond the result table.
int PrintColumns(const model::CamModel& model);

// A screen value of a column with `decimals` places: FNRoundStr for 0..6, the exponent format
// for any other.
std::string GridValue(double value, int decimals);

// The grid holds the numbers of its rows and writes a cell's text when it is asked for, so a
// view that shows a few dozen rows of a long table formats only those.
class TableGrid {
public:
    int rows() const { return kTableHeaderRows + m_dataRows; }
    static constexpr int columns() { return kTableColumns; }
    // "" outside the grid and in columns beyond the request's functions.
    std::string cell(int row, int column) const;
    // The longest text of each column (for the column widths of a view). The extremes are the
    // longest numbers of a column, so the header rows and the last row decide it.
    std::array<std::size_t, kTableColumns> widest() const;

private:
    friend TableGrid Print_to_Form(const model::CamModel& model);

    // Strings start empty; a "{}" initialiser here crashes clang 14, which builds the fuzzers.
    std::array<std::array<std::string, kTableColumns>, kTableHeaderRows> m_head;
    int m_dataRows = 0;
    int m_columns = 0;       // function columns in use
    bool m_spectrum = false; // column 0 holds harmonic numbers
    std::array<int, kTableColumns> m_decimals{};
    std::vector<float> m_values; // m_dataRows x kTableColumns, column 0 the angle or harmonic
};

// The grid of the current table request. Raises fault 9 when the range or a function row lies
// beyond the result table.
TableGrid Print_to_Form(const model::CamModel& model);

// The printed pages of the current table request, one vector of lines per page.
std::vector<std::vector<std::string>> Print_to_Printer(const model::CamModel& model,
                                                       const model::DateTime& now);
// Lines on every printed page: header, heading, units, data lines, spacing and number.
int PrintedPageLines();

// Cells (row, column) of a grid as TAB-separated lines for a spreadsheet: the rectangle that
// holds them, cells not listed left empty, every line ended by a line feed. "" for no cells.
std::string CopyText(const TableGrid& grid, const std::vector<std::pair<int, int>>& cells);

} // namespace trochix::output
