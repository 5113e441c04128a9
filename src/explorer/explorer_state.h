#pragma once

#include "mechanics/turntable_model.h"

#include <array>

namespace ttl {

// The histories hold the start and this many steps.
inline constexpr int MaxExplorerSteps = 1500;

enum class FoucaultMode { Off, Textbook, InitialSpeed };

// The choice window's options; neither may be selected before the user has chosen.
enum class BaseChoice { None, ConstantAngularMomentum, ConstantAngularVelocity };

// What the explorer reads from its screen's controls.
struct ExplorerControls {
    bool rotatingFrame = false;  // Option1 "ROTAGING FRAME"; otherwise the inertial frame
    std::array<bool, 8> check{}; // check[1] .. check[7] are Check1 .. Check7
    int vxValue = 1;             // vxtax: vx in units of omega0 * StartRadius
    int vyValue = 0;             // vytax
    int massValue = 2;           // mazalazo: m = value / 2
    int zoomValue = 120;         // zoumerno: per cent of the base radius
    FoucaultMode foucault = FoucaultMode::Off;
    BaseChoice baseChoice = BaseChoice::ConstantAngularVelocity;

    [[nodiscard]] bool Friction() const { return check[3]; }
};

// The step explorer's state: the body, the base and the histories of the body's positions.
struct ExplorerState {
    int StepIndex = 0;
    double StepInterval = 0.1;
    double ElapsedTime = 0.0;
    std::array<double, MaxExplorerSteps + 1> PathX{}, PathY{};   // inertial positions
    std::array<double, MaxExplorerSteps + 1> PathXR{}, PathYR{}; // rotating-frame positions
    // After each step: the body's inertial velocity, the base's angle and angular velocity.
    std::array<Vec2, MaxExplorerSteps + 1> VelocityHistory{};
    std::array<double, MaxExplorerSteps + 1> AngleHistory{}, OmegaHistory{};
    Vec2 BodyVelocity;
    Vec2 Launch; // the velocity the body was (or will be) launched with
    double ExplorerOmega = 0.5;
    double StartOmega = 0.5;
    double BaseAngle = 0.0;
    double Mass = 1.0;
    double BaseInertia = 10.0;
    double BaseRadius = 2.0;
    double HubRadius = 0.1;
    double StartRadius = 1.0;
    double ForceScale = 0.3;
    double FrictionDecel = 1.0;
    bool StuckToBase = false; // static friction carries the body with the base
    double StuckOmega = 0.0;  // the common angular velocity meanwhile
    double PendulumStiffness = 0.0;
    // L0 = I*omega - m*(x*vy - y*vx), clockwise positive, fixed when the body is launched.
    double TotalAngularMomentum = 0.0;
    bool DerivationActive = false;
};

} // namespace ttl
