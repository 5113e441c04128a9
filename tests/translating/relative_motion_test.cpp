#include "translating/relative_motion.h"
#include "translating/relative_motion_views.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ttl {
namespace {

RelativeMotionInputs Inputs(int vfx, int vfy, int afx, int afy, int friction)
{
    RelativeMotionInputs in;
    in.frameVx = vfx;
    in.frameVy = vfy;
    in.frameAx = afx;
    in.frameAy = afy;
    in.friction = friction;
    in.mass = 100; // m = 2
    return in;
}

// Runs `steps` steps, checking at each that the moving-frame path is the lab path less the
// platform's displacement.
RelativeMotionRun RunSteps(const RelativeMotionInputs& in, int steps)
{
    RelativeMotionRun run;
    for (int k = 1; k <= steps; ++k) {
        EXPECT_TRUE(RelativeMotionStep(run, in).advanced);
        const auto n = static_cast<std::size_t>(run.n);
        const Vec2 moved = run.frame.Displacement(run.Time());
        EXPECT_NEAR(run.movingPosition[n].x, run.labPosition[n].x - moved.x, 1e-9);
        EXPECT_NEAR(run.movingPosition[n].y, run.labPosition[n].y - moved.y, 1e-9);
    }
    return run;
}

TEST(RelativeMotion, WithoutFrictionTheBodyMovesUniformlyInBothFrames)
{
    for (const RelativeMotionInputs& in : {Inputs(0, 0, 0, 0, 0), Inputs(3, -2, 0, 0, 0)}) {
        const RelativeMotionRun run = RunSteps(in, 300);
        const double t = run.Time();
        EXPECT_NEAR(run.labPosition[300].x, 5.0 + 2.0 * t, 1e-9);
        EXPECT_NEAR(run.labPosition[300].y, -5.0 + 1.0 * t, 1e-9);
        EXPECT_NEAR(run.movingPosition[300].x, 5.0 + (2.0 - in.frameVx) * t, 1e-9);
        EXPECT_FALSE(run.resting);
    }
}

// A platform moving steadily (along x only, or not at all): friction brings the body to rest
// on it, once, and from then on it rides along.
TEST(RelativeMotion, OnASteadyPlatformFrictionBringsTheBodyToRestOnce)
{
    for (const RelativeMotionInputs& in : {Inputs(4, 0, 0, 0, 30), Inputs(0, 0, 0, 0, 30)}) {
        RelativeMotionRun run;
        int rests = 0;
        for (int k = 0; k < 200; ++k) {
            rests += RelativeMotionStep(run, in).cameToRest ? 1 : 0;
        }
        EXPECT_EQ(rests, 1);
        EXPECT_TRUE(run.resting);
        EXPECT_EQ(run.relativeVelocity.x, 0.0);
        EXPECT_EQ(run.relativeVelocity.y, 0.0);
        // |vr0| = |(2 - vfx, 1)| stops at mu g = 3 per unit time
        const double stop = std::hypot(2.0 - in.frameVx, 1.0) / 3.0;
        EXPECT_NEAR(run.movingPosition[200].x, 5.0 + (2.0 - in.frameVx) * stop / 2.0, 1e-6);
    }
}

TEST(RelativeMotion, OnAnAcceleratingPlatformAHeldBodyRidesWithItExactly)
{
    const RelativeMotionInputs in = Inputs(1, 0, 2, -1, 40); // mu g = 4 >= |af| = 2.24
    RelativeMotionRun run;
    int restStep = 0;
    for (int k = 1; k <= 400; ++k) {
        if (RelativeMotionStep(run, in).cameToRest) {
            restStep = k;
        }
        if (!run.resting) {
            // sliding: the relative acceleration is -af - mu g vr/|vr|
            const RelativeMotionState y{run.labVelocity[static_cast<std::size_t>(k)].x,
                                        run.labVelocity[static_cast<std::size_t>(k)].y, 0, 0};
            const RelativeMotionState rate =
                RelativeMotionAcceleration(run.Time(), y, run.frame, 4.0, false);
            const Vec2 vr = run.relativeVelocity;
            const double speed = std::hypot(vr.x, vr.y);
            EXPECT_NEAR(rate[0] - run.frame.a.x, -2.0 - 4.0 * vr.x / speed, 1e-12);
            EXPECT_NEAR(rate[1] - run.frame.a.y, 1.0 - 4.0 * vr.y / speed, 1e-12);
        }
    }
    ASSERT_GT(restStep, 0);
    const Vec2 fixed = run.movingPosition[static_cast<std::size_t>(restStep)];
    for (int k = restStep; k <= 400; ++k) {
        const auto i = static_cast<std::size_t>(k);
        EXPECT_NEAR(run.movingPosition[i].x, fixed.x, 1e-9);
        EXPECT_NEAR(run.movingPosition[i].y, fixed.y, 1e-9);
        const double t = k * RelativeMotionDt;
        EXPECT_NEAR(run.labVelocity[i].x, 1.0 + 2.0 * t, 1e-9);
        EXPECT_NEAR(run.labVelocity[i].y, -1.0 * t, 1e-9);
    }
    // Friction too weak to hold it (mu g = 1 < |af|): it keeps sliding back.
    const RelativeMotionRun slipping = RunSteps(Inputs(1, 0, 2, -1, 10), 400);
    EXPECT_FALSE(slipping.resting);
}

TEST(RelativeMotion, StepsStopAtTheEndOfTheTablesAndRepeatStartsAfresh)
{
    RelativeMotionInputs in = Inputs(0, 0, 1, 0, 5);
    RelativeMotionRun run;
    for (int k = 0; k < RelativeMotionMaxSteps; ++k) {
        RelativeMotionStep(run, in);
    }
    const Vec2 last = run.labPosition[RelativeMotionMaxSteps];
    EXPECT_FALSE(RelativeMotionStep(run, in).advanced);
    EXPECT_EQ(run.n, RelativeMotionMaxSteps);
    EXPECT_EQ(run.labPosition[RelativeMotionMaxSteps].x, last.x);
    RestartRelativeMotion(run);
    in.bodyX = -7; // REPEAT: the next step launches from the bars as they are now
    RelativeMotionStep(run, in);
    EXPECT_EQ(run.labPosition[0].x, -7.0);
}

// The moving-frame view's arrows are the model's: the fictitious parts -m af, friction (none for
// mu = 0), each at the force scale, and the trail grows by one point a step.
TEST(RelativeMotionViews, DrawTheFictitiousForceFrictionAndOnePointAStep)
{
    Surface lab, moving;
    for (const int friction : {0, 20}) {
        const RelativeMotionInputs in = Inputs(0, 0, 3, -2, friction);
        RelativeMotionRun run;
        BeginLabView(lab, in);
        BeginMovingView(moving, in);
        const std::size_t before = moving.Primitives().size();
        for (int k = 0; k < 5; ++k) {
            RelativeMotionStep(run, in);
            DrawRelativeStep(lab, moving, run, in);
        }
        EXPECT_EQ(moving.Primitives().size(), before + 5); // the newest point only, each step
        const double k = RelativeForceScale(in.scale);
        const Vec2 at = run.movingPosition[5];
        bool fictitiousX = false, fictitiousY = false, frictionDrawn = false;
        for (const Primitive& p : moving.TransientPrimitives()) {
            if (p.kind != PrimitiveKind::Line || p.x1 != at.x || p.y1 != at.y) {
                continue;
            }
            const Vec2 d{p.x2 - p.x1, p.y2 - p.y1};
            fictitiousX = fictitiousX || (p.color == Color{0, 0, 255} &&
                                          std::abs(d.x + k * 2.0 * 3.0) < 1e-12 && d.y == 0.0);
            fictitiousY = fictitiousY || (p.color == Color{0, 0, 255} && d.x == 0.0 &&
                                          std::abs(d.y - k * 2.0 * 2.0) < 1e-12);
            frictionDrawn = frictionDrawn || p.color == Color{0, 255, 0};
        }
        EXPECT_TRUE(fictitiousX && fictitiousY) << friction;
        EXPECT_EQ(frictionDrawn, friction > 0);
    }
}

} // namespace
} // namespace ttl
