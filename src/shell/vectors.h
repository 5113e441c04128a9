#pragma once

#include "shell/surface.h"

namespace ttl {

// Distance between two points.
double PointDistance(double x1, double y1, double x2, double y2);

// Direction of (x, y) in radians, in (-pi/2, 3pi/2]; 0 for the zero vector.
double VectorAngle(double x, double y);

// The arrow used on the picture boxes: tail at (x, y), head at the tip (x + dx, y + dy),
// head strokes one seventy-fifth of the surface diagonal long. Uses the surface's current
// DrawWidth and DrawStyle. Vectors shorter than a hundredth of a stroke are not drawn, and
// strokes of very short vectors are turned forward beyond the tip.
void DrawVector(Surface& surface, double x, double y, double dx, double dy, double red,
                double green, double blue);

// The arrow used on the graph windows: the shaft is drawn first, the strokes are always placed
// behind the tip as for a long vector, and even a zero vector draws its two strokes.
void DrawWindowVector(Surface& surface, double x, double y, double dx, double dy, double red,
                      double green, double blue);

} // namespace ttl
