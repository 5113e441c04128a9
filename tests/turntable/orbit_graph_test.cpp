#include "turntable/orbit_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include <algorithm>
#include <cmath>

namespace ttl {
namespace {

long CountLines(const Surface& s, Color color, DrawStyle style)
{
    return std::count_if(s.Primitives().begin(), s.Primitives().end(), [&](const Primitive& p) {
        return p.kind == PrimitiveKind::Line && p.color == color && p.style == style;
    });
}

const Primitive* FindText(const Surface& s, const std::string& text)
{
    for (const Primitive& p : s.Primitives()) {
        if (p.kind == PrimitiveKind::Text && p.text == text) {
            return &p;
        }
    }
    return nullptr;
}

SimulationResult DefaultRun()
{
    return RunSimulation(SimulationInputs{});
}

TEST(DrawOrbitGraph, DrawsBothOrbitsTheStartCircleAndTheLegend)
{
    const SimulationResult run = DefaultRun();
    Surface s;
    s.SetPixelSize(800, 400);
    DrawOrbitGraph(s, run);
    const int n = run.StepCount;
    EXPECT_EQ(CountLines(s, colors::Red, DrawStyle::Solid), n - 20 + 1); // + legend sample
    EXPECT_EQ(CountLines(s, colors::Blue, DrawStyle::Solid), n - 20 + 1);
    EXPECT_EQ(CountLines(s, colors::Magenta, DrawStyle::Dot), 200);

    EXPECT_DOUBLE_EQ(s.ScaleWidth() / 800.0, -s.ScaleHeight() / 400.0); // equal scales

    const Primitive* inertial = FindText(s, "INERTIAL SYSTEM");
    const Primitive* rotating = FindText(s, "ROTATING SYSTEM");
    ASSERT_NE(inertial, nullptr);
    ASSERT_NE(rotating, nullptr);
    EXPECT_GT(inertial->y1, rotating->y1);
    EXPECT_EQ(inertial->color, colors::Red);
    EXPECT_EQ(rotating->color, colors::Blue);
    EXPECT_EQ(s.ForeColor(), colors::Black);
}

// The whole orbit is in the window and fills most of it, at any shape, never under the legend.
TEST(DrawOrbitGraph, TheWholeOrbitFillsTheWindowOutsideTheLegend)
{
    const SimulationResult runs[] = {RunSimulation(SimulationInputs{}),
                                     RunSimulation(SimulationInputs{20, 1, 5, 40, true})};
    for (const SimulationResult& run : runs) {
        for (const auto& [w, h] :
             {std::pair{683, 384}, std::pair{400, 700}, std::pair{1280, 640}}) {
            Surface s;
            s.SetPixelSize(w, h);
            DrawOrbitGraph(s, run);
            const WorldWindow win = s.Window();
            const Primitive* inertial = FindText(s, "INERTIAL SYSTEM");
            const Primitive* rotating = FindText(s, "ROTATING SYSTEM");
            const double legendLeft = std::min(inertial->x1, rotating->x1);
            const double legendRight =
                legendLeft + s.TextWorldSize("ROTATING SYSTEM").width;
            const double legendBottom = rotating->y1 - s.TextWorldSize("ROTATING SYSTEM").height;
            const auto underLegend = [&](double x, double y) {
                return x >= legendLeft && x <= legendRight && y <= inertial->y1 &&
                       y >= legendBottom;
            };
            double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
            for (int j = 1; j <= run.StepCount - 19; ++j) {
                const auto i = static_cast<std::size_t>(j);
                for (const auto& [x, y] :
                     {std::pair{run.series.PositionInertialX[i], run.series.PositionInertialY[i]},
                      std::pair{run.series.PositionRotatingX[i],
                                run.series.PositionRotatingY[i]}}) {
                    ASSERT_GE(x, win.left);
                    ASSERT_LE(x, win.left + win.width);
                    ASSERT_GE(y, win.top + win.height);
                    ASSERT_LE(y, win.top);
                    ASSERT_FALSE(underLegend(x, y)) << w << "x" << h;
                    left = std::min(left, x);
                    right = std::max(right, x);
                    bottom = std::min(bottom, y);
                    top = std::max(top, y);
                }
            }
            const double shorter = std::min(win.width, -win.height);
            EXPECT_GE(std::max(right - left, top - bottom), 0.5 * shorter) << w << "x" << h;
            EXPECT_NEAR(win.width / w, -win.height / h, 1e-12);
        }
    }
}

TEST(DrawOrbitGraph, JoinsPointsOneToNMinusNineteen)
{
    const SimulationResult run = DefaultRun();
    Surface s;
    s.SetPixelSize(600, 600);
    DrawOrbitGraph(s, run);
    std::vector<const Primitive*> red;
    for (const Primitive& p : s.Primitives()) {
        if (p.color == colors::Red && p.kind == PrimitiveKind::Line) {
            red.push_back(&p);
        }
    }
    const SimulationSeries& series = run.series;
    EXPECT_DOUBLE_EQ(red.front()->x1, series.PositionInertialX[1]);
    const auto last = static_cast<std::size_t>(run.StepCount - 19);
    EXPECT_DOUBLE_EQ(red[red.size() - 2]->x2, series.PositionInertialX[last]);
    EXPECT_DOUBLE_EQ(red[red.size() - 2]->y2, series.PositionInertialY[last]);
}

TEST(DrawOrbitGraph, AShortRunDrawsAxesCircleAndLegendOnly)
{
    SimulationResult run = DefaultRun();
    run.StepCount = 20;
    Surface s;
    s.SetPixelSize(300, 200);
    DrawOrbitGraph(s, run);
    EXPECT_EQ(CountLines(s, colors::Red, DrawStyle::Solid), 1);
    EXPECT_EQ(CountLines(s, colors::Blue, DrawStyle::Solid), 1);
    EXPECT_EQ(CountLines(s, colors::Magenta, DrawStyle::Dot), 200);
}

TEST(DrawOrbitGraph, AZeroSizeSurfaceDrawsNothing)
{
    const SimulationResult run = DefaultRun();
    Surface s;
    s.SetPixelSize(0, 300);
    DrawOrbitGraph(s, run);
    EXPECT_TRUE(s.Primitives().empty());
}

TEST(DrawBaseAngleGraph, PlotsOnePointPerStepUpToNMinusTwo)
{
    const SimulationResult run = DefaultRun();
    Surface s;
    s.SetPixelSize(800, 500);
    DrawBaseAngleGraph(s, run);
    std::vector<const Primitive*> points;
    for (const Primitive& p : s.Primitives()) {
        if (p.kind == PrimitiveKind::Point) {
            points.push_back(&p);
        }
    }
    ASSERT_EQ(points.size(), static_cast<std::size_t>(run.StepCount - 2));
    EXPECT_DOUBLE_EQ(points.front()->x1, run.TimeStep);
    EXPECT_DOUBLE_EQ(points.back()->y1, run.series.BaseAngle[run.StepCount - 2]);
    const double largest = run.series.BaseAngle.back();
    // the whole curve in the window, with room for the axes' titles
    EXPECT_GT(s.ScaleTop(), largest);
    EXPECT_LT(s.ScaleTop() + s.ScaleHeight(), 0.0);
    EXPECT_LT(s.ScaleLeft(), 0.0); // room left of the axis for its numbers
}

TEST(DrawBaseAngleGraph, BeforeAnyRunTheWindowIsDegenerate)
{
    Surface s;
    DrawBaseAngleGraph(s, SimulationResult{});
    EXPECT_FALSE(s.Window().IsDrawable());
}

} // namespace
} // namespace ttl
