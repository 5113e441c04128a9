#include "mechanics/base_contact.h"
#include "turntable/simulation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace ttl {
namespace {

using namespace state_index;

SimulationResult RunWith(int mass, int friction, int interval, int periods, bool influenced)
{
    return RunSimulation(SimulationInputs{mass, friction, interval, periods, influenced});
}

// The parameters a run integrates with, for integrating from a state of our choosing.
ModelParameters RunModel(int mass, int friction, bool influenced)
{
    return SimulationModel(SimulationInputs{mass, friction, 5, 1, influenced});
}

BaseContact AtRestOnTheBase(const ModelParameters& p)
{
    const double w = p.InitialOmega;
    return {{w, 0.0, 0.0, 1.0, 0.0, w, 0.0, 0.0, 0.0, 0.0}, false};
}

BaseContact Integrate(const ModelParameters& p, BaseContact body, double dt, int steps)
{
    for (int i = 0; i < steps; ++i) {
        AdvanceOnBase(p, body, dt);
    }
    return body;
}

TEST(CoupledRun, WithoutFrictionTheInertialOrbitIsExactlyTheTangentLine)
{
    for (bool influenced : {false, true}) {
        const SimulationResult run = RunWith(1, 0, 1, 40, influenced);
        ASSERT_EQ(run.StepCount, 5000);
        const SimulationSeries& s = run.series;
        for (std::size_t i = 0; i < s.PositionInertialX.size(); ++i) {
            const double t = static_cast<double>(i) * run.TimeStep;
            ASSERT_NEAR(s.PositionInertialX[i], 2.0 * t, 1e-9) << "step " << i;
            ASSERT_NEAR(s.PositionInertialY[i], 1.0, 1e-9) << "step " << i;
        }
        EXPECT_FALSE(run.restStep.has_value());
    }
}

// A free base over a sweep of the screen's settings: omega keeps its sign, the two ways of
// getting it agree at every step, and whether and where the body is caught does not depend on
// the interval bar.
TEST(CoupledRun, AFreeBaseNeitherChattersNorDependsOnTheIntervalForItsCatch)
{
    int caught = 0;
    for (int mass = 1; mass <= 20; mass += 2) {
        for (int friction = 1; friction <= 10; ++friction) {
            for (int periods : {10, 40}) {
                const SimulationResult fine = RunWith(mass, friction, 1, periods, true);
                const SimulationResult coarse = RunWith(mass, friction, 10, periods, true);
                const std::string where = "mass " + std::to_string(mass) + " friction " +
                                          std::to_string(friction) + " total " +
                                          std::to_string(periods);
                for (const SimulationResult* run : {&fine, &coarse}) {
                    const SimulationSeries& s = run->series;
                    for (std::size_t i = 0; i < s.BaseOmegaByMomentum.size(); ++i) {
                        ASSERT_GT(s.BaseOmegaByMomentum[i], 0.0) << where << " step " << i;
                        ASSERT_NEAR(s.BaseOmegaByEquations[i], s.BaseOmegaByMomentum[i], 1e-8)
                            << where << " step " << i;
                    }
                }
                ASSERT_EQ(fine.restStep.has_value(), coarse.restStep.has_value()) << where;
                if (!fine.restStep) {
                    continue;
                }
                ++caught;
                EXPECT_NEAR(fine.restTime, coarse.restTime, 1e-3) << where;
                const SimulationSeries& a = fine.series;
                const SimulationSeries& b = coarse.series;
                EXPECT_NEAR(a.PositionRotatingX.back(), b.PositionRotatingX.back(), 1e-4) << where;
                EXPECT_NEAR(a.PositionRotatingY.back(), b.PositionRotatingY.back(), 1e-4) << where;
            }
        }
    }
    EXPECT_GT(caught, 20); // the sweep does exercise the catch
}

TEST(CoupledRun, ACaughtBodyRestsWhereStaticFrictionCanHoldIt)
{
    // The reproduction: a heavy body on a free base with little friction.
    const SimulationResult run = RunWith(20, 1, 5, 40, true);
    ASSERT_TRUE(run.restStep.has_value());
    const auto rest = static_cast<std::size_t>(*run.restStep);
    const SimulationSeries& s = run.series;
    const double omega = s.BaseOmegaByMomentum.back();
    const double r = std::hypot(s.PositionInertialX.back(), s.PositionInertialY.back());
    EXPECT_LE(omega * omega * r, run.FrictionDecel);
    // L0 = (I + m r^2) omega while base and body turn together
    EXPECT_NEAR((10.0 + run.Mass * r * r) * omega, (10.0 + run.Mass) * 2.0, 1e-9);
    EXPECT_EQ(s.BaseOmegaByEquations.back(), omega);
    for (std::size_t i = rest; i < s.PositionRotatingX.size(); ++i) {
        EXPECT_NEAR(s.PositionRotatingX[i], s.PositionRotatingX[rest], 1e-9);
        EXPECT_NEAR(s.PositionRotatingY[i], s.PositionRotatingY[rest], 1e-9);
    }
}

TEST(CoupledRun, IsFourthOrderAndItsFirstStepFromRestIsResolved)
{
    const ModelParameters p = RunModel(4, 10, true);
    // A sliding state, away from the start at rest where friction's direction is undefined.
    const BaseContact sliding = Integrate(p, AtRestOnTheBase(p), 0.0005, 1000);
    ASSERT_FALSE(sliding.carried);
    const BaseContact reference = Integrate(p, sliding, 0.0125, 160);
    const auto error = [&](double dt) {
        const BaseContact end = Integrate(p, sliding, dt, static_cast<int>(std::lround(2.0 / dt)));
        return std::hypot(end.y[X] - reference.y[X], end.y[Y] - reference.y[Y]);
    };
    const double ratio = error(0.1) / error(0.05);
    EXPECT_NEAR(ratio, 16.0, 4.0);

    for (bool influenced : {false, true}) {
        const ModelParameters q = RunModel(1, 10, influenced);
        const BaseContact own = Integrate(q, AtRestOnTheBase(q), 0.004, 786);
        const BaseContact eighth = Integrate(q, AtRestOnTheBase(q), 0.0005, 8 * 786);
        EXPECT_NEAR(own.y[X], eighth.y[X], 1e-6);
        EXPECT_NEAR(own.y[Y], eighth.y[Y], 1e-6);
    }
}

// Change of kinetic energy against the work counted in each frame, at every step.
TEST(CoupledRun, TheWorkEnergyBalanceClosesInBothFrames)
{
    struct Case {
        int mass, friction, periods;
        bool influenced;
    };
    for (const Case c : {Case{1, 10, 4, false}, Case{1, 10, 4, true}, Case{20, 1, 40, true}}) {
        const SimulationResult run = RunWith(c.mass, c.friction, 5, c.periods, c.influenced);
        const SimulationSeries& s = run.series;
        double largest = 0.0;
        for (const auto* w : {&s.WorkFrictionRotating, &s.WorkCentrifugal, &s.WorkBaseAcceleration,
                              &s.WorkFrictionInertial}) {
            for (double v : *w) {
                largest = std::max(largest, std::abs(v));
            }
        }
        for (std::size_t i = 0; i < s.WorkTotalRotating.size(); ++i) {
            const double inertial = KineticEnergyInertial(run, i) - KineticEnergyInertial(run, 0) -
                                    s.WorkFrictionInertial[i];
            const double rotating = KineticEnergyRotating(run, i) - KineticEnergyRotating(run, 0) -
                                    s.WorkTotalRotating[i];
            ASSERT_LE(std::abs(inertial), 1e-6 * largest) << "mass " << c.mass << " step " << i;
            ASSERT_LE(std::abs(rotating), 1e-6 * largest) << "mass " << c.mass << " step " << i;
        }
    }
}

// A heavy body on a light free base: m/I up to 100, beyond the screen's range. Friction then
// matches base and body within a short time that shrinks with the relative speed, so the stop
// takes many sub-steps. The run must stay right throughout: the base never turns backwards,
// the angular momentum of base and body and the work-energy books hold, and the motion agrees
// with an independent fine-step integration.
TEST(CoupledRun, HeavyBodiesOnALightFreeBaseStayRight)
{
    struct Reference { // classic RK4 on (vx, vy, x, y), omega from the conserved momentum
        double m, inertia, mug, l0;
        std::array<double, 4> Rates(const std::array<double, 4>& s) const
        {
            const double omega = (l0 - m * (s[3] * s[0] - s[2] * s[1])) / inertia;
            const double rx = s[0] - omega * s[3];
            const double ry = s[1] + omega * s[2];
            const double speed = std::hypot(rx, ry);
            return {-mug * rx / speed, -mug * ry / speed, s[0], s[1]};
        }
        std::array<double, 4> Advance(std::array<double, 4> s, double t, double h) const
        {
            const auto add = [](std::array<double, 4> a, const std::array<double, 4>& b, double k) {
                for (std::size_t i = 0; i < 4; ++i) {
                    a[i] += k * b[i];
                }
                return a;
            };
            for (double done = 0.0; done < t - 0.5 * h; done += h) {
                const auto k1 = Rates(s);
                const auto k2 = Rates(add(s, k1, h / 2));
                const auto k3 = Rates(add(s, k2, h / 2));
                const auto k4 = Rates(add(s, k3, h));
                for (std::size_t i = 0; i < 4; ++i) {
                    s[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
                }
            }
            return s;
        }
    };
    constexpr double Dt = 0.008;
    constexpr int ComparedStep = 500;
    for (double mass : {10.0, 100.0, 300.0, 1000.0}) {
        ModelParameters p;
        p.Mass = mass;
        p.BaseInertia = 10.0;
        p.FrictionDecel = 0.1;
        p.BaseFree = true;
        p.InitialOmega = p.BaseOmega = 2.0;
        // Sliding from the start: at (0, 1) at half the speed of the base's point.
        p.TotalAngularMomentum = p.BaseInertia * 2.0 + mass * 1.0;
        BaseContact body{{1.0, 0.0, 0.0, 1.0, 0.0, 2.0, 0.0, 0.0, 0.0, 0.0}, false};
        const double ke0 = 0.5 * mass;
        const double relKe0 = 0.5 * mass;
        const Reference reference{mass, p.BaseInertia, p.FrictionDecel, p.TotalAngularMomentum};
        const auto fine = reference.Advance({1.0, 0.0, 0.0, 1.0}, ComparedStep * Dt, 1e-4);
        bool caught = false;
        for (int i = 1; i <= 3200; ++i) {
            caught = AdvanceOnBase(p, body, Dt).caught || caught;
            const TurntableState& y = body.y;
            const std::string where =
                "m/I " + std::to_string(mass / 10.0) + " step " + std::to_string(i);
            const double omega = body.carried ? body.carriedOmega : BaseOmegaOf(p, y);
            ASSERT_GT(omega, 0.0) << where;
            const double bodyMomentum = mass * (y[Y] * y[Vx] - y[X] * y[Vy]);
            ASSERT_NEAR(p.BaseInertia * y[OmegaByEquations] + bodyMomentum, p.TotalAngularMomentum,
                        1e-9 * p.TotalAngularMomentum)
                << where;
            const double largest =
                std::max({std::abs(y[FrictionWork]), std::abs(y[WorkCentrifugal]),
                          std::abs(y[WorkFrictionRotating]), std::abs(y[WorkBaseAcceleration])});
            const Vec2 rel = body.carried ? Vec2{} : RelativeVelocity(y, omega);
            const double ke = 0.5 * mass * (y[Vx] * y[Vx] + y[Vy] * y[Vy]);
            const double relKe = 0.5 * mass * (rel.x * rel.x + rel.y * rel.y);
            ASSERT_LE(std::abs(ke - ke0 - y[FrictionWork]), 1e-6 * largest) << where;
            ASSERT_LE(std::abs(relKe - relKe0 - y[WorkFrictionRotating] - y[WorkCentrifugal] -
                               y[WorkBaseAcceleration]),
                      1e-6 * largest)
                << where;
            if (i == ComparedStep) {
                EXPECT_NEAR(y[X], fine[2], 1e-6) << where;
                EXPECT_NEAR(y[Y], fine[3], 1e-6) << where;
                EXPECT_NEAR(y[Vx], fine[0], 1e-6) << where;
                EXPECT_NEAR(y[Vy], fine[1], 1e-6) << where;
            }
        }
        EXPECT_TRUE(caught) << "m/I " << mass / 10.0;
    }
}

} // namespace
} // namespace ttl
