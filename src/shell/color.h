#pragma once

#include <cstdint>

namespace ttl {

// A 24-bit colour; the drawings name colours by their RGB components.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Color, Color) = default;
};

// Components are rounded to whole numbers and clamped to 0..255.
Color Rgb(double red, double green, double blue);

namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Green{0, 255, 0};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Magenta{255, 0, 255};
} // namespace colors

} // namespace ttl
