#pragma once

#include "turntable/simulation_run.h"

#include <ostream>
#include <string>

namespace ttl {

// Every series of a run, one row per step 0..N after a header row, numbers in full precision.
void WriteRunCsv(const SimulationResult& run, std::ostream& out);

// Writes the CSV file; false when it cannot be written completely.
bool SaveRunCsv(const SimulationResult& run, const std::string& path);

} // namespace ttl
