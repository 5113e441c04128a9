#pragma once

#include "turntable/simulation_run.h"

#include <ostream>
#include <string>

namespace ttl {

// Every series of a run, one row per step 0..N after a header row, numbers in full precision.
void WriteRunCsv(const SimulationResult& run, std::ostream& out);

// The same, as one text to be written to a file in one go.
std::string RunCsv(const SimulationResult& run);

} // namespace ttl
