#include "turntable/time_graphs.h"

#include "mechanics/turntable_model.h"
#include "shell/number_format.h"
#include "shell/translation.h"

namespace ttl {

namespace {

constexpr int MarkEvery = 50;

// The series at steps first..last against their times.
Curve Series(const SimulationResult& run, const std::vector<double>& values, int first, int last,
             int every = 1)
{
    Curve c;
    for (int i = first; i <= last; i += every) {
        c.xs.push_back(i * run.TimeStep);
        c.ys.push_back(values[static_cast<std::size_t>(i)]);
    }
    return c;
}

Curve Styled(Curve c, std::string label, Color color, int width, CurveMark mark)
{
    c.label = std::move(label);
    c.color = color;
    c.width = width;
    c.mark = mark;
    return c;
}

// Draws the graph, or only clears the surface when there is nothing to plot.
void DrawOrClear(Surface& s, const Graph& graph)
{
    s.SetForeColor(colors::Black);
    if (graph.curves.empty()) {
        s.Cls();
        return;
    }
    DrawGraph(s, graph);
}

} // namespace

Graph AngularVelocityGraph(const SimulationResult& run)
{
    const int n = run.StepCount;
    if (n <= 15) {
        return {}; // before any run there is nothing to plot
    }
    const SimulationSeries& series = run.series;
    Graph g;
    g.xTitle = "t (s)";
    g.yTitle = "\u03C9 (rad/s)";
    g.curves.push_back(
        Styled(Series(run, series.BaseOmegaByEquations, 1, n - 14),
               Tr("simulation", "Angular velocity calculated by the motion equations"), colors::Red,
               1, CurveMark::Line));
    g.curves.push_back(
        Styled(Series(run, series.BaseOmegaByMomentum, MarkEvery, n - 15, MarkEvery),
               Tr("simulation", "Angular velocity calculated by Angular Momentum conservation"),
               colors::Blue, 3, CurveMark::Dots));
    g.notes.push_back(Substitute(
        Tr("simulation", "ω final = %1"),
        {FormatNumber(series.BaseOmegaByMomentum[static_cast<std::size_t>(n - 15)], "0.00")}));
    return g;
}

void DrawAngularVelocityGraph(Surface& s, const SimulationResult& run)
{
    DrawOrClear(s, AngularVelocityGraph(run));
}

Graph VelocityGraph(const SimulationResult& run)
{
    const int n = run.StepCount;
    if (n <= 5) {
        return {};
    }
    const SimulationSeries& series = run.series;
    Graph g;
    g.xTitle = "t (s)";
    g.yTitle = "v (m/s)";
    const int last = n - 4;
    g.curves = {
        Styled(Series(run, series.VelocityInertialX, 1, last),
               Tr("simulation", "VX Inertial frame"), colors::Red, 3, CurveMark::Line),
        Styled(Series(run, series.VelocityInertialY, 1, last),
               Tr("simulation", "VY Inertial frame"), colors::Black, 1, CurveMark::Line),
        Styled(Series(run, series.VelocityRotatingX, 1, last),
               Tr("simulation", "VX ROTATING FRAME"), colors::Green, 1, CurveMark::Line),
        Styled(Series(run, series.VelocityRotatingY, 1, last),
               Tr("simulation", "VY rotating frame"), colors::Blue, 4, CurveMark::Line),
    };
    // The velocity relative to the base, in the inertial axes, every 50 steps.
    Curve relX = Styled({}, Tr("simulation", "Vrelative X INERTIAL"), colors::Green, 2, CurveMark::Dots);
    Curve relY = Styled({}, Tr("simulation", "Vrelative Y INERTIAL"), colors::Black, 3, CurveMark::Dots);
    for (int i = MarkEvery; i <= n - 5; i += MarkEvery) {
        const auto k = static_cast<std::size_t>(i);
        const TurntableState y{series.VelocityInertialX[k], series.VelocityInertialY[k],
                               series.PositionInertialX[k], series.PositionInertialY[k], 0, 0, 0};
        const Vec2 rel = RelativeVelocity(y, series.BaseOmegaByMomentum[k]);
        relX.xs.push_back(i * run.TimeStep);
        relX.ys.push_back(rel.x);
        relY.xs.push_back(i * run.TimeStep);
        relY.ys.push_back(rel.y);
    }
    g.curves.push_back(std::move(relX));
    g.curves.push_back(std::move(relY));
    return g;
}

void DrawVelocityGraph(Surface& s, const SimulationResult& run)
{
    DrawOrClear(s, VelocityGraph(run));
}

} // namespace ttl
