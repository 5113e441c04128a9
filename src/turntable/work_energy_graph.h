#pragma once

#include "shell/graph.h"
#include "shell/surface.h"
#include "shell/translation.h"
#include "turntable/simulation_run.h"

#include <string>

namespace ttl {

// The vertical range of the work graph: the extremes of the base-acceleration and centrifugal
// work over steps 1..N-10, from 0; a minimum that stays 0 becomes -max/3.
struct WorkRange {
    double max = 0.0;
    double min = 0.0;
};
WorkRange ComputeWorkRange(const SimulationResult& run);

// The window button halves the range and restores it.
struct WorkGraphView {
    bool halfMaximum = true; // true: full range shown, the button offers "HALF MAXIMUM"
    [[nodiscard]] std::string ButtonCaption() const
    {
        return halfMaximum ? Tr("simulation", "HALF MAXIMUM") : Tr("simulation", " INITIAL  ");
    }
};

// Every work series and both kinetic energies against time, with the legend; `fromWindowButton`
// selects the window button's wording. Below the legend, each frame's balance at the last
// plotted step: the change of kinetic energy minus the work that frame counts.
[[nodiscard]] Graph WorkEnergyGraph(const SimulationResult& run, double yMax, double yMin,
                                   bool fromWindowButton);
void DrawWorkEnergyGraph(Surface& surface, const SimulationResult& run, double yMax, double yMin,
                         bool fromWindowButton);

} // namespace ttl
