#include "curve/label_placement.h"

#include <algorithm>

namespace ttl {

bool LabelBox::Overlaps(const LabelBox& other) const
{
    return left < other.right && other.left < right && bottom < other.top && other.bottom < top;
}

bool LabelBox::Contains(Vec2 p) const
{
    return left <= p.x && p.x <= right && bottom <= p.y && p.y <= top;
}

bool LabelBox::Contains(const LabelBox& other) const
{
    return left <= other.left && other.right <= right && bottom <= other.bottom && other.top <= top;
}

LabelBox BoxOf(const WorldWindow& w)
{
    return {std::min(w.left, w.left + w.width), std::max(w.left, w.left + w.width),
            std::min(w.top, w.top + w.height), std::max(w.top, w.top + w.height)};
}

Vec2 LabelBox::Nearest(Vec2 p) const
{
    return {std::clamp(p.x, left, right), std::clamp(p.y, bottom, top)};
}

std::optional<LabelBox> PlaceLabel(const WorldWindow& window, Vec2 point, TextExtent size,
                                   const std::vector<LabelBox>& taken)
{
    const LabelBox picture = BoxOf(window);
    const auto fits = [&](const LabelBox& b) {
        return picture.Contains(b) &&
               std::none_of(taken.begin(), taken.end(),
                            [&](const LabelBox& t) { return t.Overlaps(b); });
    };
    const double gap = 0.25 * size.height; // clear of the point's own mark
    for (double offset = gap; offset <= picture.top - picture.bottom; offset += size.height) {
        const double aboveBottom = point.y + offset;
        const double belowTop = point.y - offset;
        if (aboveBottom > picture.top && belowTop < picture.bottom) {
            break;
        }
        for (const double left : {point.x + gap, point.x - gap - size.width}) {
            for (const double bottom : {aboveBottom, belowTop - size.height}) {
                const LabelBox box{left, left + size.width, bottom, bottom + size.height};
                if (fits(box)) {
                    return box;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace ttl
