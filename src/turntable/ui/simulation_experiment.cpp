#include "turntable/ui/simulation_experiment.h"

#include "shell/ui/settings_reader.h"

namespace ttl {

QJsonObject SimulationSettings(const SimulationInputs& inputs)
{
    return SettingsWriter()
        .Integer("mass", inputs.massValue)
        .Integer("friction", inputs.frictionValue)
        .Integer("interval", inputs.intervalValue)
        .Integer("total", inputs.periodCount)
        .Boolean("influenced", inputs.baseInfluenced)
        .Settings();
}

std::optional<SimulationInputs> ReadSimulationSettings(const QJsonObject& settings,
                                                       QString& problem)
{
    SettingsReader reader(settings);
    SimulationInputs inputs;
    inputs.massValue = reader.Bar("mass", simulation_controls::Mass);
    inputs.frictionValue = reader.Bar("friction", simulation_controls::Friction);
    inputs.intervalValue = reader.Bar("interval", simulation_controls::Interval);
    inputs.periodCount = reader.Bar("total", simulation_controls::PeriodCount);
    inputs.baseInfluenced = reader.Boolean("influenced");
    reader.RefuseUnreadFields();
    if (!reader.Ok()) {
        problem = reader.Problem();
        return std::nullopt;
    }
    return inputs;
}

} // namespace ttl
