#pragma once

#include "shell/surface.h"
#include "shell/vec2.h"

#include <optional>
#include <vector>

namespace ttl {

// A label's box in world units of a window with x to the right and y up.
struct LabelBox {
    double left = 0.0, right = 0.0, bottom = 0.0, top = 0.0;

    [[nodiscard]] bool Overlaps(const LabelBox& other) const;
    [[nodiscard]] bool Contains(Vec2 p) const;
    [[nodiscard]] bool Contains(const LabelBox& other) const;
    // The point of the box nearest to p.
    [[nodiscard]] Vec2 Nearest(Vec2 p) const;
};

// The whole window as a box.
LabelBox BoxOf(const WorldWindow& window);

// The free place nearest `point` for a label of `size` (world units): just above or below it,
// on its right and then on its left, then a row further out at a time. It lies wholly inside
// the window and overlaps none of `taken`; none when no such place is left.
std::optional<LabelBox> PlaceLabel(const WorldWindow& window, Vec2 point, TextExtent size,
                                   const std::vector<LabelBox>& taken);

} // namespace ttl
