#include "app/experiment_screens.h"

#include "app/application.h"
#include "curve/ui/first_step_screen.h"
#include "derivation/derivation_pages.h"
#include "explorer/ui/explorer_screen.h"
#include "translating/ui/relative_motion_screen.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"
#include "turntable/ui/simulation_experiment.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace ttl {

namespace {

// Reads the settings and, only when all are sound and there is an application, applies them.
using Opener = std::function<QString(Application*, const QJsonObject&)>;

template <typename Settings>
Opener ReadThenApply(std::optional<Settings> (*read)(const QJsonObject&, QString&),
                     void (*apply)(Application&, const Settings&))
{
    return [read, apply](Application* app, const QJsonObject& json) {
        QString problem;
        if (const std::optional<Settings> settings = read(json, problem); settings && app) {
            apply(*app, *settings);
        }
        return problem;
    };
}

std::optional<ExplorerExperiment> ReadExplorerWithItsDerivation(const QJsonObject& settings,
                                                                QString& problem)
{
    return ReadExplorerSettings(settings, problem, DerivationPageCount);
}

struct ExperimentScreen {
    QString name;
    Opener open;
    std::function<QJsonObject(Application&)> current;
    std::function<void(Application&)> show;
};

const std::vector<ExperimentScreen>& Screens()
{
    static const std::vector<ExperimentScreen> screens{
        {QStringLiteral("simulation"),
         ReadThenApply<SimulationInputs>(
             ReadSimulationSettings,
             [](Application& app, const SimulationInputs& in) { app.PresetSimulation(in); }),
         [](Application& app) { return SimulationSettings(app.simulationScreen().inputs()); },
         [](Application& app) { app.Simulation().RunSimulation(); }},
        {QStringLiteral("explorer"),
         ReadThenApply<ExplorerExperiment>(ReadExplorerWithItsDerivation,
                                           [](Application& app, const ExplorerExperiment& e) {
                                               app.SetBaseFree(e.baseFree);
                                               app.explorer().OpenExperiment(e);
                                           }),
         [](Application& app) { return ExplorerSettings(app.explorer().Experiment()); },
         [](Application& app) { app.OpenExplorer(); }},
        {QStringLiteral("curve-lab"),
         ReadThenApply<CurveExperiment>(ReadCurveSettings,
                                        [](Application& app, const CurveExperiment& e) {
                                            app.firstExplanation().OpenExperiment(e);
                                        }),
         [](Application& app) { return CurveSettings(app.firstExplanation().Experiment()); },
         [](Application& app) { app.ShowCurveLab(); }},
        {QStringLiteral("translating-frame"),
         ReadThenApply<TranslatingExperiment>(ReadTranslatingSettings,
                                              [](Application& app, const TranslatingExperiment& e) {
                                                  app.translatingFrame().OpenExperiment(e);
                                              }),
         [](Application& app) { return TranslatingSettings(app.translatingFrame().Experiment()); },
         [](Application& app) {
             app.translatingFrame().show();
             app.translatingFrame().raise();
         }},
    };
    return screens;
}

const ExperimentScreen* Find(const QString& name)
{
    const auto& screens = Screens();
    const auto found = std::find_if(screens.begin(), screens.end(),
                                    [&name](const ExperimentScreen& s) { return s.name == name; });
    return found == screens.end() ? nullptr : &*found;
}

QString NoSuchScreen(const QString& screen)
{
    return QCoreApplication::translate("ttl::ExperimentFile", "no experiment for the screen %1")
        .arg(screen);
}

} // namespace

QStringList ExperimentScreens()
{
    QStringList names;
    for (const ExperimentScreen& s : Screens()) {
        names << s.name;
    }
    return names;
}

QString CheckExperiment(const Experiment& experiment)
{
    const ExperimentScreen* screen = Find(experiment.screen);
    return screen ? screen->open(nullptr, experiment.settings) : NoSuchScreen(experiment.screen);
}

QString ApplyExperiment(Application& app, const Experiment& experiment)
{
    const ExperimentScreen* screen = Find(experiment.screen);
    return screen ? screen->open(&app, experiment.settings) : NoSuchScreen(experiment.screen);
}

QString OpenExperiment(Application& app, const Experiment& experiment)
{
    QString problem = ApplyExperiment(app, experiment);
    if (problem.isEmpty()) {
        Find(experiment.screen)->show(app);
    }
    return problem;
}

Experiment CurrentExperiment(Application& app, const QString& screen)
{
    const ExperimentScreen* found = Find(screen);
    return found ? Experiment{screen, found->current(app)} : Experiment{};
}

} // namespace ttl
