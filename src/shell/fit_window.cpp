#include "shell/fit_window.h"

#include <algorithm>
#include <cmath>

namespace ttl {

bool FitWorldWindow(Surface& surface, WorldBox box, double margin, double topRows)
{
    const double w = surface.PixelWidth();
    const double h = surface.PixelHeight();
    double width = box.right - box.left;
    double height = box.top - box.bottom;
    if (w <= 0.0 || h <= 0.0 || !std::isfinite(width) || !std::isfinite(height) ||
        (width <= 0.0 && height <= 0.0)) {
        return false;
    }
    width = std::max(width, 1e-9) * (1.0 + 2.0 * margin);
    height = std::max(height, 1e-9) * (1.0 + 2.0 * margin);
    // world units per pixel, the same both ways; the band of text lines takes its pixels first
    const double linePixels = surface.TextLinePixels();
    const double freeHeight = std::max(h - topRows * linePixels, 0.25 * h);
    const double perPixel = std::max(width / w, height / freeHeight);
    const double centreX = 0.5 * (box.left + box.right);
    const double bottom = 0.5 * (box.top + box.bottom) - 0.5 * perPixel * freeHeight;
    surface.Scale(centreX - 0.5 * perPixel * w, bottom + perPixel * h, centreX + 0.5 * perPixel * w,
                  bottom);
    return true;
}

} // namespace ttl
