#include "shell/number_format.h"
#include "translating/relative_motion.h"
#include "translating/relative_motion_views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

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
        BeginMovingView(moving, run, in);
        const std::size_t before = moving.Primitives().size();
        for (int k = 0; k < 5; ++k) {
            RelativeMotionStep(run, in);
            DrawRelativeStep(lab, moving, run, in);
        }
        EXPECT_EQ(moving.Primitives().size(), before + 5); // the newest point only, each step
        const double k = RelativeForceScale(run, in);
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

// The platform switches from a1 to a2 after `switchStep` steps. Its motion is checked against the
// closed form of piecewise-constant acceleration: without friction through the moving-frame path
// of a uniformly moving body, and with friction holding the body through its lab velocity.
TEST(RelativeMotion, AChangeOfThePlatformsAccelerationActsFromThenOnWithoutAJump)
{
    struct Case {
        Vec2 v0, a1, a2;
        int friction;
    };
    for (const Case& c : {Case{{0, 0}, {3, 0}, {5, 0}, 0}, Case{{-2, 1}, {1, -2}, {-4, 3}, 0},
                          Case{{2, 1}, {3, -1}, {-2, 4}, 100}}) {
        RelativeMotionInputs in =
            Inputs(static_cast<int>(c.v0.x), static_cast<int>(c.v0.y), static_cast<int>(c.a1.x),
                   static_cast<int>(c.a1.y), c.friction);
        const int switchStep = 30;
        const double ts = switchStep * RelativeMotionDt;
        const Vec2 vs = c.v0 + ts * c.a1;
        const Vec2 ds = ts * c.v0 + (0.5 * ts * ts) * c.a1;
        RelativeMotionRun run;
        for (int k = 1; k <= 2 * switchStep; ++k) {
            if (k == switchStep + 1) {
                in.frameAx = static_cast<int>(c.a2.x);
                in.frameAy = static_cast<int>(c.a2.y);
            }
            RelativeMotionStep(run, in);
            const double t = run.Time();
            const double s = t - ts;
            const Vec2 vf = t <= ts ? c.v0 + t * c.a1 : vs + s * c.a2;
            const Vec2 moved =
                t <= ts ? t * c.v0 + (0.5 * t * t) * c.a1 : ds + s * vs + (0.5 * s * s) * c.a2;
            const auto i = static_cast<std::size_t>(k);
            if (c.friction == 0) {
                EXPECT_NEAR(run.movingPosition[i].x, 5.0 + 2.0 * t - moved.x, 1e-9) << k;
                EXPECT_NEAR(run.movingPosition[i].y, -5.0 + 1.0 * t - moved.y, 1e-9) << k;
            } else {
                EXPECT_NEAR(run.labVelocity[i].x, vf.x, 1e-9) << k;
                EXPECT_NEAR(run.labVelocity[i].y, vf.y, 1e-9) << k;
                EXPECT_NEAR(run.movingPosition[i].x, 5.0, 1e-9) << k; // riding along
            }
        }
    }
}

double ArrowLength(const Primitive& p)
{
    return std::hypot(p.x2 - p.x1, p.y2 - p.y1);
}

// The largest force of the run is drawn a quarter of the view's side, whatever the mass, and the
// others in proportion; the scale is the legend's and stays until a force outgrows it twofold.
TEST(RelativeMotionViews, ForceArrowsAreScaledToTheLargestForceOfTheRun)
{
    struct Case {
        int mass, friction, ax, ay, scale;
        double fictitious, friction_; // the forces drawn, in units of the largest
    };
    for (const Case& c : {Case{1, 50, 5, 0, 1, 1.0, 1.0}, Case{300, 10, 4, 0, 3, 1.0, 0.25},
                          Case{100, 0, 3, -2, 10, 1.0, 0.0}, Case{20, 80, 0, 2, 1, 0.25, 1.0}}) {
        RelativeMotionInputs in = Inputs(0, 0, c.ax, c.ay, c.friction);
        in.mass = c.mass;
        in.scale = c.scale;
        in.bodyVx = -3; // sliding against the platform throughout
        Surface lab, moving;
        RelativeMotionRun run;
        BeginMovingView(moving, run, in);
        for (int k = 0; k < 3; ++k) {
            RelativeMotionStep(run, in);
            DrawRelativeStep(lab, moving, run, in);
        }
        const double quarter = 0.25 * std::abs(moving.ScaleWidth());
        const Vec2 at = run.movingPosition[3];
        double fictitious = 0.0, friction = 0.0;
        for (const Primitive& p : moving.TransientPrimitives()) {
            if (p.kind == PrimitiveKind::Line && p.x1 == at.x && p.y1 == at.y) {
                double& longest = p.color == Color{0, 0, 255} ? fictitious : friction;
                if (p.color != Color{255, 0, 0}) {
                    longest = std::max(longest, ArrowLength(p) / quarter);
                }
            }
        }
        EXPECT_NEAR(fictitious, c.fictitious, 1e-9) << c.mass;
        EXPECT_NEAR(friction, c.friction_, 1e-9) << c.mass;
        const std::string printed = FormatNumber(RelativeForceScale(run, in), "0.00");
        EXPECT_TRUE(std::any_of(
            moving.Primitives().begin(), moving.Primitives().end(),
            [&](const Primitive& p) { return p.text.find(printed) != std::string::npos; }));
        const double k = RelativeForceScale(run, in);
        in.mass = c.mass * 3 / 2; // 1.5 times the forces: the scale stays
        ApplyLiveInputs(run, in);
        EXPECT_EQ(RelativeForceScale(run, in), k);
        in.mass = c.mass * 3; // threefold: chosen again, the largest a quarter once more
        ApplyLiveInputs(run, in);
        EXPECT_NEAR(RelativeForceScale(run, in) * LargestRelativeForce(in), quarter, 1e-9);
    }
}

// REPEAT's circles are a few pixels across at every scale, and keep their size on screen when
// the view is panned or scaled.
TEST(RelativeMotionViews, ReplayMarksAreAFewPixelsAcrossAtEveryScale)
{
    for (const int scale : {1, 4, 10}) {
        RelativeMotionInputs in = Inputs(1, 0, 1, 0, 10);
        in.scale = scale;
        Surface lab, moving;
        lab.SetPixelSize(320, 320);
        moving.SetPixelSize(320, 320);
        RelativeMotionRun run;
        BeginLabView(lab, in);
        BeginMovingView(moving, run, in);
        for (int k = 0; k < 40; ++k) {
            RelativeMotionStep(run, in);
        }
        DrawRelativeReplay(lab, moving, run);
        in.scale = 11 - scale;
        in.labPanX = 7;
        RewindowLabView(lab, run, in);
        RewindowMovingView(moving, run, in);
        int circles = 0;
        for (const Surface* s : {&lab, &moving}) {
            for (const Primitive& p : s->Primitives()) {
                if (p.kind == PrimitiveKind::Circle) {
                    ++circles;
                    const double across = 2.0 * p.radius * 320.0 / std::abs(p.window.width);
                    EXPECT_GE(across, 4.0) << scale;
                    EXPECT_LE(across, 12.0) << scale;
                }
            }
        }
        EXPECT_EQ(circles, 8);
    }
}

// An independent reference: classical Runge-Kutta, in fine fixed steps, on the relative
// velocity u alone (du/dt = -af - mu g u/|u|, never at rest in these cases), with the lab
// position as launch + platform's motion + the integral of u.
Vec2 ReferencePosition(Vec2 start, Vec2 v, Vec2 vf0, Vec2 af, double mug, double t)
{
    auto rate = [&](Vec2 u) { return -1.0 * af - (mug / Length(u)) * u; };
    constexpr int Steps = 2000000;
    const double h = t / Steps;
    Vec2 u = v - vf0;
    Vec2 travelled{};
    for (int i = 0; i < Steps; ++i) {
        const Vec2 k1 = rate(u);
        const Vec2 k2 = rate(u + (h / 2.0) * k1);
        const Vec2 k3 = rate(u + (h / 2.0) * k2);
        const Vec2 k4 = rate(u + h * k3);
        const Vec2 uNext = u + (h / 6.0) * (k1 + 2.0 * k2 + 2.0 * k3 + k4);
        // The position's rate is u itself: Simpson's rule over the step with the midpoint's u.
        const Vec2 mid = u + (h / 8.0) * (k1 - k4) + 0.5 * (uNext - u);
        travelled = travelled + (h / 6.0) * (u + 4.0 * mid + uNext);
        u = uNext;
    }
    return start + t * vf0 + (0.5 * t * t) * af + travelled;
}

TEST(RelativeMotion, ASlidingBodyAgreesWithAFineStepReferenceWhereItsVelocitySwingsRound)
{
    struct Case {
        int vfx, vfy, afx, afy, vx, vy, friction;
    };
    // The first passes close to rest with af nearly along the relative velocity: its direction
    // swings round within a fraction of a step.
    for (const Case c : {Case{3, 4, 4, -4, 10, -4, 50}, Case{-2, 1, 3, 5, 6, 2, 30}}) {
        RelativeMotionInputs in = Inputs(c.vfx, c.vfy, c.afx, c.afy, c.friction);
        in.bodyVx = c.vx;
        in.bodyVy = c.vy;
        const RelativeMotionRun run = RunSteps(in, 300); // t = 20
        const Vec2 expected = ReferencePosition(
            {static_cast<double>(in.bodyX), static_cast<double>(in.bodyY)},
            {static_cast<double>(c.vx), static_cast<double>(c.vy)},
            {static_cast<double>(c.vfx), static_cast<double>(c.vfy)},
            {static_cast<double>(c.afx), static_cast<double>(c.afy)}, in.Mu() * Gravity, run.Time());
        EXPECT_NEAR(run.labPosition[300].x, expected.x, 1e-6) << "case vf " << c.vfx << "," << c.vfy;
        EXPECT_NEAR(run.labPosition[300].y, expected.y, 1e-6) << "case vf " << c.vfx << "," << c.vfy;
    }
}

} // namespace
} // namespace ttl
