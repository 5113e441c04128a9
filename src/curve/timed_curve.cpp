#include "curve/timed_curve.h"

#include "shell/number_format.h"
#include "shell/vec2.h"
#include "shell/vectors.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ttl {

namespace {

constexpr Color VelocityColor{255, 0, 0};
constexpr Color AccelerationColor{0, 25, 155};
constexpr Color LabelColor{255, 0, 0};
constexpr double StopX = 30.0;

// The distance covered in each span of 60 ticks, shown as a multiple of the first span's: with
// constant tangential acceleration the spans grow in arithmetic progression, with none they are
// all equal. The first label gives the first span itself.
std::string SpanLabel(const TimedCurveRun& run, int j)
{
    const auto at = static_cast<std::size_t>(j);
    const double first = run.s[TimedCurveLabelEvery];
    if (j == TimedCurveLabelEvery) {
        return "Ds =" + FormatNumber(first, "0.00") + " t =" + FormatNumber(run.t[at], "0.00");
    }
    const double span = run.s[at] - run.s[at - TimedCurveLabelEvery];
    const double ratio = first > 0.0 ? span / first : 0.0;
    return "Ds =" + FormatNumber(ratio, " 0.00 ") + "X" + FormatNumber(first, "0.00") +
           " t = " + FormatNumber(run.t[at], "0.00");
}

// A span's red point and its label, placed clear of the labels already printed, with a dotted
// leader when the label had to move away from its point. Points outside the picture get none.
void MarkSpan(TimedCurveRun& run, Surface& eikona, Vec2 point, const std::string& label)
{
    if (!BoxOf(eikona.Window()).Contains(point)) {
        return;
    }
    eikona.SetDrawWidth(3);
    eikona.PSet(point.x, point.y, LabelColor);
    eikona.SetDrawWidth(1);
    const TextExtent size = eikona.TextWorldSize(label);
    const std::optional<LabelBox> box = PlaceLabel(eikona.Window(), point, size, run.labels);
    if (!box) {
        return;
    }
    const Vec2 near = box->Nearest(point);
    if (Length(near - point) > size.height) {
        eikona.SetDrawStyle(DrawStyle::Dot);
        eikona.Line(point.x, point.y, near.x, near.y, LabelColor);
        eikona.SetDrawStyle(DrawStyle::Solid);
    }
    eikona.SetCurrentX(box->left);
    eikona.SetCurrentY(box->top);
    eikona.Print(label);
    run.labels.push_back(*box);
}

} // namespace

void StartTimedCurve(TimedCurveRun& run, Surface& eikona, const CurveInputs& inputs)
{
    run.n = 2;
    run.running = true;
    const CurveParameters p = ParametersOf(inputs);
    const std::string label = "\u03B2 = " + FormatNumber(p.beta, "0.00");
    const TextExtent size = eikona.TextWorldSize(label);
    run.labels = {LabelBox{2.0, 2.0 + size.width, 8.0 - size.height, 8.0}};
    eikona.SetCurrentX(2);
    eikona.SetCurrentY(8);
    eikona.Print(label);
}

bool TimedCurveStep(TimedCurveRun& run, Surface& eikona, const CurveInputs& inputs)
{
    const CurveParameters p = ParametersOf(inputs);
    if (!run.running || run.n >= TimedCurveTableSize || (p.v0 == 0.0 && p.at == 0.0)) {
        run.running = false;
        return false;
    }
    const int n = ++run.n;
    const auto i = static_cast<std::size_t>(n);
    const double t = TimedCurveTick * n;
    const double v = p.v0 + p.at * t;
    const double s = p.v0 * t + 0.5 * p.at * t * t;
    const double x = XAtArcLength(p, s);
    const CurvePoint c = CurveAt(p, x);
    run.t[i] = t;
    run.s[i] = s;
    run.x[i] = x;
    run.y[i] = c.y;

    eikona.PSet(x, c.y);
    if (n >= TimedCurveLabelEvery && n % TimedCurveLabelEvery == 0) {
        MarkSpan(run, eikona, {x, c.y}, SpanLabel(run, n));
    }

    // The moving arrows: the velocity and the total acceleration, tangential plus centripetal,
    // both at 1/2.
    const Vec2 along{c.cosTheta, c.sinTheta};
    const Vec2 across{-c.sinTheta, c.cosTheta};
    const double tangential = p.at / 2.0;
    const double centripetal = c.curvature * v * v / 2.0;
    eikona.ClearTransient();
    eikona.SetAutoRedraw(false);
    DrawVector(eikona, x, c.y, v * along.x, v * along.y, VelocityColor.red, VelocityColor.green,
               VelocityColor.blue);
    DrawVector(eikona, x, c.y, tangential * along.x + centripetal * across.x,
               tangential * along.y + centripetal * across.y, AccelerationColor.red,
               AccelerationColor.green, AccelerationColor.blue);
    eikona.SetAutoRedraw(true);

    if (x > StopX || n >= TimedCurveTableSize) {
        run.running = false;
    }
    return run.running;
}

} // namespace ttl
