#include "turntable/simulation_labels.h"

#include "shell/number_format.h"
#include "turntable/simulation_run.h"

namespace ttl {

std::string MassLabel(int massValue)
{
    return "Mass=" + FormatNumber(massValue / 2.0, "0.0");
}

std::string FrictionLabel(int frictionValue)
{
    const double mug = frictionValue / 10.0;
    return "Friction coefficient \u03BC= " + FormatNumber(mug / 10.0, "0.00") +
           " (\u03BCg = " + FormatNumber(mug, "0.00") + ")";
}

std::string IntervalLabel(int intervalValue, int periodCount)
{
    const RunTiming timing = TimingFor(intervalValue, periodCount);
    const std::string dt = "Interval dt = " + FormatNumber(timing.timeStep, "0.00000");
    return timing.capped ? dt + " (widened: at most 5000 steps)" : dt;
}

std::string TotalTimeLabel(int periodCount)
{
    // T = P pi/4, and the base's initial period is 2 pi / omega0 = pi.
    const RunTiming timing = TimingFor(1, periodCount);
    const double turns = periodCount / 4.0;
    return "Total time = " + FormatNumber(turns, periodCount % 4 == 0 ? "0" : "0.00") +
           " \u00D7 initial period (" + FormatNumber(timing.totalTime, "0.0") + " s)";
}

std::string BaseInfluenceCaption(bool influenced)
{
    return influenced ? "The base is influenced" : "The base is not influenced";
}

} // namespace ttl
