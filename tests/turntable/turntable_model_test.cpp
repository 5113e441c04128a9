#include "turntable/turntable_model.h"

#include <gtest/gtest.h>

namespace ttl {
namespace {

using namespace state_index;

ModelParameters Params(double omega, double mug, int influenced = 0)
{
    ModelParameters p;
    p.Mass = 0.5;
    p.FrictionDecel = mug;
    p.BaseInertia = 10.0;
    p.InitialOmega = omega;
    p.BaseOmega = omega;
    p.BaseInfluenced = influenced;
    p.TotalAngularMomentum = (p.BaseInertia + p.Mass) * omega;
    return p;
}

TEST(TurntableRates, ABodyCarriedByTheBaseGetsTheCentripetalAcceleration)
{
    const TurntableState y{2.0, 0.0, 0.0, 1.0, 0.0, 2.0, 0.0};
    const Vec2 rel = RelativeVelocity(y, 2.0);
    EXPECT_EQ(rel.x, 0.0);
    EXPECT_EQ(rel.y, 0.0);
    const TurntableState rate = TurntableRates(Params(2.0, 1.0, 1), y);
    EXPECT_DOUBLE_EQ(rate[Vx], 0.0);
    EXPECT_DOUBLE_EQ(rate[Vy], -4.0);
    EXPECT_DOUBLE_EQ(rate[X], 2.0);
    EXPECT_DOUBLE_EQ(rate[Y], 0.0);
    EXPECT_DOUBLE_EQ(rate[FrictionWork], 0.0); // no sliding, no work
    EXPECT_DOUBLE_EQ(rate[OmegaByEquations], 0.0);
}

TEST(TurntableRates, TheRestingAccelerationPointsToTheAxisWithMagnitudeOmegaSquared)
{
    const TurntableState y{4.0, 0.0, 0.0, 2.0, 0.0, 2.0, 0.0};
    EXPECT_DOUBLE_EQ(TurntableRates(Params(2.0, 1.0), y)[Vy], -4.0);
    // on the axis itself there is no direction to pull in
    const TurntableState centre{0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0};
    EXPECT_DOUBLE_EQ(TurntableRates(Params(2.0, 1.0), centre)[Vx], 0.0);
    EXPECT_DOUBLE_EQ(TurntableRates(Params(2.0, 1.0), centre)[Vy], 0.0);
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
    const TurntableState rate = TurntableRates(Params(2.0, 1.0, 0), y);
    EXPECT_DOUBLE_EQ(rate[OmegaByEquations], 0.0);
    EXPECT_DOUBLE_EQ(rate[BaseAngle], 2.0);
}

TEST(TurntableRates, AFreeBaseSlowsWhileTheBodySlidesOutward)
{
    // Moving outward along +y at (0, 1.5) while the base's point there moves with (3, 0).
    const TurntableState y{2.0, 1.0, 0.0, 1.5, 0.0, 2.0, 0.0};
    const TurntableState rate = TurntableRates(Params(2.0, 1.0, 1), y);
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
    const ModelParameters p = Params(2.0, 1.0, 1);
    // at the start: omega0
    EXPECT_DOUBLE_EQ(BaseOmegaByMomentum(p, {2.0, 0.0, 0.0, 1.0, 0, 0, 0}), 2.0);
    // the body's clockwise momentum m*(y*vx - x*vy) = 0.5*2*3 = 3 leaves (10.5*2 - 3)/10
    EXPECT_DOUBLE_EQ(BaseOmegaByMomentum(p, {3.0, 0.0, 0.0, 2.0, 0, 0, 0}), 1.8);
    // a driven base keeps omega0 whatever the body does
    EXPECT_DOUBLE_EQ(BaseOmegaByMomentum(Params(2.0, 1.0, 0), {3.0, 0.0, 0.0, 2.0, 0, 0, 0}), 2.0);
}

} // namespace
} // namespace ttl
