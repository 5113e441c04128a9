#pragma once

#include "explorer/explorer_views.h"
#include "shell/color.h"
#include "shell/surface.h"

#include <vector>

namespace ttl {

// The legend band below the explorer's base: velocities in the left column, forces in the right.
enum class LegendColumn { Velocities, Forces };

// A sample arrow and its text in each row of the legend band.
struct LegendEntry {
    const char* label; // untranslated, in the "explorer" context
    Color color;
    LegendColumn column = LegendColumn::Velocities;
    int width = 1; // the sample arrow is drawn like the arrow itself
};

// Text lines of the current font that fit the picture's height.
[[nodiscard]] double LinesPerHeight(const Surface& s);

// The band's rows, in lines of the current font: at most half of a very small picture.
[[nodiscard]] double LegendBandRows(const Surface& s);

// The legend band, below the base's square: two columns while their texts fit at a good size;
// in large text on a small picture, one column of every entry when that lets them be larger.
// The last row tells how long the arrows are drawn.
void DrawLegendBand(Surface& s, const std::vector<LegendEntry>& entries, const ArrowScales& scales);

} // namespace ttl
