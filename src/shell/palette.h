#pragma once

#include "shell/color.h"

#include <span>

namespace ttl {

// The drawings' own colours and the colours shown instead to viewers who cannot tell red from
// green: the Okabe–Ito set, with lighter tints for path marks and greys kept. A quantity keeps
// its colour on every screen and in every legend: every green of friction becomes the same
// bluish green, every colour of the Coriolis force the same orange.
struct PaletteEntry {
    Color original;
    Color safe;
    const char* shows; // what the colour stands for, for the reader of the table
};

std::span<const PaletteEntry> ColourBlindSafeTable();

// The colour-blind-safe colour for a drawing colour: that of its entry in the table, or, for a
// colour the table does not list, that of the nearest colour it lists.
Color ColourBlindSafe(Color original);

} // namespace ttl
