#include "curve/timed_curve.h"
#include "curve_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ttl {
namespace {

using namespace curve_testing;

TEST(TimedCurve, WithoutTangentialAccelerationEveryTickCoversTheSameArc)
{
    const CurveInputs inputs{20, 15, 3, 0};
    const CurveParameters p = ParametersOf(inputs);
    Surface s;
    s.Scale(0, 10, 20, -10);
    TimedCurveRun run;
    StartTimedCurve(run, s, inputs);
    const double ab = p.A * p.beta;
    const double root = std::sqrt(1.0 + ab * ab);
    const auto arc = [&](double x) { return root / p.beta * std::ellint_2(ab / root, p.beta * x); };
    const double tolerance = 2.0 * root / p.beta * 1e-4; // the search's 1e-4 on E, at each end
    while (TimedCurveStep(run, s, inputs)) {
        const auto i = static_cast<std::size_t>(run.n);
        if (run.n > 3) {
            ASSERT_NEAR(arc(run.x[i]) - arc(run.x[i - 1]), 0.05 * 3.0, tolerance) << run.n;
        }
    }
    EXPECT_GT(run.x[static_cast<std::size_t>(run.n)], 30.0); // stopped once past x = 30
    EXPECT_LT(run.n, TimedCurveTableSize);
}

TEST(TimedCurve, AtAnInflectionTheTotalAccelerationIsTheTangentialOne)
{
    const CurveInputs inputs;
    const CurveParameters p = ParametersOf(inputs);
    Surface s;
    s.Scale(0, 10, 20, -10);
    TimedCurveRun run;
    run.running = true;
    run.n = -1; // the next tick is t = 0, at x = 0, where y'' = 0
    TimedCurveStep(run, s, inputs);
    const Expected e = ExpectedAt(p, 0.0);
    bool found = false;
    for (const Primitive& q : s.TransientPrimitives()) {
        if (q.color == Color{0, 25, 155} && q.x1 == 0.0 && q.y1 == 0.0 && !found) {
            found = true;
            EXPECT_NEAR(q.x2, p.at / 2.0 * e.along.x, 1e-12);
            EXPECT_NEAR(q.y2, p.at / 2.0 * e.along.y, 1e-12);
        }
    }
    EXPECT_TRUE(found);
}

TEST(TimedCurve, TheDisplayListGrowsByATickNotByTheWholeTrack)
{
    const CurveInputs inputs{20, 15, 1, 0}; // slow: many ticks inside the window
    Surface s;
    s.Scale(0, 10, 20, -10);
    TimedCurveRun run;
    StartTimedCurve(run, s, inputs);
    std::size_t at100 = 0;
    while (run.n < 300) {
        TimedCurveStep(run, s, inputs);
        if (run.n == 100) {
            at100 = s.Primitives().size();
        }
    }
    const std::size_t at300 = s.Primitives().size();
    // one point a tick, plus a marked point, a label and its leader every 60 ticks
    EXPECT_LE(at300 - at100, 200U + 3U * 4U);
    EXPECT_LE(s.TransientPrimitives().size(), 6U); // only this tick's two arrows
}

// Every span inside the picture gets its label (in a small picture, as many as there is room
// for), wholly inside the picture and clear of every other text; spans past its edge get none.
TEST(TimedCurve, SpanLabelsStayInsideThePictureAndNeverOverlap)
{
    struct Case {
        CurveInputs inputs;
        int pixels; // the picture's side at 1366x768 and 1024x768, and a small window
        bool roomForAll;
    };
    for (const Case& c : {Case{{35, 60, 1, 0}, 700, true}, Case{{35, 60, 1, 0}, 560, true},
                          Case{{35, 60, 1, 0}, 300, false}, Case{{20, 15, 1, 0}, 560, true},
                          Case{{10, 60, 0, 1}, 560, true}}) {
        Surface s;
        s.SetPixelSize(c.pixels, c.pixels);
        s.Scale(0, 10, 20, -10);
        TimedCurveRun run;
        StartTimedCurve(run, s, c.inputs);
        while (TimedCurveStep(run, s, c.inputs)) {
        }
        int inside = 0;
        for (int j = TimedCurveLabelEvery; j <= run.n; j += TimedCurveLabelEvery) {
            inside += run.x[static_cast<std::size_t>(j)] <= 20.0 ? 1 : 0;
        }
        const std::vector<LabelBox> boxes = TextBoxes(s);
        const std::string what =
            std::to_string(c.inputs.amplitude) + " " + std::to_string(c.pixels);
        const int expected = inside + 1; // and the beta label
        if (c.roomForAll) {
            EXPECT_EQ(static_cast<int>(boxes.size()), expected) << what;
        } else {
            EXPECT_LE(static_cast<int>(boxes.size()), expected) << what;
        }
        EXPECT_EQ(Overlaps(boxes), 0) << what;
        for (const LabelBox& b : boxes) {
            EXPECT_TRUE(BoxOf(s.Window()).Contains(b)) << what;
        }
    }
}

TEST(TimedCurve, ABodyThatCannotMoveStopsAtOnce)
{
    const CurveInputs inputs{20, 15, 0, 0};
    Surface s;
    TimedCurveRun run;
    StartTimedCurve(run, s, inputs);
    EXPECT_FALSE(TimedCurveStep(run, s, inputs));
    EXPECT_FALSE(run.running);
}

} // namespace
} // namespace ttl
