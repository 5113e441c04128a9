#include "turntable/work_energy_graph.h"

#include "shell/axis_ticks.h"
#include "shell/number_format.h"
#include "shell/translation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ttl {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr Color KineticInertialColor{0, 5, 5};
constexpr int UnplottedTail = 10;

struct Marks {
    double w; // the world window's width
    double h; // its height
};

void Triangle(Surface& s, double x, double y, Marks m)
{
    const double dx = m.w / 300.0;
    const double dy = m.h / 50.0;
    s.Line(x - dx, y - dy / 2.0, x + dx, y - dy / 2.0);
    s.Line(x + dx, y - dy / 2.0, x, y + dy / 2.0);
    s.Line(x, y + dy / 2.0, x - dx, y - dy / 2.0);
}

void SmallCircle(Surface& s, double x, double y, Marks m)
{
    s.Circle(x, y, m.w / 400.0);
}

void PrintAt(Surface& s, double x, double y, const std::string& text)
{
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

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

// The curves, one step at a time, and the axes through the origin.
void DrawWorkCurves(Surface& s, const SimulationResult& run, const Marks& marks, double t,
                    double yMax, double yMin)
{
    const int n = run.StepCount;
    const double dt = run.TimeStep;
    const int s1 = std::max(1, static_cast<int>(std::lround(n / 18.0)));
    const int s2 = std::max(1, static_cast<int>(std::lround(n / 14.0)));
    const SimulationSeries& w = run.series;
    for (int i = 1; i <= n - UnplottedTail; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double x = i * dt;
        if (run.BaseInfluenced) {
            s.SetDrawWidth(2);
            s.Line(x, w.WorkBaseAcceleration[k], x + dt, w.WorkBaseAcceleration[k + 1],
                   colors::Red);
            s.SetDrawWidth(1);
        }
        if (i % s1 == 0) {
            s.SetDrawWidth(3);
            s.PSet(x, KineticEnergyInertial(run, k), KineticInertialColor);
            s.SetDrawWidth(1);
        }
        s.SetDrawWidth(3);
        s.Line(x, w.WorkCentrifugal[k], x + dt, w.WorkCentrifugal[k + 1], colors::Green);
        s.SetDrawWidth(1);
        s.PSet(x, w.WorkFrictionRotating[k]);
        s.PSet(x, w.WorkTotalRotating[k], colors::Blue);
        if (i % s2 == 0) {
            Triangle(s, x, KineticEnergyRotating(run, k), marks);
            SmallCircle(s, x, w.WorkFrictionInertial[k], marks);
        }
    }
    s.Line(0.0, 1.3 * yMin, 0.0, 1.3 * yMax);
    s.Line(0.0, 0.0, t, 0.0);
}

enum class Sample { Line, Points, Circles, Triangles };

struct LegendEntry {
    int row;
    const char* mainText;
    const char* windowText;
    Color color;
    Color sampleColor;
    Sample sample;
    int width;
};

// A short run of the curve's own marks before each entry's text.
void DrawLegendSample(Surface& s, const LegendEntry& e, const Marks& marks, double x0, double x1,
                      double y)
{
    s.SetForeColor(e.sampleColor);
    s.SetDrawWidth(e.width);
    for (int k = 0; k < 8 && e.sample != Sample::Line; ++k) {
        const double x = x0 + k * (x1 - x0) / 8.0;
        if (e.sample == Sample::Points) {
            s.PSet(x, y);
        } else if (e.sample == Sample::Circles) {
            SmallCircle(s, x, y, marks);
        } else {
            Triangle(s, x, y, marks);
        }
    }
    if (e.sample == Sample::Line) {
        s.Line(x0, y, x1, y);
    }
    s.SetDrawWidth(1);
}

void DrawWorkLegend(Surface& s, const SimulationResult& run, const Marks& marks, double t,
                    bool fromWindowButton)
{
    const double height = -s.ScaleHeight();
    const double bottom = s.ScaleTop() + s.ScaleHeight();
    const Color centrifugal = fromWindowButton ? colors::Green : Color{0, 155, 0};
    const LegendEntry entries[] = {
        {1, TrNoop("simulation", "WORK OF FORCE DUE TO ACCELERATION OF BASE"),
         TrNoop("simulation", "WORK DUE TO DECELERATION OF BASE"), colors::Red, colors::Red,
         Sample::Line, 2},
        {9, TrNoop("simulation", "WORK OF CENTRIFUGAL"),
         TrNoop("simulation", "WORK OF CENTRIFUGAL"), centrifugal, colors::Green, Sample::Line,
         fromWindowButton ? 1 : 3},
        {3, TrNoop("simulation", "KINETIC EN. IN INERTIAL"),
         TrNoop("simulation", "KINETIC ENERGY IN INERTIAL"), colors::Black, colors::Black,
         Sample::Points, 3},
        {4, TrNoop("simulation", "WORK OF FRICTION IN INERTIAL"),
         TrNoop("simulation", "WORK OF FRICTION IN INERTIAL"), colors::Black, colors::Black,
         Sample::Circles, 1},
        {6, TrNoop("simulation", "KINETIC EN. IN ROTATIONAL"),
         TrNoop("simulation", "KINETIC EN. IN ROTATIONAL"), colors::Black, colors::Black,
         Sample::Triangles, 1},
        {7, TrNoop("simulation", "TOTAL WORK IN ROTATIONAL"),
         TrNoop("simulation", "TOTAL WORK IN ROTATIONAL"), colors::Blue, colors::Blue, Sample::Line,
         1},
        {2, TrNoop("simulation", "WORK OF FRICTION IN ROTATING"),
         TrNoop("simulation", "WORK OF FRICTION IN ROTATING"), colors::Black, colors::Black,
         Sample::Line, 1},
    };
    for (const LegendEntry& e : entries) {
        if (e.row == 1 && !run.BaseInfluenced) {
            continue;
        }
        s.SetForeColor(e.color);
        PrintAt(s, 1.2 * t, bottom + e.row * height / 10.0,
                Tr("simulation", fromWindowButton ? e.windowText : e.mainText));
        DrawLegendSample(s, e, marks, 1.05 * t, 1.18 * t, s.CurrentY() + 0.27 * height / 10.0);
    }
}

// Each frame's books at the last plotted step: what changed the kinetic energy is the work
// that frame counts.
void PrintBalances(Surface& s, const SimulationResult& run)
{
    const SimulationSeries& w = run.series;
    const auto last = static_cast<std::size_t>(run.StepCount - UnplottedTail);
    const double inertial = KineticEnergyInertial(run, last) - KineticEnergyInertial(run, 0) -
                            w.WorkFrictionInertial[last];
    const double rotating = KineticEnergyRotating(run, last) - KineticEnergyRotating(run, 0) -
                            w.WorkTotalRotating[last];
    s.SetForeColor(colors::Black);
    const double left = s.ScaleLeft() + 0.01 * s.ScaleWidth();
    PrintAt(s, left, s.ScaleTop() + 0.01 * s.ScaleHeight(),
            Substitute(Tr("simulation", "Inertial frame counts friction: ΔKE - W = %1"),
                       {FormatNumber(inertial, "0.0E+00")}));
    PrintAt(s, left, s.CurrentY(),
            Substitute(Tr("simulation", "Rotating frame counts friction, centrifugal and base "
                                        "acceleration: ΔKE - W = %1"),
                       {FormatNumber(rotating, "0.0E+00")}));
}

} // namespace

void DrawWorkEnergyGraph(Surface& s, const SimulationResult& run, double yMax, double yMin,
                         bool fromWindowButton)
{
    s.Cls();
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetForeColor(colors::Black);
    const double t = run.PeriodCount * Pi / 4.0;
    if (run.StepCount <= UnplottedTail || !(yMax > yMin)) {
        return; // no run, or no work at all: nothing to plot
    }
    // Above the plot a band of three lines for the balances, never over the curves.
    const double pixels = s.PixelHeight() > 0 ? s.PixelHeight() : 400.0;
    const double linePixels = s.TextLinePixels();
    const double plotTop = 1.5 * yMax;
    const double perPixel =
        (plotTop - 1.5 * yMin) / std::max(pixels - 3.0 * linePixels, 0.5 * pixels);
    s.Scale(-t / 4.5, plotTop + 3.0 * linePixels * perPixel, 2.3 * t, 1.5 * yMin);
    const Marks marks{s.ScaleWidth(), -s.ScaleHeight()};
    AxisTicks(s, t, 0.0, 1.3 * yMax, 1.3 * yMin);
    AxisTitles(s, t, 0.0, 1.3 * yMax, 0.0, "t (s)", "W, KE (J)");
    DrawWorkCurves(s, run, marks, t, yMax, yMin);
    DrawWorkLegend(s, run, marks, t, fromWindowButton);
    PrintBalances(s, run);
    s.SetForeColor(colors::Black);
}

} // namespace ttl
