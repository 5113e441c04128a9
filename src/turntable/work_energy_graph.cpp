#include "turntable/work_energy_graph.h"

#include "shell/number_format.h"
#include "shell/translation.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {

constexpr Color KineticInertialColor{0, 5, 5};
constexpr int UnplottedTail = 10;

} // namespace

WorkRange ComputeWorkRange(const SimulationResult& run)
{
    WorkRange range;
    const SimulationSeries& s = run.series;
    for (int i = 1; i <= run.StepCount - UnplottedTail; ++i) {
        const auto k = static_cast<std::size_t>(i);
        for (double w : {s.WorkBaseAcceleration[k], s.WorkCentrifugal[k]}) {
            range.max = std::max(range.max, w);
            range.min = std::min(range.min, w);
        }
    }
    if (range.min == 0.0) {
        range.min = -range.max / 3.0;
    }
    return range;
}

namespace {

Curve Marked(std::string label, Color color, int width, CurveMark mark)
{
    Curve c;
    c.label = std::move(label);
    c.color = color;
    c.width = width;
    c.mark = mark;
    return c;
}

void Add(Curve& c, double x, double y)
{
    c.xs.push_back(x);
    c.ys.push_back(y);
}

// Each frame's books at the last plotted step: what changed the kinetic energy is the work
// that frame counts.
std::vector<std::string> Balances(const SimulationResult& run)
{
    const SimulationSeries& w = run.series;
    const auto last = static_cast<std::size_t>(run.StepCount - UnplottedTail);
    const double inertial = KineticEnergyInertial(run, last) - KineticEnergyInertial(run, 0) -
                            w.WorkFrictionInertial[last];
    const double rotating = KineticEnergyRotating(run, last) - KineticEnergyRotating(run, 0) -
                            w.WorkTotalRotating[last];
    return {Substitute(Tr("simulation", "Inertial frame counts friction: ΔKE - W = %1"),
                       {FormatWithFactor(inertial) + " J"}),
            Substitute(Tr("simulation", "Rotating frame counts friction, centrifugal and base "
                                        "acceleration: ΔKE - W = %1"),
                       {FormatWithFactor(rotating) + " J"})};
}

} // namespace

Graph WorkEnergyGraph(const SimulationResult& run, double yMax, double yMin, bool fromWindowButton)
{
    const int n = run.StepCount;
    if (n <= UnplottedTail || !(yMax > yMin)) {
        return {}; // no run, or no work at all: nothing to plot
    }
    const auto text = [fromWindowButton](const char* main, const char* window) {
        return Tr("simulation", fromWindowButton ? window : main);
    };
    Curve base = Marked(text(TrNoop("simulation", "WORK OF FORCE DUE TO ACCELERATION OF BASE"),
                             TrNoop("simulation", "WORK DUE TO DECELERATION OF BASE")),
                        colors::Red, 2, CurveMark::Line);
    Curve centrifugal =
        Marked(Tr("simulation", "WORK OF CENTRIFUGAL"), colors::Green, 3, CurveMark::Line);
    Curve kineticInertial = Marked(text(TrNoop("simulation", "KINETIC EN. IN INERTIAL"),
                                        TrNoop("simulation", "KINETIC ENERGY IN INERTIAL")),
                                   KineticInertialColor, 3, CurveMark::Dots);
    Curve frictionInertial = Marked(Tr("simulation", "WORK OF FRICTION IN INERTIAL"), colors::Black,
                                    1, CurveMark::Circles);
    Curve kineticRotating = Marked(Tr("simulation", "KINETIC EN. IN ROTATIONAL"), colors::Black, 1,
                                   CurveMark::Triangles);
    Curve totalRotating =
        Marked(Tr("simulation", "TOTAL WORK IN ROTATIONAL"), colors::Blue, 1, CurveMark::Dots);
    Curve frictionRotating = Marked(Tr("simulation", "WORK OF FRICTION IN ROTATING"),
                                    colors::Black, 1, CurveMark::Dots);
    const int s1 = std::max(1, static_cast<int>(std::lround(n / 18.0)));
    const int s2 = std::max(1, static_cast<int>(std::lround(n / 14.0)));
    const SimulationSeries& w = run.series;
    const double dt = run.TimeStep;
    for (int i = 1; i <= n - UnplottedTail + 1; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Add(base, i * dt, w.WorkBaseAcceleration[k]);
        Add(centrifugal, i * dt, w.WorkCentrifugal[k]);
        if (i > n - UnplottedTail) {
            break; // the lines reach one step further than the marks
        }
        Add(frictionRotating, i * dt, w.WorkFrictionRotating[k]);
        Add(totalRotating, i * dt, w.WorkTotalRotating[k]);
        if (i % s1 == 0) {
            Add(kineticInertial, i * dt, KineticEnergyInertial(run, k));
        }
        if (i % s2 == 0) {
            Add(kineticRotating, i * dt, KineticEnergyRotating(run, k));
            Add(frictionInertial, i * dt, w.WorkFrictionInertial[k]);
        }
    }
    Graph g;
    g.xTitle = "t (s)";
    g.yTitle = "W, KE (J)";
    if (run.BaseInfluenced) {
        g.curves.push_back(std::move(base));
    }
    for (Curve* c : {&centrifugal, &kineticInertial, &frictionInertial, &kineticRotating,
                     &totalRotating, &frictionRotating}) {
        g.curves.push_back(std::move(*c));
    }
    // The range the button halves; curves beyond it are cut at the plot's edge.
    g.yRange = Interval{1.3 * yMin, 1.3 * yMax};
    g.notes = Balances(run);
    return g;
}

void DrawWorkEnergyGraph(Surface& s, const SimulationResult& run, double yMax, double yMin,
                         bool fromWindowButton)
{
    s.SetForeColor(colors::Black);
    const Graph g = WorkEnergyGraph(run, yMax, yMin, fromWindowButton);
    if (g.curves.empty()) {
        s.Cls();
        return;
    }
    DrawGraph(s, g);
}

} // namespace ttl
