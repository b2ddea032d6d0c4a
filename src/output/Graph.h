// The properties of one chart window (grf_Plot) of the Annotated plots, the Dynamics screen and
// the FFT screen: what the plot routines set, in plain data, so that tests read exactly what a
// chart is given. One adapter (ui/ChartView.h) renders a Graph with Qt Charts.
//
// Points are numbered 0..NumPoints-1 here (the chart control counts them from 1). Every set
// holds NumPoints values in GraphData; LabelText, XValues (and XPosData on a polar graph) hold
// one entry per point.
//
//   GridStyle   0 no grid, 1 horizontal lines, 2 vertical lines, 3 both
//   GraphStyle  0 the points alone, 2 the second style box (filled area; for a spectrum the
//               spectral lines), 4 the first (lines; for a spectrum the envelope), 6 both
//   PatternData dash pattern of a set when PatternedLines: 0 solid, 1 dashed, 2 dotted,
//               3 dash-dot
//   Fonts       indexed by FontUse: 0 graph title, 1 axis titles, 2 axis labels, 3 legend;
//               FontSize in percent of the screen font, FontStyle bits 1 italic, 2 bold,
//               FontFamily 0 serif, 1 sans serif, 2 fixed pitch
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trochix::output {

enum class GraphKind {
    CamAngle, // functions of cam angle: lines and filled areas
    Spectrum, // against the harmonic number: envelope and spectral lines
    Polar,    // cam radius (GraphData) against cam angle (XPosData), degrees
};

struct GraphFont {
    int FontSize = 100;
    int FontStyle = 0;
    int FontFamily = 1;
    friend bool operator==(const GraphFont&, const GraphFont&) = default;
};

constexpr int kFontUses = 4;

struct GraphSet {
    std::string LegendText;
    int PatternData = 0;
    std::vector<double> GraphData; // one value per point
    // For reading values off the chart: the function's name and unit.
    std::string Name;
    std::string Unit;
};

struct Graph {
    GraphKind Kind = GraphKind::CamAngle;
    int DrawMode = 0; // 2 once the data were sent: the chart draws them
    int NumPoints = 0;
    int TickEvery = 1;  // points between tick marks on the horizontal axis
    int LabelEvery = 2; // points between its labels
    // Ticks and labels on round values over the range instead (a range that does not start on
    // a round value: the ratios of a response spectrum).
    bool RoundLabels = false;
    int NumSets = 0;
    std::string GraphTitle;
    std::string BottomTitle;
    std::string LeftTitle;
    bool PatternedLines = false;
    bool ThickLines = false;
    int GridStyle = 0;
    int GraphStyle = 4;
    std::array<GraphFont, kFontUses> Fonts{};
    std::vector<GraphSet> Sets;         // NumSets entries
    std::vector<std::string> LabelText; // per point
    std::vector<double> XValues;        // per point: cam angle in degrees, or harmonic number
    std::vector<double> XPosData;       // per point, polar graphs: cam angle in degrees
    std::string XName = "Cam Angle";    // how a reading names the horizontal value
    std::string XUnit = "deg";
};

// Sizes the sets and their data for NumSets sets of NumPoints points (values kept where they
// fit, new ones zero).
void ResizeGraph(Graph& graph, int numSets, int numPoints);

// The text of a reading at point `point` (0-based): the horizontal value and, for each set, the
// function's name, value and unit, e.g. "Cam Angle 90 deg   Displcmnt 0.5000 in". Polar graphs
// read the cam angle from XPosData. Empty when the point is outside the graph.
std::string GraphReading(const Graph& graph, int point);

// The values of every set at horizontal value x, interpolated linearly between the points on
// either side; a spectrum and a polar graph take the nearest point, as there is nothing between
// harmonics and a polar curve is not ordered by angle. Nothing when x lies outside the points.
struct GraphValues {
    double x = 0.0;             // the horizontal value read (a point's own on a spectrum)
    std::vector<double> values; // one per set
};
std::optional<GraphValues> GraphValuesAt(const Graph& graph, double x);

// The reading at horizontal value x, in the form of GraphReading; "" outside the points.
std::string GraphReadingAt(const Graph& graph, double x);

// The change from horizontal value `from` to `to`: "Difference   Cam Angle 30 deg   Displcmnt
// 0.2500 in ..."; "" when either lies outside the points.
std::string GraphDifference(const Graph& graph, double from, double to);

// What a chart's readout shows: the reading at the cursor (if any), then "Pinned   <reading>"
// for one pin or the difference between two; lines joined by '\n', "" when there is nothing.
std::string ReadoutText(const Graph& graph, std::optional<double> cursor,
                        const std::vector<double>& pins);

// The plotted data as TAB-separated text for a spreadsheet: a heading line (each column's name
// and unit) and one line per point, lines ended by CR LF, numbers in full precision.
std::string GraphTable(const Graph& graph);
// The graphs of one screen as one table: side by side when they share their points, else one
// after another with an empty line between.
std::string GraphTable(const std::vector<Graph>& graphs);

// The point nearest to horizontal value x (polar: nearest in angle to x degrees); -1 when the
// graph has no points.
int NearestPoint(const Graph& graph, double x);

// Decimals for a value of magnitude p on a plot label: 0, raised to 1 below 100, 2 below 10
// and 3 below 1.
int PlotDecimals(double p);

// An angle or harmonic as a reading shows it: rounded to 2 decimals, shortest form ("97.5").
std::string ReadingAngle(double x);

// A plotted value as a reading shows it: two more decimals than the label rule gives for the
// magnitude of its function.
std::string ReadingValue(double value, double magnitude);

} // namespace trochix::output
