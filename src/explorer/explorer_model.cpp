#include "explorer/explorer_model.h"

#include "mechanics/base_contact.h"

#include <cmath>

namespace ttl {

using namespace state_index;

AdvanceResult AdvanceBodyOnBase(const ModelParameters& model, BodyOnBase start, bool carried,
                                double carriedOmega, double dt, int subSteps)
{
    BaseContact body;
    body.y = {start.vx, start.vy, start.x, start.y, 0.0, start.omega, 0.0, 0.0, 0.0, 0.0};
    body.carried = carried;
    body.carriedOmega = carriedOmega;
    AdvanceResult result;
    const double h = dt / subSteps;
    for (int i = 0; i < subSteps; ++i) {
        result.caught = AdvanceOnBase(model, body, h).caught || result.caught;
    }
    const TurntableState& y = body.y;
    const double omega = body.carried ? body.carriedOmega : BaseOmegaOf(model, y);
    result.body = {y[Vx], y[Vy], y[X], y[Y], omega};
    result.carried = body.carried;
    result.carriedOmega = body.carriedOmega;
    return result;
}

Vec2 LaunchVelocity(const ExplorerState& state, const ExplorerControls& controls)
{
    const double unit = state.StartRadius * state.StartOmega;
    const int vx = controls.foucault == FoucaultMode::Textbook ? 0 : controls.vxValue;
    return {vx * unit, controls.vyValue * unit};
}

double ExplorerAngularMomentum(const ExplorerState& state)
{
    const auto n = static_cast<std::size_t>(state.StepIndex);
    const double x = state.PathX[n];
    const double y = state.PathY[n];
    const Vec2 v = state.BodyVelocity;
    return state.BaseInertia * state.ExplorerOmega - state.Mass * (x * v.y - y * v.x);
}

void ResetExplorer(ExplorerState& state, const ExplorerControls& controls)
{
    state.BaseAngle = 0.0;
    state.StepIndex = 0;
    state.ElapsedTime = 0.0;
    state.StuckToBase = false;
    state.Mass = controls.massValue / 2.0;
    state.StartOmega = state.StartRadius / 2.0;
    state.ExplorerOmega = state.StartOmega;
    state.BodyVelocity = LaunchVelocity(state, controls);
    state.Launch = state.BodyVelocity;
    state.VelocityHistory[0] = state.BodyVelocity;
    state.AngleHistory[0] = 0.0;
    state.OmegaHistory[0] = state.ExplorerOmega;
    state.PathX[0] = 0.0;
    state.PathY[0] = state.StartRadius;
    state.PathXR[0] = 0.0;
    state.PathYR[0] = state.StartRadius;
    state.TotalAngularMomentum = ExplorerAngularMomentum(state);
}

void ChangeBaseChoice(ExplorerState& state)
{
    state.TotalAngularMomentum = ExplorerAngularMomentum(state);
}

ModelParameters ExplorerModel(const ExplorerState& state, const ExplorerControls& controls)
{
    ModelParameters model;
    model.Mass = controls.massValue / 2.0;
    model.FrictionDecel = controls.Friction() ? 1.0 : 0.0;
    model.BaseInertia = state.BaseInertia;
    model.InitialOmega = state.StartOmega;
    model.InitialRadius = state.StartRadius;
    model.TotalAngularMomentum = state.TotalAngularMomentum;
    model.BaseOmega = state.ExplorerOmega;
    model.BaseFree = controls.baseChoice == BaseChoice::ConstantAngularMomentum;
    model.PendulumStiffness = controls.foucault == FoucaultMode::Off ? 0.0 : FoucaultStiffness;
    return model;
}

TurntableState ExplorerBodyState(const ExplorerState& state)
{
    const auto n = static_cast<std::size_t>(state.StepIndex);
    return {state.BodyVelocity.x,
            state.BodyVelocity.y,
            state.PathX[n],
            state.PathY[n],
            0.0,
            state.ExplorerOmega,
            state.BaseAngle,
            0.0,
            0.0,
            0.0};
}

Vec2 ExplorerFriction(const ExplorerState& state, const ExplorerControls& controls)
{
    if (!controls.Friction()) {
        return {};
    }
    const Vec2 a = FrictionAcceleration(ExplorerModel(state, controls), ExplorerBodyState(state));
    return {state.Mass * a.x, state.Mass * a.y};
}

double BaseAngularAcceleration(const ExplorerState& state, const ExplorerControls& controls)
{
    if (controls.baseChoice != BaseChoice::ConstantAngularMomentum || state.StuckToBase) {
        return 0.0;
    }
    return TurntableRates(ExplorerModel(state, controls),
                          ExplorerBodyState(state))[OmegaByEquations];
}

StepOutcome AdvanceExplorer(ExplorerState& state, const ExplorerControls& controls)
{
    StepOutcome outcome;
    if (state.StepIndex >= MaxExplorerSteps) {
        return outcome;
    }
    const bool pendulum = controls.foucault != FoucaultMode::Off;
    if (state.StepIndex == 0) {
        // The body is launched now, with what the scroll bars show at this moment.
        state.Mass = controls.massValue / 2.0;
        state.BodyVelocity = LaunchVelocity(state, controls);
        state.Launch = state.BodyVelocity;
        state.ExplorerOmega = state.StartOmega;
        state.VelocityHistory[0] = state.BodyVelocity;
        state.OmegaHistory[0] = state.ExplorerOmega;
        state.TotalAngularMomentum = ExplorerAngularMomentum(state);
    }
    const int n = ++state.StepIndex;
    state.StepInterval = pendulum ? 0.01 : 0.1;
    const double dt = state.StepInterval;
    state.ElapsedTime = n * dt;
    state.Mass = controls.massValue / 2.0;
    state.FrictionDecel = controls.Friction() ? 1.0 : 0.0;
    state.PendulumStiffness = pendulum ? FoucaultStiffness : 0.0;

    const auto previous = static_cast<std::size_t>(n - 1);
    double x = state.PathX[previous];
    double y = state.PathY[previous];
    Vec2& v = state.BodyVelocity;

    if (!controls.Friction() && !pendulum) {
        // Nothing acts on the body: the first law.
        x += v.x * dt;
        y += v.y * dt;
        state.StuckToBase = false;
    } else {
        const AdvanceResult r =
            AdvanceBodyOnBase(ExplorerModel(state, controls), {v.x, v.y, x, y, state.ExplorerOmega},
                              state.StuckToBase, state.StuckOmega, dt, ExplorerSubSteps);
        x = r.body.x;
        y = r.body.y;
        v = {r.body.vx, r.body.vy};
        state.StuckToBase = r.carried;
        state.StuckOmega = r.carriedOmega;
        outcome.beep = r.caught;
        if (controls.Friction()) {
            state.ExplorerOmega = r.body.omega;
        }
    }

    state.BaseAngle += state.ExplorerOmega * dt;
    const auto i = static_cast<std::size_t>(n);
    state.PathX[i] = x;
    state.PathY[i] = y;
    const Vec2 rotating = IntoRotatingAxes({x, y}, state.BaseAngle);
    state.PathXR[i] = rotating.x;
    state.VelocityHistory[i] = state.BodyVelocity;
    state.AngleHistory[i] = state.BaseAngle;
    state.OmegaHistory[i] = state.ExplorerOmega;
    state.PathYR[i] = rotating.y;
    outcome.advanced = true;
    return outcome;
}

} // namespace ttl
