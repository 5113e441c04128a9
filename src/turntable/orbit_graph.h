#pragma once

#include "shell/surface.h"
#include "turntable/simulation_run.h"

namespace ttl {

// The orbit window: the inertial orbit in red and the rotating-frame orbit in blue, the dotted
// magenta circle the body started on, the axes and the legend. The world window is fitted to the
// surface's pixel size so that a world unit has the same length on both axes. A surface of zero
// size draws nothing.
void DrawOrbitGraph(Surface& surface, const SimulationResult& run);

// The angle the base has turned against time, one point per step, with ticked axes.
void DrawBaseAngleGraph(Surface& surface, const SimulationResult& run);

} // namespace ttl
