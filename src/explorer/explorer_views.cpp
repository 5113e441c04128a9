#include "explorer/explorer_views.h"

#include "explorer/explorer_legend.h"
#include "explorer/explorer_path.h"

#include "shell/number_format.h"
#include "shell/translation.h"
#include "shell/vectors.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace ttl {

namespace {

constexpr double Pi = std::numbers::pi;

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
constexpr Color InertialPathColor{255, 120, 120};

void Arrow(Surface& s, Vec2 at, Vec2 v, Color c)
{
    DrawVector(s, at.x, at.y, v.x, v.y, c.red, c.green, c.blue);
}

// The longest arrow the scales allow, as a fraction of the base square's half side: drawn from
// a body on the inner part of the base, it stays inside the picture.
constexpr double LongestArrow = 0.35;


void DrawBase(Surface& s, const ExplorerState& state)
{
    s.Cls();
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetForeColor(colors::Black);
    s.Circle(0, 0, state.BaseRadius, colors::Black);
    s.Circle(0, 0, state.HubRadius, colors::Black);
}

// Whether `s` holds the lasting picture of the step before the current one as drawing it whole
// would have left it: what `drawHead` draws, then a path of `pathLength` primitives whose last
// mark, at `lastMarkAt` in it, is `lastMark`. Checked on the head and that mark, not the path.
template <typename DrawHead>
bool HoldsPreviousStep(const Surface& s, const ExplorerState& state, DrawHead drawHead,
                       std::size_t pathLength, std::size_t lastMarkAt, Vec2 lastMark, Color color)
{
    Surface expected = s.BlankCopy();
    drawHead(expected);
    const auto& head = expected.Primitives();
    const auto& held = s.Primitives();
    if (held.size() != head.size() + pathLength ||
        !std::equal(head.begin(), head.end(), held.begin())) {
        return false;
    }
    const std::size_t at = head.size() + lastMarkAt;
    expected.Circle(lastMark.x, lastMark.y, MarkRadius(expected, state), color);
    return held[at] == expected.Primitives().back();
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
    // The band of legend rows below the base's square, widened on both sides by half as much so
    // that the picture stays square with equal scales.
    picture1.SetFontSize(Font{}.size); // the band has room for the legend at the full size
    const double rows = LegendBandRows(picture1);
    const double band = rows * 2.0 * half / (LinesPerHeight(picture1) - rows);
    picture1.Scale(-half - band / 2.0 + dx, half + dy, half + band / 2.0 + dx, -half - band + dy);
}

ArrowScales ExplorerArrowScales(const ExplorerState& state, const ExplorerControls& controls)
{
    const double half = controls.zoomValue / 100.0 * state.BaseRadius;
    const double reach = std::max(state.BaseRadius, half);
    const double omega = std::max(std::abs(state.StartOmega), std::abs(state.ExplorerOmega));
    const Vec2 v0 = state.StepIndex == 0 ? LaunchVelocity(state, controls) : state.Launch;
    const Vec2 u0{omega * state.StartRadius, 0.0}; // the base under the body at the start
    // Relative to the base the body moves at most as fast as it was launched plus the base under
    // it; in the inertial frame friction brings it at most to the base's speed.
    double fastest = std::max(Length(v0), Length(v0 - u0)) + omega * reach;
    if (controls.foucault != FoucaultMode::Off) {
        fastest += std::sqrt(FoucaultStiffness) * state.StartRadius; // the swing's own speed
    }
    const double m = controls.massValue / 2.0;
    const double strongest = m * std::max({controls.Friction() ? 1.0 : 0.0, omega * omega * reach,
                                           2.0 * omega * fastest});
    ArrowScales scales;
    scales.velocity = fastest > 0.0 ? LongestArrow * half / fastest : 1.0;
    scales.force = strongest > 0.0 ? std::min(state.ForceScale, LongestArrow * half / strongest)
                                   : state.ForceScale;
    return scales;
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

    f.friction = IntoRotatingAxes(ExplorerFriction(state, controls), state.BaseAngle);
    return f;
}

void DrawStartPicture(Surface& picture1, const ExplorerState& state,
                      const ExplorerControls& controls)
{
    DrawBase(picture1, state);
    const ArrowScales scales = ExplorerArrowScales(state, controls);
    DrawLegendBand(picture1,
                   {{TrNoop("explorer", "Velocity in Inertial Frame"), InertialVelocityColor}},
                   scales);
    const Vec2 start{0.0, state.StartRadius};
    picture1.Line(0, 0, state.BaseRadius, 0, RotatingVelocityColor); // the reference radius
    picture1.Circle(start.x, start.y, state.HubRadius, colors::Black);
    Arrow(picture1, start, scales.velocity * LaunchVelocity(state, controls),
          InertialVelocityColor);
    FinishDrawing(picture1);
}

namespace {

// One arrow of a view: where it is drawn, its legend entry, and whether the force diagram
// repeats it from its origin.
struct Shown {
    Vec2 tail;
    Vec2 vector;
    Color color;
    LegendColumn column = LegendColumn::Velocities;
    const char* label = nullptr; // no legend entry when null
    int width = 1;
    bool onForceDiagram = false;
    Color forceDiagramColor{};
};

// The legend goes first, right after the base: it changes only with the check boxes, so the
// view keeps it, with the path drawn next, from step to step and paints only the moving arrows.
// Each column lists the quantities drawn, one row each, in the order they are drawn.
void DrawLegends(Surface& s, const std::vector<Shown>& shown, const ArrowScales& scales)
{
    std::vector<LegendEntry> entries;
    for (const Shown& q : shown) {
        if (q.label != nullptr) {
            entries.push_back({q.label, q.color, q.column, q.width});
        }
    }
    DrawLegendBand(s, entries, scales);
}

void DrawArrows(Surface& s, const std::vector<Shown>& shown)
{
    for (const Shown& q : shown) {
        s.SetDrawWidth(q.width);
        Arrow(s, q.tail, q.vector, q.color);
    }
    s.SetDrawWidth(1);
}

// What moves from step to step (arrows, the reference radius, texts) goes to the transient
// layer over the picture that stays (base, legends, path), so that a step replaces it without
// drawing the path again.
template <typename Draw> void DrawMoving(Surface& s, Draw draw)
{
    s.ClearTransient();
    s.SetAutoRedraw(false);
    draw();
    s.SetAutoRedraw(true);
    FinishDrawing(s);
}

// The inertial view of the current step: its arrows, one per quantity, and their scales.
struct InertialPicture {
    Vec2 at;
    Vec2 v; // the body's velocity
    Vec2 u; // the point of the base under the body
    Vec2 w; // the relative velocity, v - u
    ArrowScales scales;
    std::vector<Shown> shown;
};

InertialPicture InertialArrows(const ExplorerState& state, const ExplorerControls& controls)
{
    InertialPicture p;
    const double omega = state.ExplorerOmega;
    p.at = CurrentPosition(state);
    p.v = state.BodyVelocity;
    p.u = {omega * p.at.y, -omega * p.at.x};
    p.w = p.v - p.u;
    p.scales = ExplorerArrowScales(state, controls);
    const double kv = p.scales.velocity;
    p.shown.push_back({p.at, kv * p.v, InertialVelocityColor, LegendColumn::Velocities,
                       TrNoop("explorer", "Velocity in Inertial Frame")});
    if (controls.check[1]) {
        p.shown.push_back({p.at, kv * p.u, BaseVelocityColor, LegendColumn::Velocities,
                           TrNoop("explorer", "Velocity of the point of BASE")});
    }
    if (controls.check[2]) {
        p.shown.push_back({p.at, kv * p.w, RelativeVelocityColor, LegendColumn::Velocities,
                           TrNoop("explorer", "Relative Velocity")});
    }
    if (controls.check[1] && controls.check[2]) {
        p.shown.push_back({p.at + kv * p.w, kv * p.u, BaseVelocityAgainColor});
    }
    if (controls.check[2] && controls.Friction()) {
        p.shown.push_back({p.at, p.scales.force * ExplorerFriction(state, controls), FrictionColor,
                           LegendColumn::Forces, TrNoop("explorer", "FRICTION")});
    }
    return p;
}

void DrawInertialMoving(Surface& s, const ExplorerState& state, const ExplorerControls& controls,
                        const InertialPicture& p)
{
    DrawMoving(s, [&] {
        DrawArrows(s, p.shown);
        const double kv = p.scales.velocity;
        if (controls.check[1] && controls.check[2]) {
            // The parallelogram v = u + w.
            s.SetDrawStyle(DrawStyle::Dot);
            s.Line(p.at.x + kv * p.u.x, p.at.y + kv * p.u.y, p.at.x + kv * p.v.x,
                   p.at.y + kv * p.v.y, ParallelogramColor);
            s.SetDrawStyle(DrawStyle::Solid);
        }
        if (controls.Friction()) {
            s.SetForeColor(colors::Black);
            PrintAt(s, state.StartRadius, state.StartRadius / 2.0,
                    "L=" + FormatNumber(ExplorerAngularMomentum(state), "0.00"));
            PrintAt(s, state.StartRadius, -state.StartRadius,
                    "vRELx=" + FormatNumber(Length(p.w), "0.00"));
        }
    });
}

// Adds the current step's mark to the picture of the step before; false, with nothing drawn,
// when `s` does not hold that picture.
bool AddInertialStep(Surface& s, const ExplorerState& state, const InertialPicture& p)
{
    const int k = state.StepIndex;
    const auto head = [&](Surface& h) {
        DrawBase(h, state);
        DrawLegends(h, p.shown, p.scales);
    };
    if (k < 2 ||
        !HoldsPreviousStep(s, state, head, static_cast<std::size_t>(k - 1),
                           static_cast<std::size_t>(k - 2),
                           PathPoint(state.PathX, state.PathY, k - 1), InertialPathColor)) {
        return false;
    }
    const Vec2 mark = PathPoint(state.PathX, state.PathY, k);
    s.Circle(mark.x, mark.y, MarkRadius(s, state), InertialPathColor);
    return true;
}

} // namespace

void RedrawInertialView(Surface& s, const ExplorerState& state, const ExplorerControls& controls)
{
    if (state.StepIndex == 0) {
        DrawStartPicture(s, state, controls);
        return;
    }
    const InertialPicture p = InertialArrows(state, controls);
    DrawBase(s, state);
    DrawLegends(s, p.shown, p.scales);
    DrawPath(s, state, state.PathX, state.PathY, InertialPathColor);
    DrawInertialMoving(s, state, controls, p);
}

namespace {

// The rotating view of the current step: its arrows and their scales.
struct RotatingPicture {
    ArrowScales scales;
    std::vector<Shown> shown;
};

RotatingPicture RotatingArrows(const ExplorerState& state, const ExplorerControls& controls)
{
    const RotatingFrameForces f = ForcesInRotatingFrame(state, controls);
    RotatingPicture p;
    p.scales = ExplorerArrowScales(state, controls);
    const double kv = p.scales.velocity;
    const double kf = p.scales.force;
    const Vec2 at = f.position;
    auto& shown = p.shown;
    shown.push_back({at, kv * f.inertialVelocity, InertialVelocityColor, LegendColumn::Velocities,
                     TrNoop("explorer", "Velocity in Inertial Frame")});
    if (!state.StuckToBase) {
        shown.push_back({at, kv * f.velocity, RotatingVelocityColor, LegendColumn::Velocities,
                         TrNoop("explorer", "Velocity in Rotating Frame")});
        if (controls.check[2]) {
            shown.push_back({at, kv * f.velocity, RelativeVelocityColor, LegendColumn::Velocities,
                             TrNoop("explorer", "Relative Velocity")});
        }
    }
    if (controls.check[2] && controls.Friction()) {
        shown.push_back(
            {at, kf * f.friction, FrictionColor, LegendColumn::Forces, TrNoop("explorer", "FRICTION")});
    }
    if (controls.check[5]) {
        shown.push_back({at, kf * f.centrifugal, CentrifugalColor, LegendColumn::Forces,
                         TrNoop("explorer", "Centrifugal Force")});
    }
    if (controls.check[4]) {
        shown.push_back({at, kf * f.coriolis, CoriolisColor, LegendColumn::Forces,
                         TrNoop("explorer", "Coriolis Force"), 2, true, CoriolisColor});
    }
    // BASE ACC is offered only for a free base; a box left ticked for a driven one shows nothing.
    if (controls.check[6] && controls.baseChoice == BaseChoice::ConstantAngularMomentum) {
        shown.push_back({at, kf * f.baseAcceleration, BaseAccelerationColor, LegendColumn::Forces,
                         TrNoop("explorer", "Force due to base acc."), 1, true,
                         BaseAccelerationSmallColor});
    }
    if (controls.check[7]) {
        shown.push_back({at, kf * f.Total(), TotalColor, LegendColumn::Forces,
                         TrNoop("explorer", "Total Force"), 1, true, TotalColor});
    }
    return p;
}

// The force diagram: the same forces again, from a common origin.
void DrawForceDiagram(Surface& forces, const ExplorerState& state, const RotatingPicture* p)
{
    const double half = state.BaseRadius / 2.0;
    forces.Scale(-half, half, half, -half);
    forces.Cls();
    forces.Line(-half, 0, half, 0, FanColor);
    forces.Line(0, -half, 0, half, FanColor);
    if (p == nullptr) {
        return;
    }
    for (const Shown& q : p->shown) {
        if (q.onForceDiagram) {
            forces.SetDrawWidth(q.width);
            Arrow(forces, {0.0, 0.0}, q.vector, q.forceDiagramColor);
        }
    }
    FinishDrawing(forces);
}

void DrawRotatingMoving(Surface& s, const ExplorerState& state, const RotatingPicture& p)
{
    DrawMoving(s, [&] {
        const double theta = state.BaseAngle;
        s.Line(0, 0, state.BaseRadius * std::cos(-theta), state.BaseRadius * std::sin(-theta),
               RotatingVelocityColor);
        DrawArrows(s, p.shown);
    });
}

// Adds the current step's mark and the fan's new lines to the picture of the step before;
// false, with nothing drawn, when `s` does not hold that picture or the fan turned back.
bool AddRotatingStep(Surface& s, const ExplorerState& state, const RotatingPicture& p)
{
    const int k = state.StepIndex;
    if (k < 2 || !FanOnlyGrew(state, k)) {
        return false;
    }
    const auto head = [&](Surface& h) {
        DrawBase(h, state);
        DrawLegends(h, p.shown, p.scales);
    };
    // Before step k - 1 came k - 2 marks and their fan; after it, its own fan lines.
    const TurnFan before = FanAfter(state, k - 2);
    TurnFan fan = FanAfter(state, k - 1);
    const auto marksBefore = static_cast<std::size_t>(k - 2);
    if (!HoldsPreviousStep(s, state, head, marksBefore + 1 + static_cast<std::size_t>(fan.lines),
                           marksBefore + static_cast<std::size_t>(before.lines),
                           PathPoint(state.PathXR, state.PathYR, k - 1), RotatingPathColor)) {
        return false;
    }
    const Vec2 mark = PathPoint(state.PathXR, state.PathYR, k);
    s.Circle(mark.x, mark.y, MarkRadius(s, state), RotatingPathColor);
    fan.DrawTo(&s, state, FanReach(state, k));
    return true;
}

} // namespace

void RedrawRotatingView(Surface& s, Surface& forces, const ExplorerState& state,
                        const ExplorerControls& controls)
{
    if (state.StepIndex == 0) {
        DrawForceDiagram(forces, state, nullptr);
        DrawStartPicture(s, state, controls);
        return;
    }
    const RotatingPicture p = RotatingArrows(state, controls);
    DrawBase(s, state);
    DrawLegends(s, p.shown, p.scales);
    DrawRotatingPathAndFan(s, state);
    DrawRotatingMoving(s, state, p);
    DrawForceDiagram(forces, state, &p);
}

StepOutcome StepInertialView(Surface& picture1, ExplorerState& state,
                             const ExplorerControls& controls)
{
    const StepOutcome outcome = AdvanceExplorer(state, controls);
    if (!outcome.advanced) {
        return outcome;
    }
    const InertialPicture p = InertialArrows(state, controls);
    if (AddInertialStep(picture1, state, p)) {
        DrawInertialMoving(picture1, state, controls, p);
    } else {
        RedrawInertialView(picture1, state, controls);
    }
    return outcome;
}

StepOutcome StepRotatingView(Surface& picture1, Surface& picture2, ExplorerState& state,
                             const ExplorerControls& controls)
{
    const StepOutcome outcome = AdvanceExplorer(state, controls);
    if (!outcome.advanced) {
        return outcome;
    }
    const RotatingPicture p = RotatingArrows(state, controls);
    if (AddRotatingStep(picture1, state, p)) {
        DrawRotatingMoving(picture1, state, p);
        DrawForceDiagram(picture2, state, &p);
    } else {
        RedrawRotatingView(picture1, picture2, state, controls);
    }
    return outcome;
}

} // namespace ttl
