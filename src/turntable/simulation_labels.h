#pragma once

#include <string>

namespace ttl {

// The labels of the simulation screen are written once when it loads and rewritten, in a
// different format, by every change of their scroll bar.
enum class LabelMoment { AtLoad, AfterChange };

std::string MassLabel(int massValue, LabelMoment moment);
std::string FrictionLabel(int frictionValue);
std::string IntervalLabel(int intervalValue, LabelMoment moment);
// Shown when the run had to widen dt to keep within the largest step count.
std::string CappedIntervalLabel(int intervalValue);
std::string TotalTimeLabel(int periodCount, LabelMoment moment);
std::string BaseInfluenceCaption(bool influenced);

} // namespace ttl
