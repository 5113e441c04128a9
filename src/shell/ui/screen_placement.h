#pragma once

class QPoint;
class QRect;
class QSize;
class QWidget;

namespace ttl {

// Where a window's frame goes, as fractions of the available screen area (taskbars excluded).
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

// Moves `window` beside `anchor` (its frame, title bar included, whole on the screen). A window
// placed beside another is not maximised.
void PlaceBeside(QWidget& window, const QWidget& anchor);

// The frame `frame` made whole on `available`: shrunk to it where larger, then moved the least
// distance that puts it inside.
QRect FitInside(const QRect& frame, const QRect& available);

// Moves and, if needed, shrinks `window` so that its frame lies on the available area of its
// screen. A maximised or full-screen window is left to the window system.
void KeepOnScreen(QWidget& window);

} // namespace ttl
