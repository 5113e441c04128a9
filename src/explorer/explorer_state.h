#pragma once

#include "mechanics/recorded_motion.h"
#include "mechanics/turntable_model.h"

#include <array>

namespace ttl {

// The histories hold the start and this many steps.
inline constexpr int MaxExplorerSteps = MaxRecordedSteps;

enum class FoucaultMode { Off, Textbook, InitialSpeed };

// The choice window's options; neither may be selected before the user has chosen.
enum class BaseChoice { None, ConstantAngularMomentum, ConstantAngularVelocity };

// What the explorer reads from its screen's controls.
struct ExplorerControls {
    bool rotatingFrame = false;  // Option1 "ROTATING FRAME"; otherwise the inertial frame
    std::array<bool, 8> check{}; // check[1] .. check[7] are Check1 .. Check7
    int vxValue = 1;             // vxtax: vx in units of omega0 * StartRadius
    int vyValue = 0;             // vytax
    int massValue = 2;           // mazalazo: m = value / 2
    int zoomValue = 120;         // zoumerno: per cent of the base radius
    FoucaultMode foucault = FoucaultMode::Off;
    BaseChoice baseChoice = BaseChoice::ConstantAngularVelocity;

    [[nodiscard]] bool Friction() const { return check[3]; }
};

// The step explorer's state: the motion recorded so far, the body and the base now.
struct ExplorerState : RecordedMotion {
    double ElapsedTime = 0.0;
    Vec2 BodyVelocity;
    Vec2 Launch; // the velocity the body was (or will be) launched with
    double ExplorerOmega = 0.5;
    double StartOmega = 0.5;
    double Mass = 1.0;
    double BaseInertia = 10.0;
    double StartRadius = 1.0;
    double FrictionDecel = 1.0;
    bool StuckToBase = false; // static friction carries the body with the base
    double StuckOmega = 0.0;  // the common angular velocity meanwhile
    double PendulumStiffness = 0.0;
    // L0 = I*omega - m*(x*vy - y*vx), clockwise positive, fixed when the body is launched.
    double TotalAngularMomentum = 0.0;
    bool DerivationActive = false;
};

} // namespace ttl
