#pragma once

class QWidget;

namespace ttl {

// Where a window goes, as fractions of the available screen area (taskbars excluded).
struct Placement {
    double left = 0.0;
    double top = 0.0;
    double width = 1.0;
    double height = 1.0;
};

void PlaceWindow(QWidget& window, const Placement& placement);

} // namespace ttl
