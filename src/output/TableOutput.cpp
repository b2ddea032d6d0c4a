#include "output/TableOutput.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/FunctionNames.h"
#include "model/PageHeader.h"
#include "model/ResultRow.h"
#include "output/Sampling.h"
#include "text/NumberText.h"
#include "text/TextColumns.h"

#include <algorithm>
#include <set>

namespace trochix::output {

namespace {

// Last character column of each printed column: the angle, then four values 18 wide, which
// holds the widest six-decimal value below ten million with a blank before it.
constexpr std::array<int, kTableColumns> kPrintedColumnEnd = {8, 26, 44, 62, 80};

std::string Label(const std::string* table, std::size_t size, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < size ? table[index] : std::string();
}

std::string UnitOf(const model::CamModel& m, int row) {
    return Label(m.UnitLabel.data(), m.UnitLabel.size(), row);
}

std::string ShortName(int row) {
    return Label(model::FuncShort.data(), model::FuncShort.size(), row);
}

std::string PrintedAngle(const model::CamModel& m, int i) {
    if (m.SpectrumSelected)
        return std::to_string(i);
    return text::FormatPicture(m.Results[model::ResultRow::CamAngle][i], "##0.00");
}

struct Extremes {
    double min;
    double max;
};

// Over every point of the range, not only the sampled ones: a peak between two printed rows
// still shows in Min and Max.
Extremes ExtremesOf(const model::CamModel& m, int row, const SampleRange& r) {
    Extremes e{m.Results[row][r.first], m.Results[row][r.first]};
    for (int i = r.first; i <= r.last; ++i) {
        const double v = m.Results[row][i];
        e.min = std::min(e.min, v);
        e.max = std::max(e.max, v);
    }
    return e;
}

std::string Line(const std::array<std::string, kTableColumns>& items, int columns) {
    text::TextLine line;
    for (int c = 0; c <= columns; ++c)
        line.right(kPrintedColumnEnd[c], items[c]);
    return line.str();
}

} // namespace

int PrintColumns(const model::CamModel& m) {
    const int columns = std::clamp(m.NumPrintCols, 0, 4);
    for (int k = 1; k <= columns; ++k)
        if (m.PlotFunc[k] < 0 || m.PlotFunc[k] >= model::kResultRows)
            throw model::Fault(model::kSubscriptOutOfRange);
    return columns;
}

TableHeadings Headings(const model::CamModel& m) {
    TableHeadings h;
    const int columns = PrintColumns(m);
    h.names[0] = m.SpectrumSelected ? "Harmonic" : "Angle";
    h.units[0] = m.SpectrumSelected ? "Number" : UnitOf(m, model::ResultRow::CamAngle);
    for (int k = 1; k <= columns; ++k) {
        const std::string& caption = m.PrintColName[k - 1];
        h.names[k] = caption.empty() ? ShortName(m.PlotFunc[k]) : caption;
        // A spectrum's values are in the unit of the function transformed: name that function.
        h.units[k] = m.SpectrumSelected ? ShortName(m.FftRow) : UnitOf(m, m.PlotFunc[k]);
    }
    return h;
}

std::string GridValue(double value, int decimals) {
    return text::FNRoundStr(value, decimals >= 0 && decimals <= 6 ? decimals : -1);
}

std::string TableGrid::cell(int row, int column) const {
    if (row < 0 || row >= rows() || column < 0 || column >= kTableColumns)
        return {};
    if (row < kTableHeaderRows)
        return m_head[row][column];
    if (column > m_columns)
        return {};
    const float v =
        m_values[static_cast<std::size_t>(row - kTableHeaderRows) * kTableColumns + column];
    if (column == 0)
        return m_spectrum ? std::to_string(static_cast<int>(v)) : text::FNRoundStr(v, 2);
    return GridValue(v, m_decimals[column]);
}

std::array<std::size_t, kTableColumns> TableGrid::widest() const {
    std::array<std::size_t, kTableColumns> w{};
    for (int c = 0; c < kTableColumns; ++c) {
        for (const auto& row : m_head)
            w[c] = std::max(w[c], row[c].size());
        w[c] = std::max(w[c], cell(rows() - 1, c).size());
    }
    return w;
}

TableGrid Print_to_Form(const model::CamModel& m) {
    const SampleRange r = TableSamples(m);
    TableGrid g;
    g.m_columns = PrintColumns(m);
    g.m_spectrum = m.SpectrumSelected;
    const TableHeadings h = Headings(m);
    for (int c = 0; c < kTableColumns; ++c) {
        g.m_head[0][c] = h.names[c];
        g.m_head[1][c] = h.units[c];
    }
    g.m_head[2][0] = "Min";
    g.m_head[3][0] = "Max";
    for (int k = 1; k <= g.m_columns; ++k) {
        g.m_decimals[k] = m.Decimals[k - 1];
        const Extremes e = ExtremesOf(m, m.PlotFunc[k], r);
        g.m_head[2][k] = GridValue(e.min, g.m_decimals[k]);
        g.m_head[3][k] = GridValue(e.max, g.m_decimals[k]);
    }
    g.m_dataRows = (r.last - r.first) / r.step + 1;
    g.m_values.assign(static_cast<std::size_t>(g.m_dataRows) * kTableColumns, 0.0f);
    float* out = g.m_values.data();
    for (int i = r.first; i <= r.last; i += r.step, out += kTableColumns) {
        out[0] = g.m_spectrum ? static_cast<float>(i) : m.Results[model::ResultRow::CamAngle][i];
        for (int k = 1; k <= g.m_columns; ++k)
            out[k] = m.Results[m.PlotFunc[k]][i];
    }
    return g;
}

int PrintedPageLines() {
    return 7 + 2 + kDataLinesPerPage + 3;
}

std::vector<std::vector<std::string>> Print_to_Printer(const model::CamModel& m,
                                                       const model::DateTime& now) {
    const SampleRange r = TableSamples(m);
    const int columns = PrintColumns(m);
    const TableHeadings h = Headings(m);
    const std::vector<std::string> id = model::IdentificationLines(m, now);
    const std::vector<std::string> header = {
        "", "", "", id[0], id[1], "", "", Line(h.names, columns), Line(h.units, columns)};

    std::vector<std::vector<std::string>> pages;
    std::vector<std::string> page;
    int onPage = 0;
    const auto finishPage = [&] {
        for (; onPage < kDataLinesPerPage; ++onPage)
            page.emplace_back();
        page.emplace_back();
        page.emplace_back();
        page.push_back(
            text::TextLine().tab(kPageNumberColumn).text(std::to_string(pages.size() + 1)).str());
        pages.push_back(std::move(page));
        page.clear();
        onPage = 0;
    };
    for (int i = r.first; i <= r.last; i += r.step) {
        if (onPage == 0)
            page = header;
        std::array<std::string, kTableColumns> items;
        items[0] = PrintedAngle(m, i);
        for (int k = 1; k <= columns; ++k)
            items[k] = text::FormatDecimals(m.Results[m.PlotFunc[k]][i], m.Decimals[k - 1]);
        page.push_back(Line(items, columns));
        if (++onPage == kDataLinesPerPage)
            finishPage();
    }
    if (onPage > 0)
        finishPage();
    return pages;
}

std::string CopyText(const TableGrid& grid, const std::vector<std::pair<int, int>>& cells) {
    if (cells.empty())
        return {};
    int top = cells.front().first, bottom = top;
    int left = cells.front().second, right = left;
    std::set<std::pair<int, int>> listed;
    for (const auto& [row, column] : cells) {
        top = std::min(top, row);
        bottom = std::max(bottom, row);
        left = std::min(left, column);
        right = std::max(right, column);
        listed.insert({row, column});
    }
    std::string out;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left)
                out += '\t';
            if (listed.count({row, column}))
                out += grid.cell(row, column);
        }
        out += '\n';
    }
    return out;
}

} // namespace trochix::output
