#pragma once

#include "mechanics/sliding_contact.h"
#include "shell/vec2.h"
#include "mechanics/model_parameters.h"

#include <array>

namespace ttl {

// vx, vy, x, y (inertial), friction work in the inertial frame, omega by the torque equation,
// base angle, then the work done on the body in the rotating frame by friction, the centrifugal
// force and the force due to the base's angular acceleration. The work terms ride in the state
// so the integrator gives them the same order of accuracy as the motion.
using TurntableState = std::array<double, 10>;

namespace state_index {
inline constexpr int Vx = 0;
inline constexpr int Vy = 1;
inline constexpr int X = 2;
inline constexpr int Y = 3;
inline constexpr int FrictionWork = 4;
inline constexpr int OmegaByEquations = 5;
inline constexpr int BaseAngle = 6;
inline constexpr int WorkFrictionRotating = 7;
inline constexpr int WorkCentrifugal = 8;
inline constexpr int WorkBaseAcceleration = 9;
inline constexpr int StateSize = 10;
} // namespace state_index


// The relative speed at or below which the body rests on the base in state y. Rounding in the
// base's omega (taken from the conserved momentum, a difference of large terms) grows with the
// speeds in play, so a fixed floor alone would take noise for sliding.
double RestSpeedFor(const ModelParameters& p, const TurntableState& y);

// Velocity of the body relative to the base, in inertial axes. The base turns clockwise for
// positive omega, so the point under the body moves with (omega*y, -omega*x).
Vec2 RelativeVelocity(const TurntableState& y, double omega);

// A point of the base after the base has turned clockwise by `angle`.
Vec2 TurnedClockwise(Vec2 point, double angle);

// An inertial vector in the axes of a base that has turned clockwise by theta.
Vec2 IntoRotatingAxes(Vec2 v, double theta);

// The base's angular velocity from conservation of the total angular momentum
// L0 = I*omega + m*(y*vx - x*vy) (clockwise positive); omega0 for a driven base.
double BaseOmegaByMomentum(const ModelParameters& p, const TurntableState& y);

// The angular velocity the base has in state y: by conservation of angular momentum when it is
// free, p.BaseOmega when it is driven.
double BaseOmegaOf(const ModelParameters& p, const TurntableState& y);

// The acceleration friction gives the body. Sliding: mu*g against the relative velocity. At rest
// on the base: what keeps it there (moving with the base's point, against the pendulum's pull)
// when that is no more than mu*g; otherwise kinetic friction mu*g in that direction, against
// the relative motion that is starting.
Vec2 FrictionAcceleration(const ModelParameters& p, const TurntableState& y);

// Whether static friction can hold a body at rest on the base at position (x, y).
bool StaticFrictionHolds(const ModelParameters& p, Vec2 position, double omega);

// The time derivative of every component of the state, the base's omega evaluated on the state
// itself. The rates do not depend on time.
TurntableState TurntableRates(const ModelParameters& p, const TurntableState& y);

} // namespace ttl
