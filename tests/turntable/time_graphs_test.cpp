#include "shell/graph_readout.h"
#include "shell/number_format.h"
#include "turntable/animations.h"
#include "turntable/time_graphs.h"
#include "turntable/work_energy_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ttl {
namespace {

SimulationResult RunWith(bool influenced, int periods = 4)
{
    SimulationInputs inputs;
    inputs.baseInfluenced = influenced;
    inputs.periodCount = periods;
    return RunSimulation(inputs);
}

std::vector<Primitive> Matching(const Surface& s, PrimitiveKind kind, Color color, int width = 0)
{
    std::vector<Primitive> found;
    std::copy_if(s.Primitives().begin(), s.Primitives().end(), std::back_inserter(found),
                 [&](const Primitive& p) {
                     return p.kind == kind && p.color == color && (width == 0 || p.width == width);
                 });
    return found;
}

bool HasText(const Surface& s, const std::string& text)
{
    return std::any_of(s.Primitives().begin(), s.Primitives().end(), [&](const Primitive& p) {
        return p.kind == PrimitiveKind::Text && p.text == text;
    });
}

TEST(AngularVelocityGraph, StopsFifteenStepsBeforeTheEndAndReportsTheFinalOmega)
{
    const SimulationResult run = RunWith(true);
    Surface s;
    s.SetPixelSize(900, 500);
    DrawAngularVelocityGraph(s, run);
    const auto red = Matching(s, PrimitiveKind::Line, colors::Red);
    const int n = run.StepCount;
    ASSERT_EQ(static_cast<int>(red.size()), n - 15 + 1); // the curve and the legend sample
    EXPECT_DOUBLE_EQ(red[static_cast<std::size_t>(n - 16)].x1, (n - 15) * run.TimeStep);
    // Every 50th step's momentum value, and nothing else of the curve (the legend's dots aside).
    int onCurve = 0;
    for (const Primitive& p : Matching(s, PrimitiveKind::Point, colors::Blue, 3)) {
        const auto step = static_cast<std::size_t>(std::lround(p.x1 / run.TimeStep));
        onCurve += step % 50 == 0 && std::abs(p.x1 - step * run.TimeStep) < 1e-12 &&
                   p.y1 == run.series.BaseOmegaByMomentum[step];
    }
    EXPECT_EQ(onCurve, (n - 15) / 50);
    EXPECT_TRUE(HasText(
        s, "\u03C9 final = " +
               FormatNumber(run.series.BaseOmegaByMomentum[static_cast<std::size_t>(n - 15)],
                            "0.00")));
    EXPECT_TRUE(HasText(s, "Angular velocity calculated by the motion equations"));
}

TEST(VelocityGraph, StopsFiveStepsBeforeTheEndWithItsSixLegendEntries)
{
    const SimulationResult run = RunWith(false);
    Surface s;
    s.SetPixelSize(900, 500);
    DrawVelocityGraph(s, run);
    const auto redThick = Matching(s, PrimitiveKind::Line, colors::Red, 3);
    EXPECT_EQ(static_cast<int>(redThick.size()), run.StepCount - 5 + 1);
    for (const char* text : {"VX Inertial frame", "VY Inertial frame", "VX ROTATING FRAME",
                             "VY rotating frame", "Vrelative X INERTIAL", "Vrelative Y INERTIAL"}) {
        EXPECT_TRUE(HasText(s, text)) << text;
    }
    const double lastX = redThick[static_cast<std::size_t>(run.StepCount - 6)].x2;
    EXPECT_NEAR(lastX, (run.StepCount - 4) * run.TimeStep, 1e-9); // against time, in seconds
}

TEST(WorkGraph, LeavesOutTheLastTenStepsAndTheBaseWorkOfADrivenBase)
{
    const SimulationResult driven = RunWith(false);
    Surface s;
    s.SetPixelSize(900, 500);
    WorkRange range = ComputeWorkRange(driven);
    DrawWorkEnergyGraph(s, driven, range.max, range.min, false);
    EXPECT_TRUE(Matching(s, PrimitiveKind::Line, colors::Red).empty());
    EXPECT_FALSE(HasText(s, "WORK OF FORCE DUE TO ACCELERATION OF BASE"));
    const auto friction = Matching(s, PrimitiveKind::Point, colors::Black, 1);
    double lastX = 0.0;
    for (const Primitive& p : friction) {
        const auto step = static_cast<std::size_t>(std::lround(p.x1 / driven.TimeStep));
        if (step < driven.series.WorkFrictionRotating.size() &&
            p.y1 == driven.series.WorkFrictionRotating[step]) {
            lastX = std::max(lastX, p.x1);
        }
    }
    EXPECT_DOUBLE_EQ(lastX, (driven.StepCount - 10) * driven.TimeStep);

    const SimulationResult free = RunWith(true);
    range = ComputeWorkRange(free);
    DrawWorkEnergyGraph(s, free, range.max, range.min, true);
    EXPECT_EQ(static_cast<int>(Matching(s, PrimitiveKind::Line, colors::Red, 2).size()),
              free.StepCount - 10 + 1);
    EXPECT_TRUE(HasText(s, "WORK DUE TO DECELERATION OF BASE"));
    EXPECT_TRUE(HasText(s, "KINETIC ENERGY IN INERTIAL"));
}

// The readout at a time between two steps gives each curve's value interpolated from the run's
// own series, in the curve's colour.
TEST(GraphReadout, ShowsEachVelocityInterpolatedBetweenSteps)
{
    const SimulationResult run = RunWith(false);
    const double t = 123.4 * run.TimeStep;
    const auto between = [](const std::vector<double>& v) { return v[123] + 0.4 * (v[124] - v[123]); };
    const SimulationSeries& s = run.series;
    const std::pair<std::string, double> expected[] = {
        {"VX Inertial frame", between(s.VelocityInertialX)},
        {"VY Inertial frame", between(s.VelocityInertialY)},
        {"VX ROTATING FRAME", between(s.VelocityRotatingX)},
        {"VY rotating frame", between(s.VelocityRotatingY)},
    };
    const std::vector<ReadoutLine> lines = TimeReadout(VelocityGraph(run), t);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().text, "t = " + FormatWithFactor(t, 3) + " s");
    for (const auto& [label, value] : expected) {
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const ReadoutLine& l) {
            return l.text.rfind(label + ": ", 0) == 0;
        });
        ASSERT_NE(line, lines.end()) << label;
        EXPECT_EQ(line->text, label + ": " + FormatWithFactor(value, 3));
    }
    EXPECT_EQ(lines[1].color, colors::Red);
}

TEST(WorkGraph, TheRangeReachesAThirdBelowZeroWhenTheWorkNeverDoes)
{
    const SimulationResult run = RunWith(false);
    const WorkRange range = ComputeWorkRange(run);
    EXPECT_GT(range.max, 0.0);
    EXPECT_DOUBLE_EQ(range.min, -range.max / 3.0);
    const WorkRange free = ComputeWorkRange(RunWith(true));
    EXPECT_LT(free.min, 0.0); // the base's deceleration takes work out
    EXPECT_NE(free.min, -free.max / 3.0);
}

TEST(WorkGraph, PrintsEachFramesBalance)
{
    const SimulationResult run = RunWith(true);
    Surface s;
    s.SetPixelSize(900, 500);
    const WorkRange range = ComputeWorkRange(run);
    DrawWorkEnergyGraph(s, run, range.max, range.min, false);
    const auto balance =
        std::count_if(s.Primitives().begin(), s.Primitives().end(), [](const Primitive& p) {
            return p.kind == PrimitiveKind::Text &&
                   p.text.find("\u0394KE - W = ") != std::string::npos;
        });
    EXPECT_EQ(balance, 2);
}

TEST(Graphs, DrawNothingBeforeAnyRunOrWithoutARange)
{
    const SimulationResult none;
    Surface s;
    DrawAngularVelocityGraph(s, none);
    EXPECT_TRUE(s.Primitives().empty());
    DrawVelocityGraph(s, none);
    EXPECT_TRUE(s.Primitives().empty());
    DrawWorkEnergyGraph(s, none, 0.0, 0.0, false);
    EXPECT_TRUE(s.Primitives().empty());
    DrawWorkEnergyGraph(s, RunWith(false), 0.0, 0.0, false);
    EXPECT_TRUE(s.Primitives().empty());
    s.SetPixelSize(300, 300);
    VectorsAnimation(none).Begin(s);
    EXPECT_TRUE(s.Primitives().empty());
}

TEST(VectorsAnimation, UsesTheRestingForceOnlyAfterStepTwenty)
{
    SimulationResult run = RunWith(false);
    // Pretend the body rests on the base at steps 5 and 25.
    for (std::size_t i : {5U, 25U}) {
        run.series.VelocityRotatingX[i] = 0.0;
        run.series.VelocityRotatingY[i] = 0.0;
    }
    const auto towardAxis = [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        const double x = run.series.PositionInertialX[k];
        const double y = run.series.PositionInertialY[k];
        const double r = std::hypot(x, y);
        return Vec2{-run.FrictionDecel * x / r, -run.FrictionDecel * y / r};
    };
    const Vec2 early = AnimationForce(run, 5);
    EXPECT_GT(std::abs(early.x - towardAxis(5).x) + std::abs(early.y - towardAxis(5).y), 1e-3);
    EXPECT_NEAR(std::hypot(early.x, early.y), run.FrictionDecel, 1e-12); // friction, full size
    const Vec2 late = AnimationForce(run, 25);
    EXPECT_DOUBLE_EQ(late.x, towardAxis(25).x);
    EXPECT_DOUBLE_EQ(late.y, towardAxis(25).y);
}

TEST(Animations, EachFrameReplacesTheMovingArrowsAndKeepsTheTrail)
{
    const SimulationResult run = RunWith(false);
    Surface s;
    s.SetPixelSize(600, 400);
    const OrbitAnimation orbit(run);
    orbit.Begin(s);
    const std::size_t start = s.Primitives().size();
    orbit.DrawFrame(s, 1);
    const std::size_t transient = s.TransientPrimitives().size();
    for (int i = 2; i <= 50; ++i) {
        orbit.DrawFrame(s, i);
        EXPECT_EQ(s.TransientPrimitives().size(), transient);
    }
    EXPECT_EQ(s.Primitives().size(), start + 2 * 50); // a red and a blue point per frame
    orbit.Finish(s);
    EXPECT_EQ(Matching(s, PrimitiveKind::Line, colors::Red).size(),
              static_cast<std::size_t>(orbit.FrameCount() - 1));
}

} // namespace
} // namespace ttl
