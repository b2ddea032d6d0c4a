// The graphs of the Dynamics and FFT screens and the FFT screen's function box.
#include "output/ScreenGraphs.h"
#include "output/FftChoice.h"

#include "model/CamModel.h"
#include "model/RecordingHost.h"
#include "model/ResultRow.h"
#include "spectrum/Spectrum.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace trochix;
using model::ResultRow;
using output::Graph;
using output::GraphKind;
using testsupport::FillRow;
using testsupport::ModelAtStep;

// Every calculated point of the force and torque rows is drawn against its cam angle, ticked
// every 30 degrees and labelled every 60 at every calculation step.
TEST(ScreenGraphs, DynamicsGraphHoldsEveryPointOfItsRow) {
    const struct {
        float step;
        int points, tick;
    } cases[] = {{1.0f, 361, 30}, {0.5f, 721, 60}, {0.25f, 1441, 120}};
    for (const auto& c : cases) {
        auto m = ModelAtStep(c.step);
        FillRow(*m, ResultRow::Force, [](double a) { return 100.0 + 40.0 * std::sin(a); });
        FillRow(*m, ResultRow::Torque, [](double a) { return -3.0 * std::cos(2.0 * a); });
        for (int row : {ResultRow::Force, ResultRow::Torque}) {
            const Graph g = output::DynamicsGraph(*m, row);
            ASSERT_EQ(g.NumPoints, c.points) << c.step;
            EXPECT_EQ(g.TickEvery, c.tick);
            EXPECT_EQ(g.LabelEvery, 2 * c.tick);
            EXPECT_EQ(g.BottomTitle, "Cam Angle (Deg)");
            EXPECT_EQ(g.Kind, GraphKind::CamAngle);
            EXPECT_EQ(g.GraphStyle, 4);
            EXPECT_EQ(g.GridStyle, 3);
            ASSERT_EQ(g.NumSets, 1);
            for (int i = 0; i < c.points; ++i) {
                EXPECT_EQ(g.XValues[i], i * c.step);
                EXPECT_EQ(g.Sets[0].GraphData[i], m->Results[row][i]);
            }
            EXPECT_EQ(g.XValues.back(), 360.0);
        }
    }
    auto m = ModelAtStep(1.0f);
    const Graph force = output::DynamicsGraph(*m, ResultRow::Force);
    const Graph torque = output::DynamicsGraph(*m, ResultRow::Torque);
    EXPECT_EQ(force.LeftTitle + "|" + force.Sets[0].LegendText, "Force|lb");
    EXPECT_EQ(torque.LeftTitle + "|" + torque.Sets[0].LegendText, "Torque|lb-in");
    // A reading names the function and its unit.
    EXPECT_EQ(output::GraphReading(torque, 90).substr(0, 12), "Cam Angle 90");
}

// Graph j shows column j of the transform over harmonics 0..NumHarmonics, titled with the
// function's name; ticks follow NumHarmonics / 15.
TEST(ScreenGraphs, FftGraphsHoldTheTransformColumns) {
    model::RecordingHost host;
    auto m = ModelAtStep(0.5f);
    // 1 + 3 cos 2t - 4 sin 5t: 2 at harmonic 0, real 3 at 2, imaginary 4 at 5 (hand values).
    FillRow(*m, 1, [](double t) { return 1 + 3 * std::cos(2 * t) - 4 * std::sin(5 * t); });
    ASSERT_TRUE(spectrum::SpectrumStep(*m, host, 1, m->NumPoints));
    const struct {
        int harmonics, points, tick;
    } cases[] = {{15, 16, 1}, {45, 46, 3}, {360, 361, 24}, {500, 361, 33}};
    for (const auto& c : cases) {
        m->NumHarmonics = c.harmonics;
        std::array<Graph, 4> g;
        output::StyleBoxes boxes;
        boxes.chk_VGrid = true;
        boxes.chk_Line = false;
        boxes.chk_Sticks = true;
        ASSERT_TRUE(output::FFT_Plot_Setup(*m, host, g, "Displcmnt", boxes));
        ASSERT_TRUE(output::FillFftGraphs(*m, host, g));
        const std::array<const char*, 4> left = {"Real", "Imag", "Mag", "Phs"};
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(g[j].GraphTitle, "Fourier Transform of  Displcmnt");
            EXPECT_EQ(g[j].BottomTitle, "Harmonic Number");
            EXPECT_EQ(g[j].LeftTitle, left[j]);
            EXPECT_EQ(g[j].Kind, GraphKind::Spectrum);
            EXPECT_EQ(g[j].GridStyle, 2);
            EXPECT_EQ(g[j].GraphStyle, 2);
            EXPECT_EQ(g[j].TickEvery, c.tick) << c.harmonics;
            ASSERT_EQ(g[j].NumPoints, c.points) << c.harmonics;
            for (int h = 0; h < c.points; ++h) {
                EXPECT_EQ(g[j].XValues[h], h);
                EXPECT_EQ(g[j].Sets[0].GraphData[h], m->FFTResult[h][j]);
            }
        }
        EXPECT_NEAR(g[2].Sets[0].GraphData[0], 2.0, 1e-5);
        EXPECT_NEAR(g[0].Sets[0].GraphData[2], 3.0, 1e-5);
        EXPECT_NEAR(g[1].Sets[0].GraphData[5], 4.0, 1e-5);
        EXPECT_NEAR(g[3].Sets[0].GraphData[5], 90.0, 1e-4);
        EXPECT_EQ(g[3].Sets[0].Unit, "deg");
        EXPECT_EQ(g[2].Sets[0].Unit, "in");
    }
    EXPECT_TRUE(host.messages.empty());

    // Fewer than four graphs is a fault of the routine that was given them.
    std::array<Graph, 3> three;
    EXPECT_FALSE(output::FFT_Plot_Setup(*m, host, three, "Displcmnt", {}));
    EXPECT_FALSE(output::FillFftGraphs(*m, host, three));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[0].text.find("FFT_Plot_Setup"), std::string::npos);
    EXPECT_NE(host.messages[1].text.find("FFT_Plot"), std::string::npos);

    std::array<Graph, 4> empty;
    output::EmptyFftGraphs(empty);
    EXPECT_EQ(empty[3].NumPoints, 0);
    EXPECT_EQ(empty[3].LeftTitle, "Phs");
    EXPECT_EQ(empty[0].BottomTitle, "Harmonic Number");
}

// The FFT box takes names and codes of the listed functions; the spectrum itself and
// functions not computed yet are refused by keeping the text as typed.
TEST(FftChoice, NamesAndCodes) {
    auto m = ModelAtStep(1.0f);
    m->SvajDone = true;
    const struct {
        bool profile, dynamics;
        const char *typed, *chosen;
    } cases[] = {
        {false, false, "Velocity", "Velocity"},
        {false, false, "ve", "Velocity"},
        {false, false, "JErk", "Jerk"},
        {false, false, "ph", "ph"},
        {true, false, "ph", "Phi"},
        {true, false, "fo", "fo"},
        {true, true, "fo", "Force"},
        {true, true, "FLy", "Flywhl Trq"},
        {true, true, "ma", "ma"},
        {true, true, "Mag FFT", "Mag FFT"},
        {true, true, "zz", "zz"},
        {true, true, "", ""},
    };
    for (const auto& c : cases) {
        m->ProfileDone = c.profile;
        m->DynamicsDone = c.dynamics;
        m->FftDone = true;
        EXPECT_EQ(output::FftFunctionText(*m, c.typed), c.chosen) << c.typed;
    }
    m->ProfileDone = m->DynamicsDone = true;
    const auto list = output::FftFunctionList(*m);
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[6].name, "Force");
    EXPECT_EQ(list[6].row, 7);
    EXPECT_EQ(list.back().row, 14);
}
