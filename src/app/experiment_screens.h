#pragma once

#include "app/experiment_file.h"

namespace ttl {

class Application;

// The screens whose settings an experiment file keeps, by the names --snapshot takes.
[[nodiscard]] QStringList ExperimentScreens();

// Why the experiment's settings cannot be shown on its screen (the problem names the field);
// empty when every value is sound.
[[nodiscard]] QString CheckExperiment(const Experiment& experiment);

// Gives the experiment's screen exactly its settings and redoes its steps, without showing it
// (the simulation's run is left to whoever shows it). Every value is checked before anything
// changes: on a problem (named in the result) nothing is touched.
[[nodiscard]] QString ApplyExperiment(Application& app, const Experiment& experiment);

// The same, then shows the screen, the simulation's run redone.
[[nodiscard]] QString OpenExperiment(Application& app, const Experiment& experiment);

// What the screen shows now, as an experiment to save.
[[nodiscard]] Experiment CurrentExperiment(Application& app, const QString& screen);

} // namespace ttl
