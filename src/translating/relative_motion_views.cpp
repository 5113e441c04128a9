#include "translating/relative_motion_views.h"

#include "shell/number_format.h"
#include "shell/picture_text.h"
#include "shell/translation.h"
#include "shell/vectors.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

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
constexpr double ReplayLabRadiusPx = 4.0;
constexpr double ReplayMovingRadiusPx = 2.5;
constexpr double HalfSide = 30.0; // of a view, in units of S
constexpr double FollowMargin = 0.1;

void ScaleView(Surface& view, int scale, int panX, int panY)
{
    const double s = scale;
    view.Scale(s * (-HalfSide - panX), s * (HalfSide - panY), s * (HalfSide - panX),
               s * (-HalfSide - panY));
}

double WorldPerPixel(const Surface& s)
{
    // Before a view has shown the surface, a typical view's width stands in.
    const double pixels = s.PixelWidth() > 0 ? s.PixelWidth() : 400.0;
    return std::abs(s.ScaleWidth()) / pixels;
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

// Arrows go on the transient layer, replaced at every step.
void BeginArrows(Surface& s)
{
    s.ClearTransient();
    s.SetAutoRedraw(false);
    s.SetDrawWidth(2);
}

void EndArrows(Surface& s)
{
    s.SetDrawWidth(1);
    s.SetAutoRedraw(true);
}

void DrawLabArrows(Surface& lab, const RelativeMotionRun& run)
{
    lab.ClearTransient();
    if (run.n == 0) {
        return;
    }
    const auto n = static_cast<std::size_t>(run.n);
    BeginArrows(lab);
    Arrow(lab, run.labPosition[n], run.labVelocity[n], VelocityColor);
    EndArrows(lab);
}

// The friction the body feels: static, m af, while friction holds it on the platform; kinetic,
// mu m g, against the relative velocity while it slides, or along af as it starts to slide back.
struct Friction {
    Vec2 force;
    bool holds = false;
};
Friction FrictionOnBody(const RelativeMotionRun& run, const RelativeMotionInputs& in)
{
    const double m = in.Mass();
    const double kinetic = in.Mu() * m * Gravity;
    const Vec2 af = run.frame.a;
    const Vec2 vr = run.relativeVelocity;
    if (Length(vr) > 0.0) {
        return {(-kinetic / Length(vr)) * vr};
    }
    if (run.resting && kinetic >= m * Length(af)) {
        return {m * af, true};
    }
    return {Length(af) > 0.0 ? (kinetic / Length(af)) * af : Vec2{}};
}

void DrawMovingArrows(Surface& moving, const RelativeMotionRun& run, const RelativeMotionInputs& in)
{
    moving.ClearTransient();
    if (run.n == 0) {
        return;
    }
    BeginArrows(moving);
    const Vec2 at = run.movingPosition[static_cast<std::size_t>(run.n)];
    const double m = in.Mass();
    const double k = RelativeForceScale(run, in);
    Arrow(moving, at, run.relativeVelocity, VelocityColor);
    if (run.frame.a.x != 0.0) {
        Arrow(moving, at, {-k * m * run.frame.a.x, 0.0}, FictitiousColor);
    }
    if (run.frame.a.y != 0.0) {
        Arrow(moving, at, {0.0, -k * m * run.frame.a.y}, FictitiousColor);
    }
    const Friction friction = FrictionOnBody(run, in);
    if (Length(friction.force) > 0.0) {
        Arrow(moving, at, k * friction.force,
              friction.holds ? StaticFrictionColor : KineticFrictionColor);
    }
    EndArrows(moving);
}

// The view started afresh through its new window, with its points and circles drawn again; a
// circle keeps its size on screen.
void Rewindow(Surface& view, const std::function<void()>& begin,
              const std::function<void()>& arrows)
{
    const std::vector<Primitive> kept = view.Primitives();
    const bool arrowsShown = !view.TransientPrimitives().empty();
    begin();
    for (const Primitive& p : kept) {
        view.SetDrawWidth(p.width);
        if (p.kind == PrimitiveKind::Point) {
            view.PSet(p.x1, p.y1, p.color);
        } else if (p.kind == PrimitiveKind::Circle && p.window.width != 0.0) {
            const double resize = std::abs(view.ScaleWidth() / p.window.width);
            view.Circle(p.x1, p.y1, p.radius * resize, p.color);
        }
    }
    view.SetDrawWidth(1);
    if (arrowsShown) {
        arrows();
    }
}

} // namespace

double RelativeForceScale(const RelativeMotionRun& run, const RelativeMotionInputs& in)
{
    const double largest = run.n > 0 ? run.largestForce : LargestRelativeForce(in);
    // No force at all: any scale will do; one unit of force a tenth of the side.
    return largest > 0.0 ? 0.25 * 2.0 * HalfSide * in.scale / largest : 6.0 * in.scale;
}

void BeginLabView(Surface& lab, const RelativeMotionInputs& in)
{
    ScaleView(lab, in.scale, in.labPanX, in.labPanY);
    lab.Cls();
}

void BeginMovingView(Surface& moving, const RelativeMotionRun& run, const RelativeMotionInputs& in)
{
    ScaleView(moving, in.scale, in.movingPanX, in.movingPanY);
    moving.Cls();
    const std::string fictitious = Tr("translating", "FICTITIOUS FORCE");
    const std::string friction = Tr("translating", "FRICTION");
    const std::string scale = Substitute(Tr("translating", "forces drawn \u00D7 %1"),
                                         {FormatNumber(RelativeForceScale(run, in), "0.00")});
    // The legend's rows run to the view's right edge, after their arrows or from the left.
    const double across = std::abs(moving.ScaleWidth());
    FitFontToPicture(moving, {{fictitious, 0.84 * across}, {friction, 0.84 * across},
                              {scale, 0.96 * across}});
    LegendRow(moving, 0, fictitious, FictitiousColor, true);
    LegendRow(moving, 1, friction, KineticFrictionColor, true);
    LegendRow(moving, 2, scale, colors::Black, false);
}

void RewindowLabView(Surface& lab, const RelativeMotionRun& run, const RelativeMotionInputs& in)
{
    Rewindow(
        lab, [&] { BeginLabView(lab, in); }, [&] { DrawLabArrows(lab, run); });
}

void RewindowMovingView(Surface& moving, const RelativeMotionRun& run,
                        const RelativeMotionInputs& in)
{
    Rewindow(
        moving, [&] { BeginMovingView(moving, run, in); },
        [&] { DrawMovingArrows(moving, run, in); });
}

void DrawRelativeArrows(Surface& lab, Surface& moving, const RelativeMotionRun& run,
                        const RelativeMotionInputs& in)
{
    DrawLabArrows(lab, run);
    DrawMovingArrows(moving, run, in);
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
    const double labRadius = ReplayLabRadiusPx * WorldPerPixel(lab);
    const double movingRadius = ReplayMovingRadiusPx * WorldPerPixel(moving);
    const int last = std::min(run.n, ReplayLastStep);
    for (int j = 1; j <= last; ++j) {
        const auto i = static_cast<std::size_t>(j);
        moving.PSet(run.movingPosition[i].x, run.movingPosition[i].y, ReplayMovingColor);
        if (j % 10 == 0) {
            lab.Circle(run.labPosition[i].x, run.labPosition[i].y, labRadius, ReplayLabColor);
            moving.Circle(run.movingPosition[i].x, run.movingPosition[i].y, movingRadius,
                          ReplayMovingColor);
        }
    }
}

std::optional<LabPan> FollowBody(const RelativeMotionRun& run, const RelativeMotionInputs& in)
{
    if (run.n == 0) {
        return std::nullopt;
    }
    const double s = in.scale;
    const Vec2 body = run.labPosition[static_cast<std::size_t>(run.n)];
    const Vec2 centre{-s * in.labPanX, -s * in.labPanY};
    const double reach = (1.0 - 2.0 * FollowMargin) * HalfSide * s;
    if (std::abs(body.x - centre.x) <= reach && std::abs(body.y - centre.y) <= reach) {
        return std::nullopt;
    }
    return LabPan{static_cast<int>(std::lround(-body.x / s)),
                  static_cast<int>(std::lround(-body.y / s))};
}

} // namespace ttl
