#include "explorer/explorer_labels.h"

#include "shell/number_format.h"

namespace ttl {

std::string ExplorerScaleLabel(int zoomValue, bool atLoad)
{
    if (atLoad) {
        return "Scale = 1.2*RADIUS";
    }
    return "SCALE= " + FormatNumber(zoomValue / 100.0, "0.00") + "X Radius";
}

std::string ExplorerMassLabel(int massValue)
{
    return "Mass = " + FormatNumber(massValue / 2.0, "0.0");
}

std::string ExplorerVelocityLabel(char component, int value)
{
    return std::string("V") + component + " =" + FormatNumber(value, "0") + "X \u03C9\u03A7R";
}

} // namespace ttl
