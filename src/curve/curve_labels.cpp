#include "curve/curve_labels.h"

#include "shell/number_format.h"

#include <cmath>

namespace ttl {

std::string AmplitudeLabel(int value, bool afterChange)
{
    return (afterChange ? "AMPLITUDE =" : "AMPLITUDE=") + FormatNumber(value / 10.0, "0.0");
}

std::string InitialSpeedLabel(int value, bool afterChange)
{
    return (afterChange ? "Initial \u03C4\u03B1\u03C7\u03CD\u03C4\u03B7\u03C4\u03B1= "
                        : "Initial speed = ") +
           FormatNumber(value, "0");
}

std::string TangentialLabel(int value, bool afterChange)
{
    return afterChange ? "\u0395\u03C0\u03B9\u03C4\u03C1\u03CC\u03C7\u03B9\u03BF\u03C2 "
                         "\u03B5\u03C0\u03B9\u03C4\u03AC\u03C7\u03C5\u03BD\u03C3\u03B7 = " +
                             FormatNumber(value / 10.0, "0.0")
                       : "Tangential acceleration= " + FormatNumber(value / 10.0, "0.00");
}

std::string FrequencyLabel(int value)
{
    const double pi = 4.0 * std::atan(1.0);
    return "Frequency \u03B2= " + FormatNumber(value, "0") + "\u00B0 (" +
           FormatNumber(value * pi / 180.0, "0.000") + " rad) per unit of x";
}

} // namespace ttl
