#pragma once

#include "shell/surface.h"

#include <string>

namespace ttl {

// A text's size as the painter draws it, on the screen; views install it as their surface's
// text measure.
TextExtent MeasureText(const std::string& text, const Font& font);

} // namespace ttl
