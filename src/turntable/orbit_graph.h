#pragma once

#include "shell/fit_window.h"
#include "shell/surface.h"
#include "turntable/simulation_run.h"

namespace ttl {

// The box that holds both orbits of a run and the circle the body started on.
WorldBox OrbitExtent(const SimulationResult& run);

// The orbit window: the inertial orbit in red and the rotating-frame orbit in blue, the dotted
// magenta circle the body started on, the axes with their titles and the legend above. The world
// window is fitted to the orbits, with equal scales on both axes, so the whole of them fills the
// window at any size. A surface of zero size draws nothing.
void DrawOrbitGraph(Surface& surface, const SimulationResult& run);

// The angle the base has turned against time, one point per step, with ticked axes.
void DrawBaseAngleGraph(Surface& surface, const SimulationResult& run);

} // namespace ttl
