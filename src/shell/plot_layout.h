#pragma once

#include "shell/graph.h"
#include "shell/nice_ticks.h"

#include <string>
#include <vector>

namespace ttl {

// A rectangle of the surface's pixels, y downward.
struct PixelRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// Where everything of a graph goes, measured with the surface's text measure so that the plot
// takes all the room its labels, titles, legend and notes leave.
struct PlotLayout {
    PlotArea area;
    TickSet xTicks; // only those inside the view
    TickSet yTicks;
    double line = 0.0; // a line of text, pixels
    double gap = 0.0;  // between a label and what it labels
    double tick = 0.0; // a tick mark's length
    std::vector<std::string> noteLines; // the notes wrapped to the window's width
    PixelRect legend;                   // empty without labelled curves
    bool legendBoxed = false;           // inside the plot, over a box of the background
};

// Lays the graph out on the surface's current pixel size; `view` fixes the data shown (a zoom).
[[nodiscard]] PlotLayout LayOutGraph(const Surface& surface, const Graph& graph,
                                     const std::optional<DataView>& view);

// The same, after setting the surface's font to the largest size up to the drawing scale's at
// which the graph still reads: its plot keeps half the window's width and two fifths of its
// height, and its legend lies inside the window. Never smaller than the normal size.
[[nodiscard]] PlotLayout LayOutReadableGraph(Surface& surface, const Graph& graph,
                                             const std::optional<DataView>& view);

// The pixel of a data point in the plot.
[[nodiscard]] double PixelX(const PlotArea& area, double x);
[[nodiscard]] double PixelY(const PlotArea& area, double y);

} // namespace ttl
