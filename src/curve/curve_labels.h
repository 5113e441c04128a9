#pragma once

#include <string>

namespace ttl {

// The captions of the curve lab's scroll bars. `afterChange` selects the wording a change
// handler writes; the set-up of the lab writes the other.
std::string AmplitudeLabel(int value, bool afterChange);
std::string InitialSpeedLabel(int value, bool afterChange);
std::string TangentialLabel(int value, bool afterChange);
// The frequency as the model uses it, beta = value degrees per unit of x, with its radians.
std::string FrequencyLabel(int value);

} // namespace ttl
