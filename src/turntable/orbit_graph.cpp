#include "turntable/orbit_graph.h"

#include "shell/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {
// The last steps are left out of the orbits.
constexpr int OrbitTailSkipped = 20;
constexpr int StartCircleSegments = 200;

void DrawLegendEntry(Surface& surface, double s, int row, const char* text, Color color)
{
    const double left = surface.ScaleLeft();
    const double width = surface.ScaleWidth();
    const double top = surface.ScaleTop();
    surface.SetCurrentX(left + width / 2.0);
    surface.SetCurrentY(top - (row - 0.2) * s);
    surface.SetForeColor(color);
    surface.Print(text);
    surface.Line(left + width / 4.0, top - row * s, left + width / 2.0, top - row * s, color);
}
} // namespace

void DrawOrbitGraph(Surface& surface, const SimulationResult& run)
{
    surface.Cls();
    const double w = surface.PixelWidth();
    const double h = surface.PixelHeight();
    if (w <= 0.0 || h <= 0.0) {
        return;
    }
    const double r0 = run.StartRadius;
    const double a = (w + h) / h;
    const double b = (w + h) / w;
    surface.Scale(-3.0 * r0 * a, 3.0 * r0 * b, 3.0 * r0 * a, -3.0 * r0 * b);
    surface.SetDrawWidth(1);
    surface.SetDrawStyle(DrawStyle::Solid);
    surface.SetForeColor(colors::Black);

    surface.Line(-10.0 * r0, 0.0, 10.0 * r0, 0.0);
    surface.Line(0.0, -10.0 * r0, 0.0, 10.0 * r0);

    const SimulationSeries& s = run.series;
    const int lastSegment = std::min(run.StepCount - OrbitTailSkipped,
                                     static_cast<int>(s.PositionInertialX.size()) - 2);
    for (int j = 1; j <= lastSegment; ++j) {
        const auto i = static_cast<std::size_t>(j);
        surface.Line(s.PositionInertialX[i], s.PositionInertialY[i], s.PositionInertialX[i + 1],
                     s.PositionInertialY[i + 1], colors::Red);
        surface.Line(s.PositionRotatingX[i], s.PositionRotatingY[i], s.PositionRotatingX[i + 1],
                     s.PositionRotatingY[i + 1], colors::Blue);
    }

    const double pi = 4.0 * std::atan(1.0);
    surface.SetDrawStyle(DrawStyle::Dot);
    for (int k = 1; k <= StartCircleSegments; ++k) {
        const double from = 2.0 * pi * k / StartCircleSegments;
        const double to = 2.0 * pi * (k + 1) / StartCircleSegments;
        surface.Line(r0 * std::cos(from), r0 * std::sin(from), r0 * std::cos(to), r0 * std::sin(to),
                     colors::Magenta);
    }
    surface.SetDrawStyle(DrawStyle::Solid);

    const double tenth = -surface.ScaleHeight() / 10.0;
    DrawLegendEntry(surface, tenth, 1, "INERTIAL SYSTEM", colors::Red);
    DrawLegendEntry(surface, tenth, 2, "ROTATING SYSTEM", colors::Blue);
    surface.SetForeColor(colors::Black);
}

void DrawBaseAngleGraph(Surface& surface, const SimulationResult& run)
{
    const std::vector<double>& theta = run.series.BaseAngle;
    const double t = run.TotalTime;
    double largest = 0.0;
    for (double angle : theta) {
        largest = std::max(largest, angle);
    }
    surface.Scale(-t / 20.0, largest, t, -largest / 20.0);
    surface.Cls();
    surface.SetDrawWidth(1);
    surface.SetDrawStyle(DrawStyle::Solid);
    surface.SetForeColor(colors::Black);
    surface.Line(-t, 0.0, t, 0.0);
    surface.Line(0.0, -largest, 0.0, largest);
    AxisTicks(surface, t, 0.0, largest, 0.0);
    const int last = std::min(run.StepCount - 2, static_cast<int>(theta.size()) - 1);
    for (int j = 1; j <= last; ++j) {
        surface.PSet(j * run.TimeStep, theta[static_cast<std::size_t>(j)]);
    }
}

} // namespace ttl
