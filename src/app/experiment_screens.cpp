#include "app/experiment_screens.h"

#include "app/application.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"
#include "turntable/ui/simulation_experiment.h"

#include <QCoreApplication>

namespace ttl {

namespace {
const QString Simulation = QStringLiteral("simulation");
} // namespace

QStringList ExperimentScreens()
{
    return {Simulation};
}

QString OpenExperiment(Application& app, const Experiment& experiment)
{
    QString problem;
    if (experiment.screen == Simulation) {
        const std::optional<SimulationInputs> inputs =
            ReadSimulationSettings(experiment.settings, problem);
        if (inputs) {
            app.PresetSimulation(*inputs);
            app.Simulation().RunSimulation();
        }
        return problem;
    }
    return QCoreApplication::translate("ttl::ExperimentFile", "no experiment for the screen %1")
        .arg(experiment.screen);
}

Experiment CurrentExperiment(Application& app, const QString& screen)
{
    if (screen == Simulation) {
        return {Simulation, SimulationSettings(app.simulationScreen().inputs())};
    }
    return {};
}

} // namespace ttl
