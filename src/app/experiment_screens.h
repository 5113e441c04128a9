#pragma once

#include "app/experiment_file.h"

namespace ttl {

class Application;

// The screens whose settings an experiment file keeps, by the names --snapshot takes.
[[nodiscard]] QStringList ExperimentScreens();

// Shows the experiment's screen with exactly its settings and redoes its run. Every value is
// checked before anything changes: on a problem (named in the result) nothing is touched.
[[nodiscard]] QString OpenExperiment(Application& app, const Experiment& experiment);

// What the screen shows now, as an experiment to save.
[[nodiscard]] Experiment CurrentExperiment(Application& app, const QString& screen);

} // namespace ttl
