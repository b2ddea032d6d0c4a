// A selection by codes, as the command line makes it: the request written on success, the
// exact reason and an untouched model on refusal.
#include "output/SelectByCodes.h"
#include "model/CamModel.h"
#include "model/ResultRow.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

using namespace trochix;
using model::ScreenId;
using Codes = std::vector<std::string>;

namespace {

std::unique_ptr<model::CamModel> TwoSegments() {
    auto m = testsupport::ModelAtStep(0.25f);
    m->SvajDone = m->ProfileDone = true;
    m->NumSegments = 2;
    m->SegStart[1] = 0;
    m->SegEnd[1] = 150;
    m->SegStart[2] = 150;
    m->SegEnd[2] = 360;
    m->NumHarmonics = 12;
    return m;
}

TEST(SelectByCodes, WritesTheRequestOfTheSelectionScreens) {
    const struct {
        Codes codes;
        int layout, style, segment;
        ScreenId screen;
        int plotStyle;
        std::array<int, 5> funcs;
        float start, end;
        bool all;
    } cases[] = {
        {{"DI", "VE", "AC", "JE"}, 3, 1, 2, ScreenId::MyPlot3, 1, {0, 1, 2, 3, 4}, 150, 360, false},
        {{"ph"}, 1, 1, 0, ScreenId::Plot1, 2, {0, 5, 0, 0, 0}, 0, 360, true},
        {{"RA", "th"}, 2, 2, 1, ScreenId::Plot2, 2, {0, 11, 12, 0, 0}, 0, 150, false},
        {{"xs", "ys", "xc"}, 3, 2, 0, ScreenId::Plot3, 2, {0, 13, 14, 9, 0}, 0, 360, true},
        // The polar plot is always the cam profile.
        {{"JE"}, 4, 1, 0, ScreenId::Plot4, 2, {0, 11, 0, 0, 0}, 0, 360, true},
    };
    for (const auto& c : cases) {
        auto m = TwoSegments();
        const output::CodeSelection s =
            output::SelectByCodes(*m, c.codes, c.layout, c.style, c.segment);
        ASSERT_TRUE(s.ok) << s.error;
        EXPECT_EQ(s.error, "");
        EXPECT_EQ(s.screen, c.screen);
        EXPECT_EQ(m->PlotType, c.layout);
        EXPECT_EQ(m->PlotStyle, c.plotStyle);
        EXPECT_EQ(m->PlotFunc, c.funcs);
        EXPECT_EQ(m->NumPlotFuncs, c.layout == 4 ? 1 : static_cast<int>(c.codes.size()));
        EXPECT_EQ(m->PlotStart, c.start);
        EXPECT_EQ(m->PlotEnd, c.end);
        EXPECT_EQ(m->PlotAllSegments, c.all);
        EXPECT_FALSE(m->SpectrumSelected);
    }

    auto m = TwoSegments();
    m->FftDone = true;
    const output::CodeSelection s = output::SelectByCodes(*m, {"MA", "AN"}, 2, 1, 2);
    ASSERT_TRUE(s.ok) << s.error;
    EXPECT_EQ(s.screen, ScreenId::Plot2);
    EXPECT_TRUE(m->SpectrumSelected);
    EXPECT_EQ(m->PlotEnd, 12.0f);
}

TEST(SelectByCodes, RefusesWithTheReason) {
    const struct {
        Codes codes;
        int layout, style, segment;
        bool svaj, profile, fft;
        const char* error;
    } cases[] = {
        {{"DI"}, 1, 2, 0, false, false, false, "no motion program computed"},
        {{"DI"}, 5, 2, 0, true, true, false, "unknown layout 5"},
        {{"DI"}, 0, 2, 0, true, true, false, "unknown layout 0"},
        {{"DI"}, 2, 3, 0, true, true, false, "unknown style 3"},
        {{}, 1, 2, 0, true, true, false, "no function code given"},
        {{"DI", "VE", "AC"},
         2,
         2,
         0,
         true,
         true,
         false,
         "two windows take 1 to 2 function codes, not 3"},
        {{"DI", "VE", "AC", "JE", "PH"},
         3,
         2,
         0,
         true,
         true,
         false,
         "four windows take 1 to 4 function codes, not 5"},
        {{"DI", "VE", "AC", "JE", "PH"},
         1,
         2,
         0,
         true,
         true,
         false,
         "a single window takes 1 to 4 function codes, not 5"},
        {{"DI", "ZZ"}, 1, 2, 0, true, true, false, "unknown code \"ZZ\""},
        {{"D"}, 1, 2, 0, true, true, false, "unknown code \"D\""},
        {{"PH"}, 1, 2, 0, true, false, false, "stage not computed for \"PH\": size the cam first"},
        {{"DI", "fo"},
         1,
         2,
         0,
         true,
         true,
         false,
         "stage not computed for \"fo\": compute the dynamics first"},
        {{"RE"},
         1,
         2,
         0,
         true,
         true,
         false,
         "stage not computed for \"RE\": compute a Fourier transform first"},
        {{"DI", "MA"},
         1,
         2,
         0,
         true,
         true,
         true,
         "spectrum and cam-angle functions cannot share a plot"},
        {{"DI"}, 1, 2, 3, true, true, false, "no segment 3: the model has 2"},
        {{"DI"}, 1, 2, -1, true, true, false, "no segment -1: the model has 2"},
        {{"DI"},
         4,
         2,
         0,
         true,
         false,
         false,
         "stage not computed for the polar plot: size the cam first"},
    };
    for (const auto& c : cases) {
        auto m = TwoSegments();
        m->SvajDone = c.svaj;
        m->ProfileDone = c.profile;
        m->FftDone = c.fft;
        const output::CodeSelection s =
            output::SelectByCodes(*m, c.codes, c.layout, c.style, c.segment);
        EXPECT_FALSE(s.ok) << c.error;
        EXPECT_EQ(s.error, c.error);
        // Nothing of the request was written.
        EXPECT_EQ(m->PlotType, 1) << c.error;
        EXPECT_EQ(m->PlotFunc, (std::array<int, 5>{0, 1, 2, 3, 4})) << c.error;
        EXPECT_EQ(m->PlotEnd, 360.0f) << c.error;
    }
}

} // namespace
