#include "turntable/simulation_run.h"

#include "mechanics/base_contact.h"
#include "mechanics/turntable_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

void Store(SimulationSeries& out, std::size_t i, const ModelParameters& model,
           const BaseContact& body)
{
    const TurntableState& y = body.y;
    out.VelocityInertialX[i] = y[Vx];
    out.VelocityInertialY[i] = y[Vy];
    out.PositionInertialX[i] = y[X];
    out.PositionInertialY[i] = y[Y];
    out.BaseOmegaByEquations[i] = y[OmegaByEquations];
    const double omega = body.carried ? body.carriedOmega : BaseOmegaByMomentum(model, y);
    out.BaseOmegaByMomentum[i] = omega;
    const double theta = y[BaseAngle];
    out.BaseAngle[i] = theta;
    const Vec2 position = IntoRotatingAxes({y[X], y[Y]}, theta);
    out.PositionRotatingX[i] = position.x;
    out.PositionRotatingY[i] = position.y;
    const Vec2 velocity =
        body.carried ? Vec2{} : IntoRotatingAxes(RelativeVelocity(y, omega), theta);
    out.VelocityRotatingX[i] = velocity.x;
    out.VelocityRotatingY[i] = velocity.y;
    out.WorkFrictionRotating[i] = y[WorkFrictionRotating];
    out.WorkCentrifugal[i] = y[WorkCentrifugal];
    out.WorkBaseAcceleration[i] = y[WorkBaseAcceleration];
    out.WorkFrictionInertial[i] = y[FrictionWork];
    out.WorkTotalRotating[i] =
        y[WorkFrictionRotating] + y[WorkCentrifugal] + y[WorkBaseAcceleration];
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

RunTiming TimingFor(int intervalValue, int periodCount)
{
    namespace c = simulation_controls;
    constexpr double pi = std::numbers::pi;
    RunTiming timing;
    timing.totalTime = Clamp(periodCount, c::PeriodCount) * pi / 4.0;
    timing.timeStep = Clamp(intervalValue, c::Interval) / 1250.0;
    const long long uncapped = std::llround(timing.totalTime / timing.timeStep + 1.0);
    timing.stepCount = static_cast<int>(std::min<long long>(uncapped, MaxStepCount));
    if (uncapped > MaxStepCount) {
        timing.timeStep = timing.totalTime / MaxStepCount;
        timing.capped = true;
    }
    return timing;
}

ModelParameters SimulationModel(const SimulationInputs& inputs)
{
    namespace c = simulation_controls;
    ModelParameters params;
    params.InitialRadius = 1.0;
    params.Mass = Clamp(inputs.massValue, c::Mass) / 2.0;
    params.InitialOmega = 2.0;
    params.BaseOmega = params.InitialOmega;
    params.BaseInertia = 10.0;
    params.TotalAngularMomentum =
        (params.BaseInertia + params.Mass * params.InitialRadius * params.InitialRadius) *
        params.InitialOmega;
    params.BaseFree = inputs.baseInfluenced;
    params.FrictionDecel = Clamp(inputs.frictionValue, c::Friction) / 10.0;
    // The pendulum pull belongs to the step explorer's Foucault mode, never to this run.
    params.PendulumStiffness = 0.0;
    return params;
}

SimulationResult RunSimulation(const SimulationInputs& inputs)
{
    namespace c = simulation_controls;
    const ModelParameters model = SimulationModel(inputs);
    SimulationResult result;
    result.PeriodCount = Clamp(inputs.periodCount, c::PeriodCount);
    result.Mass = model.Mass;
    result.FrictionDecel = model.FrictionDecel;
    result.InitialOmega = model.InitialOmega;
    result.BaseInfluenced = inputs.baseInfluenced;
    result.intervalValue = Clamp(inputs.intervalValue, c::Interval);
    const RunTiming timing = TimingFor(result.intervalValue, result.PeriodCount);
    result.TotalTime = timing.totalTime;
    result.TimeStep = timing.timeStep;
    result.StepCount = timing.stepCount;
    result.intervalCapped = timing.capped;

    const double r0 = model.InitialRadius;
    result.StartRadius = r0;
    // At rest on the base at (0, R0): moving with the base's point, (omega*R0, 0).
    BaseContact body;
    body.y = {model.BaseOmega * r0, 0.0, 0.0, r0, 0.0, model.BaseOmega, 0.0, 0.0, 0.0, 0.0};
    const auto n = static_cast<std::size_t>(result.StepCount);
    SimulationSeries& s = result.series;
    s.Resize(n + 1);
    Store(s, 0, model, body);

    for (std::size_t i = 1; i <= n; ++i) {
        const ContactEvents events = AdvanceOnBase(model, body, result.TimeStep);
        if (events.caught && !result.restStep) {
            result.restStep = static_cast<int>(i);
            result.restTime = (static_cast<double>(i) - 1.0) * result.TimeStep + events.catchTime;
        }
        Store(s, i, model, body);
    }
    return result;
}

} // namespace ttl
