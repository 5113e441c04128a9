#include "shell/vectors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ttl {
namespace {

constexpr double Pi = std::numbers::pi;

Surface TenUnitSurface()
{
    Surface s;
    s.Scale(-10, 10, 10, -10);
    return s;
}

const double StrokeLength = std::sqrt(800.0) / 75.0;

double Length(const Primitive& p)
{
    return PointDistance(p.x1, p.y1, p.x2, p.y2);
}

TEST(VectorAngle, CoversEveryQuadrantAndTheAxes)
{
    EXPECT_DOUBLE_EQ(VectorAngle(-1, 0), Pi);
    EXPECT_DOUBLE_EQ(VectorAngle(1, -1), -Pi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(-1, -1), 5 * Pi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 2), Pi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(0, -2), -Pi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(VectorAngle(-1, 1), 3 * Pi / 4);
}

TEST(PointDistance, IsTheEuclideanDistance)
{
    EXPECT_DOUBLE_EQ(PointDistance(1, 1, 4, 5), 5.0);
    EXPECT_DOUBLE_EQ(PointDistance(2, 3, 2, 3), 0.0);
}

TEST(DrawVector, DrawsShaftThenTwoStrokesOfAFixedLengthInTheRoundedColour)
{
    Surface s = TenUnitSurface();
    DrawVector(s, 1, 1, 3, 4, 254.6, 0.4, 0);
    const auto& list = s.Primitives();
    ASSERT_EQ(list.size(), 3U);
    EXPECT_DOUBLE_EQ(list[0].x1, 1.0);
    EXPECT_DOUBLE_EQ(list[0].y1, 1.0);
    EXPECT_DOUBLE_EQ(list[0].x2, 4.0);
    EXPECT_DOUBLE_EQ(list[0].y2, 5.0);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_DOUBLE_EQ(list[i].x1, 4.0);
        EXPECT_DOUBLE_EQ(list[i].y1, 5.0);
        EXPECT_NEAR(Length(list[i]), StrokeLength, 1e-12);
        // behind the tip, 30 degrees off the shaft
        const double along = ((list[i].x2 - 4.0) * 3 + (list[i].y2 - 5.0) * 4) / 5.0;
        EXPECT_NEAR(along, -StrokeLength * std::cos(Pi / 6), 1e-12);
    }
    EXPECT_EQ(list[0].color, colors::Red);
}

TEST(DrawVector, LeavesDrawWidthAndStyleToTheCaller)
{
    Surface s = TenUnitSurface();
    s.SetDrawWidth(3);
    s.SetDrawStyle(DrawStyle::Dot);
    DrawVector(s, 0, 0, -2, 1, 0, 0, 255);
    for (const Primitive& p : s.Primitives()) {
        EXPECT_EQ(p.width, 3);
        EXPECT_EQ(p.style, DrawStyle::Dot);
    }
    EXPECT_EQ(s.DrawWidth(), 3);
}

TEST(DrawVector, ALeftwardVectorStillHasItsStrokesBehindTheTip)
{
    Surface s = TenUnitSurface();
    DrawVector(s, 0, 0, -5, 0, 0, 0, 0);
    const auto& list = s.Primitives();
    ASSERT_EQ(list.size(), 3U);
    EXPECT_GT(list[1].x2, -5.0);
    EXPECT_GT(list[2].x2, -5.0);
    EXPECT_NEAR(list[1].y2, -list[2].y2, 1e-12);
}

TEST(DrawVector, ZeroAndTinyVectorsDrawNothing)
{
    Surface s = TenUnitSurface();
    DrawVector(s, 1, 1, 0, 0, 0, 0, 0);
    DrawVector(s, 1, 1, StrokeLength / 100 * 0.9, 0, 0, 0, 0);
    EXPECT_TRUE(s.Primitives().empty());
    DrawVector(s, 1, 1, StrokeLength / 100 * 1.1, 0, 0, 0, 0);
    EXPECT_EQ(s.Primitives().size(), 3U);
}

TEST(DrawVector, ShortVectorsTurnTheirStrokesForwardBeyondTheTip)
{
    Surface s = TenUnitSurface();
    DrawVector(s, 0, 0, 0.2, 0, 0, 0, 0);
    const auto& list = s.Primitives();
    ASSERT_EQ(list.size(), 3U);
    EXPECT_GT(list[1].x2, 0.2);
    EXPECT_GT(list[2].x2, 0.2);
    EXPECT_NEAR(Length(list[1]), StrokeLength, 1e-12);
}

TEST(DrawVector, StraightDownPutsTheStrokesAboveTheTipSymmetrically)
{
    for (auto draw : {&DrawVector, &DrawWindowVector}) {
        Surface s = TenUnitSurface();
        draw(s, 2, 3, 0, -2, 0, 0, 0);
        const auto& list = s.Primitives();
        ASSERT_EQ(list.size(), 3U);
        EXPECT_GT(list[1].y2, 1.0);
        EXPECT_GT(list[2].y2, 1.0);
        EXPECT_NEAR(list[1].y2, list[2].y2, 1e-12);
        EXPECT_NEAR(list[1].x2 - 2.0, -(list[2].x2 - 2.0), 1e-12);
    }
}

TEST(DrawWindowVector, AlwaysPlacesTheStrokesBehindTheTip)
{
    Surface s = TenUnitSurface();
    DrawWindowVector(s, 0, 0, 0.2, 0, 0, 0, 0);
    const auto& list = s.Primitives();
    ASSERT_EQ(list.size(), 3U);
    EXPECT_DOUBLE_EQ(list[0].x2, 0.2); // shaft first
    EXPECT_LT(list[1].x2, 0.2);
    EXPECT_LT(list[2].x2, 0.2);
}

TEST(DrawWindowVector, AZeroVectorStillDrawsItsStrokes)
{
    Surface s = TenUnitSurface();
    DrawWindowVector(s, 1, 1, 0, 0, 0, 255, 0);
    const auto& list = s.Primitives();
    ASSERT_EQ(list.size(), 3U);
    EXPECT_NEAR(Length(list[1]), StrokeLength, 1e-12);
    EXPECT_NEAR(Length(list[2]), StrokeLength, 1e-12);
    EXPECT_EQ(list[1].color, colors::Green);
}

} // namespace
} // namespace ttl
