#include "turntable/animations.h"

#include "shell/translation.h"
#include "shell/vectors.h"
#include "turntable/orbit_graph.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {

constexpr Color VectorsBackground{150, 150, 150};
constexpr Color OrbitBackground{200, 200, 200};
constexpr int RestingAfterStep = 20;

double StartSpeed(const SimulationResult& run)
{
    return run.StartRadius * run.InitialOmega;
}

Vec2 Position(const SimulationResult& run, int i)
{
    const auto k = static_cast<std::size_t>(i);
    return {run.series.PositionInertialX[k], run.series.PositionInertialY[k]};
}

Vec2 RotatingPosition(const SimulationResult& run, int i)
{
    const auto k = static_cast<std::size_t>(i);
    return {run.series.PositionRotatingX[k], run.series.PositionRotatingY[k]};
}

void Arrow(Surface& s, Vec2 at, Vec2 v, double scale, Color c)
{
    DrawWindowVector(s, at.x, at.y, scale * v.x, scale * v.y, c.red, c.green, c.blue);
}

// A world window of half-width `extent` scaled by the surface's shape, so that a world unit has
// the same length on both axes.
bool ScaleToShape(Surface& s, double extent)
{
    const double w = s.PixelWidth();
    const double h = s.PixelHeight();
    if (w <= 0.0 || h <= 0.0 || !(extent > 0.0)) {
        return false;
    }
    const double a = (w + h) / h;
    const double b = (w + h) / w;
    s.Scale(-extent * a, extent * b, extent * a, -extent * b);
    return true;
}

void StartAfresh(Surface& s, Color background)
{
    s.SetBackColor(background);
    s.Cls();
    s.SetAutoRedraw(true);
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetForeColor(colors::Black);
}

} // namespace

Vec2 AnimationVelocity(const SimulationResult& run, int i)
{
    if (i == 1) {
        return {StartSpeed(run), 0.0};
    }
    const auto k = static_cast<std::size_t>(i);
    return {run.series.VelocityInertialX[k], run.series.VelocityInertialY[k]};
}

Vec2 AnimationForce(const SimulationResult& run, int i)
{
    const auto k = static_cast<std::size_t>(i);
    const SimulationSeries& s = run.series;
    const double mu = run.FrictionDecel;
    const Vec2 p = Position(run, i);
    const double r = std::hypot(p.x, p.y);
    const double omega = i == 1 ? run.InitialOmega : s.BaseOmegaByMomentum[k];
    const Vec2 rel{s.VelocityInertialX[k] - omega * p.y, s.VelocityInertialY[k] + omega * p.x};
    const double theta = VectorAngle(rel.x, rel.y);

    Vec2 f{0.0, 0.0};
    const bool mayRest = i > RestingAfterStep && r > 0.0;
    if (mayRest && s.VelocityRotatingY[k] == 0.0) {
        f.y = -mu * p.y / r;
    } else if (rel.x == 0.0 && rel.y != 0.0) {
        f.y = -mu * rel.y / std::abs(rel.y);
    } else if (rel.y != 0.0) {
        f.y = -mu * std::sin(theta);
    }
    if (mayRest && s.VelocityRotatingX[k] == 0.0) {
        f.x = -mu * p.x / r;
    } else if (rel.x != 0.0 && rel.y == 0.0) {
        f.x = -mu * rel.x / std::abs(rel.x);
    } else if (rel.x != 0.0) {
        f.x = -mu * std::cos(theta);
    }
    return f;
}

void VectorsAnimation::Begin(Surface& s) const
{
    StartAfresh(s, VectorsBackground);
    const double v0 = StartSpeed(m_run);
    if (FrameCount() < 1 || !ScaleToShape(s, 4.0 * v0)) {
        return;
    }
    // The pair of the start: the velocity and a force of magnitude mu toward the axis.
    const Vec2 p = Position(m_run, 1);
    const double r = std::hypot(p.x, p.y);
    const double mu = m_run.FrictionDecel;
    const Vec2 startForce = r > 0.0 ? Vec2{-mu * p.x / r, -mu * p.y / r} : Vec2{0.0, 0.0};
    s.SetDrawStyle(DrawStyle::DashDot);
    Arrow(s, {0, 0}, {v0, 0.0}, 3.0, colors::Red);
    Arrow(s, {0, 0}, startForce, 4.0, colors::Blue);
    s.SetDrawStyle(DrawStyle::Dot);
    s.Circle(0, 0, 3.0 * v0, colors::Green);
    s.SetDrawStyle(DrawStyle::Solid);

    s.SetFontBold(true);
    s.SetFontSize(16);
    const double left = s.ScaleLeft();
    const double top = s.ScaleTop();
    const double w = s.ScaleWidth();
    const double h = s.ScaleHeight();
    s.SetForeColor(colors::Blue);
    s.SetCurrentX(left + 0.5 * w);
    s.SetCurrentY(top + 0.02 * h);
    s.Print(Tr("simulation", "FORCE"));
    DrawWindowVector(s, left + 0.3 * w, top + 0.035 * h, 0.1 * w, 0.0, 0, 0, 255);
    s.SetForeColor(colors::Red);
    s.SetCurrentX(left + 0.5 * w);
    s.SetCurrentY(top + 0.1 * h);
    s.Print(Tr("simulation", "VELOCITY"));
    DrawWindowVector(s, left + 0.3 * w, top + 0.15 * h, 0.1 * w, 0.0, 255, 0, 0);
    s.SetForeColor(colors::Black);
}

void VectorsAnimation::DrawFrame(Surface& s, int i) const
{
    if (i < 1 || i > FrameCount()) {
        return;
    }
    s.ClearTransient();
    s.SetAutoRedraw(false);
    Arrow(s, {0, 0}, AnimationVelocity(m_run, i), 3.0, colors::Red);
    Arrow(s, {0, 0}, AnimationForce(m_run, i), 4.0, colors::Blue);
    s.SetAutoRedraw(true);
}

OrbitAnimation::OrbitAnimation(const SimulationResult& run) : m_run(run)
{
    for (int j = 1; j <= m_run.StepCount; ++j) {
        const auto n = static_cast<std::size_t>(j);
        m_fastestRelative =
            std::max(m_fastestRelative, std::hypot(m_run.series.VelocityRotatingX[n],
                                                   m_run.series.VelocityRotatingY[n]));
    }
}

void OrbitAnimation::Begin(Surface& s) const
{
    StartAfresh(s, OrbitBackground);
    // The whole orbit fills the window, with room for the arrows; they are scaled to it.
    if (FrameCount() < 1) {
        return;
    }
    DrawGraph(s, OrbitAxes(OrbitExtent(m_run), 0.15));
}

void OrbitAnimation::DrawFrame(Surface& s, int i) const
{
    if (i < 1 || i > FrameCount() || !s.Window().IsDrawable()) {
        return;
    }
    // Arrows an eighth of the window's half-width long at the start speed, friction alike.
    const double unit = s.ScaleWidth() / 16.0;
    const double v0 = StartSpeed(m_run);
    const double velocityScale = v0 > 0.0 ? unit / v0 : 0.0;
    const double forceScale = m_run.FrictionDecel > 0.0 ? unit / m_run.FrictionDecel : 0.0;
    const auto k = static_cast<std::size_t>(i);
    const Vec2 u{m_run.series.VelocityRotatingX[k], m_run.series.VelocityRotatingY[k]};
    const double relativeScale = m_fastestRelative > 0.0 ? unit / m_fastestRelative : 0.0;
    const Vec2 force = AnimationForce(m_run, i);
    const Vec2 at = Position(m_run, i);
    const Vec2 atRotating = RotatingPosition(m_run, i);

    s.ClearTransient();
    s.SetAutoRedraw(false);
    Arrow(s, at, AnimationVelocity(m_run, i), velocityScale, {250, 0, 0});
    Arrow(s, at, force, forceScale, {250, 0, 250});
    // Seen from the base: the relative velocity and the same friction in the base's axes.
    Arrow(s, atRotating, u, relativeScale, {0, 0, 250});
    Arrow(s, atRotating, IntoRotatingAxes(force, m_run.series.BaseAngle[k]), forceScale,
          {0, 250, 250});
    // The guide circle's radius to the nearest pixel: while the body's distance from the axis
    // changes by less than a pixel, the circle stays the same and the view need not paint it
    // again.
    const double worldPerPixel = std::abs(s.ScaleWidth()) / std::max(1, s.PixelWidth());
    s.Circle(0.0, 0.0, std::round(std::hypot(at.x, at.y) / worldPerPixel) * worldPerPixel,
             colors::Black);
    s.SetAutoRedraw(true);

    s.SetDrawWidth(3);
    s.PSet(at.x, at.y, colors::Red);
    s.PSet(atRotating.x, atRotating.y, colors::Blue);
    s.SetDrawWidth(1);
}

void OrbitAnimation::Finish(Surface& s) const
{
    if (!s.Window().IsDrawable()) {
        return;
    }
    for (int i = 1; i < FrameCount(); ++i) {
        const Vec2 a = Position(m_run, i);
        const Vec2 b = Position(m_run, i + 1);
        s.Line(a.x, a.y, b.x, b.y, colors::Red);
        const Vec2 ra = RotatingPosition(m_run, i);
        const Vec2 rb = RotatingPosition(m_run, i + 1);
        s.Line(ra.x, ra.y, rb.x, rb.y, colors::Blue);
    }
}

} // namespace ttl
