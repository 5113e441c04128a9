#include "explorer/explorer_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ttl {

namespace {
constexpr double Pi = std::numbers::pi;
} // namespace

double MarkRadius(const Surface& s, const ExplorerState& state)
{
    return s.PixelWidth() > 0 ? 2.5 * std::abs(s.ScaleWidth()) / s.PixelWidth()
                              : state.HubRadius / 4.0;
}

void DrawPath(Surface& s, const ExplorerState& state,
              const std::array<double, MaxExplorerSteps + 1>& xs,
              const std::array<double, MaxExplorerSteps + 1>& ys, Color color)
{
    const double radius = MarkRadius(s, state);
    for (int k = 1; k <= state.StepIndex; ++k) {
        const auto i = static_cast<std::size_t>(k);
        s.Circle(xs[i], ys[i], radius, color);
    }
}

double FanReach(const ExplorerState& state, int k)
{
    return std::min(state.AngleHistory[static_cast<std::size_t>(k)], 2.0 * Pi);
}

TurnFan FanAfter(const ExplorerState& state, int k)
{
    TurnFan fan;
    if (k > 0) {
        fan.DrawTo(nullptr, state, FanReach(state, k));
    }
    return fan;
}

bool FanOnlyGrew(const ExplorerState& state, int n)
{
    for (int k = 1; k <= n; ++k) {
        if (FanReach(state, k) < FanReach(state, k - 1)) {
            return false;
        }
    }
    return true;
}

void DrawRotatingPathAndFan(Surface& s, const ExplorerState& state)
{
    if (!FanOnlyGrew(state, state.StepIndex)) {
        DrawPath(s, state, state.PathXR, state.PathYR, RotatingPathColor);
        TurnFan().DrawTo(&s, state, std::min(state.BaseAngle, 2.0 * Pi));
        return;
    }
    const double radius = MarkRadius(s, state);
    TurnFan fan;
    for (int k = 1; k <= state.StepIndex; ++k) {
        const auto i = static_cast<std::size_t>(k);
        s.Circle(state.PathXR[i], state.PathYR[i], radius, RotatingPathColor);
        fan.DrawTo(&s, state, FanReach(state, k));
    }
}

Vec2 PathPoint(const std::array<double, MaxExplorerSteps + 1>& xs,
               const std::array<double, MaxExplorerSteps + 1>& ys, int k)
{
    const auto i = static_cast<std::size_t>(k);
    return {xs[i], ys[i]};
}

} // namespace ttl
