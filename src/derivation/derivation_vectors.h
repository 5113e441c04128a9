#pragma once

#include "mechanics/recorded_motion.h"
#include "shell/vec2.h"

namespace ttl {

// omega x v for a base turning clockwise at omega: (omega v_y, -omega v_x). The velocity of the
// base's point at R is omega x R.
Vec2 OmegaCross(double omega, Vec2 v);

// Every vector of the derivation's pages, from the recorded motion at t1 and t2.
// Inertial observer (inertial axes): x11, x22 the body's positions at t1 and t2; x21 the point of
// t2 on the relative orbit as it lay at t1 (the t2 point carried back by the base's turn), x12
// the point of t1 on the relative orbit as it lies at t2. Vre, Vb, Va: relative, base and
// absolute velocities; "21" is the t2 vector carried back to the orbit through t1.
// Rotating observer (rotating axes): r1, r2 the body's positions, and the same velocities as
// that observer writes them.
struct DerivationVectors {
    int t1 = 0, t2 = 0;
    double dt = 0.0; // (t2 - t1) steps in time units; <= 0 when t1 is not before t2
    double omega1 = 0.0, omega2 = 0.0, theta1 = 0.0, theta2 = 0.0;

    Vec2 x11, x22, x21, x12;
    Vec2 Vre11, Vre22, Vre21;
    Vec2 Vb11, Vb22, Vb21;
    Vec2 Va11, Va22;

    Vec2 r1, r2;     // rotating-frame positions
    Vec2 Vre1, Vre2; // relative velocities, rotating axes
    Vec2 Vb1, Vb2;   // base velocities, rotating axes
    Vec2 Va1, Va2;   // absolute velocities, rotating axes

    [[nodiscard]] bool Forward() const { return dt > 0.0; }
};

// The body's position at step k as the inertial observer sees the relative orbit laid at the
// base's angle `theta`.
Vec2 RelativeOrbitAt(const RecordedMotion& state, int k, double theta);

DerivationVectors ComputeDerivationVectors(const RecordedMotion& state, int t1);

} // namespace ttl
