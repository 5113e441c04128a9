#pragma once

#include "curve/curve_model.h"
#include "curve/label_placement.h"
#include "shell/surface.h"

#include <array>
#include <vector>

namespace ttl {

// Ticks of the timed run: 0.05 time units each; the tables end at tick 2500.
inline constexpr double TimedCurveTick = 0.05;
inline constexpr int TimedCurveTableSize = 2500;
inline constexpr int TimedCurveLabelEvery = 60;

struct TimedCurveRun {
    int n = 0;                                                      // ticks done; START sets 2
    std::array<double, TimedCurveTableSize + 1> t{}, x{}, y{}, s{}; // s: distance along the curve
    bool running = false;
    std::vector<LabelBox> labels; // the texts printed on the picture so far
};

// START: the counter at 2 and the beta label printed once.
void StartTimedCurve(TimedCurveRun& run, Surface& eikona, const CurveInputs& inputs);

// One tick: the body's place along the curve at t = 0.05 n, its velocity and total acceleration
// (drawn at 1/2) on the transient layer, the newest point of the track and, every 60 ticks while
// the body is inside the window, a label in the free place nearest it. Returns false, and the run
// stops, once the body is past x = 30, cannot move (v0 = at = 0) or the tables are full.
bool TimedCurveStep(TimedCurveRun& run, Surface& eikona, const CurveInputs& inputs);

} // namespace ttl
