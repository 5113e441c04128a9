#include "shell/axis_ticks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace ttl {
namespace {

std::vector<std::string> Texts(const Surface& s)
{
    std::vector<std::string> texts;
    for (const Primitive& p : s.Primitives()) {
        if (p.kind == PrimitiveKind::Text) {
            texts.push_back(p.text);
        }
    }
    return texts;
}

TEST(AxisTicks, TicksEveryOtherSpacingWithFormattedNumbers)
{
    Surface s;
    s.Scale(-0.5, 10, 10, -0.5);
    AxisTicks(s, 10.0, 0.0, 8.0, 0.0);
    // dx = Int(10)/10 = 1: ticks at 0, 2, 4, 6, 8; dy = 0.8: ticks at 0, 1.6, 3.2, 4.8, 6.4
    const std::vector<std::string> expected = {"0.00",    "2.00",    "4.00",    "6.00",   "8.00",
                                               "1.6E+00", "3.2E+00", "4.8E+00", "6.4E+00"};
    EXPECT_EQ(Texts(s), expected);
    // the two axes come first, in ForeColor
    const auto& list = s.Primitives();
    EXPECT_DOUBLE_EQ(list[0].y1, 0.0);
    EXPECT_DOUBLE_EQ(list[0].x2, 10.0);
    EXPECT_DOUBLE_EQ(list[1].x1, 0.0);
    EXPECT_DOUBLE_EQ(list[1].y2, 8.0);
}

TEST(AxisTicks, GridLinesAreDottedAndTheStyleIsRestored)
{
    Surface s;
    s.Scale(-1, 10, 10, -1);
    AxisTicks(s, 10.0, 0.0, 8.0, 0.0);
    const auto dotted = std::count_if(s.Primitives().begin(), s.Primitives().end(),
                                      [](const Primitive& p) { return p.style == DrawStyle::Dot; });
    EXPECT_EQ(dotted, 10); // one per tick on either axis
    EXPECT_EQ(s.DrawStyle(), DrawStyle::Solid);
}

TEST(AxisTicks, ARangeAwayFromZeroPutsTheAxesAtItsStart)
{
    Surface s;
    AxisTicks(s, 10.0, 2.0, 5.0, 1.0);
    const auto& list = s.Primitives();
    EXPECT_DOUBLE_EQ(list[0].y1, 1.0); // horizontal axis at yStart
    EXPECT_DOUBLE_EQ(list[1].x1, 2.0); // vertical axis at xStart
}

TEST(AxisTicks, SmallRangesUseTheScaledUpSpacing)
{
    Surface s;
    AxisTicks(s, 0.05, 0.0, 1.0, 0.0);
    // A = 0.05 is scaled to 5, not back: dx = 0.5, so only the tick at 0 lies below 0.05
    const auto texts = Texts(s);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "0.00"), 1);
}

TEST(AxisTicks, AnEmptyRangeDrawsTheAxesOnlyAndReturns)
{
    Surface s;
    AxisTicks(s, 0.0, 0.0, 0.0, 0.0);
    EXPECT_EQ(s.Primitives().size(), 2U);
    AxisTicks(s, 5.0, 0.0, std::numeric_limits<double>::quiet_NaN(), 0.0);
    EXPECT_LE(s.Primitives().size(), 4U);
}

} // namespace
} // namespace ttl
