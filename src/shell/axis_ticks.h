#pragma once

#include "shell/surface.h"

namespace ttl {

// Axes of a graph window covering xStart..xEnd and yStart..yEnd, with tick marks at every other
// spacing, dotted grid lines, the horizontal numbers formatted "0.00" and the vertical ones
// "0.0E+00". Lines and texts use the surface's ForeColor. An empty or non-finite range draws the
// axes only.
void AxisTicks(Surface& surface, double xEnd, double xStart, double yEnd, double yStart);

} // namespace ttl
