#include "output/Graph.h"

#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace trochix::output {

namespace {

// A short number with its zero before the point, as a reading is read ("0.25", "-0.5", "90").
std::string Short(double v) {
    std::string s = text::ShortestDouble(v, 7);
    if (s.rfind(".", 0) == 0)
        s.insert(0, "0");
    else if (s.rfind("-.", 0) == 0)
        s.insert(1, "0");
    return s;
}

double Magnitude(const std::vector<double>& v) {
    double p = 0.0;
    for (double x : v)
        if (std::isfinite(x))
            p = std::max(p, std::fabs(x));
    return p;
}

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string WithUnit(const std::string& value, const std::string& unit) {
    return unit.empty() ? value : value + " " + unit;
}

} // namespace

void ResizeGraph(Graph& g, int numSets, int numPoints) {
    numSets = std::max(numSets, 0);
    numPoints = std::max(numPoints, 0);
    g.NumSets = numSets;
    g.NumPoints = numPoints;
    g.Sets.resize(static_cast<std::size_t>(numSets));
    for (GraphSet& s : g.Sets)
        s.GraphData.resize(static_cast<std::size_t>(numPoints), 0.0);
    g.LabelText.resize(static_cast<std::size_t>(numPoints));
    g.XValues.resize(static_cast<std::size_t>(numPoints), 0.0);
    if (g.Kind == GraphKind::Polar)
        g.XPosData.resize(static_cast<std::size_t>(numPoints), 0.0);
    else
        g.XPosData.clear();
}

std::string ReadingAngle(double x) {
    return Short(text::FNRound(x, 2));
}

int PlotDecimals(double p) {
    int d = 0;
    if (p < 100)
        d = 1;
    if (p < 10)
        d = 2;
    if (p < 1)
        d = 3;
    return d;
}

std::string ReadingValue(double value, double magnitude) {
    if (!std::isfinite(value))
        return text::ShortestDouble(value, 7);
    return text::FNRoundStr(value, PlotDecimals(magnitude) + 2);
}

int NearestPoint(const Graph& g, double x) {
    const bool polar = g.Kind == GraphKind::Polar;
    const std::vector<double>& xs = polar ? g.XPosData : g.XValues;
    const int n = std::min(g.NumPoints, static_cast<int>(xs.size()));
    int best = -1;
    double bestDistance = 0.0;
    for (int i = 0; i < n; ++i) {
        double d = std::fabs(xs[static_cast<std::size_t>(i)] - x);
        if (polar) {
            d = std::fmod(d, 360.0);
            d = std::min(d, 360.0 - d);
        }
        if (std::isfinite(d) && (best < 0 || d < bestDistance)) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

std::string GraphReading(const Graph& g, int point) {
    if (point < 0 || point >= g.NumPoints)
        return {};
    const auto at = static_cast<std::size_t>(point);
    std::string text;
    if (g.Kind == GraphKind::Polar) {
        if (at >= g.XPosData.size())
            return {};
        text = g.XName + " " + WithUnit(ReadingAngle(g.XPosData[at]), g.XUnit);
    } else {
        if (at >= g.XValues.size())
            return {};
        text = g.XName + " " + WithUnit(ReadingAngle(g.XValues[at]), g.XUnit);
    }
    for (const GraphSet& s : g.Sets) {
        if (at >= s.GraphData.size())
            continue;
        const std::string name = Trimmed(s.Name.empty() ? s.LegendText : s.Name);
        text += "   " + name + " " +
                WithUnit(ReadingValue(s.GraphData[at], Magnitude(s.GraphData)), s.Unit);
    }
    return text;
}

namespace {

std::string SetName(const GraphSet& s) {
    return Trimmed(s.Name.empty() ? s.LegendText : s.Name);
}

// The model's values are single precision: the shortest text that reads back to the same one.
std::string TableNumber(double v) {
    std::string s = text::ShortestFloat(static_cast<float>(v), 9);
    if (s.rfind(".", 0) == 0)
        s.insert(0, "0");
    else if (s.rfind("-.", 0) == 0)
        s.insert(1, "0");
    return s;
}

std::string XText(const Graph& g, double x) {
    return g.XName + " " + WithUnit(ReadingAngle(x), g.XUnit);
}

} // namespace

std::optional<GraphValues> GraphValuesAt(const Graph& g, double x) {
    const bool polar = g.Kind == GraphKind::Polar;
    const std::vector<double>& xs = polar ? g.XPosData : g.XValues;
    const int n = std::min(g.NumPoints, static_cast<int>(xs.size()));
    if (n <= 0 || !std::isfinite(x))
        return std::nullopt;
    GraphValues out;
    auto valueOf = [&](const GraphSet& s, int i) {
        return i < static_cast<int>(s.GraphData.size()) ? s.GraphData[static_cast<std::size_t>(i)]
                                                        : std::nan("");
    };
    if (polar || g.Kind == GraphKind::Spectrum) {
        const int i = NearestPoint(g, x);
        if (!polar && (x < xs.front() - 0.5 || x > xs[static_cast<std::size_t>(n - 1)] + 0.5))
            return std::nullopt;
        out.x = xs[static_cast<std::size_t>(i)];
        for (const GraphSet& s : g.Sets)
            out.values.push_back(valueOf(s, i));
        return out;
    }
    if (x < xs.front() || x > xs[static_cast<std::size_t>(n - 1)])
        return std::nullopt;
    // The first point at or beyond x; the angles of a plot rise.
    const auto it = std::lower_bound(xs.begin(), xs.begin() + n, x);
    const int hi = static_cast<int>(it - xs.begin());
    const int lo = std::max(0, hi - 1);
    const double x0 = xs[static_cast<std::size_t>(lo)], x1 = xs[static_cast<std::size_t>(hi)];
    const double t = x1 > x0 ? (x - x0) / (x1 - x0) : 1.0;
    out.x = x;
    for (const GraphSet& s : g.Sets) {
        const double a = valueOf(s, lo), b = valueOf(s, hi);
        out.values.push_back(t >= 1.0 ? b : a + t * (b - a));
    }
    return out;
}

std::string GraphReadingAt(const Graph& g, double x) {
    const auto v = GraphValuesAt(g, x);
    if (!v)
        return {};
    std::string text = XText(g, v->x);
    for (std::size_t k = 0; k < g.Sets.size(); ++k)
        text +=
            "   " + SetName(g.Sets[k]) + " " +
            WithUnit(ReadingValue(v->values[k], Magnitude(g.Sets[k].GraphData)), g.Sets[k].Unit);
    return text;
}

std::string GraphDifference(const Graph& g, double from, double to) {
    const auto a = GraphValuesAt(g, from), b = GraphValuesAt(g, to);
    if (!a || !b)
        return {};
    std::string text = "Difference   " + XText(g, b->x - a->x);
    for (std::size_t k = 0; k < g.Sets.size(); ++k)
        text += "   " + SetName(g.Sets[k]) + " " +
                WithUnit(ReadingValue(b->values[k] - a->values[k], Magnitude(g.Sets[k].GraphData)),
                         g.Sets[k].Unit);
    return text;
}

std::string ReadoutText(const Graph& g, std::optional<double> cursor,
                        const std::vector<double>& pins) {
    std::vector<std::string> lines;
    if (cursor)
        lines.push_back(GraphReadingAt(g, *cursor));
    if (pins.size() == 1) {
        if (std::string pinned = GraphReadingAt(g, pins[0]); !pinned.empty())
            lines.push_back("Pinned   " + pinned);
    } else if (pins.size() >= 2) {
        lines.push_back(GraphDifference(g, pins[0], pins[1]));
    }
    std::string text;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

std::string GraphTable(const Graph& g) {
    const bool polar = g.Kind == GraphKind::Polar;
    const std::vector<double>& xs = polar ? g.XPosData : g.XValues;
    auto heading = [](const std::string& name, const std::string& unit) {
        return unit.empty() ? name : name + " (" + unit + ")";
    };
    std::string out = heading(g.XName, g.XUnit);
    for (const GraphSet& s : g.Sets)
        out += "\t" + heading(SetName(s), s.Unit);
    out += "\r\n";
    const int n = std::min(g.NumPoints, static_cast<int>(xs.size()));
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        out += TableNumber(xs[at]);
        for (const GraphSet& s : g.Sets)
            out += "\t" + (at < s.GraphData.size() ? TableNumber(s.GraphData[at]) : std::string());
        out += "\r\n";
    }
    return out;
}

std::string GraphTable(const std::vector<Graph>& graphs) {
    if (graphs.empty())
        return {};
    const auto xsOf = [](const Graph& g) -> const std::vector<double>& {
        return g.Kind == GraphKind::Polar ? g.XPosData : g.XValues;
    };
    const bool shared = std::all_of(graphs.begin(), graphs.end(), [&](const Graph& g) {
        return g.Kind == graphs.front().Kind && g.NumPoints == graphs.front().NumPoints &&
               xsOf(g) == xsOf(graphs.front());
    });
    if (shared) {
        Graph merged = graphs.front();
        for (std::size_t i = 1; i < graphs.size(); ++i)
            merged.Sets.insert(merged.Sets.end(), graphs[i].Sets.begin(), graphs[i].Sets.end());
        merged.NumSets = static_cast<int>(merged.Sets.size());
        return GraphTable(merged);
    }
    std::string out;
    for (const Graph& g : graphs)
        out += (out.empty() ? "" : "\r\n") + GraphTable(g);
    return out;
}

} // namespace trochix::output
