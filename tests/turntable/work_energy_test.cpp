#include "turntable/simulation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ttl {
namespace {

SimulationResult RunWith(int interval, bool influenced, int periods = 4, int mass = 1)
{
    SimulationInputs inputs;
    inputs.intervalValue = interval;
    inputs.baseInfluenced = influenced;
    inputs.periodCount = periods;
    inputs.massValue = mass;
    return RunSimulation(inputs);
}

double LargestWork(const SimulationSeries& s)
{
    double largest = 0.0;
    for (const auto* w : {&s.WorkFrictionRotating, &s.WorkCentrifugal, &s.WorkBaseAcceleration,
                          &s.WorkFrictionInertial}) {
        for (double v : *w) {
            largest = std::max(largest, std::abs(v));
        }
    }
    return largest;
}

// Change of kinetic energy minus the work counted in that frame, at the end of the run.
double InertialResidual(const SimulationResult& run)
{
    const auto n = static_cast<std::size_t>(run.StepCount);
    return KineticEnergyInertial(run, n) - KineticEnergyInertial(run, 0) -
           run.series.WorkFrictionInertial[n];
}

double RotatingResidual(const SimulationResult& run)
{
    const auto n = static_cast<std::size_t>(run.StepCount);
    return KineticEnergyRotating(run, n) - KineticEnergyRotating(run, 0) -
           run.series.WorkTotalRotating[n];
}

TEST(WorkAndEnergy, TheInertialBooksCloseAndTheResidualShrinksWithTheStep)
{
    const SimulationResult coarse = RunWith(5, false); // dt = 0.004
    const SimulationResult fine = RunWith(1, false);   // dt = 0.0008
    const double coarseResidual = std::abs(InertialResidual(coarse));
    const double fineResidual = std::abs(InertialResidual(fine));
    EXPECT_LT(coarseResidual, 0.01 * LargestWork(coarse.series));
    EXPECT_LT(fineResidual, coarseResidual / 3.0);
    RecordProperty("inertial_residual_dt_0_004", std::to_string(coarseResidual));
    RecordProperty("inertial_residual_dt_0_0008", std::to_string(fineResidual));
}

TEST(WorkAndEnergy, TheRotatingBooksCloseOnlyWithTheBaseAccelerationWork)
{
    for (int mass : {1, 6}) {
        const SimulationResult coarse = RunWith(5, true, 4, mass);
        const SimulationResult fine = RunWith(1, true, 4, mass);
        const double coarseResidual = std::abs(RotatingResidual(coarse));
        const double fineResidual = std::abs(RotatingResidual(fine));
        EXPECT_LT(coarseResidual, 0.01 * LargestWork(coarse.series)) << "mass value " << mass;
        EXPECT_LT(fineResidual, coarseResidual / 3.0) << "mass value " << mass;
        // without the force due to the base's angular acceleration the books do not close
        const auto n = static_cast<std::size_t>(coarse.StepCount);
        EXPECT_GT(std::abs(coarse.series.WorkBaseAcceleration[n]), 10.0 * coarseResidual);
        RecordProperty("rotating_residual_dt_0_004_mass_" + std::to_string(mass),
                       std::to_string(coarseResidual));
        RecordProperty("rotating_residual_dt_0_0008_mass_" + std::to_string(mass),
                       std::to_string(fineResidual));
    }
}

TEST(WorkAndEnergy, ADrivenBaseDoesNoWorkThroughItsAcceleration)
{
    const SimulationResult run = RunWith(5, false);
    for (double w : run.series.WorkBaseAcceleration) {
        EXPECT_EQ(w, 0.0);
    }
    EXPECT_LT(std::abs(RotatingResidual(run)), 0.01 * LargestWork(run.series));
}

TEST(WorkAndEnergy, WhileTheBodyRestsOnTheBaseItsRotatingWorkStaysConstant)
{
    const SimulationResult run = RunWith(5, true, 40);
    ASSERT_TRUE(run.restStep.has_value());
    const auto rest = static_cast<std::size_t>(*run.restStep);
    const SimulationSeries& s = run.series;
    for (std::size_t i = rest + 1; i < s.WorkFrictionRotating.size(); ++i) {
        EXPECT_EQ(s.WorkFrictionRotating[i], s.WorkFrictionRotating[rest]);
        EXPECT_EQ(s.WorkBaseAcceleration[i], s.WorkBaseAcceleration[rest]);
        EXPECT_EQ(s.VelocityRotatingX[i], 0.0);
    }
    // and the base turns on with the body at one steady rate (to the rounding of the turns)
    EXPECT_NEAR(s.BaseOmegaByMomentum.back(), s.BaseOmegaByMomentum[rest],
                1e-12 * s.BaseOmegaByMomentum[rest]);
}

TEST(WorkAndEnergy, TheTotalIsTheSumOfTheRotatingFrameWorks)
{
    const SimulationResult run = RunWith(5, true);
    const SimulationSeries& s = run.series;
    for (std::size_t i = 0; i < s.WorkTotalRotating.size(); ++i) {
        EXPECT_DOUBLE_EQ(s.WorkTotalRotating[i], s.WorkFrictionRotating[i] + s.WorkCentrifugal[i] +
                                                     s.WorkBaseAcceleration[i]);
    }
    EXPECT_EQ(s.WorkTotalRotating[0], 0.0);
}

} // namespace
} // namespace ttl
