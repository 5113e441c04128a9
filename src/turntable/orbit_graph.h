#pragma once

#include "shell/fit_window.h"
#include "shell/graph.h"
#include "shell/surface.h"
#include "turntable/simulation_run.h"

namespace ttl {

// The box that holds both orbits of a run and the circle the body started on.
WorldBox OrbitExtent(const SimulationResult& run);

// Axes in metres for the box widened by `margin` of its size each way, equal scales on both.
[[nodiscard]] Graph OrbitAxes(WorldBox box, double margin);

// The orbit window: the inertial orbit in red and the rotating-frame orbit in blue, the dotted
// magenta circle the body started on, ticked axes and the legend. The world window is fitted to
// the orbits, with equal scales on both axes, so the whole of them fills the window at any size.
// A surface of zero size draws nothing.
[[nodiscard]] Graph OrbitGraph(const SimulationResult& run);
void DrawOrbitGraph(Surface& surface, const SimulationResult& run);

// The angle the base has turned against time, one point per step, with ticked axes; before a
// run, nothing and a window that cannot be drawn through.
[[nodiscard]] Graph BaseAngleGraph(const SimulationResult& run);
void DrawBaseAngleGraph(Surface& surface, const SimulationResult& run);

} // namespace ttl
