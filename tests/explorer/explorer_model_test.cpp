#include "explorer/explorer_model.h"
#include "explorer/explorer_views.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace ttl {
namespace {

constexpr double Pi = std::numbers::pi;

struct Explorer {
    explicit Explorer(ExplorerControls c) : controls(c) { ResetExplorer(state, controls); }
    StepOutcome Step() { return AdvanceExplorer(state, controls); }

    ExplorerControls controls;
    ExplorerState state;
};

ExplorerControls WithFriction(BaseChoice choice)
{
    ExplorerControls c;
    c.check[3] = true;
    c.baseChoice = choice;
    return c;
}

TEST(ExplorerStep, WithoutFrictionTheBodyMovesInAStraightLine)
{
    ExplorerControls controls;
    controls.vxValue = 3;
    controls.vyValue = -1;
    Explorer e(controls);
    for (int n = 1; n <= 40; ++n) {
        ASSERT_TRUE(e.Step().advanced);
        const auto i = static_cast<std::size_t>(n);
        EXPECT_NEAR(e.state.PathX[i], n * 1.5 * 0.1, 1e-12);
        EXPECT_NEAR(e.state.PathY[i], 1.0 - n * 0.5 * 0.1, 1e-12);
        // the rotating observer sees the same points turned back by the base's angle
        const double theta = n * 0.5 * 0.1;
        EXPECT_NEAR(e.state.PathXR[i],
                    e.state.PathX[i] * std::cos(theta) - e.state.PathY[i] * std::sin(theta), 1e-12);
        EXPECT_NEAR(e.state.PathYR[i],
                    e.state.PathX[i] * std::sin(theta) + e.state.PathY[i] * std::cos(theta), 1e-12);
    }
    EXPECT_DOUBLE_EQ(e.state.BodyVelocity.x, 1.5);
    EXPECT_DOUBLE_EQ(e.state.BodyVelocity.y, -0.5);
    EXPECT_DOUBLE_EQ(e.state.ExplorerOmega, 0.5);
}

TEST(ExplorerStep, AFreeBaseConservesTheAngularMomentumAndCatchesTheBodyOnce)
{
    ExplorerControls controls = WithFriction(BaseChoice::ConstantAngularMomentum);
    controls.vxValue = 4;
    Explorer e(controls);
    const double l0 = ExplorerAngularMomentum(e.state);
    int beeps = 0;
    int stuckAt = 0;
    double omegaBefore = e.state.ExplorerOmega;
    for (int n = 1; n <= 200; ++n) {
        const StepOutcome outcome = e.Step();
        beeps += outcome.beep ? 1 : 0;
        if (outcome.beep) {
            stuckAt = n;
        }
        EXPECT_NEAR(ExplorerAngularMomentum(e.state), l0, 1e-6) << "step " << n;
        if (n <= 5) {
            // the body runs ahead of the base and drags it along
            EXPECT_GT(e.state.ExplorerOmega, omegaBefore);
            omegaBefore = e.state.ExplorerOmega;
        }
    }
    EXPECT_EQ(beeps, 1);
    EXPECT_GT(stuckAt * 0.1, Pi / 2.0);
    EXPECT_TRUE(e.state.StuckToBase);
    EXPECT_DOUBLE_EQ(e.state.ExplorerOmega, e.state.StuckOmega);
}

TEST(ExplorerStep, ADrivenBaseNeverCatchesTheBody)
{
    Explorer e(WithFriction(BaseChoice::ConstantAngularVelocity));
    for (int n = 1; n <= 100; ++n) {
        EXPECT_FALSE(e.Step().beep);
    }
    EXPECT_DOUBLE_EQ(e.state.ExplorerOmega, 0.5);
}

TEST(ExplorerStep, StopsWhenTheHistoriesAreFull)
{
    Explorer e(ExplorerControls{});
    for (int n = 1; n <= MaxExplorerSteps; ++n) {
        ASSERT_TRUE(e.Step().advanced);
    }
    const double lastX = e.state.PathX[MaxExplorerSteps];
    EXPECT_FALSE(e.Step().advanced);
    EXPECT_EQ(e.state.StepIndex, MaxExplorerSteps);
    EXPECT_EQ(e.state.PathX[MaxExplorerSteps], lastX);
}

TEST(ExplorerStep, TheLaunchVelocityIsReadAtTheFirstStep)
{
    ExplorerControls controls;
    Explorer e(controls);
    e.controls.vxValue = -2; // moved after the reset, before STEP
    e.Step();
    EXPECT_DOUBLE_EQ(e.state.BodyVelocity.x, -1.0);
    e.controls.vxValue = 6; // later moves do not relaunch
    e.Step();
    EXPECT_DOUBLE_EQ(e.state.BodyVelocity.x, -1.0);
}

class FoucaultTest : public testing::Test {
protected:
    FoucaultTest() { controls.foucault = FoucaultMode::Textbook; }
    ExplorerControls controls;
};

TEST_F(FoucaultTest, TheTextbookBobSwingsAlongTheYAxisWithPeriodTwoPiOverRootK)
{
    Explorer e(controls);
    std::vector<double> upwardCrossings;
    for (int n = 1; n <= MaxExplorerSteps; ++n) {
        e.Step();
        const auto i = static_cast<std::size_t>(n);
        ASSERT_EQ(e.state.PathX[i], 0.0) << "step " << n;
        const double y0 = e.state.PathY[i - 1];
        const double y1 = e.state.PathY[i];
        if (y0 < 0.0 && y1 >= 0.0) {
            upwardCrossings.push_back((n - 1 + y0 / (y0 - y1)) * 0.01);
        }
    }
    ASSERT_GE(upwardCrossings.size(), 10U);
    const double period =
        (upwardCrossings.back() - upwardCrossings.front()) / (upwardCrossings.size() - 1.0);
    EXPECT_NEAR(period, 2.0 * Pi / std::sqrt(40.0), 0.005 * 2.0 * Pi / std::sqrt(40.0));
}

TEST_F(FoucaultTest, SeenFromTheBaseTheSwingPlaneTurnsBackAtTheBasesRate)
{
    Explorer e(controls);
    // The direction of the swing at its turning points, as the rotating observer sees it.
    std::vector<std::pair<double, double>> turns; // (time, angle)
    for (int n = 1; n <= MaxExplorerSteps; ++n) {
        e.Step();
    }
    for (int n = 2; n < MaxExplorerSteps; ++n) {
        const auto i = static_cast<std::size_t>(n);
        const auto radius = [&](std::size_t k) {
            return std::hypot(e.state.PathXR[k], e.state.PathYR[k]);
        };
        if (radius(i) > radius(i - 1) && radius(i) >= radius(i + 1)) {
            double angle = std::atan2(e.state.PathYR[i], e.state.PathXR[i]);
            // the swing is a line: directions pi apart are the same plane; follow it continuously
            if (!turns.empty()) {
                while (angle - turns.back().second > Pi / 2.0) {
                    angle -= Pi;
                }
                while (angle - turns.back().second < -Pi / 2.0) {
                    angle += Pi;
                }
            }
            turns.emplace_back(n * 0.01, angle);
        }
    }
    ASSERT_GE(turns.size(), 20U);
    const double rate =
        (turns.back().second - turns.front().second) / (turns.back().first - turns.front().first);
    // The base turns clockwise; seen from it, the plane turns counter-clockwise.
    EXPECT_NEAR(rate, 0.5, 0.01 * 0.5);
}

// Without friction the bob is a plane harmonic oscillator, x'' = -K x, whatever the base does:
// every point of the run lies on its closed form, through the turns of its velocity relative to
// the base (where it starts, in the initial-speed mode).
TEST_F(FoucaultTest, TheFrictionlessBobFollowsTheHarmonicOscillatorsClosedForm)
{
    const double w = std::sqrt(FoucaultStiffness);
    for (const FoucaultMode mode : {FoucaultMode::Textbook, FoucaultMode::InitialSpeed}) {
        for (const BaseChoice base :
             {BaseChoice::ConstantAngularVelocity, BaseChoice::ConstantAngularMomentum}) {
            controls.foucault = mode;
            controls.baseChoice = base;
            Explorer e(controls);
            const Vec2 v0 = LaunchVelocity(e.state, controls);
            const double y0 = e.state.StartRadius;
            for (int n = 1; n <= MaxExplorerSteps; ++n) {
                e.Step();
                const double t = e.state.ElapsedTime;
                const auto i = static_cast<std::size_t>(n);
                ASSERT_NEAR(e.state.PathX[i], v0.x / w * std::sin(w * t), 1e-9) << n;
                ASSERT_NEAR(e.state.PathY[i], y0 * std::cos(w * t) + v0.y / w * std::sin(w * t),
                            1e-9)
                    << n;
            }
            EXPECT_NEAR(e.state.BodyVelocity.x, v0.x * std::cos(w * e.state.ElapsedTime), 1e-8);
        }
    }
}

TEST_F(FoucaultTest, WithInitialSpeedTheBobStartsAtRestOnTheBase)
{
    controls.foucault = FoucaultMode::InitialSpeed;
    Explorer e(controls);
    const Vec2 v = LaunchVelocity(e.state, controls);
    const Vec2 rel = RelativeVelocity({v.x, v.y, 0.0, e.state.StartRadius, 0, 0, 0}, 0.5);
    EXPECT_DOUBLE_EQ(rel.x, 0.0);
    EXPECT_DOUBLE_EQ(rel.y, 0.0);
    EXPECT_DOUBLE_EQ(e.state.StepInterval, 0.1); // until the first step
    e.Step();
    EXPECT_DOUBLE_EQ(e.state.StepInterval, 0.01);
}

TEST(RotatingFrameForces, CoriolisIsPerpendicularToTheRelativeVelocity)
{
    ExplorerControls controls = WithFriction(BaseChoice::ConstantAngularMomentum);
    controls.vxValue = -3;
    controls.vyValue = 2;
    Explorer e(controls);
    for (int n = 1; n <= 12; ++n) {
        e.Step();
        const RotatingFrameForces f = ForcesInRotatingFrame(e.state, controls);
        const double dot = f.coriolis.x * f.velocity.x + f.coriolis.y * f.velocity.y;
        const double scale =
            std::hypot(f.coriolis.x, f.coriolis.y) * std::hypot(f.velocity.x, f.velocity.y);
        ASSERT_GT(scale, 0.0);
        EXPECT_LT(std::abs(dot), 1e-12 * scale);
        // the base decelerates under the body's drag: a force due to its angular acceleration
        EXPECT_GT(std::hypot(f.baseAcceleration.x, f.baseAcceleration.y), 0.0);
    }
}

// Caught by a free base, the body is drawn with the friction that holds it on its circle,
// m omega^2 r toward the axis, and the forces seen on the base cancel: never full kinetic
// friction in a direction that rounding chose. Over a grid of launches, and for the longest
// run of one of them.
TEST(RotatingFrameForces, ABodyHeldByAFreeBaseFeelsJustTheFrictionThatHoldsIt)
{
    const auto expectHeld = [](const Explorer& e, const std::string& where) {
        const RotatingFrameForces f = ForcesInRotatingFrame(e.state, e.controls);
        const double w2 = e.state.ExplorerOmega * e.state.ExplorerOmega;
        const double holding = e.state.Mass * w2 * Length(f.position);
        EXPECT_NEAR(f.friction.x, -e.state.Mass * w2 * f.position.x, 1e-6 * holding) << where;
        EXPECT_NEAR(f.friction.y, -e.state.Mass * w2 * f.position.y, 1e-6 * holding) << where;
        EXPECT_LE(Length(f.Total()), 1e-6 * holding) << where;
    };
    int caught = 0;
    for (int mass : {2, 10, 20}) {
        for (int vx = -10; vx <= 10; vx += 4) {
            for (int vy = -10; vy <= 10; vy += 4) {
                ExplorerControls controls = WithFriction(BaseChoice::ConstantAngularMomentum);
                controls.massValue = mass;
                controls.vxValue = vx;
                controls.vyValue = vy;
                Explorer e(controls);
                while (!e.state.StuckToBase && e.state.StepIndex < 100) {
                    e.Step();
                }
                if (!e.state.StuckToBase) {
                    continue;
                }
                ++caught;
                for (int n = 0; n < 3; ++n, e.Step()) {
                    expectHeld(e, "mass " + std::to_string(mass) + " vx " + std::to_string(vx) +
                                      " vy " + std::to_string(vy) + " step " +
                                      std::to_string(e.state.StepIndex));
                }
            }
        }
    }
    EXPECT_GT(caught, 50);

    ExplorerControls controls = WithFriction(BaseChoice::ConstantAngularMomentum);
    controls.massValue = 20;
    controls.vxValue = 10;
    controls.vyValue = 10;
    Explorer e(controls);
    while (e.state.StepIndex < MaxExplorerSteps) {
        e.Step();
        if (e.state.StuckToBase) {
            expectHeld(e, "step " + std::to_string(e.state.StepIndex));
        }
    }
    EXPECT_TRUE(e.state.StuckToBase);
}

TEST(RotatingFrameForces, ADrivenBaseHasNoAngularAccelerationForce)
{
    ExplorerControls controls = WithFriction(BaseChoice::ConstantAngularVelocity);
    controls.vxValue = -3;
    controls.check[6] = true;
    Explorer e(controls);
    for (int n = 1; n <= 5; ++n) {
        e.Step();
        const RotatingFrameForces f = ForcesInRotatingFrame(e.state, controls);
        EXPECT_EQ(f.baseAcceleration.x, 0.0);
        EXPECT_EQ(f.baseAcceleration.y, 0.0);
    }
}

TEST(RotatingFrameForces, OnceCaughtTheBodyIsHeldByFrictionTowardTheAxis)
{
    ExplorerControls controls = WithFriction(BaseChoice::ConstantAngularMomentum);
    controls.vxValue = 4;
    Explorer e(controls);
    while (!e.state.StuckToBase && e.state.StepIndex < 300) {
        e.Step();
    }
    ASSERT_TRUE(e.state.StuckToBase);
    e.Step();
    const RotatingFrameForces f = ForcesInRotatingFrame(e.state, controls);
    const double m = e.state.Mass;
    const double w2 = e.state.StuckOmega * e.state.StuckOmega;
    EXPECT_NEAR(f.friction.x, -m * w2 * f.position.x, 1e-12);
    EXPECT_NEAR(f.friction.y, -m * w2 * f.position.y, 1e-12);
    EXPECT_EQ(f.baseAcceleration.x, 0.0);
}

} // namespace
} // namespace ttl

namespace ttl {
namespace {

double Radius(const ExplorerState& s)
{
    const auto n = static_cast<std::size_t>(s.StepIndex);
    return std::hypot(s.PathX[n], s.PathY[n]);
}

TEST(ExplorerCoupling, MakingTheBaseFreeMidRunKeepsTheAngularMomentumItHasThen)
{
    ExplorerControls controls = WithFriction(BaseChoice::ConstantAngularVelocity);
    controls.vxValue = -3;
    Explorer e(controls);
    const double atLaunch = (e.Step(), ExplorerAngularMomentum(e.state));
    for (int n = 2; n <= 10; ++n) {
        e.Step();
    }
    const double atChange = ExplorerAngularMomentum(e.state);
    EXPECT_GT(std::abs(atChange - atLaunch), 0.1); // the motor did change it meanwhile
    const double omega = e.state.ExplorerOmega;
    e.controls.baseChoice = BaseChoice::ConstantAngularMomentum;
    ChangeBaseChoice(e.state);
    e.Step();
    EXPECT_NEAR(e.state.ExplorerOmega, omega, 0.05); // no jump: only friction's torque acts
    for (int n = 0; n < 30; ++n) {
        EXPECT_NEAR(ExplorerAngularMomentum(e.state), atChange, 1e-9 * std::abs(atChange));
        e.Step();
    }
}

TEST(ExplorerCoupling, ABodyAtRestOnADrivenBaseIsHeldByJustTheFrictionItNeeds)
{
    ExplorerControls controls = WithFriction(BaseChoice::ConstantAngularVelocity);
    controls.rotatingFrame = true;
    controls.check[2] = true;
    Explorer e(controls); // Vx = 1X: launched at the speed of the base under it
    int beeps = 0;
    for (int n = 1; n <= MaxExplorerSteps; ++n) {
        beeps += e.Step().beep ? 1 : 0;
        ASSERT_NEAR(Radius(e.state), 1.0, 1e-9) << "step " << n;
        const RotatingFrameForces f = ForcesInRotatingFrame(e.state, controls);
        const double needed = e.state.Mass * 0.25; // m omega^2 r
        ASSERT_NEAR(std::hypot(f.friction.x, f.friction.y), needed, 1e-6) << "step " << n;
        ASSERT_NEAR(f.Total().x, 0.0, 1e-9) << "step " << n;
        ASSERT_NEAR(f.Total().y, 0.0, 1e-9) << "step " << n;
    }
    EXPECT_EQ(beeps, 0); // it was never sliding, so it never came to rest

    // What the view draws is that friction, at the force scale.
    Surface picture1, picture2;
    ScaleExplorerDiagram(picture1, e.state, controls.zoomValue);
    RedrawRotatingView(picture1, picture2, e.state, controls);
    const RotatingFrameForces f = ForcesInRotatingFrame(e.state, controls);
    const double scale = ExplorerArrowScales(e.state, controls).force;
    bool drawn = false;
    for (const Primitive& p : picture1.TransientPrimitives()) { // the arrows move each step
        drawn = drawn || (p.kind == PrimitiveKind::Line && p.color == Color{0, 255, 0} &&
                          p.x1 == f.position.x && p.y1 == f.position.y &&
                          std::abs(p.x2 - p.x1 - scale * f.friction.x) < 1e-12 &&
                          std::abs(p.y2 - p.y1 - scale * f.friction.y) < 1e-12);
    }
    EXPECT_TRUE(drawn);
}

TEST(ExplorerCoupling, FrictionWeakerThanTheNeededPullLetsARestingBodySlideOut)
{
    ModelParameters model;
    model.Mass = 1.0;
    model.BaseInertia = 10.0;
    model.BaseOmega = 0.5;
    model.InitialOmega = 0.5;
    model.BaseFree = false;
    model.FrictionDecel = 0.2; // below omega^2 r = 0.25
    const AdvanceResult r =
        AdvanceBodyOnBase(model, {0.5, 0.0, 0.0, 1.0, 0.5}, false, 0.0, 1.0, ExplorerSubSteps);
    EXPECT_FALSE(r.carried);
    EXPECT_GT(std::hypot(r.body.x, r.body.y), 1.0 + 1e-3);
    model.FrictionDecel = 0.3; // enough: it stays
    const AdvanceResult held =
        AdvanceBodyOnBase(model, {0.5, 0.0, 0.0, 1.0, 0.5}, false, 0.0, 1.0, ExplorerSubSteps);
    EXPECT_TRUE(held.carried);
    EXPECT_NEAR(std::hypot(held.body.x, held.body.y), 1.0, 1e-12);
}

// Every line the explorer draws (arrows, legend samples) stays inside the picture, whatever the
// frame, friction, base or pendulum: the velocity and force scales fit the run.
TEST(ExplorerArrows, StayInsideThePictureForAClassroomRun)
{
    struct Case {
        const char* what;
        bool rotating, friction;
        BaseChoice base;
        FoucaultMode foucault;
        int vx;
    };
    const Case cases[] = {
        {"defaults, inertial", false, true, BaseChoice::ConstantAngularVelocity, FoucaultMode::Off,
         1},
        {"sliding, free base", true, true, BaseChoice::ConstantAngularMomentum, FoucaultMode::Off,
         4},
        {"no friction", true, false, BaseChoice::ConstantAngularVelocity, FoucaultMode::Off, 3},
        {"textbook pendulum", true, false, BaseChoice::ConstantAngularVelocity,
         FoucaultMode::Textbook, 1},
        {"pendulum with speed", false, false, BaseChoice::ConstantAngularVelocity,
         FoucaultMode::InitialSpeed, 1},
    };
    for (const Case& c : cases) {
        ExplorerControls controls = WithFriction(c.base);
        controls.check[3] = c.friction;
        controls.rotatingFrame = c.rotating;
        controls.foucault = c.foucault;
        controls.vxValue = c.vx;
        for (int i : {1, 2, 4, 5, 6, 7}) {
            controls.check[static_cast<std::size_t>(i)] = true;
        }
        Explorer e(controls);
        Surface picture1, picture2;
        picture1.SetPixelSize(600, 600);
        ScaleExplorerDiagram(picture1, e.state, controls.zoomValue);
        const WorldWindow w = picture1.Window();
        // while the body is on the inner part of the base (the bob swings there for ever)
        for (int n = 1; n <= 200 && Radius(e.state) <= 1.5; ++n) {
            if (c.rotating) {
                StepRotatingView(picture1, picture2, e.state, controls);
            } else {
                StepInertialView(picture1, e.state, controls);
            }
            std::vector<Primitive> drawn = picture1.Primitives();
            drawn.insert(drawn.end(), picture1.TransientPrimitives().begin(),
                         picture1.TransientPrimitives().end());
            for (const Primitive& p : drawn) {
                if (p.kind != PrimitiveKind::Line) {
                    continue;
                }
                for (const Vec2 end : {Vec2{p.x1, p.y1}, Vec2{p.x2, p.y2}}) {
                    ASSERT_GE(end.x, w.left) << c.what << " step " << n;
                    ASSERT_LE(end.x, w.left + w.width) << c.what << " step " << n;
                    ASSERT_LE(end.y, w.top) << c.what << " step " << n;
                    ASSERT_GE(end.y, w.top + w.height) << c.what << " step " << n;
                }
            }
        }
    }
}

} // namespace
} // namespace ttl
