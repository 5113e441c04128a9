#pragma once

#include "shell/color.h"
#include "shell/surface.h"

#include <optional>
#include <string>
#include <vector>

namespace ttl {

// How a curve is marked: joined points, or a mark at each point.
enum class CurveMark { Line, Dots, Circles, Triangles };

// One curve of a graph, described once for its drawing, its legend entry and the readout of
// values under the mouse.
struct Curve {
    std::string label; // empty: not in the legend
    Color color;
    int width = 1;
    CurveMark mark = CurveMark::Line;
    DrawStyle style = DrawStyle::Solid; // of a Line
    std::vector<double> xs;             // time in s, or a position for an orbit
    std::vector<double> ys;
};

// A closed interval of one axis.
struct Interval {
    double low = 0.0;
    double high = 0.0;
    friend bool operator==(const Interval&, const Interval&) = default;
};

// What a graph shows. The ranges default to the curves' extent; the plot fits them between ticks.
struct Graph {
    std::string xTitle; // with its unit: "t (s)"
    std::string yTitle;
    std::vector<Curve> curves;
    std::vector<std::string> notes; // lines of text above the plot
    std::optional<Interval> xRange;
    std::optional<Interval> yRange;
    bool equalScales = false; // a metre is as long across as up
};

// The part of the data a graph shows.
struct DataView {
    Interval x;
    Interval y;
    friend bool operator==(const DataView&, const DataView&) = default;
};

// Where the plot shows its view: a rectangle of the surface's pixels.
struct PlotArea {
    DataView view;
    double left = 0.0; // pixels
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    [[nodiscard]] bool Contains(double px, double py) const
    {
        return px >= left && px <= right && py >= top && py <= bottom;
    }
};

// The extent of the curves' points (both intervals empty at 0 without any).
[[nodiscard]] Interval CurvesXExtent(const std::vector<Curve>& curves);
[[nodiscard]] Interval CurvesYExtent(const std::vector<Curve>& curves);

// Clears the surface and draws the graph filling it: ticked axes, grid, curves, legend and notes.
// With `view` the plot shows exactly that part of the data (a zoom); else the fitted ranges.
// The world window maps x and y to the data. Returns the plot's area; nothing is drawn (and the
// area is empty) before the surface has a pixel size.
PlotArea DrawGraph(Surface& surface, const Graph& graph,
                   const std::optional<DataView>& view = std::nullopt);

// A curve's value at x, linearly interpolated between its neighbouring points; none outside the
// curve's span. Its xs must increase.
[[nodiscard]] std::optional<double> ValueAt(const Curve& curve, double x);

} // namespace ttl
