// The table request: the boxes of the print selection, an input row's Print and tables chosen
// by typing codes.
#include "output/PrintRequest.h"

#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace trochix;
using output::OutputDevice;
using output::PrintSettings;

namespace {

const std::string kEveryMessage = "Print Every must be a whole number of points from 1 to 360";
const std::string kDecimalsMessage = "Decimal places must be a whole number from -99 to 99: 0 to "
                                     "6 give that many decimals, any other the exponent format";

std::unique_ptr<model::CamModel> Program(float step = 1.0f) {
    auto m = testsupport::ModelAtStep(step);
    m->SvajDone = true;
    m->NumSegments = 3;
    const char* dirs[] = {"R", "P", "F"};
    const float betas[] = {120.0f, 60.0f, 180.0f};
    float start = 0.0f;
    for (int seg = 1; seg <= 3; ++seg) {
        m->SegDir[seg] = dirs[seg - 1];
        m->SegBeta[seg] = betas[seg - 1];
        m->SegStart[seg] = start;
        m->SegEnd[seg] = start + betas[seg - 1];
        start += betas[seg - 1];
    }
    return m;
}

TEST(PrintRequest, Lists) {
    EXPECT_EQ(output::PrintEveryList(), (std::vector<std::string>{"1", "2", "3", "4", "5", "10"}));
    EXPECT_EQ(output::DecimalsList(),
              (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6"}));
    EXPECT_STREQ(output::OutputDeviceNames[2], "Disk File");
}

TEST(PrintRequest, PrintEveryBox) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"10", 10},
        {" 3 ", 3},
        {"+7", 7},
        {"360", 360},
        {"1", 1},
        {"0", std::nullopt},
        {"-2", std::nullopt},
        {"361", std::nullopt},
        {"2.5", std::nullopt},
        {"5x", std::nullopt},
        {"", std::nullopt},
        {"ten", std::nullopt},
        {"99999999999", std::nullopt},
    };
    auto m = Program();
    for (const auto& c : cases) {
        model::RecordingHost host;
        EXPECT_EQ(output::ReadPrintEvery(*m, host, c.text), c.value) << c.text;
        if (c.value) {
            EXPECT_TRUE(host.messages.empty()) << c.text;
        } else {
            ASSERT_EQ(host.messages.size(), 1u) << c.text;
            EXPECT_EQ(host.messages[0].text, kEveryMessage);
            EXPECT_EQ(host.messages[0].icon, model::Icon::Exclamation);
        }
    }
    // At 0.25 degree a revolution has 1440 points.
    auto fine = Program(0.25f);
    model::RecordingHost host;
    EXPECT_EQ(output::ReadPrintEvery(*fine, host, "1440"), 1440);
    EXPECT_EQ(output::ReadPrintEvery(*fine, host, "1441"), std::nullopt);
    EXPECT_EQ(host.lastText(), "Print Every must be a whole number of points from 1 to 1440");
}

TEST(PrintRequest, DecimalsBox) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {"4", 4},
        {"6", 6},
        {"7", 7},
        {"-1", -1},
        {"99", 99},
        {"-99", -99},
        {" 2", 2},
        {"100", std::nullopt},
        {"1.5", std::nullopt},
        {"", std::nullopt},
        {"two", std::nullopt},
        {"3 4", std::nullopt},
    };
    for (const auto& c : cases) {
        model::RecordingHost host;
        EXPECT_EQ(output::ReadDecimals(host, c.text), c.value) << c.text;
        EXPECT_EQ(host.messages.size(), c.value ? 0u : 1u) << c.text;
        if (!c.value) {
            EXPECT_EQ(host.lastText(), kDecimalsMessage);
        }
    }
}

// An input row's Print: the segment's range and S, V, A, J with two decimals, whatever an
// earlier print selection had chosen (a spectrum, other columns, other decimals).
TEST(PrintRequest, SegmentTable) {
    auto m = Program();
    m->SpectrumSelected = true;
    m->PlotAllSegments = true;
    m->NumPrintCols = 2;
    m->Decimals = {6, 0, -1, 3};
    m->PlotFunc = {0, 19, 20, 0, 0};
    m->OutputDevice = 2;
    const struct {
        int row;
        bool polynomial;
        float start, end;
    } cases[] = {{0, false, 0, 120}, {1, true, 120, 180}, {2, false, 180, 360}};
    for (const auto& c : cases) {
        EXPECT_EQ(output::SegmentTableRequest(*m, c.row), c.polynomial) << c.row;
        EXPECT_EQ(m->CurSeg, c.row + 1);
        EXPECT_EQ(m->PlotStart, c.start);
        EXPECT_EQ(m->PlotEnd, c.end);
        EXPECT_EQ(m->PlotFunc, (std::array<int, 5>{0, 1, 2, 3, 4}));
        EXPECT_EQ(m->NumPrintCols, 4);
        EXPECT_EQ(m->Decimals, (std::array<int, 4>{2, 2, 2, 2}));
        EXPECT_EQ(m->PrintColName,
                  (std::array<std::string, 4>{"Displcmt", "Velocity", "Accel", "Jerk"}));
        EXPECT_FALSE(m->SpectrumSelected);
        EXPECT_FALSE(m->PlotAllSegments);
        EXPECT_TRUE(m->SegmentPrint);
        EXPECT_EQ(m->OutputDevice, 0);
    }
}

TEST(PrintRequest, TableByCodes) {
    auto m = Program();
    const PrintSettings settings{OutputDevice::DiskFile, 5, {1, 2, 3, 4}};
    const output::TableChoice ok = output::SelectTableByCodes(*m, {"ac", "DI", "JE"}, 2, settings);
    ASSERT_TRUE(ok.ok) << ok.error;
    EXPECT_EQ(m->PlotFunc, (std::array<int, 5>{0, 3, 1, 4, 0}));
    EXPECT_EQ(m->NumPrintCols, 3);
    EXPECT_EQ(m->PrintColName, (std::array<std::string, 4>{"Accel", "Displcmnt", "Jerk", ""}));
    EXPECT_EQ(m->PlotStart, 120.0f);
    EXPECT_EQ(m->PlotEnd, 180.0f);
    EXPECT_EQ(m->PrintEvery, 5);
    EXPECT_EQ(m->Decimals, (std::array<int, 4>{1, 2, 3, 4}));
    // Empty columns at the end are no gap.
    EXPECT_TRUE(output::SelectTableByCodes(*m, {"VE", "-", "-"}, 0, settings).ok);
    EXPECT_EQ(m->NumPrintCols, 1);
    EXPECT_EQ(m->PlotEnd, 360.0f);
}

TEST(PrintRequest, RefusedTables) {
    const PrintSettings every1{};
    const struct {
        std::vector<std::string> codes;
        int segment;
        int every;
        const char* error;
    } cases[] = {
        {{}, 0, 1, "no function code given"},
        {{"-", "-"}, 0, 1, "no function code given"},
        {{"DI", "VE", "AC", "JE", "DI"}, 0, 1, "a table takes 1 to 4 function codes, not 5"},
        {{"DI", "ZZ"}, 0, 1, "unknown code \"ZZ\""},
        {{"PH"}, 0, 1, "stage not computed for \"PH\": size the cam first"},
        {{"FO"}, 0, 1, "stage not computed for \"FO\": compute the dynamics first"},
        {{"MA"}, 0, 1, "stage not computed for \"MA\": compute a Fourier transform first"},
        {{"DI", "-", "AC"}, 0, 1, "column 2 is empty: leave no gaps between columns"},
        {{"DI"}, 4, 1, "no segment 4: the model has 3"},
        {{"DI"}, -1, 1, "no segment -1: the model has 3"},
        {{"DI"}, 0, 0, "print every 0: give 1 to 360"},
        {{"DI"}, 0, 361, "print every 361: give 1 to 360"},
    };
    for (const auto& c : cases) {
        auto m = Program();
        m->PlotEnd = 45.0f; // untouched by a refusal
        const output::TableChoice r = output::SelectTableByCodes(
            *m, c.codes, c.segment, {OutputDevice::Screen, c.every, every1.decimals});
        EXPECT_FALSE(r.ok) << c.error;
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(m->PlotEnd, 45.0f) << c.error;
    }
    auto m = Program();
    m->FftDone = true;
    m->FFTResult.assign(181, {});
    EXPECT_EQ(output::SelectTableByCodes(*m, {"MA", "DI"}, 0, every1).error,
              "spectrum and cam-angle functions cannot share a table");
    m->SvajDone = false;
    EXPECT_EQ(output::SelectTableByCodes(*m, {"DI"}, 0, every1).error,
              "no motion program computed");
}

} // namespace
