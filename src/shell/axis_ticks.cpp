#include "shell/axis_ticks.h"

#include "shell/number_format.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {

// Scales a positive magnitude up by powers of ten until it is at least 1.
double ScaledUpToOne(double magnitude)
{
    while (magnitude < 1.0) {
        magnitude *= 10.0;
    }
    return magnitude;
}

// More ticks than this means the range is far out of proportion to its spacing.
constexpr int MaxTicks = 1000;

// Calls tick(value) for the even-numbered positions k - 1 = 0, 2, 4, ...: value = (k - 1) * spacing
// while below `end`, and value = -k * spacing while above `start`.
template <typename Tick> void ForEachTick(double spacing, double end, double start, Tick tick)
{
    for (int k = 1; k <= MaxTicks && (k - 1) * spacing < end; ++k) {
        if ((k - 1) % 2 == 0) {
            tick((k - 1) * spacing);
        }
    }
    for (int k = 1; k <= MaxTicks && -k * spacing > start; ++k) {
        if ((k - 1) % 2 == 0) {
            tick(-k * spacing);
        }
    }
}

} // namespace

void AxisTicks(Surface& surface, double xEnd, double xStart, double yEnd, double yStart)
{
    const double axisY = (yStart * yEnd <= 0.0) ? 0.0 : yStart;
    const double axisX = (xStart * xEnd <= 0.0) ? 0.0 : xStart;
    surface.Line(xStart, axisY, xEnd, axisY);
    surface.Line(axisX, yStart, axisX, yEnd);

    const double xMagnitude = std::max(std::abs(xEnd), std::abs(xStart));
    const double yMagnitude = std::max(std::abs(yEnd), std::abs(yStart));
    if (!std::isfinite(xMagnitude) || !std::isfinite(yMagnitude) || xMagnitude <= 0.0 ||
        yMagnitude <= 0.0) {
        return;
    }
    // The horizontal spacing comes from the scaled-up magnitude, which is not scaled back.
    const double dx = std::floor(ScaledUpToOne(xMagnitude)) / 10.0;
    const double dy = yMagnitude / 10.0;
    const double gridHalfLength = 1.5 * ScaledUpToOne(yMagnitude);

    ForEachTick(dx, xEnd, xStart, [&](double x) {
        surface.Line(x, axisY - dy / 5.0, x, axisY + dy / 5.0);
        surface.SetDrawStyle(DrawStyle::Dot);
        surface.Line(x, -gridHalfLength, x, gridHalfLength);
        surface.SetDrawStyle(DrawStyle::Solid);
        surface.SetCurrentX(x);
        surface.SetCurrentY(axisY + dy / 5.0);
        surface.Print(FormatNumber(x, "0.00"));
    });

    ForEachTick(dy, yEnd, yStart, [&](double y) {
        surface.Line(axisX - dx / 5.0, y, axisX + dx / 5.0, y);
        surface.SetDrawStyle(DrawStyle::Dot);
        surface.Line(xStart, y, xEnd, y);
        surface.SetDrawStyle(DrawStyle::Solid);
        if (y != 0.0) {
            // Left of the vertical axis, where no curve is drawn, once the surface's pixel size
            // tells how wide the number is.
            const std::string label = FormatNumber(y, "0.0E+00");
            const double perPixel = surface.PixelWidth() > 0
                                        ? std::abs(surface.ScaleWidth()) / surface.PixelWidth()
                                        : 0.0;
            surface.SetCurrentX(perPixel > 0.0
                                    ? axisX - perPixel * (surface.TextPixels(label).width + 4.0)
                                    : axisX + dx / 3.0);
            surface.SetCurrentY(y);
            surface.Print(label);
        }
    });
}

void AxisTitles(Surface& surface, double xEnd, double axisY, double yEnd, double axisX,
                const std::string& horizontal, const std::string& vertical)
{
    if (surface.PixelWidth() <= 0 || !surface.Window().IsDrawable()) {
        return;
    }
    const double perPixel = std::abs(surface.ScaleWidth()) / surface.PixelWidth();
    const double line = surface.TextLineHeight();
    surface.SetCurrentX(xEnd - perPixel * surface.TextPixels(horizontal).width);
    surface.SetCurrentY(axisY - 0.9 * line);
    surface.Print(horizontal);
    surface.SetCurrentX(axisX + 6.0 * perPixel);
    surface.SetCurrentY(yEnd + 1.1 * line);
    surface.Print(vertical);
}

} // namespace ttl
