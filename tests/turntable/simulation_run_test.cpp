#include "turntable/simulation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ttl {
namespace {

constexpr double Pi = std::numbers::pi;

bool AllFinite(const SimulationSeries& s)
{
    for (const auto* series :
         {&s.VelocityInertialX, &s.VelocityInertialY, &s.PositionInertialX, &s.PositionInertialY,
          &s.BaseOmegaByEquations, &s.BaseOmegaByMomentum, &s.BaseAngle, &s.PositionRotatingX,
          &s.PositionRotatingY, &s.VelocityRotatingX, &s.VelocityRotatingY}) {
        if (!std::all_of(series->begin(), series->end(),
                         [](double v) { return std::isfinite(v); })) {
            return false;
        }
    }
    return true;
}

TEST(RunSimulation, TheScreenDefaultsTurnTheBaseOnceInAboutPi)
{
    const SimulationResult run = RunSimulation(SimulationInputs{});
    const ModelParameters params = SimulationModel(SimulationInputs{});
    EXPECT_DOUBLE_EQ(params.PendulumStiffness, 0.0);
    EXPECT_DOUBLE_EQ(params.Mass, 0.5);
    EXPECT_DOUBLE_EQ(params.FrictionDecel, 1.0);
    EXPECT_DOUBLE_EQ(params.BaseInertia, 10.0);
    EXPECT_DOUBLE_EQ(params.TotalAngularMomentum, 21.0);
    EXPECT_FALSE(params.BaseFree);
    EXPECT_DOUBLE_EQ(run.TimeStep, 0.004);
    EXPECT_DOUBLE_EQ(run.TotalTime, Pi);
    EXPECT_EQ(run.StepCount, 786);
    EXPECT_FALSE(run.intervalCapped);
    ASSERT_EQ(run.series.BaseAngle.size(), 787U);
    // a driven base turns at omega0 = 2 throughout: once in T = pi
    for (double omega : run.series.BaseOmegaByMomentum) {
        EXPECT_EQ(omega, 2.0);
    }
    EXPECT_NEAR(run.series.BaseAngle.back(), 2.0 * Pi, 2.0 * run.TimeStep * 2.0);
    EXPECT_TRUE(AllFinite(run.series));
}

TEST(RunSimulation, IndexZeroIsTheBodyAtRestOnTheBase)
{
    const SimulationResult run = RunSimulation(SimulationInputs{});
    const SimulationSeries& s = run.series;
    EXPECT_DOUBLE_EQ(s.PositionInertialX[0], 0.0);
    EXPECT_DOUBLE_EQ(s.PositionInertialY[0], 1.0);
    EXPECT_DOUBLE_EQ(s.VelocityInertialX[0], 2.0);
    EXPECT_DOUBLE_EQ(s.BaseAngle[0], 0.0);
    EXPECT_DOUBLE_EQ(s.VelocityRotatingX[0], 0.0);
    EXPECT_DOUBLE_EQ(s.BaseAngle[1], 2.0 * run.TimeStep);
}

TEST(RunSimulation, ALongRunWithAShortIntervalIsCappedAtFiveThousandSteps)
{
    SimulationInputs inputs;
    inputs.periodCount = 40;
    inputs.intervalValue = 1;
    const SimulationResult run = RunSimulation(inputs);
    EXPECT_EQ(run.StepCount, 5000);
    EXPECT_TRUE(run.intervalCapped);
    EXPECT_EQ(run.intervalValue, 1); // the bar stays where it was set; dt is widened
    EXPECT_DOUBLE_EQ(run.TimeStep, 10.0 * Pi / 5000.0);
    EXPECT_EQ(run.series.PositionInertialX.size(), 5001U);
    EXPECT_TRUE(AllFinite(run.series));
}

TEST(RunSimulation, OutOfRangeInputsAreHeldToTheScrollBarRanges)
{
    const SimulationResult run = RunSimulation(SimulationInputs{-5, 99, 0, 1000, false});
    EXPECT_DOUBLE_EQ(run.Mass, 0.5);
    EXPECT_DOUBLE_EQ(run.FrictionDecel, 1.0);
    EXPECT_DOUBLE_EQ(run.TotalTime, 10.0 * Pi);
    EXPECT_TRUE(AllFinite(run.series));
}

TEST(RunSimulation, TheTwoAngularVelocitiesOfAFreeBaseAgree)
{
    SimulationInputs inputs;
    inputs.baseInfluenced = true;
    const SimulationResult run = RunSimulation(inputs);
    const SimulationSeries& s = run.series;
    double largest = 0.0;
    for (std::size_t i = 0; i < s.BaseOmegaByMomentum.size(); ++i) {
        largest = std::max(largest, std::abs(s.BaseOmegaByEquations[i] - s.BaseOmegaByMomentum[i]));
    }
    EXPECT_LT(largest, 1e-9);
    EXPECT_DOUBLE_EQ(s.BaseOmegaByMomentum.front(), 2.0);
    EXPECT_NEAR(s.BaseOmegaByMomentum.back(), 1.6, 0.1);
    // the base slows all the while the body slides outward
    for (std::size_t i = 2; i < s.BaseOmegaByMomentum.size(); ++i) {
        EXPECT_LE(s.BaseOmegaByMomentum[i], s.BaseOmegaByMomentum[i - 1] + 1e-12);
    }
}

TEST(RunSimulation, WithoutFrictionTheInertialOrbitIsTheTangentAtTheStart)
{
    SimulationInputs inputs;
    inputs.frictionValue = 0;
    const SimulationResult run = RunSimulation(inputs);
    const SimulationSeries& s = run.series;
    // Nothing acts on the body: it keeps the velocity of the base's point at the start.
    const double vx = s.VelocityInertialX[1];
    const double vy = s.VelocityInertialY[1];
    for (std::size_t i = 2; i < s.PositionInertialX.size(); ++i) {
        EXPECT_DOUBLE_EQ(s.VelocityInertialX[i], vx);
        EXPECT_DOUBLE_EQ(s.VelocityInertialY[i], vy);
        const double t = (static_cast<double>(i) - 1.0) * run.TimeStep;
        EXPECT_NEAR(s.PositionInertialX[i], s.PositionInertialX[1] + vx * t, 1e-9);
        EXPECT_NEAR(s.PositionInertialY[i], s.PositionInertialY[1] + vy * t, 1e-9);
    }
    EXPECT_NEAR(vx, 2.0, 1e-3);
    EXPECT_NEAR(vy, 0.0, 0.02);
    // in the rotating frame the body spirals away from the axis
    const std::size_t last = s.PositionRotatingX.size() - 1;
    EXPECT_GT(std::hypot(s.PositionRotatingX[last], s.PositionRotatingY[last]), 3.0);
}

TEST(RunSimulation, ABodyCaughtByAFreeBaseIsReportedOnce)
{
    SimulationInputs inputs;
    inputs.baseInfluenced = true;
    inputs.periodCount = 40;
    const SimulationResult run = RunSimulation(inputs);
    ASSERT_TRUE(run.restStep.has_value());
    EXPECT_GT(*run.restStep, 20);
    const auto i = static_cast<std::size_t>(*run.restStep);
    const double omega = run.series.BaseOmegaByMomentum[i];
    const double relX = run.series.VelocityInertialX[i] - omega * run.series.PositionInertialY[i];
    const double relY = run.series.VelocityInertialY[i] + omega * run.series.PositionInertialX[i];
    EXPECT_LT(relX * relX + relY * relY, 1e-4);
}

TEST(RunSimulation, ADrivenBaseNeverReportsRest)
{
    SimulationInputs inputs;
    inputs.periodCount = 40;
    EXPECT_FALSE(RunSimulation(inputs).restStep.has_value());
}

} // namespace
} // namespace ttl
