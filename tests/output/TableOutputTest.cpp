// Tables of results: the output screen's grid, the printed pages and the clipboard text,
// against functions of cam angle whose values at named angles are worked out by hand.
#include "output/TableOutput.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/RecordingHost.h"
#include "output/PrintRequest.h"
#include "output/Selection.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace trochix;
using output::Print_to_Form;
using output::TableGrid;
using Strings = std::vector<std::string>;

namespace {

std::string Pad(int blanks) {
    return std::string(static_cast<std::size_t>(blanks), ' ');
}

// Four segments of 90 degrees, computed, with
//   S = 2 (1 - cos t)    0 at 0, 0.2679 at 30, 2 at 90, 4 at 180
//   V = 1500 sin t       750 at 30, +-1500 at 90 and 270
//   A = -0.25 cos t      -0.2165 at 30, 0.25 at 180
//   J = 1234.5678 sin t  617.28387 at 30 (the float of 1234.5678 is 1234.56775)
std::unique_ptr<model::CamModel> KnownModel(float step = 1.0f) {
    auto m = testsupport::ModelAtStep(step);
    m->SvajDone = true;
    m->NumSegments = 4;
    const char* dirs[] = {"R", "D", "F", "D"};
    for (int seg = 1; seg <= 4; ++seg) {
        m->SegDir[seg] = dirs[seg - 1];
        m->SegBeta[seg] = 90.0f;
        m->SegStart[seg] = 90.0f * static_cast<float>(seg - 1);
        m->SegEnd[seg] = 90.0f * static_cast<float>(seg);
    }
    testsupport::FillRow(*m, 1, [](double t) { return 2.0 * (1.0 - std::cos(t)); });
    testsupport::FillRow(*m, 2, [](double t) { return 1500.0 * std::sin(t); });
    testsupport::FillRow(*m, 3, [](double t) { return -0.25 * std::cos(t); });
    testsupport::FillRow(*m, 4, [](double t) { return 1234.5678 * std::sin(t); });
    return m;
}

// Done on the print selection with the S-V-A-J preset.
void RequestSvaj(model::CamModel& m, int segment, int every, std::array<int, 4> decimals) {
    model::RecordingHost host;
    output::SelectionForm form = output::NewSelection(4, false);
    output::ActivateSelection(m, form);
    ASSERT_TRUE(output::ApplyPreset(m, host, form, 1));
    form.segment = segment;
    output::WriteTableRequest(m, form, {output::OutputDevice::Screen, every, decimals});
}

Strings Row(const TableGrid& g, int row) {
    Strings cells;
    for (int c = 0; c < TableGrid::columns(); ++c)
        cells.push_back(g.cell(row, c));
    return cells;
}

TEST(TableOutput, WholeRevolutionGrid) {
    auto m = KnownModel();
    RequestSvaj(*m, 0, 1, {2, 0, 3, 4});
    const TableGrid g = Print_to_Form(*m);
    ASSERT_EQ(g.rows(), 4 + 361);
    EXPECT_EQ(Row(g, 0), (Strings{"Angle", "Displcmnt", "Velocity", "Accel", "Jerk"}));
    EXPECT_EQ(Row(g, 1), (Strings{"Degrees", "in", "in/sec", "in/sec^2", "in/sec^3"}));
    EXPECT_EQ(Row(g, 2), (Strings{"Min", "0.00", "-1,500.", "-0.250", "-1,234.5677"}));
    EXPECT_EQ(Row(g, 3), (Strings{"Max", "4.00", "1,500.", "0.250", "1,234.5677"}));
    EXPECT_EQ(Row(g, 4), (Strings{"0.00", "0.00", "0.", "-0.250", "0.0000"}));
    EXPECT_EQ(Row(g, 4 + 30), (Strings{"30.00", "0.27", "750.", "-0.217", "617.2839"}));
    EXPECT_EQ(Row(g, 4 + 180), (Strings{"180.00", "4.00", "0.", "0.250", "0.0000"}));
    // Values that round to zero carry no sign.
    EXPECT_EQ(Row(g, 4 + 360), (Strings{"360.00", "0.00", "0.", "-0.250", "0.0000"}));
    EXPECT_EQ(g.cell(4 + 361, 0), "");
}

// Segment 3 runs from 180 to 270 degrees; Min and Max are those of that range only.
TEST(TableOutput, OneSegmentGrid) {
    for (float step : {1.0f, 0.25f}) {
        auto m = KnownModel(step);
        RequestSvaj(*m, 3, 1, {2, 0, 3, 4});
        EXPECT_EQ(m->PlotStart, 180.0f);
        EXPECT_EQ(m->PlotEnd, 270.0f);
        const TableGrid g = Print_to_Form(*m);
        const int points = step == 1.0f ? 91 : 361;
        ASSERT_EQ(g.rows(), 4 + points) << step;
        EXPECT_EQ(Row(g, 2), (Strings{"Min", "2.00", "-1,500.", "0.000", "-1,234.5677"}));
        EXPECT_EQ(Row(g, 3), (Strings{"Max", "4.00", "0.", "0.250", "0.0000"}));
        EXPECT_EQ(g.cell(4, 0), "180.00");
        EXPECT_EQ(g.cell(5, 0), step == 1.0f ? "181.00" : "180.25");
        EXPECT_EQ(Row(g, 4 + points - 1),
                  (Strings{"270.00", "2.00", "-1,500.", "0.000", "-1,234.5677"}));
    }
}

// Every 10th point of a 1-degree revolution: 0, 10, .., 360. The extremes still come from every
// point: 1500 sin 2t peaks at 45 degrees, between the printed 40 and 50 (1477.2).
TEST(TableOutput, PrintEveryTen) {
    auto m = KnownModel();
    testsupport::FillRow(*m, 2, [](double t) { return 1500.0 * std::sin(2.0 * t); });
    RequestSvaj(*m, 0, 10, {2, 1, 3, 4});
    const TableGrid g = Print_to_Form(*m);
    ASSERT_EQ(g.rows(), 4 + 37);
    for (int r = 0; r < 37; ++r)
        EXPECT_EQ(g.cell(4 + r, 0), std::to_string(10 * r) + ".00");
    EXPECT_EQ(g.cell(4 + 4, 2), "1,477.2");
    EXPECT_EQ(g.cell(4 + 5, 2), "1,477.2");
    EXPECT_EQ(g.cell(3, 2), "1,500.0");
    EXPECT_EQ(g.cell(2, 2), "-1,500.0");
}

// A spectrum is tabulated harmonic by harmonic at step 1 whatever the Print Every and the
// angle step, under "Harmonic" / "Number" and the name of the function transformed.
TEST(TableOutput, SpectrumGrid) {
    auto m = KnownModel(0.5f);
    m->FftDone = true;
    m->FftRow = 3;
    m->NumHarmonics = 15;
    m->FFTResult.assign(361, {});
    for (int h = 0; h <= 360; ++h) {
        m->Results[17][h] = 2.0f * h;
        m->Results[18][h] = -0.25f * h;
        m->Results[19][h] = 1.5f * h;
        m->Results[20][h] = 10.0f * h - 45.0f;
    }
    model::RecordingHost host;
    output::SelectionForm form = output::NewSelection(4, false);
    output::ActivateSelection(*m, form);
    ASSERT_TRUE(output::ApplyPreset(*m, host, form, 7));
    form.segment = 2; // ignored by a spectrum
    output::WriteTableRequest(*m, form, {output::OutputDevice::Screen, 5, {1, 2, 2, 0}});
    EXPECT_EQ(m->PrintEvery, 1);
    const TableGrid g = Print_to_Form(*m);
    ASSERT_EQ(g.rows(), 4 + 16);
    EXPECT_EQ(Row(g, 0), (Strings{"Harmonic", "Real FFT", "Imag FFT", "Mag FFT", "Ang FFT"}));
    EXPECT_EQ(Row(g, 1), (Strings{"Number", "Accel", "Accel", "Accel", "Accel"}));
    EXPECT_EQ(Row(g, 2), (Strings{"Min", "0.0", "-3.75", "0.00", "-45."}));
    EXPECT_EQ(Row(g, 3), (Strings{"Max", "30.0", "0.00", "22.50", "105."}));
    EXPECT_EQ(Row(g, 4 + 3), (Strings{"3", "6.0", "-0.75", "4.50", "-15."}));
    EXPECT_EQ(g.cell(4 + 15, 0), "15");
}

// Each decimals setting on screen and on paper. The screen shows four plain decimals where
// paper puts a blank after the third; five and six decimals show six on screen. Outside 0..6
// both use an exponent format.
TEST(TableOutput, DecimalsOnScreenAndPaper) {
    // The float of 1234.5678 is 1234.5677490234375.
    const struct {
        int decimals;
        const char* screen;
        const char* paper;
    } cases[] = {
        {0, "1,235.", "1,235."},
        {1, "1,234.6", "1,234.6"},
        {2, "1,234.57", "1,234.57"},
        {3, "1,234.568", "1,234.568"},
        {4, "1,234.5677", "1,234.567 7"},
        {5, "1,234.567 749", "1,234.567 75"},
        {6, "1,234.567 749", "1,234.567 749"},
        {7, "1.23E+3", "1.235 E+3"},
        {-1, "1.23E+3", "1.235 E+3"},
        {42, "1.23E+3", "1.235 E+3"},
    };
    for (const auto& c : cases) {
        auto m = KnownModel();
        RequestSvaj(*m, 0, 1, {c.decimals, 2, 2, 2});
        m->Results[1][90] = 1234.5678f;
        m->Results[1][91] = -1234.5678f;
        const TableGrid g = Print_to_Form(*m);
        EXPECT_EQ(g.cell(4 + 90, 1), c.screen) << c.decimals;
        EXPECT_EQ(g.cell(4 + 91, 1), std::string("-") + c.screen) << c.decimals;
        EXPECT_EQ(g.cell(3, 1), c.screen) << c.decimals;
        const auto pages = output::Print_to_Printer(*m, {2026, 8, 12, 9, 30, 5});
        // Angle 90 is the 31st data line of the second page; columns end at 8 and 26.
        const std::string line = pages[1][9 + 30];
        const std::string value = c.paper;
        EXPECT_EQ(line.substr(0, 26), "   90.00" + Pad(18 - static_cast<int>(value.size())) + value)
            << c.decimals;
    }
}

// Seven pages of 60 data lines for 361 rows; every page starts with the identification, the
// heading and the units and ends with its number at column 40 on line 72.
TEST(TableOutput, PrintedPages) {
    auto m = KnownModel();
    m->UserName = "Ada";
    m->DesignNo = 7;
    RequestSvaj(*m, 0, 1, {2, 0, 3, 4});
    const auto pages = output::Print_to_Printer(*m, {2026, 8, 12, 9, 30, 5});
    ASSERT_EQ(pages.size(), 7u);
    EXPECT_EQ(output::PrintedPageLines(), 72);
    const Strings head = {
        "",
        "",
        "",
        "File Model1" + Pad(17) + "Design # 7 ",
        "Ada" + Pad(11) + "8/12/2026" + Pad(5) + "09:30:05",
        "",
        "",
        "   Angle" + Pad(9) + "Displcmnt" + Pad(10) + "Velocity" + Pad(13) + "Accel" + Pad(14) +
            "Jerk",
        " Degrees" + Pad(16) + "in" + Pad(12) + "in/sec" + Pad(10) + "in/sec^2" + Pad(10) +
            "in/sec^3",
    };
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const Strings& page = pages[p];
        ASSERT_EQ(page.size(), 72u) << p;
        EXPECT_EQ(Strings(page.begin(), page.begin() + 9), head) << p;
        EXPECT_EQ(page[69] + page[70], "") << p;
        EXPECT_EQ(page[71], Pad(39) + std::to_string(p + 1));
        // The first data line of page p is the angle 60 p.
        EXPECT_EQ(page[9].substr(0, 8), Pad(p == 0  ? 4
                                            : p < 2 ? 3
                                                    : 2) +
                                            std::to_string(60 * p) + ".00")
            << p;
    }
    EXPECT_EQ(pages[0][9 + 30], "   30.00" + Pad(14) + "0.27" + Pad(14) + "750." + Pad(12) +
                                    "-0.217" + Pad(9) + "617.283 9");
    EXPECT_EQ(pages[0][68].substr(0, 8), "   59.00");
    // The last page holds 360 alone; its number stays on line 72.
    EXPECT_EQ(pages[6][9].substr(0, 8), "  360.00");
    for (int line = 10; line < 71; ++line)
        EXPECT_EQ(pages[6][line], "") << line;
}

// Exactly 60 rows fill one page, with no second page of headings alone; 61 need two.
TEST(TableOutput, PageBreaks) {
    for (const auto& [end, count] : {std::pair{59.0f, 1u}, {60.0f, 2u}, {119.0f, 2u}}) {
        auto m = KnownModel();
        RequestSvaj(*m, 0, 1, {2, 2, 2, 2});
        m->PlotEnd = end;
        EXPECT_EQ(output::Print_to_Printer(*m, {}).size(), count) << end;
    }
}

// Fewer functions than four: only their columns carry names, units and values, on screen and
// on paper.
TEST(TableOutput, TwoColumns) {
    auto m = KnownModel();
    model::RecordingHost host;
    output::SelectionForm form = output::NewSelection(4, false);
    output::SetupMethod(form, output::Method::MixAndMatch);
    output::ActivateSelection(*m, form);
    ASSERT_TRUE(output::SelectFunction(*m, host, form, 1, "AC"));
    ASSERT_TRUE(output::SelectFunction(*m, host, form, 2, "di"));
    output::WriteTableRequest(*m, form, {output::OutputDevice::Printer, 90, {3, 1, 6, 6}});
    EXPECT_EQ(m->NumPrintCols, 2);
    EXPECT_EQ(m->OutputDevice, 1);
    const TableGrid g = Print_to_Form(*m);
    ASSERT_EQ(g.rows(), 4 + 5);
    EXPECT_EQ(Row(g, 0), (Strings{"Angle", "Accel", "Displcmnt", "", ""}));
    EXPECT_EQ(Row(g, 1), (Strings{"Degrees", "in/sec^2", "in", "", ""}));
    EXPECT_EQ(Row(g, 2), (Strings{"Min", "-0.250", "0.0", "", ""}));
    EXPECT_EQ(Row(g, 4 + 2), (Strings{"180.00", "0.250", "4.0", "", ""}));
    const auto pages = output::Print_to_Printer(*m, {});
    EXPECT_EQ(pages[0][7], "   Angle" + Pad(13) + "Accel" + Pad(9) + "Displcmnt");
    EXPECT_EQ(pages[0][9 + 2], "  180.00" + Pad(13) + "0.250" + Pad(15) + "4.0");
}

TEST(TableOutput, RangeBeyondTheResultsIsAFault) {
    auto m = KnownModel();
    RequestSvaj(*m, 0, 1, {2, 2, 2, 2});
    m->PlotEnd = 400.0f;
    EXPECT_THROW(Print_to_Form(*m), model::Fault);
    m->PlotEnd = 360.0f;
    m->PlotFunc[2] = model::kResultRows;
    EXPECT_THROW(Print_to_Form(*m), model::Fault);
    EXPECT_THROW(output::Print_to_Printer(*m, {}), model::Fault);
}

// Copied cells become the rectangle around them, one line per row, TAB between cells.
TEST(TableOutput, CopyText) {
    auto m = KnownModel();
    RequestSvaj(*m, 0, 1, {2, 0, 3, 4});
    const TableGrid g = Print_to_Form(*m);
    EXPECT_EQ(output::CopyText(g, {}), "");
    EXPECT_EQ(output::CopyText(g, {{4 + 30, 1}}), "0.27\n");
    std::string expected = "Angle\tDisplcmnt\nDegrees\tin\n";
    for (int row = 2; row < 4 + 30; ++row)
        expected += "\t\n";
    expected += "30.00\t0.27\n";
    EXPECT_EQ(output::CopyText(g, {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {4 + 30, 0}, {4 + 30, 1}}),
              expected);
    // Listed out of order, with a hole: the hole stays empty.
    EXPECT_EQ(output::CopyText(g, {{4 + 30, 4}, {4 + 30, 2}}), "750.\t\t617.2839\n");
}

} // namespace
