#include "shell/axis_ticks.h"

#include <algorithm>

namespace ttl {

namespace {
constexpr Color GridColor{225, 225, 225};
constexpr Color ZeroLineColor{150, 150, 150}; // greys of the palette
} // namespace

double WorldX(const Surface& s, double pixelX)
{
    return s.ScaleLeft() + pixelX / s.PixelWidth() * s.ScaleWidth();
}

double WorldY(const Surface& s, double pixelY)
{
    return s.ScaleTop() + pixelY / s.PixelHeight() * s.ScaleHeight();
}

void PrintAtPixel(Surface& s, double pixelX, double pixelY, const std::string& text)
{
    s.SetCurrentX(WorldX(s, pixelX));
    s.SetCurrentY(WorldY(s, pixelY));
    s.Print(text);
}

void DrawAxes(Surface& s, const PlotLayout& l, const std::string& xTitle,
              const std::string& yTitle)
{
    const PlotArea& a = l.area;
    const Interval x = a.view.x;
    const Interval y = a.view.y;
    for (double tx : l.xTicks.values) {
        s.Line(tx, y.low, tx, y.high, GridColor);
    }
    for (double ty : l.yTicks.values) {
        s.Line(x.low, ty, x.high, ty, GridColor);
    }
    if (y.low < 0.0 && y.high > 0.0) {
        s.Line(x.low, 0.0, x.high, 0.0, ZeroLineColor);
    }
    const Color ink = s.ForeColor();
    s.Line(x.low, y.low, x.high, y.low, ink);
    s.Line(x.low, y.low, x.low, y.high, ink);

    const double labelTop = a.bottom + l.tick + l.gap;
    for (std::size_t i = 0; i < l.xTicks.values.size(); ++i) {
        const double px = PixelX(a, l.xTicks.values[i]);
        s.Line(WorldX(s, px), y.low, WorldX(s, px), WorldY(s, a.bottom + l.tick), ink);
        const std::string& label = l.xTicks.labels[i];
        PrintAtPixel(s, px - 0.5 * s.TextPixels(label).width, labelTop, label);
    }
    for (std::size_t i = 0; i < l.yTicks.values.size(); ++i) {
        const double py = PixelY(a, l.yTicks.values[i]);
        s.Line(WorldX(s, a.left - l.tick), WorldY(s, py), x.low, WorldY(s, py), ink);
        const std::string& label = l.yTicks.labels[i];
        PrintAtPixel(s, a.left - l.tick - l.gap - s.TextPixels(label).width, py - 0.5 * l.line,
                     label);
    }
    const std::string across = xTitle + FactorSuffix(l.xTicks.factorExponent);
    PrintAtPixel(s, std::max(l.gap, 0.5 * (a.left + a.right - s.TextPixels(across).width)),
                 labelTop + l.line + l.gap, across);
    PrintAtPixel(s, l.gap, a.top - 1.5 * l.line, yTitle + FactorSuffix(l.yTicks.factorExponent));
}

} // namespace ttl
