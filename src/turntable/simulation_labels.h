#pragma once

#include <string>

namespace ttl {

// The simulation screen's labels state the values a run with these bars really uses.
std::string MassLabel(int massValue);
// The friction coefficient mu, with the deceleration mu*g it gives (g = 10).
std::string FrictionLabel(int frictionValue);
// The dt in use: the bar's, or the wider one the step cap makes it.
std::string IntervalLabel(int intervalValue, int periodCount);
// The total time in turns of the base at its initial angular velocity, and in seconds.
std::string TotalTimeLabel(int periodCount);
std::string BaseInfluenceCaption(bool influenced);

} // namespace ttl
