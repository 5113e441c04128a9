#pragma once

#include "shell/scroll_range.h"

#include <array>
#include <string>

namespace ttl {

// A scroll bar of the translating-frame screen and the label that shows its value.
struct RelativeMotionControl {
    const char* name;
    bool vertical;
    ScrollRange range;
    const char* label; // empty for the pan bars, which have none
    const char* prefix;
    double divisor;     // the quantity is value / divisor
    const char* format; // number format of the label
    const char* tip;
};

const std::array<RelativeMotionControl, 15>& RelativeMotionControls();

// The label text for a control's value. The frame's x velocity reads "Vx FRAME=" until its bar
// is first moved.
std::string RelativeMotionLabel(const RelativeMotionControl& control, int value,
                                bool firstChangeDone);

} // namespace ttl
