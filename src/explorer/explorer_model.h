#pragma once

#include "explorer/explorer_state.h"
#include "mechanics/model_parameters.h"

namespace ttl {

// The pendulum's pull toward the axis while a Foucault mode is on.
inline constexpr double FoucaultStiffness = 40.0;
inline constexpr int ExplorerSubSteps = 250;

struct BodyOnBase {
    double vx, vy, x, y, omega;
};

struct AdvanceResult {
    BodyOnBase body;
    bool carried = false;      // static friction carries the body with the base
    double carriedOmega = 0.0; // the common angular velocity while carried
    bool caught = false;       // the body came to rest on the base during this step
};

// Integrates body and base over dt in `subSteps` advances of the shared body-on-base motion: a
// free base follows the conserved angular momentum; friction holds a resting body while it can
// and lets it slide when it cannot.
AdvanceResult AdvanceBodyOnBase(const ModelParameters& model, BodyOnBase start, bool carried,
                                double carriedOmega, double dt, int subSteps);

// Back to step 0 with the body at (0, StartRadius) and the velocity of the scroll bars.
void ResetExplorer(ExplorerState& state, const ExplorerControls& controls);

// The initial velocity the scroll bars give, in units of omega0 * StartRadius; the textbook
// pendulum is released with vx = 0.
Vec2 LaunchVelocity(const ExplorerState& state, const ExplorerControls& controls);

// The model the explorer integrates with: its mass, friction and pendulum settings and the
// choice of a free or driven base.
ModelParameters ExplorerModel(const ExplorerState& state, const ExplorerControls& controls);

// The full model state at the current step.
TurntableState ExplorerBodyState(const ExplorerState& state);

// The friction force on the body at the current step, in inertial axes, as the model applies it:
// against the relative velocity while sliding, what holds the body (up to m*mu*g) while it rests
// on the base, nothing while NON ZERO FRICTION is clear.
Vec2 ExplorerFriction(const ExplorerState& state, const ExplorerControls& controls);

// The angular acceleration of the base at the current state: the torque of friction over I for
// a free base on which the body slides, otherwise 0.
double BaseAngularAcceleration(const ExplorerState& state, const ExplorerControls& controls);

// The total angular momentum of base and body, clockwise positive.
double ExplorerAngularMomentum(const ExplorerState& state);

// The base's choice changed: the base goes on from the current state, so the momentum that a
// free base conserves is taken from it.
void ChangeBaseChoice(ExplorerState& state);

// Advances one step: n + 1, body, base and histories. Returns false, changing nothing, when the
// histories are full. `beep` is set when the body has just come to rest on the base.
struct StepOutcome {
    bool advanced = false;
    bool beep = false;
};
StepOutcome AdvanceExplorer(ExplorerState& state, const ExplorerControls& controls);

} // namespace ttl
