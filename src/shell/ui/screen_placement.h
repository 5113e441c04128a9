#pragma once

class QPoint;
class QRect;
class QSize;
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

// Where a small window of frame size `size` goes beside the window framed by `anchor`: just to
// its right if it fits on the available area, else over the anchor at the area's right edge;
// always whole on the area when it is no larger than it.
QPoint BesidePosition(const QRect& anchor, const QSize& size, const QRect& available);

// Moves `window` beside `anchor` (its frame, title bar included, whole on the screen).
void PlaceBeside(QWidget& window, const QWidget& anchor);

} // namespace ttl
