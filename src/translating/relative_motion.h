#pragma once

#include "shell/vec2.h"

#include <array>
#include <vector>

namespace ttl {

// The scroll-bar values the translating-frame screen's steps read.
struct RelativeMotionInputs {
    int frameVx = 0, frameVy = 0;       // taxythtax, taxythtay: Vf0
    int frameAx = 0, frameAy = 0;       // epitaxynshx, epitaxynshy: af
    int bodyVx = 2, bodyVy = 1;         // arxikivx, arxikvy
    int bodyX = 5, bodyY = -5;          // arxikx, arxikiy
    int friction = 0;                   // trivistoepipedo: mu = value / 100
    int mass = 1;                       // mazatoysomatos: m = value / 50
    int scale = 1;                      // overallscale: S
    int labPanX = 0, labPanY = 0;       // xscaleeikona1, yscaleeikona1
    int movingPanX = 0, movingPanY = 0; // xscaleeikona2, yscaleeikona2

    [[nodiscard]] double Mu() const { return friction / 100.0; }
    [[nodiscard]] double Mass() const { return mass / 50.0; }
};

inline constexpr double Gravity = 10.0;
// A step of the display is 1/15 of a time unit; the platform's 1 ms timer made that the rate.
inline constexpr double RelativeMotionDt = 1.0 / 15.0;
inline constexpr int RelativeMotionSubSteps = 12;
// Positions after steps 0..1500 fit the tables; a continuous run stops after 1400 steps.
inline constexpr int RelativeMotionMaxSteps = 1500;
inline constexpr int RelativeMotionTimedSteps = 1400;

// The platform's motion: constant acceleration a since t0, when its velocity was v0 and it had
// moved p0 from where it was at the launch.
struct FrameMotion {
    Vec2 v0;
    Vec2 a;
    double t0 = 0.0;
    Vec2 p0;

    [[nodiscard]] Vec2 Velocity(double t) const { return v0 + (t - t0) * a; }
    // How far the platform has moved since the launch.
    [[nodiscard]] Vec2 Displacement(double t) const
    {
        const double s = t - t0;
        return p0 + s * v0 + (0.5 * s * s) * a;
    }
    // From t on it accelerates at `acceleration`; its velocity and position carry on unbroken.
    void ChangeAcceleration(double t, Vec2 acceleration)
    {
        p0 = Displacement(t);
        v0 = Velocity(t);
        t0 = t;
        a = acceleration;
    }
};

// The body in the lab frame: (vx, vy, x, y).
using RelativeMotionState = std::array<double, 4>;

// d/dt of the lab state at time t. Sliding: kinetic friction mu*g against the velocity relative
// to the platform. Resting on it: the platform's own acceleration, which static friction gives
// the body. At rest but not held (mu*g < |af|): kinetic friction mu*g along af, against the
// relative motion that starts.
RelativeMotionState RelativeMotionAcceleration(double t, const RelativeMotionState& y,
                                               const FrameMotion& frame, double mug, bool resting);

// Advances the lab state from t1 over `interval` in RelativeMotionSubSteps sub-steps of
// FehlbergStep. The moment the body comes to rest on the platform is located within a sub-step;
// if friction can hold it there (mu*g >= |af|) it rides with the platform from then on.
// Returns whether it came to rest during the interval.
bool RelativeMotionIntegrate(RelativeMotionState& y, double t1, double interval,
                             const FrameMotion& frame, double mug, bool& resting);

// The run of the translating-frame screen: tables indexed by step, position 0 the launch.
struct RelativeMotionRun {
    int n = 0; // steps done since the launch
    FrameMotion frame;
    std::array<Vec2, RelativeMotionMaxSteps + 1> labPosition{};
    std::array<Vec2, RelativeMotionMaxSteps + 1> labVelocity{};
    std::array<Vec2, RelativeMotionMaxSteps + 1> movingPosition{};
    bool resting = false;
    Vec2 relativeVelocity; // at the current step
    // The strongest force the run's arrows are scaled for; chosen at the launch.
    double largestForce = 0.0;

    [[nodiscard]] double Time() const { return n * RelativeMotionDt; }
    [[nodiscard]] bool Full() const { return n >= RelativeMotionMaxSteps; }
};

struct RelativeStepOutcome {
    bool advanced = false;
    bool cameToRest = false; // this step: the moving-frame view starts afresh
};

// The strongest force the inputs put on the body: the larger part of the fictitious force -m af,
// or kinetic friction (static friction never exceeds it).
double LargestRelativeForce(const RelativeMotionInputs& in);

// The bars that act at once on a launched run: the platform accelerates with af from this moment,
// and the force scale is chosen again if a force would now be drawn more than twice as long as
// the run's largest. The initial values wait for the next launch.
void ApplyLiveInputs(RelativeMotionRun& run, const RelativeMotionInputs& in);

// One step of dt. At n = 0 the run is launched from the inputs; after that the live inputs are
// applied and mu is read at every step. Refused (nothing changes) once the tables are full.
RelativeStepOutcome RelativeMotionStep(RelativeMotionRun& run, const RelativeMotionInputs& in);

// Back to a run not yet launched (REPEAT).
void RestartRelativeMotion(RelativeMotionRun& run);

} // namespace ttl
