#pragma once

#include "shell/scroll_range.h"
#include "mechanics/model_parameters.h"

#include <optional>
#include <vector>

namespace ttl {

namespace simulation_controls {
inline constexpr ScrollRange Mass{1, 20, 1};        // massvalue: m = value / 2
inline constexpr ScrollRange Friction{0, 10, 10};   // syntelfri: mu*g = value / 10
inline constexpr ScrollRange Interval{1, 10, 5};    // timeinterval: dt = value / 1250
inline constexpr ScrollRange PeriodCount{1, 40, 4}; // xronosolikos: T = value * pi / 4
} // namespace simulation_controls

// The control values a run reads; out-of-range values are clamped to the scroll-bar ranges.
struct SimulationInputs {
    int massValue = simulation_controls::Mass.initial;
    int frictionValue = simulation_controls::Friction.initial;
    int intervalValue = simulation_controls::Interval.initial;
    int periodCount = simulation_controls::PeriodCount.initial;
    bool baseInfluenced = false;
};

// Index i of every series holds the motion at time i*dt; index 0 is the initial state.
struct SimulationSeries {
    std::vector<double> VelocityInertialX, VelocityInertialY;
    std::vector<double> PositionInertialX, PositionInertialY;
    std::vector<double> BaseOmegaByEquations; // integrated torque equation
    std::vector<double> BaseOmegaByMomentum;  // conservation of angular momentum
    std::vector<double> BaseAngle;
    std::vector<double> PositionRotatingX, PositionRotatingY;
    std::vector<double> VelocityRotatingX, VelocityRotatingY; // relative velocity, rotating axes
    // Work done on the body from the start, in the rotating frame by friction, the centrifugal
    // force and the force due to the base's angular acceleration, and their sum; in the inertial
    // frame by friction.
    std::vector<double> WorkFrictionRotating, WorkCentrifugal, WorkBaseAcceleration;
    std::vector<double> WorkTotalRotating, WorkFrictionInertial;

    void Resize(std::size_t size);
};

struct SimulationResult {
    int StepCount = 0;          // N; the series hold indices 0..N
    double TimeStep = 0.0;      // dt
    double TotalTime = 0.0;     // T
    double StartRadius = 1.0;   // R0
    int PeriodCount = 0;        // P: T = P * pi / 4
    double Mass = 0.0;          // m
    double FrictionDecel = 0.0; // mu * g
    double InitialOmega = 0.0;  // omega0
    bool BaseInfluenced = false;
    int intervalValue = 0; // the timeinterval bar's value; the cap widens dt, not the bar
    bool intervalCapped = false;
    std::optional<int> restStep; // the step in which the base caught the body
    double restTime = 0.0;       // the moment it did, located within that step
    SimulationSeries series;
};

inline constexpr int MaxStepCount = 5000;

// The time step and step count a run with these bars uses: dt = interval / 1250, N = T/dt + 1,
// widened to dt = T / 5000 when N would exceed 5000 steps.
struct RunTiming {
    double totalTime = 0.0; // T = P pi / 4
    double timeStep = 0.0;  // dt
    int stepCount = 0;      // N
    bool capped = false;
};
RunTiming TimingFor(int intervalValue, int periodCount);

// Integrates the body on the turntable from rest on the base at distance R0 = 1 from the axis,
// accumulating the work of every force in both frames as it goes.
SimulationResult RunSimulation(const SimulationInputs& inputs);

// The model a run integrates: the scroll bars' mass and friction, I = 10, omega0 = 2 at R0 = 1,
// L0 from them, and the base free or driven.
ModelParameters SimulationModel(const SimulationInputs& inputs);

// Kinetic energy of the body at step i, in the inertial and in the rotating frame.
double KineticEnergyInertial(const SimulationResult& run, std::size_t i);
double KineticEnergyRotating(const SimulationResult& run, std::size_t i);

} // namespace ttl
