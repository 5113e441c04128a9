#pragma once

#include "shell/surface.h"

#include <string>

namespace ttl {

// Axes of a graph window covering xStart..xEnd and yStart..yEnd, with tick marks at every other
// spacing, dotted grid lines, the horizontal numbers formatted "0.00" and the vertical ones
// "0.0E+00". Lines and texts use the surface's ForeColor. An empty or non-finite range draws the
// axes only.
void AxisTicks(Surface& surface, double xEnd, double xStart, double yEnd, double yStart);

// The axes' titles with their units: the horizontal one under the axis, ending at xEnd; the
// vertical one beside the axis, a line above yEnd. Needs the surface's pixel size to measure.
void AxisTitles(Surface& surface, double xEnd, double axisY, double yEnd, double axisX,
                const std::string& horizontal, const std::string& vertical);

} // namespace ttl
