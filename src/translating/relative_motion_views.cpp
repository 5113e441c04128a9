#include "translating/relative_motion_views.h"

#include "shell/number_format.h"
#include "shell/vectors.h"

#include <algorithm>

namespace ttl {

namespace {

constexpr Color VelocityColor{255, 0, 0};
constexpr Color FictitiousColor{0, 0, 255};
constexpr Color KineticFrictionColor{0, 255, 0};
constexpr Color StaticFrictionColor{5, 255, 5};
constexpr Color MovingTrailColor{0, 255, 0};
constexpr Color ReplayLabColor{255, 0, 0};
constexpr Color ReplayMovingColor{0, 0, 255};
constexpr int ReplayLastStep = 1300;

void ScaleView(Surface& view, int scale, int panX, int panY)
{
    const double s = scale;
    view.Scale(s * (-30.0 - panX), s * (30.0 - panY), s * (30.0 - panX), s * (-30.0 - panY));
}

void Arrow(Surface& s, Vec2 at, Vec2 v, Color c)
{
    DrawVector(s, at.x, at.y, v.x, v.y, c.red, c.green, c.blue);
}

void LegendRow(Surface& s, int row, const std::string& text, Color color, bool withArrow)
{
    const double line = s.TextLineHeight();
    const double left = s.ScaleLeft() + 0.02 * s.ScaleWidth();
    const double top = s.ScaleTop() - (0.3 + row) * line;
    if (withArrow) {
        s.SetDrawWidth(2);
        Arrow(s, {left, top - 0.5 * line}, {s.ScaleWidth() / 10.0, 0.0}, color);
        s.SetDrawWidth(1);
    }
    s.SetForeColor(color);
    s.SetCurrentX(left + (withArrow ? 0.12 * s.ScaleWidth() : 0.0));
    s.SetCurrentY(top);
    s.Print(text);
    s.SetForeColor(colors::Black);
}

} // namespace

double RelativeForceScale(int scale)
{
    const double largestForce = 1.0 * (300 / 50.0) * Gravity;
    return 15.0 * scale / largestForce;
}

void BeginLabView(Surface& lab, const RelativeMotionInputs& in)
{
    ScaleView(lab, in.scale, in.labPanX, in.labPanY);
    lab.Cls();
}

void BeginMovingView(Surface& moving, const RelativeMotionInputs& in)
{
    ScaleView(moving, in.scale, in.movingPanX, in.movingPanY);
    moving.Cls();
    LegendRow(moving, 0, "FICTIONAL FORCE", FictitiousColor, true);
    LegendRow(moving, 1, "FRICTION", KineticFrictionColor, true);
    LegendRow(moving, 2,
              "forces drawn \u00D7 " + FormatNumber(RelativeForceScale(in.scale), "0.00"),
              colors::Black, false);
}

void DrawTrails(Surface& lab, Surface& moving, const RelativeMotionRun& run)
{
    for (int j = 1; j <= run.n; ++j) {
        const auto i = static_cast<std::size_t>(j);
        lab.PSet(run.labPosition[i].x, run.labPosition[i].y);
        moving.PSet(run.movingPosition[i].x, run.movingPosition[i].y, MovingTrailColor);
    }
}

void DrawRelativeArrows(Surface& lab, Surface& moving, const RelativeMotionRun& run,
                        const RelativeMotionInputs& in)
{
    lab.ClearTransient();
    moving.ClearTransient();
    if (run.n == 0) {
        return;
    }
    const auto n = static_cast<std::size_t>(run.n);
    lab.SetAutoRedraw(false);
    moving.SetAutoRedraw(false);
    lab.SetDrawWidth(2);
    moving.SetDrawWidth(2);
    Arrow(lab, run.labPosition[n], run.labVelocity[n], VelocityColor);

    const Vec2 at = run.movingPosition[n];
    const double m = in.Mass();
    const double k = RelativeForceScale(in.scale);
    Arrow(moving, at, run.relativeVelocity, VelocityColor);
    if (run.frame.a.x != 0.0) {
        Arrow(moving, at, {-k * m * run.frame.a.x, 0.0}, FictitiousColor);
    }
    if (run.frame.a.y != 0.0) {
        Arrow(moving, at, {0.0, -k * m * run.frame.a.y}, FictitiousColor);
    }
    if (run.resting) {
        // Static friction: what keeps the body moving with the platform, balancing -m af.
        Arrow(moving, at, {k * m * run.frame.a.x, k * m * run.frame.a.y}, StaticFrictionColor);
    } else {
        const Vec2 vr = run.relativeVelocity;
        const double speed = Length(vr);
        const double friction = k * in.Mu() * m * Gravity;
        if (speed > 0.0 && friction > 0.0) {
            Arrow(moving, at, {-friction * vr.x / speed, -friction * vr.y / speed},
                  KineticFrictionColor);
        }
    }
    for (Surface* s : {&lab, &moving}) {
        s->SetDrawWidth(1);
        s->SetAutoRedraw(true);
    }
}

void DrawRelativeStep(Surface& lab, Surface& moving, const RelativeMotionRun& run,
                      const RelativeMotionInputs& in)
{
    if (run.n > 0) {
        const auto n = static_cast<std::size_t>(run.n);
        lab.PSet(run.labPosition[n].x, run.labPosition[n].y);
        moving.PSet(run.movingPosition[n].x, run.movingPosition[n].y, MovingTrailColor);
    }
    DrawRelativeArrows(lab, moving, run, in);
}

void DrawRelativeReplay(Surface& lab, Surface& moving, const RelativeMotionRun& run)
{
    lab.ClearTransient();
    moving.ClearTransient();
    const int last = std::min(run.n, ReplayLastStep);
    for (int j = 1; j <= last; ++j) {
        const auto i = static_cast<std::size_t>(j);
        moving.PSet(run.movingPosition[i].x, run.movingPosition[i].y, ReplayMovingColor);
        if (j % 10 == 0) {
            lab.Circle(run.labPosition[i].x, run.labPosition[i].y, 0.5, ReplayLabColor);
            moving.Circle(run.movingPosition[i].x, run.movingPosition[i].y, 0.3, ReplayMovingColor);
        }
    }
}

} // namespace ttl
