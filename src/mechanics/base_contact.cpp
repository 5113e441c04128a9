#include "mechanics/base_contact.h"

#include "mechanics/fehlberg_step.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ttl {

using namespace state_index;

namespace {

// A relative speed this small is rest: far below anything drawn, far above rounding.
constexpr double StopSpeed = 1e-9;
// At most this turn (radians) of the relative velocity's direction per sub-step, at the rate
// friction can turn it.
constexpr double MaxStiffTurn = 0.25;

Vec2 Relative(const ModelParameters& p, const TurntableState& y)
{
    return RelativeVelocity(y, BaseOmegaOf(p, y));
}

double RelativeSpeed(const ModelParameters& p, const TurntableState& y)
{
    return Length(Relative(p, y));
}

// A located stop is accepted at this relative speed; never below the rest speed, at which the
// rates already hold the body and the speed would no longer fall.
double StopSpeedFor(const ModelParameters& p, const TurntableState& y)
{
    return std::max(StopSpeed, RestSpeedFor(p, y));
}

// d/dt of (vx - omega*y, vy + omega*x).
Vec2 RelativeAcceleration(const ModelParameters& p, const TurntableState& y)
{
    const TurntableState rate = TurntableRates(p, y);
    const double omega = BaseOmegaOf(p, y);
    const double alpha = rate[OmegaByEquations];
    return {rate[Vx] - alpha * y[Y] - omega * y[Vy], rate[Vy] + alpha * y[X] + omega * y[Vx]};
}

TurntableState Step(const ModelParameters& p, const TurntableState& y, double h)
{
    TurntableState out = y;
    FehlbergStep([&p](double, const TurntableState& w) { return TurntableRates(p, w); }, 0.0, y, h,
                 out, StateSize);
    return out;
}

// The relative velocity turned back on itself: the step went through a stop.
bool WentThroughRest(const ModelParameters& p, const TurntableState& from, const TurntableState& to)
{
    const Vec2 a = Relative(p, from);
    const Vec2 b = Relative(p, to);
    return a.x * b.x + a.y * b.y <= 0.0;
}

// Static friction can hold the resting body: it is carried from now on.
bool TryToHold(const ModelParameters& p, BaseContact& body)
{
    const double omega = CarriedOmega(p, body.y);
    if (!StaticFrictionHolds(p, {body.y[X], body.y[Y]}, omega)) {
        return false;
    }
    body.carried = true;
    body.carriedOmega = omega;
    return true;
}

// Turns the body with the base. The common omega is taken afresh from the conserved momentum
// at the new radius: rounding in the turn lets r drift by an ulp at a time, always the same
// way, and an omega kept from the catch would part from the momentum's until the body seemed
// to slide.
void Carry(const ModelParameters& p, BaseContact& body, double h)
{
    TurntableState& y = body.y;
    const Vec2 position = TurnedClockwise({y[X], y[Y]}, body.carriedOmega * h);
    y[X] = position.x;
    y[Y] = position.y;
    y[BaseAngle] += body.carriedOmega * h;
    body.carriedOmega = CarriedOmega(p, y);
    y[Vx] = body.carriedOmega * position.y;
    y[Vy] = -body.carriedOmega * position.x;
    if (p.BaseInfluenced == 1) {
        y[OmegaByEquations] = body.carriedOmega;
    }
}

// Puts the body exactly at rest on the base. The kinetic energy this takes away (the located
// stop leaves a relative speed below StopSpeed) is booked as work of friction in both frames.
void SettleOnBase(const ModelParameters& p, TurntableState& y)
{
    const double m = p.Mass;
    const Vec2 rel = Relative(p, y);
    const double inertialBefore = 0.5 * m * (y[Vx] * y[Vx] + y[Vy] * y[Vy]);
    const double omega = CarriedOmega(p, y);
    y[Vx] = omega * y[Y];
    y[Vy] = -omega * y[X];
    y[FrictionWork] += 0.5 * m * (y[Vx] * y[Vx] + y[Vy] * y[Vy]) - inertialBefore;
    y[WorkFrictionRotating] -= 0.5 * m * (rel.x * rel.x + rel.y * rel.y);
    if (p.BaseInfluenced == 1) {
        y[OmegaByEquations] = omega;
    }
}

// How long the body would take to stop relative to the base at its present deceleration;
// infinite when it is not slowing down.
double TimeToStop(const ModelParameters& p, const TurntableState& y)
{
    const Vec2 rel = Relative(p, y);
    const double speed = Length(rel);
    const Vec2 a = RelativeAcceleration(p, y);
    const double deceleration = -(a.x * rel.x + a.y * rel.y) / speed;
    return deceleration > 0.0 ? speed / deceleration : std::numeric_limits<double>::infinity();
}

// The sub-step in which the relative velocity turns by about MaxTurn at its present rate.
// Friction follows that direction; a sharper turn within one step (where the relative velocity
// passes close to zero and swings round) costs the integrator its order.
double TurnLimitedStep(const ModelParameters& p, const TurntableState& y)
{
    constexpr double MaxTurn = 0.05;
    const Vec2 rel = Relative(p, y);
    const Vec2 a = RelativeAcceleration(p, y);
    const double turnRate = std::abs(rel.x * a.y - rel.y * a.x) / (rel.x * rel.x + rel.y * rel.y);
    return turnRate > 0.0 ? MaxTurn / turnRate : std::numeric_limits<double>::infinity();
}

// How strongly friction turns the relative velocity, per unit of relative speed: mu*g on the body,
// times (1 + m r^2/I) on a free base, whose reaction adds to it. A step longer than
// speed / stiffness lets friction's direction overshoot and chatter.
double FrictionStiffness(const ModelParameters& p, const TurntableState& y)
{
    double factor = 1.0;
    if (p.BaseInfluenced == 1 && p.BaseInertia > 0.0) {
        factor += p.Mass * (y[X] * y[X] + y[Y] * y[Y]) / p.BaseInertia;
    }
    return p.FrictionDecel * factor;
}

// No relative velocity can change faster than this: friction with the base's reaction, the
// pendulum's pull, and the turning of the axes the relative velocity is written in.
double RelativeAccelerationBound(const ModelParameters& p, const TurntableState& y)
{
    const double r = Length({y[X], y[Y]});
    const double speed = Length({y[Vx], y[Vy]});
    return FrictionStiffness(p, y) + p.PendulumStiffness * r + std::abs(BaseOmegaOf(p, y)) * speed;
}

} // namespace

double CarriedOmega(const ModelParameters& p, const TurntableState& y)
{
    if (p.BaseInfluenced != 1) {
        return p.BaseOmega;
    }
    const double inertia = p.BaseInertia + p.Mass * (y[X] * y[X] + y[Y] * y[Y]);
    return inertia > 0.0 ? p.TotalAngularMomentum / inertia : p.BaseOmega;
}

ContactEvents AdvanceOnBase(const ModelParameters& p, BaseContact& body, double h)
{
    ContactEvents events;
    TurntableState& y = body.y;
    double remaining = h;
    while (remaining > 0.0) {
        if (body.carried) {
            if (StaticFrictionHolds(p, {y[X], y[Y]}, body.carriedOmega)) {
                Carry(p, body, remaining);
                return events;
            }
            body.carried = false; // no longer held: it slides off from rest
        }
        const double speed = RelativeSpeed(p, y);
        if (speed <= RestSpeedFor(p, y)) {
            if (TryToHold(p, body)) {
                continue;
            }
            // Sliding off from rest. The friction's direction is that of the needed force at
            // first, then follows a relative velocity that grows from zero, and the rates'
            // derivatives grow like 1/speed: steps in geometric progression from a tiny first
            // one keep the integrator's order through the start.
            double s = remaining * 1e-6;
            y = Step(p, y, s);
            for (double t = s; t < remaining; t += s) {
                s = std::min(remaining - t, 0.25 * t);
                y = Step(p, y, s);
            }
            return events;
        }
        // Sub-steps end at Newton's estimate of the stop, approached from the sliding side, and
        // stay short enough for friction's direction to be followed stably and accurately: a
        // heavy body on a light base makes that direction stiff, and a blind long step there
        // would turn the base backwards.
        const double s0 = std::min(remaining, MaxStiffTurn * speed / FrictionStiffness(p, y));
        double s = s0;
        if (speed <= 2.0 * s0 * RelativeAccelerationBound(p, y)) {
            s = std::min({s, TimeToStop(p, y), TurnLimitedStep(p, y)});
        }
        TurntableState trial = Step(p, y, s);
        while (RelativeSpeed(p, trial) > StopSpeedFor(p, trial) && WentThroughRest(p, y, trial) &&
               s > 1e-12 * h) {
            s /= 2.0;
            trial = Step(p, y, s);
        }
        y = trial;
        remaining = s < remaining ? remaining - s : 0.0;
        if (RelativeSpeed(p, y) <= StopSpeedFor(p, y)) {
            SettleOnBase(p, y);
            if (TryToHold(p, body)) {
                events.caught = true;
                events.catchTime = h - remaining;
            }
        }
    }
    return events;
}

} // namespace ttl
