#include "explorer/explorer_labels.h"

#include "shell/number_format.h"
#include "shell/translation.h"

namespace ttl {

std::string ExplorerScaleLabel(int zoomValue, bool atLoad)
{
    if (atLoad) {
        return Tr("explorer", "Scale = 1.2*RADIUS");
    }
    return Substitute(Tr("explorer", "SCALE= %1X Radius"),
                      {FormatNumber(zoomValue / 100.0, "0.00")});
}

std::string ExplorerMassLabel(int massValue)
{
    return Substitute(Tr("explorer", "Mass = %1"), {FormatNumber(massValue / 2.0, "0.0")});
}

std::string ExplorerVelocityLabel(char component, int value)
{
    return Substitute(Tr("explorer", "V%1 =%2X ωΧR"),
                      {std::string(1, component), FormatNumber(value, "0")});
}

} // namespace ttl
