#include "shell/vectors.h"

#include <cmath>
#include <numbers>

namespace ttl {

namespace {

constexpr double Pi = std::numbers::pi;

struct Point {
    double x;
    double y;
};

struct ArrowHead {
    Point tip;
    Point stroke1;
    Point stroke2;
};

// One seventy-fifth of the surface diagonal: the same size on screen for every vector.
double HeadLength(const Surface& surface)
{
    return std::hypot(surface.ScaleWidth(), surface.ScaleHeight()) / 75.0;
}

// Shaft angle theta = atan(dy/dx) lies in (-pi/2, pi/2), so for dx < 0 it points from the tip
// back to the tail; the strokes at theta +- pi/6 are laid off behind the tip either way.
ArrowHead HeadStrokes(const Surface& surface, double x, double y, double dx, double dy)
{
    const Point tip{x + dx, y + dy};
    const double length = HeadLength(surface);
    double theta = 0.0;
    if (dx != 0.0) {
        theta = std::atan(dy / dx);
    } else if (dy > 0.0) {
        theta = Pi / 2.0;
    } else if (dy < 0.0) {
        theta = -Pi / 2.0;
    }
    const double a1 = theta + Pi / 6.0;
    const double a2 = theta - Pi / 6.0;
    if (dx >= 0.0) {
        return {tip,
                {tip.x - length * std::cos(a1), tip.y - length * std::sin(a1)},
                {tip.x - length * std::cos(a2), tip.y - length * std::sin(a2)}};
    }
    return {tip,
            {tip.x + length * std::cos(a2), tip.y + length * std::sin(a2)},
            {tip.x + length * std::cos(a1), tip.y + length * std::sin(a1)}};
}

// A stroke that would reach back past the tip's distance from the tail is reflected through the
// tip.
Point KeepAhead(Point stroke, Point tip, Point tail)
{
    if (PointDistance(stroke.x, stroke.y, tail.x, tail.y) >
        PointDistance(tip.x, tip.y, tail.x, tail.y)) {
        return {2.0 * tip.x - stroke.x, 2.0 * tip.y - stroke.y};
    }
    return stroke;
}

} // namespace

double PointDistance(double x1, double y1, double x2, double y2)
{
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

double VectorAngle(double x, double y)
{
    if (x > 0.0) {
        return std::atan(y / x);
    }
    if (x < 0.0) {
        return Pi + std::atan(y / x);
    }
    if (y > 0.0) {
        return Pi / 2.0;
    }
    if (y < 0.0) {
        return -Pi / 2.0;
    }
    return 0.0;
}

void DrawVector(Surface& surface, double x, double y, double dx, double dy, double red,
                double green, double blue)
{
    const Color color = Rgb(red, green, blue);
    ArrowHead head = HeadStrokes(surface, x, y, dx, dy);
    const Point tail{x, y};
    head.stroke1 = KeepAhead(head.stroke1, head.tip, tail);
    head.stroke2 = KeepAhead(head.stroke2, head.tip, tail);
    if (PointDistance(x, y, head.tip.x, head.tip.y) < HeadLength(surface) / 100.0) {
        return;
    }
    surface.Line(x, y, head.tip.x, head.tip.y, color);
    surface.Line(head.tip.x, head.tip.y, head.stroke1.x, head.stroke1.y, color);
    surface.Line(head.tip.x, head.tip.y, head.stroke2.x, head.stroke2.y, color);
}

void DrawWindowVector(Surface& surface, double x, double y, double dx, double dy, double red,
                      double green, double blue)
{
    const Color color = Rgb(red, green, blue);
    surface.Line(x, y, x + dx, y + dy, color);
    const ArrowHead head = HeadStrokes(surface, x, y, dx, dy);
    surface.Line(head.tip.x, head.tip.y, head.stroke1.x, head.stroke1.y, color);
    surface.Line(head.tip.x, head.tip.y, head.stroke2.x, head.stroke2.y, color);
}

} // namespace ttl
