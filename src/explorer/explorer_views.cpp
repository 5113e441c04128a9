#include "explorer/explorer_views.h"

#include "shell/number_format.h"
#include "shell/vectors.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ttl {

namespace {

const double Pi = 4.0 * std::atan(1.0);

constexpr Color InertialVelocityColor{255, 0, 0};
constexpr Color RotatingVelocityColor{0, 0, 255};
constexpr Color RelativeVelocityColor{255, 0, 255};
constexpr Color BaseVelocityColor{0, 255, 0};
constexpr Color BaseVelocityAgainColor{55, 255, 55};
constexpr Color ParallelogramColor{0, 150, 150};
constexpr Color FrictionColor{0, 255, 0};
constexpr Color CentrifugalColor{0, 0, 255};
constexpr Color CoriolisColor{100, 155, 150};
constexpr Color BaseAccelerationColor{150, 0, 155};
constexpr Color BaseAccelerationSmallColor{100, 0, 150};
constexpr Color TotalColor{0, 0, 0};
constexpr Color FanColor{200, 200, 200};
constexpr Color RotatingPathColor{120, 120, 255};
constexpr Color InertialPathColor{255, 120, 120};

Vec2 operator+(Vec2 a, Vec2 b)
{
    return {a.x + b.x, a.y + b.y};
}
Vec2 operator-(Vec2 a, Vec2 b)
{
    return {a.x - b.x, a.y - b.y};
}
Vec2 operator*(double k, Vec2 v)
{
    return {k * v.x, k * v.y};
}

void Arrow(Surface& s, Vec2 at, Vec2 v, Color c)
{
    DrawVector(s, at.x, at.y, v.x, v.y, c.red, c.green, c.blue);
}

// Where a quantity's legend goes, below the base: a sample arrow and the label to its right, in
// the velocity column on the left or the force column on the right. Rows are in tenths of the
// diagram's height above its bottom edge; each arrow sits level with the middle of its label.
struct LegendSlot {
    double labelRow;
    double arrowRow;
    bool forceColumn;
};
constexpr LegendSlot CoriolisSlot{0.35, 0.21, true};
constexpr LegendSlot RotatingVelocitySlot{0.61, 0.47, false};
constexpr LegendSlot CentrifugalSlot{0.79, 0.65, true};
constexpr LegendSlot FrictionSlot{1.05, 0.91, true};
constexpr LegendSlot InertialVelocitySlot{1.1, 0.96, false};
constexpr LegendSlot BaseAccelerationSlot{1.3, 1.1, true};
constexpr LegendSlot TotalSlot{1.71, 1.6, true};
constexpr LegendSlot RelativeVelocitySlot{1.82, 1.71, false};
constexpr LegendSlot BaseVelocitySlot{1.45, 1.31, false};

void Legend(Surface& s, LegendSlot slot, const char* label, Color color)
{
    const double w = std::abs(s.ScaleWidth()) / 10.0;
    const double h = std::abs(s.ScaleHeight()) / 10.0;
    const double x0 = 1.1 * s.ScaleLeft() + w + (slot.forceColumn ? s.ScaleWidth() / 2.0 : 0.0);
    const double y0 = s.ScaleTop() + s.ScaleHeight();
    DrawVector(s, x0, y0 + slot.arrowRow * h, w, 0.0, color.red, color.green, color.blue);
    s.SetForeColor(color);
    s.SetCurrentX(x0 + 1.1 * w);
    s.SetCurrentY(y0 + slot.labelRow * h);
    s.Print(label);
    s.SetForeColor(colors::Black);
}

void DrawBase(Surface& s, const ExplorerState& state)
{
    s.Cls();
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetForeColor(colors::Black);
    s.Circle(0, 0, state.BaseRadius, colors::Black);
    s.Circle(0, 0, state.HubRadius, colors::Black);
}

// A small circle at each position the body has had, step 1 to the current one. Drawn before the
// arrows: the path only grows, so the view repaints just its newest marks.
void DrawPath(Surface& s, const ExplorerState& state,
              const std::array<double, MaxExplorerSteps + 1>& xs,
              const std::array<double, MaxExplorerSteps + 1>& ys, Color color)
{
    for (int k = 1; k <= state.StepIndex; ++k) {
        const auto i = static_cast<std::size_t>(k);
        s.Circle(xs[i], ys[i], state.HubRadius, color);
    }
}

void FinishDrawing(Surface& s)
{
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetForeColor(colors::Black);
}

Vec2 CurrentPosition(const ExplorerState& state)
{
    const auto n = static_cast<std::size_t>(state.StepIndex);
    return {state.PathX[n], state.PathY[n]};
}

void PrintAt(Surface& s, double x, double y, const std::string& text)
{
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

} // namespace

Vec2 RotatingFrameForces::Total() const
{
    return friction + centrifugal + coriolis + baseAcceleration;
}

void ScaleExplorerDiagram(Surface& picture1, const ExplorerState& state, int zoomValue, int shiftX,
                          int shiftY)
{
    const double half = zoomValue / 100.0 * state.BaseRadius;
    const double dx = shiftX / 10.0;
    const double dy = shiftY / 10.0;
    picture1.Scale(-half + dx, half + dy, half + dx, -half + dy);
}

RotatingFrameForces ForcesInRotatingFrame(const ExplorerState& state,
                                          const ExplorerControls& controls)
{
    const double omega = state.ExplorerOmega;
    const double m = state.Mass;
    const Vec2 position = CurrentPosition(state);
    const Vec2 relative = RelativeVelocity(
        {state.BodyVelocity.x, state.BodyVelocity.y, position.x, position.y, 0, 0, 0}, omega);

    RotatingFrameForces f;
    f.position = IntoRotatingAxes(position, state.BaseAngle);
    f.velocity = IntoRotatingAxes(relative, state.BaseAngle);
    f.inertialVelocity = IntoRotatingAxes(state.BodyVelocity, state.BaseAngle);
    const Vec2 r = f.position;
    const Vec2 v = f.velocity;
    f.centrifugal = m * omega * omega * r;
    f.coriolis = 2.0 * m * omega * Vec2{-v.y, v.x};
    f.baseAcceleration = m * BaseAngularAcceleration(state, controls) * Vec2{-r.y, r.x};

    if (controls.Friction()) {
        if (state.StuckToBase) {
            // Carried round by the base: static friction supplies the centripetal force.
            f.friction = -m * omega * omega * r;
        } else {
            const double speed = Length(v);
            const double radius = Length(r);
            Vec2 direction{0.0, 0.0};
            if (speed > 0.0 && speed < 0.05 * omega * omega * radius * radius && radius > 0.0) {
                direction = (1.0 / radius) * r; // nearly at rest: friction holds it to the axis
            } else if (speed > 0.0) {
                direction = (1.0 / speed) * v;
            }
            f.friction = -state.FrictionDecel * m * direction;
        }
    }
    return f;
}

void DrawStartPicture(Surface& picture1, const ExplorerState& state,
                      const ExplorerControls& controls)
{
    DrawBase(picture1, state);
    const Vec2 start{0.0, state.StartRadius};
    picture1.Line(0, 0, state.BaseRadius, 0, RotatingVelocityColor); // the reference radius
    picture1.Circle(start.x, start.y, state.HubRadius, colors::Black);
    Arrow(picture1, start, LaunchVelocity(state, controls), InertialVelocityColor);
    FinishDrawing(picture1);
}

namespace {

// One arrow of a view: where it is drawn, its legend entry, and whether the force diagram
// repeats it from its origin.
struct Shown {
    Vec2 tail;
    Vec2 vector;
    Color color;
    const LegendSlot* slot = nullptr; // no legend entry when null
    const char* label = "";
    int width = 1;
    bool onForceDiagram = false;
    Color forceDiagramColor{};
};

// The legend goes first, right after the base: it changes only with the check boxes, so the
// view keeps it, with the path drawn next, from step to step and paints only the moving arrows.
void DrawLegends(Surface& s, const std::vector<Shown>& shown)
{
    for (const Shown& q : shown) {
        if (q.slot != nullptr) {
            s.SetDrawWidth(q.width); // the sample arrow is drawn like the arrow itself
            Legend(s, *q.slot, q.label, q.color);
        }
    }
    s.SetDrawWidth(1);
}

void DrawArrows(Surface& s, const std::vector<Shown>& shown)
{
    for (const Shown& q : shown) {
        s.SetDrawWidth(q.width);
        Arrow(s, q.tail, q.vector, q.color);
    }
    s.SetDrawWidth(1);
}

} // namespace

void RedrawInertialView(Surface& s, const ExplorerState& state, const ExplorerControls& controls)
{
    if (state.StepIndex == 0) {
        DrawStartPicture(s, state, controls);
        return;
    }
    const double omega = state.ExplorerOmega;
    const Vec2 at = CurrentPosition(state);
    const Vec2 v = state.BodyVelocity;
    const Vec2 u{omega * at.y, -omega * at.x}; // the point of the base under the body
    const Vec2 w = v - u;
    const double m = state.Mass;

    std::vector<Shown> shown{
        {at, v, InertialVelocityColor, &InertialVelocitySlot, "Velocity in Inertial Frame"},
        // What the rotating observer calls the body's velocity, in that observer's axes.
        {at, state.ForceScale * IntoRotatingAxes(w, state.BaseAngle), RotatingVelocityColor,
         &RotatingVelocitySlot, "Velocity in Rotating Frame"},
    };
    if (controls.check[1]) {
        shown.push_back(
            {at, u, BaseVelocityColor, &BaseVelocitySlot, "Velocity of the point of BASE"});
    }
    if (controls.check[2]) {
        shown.push_back({at, w, RelativeVelocityColor, &RelativeVelocitySlot, "Relative Velocity"});
    }
    if (controls.check[1] && controls.check[2]) {
        shown.push_back({at + w, u, BaseVelocityAgainColor});
    }
    if (controls.check[2] && controls.Friction() && Length(w) > 0.0) {
        const Vec2 friction = -state.FrictionDecel * m / Length(w) * w;
        shown.push_back(
            {at, state.ForceScale * friction, FrictionColor, &FrictionSlot, "FRICTION"});
    }

    DrawBase(s, state);
    DrawLegends(s, shown);
    DrawPath(s, state, state.PathX, state.PathY, InertialPathColor);
    DrawArrows(s, shown);
    if (controls.check[1] && controls.check[2]) {
        // The parallelogram v = u + w.
        s.SetDrawStyle(DrawStyle::Dot);
        s.Line(at.x + u.x, at.y + u.y, at.x + v.x, at.y + v.y, ParallelogramColor);
        s.SetDrawStyle(DrawStyle::Solid);
    }
    if (controls.Friction()) {
        s.SetForeColor(colors::Black);
        PrintAt(s, state.StartRadius, state.StartRadius / 2.0,
                "L=" + FormatNumber(ExplorerAngularMomentum(state), "0.00"));
        PrintAt(s, state.StartRadius, -state.StartRadius,
                "vRELx=" + FormatNumber(Length(w), "0.00"));
    }
    FinishDrawing(s);
}

void RedrawRotatingView(Surface& s, Surface& forces, const ExplorerState& state,
                        const ExplorerControls& controls)
{
    // The force diagram zooms in four times on a common origin.
    const double half = state.BaseRadius / 2.0;
    forces.Scale(-half, half, half, -half);
    forces.Cls();
    forces.Line(-half, 0, half, 0, FanColor);
    forces.Line(0, -half, 0, half, FanColor);
    if (state.StepIndex == 0) {
        DrawStartPicture(s, state, controls);
        return;
    }

    const RotatingFrameForces f = ForcesInRotatingFrame(state, controls);
    const double scale = state.ForceScale;
    const Vec2 at = f.position;
    std::vector<Shown> shown{
        {at, f.inertialVelocity, InertialVelocityColor, &InertialVelocitySlot,
         "Velocity in Inertial Frame"},
    };
    if (!state.StuckToBase) {
        shown.push_back({at, f.velocity, RotatingVelocityColor, &RotatingVelocitySlot,
                         "Velocity in Rotating Frame"});
        if (controls.check[2]) {
            shown.push_back({at, f.velocity, RelativeVelocityColor, &RelativeVelocitySlot,
                             "Relative Velocity"});
        }
    }
    if (controls.check[2] && controls.Friction()) {
        shown.push_back({at, scale * f.friction, FrictionColor, &FrictionSlot, "FRICTION"});
    }
    if (controls.check[5]) {
        shown.push_back(
            {at, scale * f.centrifugal, CentrifugalColor, &CentrifugalSlot, "Centrifugal Force"});
    }
    if (controls.check[4]) {
        shown.push_back({at, scale * f.coriolis, CoriolisColor, &CoriolisSlot, "Coriolis Force", 2,
                         true, CoriolisColor});
    }
    if (controls.check[6]) {
        shown.push_back({at, scale * f.baseAcceleration, BaseAccelerationColor,
                         &BaseAccelerationSlot, "Force due to base acc.", 1, true,
                         BaseAccelerationSmallColor});
    }
    if (controls.check[7]) {
        shown.push_back(
            {at, scale * f.Total(), TotalColor, &TotalSlot, "Total Force", 1, true, TotalColor});
    }

    DrawBase(s, state);
    DrawLegends(s, shown);
    DrawPath(s, state, state.PathXR, state.PathYR, RotatingPathColor);
    // The fan of the angle the base has turned; past a full turn it is a full disc.
    const double theta = state.BaseAngle;
    const double turned = std::min(theta, 2.0 * Pi);
    for (double phi = 0.0; phi <= turned; phi += Pi / 100.0) {
        s.Line(0, 0, state.StartRadius * std::cos(-phi), state.StartRadius * std::sin(-phi),
               FanColor);
    }
    s.Line(0, 0, state.BaseRadius * std::cos(-theta), state.BaseRadius * std::sin(-theta),
           RotatingVelocityColor);
    DrawArrows(s, shown);
    for (const Shown& q : shown) {
        if (q.onForceDiagram) {
            forces.SetDrawWidth(q.width);
            Arrow(forces, {0.0, 0.0}, q.vector, q.forceDiagramColor);
        }
    }
    FinishDrawing(s);
    FinishDrawing(forces);
}

StepOutcome StepInertialView(Surface& picture1, ExplorerState& state, ModelParameters& shared,
                             const ExplorerControls& controls)
{
    const StepOutcome outcome = AdvanceExplorer(state, shared, controls);
    if (outcome.advanced) {
        RedrawInertialView(picture1, state, controls);
    }
    return outcome;
}

StepOutcome StepRotatingView(Surface& picture1, Surface& picture2, ExplorerState& state,
                             ModelParameters& shared, const ExplorerControls& controls)
{
    const StepOutcome outcome = AdvanceExplorer(state, shared, controls);
    if (outcome.advanced) {
        RedrawRotatingView(picture1, picture2, state, controls);
    }
    return outcome;
}

} // namespace ttl
