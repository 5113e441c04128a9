#include "turntable/orbit_graph.h"

#include "shell/translation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ttl {

namespace {
// The last steps are left out of the orbits.
constexpr int OrbitTailSkipped = 20;
constexpr int StartCircleSegments = 200;
constexpr double OrbitMargin = 0.05;

int LastSegment(const SimulationResult& run)
{
    return std::min(run.StepCount - OrbitTailSkipped,
                    static_cast<int>(run.series.PositionInertialX.size()) - 2);
}

Curve Path(const std::vector<double>& xs, const std::vector<double>& ys, int last,
           std::string label, Color color)
{
    Curve c;
    c.label = std::move(label);
    c.color = color;
    for (int j = 1; j <= last + 1; ++j) {
        c.xs.push_back(xs[static_cast<std::size_t>(j)]);
        c.ys.push_back(ys[static_cast<std::size_t>(j)]);
    }
    return c;
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

Graph OrbitAxes(WorldBox box, double margin)
{
    Graph g;
    g.xTitle = "x (m)";
    g.yTitle = "y (m)";
    const double dx = margin * (box.right - box.left);
    const double dy = margin * (box.top - box.bottom);
    g.xRange = Interval{box.left - dx, box.right + dx};
    g.yRange = Interval{box.bottom - dy, box.top + dy};
    g.equalScales = true;
    return g;
}

Graph OrbitGraph(const SimulationResult& run)
{
    Graph g = OrbitAxes(OrbitExtent(run), OrbitMargin);
    const SimulationSeries& s = run.series;
    const int last = LastSegment(run);
    g.curves.push_back(Path(s.PositionInertialX, s.PositionInertialY, last,
                            Tr("simulation", "INERTIAL SYSTEM"), colors::Red));
    g.curves.push_back(Path(s.PositionRotatingX, s.PositionRotatingY, last,
                            Tr("simulation", "ROTATING SYSTEM"), colors::Blue));
    Curve start;
    start.color = colors::Magenta;
    start.style = DrawStyle::Dot;
    const double r0 = run.StartRadius;
    for (int k = 1; k <= StartCircleSegments + 1; ++k) {
        const double angle = 2.0 * std::numbers::pi * k / StartCircleSegments;
        start.xs.push_back(r0 * std::cos(angle));
        start.ys.push_back(r0 * std::sin(angle));
    }
    g.curves.push_back(std::move(start));
    return g;
}

void DrawOrbitGraph(Surface& surface, const SimulationResult& run)
{
    surface.SetForeColor(colors::Black);
    DrawGraph(surface, OrbitGraph(run));
}

Graph BaseAngleGraph(const SimulationResult& run)
{
    const std::vector<double>& theta = run.series.BaseAngle;
    Graph g;
    g.xTitle = "t (s)";
    g.yTitle = "\u03B8 (rad)";
    Curve c;
    c.color = colors::Black;
    c.mark = CurveMark::Dots;
    const int last = std::min(run.StepCount - 2, static_cast<int>(theta.size()) - 1);
    for (int j = 1; j <= last; ++j) {
        c.xs.push_back(j * run.TimeStep);
        c.ys.push_back(theta[static_cast<std::size_t>(j)]);
    }
    if (!c.xs.empty()) {
        g.curves.push_back(std::move(c));
    }
    return g;
}

void DrawBaseAngleGraph(Surface& surface, const SimulationResult& run)
{
    surface.SetForeColor(colors::Black);
    const Graph g = BaseAngleGraph(run);
    if (g.curves.empty()) {
        surface.Cls();
        surface.Scale(0.0, 0.0, 0.0, 0.0); // nothing to show: no window to draw through
        return;
    }
    DrawGraph(surface, g);
}

} // namespace ttl
