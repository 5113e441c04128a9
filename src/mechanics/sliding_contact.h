#pragma once

#include "shell/vec2.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ttl {

// A relative speed at or below this is rest whatever the speeds in play: the direction of a
// smaller one is lost in rounding.
inline constexpr double RestSpeed = 1e-12;

// The relative speed at or below which a body rests on its support, `speedScale` being the size
// of the speeds it is the difference of: their rounding grows with them, so a fixed floor alone
// would take noise for sliding.
inline double RestSpeedAmong(double speedScale)
{
    constexpr double RestFraction = 1e-9;
    return std::max(RestSpeed, RestFraction * speedScale);
}

// A located stop is accepted at this relative speed: far below anything drawn.
inline constexpr double StopSpeed = 1e-9;

struct SlidingEvents {
    bool caught = false;    // the body came to rest on the support and static friction holds it
    double catchTime = 0.0; // when, from the start of the advance
};

namespace sliding_detail {

inline double Speed(Vec2 v) { return std::sqrt(Dot(v, v)); }

// How long the relative velocity would take to vanish at its present deceleration.
inline double TimeToStop(Vec2 rel, Vec2 acceleration)
{
    const double deceleration = -Dot(acceleration, rel) / Speed(rel);
    return deceleration > 0.0 ? Speed(rel) / deceleration : std::numeric_limits<double>::infinity();
}

// Friction follows the relative velocity's direction, and a sharper turn within one step (where
// the relative velocity passes close to zero and swings round) costs the integrator its order.
inline constexpr double MaxTurn = 0.05;

// The time in which the relative velocity turns by about MaxTurn at its present rate.
inline double TurnLimitedTime(Vec2 rel, Vec2 acceleration)
{
    const double turnRate = std::abs(rel.x * acceleration.y - rel.y * acceleration.x) / Dot(rel, rel);
    return turnRate > 0.0 ? MaxTurn / turnRate : std::numeric_limits<double>::infinity();
}

// The time in which it cannot turn by more than MaxTurn, whatever its acceleration's direction.
inline double TurnLimitedTime(double speed, double accelerationBound)
{
    return accelerationBound > 0.0 ? MaxTurn * speed / accelerationBound
                                   : std::numeric_limits<double>::infinity();
}

} // namespace sliding_detail

// Advances a body that slides with friction on a moving support (a turning base, a translating
// platform) from time t over h, and says whether it was caught.
//
// While it slides, sub-steps of the support's integrator stop at Newton's estimate of the moment
// the relative velocity vanishes (approached from the sliding side, halved if they overshoot),
// and stay short enough for friction's direction to be followed stably: at most a quarter of
// speed / stiffness, and short enough for its direction to turn by no more than about 0.05 rad. At the located stop the body is put
// exactly at rest and, if static friction can hold it, rides with the support (`held`). A held
// body slides off again as soon as static friction no longer suffices; its start from rest uses
// geometrically growing sub-steps, because the rates' derivatives grow like 1/speed there.
//
// The support provides, for its State:
//   State Step(const State&, double t, double h)       one integrator step of the whole state
//   Vec2 Relative(const State&, double t)              the body's velocity relative to the support
//   Vec2 RelativeAcceleration(const State&, double t)  its rate of change
//   double RestSpeed(const State&, double t)           at or below it the body rests
//   double Stiffness(const State&)                     how fast friction turns the relative
//                                                      velocity per unit of it (mu g, more when
//                                                      the support recoils)
//   double AccelerationBound(const State&, double t)   no relative velocity changes faster
//   bool Holds(const State&, double t)                 static friction can hold a resting body
//   void Carry(State&, double t, double h)             rides with the support, exactly
//   void Settle(State&, double t)                      puts the body exactly at rest on it
template <typename Support, typename State>
SlidingEvents AdvanceSliding(const Support& support, State& y, bool& held, double t, double h)
{
    using namespace sliding_detail;
    SlidingEvents events;
    const double end = t + h;
    double remaining = h;
    auto now = [&] { return end - remaining; };
    while (remaining > 0.0) {
        if (held) {
            if (support.Holds(y, now())) {
                support.Carry(y, now(), remaining);
                return events;
            }
            held = false; // no longer held: it slides off from rest
        }
        const Vec2 rel = support.Relative(y, now());
        const double speed = Speed(rel);
        if (speed <= support.RestSpeed(y, now())) {
            if (support.Holds(y, now())) {
                held = true;
                continue;
            }
            const double start = now();
            double s = remaining * 1e-6;
            y = support.Step(y, start, s);
            for (double done = s; done < remaining; done += s) {
                s = std::min(remaining - done, 0.25 * done);
                y = support.Step(y, start + done, s);
            }
            return events;
        }
        const double bound = support.AccelerationBound(y, now());
        const double s0 = std::min(remaining, 0.25 * speed / support.Stiffness(y));
        double s = s0;
        if (speed <= 2.0 * s0 * bound) {
            const Vec2 a = support.RelativeAcceleration(y, now());
            s = std::min({s, TimeToStop(rel, a), TurnLimitedTime(rel, a)});
        } else if (TurnLimitedTime(speed, bound) < s0) {
            s = std::min(s, TurnLimitedTime(rel, support.RelativeAcceleration(y, now())));
        }
        auto stopSpeed = [&](const State& w, double time) {
            return std::max(StopSpeed, support.RestSpeed(w, time));
        };
        State trial = support.Step(y, now(), s);
        while (Speed(support.Relative(trial, now() + s)) > stopSpeed(trial, now() + s) &&
               Dot(support.Relative(trial, now() + s), rel) <= 0.0 && s > 1e-12 * h) {
            s /= 2.0;
            trial = support.Step(y, now(), s);
        }
        y = trial;
        remaining = s < remaining ? remaining - s : 0.0;
        if (Speed(support.Relative(y, now())) <= stopSpeed(y, now())) {
            support.Settle(y, now());
            if (support.Holds(y, now())) {
                held = true;
                events.caught = true;
                events.catchTime = h - remaining;
            }
        }
    }
    return events;
}

} // namespace ttl
