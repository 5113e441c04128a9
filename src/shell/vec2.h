#pragma once

#include <cmath>

namespace ttl {

// A vector or point of the plane, in world units.
struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

// sqrt rather than std::hypot: this sits in integrators' inner loops, where hypot's guard
// against overflow costs more than the rest of the rates.
inline double Length(Vec2 v)
{
    return std::sqrt(v.x * v.x + v.y * v.y);
}

inline Vec2 operator+(Vec2 a, Vec2 b)
{
    return {a.x + b.x, a.y + b.y};
}

inline Vec2 operator-(Vec2 a, Vec2 b)
{
    return {a.x - b.x, a.y - b.y};
}

inline Vec2 operator*(double k, Vec2 v)
{
    return {k * v.x, k * v.y};
}

inline double Dot(Vec2 a, Vec2 b)
{
    return a.x * b.x + a.y * b.y;
}

} // namespace ttl
