#pragma once

#include "shell/vec2.h"

#include <array>

namespace ttl {

// The recordings hold the start and this many steps.
inline constexpr int MaxRecordedSteps = 1500;

// The derivation of the Coriolis and centrifugal terms reads steps 1..66 of a recorded motion:
// its second moment is step 65, its first one defaults to step 60.
inline constexpr int DerivationSecondStep = 65;
inline constexpr int DerivationSteps = 66;
inline constexpr int DerivationFirstStep = 60;

// A body's motion on the base as recorded step by step, with the base it moved on: what a
// reading of the motion after the fact needs, by value.
struct RecordedMotion {
    int StepIndex = 0; // the last step recorded
    double StepInterval = 0.1;
    std::array<double, MaxRecordedSteps + 1> PathX{}, PathY{};   // inertial positions
    std::array<double, MaxRecordedSteps + 1> PathXR{}, PathYR{}; // rotating-frame positions
    // After each step: the body's inertial velocity, the base's angle and angular velocity.
    std::array<Vec2, MaxRecordedSteps + 1> VelocityHistory{};
    std::array<double, MaxRecordedSteps + 1> AngleHistory{}, OmegaHistory{};
    double BaseAngle = 0.0; // the base's angle at the last step
    double BaseRadius = 2.0;
    double HubRadius = 0.1;
    double ForceScale = 0.3; // world units per unit of force (or of speed) in the views
};

} // namespace ttl
