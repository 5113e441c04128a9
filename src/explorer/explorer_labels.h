#pragma once

#include "mechanics/recorded_motion.h"
#include "shell/scroll_range.h"

#include <string>

namespace ttl {

namespace explorer_controls {
inline constexpr ScrollRange Vx{-10, 10, 1};           // vxtax: initial vx in units of omega0*R
inline constexpr ScrollRange Vy{-10, 10, 0};           // vytax
inline constexpr ScrollRange Mass{1, 20, 2};           // mazalazo: m = value / 2
inline constexpr ScrollRange Zoom{50, 400, 120};       // zoumerno: per cent of the base radius
inline constexpr ScrollRange FirstPoint{1, DerivationSecondStep - 1, DerivationFirstStep};    // protosimiox: first point of the derivation
inline constexpr ScrollRange ShiftX{-10, 20, 0};       // XSCALEFIGURE
inline constexpr ScrollRange ShiftY{-10, 30, 0, true}; // YSCALEFIGURE: 30 at the top
} // namespace explorer_controls

// "Scale = 1.2*RADIUS" when the screen loads; "SCALE= 1.50X Radius" after a change.
std::string ExplorerScaleLabel(int zoomValue, bool atLoad);
std::string ExplorerMassLabel(int massValue);
// "Vx =1X ωΧR": the initial velocity in units of the base's speed under the body.
std::string ExplorerVelocityLabel(char component, int value);

} // namespace ttl
