#include "explorer/explorer_model.h"

#include "turntable/fehlberg_step.h"

#include <cmath>

namespace ttl {

using namespace state_index;

BodyOnBase CarriedByBase(Vec2 position, double omega, double time)
{
    const Vec2 p = TurnedClockwise(position, omega * time);
    return {omega * p.y, -omega * p.x, p.x, p.y, omega};
}

AdvanceResult AdvanceBodyOnBase(const ModelParameters& startModel, BodyOnBase start, double dt,
                                int subSteps, bool mayStick)
{
    ModelParameters model = startModel;
    model.BaseOmega = start.omega;
    const double m = model.Mass;
    const double k = model.PendulumStiffness;
    const double energy = 0.5 * m * (start.vx * start.vx + start.vy * start.vy) +
                          0.5 * k * (start.x * start.x + start.y * start.y);
    TurntableState y{start.vx, start.vy, start.x, start.y, energy, start.omega, 0.0};
    const auto rates = [&model](double, const TurntableState& w) {
        return TurntableRates(model, w);
    };
    const double h = dt / subSteps;
    const bool freeBase = model.BaseInfluenced == 1;

    AdvanceResult result;
    for (int i = 0; i < subSteps; ++i) {
        FehlbergStep(rates, 0.0, y, h, y, 7);
        if (freeBase) {
            model.BaseOmega = BaseOmegaByMomentum(model, y);
        }
        if (mayStick && freeBase) {
            const Vec2 rel = RelativeVelocity(y, model.BaseOmega);
            if (rel.x * rel.x + rel.y * rel.y < 1e-5) {
                // Caught: base and body turn together from here, at the common rate that keeps
                // the total angular momentum, L0 = (I + m r^2) omega.
                const double r2 = y[X] * y[X] + y[Y] * y[Y];
                const double omega = model.TotalAngularMomentum / (model.BaseInertia + m * r2);
                result.stuck = true;
                result.stuckOmega = omega;
                result.body = CarriedByBase({y[X], y[Y]}, omega, (subSteps - i - 1) * h);
                return result;
            }
        }
    }
    result.body = {y[Vx], y[Vy], y[X], y[Y], model.BaseOmega};
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
    state.PathX[0] = 0.0;
    state.PathY[0] = state.StartRadius;
    state.PathXR[0] = 0.0;
    state.PathYR[0] = state.StartRadius;
    state.TotalAngularMomentum = ExplorerAngularMomentum(state);
}

ModelParameters ExplorerModel(const ExplorerState& state, const ExplorerControls& controls,
                              int baseInfluenced)
{
    ModelParameters model;
    model.Mass = controls.massValue / 2.0;
    model.FrictionDecel = controls.Friction() ? 1.0 : 0.0;
    model.BaseInertia = state.BaseInertia;
    model.InitialOmega = state.StartOmega;
    model.InitialRadius = state.StartRadius;
    model.TotalAngularMomentum = state.TotalAngularMomentum;
    model.BaseOmega = state.ExplorerOmega;
    model.BaseInfluenced = baseInfluenced;
    model.PendulumStiffness = controls.foucault == FoucaultMode::Off ? 0.0 : FoucaultStiffness;
    return model;
}

double BaseAngularAcceleration(const ExplorerState& state, const ExplorerControls& controls)
{
    if (controls.baseChoice != BaseChoice::ConstantAngularMomentum || state.StuckToBase) {
        return 0.0;
    }
    const auto n = static_cast<std::size_t>(state.StepIndex);
    const TurntableState y{state.BodyVelocity.x,
                           state.BodyVelocity.y,
                           state.PathX[n],
                           state.PathY[n],
                           0.0,
                           state.ExplorerOmega,
                           0.0};
    return TurntableRates(ExplorerModel(state, controls, 1), y)[OmegaByEquations];
}

StepOutcome AdvanceExplorer(ExplorerState& state, ModelParameters& shared,
                            const ExplorerControls& controls)
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
        state.ExplorerOmega = state.StartOmega;
        state.TotalAngularMomentum = ExplorerAngularMomentum(state);
    }
    const int n = ++state.StepIndex;
    state.StepInterval = pendulum ? 0.01 : 0.1;
    const double dt = state.StepInterval;
    state.ElapsedTime = n * dt;
    state.Mass = controls.massValue / 2.0;
    state.FrictionDecel = controls.Friction() ? 1.0 : 0.0;
    state.PendulumStiffness = pendulum ? FoucaultStiffness : 0.0;
    shared.Mass = state.Mass;
    shared.BaseInertia = state.BaseInertia;
    shared.FrictionDecel = state.FrictionDecel;
    shared.PendulumStiffness = state.PendulumStiffness;

    const auto previous = static_cast<std::size_t>(n - 1);
    double x = state.PathX[previous];
    double y = state.PathY[previous];
    Vec2& v = state.BodyVelocity;

    if (!controls.Friction() && !pendulum) {
        // Nothing acts on the body: the first law.
        x += v.x * dt;
        y += v.y * dt;
    } else if (controls.Friction() && state.StuckToBase) {
        // Static friction carries the body round with the base, so neither creeps.
        const BodyOnBase carried = CarriedByBase({x, y}, state.StuckOmega, dt);
        x = carried.x;
        y = carried.y;
        v = {carried.vx, carried.vy};
    } else {
        const double pi = 4.0 * std::atan(1.0);
        const bool mayStick = shared.BaseInfluenced == 1 && !state.StuckToBase &&
                              state.ElapsedTime > pi / (4.0 * state.StartOmega);
        const AdvanceResult r = AdvanceBodyOnBase(
            ExplorerModel(state, controls, shared.BaseInfluenced),
            {v.x, v.y, x, y, state.ExplorerOmega}, dt, ExplorerSubSteps, mayStick);
        x = r.body.x;
        y = r.body.y;
        v = {r.body.vx, r.body.vy};
        if (r.stuck) {
            state.StuckToBase = true;
            state.StuckOmega = r.stuckOmega;
            outcome.beep = true;
        }
        if (controls.Friction()) {
            state.ExplorerOmega = state.StuckToBase ? state.StuckOmega : r.body.omega;
        }
    }

    state.BaseAngle += state.ExplorerOmega * dt;
    const auto i = static_cast<std::size_t>(n);
    state.PathX[i] = x;
    state.PathY[i] = y;
    const Vec2 rotating = IntoRotatingAxes({x, y}, state.BaseAngle);
    state.PathXR[i] = rotating.x;
    state.PathYR[i] = rotating.y;
    outcome.advanced = true;
    return outcome;
}

} // namespace ttl
