#include "curve/curve_diagrams.h"
#include "curve_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ttl {
namespace {

using namespace curve_testing;

constexpr Color Red{255, 0, 0};
constexpr Color Centripetal{5, 150, 255};
constexpr Color Black{0, 0, 0};

void ExpectNear(std::optional<Vec2> got, Vec2 expected, const std::string& what)
{
    if (Length(expected) < 1e-12) {
        EXPECT_FALSE(got.has_value()) << what; // a zero vector is not drawn
        return;
    }
    ASSERT_TRUE(got.has_value()) << what;
    EXPECT_NEAR(got->x, expected.x, 1e-5) << what;
    EXPECT_NEAR(got->y, expected.y, 1e-5) << what;
}

TEST(AccelerationFactors, DrawsTheThreeVectorsAtFifteenPoints)
{
    struct Case {
        const char* what;
        CurveInputs inputs;
    };
    for (const Case& c : {Case{"initial values", CurveInputs{}},
                          Case{"no tangential acceleration", CurveInputs{20, 15, 3, 0}},
                          Case{"steep and fast", CurveInputs{35, 40, 5, 35}}}) {
        Surface s;
        ScaleCurveWindow(s);
        DrawAccelerationFactors(s, c.inputs);
        const CurveParameters p = ParametersOf(c.inputs);
        for (int k = 0; k < 15; ++k) {
            const double x = 1.4 * k;
            const Expected e = ExpectedAt(p, x);
            const Vec2 tail{x, e.y};
            const double an = e.curvature * e.speed * e.speed * p.A / 4.0;
            const double at = p.at * p.A / 4.0;
            const std::string where = std::string(c.what) + " x " + std::to_string(x);
            ExpectNear(ArrowFrom(s, tail, Red, 1e-9), {e.speed * e.along.x, e.speed * e.along.y},
                       where);
            ExpectNear(ArrowFrom(s, tail, Black, 1e-9),
                       {an * e.across.x + at * e.along.x, an * e.across.y + at * e.along.y}, where);
            if (k == 0) { // an inflection point: no centripetal part at all
                EXPECT_FALSE(ArrowFrom(s, tail, Centripetal).has_value());
            } else {
                ExpectNear(ArrowFrom(s, tail, Centripetal), {an * e.across.x, an * e.across.y},
                           where);
            }
        }
        EXPECT_TRUE(HasText(s, "TOTAL ACCELERATION"));
    }
}

TEST(AccelerationFactors, AtRestOnlyTheCurveAndTheLegendAreDrawn)
{
    Surface s;
    ScaleCurveWindow(s);
    DrawAccelerationFactors(s, CurveInputs{20, 15, 0, 0});
    int lines = 0;
    for (const Primitive& p : s.Primitives()) {
        lines += p.kind == PrimitiveKind::Line ? 1 : 0;
    }
    EXPECT_EQ(lines, 3 * 3); // the three legend arrows, three strokes each
}

TEST(CurvatureCircles, TwoDottedCirclesAtTheFirstCrestAndTrough)
{
    for (const int frequency : {15, 60}) {
        const CurveInputs inputs{20, frequency, 3, 20};
        const CurveParameters p = ParametersOf(inputs);
        Surface s;
        ScaleCurveWindow(s);
        DrawCurvatureCircles(s, inputs);
        std::vector<Primitive> circles;
        for (const Primitive& q : s.Primitives()) {
            if (q.kind == PrimitiveKind::Circle && q.style == DrawStyle::Dot) {
                circles.push_back(q);
            }
        }
        ASSERT_EQ(circles.size(), 2U);
        constexpr double pi = std::numbers::pi;
        for (int i = 0; i < 2; ++i) {
            const double x = (i == 0 ? pi / 2.0 : 3.0 * pi / 2.0) / p.beta;
            const Expected e = ExpectedAt(p, x);
            const double radius = 1.0 / e.curvature; // the tangent is level: centre straight above
            EXPECT_NEAR(circles[i].x1, x, 1e-9);
            EXPECT_NEAR(circles[i].y1, e.y + radius, 1e-6);
            EXPECT_NEAR(circles[i].radius, std::abs(radius), 1e-6);
            EXPECT_EQ(circles[i].color, (Color{250, 0, 150}));
            if (frequency == 60) {
                EXPECT_GE(circles[i].x1 - circles[i].radius, 0.0);
                EXPECT_LE(circles[i].x1 + circles[i].radius, 20.0);
                EXPECT_LE(std::abs(circles[i].y1) + circles[i].radius, 10.0);
            }
        }
        EXPECT_LT(circles[0].y1, 0.0 + ExpectedAt(p, pi / 2.0 / p.beta).y); // below the crest
    }
}

class ForceJudgement : public testing::Test {
protected:
    ForceJudgement()
    {
        ScaleCurveWindow(s);
        x = 5.0;
        e = ExpectedAt(p, x);
        ShowVectorsAtPoint(s, inputs, CurveMouseMode::AssumeForce, state, x, e.y + 0.05);
        state.xd = x;
        state.yd = e.y;
    }
    void Judge(Vec2 force)
    {
        ScaleCurveWindow(s);
        JudgeForce(s, inputs, state, x + force.x, e.y + force.y);
    }
    CurveInputs inputs;
    CurveParameters p = ParametersOf(inputs);
    Surface s;
    ForceAssumption state;
    double x;
    Expected e;
};

TEST_F(ForceJudgement, APressWithinATenthOfTheCurveIsOnIt)
{
    ASSERT_TRUE(state.onCurve);
    ShowVectorsAtPoint(s, inputs, CurveMouseMode::AssumeForce, state, x, e.y + 0.09);
    EXPECT_TRUE(state.onCurve);
    ShowVectorsAtPoint(s, inputs, CurveMouseMode::AssumeForce, state, x, e.y + 0.11);
    EXPECT_FALSE(state.onCurve);
    int dotted = 0; // the picture is the radius-of-curvature diagram instead
    for (const Primitive& q : s.Primitives()) {
        dotted += q.kind == PrimitiveKind::Circle && q.style == DrawStyle::Dot ? 1 : 0;
    }
    EXPECT_EQ(dotted, 2);
}

TEST_F(ForceJudgement, AlongTheVelocityIsRightForTheSpeedAndAgainstItWrong)
{
    const double speed = Length(state.V);
    Judge({5.0 * state.V.x / speed, 5.0 * state.V.y / speed});
    EXPECT_FALSE(HasText(s, "FORCE: INCORRECT FOR THE TANGENTIAL ACCELERATION"));
    Judge({-5.0 * state.V.x / speed, -5.0 * state.V.y / speed});
    EXPECT_TRUE(HasText(s, "FORCE: INCORRECT FOR THE TANGENTIAL ACCELERATION"));
}

TEST_F(ForceJudgement, TheShapeTestLooksAtTheSideOfTheCentre)
{
    // x = 5 is past the first crest's rise: the curve bends down, the centre lies below.
    ASSERT_LT(e.curvature, 0.0);
    const Vec2 towardCentre{2.0 * e.across.x * -1.0, 2.0 * e.across.y * -1.0};
    Judge(towardCentre);
    EXPECT_TRUE(HasText(s, "FORCE: HAS THE CORRECT DIRECTION FOR THE SHAPE OF THE CURVE"));
    EXPECT_FALSE(ArrowFrom(s, {x, e.y}, Color{0, 150, 250}).has_value());

    Surface fresh;
    s = fresh;
    Judge({-towardCentre.x, -towardCentre.y});
    EXPECT_TRUE(HasText(s, "FORCE: HAS THE WRONG DIRECTION FOR THE SHAPE OF THE CURVE"));
    EXPECT_TRUE(ArrowFrom(s, {x, e.y}, Color{0, 150, 250}).has_value());
}

TEST_F(ForceJudgement, AForceThatBendsThePathEnoughNeedsNoExtraForceForTheShape)
{
    const double needed = std::abs(e.curvature) * e.speed * e.speed;
    const Vec2 inward{-e.across.x, -e.across.y}; // towards the centre here
    s = Surface{};
    Judge({needed * inward.x, needed * inward.y});
    EXPECT_FALSE(ArrowFrom(s, {x, e.y}, Color{0, 250, 10}).has_value());
    s = Surface{};
    Judge({0.5 * needed * inward.x, 0.5 * needed * inward.y});
    const auto extra = ArrowFrom(s, {x, e.y}, Color{0, 250, 10});
    ASSERT_TRUE(extra.has_value());
    EXPECT_NEAR(Length(*extra), 0.5 * needed, 1e-6);
}

// Where the path needs no bending (at rest, or at an inflection) a force is right for the shape
// when it barely crosses the path, and whatever crosses it must be cancelled.
TEST(ForceJudgementWithoutBending, OnlyTheComponentAcrossThePathCounts)
{
    struct Case {
        const char* what;
        CurveInputs inputs;
        double x;
        double along, across; // the force's components
        bool right;
    };
    const double inflection = 12.0; // beta x = pi at 15 degrees a unit
    for (const Case& c : {Case{"at rest, along", {20, 15, 0, 0}, 6.0, 3.0, 0.0, true},
                          Case{"at rest, across", {20, 15, 0, 0}, 6.0, 0.0, -2.0, false},
                          Case{"at rest, slanted", {20, 15, 0, 0}, 6.0, 2.0, 1.0, false},
                          Case{"inflection, along", {}, inflection, 2.0, 0.0, true},
                          Case{"inflection, 2.5 %", {}, inflection, 2.0, 0.05, true},
                          Case{"inflection, 24 %", {}, inflection, 2.0, 0.5, false},
                          Case{"inflection, backwards", {}, inflection, -2.0, 0.0, true}}) {
        const CurveParameters p = ParametersOf(c.inputs);
        const Expected e = ExpectedAt(p, c.x);
        Surface s;
        ScaleCurveWindow(s);
        ForceAssumption state;
        ShowVectorsAtPoint(s, c.inputs, CurveMouseMode::AssumeForce, state, c.x, e.y);
        ASSERT_TRUE(state.onCurve) << c.what;
        state.xd = c.x;
        state.yd = e.y;
        const Vec2 F = c.along * e.along + c.across * e.across;
        JudgeForce(s, c.inputs, state, c.x + F.x, e.y + F.y);
        EXPECT_EQ(HasText(s, "FORCE: HAS THE CORRECT DIRECTION FOR THE SHAPE OF THE CURVE"),
                  c.right)
            << c.what;
        EXPECT_FALSE(HasText(s, "DIRECTION OF EXTRA FORCE FOR CENTRIPETAL")) << c.what;
        ExpectNear(ArrowFrom(s, {c.x, e.y}, Color{0, 250, 10}), -c.across * e.across, c.what);
    }
}

TEST(FirstExplanation, DependsOnNothingButItself)
{
    Surface a, b;
    DrawFirstExplanation(a);
    b.Scale(0, 10, 20, -10);
    b.Line(1, 1, 2, 2);
    DrawFirstExplanation(b);
    EXPECT_EQ(a.Primitives(), b.Primitives());
    EXPECT_TRUE(HasText(a, "ANGULAR VELOCITY"));
    EXPECT_TRUE(HasText(a, "HAS GREATER SPEED"));
}

} // namespace
} // namespace ttl
