#pragma once

#include "shell/surface.h"

#include <string>
#include <vector>

namespace ttl {

// A text of an illustration and the width it may take across, in world units, before it runs
// into another text or out of the picture.
struct TextRoom {
    std::string text;
    double width = 0.0;

    friend bool operator==(const TextRoom&, const TextRoom&) = default;
};

// An illustration writes its texts at fixed points of its picture, so they keep clear of each
// other and of its edges only while each fits its room. Sets the surface's font so that they do:
// the drawing scale's size where the picture has room for it, smaller where it has not, and
// returns that size (points, before the drawing scale). The picture must be drawn again when its
// size or the drawing scale changes.
double FitFontToPicture(Surface& surface, const std::vector<TextRoom>& rooms);

} // namespace ttl
