#include "turntable/time_graphs.h"

#include "mechanics/turntable_model.h"
#include "shell/axis_ticks.h"
#include "shell/number_format.h"
#include "shell/translation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ttl {

namespace {

constexpr double Pi = std::numbers::pi;

void PrintAt(Surface& s, double x, double y, const std::string& text)
{
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

// A row of eight points from x0 to x1, the legend sample of a dotted curve.
void PointRow(Surface& s, double x0, double x1, double y, int width)
{
    s.SetDrawWidth(width);
    for (int k = 0; k < 8; ++k) {
        s.PSet(x0 + k * (x1 - x0) / 8.0, y);
    }
    s.SetDrawWidth(1);
}

void Segment(Surface& s, const std::vector<double>& values, std::size_t i, double x0, double x1,
             Color color)
{
    s.Line(x0, values[i], x1, values[i + 1], color);
}

void Reset(Surface& s)
{
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetForeColor(colors::Black);
}

} // namespace

void DrawAngularVelocityGraph(Surface& s, const SimulationResult& run)
{
    s.Cls();
    Reset(s);
    const int n = run.StepCount;
    const double dt = run.TimeStep;
    const double t = n * dt;
    const double w0 = run.InitialOmega;
    if (n <= 15) {
        return; // before any run there is nothing to plot
    }
    s.Scale(-t / 7.0, 1.5 * w0, 1.1 * t, -0.2 * w0);
    AxisTicks(s, t, -t / 10.0, w0, 0.0);
    AxisTitles(s, t, 0.0, w0, 0.0, "t (s)", "\u03C9 (rad/s)");
    s.Line(-run.PeriodCount * dt / 20.0, 0.0, t, 0.0);
    s.Line(0.0, -w0, 0.0, w0);

    const SimulationSeries& series = run.series;
    for (int i = 1; i <= n - 15; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Segment(s, series.BaseOmegaByEquations, k, i * dt, (i + 1) * dt, colors::Red);
        if (i % 50 == 0) {
            s.SetDrawWidth(3);
            s.PSet(i * dt, series.BaseOmegaByMomentum[k], colors::Blue);
            s.SetDrawWidth(1);
        }
    }

    // The legend's samples from a to b and its texts after them: far enough left that the long
    // texts fit a window 0.85 of a projector's width.
    const double a = n * dt / 20.0;
    const double b = n * dt / 5.0;
    s.SetForeColor(colors::Red);
    PrintAt(s, b, 1.1 * w0,
            Tr("simulation", "Angular velocity calculated by the motion equations"));
    s.Line(a, 1.05 * w0, b, 1.05 * w0);
    s.SetForeColor(colors::Blue);
    PointRow(s, a, b, 1.28 * w0, 4);
    PrintAt(s, b, 1.3 * w0,
            Tr("simulation", "Angular velocity calculated by Angular Momentum conservation"));
    s.SetForeColor(colors::Black);
    PrintAt(s, b, 0.3 * w0,
            Substitute(Tr("simulation", "ω final = %1"),
                       {FormatNumber(series.BaseOmegaByMomentum[static_cast<std::size_t>(n - 15)],
                                     "0.00")}));
}

namespace {

// Each frame's velocity components, with the relative velocity marked every 50 steps.
void DrawVelocityCurves(Surface& s, const SimulationResult& run)
{
    const SimulationSeries& series = run.series;
    const int n = run.StepCount;
    const double dt = run.TimeStep;
    for (int i = 1; i <= n - 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double x0 = i * dt;
        const double x1 = (i + 1) * dt;
        s.SetDrawWidth(3);
        Segment(s, series.VelocityInertialX, k, x0, x1, colors::Red);
        s.SetDrawWidth(1);
        Segment(s, series.VelocityInertialY, k, x0, x1, colors::Black);
        Segment(s, series.VelocityRotatingX, k, x0, x1, colors::Green);
        s.SetDrawWidth(4);
        Segment(s, series.VelocityRotatingY, k, x0, x1, colors::Blue);
        s.SetDrawWidth(1);
        if (i % 50 == 0) {
            const TurntableState y{series.VelocityInertialX[k],
                                   series.VelocityInertialY[k],
                                   series.PositionInertialX[k],
                                   series.PositionInertialY[k],
                                   0,
                                   0,
                                   0};
            const Vec2 rel = RelativeVelocity(y, series.BaseOmegaByMomentum[k]);
            s.SetDrawWidth(2);
            s.PSet(x0, rel.x, colors::Green);
            s.SetDrawWidth(3);
            s.PSet(x0, rel.y, colors::Black);
            s.SetDrawWidth(1);
        }
    }
}

void DrawVelocityLegend(Surface& s, double t)
{
    struct Entry {
        const char* text;
        Color color;
        bool line;
        int width;
    };
    const Entry entries[] = {
        {TrNoop("simulation", "VX Inertial frame"), colors::Red, true, 3},
        {TrNoop("simulation", "VY Inertial frame"), colors::Black, true, 1},
        {TrNoop("simulation", "VX ROTATING FRAME"), colors::Green, true, 1},
        {TrNoop("simulation", "VY rotating frame"), colors::Blue, true, 5},
        {TrNoop("simulation", "Vrelative X INERTIAL"), colors::Green, false, 4},
        {TrNoop("simulation", "Vrelative Y INERTIAL"), colors::Black, false, 4},
    };
    const double bottom = s.ScaleTop() + s.ScaleHeight();
    const double height = -s.ScaleHeight();
    for (int k = 1; k <= 6; ++k) {
        const Entry& e = entries[k - 1];
        const double y = bottom + k * height / 10.0;
        s.SetForeColor(e.color);
        PrintAt(s, 1.44 * t, y, Tr("simulation", e.text));
        const double sampleY = y - 0.02 * height;
        if (e.line) {
            s.SetDrawWidth(e.width);
            s.Line(1.1 * t, sampleY, 1.4 * t, sampleY);
            s.SetDrawWidth(1);
        } else {
            PointRow(s, 1.1 * t, 1.4 * t, sampleY, e.width);
        }
    }
}

} // namespace

void DrawVelocityGraph(Surface& s, const SimulationResult& run)
{
    s.Cls();
    Reset(s);
    const int n = run.StepCount;
    if (n <= 5) {
        return;
    }
    const SimulationSeries& series = run.series;
    double vmax = 0.0;
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        vmax = std::max(vmax, std::hypot(series.VelocityRotatingX[k], series.VelocityRotatingY[k]));
    }
    // Against time, like every other graph; the legend in a column to the right of the curves.
    const double dt = run.TimeStep;
    const double t = n * dt;
    s.Scale(-t / 5.0, 1.3 * vmax, 2.0 * t, -1.2 * vmax);
    AxisTicks(s, t, 0.0, vmax, -vmax);
    AxisTitles(s, t, 0.0, vmax, 0.0, "t (s)", "v (m/s)");
    s.Line(-t / 5.0, 0.0, t, 0.0);
    s.Line(0.0, -vmax, 0.0, vmax);

    DrawVelocityCurves(s, run);
    DrawVelocityLegend(s, t);
    Reset(s);
}

} // namespace ttl
