#pragma once

#include "shell/graph.h"
#include "shell/surface.h"
#include "turntable/simulation_run.h"

namespace ttl {

// The base's angular velocity against time: by the torque equation as a red curve, by the
// conservation of angular momentum as blue dots every 50 steps; "ω final = " at step N - 15.
// Empty before a run of more than 15 steps.
[[nodiscard]] Graph AngularVelocityGraph(const SimulationResult& run);
void DrawAngularVelocityGraph(Surface& surface, const SimulationResult& run);

// The body's velocity components in both frames and its relative velocity against time.
// Empty before a run of more than 5 steps.
[[nodiscard]] Graph VelocityGraph(const SimulationResult& run);
void DrawVelocityGraph(Surface& surface, const SimulationResult& run);

} // namespace ttl
