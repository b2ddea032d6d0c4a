// Reading a graph at any angle: values interpolated between the points, the differences between
// two angles, and the plotted data as spreadsheet text that reads back to the same values.
#include "output/Graph.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace trochix;
using output::Graph;
using output::GraphKind;

namespace {

// Points at 0, 10, 20, 30 deg: a ramp 0, 1, 2, 3 and a step 5, 5, -5, -5.
Graph Ramp(GraphKind kind = GraphKind::CamAngle) {
    Graph g;
    g.Kind = kind;
    output::ResizeGraph(g, 2, 4);
    const double ramp[] = {0, 1, 2, 3}, step[] = {5, 5, -5, -5};
    for (std::size_t i = 0; i < 4; ++i) {
        g.XValues[i] = 10.0 * static_cast<double>(i);
        g.Sets[0].GraphData[i] = ramp[i];
        g.Sets[1].GraphData[i] = step[i];
    }
    g.Sets[0].Name = "Displcmnt";
    g.Sets[0].Unit = "in";
    g.Sets[1].Name = "Velocity";
    g.Sets[1].Unit = "in/deg";
    return g;
}

} // namespace

// Between two points a value lies on the straight line joining them; at a point it is the
// point's own; a spectrum reads the nearest harmonic; outside the points there is nothing.
TEST(GraphReading, ValuesInterpolateBetweenPoints) {
    const Graph g = Ramp();
    const struct {
        double x, s, v;
    } cases[] = {
        {0.0, 0.0, 5.0}, {2.5, 0.25, 5.0}, {15.0, 1.5, 0.0}, {17.5, 1.75, -2.5}, {30.0, 3.0, -5.0}};
    for (const auto& c : cases) {
        const auto v = output::GraphValuesAt(g, c.x);
        ASSERT_TRUE(v) << c.x;
        EXPECT_DOUBLE_EQ(v->x, c.x);
        EXPECT_NEAR(v->values[0], c.s, 1e-12) << c.x;
        EXPECT_NEAR(v->values[1], c.v, 1e-12) << c.x;
    }
    EXPECT_FALSE(output::GraphValuesAt(g, -0.01));
    EXPECT_FALSE(output::GraphValuesAt(g, 30.01));
    EXPECT_FALSE(output::GraphValuesAt(Graph{}, 0.0));

    Graph spectrum = Ramp(GraphKind::Spectrum);
    const auto h = output::GraphValuesAt(spectrum, 16.0);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->x, 20.0);
    EXPECT_EQ(h->values[1], -5.0);
}

// The reading names each function with its unit; the difference is the later minus the earlier
// pin, the angle included.
TEST(GraphReading, ReadingAndDifferenceTexts) {
    const Graph g = Ramp();
    EXPECT_EQ(output::GraphReadingAt(g, 15.0),
              "Cam Angle 15 deg   Displcmnt 1.5000 in   Velocity 0.0000 in/deg");
    EXPECT_EQ(output::GraphDifference(g, 5.0, 25.0),
              "Difference   Cam Angle 20 deg   Displcmnt 2.0000 in   Velocity -10.0000 in/deg");
    EXPECT_EQ(output::GraphReadingAt(g, 99.0), "");
    EXPECT_EQ(output::GraphDifference(g, 5.0, 99.0), "");
}

// A heading of names and units, then every point; the numbers read back to the same single
// precision values, awkward ones included.
TEST(GraphReading, TableReadsBackToThePlottedValues) {
    Graph g = Ramp();
    g.Sets[0].GraphData[1] = 0.1;
    g.Sets[1].GraphData[2] = -1.0e-7;
    g.Sets[1].GraphData[3] = 123456.789;
    const std::string table = output::GraphTable(g);
    std::istringstream in(table);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "Cam Angle (deg)\tDisplcmnt (in)\tVelocity (in/deg)\r");
    for (std::size_t i = 0; i < 4; ++i) {
        ASSERT_TRUE(std::getline(in, line)) << i;
        ASSERT_EQ(line.back(), '\r');
        std::vector<double> cells;
        std::istringstream row(line);
        for (std::string cell; std::getline(row, cell, '\t');)
            cells.push_back(std::strtod(cell.c_str(), nullptr));
        ASSERT_EQ(cells.size(), 3u) << line;
        EXPECT_EQ(static_cast<float>(cells[0]), static_cast<float>(g.XValues[i]));
        EXPECT_EQ(static_cast<float>(cells[1]), static_cast<float>(g.Sets[0].GraphData[i]));
        EXPECT_EQ(static_cast<float>(cells[2]), static_cast<float>(g.Sets[1].GraphData[i]));
    }
    EXPECT_FALSE(std::getline(in, line));
}
