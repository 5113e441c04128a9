#include "turntable/orbit_graph.h"

#include "shell/axis_ticks.h"
#include "shell/translation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ttl {

namespace {
// The last steps are left out of the orbits.
constexpr int OrbitTailSkipped = 20;
constexpr int StartCircleSegments = 200;
constexpr double LegendRows = 2.6;

int LastSegment(const SimulationResult& run)
{
    return std::min(run.StepCount - OrbitTailSkipped,
                    static_cast<int>(run.series.PositionInertialX.size()) - 2);
}

// A legend row in the band above the orbits: the text, and its sample line to its left.
void DrawLegendEntry(Surface& surface, int row, const std::string& text, Color color)
{
    const double left = surface.ScaleLeft();
    const double width = surface.ScaleWidth();
    const double line = surface.TextLineHeight();
    const double top = surface.ScaleTop() - (row - 1 + 0.2) * line;
    surface.SetCurrentX(left + width / 2.0);
    surface.SetCurrentY(top);
    surface.SetForeColor(color);
    surface.Print(text);
    surface.Line(left + width / 4.0, top - 0.5 * line, left + 0.47 * width, top - 0.5 * line,
                 color);
}
} // namespace

WorldBox OrbitExtent(const SimulationResult& run)
{
    const double r0 = run.StartRadius;
    WorldBox box{-r0, r0, -r0, r0};
    const SimulationSeries& s = run.series;
    for (int j = 1; j <= LastSegment(run) + 1; ++j) {
        const auto i = static_cast<std::size_t>(j);
        for (const auto& [x, y] : {std::pair{s.PositionInertialX[i], s.PositionInertialY[i]},
                                   std::pair{s.PositionRotatingX[i], s.PositionRotatingY[i]}}) {
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.bottom = std::min(box.bottom, y);
            box.top = std::max(box.top, y);
        }
    }
    return box;
}

void DrawOrbitGraph(Surface& surface, const SimulationResult& run)
{
    surface.Cls();
    if (!FitWorldWindow(surface, OrbitExtent(run), 0.05, LegendRows)) {
        return;
    }
    const double r0 = run.StartRadius;
    surface.SetDrawWidth(1);
    surface.SetDrawStyle(DrawStyle::Solid);
    surface.SetForeColor(colors::Black);

    const double left = surface.ScaleLeft();
    const double right = left + surface.ScaleWidth();
    const double bottom = surface.ScaleTop() + surface.ScaleHeight();
    const double line = surface.TextLineHeight();
    const double bandBottom = surface.ScaleTop() - LegendRows * line;
    surface.Line(left, 0.0, right, 0.0);
    surface.Line(0.0, bottom, 0.0, bandBottom);
    const double character = 0.6 * line; // a 10 pt character is about as wide as 0.6 lines
    surface.SetCurrentX(right - 6.0 * character);
    surface.SetCurrentY(0.0 + 1.1 * line);
    surface.Print("x (m)");
    surface.SetCurrentX(0.0 + 0.4 * character);
    surface.SetCurrentY(bandBottom);
    surface.Print("y (m)");

    const SimulationSeries& s = run.series;
    const int lastSegment = LastSegment(run);
    for (int j = 1; j <= lastSegment; ++j) {
        const auto i = static_cast<std::size_t>(j);
        surface.Line(s.PositionInertialX[i], s.PositionInertialY[i], s.PositionInertialX[i + 1],
                     s.PositionInertialY[i + 1], colors::Red);
        surface.Line(s.PositionRotatingX[i], s.PositionRotatingY[i], s.PositionRotatingX[i + 1],
                     s.PositionRotatingY[i + 1], colors::Blue);
    }

    constexpr double pi = std::numbers::pi;
    surface.SetDrawStyle(DrawStyle::Dot);
    for (int k = 1; k <= StartCircleSegments; ++k) {
        const double from = 2.0 * pi * k / StartCircleSegments;
        const double to = 2.0 * pi * (k + 1) / StartCircleSegments;
        surface.Line(r0 * std::cos(from), r0 * std::sin(from), r0 * std::cos(to), r0 * std::sin(to),
                     colors::Magenta);
    }
    surface.SetDrawStyle(DrawStyle::Solid);

    DrawLegendEntry(surface, 1, Tr("simulation", "INERTIAL SYSTEM"), colors::Red);
    DrawLegendEntry(surface, 2, Tr("simulation", "ROTATING SYSTEM"), colors::Blue);
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
    // Room above the curve and below the axis for the axes' titles.
    surface.Scale(-t / 7.0, 1.25 * largest, 1.05 * t, -0.15 * largest);
    surface.Cls();
    surface.SetDrawWidth(1);
    surface.SetDrawStyle(DrawStyle::Solid);
    surface.SetForeColor(colors::Black);
    surface.Line(-t, 0.0, t, 0.0);
    surface.Line(0.0, -largest, 0.0, largest);
    AxisTicks(surface, t, 0.0, largest, 0.0);
    AxisTitles(surface, t, 0.0, largest, 0.0, "t (s)", "\u03B8 (rad)");
    const int last = std::min(run.StepCount - 2, static_cast<int>(theta.size()) - 1);
    for (int j = 1; j <= last; ++j) {
        surface.PSet(j * run.TimeStep, theta[static_cast<std::size_t>(j)]);
    }
}

} // namespace ttl
