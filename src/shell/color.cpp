#include "shell/color.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {
std::uint8_t Component(double value)
{
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<std::uint8_t>(std::clamp(std::round(value), 0.0, 255.0));
}
} // namespace

Color Rgb(double red, double green, double blue)
{
    return Color{Component(red), Component(green), Component(blue)};
}

} // namespace ttl
