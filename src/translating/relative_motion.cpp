#include "translating/relative_motion.h"

#include "mechanics/fehlberg_step.h"

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {

// A relative speed this small is rest; see RestSpeed for the rotating base.
constexpr double StopSpeed = 1e-9;
constexpr int MaxSubSteps = 100000;

Vec2 Relative(const RelativeMotionState& y, const FrameMotion& frame, double t)
{
    const Vec2 vf = frame.Velocity(t);
    return {y[0] - vf.x, y[1] - vf.y};
}

RelativeMotionState Step(const RelativeMotionState& y, double t, double h, const FrameMotion& frame,
                         double mug)
{
    RelativeMotionState out = y;
    FehlbergStep(
        [&](double time, const RelativeMotionState& w) {
            return RelativeMotionAcceleration(time, w, frame, mug, false);
        },
        t, y, h, out, 4);
    return out;
}

// Riding with the platform: exact.
void Ride(RelativeMotionState& y, double t, double h, const FrameMotion& frame)
{
    const Vec2 vf = frame.Velocity(t);
    y[2] += vf.x * h + 0.5 * frame.a.x * h * h;
    y[3] += vf.y * h + 0.5 * frame.a.y * h * h;
    const Vec2 end = frame.Velocity(t + h);
    y[0] = end.x;
    y[1] = end.y;
}

bool Held(const FrameMotion& frame, double mug)
{
    return mug >= Length(frame.a);
}

} // namespace

RelativeMotionState RelativeMotionAcceleration(double t, const RelativeMotionState& y,
                                               const FrameMotion& frame, double mug, bool resting)
{
    const Vec2 vr = Relative(y, frame, t);
    const double speed = Length(vr);
    Vec2 a;
    if (resting) {
        a = frame.a;
    } else if (speed > RestSpeed) {
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
    for (int k = 0; k < RelativeMotionSubSteps; ++k) {
        double t = t1 + k * h;
        double remaining = h;
        for (int subSteps = 0; remaining > 0.0; ++subSteps) {
            if (resting) {
                if (Held(frame, mug)) {
                    Ride(y, t, remaining, frame);
                    break;
                }
                resting = false; // friction can no longer hold it
            }
            const Vec2 vr = Relative(y, frame, t);
            const double speed = Length(vr);
            if (speed <= RestSpeed && Held(frame, mug)) {
                resting = true;
                continue;
            }
            // As on the turntable: stop at Newton's estimate of the moment vr vanishes, and stay
            // short enough for friction's direction to be followed stably.
            double s = remaining;
            if (subSteps < MaxSubSteps && speed > RestSpeed && mug > 0.0) {
                const double deceleration = mug + Dot(frame.a, vr) / speed;
                s = std::min(remaining, speed / mug);
                if (deceleration > 0.0) {
                    s = std::min(s, speed / deceleration);
                }
            }
            RelativeMotionState trial = Step(y, t, s, frame, mug);
            while (speed > RestSpeed && Length(Relative(trial, frame, t + s)) > StopSpeed &&
                   Dot(Relative(trial, frame, t + s), vr) <= 0.0 && s > 1e-12 * h) {
                s /= 2.0;
                trial = Step(y, t, s, frame, mug);
            }
            y = trial;
            t += s;
            remaining = s < remaining ? remaining - s : 0.0;
            if (speed > RestSpeed && Length(Relative(y, frame, t)) <= StopSpeed) {
                const Vec2 vf = frame.Velocity(t);
                y[0] = vf.x;
                y[1] = vf.y;
                if (Held(frame, mug)) {
                    resting = true;
                    cameToRest = true;
                }
            }
        }
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
