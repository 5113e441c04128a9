#pragma once

#include "shell/plot_layout.h"
#include "shell/surface.h"

#include <string>

namespace ttl {

// Converts a pixel of the surface to its world coordinates (the window must be drawable).
[[nodiscard]] double WorldX(const Surface& surface, double pixelX);
[[nodiscard]] double WorldY(const Surface& surface, double pixelY);

// Writes the text with its top-left corner at the pixel.
void PrintAtPixel(Surface& surface, double pixelX, double pixelY, const std::string& text);

// The plot's axes along its left and bottom edges, light grid lines on the ticks, a zero line
// where the vertical range spans 0, the tick labels outside the plot and the axes' titles: the
// vertical one above the plot, the horizontal one under its labels. A factor of the labels goes
// into the title. Needs the surface's world window set to the layout.
void DrawAxes(Surface& surface, const PlotLayout& layout, const std::string& xTitle,
              const std::string& yTitle);

} // namespace ttl
