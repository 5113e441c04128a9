#include "turntable/simulation_run.h"

#include "turntable/fehlberg_step.h"
#include "turntable/turntable_model.h"

#include <algorithm>
#include <cmath>

namespace ttl {

using namespace state_index;

void SimulationSeries::Resize(std::size_t size)
{
    for (auto* s :
         {&VelocityInertialX, &VelocityInertialY, &PositionInertialX, &PositionInertialY,
          &BaseOmegaByEquations, &BaseOmegaByMomentum, &BaseAngle, &PositionRotatingX,
          &PositionRotatingY, &VelocityRotatingX, &VelocityRotatingY, &WorkFrictionRotating,
          &WorkCentrifugal, &WorkBaseAcceleration, &WorkTotalRotating, &WorkFrictionInertial}) {
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

// Adds the work done during step i, the rectangle rule on the state at its end.
void AccumulateWork(SimulationSeries& s, std::size_t i, const ModelParameters& model,
                    const TurntableState& y, double dt)
{
    const double m = model.Mass;
    const double mug = model.FrictionDecel;
    const double omega = model.BaseOmega;
    const Vec2 rel = RelativeVelocity(y, omega);
    const double relSpeed = std::sqrt(rel.x * rel.x + rel.y * rel.y);
    const Vec2 q{s.PositionRotatingX[i], s.PositionRotatingY[i]};
    const Vec2 u{s.VelocityRotatingX[i], s.VelocityRotatingY[i]};
    const bool sliding = u.x != 0.0 || u.y != 0.0;

    double friction = 0.0;
    double baseAcceleration = 0.0;
    double frictionInertial = 0.0;
    if (relSpeed > 0.0) {
        frictionInertial = -mug * m * (rel.x * y[Vx] + rel.y * y[Vy]) / relSpeed * dt;
    }
    if (sliding && relSpeed > 0.0) {
        friction = -mug * m * relSpeed * dt;
        // alpha = d(omega)/dt: the torque of the body's friction on a free base over I.
        const double alpha = model.BaseInertia == 0.0
                                 ? 0.0
                                 : model.BaseInfluenced * m * mug * (y[Y] * rel.x - y[X] * rel.y) /
                                       (model.BaseInertia * relSpeed);
        // Power of the force m*alpha*(-y', x') on the relative motion.
        baseAcceleration = m * alpha * (y[X] * rel.y - y[Y] * rel.x) * dt;
    }
    s.WorkFrictionRotating[i] = s.WorkFrictionRotating[i - 1] + friction;
    s.WorkCentrifugal[i] =
        s.WorkCentrifugal[i - 1] + m * omega * omega * (q.x * u.x + q.y * u.y) * dt;
    s.WorkBaseAcceleration[i] = s.WorkBaseAcceleration[i - 1] + baseAcceleration;
    s.WorkFrictionInertial[i] = s.WorkFrictionInertial[i - 1] + frictionInertial;
    s.WorkTotalRotating[i] =
        s.WorkFrictionRotating[i] + s.WorkCentrifugal[i] + s.WorkBaseAcceleration[i];
}

} // namespace

double KineticEnergyInertial(const SimulationResult& run, std::size_t i)
{
    const SimulationSeries& s = run.series;
    return 0.5 * run.Mass *
           (s.VelocityInertialX[i] * s.VelocityInertialX[i] +
            s.VelocityInertialY[i] * s.VelocityInertialY[i]);
}

double KineticEnergyRotating(const SimulationResult& run, std::size_t i)
{
    const SimulationSeries& s = run.series;
    return 0.5 * run.Mass *
           (s.VelocityRotatingX[i] * s.VelocityRotatingX[i] +
            s.VelocityRotatingY[i] * s.VelocityRotatingY[i]);
}

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
    result.PeriodCount = Clamp(inputs.periodCount, c::PeriodCount);
    result.Mass = params.Mass;
    result.FrictionDecel = params.FrictionDecel;
    result.InitialOmega = params.InitialOmega;
    result.BaseInfluenced = inputs.baseInfluenced;
    result.intervalValue = Clamp(inputs.intervalValue, c::Interval);
    result.TotalTime = result.PeriodCount * pi / 4.0;
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
        if (result.restStep) {
            // Caught by the free base: static friction carries the body round with it.
            const Vec2 p = TurnedClockwise({state[X], state[Y]}, model.BaseOmega * result.TimeStep);
            state[X] = p.x;
            state[Y] = p.y;
            state[Vx] = model.BaseOmega * p.y;
            state[Vy] = -model.BaseOmega * p.x;
        } else {
            FehlbergStep(rates, 0.0, state, result.TimeStep, state, 6);
            // The next step turns the base at the rate the conserved angular momentum allows.
            model.BaseOmega = BaseOmegaByMomentum(model, state);
        }
        const Vec2 rel = RelativeVelocity(state, model.BaseOmega);
        if (model.BaseInfluenced == 1 && i > 20 && !result.restStep &&
            rel.x * rel.x + rel.y * rel.y < 0.0001) {
            // At rest on the base: both turn on together at the rate that keeps L0.
            result.restStep = static_cast<int>(i);
            const double r2 = state[X] * state[X] + state[Y] * state[Y];
            model.BaseOmega = model.TotalAngularMomentum / (model.BaseInertia + model.Mass * r2);
            state[Vx] = model.BaseOmega * state[Y];
            state[Vy] = -model.BaseOmega * state[X];
        }
        theta += model.BaseOmega * result.TimeStep;
        Store(s, i, state, model.BaseOmega, theta);
        AccumulateWork(s, i, model, state, result.TimeStep);
    }
    params.BaseOmega = model.BaseOmega;
    return result;
}

} // namespace ttl
