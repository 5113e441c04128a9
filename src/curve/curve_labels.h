#pragma once

#include <string>

namespace ttl {

// The captions of the curve lab's scroll bars: the same wording and number format whether the
// lab writes them on opening or a bar has just moved.
std::string AmplitudeLabel(int value);
std::string InitialSpeedLabel(int value);
std::string TangentialLabel(int value);
// The frequency as the model uses it, beta = value degrees per unit of x, with its radians.
std::string FrequencyLabel(int value);

} // namespace ttl
