#pragma once

#include "explorer/explorer_model.h"
#include "shell/color.h"
#include "shell/surface.h"
#include "shell/vec2.h"

#include <array>
#include <cmath>
#include <numbers>

namespace ttl {

// The path the body leaves in the explorer's picture and, in the rotating frame, the fan of the
// angle the base has turned.
inline constexpr Color FanColor{200, 200, 200};
inline constexpr Color RotatingPathColor{120, 120, 255};

// The radius of a path mark: a few pixels whatever the zoom.
[[nodiscard]] double MarkRadius(const Surface& s, const ExplorerState& state);

// A small circle at each position the body has had, step 1 to the current one, a few pixels
// across so that it never hides an arrow. Drawn before the arrows: the path only grows, so the
// view repaints just its newest marks.
void DrawPath(Surface& s, const ExplorerState& state,
              const std::array<double, MaxExplorerSteps + 1>& xs,
              const std::array<double, MaxExplorerSteps + 1>& ys, Color color);

// The angle the base has turned by step k, as the fan shows it: past a full turn a full disc.
[[nodiscard]] double FanReach(const ExplorerState& state, int k);

// The fan of the angle the base has turned: one line every 1.8 degrees from the start, drawn
// up to an angle and on from there, so that a step adds the lines its turn added.
struct TurnFan {
    double phi = 0.0; // the next line's angle
    int lines = 0;    // drawn before it

    // The lines up to `angle`; on no surface they are only counted.
    void DrawTo(Surface* s, const ExplorerState& state, double angle)
    {
        for (; phi <= angle; phi += std::numbers::pi / 100.0, ++lines) {
            if (s != nullptr) {
                s->Line(0, 0, state.StartRadius * std::cos(-phi),
                        state.StartRadius * std::sin(-phi), FanColor);
            }
        }
    }
};

// The fan as it stands after step k: none before the first step.
[[nodiscard]] TurnFan FanAfter(const ExplorerState& state, int k);

// Whether the fan's angle never went back up to step n: then each step's mark is followed by
// the fan's lines it added, and the drawing too only grows from step to step.
[[nodiscard]] bool FanOnlyGrew(const ExplorerState& state, int n);

// The rotating frame's path with the fan, interleaved while the fan only grew; a base turning
// back gets the fan after the path.
void DrawRotatingPathAndFan(Surface& s, const ExplorerState& state);

[[nodiscard]] Vec2 PathPoint(const std::array<double, MaxExplorerSteps + 1>& xs,
                             const std::array<double, MaxExplorerSteps + 1>& ys, int k);

} // namespace ttl
