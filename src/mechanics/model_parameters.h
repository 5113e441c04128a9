#pragma once

namespace ttl {

// The turntable model's parameters: each activity makes its own from its controls and passes
// it by value or const reference.
struct ModelParameters {
    double Mass = 0.5;                 // m of the body
    double FrictionDecel = 1.0;        // mu*g: deceleration kinetic friction gives the body
    double BaseInertia = 10.0;         // I of the base
    double InitialOmega = 2.0;         // omega0 of the base at the start
    double InitialRadius = 1.0;        // R0 of the body at the start
    double TotalAngularMomentum = 0.0; // L0 = (I + m*R0^2)*omega0
    double BaseOmega = 2.0;            // omega of a driven base (a free one follows L0)
    bool BaseFree = false;             // free: angular momentum conserved; else driven
    double PendulumStiffness = 0.0;    // K of a harmonic pull -K*r toward the centre
};

} // namespace ttl
