#pragma once

#include "shell/graph.h"

#include <optional>
#include <string>
#include <vector>

namespace ttl {

// One line of the box that reads values off a graph, in its curve's colour.
struct ReadoutLine {
    std::string text;
    Color color;
};

// At time x: the time, then each labelled curve's value there, linearly interpolated, for the
// curves that reach that time.
[[nodiscard]] std::vector<ReadoutLine> TimeReadout(const Graph& graph, double x);

// The labelled curve's point nearest (x, y) on screen, with the time it was reached: its index
// times `timeStep` plus `firstTime`. Empty without points.
[[nodiscard]] std::vector<ReadoutLine> NearestPointReadout(const Graph& graph, const PlotArea& area,
                                                           double x, double y, double firstTime,
                                                           double timeStep);

// Shows the readout on the surface's transient layer, so that moving it repaints nothing else:
// a vertical line at `cursorX` when it is a time, and the box beside (x, y).
void DrawReadout(Surface& surface, const PlotArea& area, const std::vector<ReadoutLine>& lines,
                 std::optional<double> cursorX, double x, double y);

} // namespace ttl
