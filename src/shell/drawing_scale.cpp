#include "shell/drawing_scale.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {
constexpr double SmallestScale = 0.75;
constexpr double LargestScale = 2.5;
double g_scale = 1.0;
} // namespace

void SetDrawingScale(double scale)
{
    if (std::isfinite(scale)) {
        g_scale = std::clamp(scale, SmallestScale, LargestScale);
    }
}

double DrawingScale()
{
    return g_scale;
}

double ScaledPenWidth(int width)
{
    return std::max(1, width) * g_scale;
}

} // namespace ttl
