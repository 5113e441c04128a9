#include "shell/picture_text.h"

#include "shell/drawing_scale.h"

#include <algorithm>
#include <cmath>

namespace ttl {

double FitFontToPicture(Surface& surface, const std::vector<TextRoom>& rooms)
{
    const double normal = Font{}.size;
    surface.SetFontSize(normal);
    const double across = std::abs(surface.Window().width);
    if (surface.PixelWidth() <= 0 || !(across > 0.0)) {
        return normal; // not shown yet: measured at the normal size
    }
    // A little to spare: hinting makes a text's width not quite proportional to its size.
    constexpr double Spare = 0.95;
    const double pixelsPerUnit = Spare * surface.PixelWidth() / across;
    // Texts are measured and drawn at the font's size times the drawing scale.
    double scale = DrawingScale();
    for (const TextRoom& room : rooms) {
        const double normalWidth = surface.TextPixels(room.text).width / DrawingScale();
        if (normalWidth > 0.0) {
            scale = std::min(scale, room.width * pixelsPerUnit / normalWidth);
        }
    }
    const double points = normal * scale / DrawingScale();
    surface.SetFontSize(points);
    return points;
}

} // namespace ttl
