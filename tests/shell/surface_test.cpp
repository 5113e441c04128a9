#include "shell/surface.h"

#include "shell/drawing_scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace ttl {
namespace {

TEST(Surface, ScaleSetsTheWorldWindowWithUpwardY)
{
    Surface s;
    s.Scale(-3.0, 2.0, 3.0, -2.0);
    EXPECT_DOUBLE_EQ(s.ScaleLeft(), -3.0);
    EXPECT_DOUBLE_EQ(s.ScaleTop(), 2.0);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 6.0);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), -4.0);
}

TEST(Surface, ALaterScaleDoesNotMoveWhatIsDrawn)
{
    Surface s;
    s.Scale(-1, 1, 1, -1);
    s.Line(0, 0, 1, 1, colors::Red);
    s.Scale(-10, 10, 10, -10);
    s.Line(0, 0, 1, 1, colors::Blue);
    const auto& list = s.Primitives();
    ASSERT_EQ(list.size(), 2U);
    EXPECT_DOUBLE_EQ(list[0].window.width, 2.0);
    EXPECT_DOUBLE_EQ(list[1].window.width, 20.0);
    EXPECT_EQ(list[0].color, colors::Red);
    EXPECT_EQ(list[1].color, colors::Blue);
}

TEST(Surface, LinesRecordTheirStyleAndUseForeColorWhenGivenNone)
{
    Surface s;
    s.SetForeColor(colors::Magenta);
    s.SetDrawWidth(3);
    s.SetDrawStyle(DrawStyle::Dot);
    s.Line(1, 2, 3, 4);
    s.SetDrawWidth(0); // never thinner than one pixel
    s.SetDrawStyle(DrawStyle::DashDot);
    s.Line(0, 0, 1, 1, colors::Green);
    const auto& list = s.Primitives();
    EXPECT_EQ(list[0].color, colors::Magenta);
    EXPECT_EQ(list[0].width, 3);
    EXPECT_EQ(list[0].style, DrawStyle::Dot);
    EXPECT_EQ(list[1].width, 1);
    EXPECT_EQ(list[1].style, DrawStyle::DashDot);
}

TEST(Surface, StartlessLinesDrawAPolylineFromTheOriginAfterCls)
{
    Surface s;
    s.SetCurrentX(5);
    s.SetCurrentY(5);
    s.Cls();
    s.LineTo(1, 2);
    s.LineTo(3, -1);
    const auto& list = s.Primitives();
    ASSERT_EQ(list.size(), 2U);
    EXPECT_DOUBLE_EQ(list[0].x1, 0.0);
    EXPECT_DOUBLE_EQ(list[0].y1, 0.0);
    EXPECT_DOUBLE_EQ(list[1].x1, 1.0);
    EXPECT_DOUBLE_EQ(list[1].y1, 2.0);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 3.0);
    EXPECT_DOUBLE_EQ(s.CurrentY(), -1.0);
}

TEST(Surface, ClsEmptiesTheListAndCountsItself)
{
    Surface s;
    s.PSet(1, 1);
    const auto before = s.ClearCount();
    s.Cls();
    EXPECT_TRUE(s.Primitives().empty());
    EXPECT_EQ(s.ClearCount(), before + 1);
}

TEST(Surface, CirclesArcsBoxesAndPointsKeepTheirGeometryAndFill)
{
    Surface s;
    s.SetFillStyle(FillStyle::Solid);
    s.Circle(1, 2, -0.5, colors::Blue);
    s.SetFillStyle(FillStyle::Transparent);
    s.Arc(0, 0, 2, 0.5, 1.5);
    s.FilledBox(-1, -1, 1, 1, Color{170, 170, 150});
    s.SetDrawWidth(4);
    s.PSet(3, 4, colors::Red);
    const auto& list = s.Primitives();
    ASSERT_EQ(list.size(), 4U);
    EXPECT_EQ(list[0].kind, PrimitiveKind::Circle);
    EXPECT_TRUE(list[0].filled);
    EXPECT_DOUBLE_EQ(list[0].radius, 0.5);
    EXPECT_FALSE(list[0].startAngle.has_value());
    EXPECT_FALSE(list[1].filled);
    EXPECT_DOUBLE_EQ(*list[1].startAngle, 0.5);
    EXPECT_DOUBLE_EQ(*list[1].endAngle, 1.5);
    EXPECT_EQ(list[2].kind, PrimitiveKind::FilledBox);
    EXPECT_EQ(list[2].color, (Color{170, 170, 150}));
    EXPECT_EQ(list[3].kind, PrimitiveKind::Point);
    EXPECT_EQ(list[3].width, 4);
}

TEST(Surface, PrintWritesAtTheCurrentPositionWithTheFontAndMovesToTheNextLine)
{
    Surface s;
    s.SetPixelSize(200, 100);
    s.Scale(0, 10, 20, 0); // 10 pixels per world unit, y upward
    s.SetFontName("DejaVu Serif");
    s.SetFontSize(12);
    s.SetFontBold(true);
    s.SetForeColor(colors::Red);
    s.SetCurrentX(4);
    s.SetCurrentY(8);
    s.Print("INERTIAL SYSTEM");
    const Primitive& p = s.Primitives().front();
    EXPECT_EQ(p.kind, PrimitiveKind::Text);
    EXPECT_EQ(p.text, "INERTIAL SYSTEM");
    EXPECT_DOUBLE_EQ(p.x1, 4.0);
    EXPECT_DOUBLE_EQ(p.y1, 8.0);
    EXPECT_EQ(p.color, colors::Red);
    EXPECT_EQ(p.font, (Font{"DejaVu Serif", 12.0, true}));
    EXPECT_DOUBLE_EQ(s.CurrentX(), 0.0);
    EXPECT_LT(s.CurrentY(), 8.0); // the next line is below, in y-up coordinates
}

TEST(Surface, NonFiniteCoordinatesAreNotRecordedButCounted)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Surface s;
    s.Line(0, 0, 1, 1);
    s.Cls();
    EXPECT_EQ(s.NonFiniteCalls(), 0U);
    s.Line(0, 0, nan, 1);
    s.LineTo(1, 1); // starts at the NaN end point
    s.Circle(inf, 0, 1);
    s.PSet(0, nan);
    s.SetCurrentX(nan);
    s.Print("x");
    EXPECT_TRUE(s.Primitives().empty());
    EXPECT_EQ(s.NonFiniteCalls(), 5U); // every call given a non-finite coordinate, once
}

TEST(Surface, DegenerateWorldWindowsAreNotDrawable)
{
    EXPECT_TRUE((WorldWindow{-1, 1, 2, -2}.IsDrawable()));
    EXPECT_FALSE((WorldWindow{-1, 1, 0, -2}.IsDrawable()));
    EXPECT_FALSE((WorldWindow{-1, 1, 2, 0}.IsDrawable()));
    EXPECT_FALSE((WorldWindow{std::numeric_limits<double>::quiet_NaN(), 1, 2, -2}.IsDrawable()));
}

TEST(Surface, TextsAndLineRowsGrowWithTheDrawingScaleWithinItsLimits)
{
    Surface surface;
    surface.SetPixelSize(800, 600);
    surface.Scale(0.0, 10.0, 10.0, 0.0);
    const double normalWidth = surface.TextPixels("ω final").width;
    const double normalLine = surface.TextLineHeight();
    struct Case {
        double asked;
        double shown;
    };
    for (const Case c : {Case{2.0, 2.0}, Case{0.5, 0.75}, Case{9.0, 2.5}, Case{1.25, 1.25}}) {
        SetDrawingScale(c.asked);
        EXPECT_NEAR(surface.TextPixels("ω final").width, c.shown * normalWidth, 1e-9) << c.asked;
        EXPECT_NEAR(surface.TextLineHeight(), c.shown * normalLine, 1e-9) << c.asked;
        EXPECT_NEAR(ScaledPenWidth(2), 2.0 * c.shown, 1e-12) << c.asked;
    }
    SetDrawingScale(1.0);
}

} // namespace
} // namespace ttl
