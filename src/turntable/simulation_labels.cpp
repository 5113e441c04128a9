#include "turntable/simulation_labels.h"

#include "shell/number_format.h"

namespace ttl {

std::string MassLabel(int massValue, LabelMoment moment)
{
    return "Mass=" + FormatNumber(massValue / 2.0, moment == LabelMoment::AtLoad ? "0.0" : "0");
}

std::string FrictionLabel(int frictionValue)
{
    return "Friction Coefficient= " + FormatNumber(frictionValue / 10.0, "0.00");
}

std::string IntervalLabel(int intervalValue, LabelMoment moment)
{
    return "Interval dt = " + FormatNumber(intervalValue / 1250.0,
                                           moment == LabelMoment::AtLoad ? "0.00000" : "0.000");
}

std::string CappedIntervalLabel(int intervalValue)
{
    return "Timeinterval = " + FormatNumber(intervalValue / 1250.0, "0.00000");
}

std::string TotalTimeLabel(int periodCount, LabelMoment moment)
{
    if (moment == LabelMoment::AtLoad) {
        return "Total Time= " + FormatNumber(periodCount, "0") + "X \u03A4";
    }
    return "Total time = " + FormatNumber(periodCount, "0") + "X period";
}

std::string BaseInfluenceCaption(bool influenced)
{
    return influenced ? "The base is influenced" : "The base is not influenced";
}

} // namespace ttl
