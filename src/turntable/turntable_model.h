#pragma once

#include "turntable/model_parameters.h"

#include <array>

namespace ttl {

// vx, vy, x, y (inertial), friction work W, omega by the torque equation, base-angle slot.
using TurntableState = std::array<double, 7>;

namespace state_index {
inline constexpr int Vx = 0;
inline constexpr int Vy = 1;
inline constexpr int X = 2;
inline constexpr int Y = 3;
inline constexpr int FrictionWork = 4;
inline constexpr int OmegaByEquations = 5;
inline constexpr int BaseAngle = 6;
} // namespace state_index

struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

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

// The time derivative of every component of the state. The rates do not depend on time.
TurntableState TurntableRates(const ModelParameters& p, const TurntableState& y);

} // namespace ttl
