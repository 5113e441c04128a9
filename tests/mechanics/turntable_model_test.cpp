#include "mechanics/turntable_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ttl {
namespace {

using namespace state_index;

ModelParameters Params(double omega, double mug, bool free = false)
{
    ModelParameters p;
    p.Mass = 0.5;
    p.FrictionDecel = mug;
    p.BaseInertia = 10.0;
    p.InitialOmega = omega;
    p.BaseOmega = omega;
    p.BaseFree = free;
    p.TotalAngularMomentum = (p.BaseInertia + p.Mass) * omega;
    return p;
}

// A body at rest on the base: static friction gives it what keeps it there, m*omega^2*r toward
// the axis (against the pendulum's pull, if any), but never more than mu*g; beyond that kinetic
// friction mu*g acts in the same direction.
TEST(TurntableRates, AtRestOnTheBaseFrictionIsWhatHoldsTheBodyButNoMoreThanMuG)
{
    struct Case {
        const char* what;
        double y, mug, stiffness, expectedAy;
    };
    const Case cases[] = {
        {"held at r = 1", 1.0, 5.0, 0.0, -4.0},
        {"held exactly at the limit", 1.0, 4.0, 0.0, -4.0},
        {"too fast for friction: slides", 1.0, 1.0, 0.0, -1.0},
        {"no friction: no force at all", 1.0, 0.0, 0.0, 0.0},
        {"held at r = 2 needs omega^2 r", 2.0, 10.0, 0.0, -8.0},
        {"pendulum pull beyond friction", 0.5, 1.0, 40.0, 1.0 - 20.0},
        {"on the axis nothing is needed", 0.0, 1.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        ModelParameters p = Params(2.0, c.mug, true);
        p.PendulumStiffness = c.stiffness;
        p.TotalAngularMomentum = (p.BaseInertia + p.Mass * c.y * c.y) * 2.0;
        // moving with the base's point: (omega*y, 0) at (0, y)
        const TurntableState y{2.0 * c.y, 0.0, 0.0, c.y, 0.0, 2.0, 0.0};
        const TurntableState rate = TurntableRates(p, y);
        EXPECT_DOUBLE_EQ(rate[Vx], 0.0) << c.what;
        EXPECT_DOUBLE_EQ(rate[Vy], c.expectedAy) << c.what;
        EXPECT_DOUBLE_EQ(rate[OmegaByEquations], 0.0) << c.what; // a radial force: no torque
        EXPECT_DOUBLE_EQ(rate[FrictionWork], 0.0) << c.what;     // perpendicular to v
        EXPECT_DOUBLE_EQ(rate[WorkFrictionRotating], 0.0) << c.what;
        EXPECT_EQ(StaticFrictionHolds(p, {0.0, c.y}, 2.0),
                  std::abs(c.expectedAy + c.stiffness * c.y + 4.0 * c.y) < 1e-12)
            << c.what;
    }
}

TEST(TurntableRates, KineticFrictionOfFullMagnitudeOpposesTheRelativeVelocity)
{
    // At rest in the inertial frame at (0, 1): the base slides under the body with (2, 0), so
    // relative to the base the body moves with (-2, 0) and friction drags it along +x.
    const TurntableState y{0.0, 0.0, 0.0, 1.0, 0.0, 2.0, 0.0};
    const TurntableState rate = TurntableRates(Params(2.0, 1.5), y);
    EXPECT_DOUBLE_EQ(rate[Vx], 1.5);
    EXPECT_DOUBLE_EQ(rate[Vy], 0.0);
}

TEST(TurntableRates, WithoutFrictionASlidingBodyHasNoAcceleration)
{
    const TurntableState y{3.0, -1.0, 0.5, 1.2, 0.0, 2.0, 0.0};
    const TurntableState rate = TurntableRates(Params(2.0, 0.0), y);
    EXPECT_DOUBLE_EQ(rate[Vx], 0.0);
    EXPECT_DOUBLE_EQ(rate[Vy], 0.0);
}

TEST(TurntableRates, ADrivenBaseKeepsItsAngularVelocity)
{
    const TurntableState y{3.0, 1.0, 0.0, 1.5, 0.0, 2.0, 0.0};
    const TurntableState rate = TurntableRates(Params(2.0, 1.0, false), y);
    EXPECT_DOUBLE_EQ(rate[OmegaByEquations], 0.0);
    EXPECT_DOUBLE_EQ(rate[BaseAngle], 2.0);
}

TEST(TurntableRates, AFreeBaseSlowsWhileTheBodySlidesOutward)
{
    // Moving outward along +y at (0, 1.5) while the base's point there moves with (3, 0).
    const TurntableState y{2.0, 1.0, 0.0, 1.5, 0.0, 2.0, 0.0};
    const TurntableState rate = TurntableRates(Params(2.0, 1.0, true), y);
    EXPECT_LT(rate[OmegaByEquations], 0.0);
    // Friction pulls the body forward, so it gains energy from the base.
    EXPECT_GT(rate[FrictionWork], 0.0);
}

TEST(TurntableRates, ThePendulumPullActsTowardTheCentre)
{
    ModelParameters p = Params(2.0, 0.0);
    p.PendulumStiffness = 40.0;
    const TurntableState y{0.0, 1.0, 0.0, 0.5, 0.0, 2.0, 0.0};
    const TurntableState rate = TurntableRates(p, y);
    EXPECT_DOUBLE_EQ(rate[Vx], 0.0);
    EXPECT_DOUBLE_EQ(rate[Vy], -20.0);
}

TEST(BaseOmegaByMomentum, ConservesTheTotalAngularMomentumOfAFreeBase)
{
    const ModelParameters p = Params(2.0, 1.0, true);
    // at the start: omega0
    EXPECT_DOUBLE_EQ(BaseOmegaByMomentum(p, {2.0, 0.0, 0.0, 1.0, 0, 0, 0}), 2.0);
    // the body's clockwise momentum m*(y*vx - x*vy) = 0.5*2*3 = 3 leaves (10.5*2 - 3)/10
    EXPECT_DOUBLE_EQ(BaseOmegaByMomentum(p, {3.0, 0.0, 0.0, 2.0, 0, 0, 0}), 1.8);
    // a driven base keeps omega0 whatever the body does
    EXPECT_DOUBLE_EQ(BaseOmegaByMomentum(Params(2.0, 1.0, false), {3.0, 0.0, 0.0, 2.0, 0, 0, 0}), 2.0);
}

} // namespace
} // namespace ttl
