#pragma once

#include "shell/surface.h"

namespace ttl {

// A rectangle of world coordinates.
struct WorldBox {
    double left, right, bottom, top;
};

// Scales the surface so that the box, widened by `margin` (a fraction of its size) on each side,
// fills the picture with equal scales on both axes, y upward, leaving `topRows` lines of text
// free above it. Returns false, changing nothing, before the surface has a pixel size or for an
// empty or non-finite box.
bool FitWorldWindow(Surface& surface, WorldBox box, double margin, double topRows = 0.0);

} // namespace ttl
