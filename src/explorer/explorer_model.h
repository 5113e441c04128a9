#pragma once

#include "explorer/explorer_state.h"
#include "turntable/model_parameters.h"

namespace ttl {

// The pendulum's pull toward the axis while a Foucault mode is on.
inline constexpr double FoucaultStiffness = 40.0;
inline constexpr int ExplorerSubSteps = 250;

struct BodyOnBase {
    double vx, vy, x, y, omega;
};

struct AdvanceResult {
    BodyOnBase body;
    bool stuck = false; // the body came to rest on a free base during this step
    double stuckOmega = 0.0;
};

// A body at rest on the base after the base has turned for `time` at `omega`.
BodyOnBase CarriedByBase(Vec2 position, double omega, double time);

// Integrates body and base over dt in `subSteps` steps of FehlbergStep on the seven-component
// state (vx, vy, x, y, E, omega, theta) with E = m v^2/2 + k r^2/2. A free base
// (model.BaseInfluenced = 1) turns after every sub-step at the rate the conserved angular
// momentum allows; a driven base keeps its omega. With `mayStick`, a free base catches the body
// when its squared relative speed falls below 1e-5; from then on both turn together at the rate
// that keeps the total angular momentum.
AdvanceResult AdvanceBodyOnBase(const ModelParameters& model, BodyOnBase start, double dt,
                                int subSteps, bool mayStick);

// Back to step 0 with the body at (0, StartRadius) and the velocity of the scroll bars.
void ResetExplorer(ExplorerState& state, const ExplorerControls& controls);

// The initial velocity the scroll bars give, in units of omega0 * StartRadius; the textbook
// pendulum is released with vx = 0.
Vec2 LaunchVelocity(const ExplorerState& state, const ExplorerControls& controls);

// The model the explorer integrates with: its mass, friction and pendulum settings and the
// shared choice of a free or driven base.
ModelParameters ExplorerModel(const ExplorerState& state, const ExplorerControls& controls,
                              int baseInfluenced);

// The angular acceleration of the base at the current state: the torque of friction over I for
// a free base that has not caught the body, otherwise 0.
double BaseAngularAcceleration(const ExplorerState& state, const ExplorerControls& controls);

// The total angular momentum of base and body, clockwise positive.
double ExplorerAngularMomentum(const ExplorerState& state);

// Advances one step: n + 1, body, base and histories. Returns false, changing nothing, when the
// histories are full. `beep` is set when the body has just stuck to the base.
struct StepOutcome {
    bool advanced = false;
    bool beep = false;
};
StepOutcome AdvanceExplorer(ExplorerState& state, ModelParameters& shared,
                            const ExplorerControls& controls);

} // namespace ttl
