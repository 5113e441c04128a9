#include "explorer/explorer_views.h"

#include "shell/number_format.h"
#include "shell/picture_text.h"
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
constexpr Color FanColor{200, 200, 200};
constexpr Color RotatingPathColor{120, 120, 255};
constexpr Color InertialPathColor{255, 120, 120};

void Arrow(Surface& s, Vec2 at, Vec2 v, Color c)
{
    DrawVector(s, at.x, at.y, v.x, v.y, c.red, c.green, c.blue);
}

// The legend sits in a band below the base, one text line per row: velocities in the left
// column, forces in the right, and the arrows' scales in the last row.
constexpr int LegendRows = 6;

enum class Column { Velocities, Forces };

// The longest arrow the scales allow, as a fraction of the base square's half side: drawn from
// a body on the inner part of the base, it stays inside the picture.
constexpr double LongestArrow = 0.35;

// Text lines that fit the picture's height.
double LinesPerHeight(const Surface& s)
{
    const double line = s.TextLineHeight();
    return line > 0.0 && std::isfinite(line) ? std::abs(s.ScaleHeight()) / line : 40.0;
}

// On a very small picture the band takes at most half of it.
double LegendBandRows(const Surface& s)
{
    return std::min<double>(LegendRows, 0.5 * LinesPerHeight(s));
}

double LegendBandTop(const Surface& s)
{
    return s.ScaleTop() + s.ScaleHeight() + LegendBandRows(s) * s.TextLineHeight();
}

// Row `row` of the legend band, whose top is the bottom of the base's square.
void Legend(Surface& s, double bandTop, Column column, int row, const char* label, Color color)
{
    const double w = std::abs(s.ScaleWidth());
    const double line = s.TextLineHeight();
    const double x0 = s.ScaleLeft() + (column == Column::Forces ? 0.5 : 0.02) * w;
    const double top = bandTop - row * line;
    DrawVector(s, x0, top - 0.5 * line, 0.07 * w, 0.0, color.red, color.green, color.blue);
    s.SetForeColor(color);
    s.SetCurrentX(x0 + 0.09 * w);
    s.SetCurrentY(top);
    s.Print(Tr("explorer", label));
    s.SetForeColor(colors::Black);
}

std::string ScalesText(const ArrowScales& scales)
{
    return Substitute(Tr("explorer", "Arrows: velocity × %1, force × %2"),
                      {FormatNumber(scales.velocity, "0.00"), FormatNumber(scales.force, "0.00")});
}

// A sample arrow and its text in each row of the legend band.
struct LegendEntry {
    const char* label;
    Color color;
    Column column = Column::Velocities;
    int width = 1; // the sample arrow is drawn like the arrow itself
};

// The legend band, below the base's square: two columns while their texts fit at a good size;
// in large text on a small picture, one column of every entry when that lets them be larger.
// The last row tells how long the arrows are drawn.
void DrawLegendBand(Surface& s, const std::vector<LegendEntry>& entries, const ArrowScales& scales)
{
    const double normal = Font{}.size;
    s.SetFontSize(normal);
    const double top = LegendBandTop(s);
    const double bandRows = LegendBandRows(s);
    const double w = std::abs(s.ScaleWidth());
    // Each text runs up to a little before the next column or the picture's edge.
    std::vector<TextRoom> columns{{ScalesText(scales), 0.96 * w}};
    std::vector<TextRoom> single = columns;
    for (const LegendEntry& e : entries) {
        const double room = e.column == Column::Forces ? 0.39 : 0.37;
        columns.push_back({Tr("explorer", e.label), room * w});
        single.push_back({Tr("explorer", e.label), 0.87 * w});
    }
    const double twoColumns = FitFontToPicture(s, columns);
    const double oneColumn = std::min(FitFontToPicture(s, single),
                                      normal * bandRows / static_cast<double>(single.size()));
    const bool stacked = oneColumn > twoColumns;
    s.SetFontSize(stacked ? oneColumn : twoColumns);
    int rows[2] = {0, 0};
    for (const LegendEntry& e : entries) {
        s.SetDrawWidth(e.width);
        const Column column = stacked ? Column::Velocities : e.column;
        Legend(s, top, column, rows[static_cast<int>(column)]++, e.label, e.color);
    }
    s.SetDrawWidth(1);
    s.SetForeColor(colors::Black);
    s.SetCurrentX(s.ScaleLeft() + 0.02 * w);
    const int scalesRow = stacked ? rows[0] : LegendRows - 1;
    s.SetCurrentY(top - scalesRow * s.TextLineHeight());
    s.Print(ScalesText(scales));
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

double MarkRadius(const Surface& s, const ExplorerState& state)
{
    return s.PixelWidth() > 0 ? 2.5 * std::abs(s.ScaleWidth()) / s.PixelWidth()
                              : state.HubRadius / 4.0;
}

// A small circle at each position the body has had, step 1 to the current one, a few pixels
// across so that it never hides an arrow. Drawn before the arrows: the path only grows, so the
// view repaints just its newest marks.
void DrawPath(Surface& s, const ExplorerState& state,
              const std::array<double, MaxExplorerSteps + 1>& xs,
              const std::array<double, MaxExplorerSteps + 1>& ys, Color color)
{
    const double radius = MarkRadius(s, state);
    for (int k = 1; k <= state.StepIndex; ++k) {
        const auto i = static_cast<std::size_t>(k);
        s.Circle(xs[i], ys[i], radius, color);
    }
}

// The angle the base has turned by step k, as the fan shows it: past a full turn a full disc.
double FanReach(const ExplorerState& state, int k)
{
    return std::min(state.AngleHistory[static_cast<std::size_t>(k)], 2.0 * Pi);
}

// The fan of the angle the base has turned: one line every 1.8 degrees from the start, drawn
// up to an angle and on from there, so that a step adds the lines its turn added.
struct Fan {
    double phi = 0.0; // the next line's angle
    int lines = 0;    // drawn before it

    // The lines up to `angle`; on no surface they are only counted.
    void DrawTo(Surface* s, const ExplorerState& state, double angle)
    {
        for (; phi <= angle; phi += Pi / 100.0, ++lines) {
            if (s != nullptr) {
                s->Line(0, 0, state.StartRadius * std::cos(-phi),
                        state.StartRadius * std::sin(-phi), FanColor);
            }
        }
    }
};

// The fan as it stands after step k: none before the first step.
Fan FanAfter(const ExplorerState& state, int k)
{
    Fan fan;
    if (k > 0) {
        fan.DrawTo(nullptr, state, FanReach(state, k));
    }
    return fan;
}

// Whether the fan's angle never went back up to step n: then each step's mark is followed by
// the fan's lines it added, and the drawing too only grows from step to step.
bool FanOnlyGrew(const ExplorerState& state, int n)
{
    for (int k = 1; k <= n; ++k) {
        if (FanReach(state, k) < FanReach(state, k - 1)) {
            return false;
        }
    }
    return true;
}

// The rotating frame's path with the fan, interleaved while the fan only grew; a base turning
// back gets the fan after the path.
void DrawRotatingPathAndFan(Surface& s, const ExplorerState& state)
{
    if (!FanOnlyGrew(state, state.StepIndex)) {
        DrawPath(s, state, state.PathXR, state.PathYR, RotatingPathColor);
        Fan().DrawTo(&s, state, std::min(state.BaseAngle, 2.0 * Pi));
        return;
    }
    const double radius = MarkRadius(s, state);
    Fan fan;
    for (int k = 1; k <= state.StepIndex; ++k) {
        const auto i = static_cast<std::size_t>(k);
        s.Circle(state.PathXR[i], state.PathYR[i], radius, RotatingPathColor);
        fan.DrawTo(&s, state, FanReach(state, k));
    }
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

Vec2 PathPoint(const std::array<double, MaxExplorerSteps + 1>& xs,
               const std::array<double, MaxExplorerSteps + 1>& ys, int k)
{
    const auto i = static_cast<std::size_t>(k);
    return {xs[i], ys[i]};
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
    Column column = Column::Velocities;
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
    p.shown.push_back({p.at, kv * p.v, InertialVelocityColor, Column::Velocities,
                       TrNoop("explorer", "Velocity in Inertial Frame")});
    if (controls.check[1]) {
        p.shown.push_back({p.at, kv * p.u, BaseVelocityColor, Column::Velocities,
                           TrNoop("explorer", "Velocity of the point of BASE")});
    }
    if (controls.check[2]) {
        p.shown.push_back({p.at, kv * p.w, RelativeVelocityColor, Column::Velocities,
                           TrNoop("explorer", "Relative Velocity")});
    }
    if (controls.check[1] && controls.check[2]) {
        p.shown.push_back({p.at + kv * p.w, kv * p.u, BaseVelocityAgainColor});
    }
    if (controls.check[2] && controls.Friction()) {
        p.shown.push_back({p.at, p.scales.force * ExplorerFriction(state, controls), FrictionColor,
                           Column::Forces, TrNoop("explorer", "FRICTION")});
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
    shown.push_back({at, kv * f.inertialVelocity, InertialVelocityColor, Column::Velocities,
                     TrNoop("explorer", "Velocity in Inertial Frame")});
    if (!state.StuckToBase) {
        shown.push_back({at, kv * f.velocity, RotatingVelocityColor, Column::Velocities,
                         TrNoop("explorer", "Velocity in Rotating Frame")});
        if (controls.check[2]) {
            shown.push_back({at, kv * f.velocity, RelativeVelocityColor, Column::Velocities,
                             TrNoop("explorer", "Relative Velocity")});
        }
    }
    if (controls.check[2] && controls.Friction()) {
        shown.push_back(
            {at, kf * f.friction, FrictionColor, Column::Forces, TrNoop("explorer", "FRICTION")});
    }
    if (controls.check[5]) {
        shown.push_back({at, kf * f.centrifugal, CentrifugalColor, Column::Forces,
                         TrNoop("explorer", "Centrifugal Force")});
    }
    if (controls.check[4]) {
        shown.push_back({at, kf * f.coriolis, CoriolisColor, Column::Forces,
                         TrNoop("explorer", "Coriolis Force"), 2, true, CoriolisColor});
    }
    // BASE ACC is offered only for a free base; a box left ticked for a driven one shows nothing.
    if (controls.check[6] && controls.baseChoice == BaseChoice::ConstantAngularMomentum) {
        shown.push_back({at, kf * f.baseAcceleration, BaseAccelerationColor, Column::Forces,
                         TrNoop("explorer", "Force due to base acc."), 1, true,
                         BaseAccelerationSmallColor});
    }
    if (controls.check[7]) {
        shown.push_back({at, kf * f.Total(), TotalColor, Column::Forces,
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
    const Fan before = FanAfter(state, k - 2);
    Fan fan = FanAfter(state, k - 1);
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
