#include "curve/curve_labels.h"

#include "shell/number_format.h"
#include "shell/translation.h"

#include <cmath>
#include <numbers>

namespace ttl {

std::string AmplitudeLabel(int value)
{
    return Substitute(Tr("curve", "AMPLITUDE=%1"), {FormatNumber(value / 10.0, "0.0")});
}

std::string InitialSpeedLabel(int value)
{
    return Substitute(Tr("curve", "Initial speed = %1"), {FormatNumber(value, "0")});
}

std::string TangentialLabel(int value)
{
    // A tenth of the bar's value: one decimal shows it exactly.
    return Substitute(Tr("curve", "Tangential acceleration= %1"),
                      {FormatNumber(value / 10.0, "0.0")});
}

std::string FrequencyLabel(int value)
{
    constexpr double pi = std::numbers::pi;
    return Substitute(Tr("curve", "Frequency β= %1° (%2 rad) per unit of x"),
                      {FormatNumber(value, "0"), FormatNumber(value * pi / 180.0, "0.000")});
}

} // namespace ttl
