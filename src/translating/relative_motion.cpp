#include "translating/relative_motion.h"

#include "mechanics/fehlberg_step.h"
#include "mechanics/sliding_contact.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {

Vec2 Relative(const RelativeMotionState& y, const FrameMotion& frame, double t)
{
    const Vec2 vf = frame.Velocity(t);
    return {y[0] - vf.x, y[1] - vf.y};
}

// The body's speed and the platform's are the speeds the relative one is the difference of.
double PlatformRestSpeed(const RelativeMotionState& y, const FrameMotion& frame, double t)
{
    const Vec2 vf = frame.Velocity(t);
    return RestSpeedAmong(std::sqrt(y[0] * y[0] + y[1] * y[1] + Dot(vf, vf)));
}

bool Held(const FrameMotion& frame, double mug)
{
    return mug >= Length(frame.a);
}

// The translating platform as the support the body slides on.
struct PlatformSupport {
    const FrameMotion& frame;
    double mug;

    [[nodiscard]] RelativeMotionState Step(const RelativeMotionState& y, double t, double h) const
    {
        RelativeMotionState out = y;
        FehlbergStep(
            [this](double time, const RelativeMotionState& w) {
                return RelativeMotionAcceleration(time, w, frame, mug, false);
            },
            t, y, h, out, 4);
        return out;
    }
    [[nodiscard]] Vec2 Relative(const RelativeMotionState& y, double t) const
    {
        return ttl::Relative(y, frame, t);
    }
    [[nodiscard]] Vec2 RelativeAcceleration(const RelativeMotionState& y, double t) const
    {
        const RelativeMotionState rate = RelativeMotionAcceleration(t, y, frame, mug, false);
        return Vec2{rate[0], rate[1]} - frame.a;
    }
    [[nodiscard]] double RestSpeed(const RelativeMotionState& y, double t) const
    {
        return PlatformRestSpeed(y, frame, t);
    }
    // The platform does not recoil: friction turns the relative velocity at mu*g alone.
    [[nodiscard]] double Stiffness(const RelativeMotionState&) const { return mug; }
    [[nodiscard]] double AccelerationBound(const RelativeMotionState&, double) const
    {
        return mug + Length(frame.a);
    }
    [[nodiscard]] bool Holds(const RelativeMotionState&, double) const { return Held(frame, mug); }
    // Riding with the platform: exact.
    void Carry(RelativeMotionState& y, double t, double h) const
    {
        const Vec2 vf = frame.Velocity(t);
        y[2] += vf.x * h + 0.5 * frame.a.x * h * h;
        y[3] += vf.y * h + 0.5 * frame.a.y * h * h;
        const Vec2 end = frame.Velocity(t + h);
        y[0] = end.x;
        y[1] = end.y;
    }
    void Settle(RelativeMotionState& y, double t) const
    {
        const Vec2 vf = frame.Velocity(t);
        y[0] = vf.x;
        y[1] = vf.y;
    }
};

} // namespace

RelativeMotionState RelativeMotionAcceleration(double t, const RelativeMotionState& y,
                                               const FrameMotion& frame, double mug, bool resting)
{
    const Vec2 vr = Relative(y, frame, t);
    const double speed = Length(vr);
    Vec2 a;
    if (resting) {
        a = frame.a;
    } else if (speed > PlatformRestSpeed(y, frame, t)) {
        a = {-mug * vr.x / speed, -mug * vr.y / speed};
    } else if (Held(frame, mug)) {
        a = frame.a;
    } else {
        const double size = Length(frame.a);
        a = {mug * frame.a.x / size, mug * frame.a.y / size};
    }
    return {a.x, a.y, y[0], y[1]};
}

bool RelativeMotionIntegrate(RelativeMotionState& y, double t1, double interval,
                             const FrameMotion& frame, double mug, bool& resting)
{
    bool cameToRest = false;
    const double h = interval / RelativeMotionSubSteps;
    const PlatformSupport platform{frame, mug};
    for (int k = 0; k < RelativeMotionSubSteps; ++k) {
        cameToRest = AdvanceSliding(platform, y, resting, t1 + k * h, h).caught || cameToRest;
    }
    return cameToRest;
}

void RestartRelativeMotion(RelativeMotionRun& run)
{
    run.n = 0;
    run.resting = false;
    run.relativeVelocity = {};
}

double LargestRelativeForce(const RelativeMotionInputs& in)
{
    const double part = std::max(std::abs(in.frameAx), std::abs(in.frameAy));
    return in.Mass() * std::max(part, in.Mu() * Gravity);
}

void ApplyLiveInputs(RelativeMotionRun& run, const RelativeMotionInputs& in)
{
    if (run.n == 0) {
        return; // not launched: the launch reads every bar
    }
    const Vec2 a{static_cast<double>(in.frameAx), static_cast<double>(in.frameAy)};
    if (a.x != run.frame.a.x || a.y != run.frame.a.y) {
        run.frame.ChangeAcceleration(run.Time(), a);
    }
    const double largest = LargestRelativeForce(in);
    if (largest > 2.0 * run.largestForce) {
        run.largestForce = largest;
    }
}

RelativeStepOutcome RelativeMotionStep(RelativeMotionRun& run, const RelativeMotionInputs& in)
{
    RelativeStepOutcome outcome;
    if (run.Full()) {
        return outcome;
    }
    if (run.n == 0) {
        run.frame = {{static_cast<double>(in.frameVx), static_cast<double>(in.frameVy)},
                     {static_cast<double>(in.frameAx), static_cast<double>(in.frameAy)},
                     0.0,
                     {}};
        run.labPosition[0] = {static_cast<double>(in.bodyX), static_cast<double>(in.bodyY)};
        run.labVelocity[0] = {static_cast<double>(in.bodyVx), static_cast<double>(in.bodyVy)};
        run.movingPosition[0] = run.labPosition[0];
        run.resting = false;
        run.largestForce = LargestRelativeForce(in);
    } else {
        ApplyLiveInputs(run, in);
    }
    const auto from = static_cast<std::size_t>(run.n);
    RelativeMotionState y{run.labVelocity[from].x, run.labVelocity[from].y, run.labPosition[from].x,
                          run.labPosition[from].y};
    const double t = run.Time();
    const double mug = in.Mu() * Gravity;
    outcome.cameToRest =
        RelativeMotionIntegrate(y, t, RelativeMotionDt, run.frame, mug, run.resting);
    ++run.n;
    const auto to = static_cast<std::size_t>(run.n);
    const double now = run.Time();
    run.labVelocity[to] = {y[0], y[1]};
    run.labPosition[to] = {y[2], y[3]};
    // Relative to the platform at the same moment; exactly zero while riding on it.
    const Vec2 vf = run.frame.Velocity(now);
    run.relativeVelocity = run.resting ? Vec2{} : Vec2{y[0] - vf.x, y[1] - vf.y};
    const Vec2 moved = run.frame.Displacement(now);
    run.movingPosition[to] = {y[2] - moved.x, y[3] - moved.y};
    outcome.advanced = true;
    return outcome;
}

} // namespace ttl
