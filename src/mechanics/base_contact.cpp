#include "mechanics/base_contact.h"

#include "mechanics/fehlberg_step.h"
#include "mechanics/sliding_contact.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ttl {

using namespace state_index;

namespace {

Vec2 Relative(const ModelParameters& p, const TurntableState& y)
{
    return RelativeVelocity(y, BaseOmegaOf(p, y));
}

// Turns the body with the base. The common omega is taken afresh from the conserved momentum
// at the new radius: rounding in the turn lets r drift by an ulp at a time, always the same
// way, and an omega kept from the catch would part from the momentum's until the body seemed
// to slide.
void Carry(const ModelParameters& p, TurntableState& y, double h)
{
    const double omega = CarriedOmega(p, y);
    const Vec2 position = TurnedClockwise({y[X], y[Y]}, omega * h);
    y[X] = position.x;
    y[Y] = position.y;
    y[BaseAngle] += omega * h;
    const double after = CarriedOmega(p, y);
    y[Vx] = after * position.y;
    y[Vy] = -after * position.x;
    if (p.BaseFree) {
        y[OmegaByEquations] = after;
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
    if (p.BaseFree) {
        y[OmegaByEquations] = omega;
    }
}

// The turning base as the support the body slides on. The equations do not depend on time.
struct BaseSupport {
    const ModelParameters& p;

    [[nodiscard]] TurntableState Step(const TurntableState& y, double, double h) const
    {
        TurntableState out = y;
        FehlbergStep([this](double, const TurntableState& w) { return TurntableRates(p, w); }, 0.0,
                     y, h, out, StateSize);
        return out;
    }
    [[nodiscard]] Vec2 Relative(const TurntableState& y, double) const { return ttl::Relative(p, y); }
    // d/dt of (vx - omega*y, vy + omega*x).
    [[nodiscard]] Vec2 RelativeAcceleration(const TurntableState& y, double) const
    {
        const TurntableState rate = TurntableRates(p, y);
        const double omega = BaseOmegaOf(p, y);
        const double alpha = rate[OmegaByEquations];
        return {rate[Vx] - alpha * y[Y] - omega * y[Vy], rate[Vy] + alpha * y[X] + omega * y[Vx]};
    }
    [[nodiscard]] double RestSpeed(const TurntableState& y, double) const
    {
        return RestSpeedFor(p, y);
    }
    // mu*g on the body, times (1 + m r^2/I) on a free base, whose reaction adds to it.
    [[nodiscard]] double Stiffness(const TurntableState& y) const
    {
        double factor = 1.0;
        if (p.BaseFree && p.BaseInertia > 0.0) {
            factor += p.Mass * (y[X] * y[X] + y[Y] * y[Y]) / p.BaseInertia;
        }
        return p.FrictionDecel * factor;
    }
    // Friction with the base's reaction, the pendulum's pull, and the turning of the axes the
    // relative velocity is written in.
    [[nodiscard]] double AccelerationBound(const TurntableState& y, double) const
    {
        const double r = Length({y[X], y[Y]});
        const double speed = Length({y[Vx], y[Vy]});
        return Stiffness(y) + p.PendulumStiffness * r + std::abs(BaseOmegaOf(p, y)) * speed;
    }
    [[nodiscard]] bool Holds(const TurntableState& y, double) const
    {
        return StaticFrictionHolds(p, {y[X], y[Y]}, CarriedOmega(p, y));
    }
    void Carry(TurntableState& y, double, double h) const { ttl::Carry(p, y, h); }
    void Settle(TurntableState& y, double) const { SettleOnBase(p, y); }
};

} // namespace

double CarriedOmega(const ModelParameters& p, const TurntableState& y)
{
    if (!p.BaseFree) {
        return p.BaseOmega;
    }
    const double inertia = p.BaseInertia + p.Mass * (y[X] * y[X] + y[Y] * y[Y]);
    return inertia > 0.0 ? p.TotalAngularMomentum / inertia : p.BaseOmega;
}

ContactEvents AdvanceOnBase(const ModelParameters& p, BaseContact& body, double h)
{
    const BaseSupport support{p};
    // Without friction nothing can catch the body, and no force follows its relative velocity:
    // there is no stop to find and no turn to follow, and the integrator's step is the motion.
    if (p.FrictionDecel == 0.0 && !body.carried) {
        body.y = support.Step(body.y, 0.0, h);
        return {};
    }
    const SlidingEvents events = AdvanceSliding(support, body.y, body.carried, 0.0, h);
    if (body.carried) {
        body.carriedOmega = CarriedOmega(p, body.y);
    }
    return {events.caught, events.catchTime};
}

} // namespace ttl
