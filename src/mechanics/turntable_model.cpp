#include "mechanics/turntable_model.h"

#include <algorithm>
#include <cmath>

namespace ttl {

using namespace state_index;

Vec2 RelativeVelocity(const TurntableState& y, double omega)
{
    return {y[Vx] - omega * y[Y], y[Vy] + omega * y[X]};
}

Vec2 TurnedClockwise(Vec2 point, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {point.x * c + point.y * s, -point.x * s + point.y * c};
}

Vec2 IntoRotatingAxes(Vec2 v, double theta)
{
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

double BaseOmegaByMomentum(const ModelParameters& p, const TurntableState& y)
{
    if (!p.BaseFree || p.BaseInertia == 0.0) {
        return p.InitialOmega;
    }
    const double bodyMomentum = p.Mass * (y[Y] * y[Vx] - y[X] * y[Vy]);
    return (p.TotalAngularMomentum - bodyMomentum) / p.BaseInertia;
}

double BaseOmegaOf(const ModelParameters& p, const TurntableState& y)
{
    return p.BaseFree ? BaseOmegaByMomentum(p, y) : p.BaseOmega;
}

namespace {

// The square of the rest speed, omega being the base's in state y: the speeds in play are the
// body's and that of the base's point under it.
double SquaredRestSpeed(const TurntableState& y, double omega)
{
    const double speeds =
        y[Vx] * y[Vx] + y[Vy] * y[Vy] + omega * omega * (y[X] * y[X] + y[Y] * y[Y]);
    const double rest = RestSpeedAmong(std::sqrt(speeds));
    return rest * rest;
}

// The friction a body at rest on the base needs: the base's point accelerates with -omega^2 r
// (a resting body exerts no torque, so the base has no angular acceleration then), while the
// pendulum pulls with -K r.
Vec2 NeededStaticFriction(const ModelParameters& p, Vec2 position, double omega)
{
    const double factor = p.PendulumStiffness - omega * omega;
    return {factor * position.x, factor * position.y};
}

} // namespace

double RestSpeedFor(const ModelParameters& p, const TurntableState& y)
{
    return std::sqrt(SquaredRestSpeed(y, BaseOmegaOf(p, y)));
}

bool StaticFrictionHolds(const ModelParameters& p, Vec2 position, double omega)
{
    const Vec2 needed = NeededStaticFriction(p, position, omega);
    return Length(needed) <= p.FrictionDecel;
}

Vec2 FrictionAcceleration(const ModelParameters& p, const TurntableState& y)
{
    if (p.FrictionDecel == 0.0) {
        return {0.0, 0.0}; // a frictionless base (the Foucault runs): its rates at every stage
    }
    const double omega = BaseOmegaOf(p, y);
    const Vec2 rel = RelativeVelocity(y, omega);
    const double squaredSpeed = rel.x * rel.x + rel.y * rel.y;
    const double mug = p.FrictionDecel;
    if (squaredSpeed > SquaredRestSpeed(y, omega)) {
        const double relSpeed = std::sqrt(squaredSpeed);
        return {-mug * rel.x / relSpeed, -mug * rel.y / relSpeed};
    }
    const Vec2 needed = NeededStaticFriction(p, {y[X], y[Y]}, omega);
    const double size = Length(needed);
    if (size <= mug) {
        return needed;
    }
    return {mug * needed.x / size, mug * needed.y / size};
}

TurntableState TurntableRates(const ModelParameters& p, const TurntableState& y)
{
    const double omega = BaseOmegaOf(p, y);
    const double k = p.PendulumStiffness;
    const double m = p.Mass;
    const Vec2 rel = RelativeVelocity(y, omega);
    const Vec2 f = FrictionAcceleration(p, y);

    // The body pushes the base with -m*f; its clockwise torque over I turns a free base.
    const double alpha = p.BaseFree && p.BaseInertia != 0.0
                             ? m * (y[X] * f.y - y[Y] * f.x) / p.BaseInertia
                             : 0.0;

    TurntableState rate{};
    rate[Vx] = f.x - k * y[X];
    rate[Vy] = f.y - k * y[Y];
    rate[X] = y[Vx];
    rate[Y] = y[Vy];
    rate[FrictionWork] = m * (f.x * y[Vx] + f.y * y[Vy]);
    rate[OmegaByEquations] = alpha;
    rate[BaseAngle] = omega;
    // Powers on the relative motion of friction, of the centrifugal force m*omega^2*r and of
    // the force m*alpha*(-y, x) due to the base's angular acceleration.
    rate[WorkFrictionRotating] = m * (f.x * rel.x + f.y * rel.y);
    rate[WorkCentrifugal] = m * omega * omega * (y[X] * rel.x + y[Y] * rel.y);
    rate[WorkBaseAcceleration] = m * alpha * (y[X] * rel.y - y[Y] * rel.x);
    return rate;
}

} // namespace ttl
