#include "turntable/simulation_run.h"

#include "turntable/fehlberg_step.h"
#include "turntable/turntable_model.h"

#include <algorithm>
#include <cmath>

namespace ttl {

using namespace state_index;

void SimulationSeries::Resize(std::size_t size)
{
    for (auto* s : {&VelocityInertialX, &VelocityInertialY, &PositionInertialX, &PositionInertialY,
                    &BaseOmegaByEquations, &BaseOmegaByMomentum, &BaseAngle, &PositionRotatingX,
                    &PositionRotatingY, &VelocityRotatingX, &VelocityRotatingY}) {
        s->assign(size, 0.0);
    }
}

namespace {

int Clamp(int value, ScrollRange range)
{
    return std::clamp(value, range.minimum, range.maximum);
}

// omega is the base's angular velocity by conservation of angular momentum after the step.
void Store(SimulationSeries& out, std::size_t i, const TurntableState& y, double omega,
           double theta)
{
    out.VelocityInertialX[i] = y[Vx];
    out.VelocityInertialY[i] = y[Vy];
    out.PositionInertialX[i] = y[X];
    out.PositionInertialY[i] = y[Y];
    out.BaseOmegaByEquations[i] = y[OmegaByEquations];
    out.BaseOmegaByMomentum[i] = omega;
    out.BaseAngle[i] = theta;
    const Vec2 position = IntoRotatingAxes({y[X], y[Y]}, theta);
    out.PositionRotatingX[i] = position.x;
    out.PositionRotatingY[i] = position.y;
    const Vec2 velocity = IntoRotatingAxes(RelativeVelocity(y, omega), theta);
    out.VelocityRotatingX[i] = velocity.x;
    out.VelocityRotatingY[i] = velocity.y;
}

} // namespace

SimulationResult RunSimulation(ModelParameters& params, const SimulationInputs& inputs)
{
    namespace c = simulation_controls;
    const double pi = 4.0 * std::atan(1.0);

    params.InitialRadius = 1.0;
    params.Mass = Clamp(inputs.massValue, c::Mass) / 2.0;
    params.InitialOmega = 2.0;
    params.BaseOmega = params.InitialOmega;
    params.BaseInertia = 10.0;
    params.TotalAngularMomentum =
        (params.BaseInertia + params.Mass * params.InitialRadius * params.InitialRadius) *
        params.InitialOmega;
    params.BaseInfluenced = inputs.baseInfluenced ? 1 : 0;
    params.FrictionDecel = Clamp(inputs.frictionValue, c::Friction) / 10.0;

    SimulationResult result;
    result.intervalValue = Clamp(inputs.intervalValue, c::Interval);
    result.TotalTime = Clamp(inputs.periodCount, c::PeriodCount) * pi / 4.0;
    result.TimeStep = result.intervalValue / 1250.0;
    const long long uncapped = std::llround(result.TotalTime / result.TimeStep + 1.0);
    result.StepCount = static_cast<int>(std::min<long long>(uncapped, MaxStepCount));
    if (uncapped > MaxStepCount) {
        result.TimeStep = result.TotalTime / MaxStepCount;
        result.intervalValue = static_cast<int>(std::lround(result.TimeStep * 1250.0));
        result.intervalCapped = true;
    }

    // The pendulum pull belongs to the step explorer's Foucault mode, never to this run.
    ModelParameters model = params;
    model.PendulumStiffness = 0.0;

    const double r0 = params.InitialRadius;
    result.StartRadius = r0;
    // At rest on the base at (0, R0): moving with the base's point, (omega*R0, 0).
    TurntableState state{model.BaseOmega * r0, 0.0, 0.0, r0, 0.0, model.BaseOmega, 0.0};
    const auto n = static_cast<std::size_t>(result.StepCount);
    SimulationSeries& s = result.series;
    s.Resize(n + 1);
    double theta = 0.0;
    Store(s, 0, state, model.BaseOmega, theta);

    const auto rates = [&model](double, const TurntableState& w) {
        return TurntableRates(model, w);
    };
    for (std::size_t i = 1; i <= n; ++i) {
        FehlbergStep(rates, 0.0, state, result.TimeStep, state, 6);
        // The next step turns the base at the rate the conserved angular momentum allows.
        model.BaseOmega = BaseOmegaByMomentum(model, state);
        theta += model.BaseOmega * result.TimeStep;
        Store(s, i, state, model.BaseOmega, theta);

        const Vec2 rel = RelativeVelocity(state, model.BaseOmega);
        if (model.BaseInfluenced == 1 && i > 20 && !result.restStep &&
            rel.x * rel.x + rel.y * rel.y < 0.0001) {
            result.restStep = static_cast<int>(i);
        }
    }
    params.BaseOmega = model.BaseOmega;
    return result;
}

} // namespace ttl
