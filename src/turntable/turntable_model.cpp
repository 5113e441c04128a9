#include "turntable/turntable_model.h"

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
    if (p.BaseInfluenced == 0 || p.BaseInertia == 0.0) {
        return p.InitialOmega;
    }
    const double bodyMomentum = p.Mass * (y[Y] * y[Vx] - y[X] * y[Vy]);
    return (p.TotalAngularMomentum - bodyMomentum) / p.BaseInertia;
}

TurntableState TurntableRates(const ModelParameters& p, const TurntableState& y)
{
    const double omega = p.BaseOmega;
    const double k = p.PendulumStiffness;
    const Vec2 rel = RelativeVelocity(y, omega);
    const double relSpeed = std::sqrt(rel.x * rel.x + rel.y * rel.y);

    TurntableState rate{};
    rate[X] = y[Vx];
    rate[Y] = y[Vy];
    rate[BaseAngle] = BaseOmegaByMomentum(p, y);

    if (relSpeed == 0.0) {
        // At rest on the base: an acceleration omega^2 toward the axis (the centripetal
        // acceleration at the start radius 1). Not omega^2*r: with that, v_rel = 0 would be an
        // exact invariant of the integrator (v_rel is linear in the state), and a body on a
        // frictionless base would ride along forever. No sliding: no work, no torque.
        const double r = std::sqrt(y[X] * y[X] + y[Y] * y[Y]);
        const double pull = r > 0.0 ? omega * omega / r : 0.0;
        rate[Vx] = -pull * y[X] - k * y[X];
        rate[Vy] = -pull * y[Y] - k * y[Y];
        return rate;
    }

    // Kinetic friction of constant magnitude mu*g against the relative velocity.
    const double mug = p.FrictionDecel;
    rate[Vx] = -mug * rel.x / relSpeed - k * y[X];
    rate[Vy] = -mug * rel.y / relSpeed - k * y[Y];
    // Power of friction in the inertial frame: F . v with F = -m*mu*g*v_rel/|v_rel|.
    rate[FrictionWork] = -p.Mass * mug * (rel.x * y[Vx] + rel.y * y[Vy]) / relSpeed;
    // The body pushes the base with -F; its clockwise torque x*F_y - y*F_x over I.
    if (p.BaseInertia != 0.0) {
        rate[OmegaByEquations] = -p.BaseInfluenced * mug * p.Mass * (y[X] * rel.y - y[Y] * rel.x) /
                                 (relSpeed * p.BaseInertia);
    }
    return rate;
}

} // namespace ttl
