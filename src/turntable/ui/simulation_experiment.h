#pragma once

#include "turntable/simulation_run.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace ttl {

// The simulation screen's settings in an experiment file: the bars' values as the command-line
// options of the same names take them, and whether the body turns the base.
[[nodiscard]] QJsonObject SimulationSettings(const SimulationInputs& inputs);

// The inputs the settings describe, or nothing and why (the problem names the field).
[[nodiscard]] std::optional<SimulationInputs> ReadSimulationSettings(const QJsonObject& settings,
                                                                     QString& problem);

} // namespace ttl
