#include "turntable/simulation_labels.h"

#include "shell/number_format.h"
#include "shell/translation.h"
#include "turntable/simulation_run.h"

namespace ttl {

std::string MassLabel(int massValue)
{
    return Substitute(Tr("simulation", "Mass=%1"), {FormatNumber(massValue / 2.0, "0.0")});
}

std::string FrictionLabel(int frictionValue)
{
    const double mug = frictionValue / 10.0;
    return Substitute(Tr("simulation", "Friction coefficient μ= %1 (μg = %2)"),
                      {FormatNumber(mug / 10.0, "0.00"), FormatNumber(mug, "0.00")});
}

std::string IntervalLabel(int intervalValue, int periodCount)
{
    const RunTiming timing = TimingFor(intervalValue, periodCount);
    return Substitute(timing.capped
                          ? Tr("simulation", "Interval dt = %1 (widened: at most 5000 steps)")
                          : Tr("simulation", "Interval dt = %1"),
                      {FormatNumber(timing.timeStep, "0.00000")});
}

std::string TotalTimeLabel(int periodCount)
{
    // T = P pi/4, and the base's initial period is 2 pi / omega0 = pi.
    const RunTiming timing = TimingFor(1, periodCount);
    const double turns = periodCount / 4.0;
    return Substitute(Tr("simulation", "Total time = %1 × initial period (%2 s)"),
                      {FormatNumber(turns, periodCount % 4 == 0 ? "0" : "0.00"),
                       FormatNumber(timing.totalTime, "0.0")});
}

std::string BaseInfluenceCaption(bool influenced)
{
    return influenced ? Tr("simulation", "The base is influenced")
                      : Tr("simulation", "The base is not influenced");
}

} // namespace ttl
