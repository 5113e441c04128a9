#pragma once

#include "shell/surface.h"
#include "turntable/simulation_run.h"

namespace ttl {

// The base's angular velocity against time: by the torque equation as a red curve, by the
// conservation of angular momentum as blue dots every 50 steps; "ω final = " at step N - 15.
void DrawAngularVelocityGraph(Surface& surface, const SimulationResult& run);

// The body's velocity components in both frames and its relative velocity against time.
void DrawVelocityGraph(Surface& surface, const SimulationResult& run);

} // namespace ttl
