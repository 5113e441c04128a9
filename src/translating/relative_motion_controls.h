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

// The platform's initial velocity and the body's initial values: read only when a run is
// launched.
bool AppliesAtLaunch(const RelativeMotionControl& control);

// The label text for a control's value. The frame's x velocity reads "Vx FRAME=" until its bar
// is first moved. While a run goes on, a value that waits for the next launch is marked " *".
std::string RelativeMotionLabel(const RelativeMotionControl& control, int value,
                                bool firstChangeDone, bool runGoing = false);

} // namespace ttl
